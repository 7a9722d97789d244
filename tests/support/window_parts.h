#pragma once

// The windows' own controls and state, for the tests and benchmarks that drive them:
// every window keeps them private and names test::WindowParts its friend.
#include "app/tzururuz1.h"
#include "locations/thome.h"
#include "locations/tuser.h"
#include "windows/tabout.h"
#include "windows/thelp.h"
#include "windows/troutes.h"
#include "windows/route_builder.h"
#include "windows/ttripplan.h"

#include <array>

class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;
class QTableView;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QTimeEdit;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QTimer;
class QToolButton;

namespace dawnrule {

class CityComboBox;
class ComboBox;
class CurrencyEdit;
class DateEdit;
class RouteLegend;
class TLED;
class TMoon;
class TPieProgressBar;
class TripTimelineView;
class RouteBuilder;

namespace test {

// The main window's controls under their form names, and references to its state.
struct MainWindowParts {
    CurrencyEdit* CurrencyEdit1;
    CurrencyEdit* CurrencyEdit2;
    CurrencyEdit* CurrencyEdit3;
    DateEdit* DateEdit1;
    ComboBox* ComboBox1;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox3;
    QLabel* Label5;
    QLabel* Label7;
    QLabel* Label9;
    TLED* LED2;
    TMoon* Moon;
    QTimer* Timer1;
    QFrame* Panel1;
    QFrame* Panel2;
    QFrame* Panel3;
    QFrame* ToolBar1;
    QToolButton* SpeedButton52;
    QToolButton* SpeedButton53;
    QToolButton* SpeedButton54;
    QToolButton* SpeedButton55;
    QToolButton* SpeedButton56;
    QToolButton* SpeedButton57;
    QToolButton* SpeedButton58;
    QToolButton* SpeedButtonA;
    QToolButton* SpeedButtonA1;
    QToolButton* SpeedButtonA2;
    QToolButton* SpeedButtonA3;
    QToolButton* SpeedButtonA4;
    QToolButton* SpeedButtonA5;
    QToolButton* SpeedButtonA8;
    QToolButton* SpeedButtonA6;
    QToolButton* SpeedButtonA7;
    CityComboBox* ComboBox2;
    QFrame* Panel4;
    std::array<QToolButton*, TZuruRuz1::kLocationButtons> locationButtons;

    bool& BatchCalc;
    int& EventKind;
    bool& MilitaryTime;
    bool& LockOffset;
    int& OffsetIndex;
    QDate& DstStart;
    QDate& DstEnd;
    bool& Activated;
    bool& MenuArmed;
    QChar& MenuShownKey;
    QPixmap& CheckGlyph;
    QString& ParmFlags;
    bool& ListLoaded;
    bool& CityKeyDown;

    // SpeedButton1 ... SpeedButton51.
    QToolButton* SpeedButton(int number) const { return locationButtons.at(static_cast<size_t>(number - 1)); }
};

struct HomeParts {
    CurrencyEdit* CurrencyEdit1;
    CurrencyEdit* CurrencyEdit2;
    CurrencyEdit* CurrencyEdit3;
    ComboBox* ComboBox1;
    QToolButton* SpeedButton54;
    int& HomeOffsetIndex;
};

struct UserParts {
    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QCheckBox* CheckBox1;
    QToolButton* SpeedButton54;
    QToolButton* SpeedButton1;
};

struct RoutesParts {
    ComboBox* ComboBox1;
    QPlainTextEdit* RichEdit1;
    TPieProgressBar* PieProgressBar1;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton52;
    QToolButton* SpeedButton53;
    RouteLegend* Panel7;
    QCheckBox* CheckBox1;
    QToolButton* SpeedButton5;
    TTripPlan* TripPlan;
    bool& ProcessArmed;
};

struct TripPlanParts {
    ComboBox* FromList;
    ComboBox* ToList;
    QDateEdit* DepartDate;
    QTimeEdit* DepartTime;
    QCheckBox* FirstMinute;
    QLineEdit* Speed;
    QLineEdit* Hours;
    QLineEdit* Duty;
    QLineEdit* OffDuty;
    QLineEdit* Width;
    QCheckBox* Break;
    QLineEdit* RoadFactor;
    QCheckBox* Rest;
    QToolButton* PlanButton;
    QToolButton* PrintButton;
    QToolButton* SaveButton;
    QToolButton* CloseButton;
    QLabel* Header;
    TripTimelineView* Timeline;
    QTableView* DaysTable;
    QTableView* StopsTable;
    RouteBuilder* Builder;
    QLabel* PathLabel;
    QToolButton* SaveGpxButton;
    QToolButton* SaveCalendarButton;
};

struct RouteBuilderParts {
    QLineEdit* TownField;
    QListWidget* TownList;
    QToolButton* RemoveButton;
    QToolButton* UpButton;
    QToolButton* DownButton;
    QToolButton* OpenButton;
    QToolButton* SaveButton;
};

struct AboutParts {
    QLabel* Label7;
    QLabel* Label5;
    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label2;
    QLabel* Label3;
    QToolButton* SpeedButton54;
};

struct HelpParts {
    QLabel* Label1;
    QLabel* Label2;
    QFrame* Panel1;
    QLabel* Label3;
    QToolButton* SpeedButton54;
};

struct WindowParts {
    static MainWindowParts Of(TZuruRuz1& w);
    static HomeParts Of(THome& w);
    static UserParts Of(TUSER& w);
    static RoutesParts Of(TRoutes& w);
    static AboutParts Of(TAbout& w);
    static HelpParts Of(THelp& w);
    static TripPlanParts Of(TTripPlan& w);
    static RouteBuilderParts Of(RouteBuilder& w);
};

// Shorthands: Parts(window).Label5->text().
inline MainWindowParts Parts(TZuruRuz1& w) { return WindowParts::Of(w); }
inline HomeParts Parts(THome& w) { return WindowParts::Of(w); }
inline UserParts Parts(TUSER& w) { return WindowParts::Of(w); }
inline RoutesParts Parts(TRoutes& w) { return WindowParts::Of(w); }
inline AboutParts Parts(TAbout& w) { return WindowParts::Of(w); }
inline HelpParts Parts(THelp& w) { return WindowParts::Of(w); }
inline TripPlanParts Parts(TTripPlan& w) { return WindowParts::Of(w); }
inline RouteBuilderParts Parts(RouteBuilder& w) { return WindowParts::Of(w); }

} // namespace test
} // namespace dawnrule
