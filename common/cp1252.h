#pragma once

#include <string>
#include <string_view>

namespace dawnrule {

// Windows-1252 bytes to UTF-8 and back; characters 1252 cannot hold become '?'.
std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view utf8);

} // namespace dawnrule
