// The system's zone database through QTimeZone: names, and every answer of the clock
// (read once per stretch of the zone's history, then from memory) against QTimeZone asked
// directly.
#include "app/qt_zone_clock.h"

#include <QDateTime>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <random>

namespace dawnrule {
namespace {

std::int64_t Utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toSecsSinceEpoch();
}

TEST(QtZoneDatabase, FindsTheZonesOfTheTownTableOnThisSystem)
{
    QtZoneDatabase zones;
    for (const char* name : {"America/New_York", "America/Chicago", "America/Denver", "America/Phoenix",
                             "America/Los_Angeles", "America/Anchorage", "America/Nome", "Pacific/Honolulu",
                             "America/Boise", "America/Indiana/Tell_City", "America/North_Dakota/New_Salem",
                             "America/Kentucky/Monticello", "America/Metlakatla", "Europe/Paris", "Etc/GMT+5"}) {
        EXPECT_NE(zones.Find(name), nullptr) << name;
    }
    EXPECT_EQ(zones.Find("America/Denver"), zones.Find("America/Denver"));  // opened once
}

TEST(QtZoneDatabase, RefusesUnknownNamesAndAnythingLikeAPath)
{
    QtZoneDatabase zones;
    for (const char* name : {"", "Bogus/Zone", "America/Nowhere", "america/denver_x", "/America/Denver",
                             "America/Denver/", "America//Denver", "../../etc/passwd", "America/../Europe/Paris",
                             "./UTC", "America/Denver\n", "America Denver", "zoneinfo/America/Denver~"}) {
        EXPECT_EQ(zones.Find(name), nullptr) << name;
    }
    EXPECT_EQ(zones.Find(std::string(100, 'A')), nullptr);
    EXPECT_EQ(zones.Find(std::string_view("America/Denver\0x", 16)), nullptr);
}

TEST(QtZoneClock, OffsetsAndAbbreviationsOfTheZoneHistory)
{
    QtZoneDatabase zones;
    const ZoneClock& ny = *zones.Find("America/New_York");
    const ZoneClock& phoenix = *zones.Find("America/Phoenix");
    const ZoneClock& honolulu = *zones.Find("Pacific/Honolulu");
    const struct {
        const ZoneClock& zone;
        std::int64_t at;
        int offset;
        const char* abbreviation;
    } rows[] = {
        {ny, Utc(2026, 1, 15, 12), -18000, "EST"},
        {ny, Utc(2026, 7, 15, 12), -14400, "EDT"},
        // 2026: daylight time from 2:00 on March 8 to 2:00 on November 1.
        {ny, Utc(2026, 3, 8, 6, 59, 59), -18000, "EST"},
        {ny, Utc(2026, 3, 8, 7), -14400, "EDT"},
        {ny, Utc(2026, 11, 1, 5, 59, 59), -14400, "EDT"},
        {ny, Utc(2026, 11, 1, 6), -18000, "EST"},
        // 2005, before the 2007 rules: April 3 to October 30.
        {ny, Utc(2005, 3, 13, 12), -18000, "EST"},
        {ny, Utc(2005, 4, 3, 7), -14400, "EDT"},
        {ny, Utc(2005, 10, 30, 6), -18000, "EST"},
        {ny, Utc(2005, 11, 5, 12), -18000, "EST"},
        {ny, Utc(1850, 6, 1), -17762, "LMT"},
        {ny, Utc(2100, 7, 1), -14400, "EDT"},  // beyond the file's listed transitions
        {phoenix, Utc(2026, 7, 1), -25200, "MST"},
        {honolulu, Utc(2026, 7, 1), -36000, "HST"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(r.zone.OffsetAt(r.at), r.offset) << r.at;
        EXPECT_EQ(r.zone.AbbreviationAt(r.at), r.abbreviation) << r.at;
    }
}

TEST(QtZoneClock, EveryAnswerIsQTimeZones)
{
    QtZoneDatabase zones;
    std::mt19937_64 rng(2026);
    for (const char* name : {"America/New_York", "America/Indiana/Indianapolis", "America/Boise", "America/Juneau",
                             "America/Phoenix", "Europe/London", "Australia/Lord_Howe"}) {
        const QTimeZone direct{QByteArray(name)};
        const ZoneClock& clock = *zones.Find(name);
        // Random instants from 1850 to 2100, in a random order so stretches are read in
        // any order, and the seconds around each of the zone's transitions.
        std::uniform_int_distribution<std::int64_t> when(Utc(1850, 1, 1), Utc(2100, 1, 1));
        std::vector<std::int64_t> instants;
        for (int i = 0; i < 3000; ++i)
            instants.push_back(when(rng));
        const QDateTime from = QDateTime::fromSecsSinceEpoch(Utc(1850, 1, 1), Qt::UTC);
        const QDateTime to = QDateTime::fromSecsSinceEpoch(Utc(2040, 1, 1), Qt::UTC);
        for (const QTimeZone::OffsetData& t : direct.transitions(from, to)) {
            for (const int d : {-1, 0, 1})
                instants.push_back(t.atUtc.toSecsSinceEpoch() + d);
        }
        for (const std::int64_t at : instants) {
            const QDateTime dt = QDateTime::fromSecsSinceEpoch(at, Qt::UTC);
            ASSERT_EQ(clock.OffsetAt(at), direct.offsetFromUtc(dt)) << name << " " << at;
            ASSERT_EQ(clock.AbbreviationAt(at), direct.abbreviation(dt).toStdString()) << name << " " << at;
        }
    }
}

} // namespace
} // namespace dawnrule
