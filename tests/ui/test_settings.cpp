#include "controls/tled.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace dawnrule::test {
namespace {

class Settings : public WindowTest {
protected:
    bool Wide() const { return window->width() == TZuruRuz1::kWideWidth && !Parts(*window).Panel1->isHidden(); }
    bool Option(QToolButton* b) const { return TZuruRuz1::IsOptionChecked(b); }
    void SetHome(double lon, double lat, double offset, int index)
    {
        Parts(*home()).CurrencyEdit1->setValue(lon);
        Parts(*home()).CurrencyEdit2->setValue(lat);
        Parts(*home()).CurrencyEdit3->setValue(offset);
        Parts(*home()).HomeOffsetIndex = index;
    }
};

TEST_F(Settings, DefaultFileGivesTheDefaultStart)
{
    WriteParm(Lines({"000000000000", "0", "-1", "0", "0", "0", "0"}));
    Open();
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('\n').toStdString();
    EXPECT_FALSE(Wide());
    EXPECT_EQ(window->width(), TZuruRuz1::kNarrowWidth);
    EXPECT_FALSE(Option(Parts(*window).SpeedButtonA4));
    EXPECT_FALSE(Option(Parts(*window).SpeedButtonA5));
    EXPECT_FALSE(Parts(*window).LockOffset);
    EXPECT_FALSE(Parts(*window).MilitaryTime);
    EXPECT_EQ(Parts(*window).ComboBox1->itemIndex(), -1);
    EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), 0);
    EXPECT_EQ(Parts(*home()).CurrencyEdit1->value(), 0);
    EXPECT_EQ(Parts(*home()).CurrencyEdit2->value(), 0);
    EXPECT_EQ(Parts(*home()).CurrencyEdit3->value(), 0);
    EXPECT_EQ(Parts(*home()).HomeOffsetIndex, 0);
}

TEST_F(Settings, LockedDaylightEntryOpensWideAndMovedLeft)
{
    WriteParm(Lines({"100110000000", "-4", "4", "-88.02", "30.41", "-5", "0"}));
    Create();
    const int left = window->x();
    window->FormActivate();
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('\n').toStdString();
    EXPECT_TRUE(Wide());
    EXPECT_EQ(window->x(), left - TZuruRuz1::kWideShift);
    EXPECT_TRUE(Parts(*window).CheckBox1->isChecked());
    EXPECT_TRUE(Parts(*window).LockOffset);
    EXPECT_TRUE(Parts(*window).CheckBox3->isChecked());
    EXPECT_TRUE(Parts(*window).MilitaryTime);
    EXPECT_EQ(Parts(*window).ComboBox1->currentText(), "Eastern DT   (-4:00)");
    EXPECT_EQ(Parts(*window).OffsetIndex, 4);
    EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), -4);
    EXPECT_EQ(Parts(*window).CurrencyEdit3->text(), "-4.0");
    EXPECT_EQ(Parts(*home()).CurrencyEdit1->value(), -88.02);
    EXPECT_EQ(Parts(*home()).CurrencyEdit2->value(), 30.41);
    EXPECT_EQ(Parts(*home()).CurrencyEdit3->value(), -5);
}

TEST_F(Settings, ShowingTheWindowReadsThemWithoutAnActivation)
{
    WriteParm(Lines({"000010000000", "0", "-1", "0", "0", "0", "0"}));
    Create();
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Parts(*window).Activated; }, 2000));
    EXPECT_TRUE(Parts(*window).MilitaryTime);
    window->FormActivate();  // the real activation later changes nothing
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(Settings, LedFlagChecksTheRestoredEntry)
{
    platform.clock = QDateTime(QDate(2026, 1, 15), QTime(9, 0));
    WriteParm(Lines({"010100000000", "-4", "4", "0", "0", "0", "0"}));
    Open();
    EXPECT_TRUE(Option(Parts(*window).SpeedButtonA5));
    EXPECT_FALSE(Parts(*window).LED2->isHidden());
    EXPECT_TRUE(Parts(*window).Timer1->isActive());
}

TEST_F(Settings, LockedIndexOutsideTheListKeepsTheFileOffset)
{
    for (const char* index : {"-1", "35", "99"}) {
        WriteParm(Lines({"000100000000", "-3.5", index, "0", "0", "0", "0"}));
        Open();
        EXPECT_TRUE(platform.messages.isEmpty());
        EXPECT_EQ(Parts(*window).ComboBox1->itemIndex(), -1) << index;
        EXPECT_EQ(Parts(*window).OffsetIndex, -1) << index;
        EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), -3.5) << index;
        Parts(*window).CurrencyEdit1->setValue(-74);
        Parts(*window).CurrencyEdit2->setValue(40.7);
        window->SpeedButton52Click();  // no entry chosen: nothing
        EXPECT_EQ(Parts(*window).Label5->text(), "rise") << index;
    }
}

TEST_F(Settings, UnlockedOffsetIsNotRestored)
{
    WriteParm(Lines({"000010000000", "-5", "0", "0", "0", "0", "0"}));
    Open();
    EXPECT_TRUE(Parts(*window).MilitaryTime);
    EXPECT_FALSE(Parts(*window).LockOffset);
    EXPECT_EQ(Parts(*window).ComboBox1->itemIndex(), -1);
    EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), 0);
}

TEST_F(Settings, CloseWritesTheSevenLinesAndTheNextStartRestoresThem)
{
    WriteParm(Lines({"000000000000", "0", "-1", "0", "0", "0", "0"}));
    Open();
    window->show();
    Parts(*window).CheckBox3->setChecked(true);
    Parts(*window).ComboBox1->setCurrentIndex(0);
    window->ComboBox1Change();
    SetHome(-86.47, 0, 5.5, 74);
    window->SpeedButton54Click();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ReadParm(), Lines({"000010000000", "-5", "0", "-86.47", "0", "5.5", "74"}));

    Open();
    EXPECT_TRUE(Parts(*window).MilitaryTime);
    EXPECT_EQ(Parts(*window).ComboBox1->itemIndex(), -1);  // not locked: not restored
    EXPECT_EQ(Parts(*home()).CurrencyEdit1->value(), -86.47);
    EXPECT_EQ(Parts(*home()).CurrencyEdit3->value(), 5.5);
    EXPECT_EQ(Parts(*home()).HomeOffsetIndex, 74);
}

TEST_F(Settings, EveryOptionSurvivesARoundTrip)
{
    WriteParm(Lines({"000000000000", "0", "-1", "0", "0", "0", "0"}));
    Open();
    window->SpeedButtonA4Click();
    window->SpeedButtonA5Click();
    Parts(*window).CheckBox1->setChecked(true);
    Parts(*window).ComboBox1->setCurrentIndex(33);
    window->ComboBox1Change();
    SetHome(-156.8, 71.3, -9, 9);
    window->SpeedButton54Click();
    const QByteArray written = ReadParm();
    EXPECT_EQ(written, Lines({"110100000000", "10", "33", "-156.8", "71.3", "-9", "9"}));

    Open();
    EXPECT_TRUE(Wide());
    EXPECT_TRUE(Option(Parts(*window).SpeedButtonA4));
    EXPECT_TRUE(Option(Parts(*window).SpeedButtonA5));
    EXPECT_TRUE(Parts(*window).LockOffset);
    EXPECT_FALSE(Parts(*window).MilitaryTime);
    EXPECT_EQ(Parts(*window).OffsetIndex, 33);
    EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), 10);
    window->SpeedButton54Click();
    EXPECT_EQ(ReadParm(), written);
}

TEST_F(Settings, CloseWithNoOffsetWritesZeroAndMinusOne)
{
    WriteParm(Lines({"000100000000", "-7", "2", "0", "0", "0", "0"}));
    Open();
    Parts(*window).ComboBox1->clearText();
    window->SpeedButton54Click();
    EXPECT_EQ(ReadParm(), Lines({"000100000000", "0", "-1", "0", "0", "0", "0"}));
}

TEST_F(Settings, MissingFileShowsTheErrorAndKeepsTheDefaults)
{
    Open();
    EXPECT_EQ(platform.messages, QStringList{"Cannot open file " + platform.folder + "Parm.dat"});
    EXPECT_FALSE(Wide());
    EXPECT_EQ(Parts(*window).ComboBox1->itemIndex(), -1);
    EXPECT_FALSE(Parts(*window).MilitaryTime);
    EXPECT_EQ(Parts(*window).DateEdit1->text(), "01/15/2026");  // today was set before the reading
}

TEST_F(Settings, CloseCreatesAMissingFile)
{
    Open();
    platform.messages.clear();
    Parts(*window).CheckBox1->setChecked(true);
    window->SpeedButton54Click();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(ReadParm(), Lines({"000100000000", "0", "-1", "0", "0", "0", "0"}));
}

TEST_F(Settings, FailedWriteShowsTheErrorAndKeepsTheWindowOpen)
{
    platform.folder = dir.path() + QStringLiteral("/no such folder/");
    Open();
    window->show();
    platform.messages.clear();
    window->SpeedButton54Click();
    EXPECT_EQ(platform.messages, QStringList{"Cannot create file " + platform.folder + "Parm.dat"});
    EXPECT_TRUE(window->isVisible());

    // A folder where the file should be: the old content is not touched either.
    platform.folder = dir.path() + QLatin1Char('/');
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Parm.dat")));
    platform.messages.clear();
    window->SpeedButton54Click();
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages.value(0).startsWith("Cannot create file "));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());  // no temporary left behind
}

TEST_F(Settings, TitleBarCloseWritesNothing)
{
    const QByteArray before = Lines({"000000000000", "0", "-1", "0", "0", "0", "0"});
    WriteParm(before);
    Open();
    window->show();
    Parts(*window).CheckBox3->setChecked(true);
    window->close();
    EXPECT_EQ(ReadParm(), before);
}

// Short and damaged files: the message of the first bad line, once; that line's value
// at its default (0, or -1 for an index: no entry) and every other line applied.
TEST_F(Settings, DamagedLinesFallBackOneByOne)
{
    const struct {
        const char* name;
        QByteArray file;
        const char* message;  // "" when none
        bool lock, military, wide;
        int offsetIndex, homeIndex;
        double offset, homeLongitude, homeLatitude;
    } rows[] = {
        {"empty file", "", "'' is not a valid integer value", false, false, false, -1, -1, 0, 0, 0},
        {"flags only, locked", Lines({"000110000000"}), "'' is not a valid integer value", true, true, false, -1, -1, 0, 0, 0},
        {"flags only, unlocked", Lines({"100010000000"}), "'' is not a valid integer value", false, true, true, -1, -1, 0, 0, 0},
        {"six lines", Lines({"0", "0", "-1", "-80", "40", "-5"}), "'' is not a valid integer value", false, false, false, -1, -1, 0, -80, 40},
        {"garbage flags", Lines({"abc\x01\xff", "x", "y", "1", "2", "3", "4"}), "", false, false, false, -1, 4, 0, 1, 2},
        {"garbage offset index, locked", Lines({"000100000000", "-5", "four", "-88.02", "30.41", "0", "7"}),
         "'four' is not a valid integer value", true, false, false, -1, 7, -5, -88.02, 30.41},
        {"garbage offset index, unlocked", Lines({"000000000000", "-5", "four", "0", "0", "0", "7"}), "", false, false, false, -1, 7, 0, 0, 0},
        {"garbage offset, locked", Lines({"000100000000", "east", "1", "0", "0", "0", "7"}),
         "'east' is not a valid floating point value", true, false, false, 1, 7, -6, 0, 0},
        {"garbage home longitude", Lines({"000000000000", "0", "-1", "W88", "30", "0", "7"}),
         "'W88' is not a valid floating point value", false, false, false, -1, 7, 0, 0, 30},
        {"old overflowing text", Lines({"000000000000", "0", "-1", "1.79769313486232e+308", "30.41", "-6", "1"}),
         "'1.79769313486232e+308' is not a valid floating point value", false, false, false, -1, 1, 0, 0, 30.41},
        {"garbage home index", Lines({"000000000000", "0", "-1", "-88.02", "30.41", "-6", "1.5"}),
         "'1.5' is not a valid integer value", false, false, false, -1, -1, 0, -88.02, 30.41},
        {"two bad lines, one message", Lines({"100000000000", "0", "-1", "x", "30.41", "y", "z"}),
         "'x' is not a valid floating point value", false, false, true, -1, -1, 0, 0, 30.41},
        {"extra lines ignored", Lines({"000000000000", "0", "-1", "-1", "1", "0", "3", "junk", "more"}), "", false, false, false, -1, 3, 0, -1, 1},
        {"lone LF line ends", "000010000000\n0\n-1\n0\n0\n0\n2\n", "", false, true, false, -1, 2, 0, 0, 0},
    };
    for (const auto& r : rows) {
        WriteParm(r.file);
        platform.messages.clear();
        Open();
        EXPECT_EQ(platform.messages.join('|'), r.message) << r.name;
        EXPECT_EQ(Parts(*window).LockOffset, r.lock) << r.name;
        EXPECT_EQ(Parts(*window).MilitaryTime, r.military) << r.name;
        // The layout follows the City List option also when a line was bad.
        EXPECT_EQ(Wide(), r.wide) << r.name;
        EXPECT_EQ(Option(Parts(*window).SpeedButtonA4), r.wide) << r.name;
        EXPECT_EQ(Parts(*window).ComboBox1->itemIndex(), r.offsetIndex) << r.name;
        EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), r.offset) << r.name;
        EXPECT_EQ(Parts(*home()).HomeOffsetIndex, r.homeIndex) << r.name;
        EXPECT_EQ(Parts(*home()).CurrencyEdit1->value(), r.homeLongitude) << r.name;
        EXPECT_EQ(Parts(*home()).CurrencyEdit2->value(), r.homeLatitude) << r.name;
    }
}

// A damaged line costs only its own value: the home place survives the next "Close "
// and the start after it.
TEST_F(Settings, OneBadLineNeverCostsTheHomePlace)
{
    WriteParm(Lines({"000100000000", "-6", "x", "-88.02", "30.41", "-5", "0"}));
    Open();
    EXPECT_EQ(platform.messages, QStringList{"'x' is not a valid integer value"});
    window->SpeedButton54Click();
    // No entry shows, so the offset lines say "none", as for any close without an offset.
    EXPECT_EQ(ReadParm(), Lines({"000100000000", "0", "-1", "-88.02", "30.41", "-5", "0"}));
    platform.messages.clear();
    Open();
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('|').toStdString();
    EXPECT_EQ(Parts(*home()).CurrencyEdit1->value(), -88.02);
    EXPECT_EQ(Parts(*home()).CurrencyEdit2->value(), 30.41);
    EXPECT_EQ(Parts(*home()).CurrencyEdit3->value(), -5);
}

// Values no field can hold become the nearest one it holds (never inf), and what
// "Close " writes reads back the same at the next start, and the one after.
TEST_F(Settings, ExtremeValuesReadBackAfterEveryClose)
{
    const struct {
        const char* line2;
        const char* line4;
        const char* line6;
        double offset, homeLongitude, homeOffset;
    } rows[] = {
        {"1e307", "1.7976931348623157e+308", "-1e307", 99999.99, 99999.99, -99999.99},
        {"-1.7976931348623157e308", "-1e307", "5e-324", -99999.99, -99999.99, 0},
        {"2.2250738585072014e-308", "-0", "-0.0", 0, 0, 0},
        {"-3.4999999999999999", "-86.465", "5.5", -3.5, -86.47, 5.5},
    };
    for (const auto& r : rows) {
        WriteParm(Lines({"000100000000", r.line2, "-1", r.line4, "30.41", r.line6, "-1"}));
        platform.messages.clear();
        Open();
        EXPECT_TRUE(platform.messages.isEmpty()) << r.line2 << platform.messages.join('|').toStdString();
        EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), r.offset) << r.line2;
        EXPECT_FALSE(Parts(*window).CurrencyEdit3->text().contains(QStringLiteral("inf"))) << r.line2;
        EXPECT_EQ(Parts(*home()).CurrencyEdit1->value(), r.homeLongitude) << r.line4;
        EXPECT_EQ(Parts(*home()).CurrencyEdit3->value(), r.homeOffset) << r.line6;
        for (int run = 0; run < 2; ++run) {
            Parts(*window).ComboBox1->setEditText(QStringLiteral("kept"));  // an offset shows: lines 2 and 3 written
            window->SpeedButton54Click();
            Open();
            EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('|').toStdString();
            EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), r.offset) << r.line2;
            EXPECT_EQ(Parts(*home()).CurrencyEdit1->value(), r.homeLongitude) << r.line4;
            EXPECT_EQ(Parts(*home()).CurrencyEdit2->value(), 30.41);
            EXPECT_EQ(Parts(*home()).CurrencyEdit3->value(), r.homeOffset) << r.line6;
        }
    }
}

}  // namespace
}  // namespace dawnrule::test
