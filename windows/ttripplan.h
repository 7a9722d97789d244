#pragma once

#include "trip/trip_plan.h"
#include "trip/trip_plan_settings.h"

#include <QDialog>
#include <QStringList>

#include <optional>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QStringListModel;
class QTableView;
class QTimeEdit;
class QToolButton;

namespace dawnrule {

class DateEdit;
class ComboBox;
class Platform;
class RoutesHost;
class TextTableModel;

namespace test {
struct WindowParts;
}

// "Trip Plan": where an oversize load may roll and where it must park, day by day, along
// the routes the Routes window names, in each stop's clock and the home clock. The inputs
// (From, To, departure, speed, hours a day, road factor, rest days) sit above the plan,
// which shows in two tables (the days, then every stop) that grow with the window;
// "Print" prints the plan as the command line writes it, "Save CSV" writes its rows.
// The inputs but the date are kept in TripPlan.dat beside the program.
//
// The home clock is the home place's zone when a home place is set, else the main
// window's GMT offset. The rules of the states come from Daylight.txt beside the program.
class TTripPlan : public QDialog {
    Q_OBJECT
public:
    TTripPlan(Platform& platform, RoutesHost& host, QWidget* parent = nullptr);
    ~TTripPlan() override;

    // Opens the window modally for the routes, in driving order, and plans at once.
    // A route that cannot be read is shown and the window stays closed.
    void ShowFor(const QStringList& routeNames);
    // What ShowFor does before the window shows: reads the routes, fills the From and To
    // lists, puts back the inputs kept and the main window's date, and plans. False
    // (with the message shown) when the routes cannot be read.
    bool Prepare(const QStringList& routeNames);

    // Handlers.
    void PlanButtonClick();   // "Plan"
    void PrintButtonClick();  // "Print"
    void SaveButtonClick();   // "Save CSV"
    void FirstMinuteClick();  // "first legal minute": the time field is off while checked

    // The plan shown, none before one was made or after it failed.
    const std::optional<TripPlan>& Plan() const { return m_plan; }

private:
    friend struct test::WindowParts;

    void BuildControls();
    // The inputs as the window holds them, and back.
    TripPlanSettings Settings() const;
    void ApplySettings(const TripPlanSettings& settings);
    void SaveSettings();
    void ShowPlan();
    QString FilePath(const char* name) const;

    ComboBox* FromList;
    ComboBox* ToList;
    DateEdit* DepartDate;
    QTimeEdit* DepartTime;
    QCheckBox* FirstMinute;
    QSpinBox* Speed;
    QSpinBox* Hours;
    QDoubleSpinBox* RoadFactor;
    QCheckBox* Rest;
    QToolButton* PlanButton;
    QToolButton* PrintButton;
    QToolButton* SaveButton;
    QToolButton* CloseButton;
    QLabel* Header;
    QTableView* DaysTable;
    QTableView* StopsTable;
    TextTableModel* m_days;
    TextTableModel* m_stops;
    QStringListModel* m_stopNames;  // From's and To's entries

    Platform& m_platform;
    RoutesHost& m_host;
    std::vector<std::string> m_routeNames;
    std::optional<TripPlan> m_plan;
};

} // namespace dawnrule
