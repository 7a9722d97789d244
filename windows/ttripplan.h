#pragma once

#include "trip/trip_plan.h"
#include "trip/trip_plan_settings.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QScrollArea;
class QStringListModel;
class QTableView;
class QTimeEdit;
class QToolButton;

namespace dawnrule {

class ComboBox;
class Platform;
class RouteBuilder;
class RoutesHost;
class TextTableModel;
class TownIndex;
class TripTimelineView;

namespace test {
struct WindowParts;
}

// "Trip Plan": where an oversize load may roll and where it must park, duty period by
// duty period, in each stop's clock and the home clock, along a path: the routes the
// Routes window names, the towns of the route builder at its left (a permit's route off
// the Interstates), or a GPX or CSV file opened there. Where the path came from shows
// above the plan, in its heading and on its printed pages. "Save GPX" and "Save
// calendar" write the plan for the driver's GPS and phone. The inputs (From, To, departure, speed, driving, duty and off-duty hours,
// the break, the load's width, road factor, rest days) sit above the plan, which shows
// as a picture (a row per duty period on the home clock's 24 hours) and two tables (the
// periods, then every stop) that grow with the window. "Print" prints the picture and
// the plan as the command line writes it; "Save CSV" writes its rows as --csv does.
//
// Every number field keeps what was typed; "Plan" refuses a value out of its range with
// the command line's message. Opening the window fills it and plans nothing; the inputs
// (but the date) are kept in TripPlan.dat beside the program at each plan made.
// The home clock is the home place's zone when a home place is set, else this
// computer's own zone. The states' rules come from Daylight.txt and Curfews.txt.
class TTripPlan : public QDialog {
    Q_OBJECT
public:
    TTripPlan(Platform& platform, RoutesHost& host, QWidget* parent = nullptr);
    ~TTripPlan() override;

    // Opens the window modally for the routes, in driving order (none: the route
    // builder's towns or a file). A route that cannot be read is shown and the window
    // stays closed.
    void ShowFor(const QStringList& routeNames);
    // What ShowFor does before the window shows: reads the routes, fills the From and To
    // lists, puts back the inputs kept (a damaged line of TripPlan.dat is named once)
    // and the main window's date. False (with the message shown) when the routes cannot
    // be read.
    bool Prepare(const QStringList& routeNames);

    // Handlers.
    void PlanButtonClick();   // "Plan"
    void PrintButtonClick();  // "Print"
    void SaveButtonClick();   // "Save CSV"
    void SaveGpxClick();      // "Save GPX"
    void SaveCalendarClick(); // "Save calendar"
    void BuilderChange();     // the route builder's towns changed: they are the path
    void RouteFileChosen(const QString& path);  // a GPX or CSV file is the path
    void FirstMinuteClick();  // "first legal minute": the time field is off while checked

    // The plan shown, none before one was made or after it failed.
    const std::optional<TripPlan>& Plan() const { return m_plan; }

private:
    friend struct test::WindowParts;

    void BuildControls();
    // The inputs as the window holds them; false (the message shown, the field focused)
    // when a number is out of its range.
    bool ReadSettings(TripPlanSettings& settings);
    void ApplySettings(const TripPlanSettings& settings);
    void SaveSettings(const TripPlanSettings& settings);
    void ShowPlan();
    QString FilePath(const char* name) const;
    // The stops the path offers From and To; the kept From and To chosen where they are among them.
    void SetStops(const QStringList& stops);
    // The towns of the state lists and U.txt, read once a run; none when they cannot be
    // (`say`: then the message shows).
    const TownIndex* Towns(bool say);
    QString PathText() const;
    QString SuggestedName(const char* extension) const;
    // The save dialog for the plan as a file of that extension, then `write`; a file that
    // cannot be written is said.
    void SaveAs(const QString& title, const char* extension, const QString& filter,
                const std::function<void(const std::string& path)>& write);

    ComboBox* FromList;
    ComboBox* ToList;
    QDateEdit* DepartDate;
    QTimeEdit* DepartTime;
    QCheckBox* FirstMinute;
    QLineEdit* Speed;
    QLineEdit* Hours;
    QLineEdit* Duty;
    QLineEdit* OffDuty;
    QLineEdit* Width;
    QCheckBox* Break;
    QLineEdit* RoadFactor;
    QCheckBox* Rest;
    QToolButton* PlanButton;
    QToolButton* PrintButton;
    QToolButton* SaveButton;
    QToolButton* CloseButton;
    QLabel* Header;
    TripTimelineView* Timeline;
    QScrollArea* TimelineArea;
    QTableView* DaysTable;
    QTableView* StopsTable;
    RouteBuilder* Builder;
    QLabel* PathLabel;
    QToolButton* SaveGpxButton;
    QToolButton* SaveCalendarButton;
    TextTableModel* m_days;
    TextTableModel* m_stops;
    QStringListModel* m_stopNames;  // From's and To's entries

    Platform& m_platform;
    RoutesHost& m_host;
    std::vector<std::string> m_routeNames;
    QStringList m_routeStops;  // their stops once each, in driving order, read on opening
    enum class Source { kNone, kRoutes, kTowns, kFile };
    Source m_source = Source::kNone;
    std::string m_pathFile;                    // the GPX or CSV file, for kFile
    std::shared_ptr<const TownIndex> m_towns;  // the folder's, loaded when first needed
    QString m_townsMissing;  // why they cannot be read
    std::optional<TripPlan> m_plan;
};

} // namespace dawnrule
