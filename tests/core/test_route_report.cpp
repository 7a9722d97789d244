#include "windows/report_paper.h"
#include "windows/route_report.h"

#include "app/zururuz.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace dawnrule {
namespace {

using Lines = std::vector<std::string>;

// The caller's side of a batch with every call recorded. A stop's texts are its
// coordinates as read ("41.26" / "-95.94"), so a report line shows what was passed.
struct FakeBatch {
    std::string folder = "/prog";
    std::map<std::string, Lines> files;  // by path
    Lines calls;
    Lines warnings;
    std::string throwAtLatitude;  // zuruRuzTexts throws for this latitude

    RouteReportOperations Operations()
    {
        RouteReportOperations ops;
        ops.readLines = [this](const std::string& path) {
            calls.push_back("read " + path);
            const auto it = files.find(path);
            if (it == files.end())
                throw FileError("Cannot open file " + path);
            return it->second;
        };
        ops.zuruRuzTexts = [this](double latitude, double longitude) {
            calls.push_back("calc " + FloatToStr(latitude) + " " + FloatToStr(longitude));
            if (FloatToStr(latitude) == throwAtLatitude)
                throw std::runtime_error("computation failed");
            return RouteRiseSet{FloatToStr(latitude), FloatToStr(longitude)};
        };
        ops.beginRoute = [this](const std::string& name, int count) {
            calls.push_back("begin " + name + " " + std::to_string(count));
        };
        ops.step = [this](int index) { calls.push_back("step " + std::to_string(index)); };
        ops.warn = [this](const std::string& message) {
            calls.push_back("warn " + message);
            warnings.push_back(message);
        };
        return ops;
    }

    Lines Run(const Lines& names) { return BuildRouteReport(names, folder, Operations()); }
};

TEST(RouteReport, CopiesPlainLinesAndGivesEachStopItsTwoTexts)
{
    FakeBatch batch;
    batch.files["/prog/I-80.txt"] = {
        "I-80  west to east  2,748 miles",
        "",
        "Nebraska",
        "  Omaha, NE   [41.26 -95.94]",
        "a plain ] line",
    };
    EXPECT_EQ(batch.Run({"I-80"}), (Lines{
                                       "I-80  west to east  2,748 miles",
                                       "",
                                       "Nebraska",
                                       "  Omaha, NE     41.26  -95.94",
                                       "a plain ] line",
                                   }));
    EXPECT_TRUE(batch.warnings.empty());
}

TEST(RouteReport, ReadsEachStopLineByItsRules)
{
    const std::string cutAt100 = "-95.94" + std::string(94, ' ');  // 100 characters
    const struct {
        const char* what;
        std::string line;
        std::string calc;    // the coordinates passed on
        std::string report;  // the report line
    } rows[] = {
        {"label keeps its blanks", "  Omaha, NE   [41.26 -95.94]", "calc 41.26 -95.94", "  Omaha, NE     41.26  -95.94"},
        {"text after ] dropped", "Omaha [41.26 -95.94] TS FJ", "calc 41.26 -95.94", "Omaha   41.26  -95.94"},
        {"the first ] closes", "Omaha [41.26 -95.94] [1 -2]", "calc 41.26 -95.94", "Omaha   41.26  -95.94"},
        {"blanks around the longitude", "Omaha [41.26   -95.94 ]", "calc 41.26 -95.94", "Omaha   41.26  -95.94"},
        {"empty label", "[41.26 -95.94]", "calc 41.26 -95.94", "  41.26  -95.94"},
        {"zero coordinates", "Null Island [0 -0]", "calc 0 0", "Null Island   0  0"},
        {"the edges of the globe", "Edge [90 -180]", "calc 90 -180", "Edge   90  -180"},
        {"longitude cut after 100 characters", "Far [41.26 " + cutAt100 + "x]", "calc 41.26 -95.94",
         "Far   41.26  -95.94"},
    };
    for (const auto& r : rows) {
        FakeBatch batch;
        batch.files["/prog/R.txt"] = {r.line};
        EXPECT_EQ(batch.Run({"R"}), Lines{r.report}) << r.what;
        EXPECT_EQ(batch.calls, (Lines{"read /prog/R.txt", "begin R 1", "step 0", r.calc})) << r.what;
        EXPECT_TRUE(batch.warnings.empty()) << r.what;
    }
}

TEST(RouteReport, BadStopLineAbandonsTheRouteThereAndSaysWhichLineAndWhy)
{
    const std::string longitude99 = "-95.94" + std::string(93, ' ');  // "x" is the 100th character
    const struct {
        std::string line;
        std::string reason;
    } rows[] = {
        {"Omaha [41.26-95.94]", "no blank between latitude and longitude in '41.26-95.94'"},
        {"Omaha [-95.94]", "no blank between latitude and longitude in '-95.94'"},
        {"Omaha [41.26 95.94]", "no minus sign before the longitude in '41.26 95.94'"},
        {"Omaha [ 41.26 -95.94]", "the coordinates ' 41.26 -95.94' do not start with the latitude"},
        {"Omaha [41.26x -95.94]", "'41.26x' is not a valid floating point value"},
        {"Omaha [41.26 -95.9x4]", "'-95.9x4' is not a valid floating point value"},
        {"Omaha [41.26 -95.94", "the '[' has no closing ']'"},
        {"Omaha ] [41.26 -95.94]", "a ']' comes before the first '['"},
        {"Omaha []", "no blank between latitude and longitude in ''"},
        {"Omaha [41.26 " + longitude99 + "x]", "'" + longitude99 + "x' is not a valid floating point value"},
        {"Omaha [-41.26 -95.94]", "'-41.26 -95.94' is not a valid floating point value"},
        {"Omaha [41.26 near -95.94]", "only blanks may stand between latitude and longitude in '41.26 near -95.94'"},
        {"Omaha [41.26 47-95.94]", "only blanks may stand between latitude and longitude in '41.26 47-95.94'"},
        {"Omaha [41.26 x-95.94]", "only blanks may stand between latitude and longitude in '41.26 x-95.94'"},
        {"Omaha [91 -95.94]", "'91' is not a valid latitude"},
        {"Omaha [90.01 -95.9x]", "'90.01' is not a valid latitude"},  // the latitude first
        {"Omaha [1e9 -95.94]", "'1e9' is not a valid latitude"},
        {"Omaha [41.26 -400]", "'-400' is not a valid longitude"},
        {"Omaha [41.26 -180.01 ]", "'-180.01 ' is not a valid longitude"},
    };
    for (const auto& r : rows) {
        FakeBatch batch;
        batch.files["/prog/I-80.txt"] = {"Title", "A [40.5 -96.5]", r.line, "B [41.5 -97.5]", "after"};
        batch.files["/prog/Next.txt"] = {"Next title"};
        EXPECT_EQ(batch.Run({"I-80", "Next"}), (Lines{"Title", "A   40.5  -96.5", "Next title"})) << r.line;
        EXPECT_EQ(batch.warnings, Lines{"File:I-80.txt line 3: " + r.reason}) << r.line;
        EXPECT_EQ(batch.calls, (Lines{"read /prog/I-80.txt", "begin I-80 5", "step 0", "step 1", "calc 40.5 -96.5",
                                      "step 2", "warn File:I-80.txt line 3: " + r.reason, "read /prog/Next.txt",
                                      "begin Next 1", "step 0"}))
            << r.line;
    }
}

TEST(RouteReport, MissingFileWarnsNotFoundAndTheNextRouteFollows)
{
    FakeBatch batch;
    batch.files["/prog/I-5.txt"] = {"I-5", "A [32.72 -117.16]"};
    EXPECT_EQ(batch.Run({"I-99", "I-5"}), (Lines{"I-5", "A   32.72  -117.16"}));
    EXPECT_EQ(batch.warnings, Lines{"File:I-99.txt not found"});
    EXPECT_EQ(batch.calls.front(), "read /prog/I-99.txt");
    EXPECT_EQ(batch.calls[1], "warn File:I-99.txt not found");  // no begin for a route not read
}

TEST(RouteReport, FailedComputationAbandonsTheRouteWithItsText)
{
    FakeBatch batch;
    batch.throwAtLatitude = "41.5";
    batch.files["/prog/R.txt"] = {"A [40.5 -96.5]", "B [41.5 -97.5]", "C [42.5 -98.5]"};
    EXPECT_EQ(batch.Run({"R"}), Lines{"A   40.5  -96.5"});
    EXPECT_EQ(batch.warnings, Lines{"File:R.txt line 2: computation failed"});
}

TEST(RouteReport, AnnouncesEachRouteAndEachLineBeforeHandlingIt)
{
    FakeBatch batch;
    batch.files["/prog/R.txt"] = {"Title", "A [40.5 -96.5]", ""};
    batch.files["/prog/Empty.txt"] = {};
    EXPECT_EQ(batch.Run({"R", "Empty", "R"}), (Lines{"Title", "A   40.5  -96.5", "", "Title", "A   40.5  -96.5", ""}));
    EXPECT_EQ(batch.calls, (Lines{
                               "read /prog/R.txt", "begin R 3", "step 0", "step 1", "calc 40.5 -96.5", "step 2",
                               "read /prog/Empty.txt", "begin Empty 0",  // an empty file: no lines, no warning
                               "read /prog/R.txt", "begin R 3", "step 0", "step 1", "calc 40.5 -96.5", "step 2",
                           }));
    EXPECT_TRUE(batch.warnings.empty());
}

TEST(RouteReport, NoRoutesGiveNoLines)
{
    FakeBatch batch;
    EXPECT_TRUE(batch.Run({}).empty());
    EXPECT_TRUE(batch.calls.empty());
}

TEST(RouteReport, RouteNamesNameFilesOfTheProgramFolderOnly)
{
    const struct {
        const char* folder;
        const char* name;
        const char* path;  // "" when the name is no route
    } rows[] = {
        {"/prog", "I-80", "/prog/I-80.txt"},
        {"/prog/", "I-80", "/prog/I-80.txt"},
        {"/prog", "i-80 ", "/prog/i-80 .txt"},  // as written: no trimming, no case change
        {"", "I-80", "I-80.txt"},
        {"/prog", "", "/prog/.txt"},
        {"/prog", "routes/I-80", ""},
        {"/prog", "/srv/routes/I-80", ""},
        {"/prog", "..", ""},
        {"/prog", "..I-80", ""},
        {"/prog", "C:\\routes\\I-80", ""},
    };
    for (const auto& r : rows) {
        FakeBatch batch;
        batch.folder = r.folder;
        batch.Run({r.name});
        if (*r.path) {
            EXPECT_EQ(RouteFilePath(r.folder, r.name), r.path) << r.folder << " + " << r.name;
            EXPECT_EQ(batch.calls.front(), std::string("read ") + r.path);
            // The warning names the route as written, not the path it was looked for at.
            EXPECT_EQ(batch.warnings, Lines{std::string("File:") + r.name + ".txt not found"});
        } else {
            EXPECT_THROW(RouteFilePath(r.folder, r.name), ConvertError) << r.name;
            EXPECT_EQ(batch.calls.front().rfind("read ", 0), std::string::npos) << r.name;  // nothing read
            EXPECT_EQ(batch.warnings, Lines{"'" + std::string(r.name) +
                                            "' is not a route name: route files lie in the program's folder"});
        }
    }
}

TEST(ReportPaper, LetterWhereTheCountryUsesItOrNoneIsNamed)
{
    const struct {
        const char* locale;
        ReportPaper paper;
    } rows[] = {
        {"en_US.UTF-8", ReportPaper::Letter}, {"es_MX", ReportPaper::Letter},     {"fr_CA.UTF-8", ReportPaper::Letter},
        {"C", ReportPaper::Letter},           {"POSIX", ReportPaper::Letter},     {"", ReportPaper::Letter},
        {"C.UTF-8", ReportPaper::Letter},     {"en_GB.UTF-8", ReportPaper::A4},   {"de_DE@euro", ReportPaper::A4},
        {"de_DE.UTF-8@euro", ReportPaper::A4}, {"pt_BR", ReportPaper::A4},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ReportPaperOfLocale(r.locale), r.paper) << r.locale;
    // The C library's order: LC_ALL, then LC_PAPER, then LANG; an empty one does not count.
    EXPECT_EQ(PaperLocale("de_DE", "en_US", "fr_FR"), "de_DE");
    EXPECT_EQ(PaperLocale("", "en_US", "fr_FR"), "en_US");
    EXPECT_EQ(PaperLocale(nullptr, nullptr, "fr_FR"), "fr_FR");
    EXPECT_EQ(PaperLocale(nullptr, "", nullptr), "");
}

} // namespace
} // namespace dawnrule
