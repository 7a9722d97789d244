#pragma once

#include "astro/calendar.h"

#include <string>

namespace dawnrule {

// Argument checks that several dawnrule-cli subcommands share. Each throws
// CliUsageError with a one-line text that names the option.

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
