#include "windows/thelp.h"

#include "controls/window_look.h"
#include "controls/fixed_text.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace dawnrule {

namespace {

const char* const kSteps[] = {
    "I.  N°, S°, E°, and W° coordinates can be directly entered into the  -W°'/ E°'",
    "and N°'/ -S°' coordinate boxes.  The state buttons can also be used to look",
    "up the coordinates of a town.  Click on the appropriate state and then simply",
    "begin to type the name of the town.  The town list will automatically scroll as",
    "the town name is typed. Click on the town name to place the coordinates into",
    "the coordinate boxes. (If the town name scrolls to the top of the list, you can",
    "simply hit enter to place the coordinates into the coordinate boxes.)",
    " ",
    "II.  Next, enter the date of the desired Dawnrule times.  The program",
    "always starts with the current computer date.",
    " ",
    "III. Enter the 'GMT Offset'.  The 'Offset List' can be used to select an offset.",
    "(Professional Drivers usually keep their watches on their home time for",
    "logging purposes.  By selecting the GMT Offset for home time, the rise and",
    "set times for any town will be calculated to a driver's home time.)",
};

const char* const kLastStep[] = {"IV. Click 'Calc' to calculate to sunsrise/sunset times."};

// The continuation lines start with the blanks that align them under the text after
// the colon.
const char* const kOptions[] = {
    "Other Options:",
    "Lock GMT Offset:  This keep the GMT Offset from being cleared after",
    "                               each calculation.",
    "Display Military Time:  Dawnrule times are displayed in military time.",
    "Home:  A home Dawnrule time can be quickly calculated via this",
    "            button.  Home set up is accomplished through the 'Prefs' menu.",
    "USER: USER town/coordinates can be accessed via this button.  USER",
    "            set up is accomplished through the 'Prefs' menu.",
    "LED:    When checked, an LED will flash if the GMT List offset is set to",
    "            standard time during daylight time, etc.",
    "Moon:  The phase of the moon is displayed when checked.",
};

} // namespace

THelp::THelp(QWidget* parent)
    : FixedDialog(kClientWidth, kClientHeight, parent)
{
    setWindowTitle(QStringLiteral("Dawnrule Help"));

    Label1 = MakeTextLabel(this, kSteps, {7, 8});
    Label2 = MakeTextLabel(this, kLastStep, {8, 216});
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(5, 235, 367, 2);
    Label3 = MakeTextLabel(this, kOptions, {8, 241});
    SpeedButton54 = MakeFlatButton(this, QStringLiteral("OK"), QRect(158, 392, 62, 23));

    connect(SpeedButton54, &QToolButton::clicked, this, &THelp::SpeedButton54Click);
}

void THelp::SpeedButton54Click()
{
    accept();
}

} // namespace dawnrule
