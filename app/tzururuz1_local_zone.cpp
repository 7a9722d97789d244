// The quick menu's "Local Zone" option: Calc in the place's own clock. The zone comes
// from the coordinates (the nearest town of the state lists within 25 km), offsets,
// daylight time and abbreviations from the system's zone database; the offset list
// follows the place's clock, and Label9 names the zone beside the coordinates.
#include "app/tzururuz1.h"

#include "app/local_day.h"
#include "app/local_zone.h"
#include "app/offset_list.h"
#include "controls/platform.h"
#include "app/qt_zone_clock.h"
#include "controls/combo_box.h"
#include "controls/currency_edit.h"
#include "controls/date_edit.h"
#include "controls/tled.h"
#include "controls/window_look.h"
#include "locations/place_clock.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace dawnrule {

namespace {

constexpr int kHourSeconds = 3600;

QString FromLatin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ZoneDatabase& TZuruRuz1::Zones()
{
    return *m_zones;
}

void TZuruRuz1::ShowZone(const QString& text, const QString& hint, bool known)
{
    Label9->setText(text);
    Label9->setToolTip(hint);
    QFont f = Label9->font();
    f.setBold(known);
    Label9->setFont(f);
    SetTextColour(Label9, known ? kMaroon : kGray);
}

bool TZuruRuz1::LocalZoneCalc()
{
    const CalcFields fields = ZuruRuzInit();
    if (fields.longitude == 0 || fields.latitude == 0) {
        ShowZone(QString::fromLatin1(kZoneIdleText), {}, false);
        return false;  // Calc computes nothing for a zero coordinate
    }
    const PlaceClock place = FindPlaceClock(*m_zones, fields.longitude, fields.latitude);
    if (!place) {
        ShowZone(QString::fromLatin1(kNoZoneText),
                 place.zone ? QStringLiteral("The system's zone database does not know %1: the offset list gives the clock")
                                  .arg(FromLatin1(place.zone->zone))
                       : QStringLiteral("No town within %1 km: the offset list gives the clock")
                             .arg(kPlaceZoneReachKm),
                 false);
        return false;
    }
    LocalDayInput in;
    in.longitude = fields.longitude;
    in.latitude = fields.latitude;
    in.military = MilitaryTime;
    if (!LocalDayDateOf(DateEdit1->text().toStdString(), in)) {
        ShowZone(QString::fromLatin1(kNoLocalDateText),
                 QStringLiteral("The local day is computed from 01/02/1583 on: the offset list gives the clock"),
                 false);
        return false;
    }

    Panel2->setFocus();
    const LocalDayResult day = ComputeLocalDay(in, *place.clock);
    const std::string zone(place.zone->zone);
    ShowLocalOffset(zone, day, QDate(in.year, in.month, in.day));
    if (day.rise)
        Label5->setText(QString::fromStdString(day.rise->text));
    if (day.set) {
        Label7->setText(QString::fromStdString(day.set->text));
        if (day.set->endsEveningBefore)
            Label7->setToolTip(QStringLiteral("%1 after midnight: the end of the evening before (the day runs midnight to midnight)")
                                   .arg(QString::fromLatin1(kEveningBeforeMark.data(), kEveningBeforeMark.size())));
    }
    ShowZone(QString::fromStdString(ShownAbbreviation(day)), QString::fromStdString(zone), true);
    if (day.message)
        m_platform.showMessage(this, QString::fromStdString(*day.message));
    return true;
}

void TZuruRuz1::ShowLocalOffset(const std::string& zone, const LocalDayResult& day, const QDate& date)
{
    // Daylight time as the zone database has it at local noon of the date.
    const QByteArray zoneId = QByteArray::fromStdString(zone);
    if (m_daylightZone.id() != zoneId)
        m_daylightZone = QTimeZone(zoneId);
    const QDateTime noon = QDateTime(date, QTime(12, 0), Qt::UTC).addSecs(-day.noonOffsetSeconds);
    const bool daylight = m_daylightZone.isValid() && m_daylightZone.isDaylightTime(noon);

    // The offset field first: its change resets the result labels.
    ComboBox1->setItemIndex(LocalOffsetEntry(zone, day.noonOffsetSeconds, daylight));
    OffsetIndex = ComboBox1->itemIndex();
    CurrencyEdit3->setValue(static_cast<double>(day.noonOffsetSeconds) / kHourSeconds);
    // The entry is the place's own clock: nothing to warn of.
    LED2->hide();
    Timer1->stop();
    Timer1->setInterval(0);
}

} // namespace dawnrule
