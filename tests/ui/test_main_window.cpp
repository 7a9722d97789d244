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
        ASSERT_TRUE(TZuruRuz1::IsOptionChecked(window->SpeedButtonA5));
    }

    bool Blinking() const
    {
        return !window->LED2->isHidden() && window->Timer1->isActive()
               && window->Timer1->interval() == TZuruRuz1::kBlinkMs;
    }

    QString Labels() const { return window->Label5->text() + QLatin1Char('|') + window->Label7->text(); }

    void PressEnterIn(QWidget* field)
    {
        field->setFocus();
        QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    }
};

TEST_F(MainWindow, OffsetListHoldsThe35Entries)
{
    Open();
    ASSERT_EQ(window->ComboBox1->count(), 35);
    EXPECT_EQ(window->ComboBox1->itemText(0), "Eastern         (-5:00)");
    EXPECT_EQ(window->ComboBox1->itemText(4), "Eastern DT   (-4:00)");
    EXPECT_EQ(window->ComboBox1->itemText(10), "Hawaii       (-10:00)");
    EXPECT_EQ(window->ComboBox1->itemText(23), "GMT (0:00)");
    EXPECT_EQ(window->ComboBox1->itemIndex(), -1);
    EXPECT_EQ(window->ComboBox1->currentText(), "");
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
        EXPECT_EQ(window->OffsetIndex, r.index);
        EXPECT_EQ(window->CurrencyEdit3->value(), r.offset) << r.index;
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

    window->CheckBox3->setChecked(true);
    EXPECT_TRUE(window->MilitaryTime);
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
    EXPECT_EQ(window->OffsetIndex, 5);
    EXPECT_EQ(Labels(), "6:36A|4:44P");
    window->CurrencyEdit1->setValue(-74.0);
    window->CurrencyEdit2->setValue(40.7);
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

    window->CurrencyEdit2->setValue(40.7);
    window->CurrencyEdit1->setValue(0);
    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), "Rise|Set");

    window->CurrencyEdit1->setValue(-74.0);
    window->ComboBox1->clearText();
    window->ComboBox1Change();
    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), "Rise|Set");
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(MainWindow, BatchCalcSkipsTheOffsetChecksOnce)
{
    Open();
    SetPlace(-74.0, 40.7, QDate(2005, 11, 9));
    window->CurrencyEdit3->setValue(-5);  // no entry selected
    window->BatchCalc = true;
    window->SpeedButton52Click();
    EXPECT_FALSE(window->BatchCalc);
    EXPECT_EQ(Labels(), "6:36A|4:44P");

    window->CurrencyEdit1->setValue(-87.65);  // resets the labels
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
        {"longitude", [this] { window->CurrencyEdit1->setValue(-74.01); }, "Rise|Set"},
        {"latitude", [this] { window->CurrencyEdit2->setValue(40.71); }, "rise|set"},
        {"offset", [this] { Choose(1); }, "Rise|Set"},
        {"date", [this] { window->SpeedButton56Click(); }, "Rise|Set"},
        {"military", [this] { window->CheckBox3->setChecked(true); }, "Rise|Set"},
    };
    for (const auto& r : rows) {
        SetPlace(-74.0, 40.7, QDate(2005, 11, 9));
        window->CheckBox3->setChecked(false);
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

    QTest::mouseClick(window->CurrencyEdit2, Qt::LeftButton);
    EXPECT_EQ(window->CurrencyEdit2->selectedText(), window->CurrencyEdit2->text());  // typing replaces it
    QTest::keyClicks(window->CurrencyEdit2, "41.85");
    EXPECT_EQ(window->CurrencyEdit2->value(), 41.85);
    EXPECT_EQ(Labels(), "rise|set");

    QTest::mouseClick(window->CurrencyEdit1, Qt::LeftButton);
    QTest::keyClicks(window->CurrencyEdit1, "-87.65");
    EXPECT_EQ(window->CurrencyEdit1->value(), -87.65);
    EXPECT_EQ(Labels(), "Rise|Set");
    QTest::keyClicks(window->CurrencyEdit1, "x");  // not a number: refused
    EXPECT_EQ(window->CurrencyEdit1->text(), "-87.65");
}

TEST_F(MainWindow, EnterInAnyFieldRunsCalc)
{
    Open();
    ShowActive();
    for (QWidget* field : std::initializer_list<QWidget*>{window->CurrencyEdit1, window->CurrencyEdit2,
                                                          window->DateEdit1, window->ComboBox1,
                                                          window->CheckBox1, window->Panel2}) {
        window->CurrencyEdit1->setValue(0);
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
    window->DateEdit1->setDate(QDate(2005, 11, 9));
    window->CurrencyEdit1->setFocus();
    QTest::keyClicks(window->CurrencyEdit1, "-74");
    window->CurrencyEdit2->setFocus();
    QTest::keyClicks(window->CurrencyEdit2, "40.7");
    EXPECT_EQ(window->CurrencyEdit2->text(), "40.7");
    QTest::keyClick(window->windowHandle(), Qt::Key_Enter);
    EXPECT_EQ(Labels(), "6:36A|4:44P");
    EXPECT_TRUE(window->Panel2->hasFocus());
    EXPECT_EQ(window->CurrencyEdit1->text(), "-74.00");
    EXPECT_EQ(window->CurrencyEdit2->text(), "40.70");
}

TEST_F(MainWindow, TypingIntoTheOffsetListSelectsNothing)
{
    Open();
    ShowActive();
    TurnLedOn();
    Choose(4);  // Eastern DT in January: blinking
    ASSERT_TRUE(Blinking());
    SetPlace(-74.0, 40.7, QDate(2005, 11, 9));

    window->ComboBox1->setFocus();
    window->ComboBox1->lineEdit()->selectAll();
    QTest::keyClicks(window->ComboBox1->lineEdit(), "Eas");
    EXPECT_EQ(window->ComboBox1->itemIndex(), -1);
    EXPECT_EQ(window->ComboBox1->currentText(), "Eas");
    EXPECT_EQ(window->OffsetIndex, -1);
    EXPECT_TRUE(window->LED2->isHidden());
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(window->CurrencyEdit3->value(), -4);  // unchanged

    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), "Rise|Set");
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(MainWindow, OffsetFieldPassesTheFocusToTheList)
{
    Open();
    ShowActive();
    QTest::mouseClick(window->CurrencyEdit3, Qt::LeftButton);
    EXPECT_TRUE(window->ComboBox1->hasFocus());
    EXPECT_FALSE(window->CurrencyEdit3->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(window->ComboBox1->focusPolicy() & Qt::TabFocus);
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
        window->DateEdit1->setDate(r.date);
        Choose(r.index);
        EXPECT_EQ(Blinking(), r.warns) << r.name;
        if (!r.warns) {
            EXPECT_TRUE(window->LED2->isHidden()) << r.name;
            EXPECT_FALSE(window->Timer1->isActive()) << r.name;
        }
    }
}

TEST_F(MainWindow, LedCheckRunsOnlyWhenTheOffsetChanges)
{
    Open();
    TurnLedOn();
    Choose(4);
    ASSERT_TRUE(Blinking());
    window->DateEdit1->setDate(QDate(2026, 7, 4));  // now it would fit
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
    EXPECT_FALSE(TZuruRuz1::IsOptionChecked(window->SpeedButtonA5));
    EXPECT_TRUE(window->LED2->isHidden());
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(window->Timer1->interval(), 0);
}

TEST_F(MainWindow, TimerTicksInvertTheLed)
{
    Open();
    TurnLedOn();
    Choose(4);
    ASSERT_TRUE(Blinking());
    const bool first = window->LED2->Lit();
    // One real tick of the running timer, then the handler itself.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->LED2->Lit() != first; }, 2000));
    for (int tick = 2; tick <= 5; ++tick) {
        window->Timer1Timer();
        EXPECT_EQ(window->LED2->Lit(), tick % 2 ? !first : first) << tick;
    }
}

TEST_F(MainWindow, DateButtonsStepAcrossTheYearEnd)
{
    platform.clock = QDateTime(QDate(2026, 1, 15), QTime(9, 0));
    Open();
    const QColor yellow(255, 255, 0);
    EXPECT_EQ(window->DateEdit1->text(), "01/15/2026");
    EXPECT_NE(window->DateEdit1->palette().color(QPalette::Base), yellow);

    window->DateEdit1->setDate(QDate(2005, 12, 31));
    QTest::mouseClick(window->SpeedButton56, Qt::LeftButton);
    EXPECT_EQ(window->DateEdit1->text(), "01/01/2006");
    EXPECT_EQ(window->DateEdit1->palette().color(QPalette::Base), yellow);
    QTest::mouseClick(window->SpeedButton57, Qt::LeftButton);
    EXPECT_EQ(window->DateEdit1->text(), "12/31/2005");

    window->DateEdit1->setDate(QDate(2024, 3, 1));
    window->SpeedButton57Click();
    EXPECT_EQ(window->DateEdit1->text(), "02/29/2024");

    QTest::mouseClick(window->SpeedButton55, Qt::LeftButton);
    EXPECT_EQ(window->DateEdit1->text(), "01/15/2026");
    EXPECT_NE(window->DateEdit1->palette().color(QPalette::Base), yellow);

    // Stepping onto today from the day before turns the field back too.
    window->SpeedButton57Click();
    EXPECT_EQ(window->DateEdit1->palette().color(QPalette::Base), yellow);
    window->SpeedButton56Click();
    EXPECT_NE(window->DateEdit1->palette().color(QPalette::Base), yellow);
}

TEST_F(MainWindow, DateFieldTakesNoTyping)
{
    Open();
    ShowActive();
    window->DateEdit1->setFocus();
    QTest::keyClicks(window->DateEdit1, "0101");
    QTest::keyClick(window->DateEdit1, Qt::Key_Up);
    QTest::keyClick(window->DateEdit1, Qt::Key_Backspace);
    EXPECT_EQ(window->DateEdit1->text(), "01/15/2026");
}

TEST_F(MainWindow, FirstActivationSetsTodayOnce)
{
    platform.clock = QDateTime(QDate(2026, 12, 8), QTime(9, 0));
    TZuruRuz1& w = Open();
    EXPECT_TRUE(w.Activated);
    EXPECT_EQ(w.DateEdit1->text(), "12/08/2026");
    w.DateEdit1->setDate(QDate(2005, 11, 9));
    w.FormActivate();  // later activations change nothing
    EXPECT_EQ(w.DateEdit1->text(), "11/09/2005");
}

TEST_F(MainWindow, QuickMenuOpensOnlyWhenArmed)
{
    Open();
    ShowActive();
    QWidget* prefs = window->SpeedButtonA;
    const auto moveOver = [](QWidget* w, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    };

    moveOver(prefs, QPoint(5, 5));
    EXPECT_TRUE(window->Panel3->isHidden());  // not armed

    QTest::mouseClick(prefs, Qt::LeftButton);
    EXPECT_TRUE(window->MenuArmed);
    moveOver(prefs, QPoint(6, 6));
    EXPECT_FALSE(window->Panel3->isHidden());
    EXPECT_EQ(window->MenuShownKey, QLatin1Char('A'));

    moveOver(window->Label5, QPoint(2, 2));  // over a control, not the bare window
    EXPECT_FALSE(window->Panel3->isHidden());

    moveOver(window, QPoint(185, 60));  // bare surface
    EXPECT_TRUE(window->Panel3->isHidden());
    EXPECT_FALSE(window->MenuArmed);
    EXPECT_EQ(window->MenuShownKey, QLatin1Char('0'));

    moveOver(prefs, QPoint(5, 5));
    EXPECT_TRUE(window->Panel3->isHidden());  // disarmed again
}

TEST_F(MainWindow, CityListOptionSwitchesTheWidthWithoutMoving)
{
    Open();
    ShowActive();
    EXPECT_EQ(window->width(), TZuruRuz1::kNarrowWidth);
    EXPECT_TRUE(window->Panel1->isHidden());
    const int left = window->x();

    window->MenuArmed = true;
    window->ShowMenuPanel(QLatin1Char('A'));
    QTest::mouseClick(window->SpeedButtonA4, Qt::LeftButton);
    EXPECT_TRUE(TZuruRuz1::IsOptionChecked(window->SpeedButtonA4));
    EXPECT_EQ(window->SpeedButtonA4->icon().actualSize(QSize(64, 64)), QSize(13, 13));
    EXPECT_EQ(window->width(), TZuruRuz1::kWideWidth);
    EXPECT_FALSE(window->Panel1->isHidden());
    EXPECT_TRUE(window->Panel3->isHidden());
    EXPECT_EQ(window->x(), left);

    window->SpeedButtonA4Click();
    EXPECT_FALSE(TZuruRuz1::IsOptionChecked(window->SpeedButtonA4));
    EXPECT_EQ(window->width(), TZuruRuz1::kNarrowWidth);
    EXPECT_TRUE(window->Panel1->isHidden());
    EXPECT_EQ(window->x(), left);
}

TEST_F(MainWindow, StartsNarrowWithTheLedShownUnlit)
{
    TZuruRuz1 w(platform);
    EXPECT_EQ(w.width(), TZuruRuz1::kNarrowWidth);
    EXPECT_FALSE(TZuruRuz1::IsOptionChecked(w.SpeedButtonA5));
    EXPECT_FALSE(w.LED2->isHidden());
    EXPECT_FALSE(w.LED2->Lit());
    EXPECT_EQ(w.LED2->Color(), lcYellow);
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_EQ(w.Timer1->interval(), 0);
    EXPECT_EQ(w.windowTitle(), "Dawnrule");
    EXPECT_EQ(w.CheckGlyph.size(), QSize(13, 13));
    EXPECT_EQ(w.DstStart, QDate(2026, 3, 8));  // the current year's window
    EXPECT_EQ(w.DstEnd, QDate(2026, 11, 1));
}

TEST_F(MainWindow, MoonPictureFollowsTheDate)
{
    Open();
    ASSERT_NE(window->Moon, nullptr);
    EXPECT_EQ(window->Moon->parentWidget(), window->Panel2);
    EXPECT_EQ(window->Moon->geometry(), QRect(134, 6, 32, 29));
    EXPECT_EQ(window->Moon->MoonSize(), ms32);
    EXPECT_EQ(window->Moon->MoonStyle(), msColor);
    // Today, 15 January 2026, at 0h.
    EXPECT_EQ(window->Moon->Date(), 46037.0);

    QSignalSpy redraws(window->Moon, &TMoon::PictureChanged);
    const QImage before = window->Moon->Picture();
    window->DateEdit1->setDate(QDate(2000, 1, 28));
    EXPECT_EQ(redraws.count(), 1);
    EXPECT_EQ(window->Moon->Date(), 36553.0);
    EXPECT_NEAR(static_cast<double>(window->Moon->Phase()), 273.889, 0.001);
    EXPECT_NE(window->Moon->Picture(), before);

    window->SpeedButton56Click();
    EXPECT_EQ(redraws.count(), 2);
    EXPECT_EQ(window->Moon->Date(), 36554.0);
    EXPECT_EQ(window->Panel2->findChildren<TMoon*>().size(), 1);  // redated, not piled up
}

TEST_F(MainWindow, WindowIconIsTodaysMoon)
{
    platform.clock = QDateTime(QDate(2000, 1, 21), QTime(9, 0));  // full moon
    TZuruRuz1 w(platform);
    const QIcon icon = w.windowIcon();
    ASSERT_FALSE(icon.isNull());
    w.DateEdit1->setDate(QDate(2000, 1, 6));  // a new moon on the date field
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
    DateEdit* field = window->DateEdit1;
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 6, field->height() / 2));
    QCalendarWidget* calendar = window->DateEdit1->calendarWidget();
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([calendar] { return calendar->isVisible(); }, 2000));
    EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Sunday);
    EXPECT_EQ(calendar->weekdayTextFormat(Qt::Saturday).foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(calendar->weekdayTextFormat(Qt::Sunday).foreground().color(), QColor(0, 0, 255));
    EXPECT_NE(calendar->weekdayTextFormat(Qt::Monday).foreground().color(), QColor(0, 0, 255));

    // Picking a day in the calendar is a date change like the buttons'.
    calendar->setSelectedDate(QDate(2026, 1, 17));
    emit calendar->clicked(QDate(2026, 1, 17));
    EXPECT_EQ(window->DateEdit1->text(), "01/17/2026");
    EXPECT_EQ(window->Label5->text(), "Rise");
}

}  // namespace
}  // namespace dawnrule::test
