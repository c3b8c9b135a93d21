#include "tournament/TournamentReading.h"

#include "pgn/TerminalText.h"
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
        if (record.count("%") != 0)
        {
            if (!ApplyEscape(record))
                return false;
        }
        else if (!AddGame(record))
            return false;
        if (!IsWithinFieldLimit())
            return false;
    }
    return m_Reader.IsOk();
}

std::string CTournamentReading::NameOf(int index) const
{
    return m_Tournament.m_Participants[static_cast<std::size_t>(index)].m_Name;
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

    const std::string& result = TagValue(game, "Result");
    if (result == "*")
        return true;
    if (!IsWithinRoundLimit(white, black, round))
        return false;
    WarnAboutMeeting(white, black, round);
    const int whitePoints = result == "1-0" ? 2 : (result == "0-1" ? 0 : 1);
    Store(white, black, round, true, whitePoints);
    Store(black, white, round, false, 2 - whitePoints);
    return true;
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
    std::vector<CRoundEntry>& history = HistoryOf(player);
    const std::size_t entry = round == 0 ? history.size() : static_cast<std::size_t>(round - 1);
    m_Tournament.m_Participants[static_cast<std::size_t>(player)].SetResult(opponent, round, white,
                                                                            points);
    if (m_GameLines.size() <= static_cast<std::size_t>(player))
        m_GameLines.resize(m_Tournament.m_Participants.size());
    std::vector<std::int32_t>& lines = m_GameLines[static_cast<std::size_t>(player)];
    lines.resize(history.size(), 0);
    lines[entry] = m_Reader.RecordLine();
}

// Checked after every record, so that the field never grows past the limit.
bool CTournamentReading::IsWithinFieldLimit()
{
    if (m_Tournament.m_Participants.size() <= FirstParticipant + MostParticipants)
        return true;
    const std::string message = "more than " + std::to_string(MostParticipants) + " participants";
    return m_Reader.Refuse(message.c_str());
}
