#!/usr/bin/env bash
# Saves a circuit under a typed name through the real window, empties the work
# area with New and opens the file again: the same picture with its levels, and
# the same bytes. Usage: file_commands.sh <build dir> <source dir>
set -euo pipefail

for part in session display screen gestures; do source "$(dirname "$0")/lib/$part.bash"; done
program="$(cd "$1" && pwd)/lotra"
require_program "$program"
require_tools Xvfb xdotool xdpyinfo compare convert

make_work_folder

# --- The circuit: an input signal at 1 through a one-input gate into pin 0 of an
# indicator, the second wire with two bends. Little-endian records, no header.
byte() { printf "\\x$(printf %02x "$1")"; }
i16() { byte $(($1 & 255)); byte $((($1 >> 8) & 255)); }
i32() { i16 $(($1 & 65535)); i16 $((($1 >> 16) & 65535)); }
# pin present connected value wire end: linked to that wire's end when connected
pin() {
    byte "$1"; byte "$2"; byte "$3"; byte 0
    if [ "$2" = 1 ]; then i32 7; else i32 0; fi
    i32 "$4"; i32 "$5"
}
absent_pins() { for ((p = 0; p < $1; ++p)); do pin 0 0 0 0 0; done; }
wire_end() { i32 "$1"; i32 "$2"; i32 "$3"; i32 "$4"; i32 "$5"; }
write_circuit() {
    # Gate in logic slot 0 at (150, 55): one input (pin 2), not inverted, disjunctor.
    i32 1; byte 0; i16 1; byte 0; i32 0; i32 150; i32 55
    absent_pins 2; pin 1 1 1 0 1; absent_pins 6; pin 1 1 1 1 0; pin 0 0 0 0 0
    # Indicator in logic slot 1 at (250, 40): pin 0 wired, pins 1 to 4 open.
    i32 2; i32 1; i32 250; i32 40
    pin 1 1 1 1 1; for p in 1 2 3 4; do pin 1 0 0 0 0; done; absent_pins 6
    # Input signal in block slot 0 at (50, 60), output pin 9 at 1.
    i32 5; i32 0; i32 50; i32 60
    absent_pins 9; pin 1 1 1 0 0; pin 0 0 0 0 0
    # Wire 0: signal pin 9 (75, 70) to gate pin 2 (150, 70).
    i32 7; i32 0; i32 2; i32 75; i32 70; i32 150; i32 70
    i32 2; wire_end 75 70 5 0 9; wire_end 150 70 1 0 2
    # Wire 1: gate pin 9 (180, 70) to indicator pin 0 (250, 45).
    i32 7; i32 1; i32 4; i32 180; i32 70; i32 215; i32 70; i32 215; i32 45; i32 250; i32 45
    i32 2; wire_end 180 70 1 0 9; wire_end 250 45 2 1 0
}
write_circuit > "$work/default.vrt"
[ "$(stat -c %s "$work/default.vrt")" = 740 ] || fail "fixture has the wrong size"
cp "$work/default.vrt" "$work/fixture.vrt"

# --- A display of our own and the program in the temporary directory.
start_xvfb --screen-file

# Its own temporary and runtime folders keep it apart from any other copy that
# runs meanwhile: the single-instance socket lives there.
isolate_runtime_folders
cd "$work"
"$program" &
track_pid $!
find_main_window 30

# Types the name into the file-name dialog (its text is selected, so typing replaces it).
type_name() { dialog_ok 'Операции с файлами' 0 0 "$1"; }
# Presses "Продолжить", the left button at the bottom of the warning.
continue_warning() {
    find_dialog 'Предупреждение'
    xdotool mousemove $((dialog_x + dialog_width * 32 / 201)) \
        $((dialog_y + dialog_height * 60 / 74)) click 1
    wait_window_gone 'Предупреждение' "$patience"
}
# Screenshots are taken with the pointer out of the way: no hover highlight.
park_pointer() { xdotool mousemove 1000 700; }
coloured_pixels() {
    convert "$work/$1.png" -fuzz 25% -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:round(mean*w*h)]' info:
}
red_levels_shown() { [ "$(coloured_pixels "$1" red)" -gt 10 ]; }
looks_different() { [ "$(differing_pixels "$1" "$2")" -gt 100 ]; }
looks_same() { [ "$(differing_pixels "$1" "$2")" = 0 ]; }
# Every save renames a complete new file over the old one: waits for that.
wait_replaced() {
    for _ in $(seq 200); do
        [ -s "$1" ] && [ "$(stat -c %i "$1")" != "$2" ] && return 0
        sleep 0.05
    done
    fail "$1 was not saved"
}

# Save without a name asks for one; the file holds exactly the restored circuit.
choose_menu 0 2 # "Сохранить"
type_name saved.vrt
wait_replaced saved.vrt none
cmp -s saved.vrt fixture.vrt || fail "the saved bytes differ from the restored circuit"

# Power on shows the levels; Save now rewrites the current file without asking.
choose_menu 4 0 # "Питание" / "Вкл."
park_pointer
shot_until powered red_levels_shown powered || fail "no level drawn in red"
first_save=$(stat -c %i saved.vrt)
choose_menu 0 2 # "Сохранить"
wait_replaced saved.vrt "$first_save"
[ -z "$(window_named 'Операции с файлами')" ] || fail "Save with a current name asked for a name"
cp saved.vrt powered.vrt

# New empties the work area and creates an empty file under a typed name.
choose_menu 0 0 # "Новый..."
continue_warning
type_name empty.vrt
park_pointer
shot_until empty looks_different powered empty || fail "New left the circuit on screen"
[ -f empty.vrt ] && [ ! -s empty.vrt ] || fail "New did not create an empty file"

# Open brings back the same picture with the stored levels.
choose_menu 0 1 # "Открыть..."
continue_warning
type_name saved.vrt
park_pointer
shot_until reopened looks_same powered reopened ||
    fail "the reopened circuit looks different ($(differing_pixels powered reopened) pixels)"
opened=$(stat -c %i saved.vrt)
choose_menu 0 2 # "Сохранить"
wait_replaced saved.vrt "$opened"
cmp -s saved.vrt powered.vrt || fail "saving the reopened circuit changed its bytes"

echo "file commands: saved, emptied and reopened the same circuit"
