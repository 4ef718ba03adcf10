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

// A string as JSON: the library escapes it where it has to; the keys and texts the program
// writes need none, which saves that work for every row of a long listing.
void writeString(std::string& out, const std::string& text) {
    for (const char c : text) {
        if (c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20 ||
            static_cast<unsigned char>(c) >= 0x80) {
            out += Json(text).dump();
            return;
        }
    }
    out += '"';
    out += text;
    out += '"';
}

template <typename Integer>
void writeInteger(std::string& out, Integer value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
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
            writeString(out, it.key());
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
    switch (value.type()) {
        case Json::value_t::object:
        case Json::value_t::array:
            writeContainer(out, value, depth);
            break;
        case Json::value_t::string:
            writeString(out, value.get_ref<const std::string&>());
            break;
        case Json::value_t::number_unsigned:
            writeInteger(out, value.get<std::uint64_t>());
            break;
        case Json::value_t::number_integer:
            writeInteger(out, value.get<std::int64_t>());
            break;
        case Json::value_t::number_float:
            writeDouble(out, value.get<double>());
            break;
        default:  // null, true, false
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
    std::string out = "{\n  ";
    writeString(out, key);
    out += ": [\n";
    return QString::fromStdString(out);
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
