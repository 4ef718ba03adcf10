// The page in English: with ?lang=en and in an English browser every text it shows, reads out or
// saves is English, its numbers too; the switch, the link and the single file keep the language;
// German stays the default. The catalogues hold an English for every text.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { createRequire } from 'node:module';
import vm from 'node:vm';
import { serve, launch, pageUrl, scan, downloadText } from './support.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const axeSource = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

// Words that give German away, its letters and its low opening quote; the marks O and + and the
// language's own name on the switch are no German text.
const GERMAN = /\b(Zeilen?|Zahlen?|Primzahl\w*|Häufigkeit\w*|und|der|die|das|von|bis|mit|nicht|keine|ist|wird|Anteil|Berechn\w*|Tabelle|Diagramm|Bild|speichern|Liste|Hilfe|angepasst\w*|Modell\w*|Erwartungswert|Standardabweichung|Seite|Abbrechen|Summe|gesamt|mal|Legende|Momente)\b|[äöüÄÖÜß„]/;
const germanLines = (text) => text.split('\n').filter((line) => GERMAN.test(line.replace(/\bDeutsch\b/g, '')));

// Everything the page shows or names for a screen reader: its text, labels, titles and pictures.
const pageTexts = (page) => page.evaluate(() => [document.title, document.body.innerText,
  ...[...document.querySelectorAll('[aria-label], [title]')].flatMap((e) => [e.getAttribute('aria-label') || '', e.getAttribute('title') || '']),
  ...[...document.querySelectorAll('svg title, svg text')].map((e) => e.textContent)].join('\n'));

async function showEverything(page) {
  await page.check('#modelle');
  await page.waitForSelector('#bild .legende-eintrag[data-reihe="cramer"]');
  await page.click('#vergleich-start');
  await page.waitForSelector('#vergleich-ergebnis:not([hidden])', { timeout: 60000 });
  await page.click('#hilfe-knopf');
}

let web;
before(async () => { web = await serve(); });
after(() => web.server.close());

describe('the page in English', () => {
  it('speaks English everywhere with ?lang=en, and its switch and links keep the language', async () => {
    const browser = await launch();
    try {
      const page = await browser.context.newPage();
      await page.goto(pageUrl('served', web.origin, '?lang=en'));
      assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
      assert.equal(await page.inputValue('#bis'), '45,000', 'the first upper bound in English digits');
      const { status } = await scan(page, 1, '18,000', 90);
      assert.match(status, /^Computed 200 rows from 1 to 18,000, 90 numbers each \(\d+\.\d\d s\); 1 row has more than 20 primes \(24\)/);
      assert.match(await page.textContent('#feld-p'), /^0\.\d{4}$/);
      await showEverything(page);
      assert.deepEqual(germanLines(await pageTexts(page)), [], 'the list, fit, chart, models, row lengths and help');
      await page.click('#ansicht-raster');
      await page.focus('#raster');
      await page.check('#fenster-bild');
      assert.deepEqual(germanLines(await pageTexts(page)), [], 'the number grid and the window\'s picture');
      await page.addScriptTag({ content: axeSource });
      const violations = await page.evaluate(async () => (await window.axe.run(document,
        { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] } })).violations.map((v) => v.id));
      assert.deepEqual(violations, []);

      const listing = (await downloadText(page, '#liste-speichern')).bytes.toString('utf8');
      assert.match(listing, /^Primes\/row: count, relative frequency$/m);
      assert.match(listing, /^ +0 +: +0 rows, +0\.00000$/m);
      assert.deepEqual(germanLines(listing), [], 'the saved listing');
      const picture = (await downloadText(page, '#svg-speichern')).bytes.toString('utf8');
      assert.match(picture, />Primes from 1 to 18,000, 90 numbers per row</, "the saved picture's heading");
      assert.deepEqual(germanLines(picture.replace(/<[^>]*>/g, '\n')), [], 'the saved picture');
      const refused = await scan(page, 1, '45.000', 90);
      assert.equal(refused.message, '"45.000" is not a valid whole number.', 'a German thousands dot is no English number');

      await scan(page, 1, 18000, 90);
      await page.click('#link');
      const link = new URL(await page.inputValue('#link-text'));
      assert.deepEqual([link.searchParams.get('lang'), link.searchParams.get('bis')], ['en', '18000']);
      // Back to German: this browser is German, so the address needs no language; the range stays.
      assert.equal(await page.getAttribute('#sprache [data-sprache="en"]', 'aria-pressed'), 'true');
      await Promise.all([page.waitForURL((url) => !url.searchParams.has('lang')), page.click('#sprache [data-sprache="de"]')]);
      await page.waitForFunction(() => document.getElementById('status').textContent);
      assert.equal(await page.evaluate(() => document.documentElement.lang), 'de');
      assert.match(await page.textContent('#status'), /^200 Zeilen von 1 bis 18\.000 mit je 90 Zahlen berechnet/);
    } finally { await browser.close(); }
  });

  it('follows an English browser, in the single file from a folder too, until German is chosen', async () => {
    const browser = await launch({ locale: 'en-US' });
    try {
      const page = await browser.context.newPage();
      await page.goto(pageUrl('single', web.origin));
      assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
      assert.match((await scan(page, 5, 2010, 20)).status,
        /^Computed 100 rows from 1 to 2000, 20 numbers each \(\d+\.\d\d s\); adjusted lower bound 5 to 1, upper bound 2010 to 2000 \(whole rows\)\.$/);
      await page.check('#modelle');
      await page.waitForSelector('#bild .legende-eintrag[data-reihe="cramer"]');
      await page.click('#hilfe-knopf');
      assert.deepEqual(germanLines(await pageTexts(page)), []);
      assert.match(await page.textContent('#bild .legende-eintrag[data-reihe="cramer"]'), /^Cramér's model: TV \d\.\d{3}$/, 'the engine\'s legend');
      // Refusals and failures: the page's words and the engine's.
      assert.equal((await scan(page, 1, 89, 90)).message, 'from 1 to 89 leaves no whole row of 90 numbers.');
      assert.equal((await scan(page, 1, 1000, 9)).message, 'Numbers per row: 10 to 120 on this page, not 9.');
      await scan(page, 1131, 1150, 10);
      assert.equal(await page.textContent('#anpassung-meldung'), 'Invalid floating-point operation.', 'a range without primes has no fit');
      // A range below zero: its link opens the same rows, here in German.
      assert.match((await scan(page, -1000, 1000, 20)).status, /^Computed 100 rows from -999 to 1000, 20 numbers each /);
      await page.focus('#sprache [data-sprache="de"]');
      await Promise.all([page.waitForURL((url) => url.searchParams.get('lang') === 'de'), page.keyboard.press('Enter')]);
      await page.waitForFunction(() => document.getElementById('status').textContent);
      assert.equal(await page.textContent('#berechnen'), 'Berechnen');
      assert.match(await page.textContent('#status'), /^100 Zeilen von -999 bis 1000 mit je 20 Zahlen berechnet/);
    } finally { await browser.close(); }
  });

  it('shows no German while its texts are still on the way', async () => {
    const browser = await launch({ locale: 'en-US' });
    try {
      const page = await browser.context.newPage();
      // The texts arrive late: until they are in, the page stays hidden.
      let release;
      const arrived = new Promise((resolve) => { release = resolve; });
      await page.route('**/texts.js', async (route) => { await arrived; await route.continue(); });
      await page.goto(pageUrl('served', web.origin, '?lang=en'), { waitUntil: 'commit' });
      await page.waitForSelector('#berechnen', { state: 'attached' });
      assert.equal(await page.evaluate(() => getComputedStyle(document.body).opacity), '0');
      release();
      await page.waitForFunction(() => getComputedStyle(document.body).opacity === '1');
      assert.equal(await page.textContent('#berechnen'), 'Compute');
    } finally { await browser.close(); }
  });

  it('speaks German by default and in a German browser', async () => {
    for (const locale of ['fr-FR', 'de-DE']) {
      const browser = await launch({ locale });
      try {
        const page = await browser.context.newPage();
        await page.goto(pageUrl('served', web.origin));
        assert.deepEqual([await page.evaluate(() => document.documentElement.lang), await page.textContent('#berechnen'), await page.inputValue('#bis')],
          ['de', 'Berechnen', '45.000'], locale);
        assert.equal(await page.getAttribute('#sprache [data-sprache="de"]', 'aria-pressed'), 'true');
      } finally { await browser.close(); }
    }
  });

  it('writes and reads numbers the English way, and refuses the German thousands dot', () => {
    const context = { window: { PrimzeilenLanguage: { language: 'en', translate: (c, source) => source.replace('„%1“', '"%1"') } } };
    vm.runInNewContext(fs.readFileSync(path.join(here, '../../web/page/numbers.js'), 'utf8'), context);
    const Numbers = context.window.PrimzeilenNumbers;
    assert.deepEqual([45000, -10000000, 9999, 0.05, -0.001].map((n) => Numbers.format(n)), ['45,000', '-10,000,000', '9999', '0.05', '-0.001']);
    assert.deepEqual([Numbers.format(12345.678, 1), Numbers.format(-0.001, 2)], ['12,345.7', '0.00']);
    for (const [text, value] of [['1,000,000', 1e6], ['45 000', 45000], ['-45,000', -45000], ['1e6', 1e6]]) assert.equal(Numbers.parse(text), value, text);
    for (const text of ['45.000', '4,5', '1,00,000', '45,00']) assert.throws(() => Numbers.parse(text), { message: `"${text}" ist keine gültige ganze Zahl.` }, text);
  });

  it('has an English for every text its catalogues list', () => {
    for (const name of ['page_en.ts']) {
      const catalogue = fs.readFileSync(path.join(here, '../../translations', name), 'utf8');
      const messages = catalogue.split('<message>').slice(1);
      assert.ok(messages.length > 10, name);
      const missing = messages.filter((m) => !/<translation>[^<]+<\/translation>/.test(m)).map((m) => /<source>([^<]*)/.exec(m)[1]);
      assert.deepEqual(missing, [], name);
    }
  });
});
