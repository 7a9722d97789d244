// Draws the program's desktop icon: the moon picture of the main window (colour style)
// on a fixed waxing-gibbous date, transparent off the disc, as a PNG of 16, 32 or 64
// pixels square. The installer runs it for each hicolor size:
//
//     QT_QPA_PLATFORM=offscreen dawnrule-icon 64 dawnrule.png
#include "astro/calendar.h"
#include "controls/tmoon.h"

#include <QApplication>
#include <QPixmap>
#include <QProxyStyle>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Hands the moon picture the icon extent to draw at.
class IconSizeStyle : public QProxyStyle {
public:
    explicit IconSizeStyle(int extent)
        : m_extent(extent)
    {
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        return metric == PM_LargeIconSize ? m_extent : QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int m_extent;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int extent = argc == 3 ? std::atoi(argv[1]) : 0;
    if (extent != 16 && extent != 32 && extent != 64) {
        std::fputs("usage: dawnrule-icon 16|32|64 FILE.png\n", stderr);
        return 2;
    }
    // 22 January 2024, three days before a full moon: the disc lit but for a rim.
    dawnrule::TMoon moon(nullptr, dawnrule::DateTimeOfCalendarDate(2024, 1, 22));
    moon.setMoonStyle(dawnrule::msColor);
    auto* style = new IconSizeStyle(extent);
    style->setParent(&moon);
    moon.setStyle(style);
    const QPixmap picture = moon.Icon().pixmap(extent, extent);
    if (picture.width() != extent || !picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "dawnrule-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
