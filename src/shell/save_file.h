#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace shell {

// Writes a file whole or not at all: into a temporary file in the same folder, renamed to the
// name once everything was written, so a failure leaves neither a half-written file nor a
// changed old one. Returns an empty text on success, otherwise the reason in German.
[[nodiscard]] QString SaveFile(const QString& path, const std::function<void(QIODevice&)>& write);

}  // namespace shell
