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
    check("pandas reads csv-de as csv", frame.to_dict("list"), german_frame.to_dict("list"))

for failure in failures:
    print("FAIL", failure)
print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
