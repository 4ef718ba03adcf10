#include "system_error.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>

namespace core {

namespace {

constexpr const char* kContext = "core::SystemError";

// Each error in both forms; nullptr where that form shows the system's own text.
struct Reason {
    int error;
    const char* clause;
    const char* sentence;
};

constexpr Reason kReasons[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("core::SystemError", "Kein Platz auf dem Gerät"),
     QT_TRANSLATE_NOOP("core::SystemError", "Auf dem Datenträger ist nicht genug Platz.")},
#ifdef EDQUOT
    {EDQUOT,
     QT_TRANSLATE_NOOP("core::SystemError",
                       "Der zugewiesene Plattenplatz (Quota) ist überschritten"),
     QT_TRANSLATE_NOOP("core::SystemError", "Auf dem Datenträger ist nicht genug Platz.")},
#endif
    {EFBIG, QT_TRANSLATE_NOOP("core::SystemError", "Datei zu groß"), nullptr},
    {EBADF,
     QT_TRANSLATE_NOOP("core::SystemError",
                       "Ungültiger Dateideskriptor (die Ausgabe ist geschlossen)"),
     nullptr},
    {EPIPE, QT_TRANSLATE_NOOP("core::SystemError", "Datenübergabe unterbrochen (broken pipe)"),
     nullptr},
    {EIO, QT_TRANSLATE_NOOP("core::SystemError", "Eingabe-/Ausgabefehler"), nullptr},
    {EACCES, QT_TRANSLATE_NOOP("core::SystemError", "Keine Berechtigung"),
     QT_TRANSLATE_NOOP("core::SystemError", "Keine Berechtigung, in diesen Ordner zu schreiben.")},
    {EPERM, QT_TRANSLATE_NOOP("core::SystemError", "Keine Berechtigung"),
     QT_TRANSLATE_NOOP("core::SystemError", "Keine Berechtigung, in diesen Ordner zu schreiben.")},
    {EROFS, QT_TRANSLATE_NOOP("core::SystemError", "Dateisystem ist nur lesbar"),
     QT_TRANSLATE_NOOP("core::SystemError", "Der Datenträger ist schreibgeschützt.")},
    {EISDIR, nullptr,
     QT_TRANSLATE_NOOP("core::SystemError", "Unter diesem Namen gibt es einen Ordner.")},
    {ENOENT, nullptr, QT_TRANSLATE_NOOP("core::SystemError", "Den Ordner gibt es nicht.")},
    {ENOTDIR, nullptr, QT_TRANSLATE_NOOP("core::SystemError", "Den Ordner gibt es nicht.")},
    {ENAMETOOLONG, nullptr, QT_TRANSLATE_NOOP("core::SystemError", "Der Name ist zu lang.")},
};

}  // namespace

QString systemReason(int error, ReasonForm form, const QString& detail) {
    const Reason* reason = std::find_if(std::begin(kReasons), std::end(kReasons),
                                        [error](const Reason& r) { return r.error == error; });
    if (reason != std::end(kReasons)) {
        const char* words = form == ReasonForm::Clause ? reason->clause : reason->sentence;
        if (words != nullptr) {
            return QCoreApplication::translate(kContext, words);
        }
    }
    if (form == ReasonForm::Clause) {
        return QCoreApplication::translate(kContext, "Fehler %1 (%2)")
            .arg(error)
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
    return QCoreApplication::translate(kContext, "Die Datei konnte nicht geschrieben werden (%1).")
        .arg(detail);
}

}  // namespace core
