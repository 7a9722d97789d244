// The local day: the date's own rise and set in the town's clock time, against the plain
// rise/set computation at the offset that the zone database says is in force at each
// event, across a whole year, the changeover days, polar days and zones without daylight
// time; and the method's edges with a made-up clock.
#include "app/local_day.h"
#include "app/qt_zone_clock.h"
#include "app/zururuz.h"
#include "common/text_file.h"
#include "locations/city_record.h"
#include "locations/place_zone.h"

#include <QDateTime>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

namespace dawnrule {
namespace {

const std::string kSource = DAWNRULE_SOURCE_DIR;

struct Town {
    const char* state;
    const char* name;
    const char* zone;  // what the town table must give
    double longitude = 0, latitude = 0;
};

// The town as picked from its state list: the coordinates the fields hold.
Town Picked(Town t)
{
    for (const std::string& line : ReadTextLines(kSource + "/data/" + t.state + ".txt")) {
        if (line.rfind(std::string(t.name) + "  ", 0) == 0) {
            const CityRecordValues v = ReadCityRecord(line);
            t.longitude = *v.longitude;
            t.latitude = *v.latitude;
            return t;
        }
    }
    ADD_FAILURE() << t.name << " is not in " << t.state << ".txt";
    return t;
}

std::string Or(const std::optional<std::string>& s) { return s.value_or(""); }
std::string TextOf(const std::optional<LocalEvent>& e) { return e ? e->text : ""; }

ZuruRuzInput PartInput(const Town& t, QDate date, int offsetSeconds)
{
    ZuruRuzInput in;
    in.longitude = t.longitude;
    in.latitude = t.latitude;
    in.gmtOffset = offsetSeconds / 3600.0;
    in.year = date.year();
    in.month = date.month();
    in.day = date.day();
    return in;
}

// Minutes after midnight of a 12-hour clock text ("6:36A", "12:07A", "4:44P").
int ClockMinutes(const std::string& text)
{
    const size_t colon = text.find(':');
    const int hour = std::stoi(text.substr(0, colon)) % 12;
    return (hour + (text.back() == 'P' ? 12 : 0)) * 60 + std::stoi(text.substr(colon + 1, 2));
}

struct Expected {
    std::string text;
    int offset = 0;
    std::string abbreviation;
};

// What the plain computation gives for an event on the date's local day, found without
// the local-day code: for each offset the zone keeps around the date, the plain text at
// that offset, read back as a local clock time on the date and turned into an instant with
// that offset; the offset is right when QTimeZone says it is in force at that instant.
// The rise comes from the date's window, the set from the next date's (for the negative
// offsets of the US both are the date's own).
std::optional<Expected> PlainEvent(const Town& t, const QTimeZone& zone, QDate date, bool rise)
{
    std::set<int> offsets;
    const std::int64_t midnight = QDateTime(date, QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    for (int hour = -12; hour <= 36; hour += 3)
        offsets.insert(zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(midnight + hour * 3600, Qt::UTC)));
    std::optional<Expected> found;
    for (const int offset : offsets) {
        const ZuruRuzResult r = ComputeZuruRuz(PartInput(t, rise ? date : date.addDays(1), offset));
        const std::optional<std::string>& text = rise ? r.riseText : r.setText;
        if (!text)
            continue;
        const QDateTime at = QDateTime::fromSecsSinceEpoch(midnight + ClockMinutes(*text) * 60 - offset, Qt::UTC);
        if (zone.offsetFromUtc(at) != offset)
            continue;
        EXPECT_FALSE(found && found->text != *text) << t.name << " " << date.toString().toStdString();
        found = Expected{*text, offset, zone.abbreviation(at).toStdString()};
    }
    return found;
}

class LocalDayTest : public ::testing::Test {
protected:
    LocalDayResult Local(const Town& t, QDate date, bool military = false)
    {
        const std::optional<PlaceZone> z = FindPlaceZone(t.longitude, t.latitude);
        EXPECT_TRUE(z && z->zone == t.zone) << t.name;
        const ZoneClock* clock = zones.Find(t.zone);
        EXPECT_NE(clock, nullptr) << t.zone;
        LocalDayInput in;
        in.longitude = t.longitude;
        in.latitude = t.latitude;
        in.year = date.year();
        in.month = date.month();
        in.day = date.day();
        in.military = military;
        return ComputeLocalDay(in, *clock);
    }

    QtZoneDatabase zones;
};

const Town kTenTowns[] = {
    {"NY", "New York City", "America/New_York"},   {"IN", "Indianapolis", "America/Indiana/Indianapolis"},
    {"IL", "Chicago", "America/Chicago"},          {"TX", "El Paso", "America/Denver"},
    {"CO", "Denver", "America/Denver"},            {"AZ", "Phoenix", "America/Phoenix"},
    {"ID", "Boise", "America/Boise"},              {"WA", "Seattle", "America/Los_Angeles"},
    {"AK", "Anchorage", "America/Anchorage"},      {"HI", "Honolulu", "Pacific/Honolulu"},
};

TEST_F(LocalDayTest, EveryDayOf2026AtTenTownsIsThePlainComputationAtTheOffsetInForce)
{
    for (const Town& listed : kTenTowns) {
        const Town t = Picked(listed);
        const QTimeZone zone{QByteArray(t.zone)};
        for (QDate date(2026, 1, 1); date.year() == 2026; date = date.addDays(1)) {
            const std::string when = std::string(t.name) + " " + date.toString(Qt::ISODate).toStdString();
            const std::optional<Expected> rise = PlainEvent(t, zone, date, true);
            const std::optional<Expected> set = PlainEvent(t, zone, date, false);
            ASSERT_TRUE(rise && set) << when;
            const LocalDayResult r = Local(t, date);
            ASSERT_TRUE(r.rise && r.set) << when;
            EXPECT_EQ(r.rise->text, rise->text) << when;
            EXPECT_EQ(r.set->text, set->text) << when;
            EXPECT_EQ(r.rise->abbreviation, rise->abbreviation) << when;
            EXPECT_EQ(r.set->abbreviation, set->abbreviation) << when;
            EXPECT_EQ(r.rise->offsetSeconds, rise->offset) << when;
            EXPECT_FALSE(r.message) << when;
        }
    }
}

TEST_F(LocalDayTest, ChangeoverDaysOf2026And2005)
{
    const Town ny = Picked({"NY", "New York City", "America/New_York"});
    const struct {
        QDate date;
        const char* abbreviation;  // at the rise and the set
    } rows[] = {
        {{2026, 3, 7}, "EST"},  {{2026, 3, 8}, "EDT"},  {{2026, 10, 31}, "EDT"}, {{2026, 11, 1}, "EST"},
        // The zone database's history: the 2005 rules, not today's.
        {{2005, 3, 13}, "EST"}, {{2005, 4, 2}, "EST"},  {{2005, 4, 3}, "EDT"},   {{2005, 10, 29}, "EDT"},
        {{2005, 10, 30}, "EST"}, {{2005, 11, 5}, "EST"},
    };
    for (const auto& row : rows) {
        const std::string when = row.date.toString(Qt::ISODate).toStdString();
        const int offset = std::string(row.abbreviation) == "EDT" ? -4 * 3600 : -5 * 3600;
        const LocalDayResult r = Local(ny, row.date);
        ASSERT_TRUE(r.rise && r.set) << when;
        EXPECT_EQ(r.rise->abbreviation, row.abbreviation) << when;
        EXPECT_EQ(r.set->abbreviation, row.abbreviation) << when;
        EXPECT_EQ(r.Abbreviation(), row.abbreviation) << when;
        EXPECT_EQ(r.noonOffsetSeconds, offset) << when;
        EXPECT_EQ(r.rise->text, Or(ComputeZuruRuz(PartInput(ny, row.date, offset)).riseText)) << when;
        EXPECT_EQ(r.set->text, Or(ComputeZuruRuz(PartInput(ny, row.date.addDays(1), offset)).setText)) << when;
    }
    // The clock goes forward overnight: the rise an hour later by the clock, the set too.
    const LocalDayResult before = Local(ny, {2026, 3, 7});
    const LocalDayResult after = Local(ny, {2026, 3, 8});
    ASSERT_TRUE(before.rise && before.set && after.rise && after.set);
    EXPECT_EQ(ClockMinutes(after.rise->text) - ClockMinutes(before.rise->text), 60 - 1);
    EXPECT_EQ(ClockMinutes(after.set->text) - ClockMinutes(before.set->text), 60 + 1);
    EXPECT_EQ(before.rise->text, "6:20A");
    EXPECT_EQ(after.rise->text, "7:19A");
}

TEST_F(LocalDayTest, HawaiiAndArizonaKeepStandardTimeAllYear)
{
    const Town honolulu = Picked({"HI", "Honolulu", "Pacific/Honolulu"});
    const Town phoenix = Picked({"AZ", "Phoenix", "America/Phoenix"});
    const Town windowRock = Picked({"AZ", "Window Rock", "America/Denver"});
    for (QDate date(2026, 1, 1); date.year() == 2026; date = date.addDays(7)) {
        const LocalDayResult h = Local(honolulu, date);
        EXPECT_EQ(h.Abbreviation(), "HST");
        EXPECT_EQ(h.noonOffsetSeconds, -36000);
        const LocalDayResult p = Local(phoenix, date);
        EXPECT_EQ(p.Abbreviation(), "MST");
        EXPECT_EQ(p.noonOffsetSeconds, -25200);
    }
    // The Navajo Nation, in Arizona, keeps daylight time.
    EXPECT_EQ(Local(windowRock, {2026, 7, 1}).Abbreviation(), "MDT");
    EXPECT_EQ(Local(windowRock, {2026, 1, 15}).Abbreviation(), "MST");
    EXPECT_EQ(Local(windowRock, {2026, 7, 1}).noonOffsetSeconds - Local(phoenix, {2026, 7, 1}).noonOffsetSeconds, 3600);
}

TEST_F(LocalDayTest, PolarDaysOfUtqiagvik)
{
    const Town utqiagvik = Picked({"AK", "Utqiagvik", "America/Anchorage"});
    const struct {
        QDate date;
        const char* rise;
        const char* set;
        const char* message;
        const char* abbreviation;
    } rows[] = {
        {{2026, 6, 21}, "", "", "Sun up or down all day", "AKDT"},
        {{2026, 12, 21}, "", "", "Sun up or down all day", "AKST"},
        // The set of April 28's evening comes after midnight: it is April 29's, marked as
        // the end of the evening before.
        {{2026, 4, 28}, "0453", "", "No sunset this date", "AKDT"},
        {{2026, 4, 29}, "0446", "0001*", "", "AKDT"},
        {{2026, 4, 30}, "0439", "0008*", "", "AKDT"},
        // The last set before the midnight sun comes before that day's rise.
        {{2026, 5, 10}, "0257", "0149*", "", "AKDT"},
        {{2026, 5, 11}, "", "", "Sun up or down all day", "AKDT"},
        {{2026, 11, 18}, "1241", "1343", "", "AKST"},
    };
    for (const auto& row : rows) {
        const std::string when = row.date.toString(Qt::ISODate).toStdString();
        const LocalDayResult r = Local(utqiagvik, row.date, true);
        EXPECT_EQ(TextOf(r.rise), row.rise) << when;
        EXPECT_EQ(TextOf(r.set), row.set) << when;
        EXPECT_EQ(Or(r.message), row.message) << when;
        EXPECT_EQ(r.Abbreviation(), row.abbreviation) << when;
    }
    EXPECT_EQ(TextOf(Local(utqiagvik, {2026, 4, 29}).set), "12:01A*");
    // Every day of the year: the messages are those of the local day's events.
    int polar = 0;
    for (QDate date(2026, 1, 1); date.year() == 2026; date = date.addDays(1)) {
        const LocalDayResult r = Local(utqiagvik, date);
        const std::string message = Or(r.message);
        if (r.rise && r.set)
            EXPECT_EQ(message, "");
        else if (r.rise)
            EXPECT_EQ(message, "No sunset this date");
        else if (r.set)
            EXPECT_EQ(message, "No sunrise this date");
        else
            EXPECT_EQ(message, "Sun up or down all day");
        polar += !r.rise && !r.set;
    }
    EXPECT_GT(polar, 100);  // some 82 days of midnight sun and 65 of polar night
}

TEST_F(LocalDayTest, EastOfGreenwichTheMorningComesFromTheWindowBefore)
{
    QtZoneDatabase& db = zones;
    const ZoneClock& paris = *db.Find("Europe/Paris");
    LocalDayInput in;
    in.longitude = 2.35;
    in.latitude = 48.85;
    in.year = 2005;
    in.month = 6;
    in.day = 21;
    const LocalDayResult r = ComputeLocalDay(in, paris);
    Town t{"", "Paris", "Europe/Paris", 2.35, 48.85};
    EXPECT_EQ(TextOf(r.rise), Or(ComputeZuruRuz(PartInput(t, {2005, 6, 20}, 7200)).riseText));
    EXPECT_EQ(TextOf(r.set), Or(ComputeZuruRuz(PartInput(t, {2005, 6, 21}, 7200)).setText));
    EXPECT_EQ(TextOf(r.set), "9:58P");  // the worked example's 8:58P an hour later, in CEST
    EXPECT_EQ(r.Abbreviation(), "CEST");
}

// A zone at GMT itself (offset 0) is east of Greenwich for the scan: the morning comes
// from the window of the day before, the evening from the date's own. The texts agree
// with an independent ephemeris (the NOAA solar equations) to the nearest minute:
// London 07:59:30 and 16:20:50 UT, Reykjavik 03:23:00 and 23:30:40.
TEST_F(LocalDayTest, GreenwichTimeZonesGiveTheDatesOwnDay)
{
    const struct {
        const char* zone;
        double longitude, latitude;
        QDate date;
        const char* rise;
        const char* set;
    } rows[] = {
        {"Europe/London", -0.13, 51.51, {2026, 1, 15}, "7:59A", "4:21P"},
        {"Atlantic/Reykjavik", -21.94, 64.15, {2026, 6, 1}, "3:23A", "11:31P"},
    };
    for (const auto& r : rows) {
        const ZoneClock* clock = zones.Find(r.zone);
        ASSERT_NE(clock, nullptr) << r.zone;
        LocalDayInput in;
        in.longitude = r.longitude;
        in.latitude = r.latitude;
        in.year = r.date.year();
        in.month = r.date.month();
        in.day = r.date.day();
        const LocalDayResult day = ComputeLocalDay(in, *clock);
        EXPECT_EQ(TextOf(day.rise), r.rise) << r.zone;
        EXPECT_EQ(TextOf(day.set), r.set) << r.zone;
        EXPECT_EQ(day.Abbreviation(), "GMT") << r.zone;
        EXPECT_FALSE(day.message) << r.zone;
        const Town t{"", r.zone, r.zone, r.longitude, r.latitude};
        EXPECT_EQ(TextOf(day.rise), Or(ComputeZuruRuz(PartInput(t, r.date.addDays(-1), 0)).riseText)) << r.zone;
        EXPECT_EQ(TextOf(day.set), Or(ComputeZuruRuz(PartInput(t, r.date, 0)).setText)) << r.zone;
    }
}

// A made-up zone: `before` until the instant `change`, `after` from it on.
class OneChangeClock final : public ZoneClock {
public:
    OneChangeClock(std::int64_t change, int before, int after) : change_(change), before_(before), after_(after) {}
    int OffsetAt(std::int64_t utc) const override { return utc < change_ ? before_ : after_; }
    std::string AbbreviationAt(std::int64_t utc) const override { return utc < change_ ? "OLD" : "NEW"; }

private:
    std::int64_t change_;
    int before_, after_;
};

std::int64_t UtcOf(QDate date, int hour, int minute = 0)
{
    return QDateTime(date, QTime(hour, minute), Qt::UTC).toSecsSinceEpoch();
}

LocalDayInput Utqiagvik(QDate date, bool military = false)
{
    LocalDayInput in;
    in.longitude = -156.79;
    in.latitude = 71.29;
    in.year = date.year();
    in.month = date.month();
    in.day = date.day();
    in.military = military;
    return in;
}

// Made-up clock changes around polar events near midnight: each event is converted with
// the offset at its own instant, including those that a change moves across the noon
// offset's midnight.
TEST(LocalDay, EachEventTakesTheOffsetAtItsOwnInstant)
{
    const Town t{"AK", "Utqiagvik", "", -156.79, 71.29};
    const auto plainSet = [&t](QDate date, int hours) {
        return Or(ComputeZuruRuz(PartInput(t, date, hours * 3600)).setText);
    };
    const auto plainRise = [&t](QDate date, int hours) {
        return Or(ComputeZuruRuz(PartInput(t, date, hours * 3600)).riseText);
    };
    const struct {
        const char* name;
        QDate date;
        std::int64_t change;
        int before, after;  // hours
        std::string rise, riseZone, set, setZone;
    } rows[] = {
        // Forward an hour at 2:00A (-9 to -8): the set at 0:06 standard time, before the
        // change, reads 12:06A.
        {"ForwardAfterAnEarlySet", {2026, 5, 7}, UtcOf({2026, 5, 7}, 11), -9, -8,
         plainRise({2026, 5, 7}, -8), "NEW", plainSet({2026, 5, 7}, -9) + "*", "OLD"},
        // Back two hours at 3:00A (-8 to -10), the midnight sun starting that day: the set
        // at 1:49A, before the change, lies before the midnight of the noon offset.
        {"BackAfterTheLastSet", {2026, 5, 10}, UtcOf({2026, 5, 10}, 11), -8, -10,
         plainRise({2026, 5, 10}, -8), "OLD", plainSet({2026, 5, 10}, -8) + "*", "OLD"},
        // Back an hour at midnight (-8 to -9): the set of 0:30A daylight time comes at
        // 11:30P of the repeated hour, the date's; it replaces the early set of 0:22A.
        {"BackAtMidnight", {2026, 5, 2}, UtcOf({2026, 5, 3}, 8), -8, -9,
         plainRise({2026, 5, 2}, -8), "OLD", plainSet({2026, 5, 3}, -9), "NEW"},
    };
    for (const auto& r : rows) {
        const OneChangeClock clock(r.change, r.before * 3600, r.after * 3600);
        const LocalDayResult day = ComputeLocalDay(Utqiagvik(r.date), clock);
        if (!day.rise || !day.set) {
            ADD_FAILURE() << r.name << ": " << Or(day.message);
            continue;
        }
        EXPECT_EQ(day.rise->text, r.rise) << r.name;
        EXPECT_EQ(day.rise->abbreviation, r.riseZone) << r.name;
        EXPECT_EQ(day.set->text, r.set) << r.name;
        EXPECT_EQ(day.set->abbreviation, r.setZone) << r.name;
        EXPECT_EQ(day.set->offsetSeconds, (r.setZone == "OLD" ? r.before : r.after) * 3600) << r.name;
        EXPECT_EQ(day.set->utcSeconds < r.change, r.setZone == "OLD") << r.name;
        EXPECT_FALSE(day.message) << r.name;
    }
    const OneChangeClock forward(UtcOf({2026, 5, 7}, 11), -9 * 3600, -8 * 3600);
    EXPECT_EQ(TextOf(ComputeLocalDay(Utqiagvik({2026, 5, 7}), forward).set), "12:06A*");
    EXPECT_EQ(TextOf(ComputeLocalDay(Utqiagvik({2026, 5, 7}, true), forward).set), "0006*");
    const OneChangeClock back(UtcOf({2026, 5, 10}, 11), -8 * 3600, -10 * 3600);
    EXPECT_EQ(TextOf(ComputeLocalDay(Utqiagvik({2026, 5, 10}), back).set), "1:49A*");
    const OneChangeClock midnight(UtcOf({2026, 5, 3}, 8), -8 * 3600, -9 * 3600);
    EXPECT_EQ(TextOf(ComputeLocalDay(Utqiagvik({2026, 5, 2}), midnight).set), "11:30P");
}

TEST(LocalDay, DatesOfTheGregorianCalendarOnly)
{
    EXPECT_FALSE(IsLocalDayDate(1583, 1, 1));
    EXPECT_TRUE(IsLocalDayDate(1583, 1, 2));
    EXPECT_TRUE(IsLocalDayDate(9999, 12, 31));
    EXPECT_FALSE(IsLocalDayDate(10000, 1, 1));
    EXPECT_FALSE(IsLocalDayDate(2026, 2, 29));
    EXPECT_TRUE(IsLocalDayDate(2028, 2, 29));
    EXPECT_FALSE(IsLocalDayDate(2026, 13, 1));
    EXPECT_FALSE(IsLocalDayDate(2026, 4, 31));
    const OneChangeClock utc(0, 0, 0);
    LocalDayInput in{-100, 40, 1582, 12, 31, false};
    EXPECT_THROW(ComputeLocalDay(in, utc), std::invalid_argument);
    in = {-100, 40, 9999, 12, 31, false};
    EXPECT_TRUE(ComputeLocalDay(in, utc).set);
}

} // namespace
} // namespace dawnrule
