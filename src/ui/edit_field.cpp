#include "edit_field.h"

#include <QKeyEvent>

namespace ui {

void EditField::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter) {
        // Plain Enter is the window's. Shift+Enter types a carriage return, Ctrl+Enter a line
        // feed; neither goes into the field's text.
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::ShiftModifier) {
            emit keyPressed(u'\r');
        } else if (modifiers == Qt::ControlModifier) {
            emit keyPressed(u'\n');
        }
        event->accept();
        return;
    }
    if (!event->text().isEmpty() && event->text().front().isPrint()) {
        emit keyPressed(event->text().front().unicode());
    }
    QLineEdit::keyPressEvent(event);
}

void EditField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Coming back to the window is not entering the field.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        emit entered();
    }
}

}  // namespace ui
