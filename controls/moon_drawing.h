#pragma once

// What the moon picture draws, as free functions on QImage: the size table, the names
// of its bitmaps, the shadow over the unlit part and the quarter and half turns.
// TMoon puts them together; tests check them pixel by pixel.

#include <QImage>
#include <QString>

#include <iterator>

namespace dawnrule {

enum TMoonSize { ms64, ms32, ms16 };
enum TMoonStyle { msClassic, msColor };
enum TRotate { rot_none, rot_90, rot_180, rot_270 };

// One size of the picture: its extent, the Moon's disc on it and the pixel that marks
// the first crewed landing site.
struct TMoonGeometry {
    int Height;
    int Width;
    int CentreX;
    int CentreY;
    int Radius;
    int LandingX;
    int LandingY;
};

inline constexpr TMoonGeometry kMoonGeometry[] = {
    // height, width, centre x, centre y, radius, landing x, landing y
    {64, 64, 31, 28, 28, 41, 29}, // ms64
    {32, 32, 15, 14, 14, 20, 15}, // ms32
    {16, 16, 7, 7, 7, 9, 7},      // ms16
};
static_assert(std::size(kMoonGeometry) == ms16 + 1);

inline const TMoonGeometry& MoonGeometry(TMoonSize size) { return kMoonGeometry[size]; }

// Resource names (":/NAME") of the full-Moon pictures and of the icon masks, which are
// white off the disc and black on it.
QString MoonPictureResource(TMoonSize size, TMoonStyle style);
QString MoonMaskResource(TMoonSize size);

// The picture size for a desktop icon of width x height: 16, 32 or 64 square, any other
// extent gives ms32.
TMoonSize IconMoonSize(int width, int height);

// x rounded to the nearest integer, halves to the even neighbour.
long double RoundHalfEven(long double x);

// A one-pixel horizontal line on row y from fromX towards toX (either direction): the
// start pixel is drawn, the end pixel is not. Pixels off the image are skipped.
// image: 32 bits per pixel.
void DrawHorizontalLine(QImage& image, int fromX, int toX, int y, QRgb colour);

// Blackens the unlit part of a full-Moon picture whose disc has centre (cx, cy) and
// radius r. phase: degrees in [0, 360), 0 at full Moon, 180 at new Moon. For y = 0..r,
// with w = sqrt(r² - y²), a = round(w) and b = round(w cos phase), both rounded half to
// even, rows cy + y and cy - y are blackened over columns cx - a .. cx - b while waxing
// (phase below 180) and cx + b .. cx + a while waning: from the terminator to the limb,
// so at full Moon one pixel per row still darkens. canvas: 32 bits per pixel.
void DrawShadow(QImage& canvas, long double phase, int cx, int cy, int r);

// Turns the bitmap in place, working from a copy of it; any pixel format.
// rot_90 is a quarter turn counter-clockwise, rot_270 clockwise: pixel (i, H-1-j),
// respectively (W-1-i, j), takes source pixel (j, i). On a bitmap that is not square the
// pixels whose source would lie off the bitmap keep their own value.
// rot_180 is a mirrored copy of the W-1 by H-1 block at the top left onto itself: pixel
// (x, y) takes source pixel (W-2-x, H-2-y), and the last column and row are kept. On the
// moon pictures those are background, so the Moon comes out turned whole.
void RotateBitmap(QImage& bitmap, TRotate rotation);

} // namespace dawnrule
