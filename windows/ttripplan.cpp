#include "windows/ttripplan.h"

#include "astro/date_text.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "common/text_file.h"
#include "controls/combo_box.h"
#include "controls/cp1252_text.h"
#include "controls/platform.h"
#include "controls/window_look.h"
#include "trip/gpx_file.h"
#include "trip/path_file.h"
#include "trip/plan_calendar.h"
#include "trip/route_path.h"
#include "trip/town_index.h"
#include "trip/trip_plan_text.h"
#include "trip/trip_request.h"
#include "trip/trip_timeline.h"
#include "windows/background_work.h"
#include "windows/route_builder.h"
#include "windows/route_print.h"
#include "windows/trip_plan_pages.h"
#include "windows/routes_host.h"
#include "windows/text_table_model.h"
#include "windows/trip_timeline_view.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QStringListModel>
#include <QTableView>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace dawnrule {

namespace {

constexpr int kStartWidth = 1180;
constexpr int kBuilderWidth = 230;
constexpr int kStartHeight = 720;
constexpr int kMinWidth = 560;
constexpr int kMinHeight = 360;

QLabel* Caption(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    SetTextColour(label, kNavy);
    return label;
}

// A date field whose part under a click (month, day or year) is selected, so what is
// typed next replaces it; Tab and the arrow keys work as in any date field.
class SectionDateEdit : public QDateEdit {
public:
    explicit SectionDateEdit(QWidget* parent) : QDateEdit(parent) { lineEdit()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease) {
            const bool handled = QDateEdit::eventFilter(watched, event);
            setSelectedSection(currentSection());
            return handled;
        }
        return QDateEdit::eventFilter(watched, event);
    }
};

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

namespace {

// A number field: it keeps whatever is typed; "Plan" checks it.
QLineEdit* NumberField(QWidget* parent, const QString& tip, int characters = 5)
{
    auto* field = new QLineEdit(parent);
    field->setToolTip(tip);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters + 12);
    return field;
}

QString RangeTip(const TripNumberRange& range, const QString& what)
{
    return QStringLiteral("%1: %2 to %3%4")
        .arg(what)
        .arg(QString::fromStdString(FloatToStr(range.low)), QString::fromStdString(FloatToStr(range.high)),
             range.zeroForNoLimit ? QStringLiteral(", or 0 for no limit") : QString());
}

} // namespace

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
    DepartDate = new SectionDateEdit(this);
    DepartDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    DepartDate->setCalendarPopup(true);
    DepartDate->setDateRange(QDate(1583, 1, 2), QDate(9999, 12, 31));
    DepartDate->setMinimumWidth(DepartDate->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 36);
    DepartTime = new QTimeEdit(this);
    DepartTime->setDisplayFormat(QStringLiteral("HH:mm"));
    FirstMinute = new QCheckBox(QStringLiteral("first legal minute"), this);
    FirstMinute->setChecked(true);
    Speed = NumberField(this, RangeTip(kTripMphRange, QStringLiteral("Average speed, mph")));
    Hours = NumberField(this, RangeTip(kTripHoursRange, QStringLiteral("Hours of driving in a duty period")));
    Duty = NumberField(this, RangeTip(kTripDutyRange,
                                      QStringLiteral("Hours from a duty period's first departure to its last arrival")));
    OffDuty = NumberField(this, RangeTip(kTripOffRange, QStringLiteral("Hours of rest between two duty periods")));
    Width = NumberField(this, RangeTip(kTripWidthRange, QStringLiteral("The load's width in feet, for the curfews "
                                                                       "that hold wider loads only; empty: every curfew")));
    Break = new QCheckBox(QStringLiteral("30-minute break"), this);
    Break->setToolTip(QStringLiteral("30 minutes off duty before 8 hours of driving. Permitted oversize loads are "
                                     "exempt from the break through June 17, 2030."));
    RoadFactor = NumberField(this, RangeTip(kTripRoadFactorRange,
                                            QStringLiteral("Road miles for each straight-line mile between two stops")));
    Rest = new QCheckBox(QStringLiteral("Rest on Sundays and holidays"), this);
    PlanButton = MakeFlatButton(this, QStringLiteral("Plan"), QRect(0, 0, 64, 22));
    PrintButton = MakeFlatButton(this, QStringLiteral("Print"), QRect(0, 0, 64, 22));
    SaveButton = MakeFlatButton(this, QStringLiteral("Save CSV"), QRect(0, 0, 72, 22));
    SaveGpxButton = MakeFlatButton(this, QStringLiteral("Save GPX"), QRect(0, 0, 72, 22));
    SaveGpxButton->setToolTip(QStringLiteral("The plan for a GPS: a waypoint a stop, with its times, and the path as a route"));
    SaveCalendarButton = MakeFlatButton(this, QStringLiteral("Save calendar"), QRect(0, 0, 92, 22));
    SaveCalendarButton->setToolTip(QStringLiteral("The plan for a phone's calendar: an event a duty period"));
    CloseButton = MakeFlatButton(this, QStringLiteral("Close"), QRect(0, 0, 64, 22));

    const auto field = [this](QWidget* w, const QString& unit) {
        auto* box = new QHBoxLayout;
        box->setSpacing(3);
        box->addWidget(w);
        if (!unit.isEmpty())
            box->addWidget(Caption(this, unit));
        box->addStretch();
        return box;
    };
    form->addWidget(Caption(this, QStringLiteral("From")), 0, 0);
    form->addWidget(FromList, 0, 1, 1, 3);
    form->addWidget(Caption(this, QStringLiteral("To")), 0, 4);
    form->addWidget(ToList, 0, 5, 1, 5);
    form->addWidget(Caption(this, QStringLiteral("Depart")), 1, 0);
    form->addWidget(DepartDate, 1, 1);
    form->addWidget(DepartTime, 1, 2);
    form->addWidget(FirstMinute, 1, 3);
    form->addWidget(Caption(this, QStringLiteral("Speed")), 1, 4);
    form->addLayout(field(Speed, QStringLiteral("mph")), 1, 5);
    form->addWidget(Caption(this, QStringLiteral("Driving hours")), 1, 6);
    form->addLayout(field(Hours, {}), 1, 7);
    form->addWidget(Caption(this, QStringLiteral("Duty hours")), 1, 8);
    form->addLayout(field(Duty, {}), 1, 9);
    form->addWidget(Caption(this, QStringLiteral("Road factor")), 2, 0);
    form->addWidget(RoadFactor, 2, 1);
    form->addWidget(Rest, 2, 2, 1, 2);
    form->addWidget(Caption(this, QStringLiteral("Load width")), 2, 4);
    form->addLayout(field(Width, QStringLiteral("ft")), 2, 5);
    form->addWidget(Caption(this, QStringLiteral("Off-duty hours")), 2, 6);
    form->addLayout(field(OffDuty, {}), 2, 7);
    form->addWidget(Break, 2, 8, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QToolButton* b : {PlanButton, PrintButton, SaveButton, SaveGpxButton, SaveCalendarButton, CloseButton})
        buttons->addWidget(b);
    form->addLayout(buttons, 3, 0, 1, 10);
    form->setColumnStretch(3, 1);

    Header = new QLabel(this);
    Header->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Header->setWordWrap(true);
    SetTextColour(Header, kNavy);
    Timeline = new TripTimelineView(this);
    TimelineArea = new QScrollArea(this);
    TimelineArea->setWidget(Timeline);
    TimelineArea->setWidgetResizable(true);
    TimelineArea->setFrameShape(QFrame::NoFrame);
    m_days = new TextTableModel(this);
    m_stops = new TextTableModel(this);
    DaysTable = MakeTable(this, m_days);
    StopsTable = MakeTable(this, m_stops);
    auto* parts = new QSplitter(Qt::Vertical, this);
    parts->addWidget(TimelineArea);
    parts->addWidget(DaysTable);
    parts->addWidget(StopsTable);
    parts->setStretchFactor(0, 2);
    parts->setStretchFactor(1, 1);
    parts->setStretchFactor(2, 3);
    parts->setSizes({kStartHeight * 2 / 5, kStartHeight / 5, kStartHeight * 2 / 5});

    Builder = new RouteBuilder(m_platform, this);
    PathLabel = new QLabel(this);
    SetTextColour(PathLabel, kNavy);
    auto* sides = new QSplitter(Qt::Horizontal, this);
    sides->addWidget(Builder);
    sides->addWidget(parts);
    sides->setStretchFactor(0, 0);
    sides->setStretchFactor(1, 1);
    sides->setSizes({kBuilderWidth, kStartWidth - kBuilderWidth});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(PathLabel);
    layout->addWidget(Header);
    layout->addWidget(sides, 1);

    connect(PlanButton, &QToolButton::clicked, this, &TTripPlan::PlanButtonClick);
    connect(PrintButton, &QToolButton::clicked, this, &TTripPlan::PrintButtonClick);
    connect(SaveButton, &QToolButton::clicked, this, &TTripPlan::SaveButtonClick);
    connect(SaveGpxButton, &QToolButton::clicked, this, &TTripPlan::SaveGpxClick);
    connect(SaveCalendarButton, &QToolButton::clicked, this, &TTripPlan::SaveCalendarClick);
    connect(Builder, &RouteBuilder::changed, this, &TTripPlan::BuilderChange);
    connect(Builder, &RouteBuilder::fileChosen, this, &TTripPlan::RouteFileChosen);
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
    m_source = Source::kNone;
    m_plan.reset();
    Towns(false);  // for the route builder's type-ahead, once a run
    {
        const QSignalBlocker block(Builder);
        Builder->SetSteps({});
    }
    // Every stop of the routes once, in the routes' order, for From and To.
    m_routeStops.clear();
    std::unordered_set<std::string> seen;
    try {
        for (const QString& name : routeNames) {
            m_routeNames.push_back(name.toStdString());
            for (const TripStop& stop : ReadTripRoute(m_platform.programFolder().toStdString(), m_routeNames.back()).stops) {
                if (seen.insert(stop.name).second)
                    m_routeStops << FromCp1252(stop.name);
            }
        }
    } catch (const TripPlanError& e) {
        m_routeNames.clear();
        m_routeStops.clear();
        m_platform.showMessage(this, FromCp1252(e.what()));
        return false;
    }
    if (!routeNames.isEmpty() && m_routeStops.size() < 2) {
        m_routeNames.clear();
        m_routeStops.clear();
        m_platform.showMessage(this, QStringLiteral("The routes named hold fewer than two stops: nothing to plan."));
        return false;
    }
    if (!m_routeNames.empty())
        m_source = Source::kRoutes;
    TripPlanSettingsRead kept;
    try {
        kept = ParseTripPlanSettings(ReadTextLines(FilePath(kTripPlanFileName).toStdString()));
    } catch (const FileError&) {
        // None kept yet: the defaults.
    }
    ApplySettings(kept.settings);
    SetStops(m_routeStops);
    if (const std::optional<CivilDate> date = ParseDateText(m_host.DateFieldText().toStdString()))
        DepartDate->setDate(QDate(date->year, date->month, date->day));
    if (!kept.problems.empty()) {
        QStringList lines{QStringLiteral("%1 has lines it cannot read; those inputs keep their defaults:")
                              .arg(FilePath(kTripPlanFileName))};
        for (const std::string& problem : kept.problems)
            lines << FromCp1252(problem);
        m_platform.showMessage(this, lines.join(QLatin1Char('\n')));
    }
    ShowPlan();
    return true;
}

void TTripPlan::SetStops(const QStringList& stops)
{
    const QString from = FromList->currentText(), to = ToList->currentText();
    // From at the first stop and To at the last stay at the ends as the path grows.
    const bool fromFirst = FromList->count() > 0 && FromList->itemIndex() == 0;
    const bool toLast = ToList->count() > 0 && ToList->itemIndex() == ToList->count() - 1;
    {
        const QSignalBlocker fromBlock(FromList), toBlock(ToList);
        m_stopNames->setStringList(stops);
    }
    // A stop that the path does not hold gives way to its first and last stops.
    const int f = fromFirst ? -1 : FromList->findText(from), t = toLast ? -1 : ToList->findText(to);
    FromList->setItemIndex(f >= 0 ? f : 0);
    ToList->setItemIndex(t >= 0 ? t : ToList->count() - 1);
}

const TownIndex* TTripPlan::Towns(bool say)
{
    if (!m_towns && m_townsMissing.isEmpty()) {
        const std::string folder = m_platform.programFolder().toStdString();
        std::optional<std::string> error;
        RunInBackground(this, QStringLiteral("Reading the towns of the state lists..."), [&](const std::atomic<bool>&) {
            try {
                m_towns = std::make_shared<const TownIndex>(TownIndex::Load(folder));
            } catch (const TripPlanError& e) {
                error = e.what();
            }
        });
        if (error)
            m_townsMissing = FromCp1252(*error);
        Builder->SetTowns(m_towns, m_townsMissing);
    }
    if (!m_towns && say)
        m_platform.showMessage(this, m_townsMissing);
    return m_towns.get();
}

void TTripPlan::BuilderChange()
{
    m_plan.reset();
    QStringList stops;
    if (Builder->IsEmpty()) {
        m_source = m_routeNames.empty() ? Source::kNone : Source::kRoutes;
        stops = m_routeStops;  // back to the routes, as they were read on opening
    } else {
        m_source = Source::kTowns;
        try {
            for (const TownStep& step : Builder->Steps()) {
                TownStep named = step;
                named.miles.reset();
                stops << FromCp1252(TownLine(named));
            }
        } catch (const TripPlanError&) {
            // A line being edited; Plan names it.
        }
    }
    SetStops(stops);
    ShowPlan();
}

void TTripPlan::RouteFileChosen(const QString& path)
{
    TripPath read;
    std::optional<std::string> error;
    const TownIndex* towns = Towns(true);
    if (!towns)
        return;
    RunInBackground(this, QStringLiteral("Reading %1...").arg(QFileInfo(path).fileName()),
                    [&](const std::atomic<bool>&) {
                        try {
                            read = ReadPathFile(path.toStdString(), *towns, 1.1);
                        } catch (const TripPlanError& e) {
                            error = e.what();
                        }
                    });
    if (error) {
        m_platform.showMessage(this, FromCp1252(*error));
        return;
    }
    {
        const QSignalBlocker block(Builder);
        Builder->SetSteps({});
    }
    m_source = Source::kFile;
    m_pathFile = path.toStdString();
    m_plan.reset();
    QStringList stops;
    for (const TripStop& stop : read.stops)
        stops << FromCp1252(stop.name);
    SetStops(stops);
    ShowPlan();
}

QString TTripPlan::PathText() const
{
    switch (m_source) {
    case Source::kRoutes: {
        QStringList names;
        for (const std::string& n : m_routeNames)
            names << QString::fromStdString(n);
        return QStringLiteral("Path: the routes %1").arg(names.join(QStringLiteral(", ")));
    }
    case Source::kTowns:
        return QStringLiteral("Path: the towns of the route builder");
    case Source::kFile:
        return QStringLiteral("Path: the file %1").arg(QFileInfo(QString::fromStdString(m_pathFile)).fileName());
    case Source::kNone:
        break;
    }
    return QStringLiteral("Path: none yet. Add towns in the route builder, open a route file, or name routes in the Routes window.");
}

void TTripPlan::ShowFor(const QStringList& routeNames)
{
    if (Prepare(routeNames))
        exec();
}

bool TTripPlan::ReadSettings(TripPlanSettings& s)
{
    s.from = ToCp1252(FromList->currentText());
    s.to = ToCp1252(ToList->currentText());
    s.departMinute.reset();
    if (!FirstMinute->isChecked())
        s.departMinute = DepartTime->time().hour() * 60 + DepartTime->time().minute();
    s.breaks = Break->isChecked();
    s.rest = Rest->isChecked();
    const struct {
        QLineEdit* field;
        const TripNumberRange& range;
        double& value;
    } numbers[] = {
        {Speed, kTripMphRange, s.mph},           {Hours, kTripHoursRange, s.drivingHours},
        {Duty, kTripDutyRange, s.dutyHours},     {OffDuty, kTripOffRange, s.offHours},
        {RoadFactor, kTripRoadFactorRange, s.roadFactor},
    };
    const auto refused = [this](QLineEdit* field, const TripNumberError& e) {
        m_platform.showMessage(this, QString::fromStdString(e.what()));
        field->setFocus();
        field->selectAll();
        return false;
    };
    for (const auto& n : numbers) {
        try {
            n.value = ReadTripNumber(n.range, n.field->text().trimmed().toStdString());
        } catch (const TripNumberError& e) {
            return refused(n.field, e);
        }
    }
    s.widthFeet.reset();
    try {
        if (!Width->text().trimmed().isEmpty())
            s.widthFeet = ReadTripNumber(kTripWidthRange, Width->text().trimmed().toStdString());
    } catch (const TripNumberError& e) {
        return refused(Width, e);
    }
    return true;
}

void TTripPlan::ApplySettings(const TripPlanSettings& s)
{
    // The kept stops, chosen once the path's stops are in the lists (SetStops).
    FromList->setEditText(FromCp1252(s.from));
    ToList->setEditText(FromCp1252(s.to));
    FirstMinute->setChecked(!s.departMinute);
    DepartTime->setTime(s.departMinute ? QTime(*s.departMinute / 60, *s.departMinute % 60) : QTime(7, 0));
    DepartTime->setEnabled(s.departMinute.has_value());
    const auto number = [](double value) { return QString::fromStdString(FloatToStr(value)); };
    Speed->setText(number(s.mph));
    Hours->setText(number(s.drivingHours));
    Duty->setText(number(s.dutyHours));
    OffDuty->setText(number(s.offHours));
    Width->setText(s.widthFeet ? number(*s.widthFeet) : QString());
    Break->setChecked(s.breaks);
    RoadFactor->setText(number(s.roadFactor));
    Rest->setChecked(s.rest);
}

void TTripPlan::SaveSettings(const TripPlanSettings& settings)
{
    try {
        WriteTextLines(FilePath(kTripPlanFileName).toStdString(), TripPlanSettingsLines(settings));
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
    if (m_source == Source::kNone) {
        m_platform.showMessage(this, PathText());
        return;
    }
    TripPlanSettings s;
    if (!ReadSettings(s))
        return;

    TripRequest request;
    request.folder = m_platform.programFolder().toStdString();
    switch (m_source) {
    case Source::kRoutes:
        request.routeNames = m_routeNames;
        break;
    case Source::kTowns:
        request.source = TripPathSource::kTowns;
        try {
            request.towns = Builder->Steps();
        } catch (const TripPlanError& e) {
            m_platform.showMessage(this, FromCp1252(e.what()));
            return;
        }
        request.townIndex = Towns(false);  // none: the loader says why
        break;
    case Source::kFile:
        request.source = TripPathSource::kFile;
        request.pathFile = m_pathFile;
        request.townIndex = Towns(false);
        break;
    case Source::kNone:
        break;
    }
    request.from = s.from;
    request.to = s.to;
    request.roadFactor = s.roadFactor;
    TripOptions& o = request.options;
    const QDate date = DepartDate->date();
    o.departDate = {date.year(), date.month(), date.day()};
    o.departMinute = s.departMinute;
    o.mph = s.mph;
    o.drivingHours = s.drivingHours;
    o.dutyHours = s.dutyHours;
    o.offHours = s.offHours;
    o.breaks = s.breaks;
    o.widthFeet = s.widthFeet;
    o.restSundaysAndHolidays = s.rest;
    // The home clock: the home place's zone (or its offset), else this computer's zone.
    request.home.place = m_host.HomePlace();

    TripOutcome outcome;
    ZoneDatabase& zones = m_host.Zones();
    RunInBackground(this, QStringLiteral("Planning the trip..."), [&](const std::atomic<bool>& cancel) {
        request.cancel = &cancel;
        outcome = PlanTripRequest(request, zones);
    });
    if (outcome.cancelled)
        return;
    if (!outcome.plan) {
        QStringList lines;
        for (const std::string& line : outcome.error)
            lines << FromCp1252(line);
        m_platform.showMessage(this, lines.join(QLatin1Char('\n')));
        return;
    }
    m_plan = std::move(outcome.plan);
    ShowPlan();
    SaveSettings(s);
}

void TTripPlan::ShowPlan()
{
    for (QToolButton* b : {PrintButton, SaveButton, SaveGpxButton, SaveCalendarButton})
        b->setEnabled(m_plan.has_value());
    PathLabel->setText(PathText());
    if (!m_plan) {
        Header->setText(m_source == Source::kNone ? QString() : QStringLiteral("Press Plan to plan the trip."));
        Timeline->SetRows({}, {});
        m_days->SetTable({}, {});
        m_stops->SetTable({}, {});
        return;
    }
    QStringList header;
    for (const std::string& line : TripPlanHeaderLines(*m_plan))
        header << FromCp1252(line);
    Header->setText(header.join(QLatin1Char('\n')));
    Timeline->SetRows(TripTimeline(*m_plan), FromCp1252(m_plan->homeShort));
    m_days->SetTable(TripPlanSummaryTable(*m_plan), kTripSummaryRightColumns);
    m_stops->SetTable(TripPlanStopTable(*m_plan), kTripStopRightColumns);
    DaysTable->resizeColumnsToContents();
    StopsTable->resizeColumnsToContents();
}

void TTripPlan::PrintButtonClick()
{
    if (!m_plan)
        return;
    const TripPlanPages pages = TripPlanPrintout(*m_plan);
    PrintReportFrom(m_platform, this, pages.lines, pages.heading, QPageLayout::Landscape);  // the plan's rows are wide
}

QString TTripPlan::SuggestedName(const char* extension) const
{
    QString name = QStringLiteral("Trip plan %1 to %2.%3")
                       .arg(FromCp1252(m_plan->from), FromCp1252(m_plan->to), QString::fromLatin1(extension));
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return name;
}

void TTripPlan::SaveAs(const QString& title, const char* extension, const QString& filter,
                       const std::function<void(const std::string& path)>& write)
{
    if (!m_plan)
        return;
    const QString path = m_platform.saveFileName(this, title, SuggestedName(extension), filter);
    if (path.isEmpty())
        return;
    try {
        write(path.toStdString());
    } catch (const FileError& e) {
        m_platform.showMessage(this, QString::fromStdString(e.what()));
    }
}

void TTripPlan::SaveButtonClick()
{
    SaveAs(QStringLiteral("Save the plan as CSV"), "csv", QStringLiteral("CSV files (*.csv)"),
           [this](const std::string& path) { WriteTextLines(path, TripPlanCsvLines(*m_plan)); });
}

void TTripPlan::SaveGpxClick()
{
    SaveAs(QStringLiteral("Save the plan for a GPS"), "gpx", QStringLiteral("GPX files (*.gpx)"),
           [this](const std::string& path) { WriteTripPlanGpx(path, *m_plan); });
}

void TTripPlan::SaveCalendarClick()
{
    SaveAs(QStringLiteral("Save the plan for a calendar"), "ics", QStringLiteral("Calendar files (*.ics)"),
           [this](const std::string& path) { WriteTripPlanIcs(path, *m_plan, m_platform.now().toSecsSinceEpoch()); });
}

} // namespace dawnrule
