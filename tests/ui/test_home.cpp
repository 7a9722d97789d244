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
        home()->CurrencyEdit1->setValue(lon);
        home()->CurrencyEdit2->setValue(lat);
        home()->ComboBox1->setCurrentIndex(entry);
        emit home()->ComboBox1->activated(entry);
    }

    QString Labels() const { return window->Label5->text() + QLatin1Char('|') + window->Label7->text(); }
};

TEST_F(HomePlace, WindowLooksAsItShould)
{
    Open();
    EXPECT_EQ(home()->windowTitle(), "Home Parameters");
    EXPECT_EQ(home()->size(), QSize(186, 133));
    EXPECT_FALSE(home()->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(home()->windowFlags() & Qt::WindowSystemMenuHint);
    ASSERT_EQ(home()->ComboBox1->count(), 93);
    EXPECT_EQ(home()->ComboBox1->itemText(74), "India (+05:30) Bombay, Calcutta, Madras, New Delhi");
    EXPECT_EQ(home()->CurrencyEdit1->text(), "00.00");  // the longitude shows zero
    EXPECT_EQ(home()->CurrencyEdit2->text(), "");
    EXPECT_EQ(home()->CurrencyEdit3->focusPolicy(), Qt::ClickFocus);  // not a tab stop

    // Tab runs longitude, latitude, offset list.
    home()->show();
    QApplication::setActiveWindow(home());
    ASSERT_TRUE(QTest::qWaitForWindowActive(home()));
    home()->CurrencyEdit1->setFocus();
    QTest::keyClick(home()->CurrencyEdit1, Qt::Key_Tab);
    EXPECT_TRUE(home()->CurrencyEdit2->hasFocus());
    QTest::keyClick(home()->CurrencyEdit2, Qt::Key_Tab);
    EXPECT_TRUE(home()->ComboBox1->hasFocus());
    home()->hide();
}

TEST_F(HomePlace, HomeButtonFillsTheInputsAndCalculates)
{
    Open();
    SetHome(-74.0, 40.7, 0);
    EXPECT_EQ(home()->HomeOffsetIndex, 0);
    EXPECT_EQ(home()->CurrencyEdit3->value(), -5);
    window->ComboBox2->setText(QStringLiteral("Mobile"));
    window->SpeedButton53->click();
    EXPECT_EQ(window->CurrencyEdit1->value(), -74);
    EXPECT_EQ(window->CurrencyEdit2->value(), 40.7);
    EXPECT_EQ(window->CurrencyEdit3->value(), -5);
    EXPECT_EQ(window->ComboBox1->currentText(), "Eastern         (-5:00)");
    EXPECT_EQ(window->OffsetIndex, 0);
    EXPECT_EQ(window->ComboBox2->text(), "Home");
    ASSERT_EQ(window->ComboBox2->count(), 1);
    EXPECT_EQ(window->ComboBox2->itemText(0), "Click on a state first.");
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
    window->CheckBox1->setChecked(true);
    window->ComboBox1->setCurrentIndex(4);  // Eastern DT in November: blinks
    window->ComboBox1Change();
    ASSERT_FALSE(window->LED2->isHidden());
    window->SpeedButton(1)->click();
    window->ComboBox2->hidePopup();
    SetHome(-88.02, 30.41, 1);
    window->SpeedButton53Click();
    EXPECT_FALSE(window->SpeedButton(1)->font().bold());
    EXPECT_TRUE(window->LED2->isHidden());  // Central in November fits
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(window->CurrencyEdit3->value(), -6);  // the lock plays no part
}

// Home runs the offset list's change handler over the home entry: a standard-time entry
// in July makes the LED blink, OffsetIndex follows the home entry, and with the offset
// locked "Close " keeps that entry.
TEST_F(HomePlace, HomeEntryGoesThroughTheOffsetListsChange)
{
    Open();
    window->SpeedButtonA5Click();  // LED on
    window->CheckBox1->setChecked(true);
    window->DateEdit1->setDate(QDate(2005, 7, 4));
    Choose(4);  // Eastern DT: fits July, the LED stays dark
    ASSERT_TRUE(window->LED2->isHidden());
    SetHome(-74.0, 40.7, 0);  // Eastern, standard time
    window->SpeedButton53Click();
    EXPECT_FALSE(window->LED2->isHidden());
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(window->OffsetIndex, 0);
    window->SpeedButton54Click();
    EXPECT_EQ(ReadParm(), Lines({"010100000000", "-5", "0", "-74", "40.7", "-5", "0"}));
}

TEST_F(HomePlace, HalfHourOffsetOutsideTheMainListCopiesTheValueAndShowsNoTimes)
{
    Open();
    SetHome(72.88, 19.08, 74);  // India
    EXPECT_EQ(home()->CurrencyEdit3->value(), 5.5);
    EXPECT_EQ(home()->CurrencyEdit3->text(), "6");  // whole hours shown
    window->SpeedButton53Click();
    EXPECT_EQ(window->CurrencyEdit3->value(), 5.5);
    EXPECT_EQ(window->ComboBox1->itemIndex(), -1);
    EXPECT_EQ(Labels(), "Rise|Set");
    EXPECT_EQ(window->CurrencyEdit1->value(), 72.88);

    SetHome(-52.71, 47.56, 48);  // Newfoundland
    EXPECT_EQ(home()->CurrencyEdit3->value(), -3.5);
}

TEST_F(HomePlace, ReopeningSelectsTheLastEntryAndTheOffsetComesFromTheList)
{
    Open();
    SetHome(-88.02, 30.41, 9);
    // Opened as the quick menu opens it, the list shows what it held at that moment.
    const auto shownAtOpening = [this] {
        int shown = -2;
        ModalWatchdog::OnNextModal([&](QWidget*) {
            shown = home()->ComboBox1->itemIndex();
            home()->SpeedButton54->click();
        });
        window->SpeedButtonA1->click();
        return shown;
    };
    home()->ComboBox1->setItemIndex(3);  // shown differently, not chosen
    EXPECT_EQ(shownAtOpening(), 9);
    home()->HomeOffsetIndex = -1;
    EXPECT_EQ(shownAtOpening(), -1);
    EXPECT_EQ(home()->ComboBox1->currentText(), "");

    home()->show();
    QApplication::setActiveWindow(home());
    ASSERT_TRUE(QTest::qWaitForWindowActive(home()));
    home()->CurrencyEdit1->setFocus();
    home()->CurrencyEdit3->setFocus();  // entering the offset field lands in the list
    EXPECT_TRUE(home()->ComboBox1->hasFocus());
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
    home()->SpeedButton54->click();
    EXPECT_FALSE(home()->isVisible());
}

TEST_F(HomePlace, QuickMenuEntryOpensItModallyAndResetsTheLabelsAfter)
{
    Open();
    SetHome(-74.0, 40.7, 0);
    window->SpeedButton53Click();
    ASSERT_EQ(Labels(), "6:36A|4:44P");
    window->Panel3->show();
    bool wasModal = false;
    bool panelShown = false;
    ModalWatchdog::OnNextModal([&](QWidget* w) {
        wasModal = w == home() && home()->isModal();
        panelShown = !window->Panel3->isHidden();
        EXPECT_EQ(Labels(), "6:36A|4:44P");
        home()->SpeedButton54->click();
    });
    window->SpeedButtonA1->click();
    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(panelShown);  // hidden only after the window closed
    EXPECT_TRUE(window->Panel3->isHidden());
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
            home()->SpeedButton54->click();
        });
        window->SpeedButtonA1->click();
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
        home()->SpeedButton54->click();
        EXPECT_EQ(platform.messages, QStringList{"Cannot create file " + path});
        EXPECT_TRUE(home()->isVisible());
        ASSERT_TRUE(QDir(platform.folder).rmdir(QStringLiteral("Parm.dat")));
        home()->SpeedButton54->click();
        EXPECT_FALSE(home()->isVisible());
    });
    window->SpeedButtonA1->click();
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
    EXPECT_EQ(home()->CurrencyEdit1->value(), -101.83);
    EXPECT_EQ(home()->HomeOffsetIndex, 1);
    window->SpeedButton53Click();
    EXPECT_EQ(window->CurrencyEdit1->value(), -101.83);
    EXPECT_EQ(window->CurrencyEdit2->value(), 35.22);
    EXPECT_EQ(window->ComboBox1->currentText(), "Central          (-6:00)");
    EXPECT_NE(window->Label5->text(), "Rise");
}

} // namespace
} // namespace dawnrule::test
