// Times every published form of a field built in memory: `vantor_publish_bench [participants
// [rounds]]`, by default 20,000 participants after 11 rounds. The standings (text, CSV, page)
// and the pairing list of the next round (text, CSV, page), each timed apart from the reading and
// from the pairing, written to memory as to a file that never blocks.

#include "reports/PairingList.h"
#include "reports/StandingsTable.h"
#include "reports/WritePairings.h"
#include "reports/WriteStandings.h"
#include "support/SimulatedTournament.h"
#include "tournament/ReservedRecords.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>

namespace
{
using Clock = std::chrono::steady_clock;

void Time(const char* what, const std::function<void(std::ostream&)>& write)
{
    std::ostringstream stream;
    const auto start = Clock::now();
    write(stream);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("  %-16s %.3f s  %9zu bytes\n", what, seconds, stream.str().size());
}

// A next round of the present participants two by two, the last one left with the bye: the
// writing costs the same whoever meets whom.
CPairingList NextRound(const CVantor& tournament, int rounds)
{
    CPairingList list{rounds + 1, {}};
    int waiting = 0;
    for (int index = FirstParticipant; index < static_cast<int>(tournament.m_Participants.size());
         ++index)
    {
        if (tournament.m_Participants[static_cast<std::size_t>(index)].m_Absent)
            continue;
        if (waiting == 0)
        {
            waiting = index;
            continue;
        }
        list.m_Boards.push_back({static_cast<int>(list.m_Boards.size()) + 1, waiting, index,
                                 EBoardResult::Unplayed, false});
        waiting = 0;
    }
    if (waiting != 0)
        list.m_Boards.push_back({static_cast<int>(list.m_Boards.size()) + 1, waiting, ByeRecord,
                                 EBoardResult::WhiteWins, false});
    return list;
}
} // namespace

int main(int argc, char** argv)
{
    const int participants = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 11;
    CVantor tournament;
    StartField(tournament, participants);
    BuildHistory(tournament, rounds);
    std::printf("%d participants, %d rounds:\n", participants, rounds);

    CStandingsTable table;
    Time("standings table", [&](std::ostream&) { table = BuildStandingsTable(tournament); });
    Time("standings text", [&](std::ostream& out) { WriteStandingsText(out, tournament, table); });
    Time("standings CSV", [&](std::ostream& out) { WriteStandingsCsv(out, tournament, table); });
    Time("standings page", [&](std::ostream& out) { WriteStandingsHtml(out, tournament, table); });

    const CPairingList list = NextRound(tournament, rounds);
    Time("pairings text", [&](std::ostream& out) { WritePairingsText(out, tournament, list); });
    Time("pairings CSV", [&](std::ostream& out) { WritePairingsCsv(out, tournament, list); });
    Time("pairings page", [&](std::ostream& out) { WritePairingsHtml(out, tournament, list); });
    return 0;
}
