#include "picture_export.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QStringList>
#include <array>

namespace ui {

namespace {

struct Filter {
    const char16_t* text;
    const char* suffix;
    distribution::ChartFormat format;
    double scale;
};

const std::array kFilters{
    Filter{u"PNG-Bild, doppelte Auflösung (*.png)", "png", distribution::ChartFormat::Png, 2.0},
    Filter{u"PNG-Bild, einfache Auflösung (*.png)", "png", distribution::ChartFormat::Png, 1.0},
    Filter{u"SVG-Vektorgrafik (*.svg)", "svg", distribution::ChartFormat::Svg, 1.0},
    Filter{u"PDF-Dokument (*.pdf)", "pdf", distribution::ChartFormat::Pdf, 1.0},
};

QSettings settings() {
    return QSettings(QStringLiteral("primzeilen"), QStringLiteral("primzeilen"));
}

const QString kFolderKey = QStringLiteral("Bild/Ordner");

}  // namespace

std::optional<PictureFile> AskForPictureFile(QWidget* parent, const QString& folder,
                                             const QString& name) {
    QFileDialog dialog(parent, QStringLiteral("Bild speichern unter"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const Filter& filter : kFilters) {
        filters.append(QString::fromUtf16(filter.text));
    }
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.front());
    dialog.setDefaultSuffix(QString::fromLatin1(kFilters.front().suffix));
    // The dialog itself adds the ending, so the name it asks about replacing is the one written.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& chosen) {
            const auto index = filters.indexOf(chosen);
            if (index >= 0) {
                dialog.setDefaultSuffix(
                    QString::fromLatin1(kFilters[static_cast<std::size_t>(index)].suffix));
            }
        });
    dialog.setDirectory(folder);
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const auto index = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
    const Filter& filter = kFilters[static_cast<std::size_t>(index)];
    return PictureFile{dialog.selectedFiles().front(), filter.format, filter.scale};
}

QString LastPictureFolder() {
    const QString folder = settings().value(kFolderKey).toString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

void RememberPictureFolder(const QString& folder) {
    settings().setValue(kFolderKey, folder);
}

}  // namespace ui
