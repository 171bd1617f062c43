#!/usr/bin/env bash
# Starts the program from the build folder, or says plainly why it cannot.
set -euo pipefail
build_dir=${1:-build}
if [ ! -x "$build_dir/lotra" ]; then
    echo "lotra: the program was not built; see the messages above."
    exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "lotra: no display to open the window on (DISPLAY is not set); run it in a desktop session or under xvfb-run."
    exit 1
fi
display_number=${DISPLAY:-}; display_number=${display_number#*:}
display_number=${display_number%%.*}
if [[ "${DISPLAY:-}" == :* ]] && [ ! -S "/tmp/.X11-unix/X$display_number" ]; then
    echo "lotra: no X display at $DISPLAY; run it in a desktop session or under xvfb-run."
    exit 1
fi
exec "$build_dir/lotra"
