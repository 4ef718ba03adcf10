#include "help_window.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "primzeilen_version.h"

namespace ui {

namespace {

const char* const kHelp = QT_TRANSLATE_NOOP("HelpWindow", R"(
<h2>Hilfe zu Primzeilen</h2>
<p>Primzeilen zeigt, wie sich die Primzahlen über einen Zahlenbereich verteilen.</p>

<h3>Zeilen, „O“ und „+“</h3>
<p>Sie geben einen Bereich an (<i>von</i>, <i>bis</i>) und wie viele Zahlen in einer Zeile
stehen sollen (<i>Zahlen pro Zeile</i>, mit dem Schieber 10 bis 120). Das Programm legt die
Zahlen des Bereichs der Reihe nach in Zeilen dieser Länge aus. Bei 90 Zahlen pro Zeile
beginnen die Zeilen bei 1, 91, 181, … Damit jede Zeile voll ist, wird der Bereich angepasst:
<i>von</i> rückt an den Anfang einer Zeile, <i>bis</i> an das Ende der letzten vollen Zeile.
Aus 100 bis 1000 wird so 91 bis 990.</p>
<p>In der Liste steht jede Zeile mit ihrer ersten Zahl. Dann folgt für jede Zahl der Zeile ein
Zeichen: <b>O</b> heißt „diese Zahl ist eine Primzahl“, <b>+</b> heißt „keine Primzahl“. Am
Ende der Zeile steht ihre <b>Anzahl</b>: wie viele Primzahlen in der Zeile liegen.
Bei 90 Zahlen pro Zeile beginnt die zweite Zeile so:
<tt>91&nbsp;&nbsp;++++++O+++O+O+…&nbsp;&nbsp;17</tt>. Sie fängt bei 91 an; 91 bis 96 sind keine
Primzahlen, 97 ist eine, dann wieder 101 und 103, … und insgesamt enthält die Zeile 17
Primzahlen.</p>

<h3>Die Häufigkeiten h(x)</h3>
<p>Unter den Zeilen zählt das Programm, wie viele Zeilen genau 0, 1, 2, …, 20 Primzahlen
enthalten („x-mal“), und teilt durch die Zahl aller Zeilen. Das ist die <b>relative
Häufigkeit h(x)</b>: der Anteil der Zeilen mit genau x Primzahlen. h(9) = 0,1944 bedeutet:
19,44 % der Zeilen enthalten genau 9 Primzahlen. Zusammen ergeben alle h(x) 1.</p>

<h3>Die angepasste Binomialverteilung B(n;p)</h3>
<p>Wäre jede Zahl unabhängig von den anderen mit derselben Wahrscheinlichkeit p eine Primzahl,
dann wäre die Anzahl der Primzahlen in einer Zeile binomialverteilt. Das Programm sucht die
Binomialverteilung, die am besten zu h(x) passt, mit der <b>Momentenmethode</b>: Es berechnet
Mittelwert (Erwartungswert) und Varianz von h(x) und wählt n und p so, dass B(n;p) denselben
Mittelwert n·p und dieselbe Varianz n·p·(1−p) hat. Daraus folgt
<i>p = 1 − Varianz / Mittelwert</i> und <i>n = Mittelwert / p</i>, auf eine ganze Zahl
gerundet. Das Graphikfenster zeigt n und p, beide Erwartungswerte und beide
Standardabweichungen, dazu die Tabelle von x, h(x) und B(n;p;x).</p>
<p>Oft kommt dabei ein viel kleineres n heraus als die Zeilenlänge: Die Primzahlen in einer
Zeile schwanken weniger, als es reiner Zufall täte.</p>

<h3>Vergleich mit Zufallsmodellen</h3>
<p>Mit Rechtsklick auf das Bild und „Modelle einblenden“ (oder Alt+M) zeichnet das Programm
bei jedem Neuzeichnen drei Modelle über das Diagramm, als Punkte mit dünnen Linien, so weit die
x-Achse reicht:</p>
<ul>
<li><b>Cramér-Modell</b> (grüne Quadrate): Jede Zahl m ist unabhängig von allen anderen mit der
Wahrscheinlichkeit 1/ln m eine Primzahl, so wie die Primzahlen im Mittel verteilt sind. Genau
genommen ist die Anzahl einer Zeile dann eine Summe verschiedener Wahrscheinlichkeiten (Poisson-
binomial); das Programm nimmt für jede Zeile die Binomialverteilung mit der mittleren
Wahrscheinlichkeit der Zeile, was sehr nahe daran liegt. Das Modell ist ihr Mittel über alle
Zeilen.</li>
<li><b>Poisson (Gallagher)</b> (orange Rauten): Für kurze Abschnitte ist die Anzahl der
Primzahlen nach Gallagher näherungsweise Poisson-verteilt, mit dem Mittelwert, den das
Cramér-Modell der Zeile gibt; das setzt die Hardy-Littlewood-Vermutung über Primzahl-k-Tupel
voraus.</li>
<li><b>Montgomery–Soundararajan</b> (blaue Kreuze): Unter derselben Vermutung, gleichmäßig
angewandt, hat die Anzahl der Primzahlen in einer Zeile der Länge L den Mittelwert μ und die
kleinere Varianz μ·(1 − μ/n*) mit n* = L/(ln L + γ + ln 2π − 1) = L/(ln L + 1,415). Jede Zeile
erhält die Mischung zweier Binomialverteilungen mit genau diesem Mittelwert und dieser Varianz;
wo das nicht geht (sehr kurze oder sehr tiefe Zeilen), das Cramér-Modell. n* hängt nur von L
ab: bei 90 Zahlen pro Zeile ist n* = 15,22, bei 10 nur 2,69.</li>
</ul>
<p>Die kleine Tabelle oben rechts nennt für jedes Modell und für die angepasste
Binomialverteilung den <b>TV-Abstand</b> (totale Variation): den Anteil der Zeilen, die man
umverteilen müsste, damit Modell und Beobachtung übereinstimmen; gezählt werden alle Zeilen,
auch die mit mehr als 20 Primzahlen. 0 heißt „passt genau“, 1 heißt
„nichts gemeinsam“. Ein kleinerer Wert passt besser.</p>
<p>Dahinter steht ein Gesetz: In kurzen Abschnitten schwankt die Anzahl der Primzahlen weniger,
als unabhängige Zufälle es ergäben. Cramér- und Poisson-Modell geben einer Zeile mit dem
Mittelwert μ eine Varianz von etwa μ; Montgomery und Soundararajan sagen nur μ·(1 − μ/n*) voraus,
mit n* = L/(ln L + γ + ln 2π − 1). Das Kommandozeilenprogramm misst das mit
<tt>primzeilen-cli --hoehen H1,H2,… --fenster F LÄNGE</tt>: In jeder Höhe H zählt es die Zahlen
H+1 bis H+F in Zeilen der Länge LÄNGE und vergleicht die beobachtete Varianz mit den Varianzen
der Modelle, über die ganze Verteilung, auch über Zeilen mit mehr als 20 Primzahlen.</p>
<h3>Warum n so klein ist: das Modell von Montgomery und Soundararajan</h3>
<p>Meist passt die angepasste Binomialverteilung viel besser als Cramér- und Poisson-Modell,
obwohl ihr n viel kleiner ist als die Zeilenlänge. Der Grund: Die Anzahl der Primzahlen in einer
Zeile schwankt weniger, als es unabhängiger Zufall erlauben würde; die beobachtete Varianz ist
kleiner als die der Zufallsmodelle (das Kommandozeilenprogramm zeigt sie mit
<tt>primzeilen-cli --modelle</tt>). Eine Binomialverteilung mit kleinem n und großem p hat genau
diese kleinere Streuung.</p>
<p>Woher kommt das? Nachbarzahlen sind nicht unabhängig: Sie teilen sich die Teilbarkeit durch
kleine Primzahlen. Von zwei Zahlen im Abstand 1 ist eine gerade, beide zugleich prim sind sie
(außer 2 und 3) nie. Im Abstand 2 sind beide zusammen dagegen häufiger prim, als der Zufall
sagt, im Abstand 6 noch häufiger: Von zwei Zahlen im Abstand 6 ist die eine genau dann durch 2
oder 3 teilbar, wenn es die andere ist. Hardy und Littlewood haben für jeden Abstand h vermutet, wie viel häufiger
oder seltener das ist; die Faktoren heißen <b>singuläre Reihe</b> S(h). Mitteln über alle
Abstände bis L bleibt ein Minus, und zwar so viel, dass die Anzahl der Primzahlen in einer Zeile
der Länge L mit dem Mittelwert μ nicht die Varianz von etwa μ hat, die unabhängige Zahlen ihr
gäben, sondern nur</p>
<p style="margin-left:2em">μ · (1 − (ln L + γ + ln 2π − 1) / ln x),</p>
<p>mit x der Größe der Zahlen und γ = 0,5772… der Eulerschen Konstante (Montgomery und
Soundararajan, unter der Hardy-Littlewood-Vermutung, gleichmäßig angewandt). Eine
Binomialverteilung B(n; μ/n) hat genau diese Varianz, wenn</p>
<p style="margin-left:2em">n* = L / (ln L + γ + ln 2π − 1) = L / (ln L + 1,415).</p>
<p>Das ist erstaunlich: n* hängt nur von der Zeilenlänge L ab, nicht davon, wie groß die Zahlen
sind. Bei 10 Zahlen pro Zeile ist n* = 2,69, bei 90 ist n* = 15,22, bei 120 ist n* = 19,35. Das
Modell sagt das n der Anpassung also ohne freien Parameter voraus: Für 1 bis 45 000 mit 90 Zahlen
pro Zeile passt das Programm n = 18 an, weiter oben (etwa bei 10<sup>12</sup>) n = 15.</p>
<p>Das Experiment dazu: Rechtsklick auf das Bild, „Zeilenlängen im Vergleich“ (oder Alt+V),
berechnet den Bereich der letzten Berechnung mit jeder Zeilenlänge L von 10 bis 120, passt jedes
Mal B(n;p) an und zeichnet das angepasste n über L neben die Kurve n* = L/(ln L + 1,415) und die
Gerade n = L unabhängiger Zahlen. Das angepasste n folgt n*, nicht L; die Tabelle darunter nennt
für jede Länge n, p, n* und die TV-Abstände. Bild und Tabelle lassen sich dort kopieren,
speichern und drucken wie im Graphikfenster.</p>
<p>Was die Anpassung trifft: p = 1 − Varianz/Mittelwert und n = Mittelwert/p, auf eine ganze
Zahl gerundet. Durch das Runden stimmen die Erwartungswerte von h(x) und B(n;p) nicht genau
überein (bei 1 bis 45 000 mit 90 Zahlen pro Zeile 9,3206 gegen 9,1037).</p>
<p>Zum Weiterlesen: H. Cramér, „On the order of magnitude of the difference between consecutive
prime numbers“, Acta Arithmetica 2 (1936); P. X. Gallagher, „On the distribution of primes in
short intervals“, Mathematika 23 (1976); H. L. Montgomery und K. Soundararajan, „Primes in short
intervals“, Communications in Mathematical Physics 252 (2004) 589–617.</p>

<h3>Das Diagramm lesen</h3>
<p>Nach rechts stehen die Anzahlen x = 0 bis 18, nach oben die Anteile (0,1 = 10 %). Die
<b>Stäbe</b> zeigen h(x), die beobachteten Anteile. Die <b>offenen Säulen</b> zeigen B(n;p;x),
die Anteile der angepassten Binomialverteilung. Wo Stab und Säule gleich hoch sind, passt die
Verteilung gut. Mit dem Farbfeld wählen Sie die Farbe, in der das nächste Diagramm gezeichnet
wird; so lassen sich zwei Berechnungen übereinander vergleichen.</p>
<p>Die Felder <i>Anzahl Zahlen/Zeile</i>, <i>von</i> und <i>bis</i> zeigen immer die
Berechnung, deren Häufigkeiten gezeichnet sind.</p>

<h3>Tasten im Hauptfenster</h3>
<table cellspacing="0" cellpadding="2">
<tr><td>Alt+B, oder Umschalt+Enter im Feld „bis“</td><td>Berechnen</td></tr>
<tr><td>Alt+G, oder Enter in einem Feld</td><td>Graph: das Graphikfenster zeigen und neu zeichnen</td></tr>
<tr><td>Alt+S</td><td>Schließen: das Programm beenden</td></tr>
<tr><td>Tab</td><td>Berechnen, Graph, Schließen, von, bis</td></tr>
<tr><td>Alt+Z</td><td>ins Feld „Zahlen pro Zeile“; Umschalt+Enter übernimmt den Wert</td></tr>
<tr><td>Alt+L</td><td>in die Liste; dort blättern Bild auf/ab, Strg+Pos1, Strg+Ende</td></tr>
<tr><td>Klick, Umschalt+Klick, Strg+Klick, Umschalt+Pfeile, Strg+A</td><td>Zeilen der Liste auswählen</td></tr>
<tr><td>Strg+C</td><td>die ausgewählten Zeilen kopieren</td></tr>
<tr><td>Strg+S</td><td>die ganze Liste als Textdatei speichern</td></tr>
<tr><td>Rechtsklick in die Liste</td><td>Kopieren, Alles auswählen, Liste speichern unter …</td></tr>
<tr><td>F1</td><td>diese Hilfe</td></tr>
</table>

<h3>Tasten im Graphikfenster</h3>
<table cellspacing="0" cellpadding="2">
<tr><td>Enter, Alt+H</td><td>Zeichne h(x): die Stäbe über das Vorhandene zeichnen</td></tr>
<tr><td>Alt+B</td><td>Zeichne B(n;p): die Säulen über das Vorhandene zeichnen</td></tr>
<tr><td>Esc, Alt+L</td><td>Graphen Löschen: nur die Achsen bleiben stehen</td></tr>
<tr><td>Umschalt+Enter im Feld n oder p</td><td>alles neu anpassen und zeichnen (ein getippter Wert wird durch den angepassten ersetzt)</td></tr>
<tr><td>Alt+N, Alt+P</td><td>ins Feld n, ins Feld p</td></tr>
<tr><td>Alt+M</td><td>Modelle einblenden oder ausblenden</td></tr>
<tr><td>Alt+V</td><td>Zeilenlängen im Vergleich: jede Zeilenlänge von 10 bis 120 für den
Bereich der letzten Berechnung</td></tr>
<tr><td>Alt+S</td><td>Schließen: das Fenster ausblenden (Graph im Hauptfenster holt es zurück)</td></tr>
<tr><td>Strg+C</td><td>Bild kopieren (in einem Textfeld: dessen Text)</td></tr>
<tr><td>Strg+S</td><td>Bild speichern unter … (PNG, SVG oder PDF)</td></tr>
<tr><td>Strg+P</td><td>Drucken … (mit Vorschau)</td></tr>
<tr><td>Rechtsklick auf die Tabelle</td><td>Tabelle kopieren, Tabelle speichern unter … (CSV), Ergebnisse kopieren</td></tr>
<tr><td>F1</td><td>diese Hilfe</td></tr>
</table>
<p>Fehler, etwa eine Eingabe, die keine Zahl ist, meldet ein Hinweisfenster; das Programm läuft
weiter. Ein Bereich außerhalb von −10 000 000 bis 10 000 000 wird ohne Meldung nicht
berechnet.</p>

<h3>Über Primzeilen</h3>
<p>Primzeilen, Version %1.<br>
Lizenz: GNU General Public License, Version 3 oder (nach Ihrer Wahl) jede spätere Version
(GPL-3.0-or-later). Das Programm wird ohne jede Gewährleistung weitergegeben.</p>
)");

}  // namespace

QString helpHtml() {
    return QCoreApplication::translate("HelpWindow", kHelp).arg(QLatin1String(PRIMZEILEN_VERSION));
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), m_text(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("Hilfe"));
    setWindowTitle(tr("Hilfe zu Primzeilen"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_text->setHtml(helpHtml());
    m_text->setOpenLinks(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Schließen"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(640, 600);
}

HelpWindow* showHelp(QWidget& window) {
    auto* help = window.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (help == nullptr) {
        help = new HelpWindow(&window);
    }
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

}  // namespace ui
