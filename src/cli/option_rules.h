#pragma once

#include <QString>
#include <optional>

#include "cli/options.h"

namespace cli {

// What a call names, as far as the rules between options look at it.
struct NamedOptions {
    bool rows = false;      // --zeilen
    bool fit = false;       // --anpassung
    bool models = false;    // --modelle
    bool table = false;     // --tabelle
    bool lengths = false;   // --laengen
    bool part = false;      // --teil
    bool heights = false;   // --hoehen
    bool window = false;    // --fenster
    bool merging = false;   // vereinigen
    bool progress = false;  // --fortschritt
    bool quiet = false;     // --still
    Format format = Format::Text;
};

// Which rules apply: those of every call, or also those of a run that counts (a merge refuses
// the counting options as a whole).
enum class RuleSet { EveryCall, CountedRun };

// The message of the first rule between options that the call breaks, in the user's language;
// none where it keeps them all.
[[nodiscard]] std::optional<QString> brokenRule(const NamedOptions& named, RuleSet rules);

}  // namespace cli
