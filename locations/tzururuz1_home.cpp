// The main window's "Home " button and the quick menu's Home entry: recalling the
// home place held by the home window, and opening that window to set it.
#include "app/tzururuz1.h"

#include "controls/city_combo_box.h"
#include "controls/combo_box.h"
#include "controls/currency_edit.h"
#include "controls/tled.h"
#include "locations/thome.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace dawnrule {

void TZuruRuz1::SpeedButton53Click()
{
    if (!Home)
        return;
    ComboBox1->setItemIndex(-1);
    ComboBox2->setEntries({QStringLiteral("Click on a state first.")});
    ComboBox2->setText(QStringLiteral("Home"));
    ChgButtonColors(0);
    LED2->hide();
    Timer1->stop();
    Timer1->setInterval(0);
    CurrencyEdit1->setValue(0);
    CurrencyEdit2->setValue(0);
    CurrencyEdit3->setValue(0);
    // The home values arrive as the fields hold them: two decimals, the offset with
    // its half hour (the home offset field shows whole hours only).
    const HomeLocation home = Home->Place();
    CurrencyEdit1->setValue(home.longitude);
    CurrencyEdit2->setValue(home.latitude);
    ComboBox1->setItemIndex(home.offsetIndex);  // 35 to 92 and -1 select nothing here
    CurrencyEdit3->setValue(home.gmtOffset);
    ComboBox1Change();
    SpeedButton52Click();
}

void TZuruRuz1::SpeedButtonA1Click()
{
    if (Home)
        Home->exec();
    Label5->setText(QStringLiteral("Rise"));
    Label7->setText(QStringLiteral("Set"));
    Panel3->hide();
}

} // namespace dawnrule
