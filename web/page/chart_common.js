'use strict';
// What the page's charts share: their colours and text size, numbers in the page's format, the
// value axis and count ticks, text in SVG, and the title line of a saved picture. The colours
// written into the markup are the light ones, so a saved picture looks the same anywhere; on the
// page the stylesheet's custom properties override them (dark mode).
(function () {
  const FONT = 13;
  const { text: words } = window.PrimzeilenLanguage;
  const COLORS = {
    grund: '#ffffff', text: '#1a1a1a', achse: '#444444', gitter: '#e4e4e4', auswahl: '#fff1b8',
    h: '#4a6fa5', b: '#1a1a1a', cramer: '#009E73', poisson: '#D55E00', montgomery: '#0072B2', gerade: '#767676',
  };

  const esc = (text) => String(text).replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
  const r1 = (v) => Math.round(v * 10) / 10;

  // ---- Numbers in the page's format (numbers.js).
  const formatInteger = (value) => window.PrimzeilenNumbers.format(Math.round(value));
  const formatFixed = (value, decimals) => window.PrimzeilenNumbers.format(value, decimals);

  // ---- Axes. ----
  function niceStep(rough) {
    const power = 10 ** Math.floor(Math.log10(rough));
    for (const m of [1, 2, 2.5, 5]) if (m * power >= rough - 1e-12 * power) return { step: m * power, power, m };
    return { step: 10 * power, power: 10 * power, m: 1 };
  }
  function valueAxis(largest, length, minimum = 0) {
    const top = Math.max(largest, minimum) * 1.08 || 1;
    const count = Math.max(2, Math.floor(length / 46));
    const { step, power, m } = niceStep(top / count);
    const decimals = Math.max(0, -Math.round(Math.log10(power))) + (m === 2.5 ? 1 : 0);
    const max = Math.ceil(top / step - 1e-9) * step;
    const ticks = [];
    for (let i = 0; i * step <= max + step * 1e-9; i++) ticks.push({ value: i * step, text: formatFixed(i * step, decimals) });
    return { max, ticks };
  }
  // Integer ticks far enough apart for their labels.
  function countTicks(first, last, pixelsPerCount, widest) {
    const room = widest * FONT * 0.62 + 10;
    let step = 1;
    for (const candidate of [1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000, 2000, 2500, 5000, 10000, 20000, 50000, 1e5, 2e5, 5e5, 1e6, 2e6, 5e6, 1e7]) {
      step = candidate;
      if (candidate * pixelsPerCount >= room) break;
    }
    const ticks = [];
    for (let k = Math.ceil(first / step) * step; k <= last; k += step) ticks.push(k);
    return ticks;
  }

  const textWidth = (text, size = FONT) => String(text).length * size * 0.62;

  function text(x, y, content, extra = '') {
    return `<text class="d-text" x="${r1(x)}" y="${r1(y)}" fill="${COLORS.text}"${extra}>${esc(content)}</text>`;
  }
  const headingText = (content) => text(12, 20, content, ' font-size="15" font-weight="bold"');

  // The title line of a saved picture: the range and the row length.
  function headingOf(scan) {
    const n = (t) => (/^[+-]?\d+$/.test(String(t).trim()) ? formatInteger(Number(t)) : String(t));
    return words('heading', n(scan.von), n(scan.bis), n(scan.laenge));
  }

  // Another picture's markup below a title line, for saving.
  function withHeading(markup, heading) {
    const size = /<svg[^>]*\swidth="(\d+(?:\.\d+)?)"[^>]*\sheight="(\d+(?:\.\d+)?)"/.exec(markup);
    const width = size ? Number(size[1]) : 769, height = size ? Number(size[2]) : 377;
    const inner = markup.replace(/^<svg[^>]*>/, '').replace(/<\/svg>\s*$/, '');
    const head = /^<svg([^>]*)>/.exec(markup)[1].replace(/\s(width|height|viewBox|role|aria-[a-z]+)="[^"]*"/g, '');
    return `<svg${head} width="${width}" height="${height + 28}" viewBox="0 0 ${width} ${height + 28}">` +
      `<rect x="0" y="0" width="${width}" height="28" fill="${COLORS.grund}"/>` +
      headingText(heading) +
      `<g transform="translate(0 28)">${inner}</g></svg>`;
  }

  window.PrimzeilenChartCommon = Object.freeze({
    FONT, COLORS, esc, r1, formatInteger, formatFixed, valueAxis, countTicks, textWidth, text, headingText, headingOf, withHeading,
  });
})();
