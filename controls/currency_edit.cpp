#include "controls/currency_edit.h"

#include "common/number_text.h"

#include <QRegularExpressionValidator>

namespace dawnrule {

CurrencyEdit::CurrencyEdit(int intDigits, int decimals, QWidget* parent)
    : QLineEdit(parent)
    , m_intDigits(intDigits)
    , m_decimals(decimals)
{
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral(R"(-?\d{0,5}(\.\d{0,2})?)")), this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, &CurrencyEdit::onTextEdited);
}

void CurrencyEdit::setValue(double value)
{
    const double held = FieldHeldValue(value);
    const bool differs = held != m_value;
    m_value = held;
    showValue();
    if (differs)
        emit changed();
}

void CurrencyEdit::setValueText(const QString& text)
{
    setValue(FieldValue(text.toStdString()));
}

void CurrencyEdit::setZeroShown(bool shown)
{
    m_zeroShown = shown;
    showValue();
}

void CurrencyEdit::onTextEdited(const QString& text)
{
    // A half-typed number ("-", ".") counts as 0 until more digits come.
    double typed = 0;
    try {
        typed = StrToFloat(text.toStdString());
    } catch (const std::exception&) {
        typed = 0;
    }
    m_value = FieldHeldValue(typed);
    emit changed();
}

QString CurrencyEdit::editText() const
{
    if (m_value == 0 && !m_zeroShown)
        return {};
    return QString::fromStdString(FloatToStr(m_value));
}

void CurrencyEdit::showValue()
{
    if (hasFocus() && !isReadOnly()) {
        setText(editText());
    } else if (m_value == 0 && !m_zeroShown) {
        setText({});
    } else {
        setText(QString::fromStdString(FormatFixed(m_value, m_intDigits, m_decimals)));
    }
}

void CurrencyEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    showValue();
    emit entered();
}

void CurrencyEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    showValue();
}

void CurrencyEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    emit clicked();
}

} // namespace dawnrule
