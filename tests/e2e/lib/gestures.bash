# Sourced by the end-to-end scripts after display.bash and screen.bash: the user's
# gestures on the main window ($main at $win_x, $win_y; its work area at $client_y).
# There is no window manager: keys go to the window under the pointer.
#   to, click_at, ctrl_click_at      the pointer at work-area coordinates
#   choose_menu                      an item of the menu bar, by the keyboard
#   find_dialog, dialog_ok           a dialog's place; a dialog answered
#   choose_pin                       a pin in the pin-choice dialog

# Nothing is scrolled in these sessions, so a work-area point is also a point of
# the window below the menu bar.
to() { # x y
    xdotool mousemove $((win_x + $1)) $((client_y + $2))
    sleep 0.1
}
click_at() { # x y [button: 1 left, 3 right]
    to "$1" "$2"
    xdotool click "${3:-1}"
    sleep "$pause"
}
ctrl_click_at() { # x y
    to "$1" "$2"
    xdotool keydown ctrl click 1 keyup ctrl
    sleep "$pause"
}

# Chooses item `down` (0 is the first) of the menu `right` places right of "Файл".
choose_menu() { # right down
    local popups i
    xdotool mousemove $((win_x + 20)) $((win_y + 10)) click 1
    wait_for '[ -n "$(other_windows)" ]' "$patience" || fail "the menu did not open"
    sleep "$pause"
    # Over to the next menu and back: a menu reached by the keyboard opens with its
    # first item chosen.
    xdotool key Right Left
    for ((i = 0; i < $1; ++i)); do xdotool key Right; sleep 0.2; done
    popups=$(other_windows)
    [ -n "$popups" ] || fail "the menu closed before an item was chosen"
    for ((i = 0; i < $2; ++i)); do xdotool key Down; done
    xdotool key Return
    wait_for '! other_windows | grep -qxF "$popups"' "$patience" || fail "the menu stayed open"
    sleep "$pause"
}

# Waits for the dialog: $dialog_x, $dialog_y, $dialog_width, $dialog_height.
find_dialog() { # title
    local id X Y WIDTH HEIGHT SCREEN WINDOW
    id=$(wait_for_window "$1" "$patience") || fail "no dialog \"$1\""
    eval "$(xdotool getwindowgeometry --shell "$id")"
    dialog_x=$X dialog_y=$Y dialog_width=$WIDTH dialog_height=$HEIGHT
}
# In the dialog `title`: the pointer to its point (dx, dy) (keys go where the
# pointer is), any text typed into the field that has the focus, a click there
# unless the point is (0, 0), then OK by Enter; waits until the dialog has gone.
dialog_ok() { # title dx dy [text]
    find_dialog "$1"
    xdotool mousemove $((dialog_x + $2)) $((dialog_y + $3))
    sleep "$pause"
    [ -z "${4:-}" ] || xdotool type --delay 50 "$4"
    [ "$2,$3" = 0,0 ] || xdotool click 1
    sleep "$pause"
    xdotool key Return
    wait_window_gone "$1" "$patience"
    sleep "$pause"
}
# "Сохранить изменения в схеме?", which closing with unsaved work asks, answered
# with "Не сохранять", the middle one of its three buttons along the bottom.
dont_save_changes() {
    local id X Y WIDTH HEIGHT SCREEN WINDOW
    wait_for '[ -n "$(other_windows)" ]' "$patience" || fail "closing asked nothing"
    id=$(other_windows | head -1)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 23)) click 1
}
# A pin button of the pin-choice dialog: inputs at (17, 72 + 20 n); the output of
# a 26 x 21 input signal at (151, 94), of a 30 x 30 gate at (167, 112).
choose_pin() { # dx dy
    dialog_ok "Проводник" "$1" "$2"
}
