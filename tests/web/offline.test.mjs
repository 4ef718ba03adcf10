// The served page as an installed app: its service worker, its manifest and icons, working
// without a network after the first visit; and the worksheet it prints on one A4 page.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync, execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve, launch, pageUrl, scan, webDir, watchRequests, openServed } from './support.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const screenshots = process.env.PRIMZEILEN_SCREENSHOTS || path.join(path.dirname(webDir), 'web-screenshots');

// Width and height from a PNG's header.
function pngSize(bytes) {
  assert.equal(bytes.subarray(1, 4).toString('latin1'), 'PNG', 'a PNG file');
  return `${bytes.readUInt32BE(16)}x${bytes.readUInt32BE(20)}`;
}

// The pages of a PDF: its page objects, not the tree that holds them.
const pdfPages = (bytes) => (bytes.toString('latin1').match(/\/Type\s*\/Page(?![a-zA-Z])/g) || []).length;

// Responses of the page's own origin that failed (a favicon nobody wrote, a missing icon).
function watchFailures(page) {
  const failures = [];
  page.on('response', (response) => { if (response.status() >= 400) failures.push(`${response.status()} ${response.url()}`); });
  page.on('requestfailed', (request) => failures.push(`${request.failure()?.errorText} ${request.url()}`));
  return failures;
}

const storedFiles = (page) => page.evaluate(async () => {
  const names = (await caches.keys()).filter((name) => name.startsWith('primzeilen-'));
  const stored = {};
  for (const name of names) stored[name] = (await (await caches.open(name)).keys()).map((r) => new URL(r.url).pathname);
  return stored;
});

describe('served page without a network', () => {
  let web, browser;
  before(async () => { web = await serve(); browser = await launch(); });
  after(async () => { await browser.close(); web.server.close(); });

  it('registers its service worker and, after the first visit, opens and computes offline', async () => {
    const page = await browser.context.newPage();
    const foreign = watchRequests(page, 'served', web.origin);
    const failures = watchFailures(page);
    await page.goto(pageUrl('served', web.origin));
    assert.equal(await page.evaluate(async () => new URL((await navigator.serviceWorker.ready).active.scriptURL).pathname), '/sw.js');
    await page.reload();
    assert.equal(await page.evaluate(() => navigator.serviceWorker.controller && new URL(navigator.serviceWorker.controller.scriptURL).pathname), '/sw.js');
    const stored = Object.values(await storedFiles(page));
    assert.equal(stored.length, 1, 'one store of files');
    for (const file of ['/index.html', '/app.js', '/worker.js', '/print.css', '/primzeilen-core.js', '/primzeilen-core.wasm',
      '/manifest.webmanifest', '/icons/primzeilen-192.png']) assert.ok(stored[0].includes(file), `${file} stored`);

    // The network gone for good: the browser offline and the server closed.
    await browser.context.setOffline(true);
    web.server.closeAllConnections();
    await new Promise((resolve) => web.server.close(resolve));
    await page.reload();
    const { status, message } = await scan(page, 1, 45000, 90);
    assert.equal(message, '');
    assert.match(status, /^500 Zeilen von 1 bis 45\.?000 mit je 90 Zahlen/);
    assert.ok(await page.isVisible('#bild svg'), 'the chart is drawn');
    // A link to a computation opens from the store as well.
    await page.goto(`${web.origin}/?von=1&bis=10000&laenge=120`);
    await page.waitForFunction(() => document.getElementById('status').textContent || document.getElementById('meldung').textContent);
    assert.match(await page.textContent('#status'), /^83 Zeilen von 1 bis 9960 mit je 120 Zahlen/);
    assert.deepEqual(foreign, []);
    assert.deepEqual(failures.filter((f) => !f.includes('ERR_INTERNET_DISCONNECTED')), []);
    await page.close();
  });

  it('a new build replaces the files an older one stored', async () => {
    // The page in a folder of its own, and beside it a page outside the service worker's reach
    // from which the test watches the stores of the same origin.
    const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'primzeilen-web-'));
    const app = path.join(copy, 'app');
    fs.cpSync(webDir, app, { recursive: true });
    fs.writeFileSync(path.join(copy, 'index.html'), '<!doctype html><title>Beobachter</title>');
    const server = await serve(copy);
    const fresh = await launch();
    try {
      const page = await fresh.context.newPage();
      await page.goto(`${server.origin}/app/index.html`);
      await page.evaluate(() => navigator.serviceWorker.ready);
      const watcher = await fresh.context.newPage();
      await watcher.goto(`${server.origin}/`);
      const [before] = Object.keys(await storedFiles(watcher));

      // What web/assemble writes for changed files: the page, and a new version in sw.js.
      fs.appendFileSync(path.join(app, 'index.html'), '<!-- neu -->\n');
      const worker = fs.readFileSync(path.join(app, 'sw.js'), 'utf8');
      fs.writeFileSync(path.join(app, 'sw.js'), worker.replace(/const VERSION = '([0-9a-f]+)'/, "const VERSION = '$1neu'"));
      // The new worker stores the new build beside the old one, which the open page still uses.
      const state = () => watcher.evaluate(async () => {
        const registration = await navigator.serviceWorker.getRegistration('/app/');
        return { waiting: Boolean(registration.waiting), active: registration.active && registration.active.state };
      });
      await page.evaluate(async () => {
        const registration = await navigator.serviceWorker.getRegistration();
        await registration.update();
        const next = registration.installing || registration.waiting;
        if (!next) throw new Error('no new service worker');
        while (next.state === 'installing') await new Promise((resolve) => next.addEventListener('statechange', resolve, { once: true }));
      });
      assert.deepEqual(await state(), { waiting: true, active: 'activated' });
      assert.deepEqual(Object.keys(await storedFiles(watcher)).sort(), [before, before + 'neu']);

      // It takes over once no page of the old one is open, and deletes the old store.
      await page.close();
      let stored = [];
      for (let tries = 0; tries < 100; tries++) {
        stored = Object.keys(await storedFiles(watcher));
        if (stored.length === 1 && !(await state()).waiting) break;
        await watcher.waitForTimeout(100);
      }
      assert.deepEqual(stored, [before + 'neu']);
      const storedPage = await watcher.evaluate(async (name) => (await (await caches.open(name)).match('/app/index.html')).text(), stored[0]);
      assert.ok(storedPage.endsWith('<!-- neu -->\n'), 'the new page is stored');
    } finally {
      await fresh.close();
      server.server.close();
      fs.rmSync(copy, { recursive: true, force: true });
    }
  });
});

describe('installable', () => {
  let web;
  before(async () => { web = await serve(); });
  after(() => web.server.close());

  it('names in its manifest icons the server gives in their sizes, and its favicon', async () => {
    const response = await fetch(`${web.origin}/manifest.webmanifest`);
    assert.equal(response.headers.get('content-type'), 'application/manifest+json');
    const manifest = await response.json();
    const style = fs.readFileSync(path.join(webDir, 'style.css'), 'utf8');
    for (const colour of [manifest.theme_color, manifest.background_color]) assert.ok(style.includes(colour), `${colour} is one of the page's colours`);

    const sizes = new Set();
    for (const icon of manifest.icons) {
      const file = await fetch(new URL(icon.src, response.url));
      assert.equal(file.status, 200, icon.src);
      assert.equal(file.headers.get('content-type'), icon.type, icon.src);
      if (icon.type !== 'image/png') continue;
      assert.equal(pngSize(Buffer.from(await file.arrayBuffer())), icon.sizes, icon.src);
      sizes.add(`${icon.sizes} ${icon.purpose || 'any'}`);
    }
    for (const need of ['192x192 any', '512x512 any', '512x512 maskable']) assert.ok(sizes.has(need), need);

    // Every file the page's head names is there; the favicon is the 32-pixel icon.
    const head = await (await fetch(`${web.origin}/`)).text();
    const links = [...head.matchAll(/<link [^>]*href="([^"]+)"/g)].map((m) => m[1]);
    for (const link of links) assert.equal((await fetch(new URL(link, `${web.origin}/`))).status, 200, link);
    const favicon = /<link rel="icon" href="([^"]+)"/.exec(head);
    assert.ok(favicon, 'a favicon');
    assert.equal(pngSize(Buffer.from(await (await fetch(new URL(favicon[1], `${web.origin}/`))).arrayBuffer())), '32x32');
  });

  it('the single file asks for nothing: its favicon inline, no manifest, no service worker', async () => {
    const browser = await launch();
    try {
      const page = await browser.context.newPage();
      const failures = watchFailures(page);
      const requested = [];
      page.on('request', (request) => { if (!request.url().startsWith('data:') && !request.url().startsWith('blob:')) requested.push(request.url()); });
      await page.goto(pageUrl('single', web.origin));
      const { status } = await scan(page, 1, 45000, 90);
      assert.match(status, /^500 Zeilen/);
      assert.deepEqual(requested.map((url) => path.basename(new URL(url).pathname)), ['primzeilen.html']);
      assert.match(await page.getAttribute('link[rel=icon]', 'href'), /^data:image\/png;base64,/);
      assert.equal(await page.$('link[rel=manifest]'), null);
      await page.emulateMedia({ media: 'print' });
      assert.deepEqual([await page.isVisible('#eingabe'), await page.isVisible('.blatt-kopf')], [false, true], 'its print style inline');
      assert.deepEqual(failures, []);
    } finally { await browser.close(); }
  });

  it('is not assembled without its icons, and says which are missing', () => {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'primzeilen-assemble-'));
    try {
      const core = path.join(webDir, 'primzeilen-core.js');
      const run = spawnSync(process.execPath, [path.join(here, '../../web/assemble'), path.join(folder, 'web'), core, core], {
        env: { ...process.env, PRIMZEILEN_DATA_DIR: path.join(folder, 'data') }, encoding: 'utf8',
      });
      assert.equal(run.status, 1, run.stderr);
      assert.match(run.stderr, /Symbole der Seite fehlen: .*maskable-512\.png/);
      assert.ok(!fs.existsSync(path.join(folder, 'web')), 'nothing written');
    } finally { fs.rmSync(folder, { recursive: true, force: true }); }
  });
});

describe('worksheet', () => {
  let page, close;
  before(async () => ({ page, close } = await openServed()));
  after(() => close());

  async function printedPages(name) {
    const pdf = await page.pdf({ format: 'A4' });
    if (name) {
      fs.mkdirSync(screenshots, { recursive: true });
      const file = path.join(screenshots, `${name}.pdf`);
      fs.writeFileSync(file, pdf);
      try {
        execFileSync('pdftoppm', ['-png', '-r', '80', '-singlefile', file, path.join(screenshots, name)]);
      } catch { /* without poppler-utils the PDF stays for a look */ }
    }
    return pdfPages(pdf);
  }

  // The worksheet's table, its bands put back together as the page's table lists it: x down.
  const printedTable = () => page.$$eval('#blatt-tabelle table', (tables) => {
    const rows = [];
    for (const table of tables) {
      const [x, h, b] = [...table.rows].map((row) => [...row.cells].slice(1).map((cell) => cell.textContent));
      x.forEach((value, i) => rows.push([value, h[i], b[i]]));
    }
    return rows;
  });
  // The page's table without the heading of its group of rows above 20 primes.
  const shownTable = () => page.$$eval('#tabelle tbody tr', (rows) => rows.map((r) => [...r.children].map((c) => c.textContent))
    .filter((cells) => cells.length === 3));

  it('prints 1..45000 at 90 on one A4 page: range, chart, table and fit; no form, buttons, help or listing', async () => {
    await page.emulateMedia({ media: 'screen' });
    const { status } = await scan(page, 1, 45000, 90);
    assert.match(status, /^500 Zeilen/);
    assert.ok(!(await page.isVisible('.blatt-kopf')) && !(await page.isVisible('#blatt-tabelle')), 'the sheet stays off the screen');
    const table = await shownTable();

    await page.evaluate(() => { window.gedruckt = 0; window.print = () => { window.gedruckt++; }; });
    await page.click('#drucken');
    assert.equal(await page.evaluate(() => window.gedruckt), 1, 'Arbeitsblatt drucken prints');

    await page.emulateMedia({ media: 'print' });
    for (const hidden of ['body > header', '#eingabe', '#berechnen', '#drucken', '#hilfe', '#zeilen', '#liste', '#tabelle', '#modelle', '#vergleich']) {
      assert.ok(!(await page.isVisible(hidden)), `${hidden} is not printed`);
    }
    for (const shown of ['.blatt-titel', '#bild svg', '#blatt-tabelle table', '#feld-n', '#feld-p', '#feld-mean-h', '#feld-sd-h']) {
      assert.ok(await page.isVisible(shown), `${shown} is printed`);
    }
    assert.equal(await page.textContent('.blatt-titel'), 'Primzeilen – Häufigkeit von Primzahlen');
    assert.deepEqual(await page.$$eval('#blatt-bereich, #blatt-laenge, #blatt-zeilen', (n) => n.map((e) => e.textContent)), ['1 bis 45.000', '90', '500']);
    assert.deepEqual(await printedTable(), table, 'the printed table holds the page\'s');
    const [chart, sheet] = await page.evaluate(() => [document.querySelector('#bild svg').getBoundingClientRect().width, document.querySelector('main').getBoundingClientRect().width]);
    assert.ok(chart > sheet * 0.9 && chart <= sheet, `the chart as wide as the sheet: ${chart} of ${sheet}`);
    assert.equal(await printedPages('arbeitsblatt_1_45000_90'), 1);
  });

  it('stays one page at 1..10000 at 120 with the models shown, and groups digits from five digits on', async () => {
    await page.emulateMedia({ media: 'screen' });
    await scan(page, 1, 10000, 120);
    await page.check('#modelle');
    await page.waitForSelector('#bild .legende-eintrag[data-reihe="cramer"]');
    const table = await shownTable();
    await page.emulateMedia({ media: 'print' });
    assert.ok(await page.isVisible('#bild .legende-eintrag[data-reihe="cramer"]'), 'the models\' legend is printed');
    assert.equal(await page.textContent('#blatt-bereich'), '1 bis 9960');
    assert.deepEqual(await printedTable(), table);
    assert.equal(await printedPages('arbeitsblatt_1_10000_120'), 1);
    // Printing draws the chart at the sheet's width: every bar and point of it on the paper.
    const cut = await page.evaluate(() => {
      window.dispatchEvent(new Event('beforeprint'));
      const box = document.getElementById('bild').getBoundingClientRect();
      const svg = document.querySelector('#bild svg.diagramm');
      return [Number(svg.getAttribute('width')), [...svg.querySelectorAll('.marke, .punkt')].filter((mark) => {
        const r = mark.getBoundingClientRect();
        return r.left < box.left - 0.5 || r.right > box.right + 0.5;
      }).length];
    });
    assert.deepEqual(cut, [687, 0], 'drawn 182 mm wide, nothing cut off');
    await page.evaluate(() => window.dispatchEvent(new Event('afterprint')));

    await page.emulateMedia({ media: 'screen' });
    await page.uncheck('#modelle');
    await scan(page, -45000, 45000, 90);
    assert.deepEqual(await page.$$eval('#von, #bis', (n) => n.map((e) => e.value)), ['-44.999', '45.000'], 'the range on whole rows');
    assert.deepEqual(await page.$$eval('#blatt-bereich, #blatt-zeilen', (n) => n.map((e) => e.textContent)), ['-44.999 bis 45.000', '1000']);
  });
});
