#include "locations/thome.h"

#include "controls/combo_box.h"
#include "controls/currency_edit.h"
#include "controls/window_look.h"
#include "locations/home_offset_list.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QToolButton>

namespace dawnrule {

THome::THome(QWidget* parent)
    : FixedDialog(kClientWidth, kClientHeight, parent)
{
    setWindowTitle(QStringLiteral("Home Parameters"));

    MakeLabel(this, QStringLiteral("-W°'/ E°'"), QRect(6, 6, 60, 20));
    CurrencyEdit1 = new CurrencyEdit(2, 2, this);
    CurrencyEdit1->setGeometry(70, 6, 72, 20);
    CurrencyEdit1->setZeroShown(true);
    MakeLabel(this, QStringLiteral("N°'/ -S°'"), QRect(6, 30, 60, 20));
    CurrencyEdit2 = new CurrencyEdit(2, 2, this);
    CurrencyEdit2->setGeometry(70, 30, 72, 20);
    MakeLabel(this, QStringLiteral("GMT Offset"), QRect(6, 54, 60, 20));
    CurrencyEdit3 = new CurrencyEdit(1, 0, this);
    CurrencyEdit3->setGeometry(70, 54, 40, 20);
    CurrencyEdit3->setReadOnly(true);
    CurrencyEdit3->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    MakeLabel(this, QStringLiteral("Offset List"), QRect(116, 54, 66, 20));
    ComboBox1 = new ComboBox(this);
    ComboBox1->setGeometry(6, 78, 174, 20);
    for (const OffsetEntry& e : HomeOffsetList())
        ComboBox1->addItem(QString::fromLatin1(e.text.data(), static_cast<int>(e.text.size())));
    ComboBox1->setItemIndex(-1);
    // The entries outside the US run long: the open list is as wide as the longest.
    ComboBox1->view()->setMinimumWidth(ComboBox1->view()->sizeHintForColumn(0) + 24);
    SpeedButton54 = MakeFlatButton(this, QStringLiteral("Save"), QRect(62, 106, 62, 23));

    setTabOrder(CurrencyEdit1, CurrencyEdit2);
    setTabOrder(CurrencyEdit2, ComboBox1);

    connect(ComboBox1, &ComboBox::changed, this, &THome::ComboBox1Change);
    connect(CurrencyEdit3, &CurrencyEdit::entered, this, &THome::CurrencyEdit3Enter);
    connect(SpeedButton54, &QToolButton::clicked, this, &THome::SpeedButton54Click);
}

HomeLocation THome::Place() const
{
    return {CurrencyEdit1->value(), CurrencyEdit2->value(), CurrencyEdit3->value(), HomeOffsetIndex};
}

void THome::SetPlace(const HomeLocation& place)
{
    CurrencyEdit1->setValue(place.longitude);
    CurrencyEdit2->setValue(place.latitude);
    CurrencyEdit3->setValue(place.gmtOffset);
    HomeOffsetIndex = place.offsetIndex;
}

void THome::FormActivate()
{
    ComboBox1->setItemIndex(HomeOffsetIndex);
}

void THome::ComboBox1Change()
{
    HomeOffsetIndex = ComboBox1->itemIndex();
    if (HomeOffsetIndex >= 0 && HomeOffsetIndex < static_cast<int>(kHomeOffsetCount))
        CurrencyEdit3->setValue(HomeOffsetList()[HomeOffsetIndex].offset);
}

void THome::CurrencyEdit3Enter()
{
    ComboBox1->setFocus();
}

void THome::SpeedButton54Click()
{
    if (SaveRequested && !SaveRequested())
        return;  // not kept: the window stays open with the values
    accept();
}

void THome::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

} // namespace dawnrule
