#pragma once

#include "windows/report_paper.h"

#include <QFont>
#include <QPageLayout>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;
class QPrinter;
class QWidget;

namespace dawnrule {

class Platform;

// The fixed-pitch font of the Routes report, on screen and on paper: Courier New where
// the system has it, else the system's fixed font, at `pointSize`. The stop labels
// line up their columns with blanks, so the report needs one.
QFont RouteReportFont(qreal pointSize);

// The report's lines as they lie on printed pages: `columns` characters to a row (a
// longer line goes on over the next rows), `rowsPerPage` rows to a page but the first
// `roomyPages`, which hold `roomyRows`, and the very first, which holds `firstRows` when
// that is not negative. Every page holds at least one row; an empty report is one empty
// page.
std::vector<QStringList> PaginateReport(const QStringList& lines, int columns, int rowsPerPage, int roomyPages = 0,
                                        int roomyRows = 0, int firstRows = -1);

// What heads every printed page, for the driver who leafs through the sheets in the
// cab and the dispatcher who files them:
//   Routes  11/09/2005   Eastern (-5:00)                           page 2 of 3
//   I-40, I-44
//   ------------------------------------------------------------------------
//                             Rise  Set
struct ReportPageHeading {
    QString title = QStringLiteral("Routes");
    QString date;     // the report's date, "mm/dd/yyyy"
    QString clock;    // the clock the times are in: an offset-list entry, "GMT +0:00", or
                      // with local times "home: ...   local: each stop's zone"
    QString routes;   // the routes of the report, "I-40, I-44"; none before a report
    QString columns;  // the column headings line (RouteColumnHeadings); none before a report
    int columnsFrom = 1;  // the first page that shows them (a report that heads its own first page)
    QString note;     // lines at the foot of every page, when set, parted by "\n"
    // A picture under the first page's heading, when set: pictureRows(lineHeight, rows)
    // says how many of the page's rows it takes (at most `rows`), picture draws it there.
    std::function<int(int lineHeight, int rows)> pictureRows;
    std::function<void(QPainter& painter, const QRect& area)> picture;
};

// "Routes  11/09/2005   Eastern (-5:00)": the left half of the first heading row.
// (The title names what is printed: "Routes", "Trip plan".)
QString ReportPageTitle(const ReportPageHeading& heading);
QString ReportPageNumber(int page, int pages);

// Draws the report with `painter` (its font set by the call: the fixed-pitch font at 10
// points, or as little smaller as makes the widest line fit, 7 points at least) into
// `pageRect` of each page, calling `newPage` between two pages; stops early when newPage returns false.
// Returns the number of pages drawn.
int PaintReportPages(QPainter& painter, const QRect& pageRect, const QStringList& lines,
                     const ReportPageHeading& heading, const std::function<bool()>& newPage);

// The paper and the margins a report starts with: the locale's paper
// (ReportPaperOfEnvironment), half an inch all round.
void SetUpReportPage(QPrinter& printer);

// Prints the report on `printer`, as its setup dialog left it, with margins of at
// least half an inch. False when the printer could not be started.
bool PrintReport(QPrinter& printer, const QStringList& lines, const ReportPageHeading& heading);

// What a window's "Print" does: the report's page (SetUpReportPage, in `orientation`),
// the printer setup dialog, then the report; nothing when the dialog is cancelled, and
// "Cannot print on <printer>" when the printer cannot be started.
void PrintReportFrom(Platform& platform, QWidget* parent, const QStringList& lines, const ReportPageHeading& heading,
                     QPageLayout::Orientation orientation = QPageLayout::Portrait);

} // namespace dawnrule
