#include "locations/home_offset_list.h"

#include <gtest/gtest.h>

namespace dawnrule {
namespace {

TEST(HomeOffsetList, StartsWithTheMainListAndHolds93Entries)
{
    const auto& list = HomeOffsetList();
    ASSERT_EQ(list.size(), 93u);
    for (std::size_t i = 0; i < kOffsetList.size(); ++i) {
        EXPECT_EQ(list[i].text, kOffsetList[i].text) << i;
        EXPECT_EQ(list[i].offset, kOffsetList[i].offset) << i;
    }
    EXPECT_EQ(list[35].text, "International Dateline (-12:00) Eniwetok, Kwajalein");
    EXPECT_EQ(list[53].text, "GMT (0.00) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London");
    EXPECT_EQ(list[79].text, "Singapore  (+08:00) Singapore ");
    EXPECT_EQ(list[92].text, "Central Pacific (+11:00) Magadan, Solomon Is., New Caledonia");
}

// Each entry's value is the offset its own text shows in its first parentheses.
TEST(HomeOffsetList, EveryValueIsTheOffsetItsTextShows)
{
    for (const OffsetEntry& e : HomeOffsetList()) {
        const auto shown = OffsetInParentheses(e.text);
        ASSERT_TRUE(shown) << e.text;
        EXPECT_EQ(*shown, e.offset) << e.text;
    }
}

TEST(HomeOffsetList, TheHalfHourEntries)
{
    const struct {
        std::size_t position;
        double offset;
    } rows[] = {{48, -3.5}, {68, 3.5}, {71, 4.5}, {74, 5.5}, {85, 9.5}, {86, 9.5}};
    int halfHours = 0;
    for (const OffsetEntry& e : HomeOffsetList())
        halfHours += e.offset != static_cast<int>(e.offset);
    EXPECT_EQ(halfHours, 6);
    for (const auto& r : rows)
        EXPECT_EQ(HomeOffsetList()[r.position].offset, r.offset) << r.position;
}

TEST(OffsetInParentheses, ReadsSignHoursAndMinutes)
{
    const struct {
        const char* text;
        std::optional<double> offset;
    } rows[] = {
        {"Eastern         (-5:00)", -5}, {"India (+05:30) Bombay", 5.5}, {"GMT (0.00) Greenwich", 0},
        {"Newfoundland (-03:30) Newfoundland", -3.5}, {"Pacific (-08:00) Pacific Time (Canada); Tijuana", -8},
        {"no parentheses", std::nullopt}, {"(x)", std::nullopt}, {"(-5)", std::nullopt}, {"(-5:0)", std::nullopt},
        {"(+5:30", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& r : rows)
        EXPECT_EQ(OffsetInParentheses(r.text), r.offset) << r.text;
}

} // namespace
} // namespace dawnrule
