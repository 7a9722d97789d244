#pragma once

#include "trip/trip_timeline.h"

#include <QString>
#include <QWidget>

#include <vector>

class QPainter;

namespace dawnrule {

// Draws the plan at a glance (trip/trip_timeline.h) into a rectangle: the hours of the
// home clock across the top, a row per duty period (its number and date at the left),
// in each row the legal window of every state driven in (pale bands, one above the
// other, each with its state's code), the driving as solid bars, waits, breaks and
// rests in their own colours, closures that held the load hatched (calendar: red
// diagonals, curfew: purple crosses), and a tick where the load crosses a state line; a
// legend at the foot. Rows beyond the rectangle are left out. Used by the window and
// the printed page alike.
void PaintTripTimeline(QPainter& painter, const QRect& rect, const std::vector<TimelineRow>& rows,
                       const QString& homeClock);
// The height the picture needs for its rows at the painter's font: the axis, the rows, the legend.
int TripTimelineHeight(int rows, int lineHeight);

// The picture as a widget, as tall as its rows need.
class TripTimelineView : public QWidget {
    Q_OBJECT
public:
    explicit TripTimelineView(QWidget* parent = nullptr);

    void SetRows(std::vector<TimelineRow> rows, const QString& homeClock);
    const std::vector<TimelineRow>& Rows() const { return m_rows; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<TimelineRow> m_rows;
    QString m_homeClock;
};

} // namespace dawnrule
