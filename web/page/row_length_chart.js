'use strict';
// The row lengths compared as SVG: the fitted n over the row length L beside n* = L/(ln L + 1,415)
// and n = L, drawn in CSS pixels at the width it is given.
(function () {
  const { FONT, COLORS, esc, r1, formatInteger, valueAxis, countTicks, textWidth, text, headingText } = window.PrimzeilenChartCommon;
  const { text: words } = window.PrimzeilenLanguage;
  // A cell of the engine's table as a number: in German "1.234,5", in English "1,234.5".
  const english = window.PrimzeilenNumbers.language === 'en';
  const number = (t) => parseFloat(english ? String(t).replace(/[\s,]/g, '') : String(t).replace(/\s/g, '').replace(/\./g, '').replace(',', '.'));

  function rowLengthSvg(rows, options = {}) {
    const width = Math.max(240, Math.floor(options.width || 800));
    const points = rows.map((r) => ({ L: number(r.length), n: number(r.n), nStar: number(r.nStar) }))
      .filter((q) => Number.isFinite(q.L));
    const lengths = points.map((q) => q.L);
    const firstL = Math.min(...lengths), lastL = Math.max(...lengths);
    const largest = Math.max(...points.filter((q) => Number.isFinite(q.n)).map((q) => q.n), ...points.filter((q) => Number.isFinite(q.nStar)).map((q) => q.nStar), 1);
    const headingHeight = options.heading ? 28 : 0;
    const plotHeight = Math.round(Math.min(320, Math.max(180, width * 0.4)));
    const y = valueAxis(largest, plotHeight);
    const left = Math.ceil(Math.max(...y.ticks.map((t) => textWidth(t.text))) + 16), right = width - 14;
    const top = headingHeight + 30, bottom = top + plotHeight;
    const pad = 8;
    const sx = (L) => left + pad + (lastL > firstL ? (L - firstL) / (lastL - firstL) : 0.5) * (right - left - 2 * pad);
    const sy = (n) => bottom - (n / y.max) * plotHeight;
    const legend = [['n', words('fittedN')], ['stern', words('predictedN')], ['gerade', 'n = L']];
    const height = bottom + 50 + legend.length * 20 + 8;
    const p = [`<svg xmlns="http://www.w3.org/2000/svg" class="diagramm" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}" font-family="Arial, 'Liberation Sans', sans-serif" font-size="${FONT}">`,
      `<title>${esc(options.heading || words('fittedOverLength'))}</title>`,
      `<rect class="d-grund" x="0" y="0" width="${width}" height="${height}" fill="${COLORS.grund}"/>`];
    if (options.heading) p.push(headingText(options.heading));
    p.push(`<rect class="flaeche" x="${left}" y="${top}" width="${right - left}" height="${plotHeight}" fill="none"/>`);
    const clip = `vergleich-flaeche-${options.heading ? 'datei' : 'seite'}`;
    p.push(`<defs><clipPath id="${clip}"><rect x="${left}" y="${top}" width="${right - left}" height="${plotHeight}"/></clipPath></defs>`);
    for (const tick of y.ticks) {
      const ty = r1(sy(tick.value));
      if (tick.value > 0) p.push(`<line class="d-gitter" x1="${left}" y1="${ty}" x2="${right}" y2="${ty}" stroke="${COLORS.gitter}"/>`);
      p.push(`<line class="d-achse" x1="${left - 4}" y1="${ty}" x2="${left}" y2="${ty}" stroke="${COLORS.achse}"/>`, text(left - 7, ty + 4.5, tick.text, ' text-anchor="end"'));
    }
    const perLength = (right - left - 2 * pad) / Math.max(1, lastL - firstL);
    for (const L of countTicks(firstL, lastL, perLength, 3)) {
      const x = r1(sx(L));
      p.push(`<line class="d-achse" x1="${x}" y1="${bottom}" x2="${x}" y2="${bottom + 4}" stroke="${COLORS.achse}"/>`, text(x, bottom + 21, formatInteger(L), ' text-anchor="middle"'));
    }
    p.push(text(right, bottom + 42, words('lengthAxis'), ' text-anchor="end"'), text(left, top - 10, 'n'));
    // The line n = L runs far above the fitted n; it is cut at the plot's edge.
    p.push(`<line class="gerade d-gerade" clip-path="url(#${clip})" x1="${r1(sx(firstL))}" y1="${r1(sy(firstL))}" x2="${r1(sx(lastL))}" y2="${r1(sy(lastL))}" stroke="${COLORS.gerade}" stroke-width="1.5" stroke-dasharray="5 4"/>`);
    const star = points.filter((q) => Number.isFinite(q.nStar));
    p.push(`<polyline class="linie d-montgomery" fill="none" stroke="${COLORS.montgomery}" stroke-width="2" points="${star.map((q) => `${r1(sx(q.L))},${r1(sy(q.nStar))}`).join(' ')}"/>`);
    for (const q of points) if (Number.isFinite(q.n)) p.push(`<circle class="marke d-h" cx="${r1(sx(q.L))}" cy="${r1(sy(q.n))}" r="2.6" fill="${COLORS.h}"/>`);
    p.push(`<line class="d-achse" x1="${left}" y1="${bottom}" x2="${right}" y2="${bottom}" stroke="${COLORS.achse}"/>`,
      `<line class="d-achse" x1="${left}" y1="${top}" x2="${left}" y2="${bottom}" stroke="${COLORS.achse}"/>`);
    legend.forEach(([name, label], i) => {
      const ly = bottom + 58 + i * 20;
      if (name === 'n') p.push(`<circle class="d-h" cx="${left + 11}" cy="${ly + 9}" r="3" fill="${COLORS.h}"/>`);
      if (name === 'stern') p.push(`<line class="linie d-montgomery" x1="${left}" y1="${ly + 9}" x2="${left + 22}" y2="${ly + 9}" stroke="${COLORS.montgomery}" stroke-width="2"/>`);
      if (name === 'gerade') p.push(`<line class="d-gerade" x1="${left}" y1="${ly + 9}" x2="${left + 22}" y2="${ly + 9}" stroke="${COLORS.gerade}" stroke-width="1.5" stroke-dasharray="5 4"/>`);
      p.push(text(left + 30, ly + 14, label));
    });
    p.push('</svg>');
    return p.join('');
  }

  // The row lengths on the page, drawn again whenever their box changes its width.
  class RowLengthChart {
    constructor(box) {
      this.box = box;
      this.rows = null;
      this.width = 0;
      new ResizeObserver(() => this.resize()).observe(box);
    }
    show(rows) { this.rows = rows; this.width = 0; this.resize(); }
    resize() {
      if (!this.rows) return;
      const width = Math.floor(this.box.clientWidth);
      if (width <= 0 || width === this.width) return;
      this.width = width;
      this.box.innerHTML = rowLengthSvg(this.rows, { width });
      const svg = this.box.querySelector('svg');
      svg.setAttribute('role', 'img');
      svg.setAttribute('aria-label', words('fittedOverLength'));
    }
  }

  window.PrimzeilenRowLengthChart = { rowLengthSvg, RowLengthChart };
})();
