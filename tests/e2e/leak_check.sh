#!/usr/bin/env bash
# A whole session of the real program under Xvfb, checked for leaks and invalid
# memory accesses: an input signal, an inverted gate, an indicator and a pulse
# generator placed from the menu, two wires drawn through the pin dialog, power
# on, the generator started and left ticking, the circuit saved under a typed
# name, and the program closed from the menu. In a sanitizer build the program's
# own LeakSanitizer watches it; with LOTRA_LEAK_VALGRIND=1 it runs under
# valgrind's memcheck instead (some minutes, and its pauses are long enough only
# on an idle machine); otherwise only the session and a clean exit are checked.
# Qt, fontconfig and the X libraries keep allocations of their own until exit,
# so a leak counts only when the code that allocated it is ours.
# Usage: leak_check.sh <build dir> <source dir>
set -euo pipefail
# For stop_and_wait; this script keeps its own fail and cleanup.
source "$(dirname "$0")/lib/session.bash"

build="$(cd "$1" && pwd)"
program="$build/lotra"
source_dir="$(cd "$2" && pwd)"
fail() {
    echo "FAIL: $*"
    # What the program and the checker said, for a failure in CI.
    [ -z "${work:-}" ] || tail -n 40 "$work"/memory.log* "$work/stderr.log" 2>/dev/null || true
    exit 1
}
[ -x "$program" ] || fail "no program at $program"
for tool in Xvfb xdotool xdpyinfo convert; do
    command -v "$tool" >/dev/null || fail "missing tool: $tool (scripts/install-deps.sh test)"
done
if grep -q '^LOTRA_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
    mode=sanitizer
elif [ "${LOTRA_LEAK_VALGRIND:-}" = 1 ]; then
    mode=valgrind
    command -v valgrind >/dev/null || fail "missing tool: valgrind (scripts/install-deps.sh test)"
else
    mode=plain
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; --i)); do stop_and_wait "${pids[i]}"; done
    rm -rf "$work"
}
trap cleanup EXIT
export TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$TMPDIR" "$XDG_RUNTIME_DIR" "$work/session" "$work/screen"
chmod 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -fbdir "$work/screen" 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -1 "$work/display")" QT_QPA_PLATFORM=xcb
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done

report="$work/memory.log"
cd "$work/session"
if [ "$mode" = sanitizer ]; then
    ASAN_OPTIONS="detect_leaks=1:exitcode=23:log_path=$report" \
        LSAN_OPTIONS="fast_unwind_on_malloc=0" "$program" 2>"$work/stderr.log" &
elif [ "$mode" = valgrind ]; then
    valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
        --errors-for-leak-kinds=none --num-callers=30 --fullpath-after= \
        --log-file="$report" "$program" 2>"$work/stderr.log" &
else
    "$program" 2>"$work/stderr.log" &
fi
app=$!
pids+=($app)

wait_for() { # condition, tenths of a second
    for _ in $(seq "$2"); do eval "$1" && return 0; sleep 0.1; done
    return 1
}
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
# Under valgrind everything is some thirty times slower: the pauses grow with it.
pause=0.3
[ "$mode" = valgrind ] && pause=2.5
wait_for '[ -n "$(window_named "Лотра - 2")" ]' 1200 || fail "the window did not appear"
main=$(window_named "Лотра - 2")
eval "$(xdotool getwindowgeometry --shell "$main")"
win_x=$X win_y=$Y
sleep "$pause"
# The client area begins at the first white row below the menu bar.
convert "xwd:$work/screen/Xvfb_screen0" "$work/start.png"
menu_bar=$(convert "$work/start.png" -crop "1x60+$((win_x + 400))+$win_y" +repage -depth 8 txt:- |
    awk -F'[,:]' '/#FFFFFF/ {print $2; exit}')
[ -n "$menu_bar" ] || fail "no white work area below the menu bar"
client_y=$((win_y + menu_bar))

to() { xdotool mousemove $((win_x + $1)) $((client_y + $2)); sleep 0.1; }
click_at() { to "$1" "$2" && xdotool click 1 && sleep "$pause"; }
other_windows() { xdotool search --onlyvisible --class . 2>/dev/null | grep -v "^$main\$" || true; }
# Item `down` of the menu `right` places right of "Файл", by the keyboard.
menu() {
    xdotool mousemove $((win_x + 20)) $((win_y + 10)) click 1
    wait_for '[ -n "$(other_windows)" ]' 300 || fail "the menu did not open"
    sleep "$pause"
    xdotool key Right Left
    for ((i = 0; i < $1; ++i)); do xdotool key Right; sleep 0.2; done
    for ((i = 0; i < $2; ++i)); do xdotool key Down; done
    xdotool key Return
    sleep "$pause"
}
# In the dialog `title`: the pointer to its point (dx, dy), any text typed, a click,
# then OK by Enter.
dialog_ok() { # title dx dy [text]
    local dialog=$1
    wait_for '[ -n "$(window_named "$dialog")" ]' 600 || fail "no dialog \"$dialog\""
    eval "$(xdotool getwindowgeometry --shell "$(window_named "$dialog")")"
    xdotool mousemove $((X + $2)) $((Y + $3))
    sleep "$pause"
    [ -z "${4:-}" ] || xdotool type --delay 50 "$4"
    [ "$2" = 0 ] || xdotool click 1
    sleep "$pause"
    xdotool key Return
    wait_for '[ -z "$(window_named "$dialog")" ]' 600 || fail "dialog \"$dialog\" stayed open"
    sleep "$pause"
}
# Pin buttons: inputs at (17, 72 + 20 n); the output of an input signal at
# (151, 94), of a gate at (167, 112).
pin() { dialog_ok "Проводник" "$1" "$2"; }

menu 1 3 && to 150 100 && click_at 150 100 # input signal
menu 1 0 && dialog_ok "Логический элемент" 67 57 1 && to 250 100 && click_at 250 100
menu 1 5 && to 350 100 && click_at 350 100 # indicator
menu 1 4 && dialog_ok "Генератор импульсов" 0 0 && to 150 250 && click_at 150 250
click_at 160 108 && pin 151 94
click_at 265 125 && pin 17 112
click_at 265 125 && pin 167 112
click_at 380 115 && pin 17 72
to 500 300

menu 2 0 # power on
menu 3 0 # generator start
sleep $((3 * ${pause%.*} + 2))
menu 0 3 # save as
dialog_ok "Операции с файлами" 0 0 "leak-check.vrt"
wait_for '[ -s leak-check.vrt ]' 600 || fail "the circuit was not saved"
# Four elements and two straight wires take 960 bytes.
[ "$(stat -c %s leak-check.vrt)" = 960 ] || fail "the saved circuit is not the one built"
menu 0 4 # exit

status=0
wait_for '! kill -0 "$app" 2>/dev/null' 1200 || fail "the program did not exit"
wait "$app" || status=$?
cat "$report"* "$work/stderr.log" > "$work/all.log" 2>/dev/null || true

# Walks each leak's allocation stack outward from the allocator, past the
# allocator itself and inlined library headers, to the first frame with a place:
# a file of ours counts the leak, a system library does not.
our_leaks=$(awk -v src="$source_dir" '
    /(Direct|Indirect) leak of|definitely lost in/ { open = 1; decided = 0; next }
    open && !decided && /#[0-9]+ |(at|by) 0x/ {
        if ($0 ~ /asan_|vg_replace_malloc|vgpreload|operator new|libstdc\+\+|\/usr\/include\//) next
        decided = 1
        if (index($0, src) || $0 ~ /lotra\)|\(in .*\/lotra\)/) { print; n++ }
        next
    }
    /^[= 0-9]*$/ { open = 0 }
' "$work/all.log")
invalid=$(grep -cE "ERROR: AddressSanitizer|runtime error:|Invalid (read|write|free)|Mismatched free" \
    "$work/all.log" || true)
echo "leak check ($mode): exit status $status, $(grep -cE 'leak of|definitely lost in' "$work/all.log" || true) leak records in all, invalid accesses: $invalid"
if [ -n "$our_leaks" ] || [ "$invalid" != 0 ]; then
    cat "$work/all.log"
    printf 'leaks allocated by our code:\n%s\n' "$our_leaks"
    fail "memory errors in the program"
fi
# The sanitizers end a run with 23 when they reported anything; only the leaks of
# the libraries can have been left unfailed above.
if [ "$status" != 0 ] && ! { [ "$mode" = sanitizer ] && [ "$status" = 23 ]; }; then
    fail "the program exited with status $status"
fi
echo "PASS"
