#include "HostileInput.h"

#include <string>
#include <utility>

// Names as hostile as the file may hold them: they stay distinct, survive two runs and never act
// on a terminal.
namespace
{
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
} // namespace
