#!/usr/bin/env bash
# Installs the build into a temporary prefix, as the package does, and checks the tree: every
# file in place and nothing else, the desktop file and the metadata valid, the icons of their
# sizes, the manual page clean, and --version of the installed program.
set -u
build=$1
version=$2
if ! command -v dpkg-deb >/dev/null; then
    echo "SKIPPED: dpkg-deb is missing (Debian package dpkg-dev), so no package tree is checked"
    exit 77
fi
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"

id=de.primzeilen.primzeilen
expected="bin/primzeilen
bin/primzeilen-cli
share/applications/$id.desktop
share/doc/primzeilen/changelog.gz
share/doc/primzeilen/copyright
share/doc/primzeilen/examples/gnu-parallel.sh
share/doc/primzeilen/examples/slurm-teil.sh
share/doc/primzeilen/examples/slurm.sh
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/192x192/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/512x512/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/en/man1/primzeilen-cli.1.gz
share/man/en/man1/primzeilen.1.gz
share/man/man1/primzeilen-cli.1.gz
share/man/man1/primzeilen.1.gz
share/metainfo/$id.metainfo.xml
share/primzeilen/screenshots/graphfenster.png
share/primzeilen/screenshots/hauptfenster.png"
# The page for the browser, where it was built (scripts/test and scripts/package build it).
web="app.js chart.js index.html listing.js numbers.js grid.js window_picture.js primzeilen-core.js primzeilen-core.wasm primzeilen.html
chart_common.js row_length_chart.js scan_texts.js fit_table.js downloads.js texts.js
style.css worker.js worksheet.js print.css install.js sw.js manifest.webmanifest icons/primzeilen.svg
icons/primzeilen-32.png icons/primzeilen-192.png icons/primzeilen-512.png icons/primzeilen-maskable-512.png"
if [ -f "$build/web/primzeilen.html" ]; then
    expected+=$'\n'$(tr ' ' '\n' <<<"$web" | sed 's|^|share/primzeilen/web/|')
fi
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$(LC_ALL=C sort <<<"$expected")" ] ||
    fail "installed files differ: $(diff <(LC_ALL=C sort <<<"$expected") <(echo "$actual") | grep '^[<>]' | tr '\n' ' ')"

out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1)
[ $? -eq 0 ] && [ -z "$out" ] || fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" 2>&1)
[ $? -eq 0 ] && ! grep -q -E '^[EWI]:' <<<"$out" || fail "appstreamcli: $out"
# Each text for people in both languages: English the default, German beside it.
for key in GenericName Comment Keywords; do
    grep -q "^$key=" "$prefix/share/applications/$id.desktop" &&
        grep -q "^$key\[de\]=" "$prefix/share/applications/$id.desktop" ||
        fail "the desktop file lacks $key or $key[de]"
done
out=$(/usr/bin/python3 - "$prefix/share/metainfo/$id.metainfo.xml" <<'PY'
import sys, xml.etree.ElementTree as ET
lang = "{http://www.w3.org/XML/1998/namespace}lang"
root = ET.parse(sys.argv[1]).getroot()
for tag in ("summary", "p", "caption", "keyword"):
    texts = root.iter(tag)
    languages = [element.get(lang, "default") for element in texts]
    if languages.count("default") != languages.count("de") or languages.count("default") == 0:
        print(tag, languages)
PY
)
[ -z "$out" ] || fail "the metadata's texts are not in both languages: $out"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metadata does not name version $version"

for size in 16 32 48 64 128 192 256 512; do
    got=$(/usr/bin/python3 -c 'import sys; from PIL import Image; print("%dx%d" % Image.open(sys.argv[1]).size)' \
        "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" 2>&1)
    [ "$got" = "${size}x$size" ] || fail "icon of $size pixels is $got"
done
grep -q 'viewBox="0 0 32 32"' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "SVG icon"

for page in man1/primzeilen man1/primzeilen-cli en/man1/primzeilen en/man1/primzeilen-cli; do
    out=$(zcat "$prefix/share/man/$page.1.gz" | groff -man -ww -z 2>&1)
    [ -z "$out" ] || fail "groff on the manual page $page: $out"
    zcat "$prefix/share/man/$page.1.gz" | grep -q "primzeilen $version" ||
        fail "the manual page $page does not name version $version"
done
# The English pages name the same options as the German ones.
for page in primzeilen primzeilen-cli; do
    options() { zcat "$prefix/share/man/$1/$page.1.gz" | grep -o -E '\\-\\-[a-z]+' | sort -u; }
    [ "$(options man1)" = "$(options en/man1)" ] ||
        fail "the pages of $page name different options: $(diff <(options man1) <(options en/man1) | grep '^[<>]' | tr '\n' ' ')"
done
# man finds each language's page: English for English, German for German and by default.
if command -v man >/dev/null; then
    for language in en:en/man1 en_GB.UTF-8:en/man1 de_DE.UTF-8:man1 C:man1; do
        found=$(MANPATH="$prefix/share/man" man -L "${language%%:*}" -w primzeilen-cli 2>&1)
        [ "$found" = "$prefix/share/man/${language#*:}/primzeilen-cli.1.gz" ] ||
            fail "man -L ${language%%:*} found: $found"
    done
fi

for program in primzeilen primzeilen-cli; do
    out=$("$prefix/bin/$program" --version 2>&1)
    [ "$out" = "$program $version" ] || fail "$program --version printed: $out"
done

# The command-line companion is built on the core alone: no library of the windows, so it runs
# where no display libraries are installed.
needed=$(readelf -d "$prefix/bin/primzeilen-cli" 2>&1) || fail "readelf primzeilen-cli: $needed"
grep -q 'NEEDED.*libQt6Core' <<<"$needed" || fail "primzeilen-cli does not name Qt Core: $needed"
for library in libQt6Gui libQt6Widgets libQt6Svg libQt6PrintSupport; do
    ! grep -q "NEEDED.*$library" <<<"$needed" || fail "primzeilen-cli needs $library"
done
link=$(grep -A3 'build src/cli/primzeilen-cli:' "$build/build.ninja" | grep 'LINK_LIBRARIES' || true)
[ -n "$link" ] || fail "no link line for primzeilen-cli in build.ninja"
! grep -q -E 'Qt6(Gui|Widgets|Svg|PrintSupport)' <<<"$link" || fail "its link line names Gui: $link"

# The package step itself, with the tools it needs (dpkg-shlibdeps, file) for its dependencies.
packages=$(mktemp -d)
trap 'rm -rf "$prefix" "$packages"' EXIT
out=$(cd "$build" && cpack -G DEB -B "$packages" 2>&1) || fail "cpack: $out"
deb=$(ls "$packages"/primzeilen_"$version"_*.deb 2>/dev/null)
depends=$(dpkg-deb -f "$deb" Depends 2>&1)
for library in libprimesieve libqt6widgets6 libqt6svg6 libqt6printsupport6; do
    grep -q "$library" <<<"$depends" || fail "the package does not depend on $library: $depends"
done
contents=$(dpkg-deb -c "$deb" 2>&1)
grep -q '/usr/bin/primzeilen-cli$' <<<"$contents" || fail "the package lacks primzeilen-cli"
if [ -f "$build/web/primzeilen.html" ]; then
    for file in $web; do
        grep -q "/usr/share/primzeilen/web/$file\$" <<<"$contents" ||
            fail "the package lacks the page's $file"
    done
fi

[ "$failures" -eq 0 ] && echo "installed tree: all checks passed"
exit "$failures"
