#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;
class QPrinter;

namespace dawnrule {

// The fixed-pitch font of the Routes report, on screen and on paper: Courier New where
// the system has it, else the system's fixed font, at `pointSize`. The stop labels
// line up their columns with blanks, so the report needs one.
QFont RouteReportFont(qreal pointSize);

// The report's lines as they lie on printed pages: `columns` characters to a row (a
// longer line goes on over the next rows), `rowsPerPage` rows to a page. Every page
// holds at least one row; an empty report is one empty page.
std::vector<QStringList> PaginateReport(const QStringList& lines, int columns, int rowsPerPage);

// The heading of every page, for the driver who leafs through the sheets in the cab:
// "Routes  11/09/2005" on the left and "page 2 of 3" on the right. A report with local
// times names its clocks after the date: "Routes  11/09/2005   home: GMT -5.0   local:
// each stop's zone" (`clocks`, RouteClocksCaption; empty for the others).
QString ReportPageTitle(const QString& dateText, const QString& clocks = QString());
QString ReportPageNumber(int page, int pages);

// Draws the report with `painter` (its font set by the call) into `pageRect` of each
// page, calling `newPage` between two pages; stops early when newPage returns false.
// Returns the number of pages drawn.
int PaintReportPages(QPainter& painter, const QRect& pageRect, const QStringList& lines, const QString& dateText,
                     const std::function<bool()>& newPage, const QString& clocks = QString());

// Prints the report on `printer`, as its setup dialog left it. False when the printer
// could not be started.
bool PrintReport(QPrinter& printer, const QStringList& lines, const QString& dateText,
                 const QString& clocks = QString());

} // namespace dawnrule
