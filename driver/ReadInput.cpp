#include "driver/ReadInput.h"

#include <ostream>

std::optional<EFailure> ReadInput(const std::string& name, CVantor& tournament, CWarnings& warnings,
                                  std::ostream& console)
{
    const EReading reading = tournament.ReadTournament(name.c_str(), warnings, console);
    warnings.Finish();
    if (reading == EReading::Read)
        return std::nullopt;
    return reading == EReading::CannotOpen ? EFailure::UnreadableInput : EFailure::RefusedInput;
}

std::ostream& Nowhere()
{
    static std::ostream nowhere(nullptr);
    return nowhere;
}
