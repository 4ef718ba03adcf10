// The page in headless Chromium against the engine it ships with: served and as the single
// file, compared line by line with primzeilen-cli.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve, launch, pageUrl, scan, listedLines, watchRequests, downloadText } from './support.mjs';

const cli = process.env.PRIMZEILEN_CLI || 'build/src/cli/primzeilen-cli';
const scanTool = process.env.PRIMZEILEN_SCAN || 'build/tests/primzeilen-scan';

function cliText(args) {
  return execFileSync(cli, args, { env: { ...process.env, LC_ALL: 'de_DE.UTF-8' }, maxBuffer: 1 << 30 }).toString('utf8');
}
// The window's listing: the rows and the 27 lines after them; the command line adds its own.
function cliListing(von, bis, laenge, rows) {
  return cliText(['--zeilen', String(von), String(bis), String(laenge)]).split('\n').slice(0, rows + 27);
}
function cliFit(von, bis, laenge) {
  const text = cliText(['--anpassung', '--modelle', String(von), String(bis), String(laenge)]);
  const value = (label) => {
    const line = text.split('\n').find((l) => l.startsWith(label));
    assert.ok(line, `primzeilen-cli names ${label}`);
    return line.slice(label.length).trim();
  };
  return {
    n: value('n:'), p: value('p:'),
    meanObserved: value('Erwartungswert von h(x):'), meanBinomial: value('Erwartungswert von B(n;p):'),
    deviationObserved: value('Standardabweichung von h(x):'), deviationBinomial: value('Standardabweichung von B(n;p):'),
    tvCramer: value('TV Cramér-Modell:'), tvPoisson: value('TV Poisson (Gallagher):'),
    tvMontgomery: value('TV Montgomery–Soundararajan:'),
  };
}

// The reference outputs kept beside the repository: the graph window's pictures among them.
const golden = process.env.PRIMZEILEN_GOLDEN ||
  path.join(path.dirname(fileURLToPath(import.meta.url)), '../../../shared/golden');

// The pixels of a PNG in the chart colour (#000080), as "x,y", decoded by the browser as they are
// stored, without colour management.
async function chartColourPixels(file) {
  const page = await browser.context.newPage();
  try {
    return await page.evaluate(async (base64) => {
      const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }),
        { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
      const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
      const context = canvas.getContext('2d');
      context.drawImage(bitmap, 0, 0);
      const { data } = context.getImageData(0, 0, bitmap.width, bitmap.height);
      const pixels = [];
      for (let i = 0; i < data.length; i += 4) {
        if (data[i] === 0 && data[i + 1] === 0 && data[i + 2] === 128) pixels.push(`${(i / 4) % bitmap.width},${Math.floor(i / 4 / bitmap.width)}`);
      }
      return pixels;
    }, fs.readFileSync(file).toString('base64'));
  } finally { await page.close(); }
}

// The same pixels of the page's chart: its lines in the chart colour are upright or flat and run
// from pixel centre to pixel centre; one without length (a stick of h(x) = 0) draws nothing.
async function shownChartPixels(page) {
  const [width, height] = await page.$eval('#bild svg', (svg) => ['width', 'height'].map((a) => Number(svg.getAttribute(a))));
  const lines = await page.$$eval('#bild svg line[stroke="#000080"]', (nodes) =>
    nodes.map((l) => ['x1', 'y1', 'x2', 'y2'].map((a) => Number(l.getAttribute(a)) - 0.5)));
  const pixels = new Set();
  for (const [x1, y1, x2, y2] of lines) {
    assert.ok(x1 === x2 || y1 === y2, `a slanted line ${x1},${y1} ${x2},${y2}`);
    if (x1 === x2 && y1 === y2) continue;
    // The picture clips what lies beyond its edges (a bar above 0.47, the bar for x = 21).
    for (let x = Math.max(Math.min(x1, x2), 0); x <= Math.min(Math.max(x1, x2), width - 1); x++) {
      for (let y = Math.max(Math.min(y1, y2), 0); y <= Math.min(Math.max(y1, y2), height - 1); y++) pixels.add(`${x},${y}`);
    }
  }
  return pixels;
}

// Semicolon-separated cells; a cell in quotes may hold semicolons and doubled quotes.
function csvCells(line) {
  return [...line.matchAll(/(?:^|;)("(?:[^"]|"")*"|[^;]*)/g)].map(([, cell]) =>
    cell.startsWith('"') ? cell.slice(1, -1).replace(/""/g, '"') : cell);
}

let web, browser;
before(async () => { web = await serve(); browser = await launch(); });
after(async () => { await browser.close(); web.server.close(); });

for (const mode of ['served', 'single']) {
  describe(`page (${mode})`, () => {
    let page, foreign;
    before(async () => {
      page = await browser.context.newPage();
      foreign = watchRequests(page, mode, web.origin);
      await page.goto(pageUrl(mode, web.origin));
    });
    after(async () => {
      assert.deepEqual(foreign, [], 'no request leaves the page and no dialog opens');
      await page.close();
    });

    it('lists 1..45000 at 90 as the windows do, line by line, with the fit and the models', async () => {
      assert.equal(await page.evaluate(() => document.activeElement.id), 'berechnen', 'Berechnen has the focus at start');
      const { status, message } = await scan(page, 1, 45000, 90);
      assert.equal(message, '');
      assert.match(status, /^500 Zeilen von 1 bis 45\.000 mit je 90 Zahlen berechnet/);
      assert.deepEqual(await listedLines(page), cliListing(1, 45000, 90, 500));

      const expected = cliFit(1, 45000, 90);
      const shown = await page.evaluate(() => Object.fromEntries(
        ['n', 'p', 'mean-h', 'mean-b', 'sd-h', 'sd-b', 'laenge', 'von', 'bis'].map((id) => [id, document.getElementById('feld-' + id).textContent])));
      assert.deepEqual(shown, {
        n: expected.n, p: expected.p, 'mean-h': expected.meanObserved, 'mean-b': expected.meanBinomial,
        'sd-h': expected.deviationObserved, 'sd-b': expected.deviationBinomial, laenge: '90', von: '1', bis: '45000',
      });
      const table = (await page.$$eval('#tabelle tbody tr', (rows) => rows.map((r) => [...r.children].map((c) => c.textContent)))).slice(0, 19);
      const reference = fs.readFileSync(path.join(golden, 'scan_1_45000_90.txt'), 'utf8').split('\n')
        .filter((l) => /^(x|h\(x\)|B\(n;p\))\t/.test(l)).map((l) => l.split('\t').slice(1).map((c) => c.replace('.', ',')));
      assert.deepEqual(table, reference[0].map((x, i) => [x, reference[1][i], reference[2][i]]),
        'the table as the graph window shows it');

      await page.check('#modelle');
      await page.waitForSelector('#bild .legende-eintrag[data-reihe="cramer"]');
      const legend = await page.$$eval('#bild .legende-eintrag', (items) => items.map((i) => i.textContent));
      assert.ok(legend.includes(`Cramér-Modell: TV ${expected.tvCramer}`), legend.join(' | '));
      assert.ok(legend.includes(`Poisson (Gallagher): TV ${expected.tvPoisson}`), legend.join(' | '));
      assert.ok(legend.includes(`Montgomery–Soundararajan: TV ${expected.tvMontgomery}`), legend.join(' | '));
      const colours = await page.$eval('#bild svg', (svg) => svg.outerHTML.toUpperCase());
      for (const colour of ['#009E73', '#D55E00', '#0072B2']) assert.ok(colours.includes(colour), colour);
      await page.uncheck('#modelle');
      await page.waitForFunction(() => !document.querySelector('#bild .legende-eintrag[data-reihe="cramer"]'));
      assert.ok(!(await page.$eval('#bild svg', (svg) => svg.outerHTML.toUpperCase())).includes('#0072B2'), 'models hidden again');
    });

    it('draws h(x) and B(n;p) on the pixels where the graph window draws them', async () => {
      const pictures = [[1, 45000, 90], [1, 10000, 10]].map(([von, bis, laenge]) =>
        [von, bis, laenge, path.join(golden, `picture_${von}_${bis}_${laenge}.png`)]);
      // n = 23: the last bar is cut by the picture's right edge. Below zero (the page takes
      // rows of 10 to 120 numbers): a fit with n = -2.
      const drawnPictures = [];
      for (const [von, bis, laenge] of [[1, 1000000, 120], [-500, 500, 10]]) {
        const drawn = path.join(os.tmpdir(), `primzeilen-bild-${process.pid}-${laenge}.png`);
        execFileSync(scanTool, [String(von), String(bis), String(laenge), '--graph', drawn],
          { env: { ...process.env, LC_ALL: 'C.UTF-8' }, stdio: ['ignore', 'ignore', 'inherit'] });
        pictures.push([von, bis, laenge, drawn]);
        drawnPictures.push(drawn);
      }
      await page.check('#fenster-bild');
      for (const [von, bis, laenge, picture] of pictures) {
        assert.ok(fs.existsSync(picture), `${picture} is there`);
        await scan(page, von, bis, laenge);
        const expected = await chartColourPixels(picture);
        assert.ok(expected.length > 100, `${picture} holds the chart`);
        const shown = await shownChartPixels(page);
        assert.deepEqual([...shown].sort(), expected.sort(), `${von}..${bis} at ${laenge}`);
      }
      for (const drawn of drawnPictures) fs.rmSync(drawn);
    });

    it('exports the listing, the table and the chart as downloads', async () => {
      await scan(page, 1, 45000, 90);
      const listing = await downloadText(page, '#liste-speichern');
      assert.equal(listing.name, 'primzeilen_1_45000_90.txt');
      assert.deepEqual(listing.bytes.toString('utf8').split('\n'), [...cliListing(1, 45000, 90, 500), '']);

      const csv = await downloadText(page, '#tabelle-speichern');
      assert.equal(csv.name, 'primzeilen_1_45000_90.csv');
      const text = csv.bytes.toString('utf8');
      assert.ok(text.startsWith('\ufeff'), 'byte order mark');
      const lines = text.slice(1).split('\r\n');
      assert.equal(lines.pop(), '', 'every line ends in CR LF');
      assert.equal(lines.length, 3);
      const shownTable = (await page.$$eval('#tabelle tr', (rows) => rows.map((r) => [...r.children].map((c) => c.textContent)))).slice(0, 20);
      const columns = lines.map(csvCells);
      shownTable.forEach((row, i) => assert.deepEqual(row, columns.map((c) => c[i]), 'the table shown is the file turned on its side'));

      await page.uncheck('#fenster-bild');
      const svg = await downloadText(page, '#svg-speichern');
      assert.equal(svg.name, 'primzeilen_1_45000_90.svg');
      const markup = svg.bytes.toString('utf8');
      const size = /^<\?xml[^>]*>\n<svg[^>]*width="(\d+)" height="(\d+)"/.exec(markup);
      assert.ok(size, 'an SVG with its size');
      assert.ok(markup.includes('>Primzahlen von 1 bis 45.000, 90 Zahlen pro Zeile</text>'), 'the title line');
      assert.equal((markup.match(/class="marke d-h"/g) || []).length, await page.$$eval('#bild [data-reihe="h"] .marke', (bars) => bars.length),
        'every bar of h(x) shown');

      const png = await downloadText(page, '#png-speichern');
      assert.equal(png.name, 'primzeilen_1_45000_90.png');
      assert.equal(png.bytes.subarray(1, 4).toString('latin1'), 'PNG');
      assert.deepEqual([png.bytes.readUInt32BE(16), png.bytes.readUInt32BE(20)], [2 * size[1], 2 * size[2]], 'twice the picture');
    });

    it('refuses bad input with the windows\' German messages and computes nothing', async () => {
      const cases = [
        { von: 'abc', bis: 45000, laenge: 90, message: '„abc“ ist keine gültige ganze Zahl.', field: 'von' },
        { von: 1, bis: '4,5', laenge: 90, message: '„4,5“ ist keine gültige ganze Zahl.', field: 'bis' },
        { von: 1, bis: 45000, laenge: '', message: '„“ ist keine gültige ganze Zahl.', field: 'laenge' },
        { von: 1, bis: 45000, laenge: 0, message: 'Zahlen pro Zeile: auf dieser Seite 10 bis 120, nicht 0.', field: 'laenge' },
      ];
      for (const c of cases) {
        await scan(page, 1, 900, 90);
        const { status, message } = await scan(page, c.von, c.bis, c.laenge);
        assert.equal(message, c.message);
        assert.equal(status, '');
        assert.equal(await page.evaluate(() => document.activeElement.id), c.field);
        assert.equal(await page.isHidden('#ergebnisse'), true, 'nothing of the scan before stays shown');
      }
      for (const [von, bis, laenge] of [[1, 10000100, 100], [-10000100, 100, 100], [900, 100, 90]]) {
        await scan(page, 1, 900, 90);
        const { status, message } = await scan(page, von, bis, laenge);
        assert.equal(status, '', `${von}..${bis} at ${laenge} is not computed`);
        assert.notEqual(message, '', 'the page says why nothing was computed');
        assert.equal(await page.isHidden('#ergebnisse'), true);
      }
      // The limits themselves are accepted: 10,000,050 becomes 9,999,990 at row length 90.
      const edge = await scan(page, 9999901, 10000050, 90);
      assert.match(edge.status, /^1 Zeile von 9\.999\.901 bis 9\.999\.990 mit je 90 Zahlen/);
      assert.equal(await page.inputValue('#bis'), '9.999.990');
    });

    it('lists 1..10000000 at 10: the full export equals primzeilen-cli, and the end of the listing', async () => {
      const { status } = await scan(page, 1, 10000000, 10);
      assert.match(status, /^1\.000\.000 Zeilen von 1 bis 10\.000\.000 mit je 10 Zahlen berechnet/);
      const expected = cliListing(1, 10000000, 10, 1000000);
      await page.focus('#liste');
      await page.keyboard.press('End');
      // The scroll is handled a moment later: wait for its rows, not only for no loading.
      await page.waitForFunction(() => {
        const rows = document.querySelectorAll('#liste-zeilen > div');
        return rows.length > 0 && Number(rows[rows.length - 1].dataset.zeile) === 1000026 &&
          !document.querySelector('#liste-zeilen > .laedt');
      });
      const end = await page.$$eval('#liste-zeilen > div', (nodes) => nodes.map((n) => [Number(n.dataset.zeile), n.textContent]));
      assert.equal(end.at(-1)[0], 1000026);
      for (const [index, text] of end) assert.equal(text, expected[index], `line ${index}`);
      await page.$eval('#liste', (box) => { box.scrollTop = box.scrollHeight / 2; });
      await page.waitForFunction(() => {
        const first = document.querySelector('#liste-zeilen > div');
        const row = first ? Number(first.dataset.zeile) : 0;
        return row > 400000 && row < 600000 && !document.querySelector('#liste-zeilen > .laedt');
      }, null, { timeout: 5000 }).catch(() => {});
      const middle = await page.$$eval('#liste-zeilen > div', (nodes) => nodes.map((n) => [Number(n.dataset.zeile), n.textContent]));
      assert.ok(middle[0][0] > 400000 && middle[0][0] < 600000, `middle starts at ${middle[0][0]}`);
      for (const [index, text] of middle) assert.equal(text, expected[index], `line ${index}`);

      const listing = await downloadText(page, '#liste-speichern');
      assert.ok(listing.bytes.equals(Buffer.from(expected.join('\n') + '\n', 'utf8')), 'the saved listing is the windows\' listing byte for byte');
      const fit = cliFit(1, 10000000, 10);
      assert.equal(await page.textContent('#feld-n'), fit.n);
      assert.equal(await page.textContent('#feld-p'), fit.p);
    });

    it('cancels a long scan and the row-length comparison, and works on afterwards', async () => {
      await page.fill('#von', '-10000000');
      await page.fill('#bis', '10000000');
      await page.fill('#laenge', '10');
      // Both clicks in one task: the answer cannot arrive in between.
      await page.evaluate(() => { document.getElementById('berechnen').click(); document.getElementById('abbrechen').click(); });
      assert.equal(await page.textContent('#status'), 'Berechnung abgebrochen; nichts berechnet.');
      assert.equal(await page.isHidden('#arbeit'), true);
      assert.equal(await page.isHidden('#ergebnisse'), true);

      await scan(page, 1, 1000000, 10);
      await page.click('#vergleich-start');
      await page.waitForSelector('#arbeit:not([hidden])');
      await page.click('#abbrechen');
      assert.equal(await page.textContent('#status'), 'Abgebrochen.');
      assert.equal(await page.isHidden('#vergleich-ergebnis'), true);
      // The scan shown stays usable: the fresh worker lists its last lines.
      await page.focus('#liste');
      await page.keyboard.press('End');
      const last = cliListing(1, 1000000, 10, 100000).at(-1);
      await page.waitForFunction((text) => {
        const row = document.querySelector('#liste-zeilen > div:last-child');
        return row && row.textContent === text && !document.querySelector('#liste-zeilen > .laedt');
      }, last, { timeout: 5000 }).catch(() => {});
      assert.equal(await page.$eval('#liste-zeilen > div:last-child', (n) => n.textContent), last);
      assert.match((await scan(page, 1, 45000, 90)).status, /^500 Zeilen/);
    });

    it('compares every row length 10..120 of the last range', async () => {
      await scan(page, 1, 45000, 90);
      await page.click('#vergleich-start');
      await page.waitForSelector('#vergleich-ergebnis:not([hidden])', { timeout: 60000 });
      const rows = await page.$$eval('#vergleich-tabelle tbody tr', (trs) => trs.map((tr) => [...tr.children].map((c) => c.textContent)));
      assert.equal(rows.length, 111);
      assert.deepEqual(rows.map((r) => r[0]), [...Array(111).keys()].map((i) => String(i + 10)));
      const at90 = rows.find((r) => r[0] === '90');
      assert.equal(at90[2], cliFit(1, 45000, 90).n, 'the fit at 90 is the one of the scan');
      assert.equal(await page.$$eval('#vergleich-bild circle', (c) => c.length) >= 111, true);
    });

    it('opens a link with von, bis and Länge and scans the same', async () => {
      await scan(page, 100, 1000, 90);
      assert.ok(page.url().endsWith('?von=91&bis=990&laenge=90'), page.url());
      await page.click('#link');
      const link = await page.inputValue('#link-text');
      assert.equal(link, page.url());
      const second = await browser.context.newPage();
      await second.goto(link);
      await second.waitForFunction(() => document.getElementById('status').textContent);
      assert.equal(await second.inputValue('#von'), '91');
      assert.equal(await second.inputValue('#bis'), '990');
      assert.deepEqual((await listedLines(second)).slice(0, 10), cliListing(91, 990, 90, 10).slice(0, 10));
      await second.close();
    });
  });
}
