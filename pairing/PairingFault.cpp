#include "pairing/PairingFault.h"

#include "pairing/ParticipantTerm.h"

#include <bit>
#include <cstdint>

std::string BoardFault(const CVantor& tournament, int index)
{
    const auto& participants = tournament.m_Participants;
    const CParticipant& participant = participants[static_cast<std::size_t>(index)];
    const CPairingState& state = participant.m_Pairing;
    const int opponent = state.m_Opponent;
    const auto who = [index] { return std::to_string(index); };
    if (participant.m_Absent)
        return opponent == PlaceholderRecord ? "" : "absent " + who() + " is paired";

    const auto pair = [&] { return who() + " and " + std::to_string(opponent); };
    if (opponent < ByeRecord || opponent >= static_cast<int>(participants.size()) ||
        opponent == index)
        return who() + " has opponent " + std::to_string(opponent);
    const CParticipant& other = participants[static_cast<std::size_t>(opponent)];
    if (opponent != ByeRecord && other.m_Absent)
        return who() + " meets absent " + std::to_string(opponent);
    if (other.m_Pairing.m_Opponent != index)
        return pair() + " disagree";
    if (other.m_Pairing.m_White == state.m_White)
        return pair() + " same colour";
    // Compared bit by bit: the same term evaluated again is the same, not-a-number included.
    const double term = TermOf(CTournamentLayout(tournament), index, state);
    if (std::bit_cast<std::uint64_t>(term) != std::bit_cast<std::uint64_t>(state.m_Cost))
        return who() + " stores term " + std::to_string(state.m_Cost) + ", not " +
               std::to_string(term);
    return {};
}

std::string PairingFault(const CVantor& tournament)
{
    const auto records = static_cast<int>(tournament.m_Participants.size());
    for (int index = FirstParticipant; index < records; ++index)
    {
        std::string fault = BoardFault(tournament, index);
        if (!fault.empty())
            return fault;
    }
    return {};
}
