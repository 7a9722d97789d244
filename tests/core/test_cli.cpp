#include "cli/cli_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace dawnrule {
namespace {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult Cli(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

size_t Lines(const std::string& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(Cli, UsageOnlyForHelpOrNoArguments)
{
    const CliResult help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out, CliUsage());
    EXPECT_NE(help.out.find("dawnrule-cli times "), std::string::npos);
    EXPECT_NE(help.out.find("dawnrule-cli moon "), std::string::npos);

    const CliResult none = Cli({});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, CliUsage());
}

TEST(Cli, EveryErrorIsOneLine)
{
    const std::vector<std::vector<std::string>> cases = {
        {"sunrise"},
        {"times"},
        {"moon"},
        {"times\nx"},
        {"times", "--lon", "1\n2"},
        {"times", "--lon\r\n", "1"},
        {"moon", "--date", "11/09/2005 \x01"},
        {"moon", std::string("--date\0x", 8), "11/09/2005"},
    };
    for (const auto& args : cases) {
        const CliResult run = Cli(args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(Lines(run.err), 1u) << run.err;
        EXPECT_EQ(run.err.back(), '\n');
        EXPECT_EQ(run.err.rfind("dawnrule-cli", 0), 0u) << run.err;
    }
}

TEST(Cli, UnknownCommandNamesItAndPointsToHelp)
{
    const CliResult run = Cli({"sunrise", "--lon", "1"});
    EXPECT_EQ(run.err, "dawnrule-cli: unknown command 'sunrise' (dawnrule-cli --help lists the commands)\n");
}

TEST(Cli, ControlCharactersAreEscaped)
{
    const struct {
        std::string in;
        const char* out;
    } rows[] = {
        {"plain text", "plain text"},
        {"a\nb", "a\\nb"},
        {"a\r\nb", "a\\r\\nb"},
        {"tab\there", "tab\\there"},
        {std::string("nul\0", 4), "nul\\x00"},
        {"\x1b[31m", "\\x1B[31m"},
        {"del\x7f", "del\\x7F"},
        {"N\xB0" "30.41", "N\xB0" "30.41"},  // Windows-1252 and UTF-8 bytes stay as they are
        // C1 controls as C0 ones: a lone byte 0x80 to 0x9F (0x9B is CSI to an 8-bit
        // terminal) or a UTF-8 character U+0080 to U+009F. A UTF-8 character above them
        // keeps its bytes of that range, a sequence cut short does not.
        {"\x9b" "31m", "\\x9B31m"},
        {"\x80\x9f\xa0\xff", "\\x80\\x9F\xa0\xff"},
        {"\xc2\x9b" "31m", "\\xC2\\x9B31m"},
        {"\xc2\x85|\xc2\xa0", "\\xC2\\x85|\xc2\xa0"},
        {"\xe2\x82\xac 5, \xc4\x80, \xf0\x9f\x9a\x9b", "\xe2\x82\xac 5, \xc4\x80, \xf0\x9f\x9a\x9b"},
        {"\xe2\x82 cut", "\xe2\\x82 cut"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(EscapeControls(r.in), r.out);
}

// The one-line error of a command names what it was given with C1 bytes escaped.
TEST(Cli, ErrorLinesEscapeC1Bytes)
{
    const CliResult run = Cli({"route", "--date", "11/09/2005", "--offset", "-5", "--folder", "/nonexistent",
                               "I-\x9b" "2J\x85"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "dawnrule-cli route: File:I-\\x9B2J\\x85.txt not found\n");
}

} // namespace
} // namespace dawnrule
