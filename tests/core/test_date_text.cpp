// The one reader of date texts: the date field's "mm/dd/yyyy", the moon command's loose
// fields and the clock times beside them.
#include "astro/date_text.h"

#include <gtest/gtest.h>

namespace dawnrule {
namespace {

TEST(ParseDateText, ExactlyMonthDayYearOfARealDay)
{
    const struct {
        const char* text;
        bool ok;
    } rows[] = {
        {"11/09/2005", true},  {"02/29/2024", true},  {"02/29/2025", false}, {"12/31/9999", true},
        {"01/01/0001", true},  {"01/01/0000", false}, {"13/01/2005", false}, {"00/10/2005", false},
        {"04/31/2005", false}, {"04/00/2005", false}, {"1/5/2026", false},   {"11/09/2005 ", false},
        {" 11/09/2005", false}, {"11-09-2005", false}, {"+1/09/2005", false}, {"11/09/20x5", false},
        {"", false},
        // Slashes out of place, a field too many, a text too long: refused whatever the
        // numbers would read as.
        {"11/09/2005/1", false}, {"11/09/02005", false}, {"11/1/02005", false}, {"1/012/2005", false},
        {"11/0/92005", false},   {"1/109/2005", false},  {"11//9/2005", false}, {"11/09//2005", false},
        {"011/9/2005", false},   {"11/9/ 2005", false},
        // The rise/set computation reads dates before 1583 in the Julian calendar.
        {"02/29/1500", true},  {"02/29/1700", false}, {"02/29/1600", true},  {"10/10/1582", true},
    };
    for (const auto& r : rows) {
        const std::optional<CivilDate> date = ParseDateText(r.text);
        EXPECT_EQ(date.has_value(), r.ok) << r.text;
        if (date) {
            EXPECT_EQ(DateText(*date), r.text);  // and written back the same
        }
    }
}

TEST(ReadClockTime, HoursMinutesAndSecondsWhereTaken)
{
    EXPECT_EQ(ReadClockTime("07:00", false), 7 * 3600);
    EXPECT_EQ(ReadClockTime("23:59", false), 23 * 3600 + 59 * 60);
    EXPECT_EQ(ReadClockTime("20:30:15", true), 20 * 3600 + 30 * 60 + 15);
    for (const char* bad : {"24:00", "12:60", "7", "07:00:00", "", "07:", ":00", "ab:cd", "-1:00"})
        EXPECT_FALSE(ReadClockTime(bad, false)) << bad;
    EXPECT_FALSE(ReadClockTime("12:00:60", true));
}

} // namespace
} // namespace dawnrule
