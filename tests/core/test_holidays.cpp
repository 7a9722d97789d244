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
