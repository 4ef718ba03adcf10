<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>core::Parts</name>
    <message>
        <source>„%1“</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: „%2“ fehlt oder ist ungültig.</source>
        <translation>%1: &quot;%2&quot; is missing or invalid.</translation>
    </message>
    <message>
        <source>%1 ist größer als %2 Bytes und damit kein Teil eines Laufs.</source>
        <translation>%1 is larger than %2 bytes and therefore not a part of a run.</translation>
    </message>
    <message>
        <source>%1 ist nicht die JSON-Ausgabe eines Teils: zu tief verschachtelt.</source>
        <translation>%1 is not the JSON output of a part: nested too deeply.</translation>
    </message>
    <message>
        <source>%1 ist kein JSON: Fehler bei Byte %2.</source>
        <translation>%1 is not JSON: error at byte %2.</translation>
    </message>
    <message>
        <source>%1 ist kein JSON: eine Zahl ist zu groß.</source>
        <translation>%1 is not JSON: a number is too large.</translation>
    </message>
    <message>
        <source>%1 ist nicht die JSON-Ausgabe eines Teils (--teil K/N): der Block „teil“ fehlt.</source>
        <translation>%1 is not the JSON output of a part (--teil K/N): the block &quot;teil&quot; is missing.</translation>
    </message>
    <message>
        <source>%1 hat das Teilformat %2; dieses Programm liest die Formate 1 bis %3.</source>
        <translation>%1 has part format %2; this program reads formats 1 to %3.</translation>
    </message>
    <message>
        <source>%1: von %2 bis %3 in Zeilen zu %4 ist kein an ganze Zeilen angepasster Bereich.</source>
        <translation>%1: from %2 to %3 in rows of %4 is not a range adjusted to whole rows.</translation>
    </message>
    <message>
        <source>%1: Teil %2 von %3 gibt es in %4 Zeilen nicht.</source>
        <translation>%1: there is no part %2 of %3 in %4 rows.</translation>
    </message>
    <message>
        <source>%1: Teil %2 von %3 reicht von %4 bis %5, nicht von %6 bis %7.</source>
        <translation>%1: part %2 of %3 runs from %4 to %5, not from %6 to %7.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist %3, Teil %4 von %5 hat %6.</source>
        <translation>%1: &quot;%2&quot; is %3, part %4 of %5 has %6.</translation>
    </message>
    <message>
        <source>%1: „verteilung“ zählt %2 Zeilen mit mehr als 20 Primzahlen, „mehr_als_20“ %3.</source>
        <translation>%1: &quot;verteilung&quot; counts %2 rows with more than 20 primes, &quot;mehr_als_20&quot; %3.</translation>
    </message>
    <message>
        <source>%1: die Häufigkeiten zählen %2 Zeilen, Teil %3 von %4 hat %5.</source>
        <translation>%1: the frequencies count %2 rows, part %3 of %4 has %5.</translation>
    </message>
    <message>
        <source>%1: %2 Zeilen mit %3 Primzahlen, aber eine Zeile hat %4 Zahlen.</source>
        <translation>%1: %2 rows with %3 primes, but a row has %4 numbers.</translation>
    </message>
    <message>
        <source>mehr als 20</source>
        <translation>more than 20</translation>
    </message>
    <message>
        <source>%1: %2 Primzahlen passen nicht zu den Häufigkeiten.</source>
        <translation>%1: %2 primes do not match the frequencies.</translation>
    </message>
    <message>
        <source>%1 ist ein Teil im Format 1 mit %2 Zeilen mit mehr als 20 Primzahlen, aber ohne deren Verteilung; bitte diesen Teil neu zählen.</source>
        <translation>%1 is a part in format 1 with %2 rows with more than 20 primes, but without their distribution; please count this part again.</translation>
    </message>
    <message>
        <source>%1 bis %2 in Zeilen zu %3, %4 Teile</source>
        <translation>%1 to %2 in rows of %3, %4 parts</translation>
    </message>
    <message>
        <source>Mit %1 übersteigt die Summe der Teile 2^64 − 1.</source>
        <translation>With %1 the sum of the parts exceeds 2^64 − 1.</translation>
    </message>
    <message>
        <source>Teil %1 von %2 des Bereichs %3 bis %4 in Zeilen zu %5: Zahlen %6 bis %7</source>
        <translation>Part %1 of %2 of the range %3 to %4 in rows of %5: numbers %6 to %7</translation>
    </message>
    <message>
        <source>%1 gehört zu einem anderen Lauf als %2: %3 statt %4.</source>
        <translation>%1 belongs to a different run from %2: %3 instead of %4.</translation>
    </message>
    <message>
        <source>%1 und %2 sind beide Teil %3 von %4.</source>
        <translation>%1 and %2 are both part %3 of %4.</translation>
    </message>
    <message>
        <source>Teil %1 von %2 fehlt.</source>
        <translation>Part %1 of %2 is missing.</translation>
    </message>
    <message>
        <source>Es fehlen %1 der %2 Teile: %3.</source>
        <translation>%1 of the %2 parts are missing: %3.</translation>
    </message>
</context>
<context>
    <name>core::Report</name>
    <message>
        <source>Momente B(%1;%2)</source>
        <translation>moments B(%1;%2)</translation>
    </message>
    <message>
        <source>Vergleich mit Zufallsmodellen über alle Zeilen:</source>
        <translation>Comparison with random models over all rows:</translation>
    </message>
    <message>
        <source>außerhalb</source>
        <translation>outside</translation>
    </message>
    <message>
        <source>TV %1 über alle Zeilen: %2</source>
        <translation>TV %1 over all rows: %2</translation>
    </message>
    <message>
        <source>TV Cramér-Modell über alle Zeilen:</source>
        <translation>TV Cramér&apos;s model over all rows:</translation>
    </message>
    <message>
        <source>TV Poisson (Gallagher) über alle Zeilen:</source>
        <translation>TV Poisson (Gallagher) over all rows:</translation>
    </message>
    <message>
        <source>TV Montgomery–Soundararajan über alle Zeilen:</source>
        <translation>TV Montgomery–Soundararajan over all rows:</translation>
    </message>
    <message>
        <source>Varianz Cramér-Modell über alle Zeilen:</source>
        <translation>Variance Cramér&apos;s model over all rows:</translation>
    </message>
    <message>
        <source>Varianz Poisson (Gallagher) über alle Zeilen:</source>
        <translation>Variance Poisson (Gallagher) over all rows:</translation>
    </message>
    <message>
        <source>Varianz Montgomery–Soundararajan über alle Zeilen:</source>
        <translation>Variance Montgomery–Soundararajan over all rows:</translation>
    </message>
    <message>
        <source>Varianz beobachtet / Cramér-Modell:</source>
        <translation>Variance observed / Cramér&apos;s model:</translation>
    </message>
    <message>
        <source>Varianz beobachtet / Poisson (Gallagher):</source>
        <translation>Variance observed / Poisson (Gallagher):</translation>
    </message>
    <message>
        <source>Varianz beobachtet / Montgomery–Soundararajan:</source>
        <translation>Variance observed / Montgomery–Soundararajan:</translation>
    </message>
    <message>
        <source>Alle Zeilen, Primz/Zeile: Anzahl, Anteil an allen Zeilen</source>
        <translation>All rows, primes per row: count, share of all rows</translation>
    </message>
    <message>
        <source>Über alle Zeilen:</source>
        <translation>Over all rows:</translation>
    </message>
    <message>
        <source>Zeilen:</source>
        <translation>Rows:</translation>
    </message>
    <message>
        <source>Mittelwert der Primzahlen je Zeile:</source>
        <translation>Mean number of primes per row:</translation>
    </message>
    <message>
        <source>Varianz:</source>
        <translation>Variance:</translation>
    </message>
    <message>
        <source>Standardabweichung:</source>
        <translation>Standard deviation:</translation>
    </message>
    <message>
        <source>Anpassung über alle Zeilen:</source>
        <translation>Fit over all rows:</translation>
    </message>
    <message>
        <source>Anpassung über alle Zeilen: keine Binomialverteilung hat diesen Mittelwert und diese Varianz.</source>
        <translation>Fit over all rows: no binomial distribution has this mean and this variance.</translation>
    </message>
    <message>
        <source>Zeilen mit mehr als 20 Primzahlen:</source>
        <translation>Rows with more than 20 primes:</translation>
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
        <source>Vergleich mit Zufallsmodellen:</source>
        <translation>Comparison with random models:</translation>
    </message>
    <message>
        <source>vorhergesagtes n (Montgomery–Soundararajan):</source>
        <translation>predicted n (Montgomery–Soundararajan):</translation>
    </message>
    <message>
        <source>Zeilen mit Cramér-Modell statt Montgomery–Soundararajan:</source>
        <translation>Rows with Cramér&apos;s model instead of Montgomery–Soundararajan:</translation>
    </message>
    <message>
        <source>TV %1: %2</source>
        <translation>TV %1: %2</translation>
    </message>
    <message>
        <source>TV Cramér-Modell:</source>
        <translation>TV Cramér&apos;s model:</translation>
    </message>
    <message>
        <source>TV Poisson (Gallagher):</source>
        <translation>TV Poisson (Gallagher):</translation>
    </message>
    <message>
        <source>TV Montgomery–Soundararajan:</source>
        <translation>TV Montgomery–Soundararajan:</translation>
    </message>
    <message>
        <source>Varianz beobachtet:</source>
        <translation>Variance observed:</translation>
    </message>
    <message>
        <source>Varianz %1: %2</source>
        <translation>Variance %1: %2</translation>
    </message>
    <message>
        <source>Varianz Cramér-Modell:</source>
        <translation>Variance Cramér&apos;s model:</translation>
    </message>
    <message>
        <source>Varianz Poisson (Gallagher):</source>
        <translation>Variance Poisson (Gallagher):</translation>
    </message>
    <message>
        <source>Varianz Montgomery–Soundararajan:</source>
        <translation>Variance Montgomery–Soundararajan:</translation>
    </message>
    <message>
        <source>Länge   Zeilen       n       p      n*  TV Momente  TV Cramér  TV Poisson  TV M–S</source>
        <translation>Length     Rows       n       p      n*  TV moments  TV Cramér  TV Poisson  TV M–S</translation>
    </message>
    <message>
        <source>keine ganze Zeile</source>
        <translation>no whole row</translation>
    </message>
    <message>
        <source>keine Anpassung: %1</source>
        <translation>no fit: %1</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Zeilen</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Var. beob.</source>
        <translation>Var. obs.</translation>
    </message>
    <message>
        <source>Var. Cramér</source>
        <translation>Var. Cramér</translation>
    </message>
    <message>
        <source>Var. M–S</source>
        <translation>Var. M–S</translation>
    </message>
    <message>
        <source>σ beob./σ M–S</source>
        <translation>σ obs./σ M–S</translation>
    </message>
    <message>
        <source>TV Momente</source>
        <translation>TV moments</translation>
    </message>
    <message>
        <source>TV Cramér</source>
        <translation>TV Cramér</translation>
    </message>
    <message>
        <source>TV Poisson</source>
        <translation>TV Poisson</translation>
    </message>
    <message>
        <source>TV M–S</source>
        <translation>TV M–S</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>n*</source>
        <translation>n*</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Über alle Zeilen, auch die mit mehr als 20 Primzahlen:</source>
        <translation>Over all rows, also those with more than 20 primes:</translation>
    </message>
</context>
<context>
    <name>primzeilen-cli</name>
    <message>
        <source>Aufruf: primzeilen-cli [OPTIONEN] VON BIS LÄNGE

Legt den Bereich VON bis BIS in Zeilen zu LÄNGE Zahlen aus, wie das Hauptfenster von
primzeilen es tut (jede Zeile beginnt bei einem Vielfachen von LÄNGE plus 1), zählt die
Primzahlen jeder Zeile und gibt aus, wie viele Zeilen 0, 1, …, 20 und mehr als 20
Primzahlen enthalten; wo Zeilen mehr haben, auch die Verteilung über alle Zeilen.

  VON, BIS   ganze Zahlen von 0 bis 18446744073709551615, auch als 1e12 oder 10^12
  LÄNGE      1 bis 10000000

Optionen:
  --zeilen            zuerst jede Zeile, wie das Hauptfenster sie auflistet (mit csv und
                      csv-de: nur die Tabelle der Zeilen)
  --anpassung         danach die angepasste Binomialverteilung B(n;p) mit Erwartungswerten
                      und Standardabweichungen
  --modelle           danach h(k), B(n;p)(k) und die Zufallsmodelle von Cramér,
                      Gallagher (Poisson) und Montgomery–Soundararajan für k = 0..20, ihre
                      Abstände (TV) und Varianzen und das vorhergesagte n
  --teil K/N          nur den K-ten von N Teilen des angepassten Bereichs zählen (ganze
                      Zeilen, die Teile so gleich groß wie möglich; nicht mit --zeilen);
                      mit --format json zum Vereinigen (siehe unten)
  --laengen A..B      statt LÄNGE jede Zeilenlänge von A bis B (Aufruf dann: VON BIS):
                      je Länge eine Zeile mit Zeilen, angepasstem n und p, n* und den
                      TV-Abständen der Modelle
  --laengen L1,L2,…   ebenso für die Längen der Liste (je 1 bis 10000000, höchstens
                      1000). Hat bei einer Länge eine Zeile mehr als 20 Primzahlen,
                      folgt je Länge der Datensatz über alle Zeilen wie bei --hoehen
  --hoehen H1,H2,…    statt VON BIS das Fenster H+1..H+F an jeder Höhe H (Aufruf dann:
  --fenster F         --hoehen … --fenster F LÄNGE, oder mit --laengen L1,L2,… ohne
                      Zahl): je Höhe und Länge ein Datensatz über alle Zeilen mit
                      Mittelwert, beobachteter Varianz, den Varianzen nach Cramér und
                      Montgomery–Soundararajan (M–S), σ beob./σ M–S, den TV-Abständen,
                      dem angepassten n und n*; F ≥ LÄNGE, H+F ≤ 18446744073709551615;
                      --anpassung und --modelle sind darin enthalten
  --format FORMAT     text (Voreinstellung), csv, csv-de (Semikolon und Dezimalkomma
                      für deutsche Tabellenkalkulationen) oder json
  --tabelle TABELLE   mit csv und csv-de: haeufigkeit (Voreinstellung) oder anpassung
  --threads N         so viele Threads, höchstens einer je Kern und so viele, dass der
                      Lauf unter 256 MB Speicher bleibt (Voreinstellung: die Zahl der
                      Kerne)
  --fortschritt       Fortschritt auf der Fehlerausgabe, auch wenn sie kein Terminal ist
                      (dann eine Zeile zu Beginn und je Zehntel der Zeilen)
  --still             keinen Fortschritt zeigen
  -h, --help          diese Hilfe
  -v, --version       die Versionsnummer

Jede Option mit Wert darf nur einmal stehen.

Rückgabewert:
  0    fertig
  1    keine Anpassung möglich, oder die Ausgabe konnte nicht geschrieben werden (etwa
       weil der Datenträger voll ist; ein Leser, der nicht mehr liest, endet den Lauf
       ohne Meldung)
  2    falscher Aufruf
  130  abgebrochen mit Strg+C (SIGINT)
  143  abgebrochen mit SIGTERM
Ein Abbruch hinterlässt nur ganze Zeilen.
Nimmt der Leser einer Pipe nichts mehr ab, endet ein Abbruch nach spätestens 2 s; die
letzte Zeile kann dann abgeschnitten sein.

Aufruf: primzeilen-cli vereinigen [--format FORMAT] [--tabelle TABELLE] [--anpassung]
                                  [--modelle] TEIL.json …

Liest die JSON-Ausgaben aller N Teile eines Laufs mit --teil K/N, prüft, dass sie genau
einen Lauf ergeben (derselbe Bereich, dieselbe LÄNGE und dasselbe N, jedes K genau einmal),
und gibt das Ergebnis aus, als wäre der ganze Bereich auf einmal gezählt worden; Fehler im
Aufruf und in den Dateien enden mit dem Rückgabewert 2. Beispiele für GNU parallel und
Slurm: /usr/share/doc/primzeilen/examples.

Handbuch: man primzeilen-cli
</source>
        <translation>Usage: primzeilen-cli [OPTIONS] FROM TO LENGTH

Lays the range FROM to TO out in rows of LENGTH numbers, as the main window of primzeilen
does (every row starts at a multiple of LENGTH plus 1), counts the primes of every row and
prints how many rows hold 0, 1, …, 20 and more than 20 primes; where rows hold more, also
the distribution over all rows.

  FROM, TO   whole numbers from 0 to 18446744073709551615, also as 1e12 or 10^12
  LENGTH     1 to 10000000

Options:
  --zeilen            first every row, as the main window lists it (with csv and csv-de:
                      only the table of rows)
  --anpassung         then the fitted binomial distribution B(n;p) with means and standard
                      deviations
  --modelle           then h(k), B(n;p)(k) and the random models of Cramér, Gallagher
                      (Poisson) and Montgomery–Soundararajan for k = 0..20, their distances
                      (TV) and variances and the predicted n
  --teil K/N          count only the K-th of N parts of the adjusted range (whole rows, the
                      parts as equal in size as possible; not with --zeilen); with
                      --format json for merging (see below)
  --laengen A..B      instead of LENGTH every row length from A to B (usage then: FROM TO):
                      per length one line with rows, fitted n and p, n* and the models&apos;
                      TV distances
  --laengen L1,L2,…   the same for the lengths of the list (each 1 to 10000000, at most
                      1000). Where a row of a length holds more than 20 primes, the record
                      over all rows follows for each length, as with --hoehen
  --hoehen H1,H2,…    instead of FROM TO the window H+1..H+F at every height H (usage then:
  --fenster F         --hoehen … --fenster F LENGTH, or with --laengen L1,L2,… without a
                      number): per height and length one record over all rows with the
                      mean, the observed variance, the variances after Cramér and
                      Montgomery–Soundararajan (M–S), σ obs./σ M–S, the TV distances, the
                      fitted n and n*; F ≥ LENGTH, H+F ≤ 18446744073709551615; --anpassung
                      and --modelle are included
  --format FORMAT     text (default), csv, csv-de (semicolon and decimal comma for German
                      spreadsheets) or json
  --tabelle TABLE     with csv and csv-de: haeufigkeit (frequencies, default) or anpassung
                      (fit)
  --threads N         this many threads, at most one per core and so many that the run
                      stays below 256 MB of memory (default: the number of cores)
  --fortschritt       progress on standard error, also where it is not a terminal (then one
                      line at the start and one per tenth of the rows)
  --still             show no progress
  -h, --help          this help
  -v, --version       the version number

Each option with a value may be given only once.

Exit status:
  0    done
  1    no fit possible, or the output could not be written (for instance because the
       disk is full; a reader that stops reading ends the run without a message)
  2    wrong usage
  130  stopped with Ctrl+C (SIGINT)
  143  stopped with SIGTERM
A stop leaves only whole lines behind.
Where the reader of a pipe takes nothing more, a stop ends after 2 s at most; the last
line may then be cut short.

Usage: primzeilen-cli vereinigen [--format FORMAT] [--tabelle TABLE] [--anpassung]
                                 [--modelle] PART.json …

Reads the JSON outputs of all N parts of a run with --teil K/N, checks that they make
exactly one run (the same range, the same LENGTH and the same N, each K exactly once), and
prints the result as if the whole range had been counted at once; errors in the usage and
in the files end with exit status 2. Examples for GNU parallel and Slurm:
/usr/share/doc/primzeilen/examples.

Manual: man primzeilen-cli
</translation>
    </message>
    <message>
        <source>Aufruf: primzeilen-cli [OPTIONEN] VON BIS LÄNGE (mehr: --help)
</source>
        <translation>Usage: primzeilen-cli [OPTIONS] FROM TO LENGTH (more: --help)
</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>--tabelle gilt nur mit --format csv oder csv-de.</source>
        <translation>--tabelle applies only with --format csv or csv-de.</translation>
    </message>
    <message>
        <source>--tabelle wählt eine Tabelle eines Laufs; mit --zeilen oder --laengen ist die Tabelle schon gewählt.</source>
        <translation>--tabelle chooses a table of a run; with --zeilen or --laengen the table is already chosen.</translation>
    </message>
    <message>
        <source>--tabelle wählt eine Tabelle eines Laufs; mit --hoehen ist die Tabelle schon gewählt.</source>
        <translation>--tabelle chooses a table of a run; with --hoehen the table is already chosen.</translation>
    </message>
    <message>
        <source>--zeilen mit --format %1 gibt die Tabelle der Zeilen aus; die Anpassung und die Modelle stehen in eigenen Tabellen (--tabelle).</source>
        <translation>--zeilen with --format %1 prints the table of rows; the fit and the models are tables of their own (--tabelle).</translation>
    </message>
    <message>
        <source>--fortschritt und --still schließen einander aus.</source>
        <translation>--fortschritt and --still cannot be used together.</translation>
    </message>
    <message>
        <source>--laengen und --zeilen schließen einander aus.</source>
        <translation>--laengen and --zeilen cannot be used together.</translation>
    </message>
    <message>
        <source>--laengen und --teil schließen einander aus.</source>
        <translation>--laengen and --teil cannot be used together.</translation>
    </message>
    <message>
        <source>vereinigen nimmt weder --hoehen noch --fenster.</source>
        <translation>vereinigen takes neither --hoehen nor --fenster.</translation>
    </message>
    <message>
        <source>--hoehen braucht --fenster.</source>
        <translation>--hoehen needs --fenster.</translation>
    </message>
    <message>
        <source>--fenster gilt nur mit --hoehen.</source>
        <translation>--fenster applies only with --hoehen.</translation>
    </message>
    <message>
        <source>--hoehen und --zeilen schließen einander aus.</source>
        <translation>--hoehen and --zeilen cannot be used together.</translation>
    </message>
    <message>
        <source>--hoehen und --teil schließen einander aus.</source>
        <translation>--hoehen and --teil cannot be used together.</translation>
    </message>
    <message>
        <source>--teil und --zeilen schließen einander aus.</source>
        <translation>--teil and --zeilen cannot be used together.</translation>
    </message>
    <message>
        <source>Ausgabe konnte nicht geschrieben werden: %1</source>
        <translation>The output could not be written: %1</translation>
    </message>
    <message>
        <source>--teil „%1“: erwartet K/N mit 1 ≤ K ≤ N ≤ %2, der Zahl der Zeilen des Bereichs.</source>
        <translation>--teil &quot;%1&quot;: expected K/N with 1 ≤ K ≤ N ≤ %2, the number of rows of the range.</translation>
    </message>
    <message>
        <source>--teil „%1“: erwartet K/N mit 1 ≤ K ≤ N ≤ %2 (2^53).</source>
        <translation>--teil &quot;%1&quot;: expected K/N with 1 ≤ K ≤ N ≤ %2 (2^53).</translation>
    </message>
    <message>
        <source>Aufruf: primzeilen-cli vereinigen [OPTIONEN] TEIL.json … (mehr: --help)
</source>
        <translation>Usage: primzeilen-cli vereinigen [OPTIONS] PART.json … (more: --help)
</translation>
    </message>
    <message>
        <source>„%1“ lässt sich nicht lesen: %2.</source>
        <translation>&quot;%1&quot; cannot be read: %2.</translation>
    </message>
    <message>
        <source>vereinigen nimmt weder --zeilen noch --laengen noch --teil.</source>
        <translation>vereinigen takes neither --zeilen nor --laengen nor --teil.</translation>
    </message>
    <message>
        <source>vereinigen: keine Datei angegeben (erwartet TEIL.json …).</source>
        <translation>vereinigen: no file given (expected PART.json …).</translation>
    </message>
    <message>
        <source>%1 Bio.</source>
        <translation>%1 trillion</translation>
    </message>
    <message>
        <source>%1 Mrd.</source>
        <translation>%1 billion</translation>
    </message>
    <message>
        <source>%1 Mio.</source>
        <translation>%1 million</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation>%1 d %2 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen gezählt (%3 %)</source>
        <translation>%1 of %2 rows counted (%3 %)</translation>
    </message>
    <message>
        <source>%1 von 1 Datensatz fertig, </source>
        <translation>%1 of 1 record done, </translation>
    </message>
    <message>
        <source>%1 von %2 Datensätzen fertig, </source>
        <translation>%1 of %2 records done, </translation>
    </message>
    <message>
        <source>, noch %1</source>
        <translation>, %1 left</translation>
    </message>
    <message>
        <source>, %1 Zahlen/s</source>
        <translation>, %1 numbers/s</translation>
    </message>
    <message>
        <source>keine Anpassung möglich: %1</source>
        <translation>no fit possible: %1</translation>
    </message>
    <message>
        <source>unbekannte Option „%1%2“.</source>
        <translation>unknown option &quot;%1%2&quot;.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>Option „--%1“ ist mehrfach angegeben.</source>
        <translation>option &quot;--%1&quot; is given more than once.</translation>
    </message>
    <message>
        <source>--format „%1“: erlaubt sind text, csv, csv-de und json.</source>
        <translation>--format &quot;%1&quot;: allowed are text, csv, csv-de and json.</translation>
    </message>
    <message>
        <source>--tabelle „%1“: erlaubt sind haeufigkeit und anpassung.</source>
        <translation>--tabelle &quot;%1&quot;: allowed are haeufigkeit and anpassung.</translation>
    </message>
    <message>
        <source>--threads „%1“ ist keine Zahl von 1 bis 1024.</source>
        <translation>--threads &quot;%1&quot; is not a number from 1 to 1024.</translation>
    </message>
    <message>
        <source>--laengen „%1“: erwartet A..B oder eine Liste L1,L2,… mit Längen von 1 bis 10000000, jede einmal, höchstens 1000 Längen.</source>
        <translation>--laengen &quot;%1&quot;: expected A..B or a list L1,L2,… of lengths from 1 to 10000000, each once, at most 1000 lengths.</translation>
    </message>
    <message>
        <source>--laengen „%1“: erwartet A..B mit 1 ≤ A ≤ B ≤ 10000000, höchstens 1000 Längen.</source>
        <translation>--laengen &quot;%1&quot;: expected A..B with 1 ≤ A ≤ B ≤ 10000000, at most 1000 lengths.</translation>
    </message>
    <message>
        <source>--hoehen „%1“: erwartet eine Liste H1,H2,… von ganzen Zahlen von 0 bis 18446744073709551615, höchstens 1000 Höhen.</source>
        <translation>--hoehen &quot;%1&quot;: expected a list H1,H2,… of whole numbers from 0 to 18446744073709551615, at most 1000 heights.</translation>
    </message>
    <message>
        <source>--fenster „%1“ ist keine ganze Zahl von 1 bis 18446744073709551615.</source>
        <translation>--fenster &quot;%1&quot; is not a whole number from 1 to 18446744073709551615.</translation>
    </message>
    <message>
        <source>mit --hoehen eine Zahl erwartet (LÄNGE), %1 gegeben.</source>
        <translation>with --hoehen one number expected (LENGTH), %1 given.</translation>
    </message>
    <message>
        <source>LÄNGE „%1“ ist keine ganze Zahl von 1 bis 10000000.</source>
        <translation>LENGTH &quot;%1&quot; is not a whole number from 1 to 10000000.</translation>
    </message>
    <message>
        <source>mit --hoehen und --laengen keine Zahl erwartet, %1 gegeben.</source>
        <translation>with --hoehen and --laengen no number expected, %1 given.</translation>
    </message>
    <message>
        <source>--hoehen mit %1 Höhen und %2 Längen ergibt mehr als 10000 Datensätze.</source>
        <translation>--hoehen with %1 heights and %2 lengths makes more than 10000 records.</translation>
    </message>
    <message>
        <source>--fenster %1 ist kürzer als die Zeilen zu %2 Zahlen.</source>
        <translation>--fenster %1 is shorter than the rows of %2 numbers.</translation>
    </message>
    <message>
        <source>--hoehen %1 mit --fenster %2 reicht über 18446744073709551615 hinaus.</source>
        <translation>--hoehen %1 with --fenster %2 reaches beyond 18446744073709551615.</translation>
    </message>
    <message>
        <source>mit --laengen zwei Zahlen erwartet (VON BIS), %1 gegeben.</source>
        <translation>with --laengen two numbers expected (FROM TO), %1 given.</translation>
    </message>
    <message>
        <source>„%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.</source>
        <translation>&quot;%1&quot; is not a whole number from 0 to 18446744073709551615.</translation>
    </message>
    <message>
        <source>drei Zahlen erwartet (VON BIS LÄNGE), %1 gegeben.</source>
        <translation>three numbers expected (FROM TO LENGTH), %1 given.</translation>
    </message>
    <message>
        <source>VON „%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.</source>
        <translation>FROM &quot;%1&quot; is not a whole number from 0 to 18446744073709551615.</translation>
    </message>
    <message>
        <source>BIS „%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.</source>
        <translation>TO &quot;%1&quot; is not a whole number from 0 to 18446744073709551615.</translation>
    </message>
    <message>
        <source>von %1 bis %2 bleibt in Zeilen zu %3 keine ganze Zeile.</source>
        <translation>from %1 to %2 no whole row remains in rows of %3.</translation>
    </message>
    <message>
        <source>1 Zahl</source>
        <translation>1 number</translation>
    </message>
    <message>
        <source>%1 Zahlen</source>
        <translation>%1 numbers</translation>
    </message>
</context>
</TS>
