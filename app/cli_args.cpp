#include "app/cli_args.h"

#include "app/cli_commands.h"
#include "common/errors.h"
#include "common/number_text.h"

namespace dawnrule {

namespace {

bool IsLeap(int year)
{
    // Julian calendar before 1583, as the computation reads such dates.
    if (year < 1583)
        return year % 4 == 0;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

double CliNumber(const std::string& name, const std::string& text, double low, double high)
{
    double value = 0;
    try {
        value = StrToFloat(text);
    } catch (const ConvertError& e) {
        throw CliUsageError("--" + name + ": " + e.what());
    }
    if (value < low || value > high)
        throw CliUsageError("--" + name + " must lie between " + FloatToStr(low) + " and " + FloatToStr(high));
    return value;
}

double CliOffset(const std::string& text)
{
    return CliNumber("offset", text, -12, 14);
}

CliDate CliDateArg(const std::string& text)
{
    const auto bad = [&text]() { return CliUsageError("--date: '" + text + "' is not a date of the form mm/dd/yyyy"); };
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        throw bad();
    for (const size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (text[i] < '0' || text[i] > '9')
            throw bad();
    }
    CliDate d;
    d.month = std::stoi(text.substr(0, 2));
    d.day = std::stoi(text.substr(3, 2));
    d.year = std::stoi(text.substr(6, 4));
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year < 1 || d.month < 1 || d.month > 12 || d.day < 1)
        throw bad();
    const int last = kDays[d.month - 1] + (d.month == 2 && IsLeap(d.year) ? 1 : 0);
    if (d.day > last)
        throw bad();
    return d;
}

} // namespace dawnrule
