#!/usr/bin/env bash
# Sets up, builds and runs the program or its tests on Debian 12.
#
#   ./setup.sh run    install what is missing, build into build/, start build/bin/rula
#   ./setup.sh test   the same set-up, then run every test with ctest
#   ./setup.sh bench  the same set-up, then measure start-up, memory and speed
#                     against the smallest Qt Widgets program (bench/run-bench.sh)
#
# Debian packages are installed only when missing (through sudo when not root), so a
# second run costs nothing.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
case "$mode" in
run | test | bench) ;;
*)
    echo "usage: $0 run|test|bench" >&2
    exit 2
    ;;
esac

packages=(build-essential cmake pkg-config qt6-base-dev qt6-svg-dev libgl-dev libcups2-dev libfontconfig-dev fonts-liberation2
    libjpeg62-turbo-dev libheif-dev qt6-image-formats-plugins)
# The translations: lupdate and lrelease with their CMake functions, and Qt's own texts
# (file dialogs, standard buttons) in the user's language.
packages+=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
if [ "$mode" != run ]; then
    # The end-to-end tests and the benchmark drive the real program on an X server.
    packages+=(xvfb openbox xdotool x11-utils wmctrl)
fi
if [ "$mode" = test ]; then
    # The end-to-end tests print through a private print scheduler and read the screens
    # as a screen reader does; the package test builds and checks the .deb.
    packages+=(imagemagick dbus at-spi2-core python3-pyatspi cups cups-client cups-bsd
        printer-driver-cups-pdf poppler-utils xclip dpkg-dev file desktop-file-utils)
    packages+=(lintian appstream shared-mime-info)
    # One printing test runs the program under the GTK dark style.
    packages+=(qt6-gtk-platformtheme)
    # The study reader's fuzz target is built with clang's libFuzzer.
    packages+=(clang libclang-rt-14-dev)
    # The photo tests set EXIF orientations and encode HEIC.
    packages+=(libimage-exiftool-perl libheif-examples)
fi
if [ "$mode" = bench ]; then
    packages+=(python3-xlib imagemagick libjpeg-turbo-progs)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DRULA_WERROR=ON
cmake --build build --parallel "$(nproc)"

case "$mode" in
run) exec build/bin/rula ;;
bench) exec bench/run-bench.sh ;;
esac
cd build
exec ctest --output-on-failure --parallel "$(nproc)"
