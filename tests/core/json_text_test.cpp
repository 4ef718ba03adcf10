#include "cli/json_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace core {
namespace {

// The layout the program's outputs share, down to the third level, and the numbers in their
// exact forms: doubles as short as they read back, with no ".0"; 64-bit integers to the last
// digit; what JSON cannot hold as null.
TEST(JsonText, LaysOutLevelsAndWritesNumbersExactly) {
    const Json value{{"von", jsonNumber(kHighestNumber)},
                     {"unten", jsonNumber(-10'000'000)},
                     {"liste", {Json{{"k", 0}, {"anteil", 0.0}}, Json{{"k", 1}, {"anteil", 0.1}}}},
                     {"flach", {{"p", 0.5057627618169025}, {"klein", 1e-300}, {"nichts", nullptr}}},
                     {"tief", {{"werte", {1.0, 2.5e-7}}, {"inneres", {{"leer", Json::array()}}}}},
                     {"unendlich", {std::numeric_limits<double>::infinity(), std::nan("")}},
                     {"text", "O+\"\\"}};
    EXPECT_EQ(jsonText(value).toStdString(),
              "{\n"
              "  \"von\": 18446744073709551615,\n"
              "  \"unten\": -10000000,\n"
              "  \"liste\": [\n"
              "    {\"k\": 0, \"anteil\": 0},\n"
              "    {\"k\": 1, \"anteil\": 0.1}\n"
              "  ],\n"
              "  \"flach\": {\"p\": 0.5057627618169025, \"klein\": 1e-300, \"nichts\": null},\n"
              "  \"tief\": {\n"
              "    \"werte\": [1, 2.5e-07],\n"
              "    \"inneres\": {\"leer\": []}\n"
              "  },\n"
              "  \"unendlich\": [null, null],\n"
              "  \"text\": \"O+\\\"\\\\\"\n"
              "}\n");
}

// A list written element by element makes the same text as the whole object at once, with or
// without members after it.
TEST(JsonText, AListWrittenInPiecesIsTheWholeObject) {
    const Json rows{Json{{"erste_zahl", 1}, {"markierung", "+OO"}},
                    Json{{"erste_zahl", 4}, {"markierung", "+O+"}}};
    for (const Json& rest : {Json::object(), Json{{"von", 1}, {"haeufigkeit", {1, 2}}}}) {
        Json whole{{"zeilenliste", rows}};
        whole.update(rest);
        const QString pieces = jsonListOpening("zeilenliste") + jsonListElement(rows[0]) +
                               QStringLiteral(",\n") + jsonListElement(rows[1]) + u'\n' +
                               jsonListClosing(rest);
        EXPECT_EQ(pieces.toStdString(), jsonText(whole).toStdString());
    }
}

}  // namespace
}  // namespace core
