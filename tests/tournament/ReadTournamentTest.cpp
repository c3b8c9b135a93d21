#include "support/GameText.h"
#include "support/SimulatedTournament.h"
#include "support/TemporaryFolder.h"
#include "tournament/ReservedRecords.h"
#include "tournament/RoundOutcome.h"
#include "tournament/Vantor.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{
struct CReading
{
    bool m_Ok = false;
    std::string m_Stdout;
    std::string m_Stderr;
};

class ReadTournament : public ::testing::Test
{
protected:
    CReading Read(const std::string& bytes)
    {
        const std::string path = m_Folder.Write("in.pgn", bytes);
        CReading reading;
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        reading.m_Ok = m_Tournament.ReadTournament(path.c_str());
        reading.m_Stderr = ::testing::internal::GetCapturedStderr();
        reading.m_Stdout = ::testing::internal::GetCapturedStdout();
        for (std::size_t name = reading.m_Stderr.find(path); name != std::string::npos;
             name = reading.m_Stderr.find(path, name))
            reading.m_Stderr.replace(name, path.size(), "in.pgn");
        return reading;
    }

    const CParticipant& Named(const std::string& name)
    {
        return m_Tournament.m_Participants[static_cast<std::size_t>(m_Tournament.m_Index.at(name))];
    }

    std::vector<int> OpponentsOf(const std::string& name)
    {
        std::vector<int> opponents;
        for (const CRoundEntry& entry : Named(name).m_History)
            opponents.push_back(entry.m_Opponent);
        return opponents;
    }

    CTemporaryFolder m_Folder;
    CVantor m_Tournament;
};

TEST_F(ReadTournament, AnEmptyFileHoldsOnlyTheReservedRecords)
{
    const CReading reading = Read("");
    EXPECT_TRUE(reading.m_Ok);
    ASSERT_EQ(m_Tournament.m_Participants.size(), 2u);
    EXPECT_EQ(m_Tournament.m_Participants[0].m_Name, PlaceholderName);
    EXPECT_TRUE(m_Tournament.m_Participants[0].m_Absent);
    EXPECT_EQ(m_Tournament.m_Participants[1].m_Name, "BYE");
    EXPECT_FALSE(m_Tournament.m_Participants[1].m_Absent);
    EXPECT_EQ(reading.m_Stdout, "");
}

// The benchmarks time the reading of tournaments built in memory and written as input files, so
// the file must hold that tournament: byes, rounds missed, the absent, every result.
TEST_F(ReadTournament, ATournamentWrittenAsInputReadsBackAsItWasBuilt)
{
    CVantor built;
    StartField(built, 31);
    BuildHistory(built, 5);
    std::ostringstream file;
    WriteAsInput(built, file);
    ASSERT_TRUE(Read(file.str()).m_Ok);
    ASSERT_EQ(m_Tournament.m_Participants.size(), built.m_Participants.size());
    for (std::size_t index = FirstParticipant; index < built.m_Participants.size(); ++index)
    {
        const CParticipant& expected = built.m_Participants[index];
        const CParticipant& read = m_Tournament.m_Participants[index];
        SCOPED_TRACE(expected.m_Name);
        EXPECT_EQ(read.m_Name, expected.m_Name);
        EXPECT_EQ(read.m_Elo, expected.m_Elo);
        EXPECT_EQ(read.m_Absent, expected.m_Absent);
        ASSERT_EQ(read.m_History.size(), expected.m_History.size());
        for (std::size_t round = 0; round < expected.m_History.size(); ++round)
        {
            EXPECT_EQ(read.m_History[round].m_Opponent, expected.m_History[round].m_Opponent);
            EXPECT_EQ(read.m_History[round].m_Points, expected.m_History[round].m_Points);
            EXPECT_EQ(read.m_History[round].m_White, expected.m_History[round].m_White);
        }
    }
}

TEST_F(ReadTournament, ResultsAreStoredFromBothSides)
{
    ASSERT_TRUE(Read(GameText("A", "B", "1", "1-0") + GameText("C", "D", "1", "1/2-1/2") +
                     GameText("E", "F", "1", "0-1") +
                     GameText("G", "H", "1", "*", "[WhiteElo \"1500\"]\n"))
                    .m_Ok);
    const auto entry = [&](const std::string& name) { return Named(name).m_History.at(0); };
    EXPECT_EQ(entry("A").m_Points, 2);
    EXPECT_TRUE(entry("A").m_White);
    EXPECT_EQ(entry("A").m_Opponent, m_Tournament.m_Index.at("B"));
    EXPECT_EQ(entry("B").m_Points, 0);
    EXPECT_FALSE(entry("B").m_White);
    EXPECT_EQ(entry("C").m_Points, 1);
    EXPECT_EQ(entry("D").m_Points, 1);
    EXPECT_EQ(entry("E").m_Points, 0);
    EXPECT_EQ(entry("F").m_Points, 2);
    // An unplayed game makes its participants known and rated, nothing more.
    EXPECT_TRUE(Named("G").m_History.empty());
    EXPECT_EQ(Named("G").m_Elo, 1500);
    EXPECT_EQ(m_Tournament.m_Participants.size(), 10u);
}

TEST_F(ReadTournament, RoundsPlaceGamesAndGapsBecomeFillEntries)
{
    ASSERT_TRUE(Read(GameText("A", "B", "1.1", "1-0") + GameText("A", "C", "3.2", "1-0") +
                     GameText("B", "C", "?", "0-1") + GameText("B", "A", "", "0-1"))
                    .m_Ok);
    const int b = m_Tournament.m_Index.at("B");
    const int c = m_Tournament.m_Index.at("C");
    // A: round 1 and 3 from their tags, then the game without a round appended as round 4.
    EXPECT_EQ(OpponentsOf("A"), (std::vector<int>{b, 0, c, b}));
    // B: round 1, then two games without a usable round appended one after the other.
    EXPECT_EQ(OpponentsOf("B"),
              (std::vector<int>{m_Tournament.m_Index.at("A"), c, m_Tournament.m_Index.at("A")}));
}

TEST_F(ReadTournament, AByeGameGivesOnlyTheReceiverAnEntry)
{
    ASSERT_TRUE(Read(GameText("A", "BYE", "1", "1-0") + GameText("BYE", "C", "1", "0-1")).m_Ok);
    EXPECT_EQ(OpponentsOf("A"), std::vector<int>{ByeRecord});
    EXPECT_EQ(Named("C").m_History.at(0).m_Points, 2);
    EXPECT_TRUE(m_Tournament.m_Participants[ByeRecord].m_History.empty());
}

TEST_F(ReadTournament, ParticipantListMessagesNameTheLatestRound)
{
    const CReading reading =
        Read("%new \"Early\" \"1800\"\n%remove \"Early\"\n%comeback \"Early\"\n"
             "%replace \"Early\" \"Earlier\"\n" +
             GameText("A", "B", "1", "1-0") + GameText("C", "D", "2", "1-0") +
             GameText("E", "A", "2", "1-0") +
             "%new \"Late\" \"0\"\n%remove \"C\"\n%comeback \"C\"\n%replace \"D\" \"Dee\"\n" +
             GameText("F", "G", "3", "1-0"));
    ASSERT_TRUE(reading.m_Ok);
    EXPECT_EQ(reading.m_Stdout, "Participant Early has been removed.\n"
                                "Participant Early has returned to the tournament.\n"
                                "Participant Early has been replaced by Earlier.\n"
                                // The game's own round counts: C and D are new in round 2.
                                "New participant C entered the tournament in round 2as white.\n"
                                "New participant D entered the tournament in round 2as black.\n"
                                "New participant E entered the tournament in round 2as white.\n"
                                "New participant Late entered the tournament after round 2.\n"
                                "Participant C has been removed after round 2.\n"
                                "Participant C has returned to the tournament after round 2.\n"
                                "Participant D has been replaced by Dee after round 2.\n"
                                "New participant F entered the tournament in round 3as white.\n"
                                "New participant G entered the tournament in round 3as black.\n");
    EXPECT_EQ(Named("Early").m_Elo, 1800);
    EXPECT_EQ(Named("Late").m_Elo, 0);
}

TEST_F(ReadTournament, GamesUnderTheOldAndTheNewNameReachTheSameParticipant)
{
    ASSERT_TRUE(Read(GameText("A", "B", "1", "1-0") + "%replace \"A\" \"C\" \"ignored\"\n" +
                     GameText("C", "D", "2", "1-0") + GameText("E", "A", "3", "0-1"))
                    .m_Ok);
    EXPECT_EQ(m_Tournament.m_Index.at("A"), m_Tournament.m_Index.at("C"));
    EXPECT_EQ(Named("A").m_Name, "C");
    EXPECT_EQ(Named("C").m_History.size(), 3u);
}

TEST_F(ReadTournament, ParametersTakeTheirLastValue)
{
    ASSERT_TRUE(Read("%Debug \"2\"\n%Seed \"-17\"\n%Colour \"3.5\"\n%Colour \"4.5\"\n"
                     "%ColourRank \"x\"\n%debug \"0\"\n%Score \"1e2\"\n%Unknown \"5\"\n")
                    .m_Ok);
    const CParameters& parameters = m_Tournament.m_Parameters;
    EXPECT_TRUE(parameters.m_Debug);
    EXPECT_EQ(parameters.m_Seed, -17);
    EXPECT_EQ(parameters.m_Colour, 4.5);
    EXPECT_EQ(parameters.m_ColourRank, 0.0);
    EXPECT_EQ(parameters.m_Score, 100.0);
    EXPECT_EQ(parameters.m_PairRepeated, 99999.9);
    EXPECT_EQ(m_Tournament.m_Participants.size(), 2u);

    ASSERT_TRUE(Read("%Debug \"0\"\n").m_Ok);
    EXPECT_FALSE(m_Tournament.m_Parameters.m_Debug);
    ASSERT_TRUE(Read("%Debug \"2\"\n%Debug \"yes\"\n").m_Ok);
    EXPECT_FALSE(m_Tournament.m_Parameters.m_Debug);
}

TEST_F(ReadTournament, EveryGameOverwritesBothRatings)
{
    ASSERT_TRUE(Read(GameText("A", "B", "1", "1-0", "[WhiteElo \"2100\"]\n[BlackElo \"1900\"]\n") +
                     GameText("A", "C", "2", "1-0", "[BlackElo \"99999999999\"]\n"))
                    .m_Ok);
    EXPECT_EQ(Named("A").m_Elo, 0);
    EXPECT_EQ(Named("B").m_Elo, 1900);
    EXPECT_EQ(Named("C").m_Elo, 2147483647);
}

TEST_F(ReadTournament, RoundsBelowZeroOrAboveOneThousandAreRefused)
{
    ASSERT_TRUE(Read(GameText("A", "B", "1000", "1-0")).m_Ok);
    for (const char* round : {"-1", "1001", "99999999999", "20261209"})
    {
        const CReading reading = Read("%new \"X\" \"0\"\n" + GameText("A", "B", "1", "1-0") +
                                      GameText("A", "C", round, "1-0"));
        EXPECT_FALSE(reading.m_Ok) << round;
        EXPECT_TRUE(reading.m_Stderr.ends_with(
            "info string PGN-Parser: file in.pgn line 13 char 0: 'Round' out of range (in "
            "game above current line)\n"))
            << reading.m_Stderr;
        EXPECT_EQ(Named("A").m_History.size(), 1u);
    }
}

TEST_F(ReadTournament, ReadingStopsAtTheFirstDiagnosticKeepingWhatCameBefore)
{
    const CReading reading =
        Read("%remove \"A\"\n" + GameText("A", "B", "1", "1-0") + "[White 5]\n");
    EXPECT_FALSE(reading.m_Ok);
    EXPECT_EQ(reading.m_Stdout, "Participant A has been removed.\n");
    EXPECT_TRUE(reading.m_Stderr.ends_with(
        "info string PGN-Parser: file in.pgn line 8 char 9: string expected\n"))
        << reading.m_Stderr;
    EXPECT_EQ(Named("A").m_History.size(), 1u);
}

TEST_F(ReadTournament, AMissingFileOrAFolderCannotBeOpened)
{
    EXPECT_FALSE(m_Tournament.ReadTournament(m_Folder.Path("missing.pgn").c_str()));
    EXPECT_EQ(m_Tournament.m_Participants.size(), 2u);
    ::testing::internal::CaptureStderr();
    const bool folder = m_Tournament.ReadTournament(m_Folder.Path("").c_str());
    const std::string diagnostic = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(folder);
    EXPECT_NE(diagnostic.find("line 1 char 0: Cannot open file"), std::string::npos) << diagnostic;
}
} // namespace

// A forfeit reads as what the rules make of it (a won game of the winner against BYE, nothing
// for the one who did not come; nothing for anybody after a double forfeit), and the program's
// own tags add what only the reports need. Tags that do not fit are warned about and left aside.
TEST_F(ReadTournament, ForfeitsAndRequestedByesReadAsTheRulesMeanThem)
{
    const CReading reading =
        Read("%new \"A\" \"1\"\n%new \"B\" \"1\"\n%new \"C\" \"1\"\n%new \"D\" \"1\"\n"
             "%new \"E\" \"1\"\n%new \"F\" \"1\"\n%new \"G\" \"1\"\n%new \"H\" \"1\"\n" +
             GameText("A", "BYE", "1.1", "1-0", "[Forfeit \"+-\"]\n[PairedBlack \"B\"]\n") +
             GameText("BYE", "D", "1.2", "0-1", "[Forfeit \"-+\"]\n[PairedWhite \"C\"]\n") +
             GameText("E", "F", "1.3", "*", "[Forfeit \"--\"]\n") +
             GameText("G", "BYE", "1.4", "1/2-1/2", "[Bye \"requested\"]\n") +
             GameText("H", "BYE", "1.5", "1-0") +
             // Line 45: a forfeit tag on a game between two participants.
             GameText("A", "B", "2.1", "1-0", "[Forfeit \"+-\"]\n") +
             // Line 52: a loser whom the tournament does not know, and one who played that round.
             GameText("C", "BYE", "2.2", "1-0", "[Forfeit \"+-\"]\n[PairedBlack \"Dx\"]\n") +
             GameText("E", "G", "2.3", "1-0") +
             GameText("H", "BYE", "2.4", "1-0", "[Forfeit \"+-\"]\n[PairedBlack \"G\"]\n"));
    ASSERT_TRUE(reading.m_Ok);
    EXPECT_EQ(reading.m_Stderr,
              "warning: file in.pgn line 45: the game \"A\" - \"B\": [Forfeit \"+-\"] fits only a "
              "won game against BYE with PairedBlack or PairedWhite (+- and -+), or a game left "
              "at * (--); read as its result says\n"
              "warning: file in.pgn line 52: PairedBlack \"Dx\" names no participant: the "
              "forfeit counts for the winner alone\n"
              "warning: file in.pgn line 66: \"G\" did not come to a board of round 2, and has a "
              "game in it (line 60): the game counts\n");

    struct CExpected
    {
        const char* m_Name;
        int m_Round;
        ERoundKind m_Kind;
        const char* m_Opponent; // by name; "" for none
        int m_Points;
        int m_Board;
    };
    const std::vector<CExpected> rows{
        {"A", 1, ERoundKind::ForfeitWin, "B", 2, 1},
        {"B", 1, ERoundKind::ForfeitLoss, "A", 0, 1},
        {"C", 1, ERoundKind::ForfeitLoss, "D", 0, 2},
        {"D", 1, ERoundKind::ForfeitWin, "C", 2, 2},
        {"E", 1, ERoundKind::DoubleForfeit, "F", 0, 3},
        {"F", 1, ERoundKind::DoubleForfeit, "E", 0, 3},
        {"G", 1, ERoundKind::RequestedBye, "BYE", 1, 4},
        {"H", 1, ERoundKind::PairingBye, "BYE", 2, 5},
        {"A", 2, ERoundKind::Played, "B", 2, 1},
        {"B", 2, ERoundKind::Played, "A", 0, 1},
        {"C", 2, ERoundKind::ForfeitWin, "", 2, 2},
        {"G", 2, ERoundKind::Played, "E", 0, 3},
        {"H", 2, ERoundKind::ForfeitWin, "G", 2, 4},
        {"A", 3, ERoundKind::NoGame, "", 0, 0},
    };
    for (const CExpected& row : rows)
    {
        const CRoundOutcome outcome = RoundOutcome(Named(row.m_Name), row.m_Round);
        const std::string opponent = *row.m_Opponent == '\0' ? PlaceholderName : row.m_Opponent;
        EXPECT_EQ(outcome.m_Kind, row.m_Kind) << row.m_Name << " in round " << row.m_Round;
        EXPECT_EQ(outcome.m_Opponent, m_Tournament.m_Index.at(opponent)) << row.m_Name;
        EXPECT_EQ(outcome.m_Points, row.m_Points) << row.m_Name;
        EXPECT_EQ(outcome.m_Board, row.m_Board) << row.m_Name;
    }
    // What the pairing reads is the history alone: the winners had a bye, the others nothing.
    EXPECT_EQ(OpponentsOf("A"), (std::vector<int>{ByeRecord, m_Tournament.m_Index.at("B")}));
    EXPECT_EQ(OpponentsOf("B"),
              (std::vector<int>{PlaceholderRecord, m_Tournament.m_Index.at("A")}));
    EXPECT_TRUE(Named("F").m_History.empty());
    EXPECT_FALSE(m_Tournament.m_Index.contains("Dx"));
}
