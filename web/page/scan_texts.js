'use strict';
// The scan's words: the fields read in the page's number format, why a scan is refused, and the
// status line of what was computed, every number in the page's format.
(function () {
  const Numbers = window.PrimzeilenNumbers;
  const { text } = window.PrimzeilenLanguage;
  const formatCount = (n) => Numbers.format(n);

  // fields: the form's fields von, bis and laenge, whose texts a refusal may quote.
  function ScanTexts(fields) {
    const seconds = (ms) => Numbers.format(ms / 1000, 2);

    // The fields read in the windows' order (length, lower, upper bound) in the page's format.
    // The page takes the slider's lengths only, and a bound that no field of the engine holds
    // (31 bits) lies beyond the limit whatever the adjustment to whole rows.
    function readFields() {
      const typed = {};
      for (const name of ['laenge', 'von', 'bis']) {
        try {
          typed[name] = Numbers.parse(fields[name].value);
        } catch (error) {
          return { failure: { message: error.message, field: name } };
        }
        if (name === 'laenge' && (typed.laenge < 10 || typed.laenge > 120)) {
          return { failure: { message: refusalText('laenge', typed), field: name } };
        }
        if (name !== 'laenge' && Math.abs(typed[name]) > FIELD_LIMIT) {
          return { failure: { message: refusalText(name + 'Grenze', typed), field: name } };
        }
      }
      return typed;
    }

    const LIMIT = 10000000, FIELD_LIMIT = 2147483647;
    const numbersWord = (n) => (n === 1 ? text('oneNumber') : text('numbers', formatCount(n)));
    const rowsWord = (n) => (n === 1 ? text('oneRow') : text('rows', formatCount(n)));

    // A bound beyond the limit, named with its adjustment to whole rows where that moved it over;
    // one too large for exact digits is named as typed.
    function beyondLimit(name, typedValue, adjusted) {
      const value = adjusted === undefined ? typedValue : adjusted;
      const side = value > 0 ? text('above', formatCount(LIMIT)) : text('below', formatCount(-LIMIT));
      const typed = Number.isSafeInteger(typedValue) ? formatCount(typedValue) : fields[name].value.trim();
      const moved = value !== typedValue ? text('adjustedTo', formatCount(value)) : '';
      return text('beyondLimit', text(name === 'von' ? 'fieldFrom' : 'fieldTo'), typed, moved, side, formatCount(-LIMIT), formatCount(LIMIT));
    }

    // Why a scan is refused, in words, with the numbers as typed.
    function refusalText(reason, typed) {
      switch (reason) {
        case 'laenge':
          return text('lengthRefused', formatCount(typed.laenge));
        case 'vonGroesserBis':
          return text('fromAboveTo', formatCount(typed.von), formatCount(typed.bis));
        case 'keineZeile':
          return text('noWholeRow', formatCount(typed.von), formatCount(typed.bis), numbersWord(typed.laenge));
        case 'vonGrenze':
          return beyondLimit('von', typed.von, Math.abs(typed.von) > FIELD_LIMIT ? undefined : firstOfRows(typed.von, typed.laenge));
        case 'bisGrenze':
          return beyondLimit('bis', typed.bis, Math.abs(typed.bis) > FIELD_LIMIT ? undefined : lastOfRows(typed.bis, typed.laenge));
        default:
          return text('notComputed');
      }
    }
    // The adjustment to whole rows (division cut towards zero), for the wording of a refusal.
    const firstOfRows = (from, length) => Math.trunc(from / length) * length + 1;
    const lastOfRows = (to, length) => Math.trunc(to / length) * length;

    // What was computed, what the adjustment to whole rows changed, and the rows above 20 primes.
    function scanStatus(s, typed, answer, time) {
      const von = Number(s.von), bis = Number(s.bis);
      let status = text('computed', rowsWord(s.rows), formatCount(von), formatCount(bis), numbersWord(s.laenge), time);
      const moved = [];
      if (von !== typed.von) moved.push(text('fromMoved', formatCount(typed.von), formatCount(von)));
      if (bis !== typed.bis) moved.push(text('toMoved', formatCount(typed.bis), formatCount(bis)));
      if (moved.length) status += text('moved', moved.join(', '));
      if (s.over20 > 0) {
        const counts = (answer.distribution || []).map((entry) => entry.k).filter((k) => k > 20);
        const named = counts.length > 5 ? text('countSpan', counts[0], counts.at(-1)) : counts.join(', ');
        status += text(s.over20 === 1 ? 'oneOver20' : 'over20', rowsWord(s.over20));
        if (named) status += ` (${named})`;
        if (answer.fit.ok && answer.fit.pageTable) status += text('over20InTable');
      }
      return status + '.';
    }

    return { readFields, refusalText, scanStatus, rowsWord, numbersWord, seconds };
  }

  window.PrimzeilenScanTexts = ScanTexts;
})();
