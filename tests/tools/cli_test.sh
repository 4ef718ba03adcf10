#!/usr/bin/env bash
# The command-line companion as a script uses it: the windows' listing byte for byte where both
# work, the machine-readable forms, every kind of bad input, threads, and Ctrl+C.
set -u
cli=$1
scan=$2
source "$(dirname "$0")/checks.sh"
export LC_ALL=C.UTF-8

# The text up to the distribution over all rows, which follows the rest where rows hold more than
# 20 primes (a blank line and its heading): the part the windows show too.
up_to_all_rows() { sed '/^ $/{N;/\nAlle Zeilen, Primz\/Zeile/Q}'; }

# Where the windows work: their lines and summary, then one line of the rows above 20 primes.
for args in "1 45000 90" "1 10000 10" "0 1000 1" "7 5000 120" "1 200000 1000" "9999000 10000000 77"; do
    expected=$("$scan" $args | tail -n +2)
    actual=$("$cli" --zeilen $args | up_to_all_rows | head -n -1)
    check "listing of $args" "$expected" "$actual"
done
# Every row of 1000 numbers below 200000 holds some 80 primes: all 200 rows above 20.
check "rows above 20 primes" " Zeilen mit mehr als 20 Primzahlen: 200" "$("$cli" 1 200000 1000 | up_to_all_rows | tail -n 1)"
check "all 200 rows after them" "Alle Zeilen, Primz/Zeile: Anzahl, Anteil an allen Zeilen
Zeilen: 200" "$("$cli" 1 200000 1000 | grep -E '^(Alle Zeilen|Zeilen:)')"
check "listing without --zeilen" "$("$scan" 1 45000 90 | tail -n 27)" "$("$cli" 1 45000 90 | up_to_all_rows | head -n -1)"
check "fit" "n: 18
p: 0.5058
Erwartungswert von h(x): 9.3206
Erwartungswert von B(n;p): 9.1037
Standardabweichung von h(x): 2.1463
Standardabweichung von B(n;p): 2.1212" "$("$cli" --anpassung 1 45000 90 | up_to_all_rows | tail -n 6)"
check "German decimal comma" "p: 0,5058" "$(LC_ALL=de_DE.UTF-8 "$cli" --anpassung 1 45000 90 | grep '^p:')"

# The random models: the same distances as the graph window's legend, in every form. The
# distances count every row, the one with more than 20 primes too, as a row-by-row sum apart
# from the program gives them: 0.05617, 0.19535, 0.21695, 0.05683.
models=$("$cli" --modelle 1 45000 90 | up_to_all_rows)
# M(9) and the 4 rows below n1 = 15 that fall back, summed row by row apart from the program.
check "model table" "  9   0.194389   0.185249   0.131096   0.125021   0.182733" "$(grep '^  9   0' <<<"$models")"
check "model distances" "TV Momente B(18;0.5058): 0.056
TV Cramér-Modell: 0.195
TV Poisson (Gallagher): 0.217
TV Montgomery–Soundararajan: 0.057" "$(grep '^TV ' <<<"$models")"
check "predicted n" "vorhergesagtes n (Montgomery–Soundararajan): 15.22
Zeilen mit Cramér-Modell statt Montgomery–Soundararajan: 4" "$(grep -E '^(vorhergesagtes|Zeilen mit)' <<<"$models")"
check "models in JSON" "0.195 0.217 21" "$("$cli" --modelle --format json 1 45000 90 | /usr/bin/python3 -c 'import json, sys
m = json.load(sys.stdin)["modelle"]
print("%.3f %.3f %d" % (m["tv"]["cramer"], m["tv"]["poisson"], len(m["cramer"])))')"

# Every row length side by side: the line of 90 carries the start-up run's fit and distances.
# The row 1..90 holds 24 primes, so the table over all rows follows after a blank line.
lengths=$("$cli" --laengen 89..91 1 45000 | sed '/^$/Q')
check "lengths: one line each" "4" "$(wc -l <<<"$lengths")"
check "lengths over all rows" "3" "$("$cli" --laengen 89..91 1 45000 | sed '1,/^$/d' | grep -c '^   9[01]\|^   89')"
check "lengths without rows above 20: one table" "4" "$("$cli" --laengen 89..91 1000 45000 | wc -l)"
check "lengths: the start-up length" "   90      500      18  0.5058   15.22       0.056      0.195       0.217   0.057" "$(sed -n 3p <<<"$lengths")"
check "lengths in JSON" "3 15.22" "$("$cli" --laengen 89..91 --format json 1 45000 | /usr/bin/python3 -c 'import json, sys
d = json.load(sys.stdin)["laengen"]
print(len(d), "%.2f" % d[1]["n_vorhergesagt"])')"
# Above 2^63 and up to the last rows below 2^64 a length of --laengen is the run of that length.
fit_of() {  # arguments...: "n p" of the fit (the first length's with --laengen)
    "$cli" --format json "$@" | /usr/bin/python3 -c 'import json, sys
d = json.load(sys.stdin)
f = d["laengen"][0] if "laengen" in d else d["anpassung"]
print(f["n"], f["p"])'
}
for high in "9223372036854775000 9223372036854785000 10" "18446744073709541615 18446744073709551615 90"; do
    read -r low top length <<<"$high"
    check "lengths at $low: the run of length $length" "$(fit_of --anpassung "$low" "$top" "$length")" \
        "$(fit_of --laengen "$length..$length" "$low" "$top")"
done
"$cli" --laengen 120..10 1 45000 >/dev/null 2>&1
check "lengths the wrong way round" "2" "$?"
"$cli" --laengen 10..12 1 45000 90 >/dev/null 2>&1
check "lengths with LÄNGE as well" "2" "$?"

# Machine-readable: the same numbers, parsed back.
json=$("$cli" --format json --anpassung 1 45000 90)
check "JSON" "500 4675 1 18 0.6" "$(/usr/bin/python3 -c 'import json, sys
d = json.load(sys.stdin)
print(d["zeilen"], d["primzahlen"], d["mehr_als_20"], d["anpassung"]["n"],
      round(sum(h["anteil"] for h in d["haeufigkeit"]) - 0.4, 1))' <<<"$json")"
# (Every form loaded as scripts and spreadsheets load it: cli_formats_test.py.)
# One row of 4 primes fits B(4;1), whose probabilities divide by zero: said, status 1, the
# cells empty, no crash.
err=$("$cli" --format csv --anpassung 1 10 10 2>&1 >/dev/null)
check "fit without probabilities: status" 1 "$?"
check "fit without probabilities: message" "primzeilen-cli: keine Anpassung möglich: Gleitkommadivision durch Null." "$err"
check "fit without probabilities: empty cells" "1,10,10,1,4,0,4,1,1," "$("$cli" --format csv --anpassung 1 10 10 2>/dev/null | sed -n 6p)"

# Bad input of every kind: a German message naming the argument, exit status 2.
bad() {  # expected message, arguments...
    local expected=$1
    shift
    local err status
    err=$("$cli" "$@" 2>&1 >/dev/null)
    status=$?
    check "status of $*" 2 "$status"
    check "message of $*" "$expected" "$(head -n 1 <<<"$err")"
}
bad "primzeilen-cli: BIS „abc“ ist keine ganze Zahl von 0 bis 18446744073709551615." 1 abc 90
bad "primzeilen-cli: VON „“ ist keine ganze Zahl von 0 bis 18446744073709551615." "" 100 90
bad "primzeilen-cli: VON „-5“ ist keine ganze Zahl von 0 bis 18446744073709551615." -5 100 90
bad "primzeilen-cli: LÄNGE „-3“ ist keine ganze Zahl von 1 bis 10000000." 1 100 -3
bad "primzeilen-cli: --threads „-1“ ist keine Zahl von 1 bis 1024." --threads -1 1 100 10
bad "primzeilen-cli: Option „--threads“ ist mehrfach angegeben." --threads 2 --threads 3 1 100 10
bad "primzeilen-cli: Option „--format“ ist mehrfach angegeben." --format csv 1 100 10 --format=json
bad "primzeilen-cli: Nach „--threads“ fehlt der Wert." 1 100 10 --threads
bad "primzeilen-cli: Wert unerwartet nach „--zeilen“." --zeilen=5 1 100 10
bad "primzeilen-cli: VON „+5“ ist keine ganze Zahl von 0 bis 18446744073709551615." +5 100 90
bad "primzeilen-cli: BIS „18446744073709551616“ ist keine ganze Zahl von 0 bis 18446744073709551615." 1 18446744073709551616 9
bad "primzeilen-cli: LÄNGE „0“ ist keine ganze Zahl von 1 bis 10000000." 1 100 0
bad "primzeilen-cli: LÄNGE „10000001“ ist keine ganze Zahl von 1 bis 10000000." 1 1e8 10000001
bad "primzeilen-cli: von 50 bis 60 bleibt in Zeilen zu 90 Zahlen keine ganze Zeile." 50 60 90
bad "primzeilen-cli: von 18446744073709551615 bis 18446744073709551615 bleibt in Zeilen zu 1 Zahl keine ganze Zeile." 18446744073709551615 18446744073709551615 1
bad "primzeilen-cli: drei Zahlen erwartet (VON BIS LÄNGE), 2 gegeben." 1 100
bad "primzeilen-cli: unbekannte Option „--zeile“." --zeile 1 100 10
bad "primzeilen-cli: --format „xml“: erlaubt sind text, csv, csv-de und json." --format xml 1 100 10
bad "primzeilen-cli: --tabelle „fit“: erlaubt sind haeufigkeit und anpassung." --format csv --tabelle fit 1 100 10
bad "primzeilen-cli: --tabelle gilt nur mit --format csv oder csv-de." --format json --tabelle anpassung 1 100 10
bad "primzeilen-cli: --tabelle wählt eine Tabelle eines Laufs; mit --zeilen oder --laengen ist die Tabelle schon gewählt." --format csv --tabelle anpassung --zeilen 1 100 10
bad "primzeilen-cli: --zeilen mit --format csv-de gibt die Tabelle der Zeilen aus; die Anpassung und die Modelle stehen in eigenen Tabellen (--tabelle)." --format csv-de --zeilen --modelle 1 100 10
bad "primzeilen-cli: --threads „0“ ist keine Zahl von 1 bis 1024." --threads 0 1 100 10
# A negative value of an option is quoted as given, whichever option takes it.
bad "primzeilen-cli: --teil „-1/4“: erwartet K/N mit 1 ≤ K ≤ N ≤ 100, der Zahl der Zeilen des Bereichs." --teil -1/4 1 1000 10
bad "primzeilen-cli: --laengen „-5..10“: erwartet A..B mit 1 ≤ A ≤ B ≤ 10000000, höchstens 1000 Längen." --laengen -5..10 1 1000
bad "primzeilen-cli: „-5“ ist keine ganze Zahl von 0 bis 18446744073709551615." --laengen 1..3 -5 1000

check "zero with an exponent" "$("$cli" 0 100 10)" "$("$cli" 0e25 100 10)"
check "leading zeros" "$("$cli" 1 100 10)" "$("$cli" 000000000000000000001 100 10)"

# Output that cannot be written: status 1 and the reason, for every form and both programs.
unwritable() {  # description, expected message, command...
    local description=$1 expected=$2
    shift 2
    local err status
    err=$("$@" 2>&1 >/dev/full)
    status=$?
    check "$description: status on a full disk" 1 "$status"
    check "$description: message on a full disk" "$expected" "$err"
}
full="Ausgabe konnte nicht geschrieben werden: Kein Platz auf dem Gerät"
unwritable "rows" "primzeilen-cli: $full" "$cli" --zeilen 1 1000000 10
unwritable "JSON" "primzeilen-cli: $full" "$cli" --format json 1 1000000 10
unwritable "CSV" "primzeilen-cli: $full" "$cli" --format csv --modelle 1 1000 10
unwritable "--help" "primzeilen-cli: $full" "$cli" --help
unwritable "scan tool" "primzeilen-scan: $full" "$scan" 1 45000 90
err=$("$cli" 1 1000 10 2>&1 >&-)
check "closed output status" 1 "$?"
check "closed output message" "primzeilen-cli: Ausgabe konnte nicht geschrieben werden: Ungültiger Dateideskriptor (die Ausgabe ist geschlossen)" "$err"
err=$("$scan" 1 1000 10 --graph /tmp/cli_graph.$$.png 2>&1 >&-)
check "scan tool, closed output: status" 1 "$?"
check "scan tool, closed output: message" "primzeilen-scan: Ausgabe konnte nicht geschrieben werden: Ungültiger Dateideskriptor (die Ausgabe ist geschlossen)" "$err"
check "scan tool, closed output: no picture written" "" "$(ls /tmp/cli_graph.$$.png 2>/dev/null)"
# A reader that goes away ends the run at once and quietly, SIGPIPE ignored or not, whether
# the rows are being written or only the report at the end would be.
for trap in "" "trap '' PIPE;"; do
    for form in "--zeilen" "--format csv"; do
        start=$(date +%s%N)
        result=$(bash -c "$trap"' "$0" $2 1 1e13 10 2>"$1" | true; echo "${PIPESTATUS[0]}"' \
                     "$cli" /tmp/cli_pipe.$$ "$form")
        took=$(( ($(date +%s%N) - start) / 1000000 ))
        check "broken pipe ${trap:-default} $form: status" "1" "$result"
        check "broken pipe ${trap:-default} $form: quiet" "" "$(cat /tmp/cli_pipe.$$)"
        [ "$took" -le 2000 ] || check "broken pipe ${trap:-default} $form: stops counting" "<= 2000 ms" "$took ms"
    done
done
rm -f /tmp/cli_pipe.$$

# A failed fit (no row holds a prime: 25, 26, 27, 28): the block stands, the message follows.
out=$("$cli" --anpassung 24 28 1 2>/tmp/cli_err.$$)
status=$?
err=$(cat /tmp/cli_err.$$; rm -f /tmp/cli_err.$$)
check "failed fit status" 1 "$status"
check "failed fit keeps the block" " Zeilen mit mehr als 20 Primzahlen: 0" "$(tail -n 1 <<<"$out")"
[[ "$err" == "primzeilen-cli: keine Anpassung möglich: "* ]] || check "failed fit message" "keine Anpassung möglich" "$err"

# Threads: the same numbers from one thread and from three.
check "threads" "$("$cli" --threads 1 --format json 1e12 1000100000000 90)" \
    "$("$cli" --threads 3 --format json 1e12 1000100000000 90)"

# Ctrl+C: within 0.2 s, a German note, status 130, no half line and no summary.
out=$(mktemp)
"$cli" --zeilen 1 1e10 100 >"$out" 2>"$out.err" &
pid=$!
sleep 0.5
start=$(date +%s%N)
kill -INT "$pid"
wait "$pid"
status=$?
took=$(( ($(date +%s%N) - start) / 1000000 ))
check "interrupted status" 130 "$status"
check "interrupted note" "Abgebrochen." "$(cat "$out.err")"
[ "$took" -le 200 ] || check "stopped within 0.2 s" "<= 200 ms" "$took ms"
check "only whole lines" "" "$(tail -c 1 "$out" | tr -d '\n')"
check "no summary after an interruption" 0 "$(grep -c 'Primz/Zeile' "$out")"
rm -f "$out" "$out.err"

check "--version" "primzeilen-cli $3" "$("$cli" --version)"

[ "$failures" -eq 0 ] && echo "command-line companion: all checks passed"
exit "$failures"
