#pragma once

#include "app/platform.h"

#include <QStringList>

namespace dawnrule::test {

// The desktop as the tests see it: a pinned clock, a scratch program folder, and
// message boxes that are recorded instead of shown (a modal box would block).
class FakePlatform : public Platform {
public:
    QDateTime clock = QDateTime(QDate(2026, 1, 15), QTime(10, 0));
    QString folder;
    QStringList messages;
    bool confirmAnswer = true;
    QPoint pointer;

    void showMessage(QWidget*, const QString& text) override { messages << text; }
    bool confirm(QWidget*, const QString& text) override
    {
        messages << text;
        return confirmAnswer;
    }
    QDateTime now() const override { return clock; }
    QString programFolder() const override { return folder; }
    void movePointer(const QPoint& globalPos) override { pointer = globalPos; }
};

} // namespace dawnrule::test
