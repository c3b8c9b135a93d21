#include "support/RunVantor.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// The published lists and pages of one small tournament (publish/tournament.pgn, the round file
// publish/round.pgn): shared places, late entries, a withdrawal, byes of both kinds, forfeits,
// names in three scripts and one that is markup. Each form is recorded whole in publish/; a
// change that is meant is recorded again with the command of the row, and read before it is.
namespace
{
const std::filesystem::path Sample =
    std::filesystem::path(VANTOR_SOURCE_DIR) / "tests" / "reports" / "publish";

std::string InSample(const char* name)
{
    return (Sample / name).string();
}

struct CPublishedForm
{
    std::vector<std::string> m_Options; // before the files
    bool m_WithRound = false;
    const char* m_Expected;
};

const std::vector<CPublishedForm> Forms{
    {{"--standings"}, false, "standings.txt"},
    {{"--standings", "--csv"}, false, "standings.csv"},
    {{"--standings", "--html"}, false, "standings.html"},
    {{"--pairings"}, true, "pairings.txt"},
    {{"--pairings", "--csv"}, true, "pairings.csv"},
    {{"--pairings", "--html"}, true, "pairings.html"},
};

TEST(Publish, EveryFormOfTheSampleTournamentIsAsRecorded)
{
    for (const CPublishedForm& form : Forms)
    {
        SCOPED_TRACE(form.m_Expected);
        const CTemporaryFolder folder;
        std::vector<std::string> arguments = form.m_Options;
        arguments.push_back(InSample("tournament.pgn"));
        if (form.m_WithRound)
            arguments.push_back(InSample("round.pgn"));
        const CVantorRun run = RunVantor(arguments, folder);
        EXPECT_EQ(run.m_Status, 0);
        EXPECT_EQ(run.m_Stderr, "");
        EXPECT_EQ(run.m_Stdout, ReadFile(InSample(form.m_Expected)));
    }
}

struct CRefusal
{
    const char* m_What;
    std::string m_Tournament; // appended to the sample's tournament
    std::string m_Round;      // the round file
    std::string m_Stderr;     // R stands for the round file's path; the line is the one after the
                              // board at fault
};

std::string Board(const std::string& white, const std::string& black, const std::string& round,
                  const std::string& result = "*")
{
    return "[White \"" + white + "\"]\n[Black \"" + black + "\"]\n[Round \"" + round +
           "\"]\n[Result \"" + result + "\"]\n" + result + "\n\n";
}

// A round file that does not belong to the tournament is refused with one line, never listed.
const std::vector<CRefusal> Refusals{
    {"a name the tournament does not know", "", Board("Adler, Maren", "Adler, Marne", "4.1"),
     "info string PGN-Parser: file R line 6 char 0: \"Adler, Marne\" is no participant of the "
     "tournament\n"},
    {"the round of another file", "", Board("Adler, Maren", "Müller, Jörg", "3.1"),
     "info string PGN-Parser: file R line 6 char 0: a board of round 3, but the tournament's next "
     "round is 4\n"},
    {"boards of two rounds", "",
     Board("Adler, Maren", "Müller, Jörg", "4.1") + Board("王小明", "Kowalski, Jan", "5.2"),
     "info string PGN-Parser: file R line 12 char 0: boards of rounds 4 and 5 in one round file\n"},
    {"a player on two boards", "",
     Board("Adler, Maren", "Müller, Jörg", "4.1") + Board("王小明", "Adler, Maren", "4.2"),
     "info string PGN-Parser: file R line 12 char 0: \"Adler, Maren\" plays on boards 1 and 2\n"},
    {"a round after the last", "%rounds \"3\"\n", Board("Adler, Maren", "Müller, Jörg", "4.1"),
     "info string PGN-Parser: file R line 6 char 0: round 4 lies after the last round, 3\n"},
    {"no board", "", "",
     "info string PGN-Parser: file R line 1 char 1: the round file holds no "
     "board\n"},
};

TEST(Publish, ARoundFileOfAnotherTournamentIsRefused)
{
    for (const CRefusal& refusal : Refusals)
    {
        SCOPED_TRACE(refusal.m_What);
        const CTemporaryFolder folder;
        const std::string tournament =
            folder.Write("t.pgn", ReadFile(InSample("tournament.pgn")) + refusal.m_Tournament);
        const std::string round = folder.Write("r.pgn", refusal.m_Round);
        const CVantorRun run = RunVantor({"--pairings", tournament, round}, folder);
        std::string expected = refusal.m_Stderr;
        for (std::size_t at; (at = expected.find("file R ")) != std::string::npos;)
            expected.replace(at + 5, 1, round);
        EXPECT_EQ(run.m_Status, 1);
        EXPECT_EQ(run.m_Stderr, expected);
        EXPECT_EQ(run.m_Stdout, "");
    }
}
} // namespace

namespace
{
// After the last round that %rounds gives, the standings are final, the audit looks at no next
// round, and a pairing run is refused with one line and writes nothing.
TEST(Publish, TheLastRoundEndsTheEvent)
{
    const CTemporaryFolder folder;
    const std::string input =
        folder.Write("t.pgn", ReadFile(InSample("tournament.pgn")) + "%rounds \"3\"\n");
    const CVantorRun pairing = RunVantor({input, folder.Path("next.pgn")}, folder);
    EXPECT_EQ(pairing.m_Status, 1);
    EXPECT_EQ(pairing.m_Stderr, "Nothing to pair: " + input + " holds all 3 rounds of the event\n");
    EXPECT_FALSE(std::filesystem::exists(folder.Path("next.pgn")));

    const CVantorRun standings = RunVantor({"--standings", input}, folder);
    EXPECT_TRUE(
        standings.m_Stdout.starts_with("Spring Open 2026: final standings after round 3 of 3\n\n"));
    const CVantorRun audit = RunVantor({"--audit", input}, folder);
    EXPECT_TRUE(audit.m_Stdout.starts_with("Spring Open 2026: audit after round 3 of 3\n"));
    EXPECT_EQ(audit.m_Stdout.find("next round"), std::string::npos);
}
} // namespace
