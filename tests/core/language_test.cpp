#include "engine/texts/language.h"

#include <gtest/gtest.h>

#include <string_view>

namespace core {
namespace {

struct EnvironmentCase {
    std::string_view language;
    std::string_view lcAll;
    std::string_view lcMessages;
    std::string_view lang;
    Language expected;
};

// The choice gettext and Qt programs make: LC_ALL before LC_MESSAGES before LANG; LANGUAGE
// first, except under C; a language without texts falls through to the next, and at the end to
// the program's own German.
TEST(Language, FromTheEnvironmentAsGettextChooses) {
    constexpr Language de = Language::German;
    constexpr Language en = Language::English;
    const EnvironmentCase cases[] = {
        {"", "", "", "", de},
        {"", "", "", "C", de},
        {"", "", "", "C.UTF-8", de},
        {"", "", "", "POSIX", de},
        {"en", "", "", "C.UTF-8", de},  // LANGUAGE counts only beside a real locale
        {"", "", "", "en_US.UTF-8", en},
        {"", "", "", "en_GB", en},
        {"", "", "", "de_DE.UTF-8", de},
        {"", "", "", "de_AT.UTF-8@euro", de},
        {"", "", "", "fr_FR.UTF-8", de},
        {"", "de_DE.UTF-8", "", "en_US.UTF-8", de},
        {"", "", "de_CH.UTF-8", "en_US.UTF-8", de},
        {"", "en_US.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8", en},
        {"", "C", "", "en_US.UTF-8", de},
        {"en_GB:de", "", "", "de_DE.UTF-8", en},
        {"fr:de:en", "", "", "en_US.UTF-8", de},
        {"fr:it", "", "", "en_US.UTF-8", en},
        {"de", "", "", "en_US.UTF-8", de},
        {"eng", "", "", "de_DE.UTF-8", de},
    };
    for (const EnvironmentCase& c : cases) {
        EXPECT_EQ(languageFromEnvironment(c.language, c.lcAll, c.lcMessages, c.lang), c.expected)
            << "LANGUAGE=" << c.language << " LC_ALL=" << c.lcAll << " LC_MESSAGES=" << c.lcMessages
            << " LANG=" << c.lang;
    }
}

TEST(Language, GermanIsTheSourceAndAnUnknownTextStaysAsItIs) {
    const char* source = "Ein Text, den kein Katalog kennt.";
    EXPECT_EQ(translate(Language::German, "core::Failure", source), source);
    EXPECT_EQ(translate(Language::English, "core::Failure", source), source);
    EXPECT_EQ(translate(Language::English, "kein Kontext", source), source);
}

}  // namespace
}  // namespace core
