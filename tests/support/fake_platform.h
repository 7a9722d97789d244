#pragma once

#include "app/platform.h"

#include <QList>
#include <QRect>
#include <QStringList>
#include <QUrl>

namespace dawnrule::test {

// The desktop as the tests and benchmarks see it: a pinned clock, a scratch program
// folder, and message boxes, pointer moves and opened addresses that are recorded
// instead of carried out (a real modal box would block the run).
class FakePlatform : public Platform {
public:
    QDateTime clock = QDateTime(QDate(2026, 1, 15), QTime(10, 0));
    QString folder;
    QStringList messages;  // every message and confirmation, in order
    bool confirmAnswer = true;
    QList<QPoint> pointerMoves;
    QList<QUrl> openedUrls;
    QRect desktop = QRect(0, 0, 1920, 1080);

    void showMessage(QWidget*, const QString& text) override { messages << text; }
    bool confirm(QWidget*, const QString& text) override
    {
        messages << text;
        return confirmAnswer;
    }
    QDateTime now() const override { return clock; }
    QString programFolder() const override { return folder; }
    void movePointer(const QPoint& globalPos) override { pointerMoves << globalPos; }
    QRect virtualDesktop() const override { return desktop; }
    void openUrl(const QUrl& url) override { openedUrls << url; }
};

} // namespace dawnrule::test
