#!/usr/bin/env bash
# The command line in the reader's language: English where the environment asks for it (help,
# messages, progress, the report's labels and tables), German under a German locale and under C,
# and the machine-readable forms the same bytes in every language.
set -u
cli=$1
source "$(dirname "$0")/checks.sh"
unset LANGUAGE LC_ALL LC_MESSAGES LANG

# Words that give a German text away, and its letters and quotes. Option names and their values
# (--zeilen, haeufigkeit, vereinigen) are the interface and stay as they are: they are taken out
# before the look.
german='\b(Zeilen?|Primzahl(en)?|Anzahl|Häufigkeit|Summe|Aufruf|Optionen|keine?|nicht|erwartet|gezählt|mit|und|oder|der|die|das|von|bis|LÄNGE|VON|BIS|Länge|Varianz|Mittelwert|Mittel|Standardabweichung|Erwartungswert|Vergleich|Abgebrochen|Teile?|Datei|gesamt|Anteil|Höhe|beob|noch|fertig|Datensätze?n?|Zahlen|mal)\b|[äöüßÄÖÜ„“]'
german_in() {
    LC_ALL=C.UTF-8 sed -E 's/--?[a-z][a-z-]*//g; s/\b(haeufigkeit|anpassung|vereinigen|teil|verteilung|mehr_als_20)\b//g' |
        LC_ALL=C.UTF-8 grep -n -o -E "$german" | head -5
}
english() { LANG=en_US.UTF-8 "$cli" "$@"; }

# --help and the usage line, in English under an English locale and with LANGUAGE=en beside a
# German one; German under de_DE, under C and with no locale at all.
help_en=$(english --help)
check "English help: first line" "Usage: primzeilen-cli [OPTIONS] FROM TO LENGTH" "$(head -n 1 <<<"$help_en")"
check "English help: no German" "" "$(german_in <<<"$help_en")"
check "English help: exit codes" "Exit status:" "$(grep -x 'Exit status:' <<<"$help_en")"
check "LANGUAGE=en beside de_DE" "$help_en" "$(LANGUAGE=en LANG=de_DE.UTF-8 "$cli" --help)"
help_de=$("$cli" --help)
check "German help: first line" "Aufruf: primzeilen-cli [OPTIONEN] VON BIS LÄNGE" "$(head -n 1 <<<"$help_de")"
check "German help under de_DE" "$help_de" "$(LANG=de_DE.UTF-8 "$cli" --help)"
check "German help under C.UTF-8" "$help_de" "$(LC_ALL=C.UTF-8 "$cli" --help)"
check "LANGUAGE is no choice under C" "$help_de" "$(LANGUAGE=en LC_ALL=C "$cli" --help)"
# The English help fits where the German one does: no line wider.
widest() { python3 -c 'import sys; print(max(len(l) for l in sys.stdin.read().splitlines()))'; }
[ "$(widest <<<"$help_en")" -le "$(widest <<<"$help_de")" ] ||
    check "English help no wider than the German" "$(widest <<<"$help_de")" "$(widest <<<"$help_en")"

# Errors: our own messages, Qt's parser's (with the reader's quotes), the rules between options,
# and a part that cannot be read. Each ends with status 2 and the usage line.
errors=$(mktemp -d)
trap 'rm -rf "$errors"' EXIT
printf '{"teil": ' >"$errors/broken.json"
while IFS='|' read -r name expected args; do
    # shellcheck disable=SC2086
    message=$(english $args 2>&1 >/dev/null)
    status=$?
    check "English error, $name: status" 2 "$status"
    check "English error, $name" "$expected" "$(head -n 1 <<<"$message")"
    check "English error, $name: no German" "" "$(german_in <<<"$message")"
done <<EOF
count of numbers|primzeilen-cli: three numbers expected (FROM TO LENGTH), 2 given.|1 2
no whole row|primzeilen-cli: from 5 to 6 no whole row remains in rows of 10 numbers.|5 6 10
format|primzeilen-cli: --format "xml": allowed are text, csv, csv-de and json.|--format xml 1 10 10
Qt's message|primzeilen-cli: Missing value after "--format".|--format
unknown option|primzeilen-cli: unknown option "--lines".|--lines 1 10 10
rule|primzeilen-cli: --fortschritt and --still cannot be used together.|--fortschritt --still 1 10 10
unreadable part|primzeilen-cli: "$errors/none.json" cannot be read: No such file or directory.|vereinigen $errors/none.json
broken part|primzeilen-cli: "$errors/broken.json" is not JSON: error at byte 10.|vereinigen $errors/broken.json
EOF
check "English usage line" "Usage: primzeilen-cli [OPTIONS] FROM TO LENGTH (more: --help)" "$(english 1 2 2>&1 | tail -n 1)"
check "German error under de_DE" "primzeilen-cli: drei Zahlen erwartet (VON BIS LÄNGE), 2 gegeben." \
    "$(LANG=de_DE.UTF-8 "$cli" 1 2 2>&1 | head -n 1)"
check "German error under C" "primzeilen-cli: --format „xml“: erlaubt sind text, csv, csv-de und json." \
    "$("$cli" --format xml 1 10 10 2>&1 | head -n 1)"

# The report's own blocks in English with English numbers: the fit, the models, the rows above
# 20 primes and all rows. (The frequency block above them is the windows' own summary.)
report=$(english --anpassung --modelle 1 10000 100 | sed -n '/^ Rows with more than 20 primes:/,$p')
check "English report: rows above 20" " Rows with more than 20 primes: 2" "$(head -n 1 <<<"$report")"
check "English report: fit" "Mean of h(x): 12.0714" "$(grep '^Mean of h' <<<"$report")"
check "English report: no German" "" "$(german_in <<<"$report")"
check "English report: labels" "Over all rows:
Rows: 100
Variance observed / Montgomery–Soundararajan:" \
    "$(grep -E -o '^(Over all rows:|Rows: 100|Variance observed / Montgomery–Soundararajan:)' <<<"$report")"

# The tables: every value ends where a word of its column's heading ends, under the English
# headings as under the German ones.
misplaced() { # the lines after the first with a word that ends where no word of the first ends
    python3 -c '
import re, sys
lines = sys.stdin.read().splitlines()
ends = lambda line: {m.end() for m in re.finditer(r"\S+", line)}
heading = ends(lines[0])
for line in lines[1:]:
    if not ends(line) <= heading:
        print(line)'
}
for language in en_US.UTF-8 de_DE.UTF-8; do
    lengths=$(LANG=$language "$cli" --laengen 10,20,30 1 100000)
    check "row lengths under $language: columns" "" "$(misplaced <<<"$lengths")"
    sweep=$(LANG=$language "$cli" --hoehen 0,1e6 --fenster 10000 --laengen 10,100)
    check "sweep under $language: columns" "" "$(misplaced <<<"$sweep")"
done
sweep=$(english --hoehen 0,1e6 --fenster 10000 --laengen 10,100)
check "English sweep: no German" "" "$(german_in <<<"$sweep")"
check "English row lengths: a length without a whole row" "1000000        0  no whole row" \
    "$(english --laengen 1000000 1 100000 | tail -n 1)"

# Progress on standard error.
progress=$(english --fortschritt 1 1e6 1000 2>&1 >/dev/null | tail -n 1)
check "English progress" "1,000 of 1,000 rows counted (100.0 %)" "$(cut -d, -f1-3 <<<"$progress" | sed 's/),.*/)/')"
check "English progress: no German" "" "$(german_in <<<"$progress")"

# Machine outputs: the same bytes in every language.
same_in_all() {
    local name=$1
    shift
    local c de en
    c=$(LC_ALL=C.UTF-8 "$cli" "$@" | md5sum)
    de=$(LANG=de_DE.UTF-8 "$cli" "$@" | md5sum)
    en=$(LANG=en_US.UTF-8 "$cli" "$@" | md5sum)
    check "$name: de_DE as C" "$c" "$de"
    check "$name: en_US as C" "$c" "$en"
}
same_in_all "JSON" --format json --anpassung --modelle 1 10000 100
same_in_all "JSON rows" --format json --zeilen 1 2000 100
same_in_all "CSV" --format csv 1 45000 90
same_in_all "CSV of the fit" --format csv --tabelle anpassung 1 45000 90
same_in_all "csv-de" --format csv-de --modelle 1 45000 90
same_in_all "JSON row lengths" --format json --laengen 10,100 1 100000
same_in_all "CSV sweep" --format csv --hoehen 0,1e6 --fenster 10000 --laengen 10,100
LC_ALL=C.UTF-8 "$cli" --format json --teil 1/2 1 45000 90 >"$errors/1.json"
LC_ALL=C.UTF-8 "$cli" --format json --teil 2/2 1 45000 90 >"$errors/2.json"
same_in_all "merged parts" vereinigen --format json --anpassung "$errors/1.json" "$errors/2.json"

[ "$failures" -eq 0 ] && echo "all language checks passed"
exit "$failures"
