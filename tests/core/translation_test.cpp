#include <gtest/gtest.h>

#include <QCoreApplication>
#include <clocale>
#include <string>

#include "cli/report.h"
#include "core/conversions.h"
#include "core/translations.h"
#include "engine/failures.h"
#include "engine/rows/window_range.h"
#include "engine/statistics/models.h"
#include "engine/texts/model_text.h"
#include "engine/texts/summary_text.h"

namespace core {
namespace {

const Conventions kGerman{Language::German, U','};
const Conventions kEnglish{Language::English, U'.'};

// Three rows without a prime and one with one; no row above 20.
RowTally smallTally() {
    RowTally tally;
    tally.rows[0] = 3;
    tally.rows[1] = 1;
    tally.primes = 1;
    return tally;
}

// The German lines are the listing's as it always was, whatever the separator; the English
// lines change the words only, never a column or a number.
TEST(Translation, TheSummaryInEachLanguageKeepsItsColumns) {
    const SummaryText german = summaryText(smallTally(), kGerman);
    ASSERT_EQ(german.lines.size(), 27U);
    EXPECT_EQ(german.lines[0], " ");
    EXPECT_EQ(german.lines[1], "Primz/Zeile: Anzahl, relative Häufigkeit");
    EXPECT_EQ(german.lines[2], "  0   :      3-mal,     0,75000");
    EXPECT_EQ(german.lines[3], "  1   :      1-mal,     0,25000");
    EXPECT_EQ(german.lines[22], " 20   :      0-mal,     0,00000");
    EXPECT_EQ(german.lines[23], "");
    EXPECT_EQ(german.lines[24], " Summe:    4       1,00000");
    EXPECT_EQ(german.lines[26], " Primzahlen gesamt:     1");
    // German under a locale with a decimal point (C, POSIX): the words stay, the point comes.
    EXPECT_EQ(summaryText(smallTally(), {Language::German, U'.'}).lines[2],
              "  0   :      3-mal,     0.75000");

    const SummaryText english = summaryText(smallTally(), kEnglish);
    ASSERT_EQ(english.lines.size(), 27U);
    EXPECT_EQ(english.shares, german.shares);
    EXPECT_EQ(english.lines[1], "Primes/row: count, relative frequency");
    EXPECT_EQ(english.lines[2], "  0   :      3 rows,     0.75000");
    EXPECT_EQ(english.lines[3], "  1   :      1 row,      0.25000");  // as wide as "rows,"
    EXPECT_EQ(english.lines[24], " Total:    4       1.00000");
    EXPECT_EQ(english.lines[26], " Primes in all:     1");
    // The lines of counts above 20 (the command line's whole distribution) share the words and
    // the columns, the count as wide as the largest needs.
    EXPECT_EQ(countLine(1234, 4, 7, 0.5, kGerman), "1234   :      7-mal,     0,50000");
    EXPECT_EQ(countLine(21, 4, 1234567, 0.25, kEnglish), "  21   : 1234567 rows,     0.25000");
    EXPECT_EQ(countLine(21, 4, 1, 0.25, kEnglish), "  21   :      1 row,      0.25000");
    EXPECT_EQ(countLine(21, 4, 1, 0.25, kGerman), "  21   :      1-mal,     0,25000");
    EXPECT_EQ(sumLine(500, 1.0, kEnglish), " Total:    500       1.00000");
    // English with a decimal comma (an English speaker in a German locale).
    EXPECT_EQ(summaryText(smallTally(), {Language::English, U','}).lines[2],
              "  0   :      3 rows,     0,75000");
}

TEST(Translation, TheLegendAndTheRowLengthCellsFollowTheReader) {
    ModelComparison comparison;
    comparison.fit = {0.5058, 18};
    comparison.tvMoments = 0.0421;
    comparison.tvCramer = 0.1;
    comparison.tvPoisson = 0.25;
    comparison.tvMontgomery = 0.0126;
    const auto german = modelLegend(comparison, kGerman);
    EXPECT_EQ(german[0], "h(x): beobachtete Häufigkeiten");
    EXPECT_EQ(german[1], "Momente B(18;0,5058): TV 0,042");
    EXPECT_EQ(german[2], "Cramér-Modell: TV 0,100");
    EXPECT_EQ(german[3], "Poisson (Gallagher): TV 0,250");
    EXPECT_EQ(german[4], "Montgomery–Soundararajan: TV 0,013");
    EXPECT_EQ(german[5], "TV: Anteil der Zeilen, die anders liegen");
    const auto english = modelLegend(comparison, kEnglish);
    EXPECT_EQ(english[0], "h(x): observed shares");
    EXPECT_EQ(english[1], "Moments B(18;0.5058): TV 0.042");
    EXPECT_EQ(english[2], "Cramér's model: TV 0.100");
    EXPECT_EQ(english[4], "Montgomery–Soundararajan: TV 0.013");
    EXPECT_EQ(english[5], "TV: share of rows that lie differently");

    RowLengthResult result;
    result.length = 90;
    result.predictedN = 17.257;
    result.comparison = comparison;
    const std::vector<std::string> cells = rowLengthCells(result, kEnglish);
    ASSERT_EQ(cells.size(), 9U);
    EXPECT_EQ(cells[3], "0.5058");
    EXPECT_EQ(cells[4], "17.26");
    EXPECT_EQ(rowLengthCells(result, kGerman)[4], "17,26");
}

TEST(Translation, FailuresGiveTheirTextInEachLanguage) {
    try {
        (void)text::parseInteger("12a");
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.text(), "„12a“ ist keine gültige ganze Zahl.");
        EXPECT_EQ(failure.text(Language::German), failure.text());
        EXPECT_STREQ(failure.what(), "„12a“ ist keine gültige ganze Zahl.");
        // The argument goes into the English text as it stood, not translated.
        EXPECT_EQ(failure.text(Language::English), "\"12a\" is not a valid whole number.");
    }
    EXPECT_EQ(RowLengthError().text(Language::English), "The numbers per row must be at least 1.");
    EXPECT_EQ(FloatDivisionByZero().text(Language::English), "Floating-point division by zero.");
    EXPECT_EQ(InvalidFloatOperation().text(Language::English), "Invalid floating-point operation.");
    // A message made ready (already in the reader's language) stays as it was made.
    EXPECT_EQ(Failure(std::string("Schon übersetzt.")).text(Language::English), "Schon übersetzt.");
    // A text the catalogue does not know stays German.
    EXPECT_STREQ(translate(Language::English, "core::Failure", "Kein Katalogtext."),
                 "Kein Katalogtext.");
    EXPECT_STREQ(translate(Language::English, "core::Legend", "Gleitkommadivision durch Null."),
                 "Gleitkommadivision durch Null.");  // known, but in another context
}

// A length whose fit fails keeps its failure, which the command line's table gives in the
// reader's language; programs (JSON) read the German text, the same in every language.
TEST(Translation, ARowLengthsFailureIsGivenInTheReadersLanguage) {
    ScanControl control;
    // No number below 2 is a prime: every row holds none, and no binomial has a mean of zero.
    const std::vector<RowLengthResult> results = compareRowLengths(-1000, 0, {10}, 1, control);
    ASSERT_EQ(results.size(), 1U);
    ASSERT_TRUE(results[0].failure);
    EXPECT_EQ(results[0].failure->text(), "Ungültige Gleitkommaoperation.");
    const QStringList english = rowLengthLines(results, kEnglish);
    ASSERT_EQ(english.size(), 2);
    EXPECT_TRUE(english[1].endsWith(QStringLiteral(": Invalid floating-point operation.")))
        << english[1].toStdString();
    EXPECT_TRUE(rowLengthLines(results, kGerman)[1].endsWith(
        QStringLiteral(": Ungültige Gleitkommaoperation.")));
}

// The desktop and the command line show a failure through the installed translation, which is
// compiled from the same catalogue as the engine's table: both give the same English.
TEST(Translation, TheInstalledCatalogueGivesTheEnginesEnglish) {
    // The application takes the locale of the environment; the other tests of this program
    // run in the one they started with.
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    int argc = 1;
    char name[] = "core_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    installTranslations(application, Language::English);
    try {
        (void)parseInteger(QStringLiteral(" 4 5"));
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.message().toStdString(), "\" 4 5\" is not a valid whole number.");
        EXPECT_EQ(failure.message().toStdString(), failure.text(Language::English));
    }
    for (const char* source : {"Primz/Zeile: Anzahl, relative Häufigkeit", "%1-mal,", "Summe:"}) {
        EXPECT_EQ(QCoreApplication::translate("core::Summary", source).toStdString(),
                  translate(Language::English, "core::Summary", source));
    }
    std::setlocale(LC_ALL, locale.c_str());
}

}  // namespace
}  // namespace core
