#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "ui/handler.h"
#include "ui/shared_state.h"

class QIODevice;
class QWidget;

namespace ui {

// A kind of file a save dialog offers: its filter text and the ending it adds.
struct FileType {
    QString filter;
    QString suffix;
};

// What a save dialog asks: its title, the name it proposes and the kinds of file, the first
// one chosen.
struct SaveQuestion {
    QString title;
    QString name;
    std::vector<FileType> types;
};

// The user's answer: the file and the index of the chosen kind.
struct SaveAnswer {
    QString path;
    std::size_t type = 0;
};

// Asks where to save, starting in `folder`. The program asks with a file dialog; tests answer
// at once.
using SaveDialog = std::function<std::optional<SaveAnswer>(
    QWidget* parent, const SaveQuestion& question, const QString& folder)>;

// The file dialog. The chosen kind adds its ending to a name without one inside the dialog, so
// an existing file is replaced only once the user has confirmed it there.
[[nodiscard]] std::optional<SaveAnswer> askWhereToSave(QWidget* parent,
                                                       const SaveQuestion& question,
                                                       const QString& folder);

// The folder something was last saved in, kept between runs; the home folder at first.
[[nodiscard]] QString lastSaveFolder();
void rememberSaveFolder(const QString& folder);

// The name offered for a file of a scan's results: primzeilen_VON_BIS_LÄNGE with the ending,
// plain "primzeilen" before any scan.
[[nodiscard]] QString resultFileName(const ui::ScannedRange& scanned, const QString& suffix);

// "What could not be saved as „file“", with the reason on a line of its own.
[[nodiscard]] QString saveFailureText(const QString& what, const QString& path,
                                      const QString& reason);

// Writes a file whole or not at all; an empty text, or the message naming it and the reason.
[[nodiscard]] QString saveAs(const QString& what, const QString& path,
                             const std::function<void(QIODevice&)>& write);

// Asks with the dialog, remembers the folder, writes with `write` and reports a failure.
void saveThroughDialog(QWidget* parent, const SaveDialog& dialog, const SaveQuestion& question,
                       const QString& what, const ui::FailureReporter& report,
                       const std::function<void(QIODevice&, std::size_t type)>& write);

}  // namespace ui
