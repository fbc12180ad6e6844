#include "app/ui/entry_box.h"

#include "app/core/calc_failure.h"
#include "app/core/currency.h"
#include "app/core/figure_format.h"
#include "app/core/key_filter.h"
#include "app/core/mask_format.h"
#include "app/core/numeric_parse.h"
#include "app/core/text_align.h"
#include "app/ui/message_box.h"
#include "app/ui/program_state.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace brisk {

EntryState& typingState() {
    static EntryState state;
    return state;
}

namespace {

EntryState& entry() {
    return typingState();
}

// A box that takes only a choice from its list is a drop-down list to a screen reader: its value is
// the item shown, and its actions open the list.
// (Screen readers read the item through the text interface: read-only text, the item shown.)
class ListBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ListBoxAccessible(EntryBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? item() : QAccessibleWidget::text(t);
    }
    QString text(int start, int end) const override { return item().mid(start, end - start); }
    int characterCount() const override { return item().size(); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction(), setFocusAction()}; }
    void doAction(const QString& name) override {
        if (name != showMenuAction() && name != pressAction()) return QAccessibleWidget::doAction(name);
        // After the screen reader's call returns: the list runs a loop of its own.
        QTimer::singleShot(0, box(), [box = box()] {
            box->setFocus(Qt::OtherFocusReason);
            box->showList();
        });
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == showMenuAction() ? QStringList{"Alt+Down"} : QStringList{};
    }

  private:
    EntryBox* box() const { return static_cast<EntryBox*>(widget()); }
    QString item() const { return box()->text().trimmed(); }
};

QAccessibleInterface* listBoxAccessible(const QString&, QObject* object) {
    auto* box = qobject_cast<EntryBox*>(object);
    return box && box->listOnly() ? new ListBoxAccessible(box) : nullptr;
}

} // namespace

EntryBox::EntryBox(Kind kind, QWidget* parent) : QLineEdit(parent) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QColor(128, 255, 128));
    palette.setColor(QPalette::Text, Qt::black);
    setPalette(palette);
    setAcceptDrops(false); // nothing is pasted into a box, dropped text included
    static const bool factoryInstalled = (QAccessible::installFactory(listBoxAccessible), true);
    Q_UNUSED(factoryInstalled);
    setKind(kind);
}

void EntryBox::setKind(Kind kind) {
    m_kind = kind;
    const bool figure =
        kind == Kind::Amount || kind == Kind::Rate || kind == Kind::Whole || kind == Kind::Number;
    setAlignment(figure ? Qt::AlignRight : Qt::AlignLeft);
    updateGeometry();
}

void EntryBox::setFormat(const QString& mask, int width, int decimals) {
    m_mask = mask;
    m_width = width;
    m_decimals = decimals;
    updateGeometry();
}

void EntryBox::setLeastWidth(int pixels) {
    m_leastWidth = pixels;
    updateGeometry();
}

QString EntryBox::widestText() const {
    QStringList candidates = m_items;
    const bool figure =
        m_kind == Kind::Amount || m_kind == Kind::Rate || m_kind == Kind::Whole || m_kind == Kind::Number;
    if (figure && !m_mask.isEmpty())
        candidates << (m_allowMinus ? "-" : "") + displayText(largestMaskValue(ss(m_mask)));
    // A grouped mask shows every digit typed, so its places do not bound an amount: every amount box
    // holds the millions of the program's widest amount mask, the principal's "####,,###.00".
    if (m_kind == Kind::Amount) candidates << displayText(largestMaskValue(mask::WideAmount));
    if (m_kind == Kind::Date) candidates << "00/00/0000";
    // Proportional fonts give digits different widths: measure with the widest.
    const QFontMetrics metrics = fontMetrics();
    QChar widestDigit = '0';
    for (char d = '1'; d <= '9'; ++d)
        if (metrics.horizontalAdvance(QChar(d)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QChar(d);
    QString widest;
    for (QString text : candidates) {
        for (QChar& c : text)
            if (c.isDigit()) c = widestDigit;
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest)) widest = text;
    }
    return widest;
}

int EntryBox::widthFor(const QString& text) const {
    // The line edit's own hint is 17 'x' plus its frame, margins and list arrow: keep all but the x's,
    // and a pixel for the cursor.
    const QFontMetrics metrics = fontMetrics();
    const int around = QLineEdit::sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    return around + metrics.horizontalAdvance(text) + 1;
}

QSize EntryBox::minimumSizeHint() const {
    QSize size = QLineEdit::minimumSizeHint();
    size.setWidth(std::max({size.width(), m_leastWidth, widthFor(widestText())}));
    return size;
}

QSize EntryBox::sizeHint() const {
    QSize size = QLineEdit::sizeHint();
    size.setWidth(std::max(size.width(), minimumSizeHint().width()));
    return size;
}

void EntryBox::setItems(const QStringList& items, bool listOnly) {
    m_items = items;
    m_listOnly = listOnly;
    updateGeometry();
    if (!items.isEmpty() && actions().isEmpty()) {
        QAction* open = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
        open->setText(tr("Show the list")); // what a screen reader says of the arrow
        open->setToolTip(tr("Show the list (Alt+Down)"));
        connect(open, &QAction::triggered, this, &EntryBox::showList);
    }
    if (!items.isEmpty() && !listOnly && accessibleDescription().isEmpty())
        setAccessibleDescription(tr("Alt+Down shows the list"));
}

QString EntryBox::displayText(double value) const {
    switch (m_kind) {
    case Kind::Amount:
        return qs(amountText(value, m_symbol, ss(m_mask), m_width));
    case Kind::Rate:
        return qs(percentText(value, ss(m_mask), m_width));
    case Kind::Whole:
        return qs(wholeText(value, ss(m_mask), m_width));
    case Kind::Number:
        return qs(RightAlign(Format(value, ss(m_mask)), m_width, Overflow::KeepWhole));
    case Kind::Text:
    case Kind::FreeText:
    case Kind::Date:
        break;
    }
    return text();
}

void EntryBox::setValue(double value) {
    m_value = value;
    setText(displayText(value));
    // A figure wider than the box shows its start, the currency symbol first, until it is edited.
    if (!hasFocus()) home(false);
}

void EntryBox::markEdited() {
    entry().EntryEdited = 1;
    emit stale();
}

void EntryBox::refuse() {
    QApplication::beep();
    emit refused();
}

void EntryBox::moveToNext() {
    if (m_next)
        m_next->setFocus(Qt::TabFocusReason);
    else
        focusNextChild();
}

// Runs the box's key filter on one typed character; false when the key is refused.
bool EntryBox::filterCharacter(int code) {
    EntryState& state = entry();
    switch (m_kind) {
    case Kind::Amount:
    case Kind::Rate:
    case Kind::Number:
        if (code == '-' && m_allowMinus) {
            clear();
            markEdited();
            return true;
        }
        if (!state.EntryEdited) {
            if (m_emptiesOnFirstKey) clear();
            markEdited();
        }
        state.EntryText = ss(text());
        if (m_decimals > 2) state.EntryDecimals = m_decimals;
        return FilterDecimalKey(code, state) != 0;
    case Kind::Whole: {
        const bool passes = FilterIntegerKey(code) != 0;
        if (!state.EntryEdited) {
            clear();
            markEdited();
        }
        return passes;
    }
    case Kind::Text:
        if (!state.EntryEdited) {
            clear();
            markEdited();
        }
        return true;
    case Kind::FreeText:
        state.EntryEdited = 1;
        return true;
    case Kind::Date: {
        const bool passes = FilterIntegerKey(code) != 0 || code == '.' || code == '-' || code == '/';
        if (!state.EntryEdited) {
            clear();
            markEdited();
        }
        return passes;
    }
    }
    return false;
}

bool EntryBox::takesDecimals() const {
    return m_kind == Kind::Amount || m_kind == Kind::Rate || m_kind == Kind::Number;
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        moveToNext();
        return;
    }
    if (key == Qt::Key_Escape) {
        event->ignore(); // the dialog's Cancel, never a key typed into the box
        return;
    }
    if (event->matches(QKeySequence::Paste) ||
        (key == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier)) {
        typeText(QApplication::clipboard()->text());
        return;
    }
    if (event->matches(QKeySequence::Cut)) return refuse();
    if (!m_items.isEmpty() &&
        ((key == Qt::Key_Down && event->modifiers() & Qt::AltModifier) || key == Qt::Key_F4)) {
        showList();
        return;
    }
    if (!m_items.isEmpty() && (key == Qt::Key_Up || key == Qt::Key_Down) &&
        event->modifiers() == Qt::NoModifier) {
        const int step = key == Qt::Key_Down ? 1 : -1;
        const int at = std::clamp(currentItem() + step, 0, static_cast<int>(m_items.size()) - 1);
        chooseItem(m_items[at]);
        return;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) {
        event->ignore(); // mnemonics of the window
        return;
    }
    if (m_eraseEmpties && (key == Qt::Key_Delete || key == Qt::Key_Backspace)) {
        markEdited();
        clear();
        return;
    }
    if (key == Qt::Key_Delete) {
        if (m_listOnly) return refuse();
        markEdited(); // Delete edits the shown text in place
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Backspace) {
        if (m_listOnly || !filterCharacter(kKeyBackspace)) return refuse();
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->text().size() != 1) {
        QLineEdit::keyPressEvent(event); // navigation and other keys that type nothing
        return;
    }
    if (event->modifiers() & Qt::ControlModifier || !event->text().at(0).isPrint()) return refuse();
    // The keypad's decimal key is the decimal point, whatever it types on this keyboard.
    const bool keypadDecimal =
        event->modifiers() & Qt::KeypadModifier && (key == Qt::Key_Period || key == Qt::Key_Comma);
    if (!typeCharacter(keypadDecimal && takesDecimals() ? QChar('.') : event->text().at(0))) refuse();
}

// One character typed (or pasted): the box's key rule judges it; false when it is refused.
bool EntryBox::typeCharacter(QChar character) {
    // In amount and rate boxes the locale's decimal separator (a German user's comma) is the point.
    if (takesDecimals() && QString(character) == QLocale().decimalPoint()) character = '.';
    const int code = character.unicode();
    // A double quote could never be stored in a file: text boxes drop it without a word.
    if (code == '"' && (m_kind == Kind::Text || m_kind == Kind::FreeText)) return true;
    if (m_listOnly) return false;
    // A key typed over the whole text replaces it, as the first key into a box does; the filter
    // then judges it against an empty box, not against the text it replaces.
    if (hasSelectedText() && selectedText() == text()) {
        markEdited();
        clear();
    }
    if (!filterCharacter(code)) return false;
    insert(QString(character));
    return true;
}

// A paste is typed: each character passes the box's key rule or is refused (one beep for all).
void EntryBox::typeText(const QString& pasted) {
    bool refusedAny = false;
    for (QChar c : pasted.trimmed())
        refusedAny |= !typeCharacter(c);
    if (refusedAny || pasted.trimmed().isEmpty()) refuse();
}

void EntryBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !m_listOnly) markEdited();
    QLineEdit::mousePressEvent(event);
    if (m_listOnly && event->button() == Qt::LeftButton) showList();
}

// The middle button pastes the selection where it is released, through the key rule: a click that
// edits in place, then the selection typed.
void EntryBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::MiddleButton) return QLineEdit::mouseReleaseEvent(event);
    QClipboard* clipboard = QApplication::clipboard();
    if (!clipboard->supportsSelection()) return; // no selection to paste on this desktop
    if (m_listOnly) return refuse();
    const QString selection = clipboard->text(QClipboard::Selection);
    markEdited();
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    typeText(selection);
}

void EntryBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        const QString name = action->objectName();
        if (name == "edit-paste" || name == "edit-cut" || name == "edit-delete" || name == "edit-undo" ||
            name == "edit-redo")
            action->setEnabled(false);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

int EntryBox::currentItem() const {
    for (int i = 0; i < m_items.size(); ++i)
        if (m_items[i].trimmed() == text().trimmed()) return i;
    return -1;
}

// The list opens on the item the box shows, checked and current, so the arrow keys walk on from it.
void EntryBox::showList() {
    QMenu menu(this);
    menu.setAccessibleName(accessibleName());
    const int current = currentItem();
    for (int i = 0; i < m_items.size(); ++i) {
        QAction* action = menu.addAction(m_items[i]);
        action->setData(i);
        action->setCheckable(true);
        action->setChecked(i == current);
    }
    menu.setMinimumWidth(width());
    QAction* at = current >= 0 ? menu.actions().at(current) : nullptr;
    if (at) menu.setActiveAction(at);
    if (QAction* chosen = menu.exec(mapToGlobal(QPoint(0, height())), at))
        chooseItem(m_items[chosen->data().toInt()]);
}

void EntryBox::chooseItem(const QString& item) {
    markEdited(); // choosing counts as an edit and is stored on leaving
    setText(item);
    QAccessibleValueChangeEvent changed(this, item.trimmed());
    QAccessible::updateAccessibility(&changed);
    setFocus(Qt::OtherFocusReason);
}

void EntryBox::store() {
    if (m_storing) return;
    m_storing = true;
    if (m_limitCheck) m_limitCheck(*this);
    EntryState& state = entry();
    if (state.EntryEdited) {
        state.EntryEdited = 0;
        if (m_kind == Kind::Amount || m_kind == Kind::Rate || m_kind == Kind::Number) {
            const auto value = Currency::fromDouble(parseEntryText(ss(text()), m_symbol));
            if (!value) showMessage(Msg::WrongEntry, this);
            setValue(value ? value->toDouble() : 0.0);
        } else if (m_kind == Kind::Whole) {
            setValue(parseEntryText(ss(text()), ""));
        }
        emit stored(m_value);
    }
    m_storing = false;
}

void EntryBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Switching to another program or opening a menu is not leaving the box.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    store();
}

void bindFigure(EntryBox* box, FigureSlot slot) {
    QObject::connect(box, &EntryBox::stored, box, [slot](double v) { storeIn(slot, v); });
}

} // namespace brisk
