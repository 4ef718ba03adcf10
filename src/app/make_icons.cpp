// primzeilen-icons FOLDER
//
// Writes the program's icon, from the one drawing the windows show, as the files that are
// installed: FOLDER/scalable/apps/ID.svg and FOLDER/SIZExSIZE/apps/ID.png for 16, 32, 48, 64, 128
// and 256 pixels. 16 and 32 are the windows' own pictures; the larger ones are the 32-pixel drawing
// at 1.5, 2, 4 and 8 times its scale, every line as wide as the scale.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: primzeilen-icons FOLDER\n", stderr);
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
    for (const int size : {16, 32, 48, 64, 128, 256}) {
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
    return 0;
}
