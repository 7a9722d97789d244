#include "windows/route_print.h"

#include "controls/platform.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cstdlib>

namespace dawnrule {

namespace {

constexpr qreal kPrintPointSize = 10;  // large enough to read in a cab
constexpr qreal kSmallestPointSize = 7;  // a wide report shrinks to fit the page, to this at most
constexpr qreal kPointStep = 0.5;

// A heading's text in rows of at most `columns` characters, broken after a blank where
// one is near.
QStringList WrapWords(const QString& text, int columns)
{
    QStringList rows;
    QString rest = text;
    while (rest.size() > columns) {
        qsizetype cut = rest.lastIndexOf(QLatin1Char(' '), columns);
        if (cut < columns / 2)
            cut = columns;
        rows << rest.left(cut).trimmed();
        rest = rest.mid(cut).trimmed();
    }
    rows << rest;
    return rows;
}
constexpr int kHeadingGapRows = 1;     // the rule under the heading and a blank row
constexpr qreal kMarginInches = 0.5;   // the least margin on every side

} // namespace

QFont RouteReportFont(qreal pointSize)
{
    const QString courier = QStringLiteral("Courier New");
    QFont font = QFontDatabase::families().contains(courier) ? QFont(courier)
                                                             : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(pointSize);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

std::vector<QStringList> PaginateReport(const QStringList& lines, int columns, int rowsPerPage, int roomyPages,
                                        int roomyRows, int firstRows)
{
    columns = std::max(columns, 1);
    rowsPerPage = std::max(rowsPerPage, 1);
    const auto capacity = [&](size_t page) {
        if (page == 0 && firstRows >= 0)
            return std::max(firstRows, 1);
        return static_cast<int>(page) < roomyPages ? roomyRows : rowsPerPage;
    };
    std::vector<QStringList> pages(1);
    auto addRow = [&](const QString& row) {
        if (pages.back().size() >= capacity(pages.size() - 1))
            pages.emplace_back();
        pages.back() << row;
    };
    for (const QString& line : lines) {
        if (line.size() <= columns) {
            addRow(line);
            continue;
        }
        for (qsizetype at = 0; at < line.size(); at += columns)
            addRow(line.mid(at, columns));
    }
    return pages;
}

QString ReportPageTitle(const ReportPageHeading& heading)
{
    const QString title = heading.title + QStringLiteral("  ") + heading.date;
    return heading.clock.isEmpty() ? title : title + QStringLiteral("   ") + heading.clock;
}

QString ReportPageNumber(int page, int pages)
{
    return QStringLiteral("page %1 of %2").arg(page).arg(pages);
}

int PaintReportPages(QPainter& painter, const QRect& pageRect, const QStringList& lines,
                     const ReportPageHeading& heading, const std::function<bool()>& newPage)
{
    // The print size, or a smaller one at which the widest line fits the page.
    qsizetype widest = heading.columns.size();
    for (const QString& line : lines)
        widest = std::max(widest, line.size());
    for (qreal size = kPrintPointSize;; size -= kPointStep) {
        painter.setFont(RouteReportFont(size));
        const int width = std::max(painter.fontMetrics().horizontalAdvance(QLatin1Char('M')), 1);
        if (pageRect.width() / width >= widest || size - kPointStep < kSmallestPointSize)
            break;
    }
    const QFontMetrics fm = painter.fontMetrics();
    const int rowHeight = std::max(fm.lineSpacing(), 1);
    const int charWidth = std::max(fm.horizontalAdvance(QLatin1Char('M')), 1);
    const int columns = pageRect.width() / charWidth;

    // The heading: the title row, the routes (as many rows as they take), the rule and
    // a blank row, the column headings; the note at the foot.
    const QStringList routeRows = heading.routes.isEmpty() ? QStringList() : WrapWords(heading.routes, columns);
    const int headingRows = 1 + static_cast<int>(routeRows.size()) + kHeadingGapRows;
    const int columnRows = heading.columns.isEmpty() ? 0 : 1;
    const QStringList noteRows = heading.note.isEmpty() ? QStringList() : heading.note.split(QLatin1Char('\n'));
    const int footRows = noteRows.isEmpty() ? 0 : 1 + static_cast<int>(noteRows.size());
    const int rowsPerPage = (pageRect.height() - rowHeight * (headingRows + columnRows + footRows)) / rowHeight;
    // Pages before `columnsFrom` have the headings' row for report rows; the first page
    // gives the picture its rows.
    const int roomyPages = columnRows > 0 ? heading.columnsFrom - 1 : 0;
    const int firstPageRows = roomyPages > 0 ? rowsPerPage + columnRows : rowsPerPage;
    const int pictureRows =
        heading.picture && heading.pictureRows ? std::clamp(heading.pictureRows(rowHeight, firstPageRows - 1), 0, firstPageRows - 1) : 0;
    const std::vector<QStringList> pages = PaginateReport(lines, columns, rowsPerPage, roomyPages, rowsPerPage + columnRows,
                                                          pictureRows > 0 ? firstPageRows - pictureRows : -1);
    const int count = static_cast<int>(pages.size());
    const QString title = ReportPageTitle(heading);

    for (int p = 0; p < count; ++p) {
        if (p > 0 && !newPage())
            return p;
        painter.save();
        painter.setPen(Qt::black);
        int top = pageRect.top();
        const QRect first(pageRect.left(), top, pageRect.width(), rowHeight);
        painter.drawText(first, Qt::AlignLeft | Qt::AlignTop, title);
        painter.drawText(first, Qt::AlignRight | Qt::AlignTop, ReportPageNumber(p + 1, count));
        top += rowHeight;
        for (const QString& row : routeRows) {
            painter.drawText(QPoint(pageRect.left(), top + fm.ascent()), row);
            top += rowHeight;
        }
        const int ruleY = top + rowHeight / 3;
        painter.drawLine(pageRect.left(), ruleY, pageRect.right(), ruleY);
        top += rowHeight * kHeadingGapRows;
        if (p == 0 && pictureRows > 0) {
            painter.save();
            heading.picture(painter, QRect(pageRect.left(), top, pageRect.width(), rowHeight * pictureRows));
            painter.restore();
            top += rowHeight * pictureRows;
        }
        if (columnRows > 0 && p + 1 >= heading.columnsFrom) {
            painter.drawText(QPoint(pageRect.left(), top + fm.ascent()), heading.columns.left(columns));
            top += rowHeight;
        }

        int baseline = top + fm.ascent();
        for (const QString& row : pages[static_cast<size_t>(p)]) {
            painter.drawText(QPoint(pageRect.left(), baseline), row);
            baseline += rowHeight;
        }
        int noteTop = pageRect.bottom() - rowHeight * static_cast<int>(noteRows.size());
        for (const QString& row : noteRows) {
            painter.drawText(QPoint(pageRect.left(), noteTop + fm.ascent()), row.left(columns));
            noteTop += rowHeight;
        }
        painter.restore();
    }
    return count;
}

void SetUpReportPage(QPrinter& printer)
{
    const ReportPaper paper =
        ReportPaperOfLocale(PaperLocale(std::getenv("LC_ALL"), std::getenv("LC_PAPER"), std::getenv("LANG")));
    printer.setPageSize(QPageSize(paper == ReportPaper::Letter ? QPageSize::Letter : QPageSize::A4));
    printer.setPageMargins(QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches), QPageLayout::Inch);
}

bool PrintReport(QPrinter& printer, const QStringList& lines, const ReportPageHeading& heading)
{
    printer.setDocName(QString());
    // Whatever the setup dialog left, nothing is printed in the outer half inch.
    const QMarginsF set = printer.pageLayout().margins(QPageLayout::Inch);
    printer.setPageMargins(QMarginsF(std::max(set.left(), kMarginInches), std::max(set.top(), kMarginInches),
                                     std::max(set.right(), kMarginInches), std::max(set.bottom(), kMarginInches)),
                           QPageLayout::Inch);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    PaintReportPages(painter, QRect(QPoint(0, 0), page.size()), lines, heading,
                     [&printer] { return printer.newPage(); });
    return painter.end();
}

void PrintReportFrom(Platform& platform, QWidget* parent, const QStringList& lines, const ReportPageHeading& heading,
                     QPageLayout::Orientation orientation)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpReportPage(printer);
    printer.setPageOrientation(orientation);
    if (!platform.setUpPrinter(parent, printer))
        return;
    if (PrintReport(printer, lines, heading))
        return;
    const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    platform.showMessage(parent, QStringLiteral("Cannot print on %1").arg(target));
}

} // namespace dawnrule
