# Sourced by the end-to-end scripts after display.bash: what the screen shows,
# read from the screen file that `start_xvfb --screen-file` keeps ($screen_file).
#   white_at                         whether a pixel of the screen is white now
#   find_work_area                   $client_y, the top of the main window's work area
#   shot, shot_until                 the screen as $work/NAME.png
#   count_colour, differing_pixels   what a screenshot holds

# The screen file: a header, a colour map, then 4 bytes a pixel (blue, green, red).
white_at() { # x y
    local start line
    start=$(($(screen_header_word 0) + $(screen_header_word 76) * 12))
    line=$(screen_header_word 48)
    [ "$(od -An -tx1 -j $((start + $2 * line + $1 * 4)) -N 3 "$screen_file")" = " ff ff ff" ]
}
screen_header_word() { od -An -tu4 --endian=big -j "$1" -N 4 "$screen_file" | tr -d ' '; }

# The work area begins at the first white row below the menu bar of the main window
# ($win_x, $win_y); the work area is white once painted.
find_work_area() {
    local row=""
    sleep "$pause"
    wait_for 'row=$(first_white_row) && [ -n "$row" ]' 10 || fail "no white work area below the menu bar"
    client_y=$((win_y + row))
}
first_white_row() {
    convert "xwd:$screen_file" -crop "1x60+$((win_x + 400))+$win_y" +repage -depth 8 txt:- |
        awk -F'[,:]' '/#FFFFFF/ {print $2; exit}'
}

shot() { # name
    convert "xwd:$screen_file" "$work/$1.png"
}
# The program repaints in its own time: retakes the screenshot `name` until the
# test holds, for up to 10 s.
shot_until() { # name test...
    local name=$1
    shift
    for _ in $(seq 30); do
        shot "$name"
        "$@" && return 0
        sleep 0.3
    done
    return 1
}

# Pixels of a colour family (red, blue, dark, or the frames' of chosen elements)
# in a rectangle of the work area of a screenshot.
count_colour() { # shot colour x y w h
    convert "$work/$1.png" -crop "$5x$6+$((win_x + $3))+$((client_y + $4))" +repage \
        -depth 8 txt:- | awk -v want="$2" '
        match($0, /\([0-9]+,[0-9]+,[0-9]+/) {
            split(substr($0, RSTART + 1, RLENGTH - 1), c, ",")
            r = c[1]; g = c[2]; b = c[3]
            if (want == "red" && r > 180 && g < 90 && b < 90) n++
            if (want == "blue" && b > 180 && r < 90 && g < 90) n++
            if (want == "dark" && r < 90 && g < 90 && b < 90) n++
            if (want == "choice" && r < 60 && g > 90 && g < 150 && b > 180) n++
        }
        END { print n + 0 }'
}
differing_pixels() { # shot shot
    compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true
}
