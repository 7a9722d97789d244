#include "windows/troutes.h"

#include "app/local_day.h"
#include "common/errors.h"
#include "common/text_file.h"
#include "controls/combo_box.h"
#include "controls/cp1252_text.h"
#include "controls/pie_progress_bar.h"
#include "controls/platform.h"
#include "controls/window_look.h"
#include "windows/route_legend.h"
#include "windows/route_local_times.h"
#include "windows/route_report.h"
#include "windows/routes_host.h"
#include "windows/ttripplan.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QToolButton>

#include <optional>
#include <utility>

namespace dawnrule {

namespace {

const QColor kYellow(255, 255, 0);
const QColor kSilver(192, 192, 192);

constexpr qreal kReportPointSize = 8;  // eleven pixels a line on a usual screen
constexpr int kBarHeight = 28;         // the two button panels

// A warning names the route as the box holds it (Unicode) and may quote the route
// file's text (Windows-1252): read it as UTF-8 where it is, else as Windows-1252.
QString FromWarning(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(QByteArray::fromStdString(bytes));
    return utf8.hasError() ? FromCp1252(bytes) : text;
}

} // namespace

TRoutes::TRoutes(Platform& platform, RoutesHost& host, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_host(host)
{
    setWindowTitle(QStringLiteral("Routes"));
    SetDialogLook(this, kClientWidth, kClientHeight);
    setWindowFlags(windowFlags() | Qt::WindowSystemMenuHint);
    // Closing this window while the main one is hidden must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);

    BuildControls();
    ConnectHandlers();
    CentreOnDesktop(this);
    m_tripPlan = new TTripPlan(platform, host, this);
}

TRoutes::~TRoutes() = default;

void TRoutes::BuildControls()
{
    QFrame* top = MakePanel(this, kBarColour, QRect(0, 0, kClientWidth, kBarHeight));
    ComboBox1 = new ComboBox(top);
    ComboBox1->setGeometry(4, 4, 112, 20);
    ComboBox1->setFocusPolicy(Qt::ClickFocus);
    ComboBox1->setEditText(QStringLiteral("Routes"));
    SpeedButton2 = MakeFlatButton(top, QStringLiteral("Process"), QRect(120, 3, 110, 22));
    SpeedButton2->setEnabled(false);
    SpeedButton3 = MakeFlatButton(top, QStringLiteral("Legend"), QRect(232, 3, 58, 22));
    SpeedButton3->setCheckable(true);
    SpeedButton4 = MakeFlatButton(top, QStringLiteral("Reverse"), QRect(292, 3, 58, 22));

    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setGeometry(4, kBarHeight + 4, kClientWidth - 8, kClientHeight - 2 * kBarHeight - 8);
    RichEdit1->setFont(RouteReportFont(kReportPointSize));
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setFocusPolicy(Qt::ClickFocus);
    QPalette report = RichEdit1->palette();
    report.setColor(QPalette::Text, Qt::black);
    RichEdit1->setPalette(report);

    QFrame* bottom = MakePanel(this, kBarColour, QRect(0, kClientHeight - kBarHeight, kClientWidth, kBarHeight));
    SpeedButton1 = MakeFlatButton(bottom, QStringLiteral("Clear"), QRect(4, 3, 64, 22));
    SpeedButton52 = MakeFlatButton(bottom, QStringLiteral("Print"), QRect(145, 3, 64, 22));
    SpeedButton53 = MakeFlatButton(bottom, QStringLiteral("Close"), QRect(286, 3, 64, 22));
    // Between "Clear" and "Print".
    SpeedButton5 = MakeFlatButton(bottom, QStringLiteral("Plan"), QRect(74, 3, 64, 22));
    SpeedButton5->setToolTip(QStringLiteral("The daylight trip plan of an oversize load along these routes"));
    // Between "Print" and "Close", a pixel smaller than the buttons so the caption fits.
    CheckBox1 = new QCheckBox(QStringLiteral("Local times"), bottom);
    CheckBox1->setGeometry(211, 5, 74, 18);
    QFont small = CheckBox1->font();
    small.setPixelSize(10);
    CheckBox1->setFont(small);
    CheckBox1->setFocusPolicy(Qt::ClickFocus);
    CheckBox1->setToolTip(QStringLiteral("After the home times, each stop's own local rise and set and its zone"));
    SetTextColour(CheckBox1, kNavy);

    // Over the bottom buttons while a route runs: they cannot be used then anyway.
    PieProgressBar1 = new TPieProgressBar(this);
    PieProgressBar1->SetBounds(4, kClientHeight - kBarHeight + 2, kClientWidth - 8, kBarHeight - 4);
    PieProgressBar1->setBackColor(kYellow);
    PieProgressBar1->setBorderWidth(0);
    PieProgressBar1->setDecimals(0);
    PieProgressBar1->setNumSegments(1);
    PieProgressBar1->setMax(100);
    PieProgressBar1->setStep(1);
    PieProgressBar1->setTextUnit(QStringLiteral("%"));
    SetTextColour(PieProgressBar1, kSilver);
    PieProgressBar1->hide();
    PieProgressBar1->raise();

    Panel7 = new RouteLegend(this);
    Panel7->setGeometry(4, kBarHeight + 4, kClientWidth - 8, Panel7->sizeHint().height());
    Panel7->hide();
    Panel7->raise();
}

void TRoutes::ConnectHandlers()
{
    connect(ComboBox1, &ComboBox::changed, this, &TRoutes::ComboBox1Change);
    connect(SpeedButton1, &QToolButton::clicked, this, &TRoutes::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TRoutes::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TRoutes::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TRoutes::SpeedButton4Click);
    connect(SpeedButton52, &QToolButton::clicked, this, &TRoutes::SpeedButton52Click);
    connect(SpeedButton53, &QToolButton::clicked, this, &TRoutes::SpeedButton53Click);
    connect(SpeedButton5, &QToolButton::clicked, this, &TRoutes::SpeedButton5Click);
    // Every way out (the Close button, Escape, the window manager) ends in done().
    connect(this, &QDialog::finished, this, &TRoutes::FormClose);
}

void TRoutes::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TRoutes::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window manager that does not hand the focus to the new window still gets the
    // list and the caption.
    FormActivate();
}

void TRoutes::FormActivate()
{
    const QString path = m_platform.programFolder() + QStringLiteral("Highways.txt");
    QStringList names;
    bool listed = false;
    if (QFileInfo::exists(path)) {
        // A list that is there but cannot be read counts as missing: a message box
        // here would come back with every activation that its closing brings.
        try {
            for (const std::string& line : ReadTextLines(path.toStdString()))
                names << FromCp1252(line);
            listed = true;
        } catch (const FileError&) {
        }
    }
    if (!listed) {
        ComboBox1->clearText();
        ComboBox1->setEditText(QStringLiteral("No Interstate List"));
        return;
    }
    const QString text = ComboBox1->currentText();
    {
        const QSignalBlocker block(ComboBox1);
        ComboBox1->clear();
        ComboBox1->addItems(names);
    }
    ComboBox1->clearText();
    ComboBox1->setEditText(text);
    SpeedButton2->setText(QStringLiteral("Process ") + m_host.DateFieldText());
}

void TRoutes::ComboBox1Change()
{
    RichEdit1->appendPlainText(ComboBox1->currentText());
    if (ProcessArmed)
        SpeedButton2->setEnabled(true);
}

RouteRiseSet TRoutes::ZuruRuzTexts(double latitude, double longitude)
{
    const RoutesHost::StopTexts texts = m_host.BatchStop(latitude, longitude);
    if (texts.message)
        BatchMessage(*texts.message, false);
    return {ToCp1252(texts.rise), ToCp1252(texts.set)};
}

void TRoutes::BatchMessage(const QString& text, bool onTheButtons)
{
    if (onTheButtons)
        m_platform.movePointer(DesktopCentre(10, 30));
    if (!m_platform.confirm(this, text))
        m_stopped = true;
    // The batch does not return to the event loop: what the box covered is drawn now.
    repaint();
    RichEdit1->viewport()->repaint();
}

QString TRoutes::ClockText() const
{
    if (const std::optional<QString> entry = m_host.ChosenOffsetEntry())
        return entry->simplified();
    return QString::fromStdString(GmtOffsetText(m_host.GmtOffset()));
}

bool TRoutes::ConfirmClock()
{
    if (m_host.ChosenOffsetEntry())
        return true;
    const double offset = m_host.GmtOffset();
    const QString clock = offset == 0 ? QStringLiteral("GMT") : ClockText();
    m_platform.movePointer(DesktopCentre(-30, 30));
    return m_platform.confirm(this, QStringLiteral("No GMT offset chosen: the times will be %1. Continue?").arg(clock));
}

void TRoutes::SpeedButton2Click()
{
    if (RichEdit1->toPlainText().isEmpty())
        return;
    if (!ConfirmClock())
        return;
    // One pass over what is pending; from here the batch runs to its end.
    QCoreApplication::processEvents();

    const QStringList names = BoxRouteNames();
    std::vector<std::string> routeNames;
    routeNames.reserve(static_cast<size_t>(names.size()));
    for (const QString& name : names)
        routeNames.push_back(name.toStdString());

    m_stopped = false;
    RouteReportOperations operations;
    operations.readLines = ReadTextLines;
    operations.zuruRuzTexts = [this](double latitude, double longitude) {
        return ZuruRuzTexts(latitude, longitude);
    };
    operations.beginRoute = [this](const std::string& name, int lineCount) {
        PieProgressBar1->setMax(lineCount);
        PieProgressBar1->setPosition(0);
        PieProgressBar1->setTextUnit(QStringLiteral("  -  %1  -  ").arg(lineCount) + QString::fromStdString(name));
        PieProgressBar1->show();
        PieProgressBar1->repaint();  // the new route shows at once
    };
    operations.step = [this](int lineIndex) { PieProgressBar1->setPosition(lineIndex); };
    operations.warn = [this](const std::string& message) { BatchMessage(FromWarning(message), true); };
    operations.stopped = [this] { return m_stopped; };

    // The home texts are the main window's, in its clock; the local columns each stop's.
    const bool localTimes = CheckBox1->isChecked();
    std::optional<RouteLocalClock> local;
    if (localTimes) {
        local.emplace(m_host.Zones(), m_host.DateFieldText().toStdString(), m_host.GmtOffset(), m_host.Military());
        local->UseFor(operations);
    }
    // The first stop sets where the column headings of the printed pages stand.
    std::optional<std::pair<std::string, RouteRiseSet>> firstStop;
    operations.stopLine = [&, line = operations.stopLine](const std::string& label, const RouteRiseSet& texts,
                                                          double latitude, double longitude) {
        if (!firstStop)
            firstStop.emplace(label, texts);
        return line ? line(label, texts, latitude, longitude) : RouteStopLine(label, texts);
    };

    const QString clock = ClockText();
    const std::vector<std::string> report =
        BuildRouteReport(routeNames, m_platform.programFolder().toStdString(), operations);
    PieProgressBar1->hide();

    QStringList lines;
    lines.reserve(static_cast<qsizetype>(report.size()) + 2);
    lines << m_host.DateFieldText() << QString();
    for (const std::string& line : report)
        lines << FromCp1252(line);
    SetReportLines(lines);

    m_heading = {};
    m_heading.date = m_host.DateFieldText();
    m_heading.clock = localTimes ? QStringLiteral("home: %1   local: each stop's zone").arg(clock) : clock;
    m_heading.routes = names.join(QStringLiteral(", "));
    m_reportRoutes = names;
    if (firstStop) {
        m_heading.columns = QString::fromStdString(
            RouteColumnHeadings(FromCp1252(firstStop->first).size(), localTimes, firstStop->second));
    }
    // The marks the report's times carry, explained at the foot of every page.
    QStringList notes;
    if (local && local->MarkedEveningBefore()) {
        notes << QStringLiteral("%1 after midnight: the end of the evening before (each day runs midnight to midnight)")
                     .arg(QString::fromLatin1(kEveningBeforeMark.data(), kEveningBeforeMark.size()));
    }
    if (local && local->MarkedNextDay()) {
        notes << QStringLiteral("%1 after a home time: on the day after the report's date")
                     .arg(QString::fromLatin1(kRouteNextDayMark.data(), kRouteNextDayMark.size()));
    }
    m_heading.note = notes.join(QLatin1Char('\n'));

    m_host.EndBatch();
    SpeedButton2->setEnabled(false);
    ProcessArmed = false;
}

void TRoutes::SpeedButton1Click()
{
    if (RichEdit1->toPlainText().isEmpty()) {
        SpeedButton2->setEnabled(false);
        return;
    }
    m_platform.movePointer(DesktopCentre(-30, 30));
    if (!m_platform.confirm(this, QStringLiteral("Clear memo?")))
        return;
    RichEdit1->clear();
    ComboBox1->clearText();
    ProcessArmed = true;
    m_heading = {};
    m_reportRoutes.clear();
}

void TRoutes::SpeedButton4Click()
{
    const QStringList lines = ReportLines();
    if (lines.isEmpty())
        return;
    QStringList reversed{lines.first(), QString()};
    reversed.reserve(lines.size());
    for (qsizetype i = lines.size() - 1; i >= 2; --i)
        reversed << lines[i];
    SetReportLines(reversed);
}

void TRoutes::SpeedButton52Click()
{
    PrintReportFrom(m_platform, this, ReportLines(), PageHeading());
}

QStringList TRoutes::BoxRouteNames() const
{
    QStringList names = ReportLines();
    if (names.size() > 1 && names.back().isEmpty())
        names.removeLast();  // the line break after the last name names no route
    return names;
}

QStringList TRoutes::RouteNames() const
{
    return ProcessArmed ? BoxRouteNames() : m_reportRoutes;
}

void TRoutes::SpeedButton5Click()
{
    // A line of blanks names no route, and the blanks around a name are no part of it.
    QStringList names;
    for (const QString& line : RouteNames()) {
        const QString name = line.trimmed();
        if (!name.isEmpty())
            names << name;
    }
    // No route named: the plan's path comes from its route builder or a route file.
    m_tripPlan->ShowFor(names);
}

void TRoutes::SpeedButton3Click()
{
    Panel7->setVisible(SpeedButton3->isChecked());
}

void TRoutes::SpeedButton53Click()
{
    close();
}

void TRoutes::FormClose()
{
    m_host.RoutesClosed();
}

bool TRoutes::LocalTimes() const
{
    return CheckBox1->isChecked();
}

void TRoutes::SetLocalTimes(bool on)
{
    CheckBox1->setChecked(on);
}

QStringList TRoutes::ReportLines() const
{
    const QString text = RichEdit1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TRoutes::SetReportLines(const QStringList& lines)
{
    RichEdit1->setPlainText(lines.join(QLatin1Char('\n')));
}

ReportPageHeading TRoutes::PageHeading() const
{
    if (!m_heading.date.isEmpty())
        return m_heading;
    ReportPageHeading heading;
    heading.date = m_host.DateFieldText();
    return heading;
}

QPoint TRoutes::DesktopCentre(int dx, int dy) const
{
    // Halves of the whole virtual desktop, from its own corner: with a screen left of
    // the primary one the desktop starts at a negative x.
    const QRect desktop = m_platform.virtualDesktop();
    return QPoint(desktop.left() + desktop.width() / 2 + dx, desktop.top() + desktop.height() / 2 + dy);
}

} // namespace dawnrule
