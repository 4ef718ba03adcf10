#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QScrollBar>
#include <QSize>
#include <QWidget>
#include <algorithm>
#include <span>
#include <type_traits>
#include <variant>
#include <vector>

#include "graphics/canvas.h"
#include "ui/color_grid.h"
#include "ui/edit_field.h"
#include "ui/glyphs.h"
#include "ui/keyboard.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/scrolled_layout.h"
#include "ui/text_grid.h"

namespace ui {

// A window's layout as data: every control with its kind, place, text, font, tab order and the
// handlers its events run. Positions and sizes are device-independent pixels of the client area.

// What a control is: a Qt widget, or one of ours where Qt has none that behaves alike.
enum class Kind {
    Label,
    LineEdit,
    PushButton,
    ListView,
    ScrollBar,
    TableWidget,
    ColorGrid,
    PictureBox
};
enum class Glyph { None, Check, Cancel, Close };
enum class Role { None, Default, Cancel };

struct Font {
    const char* face = nullptr;  // none: the window's font
    int pixels = 0;              // character height
    bool bold = false;
};

inline constexpr int kNoTab = -1;

// The window's member that holds a control, of the control's own type.
template <class Form>
using ControlMember = std::variant<QLabel * Form::*, EditField * Form::*, QPushButton * Form::*,
                                   ListBox * Form::*, QScrollBar * Form::*, TextGrid * Form::*,
                                   ColorGrid * Form::*, PictureBox * Form::*>;

template <class Form>
struct Control {
    const char* name;  // the object name, as documented
    Kind kind;
    ControlMember<Form> member;
    QRect geometry;
    // Texts are UTF-8 source texts, translated in the window's context when it is built.
    const char* text = nullptr;
    const char* accessibleName = nullptr;  // for controls without a text of their own
    Font font{};
    int tabOrder = kNoTab;
    bool tabStop = true;
    Glyph glyph = Glyph::None;
    Role role = Role::None;
    bool dockBottom = false;
    // Scroll bar: range and start; list box: row height; string grid: columns, rows, cell size.
    int minimum = 0;
    int maximum = 0;
    int position = 0;
    int rowHeight = 0;
    QSize cells{};
    QSize cellSize{};
    void (Form::*onClick)() = nullptr;
    void (Form::*onKeyPress)(char16_t key) = nullptr;
    void (Form::*onChange)() = nullptr;
    void (Form::*onEnter)() = nullptr;
};

struct Window {
    const char* context;  // of the texts, for translation
    const char* caption;
    QPoint position;  // of the frame, on the screen
    QSize clientSize;
    Font font;
};

[[nodiscard]] QFont makeFont(const Font& font, const QFont& windowFont);

namespace detail {
QWidget* createControl(QWidget& form, Kind kind, const QString& text, int rowHeight, QSize cells,
                       QSize cellSize, QSize size, int minimum, int maximum, int position);
QIcon glyphIcon(Glyph glyph);
[[noreturn]] void wrongMember(const char* name);
void applyTabOrder(std::vector<std::pair<int, QWidget*>> stops);
void fitLabel(QLabel& label, int width);

// Puts the control into its member; a member of another type is a fault of the layout table.
template <class Form>
void bind(Form& form, const ControlMember<Form>& member, QWidget& control, const char* name) {
    std::visit(
        [&](auto pointer) {
            using Widget = std::remove_pointer_t<std::remove_reference_t<decltype(form.*pointer)>>;
            auto* widget = qobject_cast<Widget*>(&control);
            if (widget == nullptr) {
                wrongMember(name);
            }
            form.*pointer = widget;
        },
        member);
}

// Runs the control's handlers on its events.
template <class Form>
void connectHandlers(Form& form, const Control<Form>& c, QWidget& widget) {
    if (auto* button = qobject_cast<QPushButton*>(&widget); button != nullptr && c.onClick) {
        QObject::connect(button, &QAbstractButton::clicked, &form,
                         [f = &form, h = c.onClick] { (f->*h)(); });
    }
    if (auto* edit = qobject_cast<EditField*>(&widget)) {
        if (c.onKeyPress != nullptr) {
            QObject::connect(edit, &EditField::keyPressed, &form,
                             [f = &form, h = c.onKeyPress](char16_t key) { (f->*h)(key); });
        }
        if (c.onEnter != nullptr) {
            QObject::connect(edit, &EditField::entered, &form,
                             [f = &form, h = c.onEnter] { (f->*h)(); });
        }
    }
    if (auto* bar = qobject_cast<QScrollBar*>(&widget); bar != nullptr && c.onChange) {
        QObject::connect(bar, &QScrollBar::valueChanged, &form,
                         [f = &form, h = c.onChange] { (f->*h)(); });
    }
}
}  // namespace detail

// Builds the window and its controls from the tables, puts each into its member, wires the handlers
// and the keys of its default and cancel buttons, and keeps the layout within reach in a window
// smaller than it.
template <class Form>
void buildWindow(Form& form, const Window& window, std::span<const Control<Form>> controls) {
    const auto translated = [&window](const char* text) {
        return QCoreApplication::translate(window.context, text);
    };
    form.setWindowTitle(translated(window.caption));
    form.setWindowIcon(programIcon());
    form.setFont(makeFont(window.font, form.font()));
    form.move(window.position);
    form.resize(window.clientSize);

    QAbstractButton* defaultButton = nullptr;
    QAbstractButton* cancelButton = nullptr;
    std::vector<std::pair<int, QWidget*>> stops;
    for (const Control<Form>& c : controls) {
        const QString text = c.text != nullptr ? translated(c.text) : QString();
        QWidget* widget =
            detail::createControl(form, c.kind, text, c.rowHeight, c.cells, c.cellSize,
                                  c.geometry.size(), c.minimum, c.maximum, c.position);
        widget->setObjectName(QLatin1String(c.name));
        detail::bind(form, c.member, *widget, c.name);
        if (c.font.face != nullptr) {
            widget->setFont(makeFont(c.font, form.font()));
        }
        if (c.kind == Kind::Label) {
            detail::fitLabel(*static_cast<QLabel*>(widget), c.geometry.width());
        }
        widget->setGeometry(c.geometry);
        QString accessible = c.accessibleName != nullptr ? translated(c.accessibleName)
                                                         : QString(text).remove(u'&').trimmed();
        widget->setAccessibleName(accessible);
        if (c.tabOrder != kNoTab && c.tabStop) {
            stops.emplace_back(c.tabOrder, widget);
        } else if (c.kind == Kind::PictureBox) {
            widget->setFocusPolicy(Qt::NoFocus);
        } else if (c.kind != Kind::Label && c.kind != Kind::TableWidget) {
            // Reached with the mouse only.
            widget->setFocusPolicy(Qt::ClickFocus);
        }
        if (c.dockBottom) {
            widget->setProperty("dockBottom", true);
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setIcon(detail::glyphIcon(c.glyph));
            button->setIconSize({18, 18});
            button->setAutoDefault(false);
            if (c.role == Role::Default) {
                defaultButton = button;
            } else if (c.role == Role::Cancel) {
                cancelButton = button;
            }
        }
        detail::connectHandlers(form, c, *widget);
    }
    detail::applyTabOrder(std::move(stops));
    new ui::ButtonKeys(&form, defaultButton, cancelButton);
    // Also keeps the controls marked dockBottom along the bottom edge.
    new ScrolledLayout(form, window.clientSize);
}

// A window's first focus is framed, as it would be after Tab. Activating a window clears that
// mark, so it is set when the window first becomes active; call from changeEvent.
inline void frameFirstFocus(QWidget& window, const QEvent& event, bool& done) {
    if (event.type() == QEvent::ActivationChange && window.isActiveWindow() && !done) {
        done = true;
        window.setAttribute(Qt::WA_KeyboardFocusChange);
        window.update();
    }
}

}  // namespace ui
