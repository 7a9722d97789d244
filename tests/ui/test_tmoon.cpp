// The moon picture control and its nine bitmaps.
#include "controls/tmoon.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QStyle>
#include <QTransform>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <vector>

namespace dawnrule {
namespace {

constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

// 0h on 21 January 2000: two days after full Moon, phase angle 2.774, so the shadow
// takes one limb pixel per row and the landing site is lit.
const TDateTime kNearlyFull = DateTimeOfCalendarDate(2000, 1, 21);

bool OnDisc(const TMoonGeometry& row, int x, int y)
{
    const int dx = x - row.CentreX;
    const int dy = y - row.CentreY;
    return dx * dx + dy * dy <= row.Radius * row.Radius;
}

bool SamePixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

int CountColour(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

struct Resource {
    const char* name;
    TMoonSize size;
    int colours;      // entries of the palette
    int bitsPerPixel; // as stored in the file
    bool mask;
};

const Resource kResources[] = {
    {"MOON_LARGE", ms64, 16, 4, false},
    {"MOON_SMALL", ms32, 16, 4, false},
    {"MOON_TINY", ms16, 16, 4, false},
    {"MOON_COLOR_LARGE", ms64, 256, 8, false},
    {"MOON_COLOR_SMALL", ms32, 256, 8, false},
    {"MOON_COLOR_TINY", ms16, 256, 8, false},
    {"MOON_BW_LARGE", ms64, 2, 1, true},
    {"MOON_BW_SMALL", ms32, 2, 1, true},
    {"MOON_BW_TINY", ms16, 2, 1, true},
};

TEST(MoonResources, HaveTheirSizeAndColourDepth)
{
    for (const Resource& r : kResources) {
        const QString path = QStringLiteral(":/") + QLatin1String(r.name);
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << r.name;
        const TMoonGeometry& row = MoonGeometry(r.size);
        EXPECT_EQ(image.size(), QSize(row.Width, row.Height)) << r.name;
        EXPECT_EQ(image.colorCount(), r.colours) << r.name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << r.name;
        const QByteArray bytes = file.readAll();
        ASSERT_GT(bytes.size(), 30) << r.name;
        EXPECT_EQ(bytes.left(2), "BM") << r.name;
        EXPECT_EQ(static_cast<unsigned char>(bytes[28]), r.bitsPerPixel) << r.name;
    }
}

TEST(MoonResources, HaveTheDiscWhereTheGeometryTableSays)
{
    for (const Resource& r : kResources) {
        const QImage image(QStringLiteral(":/") + QLatin1String(r.name));
        const TMoonGeometry& row = MoonGeometry(r.size);
        int onDisc = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (OnDisc(row, x, y)) {
                    ++onDisc;
                    if (r.mask)
                        ASSERT_EQ(pixel, kBlack) << r.name << " on the disc at " << x << "," << y;
                    else
                        ASSERT_NE(qGray(pixel), 0) << r.name << " on the disc at " << x << "," << y;
                } else {
                    ASSERT_EQ(pixel, r.mask ? kWhite : kBlack)
                        << r.name << " off the disc at " << x << "," << y;
                }
            }
        }
        // The disc touches the columns cx +- r and the rows cy +- r.
        EXPECT_TRUE(OnDisc(row, row.CentreX - row.Radius, row.CentreY)) << r.name;
        EXPECT_TRUE(OnDisc(row, row.CentreX, row.CentreY + row.Radius)) << r.name;
        EXPECT_GT(onDisc, 3 * row.Radius * row.Radius) << r.name;
    }
}

TEST(MoonResources, PutTheLandingSiteOnAMare)
{
    for (const Resource& r : kResources) {
        if (r.mask)
            continue;
        const QImage image(QStringLiteral(":/") + QLatin1String(r.name));
        const TMoonGeometry& row = MoonGeometry(r.size);
        std::vector<int> disc;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (OnDisc(row, x, y))
                    disc.push_back(qGray(image.pixel(x, y)));
        // The brighter half of the disc is highland: the maria cover about a third.
        std::sort(disc.begin(), disc.end());
        const auto brighter = disc.begin() + static_cast<long>(disc.size() / 2);
        const double highland = std::accumulate(brighter, disc.end(), 0.0)
                                / static_cast<double>(disc.end() - brighter);
        const int landing = qGray(image.pixel(row.LandingX, row.LandingY));
        EXPECT_LT(landing, 0.8 * highland) << r.name;
    }
}

TEST(TMoon, ConstructionDrawsWithoutTheLandingSiteThoughTheFlagReadsTrue)
{
    TMoon moon(nullptr, kNearlyFull);
    EXPECT_TRUE(moon.ShowApollo11());
    EXPECT_FALSE(moon.DateSet());
    EXPECT_EQ(moon.MoonSize(), ms64);
    EXPECT_EQ(moon.MoonStyle(), msClassic);
    EXPECT_EQ(moon.Rotation(), rot_none);
    EXPECT_EQ(moon.Align(), Qt::Alignment());
    EXPECT_EQ(moon.size(), QSize(64, 64));
    EXPECT_EQ(moon.Date(), kNearlyFull);
    EXPECT_EQ(CountColour(moon.Picture(), kRed), 0);

    // The next redraw, of the same date, shows it.
    moon.setMoonSize(ms64);
    EXPECT_EQ(moon.Picture().pixel(41, 29), kRed);
    EXPECT_EQ(CountColour(moon.Picture(), kRed), 1);
    moon.setDate(kNearlyFull);
    EXPECT_TRUE(moon.DateSet());
}

// Opens the drawing steps of a redraw to the tests.
class SteppedMoon : public TMoon {
public:
    using TMoon::TMoon;
    using TMoon::DrawLandingSite;
    using TMoon::DrawShadow;
};

TEST(TMoon, MarksTheLandingSiteOnlyAfterTheLanding)
{
    const TDateTime landing = DateTimeOfCalendarDate(1969, 7, 20) + 73063.0 / 86400;  // 20:17:43
    const TDateTime secondLater = landing + 1.0 / 86400;
    EXPECT_EQ(Apollo11LandingDate(), landing);

    struct Row { const char* name; TDateTime date; bool red; };
    const Row rows[] = {{"at the landing", landing, false}, {"a second later", secondLater, true}};
    for (const Row& row : rows) {
        for (TMoonSize size : {ms64, ms32, ms16}) {
            const TMoonGeometry& geometry = MoonGeometry(size);
            SteppedMoon moon(nullptr, kNearlyFull);
            moon.setMoonSize(size);
            moon.setDate(row.date);
            QImage canvas(geometry.Width, geometry.Height, QImage::Format_RGB32);
            canvas.fill(kWhite);
            moon.DrawLandingSite(canvas, geometry);
            EXPECT_EQ(CountColour(canvas, kRed), row.red ? 1 : 0) << row.name << ", size " << size;
            EXPECT_EQ(canvas.pixel(geometry.LandingX, geometry.LandingY) == kRed, row.red)
                << row.name << ", size " << size;
            // Phase 109.89: the site lies just on the dark side, and the shadow covers it.
            moon.DrawShadow(canvas, geometry);
            EXPECT_EQ(canvas.pixel(geometry.LandingX, geometry.LandingY), kBlack)
                << row.name << ", size " << size;
            EXPECT_EQ(CountColour(moon.Picture(), kRed), 0) << row.name << ", size " << size;
        }
    }
}

TEST(TMoon, ShowApollo11TakesEffectAtTheNextRedraw)
{
    TMoon moon(nullptr, kNearlyFull);
    moon.setDate(kNearlyFull);
    EXPECT_EQ(moon.Picture().pixel(41, 29), kRed);
    moon.setShowApollo11(false);
    EXPECT_FALSE(moon.ShowApollo11());
    EXPECT_EQ(moon.Picture().pixel(41, 29), kRed);
    moon.setDate(kNearlyFull);
    EXPECT_EQ(CountColour(moon.Picture(), kRed), 0);

    // The main window's picture: ms32 in colour.
    moon.setShowApollo11(true);
    moon.setMoonStyle(msColor);
    moon.setMoonSize(ms32);
    EXPECT_EQ(moon.Picture().pixel(20, 15), kRed);
    EXPECT_EQ(CountColour(moon.Picture(), kRed), 1);
}

TEST(TMoon, ShadesTheWaningMoonOf28January2000)
{
    TMoon moon(nullptr, kNearlyFull);
    moon.setDate(DateTimeOfCalendarDate(2000, 1, 28));
    EXPECT_NEAR(static_cast<double>(moon.Phase()), 273.889, 0.001);

    const QImage& picture = moon.Picture();
    struct Row { int y, firstDark; };  // dark from firstDark to the right limb cx + round(w)
    const Row rows[] = {{28, 33}, {11, 33}, {45, 33}, {10, 32}, {46, 32}};
    for (const Row& row : rows) {
        const int dy = row.y - 28;
        const int limb = 31 + static_cast<int>(std::lround(std::sqrt(784.0 - dy * dy)));
        for (int x = row.firstDark; x <= limb; ++x)
            EXPECT_EQ(picture.pixel(x, row.y), kBlack) << x << "," << row.y;
        EXPECT_NE(picture.pixel(row.firstDark - 1, row.y), kBlack) << "lit side of row " << row.y;
    }
    EXPECT_EQ(picture.pixel(41, 29), kBlack) << "the landing site lies in the shadow";
}

TEST(TMoon, DrawsTheResourceWithTheShadowOverIt)
{
    TMoon moon(nullptr, kNearlyFull);
    moon.setMoonStyle(msColor);
    moon.setMoonSize(ms32);
    moon.resize(32, 29);  // as the main window cuts it
    const QImage resource(QStringLiteral(":/MOON_COLOR_SMALL"));
    const QImage& picture = moon.Picture();
    ASSERT_EQ(picture.size(), QSize(32, 32));
    int changed = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb drawn = picture.pixel(x, y);
            if (drawn == resource.pixel(x, y))
                continue;
            ++changed;
            EXPECT_TRUE(drawn == kBlack || (drawn == kRed && x == 20 && y == 15)) << x << "," << y;
        }
    }
    // Nearly full: the left limb pixel of each of the 29 rows, and the landing site.
    EXPECT_LE(changed, 30);
    EXPECT_GT(changed, 10);
}

TEST(TMoon, TurnsStartAgainFromTheResource)
{
    TMoon straight(nullptr, kNearlyFull);
    straight.setMoonSize(ms64);  // redrawn with the landing site, as the turned one is
    TMoon moon(nullptr, kNearlyFull);
    moon.setRotation(rot_90);
    moon.setRotation(rot_270);
    // A quarter turn clockwise of the unturned picture, not three quarters.
    const QImage clockwise = straight.Picture().transformed(QTransform().rotate(90));
    EXPECT_TRUE(SamePixels(moon.Picture(), clockwise));
    EXPECT_FALSE(SamePixels(moon.Picture(), straight.Picture().transformed(QTransform().rotate(-90))));
}

TEST(TMoon, RedrawsOnlyWhenTheRulesSay)
{
    TMoon moon(nullptr, kNearlyFull);
    QSignalSpy redraws(&moon, &TMoon::PictureChanged);
    struct Step { const char* name; std::function<void()> write; int redraws; };
    const Step steps[] = {
        {"Rotation changed", [&] { moon.setRotation(rot_90); }, 1},
        {"same Rotation", [&] { moon.setRotation(rot_90); }, 0},
        {"MoonStyle changed", [&] { moon.setMoonStyle(msColor); }, 1},
        {"same MoonStyle", [&] { moon.setMoonStyle(msColor); }, 0},
        {"MoonSize changed", [&] { moon.setMoonSize(ms16); }, 1},
        {"same MoonSize", [&] { moon.setMoonSize(ms16); }, 1},
        {"Date", [&] { moon.setDate(kNearlyFull); }, 1},
        {"same Date", [&] { moon.setDate(kNearlyFull); }, 1},
        {"ShowApollo11", [&] { moon.setShowApollo11(false); }, 0},
        {"Icon", [&] { moon.Icon(); }, 0},
    };
    for (const Step& step : steps) {
        redraws.clear();
        step.write();
        EXPECT_EQ(redraws.count(), step.redraws) << step.name;
    }
    EXPECT_EQ(moon.size(), QSize(16, 16));
}

TEST(TMoon, IconIsThePictureOfTheDesktopIconSizeWithTransparentBackground)
{
    TMoon moon(nullptr, kNearlyFull);
    moon.setMoonStyle(msColor);
    moon.setRotation(rot_90);
    const QImage shown = moon.Picture();

    const int extent = moon.style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, &moon);
    const TMoonSize size = IconMoonSize(extent, extent);
    TMoon reference(nullptr, kNearlyFull);
    reference.setMoonStyle(msColor);
    reference.setRotation(rot_90);
    reference.setMoonSize(size);  // redrawn with the landing site, as the icon is
    const QImage expected = reference.Picture();
    const TMoonGeometry& row = MoonGeometry(size);

    const QImage icon = moon.Icon().pixmap(QSize(extent, extent)).toImage()
                            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(extent, extent));
    for (int y = 0; y < extent; ++y) {
        for (int x = 0; x < extent; ++x) {
            // The mask turns with the picture, a quarter counter-clockwise: pixel (x, y)
            // comes from (extent - 1 - y, x).
            const int sx = extent - 1 - y;
            const int sy = x;
            const bool opaque = sx < row.Width && sy < row.Height && OnDisc(row, sx, sy);
            ASSERT_EQ(qAlpha(icon.pixel(x, y)), opaque ? 255 : 0) << x << "," << y;
            if (opaque && extent == row.Width) {
                ASSERT_EQ(icon.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(SamePixels(moon.Picture(), shown)) << "reading the icon leaves the picture alone";
}

} // namespace
} // namespace dawnrule
