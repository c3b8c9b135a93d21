#pragma once

#include "pgn/PgnReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A temporary input file that holds exactly the given bytes and is removed with the object.
// The name carries the test's own name, because ctest may run several test processes at once.
class CPgnTestFile
{
public:
    explicit CPgnTestFile(const std::string& bytes)
    {
        static int count = 0;
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "vantor-pgn-";
        if (test != nullptr)
            name += std::string(test->test_suite_name()) + "-" + test->name() + "-";
        name += std::to_string(++count) + ".pgn";
        for (char& c : name)
            if (c == '/')
                c = '_';
        m_Path = (std::filesystem::temp_directory_path() / name).string();
        std::ofstream(m_Path, std::ios::binary) << bytes;
    }
    ~CPgnTestFile() { std::filesystem::remove(m_Path); }
    CPgnTestFile(const CPgnTestFile&) = delete;
    CPgnTestFile& operator=(const CPgnTestFile&) = delete;

    const char* Name() const { return m_Path.c_str(); }

private:
    std::string m_Path;
};

// Everything one reading of a file gives: the records of the calls that returned true, the
// diagnostics printed, and the reader's flag at the end.
struct CPgnReading
{
    std::vector<CPgnGame> m_Records;
    std::string m_Diagnostics;
    bool m_Ok = false;
};

// Reads the whole file the way the tournament reader does, until the first false.
inline CPgnReading ReadAllRecords(const char* fileName)
{
    CPgnReading reading;
    ::testing::internal::CaptureStderr();
    {
        CPgnReader reader(fileName);
        CPgnGame game;
        while (reader.IsOpen() && reader.ReadGame(game))
            reading.m_Records.push_back(game);
        reading.m_Ok = reader.IsOk();
    }
    reading.m_Diagnostics = ::testing::internal::GetCapturedStderr();
    return reading;
}

// Reads the given bytes; in the diagnostics the temporary file's name reads "in.pgn".
inline CPgnReading ReadAllRecordsOf(const std::string& bytes)
{
    const CPgnTestFile file(bytes);
    CPgnReading reading = ReadAllRecords(file.Name());
    const std::string name = file.Name();
    for (std::size_t at = reading.m_Diagnostics.find(name); at != std::string::npos;
         at = reading.m_Diagnostics.find(name, at))
        reading.m_Diagnostics.replace(at, name.size(), "in.pgn");
    return reading;
}

// The diagnostic line for a file read by ReadAllRecordsOf.
inline std::string Diagnostic(int line, int column, const std::string& message)
{
    return "info string PGN-Parser: file in.pgn line " + std::to_string(line) + " char " +
           std::to_string(column) + ": " + message + "\n";
}
