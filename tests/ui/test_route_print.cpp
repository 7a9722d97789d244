// The printed Routes report: rows and pages, and what each page shows, read back from
// a paint device that records the texts drawn on it, page by page.
#include "qt_print.h"
#include "windows/route_print.h"

#include <QFontInfo>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace dawnrule {
namespace {

// A page of a printer that keeps the texts drawn on it.
struct DrawnText {
    int page;
    QPointF at;
    QString text;
};

class TextRecordingEngine : public QPaintEngine {
public:
    TextRecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }
    std::vector<DrawnText> texts;
    int page = 0;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawLines(const QLineF*, int) override {}
    void drawLines(const QLine*, int) override {}
    void drawRects(const QRectF*, int) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override { texts.push_back({page, p, item.text()}); }
    Type type() const override { return QPaintEngine::User; }
};

// 600 dots per inch, a page of 8.5 x 11 inches unless a test sizes it.
class TextRecordingDevice : public QPaintDevice {
public:
    static constexpr int kDpi = 600;
    QSize size{8 * kDpi + kDpi / 2, 11 * kDpi};
    mutable TextRecordingEngine engine;

    QPaintEngine* paintEngine() const override { return &engine; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return size.width();
        case PdmHeight: return size.height();
        case PdmWidthMM: return size.width() * 254 / (10 * kDpi);
        case PdmHeightMM: return size.height() * 254 / (10 * kDpi);
        case PdmNumColors: return 0x7fffffff;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return kDpi;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }
};

QStringList Numbered(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("  Stop %1, ST   6:36A  4:44P").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
}

// The device's font metrics at the report's print size, as PaintReportPages meets them.
struct PrintMetrics {
    int rowHeight;
    int charWidth;
};
PrintMetrics MetricsOn(TextRecordingDevice& device)
{
    QPainter painter(&device);
    painter.setFont(RouteReportFont(10));
    const QFontMetrics fm = painter.fontMetrics();
    return {fm.lineSpacing(), fm.horizontalAdvance(QLatin1Char('M'))};
}

// Prints on the device, its page `rows` report rows high and `columns` wide.
std::vector<DrawnText> Print(const QStringList& lines, int rows, int columns, int* pages)
{
    TextRecordingDevice device;
    const PrintMetrics m = MetricsOn(device);
    const QRect page(0, 0, columns * m.charWidth + m.charWidth / 2, (rows + 2) * m.rowHeight + m.rowHeight / 2);
    QPainter painter(&device);
    ReportPageHeading heading;
    heading.date = QStringLiteral("11/09/2005");
    *pages = PaintReportPages(painter, page, lines, heading, [&device] {
        ++device.engine.page;
        return true;
    });
    painter.end();
    return device.engine.texts;
}

std::vector<QString> TextsOnPage(const std::vector<DrawnText>& texts, int page)
{
    std::vector<QString> out;
    for (const DrawnText& t : texts)
        if (t.page == page)
            out.push_back(t.text);
    return out;
}

TEST(RouteReportFont, IsFixedPitch)
{
    for (const qreal size : {8.0, 10.0}) {
        const QFont font = RouteReportFont(size);
        EXPECT_EQ(font.pointSizeF(), size);
        // Measured: font databases do not all mark their monospaced fonts as such.
        const QFontMetrics fm(font);
        EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("iiii")), fm.horizontalAdvance(QStringLiteral("MMMM")))
            << QFontInfo(font).family().toStdString();
        EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("  . ")), fm.horizontalAdvance(QStringLiteral("WWWW")));
    }
}

TEST(PaginateReport, RowsAndPages)
{
    const struct {
        const char* name;
        int lines;
        int rowsPerPage;
        std::vector<int> rowsOnPages;
    } cases[] = {
        {"empty report, one empty page", 0, 50, {0}},
        {"one line", 1, 50, {1}},
        {"exactly full", 50, 50, {50}},
        {"one row over", 51, 50, {50, 1}},
        {"200 lines", 200, 50, {50, 50, 50, 50}},
        {"201 lines", 201, 50, {50, 50, 50, 50, 1}},
        {"a page of one row", 3, 1, {1, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto pages = PaginateReport(Numbered(c.lines), 80, c.rowsPerPage);
        ASSERT_EQ(pages.size(), c.rowsOnPages.size());
        QStringList all;
        for (size_t p = 0; p < pages.size(); ++p) {
            EXPECT_EQ(pages[p].size(), c.rowsOnPages[p]);
            all += pages[p];
        }
        EXPECT_EQ(all, Numbered(c.lines));  // every line once, in order
    }
}

TEST(PaginateReport, LongLinesGoOnOverTheNextRows)
{
    const QStringList lines{QStringLiteral("abcdefghij"), QStringLiteral("klm"), QStringLiteral(""),
                            QStringLiteral("nopqrstu")};
    const auto pages = PaginateReport(lines, 4, 3);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], QStringList({"abcd", "efgh", "ij"}));
    EXPECT_EQ(pages[1], QStringList({"klm", "", "nopq"}));
    EXPECT_EQ(pages[2], QStringList({"rstu"}));
}

TEST(PaintReportPages, TwoHundredLinesOnFourPagesInOrderWithHeadings)
{
    int pages = 0;
    const std::vector<DrawnText> texts = Print(Numbered(200), 50, 80, &pages);
    ASSERT_EQ(pages, 4);
    const QStringList lines = Numbered(200);
    for (int p = 0; p < 4; ++p) {
        SCOPED_TRACE(p + 1);
        const std::vector<QString> onPage = TextsOnPage(texts, p);
        ASSERT_EQ(onPage.size(), 52u);  // the two halves of the heading and 50 rows
        EXPECT_EQ(onPage[0], "Routes  11/09/2005");
        EXPECT_EQ(onPage[1], QStringLiteral("page %1 of 4").arg(p + 1));
        for (int r = 0; r < 50; ++r)
            EXPECT_EQ(onPage[static_cast<size_t>(r) + 2], lines[p * 50 + r]);
    }
    // A line of page 1 is not on page 2, and rows go down the page.
    const std::vector<QString> second = TextsOnPage(texts, 1);
    EXPECT_EQ(std::count(second.begin(), second.end(), lines[0]), 0);
    qreal lastY = -1;
    for (const DrawnText& t : texts) {
        if (t.page != 0 || t.text.startsWith(QLatin1String("Routes")) || t.text.startsWith(QLatin1String("page")))
            continue;
        EXPECT_GT(t.at.y(), lastY);
        lastY = t.at.y();
    }
}

TEST(PaintReportPages, HeadingSitsAboveTheRowsAndTheNumberAtTheRight)
{
    int pages = 0;
    const std::vector<DrawnText> texts = Print(Numbered(3), 50, 80, &pages);
    ASSERT_EQ(pages, 1);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_LT(texts[0].at.y(), texts[2].at.y());
    EXPECT_GT(texts[1].at.x(), texts[0].at.x());  // "page 1 of 1" right of the title
    EXPECT_EQ(texts[0].at.x(), texts[2].at.x());  // title and rows from the left margin
}

TEST(PaintReportPages, EveryPageNamesItsClockRoutesAndColumns)
{
    TextRecordingDevice device;
    const PrintMetrics m = MetricsOn(device);
    const QRect page(0, 0, 90 * m.charWidth, 26 * m.rowHeight + m.rowHeight / 2);  // 20 rows a page
    QPainter painter(&device);
    ReportPageHeading heading;
    heading.date = QStringLiteral("11/09/2005");
    heading.clock = QStringLiteral("home: Eastern (-5:00)   local: each stop's zone");
    heading.routes = QStringLiteral("I-40, I-44");
    heading.columns = QStringLiteral("             Home rise  Home set  Local rise  Local set  Zone");
    heading.note = QStringLiteral("* after midnight\n+ the day after");
    const int pages = PaintReportPages(painter, page, Numbered(50), heading, [&device] {
        ++device.engine.page;
        return true;
    });
    painter.end();
    ASSERT_EQ(pages, 3);
    for (int p = 0; p < pages; ++p) {
        const std::vector<QString> onPage = TextsOnPage(device.engine.texts, p);
        ASSERT_GE(onPage.size(), 6u);
        EXPECT_EQ(onPage[0], "Routes  11/09/2005   home: Eastern (-5:00)   local: each stop's zone");
        EXPECT_EQ(onPage[1], QStringLiteral("page %1 of 3").arg(p + 1));
        EXPECT_EQ(onPage[2], "I-40, I-44");
        EXPECT_EQ(onPage[3], heading.columns);
        EXPECT_EQ(onPage[4], Numbered(50)[p * 19]);  // 19 rows a page above the two lines of the note
        EXPECT_EQ(onPage[onPage.size() - 2], "* after midnight");
        EXPECT_EQ(onPage.back(), "+ the day after");
    }
    // The last row of a full page stays above the note.
    std::vector<DrawnText> first;
    for (const DrawnText& t : device.engine.texts)
        if (t.page == 0)
            first.push_back(t);
    EXPECT_EQ(first[first.size() - 3].text, Numbered(50)[18]);
    EXPECT_LT(first[first.size() - 3].at.y(), first[first.size() - 2].at.y() - m.rowHeight);
    ReportPageHeading bare;
    bare.date = QStringLiteral("11/09/2005");
    EXPECT_EQ(ReportPageTitle(bare), "Routes  11/09/2005");  // before any report: the date alone
}

// The routes of the heading take the page's whole width before they wrap, after the
// last blank that fits; a name longer than a row is cut at the row's end.
TEST(PaintReportPages, TheRoutesWrapOnlyWhereTheyDoNotFitTheWidth)
{
    TextRecordingDevice device;
    const PrintMetrics m = MetricsOn(device);
    constexpr int kColumns = 40;
    const QRect page(0, 0, kColumns * m.charWidth + m.charWidth / 2, 30 * m.rowHeight);
    QString fits;  // "I-10, I-20, ..." exactly as wide as the page
    for (int n = 10; fits.size() < kColumns; n += 10)
        fits += (fits.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("I-%1").arg(n);
    ASSERT_EQ(fits.size(), kColumns);
    const QString longName(kColumns + 5, QLatin1Char('x'));
    const struct {
        const char* name;
        QString routes;
        QStringList rows;
    } cases[] = {
        {"fits exactly", fits, {fits}},
        {"a character more", fits + QStringLiteral("0"),
         {fits.left(fits.lastIndexOf(QLatin1Char(' '))), fits.mid(fits.lastIndexOf(QLatin1Char(' ')) + 1) + "0"}},
        {"one name wider than the page", longName, {longName.left(kColumns), QStringLiteral("xxxxx")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        device.engine.texts.clear();
        QPainter painter(&device);
        ReportPageHeading heading;
        heading.date = QStringLiteral("11/09/2005");
        heading.routes = c.routes;
        ASSERT_EQ(PaintReportPages(painter, page, {QStringLiteral("first row")}, heading, [] { return true; }), 1);
        painter.end();
        const std::vector<QString> drawn = TextsOnPage(device.engine.texts, 0);
        ASSERT_EQ(drawn.size(), 2u + c.rows.size() + 1u) << c.routes.toStdString();  // title, page, routes, row
        EXPECT_EQ(QStringList(drawn.begin() + 2, drawn.end() - 1), c.rows);
        EXPECT_EQ(drawn.back(), "first row");
    }
}

// A report that heads its own first page (the trip plan) gets the column headings
// from the second page on, and its first page has that row for a report row.
TEST(PaintReportPages, ColumnHeadingsFromALaterPage)
{
    TextRecordingDevice device;
    const PrintMetrics m = MetricsOn(device);
    // 26 rows: the title, the routes, the rule's row, the headings and 22 report rows.
    const QRect page(0, 0, 90 * m.charWidth, 26 * m.rowHeight + m.rowHeight / 2);
    QPainter painter(&device);
    ReportPageHeading heading;
    heading.date = QStringLiteral("11/09/2005");
    heading.routes = QStringLiteral("I-40");
    heading.columns = QStringLiteral("Day  Stop");
    heading.columnsFrom = 2;
    const int pages = PaintReportPages(painter, page, Numbered(40), heading, [&device] {
        ++device.engine.page;
        return true;
    });
    painter.end();
    ASSERT_EQ(pages, 2);
    const std::vector<QString> first = TextsOnPage(device.engine.texts, 0);
    const std::vector<QString> second = TextsOnPage(device.engine.texts, 1);
    EXPECT_EQ(std::count(first.begin(), first.end(), heading.columns), 0);
    EXPECT_EQ(first.size(), 3u + 23u);  // title, page number, routes, then 22 + 1 rows
    ASSERT_GE(second.size(), 4u);
    EXPECT_EQ(second[3], heading.columns);
    EXPECT_EQ(second[4], Numbered(40)[23]);
}

// A wide report shrinks to fit the page, down to 7 points; wider still, a row holds as
// many characters as the page is wide at 7 points and the line goes on over the next.
TEST(PaintReportPages, WideLinesShrinkThenWrapAtThePageWidth)
{
    int pages = 0;
    const QString wide = QString(96, QLatin1Char('x'));  // fits at 8 points, not at 10
    std::vector<QString> onPage = TextsOnPage(Print({wide}, 50, 80, &pages), 0);
    ASSERT_EQ(onPage.size(), 3u);  // the heading's two halves and one row
    EXPECT_EQ(onPage[2], wide);

    TextRecordingDevice device;
    const PrintMetrics ten = MetricsOn(device);
    QPainter painter(&device);
    painter.setFont(RouteReportFont(7));
    const int columnsAtSeven = (80 * ten.charWidth + ten.charWidth / 2) / painter.fontMetrics().horizontalAdvance(QLatin1Char('M'));
    painter.end();
    onPage = TextsOnPage(Print({QString(300, QLatin1Char('y'))}, 50, 80, &pages), 0);
    ASSERT_GE(onPage.size(), 4u);
    EXPECT_EQ(onPage[2].size(), columnsAtSeven);
    EXPECT_EQ(onPage[3].size(), std::min(columnsAtSeven, 300 - columnsAtSeven));
}

// Whatever margins the setup dialog left, nothing is printed in the outer half inch.
TEST(PrintReport, MarginsOfAtLeastHalfAnInch)
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
    printer.setPageMargins(QMarginsF(0.1, 0.75, 0.2, 0.3), QPageLayout::Inch);
    ReportPageHeading heading;
    heading.date = QStringLiteral("11/09/2005");
    ASSERT_TRUE(PrintReport(printer, Numbered(3), heading));
    const QMarginsF m = printer.pageLayout().margins(QPageLayout::Inch);
    EXPECT_DOUBLE_EQ(m.left(), 0.5);
    EXPECT_DOUBLE_EQ(m.top(), 0.75);  // a wider margin stays
    EXPECT_DOUBLE_EQ(m.right(), 0.5);
    EXPECT_DOUBLE_EQ(m.bottom(), 0.5);
}

TEST(PaintReportPages, StopsWhenThePrinterRefusesANewPage)
{
    TextRecordingDevice device;
    QPainter painter(&device);
    ReportPageHeading heading;
    heading.date = QStringLiteral("x");
    const int pages = PaintReportPages(painter, QRect(0, 0, 4000, 2000), Numbered(200), heading, [] { return false; });
    EXPECT_EQ(pages, 1);
}

} // namespace
} // namespace dawnrule
