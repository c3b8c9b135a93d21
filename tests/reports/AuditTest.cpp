#include "driver/ReadInput.h"
#include "support/GameText.h"
#include "support/ReadBoardNames.h"
#include "support/RunVantor.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// Three rounds in which every kind of event happens once; the next round, of the two who are
// left, breaks no rule. The byes are written both ways round.
const std::string EveryEventOnce = R"(%new "Pia" "2000"
%new "Quin" "1900"
%new "Rolf" "1800"
%new "Sven" "1700"
%new "Xaver" "1600"
[White "Pia"][Black "Quin"][Round "1.1"][Result "1/2-1/2"] 1/2-1/2
[White "Rolf"][Black "Sven"][Round "1.2"][Result "1/2-1/2"] 1/2-1/2
[White "Xaver"][Black "BYE"][Round "1.3"][Result "1-0"] 1-0
[White "Pia"][Black "Rolf"][Round "2.1"][Result "1/2-1/2"] 1/2-1/2
[White "Sven"][Black "Quin"][Round "2.2"][Result "1/2-1/2"] 1/2-1/2
[White "BYE"][Black "Xaver"][Round "2.3"][Result "0-1"] 0-1
[White "Pia"][Black "Rolf"][Round "3.1"][Result "1/2-1/2"] 1/2-1/2
[White "Xaver"][Black "Sven"][Round "3.2"][Result "1/2-1/2"] 1/2-1/2
[White "Quin"][Black "BYE"][Round "3.3"][Result "1-0"] 1-0
%remove "Quin"
%remove "Rolf"
%remove "Xaver"
)";

struct CExpectedLine
{
    const char* m_What;
    const char* m_Line;
};

const CExpectedLine AuditOfEveryEventOnce[] = {
    {"second bye", "round 2: second bye: Xaver (had the bye in round 1)"},
    {"rematch", "round 3: rematch: Pia - Rolf (met in round 2)"},
    {"colour difference", "round 3: colour difference +3: Pia (3 White, 0 Black)"},
    {"third colour", "round 3: third colour in a row: Pia (White in rounds 1, 2, 3)"},
    {"different scores", "round 3: different scores: Xaver 2 - Sven 1 (difference 1)"},
    {"separator", ""},
    {"header", "round  boards  byes  forfeits  rematches  second-byes  colour-beyond-2  "
               "third-colour  different-scores  score-differences"},
    {"round 1", "    1       3     1         0          0            0                0  "
                "           0                 0                  0"},
    {"round 2", "    2       3     1         0          0            1                0  "
                "           0                 0                  0"},
    {"round 3", "    3       3     1         0          1            0                1  "
                "           1                 1                  1"},
    {"next round", "    4       1     0         0          0            0                0  "
                   "           0                 0                  0  next round, not played yet"},
    {"total", "total      10     3         0          1            1                1  "
              "           1                 1                  1"},
};

// Forfeits are counted apart from byes and hold no colour; the pair of a forfeit never met, so
// the next round may pair them; a forfeit won keeps the pairing's bye away like a bye.
const std::string ForfeitsAndRequestedByes = R"(%new "Pia" "2000"
%new "Quin" "1900"
%new "Rolf" "1800"
%new "Sven" "1700"
%new "Xaver" "1600"
[White "Pia"][Black "BYE"][Round "1.1"][Result "1-0"][Forfeit "+-"][PairedBlack "Quin"] 1-0
[White "Rolf"][Black "Sven"][Round "1.2"][Result "*"][Forfeit "--"] *
[White "Xaver"][Black "BYE"][Round "1.3"][Result "1/2-1/2"][Bye "requested"] 1/2-1/2
[White "Pia"][Black "BYE"][Round "2.1"][Result "1-0"] 1-0
[White "Quin"][Black "Rolf"][Round "2.2"][Result "1-0"] 1-0
[White "BYE"][Black "Xaver"][Round "2.3"][Result "0-1"][Forfeit "-+"][PairedWhite "Sven"] 0-1
%remove "Rolf"
%remove "Sven"
%remove "Xaver"
)";

const CExpectedLine AuditOfForfeitsAndRequestedByes[] = {
    {"second bye", "round 2: second bye: Pia (had a bye or a forfeit win in round 1)"},
    {"a forfeit's pairing", "round 2: different scores: Sven 0 - Xaver 0.5 (difference 0.5)"},
    {"no rematch", "round 3: different scores: Pia 2 - Quin 1 (difference 1)"},
    {"separator", ""},
    {"header", "round  boards  byes  forfeits  rematches  second-byes  colour-beyond-2  "
               "third-colour  different-scores  score-differences"},
    {"round 1", "    1       3     1         2          0            0                0  "
                "           0                 0                  0"},
    {"round 2", "    2       3     1         1          0            1                0  "
                "           0                 1                0.5"},
    {"next round", "    3       1     0         0          0            0                0  "
                   "           0                 1                  1  next round, not played yet"},
    {"total", "total       7     2         3          0            1                0  "
              "           0                 2                1.5"},
};

TEST(Audit, ReportsEveryKindOfEventWithItsRoundAndParticipants)
{
    const struct
    {
        const std::string& m_File;
        std::span<const CExpectedLine> m_Audit;
    } cases[] = {{EveryEventOnce, AuditOfEveryEventOnce},
                 {ForfeitsAndRequestedByes, AuditOfForfeitsAndRequestedByes}};
    for (const auto& [file, audit] : cases)
    {
        const CTemporaryFolder folder;
        const CVantorRun run = RunVantor({"--audit", folder.Write("in.pgn", file)}, folder);
        EXPECT_EQ(run.m_Status, 0) << run.m_Stderr;
        const std::vector<std::string> lines = Lines(run.m_Stdout);
        ASSERT_EQ(lines.size(), audit.size()) << run.m_Stdout;
        for (std::size_t k = 0; k < lines.size(); ++k)
            EXPECT_EQ(lines[k], audit[k].m_Line) << audit[k].m_What;
    }
}

// Bea's and Dee's records hold games that Ann and Cid replaced by their game against each other.
TEST(Audit, SaysWhichGamesOnlyOneSideHolds)
{
    const CTemporaryFolder folder;
    const std::string input =
        folder.Write("in.pgn", "[White \"Ann\"][Black \"Bea\"][Round \"1\"][Result \"1-0\"] 1-0\n"
                               "[White \"Cid\"][Black \"Dee\"][Round \"1\"][Result \"0-1\"] 0-1\n"
                               "[White \"Ann\"][Black \"Cid\"][Round \"1\"][Result \"1-0\"] 1-0\n");
    const CVantorRun run = RunVantor({"--audit", input}, folder);
    EXPECT_EQ(run.m_Status, 0);
    const std::vector<std::string> lines = Lines(run.m_Stdout);
    ASSERT_GE(lines.size(), 2u) << run.m_Stdout;
    EXPECT_EQ(lines[0], "round 1: one-sided game: Ann - Bea (in Bea's record only)");
    EXPECT_EQ(lines[1], "round 1: one-sided game: Cid - Dee (in Dee's record only)");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.starts_with("round 1:"); }),
              2);
}

// The rules as the README states them, each on a file made for it: the event lines of the kinds
// named, in the rounds played (the next round is the search's, audited above and below).
struct CAuditRule
{
    const char* m_What;
    std::string m_File;
    int m_Played;
    std::vector<std::string> m_Kinds;
    std::vector<std::string> m_Lines;
};

std::string Announce(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += "%new \"" + name + "\" \"1500\"\n";
    return text;
}

const CAuditRule AuditRules[] = {
    // A's and X's later game of round 1 replaced the earlier one in their own histories only.
    {"a meeting that only one of the two histories holds is a rematch",
     Announce({"A", "B", "C", "X", "Y", "Z"}) + GameText("A", "B", "1.1") +
         GameText("X", "Y", "1.2") + GameText("A", "C", "1.3") + GameText("X", "Z", "1.4") +
         GameText("B", "A", "2.1") + GameText("X", "Y", "2.2") + GameText("C", "Z", "2.3"),
     2,
     {"rematch"},
     {"round 2: rematch: B - A (met in round 1)", "round 2: rematch: X - Y (met in round 1)"}},
    {"a round without a game is no bye",
     Announce({"A", "B", "C", "D", "E"}) + GameText("A", "B", "1.1") + GameText("C", "D", "1.2") +
         GameText("A", "C", "2.1") + GameText("B", "D", "2.2") + GameText("E", "BYE", "2.3") +
         GameText("A", "D", "3.1") + GameText("B", "C", "3.2") + GameText("E", "BYE", "3.3"),
     3,
     {"second bye"},
     {"round 3: second bye: E (had the bye in round 2)"}},
    // P: White, the bye, White, White; Q: White, Black, White, White.
    {"colours count games only, and the other colour ends a run",
     Announce({"P", "Q", "O1", "O2", "O3", "O4", "O5", "O6", "O7"}) + GameText("P", "O1", "1.1") +
         GameText("Q", "O2", "1.2") + GameText("P", "BYE", "2.1") + GameText("O3", "Q", "2.2") +
         GameText("P", "O4", "3.1") + GameText("Q", "O5", "3.2") + GameText("P", "O6", "4.1") +
         GameText("Q", "O7", "4.2"),
     4,
     {"colour difference", "third colour"},
     {"round 4: colour difference +3: P (3 White, 0 Black)",
      "round 4: third colour in a row: P (White in rounds 1, 3, 4)"}},
};

TEST(Audit, HoldsEveryRoundToTheRulesAsStated)
{
    for (const CAuditRule& rule : AuditRules)
    {
        SCOPED_TRACE(rule.m_What);
        const CTemporaryFolder folder;
        const CVantorRun run = RunVantor({"--audit", folder.Write("in.pgn", rule.m_File)}, folder);
        EXPECT_EQ(run.m_Status, 0) << run.m_Stderr;
        std::vector<std::string> found;
        for (int round = 1; round <= rule.m_Played; ++round)
            for (const std::string& line : Lines(run.m_Stdout))
                for (const std::string& kind : rule.m_Kinds)
                    if (line.starts_with("round " + std::to_string(round) + ": " + kind))
                        found.push_back(line);
        EXPECT_EQ(found, rule.m_Lines) << run.m_Stdout;
    }
}

TEST(Audit, AnUnreadableInputEndsWithStatusOneAndNoReport)
{
    const CTemporaryFolder folder;
    const CVantorRun run = RunVantor({"--audit", folder.Path("missing.pgn")}, folder);
    EXPECT_EQ(run.m_Status, 1);
    EXPECT_EQ(run.m_Stdout, "");
    EXPECT_NE(run.m_Stderr.find("Cannot open file"), std::string::npos) << run.m_Stderr;
}

std::string Points(int halfPoints)
{
    return std::to_string(halfPoints / 2) + (halfPoints % 2 != 0 ? ".5" : "");
}

// The next round's boards between different scores, worked out from the round that the pairing
// run wrote and the scores of the input, must be those the audit names, White first.
class AuditOfTheNextRound : public ::testing::TestWithParam<const char*>
{
};

TEST_P(AuditOfTheNextRound, NamesTheBoardsThatThePairingRunWrites)
{
    const std::string input = std::string(VANTOR_SOURCE_DIR) + "/" + GetParam();
    const CTemporaryFolder folder;
    ASSERT_EQ(RunVantor({input, folder.Path("round.pgn")}, folder).m_Status, 0);
    std::vector<std::string> names;
    ASSERT_TRUE(ReadBoardNames(folder.Path("round.pgn"), names));

    CVantor tournament;
    CWarnings warnings(Nowhere());
    ASSERT_EQ(tournament.ReadTournament(input.c_str(), warnings, Nowhere()), EReading::Read);
    std::map<std::string, int> scores;
    std::size_t played = 0;
    for (const CParticipant& participant : tournament.m_Participants)
    {
        played = std::max(played, participant.m_History.size());
        scores[participant.m_Name] = Score(participant);
    }
    const std::string next = "round " + std::to_string(played + 1) + ": ";
    std::vector<std::string> expected;
    for (std::size_t board = 0; board < names.size(); board += 2)
    {
        const int white = scores[names[board]];
        const int black = scores[names[board + 1]];
        if (names[board] != "BYE" && names[board + 1] != "BYE" && white != black)
            expected.push_back(next + "different scores: " + names[board] + " " + Points(white) +
                               " - " + names[board + 1] + " " + Points(black) + " (difference " +
                               Points(std::abs(white - black)) + ")");
    }

    const CVantorRun audit = RunVantor({"--audit", input}, folder);
    EXPECT_EQ(audit.m_Status, 0) << audit.m_Stderr;
    std::vector<std::string> named;
    std::string nextRow;
    for (const std::string& line : Lines(audit.m_Stdout))
    {
        if (line.rfind(next + "different scores: ", 0) == 0)
            named.push_back(line);
        if (line.find("next round") != std::string::npos)
            nextRow = line;
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(named, expected);
    std::istringstream cells(nextRow);
    std::size_t round = 0;
    std::size_t boards = 0;
    cells >> round >> boards;
    EXPECT_EQ(round, played + 1) << nextRow;
    EXPECT_EQ(boards, names.size() / 2) << nextRow;
}

INSTANTIATE_TEST_SUITE_P(Inputs, AuditOfTheNextRound,
                         ::testing::Values("examples/tournament.pgn",
                                           "tests/golden/seed0-201/input.pgn",
                                           "tests/golden/debug-30/input.pgn"));
} // namespace
