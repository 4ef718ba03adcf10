<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>cli</name>
    <message>
        <source>--format „%1“: erlaubt sind text, csv, csv-de und json.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tabelle „%1“: erlaubt sind haeufigkeit und anpassung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--threads „%1“ ist keine Zahl von 1 bis 1024.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--laengen „%1“: erwartet A..B oder eine Liste L1,L2,… mit Längen von 1 bis 10000000, jede einmal, höchstens 1000 Längen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--laengen „%1“: erwartet A..B mit 1 ≤ A ≤ B ≤ 10000000, höchstens 1000 Längen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--hoehen „%1“: erwartet eine Liste H1,H2,… von ganzen Zahlen von 0 bis 18446744073709551615, höchstens 1000 Höhen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--fenster „%1“ ist keine ganze Zahl von 1 bis 18446744073709551615.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mit --hoehen eine Zahl erwartet (LÄNGE), %1 gegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LÄNGE „%1“ ist keine ganze Zahl von 1 bis 10000000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mit --hoehen und --laengen keine Zahl erwartet, %1 gegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--hoehen mit %1 Höhen und %2 Längen ergibt mehr als 10000 Datensätze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--fenster %1 ist kürzer als die Zeilen zu %2 Zahlen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--hoehen %1 mit --fenster %2 reicht über 18446744073709551615 hinaus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mit --laengen zwei Zahlen erwartet (VON BIS), %1 gegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drei Zahlen erwartet (VON BIS LÄNGE), %1 gegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VON „%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIS „%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>von %1 bis %2 bleibt in Zeilen zu %3 keine ganze Zeile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Zahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Zahlen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>%1: „%2“ fehlt oder ist ungültig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist größer als %2 Bytes und damit kein Teil eines Laufs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist nicht die JSON-Ausgabe eines Teils: zu tief verschachtelt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist kein JSON: Fehler bei Byte %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist kein JSON: eine Zahl ist zu groß.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist nicht die JSON-Ausgabe eines Teils (--teil K/N): der Block „teil“ fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hat das Teilformat %2; dieses Programm liest die Formate 1 bis %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: von %2 bis %3 in Zeilen zu %4 ist kein an ganze Zeilen angepasster Bereich.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Teil %2 von %3 gibt es in %4 Zeilen nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Teil %2 von %3 reicht von %4 bis %5, nicht von %6 bis %7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: „%2“ ist %3, Teil %4 von %5 hat %6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: „verteilung“ zählt %2 Zeilen mit mehr als 20 Primzahlen, „mehr_als_20“ %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: die Häufigkeiten zählen %2 Zeilen, Teil %3 von %4 hat %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 Zeilen mit %3 Primzahlen, aber eine Zeile hat %4 Zahlen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mehr als 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 Primzahlen passen nicht zu den Häufigkeiten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist ein Teil im Format 1 mit %2 Zeilen mit mehr als 20 Primzahlen, aber ohne deren Verteilung; bitte diesen Teil neu zählen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bis %2 in Zeilen zu %3, %4 Teile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mit %1 übersteigt die Summe der Teile 2^64 − 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teil %1 von %2 des Bereichs %3 bis %4 in Zeilen zu %5: Zahlen %6 bis %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gehört zu einem anderen Lauf als %2: %3 statt %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 und %2 sind beide Teil %3 von %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teil %1 von %2 fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es fehlen %1 der %2 Teile: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine ganze Zeile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Anpassung: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Über alle Zeilen, auch die mit mehr als 20 Primzahlen:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>core::Report</name>
    <message>
        <source>Momente B(%1;%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergleich mit Zufallsmodellen über alle Zeilen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>außerhalb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV %1 über alle Zeilen: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Cramér-Modell über alle Zeilen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Poisson (Gallagher) über alle Zeilen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Montgomery–Soundararajan über alle Zeilen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz Cramér-Modell über alle Zeilen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz Poisson (Gallagher) über alle Zeilen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz Montgomery–Soundararajan über alle Zeilen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz beobachtet / Cramér-Modell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz beobachtet / Poisson (Gallagher):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz beobachtet / Montgomery–Soundararajan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Zeilen, Primz/Zeile: Anzahl, Anteil an allen Zeilen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Über alle Zeilen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mittelwert der Primzahlen je Zeile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standardabweichung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anpassung über alle Zeilen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anpassung über alle Zeilen: keine Binomialverteilung hat diesen Mittelwert und diese Varianz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen mit mehr als 20 Primzahlen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartungswert von h(x):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartungswert von B(n;p):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standardabweichung von h(x):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standardabweichung von B(n;p):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergleich mit Zufallsmodellen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vorhergesagtes n (Montgomery–Soundararajan):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen mit Cramér-Modell statt Montgomery–Soundararajan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Cramér-Modell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Poisson (Gallagher):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Montgomery–Soundararajan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz beobachtet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz Cramér-Modell:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz Poisson (Gallagher):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz Montgomery–Soundararajan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Länge   Zeilen       n       p      n*  TV Momente  TV Cramér  TV Poisson  TV M–S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine ganze Zeile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Anpassung: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Länge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mittel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. beob.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. Cramér</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Var. M–S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>σ beob./σ M–S</source>
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
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n*</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>core::Summary</name>
    <message>
        <source>%1-mal,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summe:</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufruf: primzeilen-cli [OPTIONEN] VON BIS LÄNGE (mehr: --help)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tabelle gilt nur mit --format csv oder csv-de.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tabelle wählt eine Tabelle eines Laufs; mit --zeilen oder --laengen ist die Tabelle schon gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tabelle wählt eine Tabelle eines Laufs; mit --hoehen ist die Tabelle schon gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--zeilen mit --format %1 gibt die Tabelle der Zeilen aus; die Anpassung und die Modelle stehen in eigenen Tabellen (--tabelle).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--fortschritt und --still schließen einander aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--laengen und --zeilen schließen einander aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--laengen und --teil schließen einander aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vereinigen nimmt weder --hoehen noch --fenster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--hoehen braucht --fenster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--fenster gilt nur mit --hoehen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--hoehen und --zeilen schließen einander aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--hoehen und --teil schließen einander aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--teil und --zeilen schließen einander aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgabe konnte nicht geschrieben werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--teil „%1“: erwartet K/N mit 1 ≤ K ≤ N ≤ %2, der Zahl der Zeilen des Bereichs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--teil „%1“: erwartet K/N mit 1 ≤ K ≤ N ≤ %2 (2^53).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufruf: primzeilen-cli vereinigen [OPTIONEN] TEIL.json … (mehr: --help)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ lässt sich nicht lesen: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vereinigen nimmt weder --zeilen noch --laengen noch --teil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vereinigen: keine Datei angegeben (erwartet TEIL.json …).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Bio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Mrd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Mio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen gezählt (%3 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 von 1 Datensatz fertig, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 von %2 Datensätzen fertig, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, noch %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 Zahlen/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Anpassung möglich: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
