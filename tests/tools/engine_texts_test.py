#!/usr/bin/env python3
"""Every text of the engine that a person reads is marked for the catalogue.

engine_texts_test.py SOURCE_FOLDER...

Reads every .h and .cpp file below the folders and fails on a string literal that holds a letter
and is neither a text marked with QT_TRANSLATE_NOOP("context", "German") nor one of the technical
strings listed below (formats, names of variables and locales, programmers' messages). A new
text for people must be marked, and then needs its English in translations/engine_en.ts (which
translations_test.sh checks)."""

import pathlib
import re
import sys

# Technical strings: none of them is ever shown to a reader as a sentence of the program.
TECHNICAL = {
    "%.*Le",  # the C library's format of an exact decimal expansion
    "NAN", "INF", "-INF",  # the old runtime's texts of values that are not numbers
    "C", "POSIX", "C.", "en", "de",  # locale and language names
    "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG",  # environment variables
    "popcnt", "default",  # the targets of a function's clones
    "counting reads the bit words as bytes",  # a static assertion, for the compiler
    "PrimeMarks: the range does not fit its origin",  # a programming error, never a user's
    "SegmentedPrimes: beyond 2^63",  # a programming error, never a user's
    "engine_catalogue_en.inc",  # a generated file
}
# Contexts of the catalogue, as translate() names them beside the marked source.
CONTEXT = re.compile(r"core(::[A-Z]\w*)+")
LETTER = re.compile(r"[^\W\d_]")
# A literal (with its prefix), a comment, or a character literal; in one pass, so that a quote
# inside a comment or a slash inside a string are taken for what they are.
TOKEN = re.compile(
    r'(?P<comment>//[^\n]*|/\*.*?\*/)'
    r'|(?P<string>(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*")'
    r"|(?P<char>(?:u8|u|U|L)?'(?:\\.|[^'\\\n])+')",
    re.S)
MARKED = re.compile(r'QT_TRANSLATE_NOOP\(\s*"[^"]*"\s*,\s*$')


def unmarked_texts(source):
    """The (line, text) of every literal in the C++ source that should be marked and is not."""
    found = []
    for match in TOKEN.finditer(source):
        literal = match.group("string")
        if literal is None:
            continue
        start = match.start()
        line_start = source.rfind("\n", 0, start) + 1
        if source[line_start:start].lstrip().startswith("#include"):
            continue
        body = literal[literal.index('"') + 1:-1]
        text = re.sub(r"\\x[0-9A-Fa-f]+|\\.", "", body)
        if not LETTER.search(text) or body in TECHNICAL or CONTEXT.fullmatch(body):
            continue
        # The context and the text of a marker: the text follows "QT_TRANSLATE_NOOP(ctx, ".
        if MARKED.search(source[max(0, start - 200):start]):
            continue
        if re.search(r'QT_TRANSLATE_NOOP\(\s*$', source[max(0, start - 40):start]):
            continue  # the context itself
        found.append((source.count("\n", 0, start) + 1, body))
    return found


def self_check():
    """The check finds what it is for, and passes what it must pass."""
    sample = '''
#include "engine/texts/language.h"
// "Ein Kommentar" is no text.
const char* a = QT_TRANSLATE_NOOP("core::Summary", "Summe:");
const char* b = QT_TRANSLATE_NOOP("core::Failure",
                                  "Zwei Zeilen lang.");
std::string c = translate(language, "core::Legend", a);
const char* d = "Nicht markiert.";
char e = 'x';
const char* f = "%.*Le";
const char* g = "\\xEF\\xBB\\xBF";
const char* h = "a /* kein Kommentar */ b";
'''
    found = unmarked_texts(sample)
    expected = [(8, "Nicht markiert."), (12, "a /* kein Kommentar */ b")]
    if found != expected:
        print(f"self-check: found {found}, expected {expected}")
        return False
    return True


def main(folders):
    if not folders:
        print(__doc__)
        return 2
    if not self_check():
        return 1
    status = 0
    files = 0
    for folder in folders:
        for path in sorted(pathlib.Path(folder).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            files += 1
            for line, text in unmarked_texts(path.read_text(encoding="utf-8")):
                print(f"{path}:{line}: not marked for the catalogue: \"{text}\"")
                status = 1
    if files == 0:
        print(f"no sources in {' '.join(folders)}")
        return 1
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
