#pragma once

#include "controls/fixed_dialog.h"
#include <QUrl>

class QLabel;
class QToolButton;

namespace dawnrule {

namespace test {
struct WindowParts;
}

class Platform;

// "Dawnrule About...": the program's name and version, what it is for, how accurate
// its times are, a link to a public page of one-year rise and set tables to compare
// them with, and the disclaimer. Shown modally from the quick menu; "OK" is the only
// way out. Keeps no state between openings.
class TAbout : public FixedDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 389;
    static constexpr int kClientHeight = 410;

    explicit TAbout(Platform& platform, QWidget* parent = nullptr);

    // The page the link shows and opens: the US Naval Observatory's one-year tables.
    static QUrl ComparisonUrl();

    void Label2MouseDown();
    void Label2MouseUp();
    void Label2Click();
    void SpeedButton54Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct test::WindowParts;

    QLabel* Label7;  // name and version
    QLabel* Label5;  // maker
    QLabel* Label1;  // what the program is for
    QLabel* Label4;  // accuracy, in the default window-text colour
    QLabel* Label2;  // the comparison link
    QLabel* Label3;  // the disclaimer
    QToolButton* SpeedButton54;  // "OK"

    Platform& m_platform;
    bool m_linkPressed = false;    // the left button went down on the link
    bool m_doubleClicked = false;  // the press under way is a double click's second
};

} // namespace dawnrule
