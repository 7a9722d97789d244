#include "windows/ttripplan.h"

#include "astro/date_text.h"
#include "common/errors.h"
#include "common/text_file.h"
#include "controls/combo_box.h"
#include "controls/cp1252_text.h"
#include "controls/date_edit.h"
#include "controls/platform.h"
#include "controls/window_look.h"
#include "trip/route_path.h"
#include "trip/trip_plan_text.h"
#include "trip/trip_request.h"
#include "windows/route_print.h"
#include "windows/routes_host.h"
#include "windows/text_table_model.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QSplitter>
#include <QStringListModel>
#include <QTableView>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <unordered_set>

namespace dawnrule {

namespace {

constexpr int kStartWidth = 960;
constexpr int kStartHeight = 600;
constexpr int kMinWidth = 560;
constexpr int kMinHeight = 360;

QLabel* Caption(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    SetTextColour(label, kNavy);
    return label;
}

QTableView* MakeTable(QWidget* parent, TextTableModel* model)
{
    auto* table = new QTableView(parent);
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    return table;
}

} // namespace

TTripPlan::TTripPlan(Platform& platform, RoutesHost& host, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_host(host)
{
    setWindowTitle(QStringLiteral("Trip Plan"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    SetBackground(this, kWindowColour);
    SetTextColour(this, kNavy);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    BuildControls();
    setSizeGripEnabled(true);
    setMinimumSize(kMinWidth, kMinHeight);
    resize(kStartWidth, kStartHeight);
}

TTripPlan::~TTripPlan() = default;

void TTripPlan::BuildControls()
{
    auto* form = new QGridLayout;
    m_stopNames = new QStringListModel(this);
    FromList = new ComboBox(this);
    ToList = new ComboBox(this);
    for (ComboBox* list : {FromList, ToList}) {
        list->setModel(m_stopNames);
        list->setMinimumContentsLength(22);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    DepartDate = new DateEdit(this);
    DepartDate->setMinimumWidth(DepartDate->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 28);
    DepartTime = new QTimeEdit(this);
    DepartTime->setDisplayFormat(QStringLiteral("HH:mm"));
    FirstMinute = new QCheckBox(QStringLiteral("first legal minute"), this);
    FirstMinute->setChecked(true);
    Speed = new QSpinBox(this);
    Speed->setRange(static_cast<int>(kTripMinMph), static_cast<int>(kTripMaxMph));
    Speed->setSuffix(QStringLiteral(" mph"));
    Hours = new QSpinBox(this);
    Hours->setRange(0, static_cast<int>(kTripMaxHours));
    Hours->setSpecialValueText(QStringLiteral("no limit"));
    RoadFactor = new QDoubleSpinBox(this);
    RoadFactor->setRange(kTripMinRoadFactor, kTripMaxRoadFactor);
    RoadFactor->setDecimals(2);
    RoadFactor->setSingleStep(0.05);
    RoadFactor->setToolTip(QStringLiteral("Road miles for each straight-line mile between two stops"));
    Rest = new QCheckBox(QStringLiteral("Rest on Sundays and holidays"), this);
    PlanButton = MakeFlatButton(this, QStringLiteral("Plan"), QRect(0, 0, 64, 22));
    PrintButton = MakeFlatButton(this, QStringLiteral("Print"), QRect(0, 0, 64, 22));
    SaveButton = MakeFlatButton(this, QStringLiteral("Save CSV"), QRect(0, 0, 72, 22));
    CloseButton = MakeFlatButton(this, QStringLiteral("Close"), QRect(0, 0, 64, 22));

    form->addWidget(Caption(this, QStringLiteral("From")), 0, 0);
    form->addWidget(FromList, 0, 1, 1, 3);
    form->addWidget(Caption(this, QStringLiteral("To")), 0, 4);
    form->addWidget(ToList, 0, 5, 1, 3);
    form->addWidget(Caption(this, QStringLiteral("Depart")), 1, 0);
    form->addWidget(DepartDate, 1, 1);
    form->addWidget(DepartTime, 1, 2);
    form->addWidget(FirstMinute, 1, 3);
    form->addWidget(Caption(this, QStringLiteral("Speed")), 1, 4);
    form->addWidget(Speed, 1, 5);
    form->addWidget(Caption(this, QStringLiteral("Hours a day")), 1, 6);
    form->addWidget(Hours, 1, 7);
    form->addWidget(Caption(this, QStringLiteral("Road factor")), 2, 0);
    form->addWidget(RoadFactor, 2, 1);
    form->addWidget(Rest, 2, 2, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QToolButton* b : {PlanButton, PrintButton, SaveButton, CloseButton})
        buttons->addWidget(b);
    form->addLayout(buttons, 2, 4, 1, 4);
    form->setColumnStretch(3, 1);

    Header = new QLabel(this);
    Header->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetTextColour(Header, kNavy);
    m_days = new TextTableModel(this);
    m_stops = new TextTableModel(this);
    DaysTable = MakeTable(this, m_days);
    StopsTable = MakeTable(this, m_stops);
    auto* tables = new QSplitter(Qt::Vertical, this);
    tables->addWidget(DaysTable);
    tables->addWidget(StopsTable);
    tables->setStretchFactor(0, 1);
    tables->setStretchFactor(1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Header);
    layout->addWidget(tables, 1);

    connect(PlanButton, &QToolButton::clicked, this, &TTripPlan::PlanButtonClick);
    connect(PrintButton, &QToolButton::clicked, this, &TTripPlan::PrintButtonClick);
    connect(SaveButton, &QToolButton::clicked, this, &TTripPlan::SaveButtonClick);
    connect(CloseButton, &QToolButton::clicked, this, &QDialog::accept);
    connect(FirstMinute, &QCheckBox::toggled, this, &TTripPlan::FirstMinuteClick);
    ApplySettings({});
}

QString TTripPlan::FilePath(const char* name) const
{
    return m_platform.programFolder() + QString::fromLatin1(name);
}

bool TTripPlan::Prepare(const QStringList& routeNames)
{
    m_routeNames.clear();
    m_plan.reset();
    ShowPlan();
    // Every stop of the routes once, in the routes' order, for From and To.
    QStringList stops;
    std::unordered_set<std::string> seen;
    try {
        for (const QString& name : routeNames) {
            m_routeNames.push_back(name.toStdString());
            for (const TripStop& stop : ReadTripRoute(m_platform.programFolder().toStdString(), m_routeNames.back()).stops) {
                if (seen.insert(stop.name).second)
                    stops << FromCp1252(stop.name);
            }
        }
    } catch (const TripPlanError& e) {
        m_routeNames.clear();
        m_platform.showMessage(this, FromCp1252(e.what()));
        return false;
    }
    if (stops.size() < 2) {
        m_routeNames.clear();
        m_platform.showMessage(this, QStringLiteral("The routes named hold fewer than two stops: nothing to plan."));
        return false;
    }
    {
        const QSignalBlocker fromBlock(FromList), toBlock(ToList);
        m_stopNames->setStringList(stops);
    }
    TripPlanSettings settings;
    try {
        settings = ParseTripPlanSettings(ReadTextLines(FilePath(kTripPlanFileName).toStdString()));
    } catch (const FileError&) {
        // None kept yet: the defaults.
    }
    ApplySettings(settings);
    if (const std::optional<CivilDate> date = ParseDateText(m_host.DateFieldText().toStdString()))
        DepartDate->setDate(QDate(date->year, date->month, date->day));
    PlanButtonClick();
    return true;
}

void TTripPlan::ShowFor(const QStringList& routeNames)
{
    if (Prepare(routeNames))
        exec();
}

TripPlanSettings TTripPlan::Settings() const
{
    TripPlanSettings s;
    s.from = ToCp1252(FromList->currentText());
    s.to = ToCp1252(ToList->currentText());
    if (!FirstMinute->isChecked())
        s.departMinute = DepartTime->time().hour() * 60 + DepartTime->time().minute();
    s.mph = Speed->value();
    s.hoursPerDay = Hours->value();
    s.roadFactor = RoadFactor->value();
    s.rest = Rest->isChecked();
    return s;
}

void TTripPlan::ApplySettings(const TripPlanSettings& s)
{
    // A kept stop that the routes do not hold gives way to the first and last stops.
    const int from = FromList->findText(FromCp1252(s.from));
    const int to = ToList->findText(FromCp1252(s.to));
    FromList->setItemIndex(from >= 0 ? from : 0);
    ToList->setItemIndex(to >= 0 ? to : ToList->count() - 1);
    FirstMinute->setChecked(!s.departMinute);
    DepartTime->setTime(s.departMinute ? QTime(*s.departMinute / 60, *s.departMinute % 60) : QTime(7, 0));
    DepartTime->setEnabled(s.departMinute.has_value());
    Speed->setValue(static_cast<int>(std::lround(s.mph)));
    Hours->setValue(static_cast<int>(std::lround(s.hoursPerDay)));
    RoadFactor->setValue(s.roadFactor);
    Rest->setChecked(s.rest);
}

void TTripPlan::SaveSettings()
{
    try {
        WriteTextLines(FilePath(kTripPlanFileName).toStdString(), TripPlanSettingsLines(Settings()));
    } catch (const FileError& e) {
        m_platform.showMessage(this, QString::fromStdString(e.what()));
    }
}

void TTripPlan::FirstMinuteClick()
{
    DepartTime->setEnabled(!FirstMinute->isChecked());
}

void TTripPlan::PlanButtonClick()
{
    m_plan.reset();
    ShowPlan();
    if (m_routeNames.empty())
        return;

    const TripPlanSettings s = Settings();
    TripRequest request;
    request.folder = m_platform.programFolder().toStdString();
    request.routeNames = m_routeNames;
    request.from = s.from;
    request.to = s.to;
    request.roadFactor = s.roadFactor;
    TripOptions& o = request.options;
    const QDate date = DepartDate->date();
    o.departDate = {date.year(), date.month(), date.day()};
    o.departMinute = s.departMinute;
    o.mph = s.mph;
    o.hoursPerDay = s.hoursPerDay;
    o.restSundaysAndHolidays = s.rest;
    // The home clock: the home place's zone, else a fixed offset (the home place's, or the
    // main window's without a home place).
    request.home.place = m_host.HomePlace();
    request.home.offsetHours = m_host.GmtOffset();

    TripOutcome outcome = PlanTripRequest(request, m_host.Zones());
    if (!outcome.plan) {
        QStringList lines;
        for (const std::string& line : outcome.error)
            lines << FromCp1252(line);
        m_platform.showMessage(this, lines.join(QLatin1Char('\n')));
        return;
    }
    m_plan = std::move(outcome.plan);
    ShowPlan();
    SaveSettings();
}

void TTripPlan::ShowPlan()
{
    PrintButton->setEnabled(m_plan.has_value());
    SaveButton->setEnabled(m_plan.has_value());
    if (!m_plan) {
        Header->clear();
        m_days->SetTable({}, {});
        m_stops->SetTable({}, {});
        return;
    }
    QStringList header;
    for (const std::string& line : TripPlanHeaderLines(*m_plan))
        header << FromCp1252(line);
    Header->setText(header.join(QLatin1Char('\n')));
    m_days->SetTable(TripPlanSummaryTable(*m_plan), kTripSummaryRightColumns);
    m_stops->SetTable(TripPlanStopTable(*m_plan), kTripStopRightColumns);
    DaysTable->resizeColumnsToContents();
    StopsTable->resizeColumnsToContents();
}

void TTripPlan::PrintButtonClick()
{
    if (!m_plan)
        return;
    const TripPlanHeading h = TripPlanHeadingOf(*m_plan);
    ReportPageHeading heading;
    heading.title = QStringLiteral("Trip plan");
    heading.date = QString::fromStdString(DateText(m_plan->options.departDate));
    heading.clock = FromCp1252(h.clocks);
    heading.routes = FromCp1252(h.what + "; " + h.pace);
    heading.columns = FromCp1252(AlignedTable(TripPlanStopTable(*m_plan), kTripStopRightColumns).front());
    heading.columnsFrom = 2;  // the first page heads its own tables
    QStringList lines{FromCp1252(h.rules)};
    for (const std::string& line : TripPlanBodyLines(*m_plan))
        lines << FromCp1252(line);
    PrintReportFrom(m_platform, this, lines, heading, QPageLayout::Landscape);  // the plan's rows are wide
}

void TTripPlan::SaveButtonClick()
{
    if (!m_plan)
        return;
    QString suggested = QStringLiteral("Trip plan %1 to %2.csv").arg(FromCp1252(m_plan->from), FromCp1252(m_plan->to));
    suggested.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString path =
        m_platform.saveFileName(this, QStringLiteral("Save the plan as CSV"), suggested, QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    try {
        WriteTextLines(path.toStdString(), TripPlanCsvLines(*m_plan));
    } catch (const FileError& e) {
        m_platform.showMessage(this, QString::fromStdString(e.what()));
    }
}

} // namespace dawnrule
