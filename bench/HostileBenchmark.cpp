// Times every mode of the program on files shaped to cost the most per byte, each beside a clean
// twin of the same size (the same file with its slips put right), and again at half the size:
//
//     vantor_hostile_bench [kilobytes [program [shape]]]
//
// by default 450 KB (the size of the 1000-player golden tournament), the program built beside it
// and every shape. A cost that grows with the file's size doubles from the half size to the whole
// one and stays near its twin's; one that grows faster shows at once. Wall times, the best of three
// runs.

#include "support/RunVantor.h"
#include "support/TemporaryFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

// The shapes below share a clean core: announced participants and one round between them.
constexpr int CoreParticipants = 1000;

std::string LetterTail(int k)
{
    std::string tail;
    for (int digit = 0; digit < 8; ++digit)
        tail += static_cast<char>('a' + ((k >> (3 * digit)) & 7));
    return tail;
}

std::string Game(const std::string& white, const std::string& black, int round)
{
    return "[White \"" + white + "\"]\n[Black \"" + black + "\"]\n[Round \"" +
           std::to_string(round) + "\"]\n[Result \"1-0\"]\n1-0\n\n";
}

std::string Core(const std::vector<std::string>& names)
{
    std::string text;
    for (std::size_t k = 0; k < names.size(); ++k)
        text += "%new \"" + names[k] + "\" \"" + std::to_string(1000 + k) + "\"\n";
    for (std::size_t k = 0; k + 1 < names.size(); k += 2)
        text += Game(names[k], names[k + 1], 1);
    return text;
}

// A name one letter off, the letter `back` places from the end: close enough for a suggestion,
// never the same participant (the letters of LetterTail go up to h).
std::string Near(std::string name, std::size_t back = 0)
{
    name[name.size() - 1 - back] = 'z';
    return name;
}

std::vector<std::string> FieldNames()
{
    std::vector<std::string> names;
    for (int k = 0; k < CoreParticipants; ++k)
        names.push_back("Surname" + LetterTail(k) + ", Given");
    return names;
}

// Ten participants whose names fill the file, alike but for their last letters, and five games
// of the second round under names one letter off.
std::string LongNames(std::size_t size, bool slips)
{
    const std::size_t length = size / 30;
    std::vector<std::string> names;
    for (int k = 0; k < 10; ++k)
        names.push_back(std::string(length - 8, 'n') + LetterTail(k));
    std::string text = Core(names);
    for (std::size_t k = 0; k < 10; k += 2)
        text += Game(slips ? Near(names[k]) : names[k], names[k + 1], 2);
    return text;
}

// Repeats a clean line or its slip, the two of equal length, until the file has its size.
std::string FillWith(std::string text, std::size_t size,
                     const std::function<std::string(int, bool)>& line, bool slips)
{
    for (int k = 0; text.size() < size; ++k)
        text += line(k, slips);
    return text;
}

// Thousands of removals under names one letter off, each a warning and most of them a new
// participant; the twin brings back participants who are there (trailing blanks are ignored, so
// the lengths agree).
std::string NearNames(std::size_t size, bool slips)
{
    const std::vector<std::string> names = FieldNames();
    return FillWith(
        Core(names), size,
        [&](int k, bool slip)
        {
            const auto line = static_cast<std::size_t>(k);
            const std::string& name = names[line % names.size()];
            const std::size_t back = 7 + (line / names.size()) % 8; // in the tail
            return slip ? "%remove \"" + Near(name, back) + "\"  \n"
                        : "%comeback \"" + name + "\"\n";
        },
        slips);
}

// Thousands of warnings of several kinds: an unknown command, a number that does not read wholly,
// a second game in a round for two participants; the twin's lines are alike but sound.
std::string ManyWarnings(std::size_t size, bool slips)
{
    const std::vector<std::string> names = FieldNames();
    return FillWith(
        Core(names), size,
        [&](int k, bool slip)
        {
            const std::string& name = names[static_cast<std::size_t>(k) % names.size()];
            const std::string game =
                Game(name, names[static_cast<std::size_t>(k + 2) % names.size()], 1);
            return (slip ? "%withdraw \"" : "%comeback \"") + name + "\"\n" +
                   (slip ? "%Colour3 \"4,5\"\n" : "%Colour3 \"4.5\"\n") +
                   (slip ? game : ";" + std::string(game.size() - 2, ' ') + "\n");
        },
        slips);
}

struct CShape
{
    const char* m_Name;
    std::function<std::string(std::size_t, bool)> m_Make;
};

struct CMode
{
    const char* m_Name;
    std::vector<std::string> m_Options; // before the input
    bool m_WritesRound = false;
};

double BestOfThree(const std::string& program, const std::vector<std::string>& arguments,
                   const CTemporaryFolder& folder)
{
    double best = 1e9;
    for (int run = 0; run < 3; ++run)
    {
        const auto start = Clock::now();
        RunProgram(program.c_str(), arguments, folder);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

double Time(const std::string& program, const CMode& mode, const std::string& input,
            const CTemporaryFolder& folder)
{
    std::vector<std::string> arguments = mode.m_Options;
    arguments.push_back(input);
    if (mode.m_WritesRound)
        arguments.push_back(folder.Path("round.pgn"));
    return BestOfThree(program, arguments, folder);
}
} // namespace

int main(int argc, char** argv)
{
    const std::size_t size = 1024 * static_cast<std::size_t>(argc > 1 ? std::atoi(argv[1]) : 450);
    const std::string program = argc > 2 ? argv[2] : VANTOR_EXECUTABLE;
    const std::vector<CShape> shapes{
        {"long names", LongNames}, {"near names", NearNames}, {"warnings", ManyWarnings}};
    const std::vector<CMode> modes{{"pair", {}, true},
                                   {"--check", {"--check"}},
                                   {"--standings", {"--standings"}},
                                   {"--standings --csv", {"--standings", "--csv"}},
                                   {"--audit", {"--audit"}}};
    const CTemporaryFolder folder;
    std::printf("%s, files of %zu bytes; seconds, the best of three runs\n\n", program.c_str(),
                size);
    std::printf("%-11s %-18s %8s %8s %6s %10s %6s\n", "shape", "mode", "twin", "hostile", "ratio",
                "half size", "growth");
    for (const CShape& shape : shapes)
    {
        if (argc > 3 && shape.m_Name != std::string(argv[3]))
            continue;
        const std::string twin = folder.Write("twin.pgn", shape.m_Make(size, false));
        const std::string hostile = folder.Write("hostile.pgn", shape.m_Make(size, true));
        const std::string half = folder.Write("half.pgn", shape.m_Make(size / 2, true));
        for (const CMode& mode : modes)
        {
            const double clean = Time(program, mode, twin, folder);
            const double whole = Time(program, mode, hostile, folder);
            const double halved = Time(program, mode, half, folder);
            std::printf("%-11s %-18s %8.3f %8.3f %6.1f %10.3f %6.1f\n", shape.m_Name, mode.m_Name,
                        clean, whole, whole / clean, halved, whole / halved);
        }
    }
    return 0;
}
