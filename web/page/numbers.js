'use strict';
// The page's one number format, in the page's language: in German a decimal comma and the whole
// part grouped in threes with a dot once it has five digits or more ("9999", "45.000",
// "-10.000.000"); in English a decimal point and commas ("45,000", "0.5"). parse() reads that
// format back and what people type: "45000", "45 000", "1e6", "10^6", "+5", "−5".
(function () {
  const QT_TRANSLATE_NOOP = (context, source) => source;
  const NOT_A_WHOLE_NUMBER = QT_TRANSLATE_NOOP('page', '„%1“ ist keine gültige ganze Zahl.');
  const MINUS = /[\u2212\u2012\u2013]/g;
  const SEPARATORS = { de: { group: '.', decimal: ',' }, en: { group: ',', decimal: '.' } };

  // All significant digits of a number, without an exponent ("0.0000001" for 1e-7).
  function plainDigits(magnitude) {
    if (Number.isInteger(magnitude)) {
      return magnitude < 1e21 ? String(magnitude) : BigInt(magnitude).toString();
    }
    const text = String(magnitude);
    const match = /^(\d)(?:\.(\d+))?e([+-]\d+)$/.exec(text);
    if (!match) return text;
    const [, first, rest = '', exponent] = match;
    // Only small numbers reach here: a non-integer at or above 1e21 does not exist.
    return '0.' + '0'.repeat(-Number(exponent) - 1) + first + rest;
  }

  // `decimals` places of a magnitude; a value exactly half way rounds to the even digit, as the
  // engine's texts do.
  function fixed(magnitude, decimals) {
    const scaled = magnitude * 10 ** decimals;
    let whole = Math.round(scaled);
    if (scaled - Math.trunc(scaled) === 0.5) whole = 2 * Math.round(scaled / 2);
    const digits = String(whole).padStart(decimals + 1, '0');
    return decimals > 0 ? `${digits.slice(0, -decimals)}.${digits.slice(-decimals)}` : digits;
  }

  // A whole number from a text; throws an Error with the windows' message where the text is none.
  // groups: the pattern of a number grouped in threes with the language's separator.
  function parseWith(text, groups, refusal) {
    const original = String(text);
    const trimmed = original.trim().replace(MINUS, '-');
    const sign = /^[+-]/.test(trimmed) ? trimmed[0] : '';
    const body = trimmed.slice(sign.length);
    let value = null;
    if (/^\d+$/.test(body)) {
      value = Number(body);
    } else if (groups.test(body)) {
      value = Number(body.replace(/\D/g, ''));
    } else if (/^\d{1,3}([ \u00a0\u202f\u2009]\d{3})+$/.test(body)) {
      value = Number(body.replace(/\D/g, ''));
    } else {
      const power = /^(\d+)[eE]\+?(\d+)$/.exec(body) || /^(\d+)\^\+?(\d+)$/.exec(body);
      if (power) {
        const base = /\^/.test(body) ? Number(power[1]) : 1;
        const exponent = Number(power[2]);
        value = /\^/.test(body) ? base ** exponent : Number(power[1]) * 10 ** exponent;
      }
    }
    if (value === null || !Number.isFinite(value)) throw refusal(original);
    return sign === '-' && value !== 0 ? -value : value;
  }

  // A whole number as plain digits for the engine and for links ("-45000", "1000000").
  function digits(value) {
    return value < 0 ? '-' + plainDigits(-value) : plainDigits(value);
  }

  // The format of a language ("de", "en"); translate(context, source) gives a text in it.
  function inLanguage(language, translate = (context, source) => source) {
    const { group, decimal } = SEPARATORS[language] || SEPARATORS.de;
    const grouped = (whole) => (whole.length < 5 ? whole : whole.replace(/\B(?=(\d{3})+(?!\d))/g, group));
    const groups = new RegExp(`^\\d{1,3}(\\${group}\\d{3})+$`);

    // n as the page shows it; with `decimals`, rounded to that many places, else every digit that
    // tells the number apart from its neighbours.
    function format(n, decimals) {
      const value = Number(n);
      if (!Number.isFinite(value)) return String(value);
      const [whole, fraction] = (decimals === undefined ? plainDigits(Math.abs(value)) : fixed(Math.abs(value), decimals)).split('.');
      const zero = /^0*$/.test(whole) && /^0*$/.test(fraction || '');
      return (value < 0 && !zero ? '-' : '') + grouped(whole) + (fraction ? decimal + fraction : '');
    }

    const refusal = (text) => new Error(translate('page', NOT_A_WHOLE_NUMBER).replace('%1', () => text));
    const parse = (text) => parseWith(text, groups, refusal);
    return Object.freeze({ language: language in SEPARATORS ? language : 'de', format, parse, digits, inLanguage });
  }

  const Language = window.PrimzeilenLanguage;
  window.PrimzeilenNumbers = Language ? inLanguage(Language.language, Language.translate) : inLanguage('de');
})();
