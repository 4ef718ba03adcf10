#pragma once

#include <QString>

namespace core {

// How the program shows the system's reason for a failure: as a clause after "…: " on the
// command line ("Ausgabe konnte nicht geschrieben werden: Kein Platz auf dem Gerät"), or as a
// sentence of its own in a save's message ("Auf dem Datenträger ist nicht genug Platz.").
enum class ReasonForm { Clause, Sentence };

// The German reason for an error number, from one table. An error the table has no words for
// in that form names the system's own text: in a clause its strerror, in a sentence `detail`
// (what the file reported).
[[nodiscard]] QString systemReason(int error, ReasonForm form, const QString& detail = {});

}  // namespace core
