#include "driver/RunModes.h"

#include "driver/Failure.h"
#include "driver/ReadInput.h"

#include <iostream>

int RunMode(const CCommandLine& line)
{
    const CRunMode& mode = *line.m_Mode;
    if (mode.m_CheckFirst != nullptr)
        if (const std::optional<int> status = mode.m_CheckFirst(line))
            return *status;
    CVantor tournament;
    CWarnings warnings(std::cerr);
    if (mode.m_Input != EInput::None)
    {
        std::ostream& console = mode.m_Input == EInput::WithMessages ? std::cout : Nowhere();
        if (const auto failure = ReadInput(line.m_Arguments.front(), tournament, warnings, console))
            return Fail(*failure);
    }
    return mode.m_Run({line, tournament, warnings});
}
