#pragma once

#include "tournament/Vantor.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

// One run of the threshold-accepting search for the cheapest pairing of the next round, on
// standings that have just been prepared. The pairing in hand lives in the participants; the
// search keeps the best pairing found apart and puts it back at the end.
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
    CParticipant& Participant(int index);
    bool IsPlaying(int index) const;
    int CountPlaying() const;
    int DrawPlaying();
    int DrawExchangePartner(int a);

    void MakeMove();
    bool FlipColours(double& change);
    bool ExchangeWithPartner(double& change);
    bool RotateThree(double& change);
    void Account(bool accepted, double change);
    void KeepAsBest();
    void PairExhaustively();

    CVantor& m_Tournament;
    const int m_Records;
    const std::uint32_t m_Window;
    std::int64_t m_StopLimit = 0;
    std::int64_t m_MoveLimit = 0;
    int m_AdaptationPeriod = 0;
    double m_ColourFlipGate = 0.0;
    int m_ColourFlipShare = 0;

    std::vector<CPairingState> m_Best;
    bool m_BestFound = false;
    double m_CurrentTotal = 0.0;
    double m_BestTotal = 0.0;
    double m_Threshold = 0.0;
    double m_LargestRise = 0.0;
    int m_RiseCount = 0;
    std::int64_t m_Rejections = 0;
    std::int64_t m_MovesSinceBest = 0;
    std::int64_t m_Moves = 0;
    CExchangeUndo m_ExchangeUndo;
    CExchangeUndo m_RotationUndo[2];
};

// The whole pairing of a run: seeds the generator, prepares the standings, searches, reports the
// closing lines on console and replaces output with the new round's PGN text. Returns the number
// of moves the search made.
std::int64_t PairNextRound(CVantor& tournament, std::string& output, std::ostream& console);
