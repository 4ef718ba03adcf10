#include <gtest/gtest.h>

#include "cli/option_rules.h"
#include "cli/options.h"

namespace cli {
namespace {

std::variant<Options, int> read(QStringList arguments) {
    arguments.prepend(QStringLiteral("primzeilen-cli"));
    return readOptions(arguments);
}

// The options of a call that must be taken, or a failed test.
Options accepted(const QStringList& arguments) {
    const auto read = cli::read(arguments);
    EXPECT_TRUE(std::holds_alternative<Options>(read)) << arguments.join(u' ').toStdString();
    return std::holds_alternative<Options>(read) ? std::get<Options>(read) : Options{};
}

bool refused(const QStringList& arguments) {
    const auto read = cli::read(arguments);
    return std::holds_alternative<int>(read) && std::get<int>(read) == kUsage;
}

TEST(SweepOptions, LengthsAsARangeOrAList) {
    const Options range = accepted({"--laengen", "89..91", "1", "45000"});
    EXPECT_EQ(*range.lengths, (std::vector<std::uint32_t>{89, 90, 91}));
    const Options list = accepted({"--laengen", "100,10^3,1e4,10000000", "1e12", "1000002000000"});
    EXPECT_EQ(*list.lengths, (std::vector<std::uint32_t>{100, 1000, 10000, 10'000'000}));
    EXPECT_EQ(list.from, core::Number{1'000'000'000'000});
    EXPECT_EQ(*accepted({"--laengen", "7", "1", "100"}).lengths, std::vector<std::uint32_t>{7});
    for (const char* wrong :
         {"0,5", "5,10000001", "5,5", "5,,6", "5,x", ",5", "5..10000001", "1..1001", "5..4"}) {
        EXPECT_TRUE(refused({"--laengen", wrong, "1", "100"})) << wrong;
    }
    QStringList thousand;
    for (int length = 1; length <= 1001; ++length) {
        thousand << QString::number(length);
    }
    EXPECT_TRUE(refused({"--laengen", thousand.join(u','), "1", "100"}));
    thousand.removeLast();
    EXPECT_EQ(accepted({"--laengen", thousand.join(u','), "1", "100"}).lengths->size(), 1000U);
}

TEST(SweepOptions, HeightsWindowAndLengths) {
    const Options sweep = accepted({"--hoehen", "1e9,10^12,0", "--fenster", "2e8", "100"});
    EXPECT_EQ(sweep.heights, (std::vector<core::Number>{1'000'000'000, 1'000'000'000'000, 0}));
    EXPECT_EQ(sweep.window, core::Number{200'000'000});
    EXPECT_EQ(*sweep.lengths, std::vector<std::uint32_t>{100});
    const Options lengths =
        accepted({"--hoehen", "1e12", "--fenster", "1e6", "--laengen", "1000,10", "--modelle"});
    EXPECT_EQ(*lengths.lengths, (std::vector<std::uint32_t>{1000, 10}));
    // The window may end at 2^64-1 and no further; it holds a row of the longest length.
    accepted({"--hoehen", "18446744073709551515", "--fenster", "100", "100"});
    EXPECT_TRUE(refused({"--hoehen", "18446744073709551516", "--fenster", "100", "100"}));
    EXPECT_TRUE(refused({"--hoehen", "1e12", "--fenster", "999", "--laengen", "10,1000"}));
    EXPECT_TRUE(refused({"--hoehen", "1e12", "--fenster", "0", "1"}));
    EXPECT_TRUE(refused({"--hoehen", "1e12,", "--fenster", "100", "10"}));
    EXPECT_TRUE(refused({"--hoehen", "-1", "--fenster", "100", "10"}));
    EXPECT_TRUE(refused({"--hoehen", "1e20", "--fenster", "100", "10"}));
    // LÄNGE alone, or the lengths of --laengen and no number.
    EXPECT_TRUE(refused({"--hoehen", "1e12", "--fenster", "100"}));
    EXPECT_TRUE(refused({"--hoehen", "1e12", "--fenster", "100", "1", "100", "10"}));
    EXPECT_TRUE(refused({"--hoehen", "1e12", "--fenster", "100", "--laengen", "10", "10"}));
    EXPECT_TRUE(refused({"--hoehen", "1e12", "--fenster", "100", "10000001"}));
    // At most 10,000 records, heights times lengths, so that a sweep stays within its memory.
    QStringList hundred;
    QStringList lengthList;
    for (int i = 1; i <= 100; ++i) {
        hundred << QString::number(i * 1000);
        lengthList << QString::number(i);
    }
    EXPECT_EQ(accepted({"--hoehen", hundred.join(u','), "--fenster", "1000", "--laengen",
                        lengthList.join(u',')})
                  .heights.size(),
              100U);
    lengthList << QStringLiteral("101");
    EXPECT_TRUE(refused(
        {"--hoehen", hundred.join(u','), "--fenster", "1000", "--laengen", lengthList.join(u',')}));
}

TEST(SweepOptions, RulesBetweenTheSweepAndOtherOptions) {
    EXPECT_TRUE(refused({"--hoehen", "1e12", "100"}));
    EXPECT_TRUE(refused({"--fenster", "100", "1", "100", "10"}));
    EXPECT_TRUE(refused({"--hoehen", "1e12", "--fenster", "100", "--zeilen", "10"}));
    EXPECT_TRUE(refused({"--hoehen", "1e12", "--fenster", "100", "--teil", "1/2", "10"}));
    EXPECT_TRUE(refused({"--hoehen", "1e12", "--fenster", "100", "--format", "csv", "--tabelle",
                         "anpassung", "10"}));
    EXPECT_TRUE(refused({"vereinigen", "--hoehen", "1e12", "teil.json"}));
    EXPECT_TRUE(refused({"vereinigen", "--fenster", "100", "teil.json"}));

    NamedOptions named;
    named.heights = named.window = true;
    EXPECT_FALSE(brokenRule(named, RuleSet::CountedRun));
    named.window = false;
    EXPECT_EQ(brokenRule(named, RuleSet::CountedRun)->toStdString(), "--hoehen braucht --fenster.");
    named.window = true;
    named.merging = true;
    EXPECT_EQ(brokenRule(named, RuleSet::EveryCall)->toStdString(),
              "vereinigen nimmt weder --hoehen noch --fenster.");
}

}  // namespace
}  // namespace cli
