// Shared pieces of the browser tests: a static server for the built page, the system's
// Chromium, and the few steps every test takes on the page.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import os from 'node:os';
import { chromium } from 'playwright-core';

export const webDir = path.resolve(process.env.PRIMZEILEN_WEB_DIR || 'build/web');
export const chromiumPath = process.env.PRIMZEILEN_CHROMIUM || '/usr/bin/chromium';

const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml' };

export function serve(dir = webDir) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(dir, name === '/' ? 'index.html' : name);
    if (!file.startsWith(dir) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
    server, origin: `http://127.0.0.1:${server.address().port}`,
  })));
}

// The browser of a German user unless told another language ("en-US").
export async function launch({ locale = 'de-DE' } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'primzeilen-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    locale,
    acceptDownloads: true,
    viewport: { width: 1280, height: 800 },
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  return { context, close: async () => { await context.close(); fs.rmSync(profile, { recursive: true, force: true }); } };
}

// A test file's browser with one page of the served site, opened at the start page unless told
// otherwise; closed with close(), server and browser together.
export async function openServed({ open = true } = {}) {
  const web = await serve();
  const browser = await launch();
  const page = await browser.context.newPage();
  if (open) await page.goto(pageUrl('served', web.origin));
  return { web, browser, page, close: async () => { await browser.close(); web.server.close(); } };
}

// Where the page is opened: served over HTTP, or the single file from the folder.
export function pageUrl(mode, origin, query = '') {
  return mode === 'served' ? `${origin}/index.html${query}` : `file://${path.join(webDir, 'primzeilen.html')}${query}`;
}

// Every request a page makes must stay with the page's own origin.
export function watchRequests(page, mode, origin) {
  const foreign = [];
  page.on('request', (request) => {
    const url = request.url();
    const own = mode === 'served' ? url.startsWith(origin + '/') : url.startsWith('file://');
    if (!own && !url.startsWith('blob:') && !url.startsWith('data:')) foreign.push(url);
  });
  page.on('dialog', (dialog) => { foreign.push(`dialog: ${dialog.message()}`); dialog.dismiss(); });
  return foreign;
}

// Types the three fields and presses Berechnen; resolves with the status or the refusal.
export async function scan(page, von, bis, laenge) {
  await page.fill('#von', String(von));
  await page.fill('#bis', String(bis));
  await page.fill('#laenge', String(laenge));
  await page.evaluate(() => { document.getElementById('status').textContent = ''; document.getElementById('meldung').textContent = ''; });
  await page.click('#berechnen');
  await page.waitForFunction(() => document.getElementById('status').textContent || document.getElementById('meldung').textContent,
    null, { timeout: 60000 });
  return { status: await page.textContent('#status'), message: await page.textContent('#meldung') };
}

// Every line of the listing as the page draws it, read screen by screen with the keyboard.
export async function listedLines(page) {
  await page.focus('#liste');
  await page.keyboard.press('Home');
  const lines = new Map();
  for (;;) {
    await page.waitForFunction(() => !document.querySelector('#liste-zeilen > .laedt'));
    const shown = await page.$$eval('#liste-zeilen > div', (nodes) => nodes.map((n) => [Number(n.dataset.zeile), n.textContent, n.getAttribute('aria-setsize')]));
    for (const [index, text] of shown) lines.set(index, text);
    const total = Number(shown[0][2]);
    if (lines.has(total - 1)) return [...Array(total).keys()].map((i) => lines.get(i));
    await page.keyboard.press('PageDown');
  }
}

export async function downloadText(page, button) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
  const file = await download.path();
  return { name: download.suggestedFilename(), bytes: fs.readFileSync(file) };
}

// The installable page's files: its manifest and icons.
Object.assign(types, { '.webmanifest': 'application/manifest+json', '.png': 'image/png', '.ico': 'image/x-icon' });
