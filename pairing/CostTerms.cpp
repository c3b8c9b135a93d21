#include "pairing/CostTerms.h"

#include <algorithm>
#include <cmath>

namespace
{
double Square(double value)
{
    return value * value;
}

// Which float weight applies to floating in a direction (+1 down, -1 up) again, given the floats
// of the last two rounds: 0 none, 1 to 3 for Float1 to Float3. A float in itself costs nothing
// beyond the score term.
std::uint8_t FloatWeightCode(const CParticipant& participant, int direction)
{
    if (participant.m_LastFloat == direction)
        return participant.m_PrevFloat == direction ? 3 : 2;
    if (participant.m_LastFloat == 0 && participant.m_PrevFloat == direction)
        return 1;
    return 0;
}

bool AreBounded(const CParameters& weights)
{
    for (const auto& [word, weight] : WeightFields)
        if (!std::isfinite(weights.*weight) || weights.*weight < 0)
            return false;
    return true;
}

// The colour figures of one colour: own for playing it, other for the opposite one. The
// repetition figures exist only when the colour repeats the last one.
void SetColourFigures(const CParameters& weights, CParticipant& participant, int white)
{
    double own = 0.0;
    double other = 0.0;
    if (white == participant.m_LastColour)
    {
        own = white == participant.m_PrevColour ? weights.m_Colour3 : weights.m_Colour2;
        other = 1 - white == participant.m_PrevColour ? weights.m_Colour3 : weights.m_Colour2;
    }
    const int balance = participant.m_WhiteGames - participant.m_BlackGames;
    own += weights.m_Colour * Square(balance + 2 * white - 1);
    other += weights.m_Colour * Square(balance - 2 * white + 1);
    participant.m_Terms.m_ColourOwn[white] = own;
    participant.m_Terms.m_PrefersOther[white] = other > own;
}

} // namespace

void PrepareCostTerms(CCostTerms& terms, std::vector<CParticipant>& participants,
                      std::size_t rounds, const std::vector<int>& scoreCount,
                      const CParameters& weights)
{
    terms.m_WeightsAreBounded = AreBounded(weights);
    terms.m_ScoreBelow.assign(scoreCount.size() + 1, 0);
    for (std::size_t score = 0; score < scoreCount.size(); ++score)
        terms.m_ScoreBelow[score + 1] = terms.m_ScoreBelow[score] + scoreCount[score];
    terms.m_FloatWeights = {0.0, weights.m_Float1, weights.m_Float2, weights.m_Float3};
    terms.m_ColourRankTerms = {0.0, weights.m_ColourRank};

    // A history shorter than the others (before the standings lengthen it) is padded with an
    // index that names nobody.
    terms.m_Rounds = rounds;
    terms.m_Opponents.assign(participants.size() * terms.m_Rounds, -1);
    for (std::size_t index = 0; index < participants.size(); ++index)
    {
        CParticipant& participant = participants[index];
        participant.m_Terms = CParticipantTerms{};
        for (std::size_t round = 0; round < participant.m_History.size(); ++round)
        {
            const int opponent = participant.m_History[round].m_Opponent;
            terms.m_Opponents[index * terms.m_Rounds + round] = opponent;
            participant.m_Terms.m_MetMask |= MetBit(opponent);
        }
        // Sorted, a look for an opponent ends at the first greater one.
        std::sort(terms.m_Opponents.begin() + static_cast<std::ptrdiff_t>(index * terms.m_Rounds),
                  terms.m_Opponents.begin() +
                      static_cast<std::ptrdiff_t>((index + 1) * terms.m_Rounds));
        SetColourFigures(weights, participant, 0);
        SetColourFigures(weights, participant, 1);
        participant.m_Terms.m_Float[0] = FloatWeightCode(participant, -1);
        participant.m_Terms.m_Float[1] = FloatWeightCode(participant, 1);
    }
}
