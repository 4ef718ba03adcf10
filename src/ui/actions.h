#pragma once

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace ui {

// An action on `owner`'s context menu, with its shortcut working in `context`.
inline QAction* makeAction(QWidget* owner, const QString& text, const QKeySequence& key = {},
                           Qt::ShortcutContext context = Qt::WindowShortcut) {
    auto* action = new QAction(text, owner);
    action->setShortcut(key);
    action->setShortcutContext(context);
    owner->addAction(action);
    return action;
}

// The same, running `slot` of `receiver` when triggered.
template <class Receiver>
QAction* makeAction(QWidget* owner, const QString& text, Receiver* receiver,
                    void (Receiver::*slot)(), const QKeySequence& key = {},
                    Qt::ShortcutContext context = Qt::WindowShortcut) {
    QAction* action = makeAction(owner, text, key, context);
    QObject::connect(action, &QAction::triggered, receiver, slot);
    return action;
}

}  // namespace ui
