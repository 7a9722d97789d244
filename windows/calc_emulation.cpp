#include "windows/calc_emulation.h"

#include "app/zururuz.h"
#include "common/errors.h"
#include "common/number_text.h"

#include <utility>

namespace dawnrule {

namespace {

// A number at fixed character positions of the date text, read as the window reads
// it: what is not a number counts as 0.
double DatePart(const std::string& text, size_t position, size_t length)
{
    if (position >= text.size())
        return 0;
    try {
        return StrToFloat(text.substr(position, length));
    } catch (const ConvertError&) {
        return 0;
    }
}

} // namespace

CalcEmulation::CalcEmulation(std::string dateText, double gmtOffset, bool military,
                             std::function<void(const std::string&)> showMessage)
    : m_dateText(std::move(dateText))
    , m_gmtOffset(FieldHeldValue(gmtOffset))
    , m_military(military)
    , m_showMessage(std::move(showMessage))
{
}

RouteRiseSet CalcEmulation::ZuruRuzTexts(double latitude, double longitude)
{
    SetLatitude(latitude);
    SetLongitude(longitude);
    Calc();
    return {m_label5, m_label7};
}

void CalcEmulation::SetLatitude(double value)
{
    const double held = FieldHeldValue(value);
    if (held == m_latitude)
        return;
    m_latitude = held;
    m_label5 = "rise";
    m_label7 = "set";
}

void CalcEmulation::SetLongitude(double value)
{
    const double held = FieldHeldValue(value);
    if (held == m_longitude)
        return;
    m_longitude = held;
    m_label5 = "Rise";
    m_label7 = "Set";
}

void CalcEmulation::Calc()
{
    // With BatchCalc set, Calc skips its checks of the offset list (there is none
    // here: the offset given counts as chosen) and reads the fields.
    ZuruRuzInput in;
    in.year = DatePart(m_dateText, 6, 4);
    in.month = DatePart(m_dateText, 0, 2);
    in.day = DatePart(m_dateText, 3, 2);
    in.longitude = m_longitude;
    in.latitude = m_latitude;
    in.gmtOffset = m_gmtOffset;
    if (in.longitude == 0 || in.latitude == 0)
        return;
    in.military = m_military;
    in.eventKind = m_eventKind;
    const ZuruRuzResult r = ComputeZuruRuz(in);
    m_eventKind = r.eventKind;
    if (r.riseText)
        m_label5 = *r.riseText;
    if (r.setText)
        m_label7 = *r.setText;
    if (r.message && m_showMessage)
        m_showMessage(*r.message);
}

} // namespace dawnrule
