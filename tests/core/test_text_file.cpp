#include "common/errors.h"
#include "common/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace dawnrule {
namespace {

namespace fs = std::filesystem;

using Lines = std::vector<std::string>;

TEST(SplitLines, AllLineEndsAndTheirEdges)
{
    const struct {
        const char* name;
        std::string text;
        Lines lines;
    } rows[] = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lf", "a\nb", {"a", "b"}},
        {"cr", "a\rb\r", {"a", "b"}},
        {"mixed", "a\r\n\nb\rc", {"a", "", "b", "c"}},
        {"empty lines kept", "\r\n\r\nx\r\n", {"", "", "x"}},
        {"final end adds nothing", "x\n", {"x"}},
        {"empty text", "", {}},
        {"nul ends the text", std::string("a\nb\0c\nd", 7), {"a", "b"}},
        {"cr cr lf", "a\r\r\nb", {"a", "", "b"}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(SplitLines(r.text), r.lines) << r.name;
}

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("dawnrule-text-" + std::to_string(::getpid()) + "-"
                                           + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    std::string Slurp(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path dir;
};

TEST_F(TextFileTest, WritesCrLfAndReadsBack)
{
    const std::string path = (dir / "U.txt").string();
    const Lines lines = {"Mobile  N\xB0" "30.41,W\xB0-88.02", "", "last"};
    WriteTextLines(path, lines);
    EXPECT_EQ(Slurp(path), "Mobile  N\xB0" "30.41,W\xB0-88.02\r\n\r\nlast\r\n");
    EXPECT_EQ(ReadTextLines(path), lines);
}

TEST_F(TextFileTest, ReplacingLeavesNoTemporaryFilesAndKeepsPermissions)
{
    const fs::path path = dir / "Parm.dat";
    WriteTextLines(path.string(), {"old"});
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteTextLines(path.string(), {"new", "lines"});
    EXPECT_EQ(Slurp(path), "new\r\nlines\r\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, MissingFileIsAFileError)
{
    const std::string path = (dir / "nope.txt").string();
    try {
        ReadTextLines(path);
        FAIL() << "read a missing file";
    } catch (const FileError& e) {
        EXPECT_EQ(e.what(), "Cannot open file " + path);
    }
}

TEST_F(TextFileTest, UnwritableFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const fs::path path = dir / "Parm.dat";
    WriteTextLines(path.string(), {"kept"});
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    try {
        WriteTextLines(path.string(), {"lost"});
        FAIL() << "wrote into a read-only folder";
    } catch (const FileError& e) {
        EXPECT_EQ(e.what(), "Cannot create file " + path.string());
    }
    EXPECT_EQ(Slurp(path), "kept\r\n");
}

TEST_F(TextFileTest, FailedRenameLeavesNoTemporaryFile)
{
    // A folder in the file's place: the rename fails even for root.
    const fs::path path = dir / "Parm.dat";
    fs::create_directory(path);
    EXPECT_THROW(WriteTextLines(path.string(), {"x"}), FileError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_TRUE(fs::is_directory(path));
}

TEST_F(TextFileTest, FolderThatDoesNotExistIsACreateError)
{
    const std::string path = (dir / "missing" / "Parm.dat").string();
    EXPECT_THROW(WriteTextLines(path, {"x"}), FileError);
}

}  // namespace
}  // namespace dawnrule
