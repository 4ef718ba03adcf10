#include "file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include "core/save_file.h"

namespace ui {

namespace {

QSettings settings() {
    return QSettings(QStringLiteral("primzeilen"), QStringLiteral("primzeilen"));
}

const QString kFolderKey = QStringLiteral("Speichern/Ordner");

}  // namespace

std::optional<SaveAnswer> askWhereToSave(QWidget* parent, const SaveQuestion& question,
                                         const QString& folder) {
    QFileDialog dialog(parent, question.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileType& type : question.types) {
        filters.append(type.filter);
    }
    dialog.setNameFilters(filters);
    if (!question.types.empty()) {
        dialog.selectNameFilter(filters.front());
        dialog.setDefaultSuffix(question.types.front().suffix);
    }
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, &question, filters](const QString& chosen) {
            const auto index = filters.indexOf(chosen);
            if (index >= 0) {
                dialog.setDefaultSuffix(question.types[static_cast<std::size_t>(index)].suffix);
            }
        });
    dialog.setDirectory(folder);
    dialog.selectFile(question.name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const auto index = std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
    return SaveAnswer{dialog.selectedFiles().front(), static_cast<std::size_t>(index)};
}

QString lastSaveFolder() {
    const QString folder = settings().value(kFolderKey).toString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

void rememberSaveFolder(const QString& folder) {
    settings().setValue(kFolderKey, folder);
}

QString resultFileName(const ui::ScannedRange& scanned, const QString& suffix) {
    const QString stem = scanned.rowLength > 0 ? QStringLiteral("primzeilen_%1_%2_%3")
                                                     .arg(scanned.lower)
                                                     .arg(scanned.upper)
                                                     .arg(scanned.rowLength)
                                               : QStringLiteral("primzeilen");
    return stem + u'.' + suffix;
}

QString saveFailureText(const QString& what, const QString& path, const QString& reason) {
    return QCoreApplication::translate("ui", "%1 konnte nicht als „%2“ gespeichert werden.\n%3")
        .arg(what, QDir::toNativeSeparators(path), reason);
}

QString saveAs(const QString& what, const QString& path,
               const std::function<void(QIODevice&)>& write) {
    const QString reason = core::saveFile(path, write);
    return reason.isEmpty() ? QString() : saveFailureText(what, path, reason);
}

void saveThroughDialog(QWidget* parent, const SaveDialog& dialog, const SaveQuestion& question,
                       const QString& what, const ui::FailureReporter& report,
                       const std::function<void(QIODevice&, std::size_t type)>& write) {
    const std::optional<SaveAnswer> answer = dialog(parent, question, lastSaveFolder());
    if (!answer) {
        return;
    }
    rememberSaveFolder(QFileInfo(answer->path).absolutePath());
    const QString failure =
        saveAs(what, answer->path, [&](QIODevice& device) { write(device, answer->type); });
    if (!failure.isEmpty()) {
        report(failure);
    }
}

}  // namespace ui
