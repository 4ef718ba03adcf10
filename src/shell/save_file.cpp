#include "save_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace shell {

namespace {

// The system's reason for the last failure, in German where it is one a user can act on.
QString reason(int error, const QString& fallback) {
    switch (error) {
        case EACCES:
        case EPERM:
            return QStringLiteral("Keine Berechtigung, in diesen Ordner zu schreiben.");
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return QStringLiteral("Auf dem Datenträger ist nicht genug Platz.");
        case EROFS:
            return QStringLiteral("Der Datenträger ist schreibgeschützt.");
        case EISDIR:
            return QStringLiteral("Unter diesem Namen gibt es einen Ordner.");
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("Den Ordner gibt es nicht.");
        case ENAMETOOLONG:
            return QStringLiteral("Der Name ist zu lang.");
        default:
            return QStringLiteral("Die Datei konnte nicht geschrieben werden (%1).").arg(fallback);
    }
}

}  // namespace

QString SaveFile(const QString& path, const std::function<void(QIODevice&)>& write) {
    const QFileInfo target(path);
    if (target.isDir()) {
        return reason(EISDIR, {});
    }
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir()) {
        return reason(ENOENT, {});
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        return reason(errno, file.errorString());
    }
    write(file);
    const int writeError = errno;
    if (file.error() != QFileDevice::NoError) {
        const QString message = reason(writeError, file.errorString());
        file.cancelWriting();
        return message;
    }
    errno = 0;
    if (!file.commit()) {
        return reason(errno, file.errorString());
    }
    return {};
}

}  // namespace shell
