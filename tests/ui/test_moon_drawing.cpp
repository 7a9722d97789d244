// The moon picture's raster work on plain images: shadow rows and turns.
#include "controls/moon_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace dawnrule {
namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

QImage WhiteCanvas(int size)
{
    QImage canvas(size, size, QImage::Format_RGB32);
    canvas.fill(kWhite);
    return canvas;
}

// The dark columns of one row, as first..last runs, e.g. "3-59" or "" when none.
std::string DarkRuns(const QImage& image, int y)
{
    std::string runs;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != kBlack || (x > 0 && image.pixel(x - 1, y) == kBlack))
            continue;
        int last = x;
        while (last + 1 < image.width() && image.pixel(last + 1, y) == kBlack)
            ++last;
        if (!runs.empty())
            runs += ',';
        runs += std::to_string(x);
        runs += '-';
        runs += std::to_string(last);
    }
    return runs;
}

int DarkCount(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == kBlack;
    return count;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    struct Row { long double x, rounded; };
    const Row rows[] = {
        {0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {3.5L, 4}, {-0.5L, 0}, {-1.5L, -2}, {-2.5L, -2},
        {2.4999L, 2}, {2.5001L, 3}, {-2.5001L, -3}, {27.0L, 27}, {1.899L, 2},
    };
    for (const Row& row : rows)
        EXPECT_EQ(RoundHalfEven(row.x), row.rounded) << "x = " << static_cast<double>(row.x);
}

TEST(DrawHorizontalLine, CoversTheStartPixelAndNotTheEnd)
{
    struct Row { const char* name; int from, to; const char* runs; };
    const Row rows[] = {
        {"rightwards", 2, 5, "2-4"},
        {"leftwards", 5, 2, "3-5"},
        {"one pixel leftwards", 3, 2, "3-3"},
        {"empty", 4, 4, ""},
        {"clipped on both sides", -3, 20, "0-7"},
    };
    for (const Row& row : rows) {
        QImage canvas = WhiteCanvas(8);
        DrawHorizontalLine(canvas, row.from, row.to, 1, kBlack);
        EXPECT_EQ(DarkRuns(canvas, 1), row.runs) << row.name;
        EXPECT_EQ(DarkCount(canvas), DarkCount(canvas.copy(0, 1, 8, 1))) << row.name;
    }
}

// The 64-pixel disc: centre (31, 28), radius 28.
constexpr int kCx = 31;
constexpr int kCy = 28;
constexpr int kR = 28;

TEST(DrawShadow, FullMoonDarkensOnlyTheLeftLimbPixelOfEachRow)
{
    QImage canvas = WhiteCanvas(64);
    DrawShadow(canvas, 0, kCx, kCy, kR);
    EXPECT_EQ(DarkRuns(canvas, 28), "3-3");   // y = 0, w = 28
    EXPECT_EQ(DarkRuns(canvas, 14), "7-7");   // y = 14, w = 24.25
    EXPECT_EQ(DarkRuns(canvas, 42), "7-7");
    EXPECT_EQ(DarkRuns(canvas, 1), "24-24");  // y = 27, w = 7.42
    EXPECT_EQ(DarkRuns(canvas, 0), "31-31");  // y = 28, w = 0
    EXPECT_EQ(DarkRuns(canvas, 56), "31-31");
    EXPECT_EQ(DarkRuns(canvas, 57), "");
    EXPECT_EQ(DarkCount(canvas), 57);         // one pixel on each of the rows 0..56
}

TEST(DrawShadow, PhaseJustBelow360DarkensOnlyTheRightLimbPixel)
{
    QImage canvas = WhiteCanvas(64);
    DrawShadow(canvas, std::nextafter(360.0L, 0.0L), kCx, kCy, kR);
    EXPECT_EQ(DarkRuns(canvas, 28), "59-59");
    EXPECT_EQ(DarkRuns(canvas, 14), "55-55");
    EXPECT_EQ(DarkRuns(canvas, 1), "38-38");
    EXPECT_EQ(DarkRuns(canvas, 0), "31-31");
    EXPECT_EQ(DarkCount(canvas), 57);
}

TEST(DrawShadow, NewMoonDarkensWholeRowsFromLimbToLimb)
{
    QImage canvas = WhiteCanvas(64);
    DrawShadow(canvas, 180, kCx, kCy, kR);
    EXPECT_EQ(DarkRuns(canvas, 28), "3-59");
    EXPECT_EQ(DarkRuns(canvas, 14), "7-55");
    EXPECT_EQ(DarkRuns(canvas, 1), "24-38");
    EXPECT_EQ(DarkRuns(canvas, 0), "31-31");
    EXPECT_EQ(DarkRuns(canvas, 57), "");
    EXPECT_EQ(DarkCount(canvas), 2517);       // sum of 2 round(w) + 1 over the 57 rows
}

// Phase angle -86.111 (28 January 2000): FPhase 273.889, waning, cos = 0.0678.
TEST(DrawShadow, WaningQuarterDarkensFromTheTerminatorToTheRightLimb)
{
    struct Row { int y, first, last; };  // y from the centre; a = round(w), b = round(w c)
    const Row rows[] = {
        {0, 33, 59},   // w = 28, b = round(1.899) = 2
        {6, 33, 58},   // w = 27.35
        {17, 33, 53},  // w = 22.25, w c = 1.509
        {18, 32, 52},  // w = 21.45, w c = 1.455
        {22, 32, 48},
        {27, 32, 38},
        {28, 31, 31},  // w = 0
    };
    QImage canvas = WhiteCanvas(64);
    DrawShadow(canvas, 273.889L, kCx, kCy, kR);
    for (const Row& row : rows) {
        const std::string want = std::to_string(row.first) + "-" + std::to_string(row.last);
        EXPECT_EQ(DarkRuns(canvas, kCy + row.y), want) << "row cy + " << row.y;
        EXPECT_EQ(DarkRuns(canvas, kCy - row.y), want) << "row cy - " << row.y;
    }
}

TEST(DrawShadow, WaxingCrescentDarkensFromTheLeftLimbPastTheCentre)
{
    // The 16-pixel disc at phase 110: c = -0.342, the dark part reaches cx - b = cx + 2.
    QImage canvas = WhiteCanvas(16);
    DrawShadow(canvas, 110, 7, 7, 7);
    EXPECT_EQ(DarkRuns(canvas, 7), "0-9");    // y = 0: w = 7, w c = -2.39
    EXPECT_EQ(DarkRuns(canvas, 3), "1-9");    // y = 4: w = 5.74, a = 6, w c = -1.96
    EXPECT_EQ(DarkRuns(canvas, 13), "3-8");   // y = 6: w = 3.61, a = 4, w c = -1.23
    EXPECT_EQ(DarkRuns(canvas, 0), "7-7");    // y = 7: w = 0
    EXPECT_EQ(DarkRuns(canvas, 15), "");
}

// Distinct colours for the letters of a small bitmap.
QRgb Colour(char letter)
{
    return qRgb(10 * (letter - 'a' + 1), 255 - 10 * (letter - 'a'), 128);
}

QImage FromRows(const std::vector<std::string>& rows)
{
    QImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, Colour(rows[y][x]));
    return image;
}

std::vector<std::string> ToRows(const QImage& image)
{
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            char letter = '?';
            for (char c = 'a'; c <= 'z'; ++c)
                if (Colour(c) == image.pixel(x, y))
                    letter = c;
            row += letter;
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(RotateBitmap, TurnsASmallBitmap)
{
    struct Row { const char* name; TRotate rotation; std::vector<std::string> source, turned; };
    const Row rows[] = {
        {"none", rot_none, {"abc", "def", "ghi"}, {"abc", "def", "ghi"}},
        {"quarter counter-clockwise", rot_90, {"abc", "def", "ghi"}, {"cfi", "beh", "adg"}},
        {"quarter clockwise", rot_270, {"abc", "def", "ghi"}, {"gda", "heb", "ifc"}},
        // The 2 x 2 block mirrored both ways; last column and row kept.
        {"half", rot_180, {"abc", "def", "ghi"}, {"edc", "baf", "ghi"}},
        {"half, wide", rot_180, {"abcd", "efgh", "ijkl"}, {"gfed", "cbah", "ijkl"}},
        // Not square: pixels whose source is off the bitmap keep their value.
        {"quarter counter-clockwise, wide", rot_90, {"abc", "def"}, {"bec", "adf"}},
        {"quarter clockwise, wide", rot_270, {"abc", "def"}, {"ada", "deb"}},
    };
    for (const Row& row : rows) {
        QImage image = FromRows(row.source);
        RotateBitmap(image, row.rotation);
        EXPECT_EQ(ToRows(image), row.turned) << row.name;
    }
}

TEST(IconMoonSize, PicksThePictureForTheDesktopIconSize)
{
    struct Row { int width, height; TMoonSize size; };
    const Row rows[] = {
        {16, 16, ms16}, {32, 32, ms32}, {64, 64, ms64}, {48, 48, ms32}, {24, 24, ms32},
        {16, 32, ms32}, {64, 16, ms32},
    };
    for (const Row& row : rows)
        EXPECT_EQ(IconMoonSize(row.width, row.height), row.size) << row.width << "x" << row.height;
}

} // namespace
} // namespace dawnrule
