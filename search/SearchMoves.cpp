#include "search/PairingSearch.h"

#include "pairing/ExchangeOpponents.h"
#include "pairing/PairingCost.h"
#include "pairing/PrepareStandings.h"
#include "pairing/Random.h"

#include <array>
#include <cassert>

// Every move measures the change it would make; a move whose change is not strictly below the
// threshold is rejected and leaves the pairing as it was.
// The draws of each move, and the retries that draw anew, are made in a fixed order so that a
// seed replays a run exactly.

int CPairingSearch::DrawAnyRecord()
{
    return FirstParticipant + static_cast<int>(m_AnyRecordDivisor.Remainder(DrawRandom()));
}

int CPairingSearch::DrawPlaying()
{
    int drawn = 0;
    do
        drawn = DrawAnyRecord();
    while (!IsPlaying(drawn));
    return drawn;
}

// Inlined by force: every rotation draws candidates again and again until they fit.
[[gnu::always_inline]] inline int CPairingSearch::DrawCandidate(int a)
{
    const CCandidates& candidates = m_Packed.Candidates(a);
    const auto k = m_LengthDivisors[candidates.m_Length].Remainder(DrawRandom());
    return Candidate(m_Tournament, candidates, k);
}

bool CPairingSearch::FlipColours(double& change)
{
    const int a = DrawPlaying();
    const int o = OpponentOf(a);
    const CPairingState savedPlayer = m_Packed.State(a);
    const CPairingState savedOpponent = m_Packed.State(o);
    const double before = savedOpponent.m_Cost + savedPlayer.m_Cost;

    m_Packed.State(a).m_White = !savedPlayer.m_White;
    m_Packed.State(o).m_White = !savedOpponent.m_White;
    double after = EvaluateParticipant(m_Packed, a);
    if (o != ByeRecord)
        after += EvaluateParticipant(m_Packed, o);
    change = after - before;
    if (change < m_Threshold)
    {
        NoteAccepted(a, savedPlayer, m_Packed.State(a));
        NoteAccepted(o, savedOpponent, m_Packed.State(o));
        assert(BoardsAreSound(std::array{a, o}));
        return true;
    }
    m_Packed.State(a) = savedPlayer;
    m_Packed.State(o) = savedOpponent;
    return false;
}

// The partner is mostly one of the nearest in the standings, sometimes anyone of the candidate
// list, and now and then anybody at all: of a number drawn below 100, up to 49 picks one of the
// nearest, up to 84 one of the list, and above it any record.
namespace
{
constexpr int PartnerDraws = 100;
constexpr int LastNearestDraw = 49;
constexpr int LastCandidateDraw = 84;
} // namespace

int CPairingSearch::DrawExchangePartner(int a)
{
    const CCandidates& candidates = m_Packed.Candidates(a);
    for (;;)
    {
        const int s = DrawRandom() % PartnerDraws;
        int b = 0;
        if (s <= LastNearestDraw)
            b = Candidate(m_Tournament, candidates, m_WindowDivisor.Remainder(DrawRandom()));
        else if (s <= LastCandidateDraw)
            b = DrawCandidate(a);
        else
            b = DrawAnyRecord();
        if (b != a && !m_Packed.IsAbsent(b) && OpponentOf(a) != b && OpponentOf(b) != a)
            return b;
    }
}

// Most exchanges are rejected, so each is measured on copies of the four states first, and only
// an accepted one puts its states in place.
bool CPairingSearch::ExchangeWithPartner(double& change)
{
    const int a = DrawPlaying();
    const int b = DrawExchangePartner(a);
    const int d1 = DrawRandom();
    const int d2 = DrawRandom();
    change = MeasureExchange(m_Packed, a, b, d2 % 2 == 0, d1 % 2 == 0, m_Exchanged, m_Threshold);
    if (!(change < m_Threshold))
        return false;
    NoteMeasured(m_Exchanged);
    ApplyExchange(m_Packed, m_Exchanged);
    assert(BoardsAreSound(m_Exchanged.m_Index));
    return true;
}

// Boards a-a', b-b', c-c' become a-c', b-a', c-b': two exchanges, the second on the states the
// first leaves, measured together; only an accepted rotation puts the states in place.
bool CPairingSearch::RotateThree(double& change)
{
    const int a = DrawPlaying();
    int b = 0;
    int c = 0;
    do
    {
        b = DrawCandidate(a);
        c = DrawCandidate(a);
    } while (b == a || b == c || m_Packed.IsAbsent(b) || m_Packed.IsAbsent(c) ||
             OpponentOf(b) == a || OpponentOf(a) == b || OpponentOf(c) == a || OpponentOf(a) == c ||
             OpponentOf(c) == b);

    // For each exchange, d1 then d2 are drawn; a adapts when d2 is even, its partner when d1 is.
    std::array<bool, 4> adapts{};
    for (std::size_t exchange = 0; exchange < 2; ++exchange)
    {
        const int d1 = DrawRandom();
        const int d2 = DrawRandom();
        adapts[2 * exchange] = d2 % 2 == 0;
        adapts[2 * exchange + 1] = d1 % 2 == 0;
    }
    change = MeasureRotation(m_Packed, a, b, c, adapts, m_Threshold, m_Rotated[0], m_Rotated[1]);
    if (!(change < m_Threshold))
        return false;
    for (const CMeasuredExchange& exchange : m_Rotated)
    {
        NoteMeasured(exchange);
        ApplyExchange(m_Packed, exchange);
    }
    assert(BoardsAreSound(m_Rotated[0].m_Index) && BoardsAreSound(m_Rotated[1].m_Index));
    return true;
}
