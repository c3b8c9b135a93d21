#include "pairing/PairedBoards.h"

#include "tournament/Vantor.h"

std::vector<CBoard> PairedBoards(const CVantor& tournament)
{
    const auto record = [&](int index) -> const CParticipant&
    { return tournament.m_Participants[static_cast<std::size_t>(index)]; };
    std::vector<CBoard> boards;
    for (std::size_t position = FirstParticipant; position < tournament.m_Order.size(); ++position)
    {
        const int index = tournament.m_Order[position];
        const CPairingState& pairing = record(index).m_Pairing;
        const int opponent = pairing.m_Opponent;
        if (record(index).m_Absent || opponent == PlaceholderRecord)
            continue;
        if (opponent != ByeRecord && record(index).m_Place > record(opponent).m_Place)
            continue;
        boards.push_back(pairing.m_White ? CBoard{index, opponent} : CBoard{opponent, index});
    }
    return boards;
}
