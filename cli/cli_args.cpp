#include "cli/cli_args.h"

#include "astro/date_text.h"
#include "cli/cli_commands.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <filesystem>
#include <optional>

namespace dawnrule {

double CliNumber(const std::string& name, const std::string& text, double low, double high)
{
    double value = 0;
    try {
        value = StrToFloat(text);
    } catch (const ConvertError& e) {
        throw CliUsageError("--" + name + ": " + e.what());
    }
    if (value < low || value > high)
        throw CliUsageError("--" + name + " must lie between " + FloatToStr(low) + " and " + FloatToStr(high));
    return value;
}

double CliOffset(const std::string& text)
{
    return CliNumber("offset", text, -12, 14);
}

std::string CliProgramFolder()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

CivilDate CliDateArg(const std::string& text)
{
    const std::optional<CivilDate> date = ParseDateText(text);
    if (!date)
        throw CliUsageError("--date: '" + text + "' is not a date of the form " + std::string(kDateTextFormat));
    return *date;
}

} // namespace dawnrule
