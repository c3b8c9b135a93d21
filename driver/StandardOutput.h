#pragma once

#include <array>
#include <optional>
#include <streambuf>
#include <string>

// Standard output as every mode writes it: std::cout goes through this buffer to descriptor 1
// while it lives, and the first write that fails is remembered. A reader that went away (a pipe
// whose reader quit, as in `vantor --standings t.pgn | head -3`) only ends the writing: what is
// left is dropped and the run goes on as if it had been read. Any other failure (a full disk, a
// file size limit, a closed descriptor) is the run's failure, reported once it ends.
class CStandardOutput final : public std::streambuf
{
public:
    CStandardOutput();
    ~CStandardOutput() override;
    CStandardOutput(const CStandardOutput&) = delete;
    CStandardOutput& operator=(const CStandardOutput&) = delete;

    // Writes what is held back and tells why standard output could not take everything; nothing
    // when it did, or when its reader went away.
    std::optional<std::string> Failure();

protected:
    int_type overflow(int_type character) override;
    int sync() override;

private:
    void Drain();

    std::array<char, 1 << 16> m_Buffer{};
    std::streambuf* m_Previous = nullptr;
    int m_Error = 0;         // of the first failed write; 0 while none failed
    bool m_Dropping = false; // after a failed write, or once the reader went away
};

// A standard descriptor that is closed when the run starts is opened on /dev/null for reading
// only: no file the run opens can take its number (and receive the console's lines), and a write
// to standard output still fails as it would have.
void ReserveStandardDescriptors();
