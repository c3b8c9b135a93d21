#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <cstdlib>

// Every term is computed in double from integers converted first, and the terms are added in a
// fixed order: the same pairing must cost the same to the last bit on every build, because the
// search's decisions depend on exact comparisons of these sums.
namespace
{
double Square(double value)
{
    return value * value;
}

// The cost of floating in direction f (+1 down, -1 up) again, given the floats of the last two
// rounds. A float in itself costs nothing beyond the score term.
double FloatTerm(const CParameters& weights, const CParticipant& participant, int difference)
{
    if (difference == 0)
        return 0.0;
    const int direction = difference > 0 ? 1 : -1;
    if (participant.m_LastFloat == direction)
        return participant.m_PrevFloat == direction ? weights.m_Float3 : weights.m_Float2;
    if (participant.m_LastFloat == 0 && participant.m_PrevFloat == direction)
        return weights.m_Float1;
    return 0.0;
}

// How far two opponents' places are from the ideal distance: half a score group apart when
// their scores are equal, otherwise scaled by the participants of all scores between them.
double PlaceTerm(const CParameters& weights, const std::vector<int>& scoreCount,
                 const CParticipant& participant, const CParticipant& opponent)
{
    if (participant.m_Points == opponent.m_Points)
    {
        const double groupSize = scoreCount[static_cast<std::size_t>(participant.m_Points)];
        const int doubledDistance = std::abs(2 * (opponent.m_Place - participant.m_Place));
        const double x = (doubledDistance - groupSize) / groupSize;
        return weights.m_Rank * Square(x);
    }
    const auto [low, high] = std::minmax(participant.m_Points, opponent.m_Points);
    int between = 0;
    for (int score = low; score <= high; ++score)
        between += scoreCount[static_cast<std::size_t>(score)];
    const double x = static_cast<double>(participant.m_Place - opponent.m_Place) / between;
    return weights.m_Rank * Square(x);
}
} // namespace

double CVantor::EvaluateParticipant(CParticipant& participant)
{
    const CParameters& weights = m_Parameters;
    const int opponentIndex = participant.m_Pairing.m_Opponent;
    const CParticipant& opponent = m_Participants[static_cast<std::size_t>(opponentIndex)];
    const int white = participant.m_Pairing.m_White ? 1 : 0;
    const int difference = participant.m_Points - opponent.m_Points;

    double cost = 0.0;
    if (opponentIndex == ByeRecord || opponentIndex == PlaceholderRecord)
    {
        const int roundsWithoutGame = static_cast<int>(participant.m_History.size()) -
                                      participant.m_WhiteGames - participant.m_BlackGames;
        cost += static_cast<double>(roundsWithoutGame) * weights.m_PairRepeated;
        if (white == 0)
            cost += weights.m_Colour3;
        const double scoreWeight =
            opponentIndex == ByeRecord ? weights.m_ScoreBYE : weights.m_Score;
        cost += scoreWeight * Square(difference);
        cost += FloatTerm(weights, participant, difference);
        if (opponentIndex == ByeRecord)
        {
            const int records = static_cast<int>(m_Participants.size());
            cost += weights.m_Rank * static_cast<double>(records - participant.m_Place);
        }
        else
            cost += PlaceTerm(weights, m_ScoreCount, participant, opponent);
    }
    else
    {
        if (participant.HasPlayed(opponentIndex))
            cost += weights.m_PairRepeated;

        // own is the colour figure of the assigned colour, other that of the opposite one;
        // the repetition figures exist only when the assigned colour repeats the last one.
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
        cost += own;
        if (other > own && participant.m_Place < opponent.m_Place)
            cost -= weights.m_ColourRank;

        cost += weights.m_Score * Square(difference);
        cost += FloatTerm(weights, participant, difference);
        cost += PlaceTerm(weights, m_ScoreCount, participant, opponent);
    }
    participant.m_Pairing.m_Cost = cost;
    return cost;
}

double CVantor::TotalCost() const
{
    double total = 0.0;
    for (std::size_t index = 2; index < m_Participants.size(); ++index)
        total += m_Participants[index].m_Pairing.m_Cost;
    return total;
}
