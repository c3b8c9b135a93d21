#include "driver/RemoveSurroundingQuotes.h"
#include "driver/WriteOutputFile.h"
#include "tournament/Vantor.h"

#include <csignal>
#include <iostream>
#include <string>

// One run pairs one round: the whole tournament is read from the input file, the next round is
// searched and written to the output file. Exit status 0 when the round was written, 1 when the
// arguments were wrong, the input could not be read or the output could not be written.
int main(int argc, char** argv)
{
    // A file size limit must fail the write, not kill the run half way through it; a console
    // that has gone away (a pipe whose reader quit) must not keep the round from being written.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    std::cout << "Vantor beta 3\n"
              << "Swiss pairings for chess tournaments, by the Vantor developers" << std::endl;
    if (argc != 3)
    {
        std::cerr << "usage: Vantor.exe <input pgn file> <output pgn file>\n";
        return 1;
    }
    const std::string inputName = RemoveSurroundingQuotes(argv[1]);
    const std::string outputName = RemoveSurroundingQuotes(argv[2]);

    CVantor tournament;
    if (!tournament.ReadTournament(inputName.c_str()))
        return 1;
    std::string round;
    tournament.Pair(round);
    std::string reason;
    if (!WriteOutputFile(outputName, round, reason))
    {
        std::cerr << "Cannot write file " << outputName << ": " << reason << std::endl;
        return 1;
    }
    return 0;
}
