// What the page says: refusals with their reason and the field at fault, the numbers it reads
// and writes in its own format, the rows above 20 primes in the status and the table, the table
// down the page as CSV, and a help that speaks of the page.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import vm from 'node:vm';
import { fileURLToPath } from 'node:url';
import { scan, downloadText, webDir, openServed } from './support.mjs';

const cli = process.env.PRIMZEILEN_CLI || 'build/src/cli/primzeilen-cli';
const here = path.dirname(fileURLToPath(import.meta.url));

// numbers.js as the page loads it, in a window of its own.
function loadNumbers() {
  const context = { window: {} };
  vm.runInNewContext(fs.readFileSync(path.join(here, '../../web/page/numbers.js'), 'utf8'), context);
  return context.window.PrimzeilenNumbers;
}

// The primes of every row from..to at `length`, counted with a sieve of our own.
function rowCounts(from, to, length) {
  const composite = new Uint8Array(to + 1);
  for (let i = 2; i * i <= to; i++) if (!composite[i]) for (let j = i * i; j <= to; j += i) composite[j] = 1;
  const counts = [];
  for (let start = from; start + length - 1 <= to; start += length) {
    let primes = 0;
    for (let m = Math.max(start, 2); m < start + length; m++) if (!composite[m]) primes++;
    counts.push(primes);
  }
  return counts;
}

function cliJson(von, bis, laenge) {
  return JSON.parse(execFileSync(cli, ['--anpassung', '--modelle', '--format', 'json', '--still', String(von), String(bis), String(laenge)],
    { env: { ...process.env, LC_ALL: 'C.UTF-8' }, maxBuffer: 1 << 26 }).toString('utf8'));
}

describe('the page\'s number format', () => {
  const Numbers = loadNumbers();

  it('groups five digits and more with a dot, decimals with a comma', () => {
    assert.deepEqual([45000, 1000000, 9999, -10000000, 0, -45000, 0.05, 1e-7].map((n) => Numbers.format(n)),
      ['45.000', '1.000.000', '9999', '-10.000.000', '0', '-45.000', '0,05', '0,0000001']);
    assert.equal(Numbers.format(0.123456789012345), '0,123456789012345', 'every digit kept');
    assert.equal(Number(Numbers.format(0.1 + 0.2).replace(',', '.')), 0.1 + 0.2, 'round trip');
    assert.deepEqual([Numbers.format(0.05, 2), Numbers.format(-0.001, 2), Numbers.format(12345.678, 1)], ['0,05', '0,00', '12.345,7']);
  });

  it('reads what the page writes and what people type, and refuses the rest with the windows\' message', () => {
    const read = { '45000': 45000, '45.000': 45000, '45 000': 45000, '45\u00a0000': 45000, '45\u202f000': 45000,
      '1e6': 1e6, '1E6': 1e6, '10^6': 1e6, '+5': 5, '\u22125': -5, '-10.000.000': -1e7, ' 90 ': 90, '0': 0 };
    for (const [text, value] of Object.entries(read)) assert.equal(Numbers.parse(text), value, JSON.stringify(text));
    for (const text of ['4,5', '45.00', '1.5e3', 'abc', '', '4.5000', '45 00', '1e', '--5', '10^400']) {
      assert.throws(() => Numbers.parse(text), { message: `„${text}“ ist keine gültige ganze Zahl.` }, JSON.stringify(text));
    }
    assert.deepEqual([Numbers.digits(Numbers.parse('1e12')), Numbers.digits(-45000)], ['1000000000000', '-45000']);
  });
});

let web, page, close;
before(async () => ({ web, page, close } = await openServed()));
after(() => close());

const rows = async () => page.$$eval('#tabelle tbody tr', (trs) => trs.map((tr) => [...tr.children].map((c) => c.textContent)));

describe('messages', () => {
  it('says why a range or length is refused, focuses the field at fault and leaves the fields as typed', async () => {
    const limits = 'die Seite rechnet von -10.000.000 bis 10.000.000.';
    const lengths = (typed) => `Zahlen pro Zeile: auf dieser Seite 10 bis 120, nicht ${typed}.`;
    const cases = [
      [1, 89, 90, 'von 1 bis 89 bleibt in Zeilen zu 90 Zahlen keine ganze Zeile.', 'bis'],
      [100, 150, 90, 'von 100 bis 150 bleibt in Zeilen zu 90 Zahlen keine ganze Zeile.', 'bis'],
      ['45.000', 1, 90, 'von 45.000 ist größer als bis 1.', 'von'],
      [1, 10000100, 100, `bis 10.000.100 liegt über 10.000.000; ${limits}`, 'bis'],
      [1, '1e12', 90, `bis 1.000.000.000.000 liegt über 10.000.000; ${limits}`, 'bis'],
      ['-99999999999999999999', 1, 90, `von -99999999999999999999 liegt unter -10.000.000; ${limits}`, 'von'],
      [-10000100, 100, 100, `von -10.000.100 (auf ganze Zeilen angepasst -10.000.099) liegt unter -10.000.000; ${limits}`, 'von'],
      // Adjusted to whole rows, 10,000,000 begins a row beyond the limit.
      [10000000, 10000000, 10, 'von 10.000.000 bis 10.000.000 bleibt in Zeilen zu 10 Zahlen keine ganze Zeile.', 'bis'],
      [10000000, '10.000.019', 10, `von 10.000.000 (auf ganze Zeilen angepasst 10.000.001) liegt über 10.000.000; ${limits}`, 'von'],
      [1, 45000, 5, lengths('5'), 'laenge'],
      [1, 45000, 121, lengths('121'), 'laenge'],
      [1, 45000, 1000, lengths('1000'), 'laenge'],
      [1, 45000, '100.000', lengths('100.000'), 'laenge'],
      [1, 45000, -5, lengths('-5'), 'laenge'],
      [1, 45000, 0, lengths('0'), 'laenge'],
    ];
    for (const [von, bis, laenge, expected, field] of cases) {
      await scan(page, 1, 900, 90);
      const { status, message } = await scan(page, von, bis, laenge);
      const label = `${von}..${bis} at ${laenge}`;
      assert.equal(message, expected, label);
      assert.equal(status, '', label);
      assert.equal(await page.isHidden('#ergebnisse'), true, label);
      const focus = await page.evaluate(() => {
        const field = document.activeElement;
        return [field.id, field.selectionStart, field.selectionEnd, field.value.length];
      });
      assert.deepEqual(focus, [field, 0, focus[3], focus[3]], `${label}: the field at fault, its text selected`);
      assert.deepEqual([await page.inputValue('#von'), await page.inputValue('#bis'), await page.inputValue('#laenge')],
        [String(von), String(bis), String(laenge)], `${label}: nothing typed is changed`);
    }
  });

  it('reads "45.000", "45 000", "1e6" and "10^6" as the plain digits, writes them back in its format, links plain digits', async () => {
    const plain = await scan(page, 1, 45000, 90);
    for (const bis of ['45.000', '45 000', '45\u00a0000']) {
      const { status, message } = await scan(page, '+1', bis, 90);
      assert.equal(message, '');
      assert.equal(status.replace(/\(\d+,\d+ s\)/, ''), plain.status.replace(/\(\d+,\d+ s\)/, ''), bis);
      assert.deepEqual([await page.inputValue('#von'), await page.inputValue('#bis')], ['1', '45.000']);
      assert.ok(page.url().endsWith('?von=1&bis=45000&laenge=90'), page.url());
    }
    for (const bis of ['1e6', '10^6']) {
      const { status } = await scan(page, 1, bis, 10);
      assert.match(status, /^100\.000 Zeilen von 1 bis 1\.000\.000 mit je 10 Zahlen berechnet \(\d+,\d\d s\)\.$/, bis);
      assert.equal(await page.inputValue('#bis'), '1.000.000');
    }
  });

  it('says where the bounds were moved to whole rows, and speaks of one row in the singular', async () => {
    let { status } = await scan(page, 100, 1000, 90);
    assert.match(status, /^10 Zeilen von 91 bis 990 mit je 90 Zahlen berechnet \(\d+,\d\d s\); von 100 auf 91, bis 1000 auf 990 angepasst \(ganze Zeilen\)\.$/);
    for (const von of ['\u22125', '0']) {
      ({ status } = await scan(page, von, 900, 90));
      assert.match(status, new RegExp(`\\(\\d+,\\d\\d s\\); von ${von === '0' ? '0' : '-5'} auf 1 angepasst \\(ganze Zeilen\\); `), von);
      assert.equal(await page.inputValue('#von'), '1');
    }
    ({ status } = await scan(page, 9999901, 9999990, 90));
    assert.match(status, /^1 Zeile von 9\.999\.901 bis 9\.999\.990 mit je 90 Zahlen berechnet \(\d+,\d\d s\)\.$/);
    assert.match(await page.textContent('#liste-info'), /^1 Zeile und 27 Zeilen Häufigkeiten/);
    assert.equal(await page.textContent('#anpassung dl div:nth-child(2) dt'), 'Erwartungswert von B(n;p):');
  });

  it('counts the rows above 20 primes in the status and lists them in the table, as a sieve counts them', async () => {
    for (const [bis, laenge] of [[10000, 120], [45000, 90]]) {
      const last = Math.floor(bis / laenge) * laenge;
      const counts = rowCounts(1, last, laenge);
      const over = counts.filter((c) => c > 20);
      const ks = [...new Set(over)].sort((a, b) => a - b);
      const highest = Math.max(...counts);
      const { status } = await scan(page, 1, bis, laenge);
      const rowsWord = over.length === 1 ? '1 Zeile hat' : `${over.length} Zeilen haben`;
      assert.ok(status.endsWith(`; ${rowsWord} mehr als 20 Primzahlen (${ks.join(', ')}), in der Tabelle ab x = 21.`), status);

      const table = await rows();
      // x = 0..highest, one row each, and the group's heading row above x = 21.
      assert.equal(table.length, highest + 2, `${bis} at ${laenge}`);
      const heading = table.find((row) => row.length === 1);
      assert.equal(heading[0], `mehr als 20 Primzahlen: ${over.length === 1 ? '1 Zeile' : `${over.length} Zeilen`}`);
      assert.equal(await page.isVisible('#tabelle-hinweis'), true, 'the note on h(x) beyond 20');
      assert.equal(table.indexOf(heading), 21, 'the group begins after x = 20');
      const tallied = counts.filter((c) => c <= 20).length;
      for (const row of table.filter((r) => r.length === 3)) {
        const x = Number(row[0]);
        const share = counts.filter((c) => c === x).length / (x > 20 ? counts.length : tallied);
        assert.equal(row[1], share.toFixed(4).replace('.', ','), `h(${x})`);
      }
    }
    const { status } = await scan(page, 100001, 200000, 10);
    assert.doesNotMatch(status, /mehr als 20/, 'nothing said where no row holds more');
    assert.equal(await page.isHidden('#tabelle-hinweis'), true);
  });

  it('saves the table down the page with every digit, the values of primzeilen-cli', async () => {
    await scan(page, 1, 45000, 90);
    const file = await downloadText(page, '#tabelle-seite-speichern');
    assert.equal(file.name, 'primzeilen_1_45000_90_seite.csv');
    const text = file.bytes.toString('utf8');
    assert.ok(text.startsWith('\ufeff'), 'byte order mark');
    const lines = text.slice(1).split('\r\n');
    assert.equal(lines.pop(), '', 'every line ends in CR LF');
    assert.equal(lines[0], 'x;h(x);B(n;p)');
    const cells = lines.slice(1).map((line) => line.split(';'));
    const table = (await rows()).filter((row) => row.length === 3);
    assert.deepEqual(cells.map((c) => c[0]), table.map((row) => row[0]), 'every x of the table, in its order');
    const value = (cell) => { assert.match(cell, /^\d+(,\d+)?$/); return Number(cell.replace(',', '.')); };
    const reference = cliJson(1, 45000, 90);
    const hk = reference.haeufigkeit.map((entry) => entry.anteil);
    const bk = reference.modelle.binomial;
    for (let x = 0; x <= 20; x++) {
      assert.equal(value(cells[x][1]), hk[x], `h(${x})`);
      assert.equal(value(cells[x][2]), Math.abs(bk[x]), `B(n;p;${x})`);
    }
    assert.equal(cells.length, 25, 'up to the row with 24 primes');
    assert.equal(value(cells[24][1]), 1 / 500, 'the row with 24 primes, a share of all 500 rows');
    assert.deepEqual(cells.slice(19).map((c) => c[2]), Array(6).fill('0'), `B(n;p;x) = 0 above n = ${reference.anpassung.n}`);
  });

  it('has a help that speaks of the page and its limits', async () => {
    for (const file of ['index.html', 'primzeilen.html']) {
      const html = fs.readFileSync(path.join(webDir, file), 'utf8');
      const help = html.slice(html.indexOf('<section id="hilfe"'), html.indexOf('</section>', html.indexOf('<section id="hilfe"')));
      for (const word of ['primzeilen-cli', 'Kommandozeile', 'Alt+', 'Strg+', 'F1', 'Graphikfenster', 'Hauptfenster', 'Rechtsklick', 'Farbfeld', '10 000 000', '1 bis 45 000']) {
        assert.ok(!help.includes(word), `${file}: the help names ${word}`);
      }
      for (const word of ['−10.000.000 bis 10.000.000', '10 bis 120', '1 bis 45.000', 'mehr als 20 Primzahlen']) {
        assert.ok(help.includes(word), `${file}: the help says ${word}`);
      }
    }
  });
});
