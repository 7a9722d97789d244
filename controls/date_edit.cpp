#include "controls/date_edit.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextCharFormat>

namespace dawnrule {

DateEdit::DateEdit(QWidget* parent)
    : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    setCalendarPopup(true);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    lineEdit()->setReadOnly(true);

    auto* calendar = new QCalendarWidget(this);
    calendar->setFirstDayOfWeek(Qt::Sunday);
    calendar->setGridVisible(false);
    QTextCharFormat weekend;
    weekend.setForeground(QColor(0, 0, 255));
    calendar->setWeekdayTextFormat(Qt::Saturday, weekend);
    calendar->setWeekdayTextFormat(Qt::Sunday, weekend);
    setCalendarWidget(calendar);
}

void DateEdit::setBackground(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

void DateEdit::keyPressEvent(QKeyEvent* event)
{
    // Only what opens the calendar or leaves the field gets through.
    switch (event->key()) {
    case Qt::Key_F4:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QDateEdit::keyPressEvent(event);
        return;
    case Qt::Key_Down:
        if (event->modifiers() & Qt::AltModifier) {
            QDateEdit::keyPressEvent(event);
            return;
        }
        break;
    default:
        break;
    }
    event->ignore();
}

void DateEdit::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

} // namespace dawnrule
