#!/usr/bin/python3
"""The real program on a virtual X display in the languages of its environment: under an English
locale, or LANGUAGE=en with a German one, its windows have English titles and the scan is on
Alt+C; under C and a German locale the titles and the scan's key are as always. The numbers
follow the locale in each.

  window_language_test.py PROGRAM
"""

import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import xsession  # noqa: E402

GERMAN = (" Häufigkeit von Primzahlen", " Graphische Darstellung und Tabelle", "alt+b")
ENGLISH = (" Frequency of primes", " Chart and table", "alt+c")
# The environment, the program's language there, and the decimal separator of its numbers.
# LANGUAGE chooses among the languages only under a locale other than C.
RUNS = (({"LANG": "en_US.UTF-8"}, ENGLISH, "."),
        ({"LANG": "C.UTF-8"}, GERMAN, "."),
        ({"LANG": "de_DE.UTF-8"}, GERMAN, ","),
        ({"LANG": "de_DE.UTF-8", "LANGUAGE": "en"}, ENGLISH, ","),
        ({"LANG": "C.UTF-8", "LANGUAGE": "en"}, GERMAN, "."))


def said(locale):
    return " ".join("%s=%s" % item for item in sorted(locale.items()))


def windows(session, titles):
    """The program's windows of these titles, read from _NET_WM_NAME in UTF-8, leading space
    included. A search by name would go by WM_NAME, whose encoding follows the program's locale:
    Latin-1 under de_DE.UTF-8 where this machine lacks that locale."""
    def find():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                str(session.app.pid)], env=session.env, capture_output=True,
                               text=True).stdout.split()
        names = {}
        for window in found:
            name = subprocess.run(["xdotool", "getwindowname", window], env=session.env,
                                  capture_output=True, text=True).stdout.rstrip("\n")
            names[name] = window
        return [names[title] for title in titles] if all(t in names for t in titles) else None
    try:
        return xsession.wait_for("the windows", find, timeout=10)
    except xsession.Failure:
        raise xsession.Failure("no windows titled %r" % (titles,))


def run(program, locale, expected, point, failures):
    main_title, graph_title, scan_key = expected

    def expect(what, actual, wanted):
        if actual != wanted:
            failures.append("%s: %s: expected %r, got %r" % (said(locale), what, wanted, actual))

    with xsession.Session(program) as session:
        # The tools read the titles in a locale this machine has; the program gets the one tested.
        env = {name: value for name, value in session.env.items()
               if name not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC")}
        env.update(locale)
        session.env["LC_ALL"] = "C.UTF-8"
        session.stderr = open(os.path.join(session.tmp, "stderr.txt"), "wb")
        session.app = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                       stderr=session.stderr)
        main, graph = windows(session, (main_title, graph_title))
        xsession.wait_for("the main window to have the focus",
                          lambda: session.xdotool("getwindowfocus") == main)
        # The scan by its button's letter, then the whole list copied. The button clicks once it
        # has shown itself pressed for a moment: the list is copied until it is there.
        session.key(main, scan_key)

        def copied():
            session.key(main, "alt+l", "ctrl+a", "ctrl+c")
            try:
                return xsession.wait_for(
                    "the listing on the clipboard",
                    lambda: len(session.clipboard("UTF8_STRING").split("\n")) == 500 + 27 + 1
                    and session.clipboard("UTF8_STRING"), timeout=1)
            except xsession.Failure:
                return None
        listing = xsession.wait_for("the listing after %s" % scan_key, copied, timeout=20)
        lines = listing.split("\n")
        expect("first row", lines[0][:10], "     1  +O")
        # The shares of the summary in the locale's number format.
        shares = [line for line in lines[500:] if re.search(r"\d[.,]\d{5}$", line)]
        expect("shares with a decimal %r" % point,
               bool(shares) and all(line[-6] == point for line in shares), True)
        session.close(main)
        expect("exit code", session.exit_code(), 0)


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    failures = []
    for locale, expected, point in RUNS:
        try:
            run(argv[1], locale, expected, point, failures)
        except xsession.Failure as failure:
            failures.append("%s: %s" % (said(locale), failure))
    for failure in failures:
        print("FAIL " + failure)
    if failures:
        xsession.print_error_outputs()
        return 1
    print("window language: all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
