#include "controls/city_combo_box.h"
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

class HomePlace : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        WriteParm(Lines({"000000000000", "0", "-1", "0", "0", "0", "0"}));
        platform.clock = QDateTime(QDate(2005, 11, 9), QTime(9, 0));
    }

    // Sets the home place as a user does in the home window.
    void SetHome(double lon, double lat, int entry)
    {
        Parts(*home()).CurrencyEdit1->setValue(lon);
        Parts(*home()).CurrencyEdit2->setValue(lat);
        Parts(*home()).ComboBox1->setCurrentIndex(entry);
        emit Parts(*home()).ComboBox1->activated(entry);
    }

    QString Labels() const { return Parts(*window).Label5->text() + QLatin1Char('|') + Parts(*window).Label7->text(); }
};

TEST_F(HomePlace, WindowLooksAsItShould)
{
    Open();
    EXPECT_EQ(home()->windowTitle(), "Home Parameters");
    EXPECT_EQ(home()->size(), QSize(186, 133));
    EXPECT_FALSE(home()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(home()->windowFlags() & Qt::WindowSystemMenuHint);
    ASSERT_EQ(Parts(*home()).ComboBox1->count(), 93);
    EXPECT_EQ(Parts(*home()).ComboBox1->itemText(74), "India (+05:30) Bombay, Calcutta, Madras, New Delhi");
    EXPECT_EQ(Parts(*home()).CurrencyEdit1->text(), "00.00");  // the longitude shows zero
    EXPECT_EQ(Parts(*home()).CurrencyEdit2->text(), "");
    EXPECT_EQ(Parts(*home()).CurrencyEdit3->focusPolicy(), Qt::ClickFocus);  // not a tab stop

    // Tab runs longitude, latitude, offset list.
    home()->show();
    QApplication::setActiveWindow(home());
    ASSERT_TRUE(QTest::qWaitForWindowActive(home()));
    Parts(*home()).CurrencyEdit1->setFocus();
    QTest::keyClick(Parts(*home()).CurrencyEdit1, Qt::Key_Tab);
    EXPECT_TRUE(Parts(*home()).CurrencyEdit2->hasFocus());
    QTest::keyClick(Parts(*home()).CurrencyEdit2, Qt::Key_Tab);
    EXPECT_TRUE(Parts(*home()).ComboBox1->hasFocus());
    home()->hide();
}

TEST_F(HomePlace, HomeButtonFillsTheInputsAndCalculates)
{
    Open();
    SetHome(-74.0, 40.7, 0);
    EXPECT_EQ(Parts(*home()).HomeOffsetIndex, 0);
    EXPECT_EQ(Parts(*home()).CurrencyEdit3->value(), -5);
    Parts(*window).ComboBox2->setText(QStringLiteral("Mobile"));
    Parts(*window).SpeedButton53->click();
    EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), -74);
    EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), 40.7);
    EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), -5);
    EXPECT_EQ(Parts(*window).ComboBox1->currentText(), "Eastern         (-5:00)");
    EXPECT_EQ(Parts(*window).OffsetIndex, 0);
    EXPECT_EQ(Parts(*window).ComboBox2->text(), "Home");
    ASSERT_EQ(Parts(*window).ComboBox2->count(), 1);
    EXPECT_EQ(Parts(*window).ComboBox2->itemText(0), "Click on a state first.");
    EXPECT_EQ(Labels(), "6:36A|4:44P");
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(HomePlace, HomeButtonClearsTheHighlightAndTheLedAndIgnoresTheLock)
{
    QFile f(platform.folder + QStringLiteral("AL.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Mobile  N\xB0" "30.41,W\xB0-88.02\r\n");
    f.close();
    Open();
    window->SpeedButtonA5Click();  // LED on
    Parts(*window).CheckBox1->setChecked(true);
    Parts(*window).ComboBox1->setCurrentIndex(4);  // Eastern DT in November: blinks
    window->ComboBox1Change();
    ASSERT_FALSE(Parts(*window).LED2->isHidden());
    Parts(*window).SpeedButton(1)->click();
    Parts(*window).ComboBox2->hidePopup();
    SetHome(-88.02, 30.41, 1);
    window->SpeedButton53Click();
    EXPECT_FALSE(Parts(*window).SpeedButton(1)->font().bold());
    EXPECT_TRUE(Parts(*window).LED2->isHidden());  // Central in November fits
    EXPECT_FALSE(Parts(*window).Timer1->isActive());
    EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), -6);  // the lock plays no part
}

// Home runs the offset list's change handler over the home entry: a standard-time entry
// in July makes the LED blink, OffsetIndex follows the home entry, and with the offset
// locked "Close " keeps that entry.
TEST_F(HomePlace, HomeEntryGoesThroughTheOffsetListsChange)
{
    Open();
    window->SpeedButtonA5Click();  // LED on
    Parts(*window).CheckBox1->setChecked(true);
    Parts(*window).DateEdit1->setDate(QDate(2005, 7, 4));
    Choose(4);  // Eastern DT: fits July, the LED stays dark
    ASSERT_TRUE(Parts(*window).LED2->isHidden());
    SetHome(-74.0, 40.7, 0);  // Eastern, standard time
    window->SpeedButton53Click();
    EXPECT_FALSE(Parts(*window).LED2->isHidden());
    EXPECT_TRUE(Parts(*window).Timer1->isActive());
    EXPECT_EQ(Parts(*window).OffsetIndex, 0);
    window->SpeedButton54Click();
    EXPECT_EQ(ReadParm(), Lines({"010100000000", "-5", "0", "-74", "40.7", "-5", "0"}));
}

TEST_F(HomePlace, HalfHourOffsetOutsideTheMainListCopiesTheValueAndShowsNoTimes)
{
    Open();
    SetHome(72.88, 19.08, 74);  // India
    EXPECT_EQ(Parts(*home()).CurrencyEdit3->value(), 5.5);
    EXPECT_EQ(Parts(*home()).CurrencyEdit3->text(), "6");  // whole hours shown
    window->SpeedButton53Click();
    EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), 5.5);
    EXPECT_EQ(Parts(*window).ComboBox1->itemIndex(), -1);
    EXPECT_EQ(Labels(), "Rise|Set");
    EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), 72.88);

    SetHome(-52.71, 47.56, 48);  // Newfoundland
    EXPECT_EQ(Parts(*home()).CurrencyEdit3->value(), -3.5);
}

TEST_F(HomePlace, ReopeningSelectsTheLastEntryAndTheOffsetComesFromTheList)
{
    Open();
    SetHome(-88.02, 30.41, 9);
    // Opened as the quick menu opens it, the list shows what it held at that moment.
    const auto shownAtOpening = [this] {
        int shown = -2;
        ModalWatchdog::OnNextModal([&](QWidget*) {
            shown = Parts(*home()).ComboBox1->itemIndex();
            Parts(*home()).SpeedButton54->click();
        });
        Parts(*window).SpeedButtonA1->click();
        return shown;
    };
    Parts(*home()).ComboBox1->setItemIndex(3);  // shown differently, not chosen
    EXPECT_EQ(shownAtOpening(), 9);
    Parts(*home()).HomeOffsetIndex = -1;
    EXPECT_EQ(shownAtOpening(), -1);
    EXPECT_EQ(Parts(*home()).ComboBox1->currentText(), "");

    home()->show();
    QApplication::setActiveWindow(home());
    ASSERT_TRUE(QTest::qWaitForWindowActive(home()));
    Parts(*home()).CurrencyEdit1->setFocus();
    Parts(*home()).CurrencyEdit3->setFocus();  // entering the offset field lands in the list
    EXPECT_TRUE(Parts(*home()).ComboBox1->hasFocus());
    home()->hide();
}

TEST_F(HomePlace, OnlySaveClosesTheWindow)
{
    Open();
    home()->show();
    home()->reject();  // Escape
    EXPECT_TRUE(home()->isVisible());
    home()->close();  // the window manager
    EXPECT_TRUE(home()->isVisible());
    Parts(*home()).SpeedButton54->click();
    EXPECT_FALSE(home()->isVisible());
}

TEST_F(HomePlace, QuickMenuEntryOpensItModallyAndResetsTheLabelsAfter)
{
    Open();
    SetHome(-74.0, 40.7, 0);
    window->SpeedButton53Click();
    ASSERT_EQ(Labels(), "6:36A|4:44P");
    Parts(*window).Panel3->show();
    bool wasModal = false;
    bool panelShown = false;
    ModalWatchdog::OnNextModal([&](QWidget* w) {
        wasModal = w == home() && home()->isModal();
        panelShown = !Parts(*window).Panel3->isHidden();
        EXPECT_EQ(Labels(), "6:36A|4:44P");
        Parts(*home()).SpeedButton54->click();
    });
    Parts(*window).SpeedButtonA1->click();
    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(panelShown);  // hidden only after the window closed
    EXPECT_TRUE(Parts(*window).Panel3->isHidden());
    EXPECT_EQ(Labels(), "Rise|Set");
}

// "Save" keeps the home place in the settings file at once, so ending the program with
// the title bar's close box (which writes nothing) does not lose it; the other options
// of the run stay unwritten. Without a file, the whole of it comes from the run.
TEST_F(HomePlace, SaveKeepsTheHomePlaceHoweverTheProgramEnds)
{
    WriteParm(Lines({"000110000000", "-6", "1", "0", "0", "0", "0"}));
    Open();
    window->SpeedButtonA5Click();  // LED on, for this run only
    const auto saveHome = [this](double lon, double lat, int entry) {
        ModalWatchdog::OnNextModal([=, this](QWidget*) {
            SetHome(lon, lat, entry);
            Parts(*home()).SpeedButton54->click();
        });
        Parts(*window).SpeedButtonA1->click();
    };
    saveHome(-88.02, 30.41, 74);
    window->close();  // the title bar's close box
    EXPECT_EQ(ReadParm(), Lines({"000110000000", "-6", "1", "-88.02", "30.41", "5.5", "74"}));

    QFile::remove(platform.folder + QStringLiteral("Parm.dat"));
    saveHome(-74.0, 40.7, 0);
    EXPECT_EQ(ReadParm(), Lines({"010110000000", "-6", "1", "-74", "40.7", "-5", "0"}));
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('|').toStdString();
}

TEST_F(HomePlace, SaveThatCannotWriteKeepsTheWindowOpen)
{
    Open();
    const QString path = platform.folder + QStringLiteral("Parm.dat");
    QFile::remove(path);
    ASSERT_TRUE(QDir(platform.folder).mkdir(QStringLiteral("Parm.dat")));  // even root cannot replace it
    ModalWatchdog::OnNextModal([&](QWidget*) {
        SetHome(-88.02, 30.41, 0);
        Parts(*home()).SpeedButton54->click();
        EXPECT_EQ(platform.messages, QStringList{"Cannot create file " + path});
        EXPECT_TRUE(home()->isVisible());
        ASSERT_TRUE(QDir(platform.folder).rmdir(QStringLiteral("Parm.dat")));
        Parts(*home()).SpeedButton54->click();
        EXPECT_FALSE(home()->isVisible());
    });
    Parts(*window).SpeedButtonA1->click();
    EXPECT_FALSE(home()->isVisible());
    EXPECT_EQ(ReadParm(), Lines({"000000000000", "0", "-1", "-88.02", "30.41", "-5", "0"}));
}

TEST_F(HomePlace, SurvivesCloseAndANewStart)
{
    Open();
    SetHome(-101.83, 35.22, 1);
    window->SpeedButton54Click();
    EXPECT_EQ(ReadParm(), Lines({"000000000000", "0", "-1", "-101.83", "35.22", "-6", "1"}));
    Open();
    EXPECT_EQ(Parts(*home()).CurrencyEdit1->value(), -101.83);
    EXPECT_EQ(Parts(*home()).HomeOffsetIndex, 1);
    window->SpeedButton53Click();
    EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), -101.83);
    EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), 35.22);
    EXPECT_EQ(Parts(*window).ComboBox1->currentText(), "Central          (-6:00)");
    EXPECT_NE(Parts(*window).Label5->text(), "Rise");
}

} // namespace
} // namespace dawnrule::test
