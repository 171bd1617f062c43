# Shared by the end-to-end scripts: sourced, never run on its own (and not named
# *.sh, so that it is not taken for a test). The scripts run under
# `set -euo pipefail`; these functions are written for that.
#
# What a script gets:
#   require_program, require_tools   checks before anything starts
#   make_work_folder                 $work, removed at exit with the programs ended
#   track_pid, forget_pid            programs to end at exit (latest first)
#   isolate_runtime_folders          our own TMPDIR and XDG_RUNTIME_DIR
#   start_xvfb, wait_for_xserver     a display of our own
#   window_named                     a visible window by its exact title
#   fail, keep_screenshots           the end of a failed run

# The title of the program's main window (used by the scripts).
# shellcheck disable=SC2034
main_title='Лотра - 2'

# Ends the run. A script that sets `shots` to a folder keeps its screenshots
# ($work/*.png) there; with `shoot_screen_on_failure` set, the whole screen at
# that moment is added as failure.png (this needs `start_xvfb --screen-file`).
fail() {
    echo "FAIL: $*"
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
# For a program that has already been ended and waited for.
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
# any copy the user runs, and from the other tests.
isolate_runtime_folders() {
    export TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p "$TMPDIR" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}

# Starts Xvfb on a free display (it names the display itself) and exports DISPLAY
# and QT_QPA_PLATFORM for it. With --screen-file the screen is also kept as a file,
# $screen_file (XWD), which makes screenshots cheap.
start_xvfb() { # [--screen-file]
    local keep_screen=()
    if [ "${1:-}" = --screen-file ]; then
        mkdir -p "$work/screen"
        keep_screen=(-fbdir "$work/screen")
        screen_file="$work/screen/Xvfb_screen0"
    fi
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp "${keep_screen[@]}" \
        3>"$work/display" 2>/dev/null &
    track_pid $!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    export DISPLAY=":$(head -1 "$work/display")" QT_QPA_PLATFORM=xcb
}
# Waits until the display answers.
wait_for_xserver() {
    until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done
}

# The id of a visible window with exactly this title, or nothing.
window_named() { # title
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1
}
