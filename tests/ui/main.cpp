// Runs the window and control tests headless: offscreen platform, pinned locale,
// one QApplication for the whole run, and the modal watchdog.
#include "modal_watchdog.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    dawnrule::test::ModalWatchdog::Install();
    return RUN_ALL_TESTS();
}
