#include "common/text_file.h"

#include "common/errors.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dawnrule {

std::vector<std::string> SplitLines(std::string_view text, NulByte nul)
{
    const size_t end = nul == NulByte::kEndsText ? text.find('\0') : std::string_view::npos;
    if (end != std::string_view::npos)
        text = text.substr(0, end);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

bool ReadAll(int fd, std::string& text)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        text.append(buffer, static_cast<size_t>(n));
        if (text.size() > kMaxTextFileBytes)  // grew while being read
            return false;
    }
}

} // namespace

namespace {

std::vector<std::string> ReadLines(const std::string& path, NulByte nul)
{
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused below.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)
        || static_cast<unsigned long long>(info.st_size) > kMaxTextFileBytes)
        throw FileError("Cannot open file " + path);
    std::string text;
    text.reserve(static_cast<size_t>(info.st_size));
    if (!ReadAll(fd.get(), text))
        throw FileError("Cannot open file " + path);
    return SplitLines(text, nul);
}

} // namespace

std::vector<std::string> ReadTextLines(const std::string& path)
{
    return ReadLines(path, NulByte::kEndsText);
}

std::string ReadText(const std::string& path)
{
    std::string text;
    for (const std::string& line : ReadTextLines(path))
        text += line + '\n';
    return text;
}

std::vector<std::string> ReadEditedTextLines(const std::string& path)
{
    return ReadLines(path, NulByte::kKept);
}

namespace {

DiskSyncCall g_diskSync = ::fsync;

bool WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

constexpr std::string_view kTempSuffix = ".XXXXXX";  // mkstemp's pattern

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A name that mkstemp made from "<base>.XXXXXX".
bool IsTemporaryOf(std::string_view name, std::string_view base)
{
    if (name.size() != base.size() + kTempSuffix.size() || name.substr(0, base.size()) != base
        || name[base.size()] != '.')
        return false;
    for (const char c : name.substr(base.size() + 1)) {
        const bool alnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alnum)
            return false;
    }
    return true;
}

// Removes the temporaries of `path` that no save is writing any more. A save holds an
// exclusive lock on its temporary until the rename, and a crashed process holds no
// lock, so a temporary that can be locked is left over and goes.
void RemoveStaleTemporaries(const std::string& path)
{
    const std::string folder = FolderOf(path);
    const std::string base = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryOf(entry->d_name, base))
            continue;
        const std::string temp = folder + "/" + entry->d_name;
        const Descriptor fd(::open(temp.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info {};
        if (fd.get() >= 0 && ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode)
            && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(temp.c_str());
    }
    ::closedir(dir);
}

// The file a save replaces: `path` itself or, when it is a symbolic link, the file the
// chain of links leads to (a relative target counts from its link's folder). A link
// that leads nowhere names the file to create. Empty when the chain is longer than the
// system would follow (a loop).
std::optional<std::string> SaveTarget(const std::string& path)
{
    constexpr int kMaxLinks = 40;  // the kernel's own limit on links in a path
    std::string target = path;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return target;
        std::string next(static_cast<size_t>(info.st_size) + 1, '\0');
        const ssize_t n = ::readlink(target.c_str(), next.data(), next.size());
        if (n <= 0 || static_cast<size_t>(n) >= next.size())  // gone or changed meanwhile
            return std::nullopt;
        next.resize(static_cast<size_t>(n));
        target = next.front() == '/' ? next : FolderOf(target) + "/" + next;
    }
    return std::nullopt;
}

// A file-size limit (ulimit -f) makes a write past it raise SIGXFSZ, whose default
// ends the process: no message, and the temporary left behind. Ignored, the write
// fails with EFBIG instead and the save reports it as it does a full disk. Set here,
// at every save, rather than at start-up, so that no program or tool that saves can
// forget it; a handler that the program installed itself is left alone.
void IgnoreFileSizeSignal()
{
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && !(current.sa_flags & SA_SIGINFO)
        && current.sa_handler == SIG_DFL)
        std::signal(SIGXFSZ, SIG_IGN);
}

// Flushes the folder's entry list, so a rename in it is on disk. Some file systems
// cannot sync a folder; the file itself is already on disk then, so that is no error.
void SyncFolder(const std::string& folder)
{
    const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        g_diskSync(fd.get());
}

} // namespace

DiskSyncCall SetDiskSyncCall(DiskSyncCall call)
{
    const DiskSyncCall before = g_diskSync;
    g_diskSync = call ? call : ::fsync;
    return before;
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }

    IgnoreFileSizeSignal();
    // A link (the user keeps the file elsewhere) stays a link: the file it leads to is
    // replaced, with its temporary in that file's folder so the rename stays on one
    // file system.
    const std::optional<std::string> target = SaveTarget(path);
    if (!target)
        throw FileError("Cannot create file " + path);
    // Only a regular file is replaced: never a device (a link to /dev/zero), a FIFO or
    // a folder that stands in its place.
    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        throw FileError("Cannot create file " + path);
    RemoveStaleTemporaries(*target);
    std::string temp = *target + std::string(kTempSuffix);
    const Descriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        throw FileError("Cannot create file " + path);
    // Held until the rename: tells other saves that this temporary is in use.
    ::flock(fd.get(), LOCK_EX);
    // Keep the old file's permissions; a new file gets the usual ones rather than
    // mkstemp's owner-only mode.
    if (exists) {
        ::fchmod(fd.get(), old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd.get(), 0666 & ~mask);
    }
    const bool written = WriteAll(fd.get(), bytes) && g_diskSync(fd.get()) == 0;
    if (!written || std::rename(temp.c_str(), target->c_str()) != 0) {
        std::remove(temp.c_str());
        throw FileError("Cannot create file " + path);
    }
    SyncFolder(FolderOf(*target));
}

} // namespace dawnrule
