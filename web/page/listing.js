'use strict';
// The row listing, drawn a screenful at a time. Browsers limit how tall an element may be, so
// beyond a few million pixels the scroll bar stands for line indices rather than pixels.
(function () {
  const LINE = 17;
  const MAX_HEIGHT = 4000000;
  const PAGE = 256;
  // A row line: the first number right-justified, two spaces, the marks, two spaces, the count.
  const ROW_LINE = /^( *-?\d+  )([O+]*)(  \d+)$/;

  // The scan's row lines, fetched a page at a time and shared by every view of the rows.
  class RowPages {
    constructor(fetchRows) {
      this.fetchRows = fetchRows;  // (first, count) => Promise of row lines
      this.rows = 0;
      this.pages = new Map();
      this.generation = 0;
      this.listeners = [];
    }

    onArrival(listener) { this.listeners.push(listener); }

    reset(rows, firstRows) {
      this.generation++;
      this.rows = rows;
      this.pages = new Map();
      if (firstRows && firstRows.length) this.pages.set(0, firstRows);
    }

    // Re-fetch what is asked for next, for instance after the worker was restarted.
    refresh() { this.pages = new Map(); this.generation++; }

    // The line of a row, or undefined while its page is on its way.
    line(index) {
      const pageIndex = Math.floor(index / PAGE);
      const page = this.pages.get(pageIndex);
      if (page) return page[index % PAGE];
      if (page === undefined) this.request(pageIndex);
      return undefined;
    }

    request(pageIndex) {
      const generation = this.generation;
      this.pages.set(pageIndex, null);
      const first = pageIndex * PAGE;
      this.fetchRows(first, Math.min(PAGE, this.rows - first)).then((rows) => {
        if (generation !== this.generation) return;
        if (this.pages.size > 400) {
          for (const key of this.pages.keys()) { if (this.pages.size <= 200) break; if (key !== pageIndex) this.pages.delete(key); }
        }
        this.pages.set(pageIndex, rows);
        for (const listener of this.listeners) listener();
      }, () => { if (generation === this.generation) this.pages.delete(pageIndex); });
    }
  }

  // The vertical scroll of a box that shows `count` lines of `height` pixels, some of them at a time.
  class LineScroll {
    constructor(box, spacer, height) {
      this.box = box;
      this.spacer = spacer;
      this.height = height;
      this.count = 0;
    }

    setCount(count) {
      this.count = count;
      this.spacer.style.height = Math.min(count * this.height, MAX_HEIGHT) + 'px';
    }

    visibleCount() { return Math.max(1, Math.floor(this.box.clientHeight / this.height)); }

    // The line at the top of the view, as a fraction of lines.
    position() {
      const natural = this.count * this.height;
      if (natural <= MAX_HEIGHT) return this.box.scrollTop / this.height;
      const maxScroll = MAX_HEIGHT - this.box.clientHeight;
      const maxFirst = Math.max(0, this.count - this.visibleCount());
      return maxScroll > 0 ? this.box.scrollTop / maxScroll * maxFirst : 0;
    }

    scrollToLine(index) {
      const maxFirst = Math.max(0, this.count - this.visibleCount());
      index = Math.max(0, Math.min(maxFirst, index));
      const natural = this.count * this.height;
      if (natural <= MAX_HEIGHT) this.box.scrollTop = index * this.height;
      else this.box.scrollTop = maxFirst > 0 ? index / maxFirst * (MAX_HEIGHT - this.box.clientHeight) : 0;
    }

    // The lines to draw now, and where the first of them goes.
    range() {
      const position = this.position();
      const first = Math.floor(position);
      const last = Math.min(this.count - 1, first + this.visibleCount() + 1);
      return { first, last, offset: Math.round(this.box.scrollTop - (position - first) * this.height) };
    }

    // Whether the box is laid out at all (a hidden view draws nothing).
    shown() { return this.box.offsetParent !== null || this.box.getClientRects().length > 0; }
  }

  // A row line as spans: the first number and the count stay in view while the marks scroll
  // beneath them; the primes' marks stand out from the rest. The text is the line unchanged.
  function rowNode(text) {
    const node = document.createElement('div');
    const parts = ROW_LINE.exec(text);
    if (!parts) { node.textContent = text; return node; }
    const head = Object.assign(document.createElement('span'), { className: 'z-kopf', textContent: parts[1] });
    const marks = document.createElement('span');
    marks.className = 'z-marken';
    for (const run of parts[2].match(/O+|\++/g) || []) {
      if (run[0] === 'O') marks.append(Object.assign(document.createElement('span'), { className: 'p', textContent: run }));
      else marks.append(run);
    }
    const count = Object.assign(document.createElement('span'), { className: 'z-anzahl', textContent: parts[3] });
    node.className = 'z';
    node.append(head, marks, count);
    return node;
  }

  class Listing {
    constructor(container, rowPages) {
      this.box = container;
      this.lines = container.querySelector('.liste-zeilen');
      this.head = container.parentElement.querySelector('.kopf');
      this.scroll = new LineScroll(container, container.querySelector('.liste-platz'), LINE);
      this.rowPages = rowPages;
      this.rows = 0;
      this.summary = [];
      this.drawn = new Map();  // line index -> [text, node] of what is on screen
      this.box.addEventListener('scroll', () => this.render());
      this.box.addEventListener('keydown', (event) => this.onKey(event));
      rowPages.onArrival(() => this.render());
      new ResizeObserver(() => this.render()).observe(this.box);
    }

    get count() { return this.rows + this.summary.length; }

    show(rows, summary, longest) {
      this.rows = rows;
      this.summary = summary;
      this.drawn = new Map();
      this.scroll.setCount(this.count);
      this.scroll.spacer.style.width = `calc(${longest}ch + 8px)`;
      this.box.scrollTop = 0;
      this.box.scrollLeft = 0;
      this.render();
    }

    clear() {
      this.rows = 0;
      this.summary = [];
      this.drawn = new Map();
      this.lines.replaceChildren();
    }

    refresh() { this.drawn = new Map(); this.render(); }

    position() { return this.scroll.position(); }

    scrollToLine(index) { this.scroll.scrollToLine(index); this.render(); }

    onKey(event) {
      if (event.altKey || !this.count) return;
      const top = Math.round(this.position()), page = this.scroll.visibleCount();
      const moves = { ArrowDown: top + 1, ArrowUp: top - 1, PageDown: top + page, PageUp: top - page, Home: 0, End: this.count };
      if (!(event.key in moves)) return;
      event.preventDefault();
      this.scrollToLine(moves[event.key]);
    }

    lineAt(index) {
      return index >= this.rows ? this.summary[index - this.rows] : this.rowPages.line(index);
    }

    render() {
      if (!this.count || !this.scroll.shown()) return;
      const { first, last, offset } = this.scroll.range();
      this.lines.style.transform = `translateY(${offset}px)`;
      const nodes = [], drawn = new Map();
      for (let i = first; i <= last; i++) {
        const text = this.lineAt(i);
        const before = this.drawn.get(i);
        let node;
        if (before && before[0] === text) node = before[1];
        else if (text === undefined || text === null) node = Object.assign(document.createElement('div'), { className: 'laedt' });
        else node = rowNode(text);
        if (!before || before[1] !== node) {
          node.setAttribute('role', 'listitem');
          node.setAttribute('aria-posinset', String(i + 1));
          node.setAttribute('aria-setsize', String(this.count));
          node.dataset.zeile = String(i);
        }
        drawn.set(i, [text, node]);
        nodes.push(node);
      }
      this.drawn = drawn;
      this.lines.replaceChildren(...nodes);
      // The head's two names stand over the first number and over the counts as they are shown.
      const row = this.lines.querySelector('.z');
      if (this.head && row) {
        const natural = [...row.children].reduce((sum, part) => sum + part.offsetWidth, 0);
        this.head.style.width = Math.min(this.box.clientWidth, natural) + 'px';
      }
    }
  }

  window.PrimzeilenListing = Listing;
  window.PrimzeilenRowPages = RowPages;
  window.PrimzeilenLineScroll = LineScroll;
  window.PrimzeilenRowLine = ROW_LINE;
})();
