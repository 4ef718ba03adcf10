'use strict';
// The distribution of the rows as SVG drawn in CSS pixels at the width it is given: h(x) as filled
// bars, B(n;p;x) as open bars, the models as lines with points, with its axes fitted to what it
// shows; on the page with a legend of switches and the exact values of one x at a time.
(function () {
  const { FONT, COLORS, esc, r1, formatInteger, formatFixed, valueAxis, countTicks, textWidth, text, headingText, headingOf, withHeading } = window.PrimzeilenChartCommon;
  const { text: words } = window.PrimzeilenLanguage;
  const MODELS = ['cramer', 'poisson', 'montgomery'];
  const MODEL_NAMES = { cramer: 'Cramér', poisson: 'Poisson', montgomery: 'M–S' };
  // A point's shape besides its colour, centred on 0,0.
  const SHAPES = {
    cramer: 'M-3.5 -3.5H3.5V3.5H-3.5Z',
    poisson: 'M0 -4.5L4.5 0L0 4.5L-4.5 0Z',
    montgomery: 'M0 -4.5L4.5 3.5H-4.5Z',
  };

  // ---- The binomial distribution, stable for any n: logarithms of the gamma function. ----
  const LANCZOS = [0.99999999999980993, 676.5203681218851, -1259.1392167224028, 771.32342877765313,
    -176.61503916999185, 12.507343278686905, -0.13857109526572012, 9.9843695780195716e-6, 1.5056327351493116e-7];
  function logGamma(x) {
    if (x < 0.5) return Math.log(Math.PI / Math.abs(Math.sin(Math.PI * x))) - logGamma(1 - x);
    x -= 1;
    let a = LANCZOS[0];
    const t = x + 7.5;
    for (let i = 1; i < 9; i++) a += LANCZOS[i] / (x + i);
    return 0.5 * Math.log(2 * Math.PI) + (x + 0.5) * Math.log(t) - t + Math.log(a);
  }
  function binomial(n, p, k) {
    if (!(k >= 0 && k <= n)) return 0;
    if (p <= 0) return k === 0 ? 1 : 0;
    if (p >= 1) return k === n ? 1 : 0;
    return Math.exp(logGamma(n + 1) - logGamma(k + 1) - logGamma(n - k + 1) + k * Math.log(p) + (n - k) * Math.log1p(-p));
  }
  // The counts k where B(n;p;k) is large enough to be seen, outward from the mode.
  const VISIBLE = 5e-4;
  function binomialSpan(n, p) {
    const mode = Math.min(n, Math.max(0, Math.floor((n + 1) * p)));
    let lo = mode, hi = mode;
    while (lo > 0 && binomial(n, p, lo - 1) >= VISIBLE) lo--;
    while (hi < n && binomial(n, p, hi + 1) >= VISIBLE) hi++;
    return [lo, hi];
  }

  // A4 portrait less the worksheet's margins of 14 mm: 182 mm in CSS pixels.
  const PRINT_WIDTH = Math.floor(182 / 25.4 * 96);
  // A flatter plot on paper leaves the sheet room for the table and the fit.
  const PRINT_PLOT_HEIGHT = 220;

  // ---- The distribution: what can be drawn, before any pixel. ----
  // data: the scan's {distribution, shares, fit, table}, models (the engine's, or null) and
  // showModels.
  function distributionSeries(data) {
    const entries = data.distribution || [];
    const total = entries.reduce((sum, e) => sum + e.rows, 0);
    const h = total > 0 ? entries.map((e) => ({ k: e.k, value: e.rows / total, rows: e.rows })) : [];
    const fit = data.fit && data.fit.ok && Number.isFinite(data.fit.n) && Number.isFinite(data.fit.p) ? data.fit : null;
    let lo = h.length ? h[0].k : 0, hi = h.length ? h[h.length - 1].k : 0;
    let bSpan = null;
    if (fit) {
      bSpan = binomialSpan(fit.n, fit.p);
      if (!h.length) [lo, hi] = bSpan;
      lo = Math.min(lo, bSpan[0]);
      hi = Math.max(hi, bSpan[1]);
    }
    const whole = data.showModels && data.models && data.models.whole ? data.models.whole : null;
    if (whole) {
      const length = Math.max(...MODELS.map((name) => (whole[name] || []).length));
      if (length > 0) { lo = Math.min(lo, whole.first); hi = Math.max(hi, whole.first + length - 1); }
    }
    // From 0 where 0 lies within one width of the counts that occur.
    const first = lo <= hi - lo ? 0 : lo, last = Math.max(hi, first);
    const series = { h: h.filter((e) => e.k >= first && e.k <= last), b: [], first, last, total, fit, whole };
    if (fit) for (let k = Math.max(first, bSpan[0]); k <= Math.min(last, bSpan[1]); k++) series.b.push({ k, value: binomial(fit.n, fit.p, k) });
    // The models over every count that occurs, and below it down to 0 from their 0..20 shares.
    for (const name of MODELS) {
      series[name] = [];
      if (!whole || !whole[name]) continue;
      const low = (data.models[name] || []).slice(0, whole.first).map((value, k) => ({ k, value }));
      const high = whole[name].map((value, i) => ({ k: whole.first + i, value }));
      series[name] = [...low, ...high].filter((e) => Number.isFinite(e.value) && e.k >= first && e.k <= last);
    }
    return series;
  }

  // The names of the series a chart can show, in the legend's order.
  function seriesNames(series) {
    return ['h', 'b', ...MODELS].filter((name) => series[name].length > 0);
  }

  function legendTexts(data) {
    const legend = (data.showModels && data.models && data.models.legend) || [];
    const fields = data.fit && data.fit.ok && data.fit.fields;
    return {
      h: legend[0] || words('observed'),
      b: legend[1] || (fields ? words('fitted', fields.n, fields.p) : 'B(n;p)'),
      cramer: legend[2] || words('cramerModel'), poisson: legend[3] || 'Poisson (Gallagher)', montgomery: legend[4] || 'Montgomery–Soundararajan',
      note: legend[5] || '',
      // Why the models asked for are not drawn, in the engine's words.
      failure: data.showModels && data.models && data.models.ok === false
        ? words('noModels', data.models.message || words('modelsFailed')) : '',
    };
  }

  // Where everything lies at a width; hidden: the names of the series switched off.
  function distributionLayout(series, width, hidden, extraTop = 0, plotHeight = null) {
    const shown = seriesNames(series).filter((name) => !hidden.has(name));
    let largest = 0;
    for (const name of shown) for (const e of series[name]) largest = Math.max(largest, e.value);
    plotHeight = plotHeight || Math.round(Math.min(340, Math.max(220, width * 0.42)));
    const y = valueAxis(largest, plotHeight, 0.01);
    const widestY = Math.max(...y.ticks.map((t) => textWidth(t.text)));
    const left = Math.ceil(widestY + 16), right = width - 14;
    const top = extraTop + 30, bottom = top + plotHeight;
    const count = series.last - series.first + 1;
    const slot = (right - left) / count;
    const at = (k) => left + (k - series.first + 0.5) * slot;
    const yAt = (value) => bottom - (value / y.max) * plotHeight;
    const xTicks = countTicks(series.first, series.last, slot, Math.max(textWidth(formatInteger(series.last)), textWidth(formatInteger(series.first))) / (FONT * 0.62));
    return { shown, left, right, top, bottom, slot, at, yAt, y, xTicks, height: bottom + 50 };
  }


  // A model's line through its points; with hundreds of counts per pixel only the highest point
  // of each pixel column is kept, so the markup stays small and the curve's peaks stay.
  function modelMarkup(name, points, layout) {
    const columns = new Map();
    for (const e of points) {
      const x = Math.round(layout.at(e.k)), y = layout.yAt(e.value);
      const old = columns.get(x);
      if (!old || y < old[1]) columns.set(x, [layout.at(e.k), y]);
    }
    const vertices = [...columns.values()];
    const parts = [`<g class="reihe" data-reihe="${name}">`,
      `<polyline class="linie d-${name}" fill="none" stroke="${COLORS[name]}" stroke-width="2" stroke-linejoin="round" points="${vertices.map(([x, y]) => `${r1(x)},${r1(y)}`).join(' ')}"/>`];
    if (layout.slot >= 9) {
      for (const [x, y] of vertices) parts.push(`<path class="punkt d-${name}" transform="translate(${r1(x)} ${r1(y)})" d="${SHAPES[name]}" fill="${COLORS[name]}"/>`);
    }
    parts.push('</g>');
    return parts.join('');
  }

  // The distribution chart as SVG markup. options: width, hidden (a Set of series names),
  // heading (a title line on top, for saved pictures), legend (draw the legend into the picture).
  function distributionSvg(data, options = {}) {
    const width = Math.max(240, Math.floor(options.width || 800));
    const hidden = options.hidden || new Set();
    const series = distributionSeries(data);
    const headingHeight = options.heading ? 28 : 0;
    const layout = distributionLayout(series, width, hidden, headingHeight, options.plotHeight);
    const texts = legendTexts(data);
    const legendLines = !options.legend ? [] : [...layout.shown, ...(texts.note && layout.shown.some((n) => MODELS.includes(n)) ? ['note'] : []),
      ...(texts.failure ? ['failure'] : [])];
    const height = layout.height + (legendLines.length ? legendLines.length * 20 + 8 : 0);
    const { left, right, top, bottom } = layout;
    const p = [`<svg xmlns="http://www.w3.org/2000/svg" class="diagramm" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}" font-family="Arial, 'Liberation Sans', sans-serif" font-size="${FONT}">`,
      `<title>${esc(options.heading || words('chartLabel'))}</title>`,
      `<rect class="d-grund" x="0" y="0" width="${width}" height="${height}" fill="${COLORS.grund}"/>`];
    if (options.heading) p.push(headingText(options.heading));
    p.push(`<rect class="flaeche" x="${left}" y="${top}" width="${r1(right - left)}" height="${r1(bottom - top)}" fill="none"/>`);
    p.push(`<rect class="auswahl d-auswahl" x="0" y="${top}" width="0" height="${r1(bottom - top)}" fill="${COLORS.auswahl}" visibility="hidden"/>`);
    for (const tick of layout.y.ticks) {
      const y = r1(layout.yAt(tick.value));
      if (tick.value > 0) p.push(`<line class="d-gitter" x1="${left}" y1="${y}" x2="${r1(right)}" y2="${y}" stroke="${COLORS.gitter}"/>`);
      p.push(`<line class="d-achse" x1="${left - 4}" y1="${y}" x2="${left}" y2="${y}" stroke="${COLORS.achse}"/>`);
      p.push(text(left - 7, y + 4.5, tick.text, ' text-anchor="end"'));
    }
    p.push(text(left, top - 10, words('shareAxis')));
    for (const k of layout.xTicks) {
      const x = r1(layout.at(k));
      if (x - textWidth(formatInteger(k)) / 2 < 2 || x + textWidth(formatInteger(k)) / 2 > width - 2) continue;
      p.push(`<line class="d-achse" x1="${x}" y1="${bottom}" x2="${x}" y2="${bottom + 4}" stroke="${COLORS.achse}"/>`);
      p.push(text(x, bottom + 21, formatInteger(k), ' text-anchor="middle"'));
    }
    p.push(text(right, bottom + 42, words('countAxis'), ' text-anchor="end"'));
    const slot = layout.slot;
    if (layout.shown.includes('h')) {
      // At least 2 px wide, so a count among thousands still shows; kept inside the plot.
      const w = Math.max(slot * 0.56, 2);
      p.push('<g class="reihe" data-reihe="h">');
      for (const e of series.h) {
        const y = layout.yAt(e.value);
        const x0 = Math.min(Math.max(left, layout.at(e.k) - w / 2), right - w);
        p.push(`<rect class="marke d-h" data-k="${e.k}" x="${r1(x0)}" y="${r1(y)}" width="${r1(w)}" height="${r1(bottom - y)}" fill="${COLORS.h}"/>`);
      }
      p.push('</g>');
    }
    if (layout.shown.includes('b')) {
      const w = slot * 0.84, stroke = slot >= 8 ? 2 : 1;
      p.push(`<g class="reihe" data-reihe="b" fill="none" stroke="${COLORS.b}" stroke-width="${stroke}">`);
      for (const e of series.b) {
        const x = layout.at(e.k), y = r1(layout.yAt(e.value));
        p.push(`<path class="marke d-b" d="M${r1(x - w / 2)} ${bottom}V${y}H${r1(x + w / 2)}V${bottom}"/>`);
      }
      p.push('</g>');
    }
    for (const name of MODELS) if (layout.shown.includes(name)) p.push(modelMarkup(name, series[name], layout));
    p.push(`<line class="d-achse" x1="${left}" y1="${bottom}" x2="${r1(right)}" y2="${bottom}" stroke="${COLORS.achse}"/>`);
    p.push(`<line class="d-achse" x1="${left}" y1="${top}" x2="${left}" y2="${bottom}" stroke="${COLORS.achse}"/>`);
    legendLines.forEach((name, i) => {
      const y = layout.height + 8 + i * 20;
      const plain = name === 'note' || name === 'failure';
      if (!plain) p.push(swatchSvg(name, 14, y + 1));
      p.push(text(plain ? 14 : 40, y + 14, texts[name]));
    });
    p.push('</svg>');
    return { markup: p.join(''), series, layout, texts };
  }

  // A legend's sample of a series in a 22 × 16 box.
  function swatchSvg(name, x, y) {
    if (name === 'h') return `<rect class="d-h" x="${x + 6}" y="${y + 2}" width="10" height="14" fill="${COLORS.h}"/>`;
    if (name === 'b') return `<path class="d-b" d="M${x + 2} ${y + 16}V${y + 3}H${x + 20}V${y + 16}" fill="none" stroke="${COLORS.b}" stroke-width="2"/>`;
    return `<line class="linie d-${name}" x1="${x}" y1="${y + 9}" x2="${x + 22}" y2="${y + 9}" stroke="${COLORS[name]}" stroke-width="2"/>` +
      `<path class="punkt d-${name}" transform="translate(${x + 11} ${y + 9})" d="${SHAPES[name]}" fill="${COLORS[name]}"/>`;
  }

  // ---- The distribution on the page: drawn at its box's width, a legend of switches, and the
  // exact values of one x at a time on hover, tap and arrow keys. ----
  class DistributionChart {
    constructor(box) {
      this.box = box;
      this.data = null;
      this.hidden = new Set();
      this.selected = null;
      this.width = 0;
      box.replaceChildren();
      this.area = Object.assign(document.createElement('div'), { className: 'diagramm-flaeche', tabIndex: 0 });
      this.area.setAttribute('role', 'group');
      this.area.setAttribute('aria-label', words('chartArea'));
      this.area.setAttribute('aria-describedby', 'bild-wert');
      this.readout = Object.assign(document.createElement('p'), { className: 'diagramm-wert', id: 'bild-wert' });
      this.readout.setAttribute('aria-live', 'polite');
      this.legend = Object.assign(document.createElement('div'), { className: 'diagramm-legende' });
      this.legend.setAttribute('role', 'group');
      this.legend.setAttribute('aria-label', words('legend'));
      box.append(this.area, this.readout, this.legend);
      this.area.addEventListener('keydown', (event) => this.key(event));
      this.area.addEventListener('focus', () => { if (this.selected === null) this.select(this.defaultCount()); });
      this.area.addEventListener('pointermove', (event) => this.point(event));
      this.area.addEventListener('pointerdown', (event) => this.point(event));
      this.observer = new ResizeObserver(() => this.resize());
      this.observer.observe(box);
      // On paper the chart is as wide as an A4 sheet within its margins, its text as large as on
      // screen; afterwards it is drawn at its box's width again.
      this.beforePrint = () => { if (this.data) { this.width = PRINT_WIDTH; this.draw(PRINT_PLOT_HEIGHT); } };
      this.afterPrint = () => { this.width = 0; this.resize(); };
      window.addEventListener('beforeprint', this.beforePrint);
      window.addEventListener('afterprint', this.afterPrint);
    }

    // Stops following the box's width and the printing, for a chart the page no longer shows.
    dispose() {
      this.observer.disconnect();
      window.removeEventListener('beforeprint', this.beforePrint);
      window.removeEventListener('afterprint', this.afterPrint);
    }

    // switchedOff: the series to start without, for new data.
    show(data, switchedOff = []) {
      const fresh = !this.data || this.data.key !== data.key;
      this.data = data;
      if (fresh) { this.selected = null; this.hidden = new Set(switchedOff); }
      this.width = 0;
      this.legendFor = null;
      this.resize();
    }

    resize() {
      if (!this.data || !this.box.isConnected) return;
      const width = Math.floor(this.box.clientWidth);
      if (width <= 0 || width === this.width) return;
      this.width = width;
      this.draw();
    }

    draw(plotHeight = null) {
      const drawn = distributionSvg(this.data, { width: this.width, hidden: this.hidden, plotHeight });
      this.drawn = drawn;
      this.area.innerHTML = drawn.markup;
      const svg = this.area.querySelector('svg');
      svg.setAttribute('role', 'img');
      svg.setAttribute('aria-label', words('chartLabel'));
      svg.setAttribute('aria-describedby', 'bild-text');
      if (this.selected !== null && (this.selected < drawn.series.first || this.selected > drawn.series.last)) this.selected = null;
      this.mark();
      // The legend is built once per data, so a switch keeps its focus.
      if (this.legendFor !== this.data) { this.buildLegend(); this.legendFor = this.data; }
    }

    buildLegend() {
      const { series, texts } = this.drawn;
      const buttons = seriesNames(series).map((name) => {
        const button = Object.assign(document.createElement('button'), { type: 'button', className: 'legende-eintrag' });
        button.dataset.reihe = name;
        button.setAttribute('aria-pressed', String(!this.hidden.has(name)));
        button.innerHTML = `<svg class="diagramm muster" width="22" height="18" viewBox="0 0 22 18" aria-hidden="true">${swatchSvg(name, 0, 0)}</svg>`;
        button.append(texts[name]);
        button.addEventListener('click', () => this.toggle(name, button));
        return button;
      });
      const parts = [...buttons];
      if (texts.note && buttons.some((b) => MODELS.includes(b.dataset.reihe))) {
        parts.push(Object.assign(document.createElement('span'), { className: 'legende-hinweis', textContent: texts.note }));
      }
      if (texts.failure) parts.push(Object.assign(document.createElement('span'), { className: 'legende-hinweis modelle-fehlen', textContent: texts.failure }));
      this.legend.replaceChildren(...parts);
    }

    toggle(name, button) {
      if (this.hidden.has(name)) this.hidden.delete(name); else this.hidden.add(name);
      button.setAttribute('aria-pressed', String(!this.hidden.has(name)));
      this.draw();
    }

    // The x with the most rows, where the eye goes first.
    defaultCount() {
      const { h, first } = this.drawn.series;
      return h.length ? h.reduce((a, b) => (b.value > a.value ? b : a)).k : first;
    }

    key(event) {
      const { first, last } = this.drawn.series;
      const now = this.selected === null ? this.defaultCount() : this.selected;
      // Arrows go from count to count; Bild auf/ab jump a twentieth of the axis, at least 10.
      const jump = Math.max(10, Math.round((last - first) / 20));
      // Where counts lie closer than 3 px the arrows go from one that occurs to the next.
      const occurring = this.drawn.layout.slot < 3 ? this.drawn.series.h.map((e) => e.k) : null;
      const before = occurring ? (occurring.filter((k) => k < now).pop() ?? now) : now - 1;
      const after = occurring ? (occurring.find((k) => k > now) ?? now) : now + 1;
      const moves = { ArrowLeft: before, ArrowRight: after, ArrowDown: before, ArrowUp: after,
        Home: first, End: last, PageDown: now - jump, PageUp: now + jump };
      if (!(event.key in moves)) return;
      event.preventDefault();
      this.select(Math.min(last, Math.max(first, moves[event.key])));
    }

    point(event) {
      const svg = this.area.querySelector('svg');
      if (!svg) return;
      const { layout, series } = this.drawn;
      const x = event.clientX - svg.getBoundingClientRect().left;
      if (x < layout.left || x > layout.right) return;
      const k = series.first + Math.floor((x - layout.left) / layout.slot);
      this.select(Math.min(series.last, Math.max(series.first, k)));
    }

    select(k) {
      this.selected = k;
      this.mark();
    }

    mark() {
      const band = this.area.querySelector('.auswahl');
      if (!band) return;
      if (this.selected === null) {
        band.setAttribute('visibility', 'hidden');
        this.readout.textContent = words('readoutHint');
        return;
      }
      const { layout } = this.drawn;
      const w = Math.max(layout.slot, 2);
      band.setAttribute('x', r1(layout.at(this.selected) - w / 2));
      band.setAttribute('width', r1(w));
      band.setAttribute('visibility', 'visible');
      this.readout.replaceChildren(...valuesOf(this.data, this.drawn, this.selected));
    }
  }

  // The values at x = k, as the table writes them where it has them.
  function valuesOf(data, drawn, k) {
    const { series } = drawn;
    const table = data.fit && data.fit.ok && data.fit.table;
    // The table holds x = 0..18 in its columns 1..19.
    const tableColumn = table && k >= 0 && k + 1 < table[0].length ? k + 1 : -1;
    const parts = [];
    const add = (name, label, value) => {
      const span = Object.assign(document.createElement('span'), { className: 'wert' });
      span.dataset.reihe = name;
      span.append(label, Object.assign(document.createElement('b'), { textContent: value }));
      if (parts.length) parts.push('; ');
      parts.push(span);
      return span;
    };
    add('x', 'x = ', formatInteger(k));
    const h = series.h.find((e) => e.k === k);
    // The table's h(x) shares out the rows of at most 20 primes; the chart shares out all rows.
    const sameShares = data.scan && data.scan.over20 === 0;
    const hText = tableColumn > 0 && sameShares ? table[1][tableColumn] : formatFixed(h ? h.value : 0, 4);
    add('h', `h(${formatInteger(k)}) = `, hText).append(words('rowsOf', formatInteger(h ? h.rows : 0), formatInteger(series.total)));
    if (series.fit) add('b', `B(n;p;${formatInteger(k)}) = `, tableColumn > 0 ? table[2][tableColumn] : formatFixed(binomial(series.fit.n, series.fit.p, k), 4));
    for (const name of MODELS) {
      if (!series[name].length) continue;
      const e = series[name].find((point) => point.k === k);
      add(name, `${MODEL_NAMES[name]} `, formatFixed(e ? e.value : 0, 4));
    }
    return parts;
  }

  window.PrimzeilenChart = {
    distributionSvg: (data, options) => distributionSvg(data, options).markup,
    DistributionChart, headingOf, withHeading, binomial, formatFixed, COLORS,
  };
})();
