#include "language.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

namespace core {

namespace {

struct CatalogueEntry {
    const char* context;
    const char* source;
    const char* translation;
};

// Generated from translations/engine_en.ts by cmake/text_table.cmake.
constexpr CatalogueEntry kEnglish[] = {
#include "engine_catalogue_en.inc"
    {nullptr, nullptr, nullptr},
};

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

bool isPlainC(std::string_view locale) {
    return locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

}  // namespace

bool spokenLanguage(std::string_view name, Language& result) {
    const std::size_t end = name.find_first_of("_-.@");
    const std::string_view code = name.substr(0, end);
    if (code == "en") {
        result = Language::English;
        return true;
    }
    if (code == "de") {
        result = Language::German;
        return true;
    }
    return false;
}

Language languageFromEnvironment(std::string_view language, std::string_view lcAll,
                                 std::string_view lcMessages, std::string_view lang) {
    const std::string_view locale =
        !lcAll.empty() ? lcAll : (!lcMessages.empty() ? lcMessages : lang);
    if (isPlainC(locale)) {
        return Language::German;
    }
    Language result = Language::German;
    while (!language.empty()) {
        const std::size_t colon = language.find(':');
        if (spokenLanguage(language.substr(0, colon), result)) {
            return result;
        }
        language =
            colon == std::string_view::npos ? std::string_view() : language.substr(colon + 1);
    }
    return spokenLanguage(locale, result) ? result : Language::German;
}

Language languageFromEnvironment() {
    return languageFromEnvironment(variable("LANGUAGE"), variable("LC_ALL"),
                                   variable("LC_MESSAGES"), variable("LANG"));
}

const char* translate(Language language, const char* context, const char* source) {
    if (language == Language::German) {
        return source;
    }
    static const auto* const table = [] {
        auto* map = new std::unordered_map<std::string, const char*>;
        for (const CatalogueEntry& entry : kEnglish) {
            if (entry.source != nullptr && entry.translation[0] != '\0') {
                map->emplace(std::string(entry.context) + '\x04' + entry.source, entry.translation);
            }
        }
        return map;
    }();
    const auto found = table->find(std::string(context) + '\x04' + source);
    return found == table->end() ? source : found->second;
}

}  // namespace core
