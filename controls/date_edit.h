#pragma once

#include <QDateEdit>

namespace dawnrule {

// A date field that shows "mm/dd/yyyy" and changes only through its drop-down
// calendar (weeks from Sunday, weekends in blue) or the program: typing, arrow keys
// and the mouse wheel leave it alone, so its text is always a valid date.
class DateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);

    void setBackground(const QColor& colour);
    // Sets up the drop-down calendar (weeks from Sunday, weekends in blue); runs by
    // itself before the calendar first opens.
    void PrepareCalendar();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    StepEnabled stepEnabled() const override { return StepNone; }

private:
    bool m_calendarReady = false;
};

} // namespace dawnrule
