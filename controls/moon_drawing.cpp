#include "controls/moon_drawing.h"

#include "astro/calendar.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace dawnrule {

namespace {

// Resource names by size, then style.
constexpr const char* kPictureNames[][2] = {
    // msClassic (16 colours), msColor (256 colours)
    {"MOON_LARGE", "MOON_COLOR_LARGE"}, // ms64
    {"MOON_SMALL", "MOON_COLOR_SMALL"}, // ms32
    {"MOON_TINY", "MOON_COLOR_TINY"},   // ms16
};
constexpr const char* kMaskNames[] = {"MOON_BW_LARGE", "MOON_BW_SMALL", "MOON_BW_TINY"};
static_assert(std::size(kPictureNames) == std::size(kMoonGeometry));
static_assert(std::size(kMaskNames) == std::size(kMoonGeometry));

constexpr QRgb kShadow = 0xff000000; // black

bool IsIndexed(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
    case QImage::Format_Indexed8:
        return true;
    default:
        return false;
    }
}

// Copies one pixel between two images of the same format: palette index or colour.
void CopyPixel(const QImage& source, int sx, int sy, QImage& target, int tx, int ty)
{
    if (IsIndexed(target))
        target.setPixel(tx, ty, source.pixelIndex(sx, sy));
    else
        target.setPixel(tx, ty, source.pixel(sx, sy));
}

// The quarter turns: pixel target(i, j) takes source pixel (j, i) for every i < W, j < H.
template <typename Target>
void QuarterTurn(QImage& bitmap, const QImage& source, Target target)
{
    const int w = bitmap.width();
    const int h = bitmap.height();
    for (int i = 0; i < w; ++i) {
        for (int j = 0; j < h; ++j) {
            if (j >= w || i >= h)
                continue; // the source pixel lies off a bitmap that is not square
            const auto [x, y] = target(i, j);
            CopyPixel(source, j, i, bitmap, x, y);
        }
    }
}

} // namespace

QString MoonPictureResource(TMoonSize size, TMoonStyle style)
{
    return QStringLiteral(":/") + QLatin1String(kPictureNames[size][style]);
}

QString MoonMaskResource(TMoonSize size)
{
    return QStringLiteral(":/") + QLatin1String(kMaskNames[size]);
}

TMoonSize IconMoonSize(int width, int height)
{
    if (width == 16 && height == 16)
        return ms16;
    if (width == 64 && height == 64)
        return ms64;
    return ms32;
}

long double RoundHalfEven(long double x)
{
    const long double below = std::floor(x);
    const long double fraction = x - below;
    if (fraction < 0.5L)
        return below;
    if (fraction > 0.5L)
        return below + 1;
    return std::fmod(below, 2.0L) == 0 ? below : below + 1;
}

void DrawHorizontalLine(QImage& image, int fromX, int toX, int y, QRgb colour)
{
    Q_ASSERT(image.depth() == 32);
    if (y < 0 || y >= image.height() || fromX == toX)
        return;
    // The covered pixels: fromX up to toX - 1, or down to toX + 1.
    int first = fromX < toX ? fromX : toX + 1;
    int last = fromX < toX ? toX - 1 : fromX;
    first = std::max(first, 0);
    last = std::min(last, image.width() - 1);
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = first; x <= last; ++x)
        line[x] = colour;
}

void DrawShadow(QImage& canvas, long double phase, int cx, int cy, int r)
{
    const long double c = CosDeg(phase);
    const bool waning = phase >= 180;
    for (int y = 0; y <= r; ++y) {
        const long double w = std::sqrt(static_cast<long double>(r * r - y * y));
        const int a = static_cast<int>(RoundHalfEven(w));
        const int b = static_cast<int>(RoundHalfEven(w * c));
        const int from = waning ? cx + b : cx - b;
        const int to = waning ? cx + a + 1 : cx - a - 1;
        DrawHorizontalLine(canvas, from, to, cy + y, kShadow);
        DrawHorizontalLine(canvas, from, to, cy - y, kShadow);
    }
}

void RotateBitmap(QImage& bitmap, TRotate rotation)
{
    if (rotation == rot_none)
        return;
    const QImage source = bitmap.copy();
    const int w = bitmap.width();
    const int h = bitmap.height();
    switch (rotation) {
    case rot_none:
        break;
    case rot_90:
        QuarterTurn(bitmap, source, [h](int i, int j) { return std::pair(i, h - 1 - j); });
        break;
    case rot_180:
        // The block (0, 0)..(W-1, H-1), mirrored both ways onto the same block.
        for (int y = 0; y < h - 1; ++y)
            for (int x = 0; x < w - 1; ++x)
                CopyPixel(source, w - 2 - x, h - 2 - y, bitmap, x, y);
        break;
    case rot_270:
        QuarterTurn(bitmap, source, [w](int i, int j) { return std::pair(w - 1 - i, j); });
        break;
    }
}

} // namespace dawnrule
