// The Routes window's "Local times": after the home texts of each stop, its own clock,
// and the same report as dawnrule-cli route --local.
#include "app/qt_zone_clock.h"
#include "app/zururuz.h"
#include "cli/cli_commands.h"
#include "common/cp1252.h"
#include "routes_fixture.h"
#include "windows/route_local_times.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <sstream>

namespace dawnrule::test {
namespace {

// "Local times": after the home texts of each stop, its own clock.
class RoutesLocalTimes : public RoutesWindow {
protected:
    void SetUp() override
    {
        RoutesWindow::SetUp();
        // Every label 18 characters wide: the columns start at fixed characters.
        WriteRoute("West", {"West  Amarillo to Phoenix", "", "Texas", "  Amarillo, TX    [35.22 -101.83] TS",
                            "  El Paso, TX     [31.76 -106.49]", "Gulf", "  Gulf            [25.00 -95.00]",
                            "Arizona", "  Phoenix, AZ     [33.45 -112.07] PI"});
        WriteRoute("Highways", {"A", "B", "I-80", "West"});
        platform.clock = QDateTime(QDate(2026, 1, 15), QTime(9, 0));
    }

    static QString Right(const std::string& text, int width)
    {
        return QString::fromStdString(text).rightJustified(width, QLatin1Char(' '));
    }
    // Minutes after midnight of a time text in either form ("7:26A", "0726").
    static int Minutes(QString text)
    {
        text = text.trimmed();
        if (!text.contains(QLatin1Char(':')))
            return text.left(2).toInt() * 60 + text.mid(2, 2).toInt();
        const int hour = text.section(QLatin1Char(':'), 0, 0).toInt() % 12;
        return (hour + (text.contains(QLatin1Char('P')) ? 12 : 0)) * 60 + text.section(QLatin1Char(':'), 1).left(2).toInt();
    }
    // The home rise and set columns of a stop line with local times.
    static QString Column(const QString& line, int labelWidth, int column)
    {
        static constexpr int kStart[] = {2, 13, 23, 35};
        static constexpr int kWidth[] = {9, 8, 10, 9};
        return line.mid(labelWidth + kStart[column], kWidth[column]);
    }

    static RouteRiseSet Old(double lon, double lat, double offset, const QDate& date, bool military = false)
    {
        ZuruRuzInput in;
        in.military = military;
        in.longitude = lon;
        in.latitude = lat;
        in.gmtOffset = offset;
        in.year = date.year();
        in.month = date.month();
        in.day = date.day();
        const ZuruRuzResult r = ComputeZuruRuz(in);
        return {r.riseText.value_or(""), r.setText.value_or("")};
    }
};

TEST_F(RoutesLocalTimes, TheCheckBoxSitsInTheBottomBarUnchecked)
{
    OpenRoutes();
    QCheckBox* box = Parts(routes()).CheckBox1;
    EXPECT_EQ(box->text(), "Local times");
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->parentWidget(), Parts(routes()).SpeedButton1->parentWidget());
    for (QToolButton* b : {Parts(routes()).SpeedButton1, Parts(routes()).SpeedButton52, Parts(routes()).SpeedButton53})
        EXPECT_FALSE(box->geometry().intersects(b->geometry())) << b->text().toStdString();
    EXPECT_LE(box->sizeHint().width(), box->width() + 2);  // the caption is not cut
}

// Home Central time, 01/15/2026: each stop line gets its local rise and set, computed
// here by the plain computation at the stop's own offset (the morning of the date, the
// evening of the date as the next date's set), and its zone.
TEST_F(RoutesLocalTimes, EachStopGetsItsOwnClockInAlignedColumns)
{
    OpenRoutes(kCentral);
    Parts(routes()).CheckBox1->setChecked(true);
    PickAndProcess({"West"});
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('/').toStdString();
    const QDate date(2026, 1, 15);
    const struct {
        const char* label;
        double lat, lon;
        double localOffset;  // 0: no zone
        const char* zone;
    } stops[] = {
        {"  Amarillo, TX    ", 35.22, -101.83, -6, "CST"},
        {"  El Paso, TX     ", 31.76, -106.49, -7, "MST"},  // another zone than home
        {"  Gulf            ", 25.00, -95.00, 0, nullptr},
        {"  Phoenix, AZ     ", 33.45, -112.07, -7, "MST"},
    };
    QStringList expected{"01/15/2026", "", "West  Amarillo to Phoenix", "", "Texas"};
    for (const auto& s : stops) {
        QString line = QString::fromLatin1(s.label) + "  ";
        if (s.zone) {
            const RouteRiseSet morning = Old(s.lon, s.lat, s.localOffset, date);
            const RouteRiseSet evening = Old(s.lon, s.lat, s.localOffset, date.addDays(1));
            // The home columns: the same two events, on the home clock.
            const int shift = static_cast<int>(-6 - s.localOffset) * 60;
            const QString rise = Right(morning.rise, 10), set = Right(evening.set, 9);
            const QString got = Report().value(static_cast<int>(expected.size()));
            EXPECT_EQ(Minutes(Column(got, 18, 0)), Minutes(rise) + shift) << s.label;
            EXPECT_EQ(Minutes(Column(got, 18, 1)), Minutes(set) + shift) << s.label;
            line += Column(got, 18, 0) + "  " + Column(got, 18, 1) + "  " + rise + "  " + set + "  " + s.zone;
        } else {
            // No zone: the date's own events in the home clock, the local columns empty.
            line += Right(Old(s.lon, s.lat, -6, date).rise, 9) + "  " + Right(Old(s.lon, s.lat, -6, date.addDays(1)).set, 8)
                    + QString(2 + 10 + 2 + 9 + 2, QLatin1Char(' ')) + "no zone";
        }
        expected << line;
        if (s.label[2] == 'E')
            expected << "Gulf";
        if (s.label[2] == 'G')
            expected << "Arizona";
    }
    EXPECT_EQ(Report(), expected);

    // The columns line up: every colon of a time at the same character in every line.
    QList<int> colons;
    for (const QString& line : Report()) {
        if (!line.contains(QLatin1Char(':')) || line.contains(QStringLiteral("no zone")))
            continue;
        QList<int> at;
        for (int i = 0; i < line.size(); ++i)
            if (line[i] == QLatin1Char(':'))
                at << i;
        if (colons.isEmpty())
            colons = at;
        EXPECT_EQ(at, colons) << line.toStdString();
    }
    EXPECT_EQ(colons.size(), 4);
    EXPECT_EQ(routes().PageHeading().clock, "home: Central (-6:00)   local: each stop's zone");
    EXPECT_EQ(routes().PageHeading().routes, "West");
    EXPECT_EQ(routes().PageHeading().columns,
              QString(20, QLatin1Char(' ')) + "Home rise  Home set  Local rise  Local set  Zone");
}

TEST_F(RoutesLocalTimes, TheChangeoverMorningAndMilitaryTime)
{
    OpenRoutes(kCentral);  // home stays on Central standard time, as a driver's log may
    Parts(*window).DateEdit1->setDate(QDate(2026, 3, 8));
    Parts(*window).CheckBox3->setChecked(true);
    Parts(routes()).CheckBox1->setChecked(true);
    PickAndProcess({"West"});
    const QStringList report = Report();
    ASSERT_EQ(report.size(), 11);
    const QDate date(2026, 3, 8);
    // Amarillo: rise after 2:00 became 3:00, so both its local times are an hour after home.
    const RouteRiseSet morning = Old(-101.83, 35.22, -5, date, true);
    const RouteRiseSet evening = Old(-101.83, 35.22, -5, date.addDays(1), true);
    EXPECT_EQ(Column(report[5], 18, 2), Right(morning.rise, 10));
    EXPECT_EQ(Column(report[5], 18, 3), Right(evening.set, 9));
    EXPECT_EQ(Minutes(Column(report[5], 18, 0)), Minutes(Right(morning.rise, 10)) - 60);
    EXPECT_EQ(Minutes(Column(report[5], 18, 1)), Minutes(Right(evening.set, 9)) - 60);
    EXPECT_TRUE(report[5].endsWith(QStringLiteral("  CDT")));
    EXPECT_EQ(morning.rise.size(), 4u);  // military
    EXPECT_TRUE(report[6].endsWith(QStringLiteral("MDT")));
    EXPECT_TRUE(report[10].endsWith(QStringLiteral("MST")));  // Phoenix keeps standard time
}

TEST_F(RoutesLocalTimes, UncheckedTheReportIsTheOldOneByteForByte)
{
    OpenRoutes(kEastern);
    PickAndProcess({"A", "West"});
    const QString never = Parts(routes()).RichEdit1->toPlainText();
    EXPECT_EQ(routes().PageHeading().clock, "Eastern (-5:00)");
    EXPECT_EQ(routes().PageHeading().routes, "A, West");

    // Checked for one batch, then unchecked again.
    Parts(routes()).SpeedButton1->click();  // Clear, confirmed
    Parts(routes()).CheckBox1->setChecked(true);
    PickAndProcess({"A", "West"});
    EXPECT_NE(Parts(routes()).RichEdit1->toPlainText(), never);
    EXPECT_EQ(routes().PageHeading().clock, "home: Eastern (-5:00)   local: each stop's zone");
    Parts(routes()).SpeedButton1->click();
    EXPECT_TRUE(routes().PageHeading().clock.isEmpty());  // the cleared report took its heading along
    Parts(routes()).CheckBox1->setChecked(false);
    PickAndProcess({"A", "West"});
    EXPECT_EQ(Parts(routes()).RichEdit1->toPlainText(), never);
    EXPECT_EQ(routes().PageHeading().clock, "Eastern (-5:00)");
    const RouteRiseSet newYork = Old(-74.0, 40.7, -5, QDate(2026, 1, 15));
    EXPECT_TRUE(Report().contains(QString::fromStdString("  New York, NY     " + newYork.rise + "  " + newYork.set)));
}

// With "Local Zone" on in the main window the batch still computes the home texts in the
// main window's clock; only the local columns are each stop's.
TEST_F(RoutesLocalTimes, TheMainWindowsLocalZoneLeavesTheHomeTextsAlone)
{
    OpenRoutes(kCentral);
    PickAndProcess({"West"});
    const QStringList plain = Report();
    Parts(routes()).SpeedButton1->click();
    window->SpeedButtonA8Click();
    PickAndProcess({"West"});
    EXPECT_EQ(Report(), plain);
}

// Home on Eastern time, Anchorage in June: its set is after midnight on the home clock,
// the day after the report's date, and says so; the printed pages explain the marks.
TEST_F(RoutesLocalTimes, AHomeTimeOnTheDayAfterTheDateIsMarkedAndExplained)
{
    WriteRoute("North", {"  Anchorage, AK   [61.22 -149.90]"});
    OpenRoutes(kEastern);
    Parts(*window).DateEdit1->setDate(QDate(2026, 6, 21));
    Parts(routes()).CheckBox1->setChecked(true);
    routes().SetReportLines({QStringLiteral("North")});
    Parts(routes()).SpeedButton2->setEnabled(true);
    Process();
    EXPECT_EQ(Report(), QStringList({"06/21/2026", "", "  Anchorage, AK         7:20A    2:43A+       4:20A     11:43P  AKDT"}));
    EXPECT_EQ(routes().PageHeading().note, "+ after a home time: on the day after the report's date");
}

// The window and dawnrule-cli route --local give the same report for the same settings.
TEST_F(RoutesLocalTimes, SameReportAsTheCommandLine)
{
    QtZoneDatabase zones;
    WriteRoute("Mixed", {"Mixed  west to east", "", "  Barrow, AK      [71.30 -156.80]", "  Zero, XX        [0 -74.00]",
                         kNewYork, "  Espa\xf1ola, NM    [35.99 -106.08] TS", "  Chicago, IL     [41.85 -87.65]",
                         "  Honolulu, HI    [21.31 -157.86]", "  Window Rock, AZ [35.68 -109.05]",
                         "  Bad, XX         [41.85 87.65]", "  Never, XX       [41.00 -80.00]"});
    WriteRoute("Paris", {"  Paris           [48.85 -2.35]", "  Anchorage, AK   [61.22 -149.90]"});
    const QStringList names{"Mixed", "Missing", "A", "Paris", "West", "Mixed"};
    const struct {
        const char* date;
        int offsetIndex;
        const char* offset;
        bool military;
    } cases[] = {
        {"11/09/2005", kEastern, "-5", false},  {"03/08/2026", kCentral, "-6", true},
        {"11/01/2026", kCentral, "-6", false},  {"12/21/2005", kAlaska, "-9", false},
        {"04/28/2026", kAlaska, "-9", true},    {"01/15/2026", kGmtPlus1, "1", false},
        {"06/01/1500", kEastern, "-5", false},  // before the local day: every zone says so
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.offset + (c.military ? " military" : ""));
        platform.messages.clear();
        OpenRoutes(c.offsetIndex);
        Parts(*window).DateEdit1->setDate(QDate::fromString(QString::fromLatin1(c.date), QStringLiteral("MM/dd/yyyy")));
        Parts(*window).CheckBox3->setChecked(c.military);
        Parts(routes()).CheckBox1->setChecked(true);
        routes().SetReportLines(names);
        Parts(routes()).SpeedButton2->setEnabled(true);
        Process();
        const std::string windowReport = Utf8ToCp1252((Parts(routes()).RichEdit1->toPlainText() + "\n").toStdString());
        EXPECT_NE(windowReport.find("  no zone\n"), std::string::npos);  // Paris

        std::vector<std::string> args = {"route", "--date", c.date, "--offset", c.offset, "--folder",
                                          platform.folder.toStdString(), "--local"};
        if (c.military)
            args.push_back("--military");
        for (const QString& n : names)
            args.push_back(n.toStdString());
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(args, out, err, &zones), 1);  // Missing and Bad fail
        EXPECT_EQ(out.str(), windowReport);
    }
}

} // namespace
} // namespace dawnrule::test
