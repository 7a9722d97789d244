#pragma once

#include <QComboBox>

namespace dawnrule {

// An editable drop-down list whose typed text stands apart from its entries: typing
// into the text box leaves no entry selected (itemIndex() -1) and keeps the typed
// text; choosing an entry selects it. changed() follows both.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    int itemIndex() const { return currentIndex(); }
    // Selects an entry; an index outside the list selects nothing and empties the text.
    void setItemIndex(int index);
    // Empties the text box, which also leaves no entry selected.
    void clearText();

signals:
    void changed();

private:
    void onTextEdited(const QString& text);
};

} // namespace dawnrule
