'use strict';
// The page's language and every text it writes. German is the page's own language and the source
// of each text; the English comes from translations/page_en.ts, which web/assemble hands to the
// page as window.PrimzeilenTexts ({en: {"context\u0004source": translation}}). The language is
// the address's ?lang=, else the browser's first language that the page speaks, else German.
// The sources are marked for lupdate: QT_TRANSLATE_NOOP(context, source).
(function () {
  const QT_TRANSLATE_NOOP = (context, source) => source;
  const SPOKEN = ['de', 'en'];

  // The texts the scripts write, by name; "%1".."%9" stand for what the caller fills in.
  const TEXTS = {
    workerFailed: QT_TRANSLATE_NOOP('page', 'Die Rechenmaschine der Seite ließ sich nicht starten.'),
    workerFailedBecause: QT_TRANSLATE_NOOP('page', 'Die Rechenmaschine der Seite ließ sich nicht starten: %1'),
    scanRunning: QT_TRANSLATE_NOOP('page', 'Berechnung läuft …'),
    modelsRunning: QT_TRANSLATE_NOOP('page', 'Modelle werden berechnet …'),
    rowLengthsRunning: QT_TRANSLATE_NOOP('page', 'Jede Zeilenlänge von 10 bis 120 wird berechnet …'),
    rowLengthsDone: QT_TRANSLATE_NOOP('page', 'Zeilenlängen 10 bis 120 berechnet.'),
    scanCancelled: QT_TRANSLATE_NOOP('page', 'Berechnung abgebrochen; nichts berechnet.'),
    cancelled: QT_TRANSLATE_NOOP('page', 'Abgebrochen.'),
    needsSingleFile: QT_TRANSLATE_NOOP('page', 'Ohne Webserver bitte die Datei primzeilen.html aus demselben Ordner öffnen.'),
    listingInfo: QT_TRANSLATE_NOOP('page', '%1 und %2 Zeilen Häufigkeiten; blättern mit Pfeiltasten, Bild auf/ab, Pos1 und Ende.'),
    chartLabel: QT_TRANSLATE_NOOP('page', 'Diagramm von h(x) und B(n;p)'),
    windowPictureCaption: QT_TRANSLATE_NOOP('page', 'Wie im Graphikfenster: Stäbe für h(x), die beobachteten Anteile; offene Säulen für B(n;p;x). Die Werte stehen in der Tabelle von h(x) und B(n;p).'),
    chartCaption: QT_TRANSLATE_NOOP('page', 'Gefüllte Säulen: h(x), die beobachteten Anteile der Zeilen; offene Säulen: B(n;p;x); Linien mit Punkten: die Modelle. Jede Zahl von Primzahlen, die vorkommt, steht auf der x-Achse.'),
    // The scan's words.
    oneNumber: QT_TRANSLATE_NOOP('page', '1 Zahl'),
    numbers: QT_TRANSLATE_NOOP('page', '%1 Zahlen'),
    oneRow: QT_TRANSLATE_NOOP('page', '1 Zeile'),
    rows: QT_TRANSLATE_NOOP('page', '%1 Zeilen'),
    fieldFrom: QT_TRANSLATE_NOOP('page', 'von'),
    fieldTo: QT_TRANSLATE_NOOP('page', 'bis'),
    above: QT_TRANSLATE_NOOP('page', 'über %1'),
    below: QT_TRANSLATE_NOOP('page', 'unter %1'),
    adjustedTo: QT_TRANSLATE_NOOP('page', ' (auf ganze Zeilen angepasst %1)'),
    beyondLimit: QT_TRANSLATE_NOOP('page', '%1 %2%3 liegt %4; die Seite rechnet von %5 bis %6.'),
    lengthRefused: QT_TRANSLATE_NOOP('page', 'Zahlen pro Zeile: auf dieser Seite 10 bis 120, nicht %1.'),
    fromAboveTo: QT_TRANSLATE_NOOP('page', 'von %1 ist größer als bis %2.'),
    noWholeRow: QT_TRANSLATE_NOOP('page', 'von %1 bis %2 bleibt in Zeilen zu %3 keine ganze Zeile.'),
    notComputed: QT_TRANSLATE_NOOP('page', 'Dieser Bereich wird nicht berechnet.'),
    notAWholeNumber: QT_TRANSLATE_NOOP('page', '„%1“ ist keine gültige ganze Zahl.'),
    computed: QT_TRANSLATE_NOOP('page', '%1 von %2 bis %3 mit je %4 berechnet (%5 s)'),
    fromMoved: QT_TRANSLATE_NOOP('page', 'von %1 auf %2'),
    toMoved: QT_TRANSLATE_NOOP('page', 'bis %1 auf %2'),
    moved: QT_TRANSLATE_NOOP('page', '; %1 angepasst (ganze Zeilen)'),
    countSpan: QT_TRANSLATE_NOOP('page', '%1 bis %2'),
    oneOver20: QT_TRANSLATE_NOOP('page', '; %1 hat mehr als 20 Primzahlen'),
    over20: QT_TRANSLATE_NOOP('page', '; %1 haben mehr als 20 Primzahlen'),
    over20InTable: QT_TRANSLATE_NOOP('page', ', in der Tabelle ab x = 21'),
    // The fit's table and the worksheet.
    over20Group: QT_TRANSLATE_NOOP('page', 'mehr als 20 Primzahlen: %1'),
    tableCaption: QT_TRANSLATE_NOOP('page', 'Tabelle von h(x) und B(n;p)'),
    // The charts.
    observed: QT_TRANSLATE_NOOP('page', 'h(x): beobachtete Häufigkeiten'),
    fitted: QT_TRANSLATE_NOOP('page', 'B(%1;%2): angepasste Binomialverteilung'),
    cramerModel: QT_TRANSLATE_NOOP('page', 'Cramér-Modell'),
    noModels: QT_TRANSLATE_NOOP('page', 'Keine Modelle: %1'),
    modelsFailed: QT_TRANSLATE_NOOP('page', 'sie ließen sich für diesen Bereich nicht berechnen.'),
    shareAxis: QT_TRANSLATE_NOOP('page', 'Anteil der Zeilen: h(x), B(n;p;x)'),
    countAxis: QT_TRANSLATE_NOOP('page', 'x: Primzahlen in der Zeile'),
    chartArea: QT_TRANSLATE_NOOP('page', 'Diagramm von h(x) und B(n;p); x wählen mit Pfeiltasten, Bild auf/ab, Pos1 und Ende'),
    legend: QT_TRANSLATE_NOOP('page', 'Legende; jeder Eintrag blendet seine Reihe ein oder aus'),
    readoutHint: QT_TRANSLATE_NOOP('page', 'Genaue Werte: Zeiger auf das Diagramm, antippen oder mit den Pfeiltasten wählen.'),
    rowsOf: QT_TRANSLATE_NOOP('page', ' (%1 von %2 Zeilen)'),
    heading: QT_TRANSLATE_NOOP('page', 'Primzahlen von %1 bis %2, %3 Zahlen pro Zeile'),
    fittedN: QT_TRANSLATE_NOOP('page', 'angepasstes n'),
    predictedN: QT_TRANSLATE_NOOP('page', 'n* = L/(ln L + 1,415)'),
    fittedOverLength: QT_TRANSLATE_NOOP('page', 'Angepasstes n über der Zeilenlänge'),
    lengthAxis: QT_TRANSLATE_NOOP('page', 'Zeilenlänge L'),
    rowLengthsHeading: QT_TRANSLATE_NOOP('page', 'Zeilenlängen im Vergleich: %1'),
    // The number grid.
    prime: QT_TRANSLATE_NOOP('page', '%1: Primzahl'),
    notPrime: QT_TRANSLATE_NOOP('page', '%1: keine Primzahl'),
    primesInRow: QT_TRANSLATE_NOOP('page', '%1 Primzahlen in der Zeile'),
    // Saving and the link.
    listingRunning: QT_TRANSLATE_NOOP('page', 'Die Liste wird zusammengestellt …'),
    pngFailed: QT_TRANSLATE_NOOP('page', 'Das Bild ließ sich nicht als PNG schreiben.'),
    linkCopied: QT_TRANSLATE_NOOP('page', 'Link kopiert.'),
    linkInField: QT_TRANSLATE_NOOP('page', 'Der Link steht im Feld; kopieren mit Strg+C.'),
    // The language switch.
    languages: QT_TRANSLATE_NOOP('page', 'Sprache'),
  };

  // The texts of index.html: those of elements without markup inside, of the attributes
  // aria-label and title, and, where an element says data-html, its markup as a whole (whitespace
  // taken together).
  const PAGE = [
    QT_TRANSLATE_NOOP('index.html', 'Primzeilen – Häufigkeit von Primzahlen'),
    QT_TRANSLATE_NOOP('index.html', 'Häufigkeit von Primzahlen'),
    QT_TRANSLATE_NOOP('index.html', 'Primzahlen von'),
    QT_TRANSLATE_NOOP('index.html', 'bis'),
    QT_TRANSLATE_NOOP('index.html', 'von'),
    QT_TRANSLATE_NOOP('index.html', 'höchstens ±10.000.000'),
    QT_TRANSLATE_NOOP('index.html', 'Zahlen pro Zeile'),
    QT_TRANSLATE_NOOP('index.html', 'Zahlen pro Zeile, Schieber von 10 bis 120'),
    QT_TRANSLATE_NOOP('index.html', 'Berechnen'),
    QT_TRANSLATE_NOOP('index.html', 'Link kopieren'),
    QT_TRANSLATE_NOOP('index.html', 'Hilfe'),
    QT_TRANSLATE_NOOP('index.html', 'Berechnung läuft …'),
    QT_TRANSLATE_NOOP('index.html', 'Abbrechen'),
    QT_TRANSLATE_NOOP('index.html', 'Link zu dieser Berechnung'),
    QT_TRANSLATE_NOOP('index.html', 'Bereich <b id="blatt-bereich"></b>, <b id="blatt-laenge"></b> Zahlen pro Zeile, <b id="blatt-zeilen"></b> Zeilen'),
    QT_TRANSLATE_NOOP('index.html', 'Arbeitsblatt drucken'),
    QT_TRANSLATE_NOOP('index.html', 'Ergebnisse'),
    QT_TRANSLATE_NOOP('index.html', 'Zeilen'),
    QT_TRANSLATE_NOOP('index.html', 'Tabelle'),
    QT_TRANSLATE_NOOP('index.html', 'Diagramm'),
    QT_TRANSLATE_NOOP('index.html', 'Vergleich'),
    QT_TRANSLATE_NOOP('index.html', 'Darstellung der Zeilen'),
    QT_TRANSLATE_NOOP('index.html', 'Liste (O/+)'),
    QT_TRANSLATE_NOOP('index.html', 'Zahlenraster'),
    QT_TRANSLATE_NOOP('index.html', '<span class="p">O</span> = Primzahl,&nbsp;&nbsp;&nbsp;&nbsp;<span class="k">+</span> = keine Primzahl'),
    QT_TRANSLATE_NOOP('index.html', 'Zahl 1.Spalte'),
    QT_TRANSLATE_NOOP('index.html', 'Anzahl Primzahlen/Reihe'),
    QT_TRANSLATE_NOOP('index.html', 'Liste der Zeilen und Häufigkeiten'),
    QT_TRANSLATE_NOOP('index.html', '<span class="muster prim"></span> Primzahl,&nbsp;&nbsp;<span class="muster"></span> keine Primzahl; am Zeilenende die Anzahl Primzahlen.'),
    QT_TRANSLATE_NOOP('index.html', 'Zahlenraster der Zeilen'),
    QT_TRANSLATE_NOOP('index.html', 'Eine Zahl zeigen: darauf tippen oder zeigen, oder mit den Pfeiltasten wählen (Pos1 und Ende in der Zeile, Bild auf/ab).'),
    QT_TRANSLATE_NOOP('index.html', 'Liste speichern (Text)'),
    QT_TRANSLATE_NOOP('index.html', 'Häufigkeiten und angepasste Binomialverteilung'),
    QT_TRANSLATE_NOOP('index.html', 'Erwartungswert von h(x):'),
    QT_TRANSLATE_NOOP('index.html', 'Erwartungswert von B(n;p):'),
    QT_TRANSLATE_NOOP('index.html', 'Standardabweichung von h(x):'),
    QT_TRANSLATE_NOOP('index.html', 'Standardabweichung von B(n;p):'),
    QT_TRANSLATE_NOOP('index.html', 'Anzahl Zahlen/Zeile:'),
    QT_TRANSLATE_NOOP('index.html', 'Tabelle von h(x) und B(n;p)'),
    QT_TRANSLATE_NOOP('index.html', 'Ab x = 21 ist h(x) der Anteil an allen Zeilen; bis x = 20, wie in der Liste, der Anteil an den Zeilen mit höchstens 20 Primzahlen.'),
    QT_TRANSLATE_NOOP('index.html', 'Tabelle speichern (CSV)'),
    QT_TRANSLATE_NOOP('index.html', 'Tabelle speichern (CSV, wie die Seite)'),
    QT_TRANSLATE_NOOP('index.html', 'Modelle einblenden (Cramér, Poisson, Montgomery–Soundararajan)'),
    QT_TRANSLATE_NOOP('index.html', 'Bild wie im Programmfenster'),
    QT_TRANSLATE_NOOP('index.html', 'Gefüllte Säulen: h(x), die beobachteten Anteile der Zeilen; offene Säulen: B(n;p;x); Linien mit Punkten: die Modelle.'),
    QT_TRANSLATE_NOOP('index.html', 'Bild speichern (SVG)'),
    QT_TRANSLATE_NOOP('index.html', 'Bild speichern (PNG)'),
    QT_TRANSLATE_NOOP('index.html', 'Zeilenlängen im Vergleich'),
    QT_TRANSLATE_NOOP('index.html', 'Der Bereich der letzten Berechnung mit jeder Zeilenlänge L von 10 bis 120: das angepasste n über L, neben n* = L/(ln L + 1,415) und der Geraden n = L.'),
    QT_TRANSLATE_NOOP('index.html', 'Zeilenlängen berechnen'),
    QT_TRANSLATE_NOOP('index.html', 'Angepasstes n über der Zeilenlänge; die Werte stehen in der Tabelle darunter.'),
    QT_TRANSLATE_NOOP('index.html', 'Tabelle der Zeilenlängen'),
    QT_TRANSLATE_NOOP('index.html', 'Zeilenlängen, angepasstes n und Abstände'),
    QT_TRANSLATE_NOOP('index.html', 'TV Momente'),
    QT_TRANSLATE_NOOP('index.html', 'Hilfe zeigen'),
    QT_TRANSLATE_NOOP('index.html', 'Die Seite bedienen'),
    QT_TRANSLATE_NOOP('index.html', 'Geben Sie den Bereich (<i>von</i>, <i>bis</i>, beide von −10.000.000 bis 10.000.000) und die Zahlen pro Zeile (10 bis 120, mit dem Schieber oder im Feld) ein und wählen Sie <b>Berechnen</b> (oder Enter in einem Feld). Zahlen schreiben Sie mit oder ohne Tausenderpunkte (45.000, 45000, 45 000) oder als Zehnerpotenz (1e6, 10^6); ganze Zahlen, ohne Komma. Der Bereich wird auf ganze Zeilen angepasst; die Statuszeile sagt, wenn das eine Grenze verschoben hat und wie viele Zeilen mehr als 20 Primzahlen haben. Was die Seite nicht berechnet, begründet eine Meldung, und das Feld mit dem Fehler erhält den Fokus. Eine lange Rechnung zeigt einen Fortschrittsbalken; <b>Abbrechen</b> (oder Esc) beendet sie. Die Liste blättert mit den Pfeiltasten, Bild auf/ab, Pos1 und Ende. <b>Zahlenraster</b> zeigt die Zeilen als Kästchen, die Primzahlen farbig und am Zeilenende ihre Anzahl; Zeigen, Antippen oder die Pfeiltasten nennen die Zahl eines Kästchens. <b>Link kopieren</b> gibt einen Link, der dieselbe Berechnung öffnet.'),
    QT_TRANSLATE_NOOP('index.html', 'Liste, Tabelle und Bild lassen sich als Dateien speichern. Die Tabelle der Häufigkeiten zeigt x = 0 bis 18 und darunter jede größere Anzahl, die vorkommt; die Zeilen mit mehr als 20 Primzahlen stehen dort in einer eigenen Gruppe, ihr h(x) als Anteil an allen Zeilen. <b>Tabelle speichern (CSV)</b> schreibt x = 0 bis 18 quer in drei Zeilen mit vier Nachkommastellen, <b>Tabelle speichern (CSV, wie die Seite)</b> jedes x der Tabelle in eine eigene Zeile mit allen Stellen. Die Seite rechnet ganz im Browser und braucht nach dem Laden kein Netz.'),
    QT_TRANSLATE_NOOP('index.html', '<b>Arbeitsblatt drucken</b> gibt die letzte Berechnung auf einer Seite A4 aus: Bereich, Zeilenlänge, Diagramm, die Tabelle von h(x) und B(n;p) und die Anpassung. Von einem Webserver geladen lässt sich die Seite im Browser installieren; sie öffnet und rechnet danach auch ohne Netz.'),
  ];

  const catalogues = window.PrimzeilenTexts || {};

  // The browser's first language that the page speaks, else German.
  function browserLanguage() {
    for (const name of navigator.languages || [navigator.language]) {
      const code = String(name || '').toLowerCase().split(/[-_]/)[0];
      if (SPOKEN.includes(code)) return code;
    }
    return 'de';
  }
  const asked = (new URLSearchParams(location.search).get('lang') || '').toLowerCase();
  const chosen = SPOKEN.includes(asked) ? asked : browserLanguage();
  // A language without its catalogue (a page not assembled) speaks German.
  const language = chosen === 'de' || catalogues[chosen] ? chosen : 'de';
  const catalogue = language === 'de' ? {} : catalogues[language];

  const translate = (context, source) => catalogue[`${context}\u0004${source}`] ?? source;
  const fill = (pattern, args) => pattern.replace(/%([1-9])/g, (whole, i) => (args[i - 1] === undefined ? whole : String(args[i - 1])));

  // A text of the scripts by its name, "%1".."%9" filled in.
  function text(name, ...args) {
    if (!(name in TEXTS)) throw new Error(`no text named ${name}`);
    return fill(translate('page', TEXTS[name]), args);
  }

  // ---- index.html in the page's language. ----
  const pageTexts = new Set(PAGE);
  const together = (source) => source.replace(/\s+/g, ' ').trim();
  function translated(source) {
    const key = together(source);
    return pageTexts.has(key) ? translate('index.html', key) : null;
  }

  function translatePage() {
    document.documentElement.lang = language;
    if (language === 'de') return;
    document.title = translated(document.title) ?? document.title;
    for (const element of document.querySelectorAll('[data-html]')) {
      const english = translated(element.innerHTML);
      if (english !== null) element.innerHTML = english;
    }
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT, {
      acceptNode: (node) => (node.parentElement.closest('script, style, [data-html]') ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_ACCEPT),
    });
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      const english = translated(node.data);
      if (english === null) continue;
      // The spaces around a text stay, so that it keeps its distance from its neighbours.
      const [, before, , after] = /^(\s*)([\s\S]*?)(\s*)$/.exec(node.data);
      node.data = before + english + after;
    }
    for (const element of document.querySelectorAll('[aria-label], [title]')) {
      for (const name of ['aria-label', 'title']) {
        const english = element.hasAttribute(name) && translated(element.getAttribute(name));
        if (english) element.setAttribute(name, english);
      }
    }
  }

  // ---- The switch: the page opens again in the other language, at the same address, which
  // names the language only where the browser would choose another. ----
  function addressIn(target) {
    const url = new URL(location.href);
    url.searchParams.delete('lang');
    if (target !== browserLanguage()) url.searchParams.set('lang', target);
    return url.href;
  }

  function buildSwitch() {
    const place = document.getElementById('sprache');
    if (!place) return;
    place.setAttribute('aria-label', text('languages'));
    for (const [code, name] of [['de', 'Deutsch'], ['en', 'English']]) {
      const button = Object.assign(document.createElement('button'), { type: 'button', textContent: name, lang: code });
      button.dataset.sprache = code;
      button.setAttribute('aria-pressed', String(code === language));
      button.addEventListener('click', () => { if (code !== language) location.assign(addressIn(code)); });
      place.append(button);
    }
  }

  // A link to the page in its language: English links say so; German ones only where asked for.
  function linkIn(href) {
    const url = new URL(href);
    url.searchParams.delete('lang');
    if (language !== 'de' || new URLSearchParams(location.search).get('lang') === 'de') url.searchParams.set('lang', language);
    return url.href;
  }

  // The help's sections shared with the desktop program, in the page's language where web/assemble
  // found them translated (a template of the page), else left out: half a help in German is no
  // help to someone who reads English.
  function translateHelp() {
    const start = [...document.getElementById('hilfe-text').childNodes]
      .find((node) => node.nodeType === Node.COMMENT_NODE && node.data.trim() === 'Abschnitte');
    if (!start) return;
    while (start.nextSibling && !(start.nextSibling.nodeType === Node.COMMENT_NODE && start.nextSibling.data.trim() === '/Abschnitte')) {
      start.nextSibling.remove();
    }
    const sections = document.getElementById(`hilfe-${language}`);
    if (sections) start.after(sections.content.cloneNode(true));
  }

  translatePage();
  if (language !== 'de') translateHelp();
  buildSwitch();
  window.PrimzeilenLanguage = Object.freeze({ language, text, translate, linkIn });
})();
