#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <clocale>
#include <string>

#include "core/conversions.h"
#include "core/frequency_summary.h"
#include "engine/failures.h"

namespace core {
namespace {

// Puts a few of the core's German texts into English, as a translation file would.
class EnglishTexts final : public QTranslator {
public:
    [[nodiscard]] bool isEmpty() const override { return false; }
    [[nodiscard]] QString translate(const char* context, const char* source,
                                    const char* /*disambiguation*/, int /*n*/) const override {
        const QString text = QString::fromUtf8(context) + u'|' + QString::fromUtf8(source);
        if (text == u"core::Summary|Primz/Zeile: Anzahl, relative Häufigkeit") {
            return QStringLiteral("Primes/row: count, relative frequency");
        }
        if (text == u"core::Summary|%1-mal,") {
            return QStringLiteral("%1 times,");
        }
        if (text == u"core::Failure|„%1“ ist keine gültige ganze Zahl.") {
            return QStringLiteral("\"%1\" is not a valid integer.");
        }
        return {};
    }
};

// The texts come from the translation, the columns and numbers around them stay where they were,
// and a text the translation does not know stays German.
TEST(Translation, TheCoreTextsFollowAnInstalledTranslator) {
    // The application takes the locale of the environment; the other tests of this program
    // run in the one they started with.
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    int argc = 1;
    char name[] = "core_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    EnglishTexts english;
    QCoreApplication::installTranslator(&english);
    const QChar separator = decimalSeparator();
    setDecimalSeparator(u',');

    RowTally tally;
    tally.rows[0] = 3;
    tally.rows[1] = 1;
    tally.primes = 1;
    const QStringList lines = summarizeFrequencies(tally).lines;
    ASSERT_EQ(lines.size(), 27);
    EXPECT_EQ(lines[1].toStdString(), "Primes/row: count, relative frequency");
    EXPECT_EQ(lines[2].toStdString(), "  0   :      3 times,     0,75000");
    EXPECT_EQ(lines[3].toStdString(), "  1   :      1 times,     0,25000");
    EXPECT_EQ(lines[24].toStdString(), " Summe:    4       1,00000");

    try {
        (void)parseInteger(QStringLiteral("12a"));
        ADD_FAILURE() << "no failure";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.message().toStdString(), "\"12a\" is not a valid integer.");
    }

    setDecimalSeparator(separator);
    QCoreApplication::removeTranslator(&english);
    std::setlocale(LC_ALL, locale.c_str());
}

}  // namespace
}  // namespace core
