# Sourced by the end-to-end scripts after session.bash: a display of the run's own
# and the windows on it.
#   start_xvfb                       a free display, ended with the run
#   window_named, wait_for_window    a visible window by its exact title
#   find_main_window                 the program's window: $main, $win_x, $win_y
#   wait_window_gone                 ... until it has closed
#   other_windows                    open drop-down menus and dialogs

# Starts Xvfb on a free display, exports DISPLAY and QT_QPA_PLATFORM for it and
# waits until it answers (a program started sooner could find no display). Xvfb
# picks the number itself (-displayfd): the first whose socket it can bind, which
# no other server holds, so runs started at the same time never share one. With
# --screen-file the screen is also kept as a file, $screen_file (XWD), which makes
# screenshots cheap. -noreset: a server resets whenever its last client leaves,
# and a program that connects during the reset is refused ("could not connect to
# display"); the short-lived xdpyinfo and xdotool calls leave all the time.
start_xvfb() { # [--screen-file]
    local keep_screen=() xvfb
    if [ "${1:-}" = --screen-file ]; then
        mkdir -p "$work/screen"
        keep_screen=(-fbdir "$work/screen")
        screen_file="$work/screen/Xvfb_screen0"
    fi
    # A server that ends at once or names no display is tried again.
    for _ in 1 2 3; do
        : >"$work/display"
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset "${keep_screen[@]}" \
            3>"$work/display" 2>>"$work/xvfb.log" &
        xvfb=$!
        track_pid "$xvfb"
        wait_for '[ -s "$work/display" ] || ! kill -0 "$xvfb" 2>/dev/null' 10
        if [ -s "$work/display" ]; then
            export DISPLAY=":$(head -1 "$work/display")" QT_QPA_PLATFORM=xcb
            wait_for 'xdpyinfo >/dev/null 2>&1' 30 || fail "the display $DISPLAY does not answer"
            return 0
        fi
        end_program "$xvfb"
    done
    cat "$work/xvfb.log"
    fail "Xvfb did not start"
}

# The id of a visible window with exactly this title, or nothing.
window_named() { # title
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1
}
# Prints the window's id once it is visible; false after that many seconds.
wait_for_window() { # title seconds
    local title=$1
    wait_for '[ -n "$(window_named "$title")" ]' "$2" && window_named "$title"
}
wait_window_gone() { # title seconds
    local title=$1
    wait_for '[ -z "$(window_named "$title")" ]' "$2" || fail "window \"$title\" stayed open"
}
# Visible windows other than the main one ($main): an open drop-down menu or a dialog.
other_windows() {
    xdotool search --onlyvisible --class . 2>/dev/null | grep -v "^$main\$" || true
}
# Waits for the program's main window: $main, its id, and $win_x, $win_y, its place.
find_main_window() { # seconds
    local X Y WIDTH HEIGHT SCREEN WINDOW
    main=$(wait_for_window "$main_title" "$1") || fail "the window did not appear"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    win_x=$X win_y=$Y
}
