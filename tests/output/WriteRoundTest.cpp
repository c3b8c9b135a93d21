#include "output/WriteRound.h"
#include "support/TournamentTest.h"

#include <gtest/gtest.h>

#include <sstream>

namespace
{
// Five participants after four rounds, placed by hand: Alpha (2105) and Beta (unrated) at the
// top, Gamma with the bye, Delta and Epsilon on the last board.
class WriteRound : public CTournamentTest
{
protected:
    void SetUp() override
    {
        m_Tournament.ResetToReservedRecords();
        for (const char* name : {"Alpha", "Beta", "Gamma", "Delta", "Epsilon"})
            m_Tournament.GetIndex(name);
        for (CParticipant& participant : m_Tournament.m_Participants)
            participant.m_History.assign(4, CRoundEntry{});
        m_Tournament.m_Participants[2].m_Elo = 2105;
        m_Tournament.m_Order = {0, 1, 4, 2, 3, 5, 6};
        for (std::size_t position = 2; position < 7; ++position)
            Record(m_Tournament.m_Order[position]).m_Place = static_cast<int>(position);
        Record(ByeRecord).m_Place = 14;
        Pair(2, 3, true);
        Pair(4, ByeRecord, true);
        Pair(6, 5, false);
    }

    std::string Written()
    {
        std::ostringstream stream;
        EXPECT_TRUE(::WriteRound(stream, m_Tournament));
        return stream.str();
    }
};

const char* const Header = "[Event \"swiss pairing\"]\n[Site \"my computer\"]\n[Date \"?\"]\n";

TEST_F(WriteRound, BoardsFollowTheBetterPlacedMemberAndTheByeIsAWonGame)
{
    const std::string expected =
        std::string(Header) + "[White \"Gamma\"]\n[Black \"BYE\"]\n[Round \"5.1\"]\n" +
        "[Result \"1-0\"]\n1-0\n\n" + Header +
        "[White \"Alpha\"]\n[WhiteElo \"2105\"]\n[Black \"Beta\"]\n[Round \"5.2\"]\n" +
        "[Result \"*\"]\n*\n\n" + Header +
        "[White \"Delta\"]\n[Black \"Epsilon\"]\n[Round \"5.3\"]\n[Result \"*\"]\n*\n\n";
    EXPECT_EQ(Written(), expected);
}

TEST_F(WriteRound, AByeReceivedAsBlackPutsTheByeRecordOnWhite)
{
    Pair(4, ByeRecord, false);
    Record(ByeRecord).m_Elo = 1;
    const std::string text = Written();
    EXPECT_NE(text.find("[White \"BYE\"]\n[WhiteElo \"1\"]\n[Black \"Gamma\"]\n[Round \"5.1\"]\n"
                        "[Result \"0-1\"]\n0-1\n\n"),
              std::string::npos)
        << text;
}

TEST_F(WriteRound, AbsentParticipantsAndNonPositiveRatingsAreLeftOut)
{
    Record(5).m_Absent = true;
    Record(6).m_Absent = true;
    Record(3).m_Elo = -5;
    const std::string text = Written();
    EXPECT_EQ(text.find("Delta"), std::string::npos);
    EXPECT_EQ(text.find("Epsilon"), std::string::npos);
    EXPECT_EQ(text.find("BlackElo"), std::string::npos);
    EXPECT_NE(text.find("[Round \"5.2\"]"), std::string::npos);
    EXPECT_EQ(text.find("[Round \"5.3\"]"), std::string::npos);
}

TEST_F(WriteRound, NamesWithQuotesAndBackslashesAreEscaped)
{
    Record(2).m_Name = "O\"Neil \\ Jr";
    EXPECT_NE(Written().find("[White \"O\\\"Neil \\\\ Jr\"]\n"), std::string::npos);
}

TEST_F(WriteRound, NothingIsWrittenWithoutPresentParticipants)
{
    for (int index = 2; index <= 6; ++index)
        Record(index).m_Absent = true;
    EXPECT_EQ(Written(), "");
}

TEST_F(WriteRound, DebugCommentsFollowTheResultTag)
{
    m_Tournament.m_Parameters.m_Debug = true;
    const std::string text = Written();
    EXPECT_NE(text.find("[Result \"1-0\"]\n{ value:"), std::string::npos);
    EXPECT_NE(text.find("W }\n{ value:    0.00; score:  0.0; rank:  0;"), std::string::npos)
        << text;
    EXPECT_NE(text.find("B }\n1-0\n\n"), std::string::npos);
}

TEST_F(WriteRound, DebugLineOfAParticipantAndOfTheByeRecord)
{
    CParticipant& p = Record(4);
    p.m_Pairing = {5, false, 12.34};
    p.m_Points = 5;
    p.m_Place = 4;
    p.m_WhiteGames = 2;
    p.m_BlackGames = 1;
    p.m_PrevFloat = 0;
    p.m_LastFloat = 1;
    p.m_History = {{3, 2, true}, {5, 1, false}, {ByeRecord, 2, true}, {6, 0, true}};
    Record(5).m_Points = 4;

    std::ostringstream line;
    WriteDebugComment(line, m_Tournament, p);
    EXPECT_EQ(line.str(), "{ value:   12.34; score:  2.5; rank:  3; W:  2; B:  1; -dD wb-wB }\n");

    CParticipant& bye = Record(ByeRecord);
    bye.m_Pairing = {4, true, 0.0};
    std::ostringstream byeLine;
    WriteDebugComment(byeLine, m_Tournament, bye);
    EXPECT_EQ(byeLine.str(),
              "{ value:    0.00; score:  0.0; rank:  0; W:  0; B:  0; --U ----W }\n");
}

TEST_F(WriteRound, HugeCostsWidenTheValueField)
{
    CParticipant& p = Record(2);
    p.m_Pairing.m_Cost = 1e300;
    p.m_History.clear();
    p.m_PrevFloat = -1;
    std::ostringstream line;
    WriteDebugComment(line, m_Tournament, p);
    const std::string text = line.str();
    ASSERT_EQ(text.rfind("{ value:1", 0), 0u) << text;
    EXPECT_EQ(text.find('.'), std::string("{ value:").size() + 301u); // 1e300 has 301 digits
    EXPECT_NE(text.find("; score:  0.0; rank:  2; W:  0; B:  0; u-- W }\n"), std::string::npos);
}
} // namespace
