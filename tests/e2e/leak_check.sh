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
for part in session display screen gestures; do source "$(dirname "$0")/lib/$part.bash"; done

build="$(cd "$1" && pwd)"
program="$build/lotra"
source_dir="$(cd "$2" && pwd)"
# What the program and the checker said, for a failure in CI.
on_failure() {
    tail -n 40 "$work"/memory.log* "$work/stderr.log" 2>/dev/null
}
require_program "$program"
require_tools Xvfb xdotool xdpyinfo convert
if grep -q '^LOTRA_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
    mode=sanitizer
elif [ "${LOTRA_LEAK_VALGRIND:-}" = 1 ]; then
    mode=valgrind
    require_tools valgrind
else
    mode=plain
fi
# Under valgrind everything is some thirty times slower: the pauses grow with it.
if [ "$mode" = valgrind ]; then
    pause=2.5
    patience=120
fi

make_work_folder
isolate_runtime_folders
mkdir -p "$work/session"
start_xvfb --screen-file

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
track_pid "$app"
find_main_window 120
find_work_area


choose_menu 3 3 && to 150 100 && click_at 150 100 # input signal
choose_menu 3 0 && dialog_ok "Логический элемент" 67 57 1 && to 250 100 && click_at 250 100
choose_menu 3 5 && to 350 100 && click_at 350 100 # indicator
choose_menu 3 4 && dialog_ok "Генератор импульсов" 0 0 && to 150 250 && click_at 150 250
click_at 160 108 && choose_pin 151 94
click_at 265 125 && choose_pin 17 112
click_at 265 125 && choose_pin 167 112
click_at 380 115 && choose_pin 17 72
to 500 300

choose_menu 4 0 # power on
choose_menu 5 0 # generator start
sleep $((3 * ${pause%.*} + 2))
choose_menu 0 3 # save as
dialog_ok "Операции с файлами" 0 0 "leak-check.vrt"
wait_for '[ -s leak-check.vrt ]' "$patience" || fail "the circuit was not saved"
# Four elements and two straight wires take 960 bytes.
[ "$(stat -c %s leak-check.vrt)" = 960 ] || fail "the saved circuit is not the one built"
choose_menu 0 5 # exit

wait_program_exit "$app" 120 || fail "the program did not exit"
status=$exit_status
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
