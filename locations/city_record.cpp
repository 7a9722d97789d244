#include "locations/city_record.h"

#include "common/cp1252.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <algorithm>

namespace dawnrule {

namespace {

constexpr char kDegree = '\xB0';  // the degree sign in Windows-1252

constexpr size_t npos = std::string_view::npos;

// Position of the first marker `letter` + 0xB0 in `text`, or npos.
size_t FindMarker(std::string_view text, char letter)
{
    const char marker[] = {letter, kDegree};
    return text.find(std::string_view(marker, 2));
}

// The bytes after the marker at `marker` up to the comma at `comma`; empty when the
// comma is missing or comes before the marker's end.
std::string Between(std::string_view part, size_t marker, size_t comma)
{
    const size_t start = marker + 2;
    if (comma == npos || comma < start)
        return {};
    return std::string(part.substr(start, comma - start));
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Moves `pos` past a number of a bare record at `pos`: "-"?, digits, ("." digits)?.
bool SkipBareNumber(std::string_view s, size_t& pos)
{
    if (pos < s.size() && s[pos] == '-')
        ++pos;
    const auto digits = [&] {
        const size_t from = pos;
        while (pos < s.size() && IsDigit(s[pos]))
            ++pos;
        return pos > from;
    };
    if (!digits())
        return false;
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        return digits();
    }
    return true;
}

// Whether the bare coordinates "N|S<number>,E|W<number><blanks>" run from `pos` to the
// end of `s`; `comma` is then where their comma stands.
bool IsBareTail(std::string_view s, size_t pos, size_t& comma)
{
    if (pos >= s.size() || (s[pos] != 'N' && s[pos] != 'S'))
        return false;
    ++pos;
    if (!SkipBareNumber(s, pos) || pos >= s.size() || s[pos] != ',')
        return false;
    comma = pos++;
    if (pos >= s.size() || (s[pos] != 'E' && s[pos] != 'W'))
        return false;
    ++pos;
    return SkipBareNumber(s, pos) && s.find_first_not_of(' ', pos) == npos;
}

// The value a coordinate field takes from `text` (StrToLatitude or StrToLongitude), or
// the conversion message.
std::optional<double> Convert(double (*toCoordinate)(std::string_view), const std::string& text,
                              std::string& message)
{
    try {
        return FieldHeldValue(toCoordinate(text));
    } catch (const ConvertError& e) {
        // The message quotes the record's own bytes; everything else of it is ASCII.
        message = Cp1252ToUtf8(e.what());
        return std::nullopt;
    }
}

} // namespace

std::string AddDegreeSigns(std::string_view line)
{
    for (const char letter : {'N', 'S', 'E', 'W'})
        if (FindMarker(line, letter) != npos)
            return std::string(line);
    for (size_t blank = line.find(' '); blank != npos; blank = line.find(' ', blank + 1)) {
        size_t comma = 0;
        if (!IsBareTail(line, blank + 1, comma))
            continue;
        const size_t latitude = blank + 2;   // after the latitude's letter
        const size_t longitude = comma + 2;  // after the longitude's letter
        std::string out(line.substr(0, latitude));
        out += kDegree;
        out += line.substr(latitude, longitude - latitude);
        out += kDegree;
        out += line.substr(longitude);
        return out;
    }
    return std::string(line);
}

CityRecord ParseCityRecord(std::string_view typed)
{
    const std::string withSigns = AddDegreeSigns(typed);
    const std::string_view text = withSigns;
    const size_t north = FindMarker(text, 'N');
    const size_t south = FindMarker(text, 'S');
    const size_t first = std::min(north, south);
    const std::string_view part = text.substr(first == npos ? 0 : first, kCityRecordPartLength);

    CityRecord record;
    const size_t n = FindMarker(part, 'N');
    const size_t s = FindMarker(part, 'S');
    if (n == npos && s == npos) {
        record.status = CityRecordStatus::NoLatitudeMarker;
        return record;
    }
    const size_t e = FindMarker(part, 'E');
    const size_t w = FindMarker(part, 'W');
    if (e == npos && w == npos) {
        record.status = CityRecordStatus::NoLongitudeMarker;
        return record;
    }
    record.status = CityRecordStatus::Coordinates;
    const size_t comma = part.find(',');
    record.latitudeText = Between(part, s != npos ? s : n, comma);
    record.longitudeText = std::string(part.substr((w != npos ? w : e) + 2));
    return record;
}

CityRecordValues ConvertCityRecord(const CityRecord& record)
{
    CityRecordValues values;
    values.status = record.status;
    switch (record.status) {
    case CityRecordStatus::NoLatitudeMarker:
        values.message = kNoLatitudeMarkerMessage;
        return values;
    case CityRecordStatus::NoLongitudeMarker:
        values.message = kNoLongitudeMarkerMessage;
        return values;
    case CityRecordStatus::Coordinates:
        break;
    }
    values.latitude = Convert(StrToLatitude, record.latitudeText, values.message);
    if (values.latitude)
        values.longitude = Convert(StrToLongitude, record.longitudeText, values.message);
    return values;
}

CityRecordValues ReadCityRecord(std::string_view text)
{
    return ConvertCityRecord(ParseCityRecord(text));
}

} // namespace dawnrule
