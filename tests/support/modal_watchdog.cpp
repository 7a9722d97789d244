#include "modal_watchdog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

#include <gtest/gtest.h>

#include <deque>

namespace dawnrule::test {

namespace {

std::deque<std::function<void(QWidget*)>>& Handlers()
{
    static std::deque<std::function<void(QWidget*)>> handlers;
    return handlers;
}

QString Describe(QWidget* w)
{
    QString text = w->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(w))
        text += QStringLiteral(": ") + box->text();
    return text.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : text;
}

void CloseModal(QWidget* w)
{
    // done() rather than reject(): the program's dialogs refuse Escape and reject().
    if (auto* dialog = qobject_cast<QDialog*>(w))
        dialog->done(QDialog::Rejected);
    else
        w->close();
}

} // namespace

ModalWatchdog::ModalWatchdog(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::Check);
    m_timer.start();
}

void ModalWatchdog::Install()
{
    static ModalWatchdog* watchdog = nullptr;
    if (!watchdog)
        watchdog = new ModalWatchdog(QCoreApplication::instance());
}

void ModalWatchdog::OnNextModal(std::function<void(QWidget*)> handler)
{
    Handlers().push_back(std::move(handler));
}

int ModalWatchdog::TakeUnusedHandlers()
{
    const int n = static_cast<int>(Handlers().size());
    Handlers().clear();
    return n;
}

void ModalWatchdog::Check()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (!Handlers().empty()) {
        auto handler = std::move(Handlers().front());
        Handlers().pop_front();
        QPointer<QWidget> guard(modal);
        handler(modal);
        return;
    }
    ADD_FAILURE() << "unexpected modal window: " << Describe(modal).toStdString();
    CloseModal(modal);
}

} // namespace dawnrule::test
