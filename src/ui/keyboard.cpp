#include "keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

ButtonKeys::ButtonKeys(QWidget* window, QAbstractButton* defaultButton,
                       QAbstractButton* cancelButton)
    : QObject(window), m_window(window), m_default(defaultButton), m_cancel(cancelButton) {
    qApp->installEventFilter(this);
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != m_window) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) {
        return false;
    }
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            auto* focused = qobject_cast<QAbstractButton*>(widget);
            QAbstractButton* button = focused != nullptr ? focused : m_default.data();
            if (button != nullptr && button->isEnabled()) {
                button->click();
            }
            return true;
        }
        case Qt::Key_Escape:
            if (m_cancel != nullptr && m_cancel->isEnabled()) {
                m_cancel->click();
            }
            return true;
        default:
            return false;
    }
}

}  // namespace ui
