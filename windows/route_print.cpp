#include "windows/route_print.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace dawnrule {

namespace {

constexpr qreal kPrintPointSize = 10;  // large enough to read in a cab
constexpr int kHeadingGapRows = 1;     // the rule under the heading and a blank row

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

std::vector<QStringList> PaginateReport(const QStringList& lines, int columns, int rowsPerPage)
{
    columns = std::max(columns, 1);
    rowsPerPage = std::max(rowsPerPage, 1);
    std::vector<QStringList> pages(1);
    auto addRow = [&](const QString& row) {
        if (pages.back().size() == rowsPerPage)
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

QString ReportPageTitle(const QString& dateText, const QString& clocks)
{
    const QString title = QStringLiteral("Routes  ") + dateText;
    return clocks.isEmpty() ? title : title + QStringLiteral("   ") + clocks;
}

QString ReportPageNumber(int page, int pages)
{
    return QStringLiteral("page %1 of %2").arg(page).arg(pages);
}

int PaintReportPages(QPainter& painter, const QRect& pageRect, const QStringList& lines, const QString& dateText,
                     const std::function<bool()>& newPage, const QString& clocks)
{
    painter.setFont(RouteReportFont(kPrintPointSize));
    const QFontMetrics fm = painter.fontMetrics();
    const int rowHeight = std::max(fm.lineSpacing(), 1);
    const int charWidth = std::max(fm.horizontalAdvance(QLatin1Char('M')), 1);
    const int headingHeight = rowHeight * (1 + kHeadingGapRows);
    const int columns = pageRect.width() / charWidth;
    const int rowsPerPage = (pageRect.height() - headingHeight) / rowHeight;
    const std::vector<QStringList> pages = PaginateReport(lines, columns, rowsPerPage);
    const int count = static_cast<int>(pages.size());

    for (int p = 0; p < count; ++p) {
        if (p > 0 && !newPage())
            return p;
        painter.save();
        painter.setPen(Qt::black);
        const QRect heading(pageRect.left(), pageRect.top(), pageRect.width(), rowHeight);
        painter.drawText(heading, Qt::AlignLeft | Qt::AlignTop, ReportPageTitle(dateText, clocks));
        painter.drawText(heading, Qt::AlignRight | Qt::AlignTop, ReportPageNumber(p + 1, count));
        const int ruleY = pageRect.top() + rowHeight + rowHeight / 3;
        painter.drawLine(pageRect.left(), ruleY, pageRect.right(), ruleY);

        int baseline = pageRect.top() + headingHeight + fm.ascent();
        for (const QString& row : pages[static_cast<size_t>(p)]) {
            painter.drawText(QPoint(pageRect.left(), baseline), row);
            baseline += rowHeight;
        }
        painter.restore();
    }
    return count;
}

bool PrintReport(QPrinter& printer, const QStringList& lines, const QString& dateText, const QString& clocks)
{
    printer.setDocName(QString());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    PaintReportPages(painter, QRect(QPoint(0, 0), page.size()), lines, dateText,
                     [&printer] { return printer.newPage(); }, clocks);
    return painter.end();
}

} // namespace dawnrule
