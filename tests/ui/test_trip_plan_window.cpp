// The Trip Plan window, opened from the Routes window's "Plan": it opens without
// planning, plans what dawnrule-cli plan prints (its CSV byte for byte), keeps its
// inputs, shows what was typed and answers a value out of range with the command line's
// message, draws the plan at a glance, prints it on the first page, and says what is
// wrong with the data it plans from.
#include "app/qt_zone_clock.h"
#include "cli/cli_commands.h"
#include "common/text_file.h"
#include "controls/combo_box.h"
#include "locations/us_states.h"
#include "trip/route_path.h"
#include "trip/trip_plan_text.h"
#include "trip/trip_timeline.h"
#include "windows/background_work.h"
#include "windows/route_builder.h"
#include "windows/trip_plan_pages.h"
#include "windows/trip_timeline_view.h"
#include "windows/ttripplan.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QCompleter>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProgressDialog>
#include <QDateEdit>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QTableView>
#include <QTimeEdit>
#include <QToolButton>

#include <algorithm>
#include <sstream>
#include <thread>

namespace dawnrule::test {
namespace {

const HomeLocation kOklahomaCity{-97.52, 35.47, -6, 1};

class TripPlanWindow : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        WriteParm(Lines({"000000000000", "0", "-1", "0", "0", "0", "0"}));
        platform.clock = QDateTime(QDate(2026, 12, 21), QTime(9, 0));
        for (const char* name : {"I-40.txt", "I-35.txt", "Daylight.txt", "Curfews.txt", "U.txt"})
            QFile::copy(QStringLiteral(DAWNRULE_SOURCE_DIR "/data/") + QLatin1String(name), platform.folder + QLatin1String(name));
        for (const UsState& s : kUsStates)  // the towns of the route builder
            QFile::copy(QStringLiteral(DAWNRULE_SOURCE_DIR "/data/") + QString::fromStdString(StateFileName(s)),
                        platform.folder + QString::fromStdString(StateFileName(s)));
        WriteFile("TripPlan.dat", Lines({"from=Oklahoma City, OK", "to=Flagstaff, AZ"}));
        Open();
        windows->home.SetPlace(kOklahomaCity);
    }

    void WriteFile(const char* name, const QByteArray& bytes)
    {
        QFile f(platform.folder + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray ReadFile(const char* name)
    {
        QFile f(platform.folder + QLatin1String(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // dawnrule-cli plan's output over the window's folder.
    std::string Cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), "plan");
        args.insert(args.end(), {"--folder", platform.folder.toStdString()});
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(args, out, err, &zones), 0) << err.str();
        return out.str();
    }

    TTripPlan& plan() { return *Parts(windows->routes).TripPlan; }
    TripPlanParts ui() { return Parts(plan()); }

    QtZoneDatabase zones;
};

TEST_F(TripPlanWindow, OpensWithoutPlanningThenPlansWhatTheCommandLinePrints)
{
    windows->routes.SetReportLines({QStringLiteral("I-40")});
    const QByteArray kept = ReadFile("TripPlan.dat");
    QByteArray csv;
    ModalWatchdog::OnNextModal([&](QWidget* w) {
        EXPECT_EQ(w, &plan());
        EXPECT_EQ(w->windowTitle(), "Trip Plan");
        // Open: the lists hold every stop, the kept ones chosen; nothing planned or saved.
        EXPECT_EQ(ui().FromList->itemText(0), "Barstow, CA");
        EXPECT_EQ(ui().FromList->currentText(), "Oklahoma City, OK");
        EXPECT_EQ(ui().ToList->currentText(), "Flagstaff, AZ");
        EXPECT_EQ(ui().DepartDate->date(), QDate(2026, 12, 21));  // the main window's date
        EXPECT_FALSE(plan().Plan());
        EXPECT_FALSE(ui().PrintButton->isEnabled());
        EXPECT_EQ(ReadFile("TripPlan.dat"), kept);
        ui().PlanButton->click();
        platform.saveAnswer = platform.folder + QStringLiteral("plan.csv");
        ui().SaveButton->click();
        csv = ReadFile("plan.csv");
        ui().CloseButton->click();
    });
    Parts(windows->routes).SpeedButton5->click();
    ASSERT_TRUE(plan().Plan());
    EXPECT_EQ(ui().DaysTable->model()->rowCount(), static_cast<int>(plan().Plan()->days.size()));
    EXPECT_EQ(ui().StopsTable->model()->rowCount(), static_cast<int>(plan().Plan()->rows.size()));
    EXPECT_EQ(ui().StopsTable->model()->index(0, 2).data().toString(), "Oklahoma City, OK");
    EXPECT_TRUE(ui().Header->text().contains(QStringLiteral("home: Central, CST/CDT")));
    // Both home columns name the home clock.
    for (const int column : {6, 8})
        EXPECT_EQ(ui().StopsTable->model()->headerData(column, Qt::Horizontal).toString(), "Home CST/CDT");
    EXPECT_EQ(platform.saveSuggestions.value(0), "Trip plan Oklahoma City, OK to Flagstaff, AZ.csv");
    EXPECT_NE(ReadFile("TripPlan.dat"), kept);  // planned: the inputs are kept

    // The home place's zone, the first legal minute: the command line's CSV, byte for byte.
    EXPECT_EQ(csv.toStdString(), Cli({"--from", "Oklahoma City, OK", "--to", "Flagstaff, AZ", "--depart", "12/21/2026",
                                      "--home-zone", "America/Chicago", "--csv", "I-40"}));
    EXPECT_TRUE(csv.contains("\r\n"));
}

TEST_F(TripPlanWindow, InputsAreKeptBetweenRunsAndADamagedLineIsNamedOnce)
{
    const QByteArray parm = ReadParm();
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    ui().Speed->setText(QStringLiteral("45"));
    ui().Duty->setText(QStringLiteral("12"));
    ui().OffDuty->setText(QStringLiteral("11"));
    ui().Width->setText(QStringLiteral("14.5"));
    ui().Break->setChecked(true);
    ui().Rest->setChecked(true);
    ui().FirstMinute->setChecked(false);
    EXPECT_TRUE(ui().DepartTime->isEnabled());
    ui().DepartTime->setTime(QTime(8, 15));
    ui().ToList->setItemIndex(ui().ToList->findText(QStringLiteral("Amarillo, TX")));
    ui().PlanButton->click();
    ASSERT_TRUE(plan().Plan());
    const TripOptions& o = plan().Plan()->options;
    EXPECT_EQ(o.mph, 45);
    EXPECT_EQ(o.dutyHours, 12);
    EXPECT_EQ(o.offHours, 11);
    EXPECT_EQ(o.widthFeet, 14.5);
    EXPECT_TRUE(o.breaks && o.restSundaysAndHolidays);
    EXPECT_EQ(plan().Plan()->to, "Amarillo, TX");

    // Opened again: the inputs as they were left; Parm.dat untouched.
    ui().Speed->setText(QStringLiteral("60"));
    ui().ToList->setItemIndex(0);
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    EXPECT_EQ(ui().Speed->text(), "45");
    EXPECT_EQ(ui().Width->text(), "14.5");
    EXPECT_TRUE(ui().Rest->isChecked() && ui().Break->isChecked());
    EXPECT_FALSE(ui().FirstMinute->isChecked());
    EXPECT_TRUE(ui().DepartTime->isEnabled());
    EXPECT_EQ(ui().DepartTime->time(), QTime(8, 15));
    EXPECT_EQ(ui().ToList->currentText(), "Amarillo, TX");
    EXPECT_EQ(ReadParm(), parm);
    EXPECT_TRUE(platform.messages.isEmpty());

    // A damaged line costs its own input, with one message; the others stand.
    WriteFile("TripPlan.dat", Lines({"mph=fast", "duty=12", "hours=25"}));
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("line 1: --mph: 'fast'")));
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("line 3: --hours must be 0 for no limit")));
    EXPECT_EQ(ui().Speed->text(), "50");
    EXPECT_EQ(ui().Duty->text(), "12");
    // No file kept: From the first stop, To the last, the first legal minute.
    QFile::remove(platform.folder + QStringLiteral("TripPlan.dat"));
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    EXPECT_EQ(ui().FromList->currentText(), "Barstow, CA");
    EXPECT_EQ(ui().ToList->currentText(), "Wilmington, NC");
    EXPECT_TRUE(ui().FirstMinute->isChecked());
    EXPECT_FALSE(ui().DepartTime->isEnabled());
}

TEST_F(TripPlanWindow, FieldsShowWhatWasTypedAndPlanRefusesItWithTheCommandLinesMessage)
{
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    const struct {
        QLineEdit* field;
        const char* typed;
        const char* message;
    } rows[] = {
        {ui().Hours, "25", "--hours must be 0 for no limit, or lie between 1 and 24"},
        {ui().Hours, "0.5", "--hours must be 0 for no limit, or lie between 1 and 24"},
        {ui().Speed, "0", "--mph must lie between 1 and 100"},
        {ui().Duty, "15x", "--duty: '15x' is not a valid floating point value"},
        {ui().OffDuty, "0", "--off must lie between 1 and 72"},
        {ui().Width, "60", "--width must lie between 1 and 40"},
        {ui().RoadFactor, "0.5", "--road-factor must lie between 1 and 3"},
    };
    plan().show();
    for (const auto& r : rows) {
        const QString before = r.field->text();
        r.field->clear();
        QTest::keyClicks(r.field, QString::fromLatin1(r.typed));
        EXPECT_EQ(r.field->text(), r.typed);  // as typed, never cut to a range
        platform.messages.clear();
        ui().PlanButton->click();
        EXPECT_FALSE(plan().Plan()) << r.typed;
        EXPECT_EQ(platform.messages, QStringList{QString::fromLatin1(r.message)});
        EXPECT_EQ(r.field->text(), r.typed);
        r.field->setText(before);
    }
    // The departure date takes typing and the arrow keys.
    ui().DepartDate->setFocus();
    ui().DepartDate->setSelectedSection(QDateTimeEdit::MonthSection);
    QTest::keyClick(ui().DepartDate, Qt::Key_Down);
    EXPECT_EQ(ui().DepartDate->date(), QDate(2026, 11, 21));
    ui().DepartDate->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(ui().DepartDate, QStringLiteral("25"));
    EXPECT_EQ(ui().DepartDate->date(), QDate(2026, 11, 25));
    plan().hide();
}

TEST_F(TripPlanWindow, ListsHoldEachStopOnceAndTheHomePlacesOwnOffsetCounts)
{
    // I-35 and I-40 meet at Oklahoma City: it stands once in From and To.
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-35"), QStringLiteral("I-40")}));
    EXPECT_EQ(ui().FromList->count(), static_cast<int>(ReadTripRoute(platform.folder.toStdString(), "I-35").stops.size() +
                                                       ReadTripRoute(platform.folder.toStdString(), "I-40").stops.size() - 1));
    int okc = 0;
    for (int i = 0; i < ui().FromList->count(); ++i)
        okc += ui().FromList->itemText(i) == QStringLiteral("Oklahoma City, OK");
    EXPECT_EQ(okc, 1);

    // A home place far from every town has no zone: its own offset is the home clock.
    windows->home.SetPlace({-60.00, 30.00, -4, 12});
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    ui().PlanButton->click();
    ASSERT_TRUE(plan().Plan());
    EXPECT_EQ(plan().Plan()->homeCaption, "home: GMT -4:00");
}

TEST_F(TripPlanWindow, SavesCsvOnlyWhereAskedUnderANameWithoutSlashes)
{
    QFile route(platform.folder + QStringLiteral("Slash.txt"));
    ASSERT_TRUE(route.open(QIODevice::WriteOnly));
    route.write("  Amarillo, TX  [35.22 -101.83]\r\n  Tucumcari/Quay, NM  [35.17 -103.72]\r\n");
    route.close();
    ASSERT_TRUE(plan().Prepare({QStringLiteral("Slash")}));
    ui().PlanButton->click();
    ASSERT_TRUE(plan().Plan());
    platform.saveAnswer.clear();  // cancelled
    ui().SaveButton->click();
    EXPECT_EQ(platform.saveSuggestions.value(0), "Trip plan Amarillo, TX to Tucumcari-Quay, NM.csv");
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(QDir(platform.folder).entryList({QStringLiteral("*.csv")}), QStringList());
}

// The picture: a row per duty period, driving in navy where the plan drives.
TEST_F(TripPlanWindow, ThePlanAtAGlanceDrawsEachPeriodsDriving)
{
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    ui().PlanButton->click();
    ASSERT_TRUE(plan().Plan());
    const std::vector<TimelineRow>& rows = ui().Timeline->Rows();
    ASSERT_EQ(rows.size(), 2u);  // Oklahoma City to Moriarty, then Flagstaff
    const QImage image = ui().Timeline->grab().toImage();
    // The first row: standing until the first legal minute, then driving, in navy.
    ASSERT_EQ(rows[0].bars.front().kind, TripActivity::Kind::kBeforeStart);
    ASSERT_EQ(rows[0].bars[1].kind, TripActivity::Kind::kDrive);
    int navy = 0;
    for (int y = 0; y < image.height() / 2; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == QColor(0, 0, 128))
                ++navy;
        }
    }
    EXPECT_GT(navy, 200);

    // The first printed page carries the picture under its heading.
    const TripPlanPages pages = TripPlanPrintout(*plan().Plan());
    ASSERT_TRUE(pages.heading.picture);
    QImage paper(1100, 850, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    PaintReportPages(painter, paper.rect().adjusted(50, 50, -50, -50), pages.lines, pages.heading, [] { return false; });
    painter.end();
    int printedNavy = 0;
    for (int y = 0; y < paper.height() / 2; ++y) {
        for (int x = 0; x < paper.width(); ++x)
            printedNavy += paper.pixelColor(x, y) == QColor(0, 0, 128);
    }
    EXPECT_GT(printedNavy, 100);
    // Under the heading, the lines are the command line's text after its first three.
    std::vector<std::string> text = TripPlanTextLines(*plan().Plan());
    ASSERT_EQ(pages.lines.size(), static_cast<qsizetype>(text.size() - 3));
    for (size_t i = 3; i < text.size(); ++i)
        EXPECT_EQ(pages.lines[static_cast<qsizetype>(i - 3)].toStdString(), text[i]);
}

TEST_F(TripPlanWindow, TablesGrowWithTheWindowAndThePlanPrintsLandscape)
{
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    ui().PlanButton->click();
    plan().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plan()));
    const QSize table = ui().StopsTable->size();
    plan().resize(plan().width() + 200, plan().height() + 150);
    QTest::qWait(20);
    EXPECT_GT(ui().StopsTable->width(), table.width());
    EXPECT_GT(ui().StopsTable->height(), table.height());

    ui().PrintButton->click();
    QFile pdf(platform.printFile);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(pdf.readAll());
    // Letter, landscape.
    EXPECT_TRUE(bytes.contains(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 792(\\.0+)? 612(\\.0+)?\\]"))));
    plan().hide();
}

TEST_F(TripPlanWindow, DataThatCannotMakeAPlanIsShown)
{
    // Twelve damaged lines: the first ten, then how many more.
    QByteArray bad = "TX  -30  +30\r\n";
    for (int i = 0; i < 12; ++i)
        bad += "OK  soon\r\n";
    WriteFile("Daylight.txt", bad);
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    ui().PlanButton->click();
    EXPECT_FALSE(plan().Plan());
    ASSERT_EQ(platform.messages.size(), 1);
    const QStringList lines = platform.messages[0].split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 11);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("Daylight.txt line 2: 'soon' is neither minutes nor 'unknown' or 'none'")));
    EXPECT_TRUE(lines[10].endsWith(QStringLiteral("Daylight.txt: and 2 more lines it cannot read")));
    EXPECT_FALSE(ui().PrintButton->isEnabled());

    platform.messages.clear();
    EXPECT_FALSE(plan().Prepare({QStringLiteral("I-404")}));
    EXPECT_EQ(platform.messages, QStringList({"File:I-404.txt not found"}));

    // No path yet: "Plan" says how to give one.
    platform.messages.clear();
    ASSERT_TRUE(plan().Prepare({}));
    ui().PlanButton->click();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith(QStringLiteral("Path: none yet. Add towns in the route builder")));
}

// A permit's route off the Interstates, typed town by town: type-ahead over the state
// lists, the same name twice in a state told apart by its coordinates, rearranged,
// saved and opened again, then planned with the miles the permit gives.
TEST_F(TripPlanWindow, TheRouteBuilderPlansATownsRoute)
{
    ASSERT_TRUE(plan().Prepare({}));
    RouteBuilder& builder = *ui().Builder;
    RouteBuilderParts b = Parts(builder);
    plan().show();
    b.TownField->setFocus();
    // The list follows the typing, without regard to case.
    QTest::keyClicks(b.TownField, QStringLiteral("wichita f"));
    EXPECT_EQ(b.TownField->completer()->currentCompletion(), "Wichita Falls, TX");
    EXPECT_EQ(b.TownField->completer()->completionCount(), 1);
    // Taken from the list by Enter (the field sees the Enter too) or by a click: added once.
    emit b.TownField->completer()->activated(QStringLiteral("Wichita Falls, TX"));
    QTest::keyClick(b.TownField, Qt::Key_Return);
    QCoreApplication::processEvents();
    emit b.TownField->completer()->activated(QStringLiteral("Wichita Falls, TX"));
    QCoreApplication::processEvents();
    ASSERT_EQ(b.TownList->count(), 2);
    b.TownList->clear();
    b.TownField->clear();
    for (const char* town : {"amarillo, tx", "Wichita Falls, TX, 170", "Childress, TX", "Fort Worth, TX, 110"}) {
        b.TownField->setText(QString::fromLatin1(town));
        QTest::keyClick(b.TownField, Qt::Key_Return);
    }
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('/').toStdString();
    ASSERT_EQ(b.TownList->count(), 4);
    b.TownList->setCurrentRow(2);  // Childress goes before Wichita Falls
    b.UpButton->click();
    EXPECT_EQ(b.TownList->item(1)->text(), "Childress, TX");
    // A town not in the lists, and one whose name two towns of a state share.
    b.TownField->setText(QStringLiteral("Nowhere, TX"));
    QTest::keyClick(b.TownField, Qt::Key_Return);
    b.TownField->setText(QStringLiteral("Salem, AR"));
    QTest::keyClick(b.TownField, Qt::Key_Return);
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("Nowhere")));
    EXPECT_TRUE(platform.messages[1].contains(QStringLiteral("Salem, AR@")));
    EXPECT_EQ(b.TownList->count(), 4);
    EXPECT_EQ(ui().FromList->currentText(), "Amarillo, TX");
    EXPECT_EQ(ui().ToList->currentText(), "Fort Worth, TX");

    // Saved as a towns file, cleared, opened again.
    platform.saveAnswer = platform.folder + QStringLiteral("US-287.txt");
    b.SaveButton->click();
    EXPECT_EQ(ReadFile("US-287.txt"), Lines({"Amarillo, TX", "Childress, TX", "Wichita Falls, TX, 170", "Fort Worth, TX, 110"}));
    b.TownList->setCurrentRow(0);
    for (int i = 0; i < 4; ++i)
        b.RemoveButton->click();
    EXPECT_TRUE(ui().PathLabel->text().startsWith(QStringLiteral("Path: none yet.")));
    platform.openAnswer = platform.saveAnswer;
    b.OpenButton->click();
    ASSERT_EQ(b.TownList->count(), 4);
    EXPECT_EQ(ui().PathLabel->text(), "Path: the towns of the route builder");

    ui().PlanButton->click();
    ASSERT_TRUE(plan().Plan()) << platform.messages.join('/').toStdString();
    EXPECT_EQ(plan().Plan()->by, "towns");
    EXPECT_EQ(plan().Plan()->milesFrom, "miles as given, road factor 1.1 elsewhere");
    EXPECT_TRUE(ui().Header->text().contains(QStringLiteral("Amarillo, TX to Fort Worth, TX by towns")));
    const double amarilloChildress = plan().Plan()->rows[static_cast<size_t>(plan().Plan()->rows.size() - 3)].miles;
    EXPECT_NEAR(plan().Plan()->totalMiles - amarilloChildress, 280, 1e-9);  // 170 and 110 as given
    plan().hide();
}

// A GPS track opened as the route: the path is the file's, named so; the plan goes out
// again as GPX for the driver's GPS and as a calendar for the phone.
TEST_F(TripPlanWindow, ARouteFileIsThePathAndThePlanGoesToTheCab)
{
    QFile gpx(platform.folder + QStringLiteral("track.gpx"));
    ASSERT_TRUE(gpx.open(QIODevice::WriteOnly));
    gpx.write("<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"test\" xmlns=\"http://www.topografix.com/GPX/1/1\">"
              "<trk><trkseg>"
              "<trkpt lat=\"35.22\" lon=\"-101.83\"/><trkpt lat=\"35.19\" lon=\"-102.40\"/>"
              "<trkpt lat=\"35.17\" lon=\"-103.00\"/><trkpt lat=\"35.17\" lon=\"-103.72\"/>"
              "</trkseg></trk></gpx>\n");
    gpx.close();
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    platform.openAnswer = gpx.fileName();
    Parts(*ui().Builder).OpenButton->click();
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('/').toStdString();
    EXPECT_EQ(ui().PathLabel->text(), "Path: the file track.gpx");
    EXPECT_TRUE(ui().FromList->itemText(0).startsWith(QStringLiteral("near ")));
    ui().PlanButton->click();
    ASSERT_TRUE(plan().Plan()) << platform.messages.join('/').toStdString();
    EXPECT_EQ(plan().Plan()->by, "track.gpx");
    EXPECT_EQ(plan().Plan()->milesFrom, "miles along the track");

    platform.saveAnswer = platform.folder + QStringLiteral("out.gpx");
    ui().SaveGpxButton->click();
    platform.saveAnswer = platform.folder + QStringLiteral("out.ics");
    ui().SaveCalendarButton->click();
    EXPECT_EQ(platform.saveSuggestions.value(0).right(4), ".gpx");
    EXPECT_EQ(platform.saveSuggestions.value(1).right(4), ".ics");
    const QByteArray written = ReadFile("out.gpx");
    EXPECT_EQ(written.count("<wpt "), static_cast<qsizetype>(plan().Plan()->rows.size()) -
                                          static_cast<qsizetype>(std::count_if(plan().Plan()->rows.begin(), plan().Plan()->rows.end(),
                                                                               [](const TripStopRow& r) { return !r.arrive && !r.depart; })));
    EXPECT_TRUE(ReadFile("out.ics").startsWith("BEGIN:VCALENDAR\r\n"));
}

// Work that runs past half a second shows a progress window whose Cancel stops it.
TEST(BackgroundWork, ShowsProgressAfterHalfASecondAndCancelStopsIt)
{
    QWidget parent;
    ModalWatchdog::OnNextModal([](QWidget* w) {
        auto* progress = qobject_cast<QProgressDialog*>(w);
        ASSERT_NE(progress, nullptr);
        EXPECT_EQ(progress->labelText(), "Reading a long track...");
        progress->cancel();
    });
    QElapsedTimer ran;
    ran.start();
    const bool cancelled = RunInBackground(&parent, QStringLiteral("Reading a long track..."), [](const std::atomic<bool>& cancel) {
        for (int i = 0; i < 1000 && !cancel; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    });
    EXPECT_TRUE(cancelled);
    EXPECT_GE(ran.elapsed(), kProgressAfterMs);
    EXPECT_LT(ran.elapsed(), 5000);
    // Quick work shows nothing and passes on what it threw.
    EXPECT_THROW(RunInBackground(&parent, QStringLiteral("quick"), [](const std::atomic<bool>&) { throw std::runtime_error("x"); }),
                 std::runtime_error);
}

} // namespace
} // namespace dawnrule::test
