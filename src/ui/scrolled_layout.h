#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

class QScrollBar;
class QWidget;

namespace ui {

// Keeps a window's fixed layout within reach when the window is smaller than the layout (a
// small screen, a high scale, or the user's own resizing): scroll bars along the right and bottom
// edges shift the controls, a control that the keyboard moves the focus to is scrolled into view,
// and a window too large for its screen's free area is made to fit it when it is shown. Where
// the layout fits, no control moves and nothing is shown.
//
// The controls stay direct children of the window, with their names, tab order and keys; only
// their positions change, by the scroll offset. Controls docked to the bottom edge span the
// visible width; in a window lower than the layout they give up height down to a minimum
// before the window scrolls. The bars are the window's children "horizontalWindowBar" and
// "verticalWindowBar"; they take no focus.
class ScrolledLayout final : public QObject {
    Q_OBJECT
public:
    // After the window's controls are made and placed at their layout positions.
    ScrolledLayout(QWidget& window, QSize layoutSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Docked {
        QPointer<QWidget> control;
        int height;   // in the layout
        int minimum;  // what it shrinks to in a low window
    };

    // Sizes and places the window so that its frame lies in its screen's free area.
    void fitToScreen(QRect frame, QMargins decoration);
    [[nodiscard]] QMargins decoration() const;
    // The part of the client area where the controls show, in window coordinates.
    [[nodiscard]] QRect viewport() const;
    // Scrolls so that the control holding this widget lies inside the viewport, as far as it can.
    void ensureVisible(const QWidget& widget);
    void relayout();
    void scrollTo(QPoint offset);
    void placeDocked();
    [[nodiscard]] QSize neededSize() const;
    [[nodiscard]] bool isDocked(const QWidget* widget) const;
    [[nodiscard]] bool isScrolled(const QWidget* widget) const;

    QWidget& m_window;
    QSize m_layoutSize;
    std::vector<Docked> m_docked;
    QScrollBar* m_horizontal;
    QScrollBar* m_vertical;
    QWidget* m_corner;
    QPoint m_offset;
    QSize m_content;
    bool m_forwardingWheel = false;
    bool m_frameUnknown = false;
};

}  // namespace ui
