#include "tournament/TournamentReading.h"

#include "tournament/CloseName.h"
#include "tournament/ReadNumber.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>

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

// " after round N" once a round has been played, nothing before the first game.
std::string AfterRound(int latestRound)
{
    return latestRound > 0 ? " after round " + std::to_string(latestRound) : std::string();
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// PGN's own ways of writing an unknown value, which read as 0 without being a slip.
bool IsUnknownValue(const std::string& text)
{
    return text.empty() || text == "?" || text == "-";
}

// A round as the program writes it, "6" or "6.3" (round and board).
bool IsRoundForm(const std::string& text)
{
    const std::size_t dot = text.find('.');
    return IsWholeInteger(text.substr(0, dot)) &&
           (dot == std::string::npos || IsWholeInteger(text.substr(dot + 1)));
}

const std::vector<std::string>& KnownCommands()
{
    static const std::vector<std::string> commands = []
    {
        std::vector<std::string> words{"new", "replace", "remove", "comeback", "Debug", "Seed"};
        for (const auto& [word, weight] : WeightFields)
            words.emplace_back(word);
        return words;
    }();
    return commands;
}
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

// Called only for a value that is not wholly a number: every game has several, so nothing is
// spelt out for the others.
void CTournamentReading::WarnNotWhole(const std::string& what, const std::string& text,
                                      const std::string& readAs, std::int32_t line)
{
    m_Reader.Warn(line, what + " " + Quoted(text) + " does not read wholly as a number: read as " +
                            readAs);
}

// A name close to the culprit is looked for only when the warning is printed.
void CTournamentReading::WarnNaming(std::int32_t line, const std::string& message,
                                    const std::string& name)
{
    const bool shown = m_Reader.NextWarningIsShown();
    m_Reader.Warn(line, message + (shown ? DidYouMean(FindCloseName(m_Tournament, name)) : ""));
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

void CTournamentReading::WarnAboutRound(const std::string& text, int round)
{
    const std::int32_t line = m_Reader.TagLine("Round");
    if (!IsUnknownValue(text) && !IsRoundForm(text))
        WarnNotWhole("Round", text, std::to_string(round), line);
    if (round > m_LatestRound + 1)
        m_Reader.Warn(line, "round " + std::to_string(round) +
                                " lies more than one round beyond the latest round read so far, " +
                                std::to_string(m_LatestRound));
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
        m_Console << "New participant " << name << " entered the tournament in round "
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

// A game that repeats an earlier pairing, or fills a round that already holds a game.
void CTournamentReading::WarnAboutMeeting(int white, int black, int round)
{
    const std::int32_t line = m_Reader.RecordLine();
    if (white == black)
    {
        m_Reader.Warn(line, Quoted(NameOf(white)) + " is named as both White and Black");
        return;
    }
    WarnAboutSecondGame(white, black, round);
    WarnAboutSecondGame(black, white, round);
    if (white < FirstParticipant || black < FirstParticipant)
        return;
    const std::vector<CRoundEntry>& history = HistoryOf(white);
    for (std::size_t entry = 0; entry < history.size(); ++entry)
        if (history[entry].m_Opponent == black && static_cast<int>(entry) + 1 != round)
        {
            m_Reader.Warn(line, Quoted(NameOf(white)) + " and " + Quoted(NameOf(black)) +
                                    " meet again: they met in round " + std::to_string(entry + 1));
            return;
        }
}

void CTournamentReading::WarnAboutSecondGame(int player, int opponent, int round)
{
    if (player == ByeRecord || round == 0)
        return;
    const std::vector<CRoundEntry>& history = HistoryOf(player);
    const auto entry = static_cast<std::size_t>(round - 1);
    if (entry >= history.size() || history[entry].m_Opponent == PlaceholderRecord)
        return;
    const std::int32_t earlier = m_GameLines[static_cast<std::size_t>(player)][entry];
    m_Reader.Warn(m_Reader.RecordLine(),
                  Quoted(NameOf(player)) + " has two games in round " + std::to_string(round) +
                      " (lines " + std::to_string(earlier) + " and " +
                      std::to_string(m_Reader.RecordLine()) + "): the later one, against " +
                      Quoted(NameOf(opponent)) + ", counts");
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

// Command words are compared exactly; a word that is none of the known ones is ignored.
bool CTournamentReading::ApplyEscape(const CPgnGame& escape)
{
    const std::string& command = TagValue(escape, "%");
    const std::string& argument = TagValue(escape, command);
    if (SetParameter(command, argument))
        return true;
    bool known = true;
    if (!ChangeParticipantList(command, argument, escape, known))
        return false;
    if (!known)
    {
        const bool shown = m_Reader.NextWarningIsShown();
        m_Reader.Warn(m_Reader.RecordLine(),
                      "unknown command %" + command + " ignored" +
                          (shown ? DidYouMean(FindCloseWord(command, KnownCommands())) : ""));
    }
    return true;
}

bool CTournamentReading::SetParameter(const std::string& keyword, const std::string& value)
{
    CParameters& parameters = m_Tournament.m_Parameters;
    const std::string what = "argument of %" + keyword;
    const std::int32_t line = m_Reader.RecordLine();
    if (keyword == "Debug" || keyword == "Seed")
    {
        const std::int32_t number = ReadInteger(value);
        if (keyword == "Debug")
            parameters.m_Debug = number != 0;
        else
            parameters.m_Seed = number;
        if (!IsWholeInteger(value))
            WarnNotWhole(what, value, std::to_string(number), line);
        return true;
    }
    for (const auto& [word, weight] : WeightFields)
        if (keyword == word)
        {
            parameters.*weight = ReadDecimal(value);
            std::ostringstream readAs;
            readAs << parameters.*weight;
            if (!IsWholeDecimal(value))
                WarnNotWhole(what, value, readAs.str(), line);
            return true;
        }
    return false;
}

// known becomes false for a command word that changes no participant; false after a refusal.
bool CTournamentReading::ChangeParticipantList(const std::string& command, const std::string& name,
                                               const CPgnGame& escape, bool& known)
{
    const auto second = escape.find("2.");
    if (command == "new")
        AddOrRate(name, second == escape.end() ? nullptr : &second->second);
    else if (command == "replace")
        return second == escape.end() || Replace(name, second->second);
    else if (command == "remove" || command == "comeback")
        SetPresence(command, name);
    else
        known = false;
    return true;
}

void CTournamentReading::AddOrRate(const std::string& name, const std::string* ratingText)
{
    const bool known = m_Tournament.m_Index.count(name) != 0;
    const int index = m_Tournament.GetIndex(name);
    std::int32_t& rating = m_Tournament.m_Participants[static_cast<std::size_t>(index)].m_Elo;
    const std::int32_t before = rating;
    rating = ratingText == nullptr ? 0 : ReadInteger(*ratingText);
    const std::int32_t line = m_Reader.RecordLine();
    if (ratingText != nullptr && !IsUnknownValue(*ratingText) && !IsWholeInteger(*ratingText))
        WarnNotWhole("rating of " + Quoted(name), *ratingText, std::to_string(rating), line);
    if (known)
        m_Reader.Warn(line, "%new " + Quoted(name) +
                                " names an existing participant: only the rating changes, from " +
                                std::to_string(before) + " to " + std::to_string(rating));
    m_Announces = true;
    if (m_LatestRound > 0)
        m_Console << "New participant " << name << " entered the tournament after round "
                  << m_LatestRound << "." << std::endl;
}

// Two names for one participant are fine (the old name stays known, so that games under either
// name reach the same participant); one name for two participants would pair one person twice.
bool CTournamentReading::Replace(const std::string& name, const std::string& newName)
{
    if (RefusesReserved("replace", name) || RefusesReserved("replace", newName))
        return true;
    const auto& index = m_Tournament.m_Index;
    const auto oldEntry = index.find(name);
    const auto newEntry = index.find(newName);
    if (newEntry != index.end() &&
        (oldEntry == index.end() || oldEntry->second != newEntry->second))
        return m_Reader.Refuse(("%replace: the new name \"" + newName +
                                "\" already belongs to another participant, who would be paired "
                                "twice")
                                   .c_str());
    if (oldEntry == index.end())
        WarnNaming(m_Reader.RecordLine(),
                   "%replace " + Quoted(name) +
                       " names no participant: a new participant was created under the new name",
                   name);
    const int participant = m_Tournament.GetIndex(name);
    m_Tournament.m_Index[newName] = participant;
    m_Tournament.m_Participants[static_cast<std::size_t>(participant)].m_Name = newName;
    m_Console << "Participant " << name << " has been replaced by " << newName
              << AfterRound(m_LatestRound) << "." << std::endl;
    return true;
}

void CTournamentReading::SetPresence(const std::string& command, const std::string& name)
{
    if (RefusesReserved(command, name))
        return;
    const bool removing = command == "remove";
    if (m_Tournament.m_Index.count(name) == 0)
        WarnNaming(m_Reader.RecordLine(),
                   "%" + command + " " + Quoted(name) +
                       " names no participant: a new participant was created" +
                       (removing ? ", absent" : ", who will be paired"),
                   name);
    m_Tournament.m_Participants[static_cast<std::size_t>(m_Tournament.GetIndex(name))].m_Absent =
        removing;
    m_Console << "Participant " << name
              << (removing ? " has been removed" : " has returned to the tournament")
              << AfterRound(m_LatestRound) << "." << std::endl;
}

// The placeholder and the bye record belong to the program, not to the director: a removed bye
// record or a present placeholder would shift the standings' window, and a participant renamed
// "BYE" would receive every later bye as a game of his own. Commands that would change them are
// refused with a message and change nothing.
bool CTournamentReading::RefusesReserved(const std::string& command, const std::string& name)
{
    const auto known = m_Tournament.m_Index.find(name);
    if (known == m_Tournament.m_Index.end() || known->second >= FirstParticipant)
        return false;
    m_Console << "Command " << command << " ignored: " << name
              << " is the name of a reserved record." << std::endl;
    return true;
}

// Checked after every record, so that the field never grows past the limit.
bool CTournamentReading::IsWithinFieldLimit()
{
    if (m_Tournament.m_Participants.size() <= FirstParticipant + MostParticipants)
        return true;
    const std::string message = "more than " + std::to_string(MostParticipants) + " participants";
    return m_Reader.Refuse(message.c_str());
}
