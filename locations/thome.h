#pragma once

#include "controls/fixed_dialog.h"
#include "locations/home_location.h"

#include <functional>

class QToolButton;

namespace dawnrule {

class ComboBox;
class CurrencyEdit;

namespace test {
struct WindowParts;
}

// "Home Parameters": the home place that the main window's "Home " button recalls.
// It holds the place for the whole run in its fields (longitude, latitude, GMT
// offset) and in HomeOffsetIndex, the chosen entry of its 93-entry offset list; the
// main window gives and takes it as a HomeLocation, and the settings file carries it
// between runs.
// Shown modally from the quick menu; "Save" is the only way out, and every edit takes
// effect at once. "Save" also asks for the home place to be kept in the settings file
// (SaveRequested, answered by the window that owns the file) and stays open when that
// fails.
class THome : public FixedDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 186;
    static constexpr int kClientHeight = 133;

    explicit THome(QWidget* parent = nullptr);

    // The home place as the fields hold it (two decimals), and setting them from one.
    HomeLocation Place() const;
    void SetPlace(const HomeLocation& place);

    // Keeps the home place in the settings file; false when it could not be written
    // (the user has been told). Unset: "Save" only closes.
    std::function<bool()> SaveRequested;

    void FormActivate();
    void ComboBox1Change();
    void CurrencyEdit3Enter();
    void SpeedButton54Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    friend struct test::WindowParts;

    CurrencyEdit* CurrencyEdit1;  // home longitude, shows 00.00 at 0
    CurrencyEdit* CurrencyEdit2;  // home latitude
    CurrencyEdit* CurrencyEdit3;  // home GMT offset, whole hours shown; set only by the list
    ComboBox* ComboBox1;          // the 93 offsets
    QToolButton* SpeedButton54;   // "Save"

    int HomeOffsetIndex = 0;  // position of the chosen entry, -1 for none
};

} // namespace dawnrule
