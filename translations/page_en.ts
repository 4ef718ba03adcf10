<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>help</name>
    <message>
        <source>&lt;h3&gt;Zeilen, „O“ und „+“&lt;/h3&gt;
&lt;p&gt;Sie geben einen Bereich an (&lt;i&gt;von&lt;/i&gt;, &lt;i&gt;bis&lt;/i&gt;) und wie viele Zahlen in einer Zeile
stehen sollen (&lt;i&gt;Zahlen pro Zeile&lt;/i&gt;, mit dem Schieber 10 bis 120). Die Seite legt die
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
Primzahlen.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Rows, “O” and “+”&lt;/h3&gt;
&lt;p&gt;You give a range (&lt;i&gt;from&lt;/i&gt;, &lt;i&gt;to&lt;/i&gt;) and how many numbers a row should hold
(&lt;i&gt;numbers per row&lt;/i&gt;, 10 to 120 with the slider). The page lays out the numbers of the range
in order in rows of that length. With 90 numbers per row the rows begin at 1, 91, 181, … So that
every row is full, the range is adjusted: &lt;i&gt;from&lt;/i&gt; moves to the beginning of a row, &lt;i&gt;to&lt;/i&gt;
to the end of the last full row. 100 to 1000 thus becomes 91 to 990.&lt;/p&gt;
&lt;p&gt;The list shows each row with its first number. Then comes one mark for each number of the row:
&lt;b&gt;O&lt;/b&gt; means “this number is a prime”, &lt;b&gt;+&lt;/b&gt; means “not a prime”. At the end of the row stands
its &lt;b&gt;count&lt;/b&gt;: how many primes lie in the row. With 90 numbers per row the second row begins
like this: &lt;tt&gt;91&amp;nbsp;&amp;nbsp;++++++O+++O+O+…&amp;nbsp;&amp;nbsp;17&lt;/tt&gt;. It starts at 91; 91 to 96 are not
primes, 97 is one, then 101 and 103 again, … and in all the row holds 17 primes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Die Häufigkeiten h(x)&lt;/h3&gt;
&lt;p&gt;Unter den Zeilen zählt die Seite, wie viele Zeilen genau 0, 1, 2, …, 20 Primzahlen
enthalten („x-mal“), und teilt durch die Zahl dieser Zeilen. Das ist die &lt;b&gt;relative
Häufigkeit h(x)&lt;/b&gt;: der Anteil der Zeilen mit genau x Primzahlen. h(9) = 0,1944 bedeutet:
19,44 % der Zeilen enthalten genau 9 Primzahlen. Zusammen ergeben alle h(x) 1. Zeilen mit mehr als 20 Primzahlen zählen dabei nicht mit; die Seite nennt sie im Status und führt sie in der Tabelle in einer eigenen Gruppe auf.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The frequencies h(x)&lt;/h3&gt;
&lt;p&gt;Among the rows the page counts how many rows hold exactly 0, 1, 2, …, 20 primes (“x rows”) and
divides by the number of these rows. That is the &lt;b&gt;relative frequency h(x)&lt;/b&gt;: the share of the
rows with exactly x primes. h(9) = 0.1944 means: 19.44 % of the rows hold exactly 9 primes. All
h(x) together add up to 1. Rows with more than 20 primes are not counted here; the page names them
in the status line and lists them in the table in a group of their own.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Die angepasste Binomialverteilung B(n;p)&lt;/h3&gt;
&lt;p&gt;Wäre jede Zahl unabhängig von den anderen mit derselben Wahrscheinlichkeit p eine Primzahl,
dann wäre die Anzahl der Primzahlen in einer Zeile binomialverteilt. Die Seite sucht die
Binomialverteilung, die am besten zu h(x) passt, mit der &lt;b&gt;Momentenmethode&lt;/b&gt;: Sie berechnet
Mittelwert (Erwartungswert) und Varianz von h(x) und wählt n und p so, dass B(n;p) denselben
Mittelwert n·p und dieselbe Varianz n·p·(1−p) hat. Daraus folgt
&lt;i&gt;p = 1 − Varianz / Mittelwert&lt;/i&gt; und &lt;i&gt;n = Mittelwert / p&lt;/i&gt;, auf eine ganze Zahl
gerundet. Die Seite zeigt n und p, beide Erwartungswerte und beide
Standardabweichungen, dazu die Tabelle von x, h(x) und B(n;p;x).&lt;/p&gt;
&lt;p&gt;Oft kommt dabei ein viel kleineres n heraus als die Zeilenlänge: Die Primzahlen in einer
Zeile schwanken weniger, als es reiner Zufall täte.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;The fitted binomial distribution B(n;p)&lt;/h3&gt;
&lt;p&gt;If every number were a prime independently of the others with the same probability p, the
number of primes in a row would follow a binomial distribution. The page looks for the binomial
distribution that fits h(x) best, by the &lt;b&gt;method of moments&lt;/b&gt;: it computes the mean and the
variance of h(x) and chooses n and p so that B(n;p) has the same mean n·p and the same variance
n·p·(1−p). From this follow &lt;i&gt;p = 1 − variance / mean&lt;/i&gt; and &lt;i&gt;n = mean / p&lt;/i&gt;, rounded to a
whole number. The page shows n and p, both means and both standard deviations, and the table of
x, h(x) and B(n;p;x).&lt;/p&gt;
&lt;p&gt;Often the n that comes out is much smaller than the row length: the primes in a row vary less
than pure chance would make them.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Vergleich mit Zufallsmodellen&lt;/h3&gt;
&lt;p&gt;Mit „Modelle einblenden“ unter dem Diagramm zeichnet die Seite drei Modelle über das Diagramm, als Punkte mit dünnen Linien, so weit die
x-Achse reicht:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Cramér-Modell&lt;/b&gt; (grüne Quadrate): Jede Zahl m ist unabhängig von allen anderen mit der
Wahrscheinlichkeit 1/ln m eine Primzahl, so wie die Primzahlen im Mittel verteilt sind. Genau
genommen ist die Anzahl einer Zeile dann eine Summe verschiedener Wahrscheinlichkeiten (Poisson-
binomial); die Seite nimmt für jede Zeile die Binomialverteilung mit der mittleren
Wahrscheinlichkeit der Zeile, was sehr nahe daran liegt. Das Modell ist ihr Mittel über alle
Zeilen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Poisson (Gallagher)&lt;/b&gt; (orange Rauten): Für kurze Abschnitte ist die Anzahl der
Primzahlen nach Gallagher näherungsweise Poisson-verteilt, mit dem Mittelwert, den das
Cramér-Modell der Zeile gibt; das setzt die Hardy-Littlewood-Vermutung über Primzahl-k-Tupel
voraus.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Montgomery–Soundararajan&lt;/b&gt; (blaue Dreiecke; im Bild wie im Programmfenster Kreuze): Unter derselben Vermutung, gleichmäßig
angewandt, hat die Anzahl der Primzahlen in einer Zeile der Länge L den Mittelwert μ und die
kleinere Varianz μ·(1 − μ/n*) mit n* = L/(ln L + γ + ln 2π − 1) = L/(ln L + 1,415). Jede Zeile
erhält die Mischung zweier Binomialverteilungen mit genau diesem Mittelwert und dieser Varianz;
wo das nicht geht (sehr kurze oder sehr tiefe Zeilen), das Cramér-Modell. n* hängt nur von L
ab: bei 90 Zahlen pro Zeile ist n* = 15,22, bei 10 nur 2,69.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Die Legende im Diagramm (ein Klick auf einen Eintrag blendet seine Reihe aus und wieder ein) nennt für jedes Modell und für die angepasste
Binomialverteilung den &lt;b&gt;TV-Abstand&lt;/b&gt; (totale Variation): den Anteil der Zeilen, die man
umverteilen müsste, damit Modell und Beobachtung übereinstimmen; gezählt werden alle Zeilen,
auch die mit mehr als 20 Primzahlen. 0 heißt „passt genau“, 1 heißt
„nichts gemeinsam“. Ein kleinerer Wert passt besser.&lt;/p&gt;
&lt;p&gt;Dahinter steht ein Gesetz: In kurzen Abschnitten schwankt die Anzahl der Primzahlen weniger,
als unabhängige Zufälle es ergäben. Cramér- und Poisson-Modell geben einer Zeile mit dem
Mittelwert μ eine Varianz von etwa μ; Montgomery und Soundararajan sagen nur μ·(1 − μ/n*) voraus,
mit n* = L/(ln L + γ + ln 2π − 1).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Comparison with random models&lt;/h3&gt;
&lt;p&gt;With “Show models” below the chart the page draws three models over the chart, as points with
thin lines, as far as the x axis reaches:&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Cramér&apos;s model&lt;/b&gt; (green squares): every number m is a prime with the probability
1/ln m, independently of all others, just as the primes are spread on average. Strictly, the count
of a row is then a sum of different probabilities (Poisson binomial); the page takes for each row
the binomial distribution with the row&apos;s mean probability, which lies very close to it. The model
is their mean over all rows.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Poisson (Gallagher)&lt;/b&gt; (orange diamonds): for short stretches the number of primes is,
after Gallagher, approximately Poisson distributed, with the mean that Cramér&apos;s model gives the
row; this assumes the Hardy–Littlewood conjecture on prime k-tuples.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Montgomery–Soundararajan&lt;/b&gt; (blue triangles; crosses in the picture as in the program
window): under the same conjecture, applied uniformly, the number of primes in a row of length L
has the mean μ and the smaller variance μ·(1 − μ/n*) with n* = L/(ln L + γ + ln 2π − 1) =
L/(ln L + 1.415). Each row gets the mixture of two binomial distributions with exactly this mean
and this variance; where that is not possible (very short or very low rows), Cramér&apos;s model. n*
depends on L alone: at 90 numbers per row n* = 15.22, at 10 only 2.69.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;The legend in the chart (a click on an entry hides its series and shows it again) gives for
each model and for the fitted binomial distribution the &lt;b&gt;total variation distance (TV)&lt;/b&gt;: the
share of rows one would have to move so that model and observation agree; all rows are counted,
those with more than 20 primes too. 0 means “fits exactly”, 1 means “nothing in common”. A smaller
value fits better.&lt;/p&gt;
&lt;p&gt;Behind this stands a law: in short stretches the number of primes varies less than independent
chances would make it. Cramér&apos;s and the Poisson model give a row with the mean μ a variance of
about μ; Montgomery and Soundararajan predict only μ·(1 − μ/n*), with
n* = L/(ln L + γ + ln 2π − 1).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Warum n so klein ist: das Modell von Montgomery und Soundararajan&lt;/h3&gt;
&lt;p&gt;Meist passt die angepasste Binomialverteilung viel besser als Cramér- und Poisson-Modell,
obwohl ihr n viel kleiner ist als die Zeilenlänge. Der Grund: Die Anzahl der Primzahlen in einer
Zeile schwankt weniger, als es unabhängiger Zufall erlauben würde; die beobachtete Varianz ist
kleiner als die der Zufallsmodelle. Eine Binomialverteilung mit kleinem n und großem p hat genau
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
Modell sagt das n der Anpassung also ohne freien Parameter voraus: Für 1 bis 45.000 mit 90 Zahlen
pro Zeile passt die Seite n = 18 an, weiter oben (etwa bei 10&lt;sup&gt;12&lt;/sup&gt;, jenseits der Grenzen dieser Seite) n = 15.&lt;/p&gt;
&lt;p&gt;Das Experiment dazu: „Zeilenlängen im Vergleich“ berechnet den Bereich der letzten Berechnung mit jeder Zeilenlänge L von 10 bis 120, passt jedes
Mal B(n;p) an und zeichnet das angepasste n über L neben die Kurve n* = L/(ln L + 1,415) und die
Gerade n = L unabhängiger Zahlen. Das angepasste n folgt n*, nicht L; die Tabelle darunter nennt
für jede Länge n, p, n* und die TV-Abstände. Die Tabelle lässt sich dort speichern.&lt;/p&gt;
&lt;p&gt;Was die Anpassung trifft: p = 1 − Varianz/Mittelwert und n = Mittelwert/p, auf eine ganze
Zahl gerundet. Durch das Runden stimmen die Erwartungswerte von h(x) und B(n;p) nicht genau
überein (bei 1 bis 45.000 mit 90 Zahlen pro Zeile 9,3206 gegen 9,1037).&lt;/p&gt;
&lt;p&gt;Zum Weiterlesen: H. Cramér, „On the order of magnitude of the difference between consecutive
prime numbers“, Acta Arithmetica 2 (1936); P. X. Gallagher, „On the distribution of primes in
short intervals“, Mathematika 23 (1976); H. L. Montgomery und K. Soundararajan, „Primes in short
intervals“, Communications in Mathematical Physics 252 (2004) 589–617.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Why n is so small: the model of Montgomery and Soundararajan&lt;/h3&gt;
&lt;p&gt;Mostly the fitted binomial distribution fits much better than Cramér&apos;s and the Poisson model,
although its n is much smaller than the row length. The reason: the number of primes in a row
varies less than independent chance would allow; the observed variance is smaller than that of
the random models. A binomial distribution with a small n and a large p has exactly this smaller
spread.&lt;/p&gt;
&lt;p&gt;Where does this come from? Neighbouring numbers are not independent: they share their
divisibility by small primes. Of two numbers 1 apart, one is even; both are never prime together
(except 2 and 3). At a distance of 2, on the other hand, both are prime together more often than
chance says, at a distance of 6 more often still: of two numbers 6 apart, one is divisible by 2
or 3 exactly when the other is. Hardy and Littlewood conjectured for every distance h how much
more or less often that is; the factors are called the &lt;b&gt;singular series&lt;/b&gt; S(h). Averaged over
all distances up to L a minus remains, so large that the number of primes in a row of length L
with the mean μ does not have the variance of about μ that independent numbers would give it,
but only&lt;/p&gt;
&lt;p style=&quot;margin-left:2em&quot;&gt;μ · (1 − (ln L + γ + ln 2π − 1) / ln x),&lt;/p&gt;
&lt;p&gt;with x the size of the numbers and γ = 0.5772… Euler&apos;s constant (Montgomery and
Soundararajan, under the Hardy–Littlewood conjecture, applied uniformly). A binomial distribution
B(n; μ/n) has exactly this variance when&lt;/p&gt;
&lt;p style=&quot;margin-left:2em&quot;&gt;n* = L / (ln L + γ + ln 2π − 1) = L / (ln L + 1.415).&lt;/p&gt;
&lt;p&gt;That is remarkable: n* depends only on the row length L, not on how large the numbers are. At
10 numbers per row n* = 2.69, at 90 n* = 15.22, at 120 n* = 19.35. The model thus predicts the
fitted n without a free parameter: for 1 to 45,000 with 90 numbers per row the page fits n = 18,
further up (around 10&lt;sup&gt;12&lt;/sup&gt;, beyond the limits of this page) n = 15.&lt;/p&gt;
&lt;p&gt;The experiment for this: “Row lengths compared” computes the range of the last computation at
every row length L from 10 to 120, fits B(n;p) each time and draws the fitted n over L beside the
curve n* = L/(ln L + 1.415) and the line n = L of independent numbers. The fitted n follows n*,
not L; the table below gives n, p, n* and the TV distances for each length. The table can be
saved there.&lt;/p&gt;
&lt;p&gt;What the fit hits: p = 1 − variance/mean and n = mean/p, rounded to a whole number. Because of
the rounding the means of h(x) and B(n;p) do not agree exactly (for 1 to 45,000 with 90 numbers
per row 9.3206 against 9.1037).&lt;/p&gt;
&lt;p&gt;Further reading: H. Cramér, “On the order of magnitude of the difference between consecutive
prime numbers”, Acta Arithmetica 2 (1936); P. X. Gallagher, “On the distribution of primes in
short intervals”, Mathematika 23 (1976); H. L. Montgomery and K. Soundararajan, “Primes in short
intervals”, Communications in Mathematical Physics 252 (2004) 589–617.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Das Diagramm lesen&lt;/h3&gt;
&lt;p&gt;Nach rechts stehen alle Anzahlen x, die in einer Zeile vorkommen (auch über 20), nach oben die Anteile (0,1 = 10 %); die Achsen passen sich den Werten an. Die &lt;b&gt;gefüllten Säulen&lt;/b&gt; zeigen h(x), die beobachteten Anteile, die &lt;b&gt;offenen Säulen&lt;/b&gt; B(n;p;x), die Anteile der angepassten Binomialverteilung. Wo beide gleich hoch sind, passt die Verteilung gut. Die genauen Werte einer Anzahl nennt die Zeile unter dem Diagramm: mit dem Zeiger darauf zeigen, antippen, oder das Diagramm mit Tab wählen und mit den Pfeiltasten wandern. &lt;b&gt;Bild wie im Programmfenster&lt;/b&gt; zeichnet das Bild des Programms: feste Achsen, x = 0 bis 18, Stäbe für h(x) und offene Säulen für B(n;p;x). &lt;/p&gt;
&lt;p&gt;Die Felder &lt;i&gt;Anzahl Zahlen/Zeile&lt;/i&gt;, &lt;i&gt;von&lt;/i&gt; und &lt;i&gt;bis&lt;/i&gt; zeigen immer die
Berechnung, deren Häufigkeiten gezeichnet sind.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Reading the chart&lt;/h3&gt;
&lt;p&gt;To the right stand all counts x that occur in a row (above 20 too), upwards the shares
(0.1 = 10 %); the axes fit themselves to the values. The &lt;b&gt;filled bars&lt;/b&gt; show h(x), the
observed shares, the &lt;b&gt;open bars&lt;/b&gt; B(n;p;x), the shares of the fitted binomial distribution.
Where both are equally high, the distribution fits well. The line below the chart gives the exact
values of a count: point at it, tap it, or choose the chart with Tab and move with the arrow keys.
&lt;b&gt;Picture as in the program window&lt;/b&gt; draws the program&apos;s picture: fixed axes, x = 0 to 18,
sticks for h(x) and open bars for B(n;p;x).&lt;/p&gt;
&lt;p&gt;The fields &lt;i&gt;numbers per row&lt;/i&gt;, &lt;i&gt;from&lt;/i&gt; and &lt;i&gt;to&lt;/i&gt; always show the computation whose
frequencies are drawn.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Über Primzeilen&lt;/h3&gt;
&lt;p&gt;Primzeilen, Version %1.&lt;br&gt;
Lizenz: GNU General Public License, Version 3 oder (nach Ihrer Wahl) jede spätere Version
(GPL-3.0-or-later). Das Programm wird ohne jede Gewährleistung weitergegeben.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;About Primzeilen&lt;/h3&gt;
&lt;p&gt;Primzeilen, version %1.&lt;br&gt;
Licence: GNU General Public License, version 3 or (at your option) any later version
(GPL-3.0-or-later). The program comes without any warranty.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>index.html</name>
    <message>
        <source>Primzeilen – Häufigkeit von Primzahlen</source>
        <translation>Primzeilen – How primes are spread</translation>
    </message>
    <message>
        <source>Häufigkeit von Primzahlen</source>
        <translation>How primes are spread</translation>
    </message>
    <message>
        <source>Primzahlen von</source>
        <translation>Primes from</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>von</source>
        <translation>from</translation>
    </message>
    <message>
        <source>höchstens ±10.000.000</source>
        <translation>at most ±10,000,000</translation>
    </message>
    <message>
        <source>Zahlen pro Zeile</source>
        <translation>Numbers per row</translation>
    </message>
    <message>
        <source>Zahlen pro Zeile, Schieber von 10 bis 120</source>
        <translation>Numbers per row, slider from 10 to 120</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Link kopieren</source>
        <translation>Copy link</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Berechnung läuft …</source>
        <translation>Computing …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Link zu dieser Berechnung</source>
        <translation>Link to this computation</translation>
    </message>
    <message>
        <source>Bereich &lt;b id=&quot;blatt-bereich&quot;&gt;&lt;/b&gt;, &lt;b id=&quot;blatt-laenge&quot;&gt;&lt;/b&gt; Zahlen pro Zeile, &lt;b id=&quot;blatt-zeilen&quot;&gt;&lt;/b&gt; Zeilen</source>
        <translation>Range &lt;b id=&quot;blatt-bereich&quot;&gt;&lt;/b&gt;, &lt;b id=&quot;blatt-laenge&quot;&gt;&lt;/b&gt; numbers per row, &lt;b id=&quot;blatt-zeilen&quot;&gt;&lt;/b&gt; rows</translation>
    </message>
    <message>
        <source>Arbeitsblatt drucken</source>
        <translation>Print worksheet</translation>
    </message>
    <message>
        <source>Ergebnisse</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Zeilen</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Darstellung der Zeilen</source>
        <translation>How the rows are shown</translation>
    </message>
    <message>
        <source>Liste (O/+)</source>
        <translation>List (O/+)</translation>
    </message>
    <message>
        <source>Zahlenraster</source>
        <translation>Number grid</translation>
    </message>
    <message>
        <source>&lt;span class=&quot;p&quot;&gt;O&lt;/span&gt; = Primzahl,&amp;nbsp;&amp;nbsp;&amp;nbsp;&amp;nbsp;&lt;span class=&quot;k&quot;&gt;+&lt;/span&gt; = keine Primzahl</source>
        <translation>&lt;span class=&quot;p&quot;&gt;O&lt;/span&gt; = prime,&amp;nbsp;&amp;nbsp;&amp;nbsp;&amp;nbsp;&lt;span class=&quot;k&quot;&gt;+&lt;/span&gt; = not prime</translation>
    </message>
    <message>
        <source>Zahl 1.Spalte</source>
        <translation>First number</translation>
    </message>
    <message>
        <source>Anzahl Primzahlen/Reihe</source>
        <translation>Primes per row</translation>
    </message>
    <message>
        <source>Liste der Zeilen und Häufigkeiten</source>
        <translation>List of the rows and frequencies</translation>
    </message>
    <message>
        <source>&lt;span class=&quot;muster prim&quot;&gt;&lt;/span&gt; Primzahl,&amp;nbsp;&amp;nbsp;&lt;span class=&quot;muster&quot;&gt;&lt;/span&gt; keine Primzahl; am Zeilenende die Anzahl Primzahlen.</source>
        <translation>&lt;span class=&quot;muster prim&quot;&gt;&lt;/span&gt; prime,&amp;nbsp;&amp;nbsp;&lt;span class=&quot;muster&quot;&gt;&lt;/span&gt; not prime; at the end of each row its number of primes.</translation>
    </message>
    <message>
        <source>Zahlenraster der Zeilen</source>
        <translation>Number grid of the rows</translation>
    </message>
    <message>
        <source>Eine Zahl zeigen: darauf tippen oder zeigen, oder mit den Pfeiltasten wählen (Pos1 und Ende in der Zeile, Bild auf/ab).</source>
        <translation>To name a number: tap or point at it, or choose it with the arrow keys (Home and End within the row, Page Up/Down).</translation>
    </message>
    <message>
        <source>Liste speichern (Text)</source>
        <translation>Save list (text)</translation>
    </message>
    <message>
        <source>Häufigkeiten und angepasste Binomialverteilung</source>
        <translation>Frequencies and fitted binomial distribution</translation>
    </message>
    <message>
        <source>Erwartungswert von h(x):</source>
        <translation>Mean of h(x):</translation>
    </message>
    <message>
        <source>Erwartungswert von B(n;p):</source>
        <translation>Mean of B(n;p):</translation>
    </message>
    <message>
        <source>Standardabweichung von h(x):</source>
        <translation>Standard deviation of h(x):</translation>
    </message>
    <message>
        <source>Standardabweichung von B(n;p):</source>
        <translation>Standard deviation of B(n;p):</translation>
    </message>
    <message>
        <source>Anzahl Zahlen/Zeile:</source>
        <translation>Numbers per row:</translation>
    </message>
    <message>
        <source>Tabelle von h(x) und B(n;p)</source>
        <translation>Table of h(x) and B(n;p)</translation>
    </message>
    <message>
        <source>Ab x = 21 ist h(x) der Anteil an allen Zeilen; bis x = 20, wie in der Liste, der Anteil an den Zeilen mit höchstens 20 Primzahlen.</source>
        <translation>From x = 21 on, h(x) is the share of all rows; up to x = 20, as in the list, the share of the rows with at most 20 primes.</translation>
    </message>
    <message>
        <source>Tabelle speichern (CSV)</source>
        <translation>Save table (CSV)</translation>
    </message>
    <message>
        <source>Tabelle speichern (CSV, wie die Seite)</source>
        <translation>Save table (CSV, as on the page)</translation>
    </message>
    <message>
        <source>Modelle einblenden (Cramér, Poisson, Montgomery–Soundararajan)</source>
        <translation>Show models (Cramér, Poisson, Montgomery–Soundararajan)</translation>
    </message>
    <message>
        <source>Bild wie im Programmfenster</source>
        <translation>Picture as in the program window</translation>
    </message>
    <message>
        <source>Gefüllte Säulen: h(x), die beobachteten Anteile der Zeilen; offene Säulen: B(n;p;x); Linien mit Punkten: die Modelle.</source>
        <translation>Filled bars: h(x), the observed shares of the rows; open bars: B(n;p;x); lines with points: the models.</translation>
    </message>
    <message>
        <source>Bild speichern (SVG)</source>
        <translation>Save picture (SVG)</translation>
    </message>
    <message>
        <source>Bild speichern (PNG)</source>
        <translation>Save picture (PNG)</translation>
    </message>
    <message>
        <source>Zeilenlängen im Vergleich</source>
        <translation>Row lengths compared</translation>
    </message>
    <message>
        <source>Der Bereich der letzten Berechnung mit jeder Zeilenlänge L von 10 bis 120: das angepasste n über L, neben n* = L/(ln L + 1,415) und der Geraden n = L.</source>
        <translation>The range of the last computation at every row length L from 10 to 120: the fitted n over L, beside n* = L/(ln L + 1.415) and the line n = L.</translation>
    </message>
    <message>
        <source>Zeilenlängen berechnen</source>
        <translation>Compute row lengths</translation>
    </message>
    <message>
        <source>Angepasstes n über der Zeilenlänge; die Werte stehen in der Tabelle darunter.</source>
        <translation>Fitted n over the row length; the values are in the table below.</translation>
    </message>
    <message>
        <source>Tabelle der Zeilenlängen</source>
        <translation>Table of the row lengths</translation>
    </message>
    <message>
        <source>Zeilenlängen, angepasstes n und Abstände</source>
        <translation>Row lengths, fitted n and distances</translation>
    </message>
    <message>
        <source>TV Momente</source>
        <translation>TV moments</translation>
    </message>
    <message>
        <source>Hilfe zeigen</source>
        <translation>Show help</translation>
    </message>
    <message>
        <source>Die Seite bedienen</source>
        <translation>Using the page</translation>
    </message>
    <message>
        <source>Geben Sie den Bereich (&lt;i&gt;von&lt;/i&gt;, &lt;i&gt;bis&lt;/i&gt;, beide von −10.000.000 bis 10.000.000) und die Zahlen pro Zeile (10 bis 120, mit dem Schieber oder im Feld) ein und wählen Sie &lt;b&gt;Berechnen&lt;/b&gt; (oder Enter in einem Feld). Zahlen schreiben Sie mit oder ohne Tausenderpunkte (45.000, 45000, 45 000) oder als Zehnerpotenz (1e6, 10^6); ganze Zahlen, ohne Komma. Der Bereich wird auf ganze Zeilen angepasst; die Statuszeile sagt, wenn das eine Grenze verschoben hat und wie viele Zeilen mehr als 20 Primzahlen haben. Was die Seite nicht berechnet, begründet eine Meldung, und das Feld mit dem Fehler erhält den Fokus. Eine lange Rechnung zeigt einen Fortschrittsbalken; &lt;b&gt;Abbrechen&lt;/b&gt; (oder Esc) beendet sie. Die Liste blättert mit den Pfeiltasten, Bild auf/ab, Pos1 und Ende. &lt;b&gt;Zahlenraster&lt;/b&gt; zeigt die Zeilen als Kästchen, die Primzahlen farbig und am Zeilenende ihre Anzahl; Zeigen, Antippen oder die Pfeiltasten nennen die Zahl eines Kästchens. &lt;b&gt;Link kopieren&lt;/b&gt; gibt einen Link, der dieselbe Berechnung öffnet.</source>
        <translation>Enter the range (&lt;i&gt;from&lt;/i&gt;, &lt;i&gt;to&lt;/i&gt;, both from −10,000,000 to 10,000,000) and the numbers per row (10 to 120, with the slider or in the field) and choose &lt;b&gt;Compute&lt;/b&gt; (or Enter in a field). Write numbers with or without thousands separators (45,000, 45000, 45 000) or as a power of ten (1e6, 10^6); whole numbers, without a decimal point. The range is adjusted to whole rows; the status line says when that has moved a bound and how many rows have more than 20 primes. Where the page does not compute, a message says why, and the field at fault gets the focus. A long computation shows a progress bar; &lt;b&gt;Cancel&lt;/b&gt; (or Esc) ends it. The list scrolls with the arrow keys, Page Up/Down, Home and End. &lt;b&gt;Number grid&lt;/b&gt; shows the rows as boxes, the primes in colour and at the end of each row their number; pointing, tapping or the arrow keys name the number of a box. &lt;b&gt;Copy link&lt;/b&gt; gives a link that opens the same computation.</translation>
    </message>
    <message>
        <source>Liste, Tabelle und Bild lassen sich als Dateien speichern. Die Tabelle der Häufigkeiten zeigt x = 0 bis 18 und darunter jede größere Anzahl, die vorkommt; die Zeilen mit mehr als 20 Primzahlen stehen dort in einer eigenen Gruppe, ihr h(x) als Anteil an allen Zeilen. &lt;b&gt;Tabelle speichern (CSV)&lt;/b&gt; schreibt x = 0 bis 18 quer in drei Zeilen mit vier Nachkommastellen, &lt;b&gt;Tabelle speichern (CSV, wie die Seite)&lt;/b&gt; jedes x der Tabelle in eine eigene Zeile mit allen Stellen. Die Seite rechnet ganz im Browser und braucht nach dem Laden kein Netz.</source>
        <translation>The list, the table and the picture can be saved as files. The table of frequencies shows x = 0 to 18 and below it every larger count that occurs; the rows with more than 20 primes stand there in a group of their own, their h(x) as a share of all rows. &lt;b&gt;Save table (CSV)&lt;/b&gt; writes x = 0 to 18 across in three lines with four decimals, &lt;b&gt;Save table (CSV, as on the page)&lt;/b&gt; every x of the table on a line of its own with all its digits. The page computes entirely in the browser and needs no network once it has loaded.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Arbeitsblatt drucken&lt;/b&gt; gibt die letzte Berechnung auf einer Seite A4 aus: Bereich, Zeilenlänge, Diagramm, die Tabelle von h(x) und B(n;p) und die Anpassung. Von einem Webserver geladen lässt sich die Seite im Browser installieren; sie öffnet und rechnet danach auch ohne Netz.</source>
        <translation>&lt;b&gt;Print worksheet&lt;/b&gt; prints the last computation on one A4 page: range, row length, chart, the table of h(x) and B(n;p) and the fit. Loaded from a web server, the page can be installed in the browser; after that it opens and computes without a network too.</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Die Rechenmaschine der Seite ließ sich nicht starten.</source>
        <translation>The page&apos;s computing engine could not be started.</translation>
    </message>
    <message>
        <source>Die Rechenmaschine der Seite ließ sich nicht starten: %1</source>
        <translation>The page&apos;s computing engine could not be started: %1</translation>
    </message>
    <message>
        <source>Berechnung läuft …</source>
        <translation>Computing …</translation>
    </message>
    <message>
        <source>Modelle werden berechnet …</source>
        <translation>Computing the models …</translation>
    </message>
    <message>
        <source>Jede Zeilenlänge von 10 bis 120 wird berechnet …</source>
        <translation>Computing every row length from 10 to 120 …</translation>
    </message>
    <message>
        <source>Zeilenlängen 10 bis 120 berechnet.</source>
        <translation>Row lengths 10 to 120 computed.</translation>
    </message>
    <message>
        <source>Berechnung abgebrochen; nichts berechnet.</source>
        <translation>Computation cancelled; nothing computed.</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>Ohne Webserver bitte die Datei primzeilen.html aus demselben Ordner öffnen.</source>
        <translation>Without a web server, please open the file primzeilen.html from the same folder.</translation>
    </message>
    <message>
        <source>%1 und %2 Zeilen Häufigkeiten; blättern mit Pfeiltasten, Bild auf/ab, Pos1 und Ende.</source>
        <translation>%1 and %2 lines of frequencies; scroll with the arrow keys, Page Up/Down, Home and End.</translation>
    </message>
    <message>
        <source>Diagramm von h(x) und B(n;p)</source>
        <translation>Chart of h(x) and B(n;p)</translation>
    </message>
    <message>
        <source>Wie im Graphikfenster: Stäbe für h(x), die beobachteten Anteile; offene Säulen für B(n;p;x). Die Werte stehen in der Tabelle von h(x) und B(n;p).</source>
        <translation>As in the chart window: sticks for h(x), the observed shares; open bars for B(n;p;x). The values are in the table of h(x) and B(n;p).</translation>
    </message>
    <message>
        <source>Gefüllte Säulen: h(x), die beobachteten Anteile der Zeilen; offene Säulen: B(n;p;x); Linien mit Punkten: die Modelle. Jede Zahl von Primzahlen, die vorkommt, steht auf der x-Achse.</source>
        <translation>Filled bars: h(x), the observed shares of the rows; open bars: B(n;p;x); lines with points: the models. Every number of primes that occurs stands on the x axis.</translation>
    </message>
    <message>
        <source>1 Zahl</source>
        <translation>1 number</translation>
    </message>
    <message>
        <source>%1 Zahlen</source>
        <translation>%1 numbers</translation>
    </message>
    <message>
        <source>1 Zeile</source>
        <translation>1 row</translation>
    </message>
    <message>
        <source>%1 Zeilen</source>
        <translation>%1 rows</translation>
    </message>
    <message>
        <source>von</source>
        <translation>lower bound</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>upper bound</translation>
    </message>
    <message>
        <source>über %1</source>
        <translation>above %1</translation>
    </message>
    <message>
        <source>unter %1</source>
        <translation>below %1</translation>
    </message>
    <message>
        <source> (auf ganze Zeilen angepasst %1)</source>
        <translation> (adjusted to whole rows %1)</translation>
    </message>
    <message>
        <source>%1 %2%3 liegt %4; die Seite rechnet von %5 bis %6.</source>
        <translation>%1 %2%3 lies %4; the page computes from %5 to %6.</translation>
    </message>
    <message>
        <source>Zahlen pro Zeile: auf dieser Seite 10 bis 120, nicht %1.</source>
        <translation>Numbers per row: 10 to 120 on this page, not %1.</translation>
    </message>
    <message>
        <source>von %1 ist größer als bis %2.</source>
        <translation>lower bound %1 is greater than upper bound %2.</translation>
    </message>
    <message>
        <source>von %1 bis %2 bleibt in Zeilen zu %3 keine ganze Zeile.</source>
        <translation>from %1 to %2 leaves no whole row of %3.</translation>
    </message>
    <message>
        <source>Dieser Bereich wird nicht berechnet.</source>
        <translation>This range is not computed.</translation>
    </message>
    <message>
        <source>„%1“ ist keine gültige ganze Zahl.</source>
        <translation>&quot;%1&quot; is not a valid whole number.</translation>
    </message>
    <message>
        <source>%1 von %2 bis %3 mit je %4 berechnet (%5 s)</source>
        <translation>Computed %1 from %2 to %3, %4 each (%5 s)</translation>
    </message>
    <message>
        <source>von %1 auf %2</source>
        <translation>lower bound %1 to %2</translation>
    </message>
    <message>
        <source>bis %1 auf %2</source>
        <translation>upper bound %1 to %2</translation>
    </message>
    <message>
        <source>; %1 angepasst (ganze Zeilen)</source>
        <translation>; adjusted %1 (whole rows)</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>; %1 hat mehr als 20 Primzahlen</source>
        <translation>; %1 has more than 20 primes</translation>
    </message>
    <message>
        <source>; %1 haben mehr als 20 Primzahlen</source>
        <translation>; %1 have more than 20 primes</translation>
    </message>
    <message>
        <source>, in der Tabelle ab x = 21</source>
        <translation>, in the table from x = 21</translation>
    </message>
    <message>
        <source>mehr als 20 Primzahlen: %1</source>
        <translation>more than 20 primes: %1</translation>
    </message>
    <message>
        <source>Tabelle von h(x) und B(n;p)</source>
        <translation>Table of h(x) and B(n;p)</translation>
    </message>
    <message>
        <source>h(x): beobachtete Häufigkeiten</source>
        <translation>h(x): observed shares</translation>
    </message>
    <message>
        <source>B(%1;%2): angepasste Binomialverteilung</source>
        <translation>B(%1;%2): fitted binomial distribution</translation>
    </message>
    <message>
        <source>Cramér-Modell</source>
        <translation>Cramér&apos;s model</translation>
    </message>
    <message>
        <source>Keine Modelle: %1</source>
        <translation>No models: %1</translation>
    </message>
    <message>
        <source>sie ließen sich für diesen Bereich nicht berechnen.</source>
        <translation>they could not be computed for this range.</translation>
    </message>
    <message>
        <source>Anteil der Zeilen: h(x), B(n;p;x)</source>
        <translation>Share of rows: h(x), B(n;p;x)</translation>
    </message>
    <message>
        <source>x: Primzahlen in der Zeile</source>
        <translation>x: primes in the row</translation>
    </message>
    <message>
        <source>Diagramm von h(x) und B(n;p); x wählen mit Pfeiltasten, Bild auf/ab, Pos1 und Ende</source>
        <translation>Chart of h(x) and B(n;p); choose x with the arrow keys, Page Up/Down, Home and End</translation>
    </message>
    <message>
        <source>Legende; jeder Eintrag blendet seine Reihe ein oder aus</source>
        <translation>Legend; each entry shows or hides its series</translation>
    </message>
    <message>
        <source>Genaue Werte: Zeiger auf das Diagramm, antippen oder mit den Pfeiltasten wählen.</source>
        <translation>Exact values: point at the chart, tap it or choose with the arrow keys.</translation>
    </message>
    <message>
        <source> (%1 von %2 Zeilen)</source>
        <translation> (%1 of %2 rows)</translation>
    </message>
    <message>
        <source>Primzahlen von %1 bis %2, %3 Zahlen pro Zeile</source>
        <translation>Primes from %1 to %2, %3 numbers per row</translation>
    </message>
    <message>
        <source>angepasstes n</source>
        <translation>fitted n</translation>
    </message>
    <message>
        <source>n* = L/(ln L + 1,415)</source>
        <translation>n* = L/(ln L + 1.415)</translation>
    </message>
    <message>
        <source>Angepasstes n über der Zeilenlänge</source>
        <translation>Fitted n over the row length</translation>
    </message>
    <message>
        <source>Zeilenlänge L</source>
        <translation>Row length L</translation>
    </message>
    <message>
        <source>Zeilenlängen im Vergleich: %1</source>
        <translation>Row lengths compared: %1</translation>
    </message>
    <message>
        <source>%1: Primzahl</source>
        <translation>%1: prime</translation>
    </message>
    <message>
        <source>%1: keine Primzahl</source>
        <translation>%1: not prime</translation>
    </message>
    <message>
        <source>%1 Primzahlen in der Zeile</source>
        <translation>%1 primes in the row</translation>
    </message>
    <message>
        <source>Die Liste wird zusammengestellt …</source>
        <translation>Putting the list together …</translation>
    </message>
    <message>
        <source>Das Bild ließ sich nicht als PNG schreiben.</source>
        <translation>The picture could not be written as PNG.</translation>
    </message>
    <message>
        <source>Link kopiert.</source>
        <translation>Link copied.</translation>
    </message>
    <message>
        <source>Der Link steht im Feld; kopieren mit Strg+C.</source>
        <translation>The link is in the field; copy it with Ctrl+C.</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
</context>
</TS>
