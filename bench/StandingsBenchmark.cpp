// Times the standings of a field built in memory: `vantor_standings_bench [participants
// [rounds]]`, by default 20,000 participants after 11 rounds. The table and its two forms of
// writing are timed apart; the writing goes to memory, as to a file that never blocks.

#include "reports/StandingsTable.h"
#include "reports/WriteStandings.h"
#include "support/SimulatedTournament.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace
{
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Measure(int participants, int rounds)
{
    CVantor tournament;
    StartField(tournament, participants);
    BuildHistory(tournament, rounds);

    auto start = Clock::now();
    const CStandingsTable table = BuildStandingsTable(tournament);
    const double building = SecondsSince(start);

    std::ostringstream text;
    start = Clock::now();
    WriteStandingsText(text, tournament, table);
    const double writingText = SecondsSince(start);

    std::ostringstream csv;
    start = Clock::now();
    WriteStandingsCsv(csv, tournament, table);
    const double writingCsv = SecondsSince(start);

    std::printf("%6d participants, %2d rounds: table %.3f s, text %.3f s (%zu bytes), "
                "CSV %.3f s (%zu bytes)\n",
                participants, rounds, building, writingText, text.str().size(), writingCsv,
                csv.str().size());
}
} // namespace

int main(int argc, char** argv)
{
    Measure(argc > 1 ? std::atoi(argv[1]) : 20000, argc > 2 ? std::atoi(argv[2]) : 11);
    return 0;
}
