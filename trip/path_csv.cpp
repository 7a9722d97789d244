#include "trip/path_csv.h"

#include "common/cp1252.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "common/text_file.h"

#include <csv.h>

#include <filesystem>
#include <memory>

namespace dawnrule {

namespace {

bool IsUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        const size_t length = b < 0x80                ? 1
                              : b >= 0xC2 && b <= 0xDF ? 2
                              : (b & 0xF0) == 0xE0     ? 3
                              : b >= 0xF0 && b <= 0xF4 ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

// The records as libcsv hands them over, each with the line it ends on.
struct Records {
    std::vector<std::vector<std::string>> rows;
    std::vector<size_t> lines;
    std::vector<std::string> fields;
    size_t line = 0;

    static void Field(void* text, size_t length, void* self)
    {
        static_cast<Records*>(self)->fields.emplace_back(static_cast<const char*>(text), length);
    }
    static void End(int, void* self)
    {
        auto* r = static_cast<Records*>(self);
        r->rows.push_back(std::move(r->fields));
        r->lines.push_back(r->line);
        r->fields.clear();
    }
};

struct ParserFree {
    void operator()(csv_parser* p) const
    {
        csv_free(p);
        delete p;
    }
};

Waypoint ReadRow(const std::vector<std::string>& f, bool first)
{
    if (f.size() < 3 || f.size() > 4)
        throw TripPlanError(std::to_string(f.size()) + " fields where \"name,lat,lon\" or \"name,lat,lon,miles\" belong");
    Waypoint p;
    p.name = f[0];
    try {
        p.at = {StrToLatitude(f[1]), StrToLongitude(f[2])};
    } catch (const ConvertError& e) {
        throw TripPlanError(e.what());
    }
    if (f.size() == 4 && !f[3].empty()) {
        if (first)
            throw TripPlanError("the first stop takes no miles: no leg reaches it");
        p.miles = ReadLegMiles(f[3]);
    }
    return p;
}

} // namespace

std::vector<Waypoint> ReadCsvWaypoints(std::string_view text, const std::string& fileName)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    const bool utf8 = IsUtf8(text);

    std::unique_ptr<csv_parser, ParserFree> parser(new csv_parser);
    if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0)
        throw TripPlanError(fileName + ": " + csv_strerror(CSV_ENOMEM));
    Records records;
    const auto fail = [&](size_t line) {
        return TripPlanError(fileName + " line " + std::to_string(line) + ": " +
                             csv_strerror(csv_error(parser.get())));
    };
    // Fed a line at a time, so that each record knows the line it ends on.
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size() - 1);
        ++records.line;
        const size_t length = end - start + 1;
        if (csv_parse(parser.get(), text.data() + start, length, Records::Field, Records::End, &records) != length)
            throw fail(records.line);
        start = end + 1;
    }
    if (csv_fini(parser.get(), Records::Field, Records::End, &records) != 0)
        throw fail(records.line);

    std::vector<Waypoint> points;
    for (size_t i = 0; i < records.rows.size(); ++i) {
        std::vector<std::string>& row = records.rows[i];
        if (i == 0 && row.size() > 1 && FoldCase(row[1]).rfind("lat", 0) == 0)
            continue;
        if (utf8) {
            for (std::string& field : row)
                field = Utf8ToCp1252(field);
        }
        try {
            points.push_back(ReadRow(row, points.empty()));
        } catch (const TripPlanError& e) {
            throw TripPlanError(fileName + " line " + std::to_string(records.lines[i]) + ": " + e.what());
        }
    }
    return points;
}

TripPath ReadCsvPath(const std::string& path, const TownIndex& towns, double roadFactor)
{
    std::string text;
    try {
        text = ReadText(path);
    } catch (const FileError& e) {
        throw TripPlanError(e.what());
    }
    const std::string name = std::filesystem::path(path).filename().string();
    return PathOfWaypoints(ReadCsvWaypoints(text, name), towns, roadFactor, name);
}

} // namespace dawnrule
