#include "trip/town_index.h"

#include "common/errors.h"
#include "common/text_file.h"
#include "common/words.h"
#include "locations/city_record.h"
#include "locations/us_states.h"
#include "trip/trip_path.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <numbers>
#include <numeric>

namespace dawnrule {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kRowDegrees = 0.1;  // height of a row of the grid
// Arcs longer than this are searched piecewise, so that an arc's bow toward the pole
// stays inside the boxes searched (a 5-mile arc bows less than a yard).
constexpr double kPieceMiles = 5;

struct Vec {
    double x, y, z;
};

Vec UnitVector(double latitude, double longitude)
{
    const double lat = latitude * kDegree, lon = longitude * kDegree;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

double Dot(const Vec& a, const Vec& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec Cross(const Vec& a, const Vec& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The angle between two unit vectors, exact for small angles too.
double Angle(const Vec& a, const Vec& b)
{
    const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return 2 * std::asin(std::min(1.0, std::sqrt(dx * dx + dy * dy + dz * dz) / 2));
}

// The angle from p to the great-circle arc a..b (abAngle long), and in `along` the angle
// from a to the arc's point nearest p.
double AngleToArc(const Vec& p, const Vec& a, const Vec& b, double abAngle, double& along)
{
    Vec n = Cross(a, b);
    const double length = std::sqrt(Dot(n, n));
    if (length > 1e-12) {
        n = {n.x / length, n.y / length, n.z / length};
        const double off = Dot(p, n);  // sine of the angle to the arc's great circle
        const Vec foot = {p.x - off * n.x, p.y - off * n.y, p.z - off * n.z};
        const double fromA = Dot(Cross(a, foot), n), toB = Dot(Cross(foot, b), n);
        if (fromA >= 0 && toB >= 0) {
            along = std::atan2(fromA, Dot(a, foot));
            return std::asin(std::min(1.0, std::fabs(off)));
        }
    }
    const double toA = Angle(p, a), toB = Angle(p, b);
    along = toA <= toB ? 0 : abAngle;
    return std::min(toA, toB);
}

int RowOf(double latitude)
{
    return static_cast<int>(std::floor(latitude / kRowDegrees));
}

// A record's name: its text before the coordinates ("N°" or "S°"), blanks cut.
std::string RecordName(std::string_view line)
{
    const std::string withSigns = AddDegreeSigns(line);
    const size_t marker = std::min(withSigns.find("N\xB0"), withSigns.find("S\xB0"));
    return Trimmed(std::string_view(withSigns).substr(0, marker));
}

// The towns of a list's lines, those that give coordinates.
std::vector<Town> ListTowns(const std::vector<std::string>& lines, std::string_view state, bool user)
{
    std::vector<Town> towns;
    for (const std::string& line : lines) {
        const CityRecordValues v = ReadCityRecord(line);
        if (!v.Complete())
            continue;
        towns.push_back({RecordName(line), std::string(state), *v.latitude, *v.longitude, user});
    }
    return towns;
}

// "My yard, MO" to "My yard" in MO; false when the name does not end in a state code.
bool SplitStateOff(Town& town)
{
    const size_t comma = town.name.rfind(',');
    if (comma == std::string::npos)
        return false;
    const std::string code = Trimmed(std::string_view(town.name).substr(comma + 1));
    if (code.size() != 2 || !StateByCode(code))
        return false;
    town.state = code;
    town.name = Trimmed(std::string_view(town.name).substr(0, comma));
    return true;
}

// A typed prefix as the keys read: folded, a comma followed by one blank.
std::string TypedKey(std::string_view typed)
{
    const std::string folded = FoldCase(typed);
    std::string key;
    size_t i = folded.find_first_not_of(' ');
    while (i < folded.size()) {
        const char ch = folded[i++];
        key += ch;
        if (ch != ',')
            continue;
        const size_t next = folded.find_first_not_of(' ', i);
        if (next == std::string::npos) {
            if (i < folded.size())
                key += ' ';
            break;
        }
        key += ' ';
        i = next;
    }
    return key;
}

} // namespace

std::string FoldCase(std::string_view text)
{
    std::string out(text);
    for (char& ch : out) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 'A' && b <= 'Z')
            ch = static_cast<char>(b + 32);
        else if ((b >= 0xC0 && b <= 0xDE && b != 0xD7) || b == 0x8A || b == 0x8C || b == 0x8E)
            ch = static_cast<char>(b + (b >= 0xC0 ? 0x20 : 0x10));
        else if (b == 0x9F)
            ch = static_cast<char>(0xFF);
    }
    return out;
}

TownIndex::TownIndex(std::vector<Town> towns) : m_towns(std::move(towns))
{
    m_keys.reserve(m_towns.size());
    for (const Town& t : m_towns)
        m_keys.push_back(FoldCase(Trimmed(t.name)) + ", " + FoldCase(t.state));
    m_byKey.resize(m_towns.size());
    std::iota(m_byKey.begin(), m_byKey.end(), 0u);
    std::stable_sort(m_byKey.begin(), m_byKey.end(),
                     [this](std::uint32_t a, std::uint32_t b) { return m_keys[a] < m_keys[b]; });

    std::vector<std::pair<int, Place>> rowed;
    for (std::uint32_t i = 0; i < m_towns.size(); ++i) {
        const Town& t = m_towns[i];
        if (t.user || !std::isfinite(t.latitude) || !std::isfinite(t.longitude))
            continue;
        const Vec v = UnitVector(t.latitude, t.longitude);
        rowed.push_back({RowOf(t.latitude), Place{t.latitude, t.longitude, v.x, v.y, v.z, i}});
    }
    std::stable_sort(rowed.begin(), rowed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.longitude < b.second.longitude;
    });
    if (rowed.empty())
        return;
    m_firstRow = rowed.front().first;
    m_rowStart.assign(static_cast<size_t>(rowed.back().first - m_firstRow) + 2, 0);
    for (const auto& [row, place] : rowed) {
        ++m_rowStart[static_cast<size_t>(row - m_firstRow) + 1];
        m_places.push_back(place);
    }
    std::partial_sum(m_rowStart.begin(), m_rowStart.end(), m_rowStart.begin());
}

TownIndex TownIndex::Load(const std::string& folder)
{
    const std::filesystem::path dir(folder);
    std::vector<Town> towns;
    for (const UsState& s : kUsStates) {
        const std::string path = (dir / StateFileName(s)).string();
        std::vector<std::string> lines;
        try {
            lines = ReadTextLines(path);
        } catch (const FileError& e) {
            throw TripPlanError(e.what());
        }
        std::vector<Town> list = ListTowns(lines, s.code, false);
        towns.insert(towns.end(), std::make_move_iterator(list.begin()), std::make_move_iterator(list.end()));
    }

    const std::string userPath = (dir / kUserListFileName).string();
    std::vector<Town> user;
    try {
        user = ListTowns(ReadTextLines(userPath), "", true);
    } catch (const FileError& e) {
        if (std::filesystem::exists(userPath))
            throw TripPlanError(e.what());
    }
    if (user.empty())
        return TownIndex(std::move(towns));
    const TownIndex lists(towns);
    for (Town& t : user) {
        if (SplitStateOff(t))
            continue;
        const Town* nearest = lists.Nearest({t.latitude, t.longitude});
        t.state = nearest ? nearest->state : "";
    }
    towns.insert(towns.end(), std::make_move_iterator(user.begin()), std::make_move_iterator(user.end()));
    return TownIndex(std::move(towns));
}

std::vector<const Town*> TownIndex::Find(std::string_view name, std::string_view state) const
{
    const std::string key = FoldCase(Trimmed(name)) + ", " + FoldCase(Trimmed(state));
    const auto [first, last] = std::equal_range(
        m_byKey.begin(), m_byKey.end(), key, [this](const auto& a, const auto& b) {
            if constexpr (std::is_same_v<std::decay_t<decltype(a)>, std::string>)
                return a < m_keys[b];
            else
                return m_keys[a] < b;
        });
    std::vector<const Town*> found;
    for (auto i = first; i != last; ++i)
        found.push_back(&m_towns[*i]);
    return found;
}

std::vector<const Town*> TownIndex::Complete(std::string_view typed, std::size_t limit) const
{
    const std::string key = TypedKey(typed);
    auto i = std::lower_bound(m_byKey.begin(), m_byKey.end(), key,
                              [this](std::uint32_t a, const std::string& k) { return m_keys[a] < k; });
    std::vector<const Town*> found;
    for (; i != m_byKey.end() && found.size() < limit && m_keys[*i].compare(0, key.size(), key) == 0; ++i)
        found.push_back(&m_towns[*i]);
    return found;
}

const Town* TownIndex::Nearest(const GeoPoint& at) const
{
    if (m_places.empty() || !std::isfinite(at.latitude) || !std::isfinite(at.longitude))
        return nullptr;
    const Vec p = UnitVector(at.latitude, at.longitude);
    const int lastRow = m_firstRow + static_cast<int>(m_rowStart.size()) - 2;
    const int centre = std::clamp(RowOf(at.latitude), m_firstRow, lastRow);
    double best = std::numeric_limits<double>::infinity();
    const Place* nearest = nullptr;
    // The angle from the point to any place of a row is at least their latitudes' difference.
    const auto bound = [&](int row) {
        if (row < m_firstRow || row > lastRow)
            return std::numeric_limits<double>::infinity();
        const double south = row * kRowDegrees, north = south + kRowDegrees;
        return std::max({0.0, south - at.latitude, at.latitude - north}) * kDegree;
    };
    const auto scan = [&](int row) {
        const size_t r = static_cast<size_t>(row - m_firstRow);
        for (size_t i = m_rowStart[r]; i < m_rowStart[r + 1]; ++i) {
            const Place& place = m_places[i];
            const double a = Angle(p, {place.x, place.y, place.z});
            if (a < best || (a == best && place.town < nearest->town)) {
                best = a;
                nearest = &place;
            }
        }
    };
    for (int k = 0;; ++k) {
        const double below = bound(centre - k), above = bound(centre + k);
        if (std::min(below, above) > best)
            break;
        if (below <= best)
            scan(centre - k);
        if (k > 0 && above <= best)
            scan(centre + k);
    }
    return &m_towns[nearest->town];
}

void TownIndex::VisitBox(double south, double north, double west, double east, auto&& visit) const
{
    if (m_places.empty())
        return;
    const int lastRow = m_firstRow + static_cast<int>(m_rowStart.size()) - 2;
    const int from = std::max(m_firstRow, RowOf(south)), to = std::min(lastRow, RowOf(north));
    // The box's longitudes as at most two spans within -180..180.
    std::pair<double, double> spans[2] = {{west, east}, {1, 0}};
    if (east - west >= 360) {
        spans[0] = {-180, 180};
    } else if (west < -180) {
        spans[0] = {west + 360, 180};
        spans[1] = {-180, east};
    } else if (east > 180) {
        spans[0] = {west, 180};
        spans[1] = {-180, east - 360};
    }
    for (int row = from; row <= to; ++row) {
        const size_t r = static_cast<size_t>(row - m_firstRow);
        const auto begin = m_places.begin() + m_rowStart[r], end = m_places.begin() + m_rowStart[r + 1];
        for (const auto& [w, e] : spans) {
            auto i = std::lower_bound(begin, end, w, [](const Place& p, double lon) { return p.longitude < lon; });
            for (; i != end && i->longitude <= e; ++i)
                visit(static_cast<size_t>(i - m_places.begin()));
        }
    }
}

std::vector<TownNearLine> TownIndex::NearLine(const std::vector<GeoPoint>& line, double reachMiles) const
{
    if (line.empty() || m_places.empty() || !(reachMiles >= 0))
        return {};
    std::vector<Vec> at;
    at.reserve(line.size());
    for (const GeoPoint& g : line)
        at.push_back(UnitVector(g.latitude, g.longitude));
    const double reach = reachMiles / kEarthRadiusMiles;  // radians
    const double slack = reach * 1e-3 + 1e-9;             // on the boxes, far below a town's spacing

    constexpr double kNone = std::numeric_limits<double>::infinity();
    std::vector<double> off(m_places.size(), kNone), along(m_places.size(), 0);
    double milesBefore = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const size_t j = std::min(i + 1, line.size() - 1);
        if (i > 0 && j == i)
            break;  // the last point ends the last arc
        const Vec& a = at[i];
        const Vec& b = at[j];
        const double abAngle = Angle(a, b);
        const double arcMiles = GreatCircleMiles(line[i].latitude, line[i].longitude, line[j].latitude, line[j].longitude);
        const auto test = [&](size_t place) {
            const Place& p = m_places[place];
            double alongAngle = 0;
            const double angle = AngleToArc({p.x, p.y, p.z}, a, b, abAngle, alongAngle);
            if (angle > reach || angle > off[place])
                return;
            const double miles = milesBefore + std::min(arcMiles, alongAngle * kEarthRadiusMiles);
            if (angle < off[place] || miles < along[place]) {
                off[place] = angle;
                along[place] = miles;
            }
        };
        // The arc in pieces, each searched in its box of latitudes and longitudes.
        const int pieces = std::max(1, static_cast<int>(std::ceil(arcMiles / kPieceMiles)));
        GeoPoint start = line[i];
        for (int k = 1; k <= pieces; ++k) {
            GeoPoint end = line[j];
            if (k < pieces) {  // a point along the arc
                const double t = static_cast<double>(k) / pieces;
                const double s = std::sin(abAngle), wa = std::sin((1 - t) * abAngle) / s, wb = std::sin(t * abAngle) / s;
                const Vec v = {wa * a.x + wb * b.x, wa * a.y + wb * b.y, wa * a.z + wb * b.z};
                end = {std::atan2(v.z, std::hypot(v.x, v.y)) / kDegree, std::atan2(v.y, v.x) / kDegree};
            }
            const double r = (reach + slack) / kDegree;
            const double south = std::min(start.latitude, end.latitude) - r;
            const double north = std::max(start.latitude, end.latitude) + r;
            const double pole = std::max(std::fabs(south), std::fabs(north));
            double west = std::min(start.longitude, end.longitude), east = std::max(start.longitude, end.longitude);
            if (pole >= 90 || east - west > 180) {
                west = -180;  // near a pole, or across the 180th meridian: whole rows
                east = 180;
            } else {
                // The widest longitude a point within the reach can differ by at this latitude.
                const double spread = std::asin(std::min(1.0, std::sin(reach + slack) / std::cos(pole * kDegree)));
                west -= spread / kDegree;
                east += spread / kDegree;
            }
            VisitBox(south, north, west, east, test);
            start = end;
        }
        milesBefore += arcMiles;
    }

    std::vector<TownNearLine> near;
    for (size_t place = 0; place < m_places.size(); ++place) {
        if (off[place] != kNone)
            near.push_back({&m_towns[m_places[place].town], off[place] * kEarthRadiusMiles, along[place]});
    }
    std::sort(near.begin(), near.end(), [this](const TownNearLine& x, const TownNearLine& y) {
        return x.alongMiles != y.alongMiles ? x.alongMiles < y.alongMiles : x.town < y.town;
    });
    return near;
}

} // namespace dawnrule
