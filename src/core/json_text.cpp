#include "json_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace core {

namespace {

void writeValue(std::string& out, const Json& value, int depth);

void writeIndent(std::string& out, int depth) {
    out.append(static_cast<std::size_t>(depth) * 2, ' ');
}

void writeDouble(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

// Whether a container is written one element a line: the outer one always, the next level when
// it holds containers itself.
bool expanded(const Json& value, int depth) {
    if (depth == 0) {
        return true;
    }
    if (depth > 1) {
        return false;
    }
    for (const Json& element : value) {
        if (element.is_structured()) {
            return true;
        }
    }
    return false;
}

void writeContainer(std::string& out, const Json& value, int depth) {
    const bool object = value.is_object();
    out += object ? '{' : '[';
    if (value.empty()) {
        out += object ? '}' : ']';
        return;
    }
    const bool lines = expanded(value, depth);
    bool first = true;
    for (auto it = value.begin(); it != value.end(); ++it) {
        if (!first) {
            out += lines ? "," : ", ";
        }
        first = false;
        if (lines) {
            out += '\n';
            writeIndent(out, depth + 1);
        }
        if (object) {
            out += Json(it.key()).dump();
            out += ": ";
        }
        writeValue(out, *it, depth + 1);
    }
    if (lines) {
        out += '\n';
        writeIndent(out, depth);
    }
    out += object ? '}' : ']';
}

void writeValue(std::string& out, const Json& value, int depth) {
    if (value.is_structured()) {
        writeContainer(out, value, depth);
    } else if (value.is_number_float()) {
        writeDouble(out, value.get<double>());
    } else {
        out += value.dump();
    }
}

}  // namespace

Json jsonNumber(Number value) {
    if (value < 0) {
        return static_cast<std::int64_t>(value);
    }
    return static_cast<std::uint64_t>(value);
}

QString jsonText(const Json& object) {
    std::string out;
    writeValue(out, object, 0);
    out += '\n';
    return QString::fromStdString(out);
}

QString jsonListOpening(const char* key) {
    return QStringLiteral("{\n  ") + QString::fromStdString(Json(key).dump()) +
           QStringLiteral(": [\n");
}

QString jsonListElement(const Json& element) {
    std::string out = "    ";
    writeValue(out, element, 2);
    return QString::fromStdString(out);
}

QString jsonListClosing(const Json& otherMembers) {
    if (otherMembers.empty()) {
        return QStringLiteral("  ]\n}\n");
    }
    // The members as jsonText writes them, after its opening brace.
    return QStringLiteral("  ],") + jsonText(otherMembers).mid(1);
}

}  // namespace core
