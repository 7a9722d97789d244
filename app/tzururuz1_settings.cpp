// The main window's first activation and its "Close " button: reading and writing
// the settings file "Parm.dat".
#include "app/tzururuz1.h"

#include "common/number_text.h"
#include "common/errors.h"
#include "app/parm_file.h"
#include "controls/platform.h"
#include "common/text_file.h"
#include "controls/combo_box.h"
#include "controls/currency_edit.h"
#include "controls/date_edit.h"
#include "locations/thome.h"
#include "windows/troutes.h"

#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

namespace dawnrule {

QString TZuruRuz1::SettingsPath() const
{
    return m_platform.programFolder() + QLatin1String(kParmFileName);
}

void TZuruRuz1::FormActivate()
{
    if (Activated)
        return;
    Activated = true;  // set first: a failure below is not retried

    SetDate(m_platform.today());
    const std::optional<std::string> problem = ReadSettings();

    // The layout follows the "City List" option, also when the file could not be
    // read, so the window never contradicts its own menu.
    if (IsOptionChecked(SpeedButtonA4)) {
        move(x() - kWideShift, y());
        SetWideLayout(true);
    } else {
        SetWideLayout(false);
    }
    if (problem)
        m_platform.showMessage(this, QString::fromStdString(*problem));
}

std::optional<std::string> TZuruRuz1::ReadSettings()
{
    ParmReading reading;
    try {
        reading = ReadParmFile(SettingsPath().toStdString());
    } catch (const FileError& e) {
        return e.what();
    }
    ApplySettings(reading);
    return reading.error;
}

void TZuruRuz1::ApplySettings(const ParmReading& reading)
{
    // In the file's order. A damaged line has already fallen back to its default,
    // so everything else of the file is applied.
    const ParmValues& v = reading.values;
    ParmFlags = QString::fromStdString(reading.flags);
    if (v.cityList)
        ToggleCheckGlyph(SpeedButtonA4);
    if (v.led)
        ToggleCheckGlyph(SpeedButtonA5);
    if (v.lockOffset)
        CheckBox1->setChecked(true);
    if (v.military)
        CheckBox3->setChecked(true);
    if (v.localZone) {
        ToggleCheckGlyph(SpeedButtonA8);
        Label9->show();
    }
    if (Routes)
        Routes->SetLocalTimes(v.routeLocalTimes);

    if (v.lockOffset) {
        CurrencyEdit3->setValue(v.offset);
        OffsetIndex = v.offsetIndex;
        ComboBox1->setItemIndex(OffsetIndex);
        ComboBox1Change();
    }

    if (Home)
        Home->SetPlace({v.homeLongitude, v.homeLatitude, v.homeOffset, v.homeOffsetIndex});
}

ParmValues TZuruRuz1::CurrentSettings() const
{
    ParmValues v;
    v.cityList = IsOptionChecked(SpeedButtonA4);
    v.led = IsOptionChecked(SpeedButtonA5);
    v.lockOffset = CheckBox1->isChecked();
    v.military = CheckBox3->isChecked();
    v.localZone = IsOptionChecked(SpeedButtonA8);
    v.routeLocalTimes = Routes && Routes->LocalTimes();
    v.offsetChosen = !ComboBox1->currentText().isEmpty();
    v.offset = CurrencyEdit3->value();
    v.offsetIndex = OffsetIndex;
    if (Home) {
        const HomeLocation home = Home->Place();
        v.homeLongitude = home.longitude;
        v.homeLatitude = home.latitude;
        v.homeOffset = home.gmtOffset;
        v.homeOffsetIndex = home.offsetIndex;
    }
    return v;
}

bool TZuruRuz1::WriteSettings()
{
    const std::vector<std::string> lines = ParmFileLines(CurrentSettings());
    try {
        WriteTextLines(SettingsPath().toStdString(), lines);
    } catch (const FileError& e) {
        m_platform.showMessage(this, QString::fromStdString(e.what()));
        return false;
    }
    ParmFlags = QString::fromStdString(lines[0]);
    return true;
}

bool TZuruRuz1::WriteHomeSettings()
{
    const std::string path = SettingsPath().toStdString();
    std::optional<std::vector<std::string>> fileLines;
    try {
        fileLines = ReadTextLines(path);
    } catch (const FileError&) {
        // Missing or unreadable: the whole file comes from this run.
    }
    try {
        WriteTextLines(path, ParmLinesWithHome(fileLines, CurrentSettings()));
    } catch (const FileError& e) {
        m_platform.showMessage(Home, QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

void TZuruRuz1::SpeedButton54Click()
{
    if (WriteSettings())
        close();
}

} // namespace dawnrule
