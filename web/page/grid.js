'use strict';
// The rows as a grid of numbers: one cell per number, the primes filled, the row's count at its
// end. Drawn a screenful of rows at a time from the same row lines as the listing. The grid box
// holds the focus and points at its active cell (aria-activedescendant), so the cells can come
// and go as the rows scroll by.
(function () {
  const ROW = 28;
  const MIN_CELL = 28, MAX_CELL = 64;
  // Only the columns in view and a block either side are drawn.
  const BLOCK = 32;

  const formatNumber = (n) => window.PrimzeilenNumbers.format(n);

  const { text: words } = window.PrimzeilenLanguage;
  const describe = (number, prime) => words(prime ? 'prime' : 'notPrime', formatNumber(number));

  class Grid {
    constructor(box, rowPages, readout) {
      this.box = box;
      this.rowsNode = box.querySelector('.raster-zeilen');
      this.scroll = new window.PrimzeilenLineScroll(box, box.querySelector('.raster-platz'), ROW);
      this.rowPages = rowPages;
      this.readout = readout;
      this.rows = 0;
      this.length = 0;
      this.cell = MIN_CELL;
      this.active = null;  // {row, column} of the active cell
      this.drawn = new Map();
      this.box.addEventListener('scroll', () => this.render());
      this.box.addEventListener('keydown', (event) => this.onKey(event));
      // Focus goes to the chosen cell, or to the first row in view when that cell was scrolled away;
      // focus by a press on the grid waits for the click to choose, without scrolling under it.
      this.pressed = false;
      this.box.addEventListener('pointerdown', () => { this.pressed = true; });
      document.addEventListener('pointerup', () => { setTimeout(() => { this.pressed = false; }); });
      this.box.addEventListener('focus', () => {
        const pressed = this.pressed;
        this.pressed = false;
        if (!this.rows || pressed) return;
        // The cells as the grid stands now, even where its scroll event is still to come.
        this.render();
        if (this.active && this.cellNode(this.active.row, this.active.column)) this.announce();
        else this.activate(Math.ceil(this.scroll.position()), this.active ? this.active.column : 0);
      });
      // Scrolling moves the cells under a resting pointer; only a pointer that moves names its cell.
      this.pointer = '';
      this.box.addEventListener('pointermove', (event) => {
        const at = `${event.clientX},${event.clientY}`;
        if (at !== this.pointer) { this.pointer = at; this.onPoint(event, false); }
      });
      this.box.addEventListener('click', (event) => this.onPoint(event, true));
      rowPages.onArrival(() => this.render());
      new ResizeObserver(() => this.fit()).observe(this.box);
    }

    // `widest` is the number of the scan that takes the most characters to write.
    show(rows, length, widest) {
      this.rows = rows;
      this.length = length;
      this.widest = String(widest).length;
      this.active = null;
      this.drawn = new Map();
      this.box.removeAttribute('aria-activedescendant');
      this.headWidth = 0;
      this.box.style.setProperty('--kopf-breite', `calc(${formatNumber(Number(widest)).length}ch + 0.9rem)`);
      this.box.setAttribute('aria-rowcount', String(rows));
      this.box.setAttribute('aria-colcount', String(length + 2));
      this.readout.textContent = '';
      this.scroll.setCount(rows);
      this.box.scrollTop = 0;
      this.box.scrollLeft = 0;
      this.fit();
    }

    clear() { this.box.hidden = false; this.rows = 0; this.active = null; this.drawn = new Map(); this.rowsNode.replaceChildren(); }

    refresh() { this.drawn = new Map(); this.render(); }

    // Cells fill the width where it allows, never below a touch target; wider rows scroll sideways.
    fit() {
      if (!this.rows || !this.scroll.shown()) return;
      const free = this.box.clientWidth - (this.headWidth || 120) - (this.countWidth || 48) - 2;
      const cell = Math.max(MIN_CELL, Math.min(MAX_CELL, Math.floor(free / this.length)));
      // Numbers are written into the cells where they fit at a readable size, in every row alike.
      const font = Math.min(12, Math.floor((cell - 6) / (this.widest * 0.62)));
      const numbers = font >= 9;
      if (cell !== this.cell || numbers !== this.numbers) { this.cell = cell; this.numbers = numbers; this.drawn = new Map(); }
      this.box.style.setProperty('--zelle', cell + 'px');
      this.box.style.setProperty('--zelle-schrift', font + 'px');
      this.render();
    }

    topRow() { return this.scroll.position(); }
    scrollToRow(row) { this.scroll.scrollToLine(row); this.render(); }

    // The columns to draw: those in view, widened to whole blocks so that small scrolls reuse the rows.
    columnWindow() {
      const head = this.headWidth || 120;
      const start = Math.floor(Math.max(0, this.box.scrollLeft - head) / this.cell);
      const end = start + Math.ceil(this.box.clientWidth / this.cell);
      return [Math.max(0, (Math.floor(start / BLOCK) - 1) * BLOCK), Math.min(this.length - 1, (Math.floor(end / BLOCK) + 2) * BLOCK - 1)];
    }

    // The room of columns not drawn.
    spacer(columns) {
      const node = document.createElement('span');
      node.className = 'raster-luecke';
      node.style.width = columns * this.cell + 'px';
      return node;
    }

    rowNode(row, text, from, to) {
      const node = document.createElement('div');
      node.className = 'raster-zeile';
      node.setAttribute('role', 'row');
      node.setAttribute('aria-rowindex', String(row + 1));
      const parts = text === undefined ? null : window.PrimzeilenRowLine.exec(text);
      if (!parts) { node.classList.add('laedt'); return node; }
      const first = Number(parts[1].trim()), marks = parts[2];
      const head = Object.assign(document.createElement('span'), { className: 'raster-kopf', textContent: formatNumber(first) });
      head.setAttribute('role', 'rowheader');
      node.append(head);
      node.append(this.spacer(from));
      for (let column = from; column <= Math.min(to, marks.length - 1); column++) {
        const prime = marks[column] === 'O';
        const cell = document.createElement('span');
        cell.className = prime ? 'zelle prim' : 'zelle';
        cell.id = `zelle-${row}-${column}`;
        cell.setAttribute('role', 'gridcell');
        cell.dataset.zahl = String(first + column);
        cell.dataset.spalte = String(column);
        cell.setAttribute('aria-label', describe(first + column, prime));
        if (this.numbers) cell.textContent = String(first + column);
        node.append(cell);
      }
      node.append(this.spacer(Math.max(0, marks.length - 1 - to)));
      const count = Object.assign(document.createElement('span'), { className: 'raster-anzahl', textContent: parts[3].trim() });
      count.setAttribute('role', 'gridcell');
      count.setAttribute('aria-label', words('primesInRow', parts[3].trim()));
      node.append(count);
      return node;
    }

    render() {
      if (!this.rows || !this.scroll.shown()) return;
      const { first, last, offset } = this.scroll.range();
      const [from, to] = this.columnWindow(), columns = `${from}-${to}`;
      this.rowsNode.style.transform = `translateY(${offset}px)`;
      const nodes = [], drawn = new Map();
      for (let row = first; row <= last; row++) {
        const text = this.rowPages.line(row);
        const before = this.drawn.get(row);
        const node = before && before[0] === text && before[1] === columns ? before[2] : this.rowNode(row, text, from, to);
        drawn.set(row, [text, columns, node]);
        nodes.push(node);
      }
      this.drawn = drawn;
      this.rowsNode.replaceChildren(...nodes);
      const head = this.rowsNode.querySelector('.raster-kopf'), count = this.rowsNode.querySelector('.raster-anzahl');
      if (head) {
        const measured = this.headWidth;
        this.headWidth = head.offsetWidth;
        this.countWidth = count.offsetWidth;
        // The cells were sized before the first number's column could be measured.
        if (!measured) { this.fit(); return; }
      }
      this.markActive();
      if (this.pendingAnnounce && this.active && this.cellNode(this.active.row, this.active.column)) {
        this.pendingAnnounce = false;
        this.announce();
      }
    }

    cellNode(row, column) { return document.getElementById(`zelle-${row}-${column}`); }

    markActive() {
      for (const old of this.rowsNode.querySelectorAll('.zelle.aktiv')) old.classList.remove('aktiv');
      const node = this.active && this.cellNode(this.active.row, this.active.column);
      if (node) {
        node.classList.add('aktiv');
        this.box.setAttribute('aria-activedescendant', node.id);
      } else {
        this.box.removeAttribute('aria-activedescendant');
      }
    }

    announce() {
      const node = this.active && this.cellNode(this.active.row, this.active.column);
      if (node) this.readout.textContent = node.getAttribute('aria-label');
    }

    activate(row, column) {
      row = Math.max(0, Math.min(this.rows - 1, row));
      column = Math.max(0, Math.min(this.length - 1, column));
      this.active = { row, column };
      const top = this.scroll.position(), visible = this.scroll.visibleCount();
      if (row < Math.ceil(top)) this.scroll.scrollToLine(row);
      else if (row > Math.floor(top) + visible - 1) this.scroll.scrollToLine(row - visible + 1);
      this.revealColumn(column);
      this.render();
      // A row whose line is still on its way is announced once it is drawn.
      this.pendingAnnounce = !this.cellNode(row, column);
      if (this.pendingAnnounce) this.readout.textContent = ''; else this.announce();
    }

    // Scrolls sideways so that the active cell is not hidden under the first number or the count.
    revealColumn(column) {
      const coveredLeft = this.headWidth || 120, coveredRight = this.countWidth || 48;
      const left = coveredLeft + column * this.cell;
      if (left - coveredLeft < this.box.scrollLeft) this.box.scrollLeft = left - coveredLeft;
      else if (left + this.cell > this.box.scrollLeft + this.box.clientWidth - coveredRight) {
        this.box.scrollLeft = left + this.cell - this.box.clientWidth + coveredRight;
      }
    }

    onKey(event) {
      if (event.altKey || event.metaKey || !this.rows) return;
      const { row, column } = this.active || { row: Math.ceil(this.scroll.position()), column: 0 };
      const page = this.scroll.visibleCount();
      const moves = {
        ArrowRight: [row, column + 1], ArrowLeft: [row, column - 1], ArrowDown: [row + 1, column], ArrowUp: [row - 1, column],
        PageDown: [row + page, column], PageUp: [row - page, column],
        Home: event.ctrlKey ? [0, 0] : [row, 0], End: event.ctrlKey ? [this.rows - 1, this.length - 1] : [row, this.length - 1],
      };
      if (!(event.key in moves)) return;
      event.preventDefault();
      this.activate(...moves[event.key]);
    }

    onPoint(event, choose) {
      const cell = event.target.closest && event.target.closest('.zelle');
      if (!cell || !this.box.contains(cell)) return;
      const text = cell.getAttribute('aria-label');
      if (!cell.title) cell.title = text;
      if (choose) {
        const row = Number(cell.closest('.raster-zeile').getAttribute('aria-rowindex')) - 1;
        this.active = { row, column: Number(cell.dataset.spalte) };
        this.markActive();
      }
      this.readout.textContent = text;
    }
  }

  window.PrimzeilenGrid = Grid;
  window.PrimzeilenGrid.formatNumber = formatNumber;
})();
