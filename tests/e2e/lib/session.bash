# Shared by the end-to-end scripts: sourced, never run on its own (and not named
# *.sh, so that it is not taken for a test). The scripts run under
# `set -euo pipefail`; these functions are written for that.
#
# The run itself, from its checks before anything starts to its cleanup:
#   require_program, require_tools   checks before anything starts
#   make_work_folder                 $work, removed at exit with the programs ended
#   track_pid, end_program           programs to end at exit (latest first), or sooner
#   wait_program_exit                a program that ends by itself
#   isolate_runtime_folders          our own TMPDIR, XDG_RUNTIME_DIR and XDG_CONFIG_HOME
#   now_ms, wait_for                 waiting for a condition with a deadline
#   pause, patience                  how long the program is given
#   fail, keep_screenshots           the end of a failed run

# The title of the program's main window (used by the scripts).
# shellcheck disable=SC2034
main_title='Лотра - 2'

# Ends the run. A script that sets `shots` to a folder keeps its screenshots
# ($work/*.png) there; with `shoot_screen_on_failure` set, the whole screen at
# that moment is added as failure.png (this needs `start_xvfb --screen-file`). A
# script's own `on_failure`, if it has one, shows what else explains the failure.
fail() {
    echo "FAIL: $*"
    if declare -F on_failure >/dev/null; then on_failure || true; fi
    if [ -n "${shots:-}" ]; then
        if [ -n "${shoot_screen_on_failure:-}" ] && [ -n "${screen_file:-}" ]; then
            convert "xwd:$screen_file" "$work/failure.png" 2>/dev/null || true
        fi
        keep_screenshots
    fi
    exit 1
}
keep_screenshots() {
    [ -n "${work:-}" ] || return 0
    mkdir -p "$shots" && cp "$work"/*.png "$shots/" 2>/dev/null || true
}

require_program() { # path
    [ -x "$1" ] || fail "no program at $1"
}
require_tools() { # tool...
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "missing tool: $tool (scripts/install-deps.sh test)"
    done
}

# A temporary folder, $work, and the programs started in it: at exit they are ended,
# the latest first (so the display goes last), then the script's own `on_exit` runs
# if it has one, then the folder is removed.
make_work_folder() {
    work=$(mktemp -d)
    pids=()
    trap end_session EXIT
}
track_pid() { # pid
    pids+=("$1")
}
# Ends a tracked program now and forgets it.
end_program() { # pid
    stop_and_wait "$1"
    forget_pid "$1"
}
# Waits until a tracked program has ended by itself, false after that many seconds;
# then its exit status is in $exit_status, and it is forgotten.
wait_program_exit() { # pid seconds
    local pid=$1
    wait_for '! kill -0 "$pid" 2>/dev/null' "$2" || return 1
    exit_status=0
    wait "$pid" || exit_status=$?
    forget_pid "$pid"
}
# A program that has ended is never signalled again: its number may belong to
# another program by then.
forget_pid() { # pid
    local kept=() pid
    for pid in "${pids[@]}"; do [ "$pid" = "$1" ] || kept+=("$pid"); done
    pids=("${kept[@]}")
}
# Ends a program and waits until it is gone (at most 5 s, then it is killed), so
# that a display server has given up its display number and its sockets before the
# next test starts one of its own.
stop_and_wait() { # pid
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.05
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
end_session() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; --i)); do stop_and_wait "${pids[i]}"; done
    if declare -F on_exit >/dev/null; then on_exit || true; fi
    rm -rf "$work"
}

# The single-instance socket lives in the temporary folder: ours is kept apart from
# any copy the user runs, and from the other tests. The settings the program
# remembers for the user (its zoom) start afresh too.
isolate_runtime_folders() {
    export TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
    mkdir -p "$TMPDIR" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

# Seconds the program is given after a gesture, and at most for a window, a menu
# or a dialog to open or close; a slow run (valgrind) raises both.
pause=0.3
patience=30

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Evaluates the condition until it holds, every `poll` seconds (0.05 unless told);
# false once the whole seconds have passed without it.
wait_for() { # condition seconds [poll]
    local deadline=$(($(now_ms) + $2 * 1000))
    until eval "$1"; do
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep "${3:-0.05}"
    done
}
