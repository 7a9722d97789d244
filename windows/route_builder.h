#pragma once

#include "trip/town_path.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QCompleter;
class QLabel;
class QLineEdit;
class QListWidget;
class QStringListModel;
class QToolButton;

namespace dawnrule {

class Platform;

namespace test {
struct WindowParts;
}

// The Trip Plan window's route builder: a permit's route as its towns in driving order.
// A town is added by typing the first letters of "Town, ST" (a list follows the typed
// text, without regard to case, over every town of the state lists and the user's list)
// and taking one with Enter or a click; where several towns of a state share the name,
// the list holds each as "Town, ST@lat,lon". A line reads "Town, ST" or
// "Town, ST, miles" (the road miles of the leg that reaches it, as the permit gives
// them); a double click edits it. Remove, Up and Down rearrange the towns; "Save
// towns..." writes them as a towns file, one a line, and "Open route file..." reads a
// towns file into the list, or hands a GPX track or route or a CSV of waypoints to the
// window (fileChosen).
class RouteBuilder : public QWidget {
    Q_OBJECT
public:
    RouteBuilder(Platform& platform, QWidget* parent = nullptr);

    // The towns the type-ahead offers and Add checks against; without them, why not (the
    // message Add shows).
    void SetTowns(std::shared_ptr<const TownIndex> towns, const QString& missing = {});
    // The towns as steps; throws TripPlanError naming a line that does not read.
    std::vector<TownStep> Steps() const;
    void SetSteps(const std::vector<TownStep>& steps);
    bool IsEmpty() const;

    // Handlers.
    void TownFieldReturn();  // Enter in the town field: the town typed (or taken from the list) is added
    void RemoveClick();
    void UpClick();
    void DownClick();
    void OpenClick();  // "Open route file..."
    void SaveClick();  // "Save towns..."

signals:
    void changed();                         // the towns changed
    void fileChosen(const QString& path);   // a GPX or CSV file to plan along

private:
    friend struct test::WindowParts;

    bool AddTown(const QString& text);
    void Move(int by);

    QLabel* Caption;
    QLineEdit* TownField;
    QListWidget* TownList;
    QToolButton* RemoveButton;
    QToolButton* UpButton;
    QToolButton* DownButton;
    QToolButton* OpenButton;
    QToolButton* SaveButton;
    QCompleter* m_completer;
    QStringListModel* m_labels;

    Platform& m_platform;
    std::shared_ptr<const TownIndex> m_towns;
    QString m_missing;
};

} // namespace dawnrule
