#pragma once

#include "locations/home_location.h"

#include <QString>

#include <optional>
#include <string>

namespace dawnrule {

class ZoneDatabase;

// What the Routes window asks of the main window, and nothing more: the date, the clock
// and time form the report is computed in, a stop's rise and set computed the main
// window's way, and the main window's return when the Routes window closes.
class RoutesHost {
public:
    // A stop's two texts, as the main window's result labels hold them.
    struct StopTexts {
        QString rise;
        QString set;
        std::optional<QString> message;  // what Calc had to say of the stop
    };

    virtual ~RoutesHost() = default;

    // The date field's text, "mm/dd/yyyy".
    virtual QString DateFieldText() const = 0;
    // The offset list's chosen entry, none when no entry is chosen.
    virtual std::optional<QString> ChosenOffsetEntry() const = 0;
    // The GMT offset the times are computed in, hours.
    virtual double GmtOffset() const = 0;
    // "Display Military Time".
    virtual bool Military() const = 0;
    // The system's zone database, for the stops' own clocks.
    virtual ZoneDatabase& Zones() = 0;
    // The home place, none while it is not set (a coordinate of 0): the trip plan's
    // home clock is its zone's.
    virtual std::optional<HomeLocation> HomePlace() const = 0;
    // One stop of the batch: the latitude into the latitude field, the longitude into the
    // longitude field, the one-shot BatchCalc set, Calc, the two result labels read back.
    // A message of Calc is handed back instead of shown: the batch shows it.
    virtual StopTexts BatchStop(double latitude, double longitude) = 0;
    // After a batch: the longitude and latitude fields left empty.
    virtual void EndBatch() = 0;
    // The Routes window closed: the main window shows again where it stood.
    virtual void RoutesClosed() = 0;
};

} // namespace dawnrule
