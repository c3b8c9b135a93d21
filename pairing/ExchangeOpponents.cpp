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
template <class TLayout>
[[gnu::always_inline]] inline void CostBoard(const TLayout& layout, int first,
                                             CPairingState& firstState, int second,
                                             CPairingState& secondState)
{
    if (first < FirstParticipant || second < FirstParticipant)
    {
        firstState.m_Cost = TermOf(layout, first, firstState);
        if (second != ByeRecord)
            secondState.m_Cost = TermOf(layout, second, secondState);
        return;
    }
    const CVantor& tournament = layout.Tournament();
    const CTermSide own = SideOf(layout, first);
    const CTermSide other = SideOf(layout, second);
    const double scoreTerm =
        ScoreTerm(layout.ScoreWeight(), own.m_Term.m_Points, other.m_Term.m_Points);
    const double placeTerm = PlaceTerm(tournament, own, other);
    firstState.m_Cost = TermAgainst(tournament, own, firstState, other, scoreTerm, placeTerm);
    secondState.m_Cost = TermAgainst(tournament, other, secondState, own, scoreTerm, placeTerm);
}

// The least term that a participant paired with another can have, with weights that are all
// finite and none negative: the board's score term less ColourRank (the parts before the score
// term add up to at least -ColourRank, the parts after it to at least 0).
template <class TLayout>
[[gnu::always_inline]] inline double LeastTermOfBoard(const TLayout& layout, int first, int second)
{
    return ScoreTerm(layout.ScoreWeight(), layout.Term(first).m_Points,
                     layout.Term(second).m_Points) -
           layout.ColourRank();
}

// The colours of a new board: the one that adapts takes the colour its new opponent does not have,
// or else the opponent adapts. Measuring, the states are copies of four different records, and
// both are set without a branch, as which one adapts is drawn at random; on the records
// themselves one record may be named twice, and the steps act on it one after the other.
template <bool Measuring>
[[gnu::always_inline]] inline void SetColours(CPairingState& own, CPairingState& other,
                                              bool ownAdapts)
{
    if constexpr (Measuring)
    {
        const bool same = own.m_White == other.m_White;
        own.m_White = own.m_White != (ownAdapts && same);
        other.m_White = other.m_White != (!ownAdapts && same);
    }
    else if (ownAdapts)
        own.m_White = !other.m_White;
    else
        other.m_White = !own.m_White;
}

// Whether the weights bound every term of two participants paired with each other from below.
template <class TLayout>
[[gnu::always_inline]] inline bool IsBounded(const TLayout& layout, int first, int second)
{
    return layout.AreBounded() && first >= FirstParticipant && second >= FirstParticipant;
}

// The base of an exchange measured alone: the change is added to nothing.
constexpr auto NothingBesides = [] { return 0.0; };

// The exchange of opponents on the states of the four records it touches: a, b, a's former
// opponent and b's former opponent, in this order. They are the records' own states, or copies.
// When a and b are paired with each other, one record is named twice and both names refer to
// its one state; the steps below then act on it one after the other. Returns the change of the
// total: the bye record's term is never evaluated and stays out of every sum, and the terms are
// taken in the order of the four records.
//
// Measuring, the exchange stops once the change plus base() is certain to be at least enough,
// and returns a lower bound of the change, to the last bit, leaving the states incomplete: after
// the first new board, the terms of the second are bounded by LeastTermOfBoard, and a rounded sum
// never falls when one of its terms grows. base() is asked after the first new board, whose
// states it may read: the lower bound of what the change is added to.
template <bool Measuring, class TLayout, class TBase = decltype(NothingBesides)>
[[gnu::always_inline]] inline double
ExchangeStates(const TLayout& layout, const std::array<int, 4>& index, CPairingState& first,
               CPairingState& second, CPairingState& firstFormer, CPairingState& secondFormer,
               bool aAdapts, bool bAdapts, const TBase& base = NothingBesides, double enough = 0.0)
{
    double change = 0.0;
    const auto subtract = [&change](int record, const CPairingState& state)
    {
        if (record != ByeRecord)
            change -= state.m_Cost;
    };
    const auto add = [](double& sum, int record, double term)
    {
        if (record != ByeRecord)
            sum += term;
    };
    subtract(index[0], first);
    subtract(index[1], second);
    subtract(index[2], firstFormer);
    subtract(index[3], secondFormer);

    first.m_Opponent = index[3];
    second.m_Opponent = index[2];
    firstFormer.m_Opponent = index[1];
    secondFormer.m_Opponent = index[0];
    SetColours<Measuring>(first, secondFormer, aAdapts);
    SetColours<Measuring>(second, firstFormer, bAdapts);

    // The new boards are a with b's former opponent and b with a's.
    CostBoard(layout, index[0], first, index[3], secondFormer);
    if (Measuring && IsBounded(layout, index[1], index[2]))
    {
        const double secondBoard = LeastTermOfBoard(layout, index[1], index[2]);
        double least = change;
        add(least, index[0], first.m_Cost);
        add(least, index[1], secondBoard);
        add(least, index[2], secondBoard);
        add(least, index[3], secondFormer.m_Cost);
        if (least + base() >= enough)
            return least;
    }
    CostBoard(layout, index[1], second, index[2], firstFormer);
    add(change, index[0], first.m_Cost);
    add(change, index[1], second.m_Cost);
    add(change, index[2], firstFormer.m_Cost);
    add(change, index[3], secondFormer.m_Cost);
    return change;
}

// The least change an exchange of the four records can give, with weights that are all finite
// and none negative: each new term is then at least its board's score term less ColourRank (the
// parts before the score term add up to at least -ColourRank, the parts after it to at least 0),
// and a rounded sum never falls when one of its terms grows, so the change summed in the same
// order from these bounds is a lower bound of the change the exchange computes, to the last bit.
// Without a bound (-infinity) where the bye record takes part, whose terms have another form.
template <class TLayout>
[[gnu::always_inline]] inline double
LeastChangeOfExchange(const TLayout& layout, const std::array<int, 4>& index,
                      const CPairingState& first, const CPairingState& second,
                      const CPairingState& firstFormer, const CPairingState& secondFormer)
{
    if (!IsBounded(layout, index[2], index[3]))
        return -std::numeric_limits<double>::infinity();
    const double firstBoard = LeastTermOfBoard(layout, index[0], index[3]);
    const double secondBoard = LeastTermOfBoard(layout, index[1], index[2]);
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
template <class TLayout> std::array<int, 4> ExchangedRecords(const TLayout& layout, int a, int b)
{
    return {a, b, layout.State(a).m_Opponent, layout.State(b).m_Opponent};
}

template <class TLayout> double LeastExchangeChangeOn(const TLayout& layout, int a, int b)
{
    const std::array<int, 4> index = ExchangedRecords(layout, a, b);
    return LeastChangeOfExchange(layout, index, layout.State(index[0]), layout.State(index[1]),
                                 layout.State(index[2]), layout.State(index[3]));
}

template <class TLayout>
double MeasureExchangeOn(const TLayout& layout, int a, int b, bool aAdapts, bool bAdapts,
                         double enough, CMeasuredExchange& result)
{
    // Many exchanges are out of reach by their score terms alone.
    const double least = LeastExchangeChangeOn(layout, a, b);
    if (least >= enough)
        return least;
    result.m_Index = ExchangedRecords(layout, a, b);
    for (std::size_t k = 0; k < result.m_Index.size(); ++k)
        result.m_States[k] = layout.State(result.m_Index[k]);
    return ExchangeStates<true>(layout, result.m_Index, result.m_States[0], result.m_States[1],
                                result.m_States[2], result.m_States[3], aAdapts, bAdapts,
                                NothingBesides, enough);
}

template <class TLayout>
double MeasureRotationOn(const TLayout& layout, int a, int b, int c,
                         const std::array<bool, 4>& adapts, double enough, CMeasuredExchange& first,
                         CMeasuredExchange& second)
{
    first.m_Index = ExchangedRecords(layout, a, b);
    CPairingState aState = layout.State(a);
    CPairingState bState = layout.State(b);
    CPairingState formerOfAState = layout.State(first.m_Index[2]);
    CPairingState formerOfBState = layout.State(first.m_Index[3]);
    // After the first exchange a plays b's former opponent; c and its opponent are untouched.
    second.m_Index = {a, c, first.m_Index[3], layout.State(c).m_Opponent};
    CPairingState cState = layout.State(c);
    CPairingState formerOfCState = layout.State(second.m_Index[3]);
    // The total is the second change plus the first, and a rounded sum never falls when a term
    // grows. The second exchange's bound reads only the terms of the first exchange's first new
    // board (a with b's former opponent), so most rotations are rejected before the first
    // exchange's second board is worked out.
    const auto leastSecondChange = [&]() __attribute__((always_inline))
    {
        return LeastChangeOfExchange(layout, second.m_Index, aState, cState, formerOfBState,
                                     formerOfCState);
    };
    const double firstChange =
        ExchangeStates<true>(layout, first.m_Index, aState, bState, formerOfAState, formerOfBState,
                             adapts[0], adapts[1], leastSecondChange, enough);
    const double leastTotal = leastSecondChange() + firstChange;
    if (leastTotal >= enough)
        return leastTotal;
    first.m_States = {aState, bState, formerOfAState, formerOfBState};
    const double secondChange = ExchangeStates<true>(
        layout, second.m_Index, aState, cState, formerOfBState, formerOfCState, adapts[2],
        adapts[3], [firstChange] { return firstChange; }, enough);
    second.m_States = {aState, cState, formerOfBState, formerOfCState};
    return secondChange + firstChange;
}
} // namespace

double ExchangeOpponents(CVantor& tournament, int a, int b, bool aAdapts, bool bAdapts,
                         CExchangeUndo* undo)
{
    const CTournamentLayout layout(tournament);
    const std::array<int, 4> index = ExchangedRecords(layout, a, b);
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
    return ExchangeStates<false>(layout, index, first, second, firstFormer, secondFormer, aAdapts,
                                 bAdapts);
}

void UndoExchange(CVantor& tournament, const CExchangeUndo& undo)
{
    for (std::size_t k = 0; k < undo.m_Index.size(); ++k)
        tournament.m_Participants[static_cast<std::size_t>(undo.m_Index[k])].m_Pairing =
            undo.m_States[k];
}

double LeastExchangeChange(const CVantor& tournament, int a, int b)
{
    return LeastExchangeChangeOn(CTournamentLayout(tournament), a, b);
}

double LeastExchangeChange(const CPackedPairing& pairing, int a, int b)
{
    return LeastExchangeChangeOn(pairing.Layout(), a, b);
}

double MeasureExchange(const CVantor& tournament, int a, int b, bool aAdapts, bool bAdapts,
                       CMeasuredExchange& result, double enough)
{
    return MeasureExchangeOn(CTournamentLayout(tournament), a, b, aAdapts, bAdapts, enough, result);
}

double MeasureExchange(const CPackedPairing& pairing, int a, int b, bool aAdapts, bool bAdapts,
                       CMeasuredExchange& result, double enough)
{
    return MeasureExchangeOn(pairing.Layout(), a, b, aAdapts, bAdapts, enough, result);
}

double MeasureRotation(const CVantor& tournament, int a, int b, int c,
                       const std::array<bool, 4>& adapts, double enough, CMeasuredExchange& first,
                       CMeasuredExchange& second)
{
    return MeasureRotationOn(CTournamentLayout(tournament), a, b, c, adapts, enough, first, second);
}

double MeasureRotation(const CPackedPairing& pairing, int a, int b, int c,
                       const std::array<bool, 4>& adapts, double enough, CMeasuredExchange& first,
                       CMeasuredExchange& second)
{
    return MeasureRotationOn(pairing.Layout(), a, b, c, adapts, enough, first, second);
}

void ApplyExchange(CPackedPairing& pairing, const CMeasuredExchange& measured)
{
    for (std::size_t k = 0; k < measured.m_Index.size(); ++k)
        pairing.State(measured.m_Index[k]) = measured.m_States[k];
}
