#include "cli/cli_args.h"

#include "astro/date_text.h"
#include "cli/cli_commands.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace dawnrule {

CliOptions ReadCliOptions(const std::vector<std::string>& args, std::initializer_list<std::string_view> flags,
                          std::initializer_list<std::string_view> valued, bool takesNames,
                          std::initializer_list<std::string_view> repeatable)
{
    const auto among = [](std::initializer_list<std::string_view> names, std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    CliOptions options;
    bool namesOnly = false;  // after "--" every argument is a name
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (takesNames && (namesOnly || a.rfind("--", 0) != 0)) {
            options.names.push_back(a);
            continue;
        }
        if (takesNames && a == "--") {
            namesOnly = true;
            continue;
        }
        const std::string name = a.rfind("--", 0) == 0 ? a.substr(2) : std::string();
        if (!name.empty() && among(flags, name)) {
            options.flags.insert(name);
            continue;
        }
        const bool repeats = !name.empty() && among(repeatable, name);
        if (name.empty() || !(repeats || among(valued, name)))
            throw CliUsageError("unknown argument '" + a + "'");
        if (i + 1 >= args.size())
            throw CliUsageError(a + " needs a value");
        if (repeats) {
            options.lists[name].push_back(args[++i]);
            continue;
        }
        if (!options.values.emplace(name, args[++i]).second)
            throw CliUsageError(a + " given twice");
    }
    return options;
}

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
