'use strict';
(function () {
  const $ = (id) => document.getElementById(id);
  const fields = { von: $('von'), bis: $('bis'), laenge: $('laenge') };
  const slider = $('schieber');
  const Chart = window.PrimzeilenChart;
  const Numbers = window.PrimzeilenNumbers;
  const WindowPicture = window.PrimzeilenWindowPicture;
  const RowLengthChart = window.PrimzeilenRowLengthChart;

  // ---- The worker: numbered requests; Abbrechen ends it and starts a fresh one. ----
  let worker = null, nextId = 1, pending = new Map();
  let workerScan = null;      // the texts of the scan the running worker holds
  let result = null;          // the scan shown on the page
  let models = null;

  function startWorker() {
    if (typeof window.PRIMZEILEN_WORKER_SOURCE === 'string') {
      const url = URL.createObjectURL(new Blob([window.PRIMZEILEN_WORKER_SOURCE], { type: 'text/javascript' }));
      worker = new Worker(url);
    } else {
      worker = new Worker('worker.js');
    }
    workerScan = null;
    worker.onmessage = (event) => {
      const { id, result: value, error, progress } = event.data;
      const request = pending.get(id);
      if (!request) return;
      if (progress !== undefined) { if (request.onProgress) request.onProgress(progress); return; }
      pending.delete(id);
      if (error !== undefined) request.reject(new Error(error)); else request.resolve(value);
    };
    worker.onerror = (event) => {
      event.preventDefault();
      showError('Die Rechenmaschine der Seite ließ sich nicht starten' + (event.message ? ': ' + event.message : '.'));
    };
  }

  function call(op, args = [], onProgress = null) {
    return new Promise((resolve, reject) => {
      const id = nextId++;
      pending.set(id, { resolve, reject, onProgress });
      worker.postMessage({ id, op, args });
    });
  }

  function restartWorker() {
    worker.terminate();
    for (const request of pending.values()) request.reject(Object.assign(new Error('Abgebrochen'), { cancelled: true }));
    pending = new Map();
    startWorker();
  }

  // The running worker must hold the shown scan before it can list its rows.
  async function withShownScan(op, args) {
    if (result && workerScan !== result.key) {
      const texts = [result.scan.von, result.scan.bis, String(result.scan.laenge)];
      const key = result.key;
      const again = await call('scan', texts);
      if (!again.scan.ok) throw new Error(again.scan.message);
      workerScan = key;
    }
    return call(op, args);
  }

  // ---- Busy state with progress and Abbrechen. ----
  let busy = null;
  function beginWork(label, max = null) {
    busy = { label };
    $('arbeit-text').textContent = label;
    const bar = $('fortschritt');
    if (max === null) { bar.removeAttribute('value'); bar.removeAttribute('max'); } else { bar.max = max; bar.value = 0; }
    $('arbeit').hidden = false;
    document.body.setAttribute('aria-busy', 'true');
  }
  function endWork() {
    busy = null;
    $('arbeit').hidden = true;
    document.body.removeAttribute('aria-busy');
  }

  function showError(text) { $('meldung').textContent = text; }
  function showStatus(text) { $('status').textContent = text; }
  function clearMessages() { $('meldung').textContent = ''; showStatus(''); }

  const formatCount = (n) => Numbers.format(n);
  const seconds = (ms) => (ms / 1000).toFixed(2).replace('.', ',');

  // ---- The rows: the listing and the number grid share the row lines fetched. ----
  const rowPages = new window.PrimzeilenRowPages((first, count) => withShownScan('lines', [first, count]));
  const listing = new window.PrimzeilenListing($('liste'), rowPages);
  const grid = new window.PrimzeilenGrid($('raster'), rowPages, $('raster-anzeige'));
  function refreshRows() { rowPages.refresh(); listing.refresh(); grid.refresh(); }

  // One of the two views of the rows is shown; the other opens at the same row.
  function showRowView(asGrid) {
    if (asGrid === !$('raster-ansicht').hidden) return;
    const top = Math.floor(asGrid ? listing.position() : grid.topRow());
    $('liste-ansicht').hidden = asGrid;
    $('raster-ansicht').hidden = !asGrid;
    $('ansicht-liste').setAttribute('aria-pressed', String(!asGrid));
    $('ansicht-raster').setAttribute('aria-pressed', String(asGrid));
    if (!result) return;
    if (asGrid) { grid.fit(); grid.scrollToRow(Math.min(top, result.scan.rows - 1)); } else listing.scrollToLine(top);
  }
  $('ansicht-liste').addEventListener('click', () => showRowView(false));
  $('ansicht-raster').addEventListener('click', () => showRowView(true));

  // ---- Scan. ----
  let scanning = false;
  // The bounds as last given: each scan writes them back adjusted to whole rows, and the slider's
  // scans start again from them, so that moving it does not shrink the range step by step.
  let givenBounds = null;
  function takeGivenBounds(fromSlider) {
    const untouched = result && fields.von.value === formatCount(Number(result.scan.von)) &&
      fields.bis.value === formatCount(Number(result.scan.bis));
    if (fromSlider && givenBounds && untouched) {
      fields.von.value = givenBounds.von;
      fields.bis.value = givenBounds.bis;
    } else {
      givenBounds = { von: fields.von.value, bis: fields.bis.value };
    }
  }
  // A scan started by the slider leaves the focus where it is, also when it is refused.
  async function berechnen({ fromSlider = false } = {}) {
    if (busy) cancelWork(false);
    takeGivenBounds(fromSlider);
    clearMessages();
    const typed = readFields();
    if (typed.failure) {
      refuse(typed.failure.message, typed.failure.field, !fromSlider);
      return;
    }
    const texts = [Numbers.digits(typed.von), Numbers.digits(typed.bis), Numbers.digits(typed.laenge)];
    beginWork('Berechnung läuft …');
    scanning = true;
    const started = performance.now();
    let answer;
    try {
      answer = await call('scan', texts);
    } catch (error) {
      if (!error.cancelled) showError(error.message);
      return;
    } finally {
      scanning = false;
      endWork();
    }
    if (!answer.scan.ok) {
      refuse(answer.scan.message || refusalText(answer.scan.reason, typed), answer.scan.field, !fromSlider);
      return;
    }
    const s = answer.scan;
    fields.von.value = formatCount(Number(s.von));
    fields.bis.value = formatCount(Number(s.bis));
    fields.laenge.value = String(s.laenge);
    result = { ...answer, key: `${s.von}|${s.bis}|${s.laenge}` };
    workerScan = result.key;
    models = null;
    showResults();
    window.PrimzeilenWorksheet.show(result);
    const elapsed = performance.now() - started;
    showStatus(scanStatus(s, typed, answer, seconds(elapsed)));
    document.body.dataset.rechenzeit = String(Math.round(elapsed));
    writeUrl();
    if ($('modelle').checked) loadModels();
  }

  // The fields read in the windows' order (length, lower, upper bound) in the page's format.
  // The page takes the slider's lengths only, and a bound that no field of the engine holds
  // (31 bits) lies beyond the limit whatever the adjustment to whole rows.
  function readFields() {
    const typed = {};
    for (const name of ['laenge', 'von', 'bis']) {
      try {
        typed[name] = Numbers.parse(fields[name].value);
      } catch (error) {
        return { failure: { message: error.message, field: name } };
      }
      if (name === 'laenge' && (typed.laenge < 10 || typed.laenge > 120)) {
        return { failure: { message: refusalText('laenge', typed), field: name } };
      }
      if (name !== 'laenge' && Math.abs(typed[name]) > FIELD_LIMIT) {
        return { failure: { message: refusalText(name + 'Grenze', typed), field: name } };
      }
    }
    return typed;
  }

  function refuse(message, fieldName, focus = true) {
    hideResults();
    showError(message);
    const field = fields[fieldName];
    if (field && focus) { field.focus(); field.select(); }
  }

  const LIMIT = 10000000, FIELD_LIMIT = 2147483647;
  const numbersWord = (n) => (n === 1 ? '1 Zahl' : `${formatCount(n)} Zahlen`);
  const rowsWord = (n) => (n === 1 ? '1 Zeile' : `${formatCount(n)} Zeilen`);

  // A bound beyond the limit, named with its adjustment to whole rows where that moved it over;
  // one too large for exact digits is named as typed.
  function beyondLimit(name, typedValue, adjusted) {
    const value = adjusted === undefined ? typedValue : adjusted;
    const side = value > 0 ? `über ${formatCount(LIMIT)}` : `unter ${formatCount(-LIMIT)}`;
    const typed = Number.isSafeInteger(typedValue) ? formatCount(typedValue) : fields[name].value.trim();
    const moved = value !== typedValue ? ` (auf ganze Zeilen angepasst ${formatCount(value)})` : '';
    return `${name} ${typed}${moved} liegt ${side}; die Seite rechnet von ${formatCount(-LIMIT)} bis ${formatCount(LIMIT)}.`;
  }

  // Why a scan is refused, in words, with the numbers as typed.
  function refusalText(reason, typed) {
    switch (reason) {
      case 'laenge':
        return `Zahlen pro Zeile: auf dieser Seite 10 bis 120, nicht ${formatCount(typed.laenge)}.`;
      case 'vonGroesserBis':
        return `von ${formatCount(typed.von)} ist größer als bis ${formatCount(typed.bis)}.`;
      case 'keineZeile':
        return `von ${formatCount(typed.von)} bis ${formatCount(typed.bis)} bleibt in Zeilen zu ${numbersWord(typed.laenge)} keine ganze Zeile.`;
      case 'vonGrenze':
        return beyondLimit('von', typed.von, Math.abs(typed.von) > FIELD_LIMIT ? undefined : firstOfRows(typed.von, typed.laenge));
      case 'bisGrenze':
        return beyondLimit('bis', typed.bis, Math.abs(typed.bis) > FIELD_LIMIT ? undefined : lastOfRows(typed.bis, typed.laenge));
      default:
        return 'Dieser Bereich wird nicht berechnet.';
    }
  }
  // The adjustment to whole rows (division cut towards zero), for the wording of a refusal.
  const firstOfRows = (from, length) => Math.trunc(from / length) * length + 1;
  const lastOfRows = (to, length) => Math.trunc(to / length) * length;

  // What was computed, what the adjustment to whole rows changed, and the rows above 20 primes.
  function scanStatus(s, typed, answer, time) {
    const von = Number(s.von), bis = Number(s.bis);
    let text = `${rowsWord(s.rows)} von ${formatCount(von)} bis ${formatCount(bis)} mit je ${numbersWord(s.laenge)} berechnet (${time} s)`;
    const moved = [];
    if (von !== typed.von) moved.push(`von ${formatCount(typed.von)} auf ${formatCount(von)}`);
    if (bis !== typed.bis) moved.push(`bis ${formatCount(typed.bis)} auf ${formatCount(bis)}`);
    if (moved.length) text += `; ${moved.join(', ')} angepasst (ganze Zeilen)`;
    if (s.over20 > 0) {
      const counts = (answer.distribution || []).map((entry) => entry.k).filter((k) => k > 20);
      const named = counts.length > 5 ? `${counts[0]} bis ${counts.at(-1)}` : counts.join(', ');
      text += `; ${rowsWord(s.over20)} ${s.over20 === 1 ? 'hat' : 'haben'} mehr als 20 Primzahlen`;
      if (named) text += ` (${named})`;
      if (answer.fit.ok && answer.fit.pageTable) text += ', in der Tabelle ab x = 21';
    }
    return text + '.';
  }

  function hideResults() {
    result = null;
    models = null;
    listing.clear();
    grid.clear();
    $('ergebnisse').hidden = true;
    $('vergleich-ergebnis').hidden = true;
  }

  function showResults() {
    const { scan, summary, firstRows, fit } = result;
    $('ergebnisse').hidden = false;
    $('vergleich-ergebnis').hidden = true;
    const longest = Math.max(...summary.map((line) => line.length), 8 + scan.laenge + 4 + String(scan.bis).length - 6);
    rowPages.reset(scan.rows, firstRows);
    listing.show(scan.rows, summary, longest);
    grid.show(scan.rows, scan.laenge, String(scan.von).length > String(scan.bis).length ? scan.von : scan.bis);
    $('liste-info').textContent = `${rowsWord(scan.rows)} und ${summary.length} Zeilen Häufigkeiten; blättern mit Pfeiltasten, Bild auf/ab, Pos1 und Ende.`;
    showFit(fit, scan);
    drawChart();
  }

  function showFit(fit, scan) {
    $('anpassung-meldung').hidden = fit.ok;
    $('anpassung-meldung').textContent = fit.ok ? '' : fit.message;
    $('anpassung-werte').hidden = !fit.ok;
    if (!fit.ok) return;
    const f = fit.fields;
    $('feld-n').textContent = f.n;
    $('feld-p').textContent = f.p;
    $('feld-mean-h').textContent = f.meanObserved;
    $('feld-mean-b').textContent = f.meanBinomial;
    $('feld-sd-h').textContent = f.deviationObserved;
    $('feld-sd-b').textContent = f.deviationBinomial;
    $('feld-laenge').textContent = String(scan.laenge);
    $('feld-von').textContent = scan.von;
    $('feld-bis').textContent = scan.bis;
    // One row per x: the window's three rows turned on their side, so the table fits a phone.
    const table = $('tabelle'), rows = fit.table;
    const head = document.createElement('tr');
    for (const row of rows) {
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = row[0];
      head.append(th);
    }
    table.tHead.replaceChildren(head);
    const body = [];
    for (let column = 1; column < rows[0].length; column++) body.push(tableRow(rows.map((row) => row[column])));
    table.tBodies[0].replaceChildren(...body);
    $('tabelle-seite-speichern').hidden = !fit.pageTable;
    showRowsBeyond(table, (fit.pageTable || []).slice(rows[0].length - 1));
  }

  function tableRow(cells) {
    const tr = document.createElement('tr');
    cells.forEach((text, index) => {
      const cell = document.createElement(index === 0 ? 'th' : 'td');
      if (index === 0) cell.scope = 'row';
      cell.textContent = text ?? '';
      tr.append(cell);
    });
    return tr;
  }

  // Below the window's x = 0..18, every count up to the largest that occurs: x = 19 and 20, then
  // the rows above 20 primes in a group of their own, named with their number.
  function showRowsBeyond(table, more) {
    for (const tbody of [...table.tBodies].slice(1)) tbody.remove();
    const upTo20 = more.filter((entry) => entry.x <= 20), above = more.filter((entry) => entry.x > 20);
    if (upTo20.length) table.createTBody().replaceChildren(...upTo20.map((entry) => tableRow(entry.cells)));
    $('tabelle-hinweis').hidden = !above.length;
    if (!above.length) return;
    const tbody = table.createTBody();
    tbody.className = 'ueber-20';
    const heading = document.createElement('tr');
    const th = Object.assign(document.createElement('th'), { scope: 'rowgroup', colSpan: 3 });
    const over = above.reduce((sum, entry) => sum + entry.rows, 0);
    th.textContent = `mehr als 20 Primzahlen: ${rowsWord(over)}`;
    heading.append(th);
    tbody.replaceChildren(heading, ...above.map((entry) => tableRow(entry.cells)));
  }

  // ---- Chart and models. ----
  // The page's chart fits its data; on request it draws the graph window's picture instead.
  let distributionChart = null;
  const windowPicture = () => $('fenster-bild').checked;
  const showModels = () => $('modelle').checked && models !== null;

  function chartData() {
    return { ...result, models, showModels: showModels() };
  }

  function drawChart() {
    if (!result) return;
    const box = $('bild');
    box.classList.toggle('fenster', windowPicture());
    if (windowPicture()) {
      if (distributionChart) { distributionChart.observer.disconnect(); distributionChart = null; }
      box.innerHTML = WindowPicture.chartSvg({ shares: result.shares, fit: result.fit, models, showModels: showModels() });
      const picture = box.querySelector('svg');
      picture.setAttribute('role', 'img');
      picture.setAttribute('aria-label', 'Diagramm von h(x) und B(n;p)');
      picture.setAttribute('aria-describedby', 'bild-text');
      $('bild-text').textContent = 'Wie im Graphikfenster: Stäbe für h(x), die beobachteten Anteile; offene Säulen für B(n;p;x). Die Werte stehen in der Tabelle von h(x) und B(n;p).';
      return;
    }
    if (!distributionChart) distributionChart = new Chart.DistributionChart(box);
    distributionChart.show(chartData());
    $('bild-text').textContent = 'Gefüllte Säulen: h(x), die beobachteten Anteile der Zeilen; offene Säulen: B(n;p;x); Linien mit Punkten: die Modelle. Jede Zahl von Primzahlen, die vorkommt, steht auf der x-Achse.';
  }

  async function loadModels() {
    if (!result) return;
    const key = result.key;
    beginWork('Modelle werden berechnet …');
    try {
      const value = await withShownScan('models', []);
      if (result && result.key === key) { models = value; drawChart(); }
    } catch (error) {
      if (!error.cancelled) showError(error.message);
    } finally { endWork(); }
  }

  $('modelle').addEventListener('change', () => {
    if ($('modelle').checked && !models) loadModels(); else drawChart();
  });
  $('fenster-bild').addEventListener('change', drawChart);

  // ---- Row lengths compared. ----
  let rowLengthRows = null;
  const rowLengthChart = new RowLengthChart.RowLengthChart($('vergleich-bild'));
  async function compareRowLengths() {
    if (!result) return;
    if (busy) cancelWork(false);
    clearMessages();
    const key = result.key;
    beginWork('Jede Zeilenlänge von 10 bis 120 wird berechnet …', 111);
    try {
      if (workerScan !== key) await withShownScan('lines', [0, 0]);
      const rows = await call('rowLengths', [], (done) => { $('fortschritt').value = Math.max(0, done - 9); });
      if (!result || result.key !== key) return;
      rowLengthRows = rows;
      const body = rows.map((row) => {
        const tr = document.createElement('tr');
        ['length', 'rows', 'n', 'p', 'nStar', 'tvMoments', 'tvCramer', 'tvPoisson', 'tvMontgomery'].forEach((name, i) => {
          const cell = document.createElement(i === 0 ? 'th' : 'td');
          if (i === 0) cell.scope = 'row';
          cell.textContent = row[name];
          tr.append(cell);
        });
        return tr;
      });
      $('vergleich-tabelle').tBodies[0].replaceChildren(...body);
      $('vergleich-ergebnis').hidden = false;
      rowLengthChart.show(rows);
      showStatus('Zeilenlängen 10 bis 120 berechnet.');
    } catch (error) {
      if (!error.cancelled) showError(error.message);
    } finally { endWork(); }
  }

  function cancelWork(announce = true) {
    const wasScan = scanning;
    restartWorker();
    endWork();
    if (wasScan) hideResults();
    if (announce) showStatus(wasScan ? 'Berechnung abgebrochen; nichts berechnet.' : 'Abgebrochen.');
    if (result) refreshRows();
  }

  // ---- Downloads. ----
  function baseName() { const s = result.scan; return `primzeilen_${s.von}_${s.bis}_${s.laenge}`; }
  function download(blob, name) {
    const url = URL.createObjectURL(blob);
    const link = Object.assign(document.createElement('a'), { href: url, download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  async function saveListing() {
    if (!result) return;
    beginWork('Die Liste wird zusammengestellt …');
    try {
      const blob = await withShownScan('listing', [result.scan.rows]);
      download(blob, baseName() + '.txt');
    } catch (error) {
      if (!error.cancelled) showError(error.message);
    } finally { endWork(); }
  }

  function saveTable() {
    if (!result || !result.fit.ok) return;
    // The engine's text starts with the byte order mark; a Blob keeps it as written.
    download(new Blob([result.fit.tableCsv], { type: 'text/csv;charset=utf-8' }), baseName() + '.csv');
  }

  // The table as the page lists it, x down, every x of the page's table, each value with all its
  // digits (decimal comma, ';' between cells), byte order mark and CR LF as in the window's file.
  function pageTableCsv(fit) {
    const lines = [['x', 'h(x)', 'B(n;p)'], ...fit.pageTable.map((entry) => [String(entry.x), Numbers.format(entry.h), Numbers.format(entry.b)])];
    return '\ufeff' + lines.map((cells) => cells.join(';') + '\r\n').join('');
  }

  function savePageTable() {
    if (!result || !result.fit.ok || !result.fit.pageTable) return;
    download(new Blob([pageTableCsv(result.fit)], { type: 'text/csv;charset=utf-8' }), baseName() + '_seite.csv');
  }

  function saveRowLengths() {
    if (!rowLengthRows) return;
    const names = ['length', 'rows', 'n', 'p', 'nStar', 'tvMoments', 'tvCramer', 'tvPoisson', 'tvMontgomery'];
    const header = ['L', 'Zeilen', 'n', 'p', 'n*', 'TV Momente', 'TV Cramér', 'TV Poisson', 'TV M–S'];
    const lines = [header, ...rowLengthRows.map((row) => names.map((name) => row[name]))].map((cells) => cells.join(';') + '\r\n');
    download(new Blob(['\ufeff', ...lines], { type: 'text/csv;charset=utf-8' }), baseName() + '_zeilenlaengen.csv');
  }

  // Saved pictures carry a title line with the range and the row length, in the light colours.
  function chartMarkup() {
    const heading = Chart.headingOf(result.scan);
    if (windowPicture()) return Chart.withHeading($('bild').querySelector('svg').outerHTML, heading);
    return Chart.distributionSvg(chartData(), { width: 800, heading, legend: true, hidden: distributionChart ? distributionChart.hidden : new Set() });
  }

  function rowLengthMarkup() {
    return RowLengthChart.rowLengthSvg(rowLengthRows, { width: 800, heading: `Zeilenlängen im Vergleich: ${Chart.headingOf({ ...result.scan, laenge: '10 bis 120' })}` });
  }

  function saveSvgOf(markup, name) {
    download(new Blob(['<?xml version="1.0" encoding="UTF-8"?>\n', markup], { type: 'image/svg+xml' }), name);
  }

  // The picture at twice its size on white.
  function savePngOf(markup, name) {
    const size = /<svg[^>]*\swidth="([\d.]+)"[^>]*\sheight="([\d.]+)"/.exec(markup);
    const width = Number(size[1]), height = Number(size[2]);
    const image = new Image();
    image.onload = () => {
      const canvas = Object.assign(document.createElement('canvas'), { width: Math.round(width * 2), height: Math.round(height * 2) });
      const context = canvas.getContext('2d');
      context.fillStyle = '#ffffff';
      context.fillRect(0, 0, canvas.width, canvas.height);
      context.drawImage(image, 0, 0, canvas.width, canvas.height);
      canvas.toBlob((blob) => {
        if (blob) download(blob, name); else showError('Das Bild ließ sich nicht als PNG schreiben.');
      }, 'image/png');
    };
    image.onerror = () => showError('Das Bild ließ sich nicht als PNG schreiben.');
    image.src = 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(markup);
  }

  function saveSvg() { if (result) saveSvgOf(chartMarkup(), baseName() + '.svg'); }
  function savePng() { if (result) savePngOf(chartMarkup(), baseName() + '.png'); }
  function saveRowLengthSvg() { if (result && rowLengthRows) saveSvgOf(rowLengthMarkup(), baseName() + '_zeilenlaengen.svg'); }
  function saveRowLengthPng() { if (result && rowLengthRows) savePngOf(rowLengthMarkup(), baseName() + '_zeilenlaengen.png'); }

  // ---- Link. ----
  function linkFor(von, bis, laenge) {
    const url = new URL(location.href);
    url.search = new URLSearchParams({ von, bis, laenge }).toString();
    url.hash = '';
    return url.href;
  }
  function writeUrl() {
    const s = result.scan;
    try { history.replaceState(null, '', linkFor(s.von, s.bis, String(s.laenge))); } catch (error) { /* file pages may refuse */ }
  }
  // A field's number as plain digits for a link; a text that is no number stays as it is.
  function plainField(name) {
    try { return Numbers.digits(Numbers.parse(fields[name].value)); } catch (error) { return fields[name].value; }
  }
  async function copyLink() {
    const link = result
      ? linkFor(result.scan.von, result.scan.bis, String(result.scan.laenge))
      : linkFor(...['von', 'bis', 'laenge'].map((name) => plainField(name)));
    $('link-text').value = link;
    $('link-feld').hidden = false;
    try {
      await navigator.clipboard.writeText(link);
      showStatus('Link kopiert.');
    } catch (error) {
      $('link-text').focus();
      $('link-text').select();
      showStatus('Der Link steht im Feld; kopieren mit Strg+C.');
    }
  }

  // ---- Row length: the slider writes the field. A number typed into the field moves the slider
  // within 10..120 and is left as typed, so a scan reads what the field says; Shift+Enter applies
  // it as the window does: where the slider moves, the field shows where it stopped. ----
  slider.addEventListener('input', () => { fields.laenge.value = slider.value; scheduleSliderScan(); });
  const typedLength = () => {
    const text = fields.laenge.value.trim();
    return /^[+-]?\d+$/.test(text) ? Math.min(120, Math.max(10, parseInt(text, 10))) : null;
  };
  fields.laenge.addEventListener('change', () => {
    const clamped = typedLength();
    if (clamped !== null) slider.value = String(clamped);
  });
  fields.laenge.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || !event.shiftKey) return;
    event.preventDefault();
    const clamped = typedLength();
    if (clamped !== null && String(clamped) !== slider.value) {
      slider.value = String(clamped);
      fields.laenge.value = String(clamped);
    }
  });

  // A range small enough to take well under a moment is scanned again a little after the slider
  // stops; a larger one waits for Berechnen. The estimate is the last scan's time per number where
  // that scan was large enough to measure, else the range's size alone. Other work under way (the
  // models, the row lengths, a saved listing) is not broken off by the slider.
  const SLIDER_DELAY = 250, QUICK_NUMBERS = 2000000, QUICK_MS = 100, MEASURED_NUMBERS = 100000;
  let sliderTimer = null;
  function quickRange() {
    const bound = (field) => { try { return Numbers.parse(field.value); } catch (error) { return NaN; } };
    const von = bound(fields.von), bis = bound(fields.bis);
    if (!Number.isSafeInteger(von) || !Number.isSafeInteger(bis) || bis < von) return false;
    const numbers = bis - von + 1;
    if (numbers > QUICK_NUMBERS) return false;
    const last = result && result.scan, ms = Number(document.body.dataset.rechenzeit);
    if (!last || !Number.isFinite(ms)) return true;
    const lastNumbers = Number(last.bis) - Number(last.von) + 1;
    return lastNumbers < MEASURED_NUMBERS || numbers * (ms / lastNumbers) <= QUICK_MS;
  }
  function scheduleSliderScan() {
    clearTimeout(sliderTimer);
    sliderTimer = null;
    if (!quickRange()) return;
    sliderTimer = setTimeout(() => {
      sliderTimer = null;
      if (!busy || scanning) berechnen({ fromSlider: true });
    }, SLIDER_DELAY);
  }

  $('eingabe').addEventListener('submit', (event) => { event.preventDefault(); berechnen(); });
  $('abbrechen').addEventListener('click', () => cancelWork(true));
  $('liste-speichern').addEventListener('click', saveListing);
  $('tabelle-speichern').addEventListener('click', saveTable);
  $('tabelle-seite-speichern').addEventListener('click', savePageTable);
  $('svg-speichern').addEventListener('click', saveSvg);
  $('png-speichern').addEventListener('click', savePng);
  $('vergleich-start').addEventListener('click', compareRowLengths);
  $('vergleich-speichern').addEventListener('click', saveRowLengths);
  $('vergleich-svg-speichern').addEventListener('click', saveRowLengthSvg);
  $('vergleich-png-speichern').addEventListener('click', saveRowLengthPng);
  $('link').addEventListener('click', copyLink);
  $('hilfe-knopf').addEventListener('click', () => {
    $('hilfe-text').open = true;
    $('hilfe').scrollIntoView();
    $('hilfe').focus();
  });
  document.addEventListener('keydown', (event) => {
    if (event.key === 'Escape' && busy) cancelWork(true);
  });

  // ---- Start. ----
  if (location.protocol === 'file:' && typeof window.PRIMZEILEN_WORKER_SOURCE !== 'string') {
    showError('Ohne Webserver bitte die Datei primzeilen.html aus demselben Ordner öffnen.');
    $('berechnen').disabled = true;
    return;
  }
  startWorker();
  const query = new URLSearchParams(location.search);
  if (query.has('von') || query.has('bis') || query.has('laenge')) {
    for (const name of ['von', 'bis', 'laenge']) if (query.has(name)) fields[name].value = query.get(name);
    let length = null;
    try { length = Numbers.parse(fields.laenge.value); } catch (error) { /* berechnen() says why */ }
    if (length >= 10 && length <= 120) slider.value = String(length);
    berechnen();
  }
})();
