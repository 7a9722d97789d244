#include "astro/sun_moon.h"
#include "controls/tled.h"
#include "controls/tmoon.h"
#include "window_fixture.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace dawnrule::test {
namespace {

class MainWindow : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        WriteParm(Lines({"000000000000", "0", "-1", "0", "0", "0", "0"}));
    }

    void TurnLedOn()
    {
        window->SpeedButtonA5Click();
        ASSERT_TRUE(TZuruRuz1::IsOptionChecked(Parts(*window).SpeedButtonA5));
    }

    bool Blinking() const
    {
        return !Parts(*window).LED2->isHidden() && Parts(*window).Timer1->isActive()
               && Parts(*window).Timer1->interval() == TZuruRuz1::kBlinkMs;
    }

    QString Labels() const { return Parts(*window).Label5->text() + QLatin1Char('|') + Parts(*window).Label7->text(); }

    void PressEnterIn(QWidget* field)
    {
        field->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    }
};

TEST_F(MainWindow, OffsetListHoldsThe35Entries)
{
    Open();
    ASSERT_EQ(Parts(*window).ComboBox1->count(), 35);
    EXPECT_EQ(Parts(*window).ComboBox1->itemText(0), "Eastern         (-5:00)");
    EXPECT_EQ(Parts(*window).ComboBox1->itemText(4), "Eastern DT   (-4:00)");
    EXPECT_EQ(Parts(*window).ComboBox1->itemText(10), "Hawaii       (-10:00)");
    EXPECT_EQ(Parts(*window).ComboBox1->itemText(23), "GMT (0:00)");
    EXPECT_EQ(Parts(*window).ComboBox1->itemIndex(), -1);
    EXPECT_EQ(Parts(*window).ComboBox1->currentText(), "");
}

TEST_F(MainWindow, ChoosingAnEntrySetsTheOffset)
{
    Open();
    const struct {
        int index;
        double offset;
    } rows[] = {{0, -5}, {6, -6}, {8, -7}, {10, -10}, {11, -12}, {23, 0}, {34, 11}};
    for (const auto& r : rows) {
        Choose(r.index);
        EXPECT_EQ(Parts(*window).OffsetIndex, r.index);
        EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), r.offset) << r.index;
    }
}

TEST_F(MainWindow, CalcWritesTheTimesInBothForms)
{
    Open();
    SetPlace(-74.0, 40.7, QDate(2005, 11, 9));
    Choose(0);
    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), "6:36A|4:44P");
    EXPECT_TRUE(platform.messages.isEmpty());

    Parts(*window).CheckBox3->setChecked(true);
    EXPECT_TRUE(Parts(*window).MilitaryTime);
    EXPECT_EQ(Labels(), "Rise|Set");
    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), "0636|1644");
}

// Setting a field to the value it already holds is no change: picking "Central DT"
// (-5) after "Eastern" (-5) keeps the shown times; another offset resets them.
TEST_F(MainWindow, AnEntryWithTheSameOffsetKeepsTheTimes)
{
    Open();
    SetPlace(-74.0, 40.7, QDate(2005, 11, 9));
    Choose(0);
    window->SpeedButton52Click();
    ASSERT_EQ(Labels(), "6:36A|4:44P");
    Choose(5);
    EXPECT_EQ(Parts(*window).OffsetIndex, 5);
    EXPECT_EQ(Labels(), "6:36A|4:44P");
    Parts(*window).CurrencyEdit1->setValue(-74.0);
    Parts(*window).CurrencyEdit2->setValue(40.7);
    EXPECT_EQ(Labels(), "6:36A|4:44P");
    Choose(1);
    EXPECT_EQ(Labels(), "Rise|Set");
}

TEST_F(MainWindow, SunUpAllDayShowsTheMessageAndLeavesTheLabels)
{
    Open();
    SetPlace(-156.8, 71.3, QDate(2005, 6, 21));
    Choose(9);  // Alaska
    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), "Rise|Set");
    EXPECT_EQ(platform.messages, QStringList{"Sun up or down all day"});
}

TEST_F(MainWindow, CalcDoesNothingWithoutAPlaceOrAnOffset)
{
    Open();
    SetPlace(-74.0, 0, QDate(2005, 11, 9));
    Choose(0);
    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), "Rise|Set");  // untouched by Calc
    EXPECT_TRUE(platform.messages.isEmpty());

    Parts(*window).CurrencyEdit2->setValue(40.7);
    Parts(*window).CurrencyEdit1->setValue(0);
    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), "Rise|Set");

    Parts(*window).CurrencyEdit1->setValue(-74.0);
    Parts(*window).ComboBox1->clearText();
    window->ComboBox1Change();
    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), "Rise|Set");
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(MainWindow, BatchCalcSkipsTheOffsetChecksOnce)
{
    Open();
    SetPlace(-74.0, 40.7, QDate(2005, 11, 9));
    Parts(*window).CurrencyEdit3->setValue(-5);  // no entry selected
    Parts(*window).BatchCalc = true;
    window->SpeedButton52Click();
    EXPECT_FALSE(Parts(*window).BatchCalc);
    EXPECT_EQ(Labels(), "6:36A|4:44P");

    Parts(*window).CurrencyEdit1->setValue(-87.65);  // resets the labels
    window->SpeedButton52Click();             // not a batch any more: no entry, no times
    EXPECT_EQ(Labels(), "Rise|Set");
}

TEST_F(MainWindow, EveryInputChangeResetsTheLabels)
{
    Open();
    SetPlace(-74.0, 40.7, QDate(2005, 11, 9));
    Choose(0);
    const auto calc = [this] {
        window->SpeedButton52Click();
        ASSERT_EQ(Labels(), "6:36A|4:44P");
    };
    const struct {
        const char* name;
        std::function<void()> change;
        const char* labels;
    } rows[] = {
        {"longitude", [this] { Parts(*window).CurrencyEdit1->setValue(-74.01); }, "Rise|Set"},
        {"latitude", [this] { Parts(*window).CurrencyEdit2->setValue(40.71); }, "rise|set"},
        {"offset", [this] { Choose(1); }, "Rise|Set"},
        {"date", [this] { window->SpeedButton56Click(); }, "Rise|Set"},
        {"military", [this] { Parts(*window).CheckBox3->setChecked(true); }, "Rise|Set"},
    };
    for (const auto& r : rows) {
        SetPlace(-74.0, 40.7, QDate(2005, 11, 9));
        Parts(*window).CheckBox3->setChecked(false);
        Choose(0);
        calc();
        r.change();
        EXPECT_EQ(Labels(), QString::fromLatin1(r.labels)) << r.name;
    }
}

TEST_F(MainWindow, TypingIntoTheCoordinateFieldsResetsTheLabels)
{
    Open();
    ShowActive();
    SetPlace(-74.0, 40.7, QDate(2005, 11, 9));
    Choose(0);
    window->SpeedButton52Click();
    ASSERT_EQ(Labels(), "6:36A|4:44P");

    QTest::mouseClick(Parts(*window).CurrencyEdit2, Qt::LeftButton);
    EXPECT_EQ(Parts(*window).CurrencyEdit2->selectedText(), Parts(*window).CurrencyEdit2->text());  // typing replaces it
    QTest::keyClicks(Parts(*window).CurrencyEdit2, "41.85");
    EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), 41.85);
    EXPECT_EQ(Labels(), "rise|set");

    QTest::mouseClick(Parts(*window).CurrencyEdit1, Qt::LeftButton);
    QTest::keyClicks(Parts(*window).CurrencyEdit1, "-87.65");
    EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), -87.65);
    EXPECT_EQ(Labels(), "Rise|Set");
    QTest::keyClicks(Parts(*window).CurrencyEdit1, "x");  // not a number: refused
    EXPECT_EQ(Parts(*window).CurrencyEdit1->text(), "-87.65");
}

TEST_F(MainWindow, EnterInAnyFieldRunsCalc)
{
    Open();
    ShowActive();
    for (QWidget* field : std::initializer_list<QWidget*>{Parts(*window).CurrencyEdit1, Parts(*window).CurrencyEdit2,
                                                          Parts(*window).DateEdit1, Parts(*window).ComboBox1,
                                                          Parts(*window).CheckBox1, Parts(*window).Panel2}) {
        Parts(*window).CurrencyEdit1->setValue(0);
        SetPlace(-74.0, 40.7, QDate(2005, 11, 9));
        Choose(0);
        ASSERT_EQ(Labels(), "Rise|Set");
        PressEnterIn(field);
        EXPECT_EQ(Labels(), "6:36A|4:44P") << field->metaObject()->className();
    }
}

TEST_F(MainWindow, CalcLeavesTheCoordinateFieldsFormatted)
{
    Open();
    ShowActive();
    Choose(0);
    Parts(*window).DateEdit1->setDate(QDate(2005, 11, 9));
    Parts(*window).CurrencyEdit1->setFocus();
    QTest::keyClicks(Parts(*window).CurrencyEdit1, "-74");
    Parts(*window).CurrencyEdit2->setFocus();
    QTest::keyClicks(Parts(*window).CurrencyEdit2, "40.7");
    EXPECT_EQ(Parts(*window).CurrencyEdit2->text(), "40.7");
    QTest::keyClick(window->windowHandle(), Qt::Key_Enter);
    EXPECT_EQ(Labels(), "6:36A|4:44P");
    EXPECT_TRUE(Parts(*window).Panel2->hasFocus());
    EXPECT_EQ(Parts(*window).CurrencyEdit1->text(), "-74.00");
    EXPECT_EQ(Parts(*window).CurrencyEdit2->text(), "40.70");
}

TEST_F(MainWindow, TypingIntoTheOffsetListSelectsNothing)
{
    Open();
    ShowActive();
    TurnLedOn();
    Choose(4);  // Eastern DT in January: blinking
    ASSERT_TRUE(Blinking());
    SetPlace(-74.0, 40.7, QDate(2005, 11, 9));

    Parts(*window).ComboBox1->setFocus();
    Parts(*window).ComboBox1->lineEdit()->selectAll();
    QTest::keyClicks(Parts(*window).ComboBox1->lineEdit(), "Eas");
    EXPECT_EQ(Parts(*window).ComboBox1->itemIndex(), -1);
    EXPECT_EQ(Parts(*window).ComboBox1->currentText(), "Eas");
    EXPECT_EQ(Parts(*window).OffsetIndex, -1);
    EXPECT_TRUE(Parts(*window).LED2->isHidden());
    EXPECT_FALSE(Parts(*window).Timer1->isActive());
    EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), -4);  // unchanged

    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), "Rise|Set");
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(MainWindow, OffsetFieldPassesTheFocusToTheList)
{
    Open();
    ShowActive();
    QTest::mouseClick(Parts(*window).CurrencyEdit3, Qt::LeftButton);
    EXPECT_TRUE(Parts(*window).ComboBox1->hasFocus());
    EXPECT_FALSE(Parts(*window).CurrencyEdit3->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(Parts(*window).ComboBox1->focusPolicy() & Qt::TabFocus);
}

TEST_F(MainWindow, LedWarnsWhenTheZoneDoesNotFitTheDate)
{
    const struct {
        const char* name;
        QDate today;
        QDate date;
        int index;
        bool warns;
    } rows[] = {
        {"daylight entry in January", {2026, 1, 15}, {2026, 1, 15}, 4, true},
        {"standard entry in January", {2026, 1, 15}, {2026, 1, 15}, 0, false},
        {"Alaska in January", {2026, 1, 15}, {2026, 1, 15}, 9, false},
        {"standard entry in July", {2026, 7, 4}, {2026, 7, 4}, 3, true},
        {"daylight entry in July", {2026, 7, 4}, {2026, 7, 4}, 7, false},
        {"Alaska in July", {2026, 7, 4}, {2026, 7, 4}, 9, false},
        {"Arizona in July", {2026, 7, 4}, {2026, 7, 4}, 8, false},
        // Other years use their own window and rule.
        {"standard entry, July of 2005", {2026, 1, 15}, {2005, 7, 4}, 0, true},
        {"daylight entry, July of 2005", {2026, 1, 15}, {2005, 7, 4}, 4, false},
        {"daylight entry, 15 March 2005 (old rule)", {2026, 7, 4}, {2005, 3, 15}, 4, true},
        {"daylight entry, 15 March 2027", {2026, 7, 4}, {2027, 3, 15}, 4, false},
        {"standard entry, December 2030", {2026, 7, 4}, {2030, 12, 1}, 1, false},
    };
    for (const auto& r : rows) {
        platform.clock = QDateTime(r.today, QTime(9, 0));
        Open();
        TurnLedOn();
        Parts(*window).DateEdit1->setDate(r.date);
        Choose(r.index);
        EXPECT_EQ(Blinking(), r.warns) << r.name;
        if (!r.warns) {
            EXPECT_TRUE(Parts(*window).LED2->isHidden()) << r.name;
            EXPECT_FALSE(Parts(*window).Timer1->isActive()) << r.name;
        }
    }
}

TEST_F(MainWindow, LedCheckRunsOnlyWhenTheOffsetChanges)
{
    Open();
    TurnLedOn();
    Choose(4);
    ASSERT_TRUE(Blinking());
    Parts(*window).DateEdit1->setDate(QDate(2026, 7, 4));  // now it would fit
    EXPECT_TRUE(Blinking());
    Choose(4);
    EXPECT_FALSE(Blinking());
}

TEST_F(MainWindow, LedOptionOffStopsTheBlinkingAndOnChecksAgain)
{
    Open();
    Choose(4);
    EXPECT_FALSE(Blinking());  // option off: no check
    TurnLedOn();               // turning it on checks the chosen entry
    EXPECT_TRUE(Blinking());
    window->SpeedButtonA5Click();
    EXPECT_FALSE(TZuruRuz1::IsOptionChecked(Parts(*window).SpeedButtonA5));
    EXPECT_TRUE(Parts(*window).LED2->isHidden());
    EXPECT_FALSE(Parts(*window).Timer1->isActive());
    EXPECT_EQ(Parts(*window).Timer1->interval(), 0);
}

TEST_F(MainWindow, TimerTicksInvertTheLed)
{
    Open();
    TurnLedOn();
    Choose(4);
    ASSERT_TRUE(Blinking());
    const bool first = Parts(*window).LED2->Lit();
    // One real tick of the running timer, then the handler itself.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Parts(*window).LED2->Lit() != first; }, 2000));
    for (int tick = 2; tick <= 5; ++tick) {
        window->Timer1Timer();
        EXPECT_EQ(Parts(*window).LED2->Lit(), tick % 2 ? !first : first) << tick;
    }
}

TEST_F(MainWindow, DateButtonsStepAcrossTheYearEnd)
{
    platform.clock = QDateTime(QDate(2026, 1, 15), QTime(9, 0));
    Open();
    const QColor yellow(255, 255, 0);
    EXPECT_EQ(Parts(*window).DateEdit1->text(), "01/15/2026");
    EXPECT_NE(Parts(*window).DateEdit1->palette().color(QPalette::Base), yellow);

    Parts(*window).DateEdit1->setDate(QDate(2005, 12, 31));
    QTest::mouseClick(Parts(*window).SpeedButton56, Qt::LeftButton);
    EXPECT_EQ(Parts(*window).DateEdit1->text(), "01/01/2006");
    EXPECT_EQ(Parts(*window).DateEdit1->palette().color(QPalette::Base), yellow);
    QTest::mouseClick(Parts(*window).SpeedButton57, Qt::LeftButton);
    EXPECT_EQ(Parts(*window).DateEdit1->text(), "12/31/2005");

    Parts(*window).DateEdit1->setDate(QDate(2024, 3, 1));
    window->SpeedButton57Click();
    EXPECT_EQ(Parts(*window).DateEdit1->text(), "02/29/2024");

    QTest::mouseClick(Parts(*window).SpeedButton55, Qt::LeftButton);
    EXPECT_EQ(Parts(*window).DateEdit1->text(), "01/15/2026");
    EXPECT_NE(Parts(*window).DateEdit1->palette().color(QPalette::Base), yellow);

    // Stepping onto today from the day before turns the field back too.
    window->SpeedButton57Click();
    EXPECT_EQ(Parts(*window).DateEdit1->palette().color(QPalette::Base), yellow);
    window->SpeedButton56Click();
    EXPECT_NE(Parts(*window).DateEdit1->palette().color(QPalette::Base), yellow);
}

TEST_F(MainWindow, DateFieldTakesNoTyping)
{
    Open();
    ShowActive();
    Parts(*window).DateEdit1->setFocus();
    QTest::keyClicks(Parts(*window).DateEdit1, "0101");
    QTest::keyClick(Parts(*window).DateEdit1, Qt::Key_Up);
    QTest::keyClick(Parts(*window).DateEdit1, Qt::Key_Backspace);
    EXPECT_EQ(Parts(*window).DateEdit1->text(), "01/15/2026");
}

TEST_F(MainWindow, FirstActivationSetsTodayOnce)
{
    platform.clock = QDateTime(QDate(2026, 12, 8), QTime(9, 0));
    TZuruRuz1& w = Open();
    EXPECT_TRUE(Parts(w).Activated);
    EXPECT_EQ(Parts(w).DateEdit1->text(), "12/08/2026");
    Parts(w).DateEdit1->setDate(QDate(2005, 11, 9));
    w.FormActivate();  // later activations change nothing
    EXPECT_EQ(Parts(w).DateEdit1->text(), "11/09/2005");
}

TEST_F(MainWindow, QuickMenuOpensOnlyWhenArmed)
{
    Open();
    ShowActive();
    QWidget* prefs = Parts(*window).SpeedButtonA;
    const auto moveOver = [](QWidget* w, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    };

    moveOver(prefs, QPoint(5, 5));
    EXPECT_TRUE(Parts(*window).Panel3->isHidden());  // not armed

    QTest::mouseClick(prefs, Qt::LeftButton);
    EXPECT_TRUE(Parts(*window).MenuArmed);
    moveOver(prefs, QPoint(6, 6));
    EXPECT_FALSE(Parts(*window).Panel3->isHidden());
    EXPECT_EQ(Parts(*window).MenuShownKey, QLatin1Char('A'));

    moveOver(Parts(*window).Label5, QPoint(2, 2));  // over a control, not the bare window
    EXPECT_FALSE(Parts(*window).Panel3->isHidden());

    moveOver(window, QPoint(185, 60));  // bare surface
    EXPECT_TRUE(Parts(*window).Panel3->isHidden());
    EXPECT_FALSE(Parts(*window).MenuArmed);
    EXPECT_EQ(Parts(*window).MenuShownKey, QLatin1Char('0'));

    moveOver(prefs, QPoint(5, 5));
    EXPECT_TRUE(Parts(*window).Panel3->isHidden());  // disarmed again
}

TEST_F(MainWindow, CityListOptionSwitchesTheWidthWithoutMoving)
{
    Open();
    ShowActive();
    EXPECT_EQ(window->width(), TZuruRuz1::kNarrowWidth);
    EXPECT_TRUE(Parts(*window).Panel1->isHidden());
    const int left = window->x();

    Parts(*window).MenuArmed = true;
    window->ShowMenuPanel(QLatin1Char('A'));
    QTest::mouseClick(Parts(*window).SpeedButtonA4, Qt::LeftButton);
    EXPECT_TRUE(TZuruRuz1::IsOptionChecked(Parts(*window).SpeedButtonA4));
    EXPECT_EQ(Parts(*window).SpeedButtonA4->icon().actualSize(QSize(64, 64)), QSize(13, 13));
    EXPECT_EQ(window->width(), TZuruRuz1::kWideWidth);
    EXPECT_FALSE(Parts(*window).Panel1->isHidden());
    EXPECT_TRUE(Parts(*window).Panel3->isHidden());
    EXPECT_EQ(window->x(), left);

    window->SpeedButtonA4Click();
    EXPECT_FALSE(TZuruRuz1::IsOptionChecked(Parts(*window).SpeedButtonA4));
    EXPECT_EQ(window->width(), TZuruRuz1::kNarrowWidth);
    EXPECT_TRUE(Parts(*window).Panel1->isHidden());
    EXPECT_EQ(window->x(), left);
}

TEST_F(MainWindow, StartsNarrowWithTheLedShownUnlit)
{
    TZuruRuz1 w(platform);
    EXPECT_EQ(w.width(), TZuruRuz1::kNarrowWidth);
    EXPECT_FALSE(TZuruRuz1::IsOptionChecked(Parts(w).SpeedButtonA5));
    EXPECT_FALSE(Parts(w).LED2->isHidden());
    EXPECT_FALSE(Parts(w).LED2->Lit());
    EXPECT_EQ(Parts(w).LED2->Color(), lcYellow);
    EXPECT_FALSE(Parts(w).Timer1->isActive());
    EXPECT_EQ(Parts(w).Timer1->interval(), 0);
    EXPECT_EQ(w.windowTitle(), "Dawnrule");
    EXPECT_EQ(Parts(w).CheckGlyph.size(), QSize(13, 13));
    EXPECT_EQ(Parts(w).DstStart, QDate(2026, 3, 8));  // the current year's window
    EXPECT_EQ(Parts(w).DstEnd, QDate(2026, 11, 1));
}

TEST_F(MainWindow, MoonPictureFollowsTheDate)
{
    Open();
    ASSERT_NE(Parts(*window).Moon, nullptr);
    EXPECT_EQ(Parts(*window).Moon->parentWidget(), Parts(*window).Panel2);
    EXPECT_EQ(Parts(*window).Moon->geometry(), QRect(134, 6, 32, 29));
    EXPECT_EQ(Parts(*window).Moon->MoonSize(), ms32);
    EXPECT_EQ(Parts(*window).Moon->MoonStyle(), msColor);
    // Today, 15 January 2026, at 0h.
    EXPECT_EQ(Parts(*window).Moon->Date(), 46037.0);

    QSignalSpy redraws(Parts(*window).Moon, &TMoon::PictureChanged);
    const QImage before = Parts(*window).Moon->Picture();
    Parts(*window).DateEdit1->setDate(QDate(2000, 1, 28));
    EXPECT_EQ(redraws.count(), 1);
    EXPECT_EQ(Parts(*window).Moon->Date(), 36553.0);
    EXPECT_NEAR(static_cast<double>(Parts(*window).Moon->Phase()), 273.889, 0.001);
    EXPECT_NE(Parts(*window).Moon->Picture(), before);

    window->SpeedButton56Click();
    EXPECT_EQ(redraws.count(), 2);
    EXPECT_EQ(Parts(*window).Moon->Date(), 36554.0);
    EXPECT_EQ(Parts(*window).Panel2->findChildren<TMoon*>().size(), 1);  // redated, not piled up
}

TEST_F(MainWindow, WindowIconIsTodaysMoon)
{
    platform.clock = QDateTime(QDate(2000, 1, 21), QTime(9, 0));  // full moon
    TZuruRuz1 w(platform);
    const QIcon icon = w.windowIcon();
    ASSERT_FALSE(icon.isNull());
    Parts(w).DateEdit1->setDate(QDate(2000, 1, 6));  // a new moon on the date field
    EXPECT_EQ(w.windowIcon().cacheKey(), icon.cacheKey());
    const QImage full = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    // Near full: the middle row of the disc is lit across, off the disc transparent.
    EXPECT_GT(qGray(full.pixel(15, 14)), 60);
    EXPECT_GT(qGray(full.pixel(8, 14)), 60);
    EXPECT_EQ(qAlpha(full.pixel(0, 0)), 0);
}

}  // namespace
}  // namespace dawnrule::test

namespace dawnrule::test {
namespace {

TEST_F(MainWindow, CalendarOpensWithSundayFirstAndBlueWeekends)
{
    Open();
    ShowActive();
    DateEdit* field = Parts(*window).DateEdit1;
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 6, field->height() / 2));
    QCalendarWidget* calendar = Parts(*window).DateEdit1->calendarWidget();
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([calendar] { return calendar->isVisible(); }, 2000));
    EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Sunday);
    EXPECT_EQ(calendar->weekdayTextFormat(Qt::Saturday).foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(calendar->weekdayTextFormat(Qt::Sunday).foreground().color(), QColor(0, 0, 255));
    EXPECT_NE(calendar->weekdayTextFormat(Qt::Monday).foreground().color(), QColor(0, 0, 255));

    // Picking a day in the calendar is a date change like the buttons'.
    calendar->setSelectedDate(QDate(2026, 1, 17));
    emit calendar->clicked(QDate(2026, 1, 17));
    EXPECT_EQ(Parts(*window).DateEdit1->text(), "01/17/2026");
    EXPECT_EQ(Parts(*window).Label5->text(), "Rise");
}

}  // namespace
}  // namespace dawnrule::test
