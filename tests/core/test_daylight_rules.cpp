// Daylight.txt: each line as the plan reads it, the refusals with their line numbers,
// and the shipped file.
#include "common/text_file.h"
#include "locations/daylight_rules.h"

#include <gtest/gtest.h>

namespace dawnrule {
namespace {

TEST(DaylightRules, ReadsEachLineOrSaysWhyNot)
{
    const struct {
        const char* line;
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
        {"TX  half  +30", "TX", "unknown", "'half' is not a whole number"},
        {"TX  -3.5  +30", "TX", "unknown", "'-3.5' is not a whole number"},
        {"TX", "TX", "unknown", "expected a state"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
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
        {"TX", "-30/+30"}, {"CO", "0/0"}, {"GA", "+30/-30"}, {"AR", "unknown"}, {"KY", "none"}, {"WY", "-30/+30"}};
    for (const auto& [state, rule] : samples)
        EXPECT_EQ(DaylightRuleText(read.rules.ForState(state)), rule) << state;
}

} // namespace
} // namespace dawnrule
