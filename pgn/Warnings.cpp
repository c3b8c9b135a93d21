#include "pgn/Warnings.h"

#include "pgn/TerminalText.h"

#include <ostream>

CWarnings::CWarnings(std::ostream& stream) : m_Stream(&stream) {}

// The message quotes names from the file: written out where they would act on a terminal, so
// that each line is one line and shows what is there.
void CWarnings::Print(const char* kind, const std::string& fileName, std::int64_t line,
                      const std::string& message)
{
    *m_Stream << kind << ": file " << TerminalText(fileName) << " line " << line << ": "
              << TerminalText(message) << std::endl;
}

void CWarnings::Warn(const std::string& fileName, std::int64_t line, const std::string& message)
{
    if (NextIsShown())
        Print("warning", fileName, line, message);
    ++m_Count;
}

void CWarnings::Note(const std::string& fileName, std::int64_t line, const std::string& message)
{
    if (m_ShowsNotes && m_Notes < ShownWarnings)
        Print("note", fileName, line, message);
    ++m_Notes;
}

void CWarnings::Finish()
{
    if (m_Finished)
        return;
    m_Finished = true;
    const std::int64_t more = m_Count - ShownWarnings;
    if (more > 0)
        *m_Stream << "warning: " << more << (more == 1 ? " more warning" : " more warnings")
                  << " not shown" << std::endl;
    const std::int64_t moreNotes = m_Notes - ShownWarnings;
    if (m_ShowsNotes && moreNotes > 0)
        *m_Stream << "note: " << moreNotes << (moreNotes == 1 ? " more note" : " more notes")
                  << " not shown" << std::endl;
}
