#include "pgn/PgnReader.h"
#include "tournament/ReadNumber.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <utility>

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

const std::string& TagValue(const CPgnGame& game, const std::string& tag)
{
    static const std::string none;
    const auto found = game.find(tag);
    return found == game.end() ? none : found->second;
}

// " after round N" once a round has been played, nothing before the first game.
std::string AfterRound(int latestRound)
{
    return latestRound > 0 ? " after round " + std::to_string(latestRound) : std::string();
}

void AnnounceLateEntry(const CVantor& tournament, const std::string& name, int latestRound,
                       const char* colour)
{
    if (latestRound >= 2 && tournament.m_Index.count(name) == 0)
        std::cout << "New participant " << name << " entered the tournament in round "
                  << latestRound << "as " << colour << "." << std::endl;
}

bool AddGame(CVantor& tournament, CPgnReader& reader, const CPgnGame& game, int& latestRound)
{
    const int round = ReadInteger(TagValue(game, "Round"));
    if (round < 0 || round > LatestAcceptedRound)
    {
        reader.Error("'Round' out of range (in game above current line)");
        return false;
    }
    latestRound = std::max(latestRound, round);

    const std::string& whiteName = TagValue(game, "White");
    const std::string& blackName = TagValue(game, "Black");
    AnnounceLateEntry(tournament, whiteName, latestRound, "white");
    AnnounceLateEntry(tournament, blackName, latestRound, "black");
    const int white = tournament.GetIndex(whiteName);
    const int black = tournament.GetIndex(blackName);
    auto& participants = tournament.m_Participants;
    participants[static_cast<std::size_t>(white)].m_Elo = ReadInteger(TagValue(game, "WhiteElo"));
    participants[static_cast<std::size_t>(black)].m_Elo = ReadInteger(TagValue(game, "BlackElo"));

    const std::string& result = TagValue(game, "Result");
    if (result == "*")
        return true;
    const int whitePoints = result == "1-0" ? 2 : (result == "0-1" ? 0 : 1);
    if (white != ByeRecord)
        participants[static_cast<std::size_t>(white)].SetResult(black, round, true, whitePoints);
    if (black != ByeRecord)
        participants[static_cast<std::size_t>(black)].SetResult(white, round, false,
                                                                2 - whitePoints);
    return true;
}

// The placeholder and the bye record belong to the program, not to the director: a removed bye
// record or a present placeholder would shift the standings' window, and a participant renamed
// "BYE" would receive every later bye as a game of his own. Commands that would change them are
// refused with a message and change nothing.
bool RefusesReserved(const CVantor& tournament, const std::string& command, const std::string& name)
{
    const auto known = tournament.m_Index.find(name);
    if (known == tournament.m_Index.end() || known->second >= FirstParticipant)
        return false;
    std::cout << "Command " << command << " ignored: " << name
              << " is the name of a reserved record." << std::endl;
    return true;
}

void ChangeParticipantList(CVantor& tournament, const std::string& command, const std::string& name,
                           const CPgnGame& escape, int latestRound)
{
    const auto second = escape.find("2.");
    if (command == "new")
    {
        const int index = tournament.GetIndex(name);
        tournament.m_Participants[static_cast<std::size_t>(index)].m_Elo =
            second == escape.end() ? 0 : ReadInteger(second->second);
        if (latestRound > 0)
            std::cout << "New participant " << name << " entered the tournament after round "
                      << latestRound << "." << std::endl;
    }
    else if (command == "replace" && second != escape.end())
    {
        if (RefusesReserved(tournament, command, name) ||
            RefusesReserved(tournament, command, second->second))
            return;
        // The old name stays known, so games under either name reach the same participant.
        const int index = tournament.GetIndex(name);
        tournament.m_Index[second->second] = index;
        tournament.m_Participants[static_cast<std::size_t>(index)].m_Name = second->second;
        std::cout << "Participant " << name << " has been replaced by " << second->second
                  << AfterRound(latestRound) << "." << std::endl;
    }
    else if ((command == "remove" || command == "comeback") &&
             !RefusesReserved(tournament, command, name))
    {
        const bool removing = command == "remove";
        tournament.m_Participants[static_cast<std::size_t>(tournament.GetIndex(name))].m_Absent =
            removing;
        std::cout << "Participant " << name
                  << (removing ? " has been removed" : " has returned to the tournament")
                  << AfterRound(latestRound) << "." << std::endl;
    }
}

bool SetParameter(CParameters& parameters, const std::string& keyword, const std::string& value)
{
    if (keyword == "Debug")
    {
        parameters.m_Debug = ReadInteger(value) != 0;
        return true;
    }
    if (keyword == "Seed")
    {
        parameters.m_Seed = ReadInteger(value);
        return true;
    }
    for (const auto& [word, weight] : WeightFields)
        if (keyword == word)
        {
            parameters.*weight = ReadDecimal(value);
            return true;
        }
    return false;
}

// Checked after every record, so that the field never grows past the limit.
bool IsWithinFieldLimit(const CVantor& tournament, CPgnReader& reader)
{
    if (tournament.m_Participants.size() <= FirstParticipant + MostParticipants)
        return true;
    const std::string message = "more than " + std::to_string(MostParticipants) + " participants";
    reader.Error(message.c_str());
    return false;
}

// Command words are compared exactly; a word that is none of the known ones is ignored.
void ApplyEscape(CVantor& tournament, const CPgnGame& escape, int latestRound)
{
    const std::string& command = TagValue(escape, "%");
    const std::string& argument = TagValue(escape, command);
    if (!SetParameter(tournament.m_Parameters, command, argument))
        ChangeParticipantList(tournament, command, argument, escape, latestRound);
}
} // namespace

bool CVantor::ReadTournament(const char* fileName)
{
    ResetToReservedRecords();

    CPgnReader reader(fileName);
    if (!reader.IsOpen())
        return false;
    int latestRound = 0;
    CPgnGame record;
    while (reader.ReadGame(record))
    {
        if (record.count("%") != 0)
            ApplyEscape(*this, record, latestRound);
        else if (!AddGame(*this, reader, record, latestRound))
            return false;
        if (!IsWithinFieldLimit(*this, reader))
            return false;
    }
    return reader.IsOk();
}
