#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

#include "cli/options.h"

namespace cli {

// --teil K/N: makes the run count part K of N of its adjusted range. Returns the exit code
// once the message is printed where the text is no such part.
[[nodiscard]] std::optional<int> applyPart(const QString& text, Options& options);

// primzeilen-cli vereinigen: reads the JSON outputs of the parts named in `files` and makes
// `options` write the whole run from their tally; or the exit code once a message is printed.
// `countingOptions`: --zeilen, --laengen or --teil was given, which a merge refuses.
[[nodiscard]] std::variant<Options, int> readParts(Options options, const QStringList& files,
                                                   bool countingOptions);

}  // namespace cli
