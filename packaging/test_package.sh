#!/usr/bin/env bash
# The Debian package, end to end:
#   1. cpack builds the .deb from the build tree;
#   2. dpkg-deb shows it holds the program, its print and photo decoder modules, the
#      desktop entry, the icon, the metadata for software centres, the manual page, the
#      copyright file and the changelog, and that it depends on the Qt Widgets library,
#      libcups, libjpeg and libheif (for the modules), Qt's image format plugins and the
#      Liberation fonts;
#   3. lintian, Debian's package checker, reports no error and no warning;
#   4. it is unpacked into a scratch root; the desktop entry is valid, names the installed
#      program and icon, and the icon is the program's own; the metadata passes
#      appstreamcli's validation, is named after its id and launches that desktop entry;
#      the metadata, the copyright file and LICENSE name one licence, and the metadata and
#      the changelog the package's version;
#   5. the installed program starts on its own X server (with a window manager), shows a
#      window titled "Rula" with nothing of the print system or the photo decoders mapped,
#      and ends with status 0 when that window's close box is used;
#   6. the printing end-to-end test passes with the installed program and module.
#
#   test_package.sh BUILD_DIR SOURCE_DIR
#
# Needs: dpkg-dev (dpkg-shlibdeps), lintian, appstream, desktop-file-utils, xvfb, openbox,
# xdotool, wmctrl; for printing, what the end-to-end printing test needs.
set -euo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
# shellcheck source=../tools/xvfb.sh
. "$source/tools/xvfb.sh"

failures=0
check() { # description command...
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

for tool in cpack dpkg-deb dpkg-shlibdeps lintian appstreamcli desktop-file-validate Xvfb openbox \
    xdotool wmctrl; do
    command -v "$tool" >/dev/null || {
        echo "FAILED: $tool is not installed"
        exit 1
    }
done

work=$(mktemp -d /tmp/rula-package.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# 1. The package.
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    echo "FAILED: cpack"
    exit 1
}
debs=("$work"/out/rula_*.deb)
[ -f "${debs[0]}" ] || {
    cat "$work/cpack.log"
    echo "FAILED: cpack made no rula_*.deb"
    exit 1
}
deb=${debs[0]}
echo "package: $(basename "$deb")"

# 2. What it holds and what it needs.
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
holds() { grep -qx "$1" "$work/contents"; }
check "holds the program" holds ./usr/bin/rula
check "holds the print module" grep -qx '\./usr/lib/.*/print-cups\.so' "$work/contents"
check "holds the photo decoder module" grep -qx '\./usr/lib/.*/photo-decoders\.so' "$work/contents"
# The desktop entry and the metadata are named after the program's id.
id=$(sed -n 's/^set(RULA_APP_ID \(.*\))$/\1/p' "$source/CMakeLists.txt")
check "holds the desktop entry" holds "./usr/share/applications/$id.desktop"
check "holds the metadata for software centres" holds "./usr/share/metainfo/$id.metainfo.xml"
check "holds the study file type" holds "./usr/share/mime/packages/$id.xml"
check "holds the scalable icon" holds ./usr/share/icons/hicolor/scalable/apps/rula.svg
check "holds the manual page" holds ./usr/share/man/man1/rula.1.gz
check "holds the copyright file" holds ./usr/share/doc/rula/copyright
check "holds the changelog" holds ./usr/share/doc/rula/changelog.gz
for language in es pt_BR de fr; do
    check "holds the translation rula_$language.qm" holds "./usr/share/rula/translations/rula_$language.qm"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
needs() { [[ ", $depends," =~ ,\ $1[\ ,] ]]; }
check "depends on libqt6widgets6" needs libqt6widgets6
check "depends on libcups2" needs libcups2
check "depends on fonts-liberation2" needs fonts-liberation2
# The photo decoder module's libraries, and Qt's readers of WebP and TIFF.
check "depends on libjpeg62-turbo" needs libjpeg62-turbo
check "depends on libheif1" needs libheif1
check "depends on qt6-image-formats-plugins" needs qt6-image-formats-plugins
for field in Maintainer Description Section; do
    check "has a $field" test -n "$(dpkg-deb -f "$deb" "$field")"
done

# 3. Debian's package checker: nothing to report at the levels of error and warning. Run
# as root, lintian says so on stderr; that line is about how it was run, not the package.
lintian_clean() {
    local output status=0
    output=$(lintian --fail-on error,warning "$deb" 2>&1) || status=$?
    output=$(grep -vx 'running with root privileges is not recommended!' <<<"$output" || true)
    [ -n "$output" ] && echo "$output"
    [ "$status" -eq 0 ] && [ -z "$output" ]
}
check "lintian reports no error and no warning" lintian_clean

# 4. Installed into a scratch root.
root=$work/root
dpkg-deb -x "$deb" "$root"
entry=$root/usr/share/applications/$id.desktop
check "the desktop entry is valid" desktop-file-validate "$entry"
field() { sed -n "s/^$1=//p" "$entry" | head -1; }
check "the entry starts the installed program" test -x "$root/usr/bin/$(field Exec | cut -d' ' -f1)"
check "the entry opens studies" test "$(field MimeType)" = "application/x-rula-study;"
# The study type as shared-mime-info builds it from the installed file.
mime_is_valid() {
    mkdir -p "$work/mime/packages" &&
        cp "$root/usr/share/mime/packages/$id.xml" "$work/mime/packages/" &&
        update-mime-database "$work/mime" 2>/dev/null &&
        grep -q '^\*\.rula$' <(cut -d: -f3 "$work/mime/globs2") &&
        grep -q 'application/x-rula-study' "$work/mime/globs2"
}
check "the study type builds into a file-type database" mime_is_valid
check "the entry's icon is installed" \
    test -f "$root/usr/share/icons/hicolor/scalable/apps/$(field Icon).svg"
check "the icon is the program's own" \
    cmp -s "$root/usr/share/icons/hicolor/scalable/apps/rula.svg" "$source/images/icon.svg"
check "the program is executable" test -x "$root/usr/bin/rula"

metainfo=$root/usr/share/metainfo/$id.metainfo.xml
check "the metadata passes appstreamcli validate" appstreamcli validate --no-net "$metainfo"
tag() { sed -n "s:.*<$1[^>]*>\(.*\)</$1>.*:\1:p" "$metainfo" | head -1; }
check "the metadata's id is the one it is named after" test "$(tag id)" = "$id"
check "the metadata launches the desktop entry" test "$(tag launchable)" = "$id.desktop"
version=$(dpkg-deb -f "$deb" Version)
release=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -1)
check "the metadata's release is the package's version" test "$release" = "$version"
zcat "$root/usr/share/doc/rula/changelog.gz" >"$work/changelog"
check "the changelog's entry is the package's version" \
    test "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version"
one_licence() {
    cmp -s "$source/LICENSE" /usr/share/common-licenses/GPL-3 &&
        test "$(tag project_license)" = GPL-3.0-or-later &&
        sed -n '/^Files: \*$/,/^$/p' "$root/usr/share/doc/rula/copyright" | grep -qx 'License: GPL-3+'
}
check "LICENSE, the copyright file and the metadata name GPL-3.0-or-later" one_licence

# 5. The installed program on its own X server.
start_xvfb "$work" || {
    echo "FAILED: Xvfb did not start"
    exit 1
}
pids+=("$xvfb_pid")
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done

"$root/usr/bin/rula" >"$work/rula.log" 2>&1 &
rula=$!
pids+=("$rula")
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$rula" --name '^Rula$' |
    head -1 || true)
if [ -z "$window" ]; then
    echo "FAILED: no window titled \"Rula\" appeared"
    cat "$work/rula.log"
    exit 1
fi
check "the installed program shows a window titled \"Rula\"" \
    test "$(xdotool getwindowname "$window")" = "Rula"
# The print system is opened on the first Print, not at start.
sleep 0.5
libraries=$(awk '$6 ~ /\.so/ {print $6}' "/proc/$rula/maps" | sort -u)
echo "shared libraries mapped once the window is shown: $(wc -l <<<"$libraries")"
check "nothing of the print system is mapped at start" \
    test -z "$(grep -E 'libcups|print-cups' <<<"$libraries")"
check "nothing of the photo decoders is mapped at start" \
    test -z "$(grep -E 'libjpeg|libheif|libde265|photo-decoders|imageformats' <<<"$libraries")"
wmctrl -i -c "$window" # the close box, through the window manager
# The shell may reap it at any moment: gone, a zombie, or gone while being looked at.
ended() { [ ! -e "/proc/$rula" ] || grep -qs ') Z' "/proc/$rula/stat" || [ ! -e "/proc/$rula" ]; }
for _ in $(seq 100); do
    ended && break
    sleep 0.1
done
ended || {
    echo "FAILED: the program did not end after its window was closed"
    exit 1
}
status=0
wait "$rula" || status=$?
check "the program ends with status 0 when its window is closed" test "$status" -eq 0

# 6. Printing through a private print system with the installed program (the test skips
# itself, status 77, where it cannot run a scheduler of its own).
printing=0
dbus-run-session -- /usr/bin/python3 "$source/tests/e2e/run_printing.py" "$root/usr/bin/rula" \
    >"$work/printing.log" 2>&1 || printing=$?
if [ "$printing" -eq 77 ]; then
    echo "skipped: printing with the installed program: $(tail -1 "$work/printing.log")"
else
    [ "$printing" -eq 0 ] || cat "$work/printing.log"
    check "the installed program prints" test "$printing" -eq 0
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all package checks passed"
