#pragma once

#include <QString>

namespace cli {

// The text of --help, in the user's language.
[[nodiscard]] QString helpText();

// The short usage line that follows the message of a wrong call.
[[nodiscard]] QString usageLine();

}  // namespace cli
