#include "search/Pair.h"

#include "output/WriteRound.h"
#include "pairing/ExchangeOpponents.h"
#include "pairing/PairingCost.h"
#include "pairing/PrepareStandings.h"
#include "pgn/TerminalText.h"
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
    console << TerminalText(nameAt(2)) << ' ' << TerminalText(nameAt(4)) << std::endl;

    // The exchange is meant for two playing participants; with either missing or absent the
    // placeholder would be costed, so the change is reported as none.
    const double before = TotalCost(m_Tournament);
    double change = 0.0;
    if (order.size() > 4 && IsPlaying(order[2]) && IsPlaying(order[4]))
    {
        ExchangeOpponents(m_Tournament, order[2], order[4], false, false, nullptr);
        change = TotalCost(m_Tournament) - before;
    }
    console << change << std::endl;
    return before;
}

std::int64_t PairNextRound(CVantor& tournament, std::string& output, std::ostream& console)
{
    // Who asked for a bye is not paired; the written round holds his bye after the boards.
    for (const CRequestedBye& bye : tournament.m_RequestedByes)
        tournament.m_Participants[static_cast<std::size_t>(bye.m_Participant)].m_Absent = true;
    if (tournament.m_Parameters.m_Seed != 0)
        SeedRandom(static_cast<std::uint32_t>(tournament.m_Parameters.m_Seed));
    PrepareStandings(tournament);
    CPairingSearch search(tournament);
    search.Run();
    const double before = search.ReportClosingExchange(console);
    search.RestoreBest();

    std::ostringstream text;
    if (tournament.m_Parameters.m_Debug)
        text << '{' << before << "}\n";
    WriteRound(text, tournament);
    output = text.str();
    return search.Moves();
}

void Pair(CVantor& tournament, std::string& output)
{
    PairNextRound(tournament, output, std::cout);
}
