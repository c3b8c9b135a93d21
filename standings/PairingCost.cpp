#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <cstdlib>

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

double FloatTerm(const CVantor& tournament, const CParticipant& participant, int difference)
{
    return tournament.m_FloatWeights[participant.m_Terms.m_Float[difference > 0 ? 1 : 0]];
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
    for (std::size_t round = 0; round < rounds; ++round)
        if (opponents[round] == opponent)
            return true;
    return false;
}

// How far two opponents' places are from the ideal distance: half a score group apart when
// their scores are equal, otherwise scaled by the participants of all scores between them.
[[gnu::always_inline]] inline double
PlaceTerm(const CVantor& tournament, const CParticipant& participant, const CParticipant& opponent)
{
    const double rank = tournament.m_Parameters.m_Rank;
    if (participant.m_Points == opponent.m_Points)
    {
        const double groupSize =
            tournament.m_ScoreCount[static_cast<std::size_t>(participant.m_Points)];
        const int doubledDistance = std::abs(2 * (opponent.m_Place - participant.m_Place));
        const double x = (doubledDistance - groupSize) / groupSize;
        return rank * Square(x);
    }
    const auto [low, high] = std::minmax(participant.m_Points, opponent.m_Points);
    const int between = tournament.m_ScoreBelow[static_cast<std::size_t>(high) + 1] -
                        tournament.m_ScoreBelow[static_cast<std::size_t>(low)];
    const double x = static_cast<double>(participant.m_Place - opponent.m_Place) / between;
    return rank * Square(x);
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
    if (difference != 0)
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

// The term with another participant, given the score and place terms of their board, which are
// the same for both players: the score difference is squared, and the place difference divided
// by a figure that does not depend on the side (negating a quotient is exact).
[[gnu::always_inline]] inline double TermAgainst(const CVantor& tournament, std::size_t index,
                                                 const CParticipant& other, double scoreTerm,
                                                 double placeTerm)
{
    const CParameters& weights = tournament.m_Parameters;
    const CParticipant& participant = tournament.m_Participants[index];
    const int white = participant.m_Pairing.m_White ? 1 : 0;

    double cost = 0.0;
    if (HasMet(tournament, index, participant.m_Pairing.m_Opponent))
        cost += weights.m_PairRepeated;
    cost += participant.m_Terms.m_ColourOwn[white];
    if (participant.m_Terms.m_PrefersOther[white] && participant.m_Place < other.m_Place)
        cost -= weights.m_ColourRank;
    const int difference = participant.m_Points - other.m_Points;
    cost += scoreTerm;
    if (difference != 0)
        cost += FloatTerm(tournament, participant, difference);
    cost += placeTerm;
    return cost;
}

double ScoreTerm(const CVantor& tournament, const CParticipant& participant,
                 const CParticipant& other)
{
    return tournament.m_Parameters.m_Score * Square(participant.m_Points - other.m_Points);
}

// Computes and stores the term of one record for its pairing state.
double EvaluateOne(CVantor& tournament, int index)
{
    const auto record = static_cast<std::size_t>(index);
    CParticipant& participant = tournament.m_Participants[record];
    CPairingState& state = participant.m_Pairing;
    if (state.m_Opponent <= ByeRecord)
        state.m_Cost =
            TermWithoutGame(tournament, participant, state.m_Opponent, state.m_White ? 1 : 0);
    else
    {
        const CParticipant& other =
            tournament.m_Participants[static_cast<std::size_t>(state.m_Opponent)];
        state.m_Cost =
            TermAgainst(tournament, record, other, ScoreTerm(tournament, participant, other),
                        PlaceTerm(tournament, participant, other));
    }
    return state.m_Cost;
}

// Computes and stores the terms of a record and of its opponent, who is paired with it, unless
// that is the bye record, whose term is never evaluated. Two participants share their board's
// score and place terms, which are worked out once.
[[gnu::always_inline]] inline void EvaluateBoard(CVantor& tournament, int first)
{
    const auto record = static_cast<std::size_t>(first);
    CParticipant& participant = tournament.m_Participants[record];
    const int second = participant.m_Pairing.m_Opponent;
    if (first < FirstParticipant || second < FirstParticipant)
    {
        EvaluateOne(tournament, first);
        if (second != ByeRecord)
            EvaluateOne(tournament, second);
        return;
    }
    CParticipant& other = tournament.m_Participants[static_cast<std::size_t>(second)];
    const double scoreTerm = ScoreTerm(tournament, participant, other);
    const double placeTerm = PlaceTerm(tournament, participant, other);
    participant.m_Pairing.m_Cost = TermAgainst(tournament, record, other, scoreTerm, placeTerm);
    other.m_Pairing.m_Cost = TermAgainst(tournament, static_cast<std::size_t>(second), participant,
                                         scoreTerm, placeTerm);
}
} // namespace

void CVantor::PrepareCostTerms()
{
    m_Rounds = 0;
    for (const CParticipant& participant : m_Participants)
        m_Rounds = std::max(m_Rounds, participant.m_History.size());
    m_ScoreBelow.assign(m_ScoreCount.size() + 1, 0);
    for (std::size_t score = 0; score < m_ScoreCount.size(); ++score)
        m_ScoreBelow[score + 1] = m_ScoreBelow[score] + m_ScoreCount[score];
    m_FloatWeights = {0.0, m_Parameters.m_Float1, m_Parameters.m_Float2, m_Parameters.m_Float3};

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
        SetColourFigures(m_Parameters, participant, 0);
        SetColourFigures(m_Parameters, participant, 1);
        participant.m_Terms.m_Float[0] = FloatWeightCode(participant, -1);
        participant.m_Terms.m_Float[1] = FloatWeightCode(participant, 1);
    }
}

double CVantor::EvaluateRecord(int index)
{
    return EvaluateOne(*this, index);
}

double CVantor::EvaluateParticipant(CParticipant& participant)
{
    return EvaluateRecord(static_cast<int>(&participant - m_Participants.data()));
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

double CVantor::ExchangeOpponents(int a, int b, bool aAdapts, bool bAdapts, CExchangeUndo* undo)
{
    const auto stateOf = [this](int index) -> CPairingState&
    { return m_Participants[static_cast<std::size_t>(index)].m_Pairing; };
    CPairingState& first = stateOf(a);
    CPairingState& second = stateOf(b);
    const int formerOfA = first.m_Opponent;
    const int formerOfB = second.m_Opponent;
    CPairingState& firstFormer = stateOf(formerOfA);
    CPairingState& secondFormer = stateOf(formerOfB);
    if (undo != nullptr)
    {
        undo->m_Index = {a, b, formerOfA, formerOfB};
        undo->m_Saved[0] = first;
        undo->m_Saved[1] = second;
        undo->m_Saved[2] = firstFormer;
        undo->m_Saved[3] = secondFormer;
    }

    // The bye record's term is never evaluated and stays out of every sum; the four terms are
    // taken in the order a, b, a's former opponent, b's former opponent.
    double change = 0.0;
    const auto subtract = [&change](int index, const CPairingState& state)
    {
        if (index != ByeRecord)
            change -= state.m_Cost;
    };
    const auto add = [&change](int index, const CPairingState& state)
    {
        if (index != ByeRecord)
            change += state.m_Cost;
    };
    subtract(a, first);
    subtract(b, second);
    subtract(formerOfA, firstFormer);
    subtract(formerOfB, secondFormer);

    first.m_Opponent = formerOfB;
    second.m_Opponent = formerOfA;
    firstFormer.m_Opponent = b;
    secondFormer.m_Opponent = a;
    if (aAdapts)
        first.m_White = !secondFormer.m_White;
    else
        secondFormer.m_White = !first.m_White;
    if (bAdapts)
        second.m_White = !firstFormer.m_White;
    else
        firstFormer.m_White = !second.m_White;

    // The new boards are a with b's former opponent and b with a's.
    EvaluateBoard(*this, a);
    EvaluateBoard(*this, b);
    add(a, first);
    add(b, second);
    add(formerOfA, firstFormer);
    add(formerOfB, secondFormer);
    return change;
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
