#include "pairing/CostTerms.h"

#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <limits>
#include <map>

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
void SetColourFigures(const CParameters& weights, const CParticipant& participant, int white,
                      CTermProfile& profile)
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
    profile.m_ColourOwn[white] = own;
    profile.m_PrefersOther[white] = other > own;
}

CTermProfile ProfileOf(const CParameters& weights, const CParticipant& participant)
{
    CTermProfile profile;
    SetColourFigures(weights, participant, 0, profile);
    SetColourFigures(weights, participant, 1, profile);
    profile.m_Float[0] = FloatWeightCode(participant, -1);
    profile.m_Float[1] = FloatWeightCode(participant, 1);
    return profile;
}

// Two profiles are one entry when every bit agrees.
using CProfileKey = std::array<std::uint64_t, 3>;

CProfileKey KeyOf(const CTermProfile& profile)
{
    return {std::bit_cast<std::uint64_t>(profile.m_ColourOwn[0]),
            std::bit_cast<std::uint64_t>(profile.m_ColourOwn[1]),
            std::uint64_t{profile.m_Float[0]} | std::uint64_t{profile.m_Float[1]} << 8 |
                std::uint64_t{profile.m_PrefersOther[0]} << 16 |
                std::uint64_t{profile.m_PrefersOther[1]} << 24};
}

} // namespace

void PrepareCostTerms(CCostTerms& terms, const std::vector<CParticipant>& participants,
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
    terms.m_Records.assign(participants.size(), CTermRecord{});
    terms.m_Profiles.clear();
    std::map<CProfileKey, std::uint16_t> profiles;
    for (std::size_t index = 0; index < participants.size(); ++index)
    {
        const CParticipant& participant = participants[index];
        CTermRecord& record = terms.m_Records[index];
        for (std::size_t round = 0; round < participant.m_History.size(); ++round)
        {
            const int opponent = participant.m_History[round].m_Opponent;
            terms.m_Opponents[index * terms.m_Rounds + round] = opponent;
            record.m_MetMask |= MetBit(opponent);
        }
        assert(participant.m_Place <= std::numeric_limits<std::uint16_t>::max());
        record.m_Points = participant.m_Points;
        record.m_Place = static_cast<std::uint16_t>(participant.m_Place);
        const CTermProfile profile = ProfileOf(weights, participant);
        const auto [entry, isNew] =
            profiles.emplace(KeyOf(profile), static_cast<std::uint16_t>(terms.m_Profiles.size()));
        if (isNew)
            terms.m_Profiles.push_back(profile);
        record.m_Profile = entry->second;
    }
}
