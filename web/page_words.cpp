#include "page_words.h"

#include <cstring>
#include <string_view>

namespace web {

namespace {

struct CatalogueEntry {
    const char* context;
    const char* source;
    const char* translation;
};

// Generated from translations/page_core_en.ts by cmake/text_table.cmake.
constexpr CatalogueEntry kEnglish[] = {
#include "page_core_catalogue_en.inc"
    {nullptr, nullptr, nullptr},
};

// The engine's catalogue first, then the page's for the words that the page hands the engine.
std::string translated(core::Language language, const char* context, const char* source) {
    const char* text = core::translate(language, context, source);
    if (language == core::Language::German || text != source) {
        return text;
    }
    for (const CatalogueEntry& entry : kEnglish) {
        if (entry.source != nullptr && std::strcmp(entry.context, context) == 0 &&
            std::strcmp(entry.source, source) == 0) {
            return entry.translation;
        }
    }
    return source;
}

// What the engine's failures say, "%1" standing for the number or text they quote.
constexpr const char* kFailures[] = {
    QT_TRANSLATE_NOOP("core::Failure", "„%1“ ist keine gültige ganze Zahl."),
    QT_TRANSLATE_NOOP("core::Failure", "„%1“ ist kein gültiger Gleitkommawert."),
    QT_TRANSLATE_NOOP("core::Failure", "Gleitkommadivision durch Null."),
    QT_TRANSLATE_NOOP("core::Failure", "Ungültige Gleitkommaoperation."),
    QT_TRANSLATE_NOOP("core::Failure", "Die Zahl %1 liegt außerhalb des Bereichs dieser Rechnung."),
    QT_TRANSLATE_NOOP("core::Failure", "Die Anzahl Zahlen pro Zeile muss mindestens 1 sein."),
};

}  // namespace

Words wordsFor(const std::string& code) {
    Words words;
    if (!core::spokenLanguage(code, words.language)) {
        words.language = core::Language::German;
    }
    core::setDecimalSeparatorCode(words.language == core::Language::English ? U'.' : U',');
    const auto word = [&](const char* context, const char* source) {
        return translated(words.language, context, source);
    };
    words.summary = {
        word("core::Summary", QT_TRANSLATE_NOOP("core::Summary", "%1-mal,")),
        word("core::Summary",
             QT_TRANSLATE_NOOP("core::Summary", "Primz/Zeile: Anzahl, relative Häufigkeit")),
        word("core::Summary", QT_TRANSLATE_NOOP("core::Summary", "Summe:")),
        word("core::Summary", QT_TRANSLATE_NOOP("core::Summary", "Primzahlen gesamt:")),
    };
    words.legend = {
        word("core::Legend", QT_TRANSLATE_NOOP("core::Legend", "h(x): beobachtete Häufigkeiten")),
        word("core::Legend", QT_TRANSLATE_NOOP("core::Legend", "Momente B(%1;%2): TV %3")),
        word("core::Legend", QT_TRANSLATE_NOOP("core::Legend", "Cramér-Modell: TV %1")),
        word("core::Legend", QT_TRANSLATE_NOOP("core::Legend", "Poisson (Gallagher): TV %1")),
        word("core::Legend", QT_TRANSLATE_NOOP("core::Legend", "Montgomery–Soundararajan: TV %1")),
        word("core::Legend",
             QT_TRANSLATE_NOOP("core::Legend", "TV: Anteil der Zeilen, die anders liegen")),
    };
    return words;
}

std::string failureText(const std::string& german, core::Language language) {
    for (const char* source : kFailures) {
        const std::string_view pattern(source);
        const std::size_t at = pattern.find("%1");
        const std::string_view before = pattern.substr(0, at);
        const std::string_view after =
            at == std::string_view::npos ? std::string_view() : pattern.substr(at + 2);
        const bool matches = at == std::string_view::npos
                                 ? german == pattern
                                 : german.size() >= before.size() + after.size() &&
                                       german.starts_with(before) && german.ends_with(after);
        if (!matches) {
            continue;
        }
        std::string text = translated(language, "core::Failure", source);
        const std::size_t slot = text.find("%1");
        if (at != std::string_view::npos && slot != std::string::npos) {
            text.replace(slot, 2,
                         german.substr(before.size(), german.size() - before.size() - after.size()));
        }
        return text;
    }
    return german;
}

}  // namespace web
