'use strict';
(function () {
  const $ = (id) => document.getElementById(id);
  const fields = { von: $('von'), bis: $('bis'), laenge: $('laenge') };
  const slider = $('schieber');
  const Chart = window.PrimzeilenChart;
  const Numbers = window.PrimzeilenNumbers;
  const WindowPicture = window.PrimzeilenWindowPicture;
  const RowLengthChart = window.PrimzeilenRowLengthChart;
  const { language, text } = window.PrimzeilenLanguage;

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
      showError(event.message ? text('workerFailedBecause', event.message) : text('workerFailed'));
    };
  }

  function restartWorker() {
    worker.terminate();
    for (const request of pending.values()) request.reject(Object.assign(new Error('Abgebrochen'), { cancelled: true }));
    pending = new Map();
    startWorker();
  }

  // Every request carries the page's language, in which the engine writes its texts.
  function call(op, args = [], onProgress = null) {
    return new Promise((resolve, reject) => {
      const id = nextId++;
      pending.set(id, { resolve, reject, onProgress });
      worker.postMessage({ id, op, args, language });
    });
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
  const { readFields, refusalText, scanStatus, rowsWord, seconds } = window.PrimzeilenScanTexts(fields);

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
    beginWork(text('scanRunning'));
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

  function refuse(message, fieldName, focus = true) {
    hideResults();
    showError(message);
    const field = fields[fieldName];
    if (field && focus) { field.focus(); field.select(); }
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
    $('liste-info').textContent = text('listingInfo', rowsWord(scan.rows), summary.length);
    showFit(fit, scan);
    drawChart();
  }

  const { showFit } = window.PrimzeilenFitTable(rowsWord);

  // ---- Chart and models. ----
  // The page's chart fits its data; on request it draws the graph window's picture instead.
  let distributionChart = null;
  let switchedOff = null;
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
      if (distributionChart) {
        // The series switched off stay off when the fitted chart comes back for the same scan.
        switchedOff = { key: result.key, names: new Set(distributionChart.hidden) };
        distributionChart.dispose();
        distributionChart = null;
      }
      box.innerHTML = WindowPicture.chartSvg({ shares: result.shares, fit: result.fit, models, showModels: showModels() });
      const picture = box.querySelector('svg');
      picture.setAttribute('role', 'img');
      picture.setAttribute('aria-label', text('chartLabel'));
      picture.setAttribute('aria-describedby', 'bild-text');
      $('bild-text').textContent = text('windowPictureCaption');
      return;
    }
    if (!distributionChart) distributionChart = new Chart.DistributionChart(box);
    distributionChart.show(chartData(), switchedOff && switchedOff.key === result.key ? switchedOff.names : []);
    switchedOff = null;
    $('bild-text').textContent = text('chartCaption');
  }

  async function loadModels() {
    if (!result) return;
    const key = result.key;
    beginWork(text('modelsRunning'));
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
    beginWork(text('rowLengthsRunning'), 111);
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
      showStatus(text('rowLengthsDone'));
    } catch (error) {
      if (!error.cancelled) showError(error.message);
    } finally { endWork(); }
  }

  function cancelWork(announce = true) {
    const wasScan = scanning;
    restartWorker();
    endWork();
    if (wasScan) hideResults();
    if (announce) showStatus(text(wasScan ? 'scanCancelled' : 'cancelled'));
    if (result) refreshRows();
  }

  // ---- Downloads and link. ----
  const { saveListing, saveTable, savePageTable, saveSvg, savePng, saveRowLengths, saveRowLengthSvg, saveRowLengthPng, copyLink, writeUrl } = window.PrimzeilenDownloads({
    fields, shown: () => result, rowLengths: () => rowLengthRows, withShownScan, beginWork, endWork, showError, showStatus,
    windowPicture, chartData, hiddenSeries: () => (distributionChart ? distributionChart.hidden : new Set()),
  });

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
    showError(text('needsSingleFile'));
    $('berechnen').disabled = true;
    return;
  }
  startWorker();
  // The fields' first numbers are written in German in the page itself.
  if (language !== 'de') {
    for (const field of [fields.von, fields.bis]) field.value = Numbers.format(Numbers.inLanguage('de').parse(field.value));
  }
  const query = new URLSearchParams(location.search);
  if (query.has('von') || query.has('bis') || query.has('laenge')) {
    for (const name of ['von', 'bis', 'laenge']) if (query.has(name)) fields[name].value = query.get(name);
    let length = null;
    try { length = Numbers.parse(fields.laenge.value); } catch (error) { /* berechnen() says why */ }
    if (length >= 10 && length <= 120) slider.value = String(length);
    berechnen();
  }
})();
