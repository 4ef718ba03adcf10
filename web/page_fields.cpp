#include "page_fields.h"

namespace web {

const char* fieldName(core::WindowField field) {
    switch (field) {
        case core::WindowField::RowLength:
            return "laenge";
        case core::WindowField::Lower:
            return "von";
        case core::WindowField::Upper:
            break;
    }
    return "bis";
}

val stringArray(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts) {
        array.call<void>("push", text);
    }
    return array;
}

std::pair<const char*, const char*> rangeRefusal(std::int64_t lower, std::int64_t upper,
                                                 core::Number first, core::Number last) {
    if (lower > upper) {
        return {"vonGroesserBis", "von"};
    }
    if (first > last) {
        return {"keineZeile", "bis"};
    }
    if (first < -core::kRangeLimit || first > core::kRangeLimit) {
        return {"vonGrenze", "von"};
    }
    return {"bisGrenze", "bis"};
}

void refuse(val& result, const char* reason, const char* field) {
    result.set("ok", false);
    result.set("message", std::string());
    result.set("reason", std::string(reason));
    result.set("field", std::string(field));
}

core::Conventions readerFor(const std::string& code) {
    core::Language language = core::Language::German;
    if (!core::spokenLanguage(code, language)) {
        language = core::Language::German;
    }
    return {language, language == core::Language::English ? U'.' : U','};
}

}  // namespace web
