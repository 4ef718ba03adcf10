<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>core::Failure</name>
    <message>
        <source>Die Zahl %1 liegt außerhalb des Bereichs dieser Rechnung.</source>
        <translation>The number %1 lies outside the range of this computation.</translation>
    </message>
    <message>
        <source>„%1“ ist keine gültige ganze Zahl.</source>
        <translation>&quot;%1&quot; is not a valid whole number.</translation>
    </message>
    <message>
        <source>„%1“ ist kein gültiger Gleitkommawert.</source>
        <translation>&quot;%1&quot; is not a valid decimal number.</translation>
    </message>
    <message>
        <source>Gleitkommadivision durch Null.</source>
        <translation>Floating-point division by zero.</translation>
    </message>
    <message>
        <source>Ungültige Gleitkommaoperation.</source>
        <translation>Invalid floating-point operation.</translation>
    </message>
    <message>
        <source>Die Anzahl Zahlen pro Zeile muss mindestens 1 sein.</source>
        <translation>The numbers per row must be at least 1.</translation>
    </message>
</context>
<context>
    <name>core::Legend</name>
    <message>
        <source>h(x): beobachtete Häufigkeiten</source>
        <translation>h(x): observed shares</translation>
    </message>
    <message>
        <source>Momente B(%1;%2): TV %3</source>
        <translation>Moments B(%1;%2): TV %3</translation>
    </message>
    <message>
        <source>Cramér-Modell: TV %1</source>
        <translation>Cramér&apos;s model: TV %1</translation>
    </message>
    <message>
        <source>Poisson (Gallagher): TV %1</source>
        <translation>Poisson (Gallagher): TV %1</translation>
    </message>
    <message>
        <source>Montgomery–Soundararajan: TV %1</source>
        <translation>Montgomery–Soundararajan: TV %1</translation>
    </message>
    <message>
        <source>TV: Anteil der Zeilen, die anders liegen</source>
        <translation>TV: share of rows that lie differently</translation>
    </message>
</context>
<context>
    <name>core::Summary</name>
    <message>
        <source>%1-mal,</source>
        <translation>%1 rows,</translation>
    </message>
    <message>
        <source>Primz/Zeile: Anzahl, relative Häufigkeit</source>
        <translation>Primes/row: count, relative frequency</translation>
    </message>
    <message>
        <source>Summe:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Primzahlen gesamt:</source>
        <translation>Primes in all:</translation>
    </message>
</context>
<context>
    <name>core::Summary::One</name>
    <message>
        <source>%1-mal,</source>
        <translation>%1 row, </translation>
    </message>
</context>
</TS>
