#include "windows/route_builder.h"

#include "common/errors.h"
#include "controls/cp1252_text.h"
#include "controls/platform.h"
#include "controls/window_look.h"

#include <QCompleter>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringListModel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace dawnrule {

namespace {

constexpr int kShownCompletions = 12;

// "Town, ST" for each town, "Town, ST@lat,lon" for towns that share their name in a state.
QStringList TownLabels(const TownIndex& towns)
{
    std::map<std::string, int> count;
    for (const Town& t : towns.Towns())
        ++count[FoldCase(t.Label())];
    QStringList labels;
    labels.reserve(static_cast<qsizetype>(towns.Towns().size()));
    for (const Town& t : towns.Towns()) {
        TownStep step;
        step.town.name = t.name;
        step.town.state = t.state;
        if (count[FoldCase(t.Label())] > 1)
            step.town.at = GeoPoint{t.latitude, t.longitude};
        labels << FromCp1252(TownLine(step));
    }
    labels.removeDuplicates();
    // The completer looks them up by a binary search over this order.
    std::sort(labels.begin(), labels.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return labels;
}

} // namespace

RouteBuilder::RouteBuilder(Platform& platform, QWidget* parent) : QWidget(parent), m_platform(platform)
{
    Caption = new QLabel(QStringLiteral("Route builder: towns in driving order"), this);
    SetTextColour(Caption, kNavy);
    TownField = new QLineEdit(this);
    TownField->setPlaceholderText(QStringLiteral("Type a town, Enter adds it"));
    TownField->setToolTip(QStringLiteral("\"Town, ST\", or \"Town, ST, miles\" with the road miles of the leg to it"));
    m_labels = new QStringListModel(this);
    m_completer = new QCompleter(m_labels, this);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setModelSorting(QCompleter::CaseInsensitivelySortedModel);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    m_completer->setMaxVisibleItems(kShownCompletions);
    TownField->setCompleter(m_completer);
    TownList = new QListWidget(this);
    TownList->setToolTip(QStringLiteral("Double-click a town to give the road miles of the leg to it: \"Town, ST, miles\""));
    RemoveButton = MakeFlatButton(this, QStringLiteral("Remove"), QRect(0, 0, 60, 22));
    UpButton = MakeFlatButton(this, QStringLiteral("Up"), QRect(0, 0, 40, 22));
    DownButton = MakeFlatButton(this, QStringLiteral("Down"), QRect(0, 0, 48, 22));
    OpenButton = MakeFlatButton(this, QStringLiteral("Open route file..."), QRect(0, 0, 110, 22));
    SaveButton = MakeFlatButton(this, QStringLiteral("Save towns..."), QRect(0, 0, 90, 22));

    auto* arrange = new QHBoxLayout;
    for (QToolButton* b : {RemoveButton, UpButton, DownButton})
        arrange->addWidget(b);
    arrange->addStretch();
    auto* files = new QHBoxLayout;
    files->addWidget(OpenButton);
    files->addWidget(SaveButton);
    files->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Caption);
    layout->addWidget(TownField);
    layout->addWidget(TownList, 1);
    layout->addLayout(arrange);
    layout->addLayout(files);

    connect(TownField, &QLineEdit::returnPressed, this, &RouteBuilder::TownFieldReturn);
    // A town taken from the list: by Enter, which the field takes too and adds it, or by a
    // click, which it does not. Added once, when the event loop comes back.
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this, [this](const QString& text) {
        TownField->setText(text);
        QTimer::singleShot(0, this, [this, text] {
            if (TownField->text() == text)
                TownFieldReturn();
        });
    });
    connect(RemoveButton, &QToolButton::clicked, this, &RouteBuilder::RemoveClick);
    connect(UpButton, &QToolButton::clicked, this, &RouteBuilder::UpClick);
    connect(DownButton, &QToolButton::clicked, this, &RouteBuilder::DownClick);
    connect(OpenButton, &QToolButton::clicked, this, &RouteBuilder::OpenClick);
    connect(SaveButton, &QToolButton::clicked, this, &RouteBuilder::SaveClick);
    connect(TownList, &QListWidget::itemChanged, this, &RouteBuilder::changed);
}

void RouteBuilder::SetTowns(std::shared_ptr<const TownIndex> towns, const QString& missing)
{
    m_towns = std::move(towns);
    m_missing = missing;
    m_labels->setStringList(m_towns ? TownLabels(*m_towns) : QStringList());
}

bool RouteBuilder::IsEmpty() const
{
    return TownList->count() == 0;
}

std::vector<TownStep> RouteBuilder::Steps() const
{
    std::vector<std::string> lines;
    for (int i = 0; i < TownList->count(); ++i)
        lines.push_back(ToCp1252(TownList->item(i)->text()));
    return ReadTownLines(lines, "the route builder");
}

void RouteBuilder::SetSteps(const std::vector<TownStep>& steps)
{
    {
        const QSignalBlocker block(TownList);
        TownList->clear();
        for (const TownStep& step : steps) {
            auto* item = new QListWidgetItem(FromCp1252(TownLine(step)), TownList);
            item->setFlags(item->flags() | Qt::ItemIsEditable);
        }
    }
    emit changed();
}

bool RouteBuilder::AddTown(const QString& text)
{
    if (!m_towns) {
        m_platform.showMessage(this, m_missing);
        return false;
    }
    TownStep step;
    try {
        const std::vector<TownStep> steps = ReadTownLines({ToCp1252(text.trimmed())}, "the town");
        if (steps.empty())
            return false;
        step = steps.front();
        const Town& town = FindTown(*m_towns, step.town);  // a town of the lists, one of them
        step.town.name = town.name;  // as the list spells it
        step.town.state = town.state;
    } catch (const TripPlanError& e) {
        m_platform.showMessage(this, FromCp1252(e.what()));
        return false;
    }
    auto* item = new QListWidgetItem(FromCp1252(TownLine(step)));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    const int at = TownList->currentRow() >= 0 ? TownList->currentRow() + 1 : TownList->count();
    {
        const QSignalBlocker block(TownList);
        TownList->insertItem(at, item);
        TownList->setCurrentRow(at);
    }
    emit changed();
    return true;
}

void RouteBuilder::TownFieldReturn()
{
    if (TownField->text().trimmed().isEmpty())
        return;
    if (AddTown(TownField->text()))
        TownField->clear();
}

void RouteBuilder::RemoveClick()
{
    const int row = TownList->currentRow();
    if (row < 0)
        return;
    {
        const QSignalBlocker block(TownList);
        delete TownList->takeItem(row);
    }
    emit changed();
}

void RouteBuilder::Move(int by)
{
    const int row = TownList->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= TownList->count())
        return;
    {
        const QSignalBlocker block(TownList);
        QListWidgetItem* item = TownList->takeItem(row);
        TownList->insertItem(to, item);
        TownList->setCurrentRow(to);
    }
    emit changed();
}

void RouteBuilder::UpClick()
{
    Move(-1);
}

void RouteBuilder::DownClick()
{
    Move(1);
}

void RouteBuilder::OpenClick()
{
    const QString path = m_platform.openFileName(this, QStringLiteral("Open a route file"),
                                                 QStringLiteral("Routes (*.gpx *.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) != 0) {
        emit fileChosen(path);
        return;
    }
    try {
        SetSteps(ReadTownsFile(path.toStdString()));
    } catch (const TripPlanError& e) {
        m_platform.showMessage(this, FromCp1252(e.what()));
    } catch (const FileError& e) {
        m_platform.showMessage(this, QString::fromStdString(e.what()));
    }
}

void RouteBuilder::SaveClick()
{
    std::vector<TownStep> steps;
    try {
        steps = Steps();
    } catch (const TripPlanError& e) {
        m_platform.showMessage(this, FromCp1252(e.what()));
        return;
    }
    if (steps.empty())
        return;
    const QString path = m_platform.saveFileName(this, QStringLiteral("Save the towns"), QStringLiteral("Route.txt"),
                                                 QStringLiteral("Towns files (*.txt)"));
    if (path.isEmpty())
        return;
    try {
        WriteTownsFile(path.toStdString(), steps);
    } catch (const FileError& e) {
        m_platform.showMessage(this, QString::fromStdString(e.what()));
    }
}

} // namespace dawnrule
