#include "controls/date_edit.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextCharFormat>

namespace dawnrule {

DateEdit::DateEdit(QWidget* parent)
    : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("MM/dd/yyyy"));  // the date text (astro/date_text.h) in Qt's words
    setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    setCalendarPopup(true);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    lineEdit()->setReadOnly(true);
}

void DateEdit::PrepareCalendar()
{
    // The calendar is made on its first opening, not with the field: it costs a few
    // milliseconds of the program's start-up otherwise.
    if (m_calendarReady)
        return;
    m_calendarReady = true;
    QCalendarWidget* calendar = calendarWidget();
    calendar->setFirstDayOfWeek(Qt::Sunday);
    QTextCharFormat weekend;
    weekend.setForeground(QColor(0, 0, 255));
    calendar->setWeekdayTextFormat(Qt::Saturday, weekend);
    calendar->setWeekdayTextFormat(Qt::Sunday, weekend);
}

void DateEdit::mousePressEvent(QMouseEvent* event)
{
    PrepareCalendar();
    QDateEdit::mousePressEvent(event);
}

void DateEdit::setBackground(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

void DateEdit::keyPressEvent(QKeyEvent* event)
{
    // Only what leaves the field gets through.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        QDateEdit::keyPressEvent(event);
    else
        event->ignore();
}

void DateEdit::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

} // namespace dawnrule
