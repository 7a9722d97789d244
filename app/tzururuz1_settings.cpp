// The main window's first activation and its "Close " button: reading and writing
// the settings file "Parm.dat".
#include "app/tzururuz1.h"

#include "common/number_text.h"
#include "common/errors.h"
#include "app/parm_file.h"
#include "app/platform.h"
#include "common/text_file.h"
#include "controls/combo_box.h"
#include "controls/currency_edit.h"
#include "controls/date_edit.h"

#include <QCheckBox>
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
    ReadSettings();

    // The layout follows the "City List" option, also when reading stopped half way,
    // so the window never contradicts its own menu.
    if (IsOptionChecked(SpeedButtonA4)) {
        move(x() - kWideShift, y());
        SetWideLayout(true);
    } else {
        SetWideLayout(false);
    }
}

void TZuruRuz1::ReadSettings()
{
    try {
        ApplySettings(ReadParmFile(SettingsPath().toStdString()));
    } catch (const FileError& e) {
        m_platform.showMessage(this, QString::fromStdString(e.what()));
    } catch (const ConvertError& e) {
        m_platform.showMessage(this, QString::fromStdString(e.what()));
    }
}

void TZuruRuz1::ApplySettings(const std::vector<std::string>& lines)
{
    // Steps in the file's order; a conversion error stops at that point and what
    // was applied before it stays.
    ParmFlags = QString::fromStdString(lines[0]);
    const std::string& flags = lines[0];
    if (ParmFlag(flags, kFlagCityList))
        ToggleCheckGlyph(SpeedButtonA4);
    if (ParmFlag(flags, kFlagLed))
        ToggleCheckGlyph(SpeedButtonA5);
    if (ParmFlag(flags, kFlagLockOffset))
        CheckBox1->setChecked(true);
    if (ParmFlag(flags, kFlagMilitary))
        CheckBox3->setChecked(true);

    if (ParmFlag(flags, kFlagLockOffset)) {
        CurrencyEdit3->setValueText(QString::fromStdString(lines[1]));
        OffsetIndex = StrToInt(lines[2]);
        ComboBox1->setItemIndex(OffsetIndex);
        ComboBox1Change();
    }

    Home.longitude = FieldValue(lines[3]);
    Home.latitude = FieldValue(lines[4]);
    Home.gmtOffset = FieldValue(lines[5]);
    HomeOffsetIndex = StrToInt(lines[6]);
}

bool TZuruRuz1::WriteSettings()
{
    ParmValues v;
    v.cityList = IsOptionChecked(SpeedButtonA4);
    v.led = IsOptionChecked(SpeedButtonA5);
    v.lockOffset = CheckBox1->isChecked();
    v.military = CheckBox3->isChecked();
    v.offsetChosen = !ComboBox1->currentText().isEmpty();
    v.offset = CurrencyEdit3->value();
    v.offsetIndex = OffsetIndex;
    v.homeLongitude = FloatToStr(Home.longitude);
    v.homeLatitude = FloatToStr(Home.latitude);
    v.homeOffset = Home.gmtOffset;
    v.homeOffsetIndex = HomeOffsetIndex;

    const std::vector<std::string> lines = ParmFileLines(v);
    try {
        WriteTextLines(SettingsPath().toStdString(), lines);
    } catch (const FileError& e) {
        m_platform.showMessage(this, QString::fromStdString(e.what()));
        return false;
    }
    ParmFlags = QString::fromStdString(lines[0]);
    return true;
}

void TZuruRuz1::SpeedButton54Click()
{
    if (WriteSettings())
        close();
}

} // namespace dawnrule
