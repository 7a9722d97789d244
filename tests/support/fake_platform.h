#pragma once

#include "controls/platform.h"

#include <QList>
#include <QPrinter>
#include <QRect>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace dawnrule::test {

// The desktop as the tests and benchmarks see it: a pinned clock, a scratch program
// folder, and message boxes, pointer moves, opened addresses and printer setups that
// are recorded instead of carried out (a real modal box would block the run); a
// confirmed print goes to a PDF file in the scratch folder.
class FakePlatform : public Platform {
public:
    QDateTime clock = QDateTime(QDate(2026, 1, 15), QTime(10, 0));
    QString folder;
    QStringList messages;  // every message and confirmation, in order
    bool confirmAnswer = true;
    QList<QPoint> pointerMoves;
    QList<QUrl> openedUrls;
    bool openUrlFails = false;  // no web browser: every address reports its failure
    QRect desktop = QRect(0, 0, 1920, 1080);
    bool printerAnswer = true;  // the printer setup dialog confirmed
    int printerSetups = 0;      // times the dialog was shown
    QString printFile;          // the PDF the last confirmed setup prints to
    QString saveAnswer;         // the path a save dialog gives; empty: cancelled
    QStringList saveSuggestions;  // what each save dialog was started at
    QString openAnswer;         // the path an open dialog gives; empty: cancelled
    QStringList openTitles;     // each open dialog's title
    // Called as each message or confirmation shows, with its text: lets a test look
    // at what stood at that moment (the pointer, the window).
    std::function<void(const QString& text)> onDialog;

    void showMessage(QWidget*, const QString& text) override
    {
        messages << text;
        if (onDialog)
            onDialog(text);
    }
    bool confirm(QWidget*, const QString& text) override
    {
        messages << text;
        if (onDialog)
            onDialog(text);
        return confirmAnswer;
    }
    QDateTime now() const override { return clock; }
    QString programFolder() const override { return folder; }
    void movePointer(const QPoint& globalPos) override { pointerMoves << globalPos; }
    QRect virtualDesktop() const override { return desktop; }
    void openUrl(const QUrl& url, std::function<void()> failed) override
    {
        openedUrls << url;
        if (openUrlFails)
            failed();
    }
    // Confirmed, the printer prints to "print.pdf" in the scratch folder.
    bool setUpPrinter(QWidget*, QPrinter& printer) override
    {
        ++printerSetups;
        if (!printerAnswer)
            return false;
        printFile = folder + QStringLiteral("print.pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
        return true;
    }
    QString saveFileName(QWidget*, const QString&, const QString& suggested, const QString&) override
    {
        saveSuggestions << suggested;
        return saveAnswer;
    }
    QString openFileName(QWidget*, const QString& title, const QString&) override
    {
        openTitles << title;
        return openAnswer;
    }
};

} // namespace dawnrule::test
