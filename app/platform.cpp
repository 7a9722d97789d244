#include "app/platform.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QScreen>
#include <QUrl>

namespace dawnrule {

void SystemPlatform::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, parent);
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

void SystemPlatform::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

bool SystemPlatform::setUpPrinter(QWidget* parent, QPrinter& printer)
{
    // On Linux the dialog also offers printing to a PDF file.
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace dawnrule
