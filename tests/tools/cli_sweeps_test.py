#!/usr/bin/python3
"""The sweeps of primzeilen-cli: each record of --hoehen is the run of its window alone, in
text, csv, csv-de and json; --laengen with a list is the comparison of those lengths, with the
records over all rows where rows above 20 primes matter; the progress line names the records;
wrong calls are refused."""
import csv
import io
import json
import math
import pathlib
import subprocess
import sys

cli = sys.argv[1]
failures = []
references = pathlib.Path(__file__).resolve().parent.parent / "data" / "cli"


def check(name, expected, actual):
    if expected != actual:
        failures.append(f"{name}: expected {expected!r}, got {actual!r}")


def close(name, expected, actual, tolerance=1e-12):
    """Equal to a relative tolerance: the same sums, taken in another order."""
    if expected is None or actual is None or isinstance(expected, (int, str)):
        check(name, expected, actual)
    elif not math.isclose(expected, actual, rel_tol=tolerance, abs_tol=tolerance):
        failures.append(f"{name}: expected {expected!r}, got {actual!r}")


def call(*args, locale="C.UTF-8"):
    return subprocess.run([cli, *args], capture_output=True, env={"LC_ALL": locale})


def run(*args, locale="C.UTF-8"):
    result = call(*args, locale=locale)
    if result.returncode != 0:
        sys.exit(f"{args}: exit {result.returncode}: {result.stderr.decode()}")
    return result.stdout


sweep_args = ["--hoehen", "1e6,10^9", "--fenster", "100000", "--laengen", "10,100"]
raw_json = run(*sweep_args, "--format", "json")
sweep = json.loads(raw_json)
records = sweep["datensaetze"]
check("fenster", 100000, sweep["fenster"])
check("records, heights first", [(10**6, 10), (10**6, 100), (10**9, 10), (10**9, 100)],
      [(r["hoehe"], r["laenge"]) for r in records])

# Each record is its window run alone with --anpassung --modelle: where no row holds more than
# 20 primes the distances over all rows are those over 0..20 and the rest.
for r in records:
    name = f"H={r['hoehe']} L={r['laenge']}"
    top = r["hoehe"] + sweep["fenster"]
    alone = json.loads(run("--anpassung", "--modelle", "--format", "json", str(r["hoehe"] + 1),
                           str(top), str(r["laenge"])))
    models = alone["modelle"]
    check(f"{name}: no row above 20", 0, alone["mehr_als_20"])
    check(f"{name}: range", (alone["von"], alone["bis"], alone["zeilen"]),
          (r["von"], r["bis"], r["zeilen"]))
    close(f"{name}: mean", alone["primzahlen"] / alone["zeilen"], r["mittel"])
    close(f"{name}: observed variance", models["varianz"]["beobachtet"], r["varianz"]["beobachtet"])
    close(f"{name}: Cramér variance", models["varianz"]["cramer"], r["varianz"]["cramer"])
    close(f"{name}: Poisson variance", models["varianz"]["poisson"], r["varianz"]["poisson"])
    close(f"{name}: M–S variance", models["varianz_montgomery"], r["varianz"]["montgomery"])
    close(f"{name}: deviations", math.sqrt(models["varianz"]["beobachtet"] /
                                           models["varianz_montgomery"]),
          r["sigma_verhaeltnis_montgomery"])
    close(f"{name}: TV moments", models["tv"]["momente"], r["tv"]["momente"])
    close(f"{name}: TV Cramér", models["tv"]["cramer"], r["tv"]["cramer"])
    close(f"{name}: TV Poisson", models["tv"]["poisson"], r["tv"]["poisson"])
    close(f"{name}: TV M–S", models["tv_montgomery"], r["tv"]["montgomery"])
    close(f"{name}: n*", models["n_vorhergesagt"], r["n_vorhergesagt"])

# The layout: the window, then one record a line; the numbers those of the reference to the
# last digits that a sum in another order may move.
check("json layout", len(records) + 5, raw_json.count(b"\n"))
check("json: a record a line", len(records),
      sum(line.startswith(b'    {"hoehe": ') for line in raw_json.splitlines()))


def same_numbers(name, expected, actual):
    if isinstance(expected, dict):
        check(f"{name}: keys", list(expected), list(actual))
        for key in expected:
            same_numbers(f"{name}.{key}", expected[key], actual.get(key))
    elif isinstance(expected, list):
        check(f"{name}: length", len(expected), len(actual))
        for i, (e, a) in enumerate(zip(expected, actual)):
            same_numbers(f"{name}[{i}]", e, a)
    else:
        close(name, expected, actual, 1e-9)


same_numbers("reference", json.loads((references / "hoehen_1e6_1e9.json").read_text()), sweep)

# Text: a heading and a line per record, right-aligned, in the numbers of the locale.
text = run(*sweep_args, locale="de_DE.UTF-8").decode().splitlines()
check("text: heading and records", len(records) + 1, len(text))
check("text: heading", ["Höhe", "Länge", "Zeilen", "Mittel"], text[0].split()[:4])
check("text: aligned", [len(text[0])] * len(text), [len(line) for line in text])
check("text: a record", ["1000000", "100", "1000", f"{records[1]['mittel']:.2f}".replace(".", ",")],
      text[2].split()[:4])

# CSV: one row per record, the numbers of the JSON; csv-de the same with ; and decimal commas.
rows = list(csv.DictReader(io.StringIO(run(*sweep_args, "--format", "csv").decode())))
check("csv rows", len(records), len(rows))
for r, row in zip(records, rows):
    check("csv record", [r["hoehe"], r["laenge"], r["zeilen"], r["mittel"],
                         r["varianz"]["montgomery"], r["tv"]["poisson"], r["n"], r["p"]],
          [int(row["hoehe"]), int(row["laenge"]), int(row["zeilen"]), float(row["mittel"]),
           float(row["varianz_montgomery"]), float(row["tv_poisson"]), int(row["n"]),
           float(row["p"])])
german = run(*sweep_args, "--format", "csv-de")
check("csv-de byte order mark", b"\xef\xbb\xbf", german[:3])
german_rows = list(csv.DictReader(io.StringIO(german[3:].decode(), newline=""), delimiter=";"))
check("csv-de is csv", [{k: v.replace(".", ",") for k, v in row.items()} for row in rows],
      german_rows)

# --laengen with a list: the entries of the range form, in the order of the list.
by_range = json.loads(run("--laengen", "89..91", "--format", "json", "1", "45000"))["laengen"]
by_list = json.loads(run("--laengen", "91,89", "--format", "json", "1", "45000"))["laengen"]
check("list as range", [by_range[2], by_range[0]], by_list)
# Rows of 1000 at 10^9 hold some 48 primes: each length gets its record over all rows, the
# record that --hoehen makes of the same rows.
lengths = json.loads(run("--laengen", "100,1000", "--format", "json", "1000000001", "1000020000"))
whole = json.loads(run("--hoehen", "1e9", "--fenster", "20000", "--laengen", "100,1000",
                       "--format", "json"))["datensaetze"]
for entry, record in zip(lengths["laengen"], whole):
    for key in ("hoehe", "laenge", "zeilen", "n_vorhergesagt"):
        del record[key]
    check(f"--laengen {entry['laenge']}: the record over all rows", record, entry.get("gesamt"))
text = run("--laengen", "100,1000", "1000000001", "1000020000").decode().splitlines()
check("--laengen text: both tables", ["Über alle Zeilen, auch die mit mehr als 20 Primzahlen:"],
      [line for line in text if line.startswith("Über")])
check("--laengen text: a line per length in each", 8, len(text))
rows = list(csv.DictReader(io.StringIO(
    run("--laengen", "100,1000", "--format", "csv", "1000000001", "1000020000").decode())))
check("--laengen csv: the record's columns", [str(r["gesamt"]["mittel"]) for r in lengths["laengen"]],
      [row["gesamt_mittel"] for row in rows])

# The progress line names the records and ends with all their rows.
progress = call("--fortschritt", *sweep_args, locale="de_DE.UTF-8")
check("progress: status", 0, progress.returncode)
check("progress: last line",
      "4 von 4 Datensätzen fertig, 22.000 von 22.000 Zeilen gezählt (100,0 %)",
      progress.stderr.decode().splitlines()[-1].split("),")[0] + ")")

for args, message in [
        (["--hoehen", "1e12", "10"], "--hoehen braucht --fenster."),
        (["--hoehen", "18446744073709551600", "--fenster", "16", "10"],
         "--hoehen 18446744073709551600 mit --fenster 16 reicht über 18446744073709551615 hinaus."),
        (["--hoehen", "1e12", "--fenster", "99", "100"],
         "--fenster 99 ist kürzer als die Zeilen zu 100 Zahlen."),
        (["--laengen", "10,10", "1", "100"],
         "--laengen „10,10“: erwartet A..B oder eine Liste L1,L2,… mit Längen von 1 bis "
         "10000000, jede einmal, höchstens 1000 Längen.")]:
    refused = call(*args)
    check(f"{args}: status", 2, refused.returncode)
    check(f"{args}: message", "primzeilen-cli: " + message,
          refused.stderr.decode().splitlines()[0])

for failure in failures:
    print("FAIL", failure)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
