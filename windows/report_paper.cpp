#include "windows/report_paper.h"

#include <array>

namespace dawnrule {

namespace {

// The countries whose offices use US Letter.
constexpr std::array<std::string_view, 14> kLetterCountries = {
    "US", "CA", "MX", "PR", "PH", "CL", "CO", "VE", "CR", "GT", "SV", "PA", "DO", "NI",
};

} // namespace

ReportPaper ReportPaperOfLocale(std::string_view locale)
{
    const size_t underscore = locale.find('_');
    if (underscore == std::string_view::npos)
        return ReportPaper::Letter;  // C, POSIX, "en": no country
    std::string_view country = locale.substr(underscore + 1);
    country = country.substr(0, country.find_first_of(".@"));
    if (country.size() != 2)
        return ReportPaper::Letter;
    for (const std::string_view letter : kLetterCountries) {
        if (country == letter)
            return ReportPaper::Letter;
    }
    return ReportPaper::A4;
}

std::string_view PaperLocale(const char* lcAll, const char* lcPaper, const char* lang)
{
    for (const char* value : {lcAll, lcPaper, lang}) {
        if (value && *value)
            return value;
    }
    return {};
}

} // namespace dawnrule
