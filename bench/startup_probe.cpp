// Starts the real program and quits right after the main window's first paint, so
// that `/usr/bin/time -v` measures start-up: wall time and peak memory. With
// --grab FILE it also saves the painted window as a PNG (screenshots for review).
#include "app/dawnrule_app.h"
#include "app/tzururuz1.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QString>

#include <cstring>

int main(int argc, char** argv)
{
    QString grabFile;
    bool wide = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--grab") == 0 && i + 1 < argc)
            grabFile = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--menu") == 0)
            wide = true;
    }
    return dawnrule::RunDawnrule(argc, argv, [&](dawnrule::TZuruRuz1& window) {
        QObject::connect(&window, &dawnrule::TZuruRuz1::firstPainted, &window, [&window, grabFile, wide] {
            if (!grabFile.isEmpty()) {
                if (wide) {
                    window.OpenButtons();  // "Prefs" clicked
                    window.ShowMenuPanel(QLatin1Char('A'));
                }
                window.grab().save(grabFile);
            }
            QCoreApplication::quit();
        });
    });
}
