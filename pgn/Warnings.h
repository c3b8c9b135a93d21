#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

// What a file that reads without a diagnostic still tells of a director's slips: one line each,
// "warning: file <name> line <n>: <message>", for the first ShownWarnings of them; Finish then
// says in one more line how many there were beyond. Warnings change nothing of what is read.
class CWarnings
{
public:
    static constexpr std::int64_t ShownWarnings = 50;

    explicit CWarnings(std::ostream& stream);

    void Warn(const std::string& fileName, std::int64_t line, const std::string& message);
    // Whether the next warning will be printed: what only a printed line needs (a search for a
    // close name, say) is worked out only then.
    bool NextIsShown() const { return m_Count < ShownWarnings; }
    // The line that counts the warnings not printed, if there were any; once.
    void Finish();

    std::int64_t Count() const { return m_Count; }

    // A deliberate act that is worth seeing but no slip, such as a rating changed between rounds:
    // "note: file <name> line <n>: <message>", never counted as a warning, and printed only when
    // notes are shown (by the check of the file), the first ShownWarnings of them.
    void Note(const std::string& fileName, std::int64_t line, const std::string& message);
    void ShowNotes() { m_ShowsNotes = true; }

private:
    void Print(const char* kind, const std::string& fileName, std::int64_t line,
               const std::string& message);

    std::ostream* m_Stream;
    std::int64_t m_Count = 0;
    std::int64_t m_Notes = 0;
    bool m_ShowsNotes = false;
    bool m_Finished = false;
};
