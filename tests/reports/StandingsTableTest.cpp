#include "reports/StandingsTable.h"
#include "support/GameText.h"
#include "support/TemporaryFolder.h"
#include "tournament/Vantor.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{
struct CStandingsCase
{
    const char* m_What;
    std::string m_Input;
    // Best first: place, name (marked when withdrawn), points, BH-C1, BH, SB and games.
    std::vector<std::string> m_Rows;
    // The slips the case holds on purpose: a game left at *, a round of one board.
    std::int64_t m_Warnings = 0;
};

// Each case is worked out by hand from the rules: a round without a game counts the
// participant's own points towards his Buchholz and is cut first; for his opponents, such rounds
// after his last game count as draws.
const std::vector<CStandingsCase> Cases{
    {"C has a bye while A beats B; C draws A while B has no game",
     GameText("A", "B", "1", "1-0") + GameText("C", "BYE", "1", "1-0") +
         GameText("C", "A", "2", "1/2-1/2"),
     {"1 C: 1.5 1.5 3 2.25 1", "2 A: 1.5 1.5 2 1.25 2", "3 B: 0 1.5 1.5 0 1"},
     1},
    {"D withdraws after two rounds: his opponents count his third round as a draw",
     GameText("A", "B", "1", "1-0") + GameText("C", "D", "1", "1-0") +
         GameText("A", "C", "2", "1/2-1/2") + GameText("D", "B", "2", "1-0") + "%remove \"D\"\n" +
         GameText("C", "B", "3", "1-0") + GameText("A", "BYE", "3", "1-0"),
     {"1 A: 2.5 5 5 3.75 2", "2 C: 2.5 4 4 2.75 3", "3 D (withdrawn): 1 2.5 3.5 0 2",
      "4 B: 0 5 6.5 0 3"}},
    {"E enters in round 2: the round before his entry is no draw for his opponents",
     GameText("A", "B", "1", "1-0") + GameText("C", "BYE", "1", "1-0") + "%new \"E\" \"1500\"\n" +
         GameText("E", "A", "2", "1-0") + GameText("B", "C", "2", "1/2-1/2"),
     {"1 C: 1.5 1.5 2 1.75 1", "2 E: 1 1 2 1 1", "3 A: 1 1 1.5 0.5 2", "4 B: 0.5 1.5 2.5 0.75 2"}},
    {"A is renamed Anna after round 1; a later game under the old name is hers too",
     GameText("A", "B", "1", "1-0") + GameText("C", "D", "1", "1/2-1/2") +
         "%replace \"A\" \"Anna\"\n" + GameText("C", "Anna", "2", "0-1") +
         GameText("D", "B", "2", "1-0") + GameText("A", "D", "3", "1/2-1/2") +
         GameText("B", "C", "3", "1-0"),
     {"1 Anna: 2.5 3 3.5 2.5 3", "2 D: 2 3.5 4 2.5 3", "3 B: 1 4.5 5 0.5 3",
      "4 C: 0.5 4.5 5.5 1 3"}},
    {"A game left at * is no game; equal rows share the place, by rating, then by name",
     GameText("A", "B", "1", "1-0") + GameText("C", "D", "1", "1-0") +
         GameText("A", "C", "2", "*", "[WhiteElo \"1500\"]\n[BlackElo \"1600\"]\n") +
         GameText("D", "B", "2", "1/2-1/2"),
     {"1 C: 1 0.5 1.5 0.5 1", "1 A: 1 0.5 1.5 0.5 1", "3 B: 0.5 1.5 2 0.25 2",
      "3 D: 0.5 1.5 2 0.25 2"},
     1},
    {"Pia wins by forfeit, Rolf and Sven both stay away, Xaver asks a half-point bye; then Pia "
     "has the bye, Quin beats Rolf, Xaver wins by forfeit: the rounds chosen not to play (the "
     "requested bye, the forfeits lost) are cut first, the forfeits won and the bye are not",
     std::string("%new \"Pia\" \"0\"\n%new \"Quin\" \"0\"\n%new \"Rolf\" \"0\"\n") +
         "%new \"Sven\" \"0\"\n%new \"Xaver\" \"0\"\n" +
         GameText("Pia", "BYE", "1", "1-0", "[Forfeit \"+-\"]\n[PairedBlack \"Quin\"]\n") +
         GameText("Rolf", "Sven", "1", "*", "[Forfeit \"--\"]\n") +
         GameText("Xaver", "BYE", "1", "1/2-1/2", "[Bye \"requested\"]\n") +
         GameText("Pia", "BYE", "2", "1-0") + GameText("Quin", "Rolf", "2", "1-0") +
         GameText("BYE", "Xaver", "2", "0-1", "[Forfeit \"-+\"]\n[PairedWhite \"Sven\"]\n"),
     {"1 Pia: 2 2 4 4 0", "2 Xaver: 1.5 1.5 3 2.25 0", "3 Quin: 1 0 1 0 1", "4 Rolf: 0 1 1 0 1",
      "5 Sven: 0 0 0 0 0"}},
};

// The row as the case lists it, with the figures in points.
std::string Describe(const CVantor& tournament, const CStandingsRow& row)
{
    const CParticipant& participant =
        tournament.m_Participants[static_cast<std::size_t>(row.m_Participant)];
    std::ostringstream text;
    text << row.m_Place << " " << participant.m_Name << (participant.m_Absent ? " (withdrawn)" : "")
         << ": " << row.m_Points / 2.0 << " " << row.m_BuchholzCut1 / 2.0 << " "
         << row.m_Buchholz / 2.0 << " " << row.m_SonnebornBerger / 4.0 << " " << row.m_Games;
    return text.str();
}

TEST(StandingsTable, TieBreaksFollowTheRulesForRoundsWithoutAGame)
{
    for (const CStandingsCase& standingsCase : Cases)
    {
        SCOPED_TRACE(standingsCase.m_What);
        const CTemporaryFolder folder;
        const std::string path = folder.Write("in.pgn", standingsCase.m_Input);
        std::ostringstream diagnostics;
        CWarnings warnings(diagnostics);
        std::ostringstream console;
        CVantor tournament;
        ASSERT_EQ(tournament.ReadTournament(path.c_str(), warnings, console), EReading::Read);
        EXPECT_EQ(warnings.Count(), standingsCase.m_Warnings) << diagnostics.str();

        const CStandingsTable table = BuildStandingsTable(tournament);
        std::vector<std::string> rows;
        for (const CStandingsRow& row : table.m_Rows)
            rows.push_back(Describe(tournament, row));
        EXPECT_EQ(rows, standingsCase.m_Rows);
    }
}
} // namespace
