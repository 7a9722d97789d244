#include "modal_watchdog.h"

#include <QDialog>
#include <QMessageBox>

#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

namespace dawnrule::test {
namespace {

TEST(ModalWatchdog, HandsAnExpectedModalWindowToItsHandler)
{
    QString seen;
    ModalWatchdog::OnNextModal([&seen](QWidget* w) {
        seen = static_cast<QMessageBox*>(w)->text();
        static_cast<QMessageBox*>(w)->accept();
    });
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Dawnrule"), QStringLiteral("Clear memo?"));
    box.exec();
    EXPECT_EQ(seen.toStdString(), "Clear memo?");
    EXPECT_EQ(ModalWatchdog::TakeUnusedHandlers(), 0);
}

TEST(ModalWatchdog, FailsTheTestAndClosesAnUnexpectedModalWindow)
{
    EXPECT_NONFATAL_FAILURE(
        {
            QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Dawnrule"), QStringLiteral("No sunrise this date"));
            box.exec();
        },
        "unexpected modal window: Dawnrule: No sunrise this date");
}

// The program's own dialogs ignore Escape (reject()); an unexpected one is closed all the same.
TEST(ModalWatchdog, ClosesADialogThatRefusesToBeRejected)
{
    struct Stubborn : QDialog {
        void reject() override {}
    } dialog;
    dialog.setWindowTitle(QStringLiteral("Home Parameters"));
    EXPECT_NONFATAL_FAILURE(dialog.exec(), "unexpected modal window: Home Parameters");
}

TEST(ModalWatchdog, CountsHandlersThatWereNeverUsed)
{
    ModalWatchdog::OnNextModal([](QWidget*) {});
    EXPECT_EQ(ModalWatchdog::TakeUnusedHandlers(), 1);
    EXPECT_EQ(ModalWatchdog::TakeUnusedHandlers(), 0);
}

} // namespace
} // namespace dawnrule::test
