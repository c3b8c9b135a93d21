#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

double CVantor::ExchangeOpponents(int a, int b, bool aAdapts, bool bAdapts, CExchangeUndo* undo)
{
    const int formerOfA = m_Participants[static_cast<std::size_t>(a)].m_Pairing.m_Opponent;
    const int formerOfB = m_Participants[static_cast<std::size_t>(b)].m_Pairing.m_Opponent;
    const std::array<int, 4> touched{a, b, formerOfA, formerOfB};
    auto state = [this](int index) -> CPairingState&
    { return m_Participants[static_cast<std::size_t>(index)].m_Pairing; };

    if (undo != nullptr)
    {
        undo->m_Index = touched;
        for (std::size_t k = 0; k < touched.size(); ++k)
            undo->m_Saved[k] = state(touched[k]);
    }

    // The bye record's term is never evaluated and stays out of every sum.
    double change = 0.0;
    for (const int index : touched)
        if (index != ByeRecord)
            change -= state(index).m_Cost;

    state(a).m_Opponent = formerOfB;
    state(b).m_Opponent = formerOfA;
    state(formerOfA).m_Opponent = b;
    state(formerOfB).m_Opponent = a;
    if (aAdapts)
        state(a).m_White = !state(formerOfB).m_White;
    else
        state(formerOfB).m_White = !state(a).m_White;
    if (bAdapts)
        state(b).m_White = !state(formerOfA).m_White;
    else
        state(formerOfA).m_White = !state(b).m_White;

    for (const int index : touched)
        if (index != ByeRecord)
            change += EvaluateParticipant(m_Participants[static_cast<std::size_t>(index)]);
    return change;
}

void CVantor::UndoExchange(const CExchangeUndo& undo)
{
    for (std::size_t k = 0; k < undo.m_Index.size(); ++k)
        m_Participants[static_cast<std::size_t>(undo.m_Index[k])].m_Pairing = undo.m_Saved[k];
}
