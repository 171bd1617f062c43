#!/usr/bin/env bash
# Undo and redo in the real window under Xvfb, by the keys: an input signal and an
# indicator placed, a wire drawn between them with a bend, the indicator deleted
# with the confirmation; Ctrl+Z twice takes back the deletion and the wire, Ctrl+Y
# brings the wire back, and Ctrl+Shift+S saves. A second run of the program makes
# the same circuit directly (the two placements and the wire, nothing undone) and
# saves it through the menu: the two files hold the same bytes.
# Usage: undo_redo.sh <build dir> <source dir>
set -euo pipefail

for part in session display screen gestures; do source "$(dirname "$0")/lib/$part.bash"; done
program="$(cd "$1" && pwd)/lotra"
# Screenshots of a failed run are kept in the build folder, with the screen as it was.
shots="$(cd "$1" && pwd)/e2e-undo-redo"
shoot_screen_on_failure=1
require_program "$program"
require_tools Xvfb xdotool xdpyinfo convert cmp

make_work_folder
isolate_runtime_folders
mkdir -p "$work/undone" "$work/direct"
start_xvfb --screen-file

# Each run in a folder of its own: the recovery file of one never reaches the other.
start_program() { # folder
    cd "$work/$1"
    "$program" &
    app=$!
    track_pid "$app"
    find_main_window 10
    find_work_area
}
# Keys go to the window under the pointer, but the window's own keys answer only
# in the active window, which a window manager would make it: with none, the
# window is given the input focus as a click on its frame would give it.
press() { # keys
    to 500 300
    xdotool windowfocus --sync "$main"
    xdotool key "$1"
    sleep "$pause"
}
# The steps both runs share: the signal and the indicator placed, then the wire
# from the signal's output, bent twice, to the indicator's pin 0.
place_both() {
    choose_menu 3 3 # "Логический сигнал"
    to 150 100 && click_at 150 100
    choose_menu 3 5 # "Цифровой индикатор"
    to 350 100 && click_at 350 100
}
draw_wire() {
    click_at 160 108 && choose_pin 151 94
    click_at 180 150
    click_at 220 150
    click_at 380 115 && choose_pin 17 72
}
save_as() { # name
    dialog_ok 'Операции с файлами' 0 0 "$1"
    wait_for "[ -s '$1' ]" "$patience" || fail "$1 was not saved"
}
shown() { # shot x y w h: dark pixels there
    count_colour "$1" dark "$2" "$3" "$4" "$5"
}
indicator="355 103 40 24"
wire_run="185 149 30 3" # the wire's run between its two bends

# --- With the deletion, two undos and a redo, saved by the keys.
start_program undone
place_both
draw_wire
to 500 300 && shot wired
[ "$(shown wired $wire_run)" -gt 10 ] || fail "the wire was not drawn"
click_at 380 115 3
dialog_ok "Удаление выделенных элементов" 10 10
to 500 300 && shot deleted
[ "$(shown deleted $indicator)" -lt 10 ] || fail "the indicator was not deleted"

press ctrl+z
press ctrl+z
shot undone
[ "$(shown undone $indicator)" -gt 30 ] || fail "Ctrl+Z did not bring the indicator back"
[ "$(shown undone $wire_run)" -lt 3 ] || fail "the second Ctrl+Z did not take the wire back"
press ctrl+y
shot redone
[ "$(shown redone $wire_run)" -gt 10 ] || fail "Ctrl+Y did not bring the wire back"
[ "$(shown redone $indicator)" -gt 30 ] || fail "Ctrl+Y deleted the indicator again"

press ctrl+shift+s
save_as undone.vrt
# Only one copy of the program runs at a time.
end_program "$app"

# --- The same circuit made directly, saved through the menu.
start_program direct
place_both
draw_wire
to 500 300 && shot direct
choose_menu 0 3 # "Сохранить как..."
save_as direct.vrt

cd "$work"
cmp -s undone/undone.vrt direct/direct.vrt ||
    fail "the saved bytes differ: $(stat -c %s undone/undone.vrt) after undo and redo," \
        "$(stat -c %s direct/direct.vrt) made directly"
echo "both files: $(stat -c %s direct/direct.vrt) bytes"
# LOTRA_E2E_KEEP=1 keeps the screenshots of a passing run too, for a look.
[ -z "${LOTRA_E2E_KEEP:-}" ] || keep_screenshots
echo "PASS"
