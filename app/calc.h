#pragma once

#include "app/zururuz.h"

#include <optional>
#include <string>

namespace dawnrule {

// The main window's "Calc " as plain rules, for the window, the Routes batch and the
// command line alike: the values of the window's fields in, the texts of its two result
// labels out.

// What Calc reads: the values its fields hold.
struct CalcFields {
    double longitude = 0;   // "-W°'/ E°'", east positive
    double latitude = 0;    // "N°'/ -S°'", north positive
    double gmtOffset = 0;   // "GMT Offset", hours
    std::string dateText;   // the date field's text, "mm/dd/yyyy"
    bool military = false;  // "Display Military Time"
};

// The texts of the result labels, "Rise" and "Set" while they show no result.
struct ResultLabels {
    std::string rise = "Rise";
    std::string set = "Set";

    bool operator==(const ResultLabels&) const = default;
};

// The labels after a change of an input: every change shows the captions, a change of
// the latitude in lower case, which users read as the sign that the latitude changed.
enum class CalcInput { Longitude, Latitude, GmtOffset, Date, Military };
ResultLabels LabelsAfterChange(CalcInput changed);

// The computation's input from the fields: month, day and year of the date text, the
// coordinates and the offset as they stand. None when the longitude or the latitude is
// exactly 0 (a place on the equator or the Greenwich meridian is not computed) or the
// date text is not a date.
std::optional<ZuruRuzInput> ZuruRuzInputOf(const CalcFields& fields);

// One Calc: computes the fields' input, carrying `eventKind` from the previous
// computation into this one and back out, and writes the texts of the events found into
// `labels`; a label whose event was not found keeps its text. Returns the message to
// show ("No sunrise this date", ...), none when both events were found or nothing was
// computed (the fields left the labels and the event kind as they were).
std::optional<std::string> RunCalc(const CalcFields& fields, int& eventKind, ResultLabels& labels);

// What the Routes batch does for each stop, without the window (the command line's
// report gives the window's texts byte for byte): the latitude into its field, then the
// longitude, each held as the fields hold a value (two decimals; a field set to the
// value it holds changes nothing, another value shows LabelsAfterChange), then Calc with
// the offset list's checks skipped, and the labels read back. Labels and event kind
// carry from stop to stop as the window's do; the fields start empty (0).
class StopCalc {
public:
    // dateText, gmtOffset, military: the other fields, as the batch finds them.
    StopCalc(std::string dateText, double gmtOffset, bool military);

    // The labels after the stop; `message` gets Calc's message, if it has one.
    const ResultLabels& Texts(double latitude, double longitude, std::optional<std::string>& message);

    const CalcFields& Fields() const { return m_fields; }
    const ResultLabels& Labels() const { return m_labels; }
    int EventKind() const { return m_eventKind; }

private:
    CalcFields m_fields;
    ResultLabels m_labels;
    int m_eventKind = kNoEvent;
};

} // namespace dawnrule
