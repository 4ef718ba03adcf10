'use strict';
// The row listing, drawn a screenful at a time. Browsers limit how tall an element may be, so
// beyond a few million pixels the scroll bar stands for line indices rather than pixels.
(function () {
  const LINE = 17;
  const MAX_HEIGHT = 4000000;
  const PAGE = 256;

  class Listing {
    constructor(container, fetchRows) {
      this.box = container;
      this.spacer = container.querySelector('.liste-platz');
      this.lines = container.querySelector('.liste-zeilen');
      this.fetchRows = fetchRows;  // (first, count) => Promise of row lines
      this.rows = 0;
      this.summary = [];
      this.pages = new Map();
      this.generation = 0;
      this.box.addEventListener('scroll', () => this.render());
      this.box.addEventListener('keydown', (event) => this.onKey(event));
      new ResizeObserver(() => this.render()).observe(this.box);
    }

    get count() { return this.rows + this.summary.length; }

    show(rows, summary, firstRows, longest) {
      this.generation++;
      this.rows = rows;
      this.summary = summary;
      this.pages = new Map();
      if (firstRows && firstRows.length) this.pages.set(0, firstRows);
      this.spacer.style.height = Math.min(this.count * LINE, MAX_HEIGHT) + 'px';
      this.spacer.style.width = `calc(${longest}ch + 8px)`;
      this.box.scrollTop = 0;
      this.box.scrollLeft = 0;
      this.render();
    }

    clear() {
      this.generation++;
      this.rows = 0;
      this.summary = [];
      this.pages = new Map();
      this.lines.replaceChildren();
    }

    // Re-fetch what is on screen, for instance after the worker was restarted.
    refresh() { this.pages = new Map(); this.generation++; this.render(); }

    visibleCount() { return Math.max(1, Math.floor(this.box.clientHeight / LINE)); }

    // The line at the top of the view, as a fraction of lines.
    position() {
      const natural = this.count * LINE;
      if (natural <= MAX_HEIGHT) return this.box.scrollTop / LINE;
      const maxScroll = MAX_HEIGHT - this.box.clientHeight;
      const maxFirst = Math.max(0, this.count - this.visibleCount());
      return maxScroll > 0 ? this.box.scrollTop / maxScroll * maxFirst : 0;
    }

    scrollToLine(index) {
      const maxFirst = Math.max(0, this.count - this.visibleCount());
      index = Math.max(0, Math.min(maxFirst, index));
      const natural = this.count * LINE;
      if (natural <= MAX_HEIGHT) this.box.scrollTop = index * LINE;
      else this.box.scrollTop = maxFirst > 0 ? index / maxFirst * (MAX_HEIGHT - this.box.clientHeight) : 0;
      this.render();
    }

    onKey(event) {
      if (event.altKey || !this.count) return;
      const top = Math.round(this.position()), page = this.visibleCount();
      const moves = { ArrowDown: top + 1, ArrowUp: top - 1, PageDown: top + page, PageUp: top - page, Home: 0, End: this.count };
      if (!(event.key in moves)) return;
      event.preventDefault();
      this.scrollToLine(moves[event.key]);
    }

    lineAt(index) {
      if (index >= this.rows) return this.summary[index - this.rows];
      const page = this.pages.get(Math.floor(index / PAGE));
      return page ? page[index % PAGE] : undefined;
    }

    requestPage(pageIndex) {
      if (this.pages.has(pageIndex)) return;
      const generation = this.generation;
      this.pages.set(pageIndex, null);
      const first = pageIndex * PAGE;
      this.fetchRows(first, Math.min(PAGE, this.rows - first)).then((rows) => {
        if (generation !== this.generation) return;
        if (this.pages.size > 400) {
          for (const key of this.pages.keys()) { if (this.pages.size <= 200) break; if (key !== pageIndex) this.pages.delete(key); }
        }
        this.pages.set(pageIndex, rows);
        this.render();
      }, () => { if (generation === this.generation) this.pages.delete(pageIndex); });
    }

    render() {
      if (!this.count) return;
      const position = this.position();
      const first = Math.floor(position);
      const last = Math.min(this.count - 1, first + this.visibleCount() + 1);
      this.lines.style.transform = `translateY(${Math.round(this.box.scrollTop - (position - first) * LINE)}px)`;
      const nodes = [];
      for (let i = first; i <= last; i++) {
        let text = this.lineAt(i);
        const node = document.createElement('div');
        if (text === undefined || text === null) {
          this.requestPage(Math.floor(i / PAGE));
          node.className = 'laedt';
          text = '';
        }
        node.setAttribute('role', 'listitem');
        node.setAttribute('aria-posinset', String(i + 1));
        node.setAttribute('aria-setsize', String(this.count));
        node.dataset.zeile = String(i);
        node.textContent = text;
        nodes.push(node);
      }
      this.lines.replaceChildren(...nodes);
    }
  }

  window.PrimzeilenListing = Listing;
})();
