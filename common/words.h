#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// The small text helpers of the program's hand-edited files and typed names.

// The text without the blanks and tabs around it.
std::string Trimmed(std::string_view text);

// ASCII letters to small or capital letters; every other byte as it is.
std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);

// The words of a line, separated by blanks and tabs.
std::vector<std::string> SplitWords(std::string_view line);

} // namespace dawnrule
