#include "pairing/PairingCost.h"

#include "pairing/ParticipantTerm.h"

namespace
{
// Strictly left to right, as the search's decisions need the same sum on every build; four terms
// a step keep the loop's own work out of the way of the additions' latency.
template <class TRecord> double SumOfTerms(const TRecord* record, const TRecord* const end)
{
    double total = 0.0;
    for (; end - record >= 4; record += 4)
    {
        total += record[0].m_Pairing.m_Cost;
        total += record[1].m_Pairing.m_Cost;
        total += record[2].m_Pairing.m_Cost;
        total += record[3].m_Pairing.m_Cost;
    }
    for (; record < end; ++record)
        total += record->m_Pairing.m_Cost;
    return total;
}
} // namespace

double EvaluateParticipant(CVantor& tournament, CParticipant& participant)
{
    const auto index = static_cast<int>(&participant - tournament.m_Participants.data());
    participant.m_Pairing.m_Cost =
        TermOf(CTournamentLayout(tournament), index, participant.m_Pairing);
    return participant.m_Pairing.m_Cost;
}

double EvaluateParticipant(CPackedPairing& pairing, int index)
{
    CPairingState& state = pairing.State(index);
    state.m_Cost = TermOf(pairing.Layout(), index, state);
    return state.m_Cost;
}

double TotalCost(const CVantor& tournament)
{
    const CParticipant* const records = tournament.m_Participants.data();
    return SumOfTerms(records + FirstParticipant, records + tournament.m_Participants.size());
}

double TotalCost(const CPackedPairing& pairing)
{
    const std::span<const CPackedRecord> records = pairing.All();
    return SumOfTerms(records.data() + FirstParticipant, records.data() + records.size());
}
