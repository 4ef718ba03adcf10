#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace cli {

// The options a call may name.
enum class Name {
    Help,
    Version,
    Rows,
    Fit,
    Models,
    Format,
    Threads,
    Progress,
    Quiet,
    Lengths,
    Table,
    Part,
    Heights,
    Window
};

// The command line taken apart: the options that stand, their values, and the numbers (or, for
// vereinigen, the files).
class Call final {
public:
    // The call of `arguments`, or the exit code once a wrong call is reported.
    static std::variant<std::unique_ptr<Call>, int> parse(const QStringList& arguments);

    [[nodiscard]] bool isSet(Name name) const { return m_parser.isSet(option(name)); }
    [[nodiscard]] QString value(Name name) const { return m_parser.value(option(name)); }
    [[nodiscard]] const QStringList& numbers() const { return m_numbers; }
    [[nodiscard]] bool merging() const { return m_merging; }

private:
    Call();
    [[nodiscard]] const QCommandLineOption& option(Name name) const {
        return m_options[static_cast<std::size_t>(name)];
    }
    [[nodiscard]] static bool takesValue(const QString& argument);
    std::optional<int> parseArguments(QStringList given);

    QCommandLineParser m_parser;
    std::vector<QCommandLineOption> m_options;
    QStringList m_numbers;
    bool m_merging = false;
};

}  // namespace cli
