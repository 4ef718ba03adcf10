<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>GraphWindow</name>
    <message>
        <source> Graphische Darstellung und Tabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbwahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphen &amp;Löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagramm von h(x) und B(n;p)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle von h(x) und B(n;p)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative Häufigkeit h(x) der Primzahlen und zugeordnete Binomialverteilung B(n;p):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B(</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeichne &amp;h(x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeichne &amp;B(n;p)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartungswert von h(x):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartungswert von h(x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartungswert von B(n:p):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartungswert von B(n;p)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standardabweichung von h(x):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standardabweichung von h(x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standardabweichung von B(n;p):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standardabweichung von B(n;p)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stabdiagramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Zahlen/Zeile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Zahlen/Zeile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>von</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bis</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source> Häufigkeit von Primzahlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen und Häufigkeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primzahlen von : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bis </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zahl 1.Spalte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zahlen pro Zeile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primzahlen/Reihe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primzahlen von</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Berechnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O = Primzahl,    + = keine Primzahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;10 000 001</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>core::SystemError</name>
    <message>
        <source>Kein Platz auf dem Gerät</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auf dem Datenträger ist nicht genug Platz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der zugewiesene Plattenplatz (Quota) ist überschritten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ungültiger Dateideskriptor (die Ausgabe ist geschlossen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenübergabe unterbrochen (broken pipe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingabe-/Ausgabefehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Berechtigung, in diesen Ordner zu schreiben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dateisystem ist nur lesbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Datenträger ist schreibgeschützt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unter diesem Namen gibt es einen Ordner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Den Ordner gibt es nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name ist zu lang.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>graphics::ChartExport</name>
    <message>
        <source>Primzeilen: h(x) und B(n;p)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leeres Bild</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>primzeilen</name>
    <message>
        <source>Aufruf: primzeilen [--help] [--version]
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgabe konnte nicht geschrieben werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbekannte Option „%1%2“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unerwartetes Argument „%1“.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>%1 konnte nicht als „%2“ gespeichert werden.
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild speichern unter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG-Bild, doppelte Auflösung (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG-Bild, einfache Auflösung (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG-Vektorgrafik (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Druckvorschau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primzeilen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fensterinhalt waagerecht verschieben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fensterinhalt senkrecht verschieben</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::ColorGrid</name>
    <message>
        <source>FG</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::GraphWindow</name>
    <message>
        <source>Bild &amp;kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild &amp;speichern unter …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drucken …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle &amp;kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle speichern unter …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ergebnisse kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modelle einblenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zeilenlängen im Vergleich …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle speichern unter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es ist noch kein Bild gezeichnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::HelpWindow</name>
    <message>
        <source>Hilfe zu Primzeilen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <source>&amp;Kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alles auswählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste &amp;speichern unter …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste speichern unter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textdatei (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Liste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::RowLengthWindow</name>
    <message>
        <source>Zeilenlängen im Vergleich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angepasstes n über der Zeilenlänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilenlängen, angepasstes n und Abstände</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Momente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Cramér</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Poisson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV M–S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild &amp;kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild &amp;speichern unter …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drucken …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle &amp;kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle speichern unter …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jede Zeilenlänge von %1 bis %2 wird berechnet …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primzeilen: Zeilenlängen im Vergleich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabelle speichern unter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tabelle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
