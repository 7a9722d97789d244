#include "window_fixture.h"
#include "windows/tabout.h"
#include "windows/thelp.h"

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

#include <utility>
#include <vector>

namespace dawnrule::test {
namespace {

QString Blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

QStringList LinesOf(const QLabel* label)
{
    return label->text().split(QLatin1Char('\n'));
}

QColor TextColour(const QWidget* w)
{
    return w->palette().color(QPalette::Active, QPalette::WindowText);
}

// Compares line by line, so a failure names the line.
void ExpectLines(const QLabel* label, const QStringList& expected, const char* name)
{
    const QStringList actual = LinesOf(label);
    ASSERT_EQ(actual.size(), expected.size()) << name << ": " << label->text().toStdString();
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << name << " line " << i + 1;
}

class AboutHelp : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Open();
    }
    TAbout* about() const { return &windows->about; }
    THelp* help() const { return &windows->help; }
};

struct TextCase {
    const char* name;
    QLabel* label;
    QPoint topLeft;
    QStringList lines;
};

TEST_F(AboutHelp, AboutTextsStandLineByLineWhereTheyBelong)
{
    const std::vector<TextCase> cases = {
        {"Label7", Parts(*about()).Label7, {119, 8}, {"Dawnrule  V 3.0"}},
        {"Label5", Parts(*about()).Label5, {143, 22}, {"Tarnwick Software"}},
        {"Label1", Parts(*about()).Label1, {9, 42},
         {"  The Dawnrule calculator was designed for Professional Truck Drivers",
          "and companies that haul oversize and wide loads.  Oversize loads are usually",
          "only permitted to be hauled during daylight hours.  This calculator can be used",
          "to quickly look up the Dawnrule times of any town within the United States",
          "by clicking on a state's button and then on a town name.  A special 'USER'",
          "button can be programmed with other locations in addition to those already",
          "listed in the individual states."}},
        {"Label4", Parts(*about()).Label4, {35, 141},
         {"  Dawnrule times should be correct within +/- 3 minutes.  For a",
          "comparison of times, click:"}},
        {"Label2", Parts(*about()).Label2, {58, 172}, {"https://aa.usno.navy.mil/AA/data/docs/RS_OneYear.html"}},
    };
    for (const TextCase& c : cases) {
        ExpectLines(c.label, c.lines, c.name);
        EXPECT_EQ(c.label->pos(), c.topLeft) << c.name;
        EXPECT_EQ(c.label->textFormat(), Qt::PlainText) << c.name;
    }
    EXPECT_EQ(Parts(*about()).Label3->pos(), QPoint(18, 195));
    EXPECT_EQ(Parts(*about()).SpeedButton54->geometry(), QRect(164, 385, 62, 23));
    EXPECT_EQ(Parts(*about()).SpeedButton54->text(), "OK");
}

TEST_F(AboutHelp, HelpTextsStandLineByLineWhereTheyBelong)
{
    const std::vector<TextCase> cases = {
        {"Label1", Parts(*help()).Label1, {7, 8},
         {"I.  N°, S°, E°, and W° coordinates can be directly entered into the  -W°'/ E°'",
          "and N°'/ -S°' coordinate boxes.  The state buttons can also be used to look",
          "up the coordinates of a town.  Click on the appropriate state and then simply",
          "begin to type the name of the town.  The town list will automatically scroll as",
          "the town name is typed. Click on the town name to place the coordinates into",
          "the coordinate boxes. (If the town name scrolls to the top of the list, you can",
          "simply hit enter to place the coordinates into the coordinate boxes.)",
          " ",
          "II.  Next, enter the date of the desired Dawnrule times.  The program",
          "always starts with the current computer date.",
          " ",
          "III. Enter the 'GMT Offset'.  The 'Offset List' can be used to select an offset.",
          "(Professional Drivers usually keep their watches on their home time for",
          "logging purposes.  By selecting the GMT Offset for home time, the rise and",
          "set times for any town will be calculated to a driver's home time.)"}},
        {"Label2", Parts(*help()).Label2, {8, 216}, {"IV. Click 'Calc' to calculate to sunsrise/sunset times."}},
        {"Label3", Parts(*help()).Label3, {8, 241},
         {"Other Options:",
          "Lock GMT Offset:  This keep the GMT Offset from being cleared after",
          Blanks(31) + "each calculation.",
          "Display Military Time:  Dawnrule times are displayed in military time.",
          "Home:  A home Dawnrule time can be quickly calculated via this",
          Blanks(12) + "button.  Home set up is accomplished through the 'Prefs' menu.",
          "USER: USER town/coordinates can be accessed via this button.  USER",
          Blanks(12) + "set up is accomplished through the 'Prefs' menu.",
          "LED:    When checked, an LED will flash if the GMT List offset is set to",
          Blanks(12) + "standard time during daylight time, etc.",
          "Moon:  The phase of the moon is displayed when checked."}},
    };
    for (const TextCase& c : cases) {
        ExpectLines(c.label, c.lines, c.name);
        EXPECT_EQ(c.label->pos(), c.topLeft) << c.name;
        EXPECT_EQ(c.label->textFormat(), Qt::PlainText) << c.name;
    }
    EXPECT_EQ(Parts(*help()).Panel1->geometry(), QRect(5, 235, 367, 2));
    EXPECT_EQ(Parts(*help()).Panel1->frameShape(), QFrame::Panel);
    EXPECT_EQ(Parts(*help()).Panel1->frameShadow(), QFrame::Raised);
    EXPECT_EQ(Parts(*help()).SpeedButton54->geometry(), QRect(158, 392, 62, 23));
    EXPECT_EQ(Parts(*help()).SpeedButton54->text(), "OK");
}

TEST_F(AboutHelp, DisclaimerHasItsTwoHeadedParagraphs)
{
    const QStringList lines = LinesOf(Parts(*about()).Label3);
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines.front(), "Disclaimer of Warranty");
    EXPECT_EQ(lines.back(), "  ");  // a line of two blanks ends the text
    const qsizetype gap = lines.indexOf(QStringLiteral("  "));
    ASSERT_GT(gap, 1);
    ASSERT_LT(gap + 2, lines.size() - 1);
    EXPECT_EQ(lines[gap + 1], "Disclaimer");
    EXPECT_EQ(lines.count(QStringLiteral("  ")), 2);
    for (const qsizetype first : {qsizetype(1), gap + 2}) {
        EXPECT_TRUE(lines[first].startsWith(QStringLiteral("  "))) << lines[first].toStdString();
        EXPECT_NE(lines[first][2], QLatin1Char(' ')) << "exactly two blanks";
    }
    const QString warranty = lines.mid(1, gap - 1).join(QLatin1Char(' '));
    const QString disclaimer = lines.mid(gap + 2).join(QLatin1Char(' ')).simplified();
    EXPECT_TRUE(warranty.contains(QStringLiteral("\"as is\""))) << warranty.toStdString();
    EXPECT_TRUE(warranty.contains(QStringLiteral("without warranty of any kind"))) << warranty.toStdString();
    EXPECT_TRUE(disclaimer.contains(QStringLiteral("planning"))) << disclaimer.toStdString();
    EXPECT_TRUE(disclaimer.contains(QStringLiteral("the permit and the law govern"))) << disclaimer.toStdString();
}

// Every text fits the window at its font, clear of the others and of "OK".
TEST_F(AboutHelp, TextsFitTheWindowsWithoutOverlapping)
{
    const std::vector<std::pair<QDialog*, std::vector<QWidget*>>> windowsAndParts = {
        {about(), {Parts(*about()).Label7, Parts(*about()).Label5, Parts(*about()).Label1, Parts(*about()).Label4, Parts(*about()).Label2,
                   Parts(*about()).Label3, Parts(*about()).SpeedButton54}},
        {help(), {Parts(*help()).Label1, Parts(*help()).Label2, Parts(*help()).Panel1, Parts(*help()).Label3, Parts(*help()).SpeedButton54}},
    };
    for (const auto& [dialog, parts] : windowsAndParts) {
        const QString title = dialog->windowTitle();
        for (QWidget* part : parts) {
            if (auto* label = qobject_cast<QLabel*>(part)) {
                const QFontMetrics metrics(label->font());
                for (const QString& line : LinesOf(label))
                    EXPECT_LE(metrics.horizontalAdvance(line), label->width()) << line.toStdString();
                EXPECT_GE(label->height(), metrics.lineSpacing() * LinesOf(label).size() - metrics.leading())
                    << title.toStdString() << ": " << label->text().left(20).toStdString();
            }
            EXPECT_TRUE(dialog->rect().contains(part->geometry()))
                << title.toStdString() << ": " << part->metaObject()->className() << " at " << part->x() << ","
                << part->y() << " " << part->width() << "x" << part->height();
        }
        for (size_t i = 0; i < parts.size(); ++i)
            for (size_t j = i + 1; j < parts.size(); ++j)
                EXPECT_FALSE(parts[i]->geometry().intersects(parts[j]->geometry()))
                    << title.toStdString() << ": parts " << i << " and " << j;
    }
}

TEST_F(AboutHelp, FixedDialogsWithoutTitleBarButtons)
{
    const struct {
        QDialog* dialog;
        const char* title;
        QSize size;
    } cases[] = {
        {about(), "Dawnrule About...", {389, 410}},
        {help(), "Dawnrule Help", {377, 418}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.dialog->windowTitle(), c.title);
        EXPECT_EQ(c.dialog->size(), c.size) << c.title;
        EXPECT_EQ(c.dialog->minimumSize(), c.size) << c.title;
        EXPECT_EQ(c.dialog->maximumSize(), c.size) << c.title;
        const Qt::WindowFlags flags = c.dialog->windowFlags();
        EXPECT_FALSE(flags & Qt::WindowCloseButtonHint) << c.title;
        EXPECT_FALSE(flags & Qt::WindowSystemMenuHint) << c.title;
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) << c.title;
        EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint) << c.title;
        EXPECT_EQ(c.dialog->palette().color(QPalette::Window), QColor(225, 195, 120)) << c.title;
        EXPECT_TRUE(c.dialog->autoFillBackground()) << c.title;
        const QFont font = c.dialog->font();
        EXPECT_EQ(font.pixelSize(), 11) << c.title;  // 8 points at 96 dots per inch
        EXPECT_EQ(font.styleHint(), QFont::SansSerif) << c.title;
        EXPECT_EQ(TextColour(c.dialog->findChild<QToolButton*>()), QColor(0, 0, 128)) << c.title;
    }
}

TEST_F(AboutHelp, LabelsAreNavyExceptTheAccuracyNoteAndTheLink)
{
    for (QLabel* label : {Parts(*about()).Label7, Parts(*about()).Label5, Parts(*about()).Label1, Parts(*about()).Label3, Parts(*help()).Label1,
                          Parts(*help()).Label2, Parts(*help()).Label3})
        EXPECT_EQ(TextColour(label), QColor(0, 0, 128)) << label->text().left(20).toStdString();
    const QColor windowText = QApplication::palette().color(QPalette::Active, QPalette::WindowText);
    ASSERT_NE(windowText, QColor(0, 0, 128));
    EXPECT_EQ(TextColour(Parts(*about()).Label4), windowText);
    EXPECT_EQ(TextColour(Parts(*about()).Label2), QColor(0, 0, 255));
}

TEST_F(AboutHelp, OnlyOkClosesEitherWindow)
{
    for (QDialog* dialog : std::initializer_list<QDialog*>{about(), help()}) {
        const std::string title = dialog->windowTitle().toStdString();
        dialog->show();
        QApplication::setActiveWindow(dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog)) << title;
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible()) << title << ": Escape";
        EXPECT_FALSE(dialog->close()) << title << ": the window manager's close";
        EXPECT_TRUE(dialog->isVisible()) << title;
        dialog->findChild<QToolButton*>()->click();
        EXPECT_FALSE(dialog->isVisible()) << title << ": OK";
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << title;
    }
}

class ComparisonLink : public AboutHelp {
protected:
    void SetUp() override
    {
        AboutHelp::SetUp();
        about()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about()));
    }
    void TearDown() override
    {
        Parts(*about()).SpeedButton54->click();
        AboutHelp::TearDown();
    }
    QLabel* link() const { return Parts(*about()).Label2; }
    QColor colour() const { return TextColour(link()); }
    QPoint inside() const { return link()->rect().center(); }
    QPoint outside() const { return QPoint(link()->width() + 30, link()->height() / 2); }
};

TEST_F(ComparisonLink, AddressIsTheObservatorysOneYearTables)
{
    const QUrl url = TAbout::ComparisonUrl();
    EXPECT_EQ(url.scheme(), "https");
    EXPECT_EQ(url.host(), "aa.usno.navy.mil");
    EXPECT_EQ(url.path(), "/AA/data/docs/RS_OneYear.html");
    EXPECT_FALSE(url.hasQuery());
    EXPECT_EQ(link()->text(), url.toString());  // shown as opened
    EXPECT_EQ(link()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(ComparisonLink, PressTurnsItMaroonAndAReleaseOverItOpensThePageOnce)
{
    QTest::mousePress(link(), Qt::LeftButton, {}, inside());
    EXPECT_EQ(colour(), QColor(128, 0, 0));
    EXPECT_TRUE(platform.openedUrls.isEmpty());  // not on the press
    QTest::mouseRelease(link(), Qt::LeftButton, {}, inside());
    EXPECT_EQ(colour(), QColor(0, 0, 255));
    ASSERT_EQ(platform.openedUrls.size(), 1);
    EXPECT_EQ(platform.openedUrls.front(), TAbout::ComparisonUrl());

    QTest::mouseClick(link(), Qt::LeftButton, {}, inside());
    EXPECT_EQ(platform.openedUrls.size(), 2);  // each click opens it once
}

// With no web browser to open it, the address is shown in a message box (its text can
// be selected) so that the user can type it elsewhere; with one, nothing is shown.
TEST_F(ComparisonLink, WithNoBrowserTheAddressIsShown)
{
    platform.messages.clear();
    QTest::mouseClick(link(), Qt::LeftButton, {}, inside());
    EXPECT_TRUE(platform.messages.isEmpty());
    platform.openUrlFails = true;
    QTest::mouseClick(link(), Qt::LeftButton, {}, inside());
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages.front().contains(TAbout::ComparisonUrl().toString()))
        << platform.messages.front().toStdString();
    EXPECT_EQ(platform.openedUrls.size(), 2);
}

TEST_F(ComparisonLink, ReleaseAwayFromItTurnsItBlueAndOpensNothing)
{
    for (const QPoint away : {outside(), QPoint(-3, 2), QPoint(5, -4), QPoint(5, link()->height())}) {
        QTest::mousePress(link(), Qt::LeftButton, {}, inside());
        ASSERT_EQ(colour(), QColor(128, 0, 0));
        QTest::mouseRelease(link(), Qt::LeftButton, {}, away);
        EXPECT_EQ(colour(), QColor(0, 0, 255)) << away.x() << "," << away.y();
    }
    EXPECT_TRUE(platform.openedUrls.isEmpty());
    // The next click after an abandoned one opens it as usual.
    QTest::mouseClick(link(), Qt::LeftButton, {}, inside());
    EXPECT_EQ(platform.openedUrls.size(), 1);
}

TEST_F(ComparisonLink, OnlyALeftClickStartedOnItOpensThePage)
{
    // A release that did not start on the link (the press was elsewhere).
    QTest::mouseRelease(link(), Qt::LeftButton, {}, inside());
    EXPECT_TRUE(platform.openedUrls.isEmpty());
    EXPECT_EQ(colour(), QColor(0, 0, 255));

    // The right button shows the press but opens nothing.
    QTest::mousePress(link(), Qt::RightButton, {}, inside());
    EXPECT_EQ(colour(), QColor(128, 0, 0));
    QTest::mouseRelease(link(), Qt::RightButton, {}, inside());
    EXPECT_EQ(colour(), QColor(0, 0, 255));
    EXPECT_TRUE(platform.openedUrls.isEmpty());
}

TEST_F(ComparisonLink, DoubleClickOpensThePageOnce)
{
    // As the toolkit delivers it: press, release, press, double click, release.
    QTest::mousePress(link(), Qt::LeftButton, {}, inside());
    QTest::mouseRelease(link(), Qt::LeftButton, {}, inside());
    QTest::mousePress(link(), Qt::LeftButton, {}, inside());
    QTest::mouseDClick(link(), Qt::LeftButton, {}, inside());
    EXPECT_EQ(colour(), QColor(128, 0, 0));
    QTest::mouseRelease(link(), Qt::LeftButton, {}, inside());
    EXPECT_EQ(colour(), QColor(0, 0, 255));
    EXPECT_EQ(platform.openedUrls.size(), 1);
}

TEST_F(AboutHelp, QuickMenuEntriesOpenTheirWindowModallyAndHideThePanelAfter)
{
    const struct {
        QToolButton* entry;
        QDialog* dialog;
        const char* caption;
    } cases[] = {
        {Parts(*window).SpeedButtonA6, help(), "Help               "},
        {Parts(*window).SpeedButtonA7, about(), "About...          "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.entry->text(), c.caption);
        EXPECT_TRUE(c.entry->isEnabled()) << c.caption;
        Parts(*window).Panel3->show();
        bool opened = false;
        bool modal = false;
        bool panelShown = false;
        ModalWatchdog::OnNextModal([&](QWidget* w) {
            opened = w == c.dialog;
            modal = c.dialog->isModal();
            panelShown = !Parts(*window).Panel3->isHidden();
            c.dialog->findChild<QToolButton*>()->click();
        });
        c.entry->click();
        EXPECT_TRUE(opened) << c.caption;
        EXPECT_TRUE(modal) << c.caption;
        EXPECT_TRUE(panelShown) << c.caption << ": hidden before the window closed";
        EXPECT_TRUE(Parts(*window).Panel3->isHidden()) << c.caption;
        EXPECT_FALSE(c.dialog->isVisible()) << c.caption;
    }
}

} // namespace
} // namespace dawnrule::test
