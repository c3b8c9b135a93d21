#include "search/PairingSearch.h"

#include "pairing/PairingCost.h"
#include "tournament/ReservedRecords.h"

#include <functional>
#include <utility>

namespace
{
using Board = std::pair<int, int>;
using Boards = std::vector<Board>;

// Calls visit with every way of splitting an even number of members into boards.
void ForEachMatching(const std::vector<int>& members, Boards& boards,
                     const std::function<void(const Boards&)>& visit)
{
    if (members.empty())
    {
        visit(boards);
        return;
    }
    for (std::size_t partner = 1; partner < members.size(); ++partner)
    {
        std::vector<int> rest;
        for (std::size_t k = 1; k < members.size(); ++k)
            if (k != partner)
                rest.push_back(members[k]);
        boards.emplace_back(members.front(), members[partner]);
        ForEachMatching(rest, boards, visit);
        boards.pop_back();
    }
}
} // namespace

// A field of two to five playing participants has at most fifteen pairings with eight colour
// choices each, so every one is costed and the cheapest (the first found among equals) is left
// in hand.
void CPairingSearch::PairExhaustively()
{
    std::vector<int> members;
    for (int index = FirstParticipant; index < m_Records; ++index)
        if (IsPlaying(index))
            members.push_back(index);
    if (members.size() % 2 == 1)
        members.push_back(ByeRecord);

    std::vector<CPairingState> cheapest;
    double cheapestTotal = 0.0;
    Boards boards;
    ForEachMatching(members, boards,
                    [&](const Boards& matching)
                    {
                        for (unsigned colours = 0; colours < (1u << matching.size()); ++colours)
                        {
                            for (std::size_t k = 0; k < matching.size(); ++k)
                            {
                                const bool firstIsWhite = (colours >> k & 1u) != 0;
                                const auto [first, second] = matching[k];
                                Participant(first).m_Pairing = {second, firstIsWhite, 0.0};
                                Participant(second).m_Pairing = {first, !firstIsWhite, 0.0};
                            }
                            for (const int member : members)
                                if (member != ByeRecord)
                                    EvaluateParticipant(m_Tournament, Participant(member));
                            const double total = TotalCost(m_Tournament);
                            if (cheapest.empty() || total < cheapestTotal)
                            {
                                cheapestTotal = total;
                                cheapest.clear();
                                for (const int member : members)
                                    cheapest.push_back(Participant(member).m_Pairing);
                            }
                        }
                    });
    for (std::size_t k = 0; k < members.size(); ++k)
        Participant(members[k]).m_Pairing = cheapest[k];
}
