// The pie progress bar, drawn headless and read back pixel by pixel, with a pinned
// palette and an unsmoothed pinned font so that every pixel has one expected colour.
#include "controls/pie_progress_bar.h"
#include "qt_print.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QColor& c, std::ostream* os)
{
    *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}
QT_END_NAMESPACE

namespace dawnrule {
namespace {

const QColor kHighlight(0, 0, 200);
const QColor kFace(200, 190, 180);
const QColor kButtonText(10, 20, 30);
const QColor kLight(250, 240, 230);
const QColor kShadow(100, 90, 80);
const QColor kFontColor(0, 128, 0);
const QColor kWhite(255, 255, 255);
const QColor kBorder(255, 0, 255);

QPalette PinnedPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(225, 195, 120));
    p.setColor(QPalette::Highlight, kHighlight);
    p.setColor(QPalette::Button, kFace);
    p.setColor(QPalette::ButtonText, kButtonText);
    p.setColor(QPalette::Light, kLight);
    p.setColor(QPalette::Dark, kShadow);
    p.setColor(QPalette::Mid, QColor(1, 2, 3));
    p.setColor(QPalette::WindowText, kFontColor);
    return p;
}

QFont PinnedFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The published bar with the pinned palette and font, counting its paint events.
class Bar : public TPieProgressBar {
public:
    explicit Bar(QWidget* parent)
        : TPieProgressBar(parent)
    {
        setPalette(PinnedPalette());
        setFont(PinnedFont());
    }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        TPieProgressBar::paintEvent(event);
    }
};

QImage Drawn(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// The rectangle inside `inset` rings, right and bottom exclusive.
TBarRect Inside(const QImage& image, int inset)
{
    return {inset, inset, image.width() - inset, image.height() - inset};
}

// Every pixel of r against `expected(x, y)`; stops at the first difference.
void ExpectPixels(const QImage& image, const TBarRect& r, const std::function<QColor(int, int)>& expected,
                  const char* what)
{
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            ASSERT_EQ(QColor(image.pixel(x, y)), expected(x, y)) << what << " at (" << x << ", " << y << ")";
        }
    }
}

// Ring `ring` (0 the outermost): left and top edges in topLeft; right and bottom edges,
// with the top-right and bottom-left corners, in bottomRight.
void ExpectRing(const QImage& image, int ring, const QColor& topLeft, const QColor& bottomRight,
                const char* what)
{
    const int l = ring, t = ring, r = image.width() - 1 - ring, b = image.height() - 1 - ring;
    for (int x = l; x <= r; ++x) {
        ASSERT_EQ(QColor(image.pixel(x, t)), x == r ? bottomRight : topLeft) << what << " ring " << ring << " top " << x;
        ASSERT_EQ(QColor(image.pixel(x, b)), bottomRight) << what << " ring " << ring << " bottom " << x;
    }
    for (int y = t; y <= b; ++y) {
        ASSERT_EQ(QColor(image.pixel(l, y)), y == b ? bottomRight : topLeft) << what << " ring " << ring << " left " << y;
        ASSERT_EQ(QColor(image.pixel(r, y)), bottomRight) << what << " ring " << ring << " right " << y;
    }
}

class PieBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setPalette(PinnedPalette());
        window.resize(900, 300);
    }
    void Show()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        Settle();
    }

    QWidget window;
};

TEST_F(PieBarTest, Defaults)
{
    Bar bar(&window);
    EXPECT_EQ(bar.size(), QSize(200, 24));
    EXPECT_EQ(bar.Orientation(), pbHorizontal);
    EXPECT_EQ(bar.BorderOuter(), fsLowered);
    EXPECT_EQ(bar.BorderInner(), fsNone);
    EXPECT_EQ(bar.BorderWidth(), 0);
    EXPECT_FALSE(bar.Smooth());
    EXPECT_EQ(bar.Caption(), QStringLiteral("0.00 %"));
    EXPECT_EQ(bar.BackColor(), kWhite);
    EXPECT_EQ(bar.BarColor(), kHighlight);
    EXPECT_EQ(bar.BorderColor(), kFace);
    EXPECT_EQ(bar.Decimals(), 2);
    EXPECT_EQ(bar.NumSegments(), 20);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.Step(), 1);
    EXPECT_EQ(bar.BevelWidth(), 1);
    EXPECT_TRUE(bar.ShowText());
    EXPECT_EQ(bar.TextUnit(), QStringLiteral("%"));
    EXPECT_TRUE(bar.testAttribute(Qt::WA_OpaquePaintEvent));

    // A lowered edge round an empty white bar with the caption in the bar colour.
    const QImage image = Drawn(bar);
    ExpectRing(image, 0, kShadow, kLight, "default");
    ExpectRing(image, 1, kButtonText, kFace, "default");
    int caption = 0;
    ExpectPixels(image, Inside(image, 2), [&](int x, int y) {
        const QColor c(image.pixel(x, y));
        caption += c == kHighlight;
        return c == kHighlight ? kHighlight : kWhite;
    }, "default inside");
    EXPECT_GT(caption, 20);
}

TEST_F(PieBarTest, OrientationFollowsTheShape)
{
    Bar bar(&window);
    bar.resize(18, 100);
    EXPECT_EQ(bar.Orientation(), pbVertical);
    bar.resize(100, 18);
    EXPECT_EQ(bar.Orientation(), pbHorizontal);
    bar.resize(50, 50);
    EXPECT_EQ(bar.Orientation(), pbHorizontal) << "square is not higher than wide";
    bar.setGeometry(3, 4, 20, 21);
    EXPECT_EQ(bar.Orientation(), pbVertical);

    // A value set by hand lasts until the bounds change, a move included.
    bar.setOrientation(pbHorizontal);
    EXPECT_EQ(bar.Orientation(), pbHorizontal);
    bar.move(5, 5);
    EXPECT_EQ(bar.Orientation(), pbVertical);
    bar.setOrientation(pbHorizontal);
    bar.SetBounds(5, 5, 20, 21);
    EXPECT_EQ(bar.Orientation(), pbVertical) << "SetBounds derives it even for the same bounds";

    // Qt delivers a hidden widget's resize only at the showing; a value set by hand
    // after the resize survives it.
    bar.resize(18, 100);
    bar.setOrientation(pbHorizontal);
    Show();
    EXPECT_EQ(bar.Orientation(), pbHorizontal);
    bar.resize(19, 100);
    EXPECT_EQ(bar.Orientation(), pbVertical);
    bar.resize(200, 24);
    EXPECT_EQ(bar.Orientation(), pbHorizontal);
}

struct FillCase {
    const char* what;
    int width, height;
    double min, max, position;
    int filled;  // pixels from the left, or from the bottom when vertical
};
void PrintTo(const FillCase& c, std::ostream* os) { *os << c.what; }

class ContinuousFill : public PieBarTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(ContinuousFill, FilledPixels)
{
    const FillCase& c = GetParam();
    Bar bar(&window);
    bar.setShowText(false);
    bar.resize(c.width, c.height);
    bar.setMax(c.max);
    bar.setMin(c.min);
    bar.setPosition(c.position);
    const QImage image = Drawn(bar);
    const TBarRect r = Inside(image, 2);
    const bool vertical = c.height > c.width;
    ExpectPixels(image, r, [&](int x, int y) {
        const bool filled = vertical ? y >= r.bottom - c.filled : x < r.left + c.filled;
        return filled ? kHighlight : kWhite;
    }, c.what);
    ExpectRing(image, 1, kButtonText, kFace, c.what);
}

const double kHuge = 1e300;

INSTANTIATE_TEST_SUITE_P(PieBar, ContinuousFill, ::testing::Values(
    FillCase{"half of 195 rounds to the even 98", 199, 24, 0, 100, 50, 98},
    FillCase{"half of 193 rounds to the even 96", 197, 24, 0, 100, 50, 96},
    FillCase{"a quarter of 196", 200, 24, 0, 100, 25, 49},
    FillCase{"a third of 196 rounds to the nearest", 200, 24, 0, 300, 100, 65},
    FillCase{"a position near Min fills nothing", 200, 24, 0, kHuge, 50, 0},
    FillCase{"Min above zero", 200, 24, 20, 120, 70, 98},
    FillCase{"at Max the whole inside", 200, 24, 0, 100, 100, 196},
    FillCase{"above Max the whole inside", 200, 24, 0, 100, 150, 196},
    FillCase{"below Min empty", 200, 24, 0, 100, -10, 0},
    FillCase{"Max equal to Min empty", 200, 24, 50, 50, 50, 0},
    FillCase{"Max equal to Min, position above, empty", 200, 24, 50, 50, 70, 0},
    FillCase{"vertical, half of 96 from the bottom", 18, 100, 0, 100, 50, 48},
    FillCase{"vertical, half of 95 rounds to the even 48", 18, 99, 0, 100, 50, 48},
    FillCase{"vertical, half of 97 rounds to the even 48", 18, 101, 0, 100, 50, 48},
    FillCase{"vertical, full", 18, 100, 0, 100, 100, 96}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

struct BlockCase {
    const char* what;
    int width, height;
    int segments;
    double min, max, position;
    int segmentsAfter, s, m, filled;
};
void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.what; }

class BlockDrawing : public PieBarTest, public ::testing::WithParamInterface<BlockCase> {};

// A block's outline is BackColor; only its inside takes BarColor when it is filled.
TEST_P(BlockDrawing, BlocksAsPixelColumns)
{
    const BlockCase& c = GetParam();
    Bar bar(&window);
    bar.setShowText(false);
    bar.setSmooth(true);
    bar.resize(c.width, c.height);
    bar.setNumSegments(static_cast<std::uint8_t>(c.segments));
    bar.setMax(c.max);
    bar.setMin(c.min);
    bar.setPosition(c.position);
    const QImage image = Drawn(bar);
    EXPECT_EQ(bar.NumSegments(), c.segmentsAfter) << c.what;

    const TBarRect r = Inside(image, 2);
    const int n = c.segmentsAfter;
    const bool vertical = c.height > c.width;
    ExpectPixels(image, r, [&](int x, int y) {
        const int offset = (vertical ? y - r.top : x - r.left) - c.m;
        if (offset < 0 || offset >= n * c.s)
            return kWhite;  // margin
        const int within = offset % c.s;
        const int k = vertical ? n - offset / c.s : offset / c.s + 1;
        const bool outline = within == 0 || within == c.s - 1 ||
            (vertical ? x == r.left || x == r.right - 1 : y == r.top || y == r.bottom - 1);
        return !outline && k <= c.filled ? kHighlight : kWhite;
    }, c.what);
}

INSTANTIATE_TEST_SUITE_P(PieBar, BlockDrawing, ::testing::Values(
    BlockCase{"80 long: ten blocks of 8, no margin", 84, 24, 20, 0, 100, 50, 10, 8, 0, 5},
    BlockCase{"100 long: twenty blocks of 5", 104, 24, 20, 0, 100, 50, 20, 5, 0, 10},
    BlockCase{"196 long: one block more, margin 3", 200, 24, 20, 0, 100, 50, 21, 9, 3, 10},
    BlockCase{"196 long: all 21 at Max", 200, 24, 20, 0, 100, 100, 21, 9, 3, 21},
    BlockCase{"the count wraps at 8 bits", 784, 24, 250, 0, 100, 100, 4, 3, 384, 4},
    BlockCase{"vertical, counted from the bottom", 24, 104, 20, 0, 100, 30, 20, 5, 0, 6},
    BlockCase{"above Max all blocks", 104, 24, 20, 0, 100, 250, 20, 5, 0, 20},
    BlockCase{"below Min no block", 104, 24, 20, 0, 100, -30, 20, 5, 0, 0},
    BlockCase{"Max equal to Min no block", 104, 24, 20, 0, 0, 0, 20, 5, 0, 0},
    BlockCase{"one block fills only at Max", 200, 24, 1, 0, 100, 99, 1, 196, 0, 0},
    BlockCase{"one block at Max", 200, 24, 1, 0, 100, 100, 1, 196, 0, 1}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(PieBarTest, BlocksShorterThanAPixelDrawAnEmptyBar)
{
    for (const auto& [width, segments, after] : {std::tuple{10, 20, 10}, std::tuple{200, 0, 0}}) {
        Bar bar(&window);
        bar.setShowText(false);
        bar.setSmooth(true);
        bar.resize(width, 24);
        bar.setNumSegments(static_cast<std::uint8_t>(segments));
        bar.setPosition(100);
        const QImage image = Drawn(bar);
        EXPECT_EQ(bar.NumSegments(), after);
        ExpectPixels(image, Inside(image, 2), [](int, int) { return kWhite; }, "empty");
    }
}

struct CaptionCase {
    const char* what;
    int decimals;
    double position;
    const char* unit;
    bool show;
    const char* caption;
};
void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.what; }

class Captions : public PieBarTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(Captions, Text)
{
    const CaptionCase& c = GetParam();
    Bar bar(&window);
    bar.setDecimals(static_cast<std::uint8_t>(c.decimals));
    bar.setPosition(c.position);
    bar.setTextUnit(QString::fromUtf8(c.unit));
    bar.setShowText(c.show);
    EXPECT_EQ(bar.Caption(), QString::fromUtf8(c.caption)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(PieBar, Captions, ::testing::Values(
    CaptionCase{"no decimals", 0, 12, "%", true, "12 %"},
    CaptionCase{"two decimals, the position itself", 2, 45, "%", true, "45.00 %"},
    CaptionCase{"exponent form", 100, 12, "%", true, "1.20000000000000E+0001 %"},
    CaptionCase{"the Routes window's unit", 0, 7, "  -  250  -  I-40", true, "7   -  250  -  I-40"},
    CaptionCase{"ShowText off", 2, 45, "%", false, ""}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// Text pixels of `color` inside r: their bounding box, empty when there are none.
QRect InkBox(const QImage& image, const TBarRect& r, const QColor& color)
{
    QRect box;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            if (QColor(image.pixel(x, y)) == color)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

TEST_F(PieBarTest, ContinuousCaptionChangesColourWhereTheFillEnds)
{
    // Same caption (Position 50), three fills through Max; a thick border moves r off
    // the control's centre.
    const auto drawn = [&](double max) {
        Bar bar(&window);
        bar.resize(200, 80);
        bar.setBorderWidth(20);
        bar.setBorderColor(kBorder);
        bar.setMax(max);
        bar.setPosition(50);
        return Drawn(bar);
    };
    const QImage full = drawn(50);
    const QImage empty = drawn(kHuge);
    const QImage half = drawn(100);
    const TBarRect r = Inside(full, 22);
    const int fillEnd = r.left + 78;  // 156 * 50 %

    ExpectPixels(full, r, [&](int x, int y) {
        const QColor c(full.pixel(x, y));
        return c == kWhite ? kWhite : kHighlight;
    }, "full: two colours");
    ExpectPixels(empty, r, [&](int x, int y) {
        return QColor(full.pixel(x, y)) == kWhite ? kHighlight : kWhite;
    }, "empty: the full bar's colours swapped");
    ExpectPixels(half, r, [&](int x, int y) {
        return QColor((x < fillEnd ? full : empty).pixel(x, y));
    }, "half: the full bar left of the fill's end, the empty one right of it");

    // Centred on r.right / 2, its top at r.top + (height of r - font height) / 2.
    const QRect ink = InkBox(full, r, kWhite);
    ASSERT_FALSE(ink.isEmpty());
    const int th = QFontMetrics(PinnedFont()).height();
    const int top = r.top + (r.Height() - th) / 2;
    EXPECT_NEAR((ink.left() + ink.right()) / 2.0, r.right / 2, 3);
    EXPECT_GE(ink.top(), top);
    EXPECT_LT(ink.bottom(), top + th);
    EXPECT_TRUE(half.pixel(fillEnd - 1, r.top) == kHighlight.rgb() && half.pixel(fillEnd, r.top) == kWhite.rgb());
}

// The caption is drawn from glyphs kept between repaints; it must look as the same
// text drawn by QPainter::drawText, through changes of position, unit and font.
TEST_F(PieBarTest, CaptionLooksAsPlainTextDrawing)
{
    Bar bar(&window);
    bar.setMax(kHuge);  // nothing filled: the whole caption in BarColor on BackColor
    QFont antialiased(QStringLiteral("DejaVu Sans"));
    antialiased.setPixelSize(11);
    const std::vector<std::function<void()>> changes = {
        [&] { bar.setPosition(7); },
        [&] { bar.setPosition(12.5); },
        [&] { bar.setPosition(-3); },
        [&] { bar.setTextUnit(QStringLiteral("  -  250  -  I-40 AVA")); },
        [&] { bar.setDecimals(0); },
        [&] { bar.setPosition(100000); },
        [&] { bar.setFont(antialiased); },
        [&] { bar.setDecimals(100); },
        [&] { bar.setPosition(0.125); },
        [&] { bar.setFont(PinnedFont()); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        changes[i]();
        const QImage image = Drawn(bar);
        const TBarRect r = Inside(image, 2);
        QImage expected = image;
        {
            QPainter painter(&expected);
            painter.fillRect(r.ToQRect(), kWhite);
            painter.setClipRect(r.ToQRect());
            painter.setFont(bar.font());
            painter.setPen(kHighlight);
            const QFontMetrics metrics = painter.fontMetrics();
            const int y = r.top + (r.Height() - metrics.height()) / 2;
            painter.drawText(QPoint(r.right / 2 - metrics.horizontalAdvance(bar.Caption()) / 2, y + metrics.ascent()),
                             bar.Caption());
        }
        const std::string what = "change " + std::to_string(i) + ": " + bar.Caption().toStdString();
        ExpectPixels(image, r, [&](int x, int y) { return QColor(expected.pixel(x, y)); }, what.c_str());
    }
}

TEST_F(PieBarTest, BlockCaptionInTheFontColour)
{
    const auto drawn = [&](bool show) {
        Bar bar(&window);
        bar.resize(200, 80);
        bar.setBorderWidth(20);
        bar.setSmooth(true);
        bar.setPosition(50);
        bar.setShowText(show);
        return Drawn(bar);
    };
    const QImage with = drawn(true);
    const QImage without = drawn(false);
    const TBarRect r = Inside(with, 22);
    EXPECT_TRUE(InkBox(without, r, kFontColor).isEmpty());
    const QRect ink = InkBox(with, r, kFontColor);
    ASSERT_FALSE(ink.isEmpty());
    // Elsewhere the blocks are untouched: the caption's background is transparent.
    ExpectPixels(with, r, [&](int x, int y) {
        const QColor c(with.pixel(x, y));
        return c == kFontColor ? kFontColor : QColor(without.pixel(x, y));
    }, "block caption");
    // Centred on (r.right - r.left) / 2, baseline at (font height + height of r) / 2 + r.top.
    const int th = QFontMetrics(PinnedFont()).height();
    const int baseline = (th + r.Height()) / 2 + r.top;
    EXPECT_NEAR((ink.left() + ink.right()) / 2.0, r.Width() / 2, 3);
    EXPECT_LT(ink.bottom(), baseline);
    EXPECT_GE(ink.bottom(), baseline - 2);
}

struct FrameCase {
    const char* what;
    TFrameStyle outer, inner;
    int borderWidth;
    std::vector<std::pair<QColor, QColor>> rings;  // top-left, bottom-right; outermost first
};
void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.what; }

class Frames : public PieBarTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(Frames, RingColours)
{
    const FrameCase& c = GetParam();
    Bar bar(&window);
    bar.resize(60, 30);
    bar.setShowText(false);
    bar.setBorderOuter(c.outer);
    bar.setBorderInner(c.inner);
    bar.setBorderWidth(c.borderWidth);
    if (c.borderWidth > 1)
        bar.setBorderColor(kBorder);
    bar.setPosition(100);
    const QImage image = Drawn(bar);
    for (size_t ring = 0; ring < c.rings.size(); ++ring)
        ExpectRing(image, static_cast<int>(ring), c.rings[ring].first, c.rings[ring].second, c.what);
    ExpectPixels(image, Inside(image, static_cast<int>(c.rings.size())), [](int, int) { return kHighlight; },
                 c.what);
}

INSTANTIATE_TEST_SUITE_P(PieBar, Frames, ::testing::Values(
    FrameCase{"lowered outside", fsLowered, fsNone, 0, {{kShadow, kLight}, {kButtonText, kFace}}},
    FrameCase{"raised outside", fsRaised, fsNone, 0, {{kFace, kButtonText}, {kLight, kShadow}}},
    FrameCase{"lowered, two border rings, raised inside", fsLowered, fsRaised, 2,
              {{kShadow, kLight}, {kButtonText, kFace}, {kBorder, kBorder}, {kBorder, kBorder},
               {kFace, kButtonText}, {kLight, kShadow}}},
    FrameCase{"a border ring in the button face by default", fsNone, fsNone, 1, {{kFace, kFace}}},
    FrameCase{"lowered inside only", fsNone, fsLowered, 0, {{kShadow, kLight}, {kButtonText, kFace}}},
    FrameCase{"an unknown style draws nothing", static_cast<TFrameStyle>(7), fsNone, 0, {}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(PieBarTest, OnChangeOnlyFromMin)
{
    Bar bar(&window);
    QSignalSpy spy(&bar, &TPieCustomProgressBar::OnChange);
    bar.setPosition(30);
    bar.setMax(300);
    EXPECT_EQ(spy.count(), 0);
    bar.setMin(10);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<TPieCustomProgressBar*>(), &bar);
    EXPECT_EQ(spy.at(0).at(1).toDouble(), 30);
    bar.setMin(10);
    EXPECT_EQ(spy.count(), 1) << "an equal value changes nothing";
}

struct SetterCase {
    const char* what;
    std::function<void(TPieProgressBar&)> set;
    enum { Deferred, AtOnce, Never } repaint;
};

TEST_F(PieBarTest, DeferredAndSynchronousRepaints)
{
    Bar bar(&window);
    Show();
    const std::vector<SetterCase> cases = {
        {"BackColor", [](auto& b) { b.setBackColor(Qt::yellow); }, SetterCase::Deferred},
        {"BarColor", [](auto& b) { b.setBarColor(Qt::red); }, SetterCase::Deferred},
        {"Decimals", [](auto& b) { b.setDecimals(0); }, SetterCase::Deferred},
        {"BevelWidth", [](auto& b) { b.setBevelWidth(3); }, SetterCase::Deferred},
        {"BorderColor", [](auto& b) { b.setBorderColor(Qt::blue); }, SetterCase::Deferred},
        {"BorderInner", [](auto& b) { b.setBorderInner(fsRaised); }, SetterCase::Deferred},
        {"BorderOuter", [](auto& b) { b.setBorderOuter(fsRaised); }, SetterCase::Deferred},
        {"BorderWidth", [](auto& b) { b.setBorderWidth(2); }, SetterCase::Deferred},
        {"NumSegments", [](auto& b) { b.setNumSegments(7); }, SetterCase::Deferred},
        {"Orientation", [](auto& b) { b.setOrientation(pbVertical); }, SetterCase::Deferred},
        {"ShowText", [](auto& b) { b.setShowText(false); }, SetterCase::Deferred},
        {"TextUnit", [](auto& b) { b.setTextUnit(QStringLiteral("km")); }, SetterCase::Deferred},
        {"Smooth", [](auto& b) { b.setSmooth(true); }, SetterCase::Deferred},
        {"Max", [](auto& b) { b.setMax(200); }, SetterCase::AtOnce},
        {"Position", [](auto& b) { b.setPosition(40); }, SetterCase::AtOnce},
        {"Min", [](auto& b) { b.setMin(10); }, SetterCase::AtOnce},
        {"Step", [](auto& b) { b.setStep(5); }, SetterCase::Never},
    };
    for (const SetterCase& c : cases) {
        const int before = bar.paints;
        c.set(bar);
        EXPECT_EQ(bar.paints, before + (c.repaint == SetterCase::AtOnce)) << c.what << " before the event loop";
        Settle();
        EXPECT_EQ(bar.paints, before + (c.repaint != SetterCase::Never)) << c.what << " after the event loop";
        c.set(bar);
        Settle();
        EXPECT_EQ(bar.paints, before + (c.repaint != SetterCase::Never)) << c.what << " set again to the same value";
    }

    // The block drawing adjusting NumSegments asks for no further paint.
    bar.setOrientation(pbHorizontal);
    bar.setBorderOuter(fsLowered);
    bar.setBorderInner(fsNone);
    bar.setBorderWidth(0);
    bar.setNumSegments(20);
    Settle();
    EXPECT_EQ(bar.NumSegments(), 21);
    const int settled = bar.paints;
    Settle();
    EXPECT_EQ(bar.paints, settled);
}

// Records the mouse events that reach it.
class RecordingParent : public QWidget {
public:
    std::vector<std::pair<QEvent::Type, QPoint>> events;

protected:
    void mousePressEvent(QMouseEvent* e) override { Record(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Record(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { Record(e); }
    void mouseMoveEvent(QMouseEvent* e) override { Record(e); }

private:
    void Record(QMouseEvent* e) { events.emplace_back(e->type(), e->position().toPoint()); }
};

void SendMouse(QWidget& to, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), to.mapToGlobal(QPointF(at)), button, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&to, &event);
}

TEST(PieBarMouse, TheRightmostTwelvePixelsBelongToTheParent)
{
    RecordingParent parent;
    parent.resize(300, 100);
    Bar bar(&parent);
    bar.move(10, 20);
    QSignalSpy down(&bar, &TPieCustomProgressBar::OnMouseDown);
    QSignalSpy up(&bar, &TPieCustomProgressBar::OnMouseUp);
    QSignalSpy moved(&bar, &TPieCustomProgressBar::OnMouseMove);
    QSignalSpy clicks(&bar, &TPieCustomProgressBar::OnClick);
    QSignalSpy doubles(&bar, &TPieCustomProgressBar::OnDblClick);

    const std::vector<QEvent::Type> kinds = {QEvent::MouseButtonPress, QEvent::MouseMove,
                                             QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick};
    for (const auto& [x, y, ours] : {std::tuple{0, 0, true}, std::tuple{187, 23, true},
                                     std::tuple{188, 0, false}, std::tuple{199, 23, false},
                                     std::tuple{195, 12, false}}) {
        parent.events.clear();
        const qsizetype before = down.count();
        for (QEvent::Type kind : kinds)
            SendMouse(bar, kind, QPoint(x, y));
        if (ours) {
            EXPECT_TRUE(parent.events.empty()) << x << ", " << y;
            EXPECT_EQ(down.count(), before + 1) << x;
        } else {
            ASSERT_EQ(parent.events.size(), kinds.size()) << x << ", " << y;
            for (size_t i = 0; i < kinds.size(); ++i) {
                EXPECT_EQ(parent.events[i].first, kinds[i]) << x;
                EXPECT_EQ(parent.events[i].second, QPoint(10 + x, 20 + y)) << x;
            }
            EXPECT_EQ(down.count(), before) << x;
        }
    }
    EXPECT_EQ(up.count(), 2);
    EXPECT_EQ(moved.count(), 2);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(doubles.count(), 2);

    // A press on the bar released over the strip is no click; the parent gets the release.
    parent.events.clear();
    SendMouse(bar, QEvent::MouseButtonPress, QPoint(50, 5));
    SendMouse(bar, QEvent::MouseButtonRelease, QPoint(190, 5));
    EXPECT_EQ(clicks.count(), 2);
    ASSERT_EQ(parent.events.size(), 1u);
    EXPECT_EQ(parent.events[0].first, QEvent::MouseButtonRelease);
}

} // namespace
} // namespace dawnrule
