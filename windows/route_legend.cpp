#include "windows/route_legend.h"

#include "app/local_day.h"
#include "controls/window_look.h"
#include "windows/route_local_times.h"

#include <QPainter>

namespace dawnrule {

namespace {

const QColor kLegendColour(224, 208, 168);
constexpr int kMargin = 6;        // from the panel's edge to the text
constexpr int kLineSpacing = 15;  // baseline to baseline

// The positions of the code letters: each chain's name with the offsets of its two
// letters within it.
std::vector<int> Codes(const QString& text, std::initializer_list<std::pair<const char*, std::pair<int, int>>> names)
{
    std::vector<int> positions;
    for (const auto& [name, letters] : names) {
        const int at = text.indexOf(QLatin1String(name));
        positions.push_back(at + letters.first);
        positions.push_back(at + letters.second);
    }
    return positions;
}

} // namespace

RouteLegend::RouteLegend(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SetBackground(this, kLegendColour);
}

const std::vector<RouteLegend::Line>& RouteLegend::Lines()
{
    static const std::vector<Line> lines = [] {
        const QString first = QStringLiteral("Legend:  TruckStop, TruckFuel, Flying J,");
        const QString second = QStringLiteral("LoVes, PIlot, TA, PEtro, RipGriffin");
        return std::vector<Line>{
            {first, Codes(first, {{"TruckStop", {0, 5}}, {"TruckFuel", {0, 5}}, {"Flying J", {0, 7}}})},
            {second, Codes(second, {{"LoVes", {0, 2}}, {"PIlot", {0, 1}}, {"TA", {0, 1}}, {"PEtro", {0, 1}},
                                    {"RipGriffin", {0, 3}}})},
            {QStringLiteral("(Note: Stop data may become obsolete.)"), {}},
            {QStringLiteral("Local times: %1 the evening before, %2 the day after (home)")
                 .arg(QString::fromLatin1(kEveningBeforeMark.data(), kEveningBeforeMark.size()),
                      QString::fromLatin1(kRouteNextDayMark.data(), kRouteNextDayMark.size())),
             {}},
        };
    }();
    return lines;
}

QPoint RouteLegend::LineOrigin(int line) const
{
    return QPoint(kMargin, kMargin + fontMetrics().ascent() + line * kLineSpacing);
}

QRect RouteLegend::LetterRect(int line, int position) const
{
    const QFontMetrics fm = fontMetrics();
    const QString& text = Lines().at(static_cast<size_t>(line)).text;
    const QPoint origin = LineOrigin(line);
    const int left = origin.x() + fm.horizontalAdvance(text.left(position));
    return QRect(left, origin.y() - fm.ascent(), fm.horizontalAdvance(text.at(position)), fm.height());
}

QSize RouteLegend::sizeHint() const
{
    const int last = static_cast<int>(Lines().size()) - 1;
    return QSize(QFrame::sizeHint().width(), LineOrigin(last).y() + fontMetrics().descent() + kMargin);
}

void RouteLegend::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QFontMetrics fm = fontMetrics();
    for (int i = 0; i < static_cast<int>(Lines().size()); ++i) {
        const Line& line = Lines()[static_cast<size_t>(i)];
        const QPoint origin = LineOrigin(i);
        painter.setPen(kNavy);
        painter.drawText(origin, line.text);
        // Each code letter over its navy twin, where the whole line put it.
        painter.setPen(kMaroon);
        for (const int at : line.codeLetters)
            painter.drawText(origin + QPoint(fm.horizontalAdvance(line.text.left(at)), 0), line.text.mid(at, 1));
    }
}

} // namespace dawnrule
