#pragma once

#include "windows/route_report.h"

#include <functional>
#include <string>

namespace dawnrule {

// The main window's "Calc " as the Routes batch drives it, without a window, for the
// command line: the latitude field, the longitude field, the GMT offset field, the
// date field's text, the military option and the two result labels, changed by the
// same rules as the window's handlers, so that a batch gives the window's texts byte
// for byte.
//
// - The coordinate fields start empty (0) and hold two decimals (FieldHeldValue).
// - Setting the latitude field to a value other than the one it holds resets the
//   labels to "rise" and "set"; then setting the longitude field to another value
//   resets them to "Rise" and "Set". A field set to the value it holds changes nothing.
// - The labels start as "Rise" and "Set" and keep their texts from one stop to the
//   next; Calc writes only the texts of the events it found.
// - Calc on a zero latitude or longitude computes nothing and leaves the labels.
// - The kind of the last event found starts at none and carries from stop to stop.
// - Each message of Calc ("No sunrise this date", ...) goes to `showMessage`.
class CalcEmulation {
public:
    // dateText: the date field's text, "mm/dd/yyyy"; gmtOffset: hours, as the GMT
    // Offset field holds them; military: "Display Military Time" checked.
    CalcEmulation(std::string dateText, double gmtOffset, bool military,
                  std::function<void(const std::string& message)> showMessage);

    // What the batch does for one stop: latitude into the latitude field, longitude
    // into the longitude field, BatchCalc set, Calc, both labels read back.
    RouteRiseSet ZuruRuzTexts(double latitude, double longitude);

    // The window's parts one by one.
    void SetLatitude(double value);   // CurrencyEdit2 and its change handler
    void SetLongitude(double value);  // CurrencyEdit1 and its change handler
    void Calc();                      // SpeedButton52Click with BatchCalc set

    double Latitude() const { return m_latitude; }
    double Longitude() const { return m_longitude; }
    const std::string& RiseLabel() const { return m_label5; }
    const std::string& SetLabel() const { return m_label7; }
    int EventKind() const { return m_eventKind; }

private:
    std::string m_dateText;
    double m_gmtOffset;
    bool m_military;
    std::function<void(const std::string&)> m_showMessage;

    double m_longitude = 0;  // CurrencyEdit1
    double m_latitude = 0;   // CurrencyEdit2
    std::string m_label5 = "Rise";
    std::string m_label7 = "Set";
    int m_eventKind = 0;
};

} // namespace dawnrule
