// The page on a phone and on a desktop: the form's first screen, the listing's counts kept in
// view, the number grid, touch targets, dark colours and the slider's own recompute.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { pageUrl, scan, openServed } from './support.mjs';

const shots = path.resolve(process.env.PRIMZEILEN_SCREENSHOTS || 'build/web-screenshots');
const sizes = [[320, 568], [390, 844], [1280, 800]];

// The primes up to a bound, by a sieve of the test's own.
function primesUpTo(limit) {
  const composite = new Uint8Array(limit + 1);
  composite[0] = composite[1] = 1;
  for (let i = 2; i * i <= limit; i++) if (!composite[i]) for (let j = i * i; j <= limit; j += i) composite[j] = 1;
  return (n) => n >= 2 && n <= limit && !composite[n];
}
const isPrime = primesUpTo(10000);

// The contrast ratio of two CSS colours "rgb(r, g, b)".
function contrast(a, b) {
  const luminance = (colour) => {
    const [r, g, bl] = colour.match(/\d+(\.\d+)?/g).slice(0, 3).map(Number).map((c) => {
      const s = c / 255;
      return s <= 0.03928 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * bl;
  };
  const [hi, lo] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (hi + 0.05) / (lo + 0.05);
}

let web, page, close;
before(async () => ({ web, page, close } = await openServed({ open: false })));
after(() => close());

async function open(width, height, query = '') {
  await page.setViewportSize({ width, height });
  await page.goto(pageUrl('served', web.origin, query));
  if (query) await page.waitForFunction(() => document.getElementById('status').textContent);
}

// The drawn rows of the listing whose count lies outside the listing's visible box.
const hiddenCounts = () => page.$$eval('#liste-zeilen > .z', (rows) => {
  const box = document.getElementById('liste');
  const outer = box.getBoundingClientRect();
  const left = outer.left + box.clientLeft, right = left + box.clientWidth, bottom = outer.top + box.clientTop + box.clientHeight;
  return rows.filter((row) => row.getBoundingClientRect().bottom <= bottom).map((row) => {
    const count = row.querySelector('.z-anzahl').getBoundingClientRect();
    return count.left >= left - 0.5 && count.right <= right + 0.5 ? null : row.dataset.zeile;
  }).filter((r) => r !== null);
});

describe('phone first', () => {
  for (const [width, height] of sizes) {
    it(`puts von beside bis and Berechnen in the first screen at ${width}×${height}, the help closed`, async () => {
      await open(width, height);
      const [von, bis, button] = await Promise.all(['#von', '#bis', '#berechnen'].map((s) => page.locator(s).boundingBox()));
      assert.ok(Math.abs(von.y - bis.y) < 2, `von at ${von.y}, bis at ${bis.y}`);
      const labelBis = await page.locator('label[for=bis]').boundingBox();
      assert.ok(labelBis.x >= von.x + von.width - 1 || labelBis.y < bis.y, 'the label bis stands with its field');
      assert.ok(button.y + button.height <= height, `Berechnen ends at ${button.y + button.height}`);
      assert.equal(await page.$eval('#hilfe-text', (d) => d.open), false);
      assert.equal(await page.isVisible('#hilfe-text h3'), false, 'the help text is folded away');
      await page.click('#hilfe-knopf');
      assert.equal(await page.$eval('#hilfe-text', (d) => d.open), true);
      assert.equal(await page.evaluate(() => document.activeElement.id), 'hilfe');
      assert.equal(await page.isVisible('#hilfe-text h3'), true);
    });
  }

  it('keeps every row\'s count in view while the marks scroll sideways, at each width', async () => {
    for (const [von, bis, laenge] of [[1, 45000, 90], [1, 10000, 120]]) {
      for (const [width, height] of sizes) {
        await open(width, height, `?von=${von}&bis=${bis}&laenge=${laenge}`);
        await page.waitForSelector('#liste-zeilen > .z');
        const where = `${von}..${bis}/${laenge} at ${width} px`;
        const scrollWidths = await page.$eval('#liste', (b) => [b.scrollWidth, b.clientWidth]);
        for (const fraction of [0, 0.5, 1]) {
          await page.$eval('#liste', (b, f) => { b.scrollLeft = (b.scrollWidth - b.clientWidth) * f; }, fraction);
          await page.waitForFunction(() => !document.querySelector('#liste-zeilen > .laedt'));
          assert.deepEqual(await hiddenCounts(), [], `${where}, scrolled ${fraction}`);
        }
        if (width <= 390) assert.ok(scrollWidths[0] > scrollWidths[1], `${where}: the marks are wider than the phone`);
        // The head's second name ends over the counts' right edge.
        const [headRight, countRight] = await page.evaluate(() => [
          document.querySelector('.kopf span:last-child').getBoundingClientRect().right,
          Math.max(...[...document.querySelectorAll('#liste-zeilen .z-anzahl')].map((c) => c.getBoundingClientRect().right))]);
        assert.ok(Math.abs(headRight - countRight) <= 6, `${where}: head ends at ${headRight}, counts at ${countRight}`);
      }
    }
  });

  it('shows the rows as a grid of numbers with the primes filled, and names a cell on focus and touch', async () => {
    await open(390, 844, '?von=1&bis=10000&laenge=120');
    await page.click('#ansicht-raster');
    assert.equal(await page.isHidden('#liste'), true);
    await page.waitForSelector('#raster .raster-zeile .zelle');
    // Each drawn cell against the sieve, the count against the whole row, and the last column there
    // once the grid is scrolled to its end: 120 cells do not fit a phone, the counts stay in its box.
    const checkDrawnRows = async () => {
      const rows = await page.$$eval('#raster .raster-zeile', (nodes) => nodes.map((row) => ({
        index: Number(row.getAttribute('aria-rowindex')),
        cells: [...row.querySelectorAll('.zelle')].map((c) => [Number(c.dataset.spalte), Number(c.dataset.zahl), c.classList.contains('prim')]),
        count: Number(row.querySelector('.raster-anzahl').textContent),
      })));
      assert.ok(rows.length >= 10, `${rows.length} rows drawn`);
      for (const row of rows) {
        const first = (row.index - 1) * 120 + 1;
        assert.ok(row.cells.length >= 14, `row ${row.index} draws ${row.cells.length} cells`);
        for (const [column, number, prime] of row.cells) {
          assert.equal(number, first + column);
          assert.equal(prime, isPrime(number), `${number}`);
        }
        assert.equal(row.count, [...Array(120).keys()].filter((c) => isPrime(first + c)).length, `count of row ${row.index}`);
      }
      return rows;
    };
    await checkDrawnRows();
    await page.$eval('#raster', (b) => { b.scrollLeft = b.scrollWidth; });
    await page.waitForFunction(() => document.querySelector('#raster .zelle[data-spalte="119"]'));
    await checkDrawnRows();
    const outside = await page.$$eval('#raster .raster-anzahl', (counts) => {
      const box = document.getElementById('raster').getBoundingClientRect();
      return counts.filter((c) => { const r = c.getBoundingClientRect(); return r.bottom < box.bottom && (r.left < box.left || r.right > box.right); }).length;
    });
    assert.equal(outside, 0);

    const readout = () => page.textContent('#raster-anzeige');
    const active = () => page.$eval('#raster', (b) => document.getElementById(b.getAttribute('aria-activedescendant'))?.dataset.zahl);
    await page.focus('#raster');
    assert.equal(await readout(), '1: keine Primzahl');
    for (const [key, text, number] of [['ArrowRight', '2: Primzahl', '2'], ['ArrowDown', '122: keine Primzahl', '122'],
      ['End', '240: keine Primzahl', '240'], ['ArrowLeft', '239: Primzahl', '239'], ['Control+End', '9960: keine Primzahl', '9960']]) {
      await page.keyboard.press(key);
      await page.waitForFunction((t) => document.getElementById('raster-anzeige').textContent === t, text, { timeout: 3000 }).catch(() => {});
      assert.equal(await readout(), text, key);
      assert.equal(await active(), number, key);
    }
    const last = await page.locator('#raster .zelle.aktiv').boundingBox();
    const box = await page.locator('#raster').boundingBox();
    assert.ok(last.x >= box.x && last.x + last.width <= box.x + box.width && last.y >= box.y && last.y + last.height <= box.y + box.height,
      'the chosen cell is scrolled into view');
    // Scrolled away from the chosen cell, the grid chooses anew among the rows in view.
    await page.$eval('#raster', (b) => { b.scrollTop = 0; });
    await page.focus('#ansicht-raster');
    await page.focus('#raster');
    assert.equal(await readout(), '120: keine Primzahl');
    await page.keyboard.press('Control+Home');
    await page.click('#raster .zelle[data-zahl="7"]');
    assert.equal(await readout(), '7: Primzahl');
    assert.equal(await page.getAttribute('#raster .zelle[data-zahl="7"]', 'title'), '7: Primzahl');
    // A press on a cell further right gives the focus without scrolling the cell away first.
    await page.focus('#ansicht-raster');
    await page.$eval('#raster', (b) => { b.scrollLeft = b.scrollWidth; });
    await page.waitForSelector('#raster .zelle[data-zahl="119"]');
    await page.click('#raster .zelle[data-zahl="119"]');
    assert.equal(await readout(), '119: keine Primzahl');
    assert.equal(await active(), '119');
    await page.click('#ansicht-liste');
    assert.equal(await page.isVisible('#liste'), true);
    assert.equal(await page.isHidden('#raster'), true);
  });

  it('gives every control a target of at least 24 × 24 px', async () => {
    for (const [width, height] of sizes) {
      await open(width, height, '?von=1&bis=45000&laenge=90');
      await page.check('#modelle');
      for (const view of ['#ansicht-liste', '#ansicht-raster']) {
        await page.click(view);
        const small = await page.$$eval('button, input, select, summary, a[href], [tabindex="0"]', (nodes) => nodes
          .filter((n) => n.getClientRects().length > 0)
          .map((n) => [n.id || n.textContent.trim() || n.tagName, n.getBoundingClientRect()])
          .filter(([, r]) => r.width < 24 || r.height < 24).map(([name, r]) => `${name} ${r.width}×${r.height}`));
        assert.deepEqual(small, [], `at ${width} px`);
        const cells = await page.$$eval('#raster .zelle', (nodes) => nodes.filter((n) => {
          const r = n.getBoundingClientRect(); return r.width < 24 || r.height < 24;
        }).length);
        assert.equal(cells, 0, `grid cells at ${width} px`);
      }
    }
  });

  it('turns dark with the system, with readable text and marks, and takes screenshots', async () => {
    fs.mkdirSync(shots, { recursive: true });
    for (const scheme of ['light', 'dark']) {
      await page.emulateMedia({ colorScheme: scheme });
      for (const [width, height] of [[390, 844], [1280, 800]]) {
        await open(width, height, '?von=1&bis=45000&laenge=90');
        await page.waitForSelector('#liste-zeilen > .z');
        const colours = await page.evaluate(() => {
          const style = (selector, property) => getComputedStyle(document.querySelector(selector))[property];
          return {
            page: style('body', 'backgroundColor') === 'rgba(0, 0, 0, 0)' ? style('html', 'backgroundColor') : style('body', 'backgroundColor'),
            text: style('body', 'color'), surface: style('section', 'backgroundColor'), sectionText: style('section h2', 'color'),
            list: style('#liste', 'backgroundColor'), prime: style('#liste-zeilen .z-marken .p', 'color'),
            primeGround: style('#liste-zeilen .z-marken .p', 'backgroundColor'),
            other: style('#liste-zeilen .z-marken', 'color'), count: style('#liste-zeilen .z-anzahl', 'color'),
          };
        });
        const dark = contrast(colours.page, 'rgb(0, 0, 0)') < 2;
        assert.equal(dark, scheme === 'dark', `${scheme}: page background ${colours.page}`);
        for (const [text, ground] of [['text', 'page'], ['sectionText', 'surface'], ['prime', 'primeGround'], ['other', 'list'], ['count', 'list']]) {
          assert.ok(contrast(colours[text], colours[ground]) >= 4.5, `${scheme}: ${text} ${colours[text]} on ${colours[ground]}`);
        }
        assert.notEqual(colours.prime, colours.other, 'a prime\'s mark stands out');
        await page.screenshot({ path: path.join(shots, `telefon-${width}-${scheme}.png`) });
        await page.click('#ansicht-raster');
        await page.waitForSelector('#raster .zelle');
        await page.locator('#zeilen').screenshot({ path: path.join(shots, `telefon-${width}-${scheme}-raster.png`) });
      }
    }
    await page.emulateMedia({ colorScheme: 'light' });
  });

  it('scans again by itself shortly after the slider stops, for a small range only', async () => {
    await open(390, 844, '?von=1&bis=45000&laenge=90');
    // Every scan writes its row length into the fit's fields; count those writes.
    const scans = () => page.evaluate(() => window.scansSeen);
    const scanned = () => page.textContent('#feld-laenge');
    await page.evaluate(() => {
      window.scansSeen = 0;
      new MutationObserver(() => { window.scansSeen++; }).observe(document.getElementById('feld-laenge'), { childList: true });
    });
    await page.focus('#schieber');
    for (let i = 0; i < 3; i++) await page.keyboard.press('ArrowRight');
    await page.waitForFunction(() => document.getElementById('feld-laenge').textContent === '93', null, { timeout: 5000 });
    await page.waitForTimeout(300);
    assert.equal(await scans(), 1, 'three quick steps make one scan');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'schieber', 'the focus stays on the slider');
    // Each scan starts from the range as given, not from the last one's whole rows.
    await page.keyboard.press('ArrowRight');
    await page.waitForFunction(() => document.getElementById('feld-laenge').textContent === '94', null, { timeout: 5000 });
    assert.deepEqual([await page.inputValue('#von'), await page.inputValue('#bis')], ['1', '44.932']);

    await page.fill('#bis', '10000000');
    await page.focus('#schieber');
    await page.keyboard.press('ArrowRight');
    assert.equal(await page.inputValue('#laenge'), '95');
    await page.waitForTimeout(800);
    assert.equal(await scanned(), '94', 'a range of ten million waits for Berechnen');
    assert.equal(await scans(), 2);
    assert.equal(await page.isHidden('#arbeit'), true);

    // Nor does it break off the row lengths being compared.
    await scan(page, 1, 1000000, 90);
    await page.click('#vergleich-start');
    await page.focus('#schieber');
    await page.keyboard.press('ArrowRight');
    await page.waitForTimeout(600);
    await page.waitForSelector('#vergleich-ergebnis:not([hidden])', { timeout: 20000 });
    assert.equal(await scanned(), '90');
  });
});
