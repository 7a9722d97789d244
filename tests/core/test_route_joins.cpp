// Routes joined into one drive: over every pair of shipped routes that share a town, from
// either end of the first to either end of the second, the path is the first route's
// stops up to the shared town nearest along it from where the load entered, then the
// second route's from there, worked out here on its own; a route driven against its
// file's order is its stops reversed.
#include "common/text_file.h"
#include "trip/route_path.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <limits>

namespace dawnrule {
namespace {

const std::string kData = DAWNRULE_SOURCE_DIR "/data";

std::string Folded(std::string text)
{
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

// Indices from `from` to `to` of a route, either way, both ends included.
std::vector<size_t> Span(size_t from, size_t to)
{
    std::vector<size_t> out;
    for (size_t i = from;; i = to >= from ? i + 1 : i - 1) {
        out.push_back(i);
        if (i == to)
            return out;
    }
}

// The first stop of that name in a route.
std::optional<size_t> IndexOf(const TripRoute& route, const std::string& name)
{
    for (size_t i = 0; i < route.stops.size(); ++i) {
        if (Folded(route.stops[i].name) == Folded(name))
            return i;
    }
    return std::nullopt;
}

TEST(RouteJoins, EveryPairOfShippedRoutesThatShareATownJoinsAtTheNearestOne)
{
    std::vector<TripRoute> routes;
    for (const std::string& name : ReadTextLines(kData + "/Highways.txt"))
        routes.push_back(ReadTripRoute(kData, name));
    int pairs = 0, several = 0;
    for (const TripRoute& a : routes) {
        for (const TripRoute& b : routes) {
            if (&a == &b)
                continue;
            // The towns the two share, by name.
            std::vector<size_t> shared;
            for (size_t i = 0; i < a.stops.size(); ++i) {
                if (IndexOf(b, a.stops[i].name))
                    shared.push_back(i);
            }
            if (shared.empty())
                continue;
            ++pairs;
            several += shared.size() > 1;
            for (const size_t entry : {size_t{0}, a.stops.size() - 1}) {
                for (const size_t exit : {size_t{0}, b.stops.size() - 1}) {
                    // The shared town nearest the entry, counted along the first route.
                    size_t junction = shared.front();
                    double nearest = std::numeric_limits<double>::infinity();
                    for (const size_t s : shared) {
                        double miles = 0;
                        const std::vector<size_t> way = Span(entry, s);
                        for (size_t w = 1; w < way.size(); ++w) {
                            const TripStop &p = a.stops[way[w - 1]], &q = a.stops[way[w]];
                            miles += GreatCircleMiles(p.latitude, p.longitude, q.latitude, q.longitude);
                        }
                        if (miles < nearest) {
                            nearest = miles;
                            junction = s;
                        }
                    }
                    const size_t enter = *IndexOf(b, a.stops[junction].name);
                    std::vector<std::string> expected;
                    for (const size_t i : Span(entry, junction))
                        expected.push_back(a.stops[i].name);
                    for (const size_t i : Span(enter, exit))
                        expected.push_back(b.stops[i].name);
                    expected.erase(expected.begin() + static_cast<long>(Span(entry, junction).size()));  // the town once
                    if (expected.size() < 2)
                        continue;
                    const std::string& from = a.stops[entry].name;
                    const std::string& to = b.stops[exit].name;
                    SCOPED_TRACE(a.name + " " + from + " -> " + b.name + " " + to);
                    if (Folded(from) == Folded(to))
                        continue;
                    const TripPath path = ChainRoutes({a, b}, from, to, 1.1);
                    std::vector<std::string> got;
                    for (const TripStop& s : path.stops)
                        got.push_back(s.name);
                    EXPECT_EQ(got, expected);
                    for (size_t i = 1; i < path.stops.size(); ++i)
                        EXPECT_GE(path.stops[i].miles, path.stops[i - 1].miles);
                }
            }
        }
    }
    // The shipped routes meet often, and many of them more than once (I-90 and I-80 at ten towns).
    EXPECT_GT(pairs, 60);
    EXPECT_GT(several, 10);
}

} // namespace
} // namespace dawnrule
