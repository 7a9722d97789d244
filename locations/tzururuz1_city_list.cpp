// The main window's right half: the 51 location buttons and the town list. A state
// button loads that state's list from the program's folder; choosing or typing a
// town puts its coordinates into the longitude and latitude fields, and a chosen
// town calculates at once.
#include "app/tzururuz1.h"

#include "common/errors.h"
#include "common/text_file.h"
#include "controls/city_combo_box.h"
#include "controls/combo_box.h"
#include "controls/cp1252_text.h"
#include "controls/currency_edit.h"
#include "controls/platform.h"
#include "controls/window_look.h"
#include "locations/city_record.h"
#include "locations/us_states.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QFrame>
#include <QToolButton>

namespace dawnrule {

namespace {

constexpr int kColumns = 7;
constexpr int kButtonWidth = 24;
constexpr int kButtonHeight = 20;
constexpr int kUserButtonWidth = 149;  // columns 0 to 5 of the last row
constexpr int kGridLeft = 2;
constexpr int kGridTop = 2;
constexpr int kColumnStep = 25;
constexpr int kRowStep = 21;

const QString kNothingLoaded = QStringLiteral("Click on a state first.");

void SetButtonLook(QToolButton* button, const QColor& colour, bool bold)
{
    SetTextColour(button, colour);
    QFont f = button->font();
    f.setBold(bold);
    button->setFont(f);
}

} // namespace

void TZuruRuz1::BuildCityPanel()
{
    ComboBox2 = new CityComboBox(this);
    ComboBox2->setGeometry(kNarrowWidth + 7, 3, 176, 20);
    QPalette white = ComboBox2->palette();
    white.setColor(QPalette::Base, Qt::white);
    ComboBox2->setPalette(white);
    ComboBox2->setEntries({kNothingLoaded});
    ComboBox2->setText(QStringLiteral("City List"));

    Panel4 = MakePanel(this, kWindowColour, QRect(kNarrowWidth + 4, 26, 182, 198));
    const auto place = [this](int number, int column, int row, int width) {
        QToolButton* b = MakeButton(Panel4, {}, QRect(kGridLeft + kColumnStep * column, kGridTop + kRowStep * row,
                                                      width, kButtonHeight));
        SetTextColour(b, kNavy);
        m_locationButtons[number - 1] = b;
        return b;
    };
    for (const UsState& s : kUsStates) {
        // The first 49 fill rows 0 to 6; Wyoming stands in the last column of row 7.
        const int i = s.number - 1;
        const int column = s.number == 50 ? kColumns - 1 : i % kColumns;
        const int row = s.number == 50 ? 7 : i / kColumns;
        QToolButton* b = place(s.number, column, row, kButtonWidth);
        b->setText(QString::fromLatin1(s.code.data(), static_cast<int>(s.code.size())));
        b->setToolTip(QString::fromLatin1(s.name.data(), static_cast<int>(s.name.size())));
    }
    QToolButton* user = place(kUserButtonNumber, 0, 7, kUserButtonWidth);
    user->setText(QString::fromLatin1(kUserButtonCaption.data(), static_cast<int>(kUserButtonCaption.size())));
    user->setToolTip(QString::fromLatin1(kUserButtonHint.data(), static_cast<int>(kUserButtonHint.size())));
}

void TZuruRuz1::ConnectCityPanel()
{
    for (int n = 1; n <= static_cast<int>(kUsStateCount); ++n)
        connect(SpeedButton(n), &QToolButton::clicked, this, [this, n] { SpeedButtonNClick(n); });
    connect(SpeedButton(kUserButtonNumber), &QToolButton::clicked, this, &TZuruRuz1::SpeedButton51Click);
    connect(ComboBox2, &CityComboBox::keyDown, this, &TZuruRuz1::ComboBox2KeyDown);
    connect(ComboBox2, &CityComboBox::keyPress, this, &TZuruRuz1::ComboBox2KeyPress);
    connect(ComboBox2, &CityComboBox::keyUp, this, &TZuruRuz1::ComboBox2KeyUp);
    connect(ComboBox2, &CityComboBox::dropDown, this, &TZuruRuz1::ComboBox2DropDown);
    connect(ComboBox2, &CityComboBox::click, this, &TZuruRuz1::ComboBox2Click);
    connect(ComboBox2, &CityComboBox::change, this, &TZuruRuz1::ComboBox2Change);
    connect(ComboBox2, &CityComboBox::exit, this, &TZuruRuz1::ComboBox2Exit);
}

void TZuruRuz1::SpeedButtonNClick(int number)
{
    const UsState* state = StateByNumber(number);
    if (!state)
        return;
    ComboBox2->hidePopup();
    ComboBox2->setText({});
    ComboBox2->setEntries({});
    const QString path = m_platform.programFolder() + QString::fromStdString(StateFileName(*state));
    if (!QFileInfo::exists(path)) {
        ComboBox2->setText(QString::fromStdString(StateMissingListText(*state)));
        ChgButtonColors(0);
        return;
    }
    LoadCityList(number, QString::fromStdString(StateListTitle(*state)), path);
}

void TZuruRuz1::SpeedButton51Click()
{
    ComboBox2->hidePopup();
    ComboBox2->setText({});
    ComboBox2->setEntries({});
    LoadCityList(kUserButtonNumber, QString::fromLatin1(kUserListTitle.data(), static_cast<int>(kUserListTitle.size())),
                 m_platform.programFolder() + QString::fromLatin1(kUserListFileName.data(),
                                                                 static_cast<int>(kUserListFileName.size())));
}

void TZuruRuz1::LoadCityList(int button, const QString& title, const QString& path)
{
    ComboBox2->setText(title);
    std::vector<std::string> lines;
    try {
        lines = ReadTextLines(path.toStdString());
    } catch (const FileError& e) {
        // The list stays empty under its title; highlight, focus and ListLoaded stay.
        m_platform.showMessage(this, QString::fromStdString(e.what()));
        return;
    }
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        entries << FromCp1252(line);
    ComboBox2->setEntries(entries);
    ComboBox2->setFocus();
    ComboBox2->showPopup();  // its drop-down handler empties the title again
    ChgButtonColors(button);
    ListLoaded = true;
}

void TZuruRuz1::ChgButtonColors(int index)
{
    // Every speed button outside the quick menu goes back to navy without style; the
    // quick menu's entries keep their own colours.
    for (QToolButton* b : m_locationButtons)
        SetButtonLook(b, kNavy, false);
    for (QToolButton* b : {SpeedButton52, SpeedButton53, SpeedButton54, SpeedButton55, SpeedButton56,
                           SpeedButton57, SpeedButtonA, SpeedButton58})
        SetButtonLook(b, kNavy, false);
    if (index >= 1 && index <= kLocationButtons)
        SetButtonLook(SpeedButton(index), kMaroon, true);
    CityKeyDown = false;
}

void TZuruRuz1::ComboBox2KeyDown(int key)
{
    CityKeyDown = true;
    CityEnterDown = key == Qt::Key_Return || key == Qt::Key_Enter;
}

void TZuruRuz1::ComboBox2KeyPress(QChar)
{
    if (!ComboBox2->view()->isVisible())
        ComboBox2->showPopup();
}

void TZuruRuz1::ComboBox2KeyUp(int key)
{
    // Only an Enter that went down here moves on. The Enter that closes the list's
    // message box comes up here, where the message put the keyboard back: moving on
    // would parse the same text again and bring the message back at once, for ever.
    const bool enter = (key == Qt::Key_Return || key == Qt::Key_Enter) && CityEnterDown;
    CityEnterDown = false;
    if (enter)
        ComboBox1->setFocus();
    CityKeyDown = false;
}

void TZuruRuz1::ComboBox2DropDown()
{
    ComboBox2->setText({});
}

void TZuruRuz1::ComboBox2Click()
{
    CityKeyDown = false;
    ComboBox1->setFocus();
}

void TZuruRuz1::ComboBox2Change()
{
    if (!LockOffset) {
        CurrencyEdit3->setValue(0);
        ComboBox1->clearText();
    }
    if (CityKeyDown) {
        CityKeyDown = false;  // typing does not calculate
        return;
    }
    SpeedButton52Click();
}

void TZuruRuz1::ComboBox2Exit()
{
    const QString text = ComboBox2->text();
    if (text.isEmpty() || !ListLoaded)
        return;
    const CityRecordValues values = ReadCityRecord(ToCp1252(text));
    if (!values.Complete())
        CityEnterDown = false;  // the box shown below takes the keyboard
    if (values.status != CityRecordStatus::Coordinates) {
        m_platform.showMessage(this, QString::fromStdString(values.message));
        ComboBox2->setFocus();
        return;
    }
    // The latitude first: a bad longitude leaves the new latitude in place.
    if (values.latitude)
        CurrencyEdit2->setValue(*values.latitude);
    if (values.longitude)
        CurrencyEdit1->setValue(*values.longitude);
    if (!values.Complete())
        m_platform.showMessage(this, QString::fromStdString(values.message));
}

} // namespace dawnrule
