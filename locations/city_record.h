#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dawnrule {

// The city record: one line of a state list or of "U.txt", in Windows-1252:
//
//     town  N°dd.mm,W°-dd.mm      (also S° for the latitude, E° for the longitude)
//
// A marker is the capital letter followed by the degree byte 0xB0; "n°", "N" alone or
// the UTF-8 degree sign (0xC2 0xB0) are not markers. The numbers carry the sign; the
// letters S and W negate nothing.
//
// A US keyboard has no degree key, so a record may come typed without the signs,
// "My yard  N37.15,W-94.45": AddDegreeSigns reads it as if they were there.

// `line` with the degree signs written in when it holds no marker (no "N°", "S°", "E°"
// nor "W°") and ends in a bare pair of coordinates: a blank, "N" or "S", a number, ",",
// "E" or "W", a number, then nothing but blanks; a number is an optional "-", digits, and
// optionally "." and more digits. Any other line comes back unchanged, so that a town
// whose name merely holds such letters is not misread.
std::string AddDegreeSigns(std::string_view line);

// What the window shows when a record has no marker (UTF-8, for display).
inline constexpr std::string_view kNoLatitudeMarkerMessage = "No N\u00B0 or S\u00B0 degrees in selected record.";
inline constexpr std::string_view kNoLongitudeMarkerMessage = "No W\u00B0 or E\u00B0 degrees in selected record.";

// The record part is read from at most this many bytes.
inline constexpr std::size_t kCityRecordPartLength = 100;

enum class CityRecordStatus {
    Coordinates,        // both markers found; the two texts are set
    NoLatitudeMarker,   // neither "N°" nor "S°"
    NoLongitudeMarker,  // a latitude marker but neither "E°" nor "W°"
};

// The two number texts of a record, still Windows-1252 and unconverted.
struct CityRecord {
    CityRecordStatus status = CityRecordStatus::NoLatitudeMarker;
    std::string latitudeText;   // empty when the comma is missing or before the marker
    std::string longitudeText;
};

// Splits a record into its two number texts. Pure. A record typed without the degree
// signs is read through AddDegreeSigns first.
//  1. The record part is the text from the first "N°" or "S°", whichever comes first, at
//     most 100 bytes; without either marker it is the first 100 bytes.
//  2. Without "N°" and "S°" in the part: NoLatitudeMarker; else without "E°" and "W°":
//     NoLongitudeMarker.
//  3. Latitude text: the bytes after the first "N°" up to the first "," of the part; when
//     the part holds an "S°", the bytes after the first "S°" up to that comma instead. A
//     missing comma, or one before the marker, gives an empty text.
//  4. Longitude text: everything after the first "E°" to the end of the part; when the
//     part holds a "W°", everything after the first "W°" instead.
// Starting the part at "S°" too lets a southern town's name hold a comma
// ("Pago Pago, AS  S°-14.16,W°-170.42"); from the first "N°" alone, the comma search
// would start in the name.
CityRecord ParseCityRecord(std::string_view text);

// What the two coordinate fields take from a record, in the order the window stores them:
// the latitude first, then the longitude. A text that does not convert stops there, so a
// bad longitude leaves the new latitude stored and a bad latitude stores nothing.
struct CityRecordValues {
    CityRecordStatus status = CityRecordStatus::NoLatitudeMarker;
    std::optional<double> latitude;   // the latitude field's new value, when it converted
    std::optional<double> longitude;  // the longitude field's, when both converted
    // UTF-8: empty when both converted; else the marker message or the first conversion
    // failure, "'<text>' is not a valid floating point value" (the text as in the record,
    // shown in UTF-8; an empty text fails too), or for a number beyond the globe
    // "'<text>' is not a valid latitude" (beyond -90..90) or "... longitude" (-180..180).
    std::string message;

    bool Complete() const { return message.empty(); }
};

// Converts the texts with StrToLatitude and StrToLongitude and keeps them as a field holds a value
// (FieldHeldValue: two decimals, at most 99999.99 either way).
CityRecordValues ConvertCityRecord(const CityRecord& record);

// ParseCityRecord, then ConvertCityRecord.
CityRecordValues ReadCityRecord(std::string_view text);

} // namespace dawnrule
