#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/rows/window_range.h"
#include "engine/texts/language.h"

// What the page's core hands between the page and the engine: the fields as the page typed them,
// why a range is refused, the page's reader, arrays of texts and numbers.
namespace web {

using emscripten::val;

// The page's name of a field: "laenge", "von", "bis".
[[nodiscard]] const char* fieldName(core::WindowField field);

// The page's three field texts under the windows' rules; remembers which field was read last,
// the one a failure is about.
class PageFields final : public core::WindowFields {
public:
    PageFields(std::string from, std::string to, std::string length, val& result)
        : m_texts{std::move(length), std::move(from), std::move(to)}, m_result(result) {}

    std::string text(core::WindowField field) override {
        m_lastRead = field;
        return m_texts[static_cast<int>(field)];
    }
    void rowLengthRead(std::int32_t length) override {
        m_length = length;
        m_result.set("laenge", length);
    }
    void write(core::WindowField field, const std::string& text) override {
        m_result.set(fieldName(field), text);
    }
    [[nodiscard]] core::WindowField lastRead() const { return m_lastRead; }
    [[nodiscard]] std::int32_t length() const { return m_length; }

private:
    std::string m_texts[3];
    val& m_result;
    core::WindowField m_lastRead = core::WindowField::RowLength;
    std::int32_t m_length = 0;
};

[[nodiscard]] val stringArray(const std::vector<std::string>& texts);

template <class Numbers>
val numberArray(const Numbers& numbers) {
    val array = val::array();
    for (const double number : numbers) {
        array.call<void>("push", number);
    }
    return array;
}

// Why the windows' rules refuse a range they read without a failure: the typed bounds and the
// bounds adjusted to whole rows. The page words the reason; this names it and the field at fault.
[[nodiscard]] std::pair<const char*, const char*> rangeRefusal(std::int64_t lower,
                                                               std::int64_t upper,
                                                               core::Number first,
                                                               core::Number last);

// Marks the result as refused for `reason`, the field at fault `field`.
void refuse(val& result, const char* reason, const char* field);

// The page's reader: its language ("de", "en"; any other is German), and the decimal separator
// that goes with it.
[[nodiscard]] core::Conventions readerFor(const std::string& code);

}  // namespace web
