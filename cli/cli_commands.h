#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

class ZoneDatabase;

// dawnrule-cli: the program's computations for scripts. Output goes to `out`; every
// error is one line on `err` ("dawnrule-cli <command>: <text>", control characters
// shown escaped); the status is 0 for success, 1 for a checked failure in the data,
// 2 for a usage error. No input makes it crash. `zones` is the zone database that
// `times --local`, `route --local` and `plan` read their zones from (the program
// passes the system's); without one those are usage errors.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           ZoneDatabase* zones = nullptr);

// The usage text that --help prints (and no arguments at all prints on stderr).
std::string CliUsage();

// What a subcommand throws: a usage error gives status 2.
class CliUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text with every control character written as an escape (\n, \r, \t, \xNN), so
// that it stays on one line and sends the terminal no command: the C0 controls and DEL,
// and the C1 controls, both as lone bytes 0x80 to 0x9F and as UTF-8 characters U+0080 to
// U+009F (each byte escaped). Other UTF-8 characters and the other bytes from 0xA0 up
// (the data files' Windows-1252 letters, the degree sign) stay as they are.
std::string EscapeControls(std::string_view text);

// Writes "dawnrule-cli <command>: <text>" as one line.
void WriteCliError(std::ostream& err, std::string_view command, std::string_view text);

// Subcommands. `args` holds the arguments after the subcommand's name. Each writes
// its result to out and returns its status; usage errors are thrown as CliUsageError
// (or ConvertError) and reported by RunCli. Lines on err that a subcommand writes
// itself (warnings) go through WriteCliError.
int RunTimesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, ZoneDatabase* zones);
int RunMoonCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, ZoneDatabase* zones);
int RunRouteCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, ZoneDatabase* zones);
// dawnrule-cli plan: the daylight trip plan (trip/trip_plan.h) as aligned text or
// CSV; status 1 for bad data (a route, a stop, Daylight.txt), 2 for a usage error.
int RunPlanCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, ZoneDatabase* zones);

// dawnrule-cli parse FILE | -: reads a city list (or standard input) as the town picker
// reads its lists (Windows-1252, any line end, a NUL ends the text) and prints one line
// per entry, numbered from 1: "N<TAB>LAT<TAB>LON", the values the latitude and longitude
// fields would take (two decimals), or "N<TAB>MESSAGE", the message the window would show
// (UTF-8, control characters escaped). An empty entry, which the window does not parse,
// prints "N<TAB>" + kParseEmptyLineNote. Status 0 when every entry gives both values, 1
// otherwise (empty entries included), 2 for a usage error or an unreadable file.
inline constexpr std::string_view kParseEmptyLineNote = "(empty line: not parsed)";
int RunParseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, ZoneDatabase* zones);
// The same, reading "-" from `in` instead of standard input.
int RunParseCommandWithInput(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                             std::ostream& err);

} // namespace dawnrule
