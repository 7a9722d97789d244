#include "app/offset_list.h"

#include <gtest/gtest.h>

namespace dawnrule {
namespace {

using namespace std::chrono;

TEST(OffsetList, EntriesAndValues)
{
    ASSERT_EQ(kOffsetList.size(), 35u);
    EXPECT_EQ(kOffsetList[0].text, "Eastern         (-5:00)");
    EXPECT_EQ(kOffsetList[6].text, "Mountain DT(-6:00)");
    EXPECT_EQ(kOffsetList[8].text, "Arizona      (-07:00)");
    EXPECT_EQ(kOffsetList[34].text, "GMT (+11:00)");
    // Every entry's value is the offset written in its text.
    for (const OffsetEntry& e : kOffsetList) {
        const auto open = e.text.find('(');
        const int hours = std::stoi(std::string(e.text.substr(open + 1)));
        EXPECT_EQ(hours, e.offset) << e.text;
    }
}

TEST(OffsetList, DaylightEntriesAreTheFourDtOnes)
{
    for (int i = 0; i < 35; ++i)
        EXPECT_EQ(IsDaylightEntry(kOffsetList[i].text), i >= 4 && i <= 7) << i;
    EXPECT_TRUE(HasDaylightCheck(0));
    EXPECT_TRUE(HasDaylightCheck(7));
    EXPECT_FALSE(HasDaylightCheck(8));
    EXPECT_FALSE(HasDaylightCheck(-1));
}

TEST(DaylightWindow, RuleOfEachYear)
{
    const struct {
        int year;
        year_month_day start, end;
    } rows[] = {
        {2026, 2026y / March / 8, 2026y / November / 1},
        {2007, 2007y / March / 11, 2007y / November / 4},   // first year of the current rule
        {2006, 2006y / April / 2, 2006y / October / 29},    // last year of the old one
        {2005, 2005y / April / 3, 2005y / October / 30},
        {1987, 1987y / April / 5, 1987y / October / 25},
        {1970, 1970y / April / 5, 1970y / October / 25},    // earlier years: the 1987 rule
        {2033, 2033y / March / 13, 2033y / November / 6},
    };
    for (const auto& r : rows) {
        const DaylightWindow w = DaylightWindowOf(year(r.year));
        EXPECT_EQ(w.start, r.start) << r.year;
        EXPECT_EQ(w.end, r.end) << r.year;
    }
}

TEST(OffsetMismatch, StandardInsideOrDaylightOutsideTheWindow)
{
    const struct {
        const char* name;
        int index;
        year_month_day date;
        bool mismatch;
    } rows[] = {
        {"daylight in January", 4, 2026y / January / 15, true},
        {"standard in January", 0, 2026y / January / 15, false},
        {"standard in July", 1, 2026y / July / 4, true},
        {"daylight in July", 5, 2026y / July / 4, false},
        {"standard on the first day", 3, 2026y / March / 8, true},
        {"standard the day before", 3, 2026y / March / 7, false},
        {"daylight on the last day", 7, 2026y / November / 1, false},
        {"daylight the day after", 7, 2026y / November / 2, true},
        {"old rule: daylight on 15 March 2005", 4, 2005y / March / 15, true},
        {"new rule: daylight on 15 March 2010", 4, 2010y / March / 15, false},
        {"Arizona never", 8, 2026y / July / 4, false},
        {"Alaska never", 9, 2026y / January / 15, false},
        {"no entry", -1, 2026y / July / 4, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(OffsetMismatch(r.index, r.date), r.mismatch) << r.name;
}

}  // namespace
}  // namespace dawnrule
