#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// The program's data files: 8-bit Windows-1252 text, one item per line.

// Splits text into lines at CR LF, LF or CR. A final line end adds no empty line;
// every other line, empty ones included, is kept; a NUL byte ends the text.
std::vector<std::string> SplitLines(std::string_view text);

// Reads a whole file as lines. Throws FileError "Cannot open file <path>".
std::vector<std::string> ReadTextLines(const std::string& path);

// Writes the lines, each followed by CR LF, replacing the file atomically: the text
// goes to a temporary file in the same folder, is flushed to disk and renamed over
// the old file, so a crash or a full disk leaves either the old or the new file,
// never half of one. Throws FileError "Cannot create file <path>".
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace dawnrule
