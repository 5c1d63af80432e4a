#!/usr/bin/env bash
# Measures the program against the smallest Qt Widgets program (bench/baseline.cpp).
#
#   bench/run-bench.sh [--runs N] [--drives N] [--strict]
#
# Builds the program, the baseline and the Qt Test benchmarks in Release into build-bench/
# (or $RULA_BENCH_BUILD_DIR), then measures:
#   1. scoring one assessment, and Form8's Continue, with QBENCHMARK on the offscreen
#      platform (the median of 9 repeats); the Photo window's open to painted and its
#      point dragging over a 24-megapixel JPEG (bench/bench_photo_window.cpp);
#   2. start-up time to the first painted window, the shared libraries mapped then, and
#      peak memory, of the program, the baseline and the baseline showing the introduction's
#      text (the text floor), and the program on a German desktop (its translation
#      loaded) against the text floor showing the German introduction on the same desktop,
#      N starts each (default 20), alternating, on a private Xvfb at 96 dpi with no
#      window manager (bench/desktop_bench.py measures them from outside, alike);
#   3. the program's peak memory after a whole assessment and ten chart rows, driven with
#      real input (xdotool) under openbox, against the baseline's under openbox, N drives
#      (default 5);
#   4. the study report: a study of ten rows measured on 12-megapixel photos read, and its
#      report exported through the chart's Export (bench/bench_report.cpp);
#   5. a 24-megapixel JPEG (6000 x 4000, made once with ImageMagick and kept in the build
#      folder) opened and decoded to fit a view of 1600 x 1066, against
#      `djpeg -scale 1/4` on the same file, alternating, N runs (bench/bench_photo.cpp);
#      then the same photo made progressive by `jpegtran -progressive` (the same
#      coefficients, as cameras and editors save for the web), alike.
# Prints the medians, the ratios program/baseline and program/text floor, and whether each
# target is met. The exit status is 0 when everything was measured; with --strict it is 3
# when a target is missed.
#
# Needs the build packages of setup.sh and: xvfb openbox xdotool x11-utils python3-xlib
# imagemagick libjpeg-turbo-progs.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=../tools/xvfb.sh
. "$root/tools/xvfb.sh"
build=${RULA_BENCH_BUILD_DIR:-$root/build-bench}
runs=20
drives=5
strict=""
while [ $# -gt 0 ]; do
    case "$1" in
    --runs)
        runs=$2
        shift 2
        ;;
    --drives)
        drives=$2
        shift 2
        ;;
    --strict)
        strict=--strict
        shift
        ;;
    *)
        echo "usage: $0 [--runs N] [--drives N] [--strict]" >&2
        exit 2
        ;;
    esac
done

python=/usr/bin/python3 # Debian's, which python3-xlib belongs to
missing=()
for tool in cmake Xvfb openbox xdotool xprop convert djpeg jpegtran; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
"$python" -c "import Xlib.ext.damage" 2>/dev/null || missing+=("python3-xlib")
if [ ${#missing[@]} -gt 0 ]; then
    echo "missing: ${missing[*]}" >&2
    echo "install: apt-get install xvfb openbox xdotool x11-utils python3-xlib imagemagick" \
        "libjpeg-turbo-progs" >&2
    exit 2
fi

work=$(mktemp -d /tmp/rula-bench.XXXXXX)
xvfb_pid=""
wm_pid=""
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "== Building in Release: $build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRULA_BENCH=ON -DRULA_TESTS=OFF \
    >"$work/configure.log" 2>&1 || {
    cat "$work/configure.log"
    exit 1
}
cmake --build "$build" --parallel "$(nproc)" \
    --target rula rula_baseline rula_lrelease bench_scoring bench_screens bench_photo \
    bench_photo_window bench_report >"$work/build.log" 2>&1 || {
    tail -50 "$work/build.log"
    exit 1
}

# The programs run through links with names of their own, so that nothing elsewhere on
# the machine that ends processes by name (a developer's "pkill rula") ends a measured run.
ln -s "$build/bin/rula" "$work/bench-program"
ln -s "$build/bin/rula_baseline" "$work/bench-baseline"

echo
echo "== Qt Test benchmarks (offscreen platform)"
qtest() { # name binary arguments...
    local text=$work/$1.txt csv=$work/$1.csv binary=$2
    shift 2
    QT_QPA_PLATFORM=offscreen "$binary" "$@" -o "$csv,csv" -o "$text,txt" || {
        cat "$text"
        exit 1
    }
    # A benchmark that only reports its own figures (QINFO) has no RESULT lines.
    grep -A1 "^RESULT" "$text" | grep -v "^--" | sed 's/^/  /' || true
}
# QBENCHMARK results, each the median of 9 repeats.
qtest scoring "$build/bin/bench_scoring" -median 9
qtest screens "$build/bin/bench_screens" -median 9 form8Continue
# Continue alone: the benchmark reports its own median over 301 timed clicks.
qtest continue "$build/bin/bench_screens" form8ContinueAlone
grep "^QINFO" "$work/continue.txt" | tail -1 | sed 's/^/  /'

echo
echo "== A 24-megapixel JPEG opened to fit 1600 x 1066, against djpeg -scale 1/4: $runs runs each"
photo=$build/bench-photo-6000x4000.jpg
if [ ! -s "$photo" ]; then
    convert -size 6000x4000 plasma:green-darkgreen -quality 90 "jpeg:$photo.part"
    mv "$photo.part" "$photo"
fi
"$build/bin/bench_photo" "$photo" --runs "$runs" --fit 1600x1066 --json "$work/photo.json"
echo "== The same photo saved progressive, alike"
progressive=$build/bench-photo-6000x4000-progressive.jpg
if [ ! -s "$progressive" ] || [ "$progressive" -ot "$photo" ]; then
    jpegtran -progressive -copy all -outfile "$progressive.part" "$photo"
    mv "$progressive.part" "$progressive"
fi
"$build/bin/bench_photo" "$progressive" --runs "$runs" --fit 1600x1066 \
    --json "$work/photo_progressive.json"
echo "== The Photo window over the same JPEG: open to painted, and dragging a point"
RULA_BENCH_PHOTO=$photo qtest photo_window "$build/bin/bench_photo_window"
grep "^QINFO" "$work/photo_window.txt" | sed 's/^/  /' | sort -u

echo "== The study report: ten rows with 12-megapixel photos, read and exported"
photo12=$build/bench-photo-4000x3000.jpg
if [ ! -s "$photo12" ]; then
    convert -size 4000x3000 plasma:green-darkgreen -quality 90 "jpeg:$photo12.part"
    mv "$photo12.part" "$photo12"
fi
RULA_BENCH_PHOTO_12MP=$photo12 qtest report "$build/bin/bench_report"
grep "^QINFO" "$work/report.txt" | sed 's/^/  /' | sort -u

echo
echo "== Start-up and peak memory: $runs starts each, alternating (after 2 unmeasured each)"
start_xvfb "$work" || exit 1
unset QT_QPA_PLATFORM
# The German text floor shows the German introduction, as the translation gives it.
"$python" - "$root/translations/rula_de.ts" "$work/introduction_de.txt" <<'PYTHON'
import sys
import xml.etree.ElementTree as ElementTree
for context in ElementTree.parse(sys.argv[1]).getroot().iter("context"):
    if context.findtext("name") == "rula::Form1":
        for message in context.iter("message"):
            if message.findtext("source").startswith("The attached program"):
                open(sys.argv[2], "w", encoding="utf-8").write(message.findtext("translation"))
PYTHON
"$python" "$root/bench/desktop_bench.py" startup --runs "$runs" \
    --program "$work/bench-program" --baseline "$work/bench-baseline" \
    --compare "text floor=$work/bench-baseline --text" \
    --compare "German=env LANGUAGE= LC_ALL= LANG=de_DE.UTF-8 $work/bench-program" \
    --compare "German text floor=env LANGUAGE= LC_ALL= LANG=de_DE.UTF-8 $work/bench-baseline --text $work/introduction_de.txt" \
    --json "$work/startup.json"

echo
echo "== Peak memory after a whole assessment and ten chart rows: $drives drives, under openbox"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
"$python" "$root/bench/desktop_bench.py" drive --runs "$drives" \
    --program "$work/bench-program" --baseline "$work/bench-baseline" --json "$work/drive.json"

echo
echo "== Summary"
"$python" "$root/bench/summarize.py" "$work" $strict
