#pragma once

#include <QDialog>

namespace dawnrule {

// A secondary window that only its own buttons close: the shared dialog look
// (SetDialogLook: fixed client size, no title-bar buttons, centred) in the dialogs'
// 8-point text, and Escape and the window manager's close do nothing. Its buttons
// close it with accept() (or done()).
class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(int clientWidth, int clientHeight, QWidget* parent = nullptr);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace dawnrule
