#pragma once

#include <cstdint>
#include <vector>

// The two totals by which the search decides a new best: the current total, which its rules keep
// by adding up the changes of the accepted moves and set to an exact sum at every new best, and
// the best total, the exact sum of the best pairing. An exact sum is a pass over every record,
// and the rules take one at nearly every new best: hundreds of thousands of passes in a large
// field. Most of them decide nothing that a bound would not decide as well. So each total is kept
// either exactly or within a proven bound of it, and exact sums are taken only where a decision
// depends on bits that the bounds leave open: the decisions are those of the exact sums
// throughout. DriftBound.md beside this file derives the bounds.
class CSearchTotals
{
public:
    // A current total this close above the best is summed exactly, since it drifts.
    static constexpr double NearBestFactor = 1.000001;

    // The exact sum of the starting pairing, and the best total the rules start from. Without
    // bounded terms (see DriftBound.md) every decision takes the exact sums.
    void Start(double exactTotal, double bestTotal, bool termsAreBounded, int records,
               double colourRank);

    // An accepted move: its change of the total, after the magnitude of the terms it added up.
    void AddMagnitude(double magnitude) { m_AddedMagnitude += magnitude; }
    void Accept(double change);

    // What the rules decide after an accepted fall: whether the current total is below 1.000001
    // times the best total and the exact total of the pairing in hand below the best total.
    enum class EDecision
    {
        NotBest,
        NewBest,
        NeedsExactSums, // the bounds leave it open: the caller sets the exact sums and asks again
    };
    EDecision Decide() const;
    // The pairing in hand becomes the best, after Decide said so.
    void TakeBest();

    // Whether the exact sums are needed although no decision is pending: the changes kept for
    // the current total have reached their limit.
    bool NeedsExactSums() const;
    bool IsBestExact() const { return m_BestBound == 0.0; }
    // The exact sums: of the best pairing (only while it is not exact), then of the pairing in
    // hand.
    void SetExactBest(double total);
    void SetExactInHand(double total);

    // The running total, the sum of the accepted changes since the last exact sum, and how far
    // it may be from the exact sum of the pairing in hand; infinite where no bound is known.
    double Running() const { return m_Running; }
    double DriftBound() const;

private:
    enum class EAnswer
    {
        No,
        Yes,
        Open,
    };
    EAnswer IsNearBest() const;
    EAnswer IsBelowBest() const;

    bool m_TermsAreBounded = false;
    double m_Records = 0.0;
    double m_ColourRank = 0.0;

    // The running total and what bounds its drift since it was last set to an exact sum: the
    // accepted moves, the sum of the magnitudes of the terms they added up, and the largest
    // running total.
    double m_Running = 0.0;
    bool m_RunningIsExact = false;
    std::int64_t m_AcceptedSinceExact = 0;
    double m_AddedMagnitude = 0.0;
    double m_PeakTotal = 0.0;

    // The best total within m_BestBound (0: exactly), and the current total as the rules keep it:
    // exactly while the best total is exact, otherwise within m_BestBound + m_CurrentSlack, and
    // then with the changes added since the best, to work it out exactly when needed.
    double m_Best = 0.0;
    double m_BestBound = 0.0;
    double m_Current = 0.0;
    double m_CurrentSlack = 0.0;
    std::vector<double> m_ChangesSinceBest;
};
