// Daylight.txt: each line as the plan reads it, the refusals with their line numbers,
// and the shipped file.
#include "common/text_file.h"
#include "locations/daylight_rules.h"
#include "locations/us_states.h"

#include <gtest/gtest.h>

namespace dawnrule {
namespace {

TEST(DaylightRules, ReadsEachLineOrSaysWhyNot)
{
    const struct {
        std::string line;
        const char* state;  // whose rule the line must give
        const char* rule;   // DaylightRuleText of it; "" when the line is refused
        const char* reason; // part of the refusal
    } cases[] = {
        {"TX  -30  +30", "TX", "-30/+30", ""},
        {"GA\t+30\t-30   # from the state's rule", "GA", "+30/-30", ""},
        {"co 0 0", "CO", "0/0", ""},
        {"AR  unknown", "AR", "unknown", ""},
        {"KY  NONE", "KY", "none", ""},
        {"  # a comment line", "TX", "unknown", ""},
        {"", "TX", "unknown", ""},
        {"MN  120  -120", "MN", "+120/-120", ""},
        {"MN  121  0", "MN", "unknown", "more than 120 minutes"},
        {"XX  0  0", "TX", "unknown", "'XX' is not the code"},
        {"TX  -30", "TX", "unknown", "neither minutes nor"},
        {"TX  -30  +30  +5", "TX", "unknown", "expected a state"},
        {"MN  -121  0", "MN", "unknown", "more than 120 minutes"},
        {"MN  -120  +120", "MN", "-120/+120", ""},
        {"NY  -30  +30  sat=none sun=none", "NY", "-30/+30", ""},
        {"KY  none  holidays=none", "KY", "none", ""},
        {"NY  -30  +30  sat=late", "NY", "unknown", "'sat=late' is not window, none"},
        {"NY  -30  sat=none", "NY", "unknown", "neither minutes nor"},
        {"NY  -30  +30  weekdays=none", "NY", "unknown", "the calendar's keys are"},
        {"NY  -30  +30  holidays=six,arbor", "NY", "unknown", "'arbor' is not a holiday"},
        {"NY  -30  +30  before=13:60", "NY", "unknown", "is not noon, sunset, HH:MM"},
        {std::string("TX  -30  +30") + '\0' + "garbage", "TX", "unknown", "NUL byte"},
        {"TX  half  +30", "TX", "unknown", "'half' is not a whole number"},
        {"TX  -3.5  +30", "TX", "unknown", "'-3.5' is not a whole number"},
        {"TX", "TX", "unknown", "expected a state"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.c_str());
        const DaylightRulesRead read = ParseDaylightRules({"# header", c.line});
        EXPECT_EQ(DaylightRuleText(read.rules.ForState(c.state)), c.rule);
        if (*c.reason) {
            ASSERT_EQ(read.problems.size(), 1u);
            EXPECT_EQ(read.problems[0].line, 2);
            EXPECT_NE(read.problems[0].reason.find(c.reason), std::string::npos) << read.problems[0].reason;
        } else {
            EXPECT_TRUE(read.problems.empty()) << read.problems[0].reason;
        }
    }
}

TEST(DaylightRules, AStateGivenTwiceKeepsItsFirstLine)
{
    const DaylightRulesRead read = ParseDaylightRules({"TX -30 +30", "OK 0 0", "tx none"});
    EXPECT_EQ(DaylightRuleText(read.rules.ForState("TX")), "-30/+30");
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0].line, 3);
    EXPECT_NE(read.problems[0].reason.find("first on line 1"), std::string::npos);
}

TEST(DaylightRules, TheShippedFileReadsCleanForAllStates)
{
    const DaylightRulesRead read = ParseDaylightRules(ReadTextLines(DAWNRULE_SOURCE_DIR "/data/Daylight.txt"));
    EXPECT_TRUE(read.problems.empty());
    const std::pair<const char*, const char*> samples[] = {
        {"TX", "-30/+30"}, {"CO", "0/0"}, {"GA", "+30/-30"}, {"NJ", "unknown"}, {"KY", "none"}, {"WY", "-30/+30"}};
    for (const auto& [state, rule] : samples)
        EXPECT_EQ(DaylightRuleText(read.rules.ForState(state)), rule) << state;
    // The calendars as the published table gives them.
    const StateCalendar& ny = read.rules.ForState("NY").calendar;
    EXPECT_EQ(ny.saturday.kind, WeekendDayRule::Kind::kNone);
    EXPECT_TRUE(ny.longWeekendClosed && ny.beforeKnown && !ny.afterKnown);
    EXPECT_EQ(read.rules.ForState("FL").calendar.sunday, (WeekendDayRule{WeekendDayRule::Kind::kUntil, 12 * 60, true}));
    EXPECT_EQ(read.rules.ForState("DE").calendar.afterMinute, 12 * 60);
    EXPECT_EQ(read.rules.ForState("KY").calendar.holidays, 0u);
    EXPECT_EQ(read.rules.ForState("TX").calendar, StateCalendar{});  // the source is silent
}

// A calendar written out reads back the same, for every state of the shipped file and
// for values the file does not use; an old line without a calendar leaves it silent.
TEST(DaylightRules, CalendarsReadBackAsWritten)
{
    const DaylightRulesRead shipped = ParseDaylightRules(ReadTextLines(DAWNRULE_SOURCE_DIR "/data/Daylight.txt"));
    std::vector<StateCalendar> calendars;
    for (const UsState& s : kUsStates)
        calendars.push_back(shipped.rules.ForState(s.code).calendar);
    for (const char* words : {"sat=until-09:30 sun=window before=sunset after=06:45 holidays=?,easter,mlk long-weekend=open",
                              "holidays=memorial,independence,labor", "before=noon after=sunrise holidays=none"}) {
        StateCalendar c;
        std::string w(words);
        for (size_t at = 0; at != std::string::npos;) {
            const size_t blank = w.find(' ', at);
            ReadCalendarWord(w.substr(at, blank == std::string::npos ? blank : blank - at), c);
            at = blank == std::string::npos ? blank : blank + 1;
        }
        EXPECT_EQ(CalendarWords(c), words);
        calendars.push_back(c);
    }
    for (const StateCalendar& c : calendars) {
        const DaylightRulesRead again = ParseDaylightRules({"TX 0 0 " + CalendarWords(c)});
        ASSERT_TRUE(again.problems.empty()) << CalendarWords(c);
        EXPECT_EQ(again.rules.ForState("TX").calendar, c) << CalendarWords(c);
    }
}

} // namespace
} // namespace dawnrule
