#include "app/ui/entry_box.h"

#include "app/core/calc_failure.h"
#include "app/core/currency.h"
#include "app/core/entry_format.h"
#include "app/core/key_filter.h"
#include "app/core/mask_format.h"
#include "app/core/numeric_parse.h"
#include "app/core/text_align.h"
#include "app/ui/message_box.h"
#include "app/ui/program_state.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <QStyle>

namespace brisk {

namespace {
EntryState& entry() {
    return program().shell.entry;
}
} // namespace

EntryBox::EntryBox(Kind kind, QWidget* parent) : QLineEdit(parent) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QColor(128, 255, 128));
    palette.setColor(QPalette::Text, Qt::black);
    setPalette(palette);
    setAcceptDrops(false); // nothing is pasted into a box, dropped text included
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
    if (m_kind == Kind::Amount) candidates << displayText(largestMaskValue("####,,###.00"));
    if (m_kind == Kind::Date) candidates << "00/00/0000";
    // Proportional fonts give digits different widths: measure with the widest.
    const QFontMetrics metrics = fontMetrics();
    QChar widestDigit = '0';
    for (char d = '1'; d <= '9'; ++d)
        if (metrics.horizontalAdvance(QChar(d)) > metrics.horizontalAdvance(widestDigit)) widestDigit = QChar(d);
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
}

QString EntryBox::displayText(double value) const {
    switch (m_kind) {
    case Kind::Amount:
        return qs(amountText(value, program().shell.CurrencySymbol, ss(m_mask), m_width));
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
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        (key == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier)) {
        refuse();
        return;
    }
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
    int code = 0;
    if (key == Qt::Key_Backspace)
        code = kKeyBackspace;
    else if (event->text().size() == 1)
        code = event->text().at(0).unicode();
    if (code == 0) { // navigation and other keys that type nothing
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->modifiers() & Qt::ControlModifier && key != Qt::Key_Backspace) return refuse();
    // A double quote could never be stored in a file: text boxes drop it without a word.
    if (code == '"' && (m_kind == Kind::Text || m_kind == Kind::FreeText)) return;
    // A key typed over the whole text replaces it, as the first key into a box does; the filter
    // then judges it against an empty box, not against the text it replaces.
    if (!m_listOnly && code != kKeyBackspace && hasSelectedText() && selectedText() == text()) {
        markEdited();
        clear();
    }
    if (m_listOnly || !filterCharacter(code)) return refuse();
    QLineEdit::keyPressEvent(event);
}

void EntryBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) return refuse(); // the selection paste
    if (event->button() == Qt::LeftButton && !m_listOnly) markEdited();
    QLineEdit::mousePressEvent(event);
    if (m_listOnly && event->button() == Qt::LeftButton) showList();
}

void EntryBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) return refuse();
    QLineEdit::mouseDoubleClickEvent(event);
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

void EntryBox::showList() {
    QMenu menu(this);
    for (const QString& item : m_items) {
        QAction* action = menu.addAction(item);
        action->setCheckable(true);
        action->setChecked(item == text().trimmed());
    }
    menu.setMinimumWidth(width());
    if (QAction* chosen = menu.exec(mapToGlobal(QPoint(0, height())))) chooseItem(chosen->text());
}

void EntryBox::chooseItem(const QString& item) {
    markEdited(); // choosing counts as an edit and is stored on leaving
    setText(item);
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
            const auto value =
                Currency::fromDouble(parseEntryText(ss(text()), program().shell.CurrencySymbol));
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

} // namespace brisk
