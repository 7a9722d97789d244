#pragma once

// The Routes window on the real main window, for the Routes tests: a scratch folder
// with a highway list and a route, the main window on Eastern time, helpers to pick,
// process and read the report.
#include "window_fixture.h"
#include "windows/troutes.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

namespace dawnrule::test {

inline constexpr int kEastern = 0;  // offset list entries
inline constexpr int kCentral = 1;
inline constexpr int kAlaska = 9;
inline constexpr int kGmtPlus1 = 24;

inline const char* const kNewYork = "  New York, NY   [40.70 -74.00]";
inline const QString kNewYorkTimes = QStringLiteral("  New York, NY     6:36A  4:44P");  // 11/09/2005, -5

class RoutesWindow : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        WriteParm(Lines({"000000000000", "0", "-1", "0", "0", "0", "0"}));
        platform.clock = QDateTime(QDate(2005, 11, 9), QTime(9, 0));
        WriteRoute("Highways", {"A", "B", "I-80"});
        WriteRoute("A", {"Route A  north", "", "New York", kNewYork});
    }

    TRoutes& routes() const { return windows->routes; }

    void WriteRoute(const char* name, std::initializer_list<const char*> lines)
    {
        QFile f(platform.folder + QString::fromLatin1(name) + QStringLiteral(".txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Lines(lines));
    }

    // The main window opened and set to Eastern time, the Routes window shown.
    void OpenRoutes(int offsetIndex = kEastern)
    {
        Open();
        Choose(offsetIndex);
        routes().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&routes()));
    }

    // A route chosen from the list, as the user clicks it.
    void Pick(const QString& name)
    {
        const int index = Parts(routes()).ComboBox1->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        Parts(routes()).ComboBox1->setCurrentIndex(index);
        emit Parts(routes()).ComboBox1->activated(index);
    }

    void Process() { Parts(routes()).SpeedButton2->click(); }
    // Routes picked in turn, then "Process".
    void PickAndProcess(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            Pick(QString::fromLatin1(name));
        Process();
    }
    QStringList Report() const { return routes().ReportLines(); }
    QString Labels() const { return Parts(*window).Label5->text() + QLatin1Char('|') + Parts(*window).Label7->text(); }
};

} // namespace dawnrule::test
