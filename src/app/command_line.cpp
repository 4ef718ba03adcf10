#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <cstdio>

#include "core/line_writer.h"
#include "core/translations.h"
#include "primzeilen_version.h"

namespace app {

namespace {

QString translated(const char* source) {
    return QCoreApplication::translate("primzeilen", source);
}

const char* const kUsage =
    QT_TRANSLATE_NOOP("primzeilen", "Aufruf: primzeilen [--help] [--version]\n");

const char* const kHelp = QT_TRANSLATE_NOOP(
    "primzeilen",
    "Aufruf: primzeilen [Optionen]\n"
    "\n"
    "Zeigt, wie sich die Primzahlen über einen Zahlenbereich verteilen: Der Bereich wird in\n"
    "Zeilen gleicher Länge ausgelegt, jede Zahl als Primzahl („O“) oder nicht („+“)\n"
    "markiert, und wie viele Zeilen 0, 1, …, 20 Primzahlen enthalten, wird gezählt und mit\n"
    "einer angepassten Binomialverteilung B(n;p) gezeichnet. Die Bedienung erklärt das\n"
    "Programm selbst: F1 in einem seiner Fenster.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help      diese Hilfe anzeigen und beenden\n"
    "  -v, --version   die Versionsnummer anzeigen und beenden\n"
    "  Die üblichen Optionen von Qt (etwa -platform, -style) werden angenommen.\n"
    "\n"
    "Rückgabewert: 0, wenn das Hauptfenster geschlossen wird, und nach --help und --version;\n"
    "1, wenn die Hilfe oder die Version nicht ausgegeben werden konnte; 2 bei einer\n"
    "unbekannten Option oder einem Argument.\n"
    "\n"
    "Handbuch: man primzeilen\n");

// The options with which QGuiApplication and QApplication set up the windows; they are taken
// here so they are no error, and left in place for the application.
void acceptQtOptions(QCommandLineParser& parser) {
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style",
                             "stylesheet", "display", "geometry", "title", "name"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("Wert"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Exit code 0 only once the text is out: a full disk or a closed output is reported.
CommandLine printed(const QString& text) {
    core::LineWriter out;
    out.text(text);
    if (out.error() != 0) {
        std::fprintf(stderr, "primzeilen: %s\n",
                     qPrintable(QCoreApplication::translate(
                                    "primzeilen", "Ausgabe konnte nicht geschrieben werden: %1")
                                    .arg(core::systemErrorText(out.error()))));
        return {false, 1};
    }
    return {false, 0};
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
    // A plain core application: --help and --version work without a display.
    QCoreApplication core(argc, argv);
    core::installTranslations(core, core::languageFromEnvironment());
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    acceptQtOptions(parser);

    if (!parser.parse(QCoreApplication::arguments())) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString name = unknown.front();
            std::fprintf(
                stderr, "primzeilen: %s\n%s",
                qPrintable(
                    QCoreApplication::translate("primzeilen", "unbekannte Option „%1%2“.")
                        .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name)),
                qPrintable(translated(kUsage)));
        } else {
            // Qt's own messages quote with '…'; ours with the quotes of the language.
            static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
            //: Quotes around a name; the name takes the place of the backslash and the 1.
            const QString message = parser.errorText().replace(
                quoted, QCoreApplication::translate("primzeilen", "„\\1“"));
            std::fprintf(stderr, "primzeilen: %s\n%s", qPrintable(message),
                         qPrintable(translated(kUsage)));
        }
        return {false, 2};
    }
    if (parser.isSet(help)) {
        return printed(translated(kHelp));
    }
    if (parser.isSet(version)) {
        return printed(QStringLiteral("primzeilen " PRIMZEILEN_VERSION "\n"));
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(
            stderr, "primzeilen: %s\n%s",
            qPrintable(QCoreApplication::translate("primzeilen", "unerwartetes Argument „%1“.")
                           .arg(parser.positionalArguments().front())),
            qPrintable(translated(kUsage)));
        return {false, 2};
    }
    return {};
}

}  // namespace app
