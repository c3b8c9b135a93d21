// Feeds arbitrary bytes to --result as the round file, with results taken from the bytes too:
// the file is read, a result entered on each of its first boards, the text rewritten and read
// back. Besides the sanitizers' checks it traps when an entry that was accepted does not read
// back as entered, or when the rewritten file no longer reads or lost a board.
#include "results/EnterResults.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace
{
constexpr std::size_t MostEntries = 6;

std::string RoundName;

void WriteFile(const std::string& text)
{
    std::ofstream file(RoundName, std::ios::binary | std::ios::trunc);
    file << text;
}

// One entry per board number met first in the file, the result chosen by a byte of the input.
std::vector<CResultEntry> EntriesFor(const CRoundFile& file, const std::uint8_t* data,
                                     std::size_t size)
{
    std::vector<CResultEntry> entries;
    std::set<int> named;
    for (const CRoundBoard& board : file.Boards())
    {
        if (entries.size() == MostEntries || !named.insert(board.m_Board).second)
            continue;
        const std::uint8_t choice = data[(entries.size() * 7919) % size];
        entries.push_back({board.m_Board, static_cast<EBoardResult>(choice % 7)});
    }
    return entries;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    RoundName = "/tmp/vantor-round-fuzz-" + std::to_string(::getpid()) + ".pgn";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    WriteFile(std::string(reinterpret_cast<const char*>(data), size));
    CRoundFile file;
    if (!file.Read(RoundName))
        return 0;
    const std::vector<CResultEntry> entries = EntriesFor(file, data, size);
    std::vector<CBoardRecord> changed;
    std::string reason;
    if (!EnterResults(file, entries, changed, reason))
        return 0;
    for (std::size_t k = 0; k < entries.size(); ++k)
        if (DescribeBoard(entries[k].m_Board, changed[k]).empty())
            __builtin_trap();
    WriteFile(file.Text());
    CRoundFile again;
    if (!again.Read(RoundName) || again.Boards().size() != file.Boards().size())
        __builtin_trap();
    for (const CResultEntry& entry : entries)
    {
        const std::vector<const CRoundBoard*> found = again.FindBoards(entry.m_Board);
        if (found.size() != 1 || found.front()->m_Record.m_Result != entry.m_Result)
            __builtin_trap();
    }
    return 0;
}
