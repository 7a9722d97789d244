#include "controls/window_look.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QToolButton>

namespace dawnrule {

void SetBackground(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void SetTextColour(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, colour);
        p.setColor(group, QPalette::ButtonText, colour);
        p.setColor(group, QPalette::Text, colour);
    }
    w->setPalette(p);
}

QFrame* MakePanel(QWidget* parent, const QColor& colour, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    SetBackground(panel, colour);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QToolButton* MakeButton(QWidget* parent, const QString& caption, const QRect& geometry)
{
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(geometry);
    return button;
}

QToolButton* MakeFlatButton(QWidget* parent, const QString& caption, const QRect& geometry)
{
    QToolButton* button = MakeButton(parent, caption, geometry);
    SetTextColour(button, kNavy);
    return button;
}

void CentreOnDesktop(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - QPoint(window->width() / 2, window->height() / 2));
}

void SetDialogLook(QWidget* dialog, int clientWidth, int clientHeight)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(clientWidth, clientHeight);
    SetBackground(dialog, kWindowColour);
    SetTextColour(dialog, kNavy);
    CentreOnDesktop(dialog);
}

} // namespace dawnrule
