'use strict';
// The worksheet: what one printed A4 page shows of the last scan (print.css lays it out). Its
// head names the range and the row length; its table is the window's, x across, in bands that
// fit the width of the sheet.
(function () {
  const $ = (id) => document.getElementById(id);
  const COLUMNS_PER_BAND = 10;
  const { text } = window.PrimzeilenLanguage;

  const number = (value) => window.PrimzeilenNumbers.format(Number(value));

  function band(rows, first, last, withCaption) {
    const table = document.createElement('table');
    // A shorter last band keeps the columns of the full ones.
    table.style.setProperty('--anteil', String((last - first) / COLUMNS_PER_BAND));
    if (withCaption) table.createCaption().textContent = text('tableCaption');
    const body = table.createTBody();
    rows.forEach((row, index) => {
      const tr = body.insertRow();
      const heading = document.createElement('th');
      heading.scope = 'row';
      heading.textContent = row[0];
      tr.append(heading);
      for (let column = first; column < last; column++) {
        const cell = document.createElement(index === 0 ? 'th' : 'td');
        if (index === 0) cell.scope = 'col';
        cell.textContent = row[column] ?? '';
        tr.append(cell);
      }
    });
    return table;
  }

  // Called with each new scan the page shows.
  function show({ scan, fit }) {
    $('blatt-bereich').textContent = text('countSpan', number(scan.von), number(scan.bis));
    $('blatt-laenge').textContent = number(scan.laenge);
    $('blatt-zeilen').textContent = number(scan.rows);
    const bands = [];
    // The page's table, x across: the window's x = 0..18, then every larger count that occurs.
    const rows = !fit.ok ? [] : fit.pageTable
      ? ['x', 'h(x)', 'B(n;p)'].map((name, i) => [name, ...fit.pageTable.map((entry) => entry.cells[i])])
      : fit.table;
    if (rows.length) {
      const count = rows[0].length;
      for (let first = 1; first < count; first += COLUMNS_PER_BAND) {
        bands.push(band(rows, first, Math.min(count, first + COLUMNS_PER_BAND), first === 1));
      }
    }
    $('blatt-tabelle').replaceChildren(...bands);
  }

  $('drucken').addEventListener('click', () => window.print());
  window.PrimzeilenWorksheet = { show };
})();
