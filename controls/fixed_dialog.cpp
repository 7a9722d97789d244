#include "controls/fixed_dialog.h"

#include "controls/fixed_text.h"
#include "controls/window_look.h"

#include <QCloseEvent>

namespace dawnrule {

FixedDialog::FixedDialog(int clientWidth, int clientHeight, QWidget* parent)
    : QDialog(parent)
{
    SetDialogLook(this, clientWidth, clientHeight);
    setFont(FixedTextFont());
}

void FixedDialog::reject()
{
}

void FixedDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

} // namespace dawnrule
