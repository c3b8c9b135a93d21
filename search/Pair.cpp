#include "search/PairingSearch.h"

#include "pairing/Random.h"
#include "tournament/ReservedRecords.h"

#include <iostream>
#include <ostream>
#include <sstream>

double CPairingSearch::ReportClosingExchange(std::ostream& console)
{
    const std::vector<int>& order = m_Tournament.m_Order;
    const auto nameAt = [&](std::size_t position)
    { return position < order.size() ? Participant(order[position]).m_Name : std::string(); };
    console << nameAt(2) << ' ' << nameAt(4) << std::endl;

    // The exchange is meant for two playing participants; with either missing or absent the
    // placeholder would be costed, so the change is reported as none.
    const double before = m_Tournament.TotalCost();
    double change = 0.0;
    if (order.size() > 4 && IsPlaying(order[2]) && IsPlaying(order[4]))
    {
        m_Tournament.ExchangeOpponents(order[2], order[4], false, false, nullptr);
        change = m_Tournament.TotalCost() - before;
    }
    console << change << std::endl;
    return before;
}

std::int64_t PairNextRound(CVantor& tournament, std::string& output, std::ostream& console)
{
    if (tournament.m_Parameters.m_Seed != 0)
        SeedRandom(static_cast<std::uint32_t>(tournament.m_Parameters.m_Seed));
    tournament.PrepareStandings();
    CPairingSearch search(tournament);
    search.Run();
    const double before = search.ReportClosingExchange(console);
    search.RestoreBest();

    std::ostringstream text;
    if (tournament.m_Parameters.m_Debug)
        text << '{' << before << "}\n";
    tournament.WriteRound(text);
    output = text.str();
    return search.Moves();
}

void CVantor::Pair(std::string& output)
{
    PairNextRound(*this, output, std::cout);
}
