// The web module against the desktop's programs: every listing line, the summary, the graph
// window's fields and table, the models and every refusal, byte for byte where they are texts.
// node core_test.js MODULE.js PRIMZEILEN-SCAN PRIMZEILEN-CLI
'use strict';
const { execFileSync, spawnSync } = require('child_process');
const assert = require('assert');
const fs = require('fs');
const path = require('path');

const [modulePath, scanTool, cli] = process.argv.slice(2);
const env = { ...process.env, LC_ALL: 'de_DE.UTF-8', QT_QPA_PLATFORM: 'offscreen' };
// The reference outputs kept beside the repository.
const golden = process.env.PRIMZEILEN_GOLDEN || path.join(__dirname, '../../../shared/golden');
const goldenText = (name) => fs.readFileSync(path.join(golden, name), 'utf8');
// A distance as the legend and the comparison show it: three decimals after a comma.
const tvText = (value) => value.toFixed(3).replace('.', ',');
let failures = 0;

function check(description, test) {
  try {
    test();
    console.log(`ok ${description}`);
  } catch (error) {
    failures++;
    console.log(`FAIL ${description}\n${error.message.slice(0, 2000)}`);
  }
}

function run(program, args) {
  const result = spawnSync(program, args, { env, encoding: 'utf8', maxBuffer: 1 << 30 });
  return { status: result.status, out: result.stdout, err: result.stderr };
}

// The first differing line, not a megabyte of diff.
function sameLines(actual, expected, what) {
  const n = Math.max(actual.length, expected.length);
  for (let i = 0; i < n; i++) {
    if (actual[i] !== expected[i]) {
      throw new Error(`${what}: line ${i} differs\n  web:     ${JSON.stringify(actual[i])}\n` +
                      `  desktop: ${JSON.stringify(expected[i])}`);
    }
  }
}

function listing(core, s) {
  return [`${s.von}\t${s.bis}`, ...core.rowLines(0, s.rows), ...core.summaryLines()];
}

(async () => {
  const createPrimzeilen = require(modulePath);
  const core = await createPrimzeilen();

  // The main window's listing, as primzeilen-scan prints it: bounds, rows, summary.
  for (const [from, to, length] of [['1', '45000', '90'], ['-500', '500', '7'],
                                     ['-100010', '-99990', '10'], [' 999981', '1000010 ', '10'],
                                     ['1', '10000000', '10']]) {
    check(`listing ${from}..${to} at ${length}`, () => {
      const started = process.hrtime.bigint();
      const s = core.scan(from, to, length, 'de');
      const scanned = Number(process.hrtime.bigint() - started) / 1e6;
      assert.ok(s.ok, JSON.stringify(s));
      assert.strictEqual(s.laenge, Number(length));
      const desktop = run(scanTool, [from, to, length]);
      assert.strictEqual(desktop.status, 0, desktop.err);
      const expected = desktop.out.split('\n');
      expected.pop();  // after the last line end
      sameLines(listing(core, s), expected, 'listing');
      if (from === '1' && to === '10000000') {
        console.log(`# scan of 1..10,000,000 at 10 in node: ${scanned.toFixed(0)} ms`);
      }
    });
  }

  // The command line's rows are the same lines.
  check('rows as primzeilen-cli --zeilen gives them', () => {
    const s = core.scan('1', '45000', '90', 'de');
    const desktop = run(cli, ['--zeilen', '1', '45000', '90']);
    assert.strictEqual(desktop.status, 0, desktop.err);
    sameLines(core.rowLines(0, s.rows), desktop.out.split('\n').slice(0, s.rows), 'rows');
  });

  // The graph window's nine fields and its table, from primzeilen-scan --graph.
  for (const [from, to, length] of [['1', '45000', '90'], ['1', '10000000', '10'],
                                     ['-500', '500', '7']]) {
    check(`fit ${from}..${to} at ${length} as the graph window shows it`, () => {
      const s = core.scan(from, to, length, 'de');
      const desktop = run(scanTool, [from, to, length, '--graph', '/dev/null.svg']);
      const lines = desktop.out.split('\n');
      const fields = Object.fromEntries(
          lines.filter((l) => /^Edit\d=/.test(l)).map((l) => l.split('=')));
      const table = lines.filter((l) => /^(x|h\(x\)|B\(n;p\))\t/.test(l)).map((l) => l.split('\t'));
      const fit = core.fit('de');
      assert.ok(fit.ok, fit.message);
      const f = fit.fields;
      assert.deepStrictEqual(
          [f.n, f.p, f.meanObserved, f.meanBinomial, f.deviationObserved, f.deviationBinomial],
          ['Edit1', 'Edit2', 'Edit3', 'Edit4', 'Edit5', 'Edit6'].map((k) => fields[k]));
      assert.deepStrictEqual([String(s.laenge), s.von, s.bis],
                             [fields.Edit7, fields.Edit8, fields.Edit9]);
      assert.deepStrictEqual(fit.table, table);
      const cell = (text) => (text.includes(';') ? `"${text}"` : text);
      const csv = '\ufeff' + table.map((row) => row.map(cell).join(';')).join('\r\n') + '\r\n';
      assert.strictEqual(fit.tableCsv, csv);
    });
  }

  // The models beside the command line's (computed in a wider long double on the web, so to
  // a relative 1e-9), and the legend's texts.
  check('models as primzeilen-cli --modelle gives them', () => {
    core.scan('1', '45000', '90', 'de');
    const desktop = JSON.parse(
        run(cli, ['1', '45000', '90', '--modelle', '--format', 'json']).out).modelle;
    const m = core.models('de');
    assert.ok(m.ok, m.message);
    const near = (a, b, what) => assert.ok(Math.abs(a - b) <= 1e-9 * Math.max(1e-300, Math.abs(b)) + 1e-15,
                                           `${what}: ${a} against ${b}`);
    for (const model of ['cramer', 'poisson', 'montgomery']) {
      assert.strictEqual(m[model].length, 21);
      m[model].forEach((v, k) => near(v, desktop[model][k], `${model}(${k})`));
    }
    near(m.tvMoments, desktop.tv.momente, 'tv moments');
    near(m.tvCramer, desktop.tv.cramer, 'tv Cramér');
    near(m.tvPoisson, desktop.tv.poisson, 'tv Poisson');
    near(m.tvMontgomery, desktop.tv_montgomery, 'tv Montgomery');
    near(m.predictedN, desktop.n_vorhergesagt, 'n*');
    assert.strictEqual(m.fallbackRows, desktop.zeilen_cramer_statt_montgomery);
    // The legend's numbers as the reference outputs hold them, with three decimals.
    const tv = JSON.parse(goldenText('models_1_45000_90.json')).tv_whole_distribution;
    const fields = Object.fromEntries(goldenText('scan_1_45000_90.txt').split('\n')
        .filter((l) => /^Edit\d=/.test(l)).map((l) => l.split('=')));
    assert.deepStrictEqual(m.legend, [
      'h(x): beobachtete Häufigkeiten',
      `Momente B(${fields.Edit1};${fields.Edit2.replace('.', ',')}): TV ${tvText(tv.momente)}`,
      `Cramér-Modell: TV ${tvText(tv.cramer)}`, `Poisson (Gallagher): TV ${tvText(tv.poisson)}`,
      `Montgomery–Soundararajan: TV ${tvText(tv.montgomery_soundararajan)}`,
      'TV: Anteil der Zeilen, die anders liegen']);
  });

  // Every refusal: the window's message (primzeilen-scan prints it), the field it concerns,
  // and the bounds written before it; a range beyond the limits without a message.
  check('refusals with the windows\' messages', () => {
    core.scan('1', '100', '10', 'de');
    const before = core.summaryLines();
    for (const [from, to, length, field] of [
      ['1', '100', 'abc', 'laenge'], ['1', '100', '', 'laenge'], ['1,5', '100', '90', 'von'],
      ['45', '', '90', 'bis'], ['1', '100', '0', 'laenge'], ['1', '100', '-5', 'laenge'],
      ['x', '100', '0', 'von'], ['1', '2147483648', '10', 'bis'], ['1', '１２', '10', 'bis']]) {
      const s = core.scan(from, to, length, 'de');
      const desktop = run(scanTool, [from, to, length]);
      assert.strictEqual(desktop.status, 1, `${from} ${to} ${length}`);
      assert.strictEqual(s.ok, false);
      assert.strictEqual(s.message, desktop.err.trim(), `${from} ${to} ${length}`);
      assert.strictEqual(s.field, field, `${from} ${to} ${length}`);
    }
    assert.deepStrictEqual(core.summaryLines(), before);
    for (const [from, to, length, von, bis] of [
      ['1', '50', '90', '1', '0'], ['-10000100', '0', '100', '-10000099', '0'],
      ['2147483647', '2147483647', '1', '2147483648', '2147483647']]) {
      const s = core.scan(from, to, length, 'de');
      assert.deepStrictEqual([s.ok, s.message, s.von, s.bis], [false, '', von, bis]);
      assert.strictEqual(run(scanTool, [from, to, length]).out, `${von}\t${bis}\n`);
    }
  });

  // Zeilenlängen im Vergleich: every length 10..120 once, each reported.
  check('row lengths 10..120', () => {
    core.scan('1', '45000', '90', 'de');
    const done = [];
    const started = process.hrtime.bigint();
    const table = core.rowLengths((length) => done.push(length), 'de');
    console.log(`# row lengths of 1..45,000: ${Number(process.hrtime.bigint() - started) / 1e6} ms`);
    assert.strictEqual(table.length, 111);
    assert.deepStrictEqual(done, table.map((row) => Number(row.length)));
    const ninety = table.find((row) => row.length === '90');
    const fit = (core.scan('1', '45000', '90', 'de'), core.fit('de'));
    assert.deepStrictEqual([ninety.rows, ninety.n, ninety.p], ['500', fit.fields.n, fit.fields.p]);
    const tv = JSON.parse(goldenText('models_1_45000_90.json')).tv_whole_distribution;
    assert.strictEqual(ninety.tvMoments, tvText(tv.momente));
  });

  console.log(failures === 0 ? 'all passed' : `${failures} failed`);
  process.exit(failures === 0 ? 0 : 1);
})();
