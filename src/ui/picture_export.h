#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "distribution/chart_export.h"

class QWidget;

namespace ui {

// Where and how the user chose to save the picture.
struct PictureFile {
    QString path;
    distribution::ChartFormat format = distribution::ChartFormat::Png;
    double scale = 1.0;  // of a PNG
};

// Asks for a file to save the picture in, starting in `folder` with `name` proposed. The
// program asks with a file dialog; tests answer at once.
using PictureFileDialog = std::function<std::optional<PictureFile>(
    QWidget* parent, const QString& folder, const QString& name)>;

// The file dialog: PNG at twice (the default) or once the window's size, SVG or PDF; the
// chosen filter decides the format and adds its ending to a name without one, and an existing
// file is replaced only once the user has confirmed it there.
[[nodiscard]] std::optional<PictureFile> AskForPictureFile(QWidget* parent, const QString& folder,
                                                           const QString& name);

// The folder the picture was last saved in, kept between runs; the home folder at first.
[[nodiscard]] QString LastPictureFolder();
void RememberPictureFolder(const QString& folder);

}  // namespace ui
