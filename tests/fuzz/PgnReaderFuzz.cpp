// Feeds arbitrary bytes to the PGN reader as a file and reads records until the first false, as
// the tournament reader does. Besides the sanitizers' checks it traps when the reader breaks one
// of its promises: a delivered record is a complete game or an escape command, the flag is false
// exactly when a diagnostic was printed, and a quiet false is only given at the end of the input.
#include "pgn/PgnReader.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <streambuf>
#include <string>

namespace
{
// Collects what is written to standard error instead of printing it.
class CCapture : public std::streambuf
{
public:
    std::string m_Text;

protected:
    std::streamsize xsputn(const char* text, std::streamsize size) override
    {
        m_Text.append(text, static_cast<std::size_t>(size));
        return size;
    }
    int_type overflow(int_type c) override
    {
        if (c != traits_type::eof())
            m_Text += static_cast<char>(c);
        return traits_type::not_eof(c);
    }
};

CCapture Diagnostics;
std::string InputName;
const std::string Prefix = "info string PGN-Parser: file ";

bool IsRecord(const CPgnGame& game)
{
    return game.contains("%") ||
           (game.contains("White") && game.contains("Black") && game.contains("Result"));
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::cerr.rdbuf(&Diagnostics);
    const std::filesystem::path shm = "/dev/shm";
    const auto folder =
        std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
    InputName = (folder / ("vantor-pgn-fuzz-" + std::to_string(getpid()) + ".pgn")).string();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        std::ofstream file(InputName, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Diagnostics.m_Text.clear();
    {
        CPgnReader reader(InputName.c_str());
        if (!reader.IsOpen())
            __builtin_trap();
        CPgnGame game;
        while (reader.ReadGame(game))
        {
            if (!IsRecord(game))
                __builtin_trap();
        }
        // Only the frame of the diagnostic is checked: its extra text is input, which may hold
        // line feeds and even a copy of the frame (the fuzzer learns to write one).
        const std::string& text = Diagnostics.m_Text;
        if (reader.IsOk() != text.empty())
            __builtin_trap();
        if (!text.empty() &&
            (text.rfind(Prefix + InputName + " line ", 0) != 0 || text.back() != '\n'))
            __builtin_trap();
        if (reader.IsOk() && reader.NextToken() != PgnToken::EndOfFile)
            __builtin_trap();
    }
    std::filesystem::remove(InputName);
    return 0;
}
