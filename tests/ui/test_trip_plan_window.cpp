// The Trip Plan window, opened from the Routes window's "Plan" on the shipped I-40: the
// plan it shows is the one dawnrule-cli plan prints, its inputs last between runs, its
// tables grow with the window, and it prints landscape with the plan's heading.
#include "app/qt_zone_clock.h"
#include "cli/cli_commands.h"
#include "common/text_file.h"
#include "controls/combo_box.h"
#include "controls/date_edit.h"
#include "trip/trip_plan_text.h"
#include "windows/ttripplan.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>

#include <sstream>

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
        for (const char* name : {"I-40.txt", "Daylight.txt"})
            QFile::copy(QStringLiteral(DAWNRULE_SOURCE_DIR "/data/") + QLatin1String(name), platform.folder + QLatin1String(name));
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

    TTripPlan& plan() { return *Parts(windows->routes).TripPlan; }
    TripPlanParts ui() { return Parts(plan()); }
};

TEST_F(TripPlanWindow, PlanOpensForTheRoutesNamedAndShowsWhatTheCommandLinePrints)
{
    windows->routes.SetReportLines({QStringLiteral("I-40")});
    std::vector<std::string> csv;
    ModalWatchdog::OnNextModal([&](QWidget* w) {
        EXPECT_EQ(w, &plan());
        EXPECT_EQ(w->windowTitle(), "Trip Plan");
        // From and To hold every stop of the route, the kept ones chosen.
        EXPECT_EQ(ui().FromList->itemText(0), "Barstow, CA");
        EXPECT_EQ(ui().FromList->currentText(), "Oklahoma City, OK");
        EXPECT_EQ(ui().ToList->currentText(), "Flagstaff, AZ");
        EXPECT_EQ(ui().DepartDate->date(), QDate(2026, 12, 21));  // the main window's date
        platform.saveAnswer = platform.folder + QStringLiteral("plan.csv");
        ui().SaveButton->click();
        csv = ReadTextLines(platform.saveAnswer.toStdString());
        ui().CloseButton->click();
    });
    Parts(windows->routes).SpeedButton5->click();
    ASSERT_TRUE(plan().Plan());
    EXPECT_EQ(plan().Plan()->days.size(), 2u);  // Oklahoma City to Moriarty, then Flagstaff
    EXPECT_EQ(ui().DaysTable->model()->rowCount(), 2);
    EXPECT_EQ(ui().StopsTable->model()->rowCount(), static_cast<int>(plan().Plan()->rows.size()));
    EXPECT_EQ(ui().StopsTable->model()->index(0, 2).data().toString(), "Oklahoma City, OK");
    EXPECT_TRUE(ui().Header->text().contains(QStringLiteral("home: Central, CST/CDT")));
    EXPECT_TRUE(platform.saveSuggestions.value(0).endsWith(QStringLiteral(".csv")));

    // The home place's zone, the first legal minute: the command line's plan, row for row.
    QtZoneDatabase zones;
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"plan", "--from", "Oklahoma City, OK", "--to", "Flagstaff, AZ", "--depart", "12/21/2026",
                      "--home-zone", "America/Chicago", "--csv", "--folder", platform.folder.toStdString(), "I-40"},
                     out, err, &zones),
              0)
        << err.str();
    std::vector<std::string> cli;
    std::istringstream lines(out.str());
    for (std::string l; std::getline(lines, l);)
        cli.push_back(l);
    EXPECT_EQ(csv, cli);
}

TEST_F(TripPlanWindow, InputsAreKeptBetweenRunsInAFileOfTheirOwn)
{
    const QByteArray parm = ReadParm();
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    ui().Speed->setValue(45);
    ui().Rest->setChecked(true);
    ui().FirstMinute->setChecked(false);
    ui().DepartTime->setTime(QTime(8, 15));
    ui().ToList->setItemIndex(ui().ToList->findText(QStringLiteral("Amarillo, TX")));
    ui().PlanButton->click();
    ASSERT_TRUE(plan().Plan());
    EXPECT_EQ(plan().Plan()->options.mph, 45);
    EXPECT_EQ(plan().Plan()->to, "Amarillo, TX");

    // Opened again: the inputs as they were left; Parm.dat untouched.
    ui().Speed->setValue(60);
    ui().ToList->setItemIndex(0);
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    EXPECT_EQ(ui().Speed->value(), 45);
    EXPECT_TRUE(ui().Rest->isChecked());
    EXPECT_FALSE(ui().FirstMinute->isChecked());
    EXPECT_EQ(ui().DepartTime->time(), QTime(8, 15));
    EXPECT_EQ(ui().ToList->currentText(), "Amarillo, TX");
    EXPECT_EQ(ReadParm(), parm);

    // Without the home place the home clock is the main window's offset, and says so.
    windows->home.SetPlace({});
    ui().PlanButton->click();
    ASSERT_TRUE(plan().Plan());
    EXPECT_EQ(plan().Plan()->homeCaption, "home: GMT +0:00");
}

TEST_F(TripPlanWindow, TablesGrowWithTheWindowAndThePlanPrintsLandscape)
{
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
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
    WriteFile("Daylight.txt", Lines({"TX  -30  +30", "OK  soon"}));
    ASSERT_TRUE(plan().Prepare({QStringLiteral("I-40")}));
    EXPECT_FALSE(plan().Plan());
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("line 2")));
    EXPECT_FALSE(ui().PrintButton->isEnabled());

    platform.messages.clear();
    EXPECT_FALSE(plan().Prepare({QStringLiteral("I-404")}));
    EXPECT_EQ(platform.messages, QStringList({"File:I-404.txt not found"}));

    // No route named: "Plan" says what to do first.
    platform.messages.clear();
    windows->routes.SetReportLines({});
    Parts(windows->routes).SpeedButton5->click();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith(QStringLiteral("Pick the routes")));
}

} // namespace
} // namespace dawnrule::test
