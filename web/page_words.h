#pragma once

#include <string>

#include "engine/texts/language.h"
#include "engine/texts/model_text.h"
#include "engine/texts/number_text.h"
#include "engine/texts/summary_text.h"

// The engine's words in the language of the page that asks, for the texts it writes there.
namespace web {

struct Words {
    core::Language language = core::Language::German;
    core::SummaryWords summary;
    core::LegendWords legend;
};

// The words of the language a page names ("de", "en"; any other is German). Sets the engine's
// decimal separator to the language's ("," or "."), for the texts of the call that asks.
[[nodiscard]] Words wordsFor(const std::string& code);

// A failure's message, written by the engine in German, in `language`; a message the page does
// not know stays as it is.
[[nodiscard]] std::string failureText(const std::string& german, core::Language language);

}  // namespace web
