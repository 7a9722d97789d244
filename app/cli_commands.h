#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace dawnrule {

// Subcommands of dawnrule-cli. args holds the arguments after the subcommand's name.
// Each writes its result to out and returns 0, or writes a one-line error to err and
// returns 2; no input makes them crash.
int RunTimesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunMoonCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace dawnrule
