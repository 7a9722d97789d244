#include "app/tzururuz1.h"

#include "app/offset_list.h"
#include "app/qt_zone_clock.h"
#include "astro/date_text.h"
#include "controls/combo_box.h"
#include "controls/currency_edit.h"
#include "controls/date_edit.h"
#include "controls/platform.h"
#include "controls/tled.h"
#include "controls/tmoon.h"
#include "controls/window_look.h"

#include <QBitmap>
#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <chrono>

namespace dawnrule {

namespace {

const QColor kOptionsColour(225, 168, 0);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

constexpr int kWindowHeight = 226;
constexpr int kBarHeight = 22;
constexpr int kMoonLeft = 134;  // in the options panel
constexpr int kMoonTop = 6;
constexpr int kMoonHeight = 29;

std::chrono::year_month_day ToYmd(const QDate& d)
{
    return std::chrono::year_month_day(std::chrono::year(d.year()),
                                       std::chrono::month(static_cast<unsigned>(d.month())),
                                       std::chrono::day(static_cast<unsigned>(d.day())));
}

QDate ToQDate(const std::chrono::year_month_day& d)
{
    return QDate(static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())),
                 static_cast<int>(static_cast<unsigned>(d.day())));
}

// A half sun on the horizon with an arrow up (rise) or down (set).
QPixmap SunPicture(bool rising)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 120, 0));
    p.drawPie(QRectF(2, 7, 12, 12), 0, 180 * 16);
    p.setPen(QPen(kNavy, 1));
    p.drawLine(QPointF(0, 13.5), QPointF(16, 13.5));
    const QPointF tip = rising ? QPointF(8, 0.5) : QPointF(8, 6.5);
    const qreal dir = rising ? 1 : -1;
    p.drawLine(QPointF(8, 0.5), QPointF(8, 6.5));
    p.drawLine(tip, tip + QPointF(-2, 2 * dir));
    p.drawLine(tip, tip + QPointF(2, 2 * dir));
    return pm;
}

} // namespace

TZuruRuz1::TZuruRuz1(Platform& platform, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_zones(std::make_unique<QtZoneDatabase>())
{
    FormCreate();
}

TZuruRuz1::~TZuruRuz1() = default;

void TZuruRuz1::SetOtherWindows(THelp& help, THome& home, TUSER& user, TAbout& about, TRoutes& routes)
{
    Help = &help;
    Home = &home;
    User = &user;
    About = &about;
    Routes = &routes;
}

void TZuruRuz1::FormCreate()
{
    setWindowTitle(QStringLiteral("Dawnrule"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    SetBackground(this, kWindowColour);
    SetTextColour(this, kNavy);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    setMouseTracking(true);

    // Daylight window of the current year; the LED check renews it for the year of
    // the date it checks.
    const DaylightWindow dst = DaylightWindowOf(std::chrono::year(m_platform.today().year()));
    DstStart = ToQDate(dst.start);
    DstEnd = ToQDate(dst.end);

    BuildControls();
    BuildQuickMenu();
    BuildCityPanel();
    ConnectHandlers();
    ConnectQuickMenu();
    ConnectCityPanel();

    SetWideLayout(false);
    setFixedHeight(kWindowHeight);

    // Today's moon, also as the window's icon in the task bar.
    MoonInit();
    setWindowIcon(Moon->Icon());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(kNarrowWidth / 2, kWindowHeight / 2));

    // Check mark of the quick menu's options; teal is its transparent colour.
    QImage glyph(QStringLiteral(":/CHECK_GLYPH"));
    CheckGlyph = QPixmap::fromImage(glyph);
    CheckGlyph.setMask(QBitmap::fromImage(glyph.createMaskFromColor(glyph.pixel(0, 0), Qt::MaskOutColor)));

    // The window sees every key press before its controls do.
    create();
    windowHandle()->installEventFilter(this);
}

void TZuruRuz1::BuildControls()
{
    // Tool bar: the two result labels after their pictures, "Prefs" and "Routes".
    ToolBar1 = MakePanel(this, kBarColour, QRect(0, 0, kNarrowWidth, kBarHeight));
    auto* risePic = MakeLabel(ToolBar1, {}, QRect(2, 3, 16, 16));
    risePic->setPixmap(SunPicture(true));
    Label5 = MakeLabel(ToolBar1, QStringLiteral("Rise"), QRect(19, 3, 40, 16));
    auto* setPic = MakeLabel(ToolBar1, {}, QRect(60, 3, 16, 16));
    setPic->setPixmap(SunPicture(false));
    Label7 = MakeLabel(ToolBar1, QStringLiteral("Set"), QRect(77, 3, 40, 16));
    for (QLabel* l : {Label5, Label7}) {
        QFont bold = l->font();
        bold.setBold(true);
        l->setFont(bold);
    }
    SpeedButtonA = MakeButton(ToolBar1, QStringLiteral("Prefs"), QRect(118, 1, 36, 20));
    SpeedButtonA->setMouseTracking(true);
    SpeedButton58 = MakeButton(ToolBar1, QStringLiteral("Routes"), QRect(155, 1, 41, 20));

    // Inputs.
    MakeLabel(this, QStringLiteral("-W°'/ E°'"), QRect(6, 28, 60, 20));
    CurrencyEdit1 = new CurrencyEdit(2, 2, this);
    CurrencyEdit1->setGeometry(70, 28, 72, 20);
    MakeLabel(this, QStringLiteral("N°'/ -S°'"), QRect(6, 52, 60, 20));
    CurrencyEdit2 = new CurrencyEdit(2, 2, this);
    CurrencyEdit2->setGeometry(70, 52, 72, 20);
    // The zone of the place, right of its coordinates; shown only with "Local Zone".
    Label9 = MakeLabel(this, QString::fromLatin1(kZoneIdleText), QRect(146, 28, 50, 44));
    Label9->setAlignment(Qt::AlignCenter);
    ShowZone(QString::fromLatin1(kZoneIdleText), {}, false);
    Label9->hide();

    MakeLabel(this, QStringLiteral("Date"), QRect(6, 76, 28, 20));
    SpeedButton57 = MakeButton(this, QStringLiteral("◀"), QRect(34, 78, 12, 16));
    SpeedButton55 = MakeButton(this, QStringLiteral("●"), QRect(46, 78, 12, 16));
    SpeedButton56 = MakeButton(this, QStringLiteral("▶"), QRect(58, 78, 12, 16));
    SpeedButton57->setToolTip(QStringLiteral("Previous day"));
    SpeedButton55->setToolTip(QStringLiteral("Today"));
    SpeedButton56->setToolTip(QStringLiteral("Next day"));
    DateEdit1 = new DateEdit(this);
    DateEdit1->setGeometry(70, 76, 96, 20);
    DateEdit1->setDate(m_platform.today());

    MakeLabel(this, QStringLiteral("GMT Offset"), QRect(6, 100, 60, 20));
    CurrencyEdit3 = new CurrencyEdit(1, 1, this);
    CurrencyEdit3->setGeometry(70, 100, 40, 20);
    CurrencyEdit3->setReadOnly(true);
    CurrencyEdit3->setFocusPolicy(Qt::ClickFocus);
    MakeLabel(this, QStringLiteral("Offset List"), QRect(116, 100, 70, 20));

    ComboBox1 = new ComboBox(this);
    ComboBox1->setGeometry(6, 124, 168, 20);
    ComboBox1->setFocusPolicy(Qt::ClickFocus);
    for (const OffsetEntry& e : kOffsetList)
        ComboBox1->addItem(QString::fromLatin1(e.text.data(), static_cast<int>(e.text.size())));
    ComboBox1->setItemIndex(-1);
    LED2 = new TLED(this);
    LED2->move(179, 128);
    LED2->setColor(lcYellow);
    Timer1 = new QTimer(this);
    Timer1->setInterval(0);

    // Options panel with the place of the moon picture at (134, 6).
    Panel2 = MakePanel(this, kOptionsColour, QRect(0, 150, kNarrowWidth, 44));
    Panel2->setFocusPolicy(Qt::ClickFocus);
    CheckBox1 = new QCheckBox(QStringLiteral("Lock GMT Offset"), Panel2);
    CheckBox1->setGeometry(6, 4, 124, 18);
    CheckBox3 = new QCheckBox(QStringLiteral("Display Military Time"), Panel2);
    CheckBox3->setGeometry(6, 22, 128, 18);

    SpeedButton52 = MakeButton(this, QStringLiteral("Calc "), QRect(4, 200, 60, 22));
    SpeedButton53 = MakeButton(this, QStringLiteral("Home "), QRect(68, 200, 60, 22));
    SpeedButton54 = MakeButton(this, QStringLiteral("Close "), QRect(132, 200, 60, 22));
    for (QToolButton* b : {SpeedButton52, SpeedButton53, SpeedButton54}) {
        QFont bold = b->font();
        bold.setBold(true);
        b->setFont(bold);
    }

    // Separator of the wide layout.
    Panel1 = MakePanel(this, kBarColour, QRect(kNarrowWidth, 0, 3, kWindowHeight));
    Panel1->setFrameShape(QFrame::VLine);
}

void TZuruRuz1::ConnectHandlers()
{
    connect(CurrencyEdit1, &CurrencyEdit::changed, this, &TZuruRuz1::CurrencyEdit1Change);
    connect(CurrencyEdit2, &CurrencyEdit::changed, this, &TZuruRuz1::CurrencyEdit2Change);
    connect(CurrencyEdit3, &CurrencyEdit::changed, this, &TZuruRuz1::CurrencyEdit3Change);
    connect(CurrencyEdit1, &CurrencyEdit::clicked, this, &TZuruRuz1::CurrencyEdit1Click);
    connect(CurrencyEdit2, &CurrencyEdit::clicked, this, &TZuruRuz1::CurrencyEdit2Click);
    connect(CurrencyEdit3, &CurrencyEdit::entered, this, &TZuruRuz1::CurrencyEdit3Enter);
    connect(ComboBox1, &ComboBox::changed, this, &TZuruRuz1::ComboBox1Change);
    connect(DateEdit1, &QDateEdit::dateChanged, this, &TZuruRuz1::DateEdit1Change);
    connect(SpeedButton57, &QToolButton::clicked, this, &TZuruRuz1::SpeedButton57Click);
    connect(SpeedButton55, &QToolButton::clicked, this, &TZuruRuz1::SpeedButton55Click);
    connect(SpeedButton56, &QToolButton::clicked, this, &TZuruRuz1::SpeedButton56Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &TZuruRuz1::CheckBox1Click);
    connect(CheckBox3, &QCheckBox::toggled, this, &TZuruRuz1::CheckBox3Click);
    connect(SpeedButton52, &QToolButton::clicked, this, &TZuruRuz1::SpeedButton52Click);
    connect(SpeedButton53, &QToolButton::clicked, this, &TZuruRuz1::SpeedButton53Click);
    connect(SpeedButton54, &QToolButton::clicked, this, &TZuruRuz1::SpeedButton54Click);
    connect(SpeedButton58, &QToolButton::clicked, this, &TZuruRuz1::SpeedButton58Click);
    connect(Timer1, &QTimer::timeout, this, &TZuruRuz1::Timer1Timer);
}

bool TZuruRuz1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::KeyPress)
        FormKeyDown(static_cast<QKeyEvent*>(event)->key());
    else if (watched == SpeedButtonA && event->type() == QEvent::MouseMove)
        SpeedButtonAMouseMove();
    return QWidget::eventFilter(watched, event);
}

void TZuruRuz1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TZuruRuz1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window manager that does not hand the focus to new windows (or none at all)
    // would leave the settings unread: the first showing counts as the activation.
    if (!Activated)
        QTimer::singleShot(0, this, &TZuruRuz1::FormActivate);
}

void TZuruRuz1::mouseMoveEvent(QMouseEvent* event)
{
    // Only the bare surface of the window counts, not its controls.
    if (!childAt(event->position().toPoint()))
        FormMouseMove();
    QWidget::mouseMoveEvent(event);
}

void TZuruRuz1::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, &TZuruRuz1::firstPainted);
    }
}

void TZuruRuz1::FormKeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        SpeedButton52Click();
}

void TZuruRuz1::FormMouseMove()
{
    MenuArmed = false;
    MenuShownKey = QLatin1Char('0');
    Panel3->hide();
}

void TZuruRuz1::ResetResultLabels(const ResultLabels& labels)
{
    Label5->setText(QString::fromStdString(labels.rise));
    Label7->setText(QString::fromStdString(labels.set));
    if (!Label7->toolTip().isEmpty())  // every field change of a batch passes here
        Label7->setToolTip({});
    // The zone named went with the times.
    if (!Label9->isHidden() && Label9->text() != QLatin1String(kZoneIdleText))
        ShowZone(QString::fromLatin1(kZoneIdleText), {}, false);
}

void TZuruRuz1::CurrencyEdit1Change()
{
    ResetResultLabels(LabelsAfterChange(CalcInput::Longitude));
}

void TZuruRuz1::CurrencyEdit2Change()
{
    ResetResultLabels(LabelsAfterChange(CalcInput::Latitude));
}

void TZuruRuz1::CurrencyEdit3Change()
{
    ResetResultLabels(LabelsAfterChange(CalcInput::GmtOffset));
}

void TZuruRuz1::CurrencyEdit1Click()
{
    CurrencyEdit1->selectAll();
}

void TZuruRuz1::CurrencyEdit2Click()
{
    CurrencyEdit2->selectAll();
}

void TZuruRuz1::CurrencyEdit3Enter()
{
    ComboBox1->setFocus();
}

void TZuruRuz1::ComboBox1Change()
{
    LED2->hide();
    Timer1->stop();
    Timer1->setInterval(0);
    OffsetIndex = ComboBox1->itemIndex();
    if (OffsetIndex < 0 || OffsetIndex >= static_cast<int>(kOffsetList.size()))
        return;
    CurrencyEdit3->setValue(kOffsetList[OffsetIndex].offset);

    if (!HasDaylightCheck(OffsetIndex) || !IsOptionChecked(SpeedButtonA5) || ComboBox1->currentText().isEmpty())
        return;
    // The daylight window of the year of the date being checked, by that year's rule.
    const QDate d = DateEdit1->date();
    const DaylightWindow dst = DaylightWindowOf(std::chrono::year(d.year()));
    DstStart = ToQDate(dst.start);
    DstEnd = ToQDate(dst.end);
    if (OffsetMismatch(OffsetIndex, ToYmd(d))) {
        LED2->show();
        Timer1->start(kBlinkMs);
    }
}

void TZuruRuz1::DateEdit1Change()
{
    ResetResultLabels(LabelsAfterChange(CalcInput::Date));
    MoonInit();
    const QDate today = m_platform.today();
    const bool isToday = DateEdit1->text().toStdString() == DateText({today.year(), today.month(), today.day()});
    DateEdit1->setBackground(isToday ? kWhite : kYellow);
    Panel2->setFocus();
}

void TZuruRuz1::MoonInit()
{
    // One picture, redated on every date change.
    if (!Moon) {
        Moon = new TMoon(Panel2, DateTimeOf(m_platform.now()));
        Moon->move(kMoonLeft, kMoonTop);
        Moon->setMoonSize(ms32);
        Moon->setMoonStyle(msColor);
        Moon->resize(Moon->width(), kMoonHeight);  // cuts the bottom three rows of the picture
    }
    Moon->setDate(DateTimeOf(QDateTime(DateEdit1->date(), QTime(0, 0))));
}

void TZuruRuz1::SetDate(const QDate& date)
{
    if (date.isValid())
        DateEdit1->setDate(date);
}

void TZuruRuz1::SpeedButton57Click()
{
    SetDate(DateEdit1->date().addDays(-1));
}

void TZuruRuz1::SpeedButton55Click()
{
    SetDate(m_platform.today());
}

void TZuruRuz1::SpeedButton56Click()
{
    SetDate(DateEdit1->date().addDays(1));
}

void TZuruRuz1::CheckBox1Click()
{
    LockOffset = CheckBox1->isChecked();
}

void TZuruRuz1::CheckBox3Click()
{
    MilitaryTime = CheckBox3->isChecked();
    ResetResultLabels(LabelsAfterChange(CalcInput::Military));
}

CalcFields TZuruRuz1::ZuruRuzInit() const
{
    CalcFields fields;
    fields.longitude = CurrencyEdit1->value();
    fields.latitude = CurrencyEdit2->value();
    fields.gmtOffset = CurrencyEdit3->value();
    fields.dateText = DateEdit1->text().toStdString();
    fields.military = MilitaryTime;
    return fields;
}

void TZuruRuz1::SpeedButton52Click()
{
    // The Routes batch computes in the main window's own clock, the driver's home time.
    if (!BatchCalc && IsOptionChecked(SpeedButtonA8) && LocalZoneCalc())
        return;
    const bool batch = BatchCalc;
    if (BatchCalc) {
        BatchCalc = false;
        BatchMessage.clear();
    } else {
        if (ComboBox1->itemIndex() < 0 || ComboBox1->currentText().isEmpty())
            return;
        Panel2->setFocus();
    }
    ResultLabels labels{Label5->text().toStdString(), Label7->text().toStdString()};
    const std::optional<std::string> message = RunCalc(ZuruRuzInit(), EventKind, labels);
    Label5->setText(QString::fromStdString(labels.rise));
    Label7->setText(QString::fromStdString(labels.set));
    if (message && batch)
        BatchMessage = QString::fromStdString(*message);  // the batch shows it, and may stop there
    else if (message)
        m_platform.showMessage(this, QString::fromStdString(*message));
}

void TZuruRuz1::SetWideLayout(bool wide)
{
    Panel1->setVisible(wide);
    const int width = wide ? kWideWidth : kNarrowWidth;
    setFixedWidth(width);
    ToolBar1->resize(width, kBarHeight);
}

void TZuruRuz1::Timer1Timer()
{
    LED2->setLit(!LED2->Lit());
}

} // namespace dawnrule
