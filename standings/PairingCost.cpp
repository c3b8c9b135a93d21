#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

// The cost of a pairing is the sum of one term per participant; the exchange of opponents, the
// search's basic move, changes four terms and is measured by them.
//
// Every term is computed in double from integers converted first, and the terms are added in a
// fixed order: the same pairing must cost the same to the last bit on every build, because the
// search's decisions depend on exact comparisons of these sums. The opponent-independent parts
// are worked out once per run by the same expressions, so using them changes no bit.
namespace
{
double Square(double value)
{
    return value * value;
}

std::uint64_t MetBit(int opponent)
{
    return std::uint64_t{1} << (static_cast<unsigned>(opponent) & 63u);
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

// The float term for a score difference; none without one.
double FloatTerm(const CVantor& tournament, const CParticipant& participant, int difference)
{
    if (difference == 0)
        return 0.0;
    const int code = participant.m_Terms.m_Float[difference > 0 ? 1 : 0];
    return tournament.m_FloatWeights[static_cast<std::size_t>(code)];
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

// The helpers of the inner step are inlined by force: the search evaluates millions of terms.
[[gnu::always_inline]] inline bool HasMet(const CVantor& tournament, std::size_t index,
                                          int opponent)
{
    if ((tournament.m_Participants[index].m_Terms.m_MetMask & MetBit(opponent)) == 0)
        return false;
    const std::size_t rounds = tournament.m_Rounds;
    const std::int32_t* opponents = tournament.m_Opponents.data() + index * rounds;
    std::size_t round = 0;
    while (round < rounds && opponents[round] < opponent)
        ++round;
    return round < rounds && opponents[round] == opponent;
}

// How far two opponents' places are from the ideal distance: half a score group apart when
// their scores are equal, otherwise scaled by the participants of all scores between them (for
// equal scores that count is the group's size). Both cases are one quotient of integers.
[[gnu::always_inline]] inline double
PlaceTerm(const CVantor& tournament, const CParticipant& participant, const CParticipant& opponent)
{
    const auto [low, high] = std::minmax(participant.m_Points, opponent.m_Points);
    const int between = tournament.m_ScoreBelow[static_cast<std::size_t>(high) + 1] -
                        tournament.m_ScoreBelow[static_cast<std::size_t>(low)];
    const int distance = participant.m_Place - opponent.m_Place;
    const int numerator = low == high ? std::abs(2 * distance) - between : distance;
    const double x = static_cast<double>(numerator) / between;
    return tournament.m_Parameters.m_Rank * Square(x);
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
    cost += FloatTerm(tournament, participant, difference);
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
    if (HasMet(tournament, index, state.m_Opponent))
        cost += weights.m_PairRepeated;
    // Subtracting 0.0 changes no bit here (the sum is never -0.0), so the favour of the better
    // placed, which applies as good as at random, is selected without a branch.
    cost += participant.m_Terms.m_ColourOwn[white];
    const bool favoured =
        participant.m_Terms.m_PrefersOther[white] & (participant.m_Place < other.m_Place);
    cost -= tournament.m_ColourRankTerms[favoured];
    cost += scoreTerm;
    cost += FloatTerm(tournament, participant, participant.m_Points - other.m_Points);
    cost += placeTerm;
    return cost;
}

double ScoreTerm(const CVantor& tournament, const CParticipant& participant,
                 const CParticipant& other)
{
    return tournament.m_Parameters.m_Score * Square(participant.m_Points - other.m_Points);
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

// Computes the terms of the two records of a board, paired with each other in the given states,
// into those states; the second one's unless it is the bye record, whose term is never
// evaluated. Two participants share their board's score and place terms, worked out once.
[[gnu::always_inline]] inline void CostBoard(const CVantor& tournament, int first,
                                             CPairingState& firstState, int second,
                                             CPairingState& secondState)
{
    if (first < FirstParticipant || second < FirstParticipant)
    {
        firstState.m_Cost = TermOf(tournament, first, firstState);
        if (second != ByeRecord)
            secondState.m_Cost = TermOf(tournament, second, secondState);
        return;
    }
    const CParticipant& participant = tournament.m_Participants[static_cast<std::size_t>(first)];
    const CParticipant& other = tournament.m_Participants[static_cast<std::size_t>(second)];
    const double scoreTerm = ScoreTerm(tournament, participant, other);
    const double placeTerm = PlaceTerm(tournament, participant, other);
    firstState.m_Cost = TermAgainst(tournament, static_cast<std::size_t>(first), firstState, other,
                                    scoreTerm, placeTerm);
    secondState.m_Cost = TermAgainst(tournament, static_cast<std::size_t>(second), secondState,
                                     participant, scoreTerm, placeTerm);
}

// The exchange of opponents on the states of the four records it touches: a, b, a's former
// opponent and b's former opponent, in this order. They are the records' own states, or copies.
// When a and b are paired with each other, one record is named twice and both names refer to
// its one state; the steps below then act on it one after the other. Returns the change of the
// total: the bye record's term is never evaluated and stays out of every sum, and the terms are
// taken in the order of the four records.
[[gnu::always_inline]] inline double
ExchangeStates(const CVantor& tournament, const std::array<int, 4>& index, CPairingState& first,
               CPairingState& second, CPairingState& firstFormer, CPairingState& secondFormer,
               bool aAdapts, bool bAdapts)
{
    double change = 0.0;
    const auto subtract = [&change](int record, const CPairingState& state)
    {
        if (record != ByeRecord)
            change -= state.m_Cost;
    };
    const auto add = [&change](int record, const CPairingState& state)
    {
        if (record != ByeRecord)
            change += state.m_Cost;
    };
    subtract(index[0], first);
    subtract(index[1], second);
    subtract(index[2], firstFormer);
    subtract(index[3], secondFormer);

    first.m_Opponent = index[3];
    second.m_Opponent = index[2];
    firstFormer.m_Opponent = index[1];
    secondFormer.m_Opponent = index[0];
    if (aAdapts)
        first.m_White = !secondFormer.m_White;
    else
        secondFormer.m_White = !first.m_White;
    if (bAdapts)
        second.m_White = !firstFormer.m_White;
    else
        firstFormer.m_White = !second.m_White;

    // The new boards are a with b's former opponent and b with a's.
    CostBoard(tournament, index[0], first, index[3], secondFormer);
    CostBoard(tournament, index[1], second, index[2], firstFormer);
    add(index[0], first);
    add(index[1], second);
    add(index[2], firstFormer);
    add(index[3], secondFormer);
    return change;
}

// The least change an exchange of the four records can give, with weights that are all finite
// and none negative: each new term is then at least its board's score term less ColourRank (the
// parts before the score term add up to at least -ColourRank, the parts after it to at least 0),
// and a rounded sum never falls when one of its terms grows, so the change summed in the same
// order from these bounds is a lower bound of the change the exchange computes, to the last bit.
// Without a bound (-infinity) where the bye record takes part, whose terms have another form.
[[gnu::always_inline]] inline double
LeastChangeOfExchange(const CVantor& tournament, const std::array<int, 4>& index,
                      const CPairingState& first, const CPairingState& second,
                      const CPairingState& firstFormer, const CPairingState& secondFormer)
{
    if (!tournament.m_WeightsAreBounded || index[2] < FirstParticipant ||
        index[3] < FirstParticipant)
        return -std::numeric_limits<double>::infinity();
    const auto participant = [&tournament](int record) -> const CParticipant&
    { return tournament.m_Participants[static_cast<std::size_t>(record)]; };
    const double colourRank = tournament.m_Parameters.m_ColourRank;
    const double firstBoard =
        ScoreTerm(tournament, participant(index[0]), participant(index[3])) - colourRank;
    const double secondBoard =
        ScoreTerm(tournament, participant(index[1]), participant(index[2])) - colourRank;
    double change = 0.0;
    change -= first.m_Cost;
    change -= second.m_Cost;
    change -= firstFormer.m_Cost;
    change -= secondFormer.m_Cost;
    change += firstBoard;
    change += secondBoard;
    change += secondBoard;
    change += firstBoard;
    return change;
}
} // namespace

void CVantor::PrepareCostTerms()
{
    m_WeightsAreBounded = true;
    for (const auto& [word, weight] : WeightFields)
        if (!std::isfinite(m_Parameters.*weight) || m_Parameters.*weight < 0)
            m_WeightsAreBounded = false;
    m_Rounds = 0;
    for (const CParticipant& participant : m_Participants)
        m_Rounds = std::max(m_Rounds, participant.m_History.size());
    m_ScoreBelow.assign(m_ScoreCount.size() + 1, 0);
    for (std::size_t score = 0; score < m_ScoreCount.size(); ++score)
        m_ScoreBelow[score + 1] = m_ScoreBelow[score] + m_ScoreCount[score];
    m_FloatWeights = {0.0, m_Parameters.m_Float1, m_Parameters.m_Float2, m_Parameters.m_Float3};
    m_ColourRankTerms = {0.0, m_Parameters.m_ColourRank};

    m_Opponents.assign(m_Participants.size() * m_Rounds, PlaceholderRecord);
    for (std::size_t index = 0; index < m_Participants.size(); ++index)
    {
        CParticipant& participant = m_Participants[index];
        participant.m_Terms = CCostTerms{};
        for (std::size_t round = 0; round < participant.m_History.size(); ++round)
        {
            const int opponent = participant.m_History[round].m_Opponent;
            m_Opponents[index * m_Rounds + round] = opponent;
            participant.m_Terms.m_MetMask |= MetBit(opponent);
        }
        // Sorted, a look for an opponent ends at the first greater one.
        std::sort(m_Opponents.begin() + static_cast<std::ptrdiff_t>(index * m_Rounds),
                  m_Opponents.begin() + static_cast<std::ptrdiff_t>((index + 1) * m_Rounds));
        SetColourFigures(m_Parameters, participant, 0);
        SetColourFigures(m_Parameters, participant, 1);
        participant.m_Terms.m_Float[0] = FloatWeightCode(participant, -1);
        participant.m_Terms.m_Float[1] = FloatWeightCode(participant, 1);
    }
}

double CVantor::EvaluateParticipant(CParticipant& participant)
{
    const auto index = static_cast<int>(&participant - m_Participants.data());
    participant.m_Pairing.m_Cost = TermOf(*this, index, participant.m_Pairing);
    return participant.m_Pairing.m_Cost;
}

// Strictly left to right, as the search's decisions need the same sum on every build; four terms
// a step keep the loop's own work out of the way of the additions' latency.
double CVantor::TotalCost() const
{
    const CParticipant* participant = m_Participants.data() + FirstParticipant;
    const CParticipant* const end = m_Participants.data() + m_Participants.size();
    double total = 0.0;
    for (; end - participant >= 4; participant += 4)
    {
        total += participant[0].m_Pairing.m_Cost;
        total += participant[1].m_Pairing.m_Cost;
        total += participant[2].m_Pairing.m_Cost;
        total += participant[3].m_Pairing.m_Cost;
    }
    for (; participant < end; ++participant)
        total += participant->m_Pairing.m_Cost;
    return total;
}

std::array<int, 4> CVantor::ExchangedRecords(int a, int b) const
{
    return {a, b, m_Participants[static_cast<std::size_t>(a)].m_Pairing.m_Opponent,
            m_Participants[static_cast<std::size_t>(b)].m_Pairing.m_Opponent};
}

double CVantor::ExchangeOpponents(int a, int b, bool aAdapts, bool bAdapts, CExchangeUndo* undo)
{
    const std::array<int, 4> index = ExchangedRecords(a, b);
    const auto stateOf = [this](int record) -> CPairingState&
    { return m_Participants[static_cast<std::size_t>(record)].m_Pairing; };
    CPairingState& first = stateOf(index[0]);
    CPairingState& second = stateOf(index[1]);
    CPairingState& firstFormer = stateOf(index[2]);
    CPairingState& secondFormer = stateOf(index[3]);
    if (undo != nullptr)
    {
        undo->m_Index = index;
        undo->m_Saved[0] = first;
        undo->m_Saved[1] = second;
        undo->m_Saved[2] = firstFormer;
        undo->m_Saved[3] = secondFormer;
    }
    return ExchangeStates(*this, index, first, second, firstFormer, secondFormer, aAdapts, bAdapts);
}

double CVantor::LeastExchangeChange(int a, int b) const
{
    const std::array<int, 4> index = ExchangedRecords(a, b);
    const auto stateOf = [this](int record) -> const CPairingState&
    { return m_Participants[static_cast<std::size_t>(record)].m_Pairing; };
    return LeastChangeOfExchange(*this, index, stateOf(index[0]), stateOf(index[1]),
                                 stateOf(index[2]), stateOf(index[3]));
}

double CVantor::MeasureExchange(int a, int b, bool aAdapts, bool bAdapts,
                                CExchangeUndo& result) const
{
    result.m_Index = ExchangedRecords(a, b);
    for (std::size_t k = 0; k < result.m_Index.size(); ++k)
        result.m_Saved[k] = m_Participants[static_cast<std::size_t>(result.m_Index[k])].m_Pairing;
    return ExchangeStates(*this, result.m_Index, result.m_Saved[0], result.m_Saved[1],
                          result.m_Saved[2], result.m_Saved[3], aAdapts, bAdapts);
}

double CVantor::MeasureRotation(int a, int b, int c, const std::array<bool, 4>& adapts,
                                double enough, CExchangeUndo& first, CExchangeUndo& second) const
{
    const auto stateOf = [this](int record)
    { return m_Participants[static_cast<std::size_t>(record)].m_Pairing; };
    first.m_Index = ExchangedRecords(a, b);
    CPairingState aState = stateOf(a);
    CPairingState bState = stateOf(b);
    CPairingState formerOfAState = stateOf(first.m_Index[2]);
    CPairingState formerOfBState = stateOf(first.m_Index[3]);
    const double firstChange = ExchangeStates(*this, first.m_Index, aState, bState, formerOfAState,
                                              formerOfBState, adapts[0], adapts[1]);
    first.m_Saved = {aState, bState, formerOfAState, formerOfBState};

    // After the first exchange a plays b's former opponent; c and its opponent are untouched.
    second.m_Index = {a, c, first.m_Index[3], stateOf(c).m_Opponent};
    CPairingState cState = stateOf(c);
    CPairingState formerOfCState = stateOf(second.m_Index[3]);
    // The total is the second change plus the first, and a rounded sum never falls when a term
    // grows.
    const double leastTotal = LeastChangeOfExchange(*this, second.m_Index, aState, cState,
                                                    formerOfBState, formerOfCState) +
                              firstChange;
    if (leastTotal >= enough)
        return leastTotal;
    const double secondChange =
        ExchangeStates(*this, second.m_Index, aState, cState, formerOfBState, formerOfCState,
                       adapts[2], adapts[3]);
    second.m_Saved = {aState, cState, formerOfBState, formerOfCState};
    return secondChange + firstChange;
}

void CVantor::UndoExchange(const CExchangeUndo& undo)
{
    const auto restore = [&](std::size_t k)
    { m_Participants[static_cast<std::size_t>(undo.m_Index[k])].m_Pairing = undo.m_Saved[k]; };
    restore(0);
    restore(1);
    restore(2);
    restore(3);
}
