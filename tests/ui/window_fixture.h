#pragma once

#include "app/dawnrule_windows.h"
#include "controls/combo_box.h"
#include "controls/currency_edit.h"
#include "controls/date_edit.h"
#include "fake_platform.h"
#include "modal_watchdog.h"
#include "window_parts.h"
#include "qt_print.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace dawnrule::test {

// A main window in a scratch program folder, with a pinned "today".
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        platform.folder = dir.path() + QLatin1Char('/');
    }

    void TearDown() override
    {
        EXPECT_EQ(ModalWatchdog::TakeUnusedHandlers(), 0) << "an expected modal window never opened";
    }

    void WriteParm(const QByteArray& bytes)
    {
        QFile f(platform.folder + QStringLiteral("Parm.dat"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray ReadParm()
    {
        QFile f(platform.folder + QStringLiteral("Parm.dat"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static QByteArray Lines(std::initializer_list<const char*> lines)
    {
        QByteArray out;
        for (const char* l : lines)
            out += QByteArray(l) + "\r\n";
        return out;
    }

    // Creates the program's windows, as the start-up does, without activating them.
    TZuruRuz1& Create()
    {
        window = nullptr;
        windows.reset();
        windows = std::make_unique<DawnruleWindows>(platform);
        window = &windows->main;
        return *window;
    }

    // Creates the windows and runs the main window's first activation.
    TZuruRuz1& Open()
    {
        Create();
        window->FormActivate();
        return *window;
    }

    // Shows the window and makes it the active one, for focus and key tests.
    void ShowActive()
    {
        window->show();
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    void Choose(int offsetIndex)
    {
        Parts(*window).ComboBox1->setCurrentIndex(offsetIndex);
        emit Parts(*window).ComboBox1->activated(offsetIndex);
    }

    void SetPlace(double lon, double lat, const QDate& date)
    {
        Parts(*window).CurrencyEdit1->setValue(lon);
        Parts(*window).CurrencyEdit2->setValue(lat);
        Parts(*window).DateEdit1->setDate(date);
    }

    QTemporaryDir dir;
    FakePlatform platform;
    std::unique_ptr<DawnruleWindows> windows;
    TZuruRuz1* window = nullptr;
    THome* home() const { return &windows->home; }
};

} // namespace dawnrule::test
