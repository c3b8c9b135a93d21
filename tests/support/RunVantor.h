#pragma once

#include "support/TemporaryFolder.h"

#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// One run of a program: exit status (128 + signal when it was killed) and everything
// it printed.
struct CVantorRun
{
    int m_Status = -1;
    std::string m_Stdout;
    std::string m_Stderr;
};

// Runs a program with exactly these arguments, no shell in between, in the folder given.
// Standard output goes to a file unless another descriptor is given for it.
inline CVantorRun RunProgram(const char* program, const std::vector<std::string>& arguments,
                             const CTemporaryFolder& folder, int standardOutput = -1)
{
    const std::string outPath = folder.Path("stdout.txt");
    const std::string errPath = folder.Path("stderr.txt");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (standardOutput >= 0)
        posix_spawn_file_actions_adddup2(&actions, standardOutput, 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    CVantorRun run;
    pid_t child = 0;
    if (posix_spawn(&child, program, &actions, nullptr, argv.data(), environ) == 0)
    {
        int status = 0;
        ::waitpid(child, &status, 0);
        run.m_Status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.m_Stdout = ReadFile(outPath);
    run.m_Stderr = ReadFile(errPath);
    return run;
}

// Runs the built program.
inline CVantorRun RunVantor(const std::vector<std::string>& arguments,
                            const CTemporaryFolder& folder, int standardOutput = -1)
{
    return RunProgram(VANTOR_EXECUTABLE, arguments, folder, standardOutput);
}

inline const std::string Banner =
    "Vantor beta 3\nSwiss pairings for chess tournaments, by the Vantor developers\n";
