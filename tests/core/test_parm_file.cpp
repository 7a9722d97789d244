#include "app/parm_file.h"

#include <gtest/gtest.h>

namespace dawnrule {
namespace {

TEST(ParmFlag, PositionsBeyondTheTextAreOff)
{
    EXPECT_TRUE(ParmFlag("100110000000", kFlagCityList));
    EXPECT_FALSE(ParmFlag("100110000000", kFlagLed));
    EXPECT_TRUE(ParmFlag("100110000000", kFlagLockOffset));
    EXPECT_TRUE(ParmFlag("100110000000", kFlagMilitary));
    EXPECT_TRUE(ParmFlag("0001", kFlagLockOffset));
    EXPECT_FALSE(ParmFlag("0001", kFlagMilitary));
    EXPECT_FALSE(ParmFlag("", kFlagCityList));
    EXPECT_FALSE(ParmFlag("x1", kFlagCityList));
    EXPECT_FALSE(ParmFlag("11111", 0));
}

TEST(ParmFileLines, WritesTheSevenLines)
{
    ParmValues v;
    v.military = true;
    v.offsetChosen = true;
    v.offset = -5;
    v.offsetIndex = 0;
    v.homeLongitude = "-86.47";
    v.homeLatitude = "";
    v.homeOffset = 5.5;
    v.homeOffsetIndex = 74;
    EXPECT_EQ(ParmFileLines(v),
              (std::vector<std::string>{"000010000000", "-5", "0", "-86.47", "0", "5.5", "74"}));

    v = {};
    v.cityList = v.led = v.lockOffset = true;
    v.offsetChosen = false;  // no offset chosen: "0" and "-1" whatever the field holds
    v.offset = -7;
    v.offsetIndex = 3;
    v.homeOffsetIndex = -1;
    EXPECT_EQ(ParmFileLines(v), (std::vector<std::string>{"110100000000", "0", "-1", "0", "0", "0", "-1"}));
}

}  // namespace
}  // namespace dawnrule
