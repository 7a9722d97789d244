// The 50 state lists in data/ against their published source, tools/published/us-places.tsv:
// every record parses, says what the source says (rounded on the decimal text, exact halves
// away from zero), and the lists are complete, sorted and written as the program reads them.
#include "common/cp1252.h"
#include "common/text_file.h"
#include "locations/city_record.h"
#include "locations/us_states.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace dawnrule {
namespace {

const std::string kSource = DAWNRULE_SOURCE_DIR;

// The decimal text rounded to whole hundredths on its digits, exact halves away from zero:
// "30.415" is 3042, "-88.025" is -8803 (binary rounding of 30.415 * 100 gives 3041).
std::int64_t DecimalCents(std::string_view text)
{
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        text.remove_prefix(1);
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    std::int64_t cents = 0;
    for (const char c : whole)
        cents = cents * 10 + (c - '0');
    for (size_t i = 0; i < 2; ++i)
        cents = cents * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    if (fraction.size() > 2 && fraction[2] >= '5')
        ++cents;
    return negative ? -cents : cents;
}

// True when the text lies exactly halfway between two hundredths ("30.415", "30.41500").
bool IsExactHalf(std::string_view text)
{
    const size_t point = text.find('.');
    if (point == std::string_view::npos || text.size() < point + 4 || text[point + 3] != '5')
        return false;
    return text.find_first_not_of('0', point + 4) == std::string_view::npos;
}

std::string CentsText(std::int64_t cents)
{
    const std::int64_t a = cents < 0 ? -cents : cents;
    const char digits[] = {static_cast<char>('0' + a % 100 / 10), static_cast<char>('0' + a % 10), '\0'};
    std::string text = cents < 0 ? "-" : "";
    text += std::to_string(a / 100);
    text += '.';
    text += digits;
    return text;
}

TEST(ShippedCityLists, DecimalRoundingOnTheText)
{
    const struct {
        const char* text;
        std::int64_t cents;
    } rows[] = {
        {"30.415", 3042},  {"-88.025", -8803}, {"30.41499", 3041}, {"30.41500", 3042}, {"30.4151", 3042},
        {"-88.02499", -8802}, {"0.005", 1},    {"-0.004", 0},      {"5", 500},         {"19.1", 1910},
        {"-156.29236", -15629}, {"71.29058", 7129},
    };
    for (const auto& r : rows)
        EXPECT_EQ(DecimalCents(r.text), r.cents) << r.text;
    EXPECT_TRUE(IsExactHalf("30.415"));
    EXPECT_TRUE(IsExactHalf("-88.02500"));
    EXPECT_FALSE(IsExactHalf("30.4151"));
    EXPECT_FALSE(IsExactHalf("30.41"));
    EXPECT_EQ(CentsText(-8803), "-88.03");
    EXPECT_EQ(CentsText(1910), "19.10");
    EXPECT_EQ(CentsText(5), "0.05");
}

// The source's name as the lists write it: the Hawaiian okina (U+02BB, and U+2018 in
// Hawaii's names) dropped, the macron vowels plain, then Windows-1252.
std::string ListName(const std::string& state, std::string name)
{
    const struct {
        const char* from;
        const char* to;
    } plain[] = {
        {"\u02BB", ""}, {"\u0100", "A"}, {"\u0101", "a"}, {"\u0112", "E"}, {"\u0113", "e"}, {"\u012A", "I"},
        {"\u012B", "i"}, {"\u014C", "O"}, {"\u014D", "o"}, {"\u016A", "U"}, {"\u016B", "u"},
    };
    if (state == "HI") {
        for (size_t at; (at = name.find("\u2018")) != std::string::npos;)
            name.erase(at, 3);
    }
    for (const auto& p : plain) {
        const std::string from = p.from;
        for (size_t at; (at = name.find(from)) != std::string::npos;)
            name.replace(at, from.size(), p.to);
    }
    return Utf8ToCp1252(name);
}

struct SourcePlace {
    std::string line;  // the record the list must hold
    std::int64_t latitude;
    std::int64_t longitude;
};

struct Source {
    std::map<std::string, std::vector<SourcePlace>> byState;
    int exactHalves = 0;
    int binaryRoundingDiffers = 0;  // values where rounding the double would give another text
};

const Source& PublishedSource()
{
    static const Source source = [] {
        Source s;
        std::ifstream in(kSource + "/tools/published/us-places.tsv", std::ios::binary);
        EXPECT_TRUE(in) << "cannot read the published places";
        std::string line;
        bool header = true;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#')
                continue;
            if (header) {
                EXPECT_EQ(line, "state\tname\tlatitude\tlongitude");
                header = false;
                continue;
            }
            std::vector<std::string> f;
            std::istringstream fields(line);
            for (std::string field; std::getline(fields, field, '\t');)
                f.push_back(field);
            if (f.size() != 4) {
                ADD_FAILURE() << "unreadable source line " << line;
                continue;
            }
            SourcePlace p;
            p.latitude = DecimalCents(f[2]);
            p.longitude = DecimalCents(f[3]);
            for (const std::string& t : {f[2], f[3]}) {
                s.exactHalves += IsExactHalf(t);
                const double binary = std::round(std::stod(t) * 100);
                s.binaryRoundingDiffers += binary != static_cast<double>(DecimalCents(t));
            }
            p.line = ListName(f[0], f[1]) + "  " + (p.latitude >= 0 ? "N\xB0" : "S\xB0") + CentsText(p.latitude)
                     + "," + (p.longitude >= 0 ? "E\xB0" : "W\xB0") + CentsText(p.longitude);
            s.byState[f[0]].push_back(p);
        }
        return s;
    }();
    return source;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Windows-1252 with the upper-case letters made lower case: the lists' sort key.
std::string FoldCase(std::string text)
{
    for (char& ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            ch = static_cast<char>(b + 0x20);
        else if (b == 0x8A || b == 0x8C || b == 0x8E)
            ch = static_cast<char>(b + 0x10);
        else if (b == 0x9F)
            ch = static_cast<char>(0xFF);
    }
    return text;
}

bool BytesLess(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

TEST(ShippedCityLists, SourceExercisesTheHalfRule)
{
    const Source& source = PublishedSource();
    ASSERT_EQ(source.byState.size(), 50u);
    // With no exact half in the source, the rounding rule would pass untested.
    EXPECT_GT(source.exactHalves, 0);
    EXPECT_GT(source.binaryRoundingDiffers, 0);
}

TEST(ShippedCityLists, EveryStateListMatchesItsSource)
{
    const Source& source = PublishedSource();
    int records = 0;
    for (const UsState& state : kUsStates) {
        SCOPED_TRACE(std::string(state.code));
        const std::string path = kSource + "/data/" + StateFileName(state);
        const std::string bytes = ReadBytes(path);
        ASSERT_FALSE(bytes.empty()) << path;

        // CR LF only, after every line, the last included.
        EXPECT_TRUE(bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0);
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r') {
                EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at byte " << i;
            } else if (bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at byte " << i;
            }
        }
        EXPECT_EQ(bytes.find('\0'), std::string::npos);

        const std::vector<std::string> lines = ReadTextLines(path);
        const auto found = source.byState.find(std::string(state.code));
        ASSERT_NE(found, source.byState.end());
        const std::vector<SourcePlace>& places = found->second;
        EXPECT_EQ(lines.size(), places.size());

        // Every record parses to the source's rounded coordinates.
        std::vector<std::int64_t> latitudes, longitudes;
        for (const std::string& line : lines) {
            ++records;
            ASSERT_FALSE(line.empty());
            const CityRecord texts = ParseCityRecord(line);
            ASSERT_EQ(texts.status, CityRecordStatus::Coordinates) << line;
            const CityRecordValues v = ConvertCityRecord(texts);
            ASSERT_TRUE(v.Complete()) << Cp1252ToUtf8(line) << ": " << v.message;
            const std::int64_t lat = DecimalCents(texts.latitudeText);
            const std::int64_t lon = DecimalCents(texts.longitudeText);
            EXPECT_EQ(*v.latitude, static_cast<double>(lat) / 100) << Cp1252ToUtf8(line);
            EXPECT_EQ(*v.longitude, static_cast<double>(lon) / 100) << Cp1252ToUtf8(line);
            latitudes.push_back(lat);
            longitudes.push_back(lon);
        }

        // The same records as the source, name and numbers, neither lost nor added.
        std::vector<std::string> written = lines, expected;
        for (const SourcePlace& p : places)
            expected.push_back(p.line);
        std::sort(written.begin(), written.end());
        std::sort(expected.begin(), expected.end());
        for (size_t i = 0; i < std::min(written.size(), expected.size()); ++i) {
            if (written[i] != expected[i]) {
                ADD_FAILURE() << "written " << Cp1252ToUtf8(written[i]) << ", source " << Cp1252ToUtf8(expected[i]);
                break;
            }
        }

        // Sorted by name without regard to case; equal names by latitude, then longitude.
        for (size_t i = 1; i < lines.size(); ++i) {
            const std::string a = FoldCase(lines[i - 1].substr(0, lines[i - 1].rfind("  ")));
            const std::string b = FoldCase(lines[i].substr(0, lines[i].rfind("  ")));
            const bool ordered = BytesLess(a, b)
                                 || (a == b
                                     && (latitudes[i - 1] < latitudes[i]
                                         || (latitudes[i - 1] == latitudes[i] && longitudes[i - 1] <= longitudes[i])));
            EXPECT_TRUE(ordered) << Cp1252ToUtf8(lines[i - 1]) << " before " << Cp1252ToUtf8(lines[i]);
        }
    }
    EXPECT_EQ(records, 17288);
}

TEST(ShippedCityLists, HawaiianNamesInPlainLetters)
{
    const std::vector<std::string> lines = ReadTextLines(kSource + "/data/HI.txt");
    const auto has = [&lines](const std::string& record) {
        return std::find(lines.begin(), lines.end(), record) != lines.end();
    };
    EXPECT_TRUE(has("Aiea  N\xB0" "21.38,W\xB0-157.93"));   // "‘Aiea" in the source
    EXPECT_TRUE(has("Kihei  N\xB0" "20.76,W\xB0-156.45"));  // "Kīhei", -156.44578
    for (const std::string& line : lines) {
        for (const char ch : line) {
            const auto b = static_cast<unsigned char>(ch);
            EXPECT_FALSE(b >= 0x80 && b <= 0x9F) << Cp1252ToUtf8(line);
        }
    }
}

} // namespace
} // namespace dawnrule
