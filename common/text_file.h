#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// The program's data files: 8-bit Windows-1252 text, one item per line. Every data
// file of the program is read by ReadTextLines and written by WriteTextLines.

// What a NUL byte does to a text: end it (the program's lists, as they always read), or
// stay in its line, for the files a user edits by hand, whose readers refuse such a
// line instead of losing every line after it.
enum class NulByte { kEndsText, kKept };

// Splits text into lines at CR LF, LF or CR. A final line end adds no empty line;
// every other line, empty ones included, is kept; a NUL byte ends the text (or is kept).
std::vector<std::string> SplitLines(std::string_view text, NulByte nul = NulByte::kEndsText);

// The largest file ReadTextLines takes: 16 MiB, some 300 times the largest town list
// and a thousand times the largest route file.
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{16} << 20;

// Reads a whole file as lines. Only a regular file of at most kMaxTextFileBytes is
// read: a FIFO, a device (a link to /dev/zero), a folder or a larger file is refused
// without blocking or reading it. Throws FileError "Cannot open file <path>".
std::vector<std::string> ReadTextLines(const std::string& path);
// The whole text of a file read by ReadTextLines, its lines joined by LF.
std::string ReadText(const std::string& path);

// The same for a file the user edits by hand (the trip plan's rules): a NUL byte stays
// in its line, for the file's reader to refuse.
std::vector<std::string> ReadEditedTextLines(const std::string& path);

// Writes the lines, each followed by CR LF, replacing the file atomically: the text
// goes to a temporary file "<name>.XXXXXX" in the same folder, is flushed to disk and
// renamed over the old file, and the folder is flushed too so the new name survives
// a power cut. A crash, a full disk or a file-size limit (SIGXFSZ is ignored for it)
// leaves either the old or the new file, never half of one. Temporaries that a crashed
// save left behind are removed by the next save of the same file. Keeps the old file's
// permissions; a new file gets 0666 less the umask. A path that is a symbolic link
// stays one: the file its chain of links leads to is replaced (a link to nowhere
// creates that file). Only a regular file is replaced: a folder, FIFO or device in its
// place is an error. Throws FileError "Cannot create file <path>".
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

// The call by which WriteTextLines puts an open file's data, and then its folder's
// entries, on disk: ::fsync unless another is put in its place (tests do, to see what a
// save syncs and in which order). Returns the call it replaces; nullptr restores
// ::fsync. Like ::fsync it returns 0, or -1 with errno set.
using DiskSyncCall = int (*)(int fd);
DiskSyncCall SetDiskSyncCall(DiskSyncCall call);

} // namespace dawnrule
