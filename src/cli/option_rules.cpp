#include "option_rules.h"

#include <QCoreApplication>

namespace cli {
namespace {

bool csv(Format format) {
    return format == Format::Csv || format == Format::CsvGerman;
}

// A rule: a call for which `broken` holds is refused with `message` ("%1": the format's name).
struct Rule {
    bool (*broken)(const NamedOptions&);
    const char* message;
    RuleSet set;
};

// In the order in which they are checked: the first broken rule is the one reported.
const Rule kRules[] = {
    {[](const NamedOptions& n) { return n.table && !csv(n.format); },
     QT_TRANSLATE_NOOP("primzeilen-cli", "--tabelle gilt nur mit --format csv oder csv-de."),
     RuleSet::EveryCall},
    {[](const NamedOptions& n) { return n.table && (n.rows || n.lengths); },
     QT_TRANSLATE_NOOP("primzeilen-cli",
                       "--tabelle wählt eine Tabelle eines Laufs; mit --zeilen oder --laengen ist "
                       "die Tabelle schon gewählt."),
     RuleSet::EveryCall},
    {[](const NamedOptions& n) { return n.table && n.heights; },
     QT_TRANSLATE_NOOP("primzeilen-cli",
                       "--tabelle wählt eine Tabelle eines Laufs; mit --hoehen ist die Tabelle "
                       "schon gewählt."),
     RuleSet::EveryCall},
    {[](const NamedOptions& n) { return csv(n.format) && n.rows && (n.fit || n.models); },
     QT_TRANSLATE_NOOP("primzeilen-cli",
                       "--zeilen mit --format %1 gibt die Tabelle der Zeilen aus; die Anpassung "
                       "und die Modelle stehen in eigenen Tabellen (--tabelle)."),
     RuleSet::EveryCall},
    {[](const NamedOptions& n) { return n.progress && n.quiet; },
     QT_TRANSLATE_NOOP("primzeilen-cli", "--fortschritt und --still schließen einander aus."),
     RuleSet::EveryCall},
    {[](const NamedOptions& n) { return n.lengths && n.rows; },
     QT_TRANSLATE_NOOP("primzeilen-cli", "--laengen und --zeilen schließen einander aus."),
     RuleSet::CountedRun},
    {[](const NamedOptions& n) { return n.lengths && n.part; },
     QT_TRANSLATE_NOOP("primzeilen-cli", "--laengen und --teil schließen einander aus."),
     RuleSet::CountedRun},
    {[](const NamedOptions& n) { return n.merging && (n.heights || n.window); },
     QT_TRANSLATE_NOOP("primzeilen-cli", "vereinigen nimmt weder --hoehen noch --fenster."),
     RuleSet::EveryCall},
    {[](const NamedOptions& n) { return n.heights && !n.window; },
     QT_TRANSLATE_NOOP("primzeilen-cli", "--hoehen braucht --fenster."), RuleSet::CountedRun},
    {[](const NamedOptions& n) { return n.window && !n.heights; },
     QT_TRANSLATE_NOOP("primzeilen-cli", "--fenster gilt nur mit --hoehen."), RuleSet::CountedRun},
    {[](const NamedOptions& n) { return n.heights && n.rows; },
     QT_TRANSLATE_NOOP("primzeilen-cli", "--hoehen und --zeilen schließen einander aus."),
     RuleSet::CountedRun},
    {[](const NamedOptions& n) { return n.heights && n.part; },
     QT_TRANSLATE_NOOP("primzeilen-cli", "--hoehen und --teil schließen einander aus."),
     RuleSet::CountedRun},
    // The rows of a part alone could not be merged into the whole run's listing.
    {[](const NamedOptions& n) { return n.part && n.rows; },
     QT_TRANSLATE_NOOP("primzeilen-cli", "--teil und --zeilen schließen einander aus."),
     RuleSet::CountedRun},
};

}  // namespace

std::optional<QString> brokenRule(const NamedOptions& named, RuleSet rules) {
    for (const Rule& rule : kRules) {
        if ((rule.set == RuleSet::EveryCall || rules == RuleSet::CountedRun) &&
            rule.broken(named)) {
            QString message = QCoreApplication::translate("primzeilen-cli", rule.message);
            return message.contains(u"%1") ? message.arg(formatName(named.format)) : message;
        }
    }
    return std::nullopt;
}

}  // namespace cli
