// The quick menu: the "Prefs" button's panel of entries over the input fields, how it
// is armed, shown and hidden, its two stored options ("City List", "LED") and the
// "Local Zone" option, and the entries that open Help and About. The Home and USER
// entries live with their windows' handlers (tzururuz1_home.cpp, tzururuz1_user_list.cpp).
#include "app/tzururuz1.h"

#include "controls/tled.h"
#include "controls/window_look.h"
#include "windows/tabout.h"
#include "windows/thelp.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace dawnrule {

namespace {

constexpr int kCheckGlyphSize = 13;
constexpr int kMenuEntryStep = 18;  // rows, each 17 pixels high

} // namespace

void TZuruRuz1::BuildQuickMenu()
{
    // Seven entries as they always were, "Local Zone" below "LED".
    Panel3 = MakePanel(this, kBarColour, QRect(49, 22, 114, 129 + kMenuEntryStep));
    Panel3->setFrameShape(QFrame::Box);
    const struct {
        QToolButton** button;
        const char* caption;
        QColor colour;
    } entries[] = {
        {&SpeedButtonA1, "Home             ", kNavy},
        {&SpeedButtonA2, "USER             ", kMaroon},
        {&SpeedButtonA3, "Add to USER", kGray},
        {&SpeedButtonA4, "City List          ", kMaroon},
        {&SpeedButtonA5, "LED                ", kMaroon},
        {&SpeedButtonA8, "Local Zone     ", kMaroon},
        {&SpeedButtonA6, "Help               ", kBlue},
        {&SpeedButtonA7, "About...          ", kBlue},
    };
    int top = 2;
    for (const auto& e : entries) {
        QToolButton* b = MakeButton(Panel3, QString::fromLatin1(e.caption), QRect(2, top, 110, 17));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setIconSize(QSize(kCheckGlyphSize, kCheckGlyphSize));
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(12);
        b->setFont(arial);
        SetTextColour(b, e.colour);
        *e.button = b;
        top += kMenuEntryStep;
    }
    Panel3->hide();
    Panel3->raise();
}

void TZuruRuz1::ConnectQuickMenu()
{
    connect(SpeedButtonA, &QToolButton::clicked, this, &TZuruRuz1::OpenButtons);
    connect(SpeedButtonA1, &QToolButton::clicked, this, &TZuruRuz1::SpeedButtonA1Click);
    connect(SpeedButtonA2, &QToolButton::clicked, this, &TZuruRuz1::SpeedButtonA2Click);
    connect(SpeedButtonA3, &QToolButton::clicked, this, &TZuruRuz1::SpeedButtonA3Click);
    connect(SpeedButtonA4, &QToolButton::clicked, this, &TZuruRuz1::SpeedButtonA4Click);
    connect(SpeedButtonA5, &QToolButton::clicked, this, &TZuruRuz1::SpeedButtonA5Click);
    connect(SpeedButtonA8, &QToolButton::clicked, this, &TZuruRuz1::SpeedButtonA8Click);
    connect(SpeedButtonA6, &QToolButton::clicked, this, &TZuruRuz1::SpeedButtonA6Click);
    connect(SpeedButtonA7, &QToolButton::clicked, this, &TZuruRuz1::SpeedButtonA7Click);
    SpeedButtonA->installEventFilter(this);  // its mouse moves show the menu
}

void TZuruRuz1::OpenButtons()
{
    MenuArmed = true;
}

void TZuruRuz1::SpeedButtonAMouseMove()
{
    ShowMenuPanel(QLatin1Char('A'));
}

void TZuruRuz1::ShowMenuPanel(QChar key)
{
    if (!MenuArmed || key == MenuShownKey)
        return;
    // Disabling and enabling again clears the button's hover highlight.
    SpeedButtonA->setEnabled(false);
    SpeedButtonA->setEnabled(true);
    if (key == QLatin1Char('A')) {
        Panel3->show();
        Panel3->raise();
    }
    MenuShownKey = key;
}

bool TZuruRuz1::IsOptionChecked(const QToolButton* button)
{
    return !button->icon().isNull();
}

void TZuruRuz1::ToggleCheckGlyph(QToolButton* button)
{
    button->setIcon(IsOptionChecked(button) ? QIcon() : QIcon(CheckGlyph));
}

void TZuruRuz1::SpeedButtonA4Click()
{
    ToggleCheckGlyph(SpeedButtonA4);
    SetWideLayout(IsOptionChecked(SpeedButtonA4));
    Panel3->hide();
}

void TZuruRuz1::SpeedButtonA5Click()
{
    ToggleCheckGlyph(SpeedButtonA5);
    if (IsOptionChecked(SpeedButtonA5)) {
        ComboBox1Change();
    } else {
        LED2->hide();
        Timer1->stop();
        Timer1->setInterval(0);
    }
    Panel3->hide();
}

void TZuruRuz1::SpeedButtonA8Click()
{
    ToggleCheckGlyph(SpeedButtonA8);
    const bool on = IsOptionChecked(SpeedButtonA8);
    // The times shown belong to the other clock.
    ResetResultLabels({});
    Label9->setVisible(on);
    if (on) {
        ShowZone(QString::fromLatin1(kZoneIdleText), {}, false);
        SpeedButton52Click();
    }
    Panel3->hide();
}

void TZuruRuz1::SpeedButtonA6Click()
{
    if (Help)
        Help->exec();
    Panel3->hide();
}

void TZuruRuz1::SpeedButtonA7Click()
{
    if (About)
        About->exec();
    Panel3->hide();
}

} // namespace dawnrule
