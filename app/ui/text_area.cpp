#include "app/ui/text_area.h"

#include <QApplication>
#include <QKeyEvent>

namespace brisk {

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setAccessibleName(tr("Help text"));
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void TextArea::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (m_firstBox) m_firstBox->setFocus(Qt::TabFocusReason);
        return;
    }
    // Moving about and copying are not typing.
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll) ||
        event->text().isEmpty()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    // Access keys belong to the window, Escape to the dialog (its Cancel).
    if (event->modifiers() & Qt::AltModifier || key == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QApplication::beep();
}

} // namespace brisk
