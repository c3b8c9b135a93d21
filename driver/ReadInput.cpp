#include "driver/ReadInput.h"

#include <filesystem>
#include <fstream>
#include <ostream>

std::optional<EFailure> ReadInput(const std::string& name, CVantor& tournament, CWarnings& warnings,
                                  std::ostream& console)
{
    const bool read = tournament.ReadTournament(name.c_str(), warnings, console);
    warnings.Finish();
    if (read)
        return std::nullopt;
    std::error_code error;
    const bool opens = std::ifstream(name).is_open() && !std::filesystem::is_directory(name, error);
    return opens ? EFailure::RefusedInput : EFailure::UnreadableInput;
}

std::ostream& Nowhere()
{
    static std::ostream nowhere(nullptr);
    return nowhere;
}
