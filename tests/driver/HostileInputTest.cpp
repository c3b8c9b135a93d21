#include "support/GameText.h"
#include "support/ReadBoardNames.h"
#include "support/RunVantor.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Inputs that a careless editor, a broken disk or a malicious user could hand the program. Each
// run must end either with status 0 and a complete round that reads back as one game per board,
// or with status 1, one diagnostic line and no output file; never with a crash, a hang or a
// half-written file.
namespace
{
using Names = std::vector<std::string>;

class HostileInput : public ::testing::Test
{
protected:
    CVantorRun Run(const std::string& bytes)
    {
        m_Input = m_Folder.Write("in.pgn", bytes);
        std::filesystem::remove(Output());
        return RunVantor({m_Input, Output()}, m_Folder);
    }

    std::string Output() const { return m_Folder.Path("out.pgn"); }

    // Status 0 and a round whose boards name exactly these participants (the bye as "BYE");
    // the slips of a hostile input may have been warned about, and nothing else said.
    void ExpectRound(const CVantorRun& run, Names expected)
    {
        ASSERT_EQ(run.m_Status, 0) << run.m_Stderr;
        for (std::size_t line = 0; line < run.m_Stderr.size();
             line = run.m_Stderr.find('\n', line) + 1)
            EXPECT_EQ(run.m_Stderr.compare(line, 9, "warning: "), 0) << run.m_Stderr;
        Names written;
        EXPECT_TRUE(ReadBoardNames(Output(), written)) << ReadFile(Output());
        std::sort(written.begin(), written.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(written, expected);
        ExpectNoStrayFiles();
    }

    // Status 1, one diagnostic line that holds the message, and no output file.
    void ExpectRefused(const CVantorRun& run, const std::string& message)
    {
        EXPECT_EQ(run.m_Status, 1);
        const std::string frame = "info string PGN-Parser: file " + m_Input + " line ";
        EXPECT_EQ(run.m_Stderr.rfind(frame, 0), 0u) << run.m_Stderr;
        EXPECT_NE(run.m_Stderr.find(message), std::string::npos) << run.m_Stderr;
        EXPECT_EQ(std::count(run.m_Stderr.begin(), run.m_Stderr.end(), '\n'), 1);
        EXPECT_EQ(run.m_Stderr.back(), '\n');
        EXPECT_FALSE(std::filesystem::exists(Output()));
        ExpectNoStrayFiles();
    }

    // Only the input, the output and the captured console may be left in the folder.
    void ExpectNoStrayFiles() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(m_Folder.Path("")))
        {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "in.pgn" || name == "out.pgn" || name == "stdout.txt" ||
                        name == "stderr.txt")
                << name;
        }
    }

    CTemporaryFolder m_Folder;
    std::string m_Input;
};

std::string NewLines(const Names& names)
{
    std::string text;
    for (const std::string& name : names)
        text += "%new \"" + name + "\" \"1800\"\n";
    return text;
}

// Nine participants after one round: odd, so that one of them gets the bye, and more than the
// few that are paired by trying every pairing, so that the search runs.
const Names Nine = {"P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9"};

std::string NineAfterOneRound()
{
    return NewLines(Nine) + GameText("P1", "P2", "1.1") + GameText("P3", "P4", "1.2", "0-1") +
           GameText("P5", "P6", "1.3", "1/2-1/2") + GameText("P7", "P8", "1.4") +
           GameText("P9", "BYE", "1.5");
}

Names WithBye(Names names)
{
    names.push_back("BYE");
    return names;
}

TEST_F(HostileInput, EmptyFileGivesAnEmptyRound)
{
    ExpectRound(Run(""), {});
    EXPECT_EQ(ReadFile(Output()), "");
}

TEST_F(HostileInput, BinaryGarbageIsRefusedOnOneLine)
{
    // Random bytes break the grammar within a few characters; these hold a [ and a tag name
    // that no string follows.
    std::string garbage(1 << 20, '\0');
    std::uint32_t state = 12345;
    for (char& byte : garbage)
    {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    ExpectRefused(Run(garbage), "line 1 char 26: string expected");
}

TEST_F(HostileInput, ByteOrderMarkBeforeTheFirstLineIsSkipped)
{
    ExpectRound(Run("\xEF\xBB\xBF%new \"Ann\" \"2100\"\n%new \"Bob\" \"2000\"\n"), {"Ann", "Bob"});
    ExpectRound(Run("\xEF\xBB\xBF" + GameText("Ann", "Bob", "1")), {"Ann", "Bob"});
    // Only at the very start: further on the same bytes are text like any other.
    ExpectRefused(Run("%new \"Ann\" \"1\"\n\xEF\xBB\xBF%new \"Bob\" \"2\"\n"),
                  "unexpected string Bob");
}

TEST_F(HostileInput, CarriageReturnsBeforeEveryLineFeed)
{
    const std::string input =
        "%new \"Ann\" \"2100\"\r\n%new \"Bob\"\r\n%new \"Cid\" \"1900\"\r\n%new \"Dee\"\r\n"
        "%Seed \"3\"\r\n" +
        GameText("Ann", "Bob", "1") + GameText("Cid", "Dee", "1") +
        "%replace \"Dee\" \"Dora\"\r\n%remove \"Bob\"\r\n%comeback \"Bob\"\r\n%remove \"Cid\"\r\n"
        "%new \"Ann\" \"2100\"\r\n";
    std::string crlf;
    for (const char c : input)
        crlf += c == '\n' && (crlf.empty() || crlf.back() != '\r') ? std::string("\r\n")
                                                                   : std::string(1, c);
    const CVantorRun run = Run(crlf);
    ExpectRound(run, WithBye({"Ann", "Bob", "Dora"}));
    EXPECT_NE(run.m_Stdout.find("Participant Dee has been replaced by Dora after round 1.\n"),
              std::string::npos)
        << run.m_Stdout;
    EXPECT_NE(run.m_Stdout.find("Participant Cid has been removed after round 1.\n"),
              std::string::npos);
    // The game set Ann's rating to none; the later new, ended by a carriage return, set it again.
    EXPECT_NE(ReadFile(Output()).find("Elo \"2100\"]"), std::string::npos);
}

TEST_F(HostileInput, NulBytesAreOrdinaryCharacters)
{
    const std::string nulName("A\0B", 3);
    ExpectRound(Run("%new \"" + nulName + "\" \"1\"\n" + std::string("\0\0 \0\n", 5) +
                    "%new \"C\" \"2\"\n"),
                {nulName, "C"});
}

TEST_F(HostileInput, HugeTokensAndNestingEndQuicklyWithAShortMessage)
{
    const CVantorRun run = Run("\"" + std::string(20000000, 'a'));
    ExpectRefused(run, "unexpected string " + std::string(60, 'a') + "...\n");
    EXPECT_LT(run.m_Stderr.size(), 200u);

    const std::string game = NewLines({"Ann", "Bob"}) + "[White \"Ann\"][Black \"Bob\"]" +
                             "[Round \"1\"][Result \"1-0\"] 1. e4 ";
    const std::string deep(1000000, '(');
    ExpectRefused(Run(game + deep), "unexpected end of file");
    ExpectRound(Run(game + deep + std::string(1000000, ')') + " 1-0"), {"Ann", "Bob"});
}

TEST_F(HostileInput, UnterminatedStringCommentAndVariationAtTheEnd)
{
    const std::string players = NewLines({"Ann", "Bob"});
    ExpectRefused(Run(players + "\"Cid\nis late"), "unexpected string Cid...\n");
    ExpectRefused(Run(players + "[White \"Cid"), "']' expected");
    ExpectRound(Run(players + "{ %new \"Cid\" \"1\"\n"), {"Ann", "Bob"});
    ExpectRefused(Run(players + "[White \"Ann\"][Black \"Bob\"][Result \"1-0\"] 1. e4 (1. d4"),
                  "unexpected end of file");
}

TEST_F(HostileInput, NamesDifferingInCaseOrATrailingBlankAreDifferentParticipants)
{
    ExpectRound(Run(NewLines({"Ann", "ann", "Ann "})), WithBye({"Ann", "ann", "Ann "}));
}

// Fills in every result of a written round as a win for White.
std::string WhiteWinsAll(std::string round)
{
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{"\"*\"]", "\"1-0\"]"}, {"\n*\n", "\n1-0\n"}})
        for (std::size_t at = round.find(from); at != std::string::npos;
             at = round.find(from, at + to.size()))
            round.replace(at, from.size(), to);
    return round;
}

TEST_F(HostileInput, NamesWithControlCharactersQuotesAndBackslashesSurviveTwoRuns)
{
    // A name that spans lines cannot stand on an escape line, so all of them enter by games that
    // are still to be played.
    const Names names = {"Tab\there",  "Bell\x07",    "Line\nfeed", "Carriage\rreturn",
                         "Say \"hi\"", "Back\\slash", "\\\"",       "\x1b[1mBold"};
    std::string input;
    for (std::size_t k = 0; k < names.size(); k += 2)
        input += GameText(names[k], names[k + 1], "1", "*");
    ExpectRound(Run(input), names);

    // The played round appended to the tournament names the same participants again.
    const std::string played = WhiteWinsAll(ReadFile(Output()));
    ExpectRound(Run(input + played), names);
    EXPECT_NE(ReadFile(Output()).find("[Round \"2.1\"]"), std::string::npos);
}

// What a terminal would act on: no raw control character besides the line ends, and none of a
// name's escape sequences, raw or as a C1 control in UTF-8 or Latin-1.
void ExpectNothingActsOnATerminal(const std::string& shown)
{
    for (const char c : shown)
        EXPECT_TRUE(c == '\n' || (static_cast<unsigned char>(c) >= 0x20 && c != '\x7F')) << shown;
    for (const char* raw : {"\xC2\x9B", "Lone\x9B"})
        EXPECT_EQ(shown.find(raw), std::string::npos) << shown;
}

// A name that would set the window's title, move the cursor, erase a line or split a line: every
// text mode shows it written out, each message on one line, and the written round keeps its
// bytes.
TEST_F(HostileInput, NamesReachTheTerminalWrittenOut)
{
    const Names names = {"Title\x1B]0;pwned\x07",
                         "Up\x1B[1A\x1B[2K",
                         "Line\nfeed",
                         "Return\rhere",
                         "Csi\xC2\x9B"
                         "2J",
                         "Lone\x9B"
                         "2J",
                         "Del\x7F",
                         std::string("Nul\0", 4)};
    const std::string late = "Late\x1B[2J";
    const std::string renamed = std::string("Bell\x07") + "Ann";
    std::string input = NewLines({"Ann"}) + GameText("Ann", "BYE", "1");
    for (std::size_t k = 0; k < names.size(); k += 2)
        input += GameText(names[k], names[k + 1], "1");
    // A late entry in round 2 and a rename are announced on the console.
    input += GameText(late, "Ann", "2") + "%replace \"Ann\" \"" + renamed + "\"\n";
    const CVantorRun pairing = Run(input);
    Names everyone = names;
    everyone.insert(everyone.end(), {late, renamed});
    ExpectRound(pairing, everyone);
    EXPECT_NE(pairing.m_Stderr.find("\"Title\\x1B]0;pwned\\x07\" was never announced"),
              std::string::npos)
        << pairing.m_Stderr;
    EXPECT_NE(pairing.m_Stdout.find("New participant Late\\x1B[2J entered"), std::string::npos)
        << pairing.m_Stdout;
    EXPECT_NE(pairing.m_Stdout.find("Participant Ann has been replaced by Bell\\x07Ann"),
              std::string::npos)
        << pairing.m_Stdout;
    std::vector<CVantorRun> runs{pairing};
    for (const char* mode : {"--check", "--standings", "--audit"})
        runs.push_back(RunVantor({mode, m_Input}, m_Folder));
    // A refusal quotes the names too.
    runs.push_back(Run(input + "%replace \"Up\x1B[1A\x1B[2K\" \"Title\x1B]0;pwned\x07\"\n"));
    EXPECT_EQ(runs.back().m_Status, 1);
    for (const CVantorRun& run : runs)
    {
        ExpectNothingActsOnATerminal(run.m_Stdout);
        ExpectNothingActsOnATerminal(run.m_Stderr);
    }
}

TEST_F(HostileInput, RoundsFromZeroToOneThousandAreAccepted)
{
    ExpectRound(Run(GameText("Ann", "Bob", "1000")), {"Ann", "Bob"});
    EXPECT_NE(ReadFile(Output()).find("[Round \"1001.1\"]"), std::string::npos);
    for (const char* round : {"1001", "-1", "99999999999"})
    {
        SCOPED_TRACE(round);
        ExpectRefused(Run(GameText("Ann", "Bob", round)), "'Round' out of range");
    }
}

TEST_F(HostileInput, AHugeRatingIsKeptAtTheLargestOne)
{
    ExpectRound(Run("[White \"Ann\"][WhiteElo \"99999999999\"][Black \"Bob\"][Result \"1-0\"] 1-0"),
                {"Ann", "Bob"});
    EXPECT_NE(ReadFile(Output()).find("Elo \"2147483647\"]"), std::string::npos);
}

const Names WeightKeywords = {"PairRepeated", "Colour2", "Colour3", "Float1", "Float2",    "Float3",
                              "ScoreBYE",     "Score",   "Colour",  "Rank",   "ColourRank"};

TEST_F(HostileInput, AnyWeightsStillGiveACompleteRound)
{
    // "nan" and "inf" are no numbers and read as 0; 1e999 is an infinity.
    for (const char* value : {"0", "nan", "inf", "-5", "1e999", "-1e999"})
    {
        SCOPED_TRACE(value);
        std::string weights;
        for (const std::string& keyword : WeightKeywords)
            weights += "%" + keyword + " \"" + value + "\"\n";
        ExpectRound(Run(NineAfterOneRound() + weights + "%Debug \"1\"\n"), WithBye(Nine));
    }
    for (const std::string& keyword : WeightKeywords)
        for (const char* value : {"1e999", "-1e999"})
        {
            SCOPED_TRACE(keyword + " " + value);
            ExpectRound(Run(NineAfterOneRound() + "%" + keyword + " \"" + value + "\"\n"),
                        WithBye(Nine));
        }
}

TEST_F(HostileInput, SeedZeroActsAsOneAndANegativeSeedIsReproducible)
{
    ExpectRound(Run(NineAfterOneRound() + "%Seed \"1\"\n"), WithBye(Nine));
    const std::string seedOne = ReadFile(Output());
    ExpectRound(Run(NineAfterOneRound() + "%Seed \"0\"\n"), WithBye(Nine));
    EXPECT_EQ(ReadFile(Output()), seedOne);

    ExpectRound(Run(NineAfterOneRound() + "%Seed \"-2147483648\"\n"), WithBye(Nine));
    const std::string negative = ReadFile(Output());
    ExpectRound(Run(NineAfterOneRound() + "%Seed \"-2147483648\"\n"), WithBye(Nine));
    EXPECT_EQ(ReadFile(Output()), negative);
}

TEST_F(HostileInput, CommandsOnTheReservedRecordsAreIgnored)
{
    ExpectRound(Run(NineAfterOneRound()), WithBye(Nine));
    const std::string plain = ReadFile(Output());
    const std::string placeholder = "***   :-) ;-)   ***";
    const std::string reserved = " is the name of a reserved record.\n";
    const std::vector<std::pair<std::string, std::string>> commands = {
        {"%remove \"BYE\"", "Command remove ignored: BYE" + reserved},
        {"%comeback \"" + placeholder + "\"",
         "Command comeback ignored: " + placeholder + reserved},
        {"%replace \"P2\" \"BYE\"", "Command replace ignored: BYE" + reserved},
        {"%replace \"BYE\" \"P10\"", "Command replace ignored: BYE" + reserved},
        {"%replace \"" + placeholder + "\" \"P10\"",
         "Command replace ignored: " + placeholder + reserved}};
    for (const auto& [command, message] : commands)
    {
        SCOPED_TRACE(command);
        const CVantorRun run = Run(NineAfterOneRound() + command + "\n");
        ExpectRound(run, WithBye(Nine));
        EXPECT_EQ(ReadFile(Output()), plain);
        EXPECT_NE(run.m_Stdout.find(message), std::string::npos) << run.m_Stdout;
    }
}

TEST_F(HostileInput, AGameAgainstOneselfStillGivesACompleteRound)
{
    ExpectRound(Run(NineAfterOneRound() + GameText("P1", "P1", "2")), WithBye(Nine));
}

TEST_F(HostileInput, AFailingRunLeavesItsOwnInputAsItWas)
{
    const std::string bytes = NewLines(Nine) + "[White \"P1\"] *\n";
    const std::string file = m_Folder.Write("tournament.pgn", bytes);
    for (const std::string& output : {file, Output()})
    {
        const CVantorRun run = RunVantor({file, output}, m_Folder);
        EXPECT_EQ(run.m_Status, 1);
        EXPECT_NE(run.m_Stderr.find(output == file ? "it is the input file" : "'Black' missing"),
                  std::string::npos)
            << run.m_Stderr;
        EXPECT_EQ(ReadFile(file), bytes);
    }
}

TEST_F(HostileInput, AConsoleThatHasGoneAwayDoesNotStopTheRound)
{
    int pipeEnds[2] = {-1, -1};
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ::close(pipeEnds[0]);
    const std::string input = m_Folder.Write("in.pgn", NineAfterOneRound());
    const CVantorRun run = RunVantor({input, Output()}, m_Folder, pipeEnds[1]);
    ::close(pipeEnds[1]);
    EXPECT_EQ(run.m_Status, 0);
    Names written;
    EXPECT_TRUE(ReadBoardNames(Output(), written));
    EXPECT_EQ(written.size(), 10u);
}

TEST_F(HostileInput, ThirtyThousandParticipantsAreReadOneMoreIsRefused)
{
    Names names;
    for (int k = 0; k < 30000; ++k)
        names.push_back(std::to_string(k));
    // Read, not paired: the check says what it read.
    const CVantorRun check =
        RunVantor({"--check", m_Folder.Write("in.pgn", NewLines(names))}, m_Folder);
    EXPECT_EQ(check.m_Status, 0) << check.m_Stderr;
    EXPECT_NE(check.m_Stdout.find(": 30000 participants, 30000 present"), std::string::npos)
        << check.m_Stdout;
    names.push_back("30000");
    ExpectRefused(Run(NewLines(names)), "more than 30000 participants");
}
} // namespace
