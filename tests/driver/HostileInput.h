#pragma once

#include "support/GameText.h"
#include "support/ReadBoardNames.h"
#include "support/RunVantor.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

// Inputs that a careless editor, a broken disk or a malicious user could hand the program. Each
// run must end either with status 0 and a complete round that reads back as one game per board,
// or with status 1, one diagnostic line and no output file; never with a crash, a hang or a
// half-written file.
using Names = std::vector<std::string>;

class HostileInput : public ::testing::Test
{
protected:
    CVantorRun Run(const std::string& bytes)
    {
        m_Input = m_Folder.Write("in.pgn", bytes);
        std::filesystem::remove(Output());
        return RunVantor({m_Input, Output()}, m_Folder);
    }

    std::string Output() const { return m_Folder.Path("out.pgn"); }

    // Status 0 and a round whose boards name exactly these participants (the bye as "BYE");
    // the slips of a hostile input may have been warned about, and nothing else said.
    void ExpectRound(const CVantorRun& run, Names expected)
    {
        ASSERT_EQ(run.m_Status, 0) << run.m_Stderr;
        for (std::size_t line = 0; line < run.m_Stderr.size();
             line = run.m_Stderr.find('\n', line) + 1)
            EXPECT_EQ(run.m_Stderr.compare(line, 9, "warning: "), 0) << run.m_Stderr;
        Names written;
        EXPECT_TRUE(ReadBoardNames(Output(), written)) << ReadFile(Output());
        std::sort(written.begin(), written.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(written, expected);
        ExpectNoStrayFiles();
    }

    // Status 1, one diagnostic line that holds the message, and no output file.
    void ExpectRefused(const CVantorRun& run, const std::string& message)
    {
        EXPECT_EQ(run.m_Status, 1);
        const std::string frame = "info string PGN-Parser: file " + m_Input + " line ";
        EXPECT_EQ(run.m_Stderr.rfind(frame, 0), 0u) << run.m_Stderr;
        EXPECT_NE(run.m_Stderr.find(message), std::string::npos) << run.m_Stderr;
        EXPECT_EQ(std::count(run.m_Stderr.begin(), run.m_Stderr.end(), '\n'), 1);
        EXPECT_EQ(run.m_Stderr.back(), '\n');
        EXPECT_FALSE(std::filesystem::exists(Output()));
        ExpectNoStrayFiles();
    }

    // Only the input, the output and the captured console may be left in the folder.
    void ExpectNoStrayFiles() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(m_Folder.Path("")))
        {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "in.pgn" || name == "out.pgn" || name == "stdout.txt" ||
                        name == "stderr.txt")
                << name;
        }
    }

    CTemporaryFolder m_Folder;
    std::string m_Input;
};

inline std::string NewLines(const Names& names)
{
    std::string text;
    for (const std::string& name : names)
        text += "%new \"" + name + "\" \"1800\"\n";
    return text;
}

// Nine participants after one round: odd, so that one of them gets the bye, and more than the
// few that are paired by trying every pairing, so that the search runs.
inline const Names Nine = {"P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9"};

inline std::string NineAfterOneRound()
{
    return NewLines(Nine) + GameText("P1", "P2", "1.1") + GameText("P3", "P4", "1.2", "0-1") +
           GameText("P5", "P6", "1.3", "1/2-1/2") + GameText("P7", "P8", "1.4") +
           GameText("P9", "BYE", "1.5");
}

inline Names WithBye(Names names)
{
    names.push_back("BYE");
    return names;
}
