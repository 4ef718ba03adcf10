#pragma once

#include <string_view>

// Marks a German source text of a context for the translation tools (lupdate), as Qt's macro of
// the same name does; the engine has no Qt, so it defines the marker itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace core {

// The languages the program speaks. German is the language of every source text and the
// default; English comes from the catalogue (translations/*_en.ts).
enum class Language { German, English };

// The reader of a text: the language of its words and the decimal separator of its numbers.
// Every function that makes a text for people takes one; nothing is kept globally.
struct Conventions {
    Language language = Language::German;
    char32_t decimalSeparator = U',';
};

// The language as gettext and Qt programs choose it from the environment: the locale of
// messages is the first set of LC_ALL, LC_MESSAGES and LANG. Under "C" or "POSIX" (or none)
// that is the program's own German and LANGUAGE is ignored; otherwise the first language of the
// list LANGUAGE ("en_GB:de") that the program speaks, else the locale's own language. A
// language the program does not speak gives German.
[[nodiscard]] Language languageFromEnvironment(std::string_view language, std::string_view lcAll,
                                               std::string_view lcMessages, std::string_view lang);
// The same from this process's environment.
[[nodiscard]] Language languageFromEnvironment();

// The code of a language name as a locale or a browser writes it ("en_US.UTF-8", "en-GB",
// "de"): English for "en", German for "de", nothing else.
[[nodiscard]] bool spokenLanguage(std::string_view name, Language& result);

// The text of `source` (a German source text of `context`) in `language`: the catalogue's
// translation, or the source itself in German and where the catalogue has none.
[[nodiscard]] const char* translate(Language language, const char* context, const char* source);

}  // namespace core
