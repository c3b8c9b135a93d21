#include "pairing/ExchangeOpponents.h"
#include "pairing/PrepareStandings.h"
#include "pairing/Random.h"
#include "support/SimulatedTournament.h"
#include "support/TournamentTest.h"
#include "tournament/ReservedRecords.h"

#include <gtest/gtest.h>

#include <limits>

// The search rejects a move by a lower bound of its change without working the change out, so a
// bound above the change would reject a move the full sum accepts and change the pairing.
namespace
{
constexpr double MinusInfinity = -std::numeric_limits<double>::infinity();

// Forty-one participants after four rounds, some absent, one with the bye, in a random starting
// pairing.
class LeastChange : public CTournamentTest
{
protected:
    void SetUp() override
    {
        StartField(m_Tournament, 41);
        BuildHistory(m_Tournament, 4);
        Prepare();
    }

    void Prepare()
    {
        SeedRandom(5);
        PrepareStandings(m_Tournament);
    }

    bool IsPlaying(int index) { return index >= FirstParticipant && !Record(index).m_Absent; }
    int OpponentOf(int index) { return Record(index).m_Pairing.m_Opponent; }
    // The exchanges the search may measure: two playing participants, not paired with each other.
    bool MayExchange(int a, int b)
    {
        return a != b && IsPlaying(a) && IsPlaying(b) && OpponentOf(a) != b;
    }
    int Records() const { return static_cast<int>(m_Tournament.m_Participants.size()); }

    // The change of a rotation worked out in full, checked against the two exchanges made one
    // after the other and undone.
    double FullRotationChange(int a, int b, int c, const std::array<bool, 4>& adapts)
    {
        CMeasuredExchange measuredFirst;
        CMeasuredExchange measuredSecond;
        const double full =
            MeasureRotation(m_Tournament, a, b, c, adapts, std::numeric_limits<double>::infinity(),
                            measuredFirst, measuredSecond);
        CExchangeUndo first;
        CExchangeUndo second;
        const double firstChange =
            ExchangeOpponents(m_Tournament, a, b, adapts[0], adapts[1], &first);
        const double secondChange =
            ExchangeOpponents(m_Tournament, a, c, adapts[2], adapts[3], &second);
        UndoExchange(m_Tournament, second);
        UndoExchange(m_Tournament, first);
        EXPECT_EQ(full, secondChange + firstChange);
        return full;
    }
};

// Only the score weight, and ColourRank as given: no colour figures, so no colour favour, and
// every term is its score term alone.
void KeepOnlyScoreWeight(CParameters& weights, double colourRank)
{
    for (const auto& [word, weight] : WeightFields)
        if (weight != &CParameters::m_Score && weight != &CParameters::m_ScoreBYE)
            weights.*weight = 0.0;
    weights.m_ColourRank = colourRank;
}

TEST_F(LeastChange, NeverExceedsTheChangeOfAnExchangeAndIsMissingOnlyWithTheBye)
{
    for (const double colourRank : {-1.0, 0.0, 0.25})
    {
        // -1 stands for the default weights.
        if (colourRank >= 0)
            KeepOnlyScoreWeight(m_Tournament.m_Parameters, colourRank);
        Prepare();
        int bounded = 0;
        int aboveZero = 0;
        for (int a = 0; a < Records(); ++a)
            for (int b = 0; b < Records(); ++b)
            {
                if (!MayExchange(a, b))
                    continue;
                const double least = LeastExchangeChange(m_Tournament, a, b);
                const bool withBye = OpponentOf(a) == ByeRecord || OpponentOf(b) == ByeRecord;
                EXPECT_EQ(least == MinusInfinity, withBye) << a << " " << b;
                bounded += least != MinusInfinity ? 1 : 0;
                aboveZero += least > 0 ? 1 : 0;
                for (int flags = 0; flags < 4; ++flags)
                {
                    CMeasuredExchange measured;
                    const double change =
                        MeasureExchange(m_Tournament, a, b, flags & 1, flags & 2, measured);
                    EXPECT_LE(least, change) << a << " " << b << " " << flags;
                    // With the score term alone the bound is exact.
                    if (colourRank == 0.0 && !withBye)
                    {
                        EXPECT_EQ(least, change) << a << " " << b;
                    }
                }
            }
        EXPECT_GT(bounded, 1000);
        // Exchanges that bring unequal scores together are rejected by the bound alone.
        EXPECT_GT(aboveZero, bounded / 10);
    }
}

TEST_F(LeastChange, IsMissingWhenAWeightIsNegativeInfiniteOrNotANumber)
{
    const auto anyBound = [this]
    {
        for (int a = 0; a < Records(); ++a)
            for (int b = 0; b < Records(); ++b)
                if (MayExchange(a, b) && LeastExchangeChange(m_Tournament, a, b) != MinusInfinity)
                    return true;
        return false;
    };
    ASSERT_TRUE(anyBound());
    for (const double weight :
         {-0.5, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
    {
        m_Tournament.m_Parameters = CParameters{};
        m_Tournament.m_Parameters.m_Colour2 = weight;
        Prepare();
        EXPECT_FALSE(anyBound()) << weight;
    }
}

// A rotation that stops early returns a bound at least as large as what it was given and no
// larger than the full change; one that does not stop returns the full change, which equals the
// two exchanges made one after the other. With the score term alone the bound is the change.
TEST_F(LeastChange, BoundsARotationOnlyOnceItReachesWhatIsEnough)
{
    for (const bool scoreOnly : {false, true})
    {
        if (scoreOnly)
            KeepOnlyScoreWeight(m_Tournament.m_Parameters, 0.0);
        Prepare();
        int stopped = 0;
        for (int a = 0; a < Records(); ++a)
            for (int b = a + 1; b < Records(); ++b)
                for (int c = b + 1; c < Records(); c += 3)
                {
                    if (!MayExchange(a, b) || !MayExchange(a, c) || !MayExchange(b, c) ||
                        OpponentOf(b) == OpponentOf(c))
                        continue;
                    const std::array<bool, 4> adapts{a % 2 == 0, b % 2 == 0, c % 2 == 0, true};
                    const double full = FullRotationChange(a, b, c, adapts);
                    for (const double enough : {full - 100, full - 1, full, full + 1})
                    {
                        CMeasuredExchange first;
                        CMeasuredExchange second;
                        const double measured =
                            MeasureRotation(m_Tournament, a, b, c, adapts, enough, first, second);
                        if (scoreOnly)
                        {
                            EXPECT_EQ(measured, full);
                        }
                        else if (measured != full)
                        {
                            ++stopped;
                            EXPECT_GE(measured, enough);
                            EXPECT_LE(measured, full);
                        }
                    }
                }
        EXPECT_TRUE(scoreOnly || stopped > 100) << stopped;
    }
}
} // namespace
