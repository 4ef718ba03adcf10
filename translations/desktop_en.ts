<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>GraphWindow</name>
    <message>
        <source> Graphische Darstellung und Tabelle</source>
        <translation> Chart and table</translation>
    </message>
    <message>
        <source>Farbwahl</source>
        <translation>Color choice</translation>
    </message>
    <message>
        <source>Graphen &amp;Löschen</source>
        <translation>C&amp;lear chart</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>Clo&amp;se</translation>
    </message>
    <message>
        <source>Diagramm von h(x) und B(n;p)</source>
        <translation>Chart of h(x) and B(n;p)</translation>
    </message>
    <message>
        <source>Tabelle von h(x) und B(n;p)</source>
        <translation>Table of h(x) and B(n;p)</translation>
    </message>
    <message>
        <source>Relative Häufigkeit h(x) der Primzahlen und zugeordnete Binomialverteilung B(n;p):</source>
        <translation>Observed share h(x) of rows with x primes and fitted binomial distribution B(n;p):</translation>
    </message>
    <message>
        <source>B(</source>
        <translation>B(</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>;</source>
        <translation>;</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>)</source>
        <translation>)</translation>
    </message>
    <message>
        <source>Zeichne &amp;h(x)</source>
        <translation>Draw &amp;h(x)</translation>
    </message>
    <message>
        <source>Zeichne &amp;B(n;p)</source>
        <translation>Draw &amp;B(n;p)</translation>
    </message>
    <message>
        <source>Erwartungswert von h(x):</source>
        <translation>Mean of h(x):</translation>
    </message>
    <message>
        <source>Erwartungswert von h(x)</source>
        <translation>Mean of h(x)</translation>
    </message>
    <message>
        <source>Erwartungswert von B(n:p):</source>
        <translation>Expected value of B(n;p):</translation>
    </message>
    <message>
        <source>Erwartungswert von B(n;p)</source>
        <translation>Expected value of B(n;p)</translation>
    </message>
    <message>
        <source>Standardabweichung von h(x):</source>
        <translation>Standard deviation of h(x):</translation>
    </message>
    <message>
        <source>Standardabweichung von h(x)</source>
        <translation>Standard deviation of h(x)</translation>
    </message>
    <message>
        <source>Standardabweichung von B(n;p):</source>
        <translation>Standard deviation of B(n;p):</translation>
    </message>
    <message>
        <source>Standardabweichung von B(n;p)</source>
        <translation>Standard deviation of B(n;p)</translation>
    </message>
    <message>
        <source>Stabdiagramm</source>
        <translation>Stick chart</translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>Anzahl Zahlen/Zeile:</source>
        <translation>Numbers per row:</translation>
    </message>
    <message>
        <source>Anzahl Zahlen/Zeile</source>
        <translation>Numbers per row</translation>
    </message>
    <message>
        <source>von</source>
        <translation>from</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>
&lt;h2&gt;Hilfe zu Primzeilen&lt;/h2&gt;
&lt;p&gt;Primzeilen zeigt, wie sich die Primzahlen über einen Zahlenbereich verteilen.&lt;/p&gt;

&lt;h3&gt;Zeilen, „O“ und „+“&lt;/h3&gt;
&lt;p&gt;Sie geben einen Bereich an (&lt;i&gt;von&lt;/i&gt;, &lt;i&gt;bis&lt;/i&gt;) und wie viele Zahlen in einer Zeile
stehen sollen (&lt;i&gt;Zahlen pro Zeile&lt;/i&gt;, mit dem Schieber 10 bis 120). Das Programm legt die
Zahlen des Bereichs der Reihe nach in Zeilen dieser Länge aus. Bei 90 Zahlen pro Zeile
beginnen die Zeilen bei 1, 91, 181, … Damit jede Zeile voll ist, wird der Bereich angepasst:
&lt;i&gt;von&lt;/i&gt; rückt an den Anfang einer Zeile, &lt;i&gt;bis&lt;/i&gt; an das Ende der letzten vollen Zeile.
Aus 100 bis 1000 wird so 91 bis 990.&lt;/p&gt;
&lt;p&gt;In der Liste steht jede Zeile mit ihrer ersten Zahl. Dann folgt für jede Zahl der Zeile ein
Zeichen: &lt;b&gt;O&lt;/b&gt; heißt „diese Zahl ist eine Primzahl“, &lt;b&gt;+&lt;/b&gt; heißt „keine Primzahl“. Am
Ende der Zeile steht ihre &lt;b&gt;Anzahl&lt;/b&gt;: wie viele Primzahlen in der Zeile liegen.
Bei 90 Zahlen pro Zeile beginnt die zweite Zeile so:
&lt;tt&gt;91&amp;nbsp;&amp;nbsp;++++++O+++O+O+…&amp;nbsp;&amp;nbsp;17&lt;/tt&gt;. Sie fängt bei 91 an; 91 bis 96 sind keine
Primzahlen, 97 ist eine, dann wieder 101 und 103, … und insgesamt enthält die Zeile 17
Primzahlen.&lt;/p&gt;

&lt;h3&gt;Die Häufigkeiten h(x)&lt;/h3&gt;
&lt;p&gt;Unter den Zeilen zählt das Programm, wie viele Zeilen genau 0, 1, 2, …, 20 Primzahlen
enthalten („x-mal“), und teilt durch die Zahl aller Zeilen. Das ist die &lt;b&gt;relative
Häufigkeit h(x)&lt;/b&gt;: der Anteil der Zeilen mit genau x Primzahlen. h(9) = 0,1944 bedeutet:
19,44 % der Zeilen enthalten genau 9 Primzahlen. Zusammen ergeben alle h(x) 1.&lt;/p&gt;

&lt;h3&gt;Die angepasste Binomialverteilung B(n;p)&lt;/h3&gt;
&lt;p&gt;Wäre jede Zahl unabhängig von den anderen mit derselben Wahrscheinlichkeit p eine Primzahl,
dann wäre die Anzahl der Primzahlen in einer Zeile binomialverteilt. Das Programm sucht die
Binomialverteilung, die am besten zu h(x) passt, mit der &lt;b&gt;Momentenmethode&lt;/b&gt;: Es berechnet
Mittelwert (Erwartungswert) und Varianz von h(x) und wählt n und p so, dass B(n;p) denselben
Mittelwert n·p und dieselbe Varianz n·p·(1−p) hat. Daraus folgt
&lt;i&gt;p = 1 − Varianz / Mittelwert&lt;/i&gt; und &lt;i&gt;n = Mittelwert / p&lt;/i&gt;, auf eine ganze Zahl
gerundet. Das Graphikfenster zeigt n und p, beide Erwartungswerte und beide
Standardabweichungen, dazu die Tabelle von x, h(x) und B(n;p;x).&lt;/p&gt;
&lt;p&gt;Oft kommt dabei ein viel kleineres n heraus als die Zeilenlänge: Die Primzahlen in einer
Zeile schwanken weniger, als es reiner Zufall täte.&lt;/p&gt;

&lt;h3&gt;Vergleich mit Zufallsmodellen&lt;/h3&gt;
&lt;p&gt;Mit Rechtsklick auf das Bild und „Modelle einblenden“ (oder Alt+M) zeichnet das Programm
bei jedem Neuzeichnen drei Modelle über das Diagramm, als Punkte mit dünnen Linien, so weit die
x-Achse reicht:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Cramér-Modell&lt;/b&gt; (grüne Quadrate): Jede Zahl m ist unabhängig von allen anderen mit der
Wahrscheinlichkeit 1/ln m eine Primzahl, so wie die Primzahlen im Mittel verteilt sind. Genau
genommen ist die Anzahl einer Zeile dann eine Summe verschiedener Wahrscheinlichkeiten (Poisson-
binomial); das Programm nimmt für jede Zeile die Binomialverteilung mit der mittleren
Wahrscheinlichkeit der Zeile, was sehr nahe daran liegt. Das Modell ist ihr Mittel über alle
Zeilen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Poisson (Gallagher)&lt;/b&gt; (orange Rauten): Für kurze Abschnitte ist die Anzahl der
Primzahlen nach Gallagher näherungsweise Poisson-verteilt, mit dem Mittelwert, den das
Cramér-Modell der Zeile gibt; das setzt die Hardy-Littlewood-Vermutung über Primzahl-k-Tupel
voraus.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Montgomery–Soundararajan&lt;/b&gt; (blaue Kreuze): Unter derselben Vermutung, gleichmäßig
angewandt, hat die Anzahl der Primzahlen in einer Zeile der Länge L den Mittelwert μ und die
kleinere Varianz μ·(1 − μ/n*) mit n* = L/(ln L + γ + ln 2π − 1) = L/(ln L + 1,415). Jede Zeile
erhält die Mischung zweier Binomialverteilungen mit genau diesem Mittelwert und dieser Varianz;
wo das nicht geht (sehr kurze oder sehr tiefe Zeilen), das Cramér-Modell. n* hängt nur von L
ab: bei 90 Zahlen pro Zeile ist n* = 15,22, bei 10 nur 2,69.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Die kleine Tabelle oben rechts nennt für jedes Modell und für die angepasste
Binomialverteilung den &lt;b&gt;TV-Abstand&lt;/b&gt; (totale Variation): den Anteil der Zeilen, die man
umverteilen müsste, damit Modell und Beobachtung übereinstimmen; gezählt werden alle Zeilen,
auch die mit mehr als 20 Primzahlen. 0 heißt „passt genau“, 1 heißt
„nichts gemeinsam“. Ein kleinerer Wert passt besser.&lt;/p&gt;
&lt;p&gt;Dahinter steht ein Gesetz: In kurzen Abschnitten schwankt die Anzahl der Primzahlen weniger,
als unabhängige Zufälle es ergäben. Cramér- und Poisson-Modell geben einer Zeile mit dem
Mittelwert μ eine Varianz von etwa μ; Montgomery und Soundararajan sagen nur μ·(1 − μ/n*) voraus,
mit n* = L/(ln L + γ + ln 2π − 1). Das Kommandozeilenprogramm misst das mit
&lt;tt&gt;primzeilen-cli --hoehen H1,H2,… --fenster F LÄNGE&lt;/tt&gt;: In jeder Höhe H zählt es die Zahlen
H+1 bis H+F in Zeilen der Länge LÄNGE und vergleicht die beobachtete Varianz mit den Varianzen
der Modelle, über die ganze Verteilung, auch über Zeilen mit mehr als 20 Primzahlen.&lt;/p&gt;
&lt;h3&gt;Warum n so klein ist: das Modell von Montgomery und Soundararajan&lt;/h3&gt;
&lt;p&gt;Meist passt die angepasste Binomialverteilung viel besser als Cramér- und Poisson-Modell,
obwohl ihr n viel kleiner ist als die Zeilenlänge. Der Grund: Die Anzahl der Primzahlen in einer
Zeile schwankt weniger, als es unabhängiger Zufall erlauben würde; die beobachtete Varianz ist
kleiner als die der Zufallsmodelle (das Kommandozeilenprogramm zeigt sie mit
&lt;tt&gt;primzeilen-cli --modelle&lt;/tt&gt;). Eine Binomialverteilung mit kleinem n und großem p hat genau
diese kleinere Streuung.&lt;/p&gt;
&lt;p&gt;Woher kommt das? Nachbarzahlen sind nicht unabhängig: Sie teilen sich die Teilbarkeit durch
kleine Primzahlen. Von zwei Zahlen im Abstand 1 ist eine gerade, beide zugleich prim sind sie
(außer 2 und 3) nie. Im Abstand 2 sind beide zusammen dagegen häufiger prim, als der Zufall
sagt, im Abstand 6 noch häufiger: Von zwei Zahlen im Abstand 6 ist die eine genau dann durch 2
oder 3 teilbar, wenn es die andere ist. Hardy und Littlewood haben für jeden Abstand h vermutet, wie viel häufiger
oder seltener das ist; die Faktoren heißen &lt;b&gt;singuläre Reihe&lt;/b&gt; S(h). Mitteln über alle
Abstände bis L bleibt ein Minus, und zwar so viel, dass die Anzahl der Primzahlen in einer Zeile
der Länge L mit dem Mittelwert μ nicht die Varianz von etwa μ hat, die unabhängige Zahlen ihr
gäben, sondern nur&lt;/p&gt;
&lt;p style=&quot;margin-left:2em&quot;&gt;μ · (1 − (ln L + γ + ln 2π − 1) / ln x),&lt;/p&gt;
&lt;p&gt;mit x der Größe der Zahlen und γ = 0,5772… der Eulerschen Konstante (Montgomery und
Soundararajan, unter der Hardy-Littlewood-Vermutung, gleichmäßig angewandt). Eine
Binomialverteilung B(n; μ/n) hat genau diese Varianz, wenn&lt;/p&gt;
&lt;p style=&quot;margin-left:2em&quot;&gt;n* = L / (ln L + γ + ln 2π − 1) = L / (ln L + 1,415).&lt;/p&gt;
&lt;p&gt;Das ist erstaunlich: n* hängt nur von der Zeilenlänge L ab, nicht davon, wie groß die Zahlen
sind. Bei 10 Zahlen pro Zeile ist n* = 2,69, bei 90 ist n* = 15,22, bei 120 ist n* = 19,35. Das
Modell sagt das n der Anpassung also ohne freien Parameter voraus: Für 1 bis 45 000 mit 90 Zahlen
pro Zeile passt das Programm n = 18 an, weiter oben (etwa bei 10&lt;sup&gt;12&lt;/sup&gt;) n = 15.&lt;/p&gt;
&lt;p&gt;Das Experiment dazu: Rechtsklick auf das Bild, „Zeilenlängen im Vergleich“ (oder Alt+V),
berechnet den Bereich der letzten Berechnung mit jeder Zeilenlänge L von 10 bis 120, passt jedes
Mal B(n;p) an und zeichnet das angepasste n über L neben die Kurve n* = L/(ln L + 1,415) und die
Gerade n = L unabhängiger Zahlen. Das angepasste n folgt n*, nicht L; die Tabelle darunter nennt
für jede Länge n, p, n* und die TV-Abstände. Bild und Tabelle lassen sich dort kopieren,
speichern und drucken wie im Graphikfenster.&lt;/p&gt;
&lt;p&gt;Was die Anpassung trifft: p = 1 − Varianz/Mittelwert und n = Mittelwert/p, auf eine ganze
Zahl gerundet. Durch das Runden stimmen die Erwartungswerte von h(x) und B(n;p) nicht genau
überein (bei 1 bis 45 000 mit 90 Zahlen pro Zeile 9,3206 gegen 9,1037).&lt;/p&gt;
&lt;p&gt;Zum Weiterlesen: H. Cramér, „On the order of magnitude of the difference between consecutive
prime numbers“, Acta Arithmetica 2 (1936); P. X. Gallagher, „On the distribution of primes in
short intervals“, Mathematika 23 (1976); H. L. Montgomery und K. Soundararajan, „Primes in short
intervals“, Communications in Mathematical Physics 252 (2004) 589–617.&lt;/p&gt;

&lt;h3&gt;Das Diagramm lesen&lt;/h3&gt;
&lt;p&gt;Nach rechts stehen die Anzahlen x = 0 bis 18, nach oben die Anteile (0,1 = 10 %). Die
&lt;b&gt;Stäbe&lt;/b&gt; zeigen h(x), die beobachteten Anteile. Die &lt;b&gt;offenen Säulen&lt;/b&gt; zeigen B(n;p;x),
die Anteile der angepassten Binomialverteilung. Wo Stab und Säule gleich hoch sind, passt die
Verteilung gut. Mit dem Farbfeld wählen Sie die Farbe, in der das nächste Diagramm gezeichnet
wird; so lassen sich zwei Berechnungen übereinander vergleichen.&lt;/p&gt;
&lt;p&gt;Die Felder &lt;i&gt;Anzahl Zahlen/Zeile&lt;/i&gt;, &lt;i&gt;von&lt;/i&gt; und &lt;i&gt;bis&lt;/i&gt; zeigen immer die
Berechnung, deren Häufigkeiten gezeichnet sind.&lt;/p&gt;

&lt;h3&gt;Tasten im Hauptfenster&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;Alt+B, oder Umschalt+Enter im Feld „bis“&lt;/td&gt;&lt;td&gt;Berechnen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+G, oder Enter in einem Feld&lt;/td&gt;&lt;td&gt;Graph: das Graphikfenster zeigen und neu zeichnen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+S&lt;/td&gt;&lt;td&gt;Schließen: das Programm beenden&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Tab&lt;/td&gt;&lt;td&gt;Berechnen, Graph, Schließen, von, bis&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+Z&lt;/td&gt;&lt;td&gt;ins Feld „Zahlen pro Zeile“; Umschalt+Enter übernimmt den Wert&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+L&lt;/td&gt;&lt;td&gt;in die Liste; dort blättern Bild auf/ab, Strg+Pos1, Strg+Ende&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Klick, Umschalt+Klick, Strg+Klick, Umschalt+Pfeile, Strg+A&lt;/td&gt;&lt;td&gt;Zeilen der Liste auswählen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Strg+C&lt;/td&gt;&lt;td&gt;die ausgewählten Zeilen kopieren&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Strg+S&lt;/td&gt;&lt;td&gt;die ganze Liste als Textdatei speichern&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Rechtsklick in die Liste&lt;/td&gt;&lt;td&gt;Kopieren, Alles auswählen, Liste speichern unter …&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;diese Hilfe&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;

&lt;h3&gt;Tasten im Graphikfenster&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;Enter, Alt+H&lt;/td&gt;&lt;td&gt;Zeichne h(x): die Stäbe über das Vorhandene zeichnen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+B&lt;/td&gt;&lt;td&gt;Zeichne B(n;p): die Säulen über das Vorhandene zeichnen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Esc, Alt+L&lt;/td&gt;&lt;td&gt;Graphen Löschen: nur die Achsen bleiben stehen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Umschalt+Enter im Feld n oder p&lt;/td&gt;&lt;td&gt;alles neu anpassen und zeichnen (ein getippter Wert wird durch den angepassten ersetzt)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+N, Alt+P&lt;/td&gt;&lt;td&gt;ins Feld n, ins Feld p&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+M&lt;/td&gt;&lt;td&gt;Modelle einblenden oder ausblenden&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+V&lt;/td&gt;&lt;td&gt;Zeilenlängen im Vergleich: jede Zeilenlänge von 10 bis 120 für den
Bereich der letzten Berechnung&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+S&lt;/td&gt;&lt;td&gt;Schließen: das Fenster ausblenden (Graph im Hauptfenster holt es zurück)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Strg+C&lt;/td&gt;&lt;td&gt;Bild kopieren (in einem Textfeld: dessen Text)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Strg+S&lt;/td&gt;&lt;td&gt;Bild speichern unter … (PNG, SVG oder PDF)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Strg+P&lt;/td&gt;&lt;td&gt;Drucken … (mit Vorschau)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Rechtsklick auf die Tabelle&lt;/td&gt;&lt;td&gt;Tabelle kopieren, Tabelle speichern unter … (CSV), Ergebnisse kopieren&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;diese Hilfe&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Fehler, etwa eine Eingabe, die keine Zahl ist, meldet ein Hinweisfenster; das Programm läuft
weiter. Ein Bereich außerhalb von −10 000 000 bis 10 000 000 wird ohne Meldung nicht
berechnet.&lt;/p&gt;

&lt;h3&gt;Über Primzeilen&lt;/h3&gt;
&lt;p&gt;Primzeilen, Version %1.&lt;br&gt;
Lizenz: GNU General Public License, Version 3 oder (nach Ihrer Wahl) jede spätere Version
(GPL-3.0-or-later). Das Programm wird ohne jede Gewährleistung weitergegeben.&lt;/p&gt;
</source>
        <translation>
&lt;h2&gt;Primzeilen help&lt;/h2&gt;
&lt;p&gt;Primzeilen shows how the primes are spread over a range of numbers.&lt;/p&gt;

&lt;h3&gt;Rows, “O” and “+”&lt;/h3&gt;
&lt;p&gt;You give a range (&lt;i&gt;from&lt;/i&gt;, &lt;i&gt;to&lt;/i&gt;) and how many numbers a row is to hold
(&lt;i&gt;Numbers per row&lt;/i&gt;, 10 to 120 with the slider). The program lays the numbers of the range
out in order, in rows of this length. With 90 numbers per row the rows begin at 1, 91, 181, …
So that every row is full, the range is adjusted: &lt;i&gt;from&lt;/i&gt; moves to the start of a row,
&lt;i&gt;to&lt;/i&gt; to the end of the last full row. 100 to 1000 thus becomes 91 to 990.&lt;/p&gt;
&lt;p&gt;The list shows each row with its first number. Then comes one mark for each number of the
row: &lt;b&gt;O&lt;/b&gt; means “this number is a prime”, &lt;b&gt;+&lt;/b&gt; means “not a prime”. At the end of the
row stands its &lt;b&gt;count&lt;/b&gt;: how many primes lie in the row.
With 90 numbers per row the second row begins like this:
&lt;tt&gt;91&amp;nbsp;&amp;nbsp;++++++O+++O+O+…&amp;nbsp;&amp;nbsp;17&lt;/tt&gt;. It starts at 91; 91 to 96 are not
primes, 97 is one, then 101 and 103, … and in all the row holds 17 primes.&lt;/p&gt;

&lt;h3&gt;The shares h(x)&lt;/h3&gt;
&lt;p&gt;Below the rows the program counts how many rows hold exactly 0, 1, 2, …, 20 primes and
divides by the number of all rows. That is the &lt;b&gt;observed share h(x)&lt;/b&gt;: the share of the
rows with exactly x primes. h(9) = 0.1944 means: 19.44 % of the rows hold exactly 9 primes.
All h(x) together add up to 1.&lt;/p&gt;

&lt;h3&gt;The fitted binomial distribution B(n;p)&lt;/h3&gt;
&lt;p&gt;If every number were a prime independently of the others, with the same probability p, the
number of primes in a row would follow a binomial distribution. The program looks for the
binomial distribution that fits h(x) best, by the &lt;b&gt;method of moments&lt;/b&gt;: it computes the
mean and the variance of h(x) and chooses n and p so that B(n;p) has the same mean n·p and the
same variance n·p·(1−p). Hence &lt;i&gt;p = 1 − variance / mean&lt;/i&gt; and &lt;i&gt;n = mean / p&lt;/i&gt;, rounded
to a whole number. The chart window shows n and p, the mean of h(x) and the expected value of
B(n;p), both standard deviations, and the table of x, h(x) and B(n;p;x).&lt;/p&gt;
&lt;p&gt;The n that comes out is often much smaller than the row length: the primes in a row vary
less than pure chance would make them.&lt;/p&gt;

&lt;h3&gt;Comparison with random models&lt;/h3&gt;
&lt;p&gt;With a right click on the picture and “Show models” (or Alt+M) the program draws three
models over the chart at every redraw, as points joined by thin lines, as far as the x axis
reaches:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Cramér’s model&lt;/b&gt; (green squares): every number m is a prime, independently of all
others, with the probability 1/ln m, as the primes are spread on average. Strictly speaking a
row’s count is then a sum of different probabilities (Poisson binomial); the program takes for
each row the binomial distribution with the row’s mean probability, which lies very close to
it. The model is their mean over all rows.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Poisson (Gallagher)&lt;/b&gt; (orange diamonds): in short stretches the number of primes is,
by Gallagher, approximately Poisson distributed, with the mean that Cramér’s model gives the
row; this assumes the Hardy–Littlewood conjecture on prime k-tuples.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Montgomery–Soundararajan&lt;/b&gt; (blue crosses): under the same conjecture, applied
uniformly, the number of primes in a row of length L has the mean μ and the smaller variance
μ·(1 − μ/n*) with n* = L/(ln L + γ + ln 2π − 1) = L/(ln L + 1.415). Each row gets the mixture
of two binomial distributions with exactly this mean and this variance; where that cannot be
done (very short or very low rows), Cramér’s model. n* depends on L alone: with 90 numbers per
row n* = 15.22, with 10 only 2.69.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;The small table at the top right gives for each model, and for the fitted binomial
distribution, the &lt;b&gt;total variation distance (TV)&lt;/b&gt;: the share of the rows that would have
to be moved for model and observation to agree; all rows count, also those with more than 20
primes. 0 means “fits exactly”, 1 means “nothing in common”. A smaller value fits better.&lt;/p&gt;
&lt;p&gt;Behind this stands a law: in short stretches the number of primes varies less than
independent chances would make it. Cramér’s model and the Poisson model give a row with the
mean μ a variance of about μ; Montgomery and Soundararajan predict only μ·(1 − μ/n*), with
n* = L/(ln L + γ + ln 2π − 1). The command-line program measures this with
&lt;tt&gt;primzeilen-cli --hoehen H1,H2,… --fenster W LENGTH&lt;/tt&gt;: at every height H it counts the
numbers H+1 to H+W in rows of length LENGTH and compares the observed variance with the
variances of the models, over the whole distribution, also over rows with more than 20
primes.&lt;/p&gt;
&lt;h3&gt;Why n is so small: the model of Montgomery and Soundararajan&lt;/h3&gt;
&lt;p&gt;Mostly the fitted binomial distribution fits much better than Cramér’s model and the
Poisson model, although its n is much smaller than the row length. The reason: the number of
primes in a row varies less than independent chance would allow; the observed variance is
smaller than that of the random models (the command-line program shows them with
&lt;tt&gt;primzeilen-cli --modelle&lt;/tt&gt;). A binomial distribution with a small n and a large p has
exactly this smaller spread.&lt;/p&gt;
&lt;p&gt;Where does this come from? Neighboring numbers are not independent: they share their
divisibility by small primes. Of two numbers 1 apart one is even; both are never prime at once
(except 2 and 3). Two numbers 2 apart, on the other hand, are both prime more often than chance
says, 6 apart more often still: of two numbers 6 apart, one is divisible by 2 or 3 exactly when
the other is. Hardy and Littlewood conjectured for every distance h how much more or less often
this happens; the factors are called the &lt;b&gt;singular series&lt;/b&gt; S(h). Averaged over all
distances up to L a minus remains, so large that the number of primes in a row of length L with
the mean μ does not have the variance of about μ that independent numbers would give it, but
only&lt;/p&gt;
&lt;p style=&quot;margin-left:2em&quot;&gt;μ · (1 − (ln L + γ + ln 2π − 1) / ln x),&lt;/p&gt;
&lt;p&gt;with x the size of the numbers and γ = 0.5772… Euler’s constant (Montgomery and
Soundararajan, under the Hardy–Littlewood conjecture, applied uniformly). A binomial
distribution B(n; μ/n) has exactly this variance when&lt;/p&gt;
&lt;p style=&quot;margin-left:2em&quot;&gt;n* = L / (ln L + γ + ln 2π − 1) = L / (ln L + 1.415).&lt;/p&gt;
&lt;p&gt;This is remarkable: n* depends only on the row length L, not on how large the numbers are.
With 10 numbers per row n* = 2.69, with 90 n* = 15.22, with 120 n* = 19.35. So the model
predicts the n of the fit without a free parameter: for 1 to 45 000 with 90 numbers per row the
program fits n = 18, further up (around 10&lt;sup&gt;12&lt;/sup&gt;) n = 15.&lt;/p&gt;
&lt;p&gt;The experiment for it: a right click on the picture, “Row lengths compared” (or Alt+V),
computes the range of the last computation with every row length L from 10 to 120, fits B(n;p)
each time and draws the fitted n against L beside the curve n* = L/(ln L + 1.415) and the line
n = L of independent numbers. The fitted n follows n*, not L; the table below gives for each
length n, p, n* and the TV distances. Picture and table can be copied, saved and printed there
as in the chart window.&lt;/p&gt;
&lt;p&gt;What the fit matches exactly: p = 1 − variance/mean and n = mean/p, rounded to a whole
number. Because of the rounding the means of h(x) and B(n;p) do not agree exactly (for 1 to
45 000 with 90 numbers per row 9.3206 against 9.1037).&lt;/p&gt;
&lt;p&gt;Further reading: H. Cramér, “On the order of magnitude of the difference between consecutive
prime numbers”, Acta Arithmetica 2 (1936); P. X. Gallagher, “On the distribution of primes in
short intervals”, Mathematika 23 (1976); H. L. Montgomery and K. Soundararajan, “Primes in short
intervals”, Communications in Mathematical Physics 252 (2004) 589–617.&lt;/p&gt;

&lt;h3&gt;Reading the chart&lt;/h3&gt;
&lt;p&gt;To the right stand the counts x = 0 to 18, upwards the shares (0.1 = 10 %). The
&lt;b&gt;sticks&lt;/b&gt; show h(x), the observed shares. The &lt;b&gt;open bars&lt;/b&gt; show B(n;p;x), the shares
of the fitted binomial distribution. Where stick and bar are equally high, the distribution
fits well. With the color field you choose the color in which the next chart is drawn; so two
computations can be compared on top of each other.&lt;/p&gt;
&lt;p&gt;The fields &lt;i&gt;Numbers per row&lt;/i&gt;, &lt;i&gt;from&lt;/i&gt; and &lt;i&gt;to&lt;/i&gt; always show the computation
whose shares are drawn.&lt;/p&gt;

&lt;h3&gt;Keys in the main window&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;Alt+C or Alt+B, or Shift+Enter in the field “to”&lt;/td&gt;&lt;td&gt;Compute&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+G, or Enter in a field&lt;/td&gt;&lt;td&gt;Graph: show the chart window and draw it anew&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+S&lt;/td&gt;&lt;td&gt;Close: end the program&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Tab&lt;/td&gt;&lt;td&gt;Compute, Graph, Close, from, to&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+Z&lt;/td&gt;&lt;td&gt;to the field “Numbers per row”; Shift+Enter takes the value&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+L&lt;/td&gt;&lt;td&gt;to the list; there Page Up, Page Down, Ctrl+Home, Ctrl+End turn the pages&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Click, Shift+Click, Ctrl+Click, Shift+Arrows, Ctrl+A&lt;/td&gt;&lt;td&gt;select rows of the list&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Ctrl+C&lt;/td&gt;&lt;td&gt;copy the selected rows&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Ctrl+S&lt;/td&gt;&lt;td&gt;save the whole list as a text file&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Right click in the list&lt;/td&gt;&lt;td&gt;Copy, Select all, Save list as …&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;this help&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;

&lt;h3&gt;Keys in the chart window&lt;/h3&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;2&quot;&gt;
&lt;tr&gt;&lt;td&gt;Enter, Alt+H&lt;/td&gt;&lt;td&gt;Draw h(x): draw the sticks over what is there&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+B&lt;/td&gt;&lt;td&gt;Draw B(n;p): draw the bars over what is there&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Esc, Alt+L&lt;/td&gt;&lt;td&gt;Clear chart: only the axes remain&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Shift+Enter in the field n or p&lt;/td&gt;&lt;td&gt;fit and draw everything anew (a typed value is replaced by the fitted one)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+N, Alt+P&lt;/td&gt;&lt;td&gt;to the field n, to the field p&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+M&lt;/td&gt;&lt;td&gt;show or hide the models&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+V&lt;/td&gt;&lt;td&gt;Row lengths compared: every row length from 10 to 120 for the
range of the last computation&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Alt+S&lt;/td&gt;&lt;td&gt;Close: hide the window (Graph in the main window brings it back)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Ctrl+C&lt;/td&gt;&lt;td&gt;Copy picture (in a text field: its text)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Ctrl+S&lt;/td&gt;&lt;td&gt;Save picture as … (PNG, SVG or PDF)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Ctrl+P&lt;/td&gt;&lt;td&gt;Print … (with preview)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Right click on the table&lt;/td&gt;&lt;td&gt;Copy table, Save table as … (CSV), Copy results&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;F1&lt;/td&gt;&lt;td&gt;this help&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Errors, such as an entry that is not a number, are reported in a message box; the program
carries on. A range outside −10 000 000 to 10 000 000 is not computed, without a message.&lt;/p&gt;

&lt;h3&gt;About Primzeilen&lt;/h3&gt;
&lt;p&gt;Primzeilen, version %1.&lt;br&gt;
License: GNU General Public License, version 3 or (at your option) any later version
(GPL-3.0-or-later). The program comes without any warranty.&lt;/p&gt;
</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source> Häufigkeit von Primzahlen</source>
        <translation> Frequency of primes</translation>
    </message>
    <message>
        <source>Zeilen und Häufigkeiten</source>
        <translation>Rows and frequencies</translation>
    </message>
    <message>
        <source>45000</source>
        <translation>45000</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Primzahlen von : </source>
        <translation>Primes from: </translation>
    </message>
    <message>
        <source>bis </source>
        <translation>to </translation>
    </message>
    <message>
        <source>Zahl 1.Spalte</source>
        <translation>First number</translation>
    </message>
    <message>
        <source>Zahlen pro Zeile</source>
        <translation>Numbers per row</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Primes</translation>
    </message>
    <message>
        <source>Primzahlen/Reihe</source>
        <translation>per row</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Primzahlen von</source>
        <translation>Primes from</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>&amp;Berechnen</source>
        <translation>&amp;Compute</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>Clo&amp;se</translation>
    </message>
    <message>
        <source>O = Primzahl,    + = keine Primzahl</source>
        <translation>O = prime,    + = not prime</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>&lt;10 000 001</source>
        <translation>&lt;10 000 001</translation>
    </message>
</context>
<context>
    <name>core::SystemError</name>
    <message>
        <source>Kein Platz auf dem Gerät</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Auf dem Datenträger ist nicht genug Platz.</source>
        <translation>There is not enough space on the disk.</translation>
    </message>
    <message>
        <source>Der zugewiesene Plattenplatz (Quota) ist überschritten</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Ungültiger Dateideskriptor (die Ausgabe ist geschlossen)</source>
        <translation>Bad file descriptor (the output is closed)</translation>
    </message>
    <message>
        <source>Datenübergabe unterbrochen (broken pipe)</source>
        <translation>Broken pipe</translation>
    </message>
    <message>
        <source>Eingabe-/Ausgabefehler</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Keine Berechtigung, in diesen Ordner zu schreiben.</source>
        <translation>No permission to write to this folder.</translation>
    </message>
    <message>
        <source>Dateisystem ist nur lesbar</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation>The disk is write-protected.</translation>
    </message>
    <message>
        <source>Unter diesem Namen gibt es einen Ordner.</source>
        <translation>There is a folder of this name.</translation>
    </message>
    <message>
        <source>Den Ordner gibt es nicht.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation>The name is too long.</translation>
    </message>
</context>
<context>
    <name>graphics::ChartExport</name>
    <message>
        <source>Primzeilen: h(x) und B(n;p)</source>
        <translation>Primzeilen: h(x) and B(n;p)</translation>
    </message>
    <message>
        <source>leeres Bild</source>
        <translation>empty picture</translation>
    </message>
</context>
<context>
    <name>graphics::RowLengthChart</name>
    <message>
        <source>L (Zahlen pro Zeile)</source>
        <translation>L (numbers per row)</translation>
    </message>
    <message>
        <source>angepasstes n (Momente)</source>
        <translation>fitted n (moments)</translation>
    </message>
    <message>
        <source>n* = L/(ln L + 1,415) (Montgomery–Soundararajan)</source>
        <translation>n* = L/(ln L + 1.415) (Montgomery–Soundararajan)</translation>
    </message>
    <message>
        <source>n = L (unabhängige Zahlen)</source>
        <translation>n = L (independent numbers)</translation>
    </message>
</context>
<context>
    <name>primzeilen</name>
    <message>
        <source>Aufruf: primzeilen [--help] [--version]
</source>
        <translation>Usage: primzeilen [--help] [--version]
</translation>
    </message>
    <message>
        <source>Aufruf: primzeilen [Optionen]

Zeigt, wie sich die Primzahlen über einen Zahlenbereich verteilen: Der Bereich wird in
Zeilen gleicher Länge ausgelegt, jede Zahl als Primzahl („O“) oder nicht („+“)
markiert, und wie viele Zeilen 0, 1, …, 20 Primzahlen enthalten, wird gezählt und mit
einer angepassten Binomialverteilung B(n;p) gezeichnet. Die Bedienung erklärt das
Programm selbst: F1 in einem seiner Fenster.

Optionen:
  -h, --help      diese Hilfe anzeigen und beenden
  -v, --version   die Versionsnummer anzeigen und beenden
  Die üblichen Optionen von Qt (etwa -platform, -style) werden angenommen.

Rückgabewert: 0, wenn das Hauptfenster geschlossen wird, und nach --help und --version;
1, wenn die Hilfe oder die Version nicht ausgegeben werden konnte; 2 bei einer
unbekannten Option oder einem Argument.

Handbuch: man primzeilen
</source>
        <translation>Usage: primzeilen [options]

Shows how the primes are spread over a range of numbers: the range is laid out in rows
of equal length, each number marked as a prime (“O”) or not (“+”), and how many rows
hold 0, 1, …, 20 primes is counted and drawn with a fitted binomial distribution
B(n;p). The program explains its use itself: F1 in any of its windows.

Options:
  -h, --help      show this help and exit
  -v, --version   show the version number and exit
  Qt&apos;s usual options (such as -platform, -style) are accepted.

Exit status: 0 when the main window is closed, and after --help and --version;
1 if the help or the version could not be written; 2 for an unknown option or an
argument.

Manual: man primzeilen
</translation>
    </message>
    <message>
        <source>Ausgabe konnte nicht geschrieben werden: %1</source>
        <translation>Could not write the output: %1</translation>
    </message>
    <message>
        <source>unbekannte Option „%1%2“.</source>
        <translation>unknown option “%1%2”.</translation>
    </message>
    <message>
        <source>unerwartetes Argument „%1“.</source>
        <translation>unexpected argument “%1”.</translation>
    </message>
    <message>
        <source>„\1“</source>
        <extracomment>Quotes around a name; the name takes the place of the backslash and the 1.</extracomment>
        <translation>“\1”</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>%1 konnte nicht als „%2“ gespeichert werden.
%3</source>
        <translation>%1 could not be saved as “%2”.
%3</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Bild speichern unter</source>
        <translation>Save picture as</translation>
    </message>
    <message>
        <source>PNG-Bild, doppelte Auflösung (*.png)</source>
        <translation>PNG image, double resolution (*.png)</translation>
    </message>
    <message>
        <source>PNG-Bild, einfache Auflösung (*.png)</source>
        <translation>PNG image, single resolution (*.png)</translation>
    </message>
    <message>
        <source>SVG-Vektorgrafik (*.svg)</source>
        <translation>SVG vector graphics (*.svg)</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Das Bild</source>
        <translation>The picture</translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Primzeilen</source>
        <translation>Primzeilen</translation>
    </message>
    <message>
        <source>Fensterinhalt waagerecht verschieben</source>
        <translation>Scroll the window’s content sideways</translation>
    </message>
    <message>
        <source>Fensterinhalt senkrecht verschieben</source>
        <translation>Scroll the window’s content up and down</translation>
    </message>
</context>
<context>
    <name>ui::ColorGrid</name>
    <message>
        <source>FG</source>
        <translation>FG</translation>
    </message>
</context>
<context>
    <name>ui::GraphWindow</name>
    <message>
        <source>Bild &amp;kopieren</source>
        <translation>&amp;Copy picture</translation>
    </message>
    <message>
        <source>Bild &amp;speichern unter …</source>
        <translation>&amp;Save picture as …</translation>
    </message>
    <message>
        <source>&amp;Drucken …</source>
        <translation>&amp;Print …</translation>
    </message>
    <message>
        <source>Tabelle &amp;kopieren</source>
        <translation>Copy &amp;table</translation>
    </message>
    <message>
        <source>Tabelle speichern unter …</source>
        <translation>Save table as …</translation>
    </message>
    <message>
        <source>&amp;Ergebnisse kopieren</source>
        <translation>Copy &amp;results</translation>
    </message>
    <message>
        <source>&amp;Modelle einblenden</source>
        <translation>Show &amp;models</translation>
    </message>
    <message>
        <source>&amp;Zeilenlängen im Vergleich …</source>
        <translation>Row &amp;lengths compared …</translation>
    </message>
    <message>
        <source>Tabelle speichern unter</source>
        <translation>Save table as</translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>Die Tabelle</source>
        <translation>The table</translation>
    </message>
    <message>
        <source>Es ist noch kein Bild gezeichnet.</source>
        <translation>No picture has been drawn yet.</translation>
    </message>
    <message>
        <source>Das Bild</source>
        <translation>The picture</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
</context>
<context>
    <name>ui::HelpWindow</name>
    <message>
        <source>Hilfe zu Primzeilen</source>
        <translation>Primzeilen help</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>Clo&amp;se</translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Alles auswählen</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>Liste &amp;speichern unter …</source>
        <translation>&amp;Save list as …</translation>
    </message>
    <message>
        <source>Liste speichern unter</source>
        <translation>Save list as</translation>
    </message>
    <message>
        <source>Textdatei (*.txt)</source>
        <translation>Text file (*.txt)</translation>
    </message>
    <message>
        <source>Die Liste</source>
        <translation>The list</translation>
    </message>
</context>
<context>
    <name>ui::RowLengthWindow</name>
    <message>
        <source>Zeilenlängen im Vergleich</source>
        <translation>Row lengths compared</translation>
    </message>
    <message>
        <source>Angepasstes n über der Zeilenlänge</source>
        <translation>Fitted n against the row length</translation>
    </message>
    <message>
        <source>Zeilenlängen, angepasstes n und Abstände</source>
        <translation>Row lengths, fitted n and distances</translation>
    </message>
    <message>
        <source>Zeilen</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>TV Momente</source>
        <translation>TV moments</translation>
    </message>
    <message>
        <source>Bild &amp;kopieren</source>
        <translation>&amp;Copy picture</translation>
    </message>
    <message>
        <source>Bild &amp;speichern unter …</source>
        <translation>&amp;Save picture as …</translation>
    </message>
    <message>
        <source>&amp;Drucken …</source>
        <translation>&amp;Print …</translation>
    </message>
    <message>
        <source>Tabelle &amp;kopieren</source>
        <translation>Copy &amp;table</translation>
    </message>
    <message>
        <source>Tabelle speichern unter …</source>
        <translation>Save table as …</translation>
    </message>
    <message>
        <source>Jede Zeilenlänge von %1 bis %2 wird berechnet …</source>
        <translation>Computing every row length from %1 to %2 …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Primzeilen: Zeilenlängen im Vergleich</source>
        <translation>Primzeilen: row lengths compared</translation>
    </message>
    <message>
        <source>Tabelle speichern unter</source>
        <translation>Save table as</translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>Die Tabelle</source>
        <translation>The table</translation>
    </message>
    <message>
        <source>primzeilen_laengen_%1_%2.%3</source>
        <translation>primzeilen_lengths_%1_%2.%3</translation>
    </message>
</context>
</TS>
