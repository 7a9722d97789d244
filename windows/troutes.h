#pragma once

#include "windows/route_print.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QFrame;
class QPlainTextEdit;
class QToolButton;

namespace dawnrule {

class ComboBox;
class Platform;
class RouteLegend;
struct RouteRiseSet;
class TPieProgressBar;
class RoutesHost;
class TTripPlan;

namespace test {
struct WindowParts;
}

// "Routes": route names picked from the highway list "Highways.txt" gather in the
// report box; "Process" replaces them with the report, the date line, an empty line
// and every route file's lines with each stop's rise and set times, computed by the
// main window's own Calc with its current date, GMT offset and time form. The report
// can be reversed, printed and cleared; "Legend" explains the truck-stop codes of the
// stop labels.
//
// Created once at start-up and only hidden when closed, so the report box and
// ProcessArmed last for the whole run. The main window's "Routes" button hides the
// main window and shows this one modally; closing it shows the main window again
// where it was.
class TRoutes : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 354;
    static constexpr int kClientHeight = 268;

    TRoutes(Platform& platform, RoutesHost& host, QWidget* parent = nullptr);
    ~TRoutes() override;

    // "Local times": each stop line holds the stop's rise and set in both clocks
    // (windows/route_local_times.h). Kept in "Parm.dat" by the main window.
    bool LocalTimes() const;
    void SetLocalTimes(bool on);

    // Handlers.
    void FormActivate();
    void ComboBox1Change();
    void SpeedButton2Click();   // Process
    void SpeedButton1Click();   // Clear
    void SpeedButton4Click();   // Reverse
    void SpeedButton52Click();  // Print
    void SpeedButton3Click();   // Legend
    void SpeedButton53Click();  // Close
    void SpeedButton5Click();   // Plan: the daylight trip plan over the routes named
    void FormClose();

    // The routes the box names: its lines while route names are gathered, the routes of
    // the report once "Process" made one (an empty last line names no route).
    QStringList RouteNames() const;

    // The report box's lines, every one of them; an empty box has none.
    QStringList ReportLines() const;
    void SetReportLines(const QStringList& lines);

    // What heads the printed pages: the report's date, clock, routes and column
    // headings as "Process" made them; before a report, the main window's date.
    ReportPageHeading PageHeading() const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend struct test::WindowParts;

    // Controls.
    ComboBox* ComboBox1;            // route names from the highway list
    QPlainTextEdit* RichEdit1;      // the route names, then the report
    TPieProgressBar* PieProgressBar1;
    QToolButton* SpeedButton1;      // "Clear"
    QToolButton* SpeedButton2;      // "Process"
    QToolButton* SpeedButton3;      // "Legend", a toggle
    QToolButton* SpeedButton4;      // "Reverse"
    QToolButton* SpeedButton52;     // "Print"
    QToolButton* SpeedButton53;     // "Close"
    QToolButton* SpeedButton5;      // "Plan"
    RouteLegend* Panel7;            // the legend
    // "Local times".
    QCheckBox* CheckBox1;

    // True while route names are being gathered: a pick then enables "Process". A
    // finished batch clears it, a confirmed Clear sets it again.
    bool ProcessArmed = true;

    void BuildControls();
    void ConnectHandlers();
    // Every line of the box as a route name, but an empty last line.
    QStringList BoxRouteNames() const;
    // A stop's times from the main window: the latitude into its latitude field, the
    // longitude into its longitude field, BatchCalc set, its Calc, its two result
    // labels read back (as the report's Windows-1252 text).
    RouteRiseSet ZuruRuzTexts(double latitude, double longitude);
    // A message during the batch: OK goes on, Cancel stops the batch there. The
    // route warnings put the pointer on the box's buttons first. The window under the
    // box is repainted at once: the batch does not yield to the event loop.
    void BatchMessage(const QString& text, bool onTheButtons);
    // Asks before a batch in GMT when the main window has no offset-list entry; true
    // to go on.
    bool ConfirmClock();
    // The clock the times are computed in, as the pages name it.
    QString ClockText() const;
    // The two halves of the desktop plus an offset, where the pointer goes before a
    // dialog so that it rests on the dialog's buttons.
    QPoint DesktopCentre(int dx, int dy) const;

    Platform& m_platform;
    RoutesHost& m_host;
    ReportPageHeading m_heading;  // of the last report; its date empty before one
    QStringList m_reportRoutes;   // the routes of the last report
    TTripPlan* m_tripPlan;
    bool m_stopped = false;       // Cancel on a message of the running batch
};

} // namespace dawnrule
