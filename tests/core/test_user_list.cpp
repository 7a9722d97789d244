#include "common/errors.h"
#include "common/text_file.h"
#include "locations/user_list.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace dawnrule {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(SortUserLines, AscendingWithoutRegardToCase)
{
    const struct {
        const char* name;
        Lines in;
        Lines sorted;
    } rows[] = {
        {"the three towns and an empty line",
         {"Zion  N\xB0" "37.12,W\xB0-113.00", "apple  N\xB0" "40.00,W\xB0-80.00", "", "Mobile  N\xB0" "30.41,W\xB0-88.02"},
         {"", "apple  N\xB0" "40.00,W\xB0-80.00", "Mobile  N\xB0" "30.41,W\xB0-88.02", "Zion  N\xB0" "37.12,W\xB0-113.00"}},
        {"case ties: capitals first, whatever the order in", {"mobile", "MOBILE", "Mobile"}, {"MOBILE", "Mobile", "mobile"}},
        {"prefix before longer", {"Mobile Bay", "mobile"}, {"mobile", "Mobile Bay"}},
        {"Windows-1252 letters fold too", {"\xC9tienne", "\xE9" "cole", "Zed", "eagle"}, {"eagle", "\xE9" "cole", "\xC9tienne", "Zed"}},
        {"\x8A and \x9A are one letter", {"\x9A" "b", "\x8A" "a"}, {"\x8A" "a", "\x9A" "b"}},
        {"accent after its plain letter", {"\xE9t", "et", "Et"}, {"Et", "et", "\xE9t"}},
        {"blanks and digits by their bytes", {"b", " a", "1"}, {" a", "1", "b"}},
        {"nothing", {}, {}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(SortUserLines(r.in), r.sorted) << r.name;
}

TEST(EditorLines, OneLinePerLineAndNoEmptyLastLine)
{
    EXPECT_EQ(EditorLines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(EditorLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(EditorLines("a\n\nb\n\n"), (Lines{"a", "", "b", ""}));
    EXPECT_EQ(EditorLines(""), Lines{});
    EXPECT_EQ(EditorLines("\n"), Lines{""});
}

TEST(IsRefusedUserEntry, OnlyTheThreeTextsExactly)
{
    for (const char* t : {"City List", "User City List", "Click on a state first."})
        EXPECT_TRUE(IsRefusedUserEntry(t)) << t;
    for (const char* t : {"Home", "No Texas City List", "city list", "City List ", "Mob", "Texas City List"})
        EXPECT_FALSE(IsRefusedUserEntry(t)) << t;
}

class AppendUserLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = (dir / "U.txt").string();
    }
    std::string Slurp()
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    test::ScratchFolder scratch;
    const fs::path dir = scratch.path();
    std::string path;
};

TEST_F(AppendUserLineTest, AppendsAtTheEndAndCreatesAMissingFile)
{
    AppendUserLine(path, "Mobile  N\xB0" "30.41,W\xB0-88.02");
    EXPECT_EQ(Slurp(), "Mobile  N\xB0" "30.41,W\xB0-88.02\r\n");
    AppendUserLine(path, "Home");
    AppendUserLine(path, "Mobile  N\xB0" "30.41,W\xB0-88.02");  // duplicates are the user's business
    EXPECT_EQ(Slurp(), "Mobile  N\xB0" "30.41,W\xB0-88.02\r\nHome\r\nMobile  N\xB0" "30.41,W\xB0-88.02\r\n");
}

TEST_F(AppendUserLineTest, AnUnreadableFileIsLeftAlone)
{
    fs::create_directory(path);  // something that exists but is no file
    try {
        AppendUserLine(path, "Home");
        FAIL() << "appended to a folder";
    } catch (const FileError& e) {
        EXPECT_EQ(e.what(), "Cannot open file " + path);
    }
    EXPECT_TRUE(fs::is_directory(path));
}

} // namespace
} // namespace dawnrule
