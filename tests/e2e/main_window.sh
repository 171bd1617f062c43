#!/usr/bin/env bash
# The real window under Xvfb: start-up time, a restored recovery file, power on and
# the generator clock through the menu, the levels in their colours, the recovery
# file emptied at exit, and a second copy restoring the first one's minimised
# window. Usage: main_window.sh <build dir> <source dir>
set -euo pipefail

for part in session display screen gestures; do source "$(dirname "$0")/lib/$part.bash"; done
program="$(cd "$1" && pwd)/lotra"
fixture="$2/tests/e2e/sample-circuit.vrt"
# Screenshots of a failed run are kept in the build folder.
shots="$(cd "$1" && pwd)/e2e-main-window"
require_program "$program"
[ -s "$fixture" ] || fail "no recovery fixture at $fixture"
require_tools Xvfb xdotool xdpyinfo xwininfo convert jwm

make_work_folder
isolate_runtime_folders
# The screen is also kept as a file, which makes screenshots and the probe for the
# first painted frame cheap.
start_xvfb --screen-file

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# --- Start-up: from launch to the window on screen and its first painted frame.
for run in 1 2 3 4 5; do
    mkdir "$work/start$run" && cd "$work/start$run"
    start=$(now_ms)
    "$program" &
    app=$!
    track_pid "$app"
    # The work area is white once painted; the screen behind it is black.
    wait_for 'white_at 400 300' 10 0.01 || fail "the work area was not painted"
    echo $(($(now_ms) - start)) >>"$work/startup"
    end_program "$app"
    wait_for '! white_at 400 300' 10 0.01 || fail "the window did not go"
done
echo "start to first painted frame, ms: $(tr '\n' ' ' <"$work/startup")(median $(median <"$work/startup"))"

# --- The sample circuit restored from a crash, then power on through the menu.
mkdir "$work/session" && cd "$work/session"
cp "$fixture" default.vrt
"$program" &
app=$!
track_pid "$app"
find_main_window 10
find_work_area
# Rectangles of the work area: x y w h.
indicator_number="268 50 36 34"
inverter_digit="174 50 12 18"
signal_digit="80 55 10 16"
generator_digit="80 155 10 16"

shot unpowered
[ "$(count_colour unpowered red $indicator_number)" -eq 0 ] || fail "a number before power on"
[ "$(count_colour unpowered blue $inverter_digit)" -eq 0 ] || fail "a digit before power on"

choose_menu 4 0 # "Питание" / "Вкл."
shot powered
red_number=$(count_colour powered red $indicator_number)
blue_inverter=$(count_colour powered blue $inverter_digit)
red_signal=$(count_colour powered red $signal_digit)
blue_generator=$(count_colour powered blue $generator_digit)
echo "after power on: indicator number $red_number red pixels, inverter digit" \
    "$blue_inverter blue, signal digit $red_signal red, generator digit $blue_generator blue"
[ "$red_number" -gt 30 ] || fail "the indicator shows no red number"
[ "$blue_inverter" -gt 5 ] || fail "the inverter shows no blue 0"
[ "$red_signal" -gt 5 ] || fail "the input signal shows no red 1"
[ "$blue_generator" -gt 5 ] || fail "the generator shows no blue 0"

# The generator clock: within a few periods its output is seen both at 1 and at 0.
choose_menu 5 0 # "Управление генератором" / "Пуск"
high=0
low=0
for i in $(seq 12); do
    shot tick
    [ "$(count_colour tick red $generator_digit)" -gt 5 ] && high=$((high + 1))
    [ "$(count_colour tick blue $generator_digit)" -gt 5 ] && low=$((low + 1))
    sleep 0.13
done
echo "generator seen at 1 in $high and at 0 in $low of 12 screenshots"
[ "$high" -gt 0 ] && [ "$low" -gt 0 ] || fail "the generator output does not change"

# Exit through the menu: the window goes and the recovery file is left empty.
choose_menu 0 5 # "Файл" / "Выход"
wait_program_exit "$app" 10 || fail "the program did not end after Выход"
[ -f default.vrt ] && [ "$(stat -c %s default.vrt)" -eq 0 ] || fail "default.vrt is not empty"

# --- One copy only. With a window manager, so that the window can be minimised.
jwm >/dev/null 2>&1 &
track_pid $!
sleep 0.5
"$program" &
first=$!
track_pid "$first"
window=$(wait_for_window "$main_title" 10) || fail "the window did not appear"
map_state() { xwininfo -id "$window" | awk '/Map State/ {print $3}'; }

started=$(now_ms)
timeout 10 "$program" || fail "a second copy failed"
echo "a second copy ended after $(($(now_ms) - started)) ms"
[ "$(xdotool search --name "^$main_title\$" | wc -l)" -eq 1 ] || fail "a second window appeared"
[ "$(map_state)" = IsViewable ] || fail "the first window is gone"

xdotool windowminimize "$window"
wait_for '[ "$(map_state)" = IsUnMapped ]' 5 || fail "the window could not be minimised"
timeout 10 "$program" || fail "a second copy failed"
wait_for '[ "$(map_state)" = IsViewable ]' 5 || fail "the minimised window was not restored"
kill -0 "$first" || fail "the first copy ended"

# A copy that died leaves its socket behind; the next start is not blocked by it.
kill -KILL "$first"
wait "$first" 2>/dev/null || true
forget_pid "$first"
"$program" &
track_pid $!
wait_for_window "$main_title" 10 >/dev/null || fail "no window after a copy was killed"
echo "PASS"
