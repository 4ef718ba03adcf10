'use strict';
// What the page saves and shares of the shown scan: the listing, the tables as CSV, the charts as
// SVG and PNG with a title line, and a link that opens the page at the same range.
(function () {
  const $ = (id) => document.getElementById(id);
  const Chart = window.PrimzeilenChart;
  const RowLengthChart = window.PrimzeilenRowLengthChart;
  const Numbers = window.PrimzeilenNumbers;
  const { text, linkIn } = window.PrimzeilenLanguage;

  // page: the form's fields; shown() the scan on the page and rowLengths() the row lengths compared
  // (or null); the worker's withShownScan; the busy state and the message lines; and of the chart,
  // windowPicture() whether the window's picture is shown, chartData() what the page's chart draws
  // and hiddenSeries() the series switched off in its legend.
  function Downloads(page) {
    const { fields, shown, rowLengths, withShownScan, beginWork, endWork, showError, showStatus, windowPicture, chartData, hiddenSeries } = page;

    function baseName() { const s = shown().scan; return `primzeilen_${s.von}_${s.bis}_${s.laenge}`; }
    function download(blob, name) {
      const url = URL.createObjectURL(blob);
      const link = Object.assign(document.createElement('a'), { href: url, download: name });
      document.body.append(link);
      link.click();
      link.remove();
      setTimeout(() => URL.revokeObjectURL(url), 60000);
    }

    async function saveListing() {
      const result = shown();
      if (!result) return;
      beginWork(text('listingRunning'));
      try {
        const blob = await withShownScan('listing', [result.scan.rows]);
        download(blob, baseName() + '.txt');
      } catch (error) {
        if (!error.cancelled) showError(error.message);
      } finally { endWork(); }
    }

    function saveTable() {
      const result = shown();
      if (!result || !result.fit.ok) return;
      // The engine's text starts with the byte order mark; a Blob keeps it as written.
      download(new Blob([result.fit.tableCsv], { type: 'text/csv;charset=utf-8' }), baseName() + '.csv');
    }

    // The table as the page lists it, x down, every x of the page's table, each value with all its
    // digits (in the page's number format, ';' between cells), byte order mark and CR LF as in the
    // window's file.
    function pageTableCsv(fit) {
      const lines = [['x', 'h(x)', 'B(n;p)'], ...fit.pageTable.map((entry) => [String(entry.x), Numbers.format(entry.h), Numbers.format(entry.b)])];
      return '\ufeff' + lines.map((cells) => cells.join(';') + '\r\n').join('');
    }

    function savePageTable() {
      const result = shown();
      if (!result || !result.fit.ok || !result.fit.pageTable) return;
      download(new Blob([pageTableCsv(result.fit)], { type: 'text/csv;charset=utf-8' }), baseName() + '_seite.csv');
    }

    function saveRowLengths() {
      const rowLengthRows = rowLengths();
      if (!rowLengthRows) return;
      const names = ['length', 'rows', 'n', 'p', 'nStar', 'tvMoments', 'tvCramer', 'tvPoisson', 'tvMontgomery'];
      const header = ['L', 'Zeilen', 'n', 'p', 'n*', 'TV Momente', 'TV Cramér', 'TV Poisson', 'TV M–S'];
      const lines = [header, ...rowLengthRows.map((row) => names.map((name) => row[name]))].map((cells) => cells.join(';') + '\r\n');
      download(new Blob(['\ufeff', ...lines], { type: 'text/csv;charset=utf-8' }), baseName() + '_zeilenlaengen.csv');
    }

    // Saved pictures carry a title line with the range and the row length, in the light colours.
    function chartMarkup() {
      const heading = Chart.headingOf(shown().scan);
      if (windowPicture()) return Chart.withHeading($('bild').querySelector('svg').outerHTML, heading);
      return Chart.distributionSvg(chartData(), { width: 800, heading, legend: true, hidden: hiddenSeries() });
    }

    function rowLengthMarkup() {
      const heading = text('rowLengthsHeading', Chart.headingOf({ ...shown().scan, laenge: text('countSpan', 10, 120) }));
      return RowLengthChart.rowLengthSvg(rowLengths(), { width: 800, heading });
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
          if (blob) download(blob, name); else showError(text('pngFailed'));
        }, 'image/png');
      };
      image.onerror = () => showError(text('pngFailed'));
      image.src = 'data:image/svg+xml;charset=utf-8,' + encodeURIComponent(markup);
    }

    function saveSvg() { if (shown()) saveSvgOf(chartMarkup(), baseName() + '.svg'); }
    function savePng() { if (shown()) savePngOf(chartMarkup(), baseName() + '.png'); }
    function saveRowLengthSvg() { if (shown() && rowLengths()) saveSvgOf(rowLengthMarkup(), baseName() + '_zeilenlaengen.svg'); }
    function saveRowLengthPng() { if (shown() && rowLengths()) savePngOf(rowLengthMarkup(), baseName() + '_zeilenlaengen.png'); }

    // ---- Link: the range, and the language where it is not the one a browser would take. ----
    function linkFor(von, bis, laenge) {
      const url = new URL(location.href);
      url.search = new URLSearchParams({ von, bis, laenge }).toString();
      url.hash = '';
      return linkIn(url.href);
    }
    // The link of a scan shown: the adjustment to whole rows cuts towards zero, so below zero the
    // first number of a row (k·L + 1) would move on to the next row; the number before it stays in
    // the same row. The upper bound, a row's last number, adjusts to itself.
    function scanLink(s) {
      const from = Number(s.von) <= 0 ? Numbers.digits(Number(s.von) - 1) : s.von;
      return linkFor(from, s.bis, String(s.laenge));
    }
    function writeUrl() {
      try { history.replaceState(null, '', scanLink(shown().scan)); } catch (error) { /* file pages may refuse */ }
    }
    // A field's number as plain digits for a link; a text that is no number stays as it is.
    function plainField(name) {
      try { return Numbers.digits(Numbers.parse(fields[name].value)); } catch (error) { return fields[name].value; }
    }
    async function copyLink() {
      const result = shown();
      const link = result
        ? scanLink(result.scan)
        : linkFor(...['von', 'bis', 'laenge'].map((name) => plainField(name)));
      $('link-text').value = link;
      $('link-feld').hidden = false;
      try {
        await navigator.clipboard.writeText(link);
        showStatus(text('linkCopied'));
      } catch (error) {
        $('link-text').focus();
        $('link-text').select();
        showStatus(text('linkInField'));
      }
    }

    return { saveListing, saveTable, savePageTable, saveSvg, savePng, saveRowLengths, saveRowLengthSvg, saveRowLengthPng, copyLink, writeUrl };
  }

  window.PrimzeilenDownloads = Downloads;
})();
