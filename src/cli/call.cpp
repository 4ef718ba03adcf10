#include "call.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

#include "cli/options.h"

namespace cli {
namespace {

// Each option with its names and, where it takes one, the name of its value; in the order of
// Name.
struct OptionEntry {
    Name name;
    const char* shortName;
    const char* longName;
    const char* value;
};
constexpr OptionEntry kOptionTable[] = {
    {Name::Help, "h", "help", nullptr},           {Name::Version, "v", "version", nullptr},
    {Name::Rows, nullptr, "zeilen", nullptr},     {Name::Fit, nullptr, "anpassung", nullptr},
    {Name::Models, nullptr, "modelle", nullptr},  {Name::Format, nullptr, "format", "FORMAT"},
    {Name::Threads, nullptr, "threads", "N"},     {Name::Progress, nullptr, "fortschritt", nullptr},
    {Name::Quiet, nullptr, "still", nullptr},     {Name::Lengths, nullptr, "laengen", "A..B"},
    {Name::Table, nullptr, "tabelle", "TABELLE"}, {Name::Part, nullptr, "teil", "K/N"},
    {Name::Heights, nullptr, "hoehen", "H1,H2"},  {Name::Window, nullptr, "fenster", "F"},
};

constexpr bool entriesInOrderOfName() {
    for (std::size_t i = 0; i < std::size(kOptionTable); ++i) {
        if (static_cast<std::size_t>(kOptionTable[i].name) != i) {
            return false;
        }
    }
    return true;
}
static_assert(entriesInOrderOfName(), "an option is found by its Name as an index");

}  // namespace

Call::Call() {
    for (const OptionEntry& entry : kOptionTable) {
        QStringList names;
        if (entry.shortName != nullptr) {
            names.append(QString::fromLatin1(entry.shortName));
        }
        names.append(QString::fromLatin1(entry.longName));
        m_options.emplace_back(
            names, QString(),
            entry.value != nullptr ? QString::fromLatin1(entry.value) : QString());
    }
    m_parser.addOptions({m_options.begin(), m_options.end()});
}

bool Call::takesValue(const QString& argument) {
    return std::any_of(std::begin(kOptionTable), std::end(kOptionTable),
                       [&](const OptionEntry& entry) {
                           return entry.value != nullptr &&
                                  argument == QStringLiteral("--") + QLatin1String(entry.longName);
                       });
}

std::variant<std::unique_ptr<Call>, int> Call::parse(const QStringList& arguments) {
    std::unique_ptr<Call> call(new Call);
    QStringList given = arguments;
    call->m_merging = given.size() > 1 && given[1] == u"vereinigen";
    if (call->m_merging) {
        given.removeAt(1);
    }
    if (const auto code = call->parseArguments(given)) {
        return *code;
    }
    return call;
}

std::optional<int> Call::parseArguments(QStringList given) {
    // A negative number would read as a row of short options: where it stands for VON, BIS or
    // LÄNGE it is handed on as a stand-in and named as given once the parser is done. The value
    // of an option is never one of the numbers, negative or not.
    QStringList negatives;
    for (qsizetype i = 1; i < given.size(); ++i) {
        const QString& argument = given[i];
        if (argument.size() > 1 && argument[0] == u'-' && argument[1].isDigit() &&
            !takesValue(given[i - 1])) {
            negatives.append(argument);
            given[i] = QString(QChar(0xE000)) + QString::number(negatives.size() - 1);
        }
    }
    if (!m_parser.parse(given)) {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return usage(
                QCoreApplication::translate("primzeilen-cli", "unbekannte Option „%1%2“.")
                    .arg(unknown.front().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                         unknown.front()));
        }
        // Qt's own messages quote with '…'; ours with the quotes of the reader's language.
        static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
        return usage(m_parser.errorText().replace(
            quoted,
            QCoreApplication::translate("primzeilen-cli", "„%1“").arg(QStringLiteral("\\1"))));
    }
    for (const OptionEntry& entry : kOptionTable) {
        if (entry.value != nullptr && m_parser.values(option(entry.name)).size() > 1) {
            return usage(QCoreApplication::translate("primzeilen-cli",
                                                     "Option „--%1“ ist mehrfach angegeben.")
                             .arg(QLatin1String(entry.longName)));
        }
    }
    m_numbers = m_parser.positionalArguments();
    for (QString& number : m_numbers) {
        if (number.startsWith(QChar(0xE000))) {
            number = negatives.at(number.mid(1).toInt());
        }
    }
    return std::nullopt;
}

}  // namespace cli
