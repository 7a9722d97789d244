#include "app/calc.h"

#include "astro/date_text.h"
#include "common/number_text.h"

#include <utility>

namespace dawnrule {

ResultLabels LabelsAfterChange(CalcInput changed)
{
    if (changed == CalcInput::Latitude)
        return {"rise", "set"};
    return {};
}

std::optional<ZuruRuzInput> ZuruRuzInputOf(const CalcFields& fields)
{
    const std::optional<CivilDate> date = ParseDateText(fields.dateText);
    if (!date || fields.longitude == 0 || fields.latitude == 0)
        return std::nullopt;
    ZuruRuzInput in;
    in.year = date->year;
    in.month = date->month;
    in.day = date->day;
    in.longitude = fields.longitude;
    in.latitude = fields.latitude;
    in.gmtOffset = fields.gmtOffset;
    in.military = fields.military;
    return in;
}

std::optional<std::string> RunCalc(const CalcFields& fields, int& eventKind, ResultLabels& labels)
{
    std::optional<ZuruRuzInput> in = ZuruRuzInputOf(fields);
    if (!in)
        return std::nullopt;
    in->eventKind = eventKind;
    const ZuruRuzResult r = ComputeZuruRuz(*in);
    eventKind = r.eventKind;
    if (r.riseText)
        labels.rise = *r.riseText;
    if (r.setText)
        labels.set = *r.setText;
    return r.message;
}

StopCalc::StopCalc(std::string dateText, double gmtOffset, bool military)
{
    m_fields.dateText = std::move(dateText);
    m_fields.gmtOffset = FieldHeldValue(gmtOffset);
    m_fields.military = military;
}

const ResultLabels& StopCalc::Texts(double latitude, double longitude, std::optional<std::string>& message)
{
    const auto set = [this](double& field, double value, CalcInput input) {
        const double held = FieldHeldValue(value);
        if (held == field)
            return;
        field = held;
        m_labels = LabelsAfterChange(input);
    };
    set(m_fields.latitude, latitude, CalcInput::Latitude);
    set(m_fields.longitude, longitude, CalcInput::Longitude);
    message = RunCalc(m_fields, m_eventKind, m_labels);
    return m_labels;
}

} // namespace dawnrule
