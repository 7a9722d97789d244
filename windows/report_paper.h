#pragma once

#include <string_view>

namespace dawnrule {

// The paper a printed report starts on: US Letter where the locale's country uses it,
// and where the locale names no country (C, POSIX, unset); A4 elsewhere.
enum class ReportPaper { Letter, A4 };

// The paper of a locale name as the environment gives it ("en_US.UTF-8", "de_DE@euro",
// "C"): its country, the two letters after "_".
ReportPaper ReportPaperOfLocale(std::string_view locale);

// The locale whose paper counts, as the C library picks it: LC_ALL, else LC_PAPER,
// else LANG, the first that is set and not empty.
std::string_view PaperLocale(const char* lcAll, const char* lcPaper, const char* lang);

} // namespace dawnrule
