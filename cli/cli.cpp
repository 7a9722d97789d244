// dawnrule-cli's dispatch: the subcommands, the usage text and the one-line errors.
#include "cli/cli_commands.h"

#include "common/errors.h"

#include <cstdio>
#include <ostream>

namespace dawnrule {

namespace {

using CommandFunction = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&, ZoneDatabase*);

struct Command {
    std::string_view name;
    std::string_view usage;  // the arguments, as the usage text shows them
    CommandFunction run;
};

constexpr Command kCommands[] = {
    {"times", "--lon X --lat Y (--offset H | --local [--zone NAME]) --date mm/dd/yyyy [--military]", RunTimesCommand},
    {"moon", "--date \"mm/dd/yyyy[ hh:mm:ss]\" | --tdatetime N", RunMoonCommand},
    {"route", "--date mm/dd/yyyy --offset H [--military] [--folder DIR] NAME... [--local]", RunRouteCommand},
    {"parse", "FILE | -", RunParseCommand},
    {"plan",
     "--from STOP --to STOP --depart \"mm/dd/yyyy[ HH:MM]\" [--mph 50] [--hours 11] [--road-factor 1.1] [--rest]\n"
     "           [--home-zone NAME | --home-offset H] [--folder DIR] [--csv] [--gpx-out FILE] [--ics-out FILE]\n"
     "           ROUTE... | --path FILE.gpx|.csv|.txt | --town \"Town, ST[=miles]\"...  (then --from, --to optional)",
     RunPlanCommand},
};

} // namespace

std::string CliUsage()
{
    std::string text;
    for (const Command& c : kCommands) {
        text += text.empty() ? "usage: " : "       ";
        text += "dawnrule-cli ";
        text += c.name;
        text += ' ';
        text += c.usage;
        text += '\n';
    }
    return text;
}

std::string EscapeControls(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\r') {
            out += "\\r";
        } else if (ch == '\t') {
            out += "\\t";
        } else if (b < 0x20 || b == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        } else {
            out += ch;
        }
    }
    return out;
}

void WriteCliError(std::ostream& err, std::string_view command, std::string_view text)
{
    err << "dawnrule-cli";
    if (!command.empty())
        err << ' ' << EscapeControls(command);
    err << ": " << EscapeControls(text) << '\n';
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, ZoneDatabase* zones)
{
    if (args.empty()) {
        err << CliUsage();
        return 2;
    }
    const std::string& name = args[0];
    if (name == "--help" || name == "-h") {
        out << CliUsage();
        return 0;
    }
    for (const Command& c : kCommands) {
        if (c.name != name)
            continue;
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        try {
            return c.run(rest, out, err, zones);
        } catch (const CliUsageError& e) {
            WriteCliError(err, name, e.what());
        } catch (const ConvertError& e) {
            WriteCliError(err, name, e.what());
        }
        return 2;
    }
    WriteCliError(err, {}, "unknown command '" + name + "' (dawnrule-cli --help lists the commands)");
    return 2;
}

} // namespace dawnrule
