// The Routes window on the real main window, headless: picking routes, the batch with
// its progress bar and warnings, Clear, Reverse, the legend, printing, the "Routes"
// button, and the same report as dawnrule-cli route. The local columns are in
// test_routes_local_times.cpp.
#include "app/qt_zone_clock.h"
#include "app/zururuz.h"
#include "cli/cli_commands.h"
#include "common/cp1252.h"
#include "controls/combo_box.h"
#include "controls/pie_progress_bar.h"
#include "routes_fixture.h"
#include "windows/route_legend.h"
#include "windows/route_local_times.h"
#include "windows/troutes.h"
#include "windows/ttripplan.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <sstream>

namespace dawnrule::test {
namespace {

// Counts the events of one type that reach an object.
class EventCounter : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type, int& count)
        : m_type(type)
        , m_count(count)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == m_type)
            ++m_count;
        return false;
    }

private:
    QEvent::Type m_type;
    int& m_count;
};


TEST_F(RoutesWindow, LooksAsItShould)
{
    Open();
    TRoutes& r = routes();
    EXPECT_EQ(r.windowTitle(), "Routes");
    EXPECT_EQ(r.size(), QSize(354, 268));
    EXPECT_EQ(r.minimumSize(), r.maximumSize());
    EXPECT_TRUE(r.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(r.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(r.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(r.palette().color(QPalette::Window), QColor(225, 195, 120));

    EXPECT_EQ(Parts(r).ComboBox1->currentText(), "Routes");
    EXPECT_EQ(Parts(r).ComboBox1->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(Parts(r).RichEdit1->focusPolicy(), Qt::ClickFocus);
    EXPECT_TRUE(Parts(r).RichEdit1->toPlainText().isEmpty());
    EXPECT_FALSE(Parts(r).RichEdit1->isReadOnly());
    EXPECT_EQ(Parts(r).RichEdit1->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(Parts(r).RichEdit1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(Parts(r).RichEdit1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QFontMetrics report(Parts(r).RichEdit1->font());
    EXPECT_EQ(report.horizontalAdvance(QStringLiteral("i  i")), report.horizontalAdvance(QStringLiteral("MMMM")));
    EXPECT_EQ(Parts(r).RichEdit1->font().pointSizeF(), 8);

    TPieProgressBar* bar = Parts(r).PieProgressBar1;
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(bar->BackColor(), QColor(255, 255, 0));
    EXPECT_EQ(bar->BorderWidth(), 0);
    EXPECT_EQ(bar->Decimals(), 0);
    EXPECT_EQ(bar->NumSegments(), 1);
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->Step(), 1);
    EXPECT_EQ(bar->TextUnit(), "%");
    EXPECT_EQ(bar->palette().color(QPalette::WindowText), QColor(192, 192, 192));

    const struct {
        QToolButton* button;
        const char* caption;
        bool enabled;
    } buttons[] = {{Parts(r).SpeedButton2, "Process", false}, {Parts(r).SpeedButton1, "Clear", true},
                   {Parts(r).SpeedButton52, "Print", true},   {Parts(r).SpeedButton53, "Close", true},
                   {Parts(r).SpeedButton3, "Legend", true},   {Parts(r).SpeedButton4, "Reverse", true},
                   {Parts(r).SpeedButton5, "Plan", true}};
    for (const auto& b : buttons) {
        EXPECT_EQ(b.button->text(), b.caption);
        EXPECT_EQ(b.button->isEnabled(), b.enabled) << b.caption;
        EXPECT_EQ(b.button->palette().color(QPalette::Active, QPalette::ButtonText), QColor(0, 0, 128)) << b.caption;
    }
    EXPECT_TRUE(Parts(r).SpeedButton3->isCheckable());
    EXPECT_FALSE(Parts(r).SpeedButton3->isChecked());
    EXPECT_TRUE(Parts(r).Panel7->isHidden());
    EXPECT_EQ(Parts(r).Panel7->palette().color(QPalette::Window), QColor(224, 208, 168));
    EXPECT_TRUE(Parts(r).ProcessArmed);
}

TEST_F(RoutesWindow, ActivationReadsTheHighwayListAndDatesTheProcessButton)
{
    OpenRoutes();
    ASSERT_EQ(Parts(routes()).ComboBox1->count(), 3);
    EXPECT_EQ(Parts(routes()).ComboBox1->itemText(2), "I-80");
    EXPECT_EQ(Parts(routes()).ComboBox1->currentText(), "Routes");  // the list's own text stays
    EXPECT_EQ(Parts(routes()).SpeedButton2->text(), "Process 11/09/2005");
    EXPECT_TRUE(Parts(routes()).RichEdit1->toPlainText().isEmpty());  // setting the list appends nothing
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(RoutesWindow, WithoutHighwayListTypedNamesAppendEveryKeystroke)
{
    QFile::remove(platform.folder + QStringLiteral("Highways.txt"));
    OpenRoutes();
    EXPECT_EQ(Parts(routes()).ComboBox1->currentText(), "No Interstate List");
    EXPECT_EQ(Parts(routes()).ComboBox1->count(), 0);
    EXPECT_EQ(Parts(routes()).SpeedButton2->text(), "Process");
    EXPECT_TRUE(Parts(routes()).RichEdit1->toPlainText().isEmpty());
    EXPECT_FALSE(Parts(routes()).SpeedButton2->isEnabled());

    Parts(routes()).ComboBox1->lineEdit()->selectAll();
    QTest::keyClicks(Parts(routes()).ComboBox1->lineEdit(), QStringLiteral("I-8"));
    EXPECT_EQ(Report(), QStringList({"I", "I-", "I-8"}));
    EXPECT_TRUE(Parts(routes()).SpeedButton2->isEnabled());
}

TEST_F(RoutesWindow, PicksAppendNamesAndArmProcess)
{
    OpenRoutes();
    Pick(QStringLiteral("A"));
    EXPECT_TRUE(Parts(routes()).SpeedButton2->isEnabled());
    Pick(QStringLiteral("I-80"));
    Pick(QStringLiteral("A"));  // the same route again is one more line
    EXPECT_EQ(Report(), QStringList({"A", "I-80", "A"}));
}

// The real path: the open list clicked, then the focus moved on. The popup's closing
// hands the activation back to the window, whose activation refills the list; the
// focus leaving the route box then must not take the same route again.
TEST_F(RoutesWindow, APickIsOneLineWhateverTheFocusDoesAfterIt)
{
    OpenRoutes();
    QApplication::setActiveWindow(&routes());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&routes()));
    ComboBox* box = Parts(routes()).ComboBox1;
    box->lineEdit()->setFocus();
    box->showPopup();
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    QApplication::setActiveWindow(list->window());  // as a desktop hands the keyboard to the popup
    const QRect item = list->visualRect(list->model()->index(2, 0));  // "I-80"
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!list->isVisible());
    QApplication::setActiveWindow(&routes());
    QTest::qWait(20);
    QTest::mouseClick(Parts(routes()).CheckBox1, Qt::LeftButton);
    QTest::mouseClick(Parts(routes()).RichEdit1->viewport(), Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(Report(), QStringList({"I-80"}));
}

// With no offset-list entry the batch would compute in whatever the offset field holds
// (0 after a town was chosen unlocked): Process asks first, and the pages name the clock.
TEST_F(RoutesWindow, ProcessAsksBeforeASheetWithoutAnOffsetEntry)
{
    Open();
    routes().show();
    Pick(QStringLiteral("A"));
    QList<QPoint> pointerAtDialog;
    platform.onDialog = [&](const QString&) { pointerAtDialog = platform.pointerMoves; };
    platform.confirmAnswer = false;
    Process();
    EXPECT_EQ(platform.messages, QStringList({"No GMT offset chosen: the times will be GMT. Continue?"}));
    EXPECT_EQ(pointerAtDialog, QList<QPoint>({QPoint(930, 570)}));  // on its buttons, as for "Clear memo?"
    EXPECT_EQ(Report(), QStringList({"A"}));  // nothing done
    EXPECT_TRUE(Parts(routes()).SpeedButton2->isEnabled());

    platform.confirmAnswer = true;
    Process();
    ASSERT_EQ(Report().size(), 6);
    EXPECT_EQ(Report()[5], "  New York, NY     11:37A  9:43P");  // GMT, as asked
    EXPECT_EQ(routes().PageHeading().clock, "GMT +0:00");
    EXPECT_EQ(routes().PageHeading().routes, "A");
    EXPECT_EQ(routes().PageHeading().columns, QString(19, QLatin1Char(' ')) + "Rise    Set");

    // A home offset off the list (India, 5:30) is named as it is.
    Parts(routes()).SpeedButton1->click();
    platform.messages.clear();
    Parts(*window).CurrencyEdit3->setValue(5.5);
    Pick(QStringLiteral("A"));
    platform.confirmAnswer = false;
    Process();
    EXPECT_EQ(platform.messages, QStringList({"No GMT offset chosen: the times will be GMT +5:30. Continue?"}));

    // With an entry chosen nothing is asked.
    platform.messages.clear();
    Choose(kEastern);
    Process();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(routes().PageHeading().clock, "Eastern (-5:00)");
}

// Enter after the last route name leaves an empty last line: it names no route.
TEST_F(RoutesWindow, AnEmptyLastLineNamesNoRoute)
{
    OpenRoutes();
    routes().SetReportLines({QStringLiteral("A"), QString()});
    Parts(routes()).SpeedButton2->setEnabled(true);
    Process();
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('/').toStdString();
    EXPECT_EQ(Report().size(), 6);
}

// "Plan" plans the routes the box names: a line of blanks names no route, and the
// blanks around a name are no part of it. A box of blank lines names none: the Trip Plan
// opens without a path, for its route builder.
TEST_F(RoutesWindow, PlanTakesNoBlankLineForARoute)
{
    for (const char* name : {"I-40.txt", "Daylight.txt"})
        QFile::copy(QStringLiteral(DAWNRULE_SOURCE_DIR "/data/") + QLatin1String(name), platform.folder + QLatin1String(name));
    OpenRoutes();
    TTripPlan& plan = *Parts(routes()).TripPlan;
    routes().SetReportLines({QStringLiteral("  "), QString(), QStringLiteral(" I-40\t"), QStringLiteral("\t"),
                             QStringLiteral(" ")});
    QString firstStop;
    ModalWatchdog::OnNextModal([&](QWidget* w) {
        EXPECT_EQ(w, &plan);
        firstStop = Parts(plan).FromList->itemText(0);
        Parts(plan).CloseButton->click();
    });
    Parts(routes()).SpeedButton5->click();
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('/').toStdString();
    EXPECT_EQ(firstStop, "Barstow, CA");

    routes().SetReportLines({QStringLiteral("  "), QStringLiteral("\t"), QString()});
    int stops = -1;
    ModalWatchdog::OnNextModal([&](QWidget* w) {
        EXPECT_EQ(w, &plan);
        stops = Parts(plan).FromList->count();
        EXPECT_TRUE(Parts(plan).PathLabel->text().startsWith(QStringLiteral("Path: none yet.")));
        Parts(plan).CloseButton->click();
    });
    Parts(routes()).SpeedButton5->click();
    EXPECT_EQ(stops, 0);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(RoutesWindow, ProcessWritesTheReportAndDisarms)
{
    OpenRoutes();
    Parts(*window).CurrencyEdit1->setValue(-80.5);
    Parts(*window).CurrencyEdit2->setValue(35.25);
    PickAndProcess({"A"});
    EXPECT_EQ(Report(), QStringList({"11/09/2005", "", "Route A  north", "", "New York", kNewYorkTimes}));
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.pointerMoves.isEmpty());
    EXPECT_FALSE(Parts(routes()).SpeedButton2->isEnabled());
    EXPECT_FALSE(Parts(routes()).ProcessArmed);
    EXPECT_EQ(Parts(*window).CurrencyEdit1->value(), 0);  // the fields are left empty
    EXPECT_EQ(Parts(*window).CurrencyEdit2->value(), 0);
    EXPECT_FALSE(Parts(*window).BatchCalc);
    EXPECT_TRUE(Parts(routes()).PieProgressBar1->isHidden());
}

TEST_F(RoutesWindow, TwoRoutesTheFirstMissing)
{
    OpenRoutes();
    QList<QPoint> pointerAtDialog;
    platform.onDialog = [&](const QString&) { pointerAtDialog = platform.pointerMoves; };
    routes().SetReportLines({QStringLiteral("Nope"), QStringLiteral("A")});  // typed by the user
    Parts(routes()).SpeedButton2->setEnabled(true);
    Process();
    EXPECT_EQ(platform.messages, QStringList({"File:Nope.txt not found"}));
    EXPECT_EQ(pointerAtDialog, QList<QPoint>({QPoint(970, 570)}));  // on the warning's OK button
    EXPECT_EQ(Report(), QStringList({"11/09/2005", "", "Route A  north", "", "New York", kNewYorkTimes}));
}

TEST_F(RoutesWindow, PointerTargetsFollowTheVirtualDesktop)
{
    // A screen left of the primary one: the desktop starts at a negative x.
    platform.desktop = QRect(-1920, 0, 3840, 1080);
    OpenRoutes();
    routes().SetReportLines({QStringLiteral("Nope")});
    Parts(routes()).SpeedButton2->setEnabled(true);
    Process();
    routes().SpeedButton1Click();
    EXPECT_EQ(platform.pointerMoves, QList<QPoint>({QPoint(10, 570), QPoint(-30, 570)}));
}

TEST_F(RoutesWindow, BadStopLinesAbandonTheRouteAtThatLine)
{
    const struct {
        const char* name;
        const char* line;
        const char* reason;
    } cases[] = {
        {"no blank", "  Bad, NY   [40.70-74.00]", "no blank between latitude and longitude in '40.70-74.00'"},
        {"no minus", "  Bad, NY   [40.70 74.00]", "no minus sign before the longitude in '40.70 74.00'"},
        {"not a number", "  Bad, NY   [40.7x -74.00]", "'40.7x' is not a valid floating point value"},
        {"no closing bracket", "  Bad, NY   [40.70 -74.00", "the '[' has no closing ']'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages.clear();
        WriteRoute("Bad", {"Bad route", kNewYork, c.line, kNewYork, "After"});
        OpenRoutes();
        routes().SetReportLines({QStringLiteral("Bad"), QStringLiteral("A")});
        Parts(routes()).SpeedButton2->setEnabled(true);
        Process();
        EXPECT_EQ(platform.messages, QStringList({QStringLiteral("File:Bad.txt line 3: ") + c.reason}));
        EXPECT_EQ(Report(), QStringList({"11/09/2005", "", "Bad route", kNewYorkTimes, "Route A  north", "",
                                         "New York", kNewYorkTimes}));
    }
}

TEST_F(RoutesWindow, StopLineTextAfterTheBracketIsDroppedAndPlainLinesStay)
{
    WriteRoute("B", {"exit 12] closed", "  New York, NY   [40.70 -74.00] TS PI", "[ignored"});
    OpenRoutes();
    PickAndProcess({"B"});
    // The last line is a stop line without "]": a warning, after the good lines.
    EXPECT_EQ(Report(), QStringList({"11/09/2005", "", "exit 12] closed", kNewYorkTimes}));
    EXPECT_EQ(platform.messages, QStringList({"File:B.txt line 3: the '[' has no closing ']'"}));
}

TEST_F(RoutesWindow, ZeroCoordinatesKeepWhatTheLabelsHold)
{
    WriteRoute("B", {"  Zero lat 1  [0 -74.00]", kNewYork, "  Zero lat 2  [0 -74.00]", kNewYork,
                     "  Zero lon    [40.70 -0]"});
    OpenRoutes();
    PickAndProcess({"B"});
    EXPECT_EQ(Report(), QStringList({
                            "11/09/2005", "",
                            "  Zero lat 1    Rise  Set",  // the longitude changed: capitals
                            kNewYorkTimes,
                            "  Zero lat 2    rise  set",  // only the latitude changed
                            kNewYorkTimes,
                            "  Zero lon      Rise  Set",  // latitude, then longitude changed
                        }));
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(RoutesWindow, TheSameRouteTwiceIsProcessedTwice)
{
    OpenRoutes();
    PickAndProcess({"A", "A"});
    EXPECT_EQ(Report(), QStringList({"11/09/2005", "", "Route A  north", "", "New York", kNewYorkTimes,
                                     "Route A  north", "", "New York", kNewYorkTimes}));
}

TEST_F(RoutesWindow, CalcMessagesShowDuringTheBatch)
{
    WriteRoute("Polar", {"  Barrow, AK   [71.30 -156.80]", kNewYork});
    WriteRoute("Highways", {"A", "Polar"});
    OpenRoutes(kAlaska);
    Parts(*window).DateEdit1->setDate(QDate(2005, 12, 21));
    PickAndProcess({"Polar"});
    EXPECT_EQ(platform.messages, QStringList({"Sun up or down all day"}));
    EXPECT_TRUE(platform.pointerMoves.isEmpty());  // only the route warnings move it
    ASSERT_EQ(Report().size(), 4);
    EXPECT_EQ(Report()[2], "  Barrow, AK     Rise  Set");  // no times: the labels as the fields left them
}

// A thousand polar stops would be a thousand boxes: Cancel on one ends the batch there,
// the lines done stay and the routes after it are not read. The box's ghost does not
// stay over the report: the window is repainted under it before the batch goes on.
TEST_F(RoutesWindow, CancelOnAMessageEndsTheBatch)
{
    WriteRoute("Polar", {"Polar", "  Barrow, AK   [71.30 -156.80]", "  Barrow, AK   [71.30 -156.80]"});
    WriteRoute("Highways", {"A", "Polar"});
    OpenRoutes(kAlaska);
    Parts(*window).DateEdit1->setDate(QDate(2005, 12, 21));
    int paints = 0;
    int paintsAtTheBox = -1;
    EventCounter counter(Parts(routes()).RichEdit1->viewport(), QEvent::Paint, paints);
    platform.onDialog = [&](const QString&) { paintsAtTheBox = paints; };
    platform.confirmAnswer = false;  // Cancel
    routes().SetReportLines({QStringLiteral("Polar"), QStringLiteral("A")});
    Parts(routes()).SpeedButton2->setEnabled(true);
    Process();
    EXPECT_EQ(platform.messages, QStringList({"Sun up or down all day"}));
    EXPECT_EQ(Report(), QStringList({"12/21/2005", "", "Polar", "  Barrow, AK     Rise  Set"}));
    EXPECT_GT(paints, paintsAtTheBox);

    // OK goes on: both stops, then the next route.
    Parts(routes()).SpeedButton1->click();
    platform.messages.clear();
    platform.confirmAnswer = true;
    routes().SetReportLines({QStringLiteral("Nope"), QStringLiteral("Polar"), QStringLiteral("A")});
    Parts(routes()).SpeedButton2->setEnabled(true);
    Process();
    EXPECT_EQ(platform.messages, QStringList({"File:Nope.txt not found", "Sun up or down all day",
                                              "Sun up or down all day"}));
    EXPECT_EQ(Report().size(), 2 + 3 + 4);
}

TEST_F(RoutesWindow, APickAfterABatchAppendsButProcessStaysOffUntilAConfirmedClear)
{
    OpenRoutes();
    PickAndProcess({"A"});
    Pick(QStringLiteral("B"));
    EXPECT_EQ(Report().size(), 7);
    EXPECT_EQ(Report().last(), "B");
    EXPECT_FALSE(Parts(routes()).SpeedButton2->isEnabled());

    platform.confirmAnswer = false;
    Parts(routes()).SpeedButton1->click();
    Pick(QStringLiteral("B"));
    EXPECT_FALSE(Parts(routes()).SpeedButton2->isEnabled());

    platform.confirmAnswer = true;
    Parts(routes()).SpeedButton1->click();
    EXPECT_TRUE(Parts(routes()).ProcessArmed);
    Pick(QStringLiteral("A"));
    EXPECT_TRUE(Parts(routes()).SpeedButton2->isEnabled());
    EXPECT_EQ(Report(), QStringList({"A"}));
}

TEST_F(RoutesWindow, Reverse)
{
    OpenRoutes();
    const struct {
        const char* name;
        QStringList before;
        QStringList after;
    } cases[] = {
        {"a report", {"11/09/2005", "", "a", "b", "c"}, {"11/09/2005", "", "c", "b", "a"}},
        {"a report ending in an empty line", {"d", "", "a", "b", ""}, {"d", "", "", "b", "a"}},
        {"route names: the first heads, the second goes", {"I-80", "I-76", "I-95", "I-5"}, {"I-80", "", "I-5", "I-95"}},
        {"the header alone", {"d", ""}, {"d", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        routes().SetReportLines(c.before);
        Parts(routes()).SpeedButton4->click();
        EXPECT_EQ(Report(), c.after);
    }
    // Twice gives back the report.
    for (const QStringList& report : {QStringList({"d", "", "a", "b", "c"}), QStringList({"d", "", "a", "b", ""})}) {
        routes().SetReportLines(report);
        Parts(routes()).SpeedButton4->click();
        Parts(routes()).SpeedButton4->click();
        EXPECT_EQ(Report(), report);
    }
    Parts(routes()).RichEdit1->clear();
    Parts(routes()).SpeedButton4->click();
    EXPECT_TRUE(Parts(routes()).RichEdit1->toPlainText().isEmpty());
}

TEST_F(RoutesWindow, ClearOnAnEmptyBoxAsksNothingAndDisablesProcess)
{
    OpenRoutes();
    Pick(QStringLiteral("A"));
    Parts(routes()).RichEdit1->clear();  // the user deleted the names
    Parts(routes()).SpeedButton1->click();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.pointerMoves.isEmpty());
    EXPECT_FALSE(Parts(routes()).SpeedButton2->isEnabled());

    // Process on an empty box does nothing at all.
    Parts(routes()).SpeedButton2->setEnabled(true);
    Process();
    EXPECT_TRUE(Parts(routes()).RichEdit1->toPlainText().isEmpty());
    EXPECT_TRUE(Parts(routes()).ProcessArmed);
    EXPECT_TRUE(Parts(routes()).SpeedButton2->isEnabled());
}

TEST_F(RoutesWindow, ClearConfirmedAndCancelled)
{
    for (const bool confirmed : {false, true}) {
        SCOPED_TRACE(confirmed ? "confirmed" : "cancelled");
        OpenRoutes();
        platform.messages.clear();
        platform.pointerMoves.clear();
        QList<QPoint> pointerAtDialog;
        platform.onDialog = [&](const QString&) { pointerAtDialog = platform.pointerMoves; };
        platform.confirmAnswer = confirmed;
        Pick(QStringLiteral("A"));
        Process();
        Parts(routes()).SpeedButton1->click();
        EXPECT_EQ(platform.messages, QStringList({"Clear memo?"}));
        EXPECT_EQ(pointerAtDialog, QList<QPoint>({QPoint(930, 570)}));
        EXPECT_EQ(Parts(routes()).RichEdit1->toPlainText().isEmpty(), confirmed);
        EXPECT_EQ(Parts(routes()).ComboBox1->currentText(), confirmed ? "" : "A");
        EXPECT_EQ(Parts(routes()).ProcessArmed, confirmed);
        platform.onDialog = nullptr;
    }
}

TEST_F(RoutesWindow, CloseAndReopenKeepTheBoxAndRefreshListAndCaption)
{
    OpenRoutes();
    PickAndProcess({"A"});
    Pick(QStringLiteral("B"));
    const QStringList box = Report();
    Parts(routes()).SpeedButton53->click();
    EXPECT_FALSE(routes().isVisible());
    EXPECT_TRUE(window->isVisible());  // closing gives the main window back

    Parts(*window).SpeedButton56->click();  // next day
    WriteRoute("Highways", {"A", "B", "I-80", "I-90"});
    window->hide();
    routes().show();
    EXPECT_EQ(Report(), box);
    EXPECT_FALSE(Parts(routes()).ProcessArmed);
    EXPECT_FALSE(Parts(routes()).SpeedButton2->isEnabled());
    EXPECT_EQ(Parts(routes()).SpeedButton2->text(), "Process 11/10/2005");
    EXPECT_EQ(Parts(routes()).ComboBox1->count(), 4);
}

// What the bar shows at each of its paints.
struct BarPaint {
    double max;
    double position;
    QString caption;
};

class BarPaints : public QObject {
public:
    explicit BarPaints(TPieProgressBar* bar)
        : m_bar(bar)
    {
        bar->installEventFilter(this);
    }
    std::vector<BarPaint> paints;
    std::function<void()> onFirstPaint;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_bar && event->type() == QEvent::Paint) {
            paints.push_back({m_bar->Max(), m_bar->Position(), m_bar->Caption()});
            if (paints.size() == 1 && onFirstPaint)
                onFirstPaint();
        }
        return false;
    }

private:
    TPieProgressBar* m_bar;
};

TEST_F(RoutesWindow, TheBarCountsTheLinesOfEachRoute)
{
    WriteRoute("B", {"Route B", kNewYork, kNewYork});
    OpenRoutes();
    BarPaints bar(Parts(routes()).PieProgressBar1);
    PickAndProcess({"A", "B"});

    // Each route repaints as it starts, then at every line after the first; the bar
    // never reaches the end of a route.
    // Between two routes the bar repaints at once for the new Max and Position, and
    // with the new route's name.
    const std::vector<std::tuple<double, double, QString>> expected = {
        {4, 0, "0   -  4  -  A"}, {4, 1, "1   -  4  -  A"}, {4, 2, "2   -  4  -  A"}, {4, 3, "3   -  4  -  A"},
        {3, 3, "3   -  4  -  A"}, {3, 0, "0   -  4  -  A"},
        {3, 0, "0   -  3  -  B"}, {3, 1, "1   -  3  -  B"}, {3, 2, "2   -  3  -  B"},
    };
    std::vector<std::tuple<double, double, QString>> seen;
    for (const BarPaint& p : bar.paints)
        seen.emplace_back(p.max, p.position, p.caption);
    // A repaint of the bar outside the synchronous ones (the window's own) may add a
    // copy of a state; what matters is the sequence of distinct states.
    seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(Parts(routes()).PieProgressBar1->isHidden());
}

TEST_F(RoutesWindow, ProcessHandlesPendingEventsOnceAndThenNeverYields)
{
    OpenRoutes();
    BarPaints bar(Parts(routes()).PieProgressBar1);
    Pick(QStringLiteral("A"));
    bool pendingRan = false;
    bool barShownWhenPendingRan = true;
    QTimer::singleShot(0, &routes(), [&] {
        pendingRan = true;
        barShownWhenPendingRan = Parts(routes()).PieProgressBar1->isVisible();
    });
    bool lateRan = false;
    bar.onFirstPaint = [&] { QTimer::singleShot(0, &routes(), [&] { lateRan = true; }); };
    Process();
    EXPECT_TRUE(pendingRan);  // the one pass came before the batch
    EXPECT_FALSE(barShownWhenPendingRan);
    ASSERT_FALSE(bar.paints.empty());
    EXPECT_FALSE(lateRan);  // posted during the batch, still waiting when it ended
    QCoreApplication::processEvents();
    EXPECT_TRUE(lateRan);
}

TEST_F(RoutesWindow, TheRoutesButtonHidesTheMainWindowAndPutsItBack)
{
    Open();
    EXPECT_TRUE(Parts(*window).SpeedButton58->isEnabled());
    window->move(140, 90);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QPoint place = window->pos();

    bool mainHidden = false;
    bool routesModal = false;
    ModalWatchdog::OnNextModal([&](QWidget* modal) {
        routesModal = modal == &routes();
        mainHidden = !window->isVisible();
        window->move(0, 0);  // wherever it went meanwhile, it comes back
        Parts(routes()).SpeedButton53->click();
    });
    Parts(*window).SpeedButton58->click();
    EXPECT_TRUE(routesModal);
    EXPECT_TRUE(mainHidden);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(routes().isVisible());
    EXPECT_EQ(window->pos(), place);
    window->hide();
}

// Pages of a PDF file as its page objects count them.
int PdfPages(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QString pdf = QString::fromLatin1(f.readAll());
    return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

// The paper a page is printed on, "612x792" for US Letter, from the PDF's media box.
QString PdfPaper(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                                          .match(QString::fromLatin1(f.readAll()));
    return m.hasMatch() ? QStringLiteral("%1x%2").arg(qRound(m.captured(1).toDouble())).arg(qRound(m.captured(2).toDouble()))
                        : QString();
}

// The sheet starts on the paper of the locale's country: Letter in the US and where no
// country is named, A4 elsewhere.
TEST_F(RoutesWindow, PrintedPagesAreLetterOrA4ByTheLocale)
{
    OpenRoutes();
    PickAndProcess({"A"});
    const QByteArray saved = qgetenv("LC_ALL");
    const struct {
        const char* locale;
        const char* paper;
    } rows[] = {{"en_US.UTF-8", "612x792"}, {"C", "612x792"}, {"de_DE.UTF-8", "595x842"}, {"en_CA.UTF-8", "612x792"}};
    for (const auto& r : rows) {
        qputenv("LC_ALL", r.locale);
        Parts(routes()).SpeedButton52->click();
        EXPECT_EQ(PdfPaper(platform.printFile), r.paper) << r.locale;
    }
    qputenv("LC_ALL", saved);
}

TEST_F(RoutesWindow, PrintCancelledPrintsNothing)
{
    OpenRoutes();
    PickAndProcess({"A"});
    platform.printerAnswer = false;
    Parts(routes()).SpeedButton52->click();
    EXPECT_EQ(platform.printerSetups, 1);
    EXPECT_TRUE(platform.printFile.isEmpty());
    EXPECT_FALSE(QFile::exists(platform.folder + QStringLiteral("print.pdf")));
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(RoutesWindow, PrintConfirmedWritesEveryLineOnPages)
{
    OpenRoutes();
    PickAndProcess({"A"});
    Parts(routes()).SpeedButton52->click();
    EXPECT_EQ(platform.printerSetups, 1);
    ASSERT_FALSE(platform.printFile.isEmpty());
    EXPECT_EQ(PdfPages(platform.printFile), 1);
    EXPECT_TRUE(platform.messages.isEmpty());

    // A long report runs over several pages: a 10-point line is about 1/6 inch, so
    // 300 lines take more than three pages and fewer than eight on any paper size.
    QStringList report{QStringLiteral("11/09/2005"), QString()};
    for (int i = 0; i < 300; ++i)
        report << QStringLiteral("  Stop %1  6:36A  4:44P").arg(i);
    routes().SetReportLines(report);
    QFile::remove(platform.printFile);
    Parts(routes()).SpeedButton52->click();
    const int pages = PdfPages(platform.printFile);
    EXPECT_GT(pages, 3);
    EXPECT_LT(pages, 8);
    EXPECT_EQ(routes().PageHeading().date, "11/09/2005");
}

TEST_F(RoutesWindow, PrintedPagesCarryTheMainWindowsDateBeforeAReport)
{
    OpenRoutes();
    Pick(QStringLiteral("A"));
    Parts(*window).DateEdit1->setDate(QDate(2005, 12, 24));
    EXPECT_EQ(routes().PageHeading().date, "12/24/2005");
    Process();
    Parts(*window).DateEdit1->setDate(QDate(2006, 1, 2));
    EXPECT_EQ(routes().PageHeading().date, "12/24/2005");  // the report's own date
}

TEST_F(RoutesWindow, TheLegendToggles)
{
    OpenRoutes();
    Parts(routes()).SpeedButton3->click();
    EXPECT_TRUE(Parts(routes()).SpeedButton3->isChecked());
    EXPECT_TRUE(Parts(routes()).Panel7->isVisible());
    Parts(routes()).SpeedButton3->click();
    EXPECT_FALSE(Parts(routes()).SpeedButton3->isChecked());
    EXPECT_FALSE(Parts(routes()).Panel7->isVisible());
}

TEST_F(RoutesWindow, TheLegendDrawsTheCodeLettersInMaroon)
{
    OpenRoutes();
    Parts(routes()).SpeedButton3->click();
    RouteLegend* legend = Parts(routes()).Panel7;
    const QImage image = legend->grab().toImage().convertToFormat(QImage::Format_RGB32);
    auto count = [&](const QRect& r, auto&& match) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += match(QColor(image.pixel(x, y))) ? 1 : 0;
        return n;
    };
    // Also the smoothed edges of a glyph over the legend's sand colour, which has far
    // more red than blue and about as much green as red.
    auto maroon = [](const QColor& c) { return c.red() - c.green() > 50 && c.red() - c.blue() > 50; };
    auto navy = [](const QColor& c) { return c.blue() - c.red() > 20 && c.blue() - c.green() > 20; };

    const auto& lines = RouteLegend::Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "Legend:  TruckStop, TruckFuel, Flying J,");
    EXPECT_EQ(lines[1].text, "LoVes, PIlot, TA, PEtro, RipGriffin");
    EXPECT_EQ(lines[2].text, "(Note: Stop data may become obsolete.)");
    // The marks of the home times with "Local times".
    EXPECT_EQ(lines[3].text, "Local times: * the evening before, + the day after (home)");
    QString codes;
    for (const auto& line : lines)
        for (const int at : line.codeLetters)
            codes += line.text.at(at);
    EXPECT_EQ(codes, "TSTFFJLVPITAPERG");

    for (int l = 0; l < static_cast<int>(lines.size()); ++l) {
        const auto& line = lines[static_cast<size_t>(l)];
        // Each line within the panel, inside its frame.
        const QRect last = legend->LetterRect(l, static_cast<int>(line.text.size()) - 1);
        EXPECT_LE(last.right(), legend->contentsRect().right()) << l;
        EXPECT_LE(last.bottom(), legend->contentsRect().bottom()) << l;
        for (int at = 0; at < line.text.size(); ++at) {
            if (line.text.at(at).isSpace() || !line.text.at(at).isLetter())
                continue;
            const QRect r = legend->LetterRect(l, at);
            const bool code = std::find(line.codeLetters.begin(), line.codeLetters.end(), at) != line.codeLetters.end();
            SCOPED_TRACE(QStringLiteral("line %1 letter %2 '%3'").arg(l).arg(at).arg(line.text.at(at)).toStdString());
            if (code) {
                EXPECT_GT(count(r, maroon), 0);
            } else {
                // A neighbour's edge may reach a pixel into the cell.
                if (r.width() > 4) {
                    EXPECT_EQ(count(r.adjusted(2, 0, -2, 0), maroon), 0);
                }
                EXPECT_GT(count(r, navy), 0);
            }
        }
    }
}

TEST_F(RoutesWindow, EveryShippedRouteProcessesOnAWinterDateWithoutAWarning)
{
    const QDir data(QStringLiteral(DAWNRULE_SOURCE_DIR "/data"));
    QFile::remove(platform.folder + QStringLiteral("Highways.txt"));
    ASSERT_TRUE(QFile::copy(data.filePath(QStringLiteral("Highways.txt")), platform.folder + "Highways.txt"));
    int fileLines = 0;
    int stopLines = 0;
    for (const QString& name : data.entryList({QStringLiteral("I-*.txt")})) {
        ASSERT_TRUE(QFile::copy(data.filePath(name), platform.folder + name));
        QFile f(data.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        for (const QByteArray& line : f.readAll().split('\n')) {
            fileLines += line.endsWith('\r') ? 1 : 0;
            stopLines += line.contains('[') ? 1 : 0;
        }
    }
    platform.clock = QDateTime(QDate(2026, 1, 15), QTime(9, 0));
    OpenRoutes(kCentral);
    ASSERT_EQ(Parts(routes()).ComboBox1->count(), 41);
    for (int i = 0; i < Parts(routes()).ComboBox1->count(); ++i)
        Pick(Parts(routes()).ComboBox1->itemText(i));
    Process();
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join(QLatin1Char('\n')).toStdString();
    const QStringList report = Report();
    EXPECT_EQ(report.size(), 2 + fileLines);
    EXPECT_EQ(report.first(), "01/15/2026");
    // Every stop with both times of a winter day.
    const QRegularExpression times(QStringLiteral("  \\d{1,2}:\\d\\dA  \\d{1,2}:\\d\\dP$"));
    int timed = 0;
    for (const QString& line : report.mid(2)) {
        timed += line.contains(times) ? 1 : 0;
        EXPECT_FALSE(line.contains(QLatin1Char('['))) << line.toStdString();
    }
    EXPECT_EQ(timed, stopLines);
    EXPECT_GT(stopLines, 1000);
}

// The window and the command line give the same report for the same settings.
TEST_F(RoutesWindow, SameReportAsTheCommandLine)
{
    WriteRoute("Mixed", {"Mixed  west to east", "", "  Barrow, AK      [71.30 -156.80]", "  Zero, XX        [0 -74.00]",
                         kNewYork, "  Espa\xf1ola, NM    [35.99 -106.08] TS", "  Chicago, IL     [41.85 -87.65]",
                         "  Bad, XX         [41.85 87.65]", "  Never, XX       [41.00 -80.00]"});
    WriteRoute("Paris", {"  Paris           [48.85 -2.35]", "  Anchorage, AK   [61.22 -149.90]"});
    const QStringList names{"Mixed", "Missing", "A", "Paris", "Mixed"};
    const struct {
        const char* date;
        int offsetIndex;
        const char* offset;
        bool military;
    } cases[] = {
        {"11/09/2005", kEastern, "-5", false},
        {"06/21/2005", kCentral, "-6", true},
        {"12/21/2005", kAlaska, "-9", false},
        {"05/07/2005", kAlaska, "-9", true},
        {"01/15/2026", kGmtPlus1, "1", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.offset + (c.military ? " military" : ""));
        platform.messages.clear();
        OpenRoutes(c.offsetIndex);
        Parts(*window).DateEdit1->setDate(QDate::fromString(QString::fromLatin1(c.date), QStringLiteral("MM/dd/yyyy")));
        Parts(*window).CheckBox3->setChecked(c.military);
        routes().SetReportLines(names);
        Parts(routes()).SpeedButton2->setEnabled(true);
        Process();
        const std::string windowReport = Utf8ToCp1252((Parts(routes()).RichEdit1->toPlainText() + "\n").toStdString());

        std::vector<std::string> args = {"route", "--date", c.date, "--offset", c.offset, "--folder",
                                          platform.folder.toStdString()};
        if (c.military)
            args.push_back("--military");
        for (const QString& n : names)
            args.push_back(n.toStdString());
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(args, out, err), 1);  // Missing and Bad fail
        EXPECT_EQ(out.str(), windowReport);

        // The command names the stop of each of Calc's messages; the window does not.
        QStringList commandMessages;
        std::istringstream lines(err.str());
        const QRegularExpression stop(QStringLiteral("^dawnrule-cli route: (?:(?!File:)[^:]*\\.txt line \\d+: )?"));
        for (std::string line; std::getline(lines, line);)
            commandMessages << QString::fromStdString(line).remove(stop);
        EXPECT_EQ(commandMessages, platform.messages);
        EXPECT_TRUE(platform.messages.contains("File:Missing.txt not found"));
    }
}

} // namespace
} // namespace dawnrule::test
