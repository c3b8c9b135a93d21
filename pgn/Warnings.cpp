#include "pgn/Warnings.h"

#include "pgn/TerminalText.h"

#include <ostream>

CWarnings::CWarnings(std::ostream& stream) : m_Stream(&stream) {}

void CWarnings::Warn(const std::string& fileName, std::int64_t line, const std::string& message)
{
    // The message quotes names from the file: written out where they would act on a terminal,
    // so that each warning is one line and shows what is there.
    if (NextIsShown())
        *m_Stream << "warning: file " << TerminalText(fileName) << " line " << line << ": "
                  << TerminalText(message) << std::endl;
    ++m_Count;
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
}
