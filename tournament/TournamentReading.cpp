#include "tournament/TournamentReading.h"

#include "pgn/TerminalText.h"
#include "tournament/BoardRecord.h"
#include "tournament/ReadNumber.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <ostream>
#include <string>

// The reading itself and the games: every game becomes history entries of its two participants.

namespace
{
// A round beyond this is a typing error (a date in the Round tag, say); honouring it would make
// every history that long.
constexpr int LatestAcceptedRound = 1000;

// The search runs longer the larger the field, and each of its moves reaches further through
// memory: before the first round, twenty thousand participants are paired in 15 seconds, thirty
// thousand in 50, forty thousand in two and a half minutes. A field beyond this is no tournament
// but a runaway file.
constexpr std::size_t MostParticipants = 30000;
} // namespace

CTournamentReading::CTournamentReading(CVantor& tournament, CPgnReader& reader,
                                       std::ostream& console)
    : m_Tournament(tournament), m_Reader(reader), m_Console(console)
{
}

bool CTournamentReading::ReadAll()
{
    CPgnGame record;
    while (m_Reader.ReadGame(record))
    {
        const bool game = record.count("%") == 0;
        if (game && !m_GameRead)
        {
            NoteEntries(); // those announced before the first game, as they stand
            m_GameRead = true;
        }
        if (!(game ? AddGame(record) : ApplyEscape(record)) || !IsWithinFieldLimit())
            return false;
        if (m_GameRead)
            NoteEntries();
    }
    if (!m_Reader.IsOk())
        return false;
    NoteEntries();
    WarnAboutRoundsPlayed();
    FinishRounds();
    return true;
}

// Notes how the participants not yet noted entered: once for each, never again.
void CTournamentReading::NoteEntries()
{
    std::vector<CEntry>& entries = m_Tournament.m_Entries;
    const std::vector<CParticipant>& participants = m_Tournament.m_Participants;
    for (std::size_t index = entries.size(); index < participants.size(); ++index)
        entries.push_back({!m_GameRead, participants[index].m_Elo, participants[index].m_Name});
}

std::string CTournamentReading::NameOf(int index) const
{
    return m_Tournament.m_Participants[static_cast<std::size_t>(index)].m_Name;
}

CParticipant& CTournamentReading::Record(int index)
{
    return m_Tournament.m_Participants[static_cast<std::size_t>(index)];
}

std::vector<CRoundEntry>& CTournamentReading::HistoryOf(int index)
{
    return m_Tournament.m_Participants[static_cast<std::size_t>(index)].m_History;
}

std::string CTournamentReading::Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

bool CTournamentReading::IsUnknownValue(const std::string& text)
{
    return text.empty() || text == "?" || text == "-";
}

bool CTournamentReading::AddGame(const CPgnGame& game)
{
    const std::string& roundText = TagValue(game, "Round");
    const int round = ReadInteger(roundText);
    if (round < 0 || round > LatestAcceptedRound)
        return m_Reader.Refuse("'Round' out of range (in game above current line)");
    WarnAboutRound(roundText, round);
    m_LatestRound = std::max(m_LatestRound, round);

    const int white = AddPlayer(game, "White", "white");
    const int black = AddPlayer(game, "Black", "black");
    ReadRating(game, "WhiteElo", white);
    ReadRating(game, "BlackElo", black);

    const CBoardRecord board = ReadBoard(game);
    CountBoard(round, board);
    const std::string& result = TagValue(game, "Result");
    if (result == "*")
    {
        if (board.m_Result == EBoardResult::DoubleForfeit)
            NoteForfeit(white, black, round, board, BoardNumber(roundText));
        return true;
    }
    if (!IsWithinRoundLimit(white, black, round))
        return false;
    WarnAboutMeeting(white, black, round);
    const int whitePoints = result == "1-0" ? 2 : (result == "0-1" ? 0 : 1);
    Store(white, black, round, true, whitePoints);
    Store(black, white, round, false, 2 - whitePoints);
    NoteBoard(white, black, round, board, BoardNumber(roundText));
    return true;
}

// The board the game stores; the program's own tags that do not fit it are warned about.
CBoardRecord CTournamentReading::ReadBoard(const CPgnGame& game)
{
    std::string misfit;
    CBoardRecord board = DecodeBoard(game, misfit);
    if (!misfit.empty())
        m_Reader.Warn(m_Reader.RecordLine(), "the game " + Quoted(TagValue(game, "White")) + " - " +
                                                 Quoted(TagValue(game, "Black")) + ": " + misfit +
                                                 "; read as its result says");
    return board;
}

// What the reports need of a stored game beyond the history: its board, a requested bye, and
// for a forfeit win the one who did not come.
void CTournamentReading::NoteBoard(int white, int black, int round, const CBoardRecord& board,
                                   int boardNumber)
{
    if (round == 0)
        return;
    const ERoundKind kind = board.m_RequestedBye ? ERoundKind::RequestedBye : ERoundKind::NoGame;
    for (const int player : {white, black})
        if (player != ByeRecord)
            Record(player).SetNote(round, {kind, 0, player == white, boardNumber});
    if (board.m_Result == EBoardResult::WhiteForfeitWin ||
        board.m_Result == EBoardResult::BlackForfeitWin)
        NoteForfeit(white, black, round, board, boardNumber);
}

// A forfeit names the one who did not come only in the program's own tag: he has no game, and
// the name is looked up, never created, so that the participants are those the games make.
void CTournamentReading::NoteForfeit(int white, int black, int round, const CBoardRecord& board,
                                     int boardNumber)
{
    if (round == 0)
        return;
    const bool whiteWins = board.m_Result == EBoardResult::WhiteForfeitWin;
    const bool blackWins = board.m_Result == EBoardResult::BlackForfeitWin;
    if (whiteWins)
        black = PairedParticipant(board.m_Black, PairedBlackTag);
    if (blackWins)
        white = PairedParticipant(board.m_White, PairedWhiteTag);
    const auto note = [&](int player, int opponent, bool pairedWhite, bool won)
    {
        if (player < FirstParticipant)
            return;
        const ERoundKind kind = !whiteWins && !blackWins ? ERoundKind::DoubleForfeit
                                : won                    ? ERoundKind::ForfeitWin
                                                         : ERoundKind::ForfeitLoss;
        if (kind == ERoundKind::ForfeitWin || IsFreeForAbsentee(player, round))
            Record(player).SetNote(round, {kind, opponent < FirstParticipant ? 0 : opponent,
                                           pairedWhite, boardNumber});
    };
    note(white, black, true, whiteWins);
    note(black, white, false, blackWins);
}

int CTournamentReading::PairedParticipant(const std::string& name, const char* tag)
{
    const auto known = m_Tournament.m_Index.find(name);
    if (known != m_Tournament.m_Index.end() && known->second >= FirstParticipant)
        return known->second;
    WarnNaming(m_Reader.RecordLine(),
               std::string(tag) + " " + Quoted(name) +
                   " names no participant: the forfeit counts for the winner alone",
               name);
    return PlaceholderRecord;
}

// The participant named by the tag, created when the name is new; a late entry is announced,
// and a name that a file of announced participants never announced is warned about.
int CTournamentReading::AddPlayer(const CPgnGame& game, const char* tag, const char* colour)
{
    const std::string& name = TagValue(game, tag);
    const std::size_t known = m_Tournament.m_Participants.size();
    const int index = m_Tournament.GetIndex(name);
    if (static_cast<std::size_t>(index) < known)
        return index;
    if (m_LatestRound >= 2)
        m_Console << "New participant " << TerminalText(name) << " entered the tournament in round "
                  << m_LatestRound << "as " << colour << "." << std::endl;
    if (m_Announces)
        WarnNaming(m_Reader.TagLine(tag),
                   Quoted(name) + " was never announced with %new: a new participant was created",
                   name);
    return index;
}

void CTournamentReading::ReadRating(const CPgnGame& game, const char* tag, int index)
{
    const std::string& text = TagValue(game, tag);
    const std::int32_t rating = ReadInteger(text);
    m_Tournament.m_Participants[static_cast<std::size_t>(index)].m_Elo = rating;
    if (!IsUnknownValue(text) && !IsWholeInteger(text))
        WarnNotWhole(std::string(tag) + " of " + Quoted(NameOf(index)), text,
                     std::to_string(rating), m_Reader.TagLine(tag));
}

// A game without a usable Round tag is each participant's next round, which is held to the
// same limit as a Round tag.
bool CTournamentReading::IsWithinRoundLimit(int white, int black, int round)
{
    if (round > 0)
        return true;
    for (const int player : {white, black})
        if (player != ByeRecord &&
            HistoryOf(player).size() >= static_cast<std::size_t>(LatestAcceptedRound))
            return m_Reader.Refuse("'Round' out of range (in game above current line)");
    return true;
}

// Stores one side of a game, as the history model does, and where it was read.
void CTournamentReading::Store(int player, int opponent, int round, bool white, int points)
{
    if (player == ByeRecord)
        return;
    const std::vector<CRoundEntry>& history = HistoryOf(player);
    const int stored = round == 0 ? static_cast<int>(history.size()) + 1 : round;
    Record(player).SetResult(opponent, round, white, points);
    GameLine(player, stored) = m_Reader.RecordLine();
}

// The line of the game that filled the participant's round (from 1), 0 while none did.
std::int32_t& CTournamentReading::GameLine(int player, int round)
{
    if (m_GameLines.size() <= static_cast<std::size_t>(player))
        m_GameLines.resize(m_Tournament.m_Participants.size());
    std::vector<std::int32_t>& lines = m_GameLines[static_cast<std::size_t>(player)];
    if (lines.size() < static_cast<std::size_t>(round))
        lines.resize(static_cast<std::size_t>(round), 0);
    return lines[static_cast<std::size_t>(round - 1)];
}

// Checked after every record, so that the field never grows past the limit.
bool CTournamentReading::IsWithinFieldLimit()
{
    if (m_Tournament.m_Participants.size() <= FirstParticipant + MostParticipants)
        return true;
    const std::string message = "more than " + std::to_string(MostParticipants) + " participants";
    return m_Reader.Refuse(message.c_str());
}
