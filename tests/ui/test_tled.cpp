#include "controls/tled.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace dawnrule {
namespace {

// Counts the immediate redraws a setter asks for.
class CountingLED : public TLED {
public:
    using TLED::TLED;
    int draws = 0;
    void DrawState() override
    {
        ++draws;
        TLED::DrawState();
    }
};

const char* const kCell[13] = {
    "ttttggggtttt", "ttggkkkkggtt", "tgtkBBBBktgt", "tgkBBHHBBkot", "gkBBHBBBBBgo",
    "gkBHBBBBBBgo", "gkBHBBBBBBgo", "gkBBBBBBBBgo", "gkBBBBBBBBgo", "tgkBBBBBBgot",
    "tgtgBBBBgtot", "ttooggggoott", "ttttooootttt",
};

// Body and highlight of each row, unlit then lit; an invalid colour is transparent.
struct CellColours {
    QColor body, highlight;
};
const CellColours kColours[4][2] = {
    {{QColor(128, 0, 0), QColor(255, 0, 0)}, {QColor(255, 0, 0), QColor(255, 255, 255)}},
    {{QColor(0, 128, 0), QColor(0, 255, 0)}, {QColor(0, 255, 0), QColor(255, 255, 255)}},
    {{QColor(128, 128, 0), QColor(255, 255, 0)}, {QColor(255, 255, 0), QColor(255, 255, 255)}},
    {{QColor(), QColor(255, 255, 255)}, {QColor(), QColor(255, 255, 255)}},
};

QColor Expected(char letter, const CellColours& c, const QColor& background)
{
    switch (letter) {
    case 't': return background;
    case 'g': return QColor(128, 128, 128);
    case 'k': return QColor(0, 0, 0);
    case 'o': return QColor(255, 255, 255);
    case 'B': return c.body.isValid() ? c.body : background;
    default: return c.highlight;
    }
}

// Compares a drawn cell with the drawing table, pixel by pixel.
void ExpectCell(const QImage& image, int row, bool lit, const QColor& background, const char* what)
{
    ASSERT_EQ(image.size(), QSize(12, 13)) << what;
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 12; ++x) {
            const QColor want = Expected(kCell[y][x], kColours[row][lit], background);
            ASSERT_EQ(image.pixelColor(x, y).rgb(), want.rgb())
                << what << " row " << row << " lit " << lit << " at (" << x << ", " << y << ")";
        }
    }
}

class LedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QPalette p = parent.palette();
        p.setColor(QPalette::Window, background);
        parent.setPalette(p);
        parent.resize(40, 40);
    }
    QImage Drawn(TLED& led) { return led.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QColor background{225, 195, 120};
    QWidget parent;
};

TEST_F(LedTest, EveryCellMatchesTheDrawingTable)
{
    TLED led(&parent);
    for (int row = 0; row < 4; ++row) {
        for (bool lit : {false, true})
            ExpectCell(TLED::Cell(lit, row, background), row, lit, background, "cell");
    }
}

TEST_F(LedTest, PaintsTheCellOfItsStateOnTheParentsBackground)
{
    TLED led(&parent);
    ExpectCell(Drawn(led), lcRed, false, background, "default");
    for (TLEDColor c : {lcRed, lcGreen, lcYellow}) {
        led.setColor(c);
        for (bool lit : {true, false}) {
            led.setLit(lit);
            ExpectCell(Drawn(led), c, lit, background, "enabled");
        }
    }
}

TEST_F(LedTest, DisabledShowsTheGreyRingWhateverItHolds)
{
    TLED led(&parent);
    led.setColor(lcGreen);
    led.setLit(true);
    QSignalSpy spy(&led, &TLED::OnChangeState);
    led.setEnabled(false);
    EXPECT_EQ(spy.count(), 1);
    ExpectCell(Drawn(led), TLED::kDisabledRow, false, background, "disabled");
    led.setLit(false);
    led.setColor(lcYellow);
    EXPECT_EQ(spy.count(), 3);  // still reported while disabled
    ExpectCell(Drawn(led), TLED::kDisabledRow, false, background, "disabled");
    led.setEnabled(true);
    EXPECT_EQ(spy.count(), 4);
    ExpectCell(Drawn(led), lcYellow, false, background, "enabled again");
}

TEST_F(LedTest, SettersRedrawAndNotifyOnlyOnChange)
{
    CountingLED led(&parent);
    QSignalSpy spy(&led, &TLED::OnChangeState);
    led.setLit(false);
    led.setColor(lcRed);
    EXPECT_EQ(led.draws, 0);
    EXPECT_EQ(spy.count(), 0);

    // A blink timer inverting Lit on every tick.
    for (int tick = 1; tick <= 6; ++tick) {
        led.setLit(!led.Lit());
        EXPECT_EQ(led.draws, tick);
        EXPECT_EQ(spy.count(), tick);
        EXPECT_EQ(qvariant_cast<TLED*>(spy.last().at(0)), &led);
        ExpectCell(Drawn(led), lcRed, tick % 2 == 1, background, "tick");
    }
    led.setColor(lcYellow);
    led.setColor(lcYellow);
    EXPECT_EQ(led.draws, 7);
    EXPECT_EQ(spy.count(), 7);
}

TEST_F(LedTest, StaysTwelveByThirteen)
{
    TLED led(&parent);
    EXPECT_EQ(led.size(), QSize(12, 13));
    led.resize(30, 30);
    EXPECT_EQ(led.size(), QSize(12, 13));
    led.setGeometry(5, 6, 1, 100);
    EXPECT_EQ(led.geometry(), QRect(5, 6, 12, 13));
}

TEST_F(LedTest, TransparentPixelsFollowTheParentsColour)
{
    TLED led(&parent);
    led.setEnabled(false);
    const QColor other(10, 200, 30);
    QPalette p = parent.palette();
    p.setColor(QPalette::Window, other);
    parent.setPalette(p);
    ExpectCell(Drawn(led), TLED::kDisabledRow, false, other, "new background");
}

TEST(LedBitmap, SharedFromTheFirstLedToTheLast)
{
    EXPECT_EQ(TLED::SharedBitmap(), nullptr);
    auto first = std::make_unique<TLED>();
    const TLEDBitmap* shared = TLED::SharedBitmap();
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->bitmap.size(), QSize(24, 52));
    EXPECT_EQ(shared->TransparentKey.rgb(), QColor(0, 128, 128).rgb());
    auto second = std::make_unique<TLED>();
    EXPECT_EQ(TLED::SharedBitmap(), shared);
    EXPECT_EQ(shared->Instances.size(), 2);
    first.reset();
    ASSERT_EQ(TLED::SharedBitmap(), shared);
    EXPECT_EQ(shared->Instances, QList<TLED*>{second.get()});
    second.reset();
    EXPECT_EQ(TLED::SharedBitmap(), nullptr);
    TLED again;
    ASSERT_NE(TLED::SharedBitmap(), nullptr);
    EXPECT_EQ(TLED::SharedBitmap()->bitmap.size(), QSize(24, 52));
}

TEST(LedBitmap, IsASixteenColourBitmap)
{
    const QImage raw(QStringLiteral(":/LED_PICS"));
    EXPECT_EQ(raw.size(), QSize(24, 52));
    EXPECT_EQ(raw.format(), QImage::Format_Indexed8);
    EXPECT_LE(raw.colorCount(), 16);
    EXPECT_EQ(raw.pixelColor(0, 51).rgb(), QColor(0, 128, 128).rgb());
}

}  // namespace
}  // namespace dawnrule
