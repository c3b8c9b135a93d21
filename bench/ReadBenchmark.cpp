// Times the reading of a tournament file apart from its pairing: `vantor_read_bench [participants
// [rounds [file]]]`, by default 20,000 participants after 11 rounds. The field is built in memory
// as for vantor_bench, written as the program's own input file (into the temporary folder, or
// into the file named, which is then kept), and read back as a pairing run reads it; then the next
// round is paired from what was read.

#include "pgn/Warnings.h"
#include "search/Pair.h"
#include "support/SimulatedTournament.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace
{
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Measure(int participants, int rounds, const char* keptFile)
{
    CVantor built;
    StartField(built, participants);
    BuildHistory(built, rounds);
    const std::filesystem::path file =
        keptFile != nullptr ? std::filesystem::path(keptFile)
                            : std::filesystem::temp_directory_path() /
                                  ("vantor_read_bench_" + std::to_string(participants) + "_" +
                                   std::to_string(rounds) + ".pgn");
    {
        std::ofstream stream(file, std::ios::binary);
        WriteAsInput(built, stream);
    }

    std::ostringstream messages;
    CWarnings warnings(messages);
    CVantor tournament;
    const auto start = Clock::now();
    const EReading reading = tournament.ReadTournament(file.c_str(), warnings, messages);
    const double readingTime = SecondsSince(start);

    std::string output;
    const auto pairingStart = Clock::now();
    const std::int64_t moves = PairNextRound(tournament, output, messages);
    const double pairingTime = SecondsSince(pairingStart);
    std::printf("%6d participants, %2d rounds: %.1f MB read in %.3f s (%s), %lld warnings; paired "
                "in %.3f s, %lld moves\n",
                participants, rounds, static_cast<double>(std::filesystem::file_size(file)) / 1e6,
                readingTime, reading == EReading::Read ? "read" : "NOT READ",
                static_cast<long long>(warnings.Count()), pairingTime,
                static_cast<long long>(moves));
    if (keptFile == nullptr)
        std::filesystem::remove(file);
}
} // namespace

int main(int argc, char** argv)
{
    Measure(argc > 1 ? std::atoi(argv[1]) : 20000, argc > 2 ? std::atoi(argv[2]) : 11,
            argc > 3 ? argv[3] : nullptr);
    return 0;
}
