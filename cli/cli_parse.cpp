// dawnrule-cli parse: reads a city list as the town picker reads it and shows what every
// line would put into the coordinate fields, or the message the window would show.
#include "cli/cli_commands.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "common/text_file.h"
#include "locations/city_record.h"

#include <iostream>
#include <istream>
#include <iterator>
#include <ostream>

namespace dawnrule {

namespace {

std::vector<std::string> ReadInputLines(const std::string& source, std::istream& in)
{
    if (source != "-")
        return ReadTextLines(source);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw FileError("Cannot read standard input");
    return SplitLines(text);
}

} // namespace

int RunParseCommandWithInput(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                             std::ostream& err)
{
    if (args.size() != 1)
        throw CliUsageError("expected one FILE, or - for standard input");
    const std::string& source = args[0];
    if (source.size() > 1 && source[0] == '-')
        throw CliUsageError("unknown argument '" + source + "' (write ./" + source + " for a file of that name)");

    std::vector<std::string> lines;
    try {
        lines = ReadInputLines(source, in);
    } catch (const FileError& e) {
        WriteCliError(err, "parse", e.what());
        return 2;
    }

    bool allParsed = true;
    for (size_t i = 0; i < lines.size(); ++i) {
        out << i + 1 << '\t';
        if (lines[i].empty()) {
            // The window parses only a non-empty text; an empty entry does nothing there.
            out << kParseEmptyLineNote << '\n';
            allParsed = false;
            continue;
        }
        const CityRecordValues values = ReadCityRecord(lines[i]);
        if (values.Complete()) {
            out << FormatFixed(*values.latitude, 1, 2) << '\t' << FormatFixed(*values.longitude, 1, 2) << '\n';
        } else {
            out << EscapeControls(values.message) << '\n';
            allParsed = false;
        }
    }
    return allParsed ? 0 : 1;
}

int RunParseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, ZoneDatabase*)
{
    return RunParseCommandWithInput(args, std::cin, out, err);
}

} // namespace dawnrule
