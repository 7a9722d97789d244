#include "windows/tabout.h"

#include "controls/platform.h"
#include "controls/window_look.h"
#include "controls/fixed_text.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QToolButton>

namespace dawnrule {

namespace {

const char* const kName[] = {"Dawnrule  V 3.0"};
const char* const kMaker[] = {"Tarnwick Software"};

const char* const kDescription[] = {
    "  The Dawnrule calculator was designed for Professional Truck Drivers",
    "and companies that haul oversize and wide loads.  Oversize loads are usually",
    "only permitted to be hauled during daylight hours.  This calculator can be used",
    "to quickly look up the Dawnrule times of any town within the United States",
    "by clicking on a state's button and then on a town name.  A special 'USER'",
    "button can be programmed with other locations in addition to those already",
    "listed in the individual states.",
};

const char* const kAccuracy[] = {
    "  Dawnrule times should be correct within +/- 3 minutes.  For a",
    "comparison of times, click:",
};

const char* const kDisclaimer[] = {
    "Disclaimer of Warranty",
    "  This software is provided \"as is\", without warranty of any kind,",
    "either expressed or implied, including but not limited to the implied",
    "warranties of merchantability and fitness for a particular purpose.",
    "The whole risk as to the quality and accuracy of its times is yours.",
    "  ",
    "Disclaimer",
    "  Dawnrule times are meant for planning a trip only.  The hours in",
    "which an oversize or wide load may move are set by its permit and",
    "by the laws of each state it passes through; where they differ from",
    "these times, the permit and the law govern.  Tarnwick Software is not",
    "liable for any loss or damage that comes from the use of these times.",
    "  ",
};

constexpr const char* kComparisonAddress = "https://aa.usno.navy.mil/AA/data/docs/RS_OneYear.html";

} // namespace

QUrl TAbout::ComparisonUrl()
{
    return QUrl(QString::fromLatin1(kComparisonAddress));
}

TAbout::TAbout(Platform& platform, QWidget* parent)
    : FixedDialog(kClientWidth, kClientHeight, parent)
    , m_platform(platform)
{
    setWindowTitle(QStringLiteral("Dawnrule About..."));

    Label7 = MakeTextLabel(this, kName, {119, 8});
    Label5 = MakeTextLabel(this, kMaker, {143, 22});
    Label1 = MakeTextLabel(this, kDescription, {9, 42});
    Label4 = MakeTextLabel(this, kAccuracy, {35, 141});
    SetTextColour(Label4, QApplication::palette().color(QPalette::Active, QPalette::WindowText));
    const char* const link[] = {kComparisonAddress};
    Label2 = MakeTextLabel(this, link, {58, 172});
    SetTextColour(Label2, kBlue);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->installEventFilter(this);
    Label3 = MakeTextLabel(this, kDisclaimer, {18, 195});
    SpeedButton54 = MakeFlatButton(this, QStringLiteral("OK"), QRect(164, 385, 62, 23));

    connect(SpeedButton54, &QToolButton::clicked, this, &TAbout::SpeedButton54Click);
}

void TAbout::Label2MouseDown()
{
    SetTextColour(Label2, kMaroon);
}

void TAbout::Label2MouseUp()
{
    SetTextColour(Label2, kBlue);
}

void TAbout::Label2Click()
{
    // With no web browser, the address is shown so that it can be typed elsewhere. The
    // failure may come after the window has closed, or as the program ends.
    const QPointer<TAbout> self(this);
    m_platform.openUrl(ComparisonUrl(), [self] {
        if (self)
            self->m_platform.showMessage(self, QStringLiteral("No web browser could open the page. Its address:\n")
                                                   + ComparisonUrl().toString());
    });
}

void TAbout::SpeedButton54Click()
{
    accept();
}

bool TAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Label2)
        return QDialog::eventFilter(watched, event);
    // The label holds the mouse from the press to the release, so the release comes
    // here wherever it happens; only a left-button release over the link is a click.
    // The second press of a double click is no new click: the page opens once.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        Label2MouseDown();
        if (mouse->button() == Qt::LeftButton) {
            m_linkPressed = true;
            m_doubleClicked = event->type() == QEvent::MouseButtonDblClick;
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        Label2MouseUp();
        if (mouse->button() == Qt::LeftButton) {
            const bool click = m_linkPressed && !m_doubleClicked
                               && Label2->rect().contains(mouse->position().toPoint());
            m_linkPressed = false;
            m_doubleClicked = false;
            if (click)
                Label2Click();
        }
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace dawnrule
