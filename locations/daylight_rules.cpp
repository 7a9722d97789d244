#include "locations/daylight_rules.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "common/words.h"
#include "locations/us_states.h"

#include <cctype>
#include <cstdlib>

namespace dawnrule {

namespace {

std::string SignedMinutes(int minutes)
{
    std::string text = minutes > 0 ? "+" : "";
    text += std::to_string(minutes);
    return text;
}

// Whole minutes; throws ConvertError with the reason.
int Minutes(const std::string& text, std::string_view what)
{
    for (const char ch : text.substr(text[0] == '+' || text[0] == '-' ? 1 : 0)) {
        if (ch < '0' || ch > '9')
            throw ConvertError(std::string(what) + " '" + text + "' is not a whole number of minutes");
    }
    const int value = StrToInt(text);
    if (std::abs(value) > kDaylightMaxMinutes) {
        throw ConvertError(std::string(what) + " " + text + " is more than " + std::to_string(kDaylightMaxMinutes) +
                           " minutes either way");
    }
    return value;
}

DaylightRule RuleOf(const std::vector<std::string>& fields)
{
    DaylightRule rule;
    size_t calendarFrom = 2;
    const std::string word = fields.size() > 1 ? AsciiUpper(fields[1]) : std::string();
    if (word == "UNKNOWN") {
    } else if (word == "NONE") {
        rule.kind = DaylightRuleKind::kNone;
    } else if (fields.size() == 2 || (fields.size() > 2 && IsCalendarWord(fields[2]))) {
        throw ConvertError("'" + fields[1] + "' is neither minutes nor 'unknown' or 'none'");
    } else if (fields.size() < 3) {
        throw ConvertError("expected a state and its roll and park minutes, or 'unknown' or 'none'");
    } else {
        rule.kind = DaylightRuleKind::kOffsets;
        rule.rollMinutes = Minutes(fields[1], "roll");
        rule.parkMinutes = Minutes(fields[2], "park");
        calendarFrom = 3;
    }
    for (size_t i = calendarFrom; i < fields.size(); ++i) {
        if (!IsCalendarWord(fields[i]))
            throw ConvertError("expected a state and its roll and park minutes, or 'unknown' or 'none', then "
                               "calendar words key=value, not '" + fields[i] + "'");
        ReadCalendarWord(fields[i], rule.calendar);
    }
    return rule;
}

int StateIndex(std::string_view code)
{
    const UsState* state = StateByCode(AsciiUpper(code));
    return state ? state->number - 1 : -1;
}

} // namespace

std::string DaylightRuleText(const DaylightRule& rule)
{
    switch (rule.kind) {
    case DaylightRuleKind::kNone:
        return "none";
    case DaylightRuleKind::kUnknown:
        return "unknown";
    case DaylightRuleKind::kOffsets:
        break;
    }
    return SignedMinutes(rule.rollMinutes) + "/" + SignedMinutes(rule.parkMinutes);
}

const DaylightRule& DaylightRules::ForState(std::string_view code) const
{
    static const DaylightRule kUnknown;
    const int index = StateIndex(code);
    return index < 0 ? kUnknown : m_rules[static_cast<size_t>(index)];
}

void DaylightRules::Set(std::string_view code, const DaylightRule& rule)
{
    const int index = StateIndex(code);
    if (index >= 0)
        m_rules[static_cast<size_t>(index)] = rule;
}

DaylightRulesRead ParseDaylightRules(const std::vector<std::string>& lines)
{
    DaylightRulesRead read;
    std::array<int, 50> givenOn{};  // the line that gave each state, 0 while none
    for (size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (lines[i].find('\0') != std::string::npos) {
            read.problems.push_back({number, "the line holds a NUL byte: the file is damaged here"});
            continue;
        }
        const std::string_view line = std::string_view(lines[i]).substr(0, lines[i].find('#'));
        const std::vector<std::string> fields = SplitWords(line);
        if (fields.empty())
            continue;
        try {
            const int index = StateIndex(fields[0]);
            if (index < 0)
                throw ConvertError("'" + fields[0] + "' is not the code of one of the 50 states");
            const DaylightRule rule = RuleOf(fields);
            int& first = givenOn[static_cast<size_t>(index)];
            if (first)
                throw ConvertError(AsciiUpper(fields[0]) + " is given again (first on line " + std::to_string(first) + ")");
            first = number;
            read.rules.Set(fields[0], rule);
        } catch (const ConvertError& e) {
            read.problems.push_back({number, e.what()});
        }
    }
    return read;
}

} // namespace dawnrule
