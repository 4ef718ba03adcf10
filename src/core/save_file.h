#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "engine/failures.h"

class QIODevice;

namespace core {

// Content for a file that could not be made or written whole: an encoder that failed, or a
// device that stopped taking bytes.
class WriteFailure final : public Failure {
public:
    explicit WriteFailure(const QString& detail);
};

// Writes all of `bytes`, going on after a short write; throws WriteFailure where the device
// takes nothing more or fails.
void writeAll(QIODevice& device, const QByteArray& bytes);

// What writes a file's content into the device it is given; it throws WriteFailure where it
// cannot make the content. Every write it makes is checked by the save, whether it looks at
// the results or not.
using ContentWriter = std::function<void(QIODevice&)>;

// Writes the content into `target` through checked writes: a short write is continued, one
// that takes nothing or fails ends the content and is remembered with the system's reason.
// Returns an empty text when every byte went to the device, otherwise the reason in German.
[[nodiscard]] QString writeChecked(QIODevice& target, const ContentWriter& write);

// Writes a file whole or not at all: into a temporary file in the same folder, flushed and
// synced to the disk, renamed to the name only once everything was written, so a failure
// leaves neither a half-written file nor a changed old one. Returns an empty text on success,
// otherwise the reason in German.
[[nodiscard]] QString saveFile(const QString& path, const ContentWriter& write);

}  // namespace core
