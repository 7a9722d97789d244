#include "trip/gpx_file.h"

#include "astro/date_text.h"
#include "astro/holidays.h"
#include "common/cp1252.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "common/text_file.h"
#include "trip/trip_plan_text.h"
#include "trip/waypoint_path.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>

namespace dawnrule {

namespace {

constexpr int kCoordinateDecimals = 6;  // a tenth of a metre

// An element's name without its namespace prefix.
bool Is(const pugi::xml_node& node, const char* name)
{
    const char* full = node.name();
    const char* colon = std::strchr(full, ':');
    return std::strcmp(colon ? colon + 1 : full, name) == 0;
}

pugi::xml_node Child(const pugi::xml_node& node, const char* name)
{
    for (const pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_element && Is(child, name))
            return child;
    }
    return {};
}

class GpxReader {
public:
    GpxReader(std::string_view text, const std::string& fileName) : m_text(text), m_file(fileName) {}

    TripPlanError At(std::ptrdiff_t offset, const std::string& reason) const
    {
        if (offset < 0)
            return TripPlanError(m_file + ": " + reason);
        const std::string_view before = m_text.substr(0, static_cast<size_t>(offset));
        const auto line = std::count(before.begin(), before.end(), '\n') + 1;
        return TripPlanError(m_file + " line " + std::to_string(line) + ": " + reason);
    }

    GeoPoint Point(const pugi::xml_node& node) const
    {
        const pugi::xml_attribute lat = node.attribute("lat"), lon = node.attribute("lon");
        if (!lat || !lon)
            throw At(node.offset_debug(), "a <" + std::string(node.name()) + "> without lat and lon");
        try {
            return {StrToLatitude(lat.value()), StrToLongitude(lon.value())};
        } catch (const ConvertError& e) {
            throw At(node.offset_debug(), e.what());
        }
    }

    std::string Name(const pugi::xml_node& node) const
    {
        std::string name = Utf8ToCp1252(Child(node, "name").child_value());
        name.erase(0, name.find_first_not_of(" \t\r\n"));
        name.erase(name.find_last_not_of(" \t\r\n") + 1);
        return name;
    }

private:
    std::string_view m_text;
    const std::string& m_file;
};

std::string Fixed(double value, int decimals)
{
    return FormatFixed(value, 1, decimals);
}

// What the driver reads of a stop on each of its dates.
std::string StopDescription(const std::vector<const TripStopRow*>& rows)
{
    std::string text;
    for (const TripStopRow* r : rows) {
        std::string line = DateText(r->date) + ":";
        std::string sep = " ";
        const auto add = [&](const std::string& part) {
            line += sep + part;
            sep = ", ";
        };
        if (r->arrive)
            add("arrive " + StopClockText(*r->arrive));
        if (r->depart)
            add("depart " + StopClockText(*r->depart));
        if (r->rollFrom && r->parkBy)
            add("roll from " + StopClockText(*r->rollFrom) + " to park by " + StopClockText(*r->parkBy));
        else
            add("no window to roll in");
        if (r->flags)
            add(TripFlagsText(r->flags, " "));
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

void SetPoint(pugi::xml_node node, const TripStopRow& row)
{
    node.append_attribute("lat") = Fixed(row.latitude, kCoordinateDecimals).c_str();
    node.append_attribute("lon") = Fixed(row.longitude, kCoordinateDecimals).c_str();
}

} // namespace

std::string IsoUtcText(std::int64_t utc)
{
    const std::int64_t days = FloorDiv(utc, 86400), seconds = utc - days * 86400;
    const CivilDate d = DateOfDays(static_cast<int>(days));
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", d.year, d.month, d.day,
                  static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
    return text;
}

TripPath GpxPath(std::string_view text, const std::string& fileName, const TownIndex& towns, double roadFactor)
{
    const GpxReader reader(text, fileName);
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_buffer(text.data(), text.size());
    if (!parsed)
        throw reader.At(parsed.offset, std::string("not XML: ") + parsed.description());
    const pugi::xml_node gpx = doc.document_element();
    if (!Is(gpx, "gpx"))
        throw reader.At(-1, "not a GPX file: its root element is <" + std::string(gpx.name()) + ">");

    bool hasTrack = false;
    for (const pugi::xml_node child : gpx.children()) {
        hasTrack = hasTrack || Is(child, "trk");
        if (!Is(child, "rte"))
            continue;
        std::vector<Waypoint> points;
        for (const pugi::xml_node p : child.children()) {
            if (!Is(p, "rtept"))
                continue;
            Waypoint w;
            w.at = reader.Point(p);
            w.name = reader.Name(p);
            w.stop = !w.name.empty();
            points.push_back(std::move(w));
        }
        if (points.size() == 1)
            throw reader.At(-1, "the route has one point: there is no drive");
        if (!points.empty())
            return PathOfWaypoints(points, towns, roadFactor, fileName);
    }
    if (!hasTrack)
        throw reader.At(-1, "no route (rte/rtept) or track (trk/trkseg/trkpt) points");

    std::vector<GeoPoint> track;
    for (const pugi::xml_node trk : gpx.children()) {
        if (!Is(trk, "trk"))
            continue;
        for (const pugi::xml_node segment : trk.children()) {
            if (!Is(segment, "trkseg"))
                continue;
            for (const pugi::xml_node p : segment.children()) {
                if (Is(p, "trkpt"))
                    track.push_back(reader.Point(p));
            }
        }
    }
    return PathAlongTrack(track, towns, fileName);
}

TripPath ReadGpxPath(const std::string& path, const TownIndex& towns, double roadFactor)
{
    std::string text;
    try {
        text = ReadText(path);
    } catch (const FileError& e) {
        throw TripPlanError(e.what());
    }
    return GpxPath(text, std::filesystem::path(path).filename().string(), towns, roadFactor);
}

std::string TripPlanGpx(const TripPlan& plan)
{
    pugi::xml_document doc;
    pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node gpx = doc.append_child("gpx");
    gpx.append_attribute("version") = "1.1";
    gpx.append_attribute("creator") = "Dawnrule";
    gpx.append_attribute("xmlns") = "http://www.topografix.com/GPX/1/1";
    gpx.append_attribute("xmlns:xsi") = "http://www.w3.org/2001/XMLSchema-instance";
    gpx.append_attribute("xsi:schemaLocation") =
        "http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd";
    const std::string title = Cp1252ToUtf8(TripPlanHeadingOf(plan).what);
    pugi::xml_node metadata = gpx.append_child("metadata");
    metadata.append_child("name").text() = title.c_str();

    // A stop's rows: its first row is the trip's first or has the arrival.
    std::vector<std::vector<const TripStopRow*>> stops;
    for (const TripStopRow& row : plan.rows) {
        if (stops.empty() || row.arrive)
            stops.emplace_back();
        stops.back().push_back(&row);
    }
    for (const auto& rows : stops) {
        const TripStopRow& first = *rows.front();
        pugi::xml_node wpt = gpx.append_child("wpt");
        SetPoint(wpt, first);
        const TripStopRow& last = *rows.back();
        const std::optional<TripTime>& when = last.depart ? last.depart : first.arrive;
        if (when)
            wpt.append_child("time").text() = IsoUtcText(when->utc).c_str();
        wpt.append_child("name").text() = Cp1252ToUtf8(first.stop).c_str();
        wpt.append_child("desc").text() = Cp1252ToUtf8(StopDescription(rows)).c_str();
    }
    pugi::xml_node rte = gpx.append_child("rte");
    rte.append_child("name").text() = title.c_str();
    for (const auto& rows : stops) {
        pugi::xml_node point = rte.append_child("rtept");
        SetPoint(point, *rows.front());
        point.append_child("name").text() = Cp1252ToUtf8(rows.front()->stop).c_str();
    }

    std::ostringstream out;
    doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

void WriteTripPlanGpx(const std::string& path, const TripPlan& plan)
{
    WriteTextLines(path, SplitLines(TripPlanGpx(plan)));
}

} // namespace dawnrule
