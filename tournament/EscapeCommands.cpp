#include "tournament/TournamentReading.h"

#include "pgn/TerminalText.h"
#include "tournament/CloseName.h"
#include "tournament/ReadNumber.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

// The escape commands: the changes of the participant list, with their messages on the console,
// and the parameters.

namespace
{
// " after round N" once a round has been played, nothing before the first game.
std::string AfterRound(int latestRound)
{
    return latestRound > 0 ? " after round " + std::to_string(latestRound) : std::string();
}

const std::vector<std::string>& KnownCommands()
{
    static const std::vector<std::string> commands = []
    {
        std::vector<std::string> words{"new",   "replace", "remove", "comeback", "bye",
                                       "event", "rounds",  "Debug",  "Seed"};
        for (const auto& [word, weight] : WeightFields)
            words.emplace_back(word);
        return words;
    }();
    return commands;
}
} // namespace

// Command words are compared exactly; a word that is none of the known ones is ignored.
bool CTournamentReading::ApplyEscape(const CPgnGame& escape)
{
    const std::string& command = TagValue(escape, "%");
    const std::string& argument = TagValue(escape, command);
    if (SetParameter(command, argument) || DescribeEvent(command, argument))
    {
        WarnAboutRestOfLine(command, escape);
        return true;
    }
    bool known = true;
    if (!ChangeParticipantList(command, argument, escape, known))
        return false;
    if (known)
        WarnAboutRestOfLine(command, escape);
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

// The event's name and number of rounds; the last line of each wins.
bool CTournamentReading::DescribeEvent(const std::string& command, const std::string& value)
{
    CEvent& event = m_Tournament.m_Event;
    if (command == "event")
        event.m_Name = value;
    else if (command != "rounds")
        return false;
    else
    {
        const std::int32_t rounds = ReadInteger(value);
        const std::int32_t line = m_Reader.RecordLine();
        if (!IsWholeInteger(value))
            WarnNotWhole("argument of %rounds", value, std::to_string(rounds), line);
        if (rounds < 1)
            m_Reader.Warn(line, "%rounds " + Quoted(value) +
                                    " says no number of rounds: the tournament has no last round");
        event.m_Rounds = std::max(rounds, 0);
        m_RoundsLine = line;
    }
    return true;
}

// A number of rounds that the rounds read already exceed is a slip in one or the other.
void CTournamentReading::WarnAboutRoundsPlayed()
{
    const int rounds = m_Tournament.m_Event.m_Rounds;
    const auto played = static_cast<int>(m_Tournament.RoundsPlayed());
    if (rounds > 0 && played > rounds)
        m_Reader.Warn(m_RoundsLine, "the file holds " + std::to_string(played) +
                                        " rounds, more than the " + std::to_string(rounds) +
                                        " that %rounds says the tournament has");
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
    else if (command == "bye")
        RequestBye(name, second == escape.end() ? nullptr : &second->second);
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
    if (ratingText != nullptr && ratingText->empty())
        m_Reader.Warn(line,
                      "%new " + Quoted(name) +
                          " \"\": an empty rating reads as 0, unrated; write \"0\" to say so");
    // Once a round is played, a %new for a known name is how a rating list is brought in: a note
    // for the check of the file, not a warning that would stay for the rest of the event.
    const std::string change = "%new " + Quoted(name) +
                               " names an existing participant: only the rating changes, from " +
                               std::to_string(before) + " to " + std::to_string(rating);
    if (known && m_LatestRound > 0)
        m_Reader.Note(line, change);
    else if (known)
        m_Reader.Warn(line, change);
    m_Announces = true;
    if (m_LatestRound > 0)
        m_Console << "New participant " << TerminalText(name)
                  << " entered the tournament after round " << m_LatestRound << "." << std::endl;
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
    m_Console << "Participant " << TerminalText(name) << " has been replaced by "
              << TerminalText(newName) << AfterRound(m_LatestRound) << "." << std::endl;
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
    m_Console << "Participant " << TerminalText(name)
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

// Whatever stands on an escape line after the arguments its command reads is ignored: a second
// name for a command that takes one, a rating without quotes (which reads as 0).
void CTournamentReading::WarnAboutRestOfLine(const std::string& command, const CPgnGame& escape)
{
    std::string_view rest = m_Reader.EscapeLineRest();
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t' || rest.back() == '\r'))
        rest.remove_suffix(1);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    if (rest.empty() || rest.front() == ';' || rest.front() == '{')
        return;
    std::string line = "%" + command + " " + Quoted(TagValue(escape, command));
    if (command == "new" && !escape.contains("2."))
    {
        m_Reader.Warn(m_Reader.RecordLine(),
                      line + " " + std::string(rest) +
                          ": the rating is not quoted and reads as 0, unrated; write " + line +
                          " " + Quoted(std::string(rest)));
        return;
    }
    if (escape.contains("2."))
        line += " " + Quoted(TagValue(escape, "2."));
    m_Reader.Warn(m_Reader.RecordLine(),
                  line + ": the rest of the line is ignored: " + std::string(rest));
}
