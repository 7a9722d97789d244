#pragma once

#include <QComboBox>

namespace dawnrule {

// The town list: an editable drop-down list that follows the typed text.
//
// - Choosing an entry (a click on it in the open list, Enter on the highlighted one,
//   or an arrow key while the list is closed) first sets the text to the entry's full
//   text, then emits click(), then change().
// - Typing edits the text, also while the list is open (the keys go to the text, not
//   to the list), and emits change(); while the list is open, each edit highlights
//   the first entry, in list order, that begins with the typed text without regard
//   to case and scrolls it to the top of the visible rows.
// - Up, Down, Page Up and Page Down in the open list move the highlight; Escape closes
//   the list and keeps the text.
// - Opening the list, also from the program, emits dropDown() before the list shows.
// - keyDown/keyPress/keyUp report every key going down, every character typed and
//   every key released while the list or its text has the keyboard; exit() reports
//   that the keyboard focus went from the list (its text or its open drop-down) to
//   another widget of the program.
// Texts the program sets emit nothing.
class CityComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kVisibleRows = 13;

    explicit CityComboBox(QWidget* parent = nullptr);
    ~CityComboBox() override;

    // Replaces the entries (no signal), keeping the text as it was.
    void setEntries(const QStringList& entries);
    void setText(const QString& text);  // no signal
    QString text() const { return currentText(); }
    // The open list's highlighted row, -1 for none.
    int highlightedRow() const;

    void showPopup() override;

signals:
    void keyDown(int key);
    void keyPress(QChar character);
    void keyUp(int key);
    void dropDown();
    void click();
    void change();
    void exit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void onTextEdited(const QString& text);
    void onActivated(int index);
    void takeHighlighted();
    bool handleListKey(QKeyEvent* event);
    bool holds(const QWidget* w) const;
    void onFocusChanged(QWidget* old, QWidget* now);
};

} // namespace dawnrule
