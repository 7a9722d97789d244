// The main window's "Routes" button, and what the Routes window may ask of the main
// window (RoutesHost): the Routes window takes the main window's place while it is open
// and gives it back when it closes; its batch computes each stop with the main window's
// fields, Calc and labels.
#include "app/tzururuz1.h"

#include "controls/combo_box.h"
#include "controls/currency_edit.h"
#include "controls/date_edit.h"
#include "locations/thome.h"
#include "windows/troutes.h"

#include <QLabel>

namespace dawnrule {

void TZuruRuz1::SpeedButton58Click()
{
    if (!Routes)
        return;
    RoutesReturnPlace = pos();
    hide();
    Routes->exec();
}

QString TZuruRuz1::DateFieldText() const
{
    return DateEdit1->text();
}

std::optional<QString> TZuruRuz1::ChosenOffsetEntry() const
{
    if (ComboBox1->itemIndex() < 0)
        return std::nullopt;
    return ComboBox1->currentText();
}

double TZuruRuz1::GmtOffset() const
{
    return CurrencyEdit3->value();
}

bool TZuruRuz1::Military() const
{
    return MilitaryTime;
}

std::optional<HomeLocation> TZuruRuz1::HomePlace() const
{
    if (!Home)
        return std::nullopt;
    const HomeLocation home = Home->Place();
    if (home.longitude == 0 || home.latitude == 0)
        return std::nullopt;
    return home;
}

RoutesHost::StopTexts TZuruRuz1::BatchStop(double latitude, double longitude)
{
    CurrencyEdit2->setValue(latitude);
    CurrencyEdit1->setValue(longitude);
    BatchCalc = true;
    SpeedButton52Click();
    StopTexts texts{Label5->text(), Label7->text(), std::nullopt};
    if (!BatchMessage.isEmpty())
        texts.message = BatchMessage;
    return texts;
}

void TZuruRuz1::EndBatch()
{
    CurrencyEdit1->setValue(0);
    CurrencyEdit2->setValue(0);
}

void TZuruRuz1::RoutesClosed()
{
    move(RoutesReturnPlace);
    show();
}

} // namespace dawnrule
