#include "scrolled_layout.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace ui {

namespace {

// A docked list keeps at least this much of its height (about five rows) before the window
// scrolls.
constexpr int kDockedMinimum = 100;
// Space kept around a control scrolled into view, so that its frame and focus mark show.
constexpr int kFocusMargin = 8;
constexpr int kSingleStep = 20;

QScrollBar* makeBar(Qt::Orientation orientation, const char* name, const QString& accessible,
                    QWidget& window) {
    auto* bar = new QScrollBar(orientation, &window);
    bar->setObjectName(QLatin1String(name));
    bar->setAccessibleName(accessible);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setSingleStep(kSingleStep);
    bar->hide();
    return bar;
}

// The focus moves that the user makes with the keyboard, or that the program makes for them.
bool scrollsIntoView(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason;
}

}  // namespace

ScrolledLayout::ScrolledLayout(QWidget& window, QSize layoutSize)
    : QObject(&window),
      m_window(window),
      m_layoutSize(layoutSize),
      m_horizontal(makeBar(
          Qt::Horizontal, "horizontalWindowBar",
          QCoreApplication::translate("ui", "Fensterinhalt waagerecht verschieben"), window)),
      m_vertical(makeBar(Qt::Vertical, "verticalWindowBar",
                         QCoreApplication::translate("ui", "Fensterinhalt senkrecht verschieben"),
                         window)),
      m_corner(new QWidget(&window)) {
    m_corner->setObjectName(QStringLiteral("windowBarCorner"));
    m_corner->setAutoFillBackground(true);
    m_corner->hide();
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->property("dockBottom").toBool()) {
            const int height = child->height();
            m_docked.push_back({child, height, std::min(height, kDockedMinimum)});
        }
    }
    // Focus arrives at the controls and at whatever they are made of.
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isWindow()) {
            widget->installEventFilter(this);
        }
    }
    window.installEventFilter(this);
    connect(m_horizontal, &QScrollBar::valueChanged, this, [this](int x) {
        scrollTo({x, m_offset.y()});
    });
    connect(m_vertical, &QScrollBar::valueChanged, this, [this](int y) {
        scrollTo({m_offset.x(), y});
    });
    relayout();
}

QRect ScrolledLayout::viewport() const {
    return {
        0, 0, m_window.width() - (m_vertical->isVisibleTo(&m_window) ? m_vertical->width() : 0),
        m_window.height() - (m_horizontal->isVisibleTo(&m_window) ? m_horizontal->height() : 0)};
}

bool ScrolledLayout::isDocked(const QWidget* widget) const {
    return std::any_of(m_docked.begin(), m_docked.end(),
                       [widget](const Docked& d) { return d.control == widget; });
}

bool ScrolledLayout::isScrolled(const QWidget* widget) const {
    return widget->parentWidget() == &m_window && !widget->isWindow() && widget != m_horizontal &&
           widget != m_vertical && widget != m_corner && !isDocked(widget);
}

QSize ScrolledLayout::neededSize() const {
    int height = m_layoutSize.height();
    for (const Docked& d : m_docked) {
        height -= d.height - d.minimum;
    }
    return {m_layoutSize.width(), height};
}

void ScrolledLayout::relayout() {
    const QSize client = m_window.size();
    const QSize needed = neededSize();
    const int extent =
        m_window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_vertical);
    // A bar in one direction takes room from the other.
    bool horizontal = false;
    bool vertical = false;
    for (int pass = 0; pass < 2; ++pass) {
        horizontal = client.width() - (vertical ? extent : 0) < needed.width();
        vertical = client.height() - (horizontal ? extent : 0) < needed.height();
    }
    const QSize view(client.width() - (vertical ? extent : 0),
                     client.height() - (horizontal ? extent : 0));
    m_content =
        QSize(std::max(view.width(), needed.width()), std::max(view.height(), needed.height()));

    const QSignalBlocker blockHorizontal(m_horizontal);
    const QSignalBlocker blockVertical(m_vertical);
    m_horizontal->setRange(0, horizontal ? needed.width() - view.width() : 0);
    m_horizontal->setPageStep(std::max(1, view.width()));
    m_horizontal->setGeometry(0, view.height(), view.width(), extent);
    m_horizontal->setVisible(horizontal);
    m_vertical->setRange(0, vertical ? needed.height() - view.height() : 0);
    m_vertical->setPageStep(std::max(1, view.height()));
    m_vertical->setGeometry(view.width(), 0, extent, view.height());
    m_vertical->setVisible(vertical);
    m_corner->setGeometry(view.width(), view.height(), extent, extent);
    m_corner->setVisible(horizontal && vertical);
    for (QWidget* shown :
         {static_cast<QWidget*>(m_horizontal), static_cast<QWidget*>(m_vertical), m_corner}) {
        if (shown->isVisibleTo(&m_window)) {
            shown->raise();
        }
    }
    scrollTo({m_horizontal->value(), m_vertical->value()});
}

void ScrolledLayout::scrollTo(QPoint offset) {
    const QPoint delta = offset - m_offset;
    m_offset = offset;
    if (!delta.isNull()) {
        for (QWidget* child : m_window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (isScrolled(child)) {
                child->move(child->pos() - delta);
            }
        }
    }
    placeDocked();
}

void ScrolledLayout::placeDocked() {
    const int width = viewport().width();
    // In a window lower than the layout the docked controls give up what the content lacks.
    const int shortfall = m_layoutSize.height() - m_content.height();
    for (const Docked& d : m_docked) {
        if (d.control != nullptr) {
            const int height = std::max(d.minimum, d.height - std::max(0, shortfall));
            d.control->setGeometry(0, m_content.height() - height - m_offset.y(), width, height);
        }
    }
}

void ScrolledLayout::ensureVisible(const QWidget& widget) {
    const QWidget* control = &widget;
    while (control != nullptr && control->parentWidget() != &m_window) {
        control = control->parentWidget();
    }
    if (control == nullptr || control->isWindow() || control == m_horizontal ||
        control == m_vertical || control == m_corner) {
        return;
    }
    // Both in content coordinates: where the control lies, and the part of it that shows.
    const QRect wanted = control->geometry().translated(m_offset).adjusted(
        -kFocusMargin, -kFocusMargin, kFocusMargin, kFocusMargin);
    const QRect visible = viewport().translated(m_offset);
    const auto scroll = [](QScrollBar* bar, int start, int end, int shownStart, int shownEnd) {
        const int shown = shownEnd - shownStart;
        if (end - start > shown) {
            bar->setValue(start);
        } else if (end > shownEnd) {
            bar->setValue(end - shown);
        } else if (start < shownStart) {
            bar->setValue(start);
        }
    };
    if (!isDocked(control)) {
        scroll(m_horizontal, wanted.left(), wanted.right() + 1, visible.left(),
               visible.right() + 1);
    }
    scroll(m_vertical, wanted.top(), wanted.bottom() + 1, visible.top(), visible.bottom() + 1);
}

void ScrolledLayout::fitToScreen(QRect frame, QMargins decoration) {
    QScreen* screen = QGuiApplication::screenAt(frame.topLeft());
    if (screen == nullptr) {
        screen = m_window.screen();
    }
    const QRect available = screen->availableGeometry();
    if (available.contains(frame)) {
        return;
    }
    // Where the screen has room to spare, the window grows by the bar that it will need, so
    // that it does not need the other one too.
    const int extent =
        m_window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_vertical);
    const QSize needed = neededSize();
    const QSize decorated(decoration.left() + decoration.right(),
                          decoration.top() + decoration.bottom());
    QSize client = frame.size().boundedTo(available.size()) - decorated;
    if (client.height() < needed.height()) {
        client.setWidth(std::max(client.width(), needed.width() + extent));
    }
    if (client.width() < needed.width()) {
        client.setHeight(std::max(client.height(), needed.height() + extent));
    }
    const QSize size = (client + decorated).boundedTo(available.size());
    const QPoint place(
        std::clamp(frame.left(), available.left(), available.right() + 1 - size.width()),
        std::clamp(frame.top(), available.top(), available.bottom() + 1 - size.height()));
    m_window.setGeometry(QRect(place, size).marginsRemoved(decoration));
}

QMargins ScrolledLayout::decoration() const {
    const QWindow* handle = m_window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

bool ScrolledLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window) {
        switch (event->type()) {
            case QEvent::Resize:
                relayout();
                break;
            case QEvent::Show:
                if (m_window.isWindow() && !event->spontaneous()) {
                    // Before its first showing a window's position is that of its frame, which
                    // pos() reports and geometry() does not yet.
                    const QMargins margins = decoration();
                    fitToScreen(QRect(m_window.pos(), m_window.size().grownBy(margins)), margins);
                    // A window manager adds its frame only once the window is mapped; the
                    // window is fitted again when it shows on the screen with it.
                    m_frameUnknown = margins.isNull();
                    if (m_frameUnknown && m_window.windowHandle() != nullptr) {
                        m_window.windowHandle()->installEventFilter(this);
                    }
                }
                break;
            case QEvent::Wheel:
                // What the controls leave of the wheel scrolls the window.
                if (!m_forwardingWheel) {
                    QScrollBar* bar =
                        m_vertical->isVisibleTo(&m_window) ? m_vertical : m_horizontal;
                    if (bar->isVisibleTo(&m_window)) {
                        m_forwardingWheel = true;
                        static_cast<QObject*>(bar)->event(event);
                        m_forwardingWheel = false;
                        return true;
                    }
                }
                break;
            default:
                break;
        }
    } else if (watched == m_window.windowHandle() && event->type() == QEvent::Expose) {
        const QMargins margins = decoration();
        if (m_frameUnknown && !margins.isNull()) {
            m_frameUnknown = false;
            fitToScreen(m_window.geometry().marginsAdded(margins), margins);
        }
    } else if (event->type() == QEvent::FocusIn &&
               scrollsIntoView(static_cast<QFocusEvent*>(event)->reason())) {
        if (auto* widget = qobject_cast<QWidget*>(watched)) {
            ensureVisible(*widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ui
