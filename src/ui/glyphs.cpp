#include "glyphs.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>

#include "graphics/canvas.h"

namespace ui {

namespace {

constexpr int kGlyph = 18;

QImage transparent(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// The check mark's outline on the 18 x 18 grid.
const QPolygon& checkShape() {
    static const QPolygon shape({{2, 9}, {5, 6}, {7, 9}, {14, 2}, {17, 5}, {7, 15}});
    return shape;
}

QPixmap check(bool enabled) {
    QImage image = transparent(kGlyph);
    QPainter painter(&image);
    if (enabled) {
        painter.setPen(QColor(0, 96, 0));
        painter.setBrush(QColor(0, 170, 0));
    } else {
        painter.setPen(QColor(128, 128, 128));
        painter.setBrush(Qt::NoBrush);
    }
    painter.drawPolygon(checkShape());
    return QPixmap::fromImage(image);
}

}  // namespace

QIcon checkGlyph() {
    QIcon icon;
    icon.addPixmap(check(true), QIcon::Normal);
    icon.addPixmap(check(false), QIcon::Disabled);
    return icon;
}

QIcon cancelGlyph() {
    QImage image = transparent(kGlyph);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(4, 4, 14, 14);
    painter.drawLine(14, 4, 4, 14);
    return QIcon(QPixmap::fromImage(image));
}

QIcon closeGlyph() {
    QImage image = transparent(kGlyph);
    QPainter painter(&image);
    painter.setPen(QColor(64, 64, 64));
    painter.setBrush(QColor(200, 200, 200));
    painter.drawRect(4, 1, 10, 15);  // the frame
    painter.setBrush(QColor(140, 90, 40));
    painter.drawPolygon(QPolygon({{4, 1}, {10, 3}, {10, 17}, {4, 16}}));  // the open door
    painter.setPen(Qt::black);
    painter.drawPoint(9, 9);  // its handle
    return QIcon(QPixmap::fromImage(image));
}

graphics::Drawing programIconDrawing(int size) {
    graphics::Picture picture(size, size);
    graphics::Canvas& canvas = picture.canvas();
    canvas.setPenColor(0x00FFFF);  // yellow
    canvas.setBrushColor(0x00FFFF);
    canvas.rectangle(0, 0, size, size);
    canvas.setPenColor(graphics::kBlack);
    const int base = size - size / 8;
    canvas.moveTo(size / 8, base);
    canvas.lineTo(size - size / 8, base);
    const int heights[] = {2, 5, 8, 6, 3};
    for (int i = 0; i < 5; ++i) {
        const int x = size / 8 + (i + 1) * size / 7;
        canvas.moveTo(x, base);
        canvas.lineTo(x, base - heights[i] * size / 11);
    }
    return picture.drawing();
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : {32, 16}) {
        icon.addPixmap(QPixmap::fromImage(graphics::rasterise(programIconDrawing(size), 1.0)));
    }
    return icon;
}

}  // namespace ui
