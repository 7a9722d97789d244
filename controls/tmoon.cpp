#include "controls/tmoon.h"

#include "astro/sun_moon.h"

#include <QDateTime>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include <algorithm>

namespace dawnrule {

namespace {

constexpr QRgb kLandingSite = 0xffff0000; // pure red
constexpr double kSecondsPerDay = 86400;

constexpr int kMaskBlack = 0; // indexes into the mask's colour table
constexpr int kMaskWhite = 1;

// The mask resource on a square monochrome bitmap of `extent`, by colour: black where
// the resource is dark, white (transparent) where it is light or does not reach.
QImage MaskBitmap(const QImage& resource, int extent)
{
    QImage mask(extent, extent, QImage::Format_Mono);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mask.fill(kMaskWhite);
    const int w = std::min(resource.width(), extent);
    const int h = std::min(resource.height(), extent);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (qGray(resource.pixel(x, y)) < 128)
                mask.setPixel(x, y, kMaskBlack);
    return mask;
}

// The picture resource on a square 32-bit bitmap of `extent`, black where it does not reach.
QImage ColourBitmap(const QImage& resource, int extent)
{
    QImage colour(extent, extent, QImage::Format_RGB32);
    colour.fill(Qt::black);
    {
        QPainter painter(&colour);
        painter.drawImage(0, 0, resource);
    }
    return colour;
}

} // namespace

TDateTime DateTimeOf(const QDateTime& moment)
{
    return static_cast<TDateTime>(QDate(1899, 12, 30).daysTo(moment.date()))
           + moment.time().msecsSinceStartOfDay() / (kSecondsPerDay * 1000);
}

TDateTime CurrentDateTime()
{
    return DateTimeOf(QDateTime::currentDateTime());
}

TDateTime Apollo11LandingDate()
{
    return DateTimeOfCalendarDate(1969, 7, 20) + (20 * 3600 + 17 * 60 + 43) / kSecondsPerDay;
}

TMoon::TMoon(QWidget* owner)
    : TMoon(owner, CurrentDateTime())
{
}

TMoon::TMoon(QWidget* owner, TDateTime now)
    : QWidget(owner)
{
    setDate(now);
    FDateSet = false;
    FIcon = QIcon();
    setMoonSize(ms64);
    FAlign = {};
    FShowApollo11 = true;
    FLandingDate = Apollo11LandingDate();
}

TMoon::~TMoon() = default;

void TMoon::setMoonSize(TMoonSize size)
{
    FMoonSize = size;
    const TMoonGeometry& row = MoonGeometry(size);
    FHeight = row.Height;
    FWidth = row.Width;
    resize(width(), FHeight);
    resize(FWidth, height());
    UpdatePicture();
}

void TMoon::setDate(TDateTime date)
{
    FDate = date;
    FPhase = Normalize360(MoonPhaseAngle(date));
    UpdatePicture();
    FDateSet = true;
}

void TMoon::setRotation(TRotate rotation)
{
    if (rotation == FRotation)
        return;
    FRotation = rotation;
    UpdatePicture();
}

void TMoon::setMoonStyle(TMoonStyle style)
{
    if (style == FMoonStyle)
        return;
    FMoonStyle = style;
    UpdatePicture();
}

void TMoon::UpdatePicture()
{
    FBitmap = QImage(MoonPictureResource(FMoonSize, FMoonStyle));
    FPicture = FBitmap.convertToFormat(QImage::Format_RGB32);
    DrawShadow(FPicture, MoonGeometry(FMoonSize));
    RotateBitmap(FPicture, FRotation);
    update();
    emit PictureChanged();
}

void TMoon::DrawLandingSite(QImage& canvas, const TMoonGeometry& row) const
{
    if (FShowApollo11 && FLandingDate < FDate)
        canvas.setPixel(row.LandingX, row.LandingY, kLandingSite);
}

void TMoon::DrawShadow(QImage& canvas, const TMoonGeometry& row) const
{
    DrawLandingSite(canvas, row);
    dawnrule::DrawShadow(canvas, FPhase, row.CentreX, row.CentreY, row.Radius);
}

const QIcon& TMoon::Icon()
{
    const int extent = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    const TMoonSize size = IconMoonSize(extent, extent);

    FBitmap = QImage(MoonMaskResource(size));
    QImage mask = MaskBitmap(FBitmap, extent);
    FBitmap = QImage(MoonPictureResource(size, FMoonStyle));
    QImage colour = ColourBitmap(FBitmap, extent);

    DrawShadow(colour, MoonGeometry(size));
    RotateBitmap(colour, FRotation);
    RotateBitmap(mask, FRotation);

    QImage icon = colour.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < extent; ++y) {
        auto* line = reinterpret_cast<QRgb*>(icon.scanLine(y));
        for (int x = 0; x < extent; ++x)
            if (mask.pixelIndex(x, y) == kMaskWhite)
                line[x] = qRgba(0, 0, 0, 0);
    }
    FIcon = QIcon(QPixmap::fromImage(icon));
    return FIcon;
}

QSize TMoon::sizeHint() const
{
    return {FWidth, FHeight};
}

void TMoon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, FPicture);
}

} // namespace dawnrule
