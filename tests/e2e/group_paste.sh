#!/usr/bin/env bash
# A group copied and pasted in the real window under Xvfb: an input signal wired to
# an indicator, both chosen with a rubber band, Ctrl+C, Ctrl+V, the copy follows
# the pointer and a click puts it down; Ctrl+Shift+S saves. In the file each
# indicator shows its own signal: both pairs are there, each with its wire.
# Usage: group_paste.sh <build dir> <source dir>
set -euo pipefail

for part in session display screen gestures; do source "$(dirname "$0")/lib/$part.bash"; done
program="$(cd "$1" && pwd)/lotra"
simulator="$(cd "$1" && pwd)/lotra-sim"
shots="$(cd "$1" && pwd)/e2e-group-paste"
shoot_screen_on_failure=1
require_program "$program"
require_tools Xvfb xdotool xdpyinfo convert

make_work_folder
isolate_runtime_folders
start_xvfb --screen-file

cd "$work"
"$program" &
app=$!
track_pid "$app"
find_main_window 10
find_work_area

# The window's keys with the pointer left where it is: the paste starts under it.
key() { # keys
    xdotool windowfocus --sync "$main"
    xdotool key "$1"
    sleep "$pause"
}
band() { # x0 y0 x1 y1
    to "$1" "$2"
    xdotool mousedown 1
    to $((($1 + $3) / 2)) $((($2 + $4) / 2))
    to "$3" "$4"
    shot band
    xdotool mouseup 1
    sleep "$pause"
}

choose_menu 3 3 # "Логический сигнал"
to 150 100 && click_at 150 100
choose_menu 3 5 # "Цифровой индикатор"
to 350 100 && click_at 350 100
click_at 160 108 && choose_pin 151 94
click_at 380 115 && choose_pin 17 72

band 120 70 420 160
[ "$(count_colour band choice 120 70 300 90)" -gt 300 ] || fail "no rubber band drawn"
to 500 300 && shot chosen
[ "$(count_colour chosen choice 140 90 290 60)" -gt 40 ] || fail "no frames around the chosen pair"
key ctrl+c
to 150 230
key ctrl+v
to 160 262
shot following
[ "$(count_colour following dark 160 262 260 60)" -gt 30 ] || fail "the pasted pair does not follow the pointer"
click_at 160 262
to 500 330 && shot placed

key ctrl+shift+s
dialog_ok 'Операции с файлами' 0 0 pairs.vrt
wait_for "[ -s pairs.vrt ]" "$patience" || fail "pairs.vrt was not saved"
end_program "$app"

# Two signals X1, X2 and two indicators: each indicator's number is its own signal.
table=$("$simulator" --truth-table pairs.vrt)
echo "$table"
rows=$(echo "$table" | awk -F'\t' 'NR > 1 && NF >= 4 && $1 == $3 && $2 == $4' | wc -l)
[ "$rows" -eq 4 ] || fail "the saved pairs are not each wired: $rows of 4 rows agree"
[ -z "${LOTRA_E2E_KEEP:-}" ] || keep_screenshots
echo "PASS"
