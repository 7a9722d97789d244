#include "windows/trip_timeline_view.h"

#include "astro/date_text.h"
#include "astro/holidays.h"
#include "controls/cp1252_text.h"
#include "controls/window_look.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace dawnrule {

namespace {

constexpr int kDayMinutes = 24 * 60;
constexpr int kRowLines = 3;      // a row is three text lines tall: the windows above, the load below
constexpr int kRoomyRowLines = 5; // or up to five where the room allows
constexpr int kLegendLines = 1;
constexpr int kAxisLines = 1;

const QColor kWindowBand(255, 236, 150);   // a state's legal window
const QColor kWindowEdge(200, 170, 60);
const QColor kDrive(0, 0, 128);            // navy, as the program's text
const QColor kWait(230, 140, 20);
const QColor kBreak(90, 170, 220);
const QColor kRest(150, 150, 150);
const QColor kBefore(205, 205, 205);
const QColor kCalendarHatch(200, 0, 0);
const QColor kCurfewHatch(128, 0, 160);

QColor BarColour(TripActivity::Kind kind)
{
    switch (kind) {
    case TripActivity::Kind::kDrive:
        return kDrive;
    case TripActivity::Kind::kWait:
        return kWait;
    case TripActivity::Kind::kBreak:
        return kBreak;
    case TripActivity::Kind::kRest:
        return kRest;
    case TripActivity::Kind::kBeforeStart:
        break;
    }
    return kBefore;
}

// The x of a minute on the axis, kept within it.
int XOf(const QRect& axis, int minute)
{
    const int m = std::clamp(minute, 0, kDayMinutes);
    return axis.left() + static_cast<int>(static_cast<long long>(axis.width()) * m / kDayMinutes);
}

QRect Span(const QRect& axis, int top, int height, int start, int end)
{
    const int left = XOf(axis, start), right = XOf(axis, end);
    return QRect(left, top, std::max(right - left, 1), height);
}

void Hatch(QPainter& painter, const QRect& area, unsigned flag)
{
    painter.save();
    const bool calendar = flag == kTripCalendar;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(calendar ? kCalendarHatch : kCurfewHatch, calendar ? Qt::BDiagPattern : Qt::DiagCrossPattern));
    painter.drawRect(area);
    painter.restore();
}

void LegendItem(QPainter& painter, int& x, int y, int size, const QString& text, const QColor& fill,
                std::optional<unsigned> hatch = {})
{
    const QRect swatch(x, y + 2, size * 2, size - 4);
    painter.save();
    if (hatch) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRect(swatch);
        Hatch(painter, swatch, *hatch);
    } else {
        painter.fillRect(swatch, fill);
    }
    painter.restore();
    x += swatch.width() + size / 3;
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
    x += painter.fontMetrics().horizontalAdvance(text) + size;
}

} // namespace

int TripTimelineHeight(int rows, int lineHeight)
{
    return lineHeight * (kAxisLines + kRowLines * std::max(rows, 1) + kLegendLines) + 6;
}

void PaintTripTimeline(QPainter& painter, const QRect& rect, const std::vector<TimelineRow>& rows,
                       const QString& homeClock)
{
    const QFontMetrics fm = painter.fontMetrics();
    const int line = fm.height();
    const int labelWidth = fm.horizontalAdvance(QStringLiteral("Day 00  Www 00/00/0000")) + line / 2;
    const QRect axis(rect.left() + labelWidth, rect.top(), rect.width() - labelWidth - fm.horizontalAdvance(QStringLiteral("24")) / 2, line);

    painter.save();
    painter.setPen(kNavy);
    // The axis: every third hour of the home clock, and the clock's name.
    painter.drawText(QRect(rect.left(), rect.top(), labelWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Home ") + homeClock);
    for (int hour = 0; hour <= 24; hour += 3) {
        const int x = XOf(axis, hour * 60);
        const QString text = QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
        painter.drawText(QRect(x - line, axis.top(), 2 * line, line), Qt::AlignCenter, text);
    }

    int top = rect.top() + line * kAxisLines;
    // Rows three lines tall (five where there is room), or as little as one line when
    // that is all the room there is.
    const int room = rect.bottom() - line * kLegendLines - top;
    const int rowHeight = std::clamp(room / std::max(static_cast<int>(rows.size()), 1), line, line * kRoomyRowLines);
    const int bandsHeight = rowHeight / 2 - 1;
    size_t drawn = 0;
    for (const TimelineRow& row : rows) {
        if (top + rowHeight > rect.bottom() - line * kLegendLines)
            break;
        ++drawn;
        painter.setPen(kNavy);
        const QString label = QStringLiteral("Day %1  %2 %3")
                                  .arg(row.day)
                                  .arg(FromCp1252(WeekdayShortName(WeekdayOf(row.date))))
                                  .arg(QString::fromStdString(DateText(row.date)));
        painter.drawText(QRect(rect.left(), top, labelWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, label);
        // Hour lines behind.
        painter.setPen(QPen(QColor(0, 0, 0, 40), 0));
        for (int hour = 0; hour <= 24; hour += 3)
            painter.drawLine(XOf(axis, hour * 60), top, XOf(axis, hour * 60), top + rowHeight - 1);

        // The windows: one band each, stacked in the row's upper half.
        const int bands = std::max(static_cast<int>(row.windows.size()), 1);
        const int band = std::max(bandsHeight / bands, 2);
        for (size_t i = 0; i < row.windows.size(); ++i) {
            const TimelineWindow& w = row.windows[i];
            const QRect r = Span(axis, top + 1 + static_cast<int>(i) * band, band - 1, w.start, w.end);
            painter.fillRect(r, kWindowBand);
            painter.setPen(kWindowEdge);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
            if (band >= 7) {  // the state's code, as large as the band allows
                painter.save();
                QFont small = painter.font();
                if (band < line)
                    small.setPixelSize(std::max(band - 1, 6));
                painter.setFont(small);
                painter.setPen(kWindowEdge.darker(150));
                painter.drawText(r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, FromCp1252(w.state));
                painter.restore();
            }
        }

        // The load: its bars, the closures that held it, the state lines.
        const int loadTop = top + rowHeight / 2 + 1, loadHeight = rowHeight / 2 - 3;
        for (const TimelineBar& b : row.bars) {
            if (b.end <= 0 || b.start >= kDayMinutes)
                continue;
            painter.fillRect(Span(axis, loadTop, loadHeight, b.start, b.end), BarColour(b.kind));
            if (b.end > kDayMinutes) {  // goes on past the row's end
                const int x = axis.right();
                QPainterPath arrow;
                arrow.moveTo(x + 1, loadTop);
                arrow.lineTo(x + line / 2, loadTop + loadHeight / 2);
                arrow.lineTo(x + 1, loadTop + loadHeight);
                painter.fillPath(arrow, BarColour(b.kind));
            }
        }
        for (const TimelineHold& h : row.holds)
            Hatch(painter, Span(axis, loadTop, loadHeight, h.start, h.end), h.flag);
        painter.setPen(QPen(Qt::black, 0));
        for (const TimelineTick& t : row.ticks) {
            const int x = XOf(axis, t.at);
            painter.drawLine(x, loadTop - 2, x, loadTop + loadHeight + 1);
        }
        top += rowHeight;
    }

    // The legend.
    painter.setPen(kNavy);
    int x = rect.left();
    const int y = rect.bottom() - line * kLegendLines + 1;
    LegendItem(painter, x, y, line, QStringLiteral("legal window"), kWindowBand);
    LegendItem(painter, x, y, line, QStringLiteral("driving"), kDrive);
    LegendItem(painter, x, y, line, QStringLiteral("wait"), kWait);
    LegendItem(painter, x, y, line, QStringLiteral("break"), kBreak);
    LegendItem(painter, x, y, line, QStringLiteral("rest"), kRest);
    LegendItem(painter, x, y, line, QStringLiteral("calendar closure"), {}, kTripCalendar);
    LegendItem(painter, x, y, line, QStringLiteral("curfew"), {}, kTripCurfew);
    painter.drawText(QPoint(x, y + fm.ascent()), QStringLiteral("| state line"));
    if (drawn < rows.size()) {
        const QString more = QStringLiteral("%1 more duty periods in the tables").arg(rows.size() - drawn);
        painter.drawText(QRect(rect.left(), y, rect.width(), line), Qt::AlignRight | Qt::AlignTop, more);
    }
    painter.restore();
}

TripTimelineView::TripTimelineView(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void TripTimelineView::SetRows(std::vector<TimelineRow> rows, const QString& homeClock)
{
    m_rows = std::move(rows);
    m_homeClock = homeClock;
    updateGeometry();
    update();
}

QSize TripTimelineView::sizeHint() const
{
    return {640, TripTimelineHeight(static_cast<int>(m_rows.size()), fontMetrics().height())};
}

QSize TripTimelineView::minimumSizeHint() const
{
    return {320, TripTimelineHeight(static_cast<int>(m_rows.size()), fontMetrics().height())};
}

void TripTimelineView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    PaintTripTimeline(painter, rect().adjusted(4, 2, -4, -2), m_rows, m_homeClock);
}

} // namespace dawnrule
