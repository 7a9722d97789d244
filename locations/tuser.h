#pragma once

#include "controls/fixed_dialog.h"

#include <QString>

#include <optional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace dawnrule {

namespace test {
struct WindowParts;
}

class Platform;

// "USER List": the user's own town list "U.txt" (in the program's folder, the same
// file the "USER" button loads) as plain text, reloaded from the file at every
// opening. "Save" writes the text once, sorted when "Sort upon exit" is checked,
// atomically, and closes; "Cancel" closes without writing. Those two are the only
// ways out. A file that is there but could not be read at opening is never replaced:
// "Save" then refuses with the reading error.
class TUSER : public FixedDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 407;
    static constexpr int kClientHeight = 247;

    explicit TUSER(Platform& platform, QWidget* parent = nullptr);

    QString FilePath() const;

    void FormActivate();
    void SpeedButton54Click();
    void SpeedButton1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    friend struct test::WindowParts;

    QLabel* Label1;           // how a line must read
    QPlainTextEdit* Memo1;    // the file's lines
    QCheckBox* CheckBox1;     // "Sort upon exit"
    QToolButton* SpeedButton54;  // "Save"
    QToolButton* SpeedButton1;   // "Cancel"

    Platform& m_platform;
    // Why the file could not be read at opening though it is there; Save then refuses.
    std::optional<QString> m_unreadable;
};

} // namespace dawnrule
