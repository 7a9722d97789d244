#include "locations/us_states.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace dawnrule {
namespace {

TEST(UsStates, FiftyInButtonOrder)
{
    ASSERT_EQ(std::size(kUsStates), 50u);
    // The codes in button order, as the location grid shows them row by row.
    const std::string expected =
        "AL AK AZ AR CA CO CT DE FL GA HI ID IL IN IA KS KY LA ME MD MA MI MN MS MO "
        "MT NE NV NH NJ NM NY NC ND OH OK OR PA RI SC SD TN TX UT VT VA WA WV WI WY";
    std::string codes;
    for (const UsState& s : kUsStates) {
        if (!codes.empty())
            codes += ' ';
        codes += s.code;
    }
    EXPECT_EQ(codes, expected);
    for (size_t i = 0; i < std::size(kUsStates); ++i)
        EXPECT_EQ(kUsStates[i].number, static_cast<int>(i) + 1) << kUsStates[i].code;
}

TEST(UsStates, CodesAndNamesUnique)
{
    std::set<std::string_view> codes, names;
    for (const UsState& s : kUsStates) {
        EXPECT_TRUE(codes.insert(s.code).second) << s.code;
        EXPECT_TRUE(names.insert(s.name).second) << s.name;
        EXPECT_EQ(s.code.size(), 2u);
        for (const char c : s.code)
            EXPECT_TRUE(c >= 'A' && c <= 'Z') << s.code;
    }
}

TEST(UsStates, DerivedTexts)
{
    const struct {
        int number;
        const char* code;
        const char* file;
        const char* title;
        const char* missing;
    } rows[] = {
        {1, "AL", "AL.txt", "Alabama City List", "No Alabama City List"},
        {29, "NH", "NH.txt", "New Hampshire City List", "No New Hampshire City List"},
        {43, "TX", "TX.txt", "Texas City List", "No Texas City List"},
        {50, "WY", "WY.txt", "Wyoming City List", "No Wyoming City List"},
    };
    for (const auto& r : rows) {
        const UsState* s = StateByNumber(r.number);
        ASSERT_NE(s, nullptr) << r.number;
        EXPECT_EQ(s->code, r.code);
        EXPECT_EQ(StateByCode(r.code), s);
        EXPECT_EQ(StateFileName(*s), r.file);
        EXPECT_EQ(StateListTitle(*s), r.title);
        EXPECT_EQ(StateMissingListText(*s), r.missing);
    }
}

TEST(UsStates, LookupsOutsideTheTable)
{
    for (const int n : {0, -1, 51, 52})
        EXPECT_EQ(StateByNumber(n), nullptr) << n;
    for (const char* code : {"", "tx", "TXX", "DC", "PR", "U"})
        EXPECT_EQ(StateByCode(code), nullptr) << code;
}

TEST(UsStates, UserButton)
{
    EXPECT_EQ(kUserButtonNumber, 51);
    EXPECT_EQ(StateByNumber(kUserButtonNumber), nullptr);
    EXPECT_EQ(kUserButtonCaption, "USER");
    EXPECT_EQ(kUserButtonHint, "User Defined");
    EXPECT_EQ(kUserListFileName, "U.txt");
    EXPECT_EQ(kUserListTitle, "User City List");
}

} // namespace
} // namespace dawnrule
