// The page's chart: fitted to its data at a phone's width and a desk's, readable, switchable from
// its legend, exact values at a focused x, its colours in dark mode, and the saved pictures.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { scan, downloadText, openServed } from './support.mjs';

const cli = process.env.PRIMZEILEN_CLI || 'build/src/cli/primzeilen-cli';

// The command line's comparison table: per k, h, B(n;p), Cramér, Poisson, M–S; and the rows
// with more than 20 primes.
function cliModels(von, bis, laenge) {
  const text = execFileSync(cli, ['--anpassung', '--modelle', String(von), String(bis), String(laenge)],
    { env: { ...process.env, LC_ALL: 'C.UTF-8' } }).toString('utf8');
  const table = new Map();
  const start = text.indexOf('Vergleich mit Zufallsmodellen:');
  for (const line of text.slice(start).split('\n').slice(2)) {
    const cells = line.trim().split(/\s+/).map(Number);
    if (cells.length !== 6 || cells.some((c) => !Number.isFinite(c))) break;
    table.set(cells[0], { h: cells[1], b: cells[2], cramer: cells[3], poisson: cells[4], montgomery: cells[5] });
  }
  const over20 = Number(/Zeilen mit mehr als 20 Primzahlen: (\d+)/.exec(text)[1]);
  const rows = new Map([...text.matchAll(/^\s*(\d+)\s+:\s+(\d+)-mal/gm)].map(([, k, count]) => [Number(k), Number(count)]));
  return { table, over20, rows };
}
const decimal = (text) => Number(text.replace(/\./g, '').replace(',', '.'));

// Every data mark of the page's charts against its plot area, and every text's rendered size.
function measure() {
  const out = [];
  for (const svg of document.querySelectorAll('#bild svg.diagramm:not(.muster), #vergleich-bild svg.diagramm')) {
    const area = svg.querySelector('.flaeche').getBBox();
    const inside = (x, y) => x >= area.x - 0.5 && x <= area.x + area.width + 0.5 && y >= area.y - 0.5 && y <= area.y + area.height + 0.5;
    const box = svg.parentElement;
    const scale = svg.getBoundingClientRect().width / svg.width.baseVal.value;
    const result = { chart: box.id || box.parentElement.id, marks: 0, outside: [], smallText: [], wider: svg.getBoundingClientRect().width - box.clientWidth };
    for (const mark of svg.querySelectorAll('.marke, .punkt')) {
      const b = mark.getBBox();
      result.marks++;
      if (mark.classList.contains('punkt')) {
        const m = mark.transform.baseVal.consolidate().matrix;
        if (!inside(m.e + b.x + b.width / 2, m.f + b.y + b.height / 2)) result.outside.push(mark.outerHTML.slice(0, 90));
      } else if (!inside(b.x, b.y) || !inside(b.x + b.width, b.y + b.height)) result.outside.push(mark.outerHTML.slice(0, 90));
    }
    for (const line of svg.querySelectorAll('polyline')) {
      for (const point of line.points) { result.marks++; if (!inside(point.x, point.y)) result.outside.push(`${line.getAttribute('class')} ${point.x},${point.y}`); }
    }
    const placed = [];
    result.overlapping = [];
    for (const t of svg.querySelectorAll('text')) {
      const size = parseFloat(getComputedStyle(t).fontSize) * scale;
      if (size < 12) result.smallText.push(`${t.textContent} ${size}`);
      const r = t.getBoundingClientRect();
      for (const [other, q] of placed) {
        if (r.left < q.right && q.left < r.right && r.top < q.bottom && q.top < r.bottom) result.overlapping.push(`${t.textContent} / ${other}`);
      }
      placed.push([t.textContent, r]);
    }
    out.push(result);
  }
  for (const element of document.querySelectorAll('#bild .diagramm-wert, #bild .legende-eintrag, #bild .legende-hinweis')) {
    const size = parseFloat(getComputedStyle(element).fontSize);
    if (size < 12) out[0].smallText.push(`${element.textContent} ${size}`);
  }
  return out;
}

function luminance(colour) {
  const [r, g, b] = colour.match(/\d+(\.\d+)?/g).slice(0, 3).map((c) => {
    const v = Number(c) / 255;
    return v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4;
  });
  return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}
const contrast = (a, b) => { const [x, y] = [luminance(a), luminance(b)].sort((p, q) => q - p); return (x + 0.05) / (y + 0.05); };

let page, close;
before(async () => ({ page, close } = await openServed()));
after(() => close());

async function scanWithModels(von, bis, laenge) {
  await page.setViewportSize({ width: 1280, height: 800 });
  await page.uncheck('#fenster-bild');
  const { status } = await scan(page, von, bis, laenge);
  await page.check('#modelle');
  await page.waitForSelector('#bild [data-reihe="montgomery"] polyline', { timeout: 60000 });
  return status;
}

// Waits until the chart is drawn again at the width its box has now.
async function atWidth(width) {
  await page.setViewportSize({ width, height: 900 });
  await page.waitForFunction(() => {
    const svg = document.querySelector('#bild svg.diagramm');
    return svg && Number(svg.getAttribute('width')) === Math.floor(document.getElementById('bild').clientWidth);
  });
}

// The readout's values by series: the number as written, and the whole entry.
const readout = () => page.$$eval('#bild-wert .wert', (spans) =>
  Object.fromEntries(spans.map((s) => [s.dataset.reihe, { value: s.querySelector('b').textContent, text: s.textContent }])));

describe('chart', () => {
  it('keeps every bar, point and curve in its plot area and its text at 12 px or more, at 320, 390 and 1280 px', async () => {
    for (const [von, bis, laenge] of [[1, 10000000, 10], [1, 10000, 120]]) {
      await scanWithModels(von, bis, laenge);
      const { table, over20 } = cliModels(von, bis, laenge);
      if (laenge === 120) {
        await page.click('#vergleich-start');
        await page.waitForSelector('#vergleich-ergebnis:not([hidden])', { timeout: 60000 });
      }
      for (const width of [320, 390, 1280]) {
        await atWidth(width);
        const charts = await page.evaluate(measure);
        assert.equal(charts.length, laenge === 120 ? 2 : 1);
        for (const chart of charts) {
          const where = `${chart.chart} for ${von}..${bis} at ${laenge}, ${width} px`;
          assert.ok(chart.marks > 20, `${where}: ${chart.marks} marks`);
          assert.deepEqual(chart.outside, [], `${where}: marks outside the plot area`);
          assert.deepEqual(chart.smallText, [], `${where}: text under 12 px`);
          assert.deepEqual(chart.overlapping, [], `${where}: texts on each other`);
          assert.ok(chart.wider <= 0, `${where}: ${chart.wider} px wider than its box`);
        }
        // A bar for every count that occurs: those up to 20 and at least one above.
        const bars = await page.$$eval('#bild [data-reihe="h"] .marke', (marks) => marks.map((m) => Number(m.dataset.k)));
        const occurring = [...table].filter(([, v]) => v.h > 0).map(([k]) => k);
        assert.deepEqual(bars.filter((k) => k <= 20), occurring, `${width} px: the counts up to 20`);
        assert.equal(bars.some((k) => k > 20), over20 > 0, `${width} px: the rows above 20 primes`);
      }
    }
  });

  it('shows the exact values of the x under the pointer or the focus, as the table and the command line give them', async () => {
    const status = await scanWithModels(1, 10000, 120);
    const rows = decimal(/^([\d.]+) Zeilen/.exec(status)[1]);
    const { table } = cliModels(1, 10000, 120);
    await page.focus('#bild .diagramm-flaeche');
    await page.keyboard.press('Home');
    assert.equal((await readout()).x.value, '0');
    await page.keyboard.press('End');
    const last = await readout();
    // The highest count that occurs, above 20 here, with its rows out of all rows.
    const [k, count, total] = /^h\((\d+)\) = [\d,]+ \(([\d.]+) von ([\d.]+) Zeilen\)$/.exec(last.h.text).slice(1).map(decimal);
    assert.ok(k > 20, last.h.text);
    assert.equal(total, rows, 'h(x) shares out every row of the scan');
    assert.ok(Math.abs(decimal(last.h.value) - count / total) <= 5e-5, last.h.text);
    for (let x = k; x > 0; x--) await page.keyboard.press('ArrowLeft');
    for (let x = 0; x <= 20; x++) {
      const values = await readout();
      assert.equal(values.x.value, String(x));
      const expected = table.get(x);
      for (const name of ['b', 'cramer', 'poisson', 'montgomery']) {
        assert.ok(Math.abs(decimal(values[name].value) - expected[name]) <= 5e-5 + 1e-9, `${name} at ${x}: ${values[name].text} for ${expected[name]}`);
      }
      if (x <= 18) {
        const cell = await page.$eval(`#tabelle tbody tr:nth-child(${x + 1}) td:nth-child(3)`, (td) => td.textContent.trim());
        assert.equal(values.b.value, cell, `B(n;p;${x}) as the table writes it`);
      }
      await page.keyboard.press('ArrowRight');
    }

    // The pointer picks the bar under it.
    await scanWithModels(1, 45000, 90);
    const counts = cliModels(1, 45000, 90).rows;
    const bar = await page.$('#bild [data-reihe="h"] .marke:nth-child(4)');
    const barK = Number(await bar.getAttribute('data-k'));
    await bar.hover();
    const values = await readout();
    assert.equal(values.x.value, String(barK));
    const [barRows, all] = /\(([\d.]+) von ([\d.]+) Zeilen\)/.exec(values.h.text).slice(1).map(decimal);
    assert.deepEqual([barRows, all], [counts.get(barK), 500]);
    assert.ok(Math.abs(decimal(values.h.value) - barRows / all) <= 5e-5, values.h.text);
  });

  it('switches each series off and on again from its legend entry with the keyboard', async () => {
    await scanWithModels(1, 45000, 90);
    const names = await page.$$eval('#bild .legende-eintrag', (buttons) => buttons.map((b) => b.dataset.reihe));
    assert.deepEqual(names, ['h', 'b', 'cramer', 'poisson', 'montgomery']);
    for (const name of names) {
      const button = `#bild .legende-eintrag[data-reihe="${name}"]`;
      await page.focus(button);
      await page.keyboard.press('Space');
      assert.equal(await page.getAttribute(button, 'aria-pressed'), 'false');
      assert.equal(await page.$$eval(`#bild svg g[data-reihe="${name}"]`, (g) => g.length), 0, `${name} hidden`);
      assert.equal(await page.evaluate(() => document.activeElement.dataset.reihe), name, 'the focus stays on the entry');
      await page.keyboard.press('Enter');
      assert.equal(await page.getAttribute(button, 'aria-pressed'), 'true');
      assert.ok(await page.$$eval(`#bild svg g[data-reihe="${name}"] .marke, #bild svg g[data-reihe="${name}"] polyline`, (m) => m.length) > 0, `${name} shown`);
    }
    // A series switched off stays off across a look at the window's picture, not across a new scan.
    await page.click('#bild .legende-eintrag[data-reihe="poisson"]');
    await page.check('#fenster-bild');
    await page.uncheck('#fenster-bild');
    assert.equal(await page.getAttribute('#bild .legende-eintrag[data-reihe="poisson"]', 'aria-pressed'), 'false');
    assert.equal(await page.$$eval('#bild svg g[data-reihe="poisson"]', (g) => g.length), 0, 'poisson still hidden');
    await scanWithModels(1, 10000, 120);
    assert.equal(await page.getAttribute('#bild .legende-eintrag[data-reihe="poisson"]', 'aria-pressed'), 'true');
  });

  it('keeps its series at 3:1 against its background, light and dark', async () => {
    await scanWithModels(1, 45000, 90);
    for (const scheme of ['dark', 'light']) {
      await page.emulateMedia({ colorScheme: scheme });
      const colours = await page.evaluate(() => {
        const of = (selector, property) => getComputedStyle(document.querySelector(selector))[property];
        return {
          background: of('#bild svg .d-grund', 'fill'),
          h: of('#bild [data-reihe="h"] .marke', 'fill'),
          b: of('#bild [data-reihe="b"] .marke', 'stroke'),
          ...Object.fromEntries(['cramer', 'poisson', 'montgomery'].map((name) => [name, of(`#bild [data-reihe="${name}"] polyline`, 'stroke')])),
        };
      });
      const { background, ...series } = colours;
      if (scheme === 'dark') assert.ok(luminance(background) < 0.05, `a dark background: ${background}`);
      for (const [name, colour] of Object.entries(series)) {
        assert.ok(contrast(colour, background) >= 3, `${scheme}: ${name} ${colour} on ${background}: ${contrast(colour, background).toFixed(2)}`);
      }
    }
    await page.emulateMedia({ colorScheme: null });
  });

  it('saves its pictures with a title line, in the light colours, the row lengths too', async () => {
    await scanWithModels(1, 45000, 90);
    await page.emulateMedia({ colorScheme: 'dark' });
    const wellFormed = (markup) => page.evaluate((text) =>
      !new DOMParser().parseFromString(text, 'image/svg+xml').querySelector('parsererror'), markup);
    const title = '>Primzahlen von 1 bis 45.000, 90 Zahlen pro Zeile</text>';
    const svg = (await downloadText(page, '#svg-speichern')).bytes.toString('utf8');
    assert.ok(svg.includes(title), 'the title line');
    assert.ok(await wellFormed(svg));
    assert.ok(svg.includes('class="d-grund" x="0" y="0" width="800"') && svg.includes('fill="#ffffff"') && !svg.includes('var('), 'light colours written in');
    // The legend is drawn into the saved picture, with the engine's texts.
    for (const text of await page.$$eval('#bild .legende-eintrag', (b) => b.map((e) => e.textContent))) assert.ok(svg.includes(`>${text}</text>`), text);

    await page.check('#fenster-bild');
    const window = (await downloadText(page, '#svg-speichern')).bytes.toString('utf8');
    assert.ok(window.includes(title) && await wellFormed(window), 'the window\'s picture under the title line');
    assert.match(window, /<svg[^>]*width="769" height="405"/);
    await page.uncheck('#fenster-bild');

    await page.click('#vergleich-start');
    await page.waitForSelector('#vergleich-ergebnis:not([hidden])', { timeout: 60000 });
    const lengths = await downloadText(page, '#vergleich-svg-speichern');
    assert.equal(lengths.name, 'primzeilen_1_45000_90_zeilenlaengen.svg');
    const markup = lengths.bytes.toString('utf8');
    assert.ok(markup.includes('>Zeilenlängen im Vergleich: Primzahlen von 1 bis 45.000, 10 bis 120 Zahlen pro Zeile</text>'));
    assert.ok(await wellFormed(markup));
    assert.equal((markup.match(/<circle class="marke/g) || []).length, 111, 'a point for every row length');
    const [width, height] = /<svg[^>]*width="(\d+)" height="(\d+)"/.exec(markup).slice(1).map(Number);
    const png = await downloadText(page, '#vergleich-png-speichern');
    assert.equal(png.name, 'primzeilen_1_45000_90_zeilenlaengen.png');
    assert.deepEqual([png.bytes.readUInt32BE(16), png.bytes.readUInt32BE(20)], [2 * width, 2 * height]);
    await page.emulateMedia({ colorScheme: null });
  });
});
