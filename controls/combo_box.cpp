#include "controls/combo_box.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace dawnrule {

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setCurrentIndex(-1);
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) { emit changed(); });
    connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBox::onTextEdited);
    // When the text box finishes editing (the focus leaves it, Enter), QComboBox selects
    // the entry its text matches and reports that as a choice. Typed text chooses
    // nothing here, and a choice the user did not make must not count as one (the
    // Routes window would take the same route twice).
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
}

void ComboBox::setItemIndex(int index)
{
    const QSignalBlocker block(this);
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
    if (currentIndex() < 0)
        setEditText({});
}

void ComboBox::clearText()
{
    const QSignalBlocker block(this);
    setCurrentIndex(-1);
    setEditText({});
}

void ComboBox::onTextEdited(const QString& text)
{
    const int cursor = lineEdit()->cursorPosition();
    {
        const QSignalBlocker block(this);
        setCurrentIndex(-1);
        setEditText(text);
    }
    lineEdit()->setCursorPosition(cursor);
    emit changed();
}

} // namespace dawnrule
