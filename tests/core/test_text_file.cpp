#include "common/errors.h"
#include "common/text_file.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <random>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
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
    std::set<std::string> Entries() const
    {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.insert(e.path().filename().string());
        return names;
    }
    std::string Slurp(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    test::ScratchFolder scratch;
    const fs::path dir = scratch.path();
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

ino_t Inode(const fs::path& p)
{
    struct stat info {};
    return ::stat(p.c_str(), &info) == 0 ? info.st_ino : 0;
}

// What a save had put on disk at each sync it asked for: the file or folder synced (its
// inode; a file's text) and the text of the saved file at that moment.
struct SyncSeen {
    bool folder = false;
    ino_t inode = 0;
    std::string text;
    std::string saved;
};

// Puts itself in the place of the save's sync for its lifetime.
class SyncRecorder {
public:
    explicit SyncRecorder(std::string saved)
        : m_saved(std::move(saved))
        , m_before(SetDiskSyncCall(&Record))
    {
        s_active = this;
    }
    ~SyncRecorder()
    {
        SetDiskSyncCall(m_before);
        s_active = nullptr;
    }
    std::vector<SyncSeen> seen;
    bool failFiles = false;  // a file's sync reports an I/O error

private:
    static int Record(int fd)
    {
        SyncRecorder& self = *s_active;
        struct stat info {};
        if (::fstat(fd, &info) != 0)
            return -1;
        SyncSeen s;
        s.folder = S_ISDIR(info.st_mode);
        s.inode = info.st_ino;
        if (!s.folder) {
            s.text.resize(static_cast<size_t>(info.st_size));
            if (::pread(fd, s.text.data(), s.text.size(), 0) != static_cast<ssize_t>(s.text.size()))
                return -1;
        }
        std::ifstream in(self.m_saved, std::ios::binary);
        s.saved.assign(std::istreambuf_iterator<char>(in), {});
        self.seen.push_back(s);
        if (!s.folder && self.failFiles) {
            errno = EIO;
            return -1;
        }
        return 0;
    }

    static inline SyncRecorder* s_active = nullptr;
    std::string m_saved;
    DiskSyncCall m_before;
};

// A save is durable: the new text is on disk before it takes the file's name, and the
// folder's entry for that name is on disk after. A sync that fails is a failed save.
TEST_F(TextFileTest, ASaveSyncsTheTextBeforeTheRenameAndTheFolderAfter)
{
    const fs::path path = dir / "Parm.dat";
    WriteTextLines(path.string(), {"old"});
    SyncRecorder syncs(path.string());
    WriteTextLines(path.string(), {"new", "text"});
    ASSERT_EQ(syncs.seen.size(), 2u);
    // The file that became Parm.dat, with the new text, while Parm.dat was still the old.
    EXPECT_FALSE(syncs.seen[0].folder);
    EXPECT_EQ(syncs.seen[0].inode, Inode(path));
    EXPECT_EQ(syncs.seen[0].text, "new\r\ntext\r\n");
    EXPECT_EQ(syncs.seen[0].saved, "old\r\n");
    // Then the folder, which names the new file.
    EXPECT_TRUE(syncs.seen[1].folder);
    EXPECT_EQ(syncs.seen[1].inode, Inode(dir));
    EXPECT_EQ(syncs.seen[1].saved, "new\r\ntext\r\n");

    syncs.seen.clear();
    syncs.failFiles = true;
    EXPECT_THROW(WriteTextLines(path.string(), {"lost"}), FileError);
    EXPECT_EQ(syncs.seen.size(), 1u);
    EXPECT_EQ(Slurp(path), "new\r\ntext\r\n");
    EXPECT_EQ(Entries(), std::set<std::string>{"Parm.dat"});
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

// A full disk, simulated by a file-size limit (which holds for root as well): the
// save fails and the old file is untouched, which a save written in place would not
// leave.
TEST_F(TextFileTest, FullDiskKeepsTheOldFile)
{
    const fs::path path = dir / "Parm.dat";
    WriteTextLines(path.string(), {"kept"});
    const auto old = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    try {
        WriteTextLines(path.string(), Lines(100, std::string(40, 'x')));
    } catch (const FileError& e) {
        threw = true;
        EXPECT_EQ(e.what(), "Cannot create file " + path.string());
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old);
    EXPECT_TRUE(threw);
    EXPECT_EQ(Slurp(path), "kept\r\n");
    EXPECT_EQ(Entries(), (std::set<std::string>{"Parm.dat"}));
}

// The same limit in a program that never set up SIGXFSZ, whose default is to kill the
// process: the save must still fail with the error, not end the program silently.
TEST_F(TextFileTest, FileSizeLimitFailsTheSaveInsteadOfEndingTheProgram)
{
    const fs::path path = dir / "Parm.dat";
    WriteTextLines(path.string(), {"kept"});
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // As a program just started: the signal at its default, whatever this test
        // process did before.
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit small {64, 64};
        ::setrlimit(RLIMIT_FSIZE, &small);
        try {
            WriteTextLines(path.string(), Lines(100, std::string(40, 'x')));
        } catch (const FileError&) {
            ::_exit(0);
        }
        ::_exit(1);  // written in spite of the limit
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the save ended the program with signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not report the failure";
    EXPECT_EQ(Slurp(path), "kept\r\n");
    EXPECT_EQ(Entries(), (std::set<std::string>{"Parm.dat"}));
}

TEST_F(TextFileTest, NewFileGetsTheUsualPermissions)
{
    const struct {
        mode_t umask;
        fs::perms perms;
    } rows[] = {
        {022, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read},
        {077, fs::perms::owner_read | fs::perms::owner_write},
        {0, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write
                | fs::perms::others_read | fs::perms::others_write},
    };
    for (const auto& r : rows) {
        const fs::path path = dir / ("new" + std::to_string(r.umask) + ".txt");
        const mode_t old = ::umask(r.umask);
        WriteTextLines(path.string(), {"x"});
        ::umask(old);
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, r.perms) << std::oct << r.umask;
    }
}

// The save goes through a new file and a rename: a second name of the old file (a
// hard link, as a backup tool might keep) still shows the old text.
TEST_F(TextFileTest, ReplacesTheFileRatherThanRewritingIt)
{
    const fs::path path = dir / "Parm.dat";
    WriteTextLines(path.string(), {"old"});
    fs::create_hard_link(path, dir / "backup");
    WriteTextLines(path.string(), {"new"});
    EXPECT_EQ(Slurp(path), "new\r\n");
    EXPECT_EQ(Slurp(dir / "backup"), "old\r\n");
}

TEST_F(TextFileTest, StaleTemporariesOfTheFileGoAtTheNextSave)
{
    const fs::path path = dir / "Parm.dat";
    for (const char* name : {"Parm.dat.a1B2c3", "Parm.dat.ZZZZZZ", "Parm.dat.bak", "Parm.dat.a1B2c", "U.txt.a1B2c3",
                             "Parm.datXa1B2c3", "Parm.dat.held01"})
        std::ofstream(dir / name) << "left over";
    // One temporary is being written by another save right now: it holds the lock.
    const int held = ::open((dir / "Parm.dat.held01").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    WriteTextLines(path.string(), {"new"});
    ::close(held);
    EXPECT_EQ(Entries(), (std::set<std::string>{"Parm.dat", "Parm.dat.bak", "Parm.dat.a1B2c", "U.txt.a1B2c3",
                                                "Parm.datXa1B2c3", "Parm.dat.held01"}));
}

// Saves killed at random moments: the file is always whole (old or new text), and the
// next save leaves no temporary behind.
TEST_F(TextFileTest, KilledSavesLeaveAWholeFileAndNoTemporaries)
{
    const fs::path path = dir / "Parm.dat";
    const Lines a(20000, std::string(60, 'a'));
    const Lines b(20000, std::string(60, 'b'));
    WriteTextLines(path.string(), a);
    const std::string textA = Slurp(path);
    std::mt19937 random(7);
    int killedWithTemporary = 0;
    for (int run = 0; run < 40; ++run) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                WriteTextLines(path.string(), i % 2 ? a : b);
        }
        ::usleep(std::uniform_int_distribution<int>(200, 6000)(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = Slurp(path);
        ASSERT_TRUE(now == textA || now.size() == textA.size()) << "run " << run << ": " << now.size() << " bytes";
        ASSERT_EQ(now.find_first_not_of(now[0] == 'a' ? "a\r\n" : "b\r\n"), std::string::npos);
        killedWithTemporary += Entries().size() > 1;
    }
    WriteTextLines(path.string(), {"done"});
    EXPECT_EQ(Entries(), (std::set<std::string>{"Parm.dat"})) << killedWithTemporary << " kills left a temporary";
}

TEST_F(TextFileTest, OnlyRegularFilesOfABoundedSizeAreRead)
{
    const fs::path fifo = dir / "Parm.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path zero = dir / "zero.txt";
    fs::create_symlink("/dev/zero", zero);
    const fs::path folder = dir / "AL.txt";
    fs::create_directory(folder);
    const fs::path huge = dir / "huge.txt";
    std::ofstream(huge).close();
    fs::resize_file(huge, kMaxTextFileBytes + 1);  // sparse: costs no disk
    const fs::path atBound = dir / "bound.txt";
    {
        std::ofstream out(atBound, std::ios::binary);
        out << "first\r\nsecond\r\n";
    }
    fs::resize_file(atBound, kMaxTextFileBytes);

    for (const fs::path& p : {fifo, zero, folder, huge}) {
        // Run on a thread, so a reader that blocks fails the test instead of hanging it.
        auto reading = std::async(std::launch::async, [p] {
            try {
                ReadTextLines(p.string());
            } catch (const FileError& e) {
                return std::string(e.what());
            }
            return std::string("read");
        });
        if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << p << " blocked the reader";
            std::ofstream unblock(fifo);  // a writer lets the blocked open return
            reading.wait();
            continue;
        }
        EXPECT_EQ(reading.get(), "Cannot open file " + p.string());
    }
    EXPECT_EQ(ReadTextLines(atBound.string()), (Lines{"first", "second"}));  // the NULs end the text
}

// A file that is a symbolic link is saved where the link leads: the link stays a link
// (relative targets count from the link's folder, through a chain of links), the
// target gets the text and keeps its permissions, and no temporary is left anywhere. A
// link to nowhere creates its target; a loop of links is an error.
TEST_F(TextFileTest, SavesThroughSymbolicLinks)
{
    const fs::path program = dir / "program";
    const fs::path store = dir / "store";
    fs::create_directories(program);
    fs::create_directories(store);
    std::ofstream(store / "real.txt") << "old\r\n";
    fs::permissions(store / "real.txt", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("../store/hop", program / "U.txt");  // U.txt -> hop -> real.txt
    fs::create_symlink("real.txt", store / "hop");
    WriteTextLines((program / "U.txt").string(), {"new"});
    EXPECT_TRUE(fs::is_symlink(program / "U.txt"));
    EXPECT_TRUE(fs::is_symlink(store / "hop"));
    EXPECT_EQ(Slurp(store / "real.txt"), "new\r\n");
    EXPECT_EQ(fs::status(store / "real.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    const auto names = [](const fs::path& folder) {
        std::set<std::string> out;
        for (const auto& e : fs::directory_iterator(folder))
            out.insert(e.path().filename().string());
        return out;
    };
    EXPECT_EQ(names(program), (std::set<std::string>{"U.txt"}));
    EXPECT_EQ(names(store), (std::set<std::string>{"hop", "real.txt"}));

    fs::create_symlink(store / "made.txt", program / "Parm.dat");  // leads nowhere yet
    WriteTextLines((program / "Parm.dat").string(), {"made"});
    EXPECT_TRUE(fs::is_symlink(program / "Parm.dat"));
    EXPECT_EQ(Slurp(store / "made.txt"), "made\r\n");

    fs::create_symlink("loop.b", dir / "loop.a");
    fs::create_symlink("loop.a", dir / "loop.b");
    EXPECT_THROW(WriteTextLines((dir / "loop.a").string(), {"x"}), FileError);
    EXPECT_TRUE(fs::is_symlink(dir / "loop.a"));
}

// Only a regular file is replaced: a folder, a FIFO or a device in the file's place (or
// where its link leads) stays, the save fails and leaves no temporary.
TEST_F(TextFileTest, OnlyARegularFileIsReplaced)
{
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_symlink("fifo", dir / "link");
    for (const char* name : {"folder", "fifo", "link"}) {
        EXPECT_THROW(WriteTextLines((dir / name).string(), {"x"}), FileError) << name;
        EXPECT_EQ(Entries(), (std::set<std::string>{"folder", "fifo", "link"})) << name;
    }
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(dir / "fifo")));
    EXPECT_TRUE(fs::is_symlink(dir / "link"));
}

TEST_F(TextFileTest, FolderThatDoesNotExistIsACreateError)
{
    const std::string path = (dir / "missing" / "Parm.dat").string();
    EXPECT_THROW(WriteTextLines(path, {"x"}), FileError);
}

}  // namespace
}  // namespace dawnrule
