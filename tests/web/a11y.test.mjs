// Keyboard, screen readers and small screens: axe-core on the page with every part shown, the
// focus order, and the page at a phone's width and at 200 % zoom. Saves screenshots for a look.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { pageUrl, scan, openServed } from './support.mjs';

const axeSource = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const shots = path.resolve(process.env.PRIMZEILEN_SCREENSHOTS || 'build/web-screenshots');

let web, browser, page, close;
before(async () => ({ web, browser, page, close } = await openServed()));
after(() => close());

async function showEverything() {
  await scan(page, 1, 45000, 90);
  await page.check('#modelle');
  await page.waitForSelector('#bild .legende-eintrag[data-reihe="cramer"]');
  await page.click('#vergleich-start');
  await page.waitForSelector('#vergleich-ergebnis:not([hidden])', { timeout: 60000 });
}

// Every violation of the WCAG 2.2 A and AA rules, of any impact.
const axeViolations = () => page.evaluate(async () => (await window.axe.run(document,
  { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] } })).violations
  .map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));

describe('accessibility', () => {
  it('breaks no WCAG 2.2 AA rule at 320, 390 and 1280 px, with results, models, row lengths, the grid and a refusal shown', async () => {
    await showEverything();
    await page.addScriptTag({ content: axeSource });
    for (const [width, height] of [[320, 568], [390, 844], [1280, 800]]) {
      await page.setViewportSize({ width, height });
      assert.deepEqual(await axeViolations(), [], `at ${width} px`);
    }
    // The grid and the help shown, in dark colours, at a phone's width.
    await page.setViewportSize({ width: 390, height: 844 });
    await page.emulateMedia({ colorScheme: 'dark' });
    await page.click('#ansicht-raster');
    await page.focus('#raster');
    await page.click('#hilfe-knopf');
    assert.deepEqual(await axeViolations(), [], 'grid and help, dark');
    await page.emulateMedia({ colorScheme: 'light' });
    await page.click('#ansicht-liste');
    await page.setViewportSize({ width: 1280, height: 800 });
    await scan(page, 'x', 45000, 90);
    assert.deepEqual(await axeViolations(), [], 'refusal');
  });

  it('moves the focus as the window does and starts a scan from the keyboard alone', async () => {
    await page.reload();
    assert.equal(await page.evaluate(() => document.activeElement.id), 'berechnen');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => document.getElementById('status').textContent);
    assert.match(await page.textContent('#status'), /^500 Zeilen/);
    await page.focus('#von');
    const order = [];
    for (let i = 0; i < 4; i++) {
      await page.keyboard.press('Tab');
      order.push(await page.evaluate(() => document.activeElement.id));
    }
    assert.deepEqual(order, ['bis', 'schieber', 'laenge', 'berechnen']);
    // The slider writes the field, and Enter in a field scans what the fields say.
    await page.focus('#schieber');
    await page.keyboard.press('End');
    assert.equal(await page.inputValue('#laenge'), '120');
    await page.focus('#bis');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => /je 120 Zahlen/.test(document.getElementById('status').textContent));
    // A typed length moves the slider to its end and stays as typed for the scan; Shift+Enter
    // writes back where the slider stopped, unless it already stood there.
    await page.fill('#schieber', '90');
    await page.fill('#laenge', '200');
    await page.keyboard.press('Tab');
    assert.deepEqual([await page.inputValue('#laenge'), await page.inputValue('#schieber')], ['200', '120']);
    await page.fill('#schieber', '90');
    await page.fill('#laenge', '200');
    await page.keyboard.press('Shift+Enter');
    assert.deepEqual([await page.inputValue('#laenge'), await page.inputValue('#schieber')], ['120', '120']);
    await page.fill('#laenge', '200');
    await page.keyboard.press('Shift+Enter');
    assert.equal(await page.inputValue('#laenge'), '200');
  });

  for (const [width, height, scale, name] of [[1280, 800, 1, 'seite-1280x800'], [390, 844, 1, 'seite-390x844'],
    [320, 640, 1, 'seite-320'], [640, 400, 2, 'seite-zoom-200']]) {
    it(`fits ${width} px of width${scale > 1 ? ' at 200 % zoom' : ''} without scrolling sideways`, async () => {
      const context = browser.context;
      const narrow = await context.newPage();
      await narrow.setViewportSize({ width, height });
      await narrow.goto(pageUrl('served', web.origin, '?von=1&bis=45000&laenge=90'));
      await narrow.waitForFunction(() => document.getElementById('status').textContent);
      await narrow.check('#modelle');
      await narrow.waitForSelector('#bild .legende-eintrag[data-reihe="cramer"]');
      await narrow.click('#vergleich-start');
      await narrow.waitForSelector('#vergleich-ergebnis:not([hidden])', { timeout: 60000 });
      if (scale > 1) await narrow.evaluate(() => { document.body.style.zoom = '2'; });
      const wide = await narrow.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
      assert.ok(wide <= 0, `the page is ${wide} px wider than the window`);
      fs.mkdirSync(shots, { recursive: true });
      await narrow.screenshot({ path: path.join(shots, `${name}.png`) });
      await narrow.screenshot({ path: path.join(shots, `${name}-ganz.png`), fullPage: true });
      await narrow.close();
    });
  }
});
