#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dawnrule {

// The towns a path can name: every record of the 50 state lists (AL.txt ... WY.txt,
// 17,288 shipped) and of the user's list U.txt, each with its name, state and
// coordinates, and the ways a path looks them up:
//  - by "Town, ST" without regard to case (Windows-1252 letters folded too); several
//    towns of one state may share a name, and all of them come back;
//  - by the beginning of "Town, ST" for a type-ahead field (the towns in the order of
//    their folded "Town, ST", then of the lists; a binary search, some microseconds
//    a keystroke);
//  - by place: the nearest town to a point, and the towns within a distance of a
//    polyline (a track). These two read the state lists only: the user's places (a
//    yard, a customer's dock) are not towns a load passes.
//
// The places are kept in a grid of latitude rows 0.1 degree high, each sorted by
// longitude, so the towns within a box are a binary search in a few rows. Distances
// are great-circle (sphere of the Earth's mean radius, kEarthRadiusMiles).

struct Town {
    std::string name;   // "Wichita Falls", as the list has it (Windows-1252)
    std::string state;  // "TX"
    double latitude = 0;
    double longitude = 0;
    bool user = false;  // from U.txt

    std::string Label() const { return name + ", " + state; }  // "Wichita Falls, TX"
};

struct GeoPoint {
    double latitude = 0;   // decimal degrees, north positive
    double longitude = 0;  // east positive
};

// A town near a polyline: how far it lies from the line and how far along the line its
// nearest point of the line is.
struct TownNearLine {
    const Town* town = nullptr;
    double offMiles = 0;    // great-circle miles from the town to the line
    double alongMiles = 0;  // from the line's first point, along the line, to the point nearest the town
};

class TownIndex {
public:
    // An index of these towns (the state lists' first, then the user's).
    explicit TownIndex(std::vector<Town> towns);

    // The towns of the state lists and U.txt in `folder`. A record that gives no
    // coordinates is left out. The user's list may be missing; a user's place whose name
    // ends in ", ST" (a state code) is of that state, any other of the state of the
    // nearest town of the state lists. Throws TripPlanError "Cannot open file <path>"
    // for a state list that cannot be read.
    static TownIndex Load(const std::string& folder);

    const std::vector<Town>& Towns() const { return m_towns; }

    // The towns of this name in this state, compared without regard to case and to the
    // blanks around them; in list order.
    std::vector<const Town*> Find(std::string_view name, std::string_view state) const;

    // At most `limit` towns whose "Town, ST" begins with `typed`, compared without
    // regard to case; a comma in `typed` may stand with or without the blank after it.
    std::vector<const Town*> Complete(std::string_view typed, std::size_t limit) const;

    // The town of the state lists nearest the point; none when the lists are empty.
    const Town* Nearest(const GeoPoint& at) const;

    // Every town of the state lists within `reachMiles` of the polyline (at least one
    // point; consecutive points joined by great-circle arcs), ordered by alongMiles, then
    // list order. `alongMiles` counts the great-circle miles between the line's points.
    std::vector<TownNearLine> NearLine(const std::vector<GeoPoint>& line, double reachMiles) const;

private:
    struct Place {
        double latitude, longitude;
        double x, y, z;  // on the unit sphere
        std::uint32_t town;
    };
    void VisitBox(double south, double north, double west, double east, auto&& visit) const;

    std::vector<Town> m_towns;
    std::vector<std::string> m_keys;     // folded "town, st" of each town
    std::vector<std::uint32_t> m_byKey;  // towns sorted by key, then list order
    int m_firstRow = 0;
    std::vector<std::uint32_t> m_rowStart;  // rows + 1 entries into m_places
    std::vector<Place> m_places;            // the state lists' towns by row, then longitude
};

// Text folded for comparison without regard to case: ASCII and the Windows-1252
// capitals (À ... Þ, Š, Œ, Ž, Ÿ) to their small letters.
std::string FoldCase(std::string_view text);

} // namespace dawnrule
