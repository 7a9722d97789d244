#pragma once

#include "astro/calendar.h"

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// Argument checks that several dawnrule-cli subcommands share. Each throws
// CliUsageError with a one-line text that names the option.

// The arguments of a subcommand, read in order: flags (--military), options that take
// one value each (--date 11/09/2005; given twice is an error), and, where the command
// takes them, other arguments (route names; after "--" every argument is one), and
// options that may repeat (--town A --town B), each value kept in order. Throws
// CliUsageError "unknown argument '...'", "--date needs a value", "--date given twice".
struct CliOptions {
    std::set<std::string> flags;                // without the "--"
    std::map<std::string, std::string> values;  // option name without the "--" to its value
    std::vector<std::string> names;             // the other arguments
    std::map<std::string, std::vector<std::string>> lists;  // a repeatable option's values

    bool Has(const std::string& flag) const { return flags.count(flag) != 0; }
    std::optional<std::string> Value(const std::string& name) const
    {
        const auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
};
CliOptions ReadCliOptions(const std::vector<std::string>& args, std::initializer_list<std::string_view> flags,
                          std::initializer_list<std::string_view> valued, bool takesNames,
                          std::initializer_list<std::string_view> repeatable = {});

// The number of option --<name>, which must lie within low..high.
double CliNumber(const std::string& name, const std::string& text, double low, double high);

// The GMT offset of --offset: hours from -12 to +14.
double CliOffset(const std::string& text);

// The folder of the running executable, where the shipped data files lie; empty (the
// current directory) when the system does not tell. What --folder defaults to.
std::string CliProgramFolder();

// A date of --date written exactly "mm/dd/yyyy" and naming a real day (ParseDateText).
CivilDate CliDateArg(const std::string& text);

} // namespace dawnrule
