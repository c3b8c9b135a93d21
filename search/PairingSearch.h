#pragma once

#include "pairing/ExchangeStates.h"
#include "pairing/PackedPairing.h"
#include "search/Divisor.h"
#include "search/SearchTotals.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <cstdint>
#include <iosfwd>
#include <span>
#include <vector>

// One run of the threshold-accepting search for the cheapest pairing of the next round, on
// standings that have just been prepared. The moves work on a packed copy of the pairing in hand
// (PackedPairing.h), which the participants get back when the search ends; the search keeps the
// best pairing found apart and puts it back at the end.
class CPairingSearch
{
public:
    explicit CPairingSearch(CVantor& tournament);

    // Searches until the rejections since the last new best reach the stop limit.
    void Run();

    // The two closing lines: the names at standings positions 2 and 4, and how the total changes
    // when those two exchange opponents. Returns the total of the pairing in hand beforehand.
    double ReportClosingExchange(std::ostream& console);

    // Puts the best pairing found back into the participants.
    void RestoreBest();

    std::int64_t Moves() const { return m_Moves; }
    std::int64_t StopLimit() const { return m_StopLimit; }
    int AdaptationPeriod() const { return m_AdaptationPeriod; }
    int ColourFlipShare() const { return m_ColourFlipShare; }
    double ColourFlipGate() const { return m_ColourFlipGate; }

private:
    CParticipant& Participant(int index) { return m_Participants[index]; }
    bool IsPlaying(int index) const
    {
        return index >= FirstParticipant && !m_Packed.IsAbsent(index);
    }
    int OpponentOf(int index) const { return m_Packed.State(index).m_Opponent; }
    int DrawAnyRecord();
    int DrawPlaying();
    int DrawCandidate(int a);
    int DrawExchangePartner(int a);

    void MakeMove();
    bool FlipColours(double& change);
    bool ExchangeWithPartner(double& change);
    bool RotateThree(double& change);
    void Account(bool accepted, double change);
    void NoteAccepted(int index, const CPairingState& before, const CPairingState& after);
    void NoteMeasured(const CMeasuredExchange& measured);
    bool IsNewBest();
    void TakeExactSums();
    double SumOfBest() const;
#ifndef NDEBUG
    // The consistency checks that Debug builds assert: the boards of the records an accepted
    // move touched (the others are as they were), and, whenever the exact total is taken, every
    // board and the running total within the drift bound of it. They print the fault they find.
    bool BoardsAreSound(std::span<const int> records) const;
    bool PairingIsSound(double exactTotal) const;
    // The decision of the rules after an accepted move, from the exact sums they call for, which
    // the totals' bounds must give as well.
    bool RulesFindNewBest(double change);
#endif
    void KeepChangedAsBest();
    void KeepWholePairingAsBest();
    void PairExhaustively();

    CVantor& m_Tournament;
    CParticipant* const m_Participants; // the tournament's, which do not move during a search
    CPackedPairing m_Packed;
    const int m_Records;
    const std::uint32_t m_Window;
    // The draws are reduced by the number of records from 2 on, the window, and the length of
    // a participant's candidate list (m_LengthDivisors[length], as few lengths occur).
    CDivisor m_AnyRecordDivisor;
    CDivisor m_WindowDivisor;
    std::vector<CDivisor> m_LengthDivisors;
    std::int64_t m_StopLimit = 0;
    std::int64_t m_MoveLimit = 0;
    int m_AdaptationPeriod = 0;
    double m_ColourFlipGate = 0.0;
    int m_ColourFlipShare = 0;

    // The best store is kept equal to the best pairing by copying only the records whose state
    // accepted moves have changed since.
    std::vector<CPairingState> m_Best;
    std::vector<std::uint8_t> m_ChangedSinceBest;
    std::vector<int> m_Changed;
    bool m_BestFound = false;

    CSearchTotals m_Totals;
#ifndef NDEBUG
    double m_RulesCurrentTotal = 0.0;
    double m_RulesBestTotal = 0.0;
#endif
    double m_Threshold = 0.0;
    double m_LargestRise = 0.0;
    int m_RiseCount = 0;
    std::int64_t m_Rejections = 0;
    std::int64_t m_MovesSinceBest = 0;
    std::int64_t m_Moves = 0;
    CMeasuredExchange m_Exchanged;  // the records of an exchange and the states it would give them
    CMeasuredExchange m_Rotated[2]; // the same for the two exchanges of a rotation
};
