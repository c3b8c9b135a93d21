#include "HostileInput.h"

#include <unistd.h>

#include <cstdint>

namespace
{
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
