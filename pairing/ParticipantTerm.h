#pragma once

#include "pairing/CostTerms.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <cstdlib>

// The term of one participant in a pairing, in its parts: the pairing cost is the sum of these
// terms, one per participant.
//
// Every term is computed in double from integers converted first, and the parts are added in a
// fixed order: the same pairing must cost the same to the last bit on every build, because the
// search's decisions depend on exact comparisons of sums of terms. The parts that do not depend
// on the opponent come from the tournament's cost terms, worked out by the same expressions, so
// using them changes no bit. The parts of the inner step are inlined by force: the search
// evaluates millions of terms.
//
// Only the pairing cost's own files include this, and each gets a copy of its own: with internal
// linkage the compiler knows every caller and inlines as it does within one file (as inline
// functions of external linkage they cost the search 2% more instructions).
namespace
{
double Square(double value)
{
    return value * value;
}

// How far two opponents' places are from the ideal distance: half a score group apart when
// their scores are equal, otherwise scaled by the participants of all scores between them (for
// equal scores that count is the group's size). Both cases are one quotient of integers.
[[gnu::always_inline]] inline double
PlaceTerm(const CVantor& tournament, const CParticipant& participant, const CParticipant& opponent)
{
    const auto [low, high] = std::minmax(participant.m_Points, opponent.m_Points);
    const int between = PresentBetween(tournament.m_CostTerms, low, high);
    const int distance = participant.m_Place - opponent.m_Place;
    const int numerator = low == high ? std::abs(2 * distance) - between : distance;
    const double x = static_cast<double>(numerator) / between;
    return tournament.m_Parameters.m_Rank * Square(x);
}

// The score term of a board, the same for both of its players.
double ScoreTerm(const CVantor& tournament, const CParticipant& participant,
                 const CParticipant& other)
{
    return tournament.m_Parameters.m_Score * Square(participant.m_Points - other.m_Points);
}

// The term with the bye record (opponent 1) or with nobody (opponent 0, met only when the
// closing report exchanges an absent participant).
double TermWithoutGame(const CVantor& tournament, const CParticipant& participant, int opponent,
                       int white)
{
    const CParameters& weights = tournament.m_Parameters;
    const CParticipant& other = tournament.m_Participants[static_cast<std::size_t>(opponent)];
    const int difference = participant.m_Points - other.m_Points;
    const int roundsWithoutGame = static_cast<int>(participant.m_History.size()) -
                                  participant.m_WhiteGames - participant.m_BlackGames;

    double cost = 0.0;
    cost += static_cast<double>(roundsWithoutGame) * weights.m_PairRepeated;
    if (white == 0)
        cost += weights.m_Colour3;
    const double scoreWeight = opponent == ByeRecord ? weights.m_ScoreBYE : weights.m_Score;
    cost += scoreWeight * Square(difference);
    cost += FloatTerm(tournament.m_CostTerms, participant, difference);
    if (opponent == ByeRecord)
    {
        const int records = static_cast<int>(tournament.m_Participants.size());
        cost += weights.m_Rank * static_cast<double>(records - participant.m_Place);
    }
    else
        cost += PlaceTerm(tournament, participant, other);
    return cost;
}

// The term of a participant in the given pairing state with another participant, given the
// score and place terms of their board, which are the same for both players: the score
// difference is squared, and the place difference divided by a figure that does not depend on
// the side (negating a quotient is exact).
[[gnu::always_inline]] inline double TermAgainst(const CVantor& tournament, std::size_t index,
                                                 const CPairingState& state,
                                                 const CParticipant& other, double scoreTerm,
                                                 double placeTerm)
{
    const CParameters& weights = tournament.m_Parameters;
    const CParticipant& participant = tournament.m_Participants[index];
    const int white = state.m_White ? 1 : 0;

    double cost = 0.0;
    const CCostTerms& terms = tournament.m_CostTerms;
    if (HasPlayed(terms, participant, index, state.m_Opponent))
        cost += weights.m_PairRepeated;
    // Subtracting 0.0 changes no bit here (the sum is never -0.0), so the favour of the better
    // placed, which applies as good as at random, is selected without a branch.
    cost += ColourFigure(participant, white);
    const bool favoured = PrefersOther(participant, white) & (participant.m_Place < other.m_Place);
    cost -= ColourRankTerm(terms, favoured);
    cost += scoreTerm;
    cost += FloatTerm(terms, participant, participant.m_Points - other.m_Points);
    cost += placeTerm;
    return cost;
}

// The term of a record in the given pairing state.
double TermOf(const CVantor& tournament, int index, const CPairingState& state)
{
    const auto record = static_cast<std::size_t>(index);
    const CParticipant& participant = tournament.m_Participants[record];
    if (state.m_Opponent <= ByeRecord)
        return TermWithoutGame(tournament, participant, state.m_Opponent, state.m_White ? 1 : 0);
    const CParticipant& other =
        tournament.m_Participants[static_cast<std::size_t>(state.m_Opponent)];
    return TermAgainst(tournament, record, state, other, ScoreTerm(tournament, participant, other),
                       PlaceTerm(tournament, participant, other));
}
} // namespace
