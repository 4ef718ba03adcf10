// primzeilen-icons FOLDER [--maskable FILE]
//
// Writes the program's icon, from the one drawing the windows show, as the files that are
// installed: FOLDER/scalable/apps/ID.svg and FOLDER/SIZExSIZE/apps/ID.png for 16, 32, 48, 64, 128,
// 192, 256 and 512 pixels. 16 and 32 are the windows' own pictures; the larger ones are the
// 32-pixel drawing at 1.5 to 16 times its scale, every line as wide as the scale.
// With --maskable, FILE gets the 512-pixel icon for a web app manifest whose outline the system
// may cut to a circle: the drawing at 9 times its scale, centred on its own yellow, keeps every
// line inside the middle circle of 40 % radius that such a cut always leaves.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

#include "graphics/chart_export.h"
#include "ui/glyphs.h"

namespace {

const QString kId = QStringLiteral("de.primzeilen.primzeilen");

bool write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QImage maskableIcon() {
    constexpr int kSize = 512;
    constexpr int kScale = 9;
    QImage drawing = graphics::rasterise(ui::programIconDrawing(32), kScale);
    drawing.setDevicePixelRatio(1.0);  // placed pixel for pixel, not at the drawing's scale
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    // The drawing's own background, read from its corner, fills the rest.
    image.fill(drawing.pixelColor(0, 0));
    QPainter painter(&image);
    painter.drawImage((kSize - drawing.width()) / 2, (kSize - drawing.height()) / 2, drawing);
    painter.end();
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    const bool maskable = argc == 4 && qstrcmp(argv[2], "--maskable") == 0;
    if (argc != 2 && !maskable) {
        std::fputs("usage: primzeilen-icons FOLDER [--maskable FILE]\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool written =
        write(folder + QStringLiteral("/scalable/apps/") + kId + QStringLiteral(".svg"),
              graphics::chartSvg(ui::programIconDrawing(32), QStringLiteral("Primzeilen")));
    for (const int size : {16, 32, 48, 64, 128, 192, 256, 512}) {
        const QImage image = size <= 32
                                 ? graphics::rasterise(ui::programIconDrawing(size), 1.0)
                                 : graphics::rasterise(ui::programIconDrawing(32), size / 32.0);
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(folder).arg(size).arg(kId);
        QDir().mkpath(QFileInfo(path).absolutePath());
        written = written && image.save(path, "PNG");
    }
    if (!written) {
        std::fprintf(stderr, "primzeilen-icons: %s kann nicht geschrieben werden.\n", argv[1]);
        return 1;
    }
    if (maskable) {
        const QString path = QString::fromLocal8Bit(argv[3]);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!maskableIcon().save(path, "PNG")) {
            std::fprintf(stderr, "primzeilen-icons: %s kann nicht geschrieben werden.\n", argv[3]);
            return 1;
        }
    }
    return 0;
}
