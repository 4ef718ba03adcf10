#include "help.h"

#include <QCoreApplication>

namespace cli {
namespace {

const char* const kHelp = QT_TRANSLATE_NOOP(
    "primzeilen-cli",
    "Aufruf: primzeilen-cli [OPTIONEN] VON BIS LÄNGE\n"
    "\n"
    "Legt den Bereich VON bis BIS in Zeilen zu LÄNGE Zahlen aus, wie das Hauptfenster von\n"
    "primzeilen es tut (jede Zeile beginnt bei einem Vielfachen von LÄNGE plus 1), zählt die\n"
    "Primzahlen jeder Zeile und gibt aus, wie viele Zeilen 0, 1, …, 20 und mehr als 20\n"
    "Primzahlen enthalten; wo Zeilen mehr haben, auch die Verteilung über alle Zeilen.\n"
    "\n"
    "  VON, BIS   ganze Zahlen von 0 bis 18446744073709551615, auch als 1e12 oder 10^12\n"
    "  LÄNGE      1 bis 10000000\n"
    "\n"
    "Optionen:\n"
    "  --zeilen            zuerst jede Zeile, wie das Hauptfenster sie auflistet (mit csv und\n"
    "                      csv-de: nur die Tabelle der Zeilen)\n"
    "  --anpassung         danach die angepasste Binomialverteilung B(n;p) mit Erwartungswerten\n"
    "                      und Standardabweichungen\n"
    "  --modelle           danach h(k), B(n;p)(k) und die Zufallsmodelle von Cramér,\n"
    "                      Gallagher (Poisson) und Montgomery–Soundararajan für k = 0..20, ihre\n"
    "                      Abstände (TV) und Varianzen und das vorhergesagte n\n"
    "  --teil K/N          nur den K-ten von N Teilen des angepassten Bereichs zählen (ganze\n"
    "                      Zeilen, die Teile so gleich groß wie möglich; nicht mit --zeilen);\n"
    "                      mit --format json zum Vereinigen (siehe unten)\n"
    "  --laengen A..B      statt LÄNGE jede Zeilenlänge von A bis B (Aufruf dann: VON BIS):\n"
    "                      je Länge eine Zeile mit Zeilen, angepasstem n und p, n* und den\n"
    "                      TV-Abständen der Modelle\n"
    "  --laengen L1,L2,…   ebenso für die Längen der Liste (je 1 bis 10000000, höchstens\n"
    "                      1000). Hat bei einer Länge eine Zeile mehr als 20 Primzahlen,\n"
    "                      folgt je Länge der Datensatz über alle Zeilen wie bei --hoehen\n"
    "  --hoehen H1,H2,…    statt VON BIS das Fenster H+1..H+F an jeder Höhe H (Aufruf dann:\n"
    "  --fenster F         --hoehen … --fenster F LÄNGE, oder mit --laengen L1,L2,… ohne\n"
    "                      Zahl): je Höhe und Länge ein Datensatz über alle Zeilen mit\n"
    "                      Mittelwert, beobachteter Varianz, den Varianzen nach Cramér und\n"
    "                      Montgomery–Soundararajan (M–S), σ beob./σ M–S, den TV-Abständen,\n"
    "                      dem angepassten n und n*; F ≥ LÄNGE, H+F ≤ 18446744073709551615;\n"
    "                      --anpassung und --modelle sind darin enthalten\n"
    "  --format FORMAT     text (Voreinstellung), csv, csv-de (Semikolon und Dezimalkomma\n"
    "                      für deutsche Tabellenkalkulationen) oder json\n"
    "  --tabelle TABELLE   mit csv und csv-de: haeufigkeit (Voreinstellung) oder anpassung\n"
    "  --threads N         so viele Threads, höchstens einer je Kern und so viele, dass der\n"
    "                      Lauf unter 256 MB Speicher bleibt (Voreinstellung: die Zahl der\n"
    "                      Kerne)\n"
    "  --fortschritt       Fortschritt auf der Fehlerausgabe, auch wenn sie kein Terminal ist\n"
    "                      (dann eine Zeile zu Beginn und je Zehntel der Zeilen)\n"
    "  --still             keinen Fortschritt zeigen\n"
    "  -h, --help          diese Hilfe\n"
    "  -v, --version       die Versionsnummer\n"
    "\n"
    "Jede Option mit Wert darf nur einmal stehen.\n"
    "\n"
    "Rückgabewert:\n"
    "  0    fertig\n"
    "  1    keine Anpassung möglich, oder die Ausgabe konnte nicht geschrieben werden (etwa\n"
    "       weil der Datenträger voll ist; ein Leser, der nicht mehr liest, endet den Lauf\n"
    "       ohne Meldung)\n"
    "  2    falscher Aufruf\n"
    "  130  abgebrochen mit Strg+C (SIGINT)\n"
    "  143  abgebrochen mit SIGTERM\n"
    "Ein Abbruch hinterlässt nur ganze Zeilen.\n"
    "Nimmt der Leser einer Pipe nichts mehr ab, endet ein Abbruch nach spätestens 2 s; die\n"
    "letzte Zeile kann dann abgeschnitten sein.\n"
    "\n"
    "Aufruf: primzeilen-cli vereinigen [--format FORMAT] [--tabelle TABELLE] [--anpassung]\n"
    "                                  [--modelle] TEIL.json …\n"
    "\n"
    "Liest die JSON-Ausgaben aller N Teile eines Laufs mit --teil K/N, prüft, dass sie genau\n"
    "einen Lauf ergeben (derselbe Bereich, dieselbe LÄNGE und dasselbe N, jedes K genau einmal),\n"
    "und gibt das Ergebnis aus, als wäre der ganze Bereich auf einmal gezählt worden; Fehler im\n"
    "Aufruf und in den Dateien enden mit dem Rückgabewert 2. Beispiele für GNU parallel und\n"
    "Slurm: /usr/share/doc/primzeilen/examples.\n"
    "\n"
    "Handbuch: man primzeilen-cli\n");

const char* const kUsageLine = QT_TRANSLATE_NOOP(
    "primzeilen-cli", "Aufruf: primzeilen-cli [OPTIONEN] VON BIS LÄNGE (mehr: --help)\n");

}  // namespace

QString helpText() {
    return QCoreApplication::translate("primzeilen-cli", kHelp);
}

QString usageLine() {
    return QCoreApplication::translate("primzeilen-cli", kUsageLine);
}

}  // namespace cli
