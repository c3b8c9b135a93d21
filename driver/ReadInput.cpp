#include "driver/ReadInput.h"

#include <ostream>
#include <streambuf>

std::optional<EFailure> ReadInput(const std::string& name, CVantor& tournament, CWarnings& warnings,
                                  std::ostream& console)
{
    const EReading reading = tournament.ReadTournament(name.c_str(), warnings, console);
    warnings.Finish();
    if (reading == EReading::Read)
        return std::nullopt;
    return reading == EReading::CannotOpen ? EFailure::UnreadableInput : EFailure::RefusedInput;
}

namespace
{
// Takes every character and keeps none, so that a stream that writes to it stays good.
class CDiscardBuffer : public std::streambuf
{
protected:
    std::streamsize xsputn(const char*, std::streamsize size) override { return size; }
    int_type overflow(int_type character) override { return traits_type::not_eof(character); }
};
} // namespace

std::ostream& Nowhere()
{
    static CDiscardBuffer discard;
    static std::ostream nowhere(&discard);
    return nowhere;
}
