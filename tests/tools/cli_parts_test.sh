#!/usr/bin/env bash
# A run split into parts and added up again: the GNU parallel recipe with 8 parts on this
# machine (named as its --sshlogin host), then `vereinigen` in every format, with and without
# the fit and the models, against one run over the whole range, byte for byte; near 2^64 too,
# and with as many parts as rows. A part alone writes its own range's output; wrong sets of
# parts, forged parts and files far larger than a part are refused; a signal ends a merge.
set -u
cli=$1
examples=$2
source "$(dirname "$0")/checks.sh"
export LC_ALL=C.UTF-8
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

if ! command -v parallel >/dev/null; then
    echo "FAIL GNU parallel is missing (Debian package parallel)"
    exit 1
fi
range=(1000000000001 1000003000000 90)
check "recipe with 8 parts" "$("$cli" --format json --anpassung --modelle "${range[@]}")" \
    "$(PRIMZEILEN_CLI=$cli TEILE_ORDNER=$tmp/parallel PARALLEL_HOSTS=4/: "$examples/gnu-parallel.sh" 8 \
        "${range[@]}" --format json --anpassung --modelle)"
parts=()
for k in $(seq 8); do
    parts+=("$tmp/parallel/$k/stdout")
done

# The same parts in every form; each output compared whole. Near 2^64, where libprimesieve
# takes a second to start in each process, two parts from --teil directly, in text and JSON.
high=(18446744073709451616 18446744073709551615 97)
for k in 1 2; do
    "$cli" --format json --threads 1 --teil "$k/2" "${high[@]}" >"$tmp/high-$k.json"
done
for format in text csv json; do
    for options in "" "--anpassung" "--modelle" "--anpassung --modelle"; do
        check "8 parts, $format $options" "$("$cli" --format "$format" $options "${range[@]}")" \
            "$("$cli" vereinigen --format "$format" $options "${parts[@]}")"
    done
done
check "8 parts, the fit's table for German spreadsheets" \
    "$("$cli" --format csv-de --tabelle anpassung --modelle "${range[@]}" | od -c)" \
    "$("$cli" vereinigen --format csv-de --tabelle anpassung --modelle "${parts[@]}" | od -c)"
for format in text json; do
    check "near 2^64, $format" \
        "$("$cli" --format "$format" --threads 1 --anpassung --modelle "${high[@]}")" \
        "$("$cli" vereinigen --format "$format" --anpassung --modelle "$tmp"/high-{2,1}.json)"
done

# One row a part: 13 parts of 13 rows; and 5 parts of 13 rows, three of them one row longer.
for count in 13 5; do
    files=()
    for k in $(seq "$count"); do
        "$cli" --format json --still --teil "$k/$count" 1 1170 90 >"$tmp/small-$count-$k.json"
        files+=("$tmp/small-$count-$k.json")
    done
    check "$count parts of 13 rows" "$("$cli" --anpassung 1 1170 90)" \
        "$("$cli" vereinigen --anpassung "${files[@]}")"
done

# A part alone is the run over its own rows, with a heading in text and the block "teil" in
# JSON; without --teil nothing changes.
check "a part's text" "Teil 2 von 5 des Bereichs 91 bis 990 in Zeilen zu 90: Zahlen 271 bis 450
$("$cli" --anpassung 271 450 90)" "$("$cli" --anpassung --teil 2/5 100 1000 90)"
check "a part's CSV" "$("$cli" --format csv 271 450 90)" "$("$cli" --format csv --teil 2/5 100 1000 90)"
check "a part's JSON" "$("$cli" --format json 271 450 90 | head -n -1)" \
    "$("$cli" --format json --teil 2/5 100 1000 90 | head -n -2 | sed '$ s/,$//')"
check "the block teil" '  "teil": {"version": 1, "k": 2, "n": 5, "von": "91", "bis": "990", "laenge": 90, "erste": "271", "letzte": "450"}' \
    "$("$cli" --format json --teil 2/5 100 1000 90 | tail -n 2 | head -n 1)"
check "the block teil near 2^64: exact for any JSON reader" \
    "18446744073709451549 18446744073709551555 2" "$(/usr/bin/python3 -c '
import json, sys
part = json.load(open(sys.argv[1]))["teil"]
print(int(part["von"]), int(part["letzte"]), part["k"])' "$tmp/high-2.json")"

# Refused with status 2, a German message naming the file, and nothing on standard output.
refused() {  # description, expected start of the message, arguments...
    local what=$1 expected=$2
    shift 2
    local out status
    out=$("$cli" "$@" 2>"$tmp/err")
    status=$?
    check "$what: status" 2 "$status"
    check "$what: output" "" "$out"
    local message
    message=$(head -n 1 "$tmp/err")
    check "$what: message" "$expected" "${message:0:${#expected}}"
}
refused "a part missing" "primzeilen-cli: Teil 8 von 8 fehlt." vereinigen "${parts[@]:0:7}"
refused "a part twice" "primzeilen-cli: „${parts[0]}“ und „${parts[0]}“ sind beide Teil 1" \
    vereinigen "${parts[@]}" "${parts[0]}"
"$cli" --format json "${range[@]}" >"$tmp/whole.json"
refused "a whole run" "primzeilen-cli: „$tmp/whole.json“ ist nicht die JSON-Ausgabe eines Teils" \
    vereinigen "$tmp/whole.json"
refused "no file" "primzeilen-cli: „$tmp/none.json“ lässt sich nicht lesen" \
    vereinigen "$tmp/none.json"
for part in 0/8 9/8 a/b 8 1/14; do
    refused "--teil $part" "primzeilen-cli: --teil „$part“: erwartet K/N mit 1 ≤ K ≤ N ≤ 13," \
        --teil "$part" 1 1170 90
done
refused "--teil with --zeilen" "primzeilen-cli: --teil und --zeilen schließen einander aus." \
    --teil 1/2 --zeilen 1 1170 90
refused "--teil with --laengen" "primzeilen-cli: --laengen und --teil schließen einander aus." \
    --teil 1/2 --laengen 10..12 1 1170

# Rows of one number: every number begins a row, and the parts still merge.
for k in 1 2 3; do
    "$cli" --format json --still --teil "$k/3" 0 100 1 >"$tmp/ones-$k.json"
done
check "rows of one number in 3 parts" "$("$cli" --format json --anpassung 0 100 1)" \
    "$("$cli" vereinigen --format json --anpassung "$tmp"/ones-{3,1,2}.json)"
"$cli" --format json --teil 1/1 0 100 1 >"$tmp/ones.json"
check "rows of one number in 1 part" "$("$cli" 0 100 1)" "$("$cli" vereinigen "$tmp/ones.json")"

# A part is a file from anywhere: a tally no count gives, fields that disagree with the block
# "teil", or anything far larger than a part are refused, naming the file.
"$cli" --format json --teil 1/1 1 1000 10 >"$tmp/tens.json"
forge() {  # python statement on the part `run`, file written
    /usr/bin/python3 -c '
import json, sys
run = json.load(open(sys.argv[1]))
exec(sys.argv[2])
json.dump(run, open(sys.argv[3], "w"))' "$tmp/tens.json" "$1" "$2"
}
forge 'run["haeufigkeit"] = [{"k": k, "zeilen": 100 if k == 15 else 0} for k in range(21)]
run["primzahlen"] = 1500' "$tmp/fifteen.json"
refused "rows of 10 numbers with 15 primes" \
    "primzeilen-cli: „$tmp/fifteen.json“: 100 Zeilen mit 15 Primzahlen, aber eine Zeile hat 10" \
    vereinigen "$tmp/fifteen.json"
forge 'run["bis"] = 990' "$tmp/short.json"
refused "a run's last number not its part's" \
    "primzeilen-cli: „$tmp/short.json“: „bis“ ist 990, Teil 1 von 1 hat 1000." \
    vereinigen "$tmp/short.json"
forge 'run["primzahlen"] = 2**64' "$tmp/huge.json"
refused "a count beyond 2^64" "primzeilen-cli: „$tmp/huge.json“: „primzahlen“ fehlt oder ist" \
    vereinigen "$tmp/huge.json"
refused "an endless file" "primzeilen-cli: „/dev/zero“ ist größer als 1048576 Bytes" \
    vereinigen /dev/zero
forge 'run["ballast"] = [0] * 1000000' "$tmp/large.json"
refused "valid JSON far larger than a part" \
    "primzeilen-cli: „$tmp/large.json“ ist größer als 1048576 Bytes" vereinigen "$tmp/large.json"

# Rows of 1000 numbers near 10^12 hold about 36 primes each: three parts carry their whole
# distribution (format 2) and merge into the whole run in every form. A part written before
# parts carried such rows (format 1, without "verteilung") is refused, to be counted again.
long=(1000000000001 1000000300000 1000)
for k in 1 2 3; do
    "$cli" --format json --still --teil "$k/3" "${long[@]}" >"$tmp/long-$k.json"
done
for format in text csv csv-de json; do
    check "3 parts of long rows, $format" \
        "$("$cli" --format "$format" --anpassung --modelle "${long[@]}" | od -c)" \
        "$("$cli" vereinigen --format "$format" --anpassung --modelle "$tmp"/long-{3,1,2}.json | od -c)"
done
check "3 parts of long rows, the fit's table" \
    "$("$cli" --format csv --tabelle anpassung --modelle "${long[@]}")" \
    "$("$cli" vereinigen --format csv --tabelle anpassung --modelle "$tmp"/long-{1,2,3}.json)"
check "a part of long rows in format 2" '"version": 2,' \
    "$(grep -o '"version": [0-9]*,' "$tmp/long-1.json")"
/usr/bin/python3 -c '
import json, sys
run = json.load(open(sys.argv[1]))
run["teil"]["version"] = 1
del run["verteilung"]
json.dump(run, open(sys.argv[2], "w"))' "$tmp/long-2.json" "$tmp/long-v1.json"
refused "long rows in format 1" \
    "primzeilen-cli: „$tmp/long-v1.json“ ist ein Teil im Format 1 mit 100 Zeilen mit mehr als 20" \
    vereinigen "$tmp/long-1.json" "$tmp/long-v1.json" "$tmp/long-3.json"

# SIGTERM and SIGINT end a merge at once, even one waiting for a FIFO that nobody writes.
mkfifo "$tmp/fifo"
for stop in TERM:143 INT:130; do
    "$cli" vereinigen "$tmp/fifo" "${parts[@]}" >"$tmp/out" 2>"$tmp/err" &
    pid=$!
    # Signalled once it takes SIGINT and SIGTERM (a background job starts with SIGINT ignored).
    for _ in $(seq 100); do
        caught=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$pid/status" 2>/dev/null)
        [ -n "$caught" ] && (((0x$caught & 0x4002) == 0x4002)) && break
        sleep 0.05
    done
    sleep 0.2
    kill -s "${stop%:*}" "$pid"
    for _ in $(seq 40); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    if kill -0 "$pid" 2>/dev/null; then
        check "SIG${stop%:*} ends a merge waiting for a FIFO within 2 s" "ended" "still running"
        kill -s KILL "$pid"
    fi
    wait "$pid"
    check "SIG${stop%:*} while merging: status" "${stop#*:}" "$?"
    check "SIG${stop%:*} while merging: message" "Abgebrochen." "$(cat "$tmp/err")"
    check "SIG${stop%:*} while merging: no output" "" "$(cat "$tmp/out")"
done

[ "$failures" -eq 0 ] || echo "$failures failures"
exit $((failures > 0))
