#pragma once

#include "tournament/Parameters.h"
#include "tournament/Participant.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// What the pairing cost works out once per run from the histories, the standings and the weights
// and then reads on every evaluation: whom each record has met, the present participants per
// score, the float and colour favour weights as the terms index them, and whether the weights
// bound every term from below. Each participant's own part is kept in its record (m_Terms) and is
// opened only here.
//
// Prepare is the one place that builds it, and it holds only while the histories, the standings
// fields and the weights stay as they were then: whoever changes them prepares it again.
// Everything is derived with exactly the arithmetic of a full evaluation, so that reading it
// gives the same bits.
class CCostTerms
{
public:
    // rounds is the tournament's count of rounds played (its longest history).
    void Prepare(std::vector<CParticipant>& participants, std::size_t rounds,
                 const std::vector<int>& scoreCount, const CParameters& weights);

    // Whether some round of the participant at index names the opponent (fill entries name the
    // placeholder). The helpers of the inner step are inlined by force: the search evaluates
    // millions of terms.
    [[gnu::always_inline]] bool HasPlayed(const CParticipant& participant, std::size_t index,
                                          int opponent) const
    {
        if ((participant.m_Terms.m_MetMask & MetBit(opponent)) == 0)
            return false;
        const std::int32_t* opponents = m_Opponents.data() + index * m_Rounds;
        std::size_t round = 0;
        while (round < m_Rounds && opponents[round] < opponent)
            ++round;
        return round < m_Rounds && opponents[round] == opponent;
    }

    // The colour figure of playing White (1) or Black (0), and whether the figure of the other
    // colour is the higher one.
    [[gnu::always_inline]] double ColourFigure(const CParticipant& participant, int white) const
    {
        return participant.m_Terms.m_ColourOwn[white];
    }
    [[gnu::always_inline]] bool PrefersOther(const CParticipant& participant, int white) const
    {
        return participant.m_Terms.m_PrefersOther[white];
    }

    // What the better placed of two opponents is favoured by, if at all.
    [[gnu::always_inline]] double ColourRankTerm(bool favoured) const
    {
        return m_ColourRankTerms[favoured];
    }

    // The float term for a score difference; none without one.
    double FloatTerm(const CParticipant& participant, int difference) const
    {
        if (difference == 0)
            return 0.0;
        const int code = participant.m_Terms.m_Float[difference > 0 ? 1 : 0];
        return m_FloatWeights[static_cast<std::size_t>(code)];
    }

    // The present participants whose score lies from low to high, both included.
    [[gnu::always_inline]] int PresentBetween(int low, int high) const
    {
        return m_ScoreBelow[static_cast<std::size_t>(high) + 1] -
               m_ScoreBelow[static_cast<std::size_t>(low)];
    }

    // Every weight finite and none negative: then no term is below -ColourRank, which bounds
    // sums of terms.
    bool WeightsAreBounded() const { return m_WeightsAreBounded; }
    // For comparing the search with and without the shortcuts those bounds allow: until the next
    // Prepare no bound is claimed.
    void ForgoBounds() { m_WeightsAreBounded = false; }

private:
    static void SetColourFigures(const CParameters& weights, CParticipant& participant, int white);
    static std::uint64_t MetBit(int opponent)
    {
        return std::uint64_t{1} << (static_cast<unsigned>(opponent) & 63u);
    }

    // Every record's opponents of the rounds played, sorted, m_Rounds side by side per record.
    std::vector<std::int32_t> m_Opponents;
    std::size_t m_Rounds = 0;
    // The number of present participants below each score, and one more entry for all.
    std::vector<std::int32_t> m_ScoreBelow;
    std::array<double, 4> m_FloatWeights{};    // none, then Float1 to Float3
    std::array<double, 2> m_ColourRankTerms{}; // subtracted without and with a colour favour
    bool m_WeightsAreBounded = false;
};
