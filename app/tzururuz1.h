#pragma once

#include "app/calc.h"
#include "app/parm_file.h"
#include "app/zururuz.h"
#include "windows/routes_host.h"

#include <QDate>
#include <QPixmap>
#include <QTimeZone>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QTimer;
class QToolButton;

namespace dawnrule {

class CityComboBox;
class ComboBox;
class CurrencyEdit;
class DateEdit;
class Platform;
class QtZoneDatabase;
class TAbout;
class THelp;
class THome;
class TRoutes;
class TUSER;
class TLED;
class TMoon;
class ZoneDatabase;
struct LocalDayResult;

namespace test {
struct WindowParts;
}

// The main window "Dawnrule": longitude, latitude, date and GMT offset in, the local
// rise and set times out, with the options panel, the daylight-mismatch LED, the
// quick menu and the buttons that reach the other windows.
//
// Handlers carry the names of the control and event they serve and are spread over
// the folders of their concerns (the town list in locations/, the Routes button in
// windows/, ...). The controls and the state shared between handlers are this
// window's own: the other windows reach it through narrow seams (RoutesHost, the
// home window's HomeLocation), the tests through test::WindowParts.
class TZuruRuz1 : public QWidget, private RoutesHost {
    Q_OBJECT
public:
    static constexpr int kNarrowWidth = 198;
    static constexpr int kWideWidth = 387;
    static constexpr int kWideShift = 98;  // left move when opening wide
    static constexpr int kBlinkMs = 500;
    static constexpr int kLocationButtons = 51;  // 50 states and "USER"

    explicit TZuruRuz1(Platform& platform, QWidget* parent = nullptr);
    ~TZuruRuz1() override;

    // The other windows, created with this one at start-up (DawnruleWindows).
    void SetOtherWindows(THelp& help, THome& home, TUSER& user, TAbout& about, TRoutes& routes);
    // What the Routes window may ask of this one.
    RoutesHost& ForRoutes() { return *this; }

    // Handlers.
    void FormActivate();
    void FormKeyDown(int key);
    void FormMouseMove();
    void CurrencyEdit1Change();
    void CurrencyEdit2Change();
    void CurrencyEdit3Change();
    void CurrencyEdit1Click();
    void CurrencyEdit2Click();
    void CurrencyEdit3Enter();
    void ComboBox1Change();
    void DateEdit1Change();
    void SpeedButton57Click();
    void SpeedButton55Click();
    void SpeedButton56Click();
    void CheckBox1Click();
    void CheckBox3Click();
    void SpeedButton52Click();  // Calc
    void SpeedButton53Click();  // Home: recall the home place
    void SpeedButton54Click();  // Close: save the settings, end the program
    void SpeedButton58Click();  // Routes: this window makes way for the Routes window
    void OpenButtons();         // "Prefs" clicked
    void SpeedButtonAMouseMove();
    void SpeedButtonA1Click();  // Home window
    void SpeedButtonA2Click();  // USER list window
    void SpeedButtonA3Click();  // Add to USER
    void SpeedButtonA4Click();  // City List option
    void SpeedButtonA5Click();  // LED option
    void SpeedButtonA8Click();  // Local Zone option
    void SpeedButtonA6Click();  // Help window
    void SpeedButtonA7Click();  // About window
    void Timer1Timer();

    // The town list and the location buttons.
    void SpeedButtonNClick(int number);  // SpeedButton1Click ... SpeedButton50Click
    void SpeedButton51Click();           // "USER"
    void ChgButtonColors(int index);
    void ComboBox2KeyDown(int key);
    void ComboBox2KeyPress(QChar key);
    void ComboBox2KeyUp(int key);
    void ComboBox2DropDown();
    void ComboBox2Click();
    void ComboBox2Change();
    void ComboBox2Exit();

    // Operations the handlers share.
    CalcFields ZuruRuzInit() const;  // the values of the fields Calc reads
    void ShowMenuPanel(QChar key);
    void ToggleCheckGlyph(QToolButton* button);
    void MoonInit();
    static bool IsOptionChecked(const QToolButton* button);
    void SetWideLayout(bool wide);

    QString SettingsPath() const;
    // The home window's "Save": writes the home place (lines 4 to 7) into the settings
    // file at once, keeping the file's other lines. False, with the message shown, when
    // the file could not be written.
    bool WriteHomeSettings();

    // The system's zone database, for the Local Zone option and the Routes window's
    // local times.
    ZoneDatabase& Zones() override;

    // What Label9 reads while "Local Zone" is checked: before a Calc, when no town lies
    // near the place, and when the date is older than the local day reaches.
    static constexpr const char* kZoneIdleText = "local";
    static constexpr const char* kNoZoneText = "no zone";
    static constexpr const char* kNoLocalDateText = "pre-1583";

signals:
    // Emitted after the first paint; lets a start-up probe measure time to the window.
    void firstPainted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend struct test::WindowParts;

    // RoutesHost (windows/tzururuz1_routes.cpp).
    QString DateFieldText() const override;
    std::optional<QString> ChosenOffsetEntry() const override;
    double GmtOffset() const override;
    bool Military() const override;
    std::optional<HomeLocation> HomePlace() const override;
    StopTexts BatchStop(double latitude, double longitude) override;
    void EndBatch() override;
    void RoutesClosed() override;

    void FormCreate();
    void BuildControls();
    void BuildQuickMenu();
    void BuildCityPanel();
    void ConnectHandlers();
    void ConnectQuickMenu();
    void ConnectCityPanel();
    void LoadCityList(int button, const QString& title, const QString& path);
    void ResetResultLabels(const ResultLabels& labels);
    // Calc in the place's own clock: true when it was done, false when the place has
    // no zone (or the date no local day) and Calc goes on as without the option.
    bool LocalZoneCalc();
    void ShowLocalOffset(const std::string& zone, const LocalDayResult& day, const QDate& date);
    void ShowZone(const QString& text, const QString& hint, bool known);
    void SetDate(const QDate& date);
    std::optional<std::string> ReadSettings();  // the message to show, if any
    void ApplySettings(const ParmReading& reading);
    bool WriteSettings();
    ParmValues CurrentSettings() const;
    // SpeedButton1 ... SpeedButton50 (the states in their table's order), SpeedButton51 "USER".
    QToolButton* SpeedButton(int number) const { return m_locationButtons.at(number - 1); }

    // Controls.
    CurrencyEdit* CurrencyEdit1;  // longitude
    CurrencyEdit* CurrencyEdit2;  // latitude
    CurrencyEdit* CurrencyEdit3;  // GMT offset, set only by the program
    DateEdit* DateEdit1;
    ComboBox* ComboBox1;  // offset list
    QCheckBox* CheckBox1;  // "Lock GMT Offset"
    QCheckBox* CheckBox3;  // "Display Military Time"
    QLabel* Label5;        // rise
    QLabel* Label7;        // set
    QLabel* Label9;        // the place's zone beside the coordinates, while "Local Zone" is checked
    TLED* LED2;
    TMoon* Moon = nullptr;  // the moon picture in the options panel
    QTimer* Timer1;
    QFrame* Panel1;  // separator of the wide layout
    QFrame* Panel2;  // options panel
    QFrame* Panel3;  // quick menu
    QFrame* ToolBar1;
    QToolButton* SpeedButton52;  // "Calc "
    QToolButton* SpeedButton53;  // "Home "
    QToolButton* SpeedButton54;  // "Close "
    QToolButton* SpeedButton55;  // today
    QToolButton* SpeedButton56;  // next day
    QToolButton* SpeedButton57;  // previous day
    QToolButton* SpeedButton58;  // "Routes"
    QToolButton* SpeedButtonA;   // "Prefs"
    QToolButton* SpeedButtonA1;  // quick menu: Home
    QToolButton* SpeedButtonA2;  // USER
    QToolButton* SpeedButtonA3;  // Add to USER
    QToolButton* SpeedButtonA4;  // City List option
    QToolButton* SpeedButtonA5;  // LED option
    QToolButton* SpeedButtonA8;  // Local Zone option, below LED
    QToolButton* SpeedButtonA6;  // Help
    QToolButton* SpeedButtonA7;  // About...
    // The right half of the wide layout: the town list and the location buttons.
    CityComboBox* ComboBox2;
    QFrame* Panel4;

    // The other windows.
    THelp* Help = nullptr;
    THome* Home = nullptr;
    TRoutes* Routes = nullptr;
    TUSER* User = nullptr;
    TAbout* About = nullptr;
    QPoint RoutesReturnPlace;  // where this window stood when "Routes" hid it

    // State shared between the handlers.
    bool BatchCalc = false;  // one-shot: the next Calc skips the offset-list checks
    QString BatchMessage;    // the message of that Calc, which the batch shows instead
    int EventKind = kNoEvent;
    bool MilitaryTime = false;
    bool LockOffset = false;
    int OffsetIndex = 0;
    QDate DstStart;
    QDate DstEnd;
    bool Activated = false;
    bool MenuArmed = false;
    QChar MenuShownKey = QLatin1Char('0');
    QPixmap CheckGlyph;
    QString ParmFlags = QStringLiteral("000000000000");
    bool ListLoaded = false;   // a town list has been loaded: leaving the list parses its text
    bool CityKeyDown = false;  // a key is down in the town list: its changes do not calculate
    // Enter went down in the town list, and no message of the list came since: only then
    // does its release move on to the offset list. The Enter that closes a message box
    // goes down in the box.
    bool CityEnterDown = false;

    Platform& m_platform;
    std::unique_ptr<QtZoneDatabase> m_zones;
    QTimeZone m_daylightZone;  // the last zone asked whether daylight time is in force
    bool m_painted = false;
    std::array<QToolButton*, kLocationButtons> m_locationButtons {};
};

} // namespace dawnrule
