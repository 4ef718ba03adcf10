#pragma once

#include <QString>
#include <nlohmann/json.hpp>

#include "engine/rows/rows.h"

namespace core {

// A JSON value as the program writes it: keys in the order they were added.
using Json = nlohmann::ordered_json;

// A number of a range, 0 to 2^64-1 (or below 0 in the windows' ranges), as an exact integer.
[[nodiscard]] Json jsonNumber(Number value);

// The layout every JSON output of the program has, so that a person can read it and a line-based
// tool can pick out one entry: the outer object one member a line; a member that holds objects
// or arrays one element a line, indented by two more spaces; everything deeper on one line, as
// {"k": 0, "zeilen": 2} or [1, 2]. Doubles in the shortest form that reads back exactly (no
// ".0" on whole ones), infinities and NaN as null. Ends with a line end.
[[nodiscard]] QString jsonText(const Json& object);

// An object that begins with a list too long to hold, written element by element: the object's
// opening up to the list's first element, then each element (one line each, without its comma),
// then the list's end and the object's other members, laid out as jsonText lays them out.
[[nodiscard]] QString jsonListOpening(const char* key);
[[nodiscard]] QString jsonListElement(const Json& element);
[[nodiscard]] QString jsonListClosing(const Json& otherMembers);

}  // namespace core
