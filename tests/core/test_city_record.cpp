#include "locations/city_record.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace dawnrule {
namespace {

// "N°" and friends as the Windows-1252 bytes the lists hold.
#define DEG "\xB0"

const std::string kNoLat(kNoLatitudeMarkerMessage);
const std::string kNoLon(kNoLongitudeMarkerMessage);

std::string Invalid(const std::string& utf8Text)
{
    return "'" + utf8Text + "' is not a valid floating point value";
}

struct RecordCase {
    const char* name;
    std::string record;
    std::optional<double> latitude;   // the fields' new values, nullopt: not stored
    std::optional<double> longitude;
    std::string message;              // empty: parses
};

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.name; }

class ReadCityRecordTable : public ::testing::TestWithParam<RecordCase> {};

TEST_P(ReadCityRecordTable, FieldsAndMessage)
{
    const RecordCase& c = GetParam();
    const CityRecordValues v = ReadCityRecord(c.record);
    EXPECT_EQ(v.latitude, c.latitude);
    EXPECT_EQ(v.longitude, c.longitude);
    EXPECT_EQ(v.message, c.message);
    EXPECT_EQ(v.Complete(), c.message.empty());
}

const std::string k99Spaces(99, ' ');

INSTANTIATE_TEST_SUITE_P(
    CityRecord, ReadCityRecordTable,
    ::testing::Values(
        RecordCase{"Mobile", "Mobile  N" DEG "30.41,W" DEG "-88.02", 30.41, -88.02, ""},
        RecordCase{"SouthEast", "Town  S" DEG "-14.16,E" DEG "170.42", -14.16, 170.42, ""},
        RecordCase{"SouthLetterDoesNotNegate", "Town  S" DEG "14.16,E" DEG "170.42", 14.16, 170.42, ""},
        RecordCase{"WestLetterDoesNotNegate", "Town  N" DEG "30.41,W" DEG "88.02", 30.41, 88.02, ""},
        RecordCase{"NorthAndSouthTakesSouth", "Town  N" DEG "30.41 S" DEG "-14.16,W" DEG "-88.02", -14.16,
                   -88.02, ""},
        // From the first marker (here S°) the comma search starts; S° wins over a later N°.
        RecordCase{"SouthFirstThenNorth", "Town  S" DEG "-14.16 N" DEG "30.41,W" DEG "-88.02", std::nullopt,
                   std::nullopt, Invalid("-14.16 N°30.41")},
        RecordCase{"EastAndWestTakesWest", "Town  N" DEG "30.41,W" DEG "-88.02", 30.41, -88.02, ""},
        RecordCase{"WestAfterEastTakesWest", "Town  N" DEG "30.41,E" DEG "10.00 W" DEG "-88.02", 30.41, -88.02,
                   ""},
        RecordCase{"EastAfterWestStillWest", "Town  N" DEG "30.41,W" DEG "-88.02 E" DEG "10", 30.41, std::nullopt,
                   Invalid("-88.02 E°10")},
        RecordCase{"NoCommaEmptyLatitude", "Town  N" DEG "30.41 W" DEG "-88.02", std::nullopt, std::nullopt,
                   Invalid("")},
        RecordCase{"SecondNorthMarkerIgnored", "Town  N" DEG "30.41,W" DEG "-88.02 N" DEG "1", 30.41, std::nullopt,
                   Invalid("-88.02 N°1")},
        RecordCase{"TrailingSpacesParse", "Town  N" DEG "30.41,W" DEG "-88.02   ", 30.41, -88.02, ""},
        RecordCase{"SpacesBeforeNumbersParse", "Town  N" DEG " 30.41 ,W" DEG "  -88.02", 30.41, -88.02, ""},
        RecordCase{"TrailingJunkFails", "Town  N" DEG "30.41,W" DEG "-88.02 x", 30.41, std::nullopt,
                   Invalid("-88.02 x")},
        RecordCase{"LatitudeJunkStoresNothing", "Town  N" DEG "30.41x,W" DEG "-88.02", std::nullopt, std::nullopt,
                   Invalid("30.41x")},
        // The mended record: the part starts at the first S°, so the name's comma is not in it.
        RecordCase{"PagoPagoCommaInName", "Pago Pago, AS  S" DEG "-14.16,W" DEG "-170.42", -14.16, -170.42, ""},
        RecordCase{"CommaInNorthernName", "Olinda, CDP  N" DEG "20.82,W" DEG "-156.29", 20.82, -156.29, ""},
        RecordCase{"CommaRightAfterMarker", "Town  N" DEG ",W" DEG "-88.02", std::nullopt, std::nullopt,
                   Invalid("")},
        RecordCase{"EmptyLongitude", "Town  N" DEG "30.41,W" DEG, 30.41, std::nullopt, Invalid("")},
        RecordCase{"BlankLongitude", "Town  N" DEG "30.41,W" DEG "   ", 30.41, std::nullopt, Invalid("   ")},
        RecordCase{"ClickOnAStateFirst", "Click on a state first.", std::nullopt, std::nullopt, kNoLat},
        RecordCase{"Home", "Home", std::nullopt, std::nullopt, kNoLat},
        RecordCase{"Blank", " ", std::nullopt, std::nullopt, kNoLat},
        RecordCase{"LatitudeWithoutLongitude", "Town  N" DEG "30.41,-88.02", std::nullopt, std::nullopt, kNoLon},
        RecordCase{"LowerCaseLatitudeMarker", "Town  n" DEG "30.41,W" DEG "-88.02", std::nullopt, std::nullopt,
                   kNoLat},
        RecordCase{"LowerCaseLongitudeMarker", "Town  N" DEG "30.41,w" DEG "-88.02", std::nullopt, std::nullopt,
                   kNoLon},
        // Typed without the degree signs (no degree key): read as if they were there.
        RecordCase{"NoDegreeSigns", "My yard  N37.15,W-94.45", 37.15, -94.45, ""},
        RecordCase{"NoDegreeSignsSouthEast", "Town S-14.16,E170.42  ", -14.16, 170.42, ""},
        RecordCase{"NoDegreeSignsJunkTail", "Town  N30.41,W-88.02x", std::nullopt, std::nullopt, kNoLat},
        RecordCase{"MissingLongitudeDegreeByte", "Town  N" DEG "30.41,W-88.02", std::nullopt, std::nullopt, kNoLon},
        // UTF-8's degree sign is 0xC2 0xB0: the letter is followed by 0xC2, not 0xB0.
        RecordCase{"Utf8DegreeSign", "Town  N\xC2\xB0" "30.41,W\xC2\xB0-88.02", std::nullopt, std::nullopt,
                   kNoLat},
        RecordCase{"MarkerWithSpaceBeforeDegree", "Town  N " DEG "30.41,W" DEG "-88.02", std::nullopt,
                   std::nullopt, kNoLat},
        // The record part is 100 bytes from the first latitude marker: "N°30.41," is 8 of them.
        RecordCase{"JunkTailCutOff", "Town  N" DEG "30.41,W" DEG "-88.02" + k99Spaces + "junk", 30.41, -88.02, ""},
        RecordCase{"LongitudeUpToTheLimit", "Town  N" DEG "30.41," + std::string(87, ' ') + "W" DEG "-88.02",
                   30.41, -88, ""},
        RecordCase{"LongitudeMarkerCutInTwo", "Town  N" DEG "30.41," + std::string(91, ' ') + "W" DEG "-88.02",
                   std::nullopt, std::nullopt, kNoLon},
        RecordCase{"LongitudeMarkerPastTheLimit", "Town  N" DEG "30.41," + k99Spaces + "W" DEG "-88.02",
                   std::nullopt, std::nullopt, kNoLon},
        RecordCase{"CommaPastTheLimit", "Town  N" DEG "30.41 W" DEG "-88.02" + k99Spaces + ",", std::nullopt,
                   std::nullopt, Invalid("")},
        RecordCase{"LongNameBeforeTheMarker", std::string(300, 'a') + "  N" DEG "30.41,W" DEG "-88.02", 30.41,
                   -88.02, ""},
        RecordCase{"LongitudeOnly", "Town  W" DEG "-88.02", std::nullopt, std::nullopt, kNoLat},
        RecordCase{"LatitudeMarkerPastTheFirst100Bytes", std::string(100, 'x') + "N" DEG "1", std::nullopt,
                   std::nullopt, kNoLon},
        RecordCase{"MoreThanTwoDecimalsKeepTwo", "Town  N" DEG "30.416,W" DEG "-88.024", 30.42, -88.02, ""},
        RecordCase{"ExponentIsANumber", "Town  N" DEG "3e1,W" DEG "-8.8e1", 30, -88, ""},
        // Beyond the poles or half way round: the latitude is checked and stored first.
        RecordCase{"TheEdgesOfTheGlobe", "Town  N" DEG "90,W" DEG "-180", 90, -180, ""},
        RecordCase{"TheOtherEdges", "Town  S" DEG "-90,E" DEG "180", -90, 180, ""},
        RecordCase{"LatitudePastThePole", "Town  N" DEG "91,W" DEG "-95.94", std::nullopt, std::nullopt,
                   "'91' is not a valid latitude"},
        RecordCase{"LatitudeJustPastThePole", "Town  S" DEG "-90.01,W" DEG "-9x", std::nullopt, std::nullopt,
                   "'-90.01' is not a valid latitude"},
        RecordCase{"HugeLatitude", "Town  N" DEG "1e9,W" DEG "-1e9", std::nullopt, std::nullopt,
                   "'1e9' is not a valid latitude"},
        RecordCase{"LongitudePastHalfWayRound", "Town  N" DEG "41.26,W" DEG "-400", 41.26, std::nullopt,
                   "'-400' is not a valid longitude"},
        RecordCase{"LongitudeJustPast", "Town  N" DEG "41.26,E" DEG "180.01 ", 41.26, std::nullopt,
                   "'180.01 ' is not a valid longitude"},
        RecordCase{"NonAsciiTextShownInUtf8", "Town  N" DEG "30.41,W" DEG "-88.02\xB0\x80", 30.41, std::nullopt,
                   Invalid("-88.02°\u20AC")}),
    [](const ::testing::TestParamInfo<RecordCase>& info) { return std::string(info.param.name); });

// Only a line that ends in bare coordinates, and holds no marker with its sign, gets
// the signs: town names with the same letters stay as typed.
TEST(CityRecord, DegreeSignsAreAddedOnlyToABareCoordinateTail)
{
    const struct {
        const char* line;
        const char* result;  // nullptr: unchanged
    } rows[] = {
        {"My yard  N37.15,W-94.45", "My yard  N" DEG "37.15,W" DEG "-94.45"},
        {"Town S-14.16,E170.42   ", "Town S" DEG "-14.16,E" DEG "170.42   "},
        {"Town  N30,W-88", "Town  N" DEG "30,W" DEG "-88"},
        {"Exit N5 N30.5,W-88.5", "Exit N5 N" DEG "30.5,W" DEG "-88.5"},
        {"Town  N" DEG "30.41,W-88.02", nullptr},     // a marker already: a record of its own kind
        {"Town  N30.41,W" DEG "-88.02", nullptr},
        {"N37.15,W-94.45", nullptr},                  // no blank before the latitude
        {"TownN37.15,W-94.45", nullptr},
        {"Town  N 37.15,W-94.45", nullptr},           // blank inside
        {"Town  N37.15, W-94.45", nullptr},
        {"Town  N37.15 ,W-94.45", nullptr},
        {"Town  N37.15 W-94.45", nullptr},            // no comma
        {"Town  N37.15,W-94.45x", nullptr},           // more than blanks after
        {"Town  N37.15,W-94.45\t", nullptr},
        {"Town  n37.15,w-94.45", nullptr},            // lower case
        {"Town  E37.15,N-94.45", nullptr},            // letters in the wrong places
        {"Town  N37.,W-94", nullptr},                 // not a number
        {"Town  N.5,W-94", nullptr},
        {"Town  N-,W-94", nullptr},
        {"Town  N+37,W-94", nullptr},
        {"Town  N1e1,W-94", nullptr},
        {"Route N12 north", nullptr},
        {"", nullptr},
    };
    for (const auto& r : rows)
        EXPECT_EQ(AddDegreeSigns(r.line), r.result ? r.result : r.line) << r.line;
}

TEST(CityRecord, ParseGivesTheRawTextsInWindows1252)
{
    const CityRecord r = ParseCityRecord("Kane\xF1" "a  N" DEG " 30.41,W" DEG "-88.02\xB0 ");
    EXPECT_EQ(r.status, CityRecordStatus::Coordinates);
    EXPECT_EQ(r.latitudeText, " 30.41");
    EXPECT_EQ(r.longitudeText, "-88.02\xB0 ");

    EXPECT_EQ(ParseCityRecord("Home").status, CityRecordStatus::NoLatitudeMarker);
    EXPECT_EQ(ParseCityRecord("Town  S" DEG "1").status, CityRecordStatus::NoLongitudeMarker);
    EXPECT_EQ(ParseCityRecord("").status, CityRecordStatus::NoLatitudeMarker);
}

TEST(CityRecord, MarkerFailuresReportTheirStatusAndStoreNothing)
{
    for (const char* text : {"Home", "Town  S" DEG "1,E1"}) {
        const CityRecordValues v = ReadCityRecord(text);
        EXPECT_NE(v.status, CityRecordStatus::Coordinates) << text;
        EXPECT_FALSE(v.latitude) << text;
        EXPECT_FALSE(v.longitude) << text;
    }
    // A conversion failure is not a marker failure: the window keeps the focus where it went.
    EXPECT_EQ(ReadCityRecord("Town  N" DEG "x,W" DEG "1").status, CityRecordStatus::Coordinates);
}

TEST(CityRecord, MessagesAreTheWindowsTextsInUtf8)
{
    EXPECT_EQ(kNoLatitudeMarkerMessage, "No N\xC2\xB0 or S\xC2\xB0 degrees in selected record.");
    EXPECT_EQ(kNoLongitudeMarkerMessage, "No W\xC2\xB0 or E\xC2\xB0 degrees in selected record.");
}

} // namespace
} // namespace dawnrule
