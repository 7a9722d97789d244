#include "controls/city_combo_box.h"
#include "controls/window_look.h"
#include "window_fixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace dawnrule::test {
namespace {

// 30 towns: enough rows below the m-towns for the list to scroll them to the top.
QByteArray Alabama()
{
    QByteArray text = "Aaron  N\xB0" "31.20,W\xB0-86.40\r\n";
    for (int i = 1; i <= 10; ++i)
        text += "Abbeville " + QByteArray::number(i) + "  N\xB0" "31.57,W\xB0-85.25\r\n";
    text += "Montgomery  N\xB0" "32.37,W\xB0-86.30\r\n"
            "mobile bay  N\xB0" "30.50,W\xB0-88.00\r\n"
            "Mobile  N\xB0" "30.41,W\xB0-88.02\r\n"
            "Moundville  N\xB0" "33.00,W\xB0-87.63\r\n";
    for (int i = 1; i <= 15; ++i)
        text += "Zion " + QByteArray::number(i) + "  N\xB0" "34.00,W\xB0-86.00\r\n";
    return text;
}
const QByteArray kAlabama = Alabama();
constexpr int kMontgomery = 11;
constexpr int kMobileBay = 12;
constexpr int kMobile = 13;

class CityList : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        WriteParm(Lines({"100000000000", "0", "-1", "0", "0", "0", "0"}));  // wide layout
    }

    void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(platform.folder + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    CityComboBox* List() const { return Parts(*window).ComboBox2; }
    QAbstractItemView* Popup() const { return Parts(*window).ComboBox2->view(); }
    bool PopupOpen() const { return Popup()->isVisible(); }

    QStringList Entries() const
    {
        QStringList out;
        for (int i = 0; i < List()->count(); ++i)
            out << List()->itemText(i);
        return out;
    }

    // The location buttons shown bold maroon.
    QList<int> Highlighted() const
    {
        QList<int> out;
        for (int n = 1; n <= TZuruRuz1::kLocationButtons; ++n) {
            const QToolButton* b = Parts(*window).SpeedButton(n);
            if (b->font().bold() && b->palette().color(QPalette::ButtonText) == kMaroon)
                out << n;
        }
        return out;
    }

    QString Labels() const { return Parts(*window).Label5->text() + QLatin1Char('|') + Parts(*window).Label7->text(); }

    // Opens the program with Alabama's list shown and the window active.
    void OpenAlabama()
    {
        WriteFile(QStringLiteral("AL.txt"), kAlabama);
        Open();
        ShowActive();
        Parts(*window).SpeedButton(1)->click();
        ASSERT_TRUE(PopupOpen());
    }

    void LockOffset(int index)
    {
        Parts(*window).CheckBox1->setChecked(true);
        Choose(index);
    }
};

TEST_F(CityList, StartsWithNothingLoaded)
{
    Open();
    EXPECT_EQ(List()->text(), "City List");
    EXPECT_EQ(Entries(), QStringList{"Click on a state first."});
    EXPECT_FALSE(Parts(*window).ListLoaded);
    EXPECT_TRUE(Highlighted().isEmpty());
}

TEST_F(CityList, ButtonGridCaptionsAndHints)
{
    Open();
    const struct {
        int number;
        const char* caption;
        const char* hint;
        QRect geometry;
    } rows[] = {
        {1, "AL", "Alabama", QRect(2, 2, 24, 20)},
        {7, "CT", "Connecticut", QRect(152, 2, 24, 20)},
        {8, "DE", "Delaware", QRect(2, 23, 24, 20)},
        {43, "TX", "Texas", QRect(2, 128, 24, 20)},
        {49, "WI", "Wisconsin", QRect(152, 128, 24, 20)},
        {50, "WY", "Wyoming", QRect(152, 149, 24, 20)},
        {51, "USER", "User Defined", QRect(2, 149, 149, 20)},
    };
    for (const auto& r : rows) {
        const QToolButton* b = Parts(*window).SpeedButton(r.number);
        EXPECT_EQ(b->text(), r.caption);
        EXPECT_EQ(b->toolTip(), r.hint);
        EXPECT_EQ(b->geometry(), r.geometry) << r.caption;
        EXPECT_EQ(b->parentWidget(), Parts(*window).Panel4);
        EXPECT_EQ(b->palette().color(QPalette::ButtonText), kNavy);
    }
}

TEST_F(CityList, StateButtonLoadsAndOpensItsList)
{
    OpenAlabama();
    EXPECT_EQ(Entries().size(), 30);
    EXPECT_EQ(Entries().at(kMobile), QString::fromUtf8("Mobile  N\u00B030.41,W\u00B0-88.02"));
    EXPECT_EQ(List()->text(), "");  // the drop-down emptied the title
    EXPECT_TRUE(Parts(*window).ListLoaded);
    EXPECT_EQ(Highlighted(), QList<int>{1});
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(CityList, MissingStateFileSaysSoAndTouchesNothing)
{
    OpenAlabama();
    Parts(*window).CurrencyEdit1->setValue(-74);
    Parts(*window).CurrencyEdit2->setValue(40.7);
    Parts(*window).SpeedButton(43)->click();  // no TX.txt
    EXPECT_FALSE(PopupOpen());
    EXPECT_EQ(List()->text(), "No Texas City List");
    EXPECT_EQ(List()->count(), 0);
    EXPECT_TRUE(Highlighted().isEmpty());
    EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), -74);
    EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), 40.7);
    EXPECT_TRUE(Parts(*window).ListLoaded);  // unchanged by a failed load
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(CityList, OnlyTheLastLoadedButtonStandsOut)
{
    WriteFile(QStringLiteral("AK.txt"), "Anchorage  N\xB0" "61.22,W\xB0-149.90\r\n");
    OpenAlabama();
    Parts(*window).SpeedButton(2)->click();
    EXPECT_EQ(Highlighted(), QList<int>{2});
    EXPECT_EQ(Entries(), QStringList{QString::fromUtf8("Anchorage  N\u00B061.22,W\u00B0-149.90")});
    Parts(*window).SpeedButton(3)->click();  // no AZ.txt
    EXPECT_TRUE(Highlighted().isEmpty());
}

TEST_F(CityList, TypingHighlightsTheFirstMatchAndCalculatesNothing)
{
    OpenAlabama();
    LockOffset(1);
    Parts(*window).CurrencyEdit1->setValue(-74);
    Parts(*window).CurrencyEdit2->setValue(40.7);
    ASSERT_EQ(Labels(), "rise|set");
    Parts(*window).SpeedButton(1)->click();
    QTest::keyClicks(Popup(), QStringLiteral("m"));
    EXPECT_EQ(List()->highlightedRow(), kMontgomery);
    QTest::keyClicks(Popup(), QStringLiteral("ob"));
    EXPECT_EQ(List()->text(), "mob");
    EXPECT_EQ(List()->highlightedRow(), kMobileBay);  // the first in list order
    EXPECT_EQ(Popup()->indexAt(QPoint(2, 2)).row(), kMobileBay);  // scrolled to the top
    EXPECT_TRUE(PopupOpen());
    EXPECT_EQ(Labels(), "rise|set");  // no calculation while typing
    EXPECT_FALSE(Parts(*window).CityKeyDown);
    QTest::keyClick(Popup(), Qt::Key_Backspace);
    EXPECT_EQ(List()->text(), "mo");
    EXPECT_EQ(List()->highlightedRow(), kMontgomery);
    QTest::keyClicks(Popup(), QStringLiteral("x"));
    EXPECT_EQ(List()->highlightedRow(), -1);  // nothing begins with "mox"
    EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), -74);
}

TEST_F(CityList, EnterTakesTheHighlightedEntryAndFillsTheFields)
{
    OpenAlabama();
    LockOffset(1);
    Parts(*window).SpeedButton(1)->click();
    QTest::keyClicks(Popup(), QStringLiteral("MOBILE  "));
    ASSERT_EQ(List()->highlightedRow(), kMobile);
    QTest::keyClick(Popup(), Qt::Key_Return);
    EXPECT_FALSE(PopupOpen());
    EXPECT_EQ(List()->text(), QString::fromUtf8("Mobile  N\u00B030.41,W\u00B0-88.02"));
    EXPECT_TRUE(Parts(*window).ComboBox1->hasFocus());
    EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), 30.41);
    EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), -88.02);
    EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), -6);  // locked: kept
    EXPECT_NE(Parts(*window).Label5->text(), "Rise");      // and calculated at once
    EXPECT_NE(Parts(*window).Label7->text(), "Set");
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('|').toStdString();
}

// Typing goes to whichever widget has the keyboard; after Escape that is the closed
// list's own text box.
TEST_F(CityList, TypingIntoTheClosedListOpensItAndEnterTakesTheMatch)
{
    OpenAlabama();
    LockOffset(1);
    Parts(*window).SpeedButton(1)->click();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    ASSERT_FALSE(PopupOpen());
    const QString before = Labels();
    for (const char c : {'m', 'o', 'b'}) {
        QTest::keyClick(QApplication::focusWidget(), c);
        EXPECT_TRUE(PopupOpen()) << c;
    }
    EXPECT_EQ(List()->text(), "mob");
    EXPECT_EQ(List()->highlightedRow(), kMobileBay);
    EXPECT_EQ(Labels(), before);  // nothing calculated while typing
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(PopupOpen());
    EXPECT_EQ(List()->text(), QString::fromUtf8("mobile bay  N\u00B030.50,W\u00B0-88.00"));
    EXPECT_TRUE(Parts(*window).ComboBox1->hasFocus());
    EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), 30.5);
    EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), -88);
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('|').toStdString();
}

// However the list is opened again after a pick, Enter at once takes nothing: the
// earlier pick is not left highlighted.
TEST_F(CityList, ReopenedListHighlightsNothing)
{
    OpenAlabama();
    LockOffset(1);
    const struct {
        const char* way;
        std::function<void()> open;
    } ways[] = {
        {"F4", [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4); }},
        {"Alt+Down", [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::AltModifier); }},
        {"arrow clicked", [&] {
             QStyleOptionComboBox option;
             option.initFrom(List());
             const QRect arrow =
                 List()->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, List());
             QTest::mouseClick(List(), Qt::LeftButton, {}, arrow.center());
         }},
    };
    for (const auto& w : ways) {
        Parts(*window).SpeedButton(1)->click();
        QTest::keyClicks(Popup(), QStringLiteral("mobile  "));
        QTest::keyClick(Popup(), Qt::Key_Return);
        ASSERT_EQ(List()->currentIndex(), kMobile) << w.way;
        Parts(*window).CurrencyEdit1->setValue(-74);
        Parts(*window).CurrencyEdit2->setValue(40.7);
        List()->setFocus();
        w.open();
        ASSERT_TRUE(PopupOpen()) << w.way;
        EXPECT_EQ(List()->highlightedRow(), -1) << w.way;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(List()->text(), "") << w.way;
        EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), 40.7) << w.way;
        EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), -74) << w.way;
    }
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('|').toStdString();
}

// The list's own contract, whatever its drop-down handler does: an entry chosen before
// is not highlighted when the list opens.
TEST(CityComboBoxAlone, OpeningClearsTheHighlightOfTheChosenEntry)
{
    CityComboBox list;
    list.setEntries({QStringLiteral("Aaron"), QStringLiteral("Mobile"), QStringLiteral("Zion")});
    list.setCurrentIndex(1);
    int taken = 0;
    QObject::connect(&list, &CityComboBox::click, [&] { ++taken; });
    list.show();
    list.showPopup();
    EXPECT_EQ(list.highlightedRow(), -1);
    QTest::keyClick(list.view(), Qt::Key_Return);
    EXPECT_EQ(taken, 0);
}

// A character typed in the middle of the text goes there, and the cursor stays right
// after it, whether the list is closed or open (the open list hands the keys to the text).
TEST(CityComboBoxAlone, TypingInTheMiddleLeavesTheCursorAfterTheCharacter)
{
    CityComboBox list;
    list.setEntries({QStringLiteral("Mobile"), QStringLiteral("Montgomery")});
    list.show();
    QApplication::setActiveWindow(&list);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    for (const bool open : {false, true}) {
        SCOPED_TRACE(open ? "open" : "closed");
        list.setText(QStringLiteral("Moble"));
        list.setFocus();
        if (open)
            list.showPopup();
        list.lineEdit()->setCursorPosition(3);
        QWidget* keys = open ? static_cast<QWidget*>(list.view()) : &list;
        QTest::keyClick(keys, 'i');
        EXPECT_EQ(list.text(), "Mobile");
        EXPECT_EQ(list.lineEdit()->cursorPosition(), 4);
        QTest::keyClicks(keys, QStringLiteral("xy"));
        EXPECT_EQ(list.text(), "Mobixyle");
        EXPECT_EQ(list.lineEdit()->cursorPosition(), 6);
        EXPECT_EQ(list.view()->isVisible(), open);
        list.hidePopup();
    }
}

// With a state list missing, leaving the list parses its title and shows a message,
// which puts the keyboard back in the list. The user closes the box with Enter: the
// box takes the key going down, the list gets it going up. That must not move on and
// parse again, or the message comes back at once, for ever. So too for a bad entry
// taken from the open list with Enter, whose own release comes after the message.
// Enter pressed in the list itself still moves on.
TEST_F(CityList, TheEnterThatClosesAMessageDoesNotBringItBack)
{
    WriteFile(QStringLiteral("AR.txt"), "Nowhere without degrees\r\n");
    OpenAlabama();
    const QString noLatitude = QString::fromUtf8("No N\u00B0 or S\u00B0 degrees in selected record.");
    const auto keyboardToTheList = [&] {
        QTest::qWait(20);  // the list that closed lets the window have the keyboard again
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        List()->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), List());
    };
    int boxes = 0;
    platform.onDialog = [&](const QString&) {
        if (++boxes > 5)
            return;  // enough to show the trap; Escape would end it
        QTimer::singleShot(0, [] {
            if (QWidget* keyboard = QApplication::focusWidget())
                QTest::keyRelease(keyboard, Qt::Key_Return);
        });
    };

    Parts(*window).SpeedButton(43)->click();  // no TX.txt
    ASSERT_EQ(List()->text(), "No Texas City List");
    keyboardToTheList();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(50);
    EXPECT_EQ(platform.messages, QStringList{noLatitude});
    EXPECT_TRUE(List()->hasFocus());

    Parts(*window).SpeedButton(4)->click();  // AR.txt
    QTest::keyClicks(Popup(), QStringLiteral("now"));
    ASSERT_EQ(List()->highlightedRow(), 0);
    QTest::keyClick(Popup(), Qt::Key_Return);
    QTest::qWait(50);
    EXPECT_EQ(platform.messages, QStringList({noLatitude, noLatitude}));

    platform.onDialog = nullptr;
    keyboardToTheList();
    List()->setText(QString::fromUtf8("Mobile  N\u00B030.41,W\u00B0-88.02"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(Parts(*window).ComboBox1->hasFocus());
    EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), 30.41);
    EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), -88.02);
    EXPECT_EQ(platform.messages.size(), 2);
}

// Another application taking the keyboard is not leaving the list for another field:
// a half-typed name is not parsed then, nor on coming back; leaving for the offset
// list afterwards parses it as ever.
TEST_F(CityList, SwitchingToAnotherApplicationParsesNothing)
{
    for (const bool listOpen : {true, false}) {
        platform.messages.clear();
        OpenAlabama();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("mob"));
        if (!listOpen)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        ASSERT_EQ(PopupOpen(), listOpen);
        ASSERT_EQ(List()->text(), "mob");

        QWidget otherApplication;  // holds nothing that takes the keyboard
        otherApplication.show();
        QApplication::setActiveWindow(&otherApplication);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&otherApplication));
        EXPECT_EQ(QApplication::focusWidget(), nullptr);
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_TRUE(platform.messages.isEmpty()) << listOpen << platform.messages.join('|').toStdString();

        List()->hidePopup();
        Parts(*window).ComboBox1->setFocus();
        EXPECT_EQ(platform.messages, QStringList{QString::fromUtf8("No N\u00B0 or S\u00B0 degrees in selected record.")})
            << listOpen;
    }
}

// On a real desktop the open list gives the keyboard straight to the next field: the
// town list itself never gets it back first. Leaving from the open list parses too.
TEST_F(CityList, FocusLeavingStraightFromTheOpenListParses)
{
    OpenAlabama();
    Parts(*window).SpeedButton(1)->click();
    ASSERT_TRUE(PopupOpen());
    List()->setText(QString::fromUtf8("Mobile  N\u00B030.41,W\u00B0-88.02"));
    Parts(*window).ComboBox1->setFocus();  // while the list is open
    List()->hidePopup();
    EXPECT_TRUE(Parts(*window).ComboBox1->hasFocus());
    EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), 30.41);
    EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), -88.02);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(CityList, ClickingAnEntryChoosesIt)
{
    OpenAlabama();
    LockOffset(1);
    Parts(*window).SpeedButton(1)->click();
    Popup()->scrollTo(List()->model()->index(kMontgomery, 0));
    const QRect row = Popup()->visualRect(List()->model()->index(kMontgomery, 0));
    QTest::mouseClick(Popup()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_FALSE(PopupOpen());
    EXPECT_EQ(List()->text(), QString::fromUtf8("Montgomery  N\u00B032.37,W\u00B0-86.30"));
    // The click handler gave the focus to the offset list (which parsed the record);
    // the calculation that followed moved it on to the options panel.
    EXPECT_TRUE(Parts(*window).Panel2->hasFocus());
    EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), 32.37);
    EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), -86.3);
    EXPECT_NE(Parts(*window).Label5->text(), "Rise");
}

TEST_F(CityList, UnlockedChoiceClearsTheOffsetAndWaitsForOne)
{
    OpenAlabama();
    Choose(1);
    Parts(*window).SpeedButton(1)->click();
    QTest::keyClicks(Popup(), QStringLiteral("mobile  "));
    QTest::keyClick(Popup(), Qt::Key_Return);
    EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), 0);
    EXPECT_EQ(Parts(*window).CurrencyEdit3->text(), "");
    EXPECT_EQ(Parts(*window).ComboBox1->currentText(), "");
    EXPECT_EQ(Labels(), "Rise|Set");
    Choose(1);
    window->SpeedButton52Click();
    EXPECT_NE(Labels(), "Rise|Set");
}

TEST_F(CityList, LeavingTheListParsesOnlyOnceAListWasLoaded)
{
    Open();
    ShowActive();
    List()->setFocus();
    Parts(*window).CurrencyEdit1->setFocus();  // "Click on a state first." is not parsed
    EXPECT_TRUE(platform.messages.isEmpty());

    WriteFile(QStringLiteral("AL.txt"), kAlabama);
    Parts(*window).SpeedButton(1)->click();
    List()->hidePopup();
    List()->setText(QStringLiteral("Home"));
    Parts(*window).CurrencyEdit1->setFocus();
    EXPECT_EQ(platform.messages, QStringList{QString::fromUtf8("No N\u00B0 or S\u00B0 degrees in selected record.")});
    EXPECT_TRUE(List()->hasFocus());  // back to the list
}

TEST_F(CityList, BadRecordsShowTheirMessageAndKeepTheFields)
{
    OpenAlabama();
    List()->hidePopup();
    Parts(*window).CurrencyEdit1->setValue(-74);
    Parts(*window).CurrencyEdit2->setValue(40.7);
    const struct {
        const char* record;
        const char* message;
        double latitude, longitude;
    } rows[] = {
        {"Town  N\u00B030.41 W\u00B0-88.02", "'' is not a valid floating point value", 40.7, -74},
        {"Town  N\u00B030.41,x\u00B0-88.02", "No W\u00B0 or E\u00B0 degrees in selected record.", 40.7, -74},
        {"Town  N\u00B031.5,W\u00B0-88.02 x", "'-88.02 x' is not a valid floating point value", 31.5, -74},
        {"Town  S\u00B0-14.16,E\u00B0170.42", "", -14.16, 170.42},
        {"Pago Pago, AS  S\u00B0-14.16,W\u00B0-170.42", "", -14.16, -170.42},
    };
    for (const auto& r : rows) {
        platform.messages.clear();
        List()->setFocus();
        List()->setText(QString::fromUtf8(r.record));
        Parts(*window).CurrencyEdit1->setFocus();
        EXPECT_EQ(platform.messages.join('|'), QString::fromUtf8(r.message)) << r.record;
        EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), r.latitude) << r.record;
        EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), r.longitude) << r.record;
    }
}

TEST_F(CityList, UserListWithoutItsFileShowsTheErrorAndChangesNothingElse)
{
    OpenAlabama();
    List()->hidePopup();
    Parts(*window).SpeedButton(51)->click();
    EXPECT_EQ(platform.messages, QStringList{"Cannot open file " + platform.folder + "U.txt"});
    EXPECT_EQ(List()->text(), "User City List");
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(Highlighted(), QList<int>{1});  // as it was
    EXPECT_FALSE(PopupOpen());

    platform.messages.clear();
    WriteFile(QStringLiteral("U.txt"), "Home base  N\xB0" "35.00,W\xB0-101.80\r\n");
    Parts(*window).SpeedButton(51)->click();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(Entries(), QStringList{QString::fromUtf8("Home base  N\u00B035.00,W\u00B0-101.80")});
    EXPECT_EQ(Highlighted(), QList<int>{51});
    EXPECT_TRUE(PopupOpen());
}

TEST_F(CityList, ArrowKeysOnTheClosedListChooseTheNextEntry)
{
    OpenAlabama();
    LockOffset(1);
    Parts(*window).SpeedButton(1)->click();
    QTest::keyClick(Popup(), Qt::Key_Escape);
    ASSERT_FALSE(PopupOpen());
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Down);
    EXPECT_EQ(List()->text(), QString::fromUtf8("Aaron  N\u00B031.20,W\u00B0-86.40"));
    EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), 31.2);
    EXPECT_NE(Parts(*window).Label5->text(), "Rise");
}

} // namespace
} // namespace dawnrule::test
