#include "tournament/BoardRecord.h"

#include "tournament/ReadNumber.h"
#include "tournament/ReservedRecords.h"

#include <array>

namespace
{
struct CNotation
{
    EBoardResult m_Result;
    const char* m_Notation;
    const char* m_Marker;
};

constexpr std::array<CNotation, 7> Notations{{
    {EBoardResult::Unplayed, "*", "*"},
    {EBoardResult::WhiteWins, "1-0", "1-0"},
    {EBoardResult::BlackWins, "0-1", "0-1"},
    {EBoardResult::Draw, "1/2-1/2", "1/2-1/2"},
    {EBoardResult::WhiteForfeitWin, "+-", "1-0"},
    {EBoardResult::BlackForfeitWin, "-+", "0-1"},
    {EBoardResult::DoubleForfeit, "--", "*"},
}};

const CNotation& NotationOf(EBoardResult result)
{
    return Notations[static_cast<std::size_t>(result)];
}

std::string EloTag(const char* player)
{
    return std::string(player) + "Elo";
}

// The game as the pairing reads it: any result but the three others is a draw.
CBoardRecord PlainBoard(const CPgnGame& game)
{
    CBoardRecord board{TagValue(game, "White"), TagValue(game, "WhiteElo"), TagValue(game, "Black"),
                       TagValue(game, "BlackElo")};
    const std::string& result = TagValue(game, "Result");
    board.m_Result = result == "*"     ? EBoardResult::Unplayed
                     : result == "1-0" ? EBoardResult::WhiteWins
                     : result == "0-1" ? EBoardResult::BlackWins
                                       : EBoardResult::Draw;
    return board;
}

// A forfeit win stands as the winner's game against BYE on the loser's side, whose name the
// program's own tag keeps.
bool DecodeForfeitWin(const CPgnGame& game, bool whiteWins, CBoardRecord& board)
{
    std::string& winner = whiteWins ? board.m_White : board.m_Black;
    std::string& loser = whiteWins ? board.m_Black : board.m_White;
    const char* pairedTag = whiteWins ? PairedBlackTag : PairedWhiteTag;
    const std::string& paired = TagValue(game, pairedTag);
    if (loser != ByeName || winner == ByeName || paired.empty() || paired == winner ||
        board.m_Result != (whiteWins ? EBoardResult::WhiteWins : EBoardResult::BlackWins))
        return false;
    loser = paired;
    (whiteWins ? board.m_BlackElo : board.m_WhiteElo) = TagValue(game, EloTag(pairedTag));
    board.m_Result = whiteWins ? EBoardResult::WhiteForfeitWin : EBoardResult::BlackForfeitWin;
    return true;
}

bool DecodeOwnTags(const CPgnGame& game, const std::string& forfeit, const std::string& bye,
                   CBoardRecord& board)
{
    if (!forfeit.empty() && !bye.empty())
        return false;
    if (forfeit == "+-" || forfeit == "-+")
        return DecodeForfeitWin(game, forfeit == "+-", board);
    if (forfeit == "--")
    {
        if (board.IsBye() || board.m_Result != EBoardResult::Unplayed)
            return false;
        board.m_Result = EBoardResult::DoubleForfeit;
        return true;
    }
    board.m_RequestedBye = bye == RequestedByeValue && board.IsBye() &&
                           board.m_White != board.m_Black &&
                           board.m_Result != EBoardResult::Unplayed;
    return board.m_RequestedBye;
}

std::string Tag(const char* name, const std::string& value)
{
    return std::string("[") + name + " \"" + value + "\"]";
}
} // namespace

bool CBoardRecord::IsBye() const
{
    return m_White == ByeName || m_Black == ByeName;
}

bool CBoardRecord::IsForfeit() const
{
    return m_Result == EBoardResult::WhiteForfeitWin || m_Result == EBoardResult::BlackForfeitWin ||
           m_Result == EBoardResult::DoubleForfeit;
}

CBoardRecord DecodeBoard(const CPgnGame& game, std::string& reason)
{
    reason.clear();
    const CBoardRecord plain = PlainBoard(game);
    const std::string& forfeit = TagValue(game, ForfeitTag);
    const std::string& bye = TagValue(game, ByeTag);
    if (forfeit.empty() && bye.empty())
        return plain;
    CBoardRecord board = plain;
    if (DecodeOwnTags(game, forfeit, bye, board))
        return board;
    if (!forfeit.empty())
        reason = Tag(ForfeitTag, forfeit) + " fits only a won game against BYE with " +
                 PairedBlackTag + " or " + PairedWhiteTag +
                 " (+- and -+), or a game left at * (--)";
    else
        reason = Tag(ByeTag, bye) + " fits only a game against BYE with a result, as " +
                 Tag(ByeTag, RequestedByeValue);
    return plain;
}

CTagList EncodeBoard(const CBoardRecord& board, const std::string& round)
{
    const bool whiteWins = board.m_Result == EBoardResult::WhiteForfeitWin;
    const bool blackWins = board.m_Result == EBoardResult::BlackForfeitWin;
    const auto player =
        [&](const char* side, const std::string& name, const std::string& elo, bool forfeited)
    {
        CTagList tags{{side, forfeited ? ByeName : name}};
        if (!forfeited && !elo.empty())
            tags.emplace_back(EloTag(side), elo);
        return tags;
    };
    CTagList tags = player("White", board.m_White, board.m_WhiteElo, blackWins);
    for (auto& tag : player("Black", board.m_Black, board.m_BlackElo, whiteWins))
        tags.push_back(std::move(tag));
    tags.emplace_back("Round", round);
    tags.emplace_back("Result", ResultMarker(board.m_Result));
    if (board.IsForfeit())
        tags.emplace_back(ForfeitTag, ResultNotation(board.m_Result));
    if (whiteWins || blackWins)
    {
        const char* paired = whiteWins ? PairedBlackTag : PairedWhiteTag;
        tags.emplace_back(paired, whiteWins ? board.m_Black : board.m_White);
        if (const std::string& elo = whiteWins ? board.m_BlackElo : board.m_WhiteElo; !elo.empty())
            tags.emplace_back(EloTag(paired), elo);
    }
    if (board.m_RequestedBye)
        tags.emplace_back(ByeTag, RequestedByeValue);
    return tags;
}

const char* ResultMarker(EBoardResult result)
{
    return NotationOf(result).m_Marker;
}

const char* ResultNotation(EBoardResult result)
{
    return NotationOf(result).m_Notation;
}

std::optional<EBoardResult> ReadResultNotation(std::string_view text)
{
    if (text == "=" || text == "1/2")
        return EBoardResult::Draw;
    for (const CNotation& notation : Notations)
        if (text == notation.m_Notation)
            return notation.m_Result;
    return std::nullopt;
}

int BoardNumber(const std::string& round)
{
    const std::size_t dot = round.find('.');
    return dot == std::string::npos ? 0 : ReadInteger(round.substr(dot + 1));
}
