#pragma once

#include "pgn/Warnings.h"
#include "tournament/CostTerms.h"
#include "tournament/ExchangeStates.h"
#include "tournament/Parameters.h"
#include "tournament/Participant.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

// The tournament of one run: parameters, participants and the working data of the standings
// and the search. Participants are referred to by their index into m_Participants, which never
// changes during a run; record 0 is the placeholder (the opponent of rounds without a game),
// record 1 the bye record, real participants follow from index 2.
//
// The operations live in the folder of their subsystem: the rebuilding from the input in
// tournament/, the standings and the pairing cost in standings/, the search in search/ and the
// written round in output/.
class CVantor
{
public:
    CVantor() = default;
    virtual ~CVantor() = default;
    CVantor(const CVantor&) = delete;
    CVantor& operator=(const CVantor&) = delete;

    // The index of the participant with this name, created when the name is new.
    int GetIndex(const std::string& name);
    // Empties the tournament down to the placeholder (absent) and the bye record, the state a
    // rebuilding starts from.
    void ResetToReservedRecords();

    // Rebuilds the whole tournament from the input file; false after a diagnostic. Warnings go
    // to standard error and the participant-list messages to standard output.
    bool ReadTournament(const char* fileName);
    // The same, with the warnings and the messages sent where the caller says, telling a file
    // that cannot be opened from one that breaks the grammar or a limit.
    enum class EReading
    {
        Read,
        CannotOpen,
        Refused,
    };
    EReading ReadTournament(const char* fileName, CWarnings& warnings, std::ostream& console);

    // The number of rounds played: the length of the longest history, which the standings give
    // every history.
    std::size_t RoundsPlayed() const;
    // The real participants who are not absent.
    int PresentCount() const;

    // Derives scores, colours, floats, the standings order, the candidate lists and a random
    // starting pairing with its costs.
    void PrepareStandings();

    // Works out from the histories, the standings and the weights what every evaluation needs
    // and does not depend on the opponent; the standings do it before their first evaluation,
    // and whoever changes any of these afterwards does it again.
    void PrepareCostTerms()
    {
        m_CostTerms.Prepare(m_Participants, RoundsPlayed(), m_ScoreCount, m_Parameters);
    }

    // Computes, stores and returns the participant's cost term for its current pairing state;
    // the participant is one of m_Participants.
    double EvaluateParticipant(CParticipant& participant);

    // The sum of the stored terms of records 2 to n-1, in index order.
    double TotalCost() const;

    // a takes b's opponent and b takes a's; returns the change of the total cost.
    double ExchangeOpponents(int a, int b, bool aAdapts, bool bAdapts, CExchangeUndo* undo);
    void UndoExchange(const CExchangeUndo& undo);
    // The same change, changing nothing: result receives the four records and the states the
    // exchange would give them, which ApplyExchange then puts in place. Only for a and b whose
    // opponents are neither each other nor the same record.
    double MeasureExchange(int a, int b, bool aAdapts, bool bAdapts,
                           CMeasuredExchange& result) const;
    void ApplyExchange(const CMeasuredExchange& measured);
    // A lower bound of the change MeasureExchange gives, to the last bit; cheap, as it leaves out
    // all but the score terms. -infinity where no bound is known.
    double LeastExchangeChange(int a, int b) const;
    // The change of an exchange of a and b followed by one of a and c, with the colour flags of
    // the two (aAdapts and bAdapts of each), changing nothing: first and second receive the
    // states each exchange would give its records, to be put in place in that order. Once the
    // change is certain to be at least enough, only a lower bound of it is worked out and
    // returned, and second is left incomplete. Only for a, b, c and their opponents all
    // different.
    double MeasureRotation(int a, int b, int c, const std::array<bool, 4>& adapts, double enough,
                           CMeasuredExchange& first, CMeasuredExchange& second) const;

    // Searches the cheapest pairing of the next round and replaces output with its PGN text.
    void Pair(std::string& output);

    // Writes the new round's games; true when the stream has not failed.
    bool WriteRound(std::ostream& stream) const;
    void WriteDebugComment(std::ostream& stream, const CParticipant& participant) const;

    CParameters m_Parameters;
    std::map<std::string, int> m_Index;
    std::vector<CParticipant> m_Participants;
    std::vector<int> m_Order;        // standings order; entries 0 and 1 hold 0 and 1
    std::vector<int> m_ScoreCount;   // present participants per score in half points
    std::uint32_t m_Window = 0;      // least number of nearest participants in a candidate list
    std::vector<int> m_PresentOrder; // the present participants in standings order
    std::vector<int> m_NearestCandidates; // the nearest candidates of every present participant

    // The candidate of this list at position k (the list's own order, from 0).
    int Candidate(const CCandidates& candidates, std::size_t k) const
    {
        if (k < static_cast<std::size_t>(candidates.m_NearestCount))
            return m_NearestCandidates[static_cast<std::size_t>(candidates.m_NearestFirst) + k];
        k -= static_cast<std::size_t>(candidates.m_NearestCount);
        if (k < static_cast<std::size_t>(candidates.m_BelowCount))
            return m_PresentOrder[static_cast<std::size_t>(candidates.m_BelowFirst) + k];
        k -= static_cast<std::size_t>(candidates.m_BelowCount);
        return m_PresentOrder[static_cast<std::size_t>(candidates.m_AboveFirst) - k];
    }

    // What the pairing cost derives for its evaluations; others only ask it.
    CCostTerms m_CostTerms;

private:
    // a, b, a's opponent and b's opponent: the records an exchange of a and b touches.
    std::array<int, 4> ExchangedRecords(int a, int b) const;
    void PutStates(const CExchangeStates& states);
};
