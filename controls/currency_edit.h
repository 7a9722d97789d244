#pragma once

#include <QLineEdit>

namespace dawnrule {

// A numeric field holding a real with two decimals. Out of focus it shows the value
// in its display form ("00.00" gives -74.00, 05.50) and nothing for 0 unless told to
// show zero; while focused it shows the plain number for editing. Only a sign, digits
// and a point can be typed.
class CurrencyEdit : public QLineEdit {
    Q_OBJECT
public:
    // Display form: at least `intDigits` integer digits and `decimals` decimals.
    CurrencyEdit(int intDigits, int decimals, QWidget* parent = nullptr);

    double value() const { return m_value; }
    // Holds the nearest value the field can hold (FieldHeldValue: two decimals, at
    // most 99999.99 either way, never inf or NaN); emits changed() only when that
    // differs from the value held before.
    void setValue(double value);
    // Takes a number text as the settings file and the home fields hold it (FieldValue);
    // throws ConvertError for a text that is not a number.
    void setValueText(const QString& text);

    void setZeroShown(bool shown);

signals:
    void changed();  // the value changed, or the user edited the text
    void clicked();
    void entered();  // focus came in

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void onTextEdited(const QString& text);
    void showValue();
    QString editText() const;

    double m_value = 0;
    int m_intDigits;
    int m_decimals;
    bool m_zeroShown = false;
};

} // namespace dawnrule
