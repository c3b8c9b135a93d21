#include "reports/PairingList.h"

#include "pgn/PgnReader.h"
#include "reports/EventTitle.h"
#include "reports/PointsText.h"
#include "tournament/ReadNumber.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

bool CListedBoard::IsBye() const
{
    return m_Black == ByeRecord;
}

std::vector<std::string> PairingsHeader()
{
    return {"Board",  "No.", "White", "Rating", "Points",
            "Result", "No.", "Black", "Rating", "Points"};
}

std::string ResultInPoints(const CListedBoard& board)
{
    static constexpr std::array<const char*, 7> Games{"", "1-0", "0-1", "½-½", "1-0", "0-1", "0-0"};
    static constexpr std::array<const char*, 7> Byes{"", "1", "0", "½", "1", "0", "0"};
    return (board.IsBye() ? Byes : Games)[static_cast<std::size_t>(board.m_Result)];
}

const char* BoardKind(const CListedBoard& board)
{
    if (board.IsBye())
        return board.m_RequestedBye ? "requested bye" : "bye";
    const bool forfeit = board.m_Result == EBoardResult::WhiteForfeitWin ||
                         board.m_Result == EBoardResult::BlackForfeitWin ||
                         board.m_Result == EBoardResult::DoubleForfeit;
    return forfeit ? "forfeit" : "";
}

std::vector<std::string> BoardCells(const CVantor& tournament, const std::vector<int>& numbers,
                                    const CListedBoard& board)
{
    const auto player = [&](int index, std::vector<std::string>& cells)
    {
        const CParticipant& participant =
            tournament.m_Participants[static_cast<std::size_t>(index)];
        cells.push_back(std::to_string(numbers[static_cast<std::size_t>(index)]));
        cells.push_back(participant.m_Name);
        cells.push_back(std::to_string(participant.m_Elo));
        cells.push_back(HalfPointsText(Score(participant)));
    };
    std::vector<std::string> cells{std::to_string(board.m_Board)};
    player(board.m_White, cells);
    const bool forfeit = std::string_view(BoardKind(board)) == "forfeit";
    cells.push_back(forfeit ? ResultNotation(board.m_Result) : ResultInPoints(board));
    if (board.IsBye())
        cells.insert(cells.end(), {"", BoardKind(board), "", ""});
    else
        player(board.m_Black, cells);
    return cells;
}

std::string PairingsTitle(const CEvent& event, int round)
{
    return Titled(event, "pairings of " + RoundOf(event, round));
}

namespace
{
// The result seen from the other side of the board.
EBoardResult Swapped(EBoardResult result)
{
    switch (result)
    {
    case EBoardResult::WhiteWins:
        return EBoardResult::BlackWins;
    case EBoardResult::BlackWins:
        return EBoardResult::WhiteWins;
    case EBoardResult::WhiteForfeitWin:
        return EBoardResult::BlackForfeitWin;
    case EBoardResult::BlackForfeitWin:
        return EBoardResult::WhiteForfeitWin;
    default:
        return result;
    }
}

class CListReading
{
public:
    CListReading(CPgnReader& reader, const CVantor& tournament, CPairingList& list)
        : m_Reader(reader), m_Tournament(tournament), m_List(list)
    {
    }

    bool ReadAll()
    {
        CPgnGame game;
        while (m_Reader.ReadGame(game))
            if (game.count("%") == 0 && !AddBoard(game))
                return false;
        if (!m_Reader.IsOk())
            return false;
        if (m_List.m_Boards.empty())
            return m_Reader.Refuse("the round file holds no board");
        std::stable_sort(m_List.m_Boards.begin(), m_List.m_Boards.end(),
                         [](const CListedBoard& a, const CListedBoard& b)
                         { return a.m_Board < b.m_Board; });
        return true;
    }

private:
    bool AddBoard(const CPgnGame& game)
    {
        std::string reason;
        const CBoardRecord record = DecodeBoard(game, reason);
        if (!reason.empty())
            m_Reader.Warn(m_Reader.RecordLine(), reason);
        const std::string& round = TagValue(game, "Round");
        if (!IsTheRound(ReadInteger(round)))
            return false;
        CListedBoard board{BoardNumber(round), 0, 0, record.m_Result, record.m_RequestedBye};
        if (!Find(record.m_White, board.m_White) || !Find(record.m_Black, board.m_Black))
            return false;
        if (board.m_White == ByeRecord)
        {
            std::swap(board.m_White, board.m_Black);
            board.m_Result = Swapped(board.m_Result);
        }
        m_List.m_Boards.push_back(board);
        return Seat(board.m_White, board.m_Board) &&
               (board.IsBye() || Seat(board.m_Black, board.m_Board));
    }

    // Every board of the tournament's next round, and that round within the event.
    bool IsTheRound(int round)
    {
        const int next = static_cast<int>(m_Tournament.RoundsPlayed()) + 1;
        if (m_List.m_Round != 0 && round != m_List.m_Round)
            return Refuse("boards of rounds " + std::to_string(m_List.m_Round) + " and " +
                          std::to_string(round) + " in one round file");
        m_List.m_Round = round;
        if (round != next)
            return Refuse("a board of round " + std::to_string(round) +
                          ", but the tournament's next round is " + std::to_string(next));
        const int last = m_Tournament.m_Event.m_Rounds;
        if (last > 0 && round > last)
            return Refuse("round " + std::to_string(round) + " lies after the last round, " +
                          std::to_string(last));
        return true;
    }

    bool Find(const std::string& name, int& index)
    {
        const auto known = m_Tournament.m_Index.find(name);
        if (known == m_Tournament.m_Index.end() || known->second == PlaceholderRecord)
            return Refuse("\"" + name + "\" is no participant of the tournament");
        index = known->second;
        return true;
    }

    bool Seat(int participant, int board)
    {
        const auto [seat, first] = m_Boards.emplace(participant, board);
        if (first)
            return true;
        return Refuse(
            "\"" + m_Tournament.m_Participants[static_cast<std::size_t>(participant)].m_Name +
            "\" plays on boards " + std::to_string(seat->second) + " and " + std::to_string(board));
    }

    bool Refuse(const std::string& message) { return m_Reader.Refuse(message.c_str()); }

    CPgnReader& m_Reader;
    const CVantor& m_Tournament;
    CPairingList& m_List;
    std::map<int, int> m_Boards; // the board of every participant seated so far
};
} // namespace

EReading ReadPairingList(const std::string& fileName, const CVantor& tournament,
                         CWarnings& warnings, CPairingList& list)
{
    list = CPairingList{};
    CPgnReader reader(fileName.c_str(), &warnings);
    if (!reader.IsOpen())
        return EReading::CannotOpen;
    CListReading reading(reader, tournament, list);
    return reading.ReadAll() ? EReading::Read : EReading::Refused;
}
