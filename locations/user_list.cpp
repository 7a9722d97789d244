#include "locations/user_list.h"

#include "common/text_file.h"

#include <algorithm>
#include <cstddef>
#include <cerrno>
#include <sys/stat.h>

namespace dawnrule {

namespace {

// The other case of a Windows-1252 letter, lower case as the common form.
unsigned char Fold(unsigned char b)
{
    if (b >= 'A' && b <= 'Z')
        return static_cast<unsigned char>(b + 32);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7)  // À..Þ except ×
        return static_cast<unsigned char>(b + 32);
    switch (b) {
    case 0x8A: return 0x9A;  // Š
    case 0x8C: return 0x9C;  // Œ
    case 0x8E: return 0x9E;  // Ž
    case 0x9F: return 0xFF;  // Ÿ
    default: return b;
    }
}

// The plain letter under an accented one (é, É: e), after folding the case.
unsigned char Base(unsigned char b)
{
    b = Fold(b);
    // à..ÿ, from 0xE0 on; ÷ (0xF7) is no letter.
    static constexpr char kLatin1Base[] = "aaaaaaaceeeeiiiidnooooo\xF7ouuuuyty";
    if (b >= 0xE0)
        return static_cast<unsigned char>(kLatin1Base[b - 0xE0]);
    switch (b) {
    case 0x9A: return 's';
    case 0x9C: return 'o';
    case 0x9E: return 'z';
    case 0xDF: return 's';  // ß
    default: return b;
    }
}

template <typename Key>
int Compare(const std::string& a, const std::string& b, Key key)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = key(static_cast<unsigned char>(a[i]));
        const unsigned char y = key(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

std::vector<std::string> SortUserLines(std::vector<std::string> lines)
{
    // First the plain letters, then the accents, then the case: capitals, the lower
    // bytes, first.
    std::sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        if (const int c = Compare(a, b, Base))
            return c < 0;
        if (const int c = Compare(a, b, Fold))
            return c < 0;
        return a < b;
    });
    return lines;
}

std::vector<std::string> EditorLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

bool IsRefusedUserEntry(std::string_view text)
{
    return text == "City List" || text == "User City List" || text == "Click on a state first.";
}

void AppendUserLine(const std::string& path, const std::string& line)
{
    std::vector<std::string> lines;
    struct stat info {};
    const bool absent = ::lstat(path.c_str(), &info) != 0 && errno == ENOENT;
    if (!absent)
        lines = ReadTextLines(path);
    lines.push_back(line);
    WriteTextLines(path, lines);
}

} // namespace dawnrule
