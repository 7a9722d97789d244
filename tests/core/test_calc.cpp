// The main window's Calc as rules without a window: the fields' input, the labels after
// a result and after a change, the event kind carried, and the Routes batch's stop
// sequence that the command line runs.
#include "app/calc.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace dawnrule {
namespace {

using Lines = std::vector<std::string>;

TEST(ZuruRuzInputOf, ReadsTheDateTextAndComputesNothingAtAZeroCoordinate)
{
    CalcFields f;
    f.longitude = -74.0;
    f.latitude = 40.7;
    f.gmtOffset = -5;
    f.dateText = "11/09/2005";
    const std::optional<ZuruRuzInput> in = ZuruRuzInputOf(f);
    ASSERT_TRUE(in);
    EXPECT_EQ(in->year, 2005);
    EXPECT_EQ(in->month, 11);
    EXPECT_EQ(in->day, 9);
    EXPECT_EQ(in->gmtOffset, -5);
    for (const auto& [lon, lat] : {std::pair{0.0, 40.7}, std::pair{-74.0, 0.0}, std::pair{-0.0, 40.7}}) {
        f.longitude = lon;
        f.latitude = lat;
        EXPECT_FALSE(ZuruRuzInputOf(f)) << lon << " " << lat;
    }
    EXPECT_EQ(LabelsAfterChange(CalcInput::Latitude), (ResultLabels{"rise", "set"}));
    EXPECT_EQ(LabelsAfterChange(CalcInput::Date), ResultLabels{});
}

// The main window's fields and labels as the batch drives them.
struct Emulated {
    StopCalc calc;
    Lines messages;

    Emulated(const std::string& date, double offset, bool military = false)
        : calc(date, offset, military)
    {
    }

    std::string Texts(double latitude, double longitude)
    {
        std::optional<std::string> message;
        const ResultLabels& t = calc.Texts(latitude, longitude, message);
        if (message)
            messages.push_back(*message);
        return t.rise + " " + t.set;
    }
};

TEST(StopCalc, GivesTheWindowsTextsInBothForms)
{
    Emulated twelveHour("11/09/2005", -5);
    EXPECT_EQ(twelveHour.Texts(40.7, -74.0), "6:36A 4:44P");
    Emulated military("11/09/2005", -5, true);
    EXPECT_EQ(military.Texts(40.7, -74.0), "0636 1644");
    Emulated chicago("06/21/2005", -6);
    EXPECT_EQ(chicago.Texts(41.85, -87.65), "4:16A 7:29P");
    EXPECT_TRUE(twelveHour.messages.empty());
    EXPECT_TRUE(military.messages.empty());
    EXPECT_TRUE(chicago.messages.empty());
}

TEST(StopCalc, ZeroCoordinateLeavesTheLabelsAsTheFieldChangesSetThem)
{
    Emulated e("11/09/2005", -5);
    // Before any stop the labels read "Rise" and "Set", and a zero latitude changes no
    // field (both start empty), so nothing touches them.
    EXPECT_EQ(e.Texts(0, -0.0), "Rise Set");
    EXPECT_EQ(e.Texts(40.7, -74.0), "6:36A 4:44P");
    // Only the latitude changes: lower case.
    EXPECT_EQ(e.Texts(0, -74.0), "rise set");
    EXPECT_EQ(e.Texts(0, -74.0), "rise set");  // nothing changed, nothing computed
    EXPECT_EQ(e.Texts(40.7, -74.0), "6:36A 4:44P");
    // Both change: the longitude's reset comes last.
    EXPECT_EQ(e.Texts(0, -75.0), "Rise Set");
    EXPECT_EQ(e.Texts(40.7, -74.0), "6:36A 4:44P");
    // Only the longitude changes.
    EXPECT_EQ(e.Texts(40.7, 0), "Rise Set");
    // 0.004 is held as 0.00: a zero latitude, and a change from 40.70.
    EXPECT_EQ(e.Texts(40.7, -74.0), "6:36A 4:44P");
    EXPECT_EQ(e.Texts(0.004, -74.0), "rise set");
    EXPECT_EQ(e.calc.Fields().latitude, 0);
    EXPECT_TRUE(e.messages.empty());
}

TEST(StopCalc, FieldsHoldTwoDecimals)
{
    Emulated e("11/09/2005", -5);
    e.Texts(40.7, -74.0);
    // 40.704 is held as 40.70: the field does not change and Calc computes the same
    // place; -74.006 is held as -74.01.
    EXPECT_EQ(e.Texts(40.704, -74.0), "6:36A 4:44P");
    EXPECT_EQ(e.calc.Fields().latitude, 40.7);
    e.Texts(40.704, -74.006);
    EXPECT_EQ(e.calc.Fields().longitude, -74.01);
    // A zero coordinate computes nothing: the labels show what the field changes left.
    EXPECT_EQ(e.Texts(40.704, 0), "Rise Set");
    EXPECT_EQ(e.Texts(40.7, -0.001), "Rise Set");  // -0.001 is held as 0: no change
    // The offset is held as the GMT Offset field holds it.
    Emulated offset("11/09/2005", -5.004);
    EXPECT_EQ(offset.Texts(40.7, -74.0), "6:36A 4:44P");
}

TEST(StopCalc, PolarStopsReportCalcsMessageAndKeepTheLabelsItDidNotWrite)
{
    // Utqiagvik at offset -9: the sun stays up all day in June.
    Emulated june("06/21/2005", -9);
    EXPECT_EQ(june.Texts(71.3, -156.8), "Rise Set");
    EXPECT_EQ(june.messages, Lines{"Sun up or down all day"});

    // November: a set and no rise. Coming from a stop on the same meridian, only the
    // latitude changes, so the rise label keeps its lower-case reset text.
    Emulated november("11/16/2005", -9);
    const std::string south = november.Texts(61.2, -156.8);
    EXPECT_NE(south.find('A'), std::string::npos) << south;
    EXPECT_EQ(november.Texts(71.3, -156.8), "rise 2:23P");
    EXPECT_EQ(november.messages, Lines{"No sunrise this date"});
    // The same stop again: no field changes, so the labels keep their texts.
    EXPECT_EQ(november.Texts(71.3, -156.8), "rise 2:23P");
    EXPECT_EQ(november.messages, (Lines{"No sunrise this date", "No sunrise this date"}));
}

// The kind of the last event found goes into the next Calc and comes back out of one
// that finds none: at Utqiagvik in June the sun stays up all day, and the kind before
// it is handed on. (At a zero coordinate Calc computes nothing, which shows no carry.)
TEST(StopCalc, CarriesTheLastEventKindThroughADayWithoutEvents)
{
    Emulated e("06/21/2005", -9);
    EXPECT_EQ(e.calc.EventKind(), kNoEvent);
    EXPECT_EQ(e.Texts(61.2, -149.9), "3:21A 10:42P");  // Anchorage: the evening's set, then the morning's rise
    EXPECT_EQ(e.calc.EventKind(), kRiseEvent);
    EXPECT_EQ(e.Texts(71.3, -156.8), "Rise Set");
    EXPECT_EQ(e.messages, Lines{"Sun up or down all day"});
    EXPECT_EQ(e.calc.EventKind(), kRiseEvent);

    // Whatever kind went in.
    CalcFields polar;
    polar.longitude = -156.8;
    polar.latitude = 71.3;
    polar.gmtOffset = -9;
    polar.dateText = "06/21/2005";
    for (const int before : {kNoEvent, kRiseEvent, kSetEvent}) {
        int kind = before;
        ResultLabels labels;
        EXPECT_EQ(RunCalc(polar, kind, labels), "Sun up or down all day");
        EXPECT_EQ(kind, before);
    }
}

} // namespace
} // namespace dawnrule
