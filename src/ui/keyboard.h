#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;

namespace ui {

// The keys of a window with a default and an optional cancel button:
// - Enter without Shift, Ctrl or Alt presses the focused button, or else the default button; the
//   focused control never sees that key.
// - Enter with Shift reaches the focused control.
// - Esc presses the cancel button; in a window without one it does nothing.
class ButtonKeys final : public QObject {
    Q_OBJECT
public:
    ButtonKeys(QWidget* window, QAbstractButton* defaultButton, QAbstractButton* cancelButton);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    QPointer<QAbstractButton> m_default;
    QPointer<QAbstractButton> m_cancel;
};

}  // namespace ui
