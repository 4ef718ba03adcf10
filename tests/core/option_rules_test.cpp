#include "cli/option_rules.h"

#include <gtest/gtest.h>

namespace cli {
namespace {

std::string broken(const NamedOptions& named, RuleSet rules = RuleSet::CountedRun) {
    const auto message = brokenRule(named, rules);
    return message ? message->toStdString() : "none";
}

// Each rule refuses its own combination and lets the neighbouring ones pass.
TEST(OptionRules, EachRuleRefusesItsCombinationAlone) {
    NamedOptions csvRows;
    csvRows.rows = true;
    csvRows.models = true;
    csvRows.format = Format::CsvGerman;
    EXPECT_EQ(broken(csvRows),
              "--zeilen mit --format csv-de gibt die Tabelle der Zeilen aus; die Anpassung und "
              "die Modelle stehen in eigenen Tabellen (--tabelle).");
    csvRows.format = Format::Json;
    EXPECT_EQ(broken(csvRows), "none");

    NamedOptions table;
    table.table = true;
    EXPECT_EQ(broken(table), "--tabelle gilt nur mit --format csv oder csv-de.");
    table.format = Format::Csv;
    EXPECT_EQ(broken(table), "none");
    table.lengths = true;
    EXPECT_EQ(broken(table),
              "--tabelle wählt eine Tabelle eines Laufs; mit --zeilen oder --laengen ist die "
              "Tabelle schon gewählt.");

    NamedOptions stops;
    stops.progress = stops.quiet = true;
    EXPECT_EQ(broken(stops, RuleSet::EveryCall),
              "--fortschritt und --still schließen einander aus.");
}

// A merge takes none of the counting options, and says so itself: the rules between them are
// those of a counted run alone.
TEST(OptionRules, TheCountingRulesAreThoseOfACountedRun) {
    NamedOptions counting;
    counting.lengths = counting.rows = true;
    EXPECT_EQ(broken(counting, RuleSet::EveryCall), "none");
    EXPECT_EQ(broken(counting), "--laengen und --zeilen schließen einander aus.");
    counting.rows = false;
    counting.part = true;
    EXPECT_EQ(broken(counting), "--laengen und --teil schließen einander aus.");
    counting.lengths = false;
    counting.rows = true;
    EXPECT_EQ(broken(counting), "--teil und --zeilen schließen einander aus.");
    // The first broken rule is the one reported: a rule of every call before a counting one.
    counting.progress = counting.quiet = true;
    EXPECT_EQ(broken(counting), "--fortschritt und --still schließen einander aus.");
}

}  // namespace
}  // namespace cli
