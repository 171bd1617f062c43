#!/usr/bin/env bash
# The real window under Xvfb: start-up time, a restored recovery file, power on and
# the generator clock through the menu, the levels in their colours, the recovery
# file emptied at exit, and a second copy restoring the first one's minimised
# window. Usage: main_window.sh <build dir> <source dir>
set -euo pipefail

source "$2/tests/e2e/lib/session.bash"
program="$(cd "$1" && pwd)/lotra"
fixture="$2/tests/e2e/sample-circuit.vrt"
# Screenshots of a failed run are kept in the build folder.
shots="$(cd "$1" && pwd)/e2e-main-window"
require_program "$program"
[ -s "$fixture" ] || fail "no recovery fixture at $fixture"
require_tools Xvfb xdotool xdpyinfo xwininfo import convert jwm

make_work_folder
isolate_runtime_folders
# The screen is also kept as a file, which makes screenshots and the probe for the
# first painted frame cheap.
start_xvfb --screen-file
wait_for_xserver
screen="$screen_file"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
visible_window() { window_named "$main_title"; }
wait_for() { # condition command, seconds
    local deadline=$(($(now_ms) + $2 * 1000))
    until eval "$1"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.01
    done
}
# The screen file: a header, a colour map, then 4 bytes a pixel (blue, green, red).
header_word() { od -An -tu4 --endian=big -j "$1" -N 4 "$screen" | tr -d ' '; }
pixels_start=$(($(header_word 0) + $(header_word 76) * 12))
line_bytes=$(header_word 48)
pixel() { od -An -tx1 -j $((pixels_start + $2 * line_bytes + $1 * 4)) -N 3 "$screen"; }
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# Counts pixels of one colour family in a rectangle of the screen: red or blue.
count_colour() { # shot colour x y w h
    convert "$1" -crop "$5x$6+$3+$4" +repage -depth 8 txt:- | awk -v want="$2" '
        match($0, /\([0-9]+,[0-9]+,[0-9]+/) {
            split(substr($0, RSTART + 1, RLENGTH - 1), c, ",")
            r = c[1]; g = c[2]; b = c[3]
            if (want == "red" && r > 180 && g < 90 && b < 90) n++
            if (want == "blue" && b > 180 && r < 90 && g < 90) n++
        }
        END { print n + 0 }'
}

# --- Start-up: from launch to the window on screen and its first painted frame.
for run in 1 2 3 4 5; do
    mkdir "$work/start$run" && cd "$work/start$run"
    start=$(now_ms)
    "$program" &
    app=$!
    # The work area is white once painted; the screen behind it is black.
    wait_for '[ "$(pixel 400 300)" = " ff ff ff" ]' 10 || fail "the work area was not painted"
    echo $(($(now_ms) - start)) >>"$work/startup"
    kill "$app" && wait "$app" 2>/dev/null || true
    wait_for '[ "$(pixel 400 300)" != " ff ff ff" ]' 10 || fail "the window did not go"
done
echo "start to first painted frame, ms: $(tr '\n' ' ' <"$work/startup")(median $(median <"$work/startup"))"

# --- The sample circuit restored from a crash, then power on through the menu.
mkdir "$work/session" && cd "$work/session"
cp "$fixture" default.vrt
"$program" &
app=$!
track_pid "$app"
wait_for '[ -n "$(visible_window)" ]' 10 || fail "the window did not appear"
window=$(visible_window)
eval "$(xdotool getwindowgeometry --shell "$window")"
sleep 0.3

# Chooses item `down` (0 is the first) of the menu `right` places right of "Файл".
menu() {
    xdotool mousemove $((X + 20)) $((Y + 10)) click 1
    sleep 0.3
    # Over to the next menu and back: a menu reached by the keyboard opens with its
    # first item chosen.
    xdotool key Right Left
    for ((i = 0; i < $1; ++i)); do xdotool key Right; done
    for ((i = 0; i < $2; ++i)); do xdotool key Down; done
    xdotool key Return
    sleep 0.3
}
# The client area starts below the menu bar: the first white row under the title.
menu_bar=$(for row in $(seq 0 59); do
    [ "$(pixel $((X + 400)) $((Y + row)))" = " ff ff ff" ] && echo "$row" && break
done || true)
[ -n "$menu_bar" ] || fail "no white work area below the menu bar"
# A rectangle of the work area (nothing is scrolled) on the screen: x y w h.
area() { echo "$((X + $1)) $((Y + menu_bar + $2)) $3 $4"; }
indicator_number=$(area 268 50 36 34)
inverter_digit=$(area 174 50 12 18)
signal_digit=$(area 80 55 10 16)
generator_digit=$(area 80 155 10 16)

shot() { convert "xwd:$screen" "$work/$1.png"; }
colour_in() { count_colour "$work/$1.png" "$2" $3; }

shot unpowered
[ "$(colour_in unpowered red "$indicator_number")" -eq 0 ] || fail "a number before power on"
[ "$(colour_in unpowered blue "$inverter_digit")" -eq 0 ] || fail "a digit before power on"

menu 2 0 # "Питание" / "Вкл."
shot powered
red_number=$(colour_in powered red "$indicator_number")
blue_inverter=$(colour_in powered blue "$inverter_digit")
red_signal=$(colour_in powered red "$signal_digit")
blue_generator=$(colour_in powered blue "$generator_digit")
echo "after power on: indicator number $red_number red pixels, inverter digit" \
    "$blue_inverter blue, signal digit $red_signal red, generator digit $blue_generator blue"
[ "$red_number" -gt 30 ] || fail "the indicator shows no red number"
[ "$blue_inverter" -gt 5 ] || fail "the inverter shows no blue 0"
[ "$red_signal" -gt 5 ] || fail "the input signal shows no red 1"
[ "$blue_generator" -gt 5 ] || fail "the generator shows no blue 0"

# The generator clock: within a few periods its output is seen both at 1 and at 0.
menu 3 0 # "Управление генератором" / "Пуск"
high=0
low=0
for i in $(seq 12); do
    shot tick
    [ "$(colour_in tick red "$generator_digit")" -gt 5 ] && high=$((high + 1))
    [ "$(colour_in tick blue "$generator_digit")" -gt 5 ] && low=$((low + 1))
    sleep 0.13
done
echo "generator seen at 1 in $high and at 0 in $low of 12 screenshots"
[ "$high" -gt 0 ] && [ "$low" -gt 0 ] || fail "the generator output does not change"

# Exit through the menu: the window goes and the recovery file is left empty.
menu 0 4 # "Файл" / "Выход"
wait_for '! kill -0 "$app" 2>/dev/null' 10 || fail "the program did not end after Выход"
[ -f default.vrt ] && [ "$(stat -c %s default.vrt)" -eq 0 ] || fail "default.vrt is not empty"

# --- One copy only. With a window manager, so that the window can be minimised.
jwm >/dev/null 2>&1 &
track_pid $!
sleep 0.5
"$program" &
first=$!
track_pid "$first"
wait_for '[ -n "$(visible_window)" ]' 10 || fail "the window did not appear"
window=$(visible_window)
map_state() { xwininfo -id "$window" | awk '/Map State/ {print $3}'; }

started=$(now_ms)
timeout 10 "$program" || fail "a second copy failed"
echo "a second copy ended after $(($(now_ms) - started)) ms"
[ "$(xdotool search --name '^Лотра - 2$' | wc -l)" -eq 1 ] || fail "a second window appeared"
[ "$(map_state)" = IsViewable ] || fail "the first window is gone"

xdotool windowminimize "$window"
wait_for '[ "$(map_state)" = IsUnMapped ]' 5 || fail "the window could not be minimised"
timeout 10 "$program" || fail "a second copy failed"
wait_for '[ "$(map_state)" = IsViewable ]' 5 || fail "the minimised window was not restored"
kill -0 "$first" || fail "the first copy ended"

# A copy that died leaves its socket behind; the next start is not blocked by it.
kill -KILL "$first"
wait "$first" 2>/dev/null || true
"$program" &
track_pid $!
wait_for '[ -n "$(visible_window)" ]' 10 || fail "no window after a copy was killed"
echo "PASS"
