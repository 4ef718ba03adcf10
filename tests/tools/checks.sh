# Sourced by the tool tests: check DESCRIPTION EXPECTED ACTUAL counts a failure and shows both.
failures=0
check() {
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}
