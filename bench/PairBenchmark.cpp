// Times the pairing of fields built in memory: `vantor_bench [participants [rounds]]`. Without
// arguments it pairs 100, 1000 and 5000 participants after 9 rounds.

#include "driver/ReadInput.h"
#include "search/Pair.h"
#include "support/SimulatedTournament.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace
{
// A fingerprint of the written round, so that two builds can be compared for identical output.
std::uint64_t Fingerprint(const std::string& text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char character : text)
        hash = (hash ^ static_cast<unsigned char>(character)) * 1099511628211ull;
    return hash;
}

void Measure(int participants, int rounds)
{
    CVantor tournament;
    StartField(tournament, participants);
    BuildHistory(tournament, rounds);

    std::string output;
    const auto start = std::chrono::steady_clock::now();
    const std::int64_t moves = PairNextRound(tournament, output, Nowhere());
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%6d participants, %2d rounds: %9.3f s, %11lld moves, %12.0f moves/s, "
                "output %016llx\n",
                participants, rounds, elapsed.count(), static_cast<long long>(moves),
                static_cast<double>(moves) / elapsed.count(),
                static_cast<unsigned long long>(Fingerprint(output)));
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
    {
        Measure(std::atoi(argv[1]), argc > 2 ? std::atoi(argv[2]) : 9);
        return 0;
    }
    for (const int participants : {100, 1000, 5000})
        Measure(participants, 9);
    return 0;
}
