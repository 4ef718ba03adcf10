#!/usr/bin/python3
"""Every machine-readable form of primzeilen-cli, loaded as a spreadsheet or a script would
load it, holds the numbers of the text form: csv and csv-de with Python's csv module (and
pandas where it is installed), json with Python's json module."""
import csv
import io
import json
import pathlib
import re
import subprocess
import sys

cli = sys.argv[1]
failures = []


def check(name, expected, actual):
    if expected != actual:
        failures.append(f"{name}: expected {expected!r}, got {actual!r}")


def run(*args):
    result = subprocess.run([cli, *args], capture_output=True, env={"LC_ALL": "C.UTF-8"})
    if result.returncode != 0:
        sys.exit(f"{args}: exit {result.returncode}: {result.stderr.decode()}")
    return result.stdout


def shortest(value):
    """The shortest text that reads back as value, as a program writes it."""
    text = repr(float(value))
    return text[:-2] if text.endswith(".0") else text


def numeric_cells(name, rows, text_columns=()):
    """Every cell outside text_columns is a number in its shortest exact form or empty."""
    for row in rows:
        for column, cell in row.items():
            if column in text_columns or cell == "":
                continue
            if re.fullmatch(r"-?\d+", cell):
                continue
            check(f"{name}: {column} in shortest form", shortest(cell), cell)


def german(raw):
    """A csv-de table as the plain one: byte order mark, CRLF, semicolons, decimal commas."""
    check("csv-de begins with a byte order mark", b"\xef\xbb\xbf", raw[:3])
    text = raw[3:].decode("utf-8")
    check("csv-de ends its lines with CRLF", text.count("\n"), text.count("\r\n"))
    return list(csv.DictReader(io.StringIO(text, newline=""), delimiter=";"))


def plain(raw):
    return list(csv.DictReader(io.StringIO(raw.decode("utf-8"), newline="")))


def same_table(name, plain_rows, german_rows):
    check(f"{name}: csv-de has the rows of csv", len(plain_rows), len(german_rows))
    for p, g in zip(plain_rows, german_rows):
        check(f"{name}: csv-de is csv with decimal commas", p,
              {k: v.replace(",", ".") for k, v in g.items()})


# The text form of one run: tally, fit and the models' distances.
run_args = ["1", "45000", "90"]
text = run("--anpassung", "--modelle", *run_args).decode()
# The frequency block ends with the rows above 20; the whole distribution follows it.
frequency_block = text.split("Zeilen mit mehr als 20 Primzahlen")[0]
counts = [int(m) for m in re.findall(r"^ *\d+ +: +(\d+)-mal", frequency_block, re.M)]
over20 = int(re.search(r"mehr als 20 Primzahlen: (\d+)", text).group(1))
fit = dict(re.findall(r"^(n|p): (\S+)$", text, re.M))
tv = dict(re.findall(r"^TV (Cramér-Modell|Poisson \(Gallagher\)|Montgomery–Soundararajan): (\S+)$",
                     text, re.M))
check("text tally", 21, len(counts))

# The tally's table: 21 rows, k numeric, the run in every row; then one row for each k from 21
# to the highest count, as the first row of 90 numbers holds 24 primes.
raw = run("--format", "csv", "--anpassung", "--modelle", *run_args)
all_rows = plain(raw)
rows, long_rows = all_rows[:21], all_rows[21:]
check("tally rows", 21, len(rows))
check("rows above 20", [("21", "0"), ("22", "0"), ("23", "0"), ("24", str(over20))],
      [(r["k"], r["zeilen"]) for r in long_rows])
check("rows above 20 have no share among the rows up to 20", {("", "")},
      {(r["anteil"], r["binomial"]) for r in long_rows})
check("k is 0..20", list(range(21)), [int(r["k"]) for r in rows])
check("counts", counts, [int(r["zeilen"]) for r in rows])
check("run in every row", {("1", "45000", "90", str(sum(counts) + over20), str(over20))},
      {(r["von"], r["bis"], r["laenge"], r["zeilen_gesamt"], r["zeilen_mehr_als_20"]) for r in rows})
check("shares", [c / sum(counts) for c in counts], [float(r["anteil"]) for r in rows])
numeric_cells("tally", rows)
same_table("tally", all_rows, german(run("--format", "csv-de", "--anpassung", "--modelle", *run_args)))

# The fit's table: one row, the text's n and p, the models' distances to three places.
fit_rows = plain(run("--format", "csv", "--tabelle", "anpassung", "--modelle", *run_args))
check("fit rows", 1, len(fit_rows))
check("fit n", fit["n"], fit_rows[0]["n"])
check("fit p", fit["p"], f"{float(fit_rows[0]['p']):.4f}")
check("TV Cramér", tv["Cramér-Modell"], f"{float(fit_rows[0]['tv_cramer']):.3f}")
check("TV M–S", tv["Montgomery–Soundararajan"], f"{float(fit_rows[0]['tv_montgomery']):.3f}")
numeric_cells("fit", fit_rows)
same_table("fit", fit_rows,
           german(run("--format", "csv-de", "--tabelle", "anpassung", "--modelle", *run_args)))

# JSON: the same tally and fit, the numbers read back as written.
data = json.loads(run("--format", "json", "--anpassung", "--modelle", *run_args))
check("json counts", counts, [h["zeilen"] for h in data["haeufigkeit"]])
check("json over 20", over20, data["mehr_als_20"])
check("json fit", fit["n"], str(data["anpassung"]["n"]))
check("json fit and csv fit", float(fit_rows[0]["p"]), data["anpassung"]["p"])
check("json models and csv models", [float(r["montgomery"]) for r in rows],
      data["modelle"]["montgomery"])

# The rows themselves, in each form, against the listing.
listing = run("--zeilen", "1", "1000", "10").decode().splitlines()[:100]
expected_rows = [(int(a), b, int(c)) for a, b, c in (line.split() for line in listing)]
csv_rows = plain(run("--zeilen", "--format", "csv", "1", "1000", "10"))
check("rows in csv", expected_rows,
      [(int(r["erste_zahl"]), r["markierung"], int(r["primzahlen"])) for r in csv_rows])
same_table("rows", csv_rows, german(run("--zeilen", "--format", "csv-de", "1", "1000", "10")))
row_data = json.loads(run("--zeilen", "--format", "json", "--anpassung", "1", "1000", "10"))
check("rows in json", expected_rows,
      [(r["erste_zahl"], r["markierung"], r["primzahlen"]) for r in row_data["zeilenliste"]])
check("json with rows keeps the tally", json.loads(run("--format", "json", "--anpassung", "1",
                                                       "1000", "10"))["haeufigkeit"],
      row_data["haeufigkeit"])

# Every row length: one table, empty cells where a length has no whole row.
length_rows = plain(run("--laengen", "89..91", "--format", "csv", "1", "45000"))
check("lengths", ["89", "90", "91"], [r["laenge"] for r in length_rows])
check("length 90 as in the run", fit["n"], length_rows[1]["n"])
numeric_cells("lengths", length_rows)
short = plain(run("--laengen", "5..7", "--format", "csv", "1", "5"))
# 1..5 leaves one row of 5, too few to fit, and none of 6 or 7: n* only.
check("no fit", [("5", "1", "", True), ("6", "0", "", True), ("7", "0", "", True)],
      [(r["laenge"], r["zeilen"], r["n"], float(r["n_vorhergesagt"]) > 0) for r in short])

# The JSON layout itself, byte for byte as it was first published: a part with the fit and the
# models, the rows before the tally, the table of row lengths with and without fits.
references = pathlib.Path(__file__).resolve().parent.parent / "data" / "cli"
for name, args in [
        ("teil_2_3_modelle.json",
         ["--format", "json", "--anpassung", "--modelle", "--teil", "2/3", *run_args]),
        ("zeilen_1_100_10.json", ["--zeilen", "--format", "json", "--anpassung", "1", "100", "10"]),
        ("laengen_1_3.json", ["--laengen", "1..3", "--format", "json", "0", "10"]),
        ("laengen_5_7.json", ["--laengen", "5..7", "--format", "json", "1", "5"])]:
    check(f"{name} byte for byte", (references / name).read_bytes(), run(*args))

# Rows of 1000 numbers near 10^12 hold about 36 primes each, 6 of these 10,000 at most 20: every
# form adds the whole distribution and the statistics over all rows after the block it had.
long_args = ["1000000000000", "1000010000000", "1000"]
for name, args in [
        ("lange_zeilen_anpassung.txt", ["--anpassung", *long_args]),
        ("lange_zeilen_anpassung.csv", ["--format", "csv", "--anpassung", *long_args]),
        ("lange_zeilen_tabelle_anpassung.csv",
         ["--format", "csv-de", "--tabelle", "anpassung", *long_args]),
        ("lange_zeilen_anpassung.json", ["--format", "json", "--anpassung", *long_args]),
        ("lange_zeilen_modelle.txt", ["--anpassung", "--modelle", *long_args]),
        ("lange_zeilen_modelle.json", ["--format", "json", "--anpassung", "--modelle", *long_args])]:
    check(f"{name} byte for byte", (references / name).read_bytes(), run(*args))

# With the models, each form against the others and against the distribution itself.
whole_data = json.loads(run("--format", "json", "--anpassung", "--modelle", *long_args))
distribution = {e["k"]: e["zeilen"] for e in whole_data["verteilung"]}
check("long rows: every row once", whole_data["zeilen"], sum(distribution.values()))
check("long rows: every prime once", whole_data["primzahlen"],
      sum(k * n for k, n in distribution.items()))
check("long rows: up to 20 as in the table",
      {h["k"]: h["zeilen"] for h in whole_data["haeufigkeit"] if h["zeilen"] > 0},
      {k: n for k, n in distribution.items() if k <= 20})
check("long rows: above 20 as counted", whole_data["mehr_als_20"],
      sum(n for k, n in distribution.items() if k > 20))
statistics = whole_data["alle_zeilen"]
mean = whole_data["primzahlen"] / whole_data["zeilen"]
variance = sum(n * (k - mean) ** 2 for k, n in distribution.items()) / whole_data["zeilen"]
check("long rows: mean", f"{mean:.12f}", f"{statistics['mittelwert']:.12f}")
check("long rows: variance", f"{variance:.9f}", f"{statistics['varianz']:.9f}")
models = whole_data["modelle_alle_zeilen"]
first, last = models["k_erste"], models["k_letzte"]
check("long rows: the models over the counts that occur", (min(distribution), max(distribution)),
      (first, last))
for model in ["cramer", "poisson", "montgomery"]:
    shares = models[model]
    check(f"long rows: {model} at every k", last - first + 1, len(shares))
    check(f"long rows: {model} and its mass outside make 1", "1.000000000",
          f"{sum(shares) + models['ausserhalb'][model]:.9f}")
    tv = (sum(abs(distribution.get(first + i, 0) / whole_data["zeilen"] - m)
              for i, m in enumerate(shares)) + models["ausserhalb"][model]) / 2
    check(f"long rows: TV {model}", f"{tv:.12f}", f"{models['tv'][model]:.12f}")
    check(f"long rows: variance ratio {model}",
          models["varianz"]["beobachtet"] / models["varianz"][model], models["verhaeltnis"][model])

long_csv = plain(run("--format", "csv", "--anpassung", "--modelle", *long_args))
check("long rows in csv: k = 0..20, then every count above 20 that rows reach",
      list(range(21)) + list(range(21, last + 1)), [int(r["k"]) for r in long_csv])
check("long rows in csv: the rows of each k", [distribution.get(k, 0) for k in range(last + 1)],
      [int(r["zeilen"]) for r in long_csv])
check("long rows in csv: the models above 20 as in json", models["cramer"][21 - first:],
      [float(r["cramer"]) for r in long_csv[21:]])
long_fit = plain(run("--format", "csv", "--tabelle", "anpassung", "--modelle", *long_args))
check("long rows in csv: the fit over all rows as in json",
      (str(statistics["anpassung"]["n"]), models["tv"]["montgomery"],
       models["verhaeltnis"]["cramer"]),
      (long_fit[0]["n_alle_zeilen"], float(long_fit[0]["tv_montgomery_alle_zeilen"]),
       float(long_fit[0]["verhaeltnis_cramer"])))
long_text = run("--anpassung", "--modelle", *long_args).decode()
whole_table = long_text.split("Anteil an allen Zeilen\n")[1].split("\n\n")[0]
check("long rows in text: every k from the lowest to the highest count",
      [(k, distribution.get(k, 0)) for k in range(first, last + 1)],
      [(int(k), int(n)) for k, n in re.findall(r"^ *(\d+) +: +(\d+)-mal", whole_table, re.M)])
check("long rows in text: the variance ratio for Montgomery–Soundararajan",
      f"{models['verhaeltnis']['montgomery']:.4f}",
      re.search(r"^Varianz beobachtet / Montgomery–Soundararajan: (\S+)$", long_text,
                re.M).group(1))

try:
    import pandas
except ImportError:
    print("pandas not installed: its checks skipped")
else:
    frame = pandas.read_csv(io.BytesIO(raw))
    check("pandas reads every column as a number", [],
          [c for c in frame.columns if not pandas.api.types.is_numeric_dtype(frame[c])])
    check("pandas counts", counts, frame["zeilen"].tolist()[:21])
    german_frame = pandas.read_csv(
        io.BytesIO(run("--format", "csv-de", "--anpassung", "--modelle", *run_args)), sep=";",
        decimal=",", encoding="utf-8-sig")
    # The rows above 20 leave cells empty, which pandas reads as NaN, unequal to itself.
    check("pandas reads csv-de as csv", frame.fillna("").to_dict("list"),
          german_frame.fillna("").to_dict("list"))

for failure in failures:
    print("FAIL", failure)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
