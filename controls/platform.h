#pragma once

#include <QDate>
#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

class QPrinter;
class QUrl;

class QWidget;

namespace dawnrule {

// What the windows need from the desktop and the machine: message boxes, the clock,
// the program's folder, the mouse pointer and the desktop's size, and opening a web
// address, and the printer setup. The program uses SystemPlatform; tests
// put in their own, so every handler runs headless with a pinned "today".
class Platform {
public:
    virtual ~Platform() = default;

    // Modal message box with one OK button.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // Modal message box with OK and Cancel; true for OK.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;

    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }

    // Folder of the executable, ending in "/".
    virtual QString programFolder() const = 0;

    virtual void movePointer(const QPoint& globalPos) = 0;
    // The whole virtual desktop (all screens), in global coordinates.
    virtual QRect virtualDesktop() const = 0;

    // Hands the address to the desktop's default handler without waiting for it.
    // `failed` runs when the address could not be opened: at once when no handler
    // could be started, or later, from the event loop, when the handler reports the
    // failure through its exit status (xdg-open on a desktop with no web browser).
    virtual void openUrl(const QUrl& url, std::function<void()> failed) = 0;

    // The printer setup dialog for `printer`; true when the user confirmed it, with
    // the printer (or the file it prints to) set up as chosen.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;

    // The desktop's dialog for a file to save to, starting at `suggested` (a file name
    // in the user's folder of documents, or a path); the chosen path, or empty when the
    // user cancelled. `filter`: "CSV files (*.csv)".
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                 const QString& filter) = 0;
    // The desktop's dialog for a file to open, in the user's folder of documents; the
    // chosen path, or empty when the user cancelled. `filter`: "Routes (*.gpx *.csv *.txt)".
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
};

class SystemPlatform : public Platform {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    QDateTime now() const override;
    QString programFolder() const override;
    void movePointer(const QPoint& globalPos) override;
    QRect virtualDesktop() const override;
    void openUrl(const QUrl& url, std::function<void()> failed) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
};

} // namespace dawnrule
