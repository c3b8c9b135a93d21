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

// The tournament's own records as a layout of the pairing: the participants' pairing states and
// the cost terms' term records.
class CTournamentLayout
{
public:
    explicit CTournamentLayout(const CVantor& tournament) : m_Tournament(tournament) {}
    const CVantor& Tournament() const { return m_Tournament; }
    const CTermRecord& Term(int index) const
    {
        return m_Tournament.m_CostTerms.m_Records[static_cast<std::size_t>(index)];
    }
    const CTermProfile& Profile(const CTermRecord& term) const
    {
        return ProfileOf(m_Tournament.m_CostTerms, term);
    }
    double ScoreWeight() const { return m_Tournament.m_Parameters.m_Score; }
    double ColourRank() const { return m_Tournament.m_Parameters.m_ColourRank; }
    bool AreBounded() const { return WeightsAreBounded(m_Tournament.m_CostTerms); }
    const CPairingState& State(int index) const
    {
        return m_Tournament.m_Participants[static_cast<std::size_t>(index)].m_Pairing;
    }

private:
    const CVantor& m_Tournament;
};

// One player of a board as the terms read it: its record, its term record and its profile.
struct CTermSide
{
    std::size_t m_Index;
    const CTermRecord& m_Term;
    const CTermProfile& m_Profile;
};

// The side of a record, in a layout of the pairing: the tournament's own records, or the search's
// packed copy (PackedPairing.h). A layout gives every record's pairing state and term record, the
// profile a term record names, and the weights that bound terms.
template <class TLayout>
[[gnu::always_inline]] inline CTermSide SideOf(const TLayout& layout, int index)
{
    const CTermRecord& term = layout.Term(index);
    return {static_cast<std::size_t>(index), term, layout.Profile(term)};
}

// How far two opponents' places are from the ideal distance: half a score group apart when
// their scores are equal, otherwise scaled by the participants of all scores between them (for
// equal scores that count is the group's size). Both cases are one quotient of integers.
[[gnu::always_inline]] inline double PlaceTerm(const CVantor& tournament, const CTermSide& own,
                                               const CTermSide& other)
{
    const auto [low, high] = std::minmax(own.m_Term.m_Points, other.m_Term.m_Points);
    const int between = PresentBetween(tournament.m_CostTerms, low, high);
    const int distance = own.m_Term.m_Place - other.m_Term.m_Place;
    const int numerator = low == high ? std::abs(2 * distance) - between : distance;
    const double x = static_cast<double>(numerator) / between;
    return tournament.m_Parameters.m_Rank * Square(x);
}

// The score term of a board, the same for both of its players.
double ScoreTerm(double scoreWeight, int points, int otherPoints)
{
    return scoreWeight * Square(points - otherPoints);
}

// The term with the bye record (opponent 1) or with nobody (opponent 0, met only when the
// closing report exchanges an absent participant).
double TermWithoutGame(const CVantor& tournament, const CTermSide& own, const CTermSide& other,
                       int opponent, int white)
{
    const CParameters& weights = tournament.m_Parameters;
    const CParticipant& participant = tournament.m_Participants[own.m_Index];
    const int difference = own.m_Term.m_Points - other.m_Term.m_Points;
    const int roundsWithoutGame = static_cast<int>(participant.m_History.size()) -
                                  participant.m_WhiteGames - participant.m_BlackGames;

    double cost = 0.0;
    cost += static_cast<double>(roundsWithoutGame) * weights.m_PairRepeated;
    if (white == 0)
        cost += weights.m_Colour3;
    const double scoreWeight = opponent == ByeRecord ? weights.m_ScoreBYE : weights.m_Score;
    cost += scoreWeight * Square(difference);
    cost += FloatTerm(tournament.m_CostTerms, own.m_Profile, difference);
    if (opponent == ByeRecord)
    {
        const int records = static_cast<int>(tournament.m_Participants.size());
        cost += weights.m_Rank * static_cast<double>(records - own.m_Term.m_Place);
    }
    else
        cost += PlaceTerm(tournament, own, other);
    return cost;
}

// The term of a participant in the given pairing state with another participant, given the
// score and place terms of their board, which are the same for both players: the score
// difference is squared, and the place difference divided by a figure that does not depend on
// the side (negating a quotient is exact).
[[gnu::always_inline]] inline double TermAgainst(const CVantor& tournament, const CTermSide& own,
                                                 const CPairingState& state, const CTermSide& other,
                                                 double scoreTerm, double placeTerm)
{
    const CParameters& weights = tournament.m_Parameters;
    const int white = state.m_White ? 1 : 0;

    double cost = 0.0;
    const CCostTerms& terms = tournament.m_CostTerms;
    if (HasPlayed(terms, own.m_Term, own.m_Index, state.m_Opponent))
        cost += weights.m_PairRepeated;
    // Subtracting 0.0 changes no bit here (the sum is never -0.0), so the favour of the better
    // placed, which applies as good as at random, is selected without a branch.
    cost += ColourFigure(own.m_Profile, white);
    const bool favoured =
        PrefersOther(own.m_Profile, white) & (own.m_Term.m_Place < other.m_Term.m_Place);
    cost -= ColourRankTerm(terms, favoured);
    cost += scoreTerm;
    cost += FloatTerm(terms, own.m_Profile, own.m_Term.m_Points - other.m_Term.m_Points);
    cost += placeTerm;
    return cost;
}

// The term of a record in the given pairing state, in a layout of the pairing.
template <class TLayout> double TermOf(const TLayout& layout, int index, const CPairingState& state)
{
    const CVantor& tournament = layout.Tournament();
    const CTermSide own = SideOf(layout, index);
    const CTermSide other = SideOf(layout, state.m_Opponent);
    if (state.m_Opponent <= ByeRecord)
        return TermWithoutGame(tournament, own, other, state.m_Opponent, state.m_White ? 1 : 0);
    return TermAgainst(tournament, own, state, other,
                       ScoreTerm(layout.ScoreWeight(), own.m_Term.m_Points, other.m_Term.m_Points),
                       PlaceTerm(tournament, own, other));
}
} // namespace
