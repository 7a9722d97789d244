// The real desktop seam, where it can run headless: handing an address to xdg-open
// (a stand-in script found on PATH) and the message box the user reads.
#include "controls/platform.h"
#include "modal_watchdog.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace dawnrule::test {
namespace {

// PATH set to one scratch folder for the test's duration.
class OnlyOnPath {
public:
    explicit OnlyOnPath(const QString& folder) : m_saved(qgetenv("PATH")) { qputenv("PATH", QFile::encodeName(folder)); }
    ~OnlyOnPath() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

const QUrl kUrl(QStringLiteral("https://example.org/AA/data/docs/RS_OneYear.html"));

// xdg-open's exit status tells whether a handler took the address: 3 and 4 are its
// answers when there is no web browser. A failure reaches the caller, once; a success
// never does. No xdg-open at all is a failure too.
TEST(SystemPlatformOpenUrl, FailureOfTheHandlerReachesTheCaller)
{
    const struct {
        const char* name;
        int exitStatus;  // -1: no xdg-open on PATH
        bool fails;
    } rows[] = {
        {"opened", 0, false},
        {"no browser (3)", 3, true},
        {"action failed (4)", 4, true},
        {"no xdg-open", -1, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir bin;
        ASSERT_TRUE(bin.isValid());
        const QString done = bin.filePath(QStringLiteral("done"));
        if (r.exitStatus >= 0) {
            QFile script(bin.filePath(QStringLiteral("xdg-open")));
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            // Builtins only: PATH holds nothing else.
            script.write(QStringLiteral("#!/bin/sh\necho \"$@\" > \"${0%/*}/args\"\n"
                                        ": > \"${0%/*}/done\"\nexit %1\n")
                             .arg(r.exitStatus)
                             .toUtf8());
            script.close();
            ASSERT_TRUE(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        const OnlyOnPath path(bin.path());
        int failures = 0;
        SystemPlatform platform;
        platform.openUrl(kUrl, [&failures] { ++failures; });
        if (r.exitStatus >= 0) {
            // The script has run to its last line; give its exit time to arrive.
            ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(done); }, 10000));
            QFile written(bin.filePath(QStringLiteral("args")));
            ASSERT_TRUE(written.open(QIODevice::ReadOnly));
            EXPECT_EQ(written.readAll().trimmed(), kUrl.toEncoded());
        }
        if (r.fails) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return failures > 0; }, 10000));
        }
        QTest::qWait(300);  // nothing more comes
        EXPECT_EQ(failures, r.fails ? 1 : 0);
    }
}

// The message box's text can be selected, so that an address or a path in it can be
// copied.
TEST(SystemPlatformMessage, TextCanBeSelected)
{
    bool selectable = false;
    QString shown;
    ModalWatchdog::OnNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        shown = box->text();
        selectable = box->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
        box->accept();
    });
    SystemPlatform platform;
    platform.showMessage(nullptr, QStringLiteral("https://example.org/"));
    EXPECT_EQ(shown, "https://example.org/");
    EXPECT_TRUE(selectable);
    EXPECT_EQ(ModalWatchdog::TakeUnusedHandlers(), 0);
}

} // namespace
} // namespace dawnrule::test
