#pragma once

#include "controls/fixed_dialog.h"

class QFrame;
class QLabel;
class QToolButton;

namespace dawnrule {

namespace test {
struct WindowParts;
}

// "Dawnrule Help": the main window's use step by step (steps I to IV) and, under a
// separator line, its options. Shown modally from the quick menu; "OK" is the only
// way out.
class THelp : public FixedDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 377;
    static constexpr int kClientHeight = 418;

    explicit THelp(QWidget* parent = nullptr);

    void SpeedButton54Click();

private:
    friend struct test::WindowParts;

    QLabel* Label1;  // steps I to III
    QLabel* Label2;  // step IV
    QFrame* Panel1;  // separator
    QLabel* Label3;  // the options
    QToolButton* SpeedButton54;  // "OK"
};

} // namespace dawnrule
