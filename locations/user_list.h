#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// The user's own town list "U.txt" in the program's folder: Windows-1252 lines in the
// city record form, edited as plain text (nothing checks that a line is a record).

// Sorted ascending without regard to case, as "Sort upon exit" saves the list, the way
// a desktop collates: letters compare as their plain lower-case letter first (A = a,
// É = é = e, Š = s), so an empty line comes first, "apple" before "Mobile" before
// "Zion", and "École" among the e's; then an accented letter after its plain one;
// then lines that differ only in case keep capitals first ("Mobile" before
// "mobile"), so the order never depends on the order the lines came in.
std::vector<std::string> SortUserLines(std::vector<std::string> lines);

// The lines of the editor as "Save" writes them: one per line of the text, the text's
// own line ends; an empty last line is not written.
std::vector<std::string> EditorLines(std::string_view text);

// The texts of the town list that "Add to USER" refuses: its title before any list was
// loaded, the user list's title, and its one entry before a load.
bool IsRefusedUserEntry(std::string_view text);

// "Add to USER": the file's lines with `line` appended as the new last one, written
// atomically. A file that does not exist yet is created with that one line; a file that
// exists but cannot be read is left alone (FileError "Cannot open file <path>"), and a
// failed write leaves the old file (FileError "Cannot create file <path>").
void AppendUserLine(const std::string& path, const std::string& line);

} // namespace dawnrule
