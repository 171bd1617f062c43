#!/bin/bash
# Photographs every dialog on a real X server: take-screenshots.sh <build dir> <output dir>
set -euo pipefail
build=${1:?build dir}
out=${2:?output dir}
mkdir -p "$out"
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset &
xvfb=$!
trap 'kill $xvfb' EXIT
until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done
QT_QPA_PLATFORM=xcb LOTRA_DIALOG_SHOTS="$out" \
    "$build/tests/test_dialogs" --gtest_filter='DialogGallery.*'
ls "$out"
