#include "support/ReadBoardNames.h"
#include "support/RunVantor.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace
{
struct CBoard
{
    std::string m_White;
    std::string m_Black;
};

std::vector<CBoard> BoardsOf(const std::string& path)
{
    std::vector<std::string> names;
    EXPECT_TRUE(ReadBoardNames(path, names));
    std::vector<CBoard> boards;
    for (std::size_t k = 0; k + 1 < names.size(); k += 2)
        boards.push_back({names[k], names[k + 1]});
    return boards;
}

// Fills in a written round: White wins on odd boards, every third board is drawn, Black wins
// the rest; byes are already won.
std::string PlayRound(const std::string& round)
{
    std::string played;
    int board = 0;
    for (std::size_t start = 0; start < round.size();)
    {
        std::size_t end = round.find("\n\n", start);
        end = end == std::string::npos ? round.size() : end + 2;
        std::string text = round.substr(start, end - start);
        ++board;
        const char* result = board % 3 == 0 ? "1/2-1/2" : (board % 2 == 1 ? "1-0" : "0-1");
        const std::size_t tag = text.find("[Result \"*\"]\n*\n");
        if (tag != std::string::npos)
            text.replace(tag, 14, "[Result \"" + std::string(result) + "\"]\n" + result + "\n");
        played += text;
        start = end;
    }
    return played;
}

TEST(TournamentSimulation, NineRoundsOfThirtyThroughTheProgram)
{
    const CTemporaryFolder folder;
    std::string tournament;
    std::set<std::string> present;
    for (int k = 1; k <= 30; ++k)
    {
        const std::string name = "Player " + std::to_string(k);
        tournament += "%new \"" + name + "\" \"" + std::to_string(2400 - 13 * k) + "\"\n";
        present.insert(name);
    }
    std::set<std::pair<std::string, std::string>> met;
    std::set<std::string> hadBye;
    for (int round = 1; round <= 9; ++round)
    {
        const auto change = [&](const std::string& command, const std::string& name)
        {
            tournament += "%" + command + " \"" + name + "\" \"1500\"\n";
            if (command == "remove")
                present.erase(name);
            else
                present.insert(name);
        };
        if (round == 3)
            change("new", "Late Entry");
        if (round == 4)
            change("remove", "Player 7");
        if (round == 6)
            change("comeback", "Player 7");
        if (round == 7)
            change("remove", "Player 12");

        const std::string input = folder.Write("tournament.pgn", tournament);
        const CVantorRun run = RunVantor({input, folder.Path("round.pgn")}, folder);
        ASSERT_EQ(run.m_Status, 0) << run.m_Stderr;

        std::map<std::string, int> boardsOf;
        for (const CBoard& board : BoardsOf(folder.Path("round.pgn")))
        {
            ++boardsOf[board.m_White];
            ++boardsOf[board.m_Black];
            if (board.m_White == "BYE" || board.m_Black == "BYE")
            {
                const std::string& receiver =
                    board.m_White == "BYE" ? board.m_Black : board.m_White;
                EXPECT_TRUE(hadBye.insert(receiver).second) << receiver << " round " << round;
                continue;
            }
            EXPECT_TRUE(met.insert(std::minmax(board.m_White, board.m_Black)).second)
                << board.m_White << " - " << board.m_Black << " again in round " << round;
        }
        boardsOf.erase("BYE");
        std::set<std::string> paired;
        for (const auto& [name, count] : boardsOf)
        {
            EXPECT_EQ(count, 1) << name << " round " << round;
            paired.insert(name);
        }
        EXPECT_EQ(paired, present) << "round " << round;
        tournament += PlayRound(ReadFile(folder.Path("round.pgn")));
    }
}
} // namespace
