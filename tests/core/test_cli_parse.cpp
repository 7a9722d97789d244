#include "cli/cli_commands.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace dawnrule {
namespace {

namespace fs = std::filesystem;

#define DEG "\xB0"

struct ParseRun {
    int status;
    std::string out;
    std::string err;
};

// dawnrule-cli parse <args>, with `input` as standard input.
ParseRun Parse(const std::vector<std::string>& args, const std::string& input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    int status = 0;
    try {
        status = RunParseCommandWithInput(args, in, out, err);
    } catch (const CliUsageError& e) {
        status = -1;
        err << e.what();
    }
    return {status, out.str(), err.str()};
}

// The same through the dispatcher, as the program runs it.
ParseRun Cli(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

class CliParseFile : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes)
    {
        const fs::path p = dir / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }
    test::ScratchFolder scratch;
    const fs::path dir = scratch.path();
};

TEST_F(CliParseFile, GoodListPrintsTheFieldValues)
{
    const std::string path = Write("AL.txt",
                                   "Mobile  N" DEG "30.41,W" DEG "-88.02\r\n"
                                   "Pago Pago, AS  S" DEG "-14.16,W" DEG "-170.42\r\n"
                                   "Town  S" DEG "14.16,E" DEG "170.4\r\n"
                                   "Kane\xF1" "a  N" DEG "5,W" DEG "-0.001\r\n");
    const ParseRun run = Cli({"parse", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "1\t30.41\t-88.02\n"
              "2\t-14.16\t-170.42\n"
              "3\t14.16\t170.40\n"
              "4\t5.00\t0.00\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(CliParseFile, BadLinesGiveTheWindowsMessagesAndStatusOne)
{
    const std::string path = Write("U.txt",
                                   "Home\r\n"
                                   "Town  N" DEG "30.41,-88.02\r\n"
                                   "Town  N" DEG "30.41 W" DEG "-88.02\r\n"
                                   "Town  N" DEG "30.41,W" DEG "-88.02 x\r\n"
                                   "Town  N" DEG "30.41,W" DEG "-88.02" DEG "\r\n"
                                   "Mobile  N" DEG "30.41,W" DEG "-88.02\r\n"
                                   "Town  N" DEG "91.00,W" DEG "-400.00\r\n"
                                   "Town  N" DEG "41.26,W" DEG "-400.00\r\n");
    const ParseRun run = Cli({"parse", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "1\tNo N\xC2\xB0 or S\xC2\xB0 degrees in selected record.\n"
              "2\tNo W\xC2\xB0 or E\xC2\xB0 degrees in selected record.\n"
              "3\t'' is not a valid floating point value\n"
              "4\t'-88.02 x' is not a valid floating point value\n"
              "5\t'-88.02\xC2\xB0' is not a valid floating point value\n"
              "6\t30.41\t-88.02\n"
              "7\t'91.00' is not a valid latitude\n"
              "8\t'-400.00' is not a valid longitude\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(CliParseFile, LineEndsAsTheListsReadThem)
{
    const std::string a = "A  N" DEG "1,W" DEG "-1";
    const std::string b = "B  N" DEG "2,W" DEG "-2";
    const std::string c = "C  N" DEG "3,W" DEG "-3";
    const struct {
        const char* name;
        std::string bytes;
        const char* out;
    } rows[] = {
        {"crlf", a + "\r\n" + b + "\r\n", "1\t1.00\t-1.00\n2\t2.00\t-2.00\n"},
        {"lf without final end", a + "\n" + b, "1\t1.00\t-1.00\n2\t2.00\t-2.00\n"},
        {"cr", a + "\r" + b + "\r", "1\t1.00\t-1.00\n2\t2.00\t-2.00\n"},
        {"mixed", a + "\r\n" + b + "\n" + c + "\r", "1\t1.00\t-1.00\n2\t2.00\t-2.00\n3\t3.00\t-3.00\n"},
        {"nul ends the text", a + "\r\n" + b + std::string("\0", 1) + "\r\n" + c + "\r\n",
         "1\t1.00\t-1.00\n2\t2.00\t-2.00\n"},
        {"nul first", std::string("\0", 1) + a, ""},
        {"empty file", "", ""},
    };
    for (const auto& r : rows) {
        const std::string path = Write("list.txt", r.bytes);
        const ParseRun run = Cli({"parse", path});
        EXPECT_EQ(run.status, 0) << r.name;
        EXPECT_EQ(run.out, r.out) << r.name;
    }
}

TEST_F(CliParseFile, EmptyLinesAreNotedAndFail)
{
    // "a\r\r\nb" is a, an empty line, b; the window would not parse the empty entry.
    const std::string path = Write("list.txt", "\r\nA  N" DEG "1,W" DEG "-1\r\r\nB  N" DEG "2,W" DEG "-2\r\n");
    const ParseRun run = Cli({"parse", path});
    EXPECT_EQ(run.status, 1);
    const std::string note(kParseEmptyLineNote);
    EXPECT_EQ(run.out, "1\t" + note + "\n2\t1.00\t-1.00\n3\t" + note + "\n4\t2.00\t-2.00\n");
}

TEST_F(CliParseFile, ControlCharactersInAMessageStayOnItsLine)
{
    const std::string path = Write("list.txt", "A  N" DEG "1,W" DEG "-1\tx\x01\r\n");
    const ParseRun run = Cli({"parse", path});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "1\t'-1\\tx\\x01' is not a valid floating point value\n");
}

TEST_F(CliParseFile, UnreadableFileIsOneLineWithStatusTwo)
{
    const std::string missing = (dir / "TX.txt").string();
    for (const std::string& path : {missing, dir.string()}) {
        const ParseRun run = Cli({"parse", path});
        EXPECT_EQ(run.status, 2) << path;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "dawnrule-cli parse: Cannot open file " + path + "\n");
    }
}

TEST(CliParse, StandardInputThroughTheInjectedStream)
{
    const ParseRun good = Parse({"-"}, "Mobile  N" DEG "30.41,W" DEG "-88.02\nHome\r");
    EXPECT_EQ(good.status, 1);
    EXPECT_EQ(good.out, "1\t30.41\t-88.02\n2\tNo N\xC2\xB0 or S\xC2\xB0 degrees in selected record.\n");
    EXPECT_EQ(good.err, "");

    const ParseRun nul = Parse({"-"}, std::string("A  N" DEG "1,W" DEG "-1\r\n") + std::string(1, '\0') + "Home\r\n");
    EXPECT_EQ(nul.status, 0);
    EXPECT_EQ(nul.out, "1\t1.00\t-1.00\n");

    const ParseRun none = Parse({"-"}, "");
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
}

TEST(CliParse, UsageErrors)
{
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"parse"}, {"parse", "a", "b"}, {"parse", "--file"}, {"parse", "-x"}}) {
        const ParseRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << args.size();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("dawnrule-cli parse: ", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_NE(CliUsage().find("dawnrule-cli parse FILE | -\n"), std::string::npos);
}

} // namespace
} // namespace dawnrule
