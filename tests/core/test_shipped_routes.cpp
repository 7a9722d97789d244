// The route files shipped in data/: laid out as the Routes report reads them, and
// every one processes without a warning and without a message of Calc.
#include "app/calc.h"
#include "common/text_file.h"
#include "windows/route_report.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

namespace dawnrule {
namespace {

const std::string kData = std::string(DAWNRULE_SOURCE_DIR) + "/data";

std::vector<std::string> HighwayList()
{
    return ReadTextLines(kData + "/Highways.txt");
}

std::string Bytes(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

TEST(ShippedRoutes, HighwayListNamesTheFortyOneRoutesInNumericOrder)
{
    const std::vector<std::string> names = HighwayList();
    ASSERT_EQ(names.size(), 41u);
    EXPECT_EQ(names.front(), "I-5");
    EXPECT_EQ(names[1], "I-8");
    EXPECT_EQ(names.back(), "I-99");
    for (size_t i = 1; i < names.size(); ++i)
        EXPECT_LT(std::stoi(names[i - 1].substr(2)), std::stoi(names[i].substr(2))) << names[i];
}

TEST(ShippedRoutes, FilesAreLaidOutForTheReport)
{
    const std::regex title(R"(I-\d+  (west to east|south to north)  \d{1,3}(,\d{3})? miles)");
    const std::regex stop(R"(  [^\[\]]+, [A-Z]{2} +\[\d{2}\.\d{2} -\d{2,3}\.\d{2}\])");
    size_t stops = 0;
    for (const std::string& name : HighwayList()) {
        const std::string path = kData + "/" + name + ".txt";
        const std::string bytes = Bytes(path);
        // CR LF after every line, no bare CR or LF.
        size_t lineEnds = 0;
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << path << " byte " << i;
                ++lineEnds;
            } else if (bytes[i] == '\r') {
                EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << path << " byte " << i;
            }
        }
        const std::vector<std::string> lines = ReadTextLines(path);
        ASSERT_GE(lines.size(), 4u) << path;
        EXPECT_EQ(lineEnds, lines.size()) << path;
        EXPECT_TRUE(std::regex_match(lines[0], title)) << lines[0];
        EXPECT_EQ(lines[0].rfind(name + "  ", 0), 0u) << lines[0];
        size_t column = std::string::npos;
        for (size_t i = 1; i < lines.size(); ++i) {
            const std::string& l = lines[i];
            if (l.find('[') == std::string::npos) {
                // State names and the empty lines before them.
                EXPECT_TRUE(l.empty() || std::regex_match(l, std::regex("[A-Z][a-z]+( [A-Z][a-z]+)?"))) << path << ": " << l;
                continue;
            }
            ++stops;
            EXPECT_TRUE(std::regex_match(l, stop)) << path << ": " << l;
            if (column == std::string::npos)
                column = l.find('[');
            EXPECT_EQ(l.find('['), column) << path << ": " << l;  // aligned labels
        }
    }
    EXPECT_EQ(stops, 1389u);
}

TEST(ShippedRoutes, EveryRouteProcessesWithoutWarningOrMessageInWinterAndSummer)
{
    const std::vector<std::string> names = HighwayList();
    size_t fileLines = 0;
    for (const std::string& name : names)
        fileLines += ReadTextLines(RouteFilePath(kData, name)).size();

    const std::regex computed(R"(  .+, [A-Z]{2} +  \d{1,2}:\d{2}A  \d{1,2}:\d{2}P)");
    for (const char* date : {"01/15/2026", "07/15/2026"}) {
        std::vector<std::string> messages;
        std::vector<std::string> warnings;
        StopCalc calc(date, -6, false);
        RouteReportOperations ops;
        ops.readLines = ReadTextLines;
        ops.zuruRuzTexts = [&](double lat, double lon) {
            std::optional<std::string> message;
            const ResultLabels& labels = calc.Texts(lat, lon, message);
            if (message)
                messages.push_back(*message);
            return RouteRiseSet{labels.rise, labels.set};
        };
        ops.beginRoute = [](const std::string&, int) {};
        ops.step = [](int) {};
        ops.warn = [&](const std::string& w) { warnings.push_back(w); };

        const std::vector<std::string> report = BuildRouteReport(names, kData, ops);
        EXPECT_TRUE(warnings.empty()) << date << ": " << warnings.front();
        EXPECT_TRUE(messages.empty()) << date << ": " << messages.front();
        EXPECT_EQ(report.size(), fileLines) << date;
        size_t stops = 0;
        for (const std::string& line : report) {
            if (line.rfind("  ", 0) != 0)
                continue;
            ++stops;
            EXPECT_TRUE(std::regex_match(line, computed)) << date << ": " << line;
        }
        EXPECT_EQ(stops, 1389u) << date;
    }
}

} // namespace
} // namespace dawnrule
