'use strict';
// The graph window's picture as SVG, in its geometry and colours (769 × 377):
// sticks for h(x), open bars for B(n;p;x), and on request the three models with their legend.
(function () {
  const WIDTH = 769, HEIGHT = 377;
  const UNIT = 35;
  const CHART_COLOR = '#000080';  // the colour grid's preset, index 4
  const MODEL_COLORS = { cramer: '#009E73', poisson: '#D55E00', montgomery: '#0072B2' };
  const LEGEND_WIDTH = 230, LEGEND_HEIGHT = 92;
  const { text: words } = window.PrimzeilenLanguage;

  const esc = (text) => String(text).replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
  // Picture pixels are whole numbers; a 1-pixel line lies on the pixel centres.
  const line = (x1, y1, x2, y2, color) =>
    `<line x1="${x1 + 0.5}" y1="${y1 + 0.5}" x2="${x2 + 0.5}" y2="${y2 + 0.5}" stroke="${color}"/>`;
  const text = (x, y, content, extra = '') =>
    `<text x="${x}" y="${y}" dominant-baseline="hanging"${extra}>${esc(content)}</text>`;

  function roundHalfEven(v) {
    const f = Math.floor(v), d = v - f;
    if (d > 0.5) return f + 1;
    if (d < 0.5) return f;
    return f % 2 === 0 ? f : f + 1;
  }

  // shares: h(0..20); fit: the engine's {ok, n, p, bars: B(n;p;x) from x = 0 as the graph window
  // draws them}; models: the engine's models or null.
  function chartSvg({ shares, fit, models, showModels, title }) {
    const originX = Math.trunc(WIDTH / 16), baseline = Math.trunc(HEIGHT / 8) * 7;
    const heightOf = (value) => roundHalfEven(baseline - UNIT * value * 20);
    const parts = [];
    parts.push(`<svg xmlns="http://www.w3.org/2000/svg" width="${WIDTH}" height="${HEIGHT}" viewBox="0 0 ${WIDTH} ${HEIGHT}" role="img" aria-labelledby="bild-titel" font-family="Arial, 'Liberation Sans', sans-serif" font-size="11">`);
    parts.push(`<title id="bild-titel">${esc(title || words('chartLabel'))}</title>`);
    parts.push(`<rect x="0.5" y="0.5" width="${WIDTH - 1}" height="${HEIGHT - 1}" fill="#FFFFFF" stroke="#000000"/>`);
    const right = WIDTH - 40;
    parts.push(line(40, baseline, right, baseline, '#000000'));
    parts.push(text(right, baseline + 10, 'x'));
    parts.push(line(right, baseline, right - 8, baseline - 3, '#000000'));
    parts.push(line(right, baseline, right - 8, baseline + 3, '#000000'));
    parts.push(line(originX, 20, originX, HEIGHT - 30, '#000000'));
    parts.push(text(originX + 15, 15, 'h(x), B(n;p;k)'));
    parts.push(line(originX, 20, originX + 3, 28, '#000000'));
    parts.push(line(originX, 20, originX - 3, 28, '#000000'));
    for (let i = 0; i <= 18; i++) {
      const x = originX + i * UNIT;
      parts.push(line(x, baseline, x, baseline + 3, '#000000'));
      parts.push(text(x - 2, baseline + 5, String(i)));
    }
    for (let i = 1; i <= 4; i++) {
      const y = baseline - 2 * UNIT * i;
      parts.push(line(originX, y, originX - 3, y, '#000000'));
      parts.push(text(originX - 20, y - 6, window.PrimzeilenNumbers.format(i / 10, 1)));
    }
    parts.push(`<g class="staebe">`);
    for (let x = 0; x <= 18; x++) parts.push(line(originX + x * UNIT, baseline, originX + x * UNIT, heightOf(shares[x]), CHART_COLOR));
    parts.push(`</g>`);
    if (fit && fit.ok && fit.bars) {
      const half = UNIT >> 1;
      parts.push(`<g class="saeulen">`);
      // As the graph window draws them: the bar for x = 0 whatever n is, then bars up to n or
      // until the next would begin right of the picture.
      for (let x = 0; x < fit.bars.length && (x === 0 || x <= fit.n) && originX + x * UNIT - half < WIDTH; x++) {
        const cx = originX + x * UNIT, y = heightOf(fit.bars[x]);
        parts.push(line(cx - half, baseline, cx - half, y, CHART_COLOR));
        parts.push(line(cx + half, baseline, cx + half, y, CHART_COLOR));
        parts.push(line(cx - half, y, cx + half, y, CHART_COLOR));
      }
      parts.push(`</g>`);
    }
    if (showModels && models) parts.push(modelsSvg(models, originX, heightOf));
    parts.push('</svg>');
    return parts.join('\n');
  }

  const markers = {
    cramer: (x, y, c) => `<rect x="${x - 2}" y="${y - 2}" width="5" height="5" fill="${c}"/>`,
    poisson: (x, y, c) => `<path d="M${x + 0.5} ${y - 2.5}L${x + 3.5} ${y + 0.5}L${x + 0.5} ${y + 3.5}L${x - 2.5} ${y + 0.5}Z" fill="none" stroke="${c}"/>`,
    montgomery: (x, y, c) => line(x - 3, y - 3, x + 3, y + 3, c) + line(x - 3, y + 3, x + 3, y - 3, c),
  };

  function modelsSvg(models, originX, heightOf) {
    const parts = ['<g class="modelle">'];
    const axisEnd = WIDTH - 40;
    for (const name of ['cramer', 'poisson', 'montgomery']) {
      const color = MODEL_COLORS[name], shares = models[name] || [];
      const points = [];
      for (let k = 0; k < 21 && k < shares.length; k++) {
        const x = originX + k * UNIT;
        if (x > axisEnd) break;
        points.push([x, heightOf(shares[k])]);
      }
      parts.push(`<g class="modell-${name}">`);
      for (let i = 1; i < points.length; i++) parts.push(line(points[i - 1][0], points[i - 1][1], points[i][0], points[i][1], color));
      for (const [x, y] of points) parts.push(markers[name](x, y, color));
      parts.push('</g>');
    }
    const right = WIDTH - 6, left = right - LEGEND_WIDTH;
    parts.push(`<rect x="${left + 0.5}" y="6.5" width="${LEGEND_WIDTH - 1}" height="${LEGEND_HEIGHT - 1}" fill="#FFFFFF" stroke="#000000"/>`);
    const legend = models.legend || [];
    for (let i = 0; i < 6; i++) {
      const y = 16 + 15 * i;
      if (i === 0) {
        parts.push(line(left + 12, y + 4, left + 12, y - 4, CHART_COLOR));
      } else if (i === 1) {
        parts.push(line(left + 8, y + 4, left + 8, y - 3, CHART_COLOR), line(left + 8, y - 3, left + 16, y - 3, CHART_COLOR),
          line(left + 16, y - 3, left + 16, y + 4, CHART_COLOR));
      } else if (i < 5) {
        const name = ['cramer', 'poisson', 'montgomery'][i - 2];
        parts.push(line(left + 5, y, left + 19, y, MODEL_COLORS[name]), markers[name](left + 12, y, MODEL_COLORS[name]));
      }
      if (legend[i] !== undefined) parts.push(text(i === 5 ? left + 8 : left + 24, y - 7, legend[i]));
    }
    parts.push('</g>');
    return parts.join('\n');
  }

  window.PrimzeilenWindowPicture = { chartSvg, WIDTH, HEIGHT, MODEL_COLORS, CHART_COLOR };
})();
