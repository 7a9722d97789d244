// The holiday calendar: observed days over several years, and its properties.
#include "astro/holidays.h"

#include <gtest/gtest.h>

#include <set>

namespace dawnrule {
namespace {

TEST(Holidays, MarksDaysAroundObservedHolidays)
{
    const struct {
        CivilDate date;
        int weekday;
        bool weekend, holiday, eve;
    } cases[] = {
        {{2021, 12, 31}, 5, false, true, true},   // New Year 2022 (a Saturday) observed; eve of it too
        {{2021, 12, 30}, 4, false, false, true},
        {{2022, 1, 1}, 6, true, true, false},     // the holiday itself
        {{2022, 1, 3}, 1, false, false, false},   // no Monday for a Saturday holiday
        {{2021, 7, 4}, 0, true, true, true},      // Sunday: the eve of Monday's observed day
        {{2021, 7, 5}, 1, false, true, false},
        {{2021, 7, 3}, 6, true, false, true},
        {{2026, 5, 25}, 1, false, true, false},   // Memorial Day: last Monday of May
        {{2026, 5, 18}, 1, false, false, false},
        {{2026, 9, 7}, 1, false, true, false},    // Labor Day: first Monday of September
        {{2026, 11, 26}, 4, false, true, false},  // Thanksgiving: fourth Thursday
        {{2026, 11, 25}, 3, false, false, true},
        {{2027, 12, 24}, 5, false, true, true},   // Christmas on a Saturday: Friday observed
        {{2023, 1, 2}, 1, false, true, false},    // New Year on a Sunday: Monday observed
        {{2024, 2, 29}, 4, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.month << "/" << c.date.day << "/" << c.date.year);
        EXPECT_EQ(WeekdayOf(c.date), c.weekday);
        const DayMarks m = MarksOf(c.date);
        EXPECT_EQ(m.weekend, c.weekend);
        EXPECT_EQ(m.holiday, c.holiday);
        EXPECT_EQ(m.eveOfHoliday, c.eve);
    }
}

// Every year has six observed holidays on six weekdays, each within a day of its date;
// the day marks say holiday exactly on the holidays and their observed days.
TEST(Holidays, SixObservedWeekdaysEveryYearAndTheMarksAgree)
{
    std::set<int> holidays;
    for (int year = 1990; year <= 2100; ++year) {
        std::set<int> observed;
        for (const ObservedHoliday& h : HolidaysOfYear(year)) {
            const int o = DaysSinceEpoch(h.observed);
            EXPECT_LE(std::abs(o - DaysSinceEpoch(h.date)), 1) << h.name << " " << year;
            EXPECT_GE(WeekdayOf(h.observed), 1) << h.name << " " << year;
            EXPECT_LE(WeekdayOf(h.observed), 5) << h.name << " " << year;
            observed.insert(o);
            holidays.insert(o);
            holidays.insert(DaysSinceEpoch(h.date));
        }
        EXPECT_EQ(observed.size(), 6u) << year;
    }
    for (int d = DaysSinceEpoch({1991, 1, 1}); d < DaysSinceEpoch({2100, 1, 1}); ++d) {
        const DayMarks m = MarksOf(DateOfDays(d));
        ASSERT_EQ(m.holiday, holidays.count(d) == 1) << d;
        ASSERT_EQ(m.eveOfHoliday, holidays.count(d + 1) == 1) << d;
    }
}

} // namespace
} // namespace dawnrule

namespace dawnrule {
namespace {

// The extra holidays a state's calendar may name, on the days the states close for them.
TEST(Holidays, StateHolidaysFallOnTheirDays)
{
    const struct {
        const char* key;
        int year;
        CivilDate date;
    } rows[] = {
        {"new-year", 2022, {2021, 12, 31}},         // a Saturday: observed the Friday before
        {"independence", 2027, {2027, 7, 5}},       // a Sunday: the Monday after
        {"christmas", 2027, {2027, 12, 24}},
        {"memorial", 2026, {2026, 5, 25}},
        {"labor", 2026, {2026, 9, 7}},
        {"thanksgiving", 2026, {2026, 11, 26}},
        {"day-after-thanksgiving", 2026, {2026, 11, 27}},
        {"deer-opener", 2026, {2026, 11, 21}},      // the Saturday before Thanksgiving
        {"easter", 2024, {2024, 3, 31}},
        {"easter", 2025, {2025, 4, 20}},
        {"easter", 2026, {2026, 4, 5}},
        {"easter", 2038, {2038, 4, 25}},            // the latest Easter there can be
        {"easter", 2285, {2285, 3, 22}},            // and the earliest
        {"good-friday", 2026, {2026, 4, 3}},
        {"christmas-eve", 2026, {2026, 12, 24}},    // the day itself, never moved
        {"new-years-eve", 2028, {2028, 12, 31}},    // a Sunday, still the 31st
        {"veterans", 2026, {2026, 11, 11}},
        {"veterans", 2023, {2023, 11, 10}},         // a Saturday: the Friday before
        {"veterans", 2029, {2029, 11, 12}},         // a Sunday: the Monday after
        {"columbus", 2026, {2026, 10, 12}},         // second Monday of October
        {"victory", 2026, {2026, 8, 10}},           // second Monday of August
        {"presidents", 2026, {2026, 2, 16}},        // third Monday of February
        {"mlk", 2026, {2026, 1, 19}},               // third Monday of January
    };
    for (const auto& r : rows) {
        StateHoliday holiday;
        ASSERT_TRUE(StateHolidayByKey(r.key, holiday)) << r.key;
        EXPECT_EQ(StateHolidayKey(holiday), r.key);
        EXPECT_EQ(StateHolidayDate(holiday, r.year), r.date) << r.key << " " << r.year;
    }
    StateHoliday unknown;
    EXPECT_FALSE(StateHolidayByKey("arbor", unknown));
    // Easter is a Sunday in March or April every year.
    for (int year = 1583; year <= 3000; ++year) {
        const CivilDate easter = EasterSunday(year);
        EXPECT_EQ(WeekdayOf(easter), 0) << year;
        EXPECT_TRUE((easter.month == 3 && easter.day >= 22) || (easter.month == 4 && easter.day <= 25)) << year;
    }
}

} // namespace
} // namespace dawnrule
