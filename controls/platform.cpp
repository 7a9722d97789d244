#include "controls/platform.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

namespace dawnrule {

void SystemPlatform::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, parent);
    // A path or an address in the text can be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

bool SystemPlatform::confirm(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    return box.exec() == QMessageBox::Ok;
}

QDateTime SystemPlatform::now() const
{
    return QDateTime::currentDateTime();
}

QString SystemPlatform::programFolder() const
{
    return QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/');
}

void SystemPlatform::movePointer(const QPoint& globalPos)
{
    QCursor::setPos(globalPos);
}

QRect SystemPlatform::virtualDesktop() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect();
}

void SystemPlatform::openUrl(const QUrl& url, std::function<void()> failed)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // QDesktopServices starts xdg-open and forgets it, so a desktop with no web browser
    // (xdg-open then exits with 3 or 4) would look like success. Started here, its exit
    // status comes back.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        failed();
        return;
    }
    // No parent: a browser that xdg-open runs in the foreground is not ended with the
    // program. Its output goes nowhere, so it never writes into a closed pipe.
    auto* process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0)
                             failed();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;  // a crash or a lost pipe also ends in finished()
        process->deleteLater();
        failed();
    });
    process->start(opener, {QString::fromLatin1(url.toEncoded())});
#else
    if (!QDesktopServices::openUrl(url))
        failed();
#endif
}

bool SystemPlatform::setUpPrinter(QWidget* parent, QPrinter& printer)
{
    // On Linux the dialog also offers printing to a PDF file.
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString SystemPlatform::saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                     const QString& filter)
{
    const QString start = QFileInfo(suggested).isAbsolute()
                              ? suggested
                              : QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(suggested);
    return QFileDialog::getSaveFileName(parent, title, start, filter);
}

QString SystemPlatform::openFileName(QWidget* parent, const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                        filter);
}

} // namespace dawnrule
