#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QToolButton;
class QWidget;

namespace dawnrule {

// The look every window of the program shares: its colours, navy text, flat buttons,
// and fixed-size dialogs centred on the desktop.
inline const QColor kWindowColour(225, 195, 120);
inline const QColor kBarColour(192, 176, 144);  // tool bar, separator, quick menu, button panels
inline const QColor kNavy(0, 0, 128);
inline const QColor kMaroon(128, 0, 0);
inline const QColor kGray(128, 128, 128);
inline const QColor kBlue(0, 0, 255);

void SetBackground(QWidget* w, const QColor& colour);
// Text colour of an enabled control; disabled ones keep the usual grey.
void SetTextColour(QWidget* w, const QColor& colour);

QFrame* MakePanel(QWidget* parent, const QColor& colour, const QRect& geometry);
QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry);
// A flat button that takes no keyboard focus.
QToolButton* MakeButton(QWidget* parent, const QString& caption, const QRect& geometry);
// The same with a navy caption.
QToolButton* MakeFlatButton(QWidget* parent, const QString& caption, const QRect& geometry);

// A secondary window: a fixed client size, a title bar without buttons (so its own
// buttons are the only way out), the window colour and navy text, centred on the
// desktop.
void SetDialogLook(QWidget* dialog, int clientWidth, int clientHeight);
void CentreOnDesktop(QWidget* window);

} // namespace dawnrule
