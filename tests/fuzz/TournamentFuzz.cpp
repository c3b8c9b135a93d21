// Feeds arbitrary bytes to the whole program as its input file: the tournament is read, its
// standings are written as text, CSV and page and, when the field is small enough for a short
// search, it is paired, written and audited. Besides the sanitizers' checks it
// traps when a run breaks a promise of the program: every playing participant has exactly one
// opponent with the opposite colour, and the written round reads back without a diagnostic as one
// game per board that names every playing participant exactly once.
#include "driver/ReadInput.h"
#include "pairing/PairingFault.h"
#include "pairing/Random.h"
#include "reports/StandingsTable.h"
#include "reports/WriteAudit.h"
#include "reports/WriteStandings.h"
#include "search/Pair.h"
#include "support/ReadBoardNames.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace
{
// Beyond this many records (reserved ones included) a search takes too long per input.
constexpr std::size_t MostRecordsToPair = 40;

std::string InputName;
std::string RoundName;

void WriteFile(const std::string& name, const char* bytes, std::size_t size)
{
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    file.write(bytes, static_cast<std::streamsize>(size));
}

// The names that the boards must show: every playing participant's, and the bye record's for
// each bye.
std::vector<std::string> PlayingNames(const CVantor& tournament)
{
    const auto& participants = tournament.m_Participants;
    std::vector<std::string> names;
    for (std::size_t index = FirstParticipant; index < participants.size(); ++index)
    {
        if (participants[index].m_Absent)
            continue;
        names.push_back(participants[index].m_Name);
        if (participants[index].m_Pairing.m_Opponent == ByeRecord)
            names.push_back(participants[ByeRecord].m_Name);
    }
    // A requested bye is left out of the pairing and has its board all the same.
    for (const CRequestedBye& bye : tournament.m_RequestedByes)
    {
        names.push_back(participants[static_cast<std::size_t>(bye.m_Participant)].m_Name);
        names.push_back(participants[ByeRecord].m_Name);
    }
    return names;
}

bool WritesEveryBoardOnce(const CVantor& tournament, const std::string& round)
{
    WriteFile(RoundName, round.data(), round.size());
    std::vector<std::string> written;
    if (!ReadBoardNames(RoundName, written))
        return false;
    std::vector<std::string> expected = PlayingNames(tournament);
    std::sort(written.begin(), written.end());
    std::sort(expected.begin(), expected.end());
    return written == expected;
}

void WriteStandings(const CVantor& tournament)
{
    const CStandingsTable table = BuildStandingsTable(tournament);
    WriteStandingsText(Nowhere(), tournament, table);
    WriteStandingsCsv(Nowhere(), tournament, table);
    WriteStandingsHtml(Nowhere(), tournament, table);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Swallows the console output of the reading and of the search.
    std::cout.rdbuf(Nowhere().rdbuf());
    std::cerr.rdbuf(Nowhere().rdbuf());
    const std::filesystem::path shm = "/dev/shm";
    const auto folder =
        std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
    const std::string stem = (folder / ("vantor-fuzz-" + std::to_string(getpid()))).string();
    InputName = stem + "-input.pgn";
    RoundName = stem + "-round.pgn";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFile(InputName, reinterpret_cast<const char*>(data), size);
    // Seed 0 leaves the generator as it is; each input starts from the state of a fresh run so
    // that a finding replays on its own.
    SeedRandom(1);
    CVantor tournament;
    const bool read = tournament.ReadTournament(InputName.c_str());
    if (read)
        WriteStandings(tournament);
    if (read && tournament.m_Participants.size() <= MostRecordsToPair)
    {
        std::string round;
        Pair(tournament, round);
        if (!PairingFault(tournament).empty() || !WritesEveryBoardOnce(tournament, round))
            __builtin_trap();
        // The audit takes the next round from the pairing just made, as --audit does.
        WriteAudit(Nowhere(), tournament, AuditTournament(tournament));
    }
    std::filesystem::remove(InputName);
    std::filesystem::remove(RoundName);
    return 0;
}
