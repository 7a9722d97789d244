// The quick menu's "Local Zone" option on the real main window, headless: the entry and
// its check mark, Calc in the place's own clock for towns of the state lists, "USER",
// "Home " and typed places, the offset list and the LED that follow the zone, the
// changeover days, the places with no zone, turning it off again, and the settings
// file's positions 6 and 7.
#include "app/local_day.h"
#include "app/local_zone.h"
#include "app/offset_list.h"
#include "app/qt_zone_clock.h"
#include "app/zururuz.h"
#include "controls/city_combo_box.h"
#include "controls/tled.h"
#include "controls/window_look.h"
#include "locations/place_zone.h"
#include "locations/us_states.h"
#include "window_fixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace dawnrule::test {
namespace {

constexpr int kEastern = 0;  // offset list entries
constexpr int kCentral = 1;
constexpr int kEasternDT = 4;
constexpr int kCentralDT = 5;

const QString kDateFormat = QStringLiteral("MM/dd/yyyy");

struct Town {
    const char* state;
    const char* typed;  // what the user types into the town list: the name and its blanks
    double longitude, latitude;
};
const Town kAmarillo{"TX", "Amarillo  ", -101.83, 35.22};
const Town kElPaso{"TX", "El Paso  ", -106.49, 31.76};
const Town kPhoenix{"AZ", "Phoenix  ", -112.07, 33.45};
const Town kHonolulu{"HI", "Honolulu  ", -157.86, 21.31};
const Town kAnchorage{"AK", "Anchorage  ", -149.90, 61.22};

// The texts the old Calc shows for a place at an offset on a date.
struct OldTimes {
    QString rise, set;
};
OldTimes ZuruRuzTimes(double lon, double lat, double offset, const QDate& date, bool military = false)
{
    ZuruRuzInput in;
    in.longitude = lon;
    in.latitude = lat;
    in.gmtOffset = offset;
    in.year = date.year();
    in.month = date.month();
    in.day = date.day();
    in.military = military;
    const ZuruRuzResult r = ComputeZuruRuz(in);
    return {QString::fromStdString(r.riseText.value_or("")), QString::fromStdString(r.setText.value_or(""))};
}

class LocalZone : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        WriteParm(Lines({"100000000000", "0", "-1", "0", "0", "0", "0"}));  // wide, every option off
        const QDir data(QStringLiteral(DAWNRULE_SOURCE_DIR "/data"));
        for (const char* name : {"TX.txt", "AZ.txt", "HI.txt", "AK.txt"})
            ASSERT_TRUE(QFile::copy(data.filePath(QString::fromLatin1(name)), platform.folder + name));
    }

    void TurnOn()
    {
        window->SpeedButtonA8Click();
        ASSERT_TRUE(TZuruRuz1::IsOptionChecked(Parts(*window).SpeedButtonA8));
    }

    void TurnLedOn()
    {
        window->SpeedButtonA5Click();
        ASSERT_TRUE(TZuruRuz1::IsOptionChecked(Parts(*window).SpeedButtonA5));
    }

    bool Blinking() const { return !Parts(*window).LED2->isHidden() && Parts(*window).Timer1->isActive(); }
    bool Dark() const { return Parts(*window).LED2->isHidden() && !Parts(*window).Timer1->isActive(); }
    QString Labels() const { return Parts(*window).Label5->text() + QLatin1Char('|') + Parts(*window).Label7->text(); }

    // The town taken from its state's list as the user does: the state button, the
    // first letters typed into the open list, Enter.
    void ChooseTown(const Town& town)
    {
        const UsState* state = StateByCode(town.state);
        ASSERT_TRUE(state);
        Parts(*window).SpeedButton(state->number)->click();
        ASSERT_TRUE(Parts(*window).ComboBox2->view()->isVisible());
        QTest::keyClicks(Parts(*window).ComboBox2->view(), QString::fromLatin1(town.typed));
        QTest::keyClick(Parts(*window).ComboBox2->view(), Qt::Key_Return);
        ASSERT_TRUE(Parts(*window).ComboBox2->text().startsWith(QString::fromLatin1(town.typed)))
            << Parts(*window).ComboBox2->text().toStdString();
        ASSERT_EQ(Parts(*window).CurrencyEdit1->value(), town.longitude);
        ASSERT_EQ(Parts(*window).CurrencyEdit2->value(), town.latitude);
    }

    // The date's own day at the place, from the core and the system's zone database.
    LocalDayResult Reference(double lon, double lat, const QDate& date, bool military = false)
    {
        const std::optional<PlaceZone> place = FindPlaceZone(lon, lat);
        EXPECT_TRUE(place);
        const ZoneClock* clock = place ? zones.Find(place->zone) : nullptr;
        EXPECT_TRUE(clock);
        LocalDayInput in;
        in.longitude = lon;
        in.latitude = lat;
        in.year = date.year();
        in.month = date.month();
        in.day = date.day();
        in.military = military;
        return clock ? ComputeLocalDay(in, *clock) : LocalDayResult{};
    }

    static QString TextsOf(const LocalDayResult& day)
    {
        return QString::fromStdString(day.rise ? day.rise->text : "") + QLatin1Char('|')
               + QString::fromStdString(day.set ? day.set->text : "");
    }

    // What the user sees of the computation: times, zone, offset, entry, LED, messages.
    QString Screen() const
    {
        return QStringList({Labels(), Parts(*window).Label9->isHidden() ? QStringLiteral("(hidden)") : Parts(*window).Label9->text(),
                            Parts(*window).CurrencyEdit3->text(), Parts(*window).ComboBox1->currentText(),
                            Blinking() ? "blinking" : "dark",
                            platform.messages.join(QLatin1Char('/'))})
            .join(QStringLiteral(" ; "));
    }

    QtZoneDatabase zones;
};

TEST_F(LocalZone, TheQuickMenuEntryStandsBelowLedAndTogglesItsCheckMark)
{
    Open();
    EXPECT_EQ(Parts(*window).Panel3->size(), QSize(114, 147));  // one row more
    const struct {
        QToolButton* button;
        int top;
    } rows[] = {{Parts(*window).SpeedButtonA5, 74}, {Parts(*window).SpeedButtonA8, 92}, {Parts(*window).SpeedButtonA6, 110},
                {Parts(*window).SpeedButtonA7, 128}};
    for (const auto& r : rows) {
        EXPECT_EQ(r.button->geometry(), QRect(2, r.top, 110, 17)) << r.button->text().toStdString();
        EXPECT_EQ(r.button->parentWidget(), Parts(*window).Panel3);
    }
    QToolButton* entry = Parts(*window).SpeedButtonA8;
    EXPECT_EQ(entry->text().trimmed(), "Local Zone");
    EXPECT_EQ(entry->palette().color(QPalette::ButtonText), kMaroon);
    EXPECT_EQ(entry->font().pixelSize(), 12);
    EXPECT_FALSE(TZuruRuz1::IsOptionChecked(entry));
    EXPECT_TRUE(Parts(*window).Label9->isHidden());

    Parts(*window).Panel3->show();
    entry->click();
    EXPECT_TRUE(TZuruRuz1::IsOptionChecked(entry));
    EXPECT_EQ(entry->icon().pixmap(13, 13).size(), QSize(13, 13));  // the check mark, as City List and LED
    EXPECT_TRUE(Parts(*window).Panel3->isHidden());
    EXPECT_FALSE(Parts(*window).Label9->isHidden());
    EXPECT_EQ(Parts(*window).Label9->text(), "local");  // nothing computed yet: the fields are empty
    EXPECT_TRUE(platform.messages.isEmpty());

    Parts(*window).Panel3->show();
    entry->click();
    EXPECT_FALSE(TZuruRuz1::IsOptionChecked(entry));
    EXPECT_TRUE(Parts(*window).Label9->isHidden());
    EXPECT_TRUE(Parts(*window).Panel3->isHidden());
}

TEST_F(LocalZone, TheZoneLabelFitsBesideTheCoordinatesOfTheNarrowWindow)
{
    Open();
    TurnOn();
    const QRect zone = Parts(*window).Label9->geometry();
    EXPECT_LE(zone.right(), TZuruRuz1::kNarrowWidth - 1);
    for (QWidget* w : std::initializer_list<QWidget*>{Parts(*window).CurrencyEdit1, Parts(*window).CurrencyEdit2, Parts(*window).DateEdit1,
                                                      Parts(*window).ToolBar1})
        EXPECT_FALSE(zone.intersects(w->geometry())) << w->metaObject()->className();
    QFont bold = Parts(*window).Label9->font();
    bold.setBold(true);
    for (const char* text : {"AKDT", "EST/EDT", "no zone", "pre-1583"})
        EXPECT_LE(QFontMetrics(bold).horizontalAdvance(QString::fromLatin1(text)), zone.width()) << text;
}

// The zone label stands out (bold maroon) only when it names the place's zone; a place
// with no zone near reads "no zone", and one with a zero coordinate, which Calc never
// computes, is not looked up at all: the label stays "local". All in gray.
TEST_F(LocalZone, TheZoneLabelStandsOutOnlyForAZoneFound)
{
    Open();
    TurnOn();
    Choose(kCentral);
    const struct {
        double longitude, latitude;
        const char* label;
        bool known;
    } rows[] = {
        {kAmarillo.longitude, kAmarillo.latitude, "CST", true},
        {-95.0, 25.0, "no zone", false},  // the Gulf of Mexico
        {0, kAmarillo.latitude, "local", false},
        {kAmarillo.longitude, 0, "local", false},
        {kAmarillo.longitude, kAmarillo.latitude, "CST", true},
    };
    for (const auto& r : rows) {
        SetPlace(r.longitude, r.latitude, QDate(2026, 1, 15));
        window->SpeedButton52Click();
        const QLabel* zone = Parts(*window).Label9;
        EXPECT_EQ(zone->text(), QString::fromLatin1(r.label)) << r.longitude << " " << r.latitude;
        EXPECT_EQ(zone->font().bold(), r.known) << r.label;
        EXPECT_EQ(zone->palette().color(QPalette::WindowText).name(), (r.known ? kMaroon : kGray).name()) << r.label;
    }
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('|').toStdString();
}

// A town of a state list computes at once, in its own clock, whatever the offset list
// held; the list shows the place's entry and the LED stays dark.
TEST_F(LocalZone, StateListTownsComputeAtOnceInTheirOwnClock)
{
    const struct {
        const Town& town;
        QDate date;
        const char* abbreviation;
        int entry;
        double offset;
    } rows[] = {
        {kAmarillo, QDate(2026, 1, 15), "CST", 1, -6},   {kAmarillo, QDate(2026, 7, 15), "CDT", 5, -5},
        {kElPaso, QDate(2026, 1, 15), "MST", 2, -7},     {kElPaso, QDate(2026, 7, 15), "MDT", 6, -6},
        {kPhoenix, QDate(2026, 1, 15), "MST", 8, -7},    {kPhoenix, QDate(2026, 7, 15), "MST", 8, -7},
        {kHonolulu, QDate(2026, 1, 15), "HST", 10, -10}, {kHonolulu, QDate(2026, 7, 15), "HST", 10, -10},
        {kAnchorage, QDate(2026, 1, 15), "AKST", 9, -9}, {kAnchorage, QDate(2026, 7, 15), "AKDT", 15, -8},
    };
    Open();
    ShowActive();
    TurnLedOn();
    TurnOn();
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.town.typed) + r.date.toString(kDateFormat).toStdString());
        Parts(*window).DateEdit1->setDate(r.date);
        // A mismatching daylight entry blinks before the town is chosen.
        Choose(r.date.month() == 1 ? kEasternDT : kEastern);
        ASSERT_TRUE(Blinking());
        ChooseTown(r.town);

        const LocalDayResult day = Reference(r.town.longitude, r.town.latitude, r.date);
        EXPECT_EQ(Labels(), TextsOf(day));
        EXPECT_EQ(Parts(*window).Label9->text(), r.abbreviation);
        EXPECT_EQ(Parts(*window).Label9->toolTip().toStdString(), FindPlaceZone(r.town.longitude, r.town.latitude)->zone);
        EXPECT_EQ(Parts(*window).ComboBox1->itemIndex(), r.entry);
        EXPECT_EQ(Parts(*window).ComboBox1->currentText().toStdString(), kOffsetList[static_cast<size_t>(r.entry)].text);
        EXPECT_EQ(Parts(*window).OffsetIndex, r.entry);
        EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), r.offset);
        EXPECT_TRUE(Dark());
        EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('/').toStdString();

        // On a day without a clock change: the morning of the date and the evening of
        // the date, which the old Calc gives as the set of the next date.
        const OldTimes morning = ZuruRuzTimes(r.town.longitude, r.town.latitude, r.offset, r.date);
        const OldTimes evening = ZuruRuzTimes(r.town.longitude, r.town.latitude, r.offset, r.date.addDays(1));
        EXPECT_EQ(Labels(), morning.rise + QLatin1Char('|') + evening.set);
    }
}

TEST_F(LocalZone, TheZoneWinsOverALockedOffset)
{
    Open();
    ShowActive();
    TurnOn();
    Parts(*window).CheckBox1->setChecked(true);
    Choose(kEastern);
    Parts(*window).DateEdit1->setDate(QDate(2026, 1, 15));
    ChooseTown(kAmarillo);
    EXPECT_EQ(Labels(), TextsOf(Reference(kAmarillo.longitude, kAmarillo.latitude, QDate(2026, 1, 15))));
    EXPECT_EQ(Parts(*window).Label9->text(), "CST");
    EXPECT_EQ(Parts(*window).ComboBox1->itemIndex(), kCentral);
    EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), -6);
}

// The days daylight time begins and ends, and the days before them, stepped with the
// date buttons and computed with no offset chosen.
TEST_F(LocalZone, TheChangeoverDaysTakeEachEventsOwnClock)
{
    const struct {
        QDate date;
        const char* abbreviation;
        int entry;
        double morningOffset, eveningOffset;
    } rows[] = {
        {QDate(2026, 3, 7), "CST", kCentral, -6, -6},
        {QDate(2026, 3, 8), "CDT", kCentralDT, -5, -5},   // 2:00 became 3:00 before the rise
        {QDate(2026, 10, 31), "CDT", kCentralDT, -5, -5},
        {QDate(2026, 11, 1), "CST", kCentral, -6, -6},    // 2:00 became 1:00 before the rise
    };
    Open();
    TurnOn();
    SetPlace(kAmarillo.longitude, kAmarillo.latitude, rows[0].date.addDays(-1));
    for (const auto& r : rows) {
        SCOPED_TRACE(r.date.toString(kDateFormat).toStdString());
        Parts(*window).DateEdit1->setDate(r.date.addDays(-1));
        window->SpeedButton56Click();  // next day
        ASSERT_EQ(Parts(*window).DateEdit1->date(), r.date);
        for (const bool military : {false, true}) {
            Parts(*window).CheckBox3->setChecked(military);
            Parts(*window).ComboBox1->clearText();  // nothing to pick: the zone gives the clock
            window->SpeedButton52Click();
            EXPECT_EQ(Labels(), TextsOf(Reference(kAmarillo.longitude, kAmarillo.latitude, r.date, military)));
            const OldTimes morning = ZuruRuzTimes(kAmarillo.longitude, kAmarillo.latitude, r.morningOffset, r.date,
                                                  military);
            const OldTimes evening = ZuruRuzTimes(kAmarillo.longitude, kAmarillo.latitude, r.eveningOffset,
                                                  r.date.addDays(1), military);
            EXPECT_EQ(Labels(), morning.rise + QLatin1Char('|') + evening.set);
            EXPECT_EQ(Parts(*window).Label9->text(), r.abbreviation);
            EXPECT_EQ(Parts(*window).ComboBox1->itemIndex(), r.entry);
        }
        Parts(*window).CheckBox3->setChecked(false);
    }
    EXPECT_TRUE(platform.messages.isEmpty());
}

// Fairbanks in June: the date's own set comes after its midnight, in the mended clock.
TEST_F(LocalZone, SetsAfterMidnightReadInTheMendedClock)
{
    Open();
    TurnOn();
    const QDate date(2026, 6, 21);
    SetPlace(-147.72, 64.84, date);
    window->SpeedButton52Click();
    // The set after midnight ends the evening before, and says so.
    EXPECT_EQ(Labels(), "2:58A|12:48A*");
    EXPECT_EQ(Labels(), TextsOf(Reference(-147.72, 64.84, date)));
    EXPECT_TRUE(Parts(*window).Label7->toolTip().contains(QStringLiteral("evening before")));
    Parts(*window).CheckBox3->setChecked(true);
    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), "0258|0048*");
    EXPECT_LE(QFontMetrics(Parts(*window).Label7->font()).horizontalAdvance(Parts(*window).Label7->text()), Parts(*window).Label7->width());
    EXPECT_EQ(Parts(*window).Label9->text(), "AKDT");
}

TEST_F(LocalZone, MessagesAreThoseOfTheLocalDay)
{
    Open();
    TurnOn();
    // Utqiagvik: polar night in December, midnight sun in June, and the first day with
    // both events in January.
    for (const QDate& date : {QDate(2026, 12, 21), QDate(2026, 6, 21), QDate(2026, 1, 23)}) {
        SCOPED_TRACE(date.toString(kDateFormat).toStdString());
        platform.messages.clear();
        SetPlace(-156.79, 71.29, date);
        window->SpeedButton52Click();
        const LocalDayResult day = Reference(-156.79, 71.29, date);
        EXPECT_EQ(platform.messages,
                  day.message ? QStringList{QString::fromStdString(*day.message)} : QStringList());
        EXPECT_EQ(Labels(), day.rise ? TextsOf(day) : QStringLiteral("Rise|Set"));
        EXPECT_EQ(Parts(*window).Label9->text().toStdString(), day.Abbreviation());
    }
    EXPECT_EQ(platform.messages, QStringList());  // January 23 has both
}

TEST_F(LocalZone, HomeAndUserTownsComputeAtOnce)
{
    QFile user(platform.folder + QStringLiteral("U.txt"));
    ASSERT_TRUE(user.open(QIODevice::WriteOnly));
    user.write("Window Rock  N\xB0" "35.68,W\xB0-109.05\r\n");
    user.close();
    Open();
    ShowActive();
    TurnLedOn();
    TurnOn();
    const QDate summer(2026, 7, 15);
    Parts(*window).DateEdit1->setDate(summer);

    // Home in Honolulu, kept with an Eastern offset that would blink in summer.
    Parts(*home()).CurrencyEdit1->setValue(kHonolulu.longitude);
    Parts(*home()).CurrencyEdit2->setValue(kHonolulu.latitude);
    Parts(*home()).CurrencyEdit3->setValue(-5);
    Parts(*home()).HomeOffsetIndex = kEastern;
    Parts(*window).SpeedButton53->click();
    EXPECT_EQ(Labels(), TextsOf(Reference(kHonolulu.longitude, kHonolulu.latitude, summer)));
    EXPECT_EQ(Parts(*window).Label9->text(), "HST");
    EXPECT_EQ(Parts(*window).ComboBox1->currentText(), "Hawaii       (-10:00)");
    EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), -10);
    EXPECT_TRUE(Dark());

    // Window Rock, AZ keeps the Navajo Nation's daylight time, unlike Phoenix.
    Parts(*window).SpeedButton(kUserButtonNumber)->click();
    QTest::keyClicks(Parts(*window).ComboBox2->view(), QStringLiteral("window"));
    QTest::keyClick(Parts(*window).ComboBox2->view(), Qt::Key_Return);
    ASSERT_EQ(Parts(*window).CurrencyEdit2->value(), 35.68);
    EXPECT_EQ(Labels(), TextsOf(Reference(-109.05, 35.68, summer)));
    EXPECT_EQ(Parts(*window).Label9->text(), "MDT");
    EXPECT_EQ(Parts(*window).ComboBox1->currentText(), "Mountain DT(-6:00)");
    EXPECT_TRUE(Dark());
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('/').toStdString();
}

// Typed coordinates: near a town they take its zone; far from every town the window
// says "no zone" and Calc is the old one, step for step, as in a window without the
// option.
TEST_F(LocalZone, TypedPlacesNearATownTakeItsZoneFarOnesBehaveAsWithoutTheOption)
{
    Open();
    TurnOn();
    const QDate date(2026, 1, 15);
    SetPlace(-101.83, 35.30, date);  // 9 km north of Amarillo
    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), TextsOf(Reference(-101.83, 35.30, date)));
    EXPECT_EQ(Parts(*window).Label9->text(), "CST");

    // In the Gulf of Mexico, 200 km from the coast: the same steps in both windows.
    auto steps = [&](bool localZone) {
        platform.messages.clear();
        Open();
        TurnLedOn();
        if (localZone)
            TurnOn();
        QStringList seen;
        SetPlace(-95.0, 25.0, date);
        window->SpeedButton52Click();  // no offset chosen: nothing
        seen << Screen();
        Choose(kCentralDT);            // January: a daylight entry blinks
        seen << Screen();
        window->SpeedButton52Click();
        seen << Screen();
        window->SpeedButton56Click();  // the next day, and Enter
        window->FormKeyDown(Qt::Key_Return);
        seen << Screen();
        return seen;
    };
    const QStringList without = steps(false);
    const QStringList with = steps(true);
    ASSERT_EQ(with.size(), without.size());
    for (qsizetype i = 0; i < with.size(); ++i) {
        // The zone label reads "no zone" after a Calc and "local" after a change; the rest is equal.
        QString expected = without[i];
        expected.replace(QStringLiteral("(hidden)"), i == 1 ? QStringLiteral("local") : QStringLiteral("no zone"));
        EXPECT_EQ(with[i], expected) << i;
    }
    const OldTimes old = ZuruRuzTimes(-95.0, 25.0, -5, date);
    EXPECT_TRUE(with[2].startsWith(old.rise + QLatin1Char('|') + old.set)) << with[2].toStdString();
    EXPECT_TRUE(with[2].contains(QStringLiteral("blinking")));
}

TEST_F(LocalZone, TurningTheOptionOffRestoresTheOldBehaviour)
{
    const QDate date(2026, 1, 15);
    auto steps = [&](bool wasOn) {
        platform.messages.clear();
        Open();
        ShowActive();
        TurnLedOn();
        if (wasOn) {
            TurnOn();
            Parts(*window).DateEdit1->setDate(date);
            ChooseTown(kElPaso);
            EXPECT_EQ(Parts(*window).Label9->text(), "MST");
            window->SpeedButtonA8Click();  // off again
            EXPECT_FALSE(TZuruRuz1::IsOptionChecked(Parts(*window).SpeedButtonA8));
            EXPECT_TRUE(Parts(*window).Label9->isHidden());
            EXPECT_EQ(Labels(), "Rise|Set");  // the local times are gone with their clock
        }
        Parts(*window).DateEdit1->setDate(date);
        QStringList seen;
        ChooseTown(kAmarillo);  // the offset cleared, nothing computed
        seen << Screen();
        Choose(kCentralDT);
        seen << Screen();
        window->SpeedButton52Click();
        seen << Screen();
        Parts(*window).CheckBox1->setChecked(true);  // locked: a town computes at once at that offset
        ChooseTown(kElPaso);
        seen << Screen();
        Parts(*window).CheckBox1->setChecked(false);
        return seen;
    };
    const QStringList never = steps(false);
    const QStringList after = steps(true);
    EXPECT_EQ(after, never);
    const OldTimes old = ZuruRuzTimes(kAmarillo.longitude, kAmarillo.latitude, -5, date);
    EXPECT_TRUE(after[2].startsWith(old.rise + QLatin1Char('|') + old.set)) << after[2].toStdString();
    EXPECT_EQ(after[0], "Rise|Set ; (hidden) ;  ;  ; dark ; ");
}

TEST_F(LocalZone, DatesBeforeTheLocalDayBehaveAsWithoutTheOption)
{
    Open();
    TurnOn();
    SetPlace(kAmarillo.longitude, kAmarillo.latitude, QDate(1500, 6, 1));
    window->SpeedButton52Click();
    EXPECT_EQ(Labels(), "Rise|Set");  // no offset chosen: nothing
    EXPECT_EQ(Parts(*window).Label9->text(), "pre-1583");
    Choose(kCentral);
    window->SpeedButton52Click();
    const OldTimes old = ZuruRuzTimes(kAmarillo.longitude, kAmarillo.latitude, -6, QDate(1500, 6, 1));
    EXPECT_EQ(Labels(), old.rise + QLatin1Char('|') + old.set);
}

// The settings file: position 6 is "Local Zone", position 7 the Routes window's
// "Local times"; every other line is read and written as before.
TEST_F(LocalZone, SettingsPositionsSixAndSevenReadBackAndWrittenBack)
{
    const struct {
        const char* flags;
        bool localZone, localTimes;
    } rows[] = {
        {"000001000000", true, false},
        {"000000100000", false, true},
        {"110111100000", true, true},
        {"00000110", true, true},  // a short line: the rest counts as "0" and is written out
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.flags);
        const bool locked = r.flags[3] == '1';
        WriteParm(Lines({r.flags, "-4", "4", "-88.02", "30.41", "-5", "0"}));
        Open();
        EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('/').toStdString();
        EXPECT_EQ(TZuruRuz1::IsOptionChecked(Parts(*window).SpeedButtonA8), r.localZone);
        EXPECT_EQ(Parts(*window).Label9->isHidden(), !r.localZone);
        EXPECT_EQ(Parts(windows->routes).CheckBox1->isChecked(), r.localTimes);
        // The other lines by their own rules.
        EXPECT_EQ(Parts(*window).LockOffset, locked);
        EXPECT_EQ(Parts(*window).ComboBox1->currentText(), locked ? "Eastern DT   (-4:00)" : "");
        EXPECT_EQ(Parts(*window).CurrencyEdit3->value(), locked ? -4 : 0);
        EXPECT_EQ(Parts(*home()).CurrencyEdit1->value(), -88.02);
        EXPECT_EQ(Parts(*home()).CurrencyEdit2->value(), 30.41);
        EXPECT_EQ(Parts(*home()).CurrencyEdit3->value(), -5);
        EXPECT_EQ(Parts(*home()).HomeOffsetIndex, 0);

        window->SpeedButton54Click();
        QByteArray expected = QByteArray(r.flags).leftJustified(12, '0');
        const QByteArray offsetLines = locked ? QByteArray("-4\r\n4\r\n") : QByteArray("0\r\n-1\r\n");
        EXPECT_EQ(ReadParm(), expected + "\r\n" + offsetLines + "-88.02\r\n30.41\r\n-5\r\n0\r\n");
    }
}

TEST_F(LocalZone, BothOptionsOffWriteTheFileAsBefore)
{
    // Turned on and off again before "Close ": the very bytes of a run without them.
    const QByteArray before = Lines({"100110000000", "-4", "4", "-88.02", "30.41", "-5", "0"});
    WriteParm(before);
    Open();
    TurnOn();
    window->SpeedButtonA8Click();
    Parts(windows->routes).CheckBox1->setChecked(true);
    Parts(windows->routes).CheckBox1->setChecked(false);
    window->SpeedButton54Click();
    EXPECT_EQ(ReadParm(), before);

    // And each option alone sets only its own position.
    WriteParm(before);
    Open();
    TurnOn();
    window->SpeedButton54Click();
    EXPECT_EQ(ReadParm(), Lines({"100111000000", "-4", "4", "-88.02", "30.41", "-5", "0"}));
    WriteParm(before);
    Open();
    Parts(windows->routes).CheckBox1->setChecked(true);
    window->SpeedButton54Click();
    EXPECT_EQ(ReadParm(), Lines({"100110100000", "-4", "4", "-88.02", "30.41", "-5", "0"}));
}

} // namespace
} // namespace dawnrule::test
