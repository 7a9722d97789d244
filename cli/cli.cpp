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
     "--from STOP --to STOP --depart \"mm/dd/yyyy[ HH:MM]\" [--mph 50] [--hours 11] [--duty 14] [--off 10]\n"
     "           [--break] [--width FEET] [--road-factor 1.1] [--rest] [--home-zone NAME | --home-offset H]\n"
     "           [--folder DIR] [--csv] [--gpx-out FILE] [--ics-out FILE]\n"
     "           ROUTE... | --path FILE.gpx|.csv|.txt | --town \"Town, ST[=miles]\"...  (then --from, --to optional)\n"
     "           --hours: driving hours of a duty period, --duty: its hours from the first departure to the\n"
     "           last arrival (0: no limit), --off: the rest between two periods; --break: 30 minutes off duty\n"
     "           before 8 hours of driving (permitted oversize loads are exempt from it through June 17, 2030)",
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

namespace {

void AppendHex(std::string& out, unsigned char b)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", b);
    out += hex;
}

// The length of the well-formed UTF-8 character of two to four bytes at the start of
// `text` (no overlong form, no surrogate, nothing beyond U+10FFFF), 0 for none; its
// code point in `code`.
size_t Utf8Character(std::string_view text, char32_t& code)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        least = 0x80;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        least = 0x800;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        least = 0x10000;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u)
            return 0;
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string EscapeControls(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const char ch = text.front();
        const auto b = static_cast<unsigned char>(ch);
        char32_t code = 0;
        const size_t character = b >= 0x80 ? Utf8Character(text, code) : 0;
        if (character > 0) {
            // A UTF-8 character: a C1 control (U+0080 to U+009F) byte by byte as
            // escapes, any other as it is.
            for (size_t i = 0; i < character; ++i) {
                if (code <= 0x9F)
                    AppendHex(out, static_cast<unsigned char>(text[i]));
                else
                    out += text[i];
            }
            text.remove_prefix(character);
            continue;
        }
        if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\r') {
            out += "\\r";
        } else if (ch == '\t') {
            out += "\\t";
        } else if (b < 0x20 || b == 0x7F || (b >= 0x80 && b <= 0x9F)) {
            AppendHex(out, b);  // C0, DEL and a lone C1 byte (0x9B is CSI to an 8-bit terminal)
        } else {
            out += ch;  // Windows-1252 and Latin-1 letters, the degree sign
        }
        text.remove_prefix(1);
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
