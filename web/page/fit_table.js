'use strict';
// The fit on the page: its fields and the table of h(x) and B(n;p), one row per x, with the rows
// beyond the window's x = 0..18 below.
(function () {
  const $ = (id) => document.getElementById(id);
  const { text } = window.PrimzeilenLanguage;

  // rowsWord: a number of rows in words, as the status line writes it.
  function FitTable(rowsWord) {
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
      th.textContent = text('over20Group', rowsWord(over));
      heading.append(th);
      tbody.replaceChildren(heading, ...above.map((entry) => tableRow(entry.cells)));
    }

    return { showFit };
  }

  window.PrimzeilenFitTable = FitTable;
})();
