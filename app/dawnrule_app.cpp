#include "app/dawnrule_app.h"

#include "controls/platform.h"
#include "app/dawnrule_windows.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>

namespace dawnrule {

int RunDawnrule(int argc, char** argv, const std::function<void(TZuruRuz1&)>& started)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dawnrule"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Month-first dates and "." decimals whatever the desktop's language.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    SystemPlatform platform;
    DawnruleWindows windows(platform);
    if (started)
        started(windows.main);
    // For scripted checks of an installed program: DAWNRULE_CLOSE_AFTER_START=1 makes
    // the main window press its own "Close " once it has shown (and so read its
    // settings): the settings are written and the program ends.
    if (qgetenv("DAWNRULE_CLOSE_AFTER_START") == "1") {
        TZuruRuz1& main = windows.main;
        QObject::connect(&main, &TZuruRuz1::firstPainted, &main, [&main] {
            main.FormActivate();
            main.SpeedButton54Click();
        });
    }
    windows.main.show();
    return app.exec();
}

} // namespace dawnrule
