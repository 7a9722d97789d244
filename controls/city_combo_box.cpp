#include "controls/city_combo_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>

namespace dawnrule {

namespace {

// A key that types a character.
bool IsCharacter(const QKeyEvent* event)
{
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

// A key that types into the text rather than moving in the list.
bool IsTextKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        break;
    }
    return IsCharacter(event);
}

} // namespace

CityComboBox::CityComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(kVisibleRows);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Measuring every entry of a long list to size the open list costs more than the
    // list itself: rows have one height, and the list is as wide as the box.
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setUniformItemSizes(true);
    view()->setTextElideMode(Qt::ElideRight);
    view()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CityComboBox::onTextEdited);
    connect(this, qOverload<int>(&QComboBox::activated), this, &CityComboBox::onActivated);
    connect(qApp, &QApplication::focusChanged, this, &CityComboBox::onFocusChanged);
}

CityComboBox::~CityComboBox()
{
    // The application outlives the list: the focus moves while the base classes take
    // the list's children apart, and must not reach this part of it, gone by then.
    disconnect(qApp, &QApplication::focusChanged, this, &CityComboBox::onFocusChanged);
}

void CityComboBox::setEntries(const QStringList& entries)
{
    const QSignalBlocker block(this);
    const QString kept = currentText();
    clear();
    addItems(entries);
    setCurrentIndex(-1);
    setEditText(kept);
}

void CityComboBox::setText(const QString& text)
{
    const QSignalBlocker block(this);
    setCurrentIndex(-1);
    setEditText(text);
}

int CityComboBox::highlightedRow() const
{
    const QModelIndex current = view()->currentIndex();
    return view()->isVisible() && current.isValid() ? current.row() : -1;
}

void CityComboBox::showPopup()
{
    emit dropDown();
    const QString typed = currentText();
    QComboBox::showPopup();
    // Opening selects the current entry in the list and may write its text back: the
    // text is the user's (or the drop-down handler's), not the list's.
    {
        const QSignalBlocker block(this);
        setEditText(typed);
    }
    view()->setCurrentIndex(QModelIndex());
}

void CityComboBox::onTextEdited(const QString& text)
{
    {
        // Typing chooses no entry; the typed text stays as it is.
        const QSignalBlocker block(this);
        const int cursor = lineEdit()->cursorPosition();
        setCurrentIndex(-1);
        setEditText(text);
        lineEdit()->setCursorPosition(cursor);
    }
    if (view()->isVisible()) {
        const QAbstractItemModel* m = model();
        QModelIndex first;
        if (!text.isEmpty()) {
            for (int row = 0, rows = m->rowCount(); row < rows; ++row) {
                const QModelIndex index = m->index(row, modelColumn());
                if (index.data().toString().startsWith(text, Qt::CaseInsensitive)) {
                    first = index;
                    break;
                }
            }
        }
        view()->setCurrentIndex(first);
        if (first.isValid())
            view()->scrollTo(first, QAbstractItemView::PositionAtTop);
    }
    emit change();
}

void CityComboBox::onActivated(int index)
{
    // QComboBox has already set the text to the entry's. The list is closed first, so
    // that the focus the click handler gives away stays given.
    if (index < 0)
        return;
    if (view()->isVisible())
        hidePopup();
    emit click();
    emit change();
}

void CityComboBox::takeHighlighted()
{
    const QModelIndex current = view()->currentIndex();
    if (!current.isValid()) {
        // Nothing matched the typed text: the list closes and the text stays.
        const QString typed = currentText();
        hidePopup();
        const QSignalBlocker block(this);
        setEditText(typed);
        return;
    }
    hidePopup();
    {
        const QSignalBlocker block(this);
        setCurrentIndex(current.row());
    }
    emit click();
    emit change();
}

bool CityComboBox::handleListKey(QKeyEvent* event)
{
    // Keys that reach the open list: text keys edit the text, Enter takes the
    // highlighted entry, the moving keys are the list's own.
    emit keyDown(event->key());
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        takeHighlighted();
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        const QString typed = currentText();
        hidePopup();
        const QSignalBlocker block(this);
        setEditText(typed);
        return true;
    }
    if (IsTextKey(event)) {
        if (IsCharacter(event))
            emit keyPress(event->text().at(0));
        QApplication::sendEvent(lineEdit(), event);
        return true;
    }
    return false;  // Up, Down, Page Up, Page Down: the list moves its highlight
}

bool CityComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view() && event->type() == QEvent::ShortcutOverride) {
        // The drop-down of QComboBox takes the highlighted entry already when Enter is
        // only checked for a shortcut, and the key itself then comes here as well: the
        // entry would be taken twice (its record parsed twice, a bad one's message shown
        // twice). Enter is the list's own key, taken once, in handleListKey.
        auto* ke = static_cast<QKeyEvent*>(event);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            ke->accept();
            return true;
        }
    }
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!key)
        return QComboBox::eventFilter(watched, event);
    auto* ke = static_cast<QKeyEvent*>(event);
    if (watched == view()) {
        if (event->type() == QEvent::KeyRelease) {
            emit keyUp(ke->key());
            return false;
        }
        return handleListKey(ke);
    }
    return QComboBox::eventFilter(watched, event);
}

void CityComboBox::keyPressEvent(QKeyEvent* event)
{
    // The closed list has the keyboard itself (its text box is only its proxy) and
    // hands each key on to the text box directly, past any filter: keys are reported
    // here. The character handler may open the list (which empties the text); the
    // character then goes into the text as the first one typed, and the open list
    // follows it.
    emit keyDown(event->key());
    if (IsCharacter(event))
        emit keyPress(event->text().at(0));
    QComboBox::keyPressEvent(event);
}

void CityComboBox::keyReleaseEvent(QKeyEvent* event)
{
    emit keyUp(event->key());
    QComboBox::keyReleaseEvent(event);
}

bool CityComboBox::holds(const QWidget* w) const
{
    return w && (w == this || isAncestorOf(w) || w == view() || view()->isAncestorOf(w)
                 || (view()->window() != window() && view()->window()->isAncestorOf(w)));
}

void CityComboBox::onFocusChanged(QWidget* old, QWidget* now)
{
    // The list has the keyboard while its text or its open list has it. Leaving goes
    // from one of them to another widget; another window taking the keyboard (now is
    // none) is no leaving. Watching the application's focus rather than this widget's
    // own focus-out also sees the focus leave straight from the open list, which is
    // how choosing an entry hands it to the next field.
    if (holds(old) && now && !holds(now))
        emit exit();
}

} // namespace dawnrule
