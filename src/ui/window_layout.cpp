#include "window_layout.h"

#include <QScrollBar>

namespace ui {

QFont makeFont(const Font& font, const QFont& windowFont) {
    if (font.face == nullptr) {
        return windowFont;
    }
    QFont result(graphics::substituteFont(QString::fromLatin1(font.face)));
    result.setPixelSize(font.pixels);
    result.setBold(font.bold);
    return result;
}

namespace detail {

QWidget* createControl(QWidget& form, Kind kind, const QString& text, int rowHeight, QSize cells,
                       QSize cellSize, QSize size, int minimum, int maximum, int position) {
    switch (kind) {
        case Kind::Label:
            return new QLabel(text, &form);
        case Kind::LineEdit: {
            auto* edit = new EditField(&form);
            edit->setText(text);
            return edit;
        }
        case Kind::PushButton:
            return new QPushButton(text, &form);
        case Kind::ListView:
            return new ListBox(rowHeight, &form);
        case Kind::ScrollBar: {
            auto* bar = new QScrollBar(Qt::Horizontal, &form);
            bar->setRange(minimum, maximum);
            bar->setValue(position);
            // An arrow and the trough both move the bar by one.
            bar->setSingleStep(1);
            bar->setPageStep(1);
            return bar;
        }
        case Kind::TableWidget:
            return new TextGrid(cells.width(), cells.height(), cellSize.width(), cellSize.height(),
                                &form);
        case Kind::ColorGrid:
            return new ColorGrid(&form);
        case Kind::PictureBox:
            return new PictureBox(size.width(), size.height(), &form);
    }
    return nullptr;
}

QIcon glyphIcon(Glyph glyph) {
    switch (glyph) {
        case Glyph::Check:
            return checkGlyph();
        case Glyph::Cancel:
            return cancelGlyph();
        case Glyph::Close:
            return closeGlyph();
        case Glyph::None:
            break;
    }
    return {};
}

void wrongMember(const char* name) {
    qFatal("The layout puts the control %s into a member of another type", name);
}

void fitLabel(QLabel& label, int width) {
    // The substitute fonts run wider than the ones the layout was made with: a caption that does
    // not fit its place is set narrower, at the same height, rather than cut off or moved.
    const int needed = label.fontMetrics().horizontalAdvance(label.text()) + 1;
    if (needed > width) {
        QFont font = label.font();
        font.setStretch(std::max(50, width * 100 / needed));
        label.setFont(font);
    }
}

void applyTabOrder(std::vector<std::pair<int, QWidget*>> stops) {
    std::sort(stops.begin(), stops.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i + 1 < stops.size(); ++i) {
        QWidget::setTabOrder(stops[i].second, stops[i + 1].second);
    }
}

}  // namespace detail

}  // namespace ui
