'use strict';
// Runs the engine off the page's thread; the page talks to it in numbered requests.
if (typeof createPrimzeilen === 'undefined') importScripts('primzeilen-core.js');

let core = null;
const ready = createPrimzeilen().then((module) => { core = module; });

// The engine may hand out its own list objects; the page gets plain values.
function plain(value) {
  if (value && typeof value === 'object') {
    if (typeof value.size === 'function' && typeof value.get === 'function') {
      const list = [];
      for (let i = 0; i < value.size(); i++) list.push(plain(value.get(i)));
      if (typeof value.delete === 'function') value.delete();
      return list;
    }
    if (Array.isArray(value)) return value.map(plain);
    const object = {};
    for (const key of Object.keys(value)) object[key] = plain(value[key]);
    return object;
  }
  return typeof value === 'bigint' ? Number(value) : value;
}

const FIRST_PAGE = 256;
let summary = [];

// Each operation gets the page's language ("de", "en") after its arguments; the engine writes its
// texts (the summary, the fit's fields, the legend, its failures) in it.
const operations = {
  scan(von, bis, laenge, language) {
    const started = performance.now();
    const scan = plain(core.scan(von, bis, laenge, language));
    if (!scan.ok) return { scan };
    summary = plain(core.summaryLines());
    const result = {
      scan,
      summary,
      shares: plain(core.shares()),
      distribution: plain(core.distribution()),
      fit: plain(core.fit(language)),
      firstRows: plain(core.rowLines(0, Math.min(scan.rows, FIRST_PAGE))),
    };
    result.ms = performance.now() - started;
    return result;
  },
  lines(first, count) { return plain(core.rowLines(first, count)); },
  models(language) { return plain(core.models(language)); },
  listing(rows) {
    const parts = [];
    const chunk = 50000;
    for (let first = 0; first < rows; first += chunk) {
      const lines = plain(core.rowLines(first, Math.min(chunk, rows - first)));
      parts.push(lines.join('\n') + '\n');
    }
    parts.push(summary.join('\n') + '\n');
    return new Blob(parts, { type: 'text/plain;charset=utf-8' });
  },
  rowLengths(progress, language) { return plain(core.rowLengths((done) => progress(Number(done)), language)); },
};

onmessage = async (event) => {
  const { id, op, args, language = 'de' } = event.data;
  try {
    await ready;
    const progress = (value) => postMessage({ id, progress: value });
    const result = op === 'rowLengths' ? operations.rowLengths(progress, language) : operations[op](...args, language);
    postMessage({ id, result });
  } catch (error) {
    postMessage({ id, error: String((error && error.message) || error) });
  }
};
