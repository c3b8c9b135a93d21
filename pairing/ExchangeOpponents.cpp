#include "pairing/ExchangeOpponents.h"

#include "pairing/ParticipantTerm.h"

#include <limits>

// The exchange of opponents, the search's basic move, changes four terms and is measured by
// them; a rotation is two exchanges, and a lower bound of an exchange's change rejects many
// moves before their terms are worked out.
namespace
{
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
    if (!WeightsAreBounded(tournament.m_CostTerms) || index[2] < FirstParticipant ||
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

// a, b, a's opponent and b's opponent: the records an exchange of a and b touches.
std::array<int, 4> ExchangedRecords(const CVantor& tournament, int a, int b)
{
    return {a, b, tournament.m_Participants[static_cast<std::size_t>(a)].m_Pairing.m_Opponent,
            tournament.m_Participants[static_cast<std::size_t>(b)].m_Pairing.m_Opponent};
}

void PutStates(CVantor& tournament, const CExchangeStates& states)
{
    const auto put = [&](std::size_t k)
    {
        tournament.m_Participants[static_cast<std::size_t>(states.m_Index[k])].m_Pairing =
            states.m_States[k];
    };
    put(0);
    put(1);
    put(2);
    put(3);
}
} // namespace

double ExchangeOpponents(CVantor& tournament, int a, int b, bool aAdapts, bool bAdapts,
                         CExchangeUndo* undo)
{
    const std::array<int, 4> index = ExchangedRecords(tournament, a, b);
    const auto stateOf = [&tournament](int record) -> CPairingState&
    { return tournament.m_Participants[static_cast<std::size_t>(record)].m_Pairing; };
    CPairingState& first = stateOf(index[0]);
    CPairingState& second = stateOf(index[1]);
    CPairingState& firstFormer = stateOf(index[2]);
    CPairingState& secondFormer = stateOf(index[3]);
    if (undo != nullptr)
    {
        undo->m_Index = index;
        undo->m_States[0] = first;
        undo->m_States[1] = second;
        undo->m_States[2] = firstFormer;
        undo->m_States[3] = secondFormer;
    }
    return ExchangeStates(tournament, index, first, second, firstFormer, secondFormer, aAdapts,
                          bAdapts);
}

double LeastExchangeChange(const CVantor& tournament, int a, int b)
{
    const std::array<int, 4> index = ExchangedRecords(tournament, a, b);
    const auto stateOf = [&tournament](int record) -> const CPairingState&
    { return tournament.m_Participants[static_cast<std::size_t>(record)].m_Pairing; };
    return LeastChangeOfExchange(tournament, index, stateOf(index[0]), stateOf(index[1]),
                                 stateOf(index[2]), stateOf(index[3]));
}

double MeasureExchange(const CVantor& tournament, int a, int b, bool aAdapts, bool bAdapts,
                       CMeasuredExchange& result)
{
    result.m_Index = ExchangedRecords(tournament, a, b);
    for (std::size_t k = 0; k < result.m_Index.size(); ++k)
        result.m_States[k] =
            tournament.m_Participants[static_cast<std::size_t>(result.m_Index[k])].m_Pairing;
    return ExchangeStates(tournament, result.m_Index, result.m_States[0], result.m_States[1],
                          result.m_States[2], result.m_States[3], aAdapts, bAdapts);
}

double MeasureRotation(const CVantor& tournament, int a, int b, int c,
                       const std::array<bool, 4>& adapts, double enough, CMeasuredExchange& first,
                       CMeasuredExchange& second)
{
    const auto stateOf = [&tournament](int record)
    { return tournament.m_Participants[static_cast<std::size_t>(record)].m_Pairing; };
    first.m_Index = ExchangedRecords(tournament, a, b);
    CPairingState aState = stateOf(a);
    CPairingState bState = stateOf(b);
    CPairingState formerOfAState = stateOf(first.m_Index[2]);
    CPairingState formerOfBState = stateOf(first.m_Index[3]);
    const double firstChange = ExchangeStates(tournament, first.m_Index, aState, bState,
                                              formerOfAState, formerOfBState, adapts[0], adapts[1]);
    first.m_States = {aState, bState, formerOfAState, formerOfBState};

    // After the first exchange a plays b's former opponent; c and its opponent are untouched.
    second.m_Index = {a, c, first.m_Index[3], stateOf(c).m_Opponent};
    CPairingState cState = stateOf(c);
    CPairingState formerOfCState = stateOf(second.m_Index[3]);
    // The total is the second change plus the first, and a rounded sum never falls when a term
    // grows.
    const double leastTotal = LeastChangeOfExchange(tournament, second.m_Index, aState, cState,
                                                    formerOfBState, formerOfCState) +
                              firstChange;
    if (leastTotal >= enough)
        return leastTotal;
    const double secondChange =
        ExchangeStates(tournament, second.m_Index, aState, cState, formerOfBState, formerOfCState,
                       adapts[2], adapts[3]);
    second.m_States = {aState, cState, formerOfBState, formerOfCState};
    return secondChange + firstChange;
}

void UndoExchange(CVantor& tournament, const CExchangeUndo& undo)
{
    PutStates(tournament, undo);
}

void ApplyExchange(CVantor& tournament, const CMeasuredExchange& measured)
{
    PutStates(tournament, measured);
}
