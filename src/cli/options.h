#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "cli/run_parts.h"
#include "engine/rows/rows.h"
#include "engine/texts/language.h"

namespace cli {

// Exit codes, as --help lists them.
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;
inline constexpr int kInterrupted = 130;  // or 143 after SIGTERM: 128 plus the signal

// The form of the output (--format).
enum class Format { Text, Csv, CsvGerman, Json };

// The table that csv and csv-de write of a run (--tabelle): the tally's or the fit's.
enum class Table { Frequency, Fit };

// The name of a format as --format takes it.
[[nodiscard]] QString formatName(Format format);

// What a run is asked to do.
struct Options {
    core::RowRange range;
    bool rows = false;
    bool fit = false;
    bool models = false;
    Format format = Format::Text;
    Table table = Table::Frequency;
    unsigned threads = 1;
    std::optional<bool> progress;  // none: when standard error is a terminal
    // --laengen A..B or L1,L2,...: these row lengths over from..to instead of one range, or at
    // each height of --hoehen.
    std::optional<std::vector<std::uint32_t>> lengths;
    // --hoehen H1,H2,... --fenster F: the window H+1..H+F at each height, in rows of each length.
    std::vector<core::Number> heights;
    core::Number window = 0;
    core::Number from = 0;
    core::Number to = 0;
    // --teil K/N: `range` is then the part's own rows.
    std::optional<core::RunPart> part;
    // vereinigen: the tally of the parts, already counted.
    std::optional<core::RowTally> counted;
    // The reader of the text output: its language and decimal separator.
    core::Conventions reader;

    [[nodiscard]] bool csv() const { return format == Format::Csv || format == Format::CsvGerman; }
};

// The options and the range of a run; or, where the arguments ask for no run (--help,
// --version) or are wrong, the exit code once that is printed.
[[nodiscard]] std::variant<Options, int> readOptions(const QStringList& arguments);

// Prints the message and the usage line; returns the exit code of a wrong call.
int usage(const QString& message);

// Reports a failed write (nothing for a reader that went away) and returns the exit code.
int outputFailed(int error);

// Writes a text to standard output; returns the exit code.
int print(const QString& text);

}  // namespace cli
