// How long the page takes for 1..10000000 at row length 10 in headless Chromium, from the click
// on Berechnen to the listing, the tally, the fit and the chart on screen. A measurement, not a
// test: node tests/web/benchmark.mjs [WEB_DIR]
import { serve, launch, pageUrl, scan } from './support.mjs';

const runs = 5;
const { server, origin } = await serve();
const browser = await launch();
try {
  for (const mode of ['served', 'single']) {
    const page = await browser.context.newPage();
    await page.goto(pageUrl(mode, origin));
    await scan(page, 1, 45000, 90);  // the engine compiled and warm
    const times = [];
    for (let i = 0; i < runs; i++) {
      const started = Date.now();
      const { status } = await scan(page, 1, 10000000, 10);
      if (!/^1\.000\.000 Zeilen/.test(status)) throw new Error(`unexpected status: ${status}`);
      times.push({ page: Number(await page.getAttribute('body', 'data-rechenzeit')), wall: Date.now() - started });
    }
    const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
    console.log(`${mode}: 1..10000000 at 10, median of ${runs}: page ${median(times.map((t) => t.page))} ms, ` +
      `with the browser's round trips ${median(times.map((t) => t.wall))} ms (each: ${times.map((t) => t.page).join(', ')} ms)`);
    await page.close();
  }
} finally {
  await browser.close();
  server.close();
}
