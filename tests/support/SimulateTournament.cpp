// Writes a whole tournament as the program's own input file: `vantor_simulate <participants>
// <rounds> <output pgn> [--example] [--debug] [--seed N]`. Every round is paired by the program
// itself from the file as it stands and its games are decided by the fixed rule, with the usual
// events of a tournament on the way: a late entry, a withdrawal, a participant who misses a round
// and returns, and byes whenever the field is odd. --example uses the names of the bundled
// example instead of "Player N".

#include "driver/ReadInput.h"
#include "search/Pair.h"
#include "support/SimulatedTournament.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace
{
const char* const ExampleNames[] = {
    "Adler, Maren",    "Brandt, Oskar",  "Castell, Ines",   "Dorn, Lukas",   "Eberle, Sina",
    "Falk, Henrik",    "Gerlach, Tilda", "Hofer, Bruno",    "Imhof, Clara",  "Jansen, Per",
    "Kessler, Aurel",  "Lorenz, Mia",    "Moser, Jonas",    "Nagel, Frieda", "Ott, Valentin",
    "Pohl, Greta",     "Quandt, Emil",   "Roth, Selma",     "Sauer, Konrad", "Thiel, Alma",
    "Ulrich, Bastian", "Vogt, Leonie",   "Wendt, Matthias", "Zeller, Ronja", "Keller, Yannik",
    "Yilmaz, Derya"};

struct COptions
{
    int m_Participants = 0;
    int m_Rounds = 0;
    std::string m_Output;
    bool m_Example = false;
    bool m_Debug = false;
    std::string m_Seed; // written as a %Seed line when given
};

std::string NameOf(const COptions& options, int k)
{
    if (options.m_Example && k < static_cast<int>(std::size(ExampleNames)))
        return ExampleNames[k];
    return "Player " + std::to_string(k + 1);
}

std::string TagValueOf(const std::string& line)
{
    const std::size_t open = line.find('"');
    return line.substr(open + 1, line.rfind('"') - open - 1);
}

// Fills in the results of a written round by the fixed rule, as a director would after the
// games are played.
std::string FillResults(const CVantor& tournament, const std::string& round, int roundNumber)
{
    std::istringstream lines(round);
    std::string filled;
    std::string line;
    std::string white;
    std::string black;
    std::string result;
    while (std::getline(lines, line))
    {
        if (line.rfind("[White \"", 0) == 0)
            white = TagValueOf(line);
        else if (line.rfind("[Black \"", 0) == 0)
            black = TagValueOf(line);
        else if (line == "[Result \"*\"]")
        {
            const int points = FixedResult(tournament, tournament.m_Index.at(white),
                                           tournament.m_Index.at(black), roundNumber);
            result = points == 2 ? "1-0" : (points == 0 ? "0-1" : "1/2-1/2");
            line = "[Result \"" + result + "\"]";
        }
        else if (line == "*")
            line = result;
        filled += line + "\n";
    }
    return filled;
}

std::string EventsBefore(const COptions& options, int round)
{
    const auto command = [](const char* word, const std::string& name)
    { return std::string("%") + word + " \"" + name + "\"\n"; };
    std::string events;
    if (round == 3)
        events += "%new \"" + NameOf(options, options.m_Participants) + "\" \"1712\"\n" +
                  command("remove", NameOf(options, options.m_Participants / 3));
    if (round == 4)
        events += command("remove", NameOf(options, options.m_Participants / 2));
    if (round == 5)
        events += command("comeback", NameOf(options, options.m_Participants / 2));
    return events;
}

bool Simulate(const COptions& options)
{
    std::string file;
    if (options.m_Debug)
        file += "%Debug \"1\"\n";
    if (!options.m_Seed.empty())
        file += "%Seed \"" + options.m_Seed + "\"\n";
    for (int k = 0; k < options.m_Participants; ++k)
        file += "%new \"" + NameOf(options, k) + "\" \"" +
                std::to_string(2650 - k * 1100 / options.m_Participants + (k * 7919) % 83) + "\"\n";
    std::streambuf* const standardOutput = std::cout.rdbuf(Nowhere().rdbuf());
    bool read = true;
    for (int round = 1; round <= options.m_Rounds && read; ++round)
    {
        file += EventsBefore(options, round);
        std::ofstream(options.m_Output, std::ios::binary) << file;
        CVantor tournament;
        read = tournament.ReadTournament(options.m_Output.c_str());
        std::string written;
        PairNextRound(tournament, written, Nowhere());
        file += FillResults(tournament, written, round);
    }
    std::cout.rdbuf(standardOutput);
    std::ofstream output(options.m_Output, std::ios::binary);
    output << file;
    return read && output.good();
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
    {
        std::cerr << "usage: vantor_simulate <participants> <rounds> <output pgn> [--example] "
                     "[--debug] [--seed N]\n";
        return 1;
    }
    COptions options;
    options.m_Participants = std::atoi(argv[1]);
    options.m_Rounds = std::atoi(argv[2]);
    options.m_Output = argv[3];
    for (int k = 4; k < argc; ++k)
    {
        if (std::strcmp(argv[k], "--example") == 0)
            options.m_Example = true;
        else if (std::strcmp(argv[k], "--debug") == 0)
            options.m_Debug = true;
        else if (std::strcmp(argv[k], "--seed") == 0 && k + 1 < argc)
            options.m_Seed = argv[++k];
    }
    return Simulate(options) ? 0 : 1;
}
