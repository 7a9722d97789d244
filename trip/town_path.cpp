#include "trip/town_path.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "common/text_file.h"
#include "common/words.h"
#include "locations/us_states.h"
#include "trip/waypoint_path.h"

#include <cmath>
#include <filesystem>

namespace dawnrule {

namespace {


std::string Quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

bool IsNumber(std::string_view text)
{
    try {
        StrToFloat(text);
        return true;
    } catch (const ConvertError&) {
        return false;
    }
}

std::string Coordinates(double latitude, double longitude)
{
    return FormatFixed(latitude, 1, 2) + "," + FormatFixed(longitude, 1, 2);
}

// "lat,lon" after the "@", and after them the miles when `withMiles`: "lat,lon, miles".
void ReadAt(std::string_view text, TownQuery& query, std::optional<double>* miles)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t comma; (comma = text.find(',', start)) != std::string_view::npos; start = comma + 1)
        fields.push_back(Trimmed(text.substr(start, comma - start)));
    fields.push_back(Trimmed(text.substr(start)));
    if (fields.size() != 2 && !(miles && fields.size() == 3))
        throw TripPlanError("the coordinates after \"@\" are not \"lat,lon\"");
    try {
        query.at = GeoPoint{StrToLatitude(fields[0]), StrToLongitude(fields[1])};
    } catch (const ConvertError& e) {
        throw TripPlanError(e.what());
    }
    if (fields.size() == 3)
        *miles = ReadLegMiles(fields[2]);
}

// "Town, ST" into the query.
void ReadTownAndState(std::string_view text, TownQuery& query)
{
    const size_t comma = text.rfind(',');
    if (comma == std::string_view::npos)
        throw TripPlanError("no state code after a comma: \"Town, ST\"");
    std::string state = Trimmed(text.substr(comma + 1));
    for (char& ch : state)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (state.size() != 2 || !StateByCode(state))
        throw TripPlanError(Quoted(Trimmed(text.substr(comma + 1))) + " is not a state code");
    query.name = Trimmed(text.substr(0, comma));
    query.state = state;
    if (query.name.empty())
        throw TripPlanError("no town before the state code");
}

// A town with its miles: "Town, ST", "Town, ST, miles", "Town, ST@lat,lon[, miles]".
TownStep ReadTownLine(std::string_view text)
{
    TownStep step;
    const size_t at = text.rfind('@');
    if (at != std::string_view::npos) {
        ReadAt(text.substr(at + 1), step.town, &step.miles);
        ReadTownAndState(text.substr(0, at), step.town);
        return step;
    }
    const size_t comma = text.rfind(',');
    if (comma != std::string_view::npos && IsNumber(text.substr(comma + 1))) {
        step.miles = ReadLegMiles(text.substr(comma + 1));
        text = text.substr(0, comma);
    }
    ReadTownAndState(text, step.town);
    return step;
}

std::string QueryText(const TownQuery& query)
{
    std::string text = query.name + ", " + query.state;
    if (query.at) {
        text += '@';
        text += Coordinates(query.at->latitude, query.at->longitude);
    }
    return text;
}

} // namespace

TownQuery ReadTownQuery(std::string_view text)
{
    TownQuery query;
    try {
        const size_t at = text.rfind('@');
        if (at != std::string_view::npos)
            ReadAt(text.substr(at + 1), query, nullptr);
        ReadTownAndState(text.substr(0, at), query);
    } catch (const TripPlanError& e) {
        throw TripPlanError(Quoted(text) + ": " + e.what());
    }
    return query;
}

const Town& FindTown(const TownIndex& towns, const TownQuery& query)
{
    const std::vector<const Town*> found = towns.Find(query.name, query.state);
    const std::string label = query.name + ", " + query.state;
    if (found.empty())
        throw TripPlanError(Quoted(label) + " is not a town of the state lists or " + std::string(kUserListFileName));
    std::string listed;
    for (const Town* t : found)
        listed += (listed.empty() ? "" : "; ") + t->Label() + "@" + Coordinates(t->latitude, t->longitude);
    if (query.at) {
        const Town* best = nullptr;
        double bestMiles = kTownPickMiles;
        for (const Town* t : found) {
            const double miles = GreatCircleMiles(t->latitude, t->longitude, query.at->latitude, query.at->longitude);
            if (miles <= bestMiles) {
                best = t;
                bestMiles = miles;
            }
        }
        if (!best) {
            throw TripPlanError("no " + Quoted(label) + " within " + FloatToStr(kTownPickMiles) + " miles of " +
                                Coordinates(query.at->latitude, query.at->longitude) + "; the lists have " + listed);
        }
        return *best;
    }
    if (found.size() > 1) {
        throw TripPlanError(Quoted(label) + " names " + std::to_string(found.size()) + " towns: " + listed +
                            "; pick one as \"Town, ST@lat,lon\"");
    }
    return *found.front();
}

TownStep ReadTownArg(std::string_view text)
{
    TownStep step;
    const size_t equals = text.rfind('=');
    try {
        if (equals != std::string_view::npos)
            step.miles = ReadLegMiles(text.substr(equals + 1));
    } catch (const TripPlanError& e) {
        throw TripPlanError(Quoted(text) + ": " + e.what());
    }
    step.town = ReadTownQuery(text.substr(0, equals));
    return step;
}

std::vector<TownStep> ReadTownLines(const std::vector<std::string>& lines, const std::string& fileName)
{
    std::vector<TownStep> steps;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string text = Trimmed(lines[i]);
        if (text.empty() || text[0] == '#')
            continue;
        try {
            steps.push_back(ReadTownLine(text));
        } catch (const TripPlanError& e) {
            throw TripPlanError(fileName + " line " + std::to_string(i + 1) + ": " + Quoted(text) + ": " + e.what());
        }
    }
    return steps;
}

std::vector<TownStep> ReadTownsFile(const std::string& path)
{
    std::vector<std::string> lines;
    try {
        lines = ReadTextLines(path);
    } catch (const FileError& e) {
        throw TripPlanError(e.what());
    }
    return ReadTownLines(lines, std::filesystem::path(path).filename().string());
}

std::string TownLine(const TownStep& step)
{
    return QueryText(step.town) + (step.miles ? ", " + FloatToStr(*step.miles) : "");
}

void WriteTownsFile(const std::string& path, const std::vector<TownStep>& steps)
{
    std::vector<std::string> lines;
    for (const TownStep& s : steps)
        lines.push_back(TownLine(s));
    WriteTextLines(path, lines);
}

TripPath TownPath(const TownIndex& towns, const std::vector<TownStep>& steps, double roadFactor,
                  const std::string& by)
{
    if (!steps.empty() && steps.front().miles) {
        throw TripPlanError(Quoted(QueryText(steps.front().town)) +
                            " is the first town: no leg reaches it to take the miles " + FloatToStr(*steps.front().miles));
    }
    std::vector<Waypoint> points;
    for (const TownStep& s : steps) {
        const Town& t = FindTown(towns, s.town);
        points.push_back({t.Label(), {t.latitude, t.longitude}, s.miles, true});
    }
    if (points.size() < 2)
        throw TripPlanError("a path of towns needs two towns or more");
    return PathOfWaypoints(points, towns, roadFactor, by);
}

} // namespace dawnrule
