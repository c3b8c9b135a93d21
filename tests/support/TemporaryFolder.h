#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A folder of its own for one test, removed with everything in it when the test ends; ctest runs
// test processes side by side, so no two tests may share a file name.
class CTemporaryFolder
{
public:
    CTemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantor-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            m_Path = pattern;
    }
    ~CTemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_Path, ignored);
    }
    CTemporaryFolder(const CTemporaryFolder&) = delete;
    CTemporaryFolder& operator=(const CTemporaryFolder&) = delete;

    std::string Path(const std::string& name) const { return (m_Path / name).string(); }

    // Writes the bytes exactly as given and returns the file's path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }

private:
    std::filesystem::path m_Path;
};

inline std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
