#!/bin/bash
# The real program under Xvfb and a window manager: open the periodic table
# from the start window with a real mouse click, click hydrogen, find the
# yellow "A" cell on the screen, and end the program with Ctrl+Q.
#     end_to_end.sh <vielnis executable>
set -euo pipefail
export LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=xcb
program=$1
scratch=$(mktemp -d)
display=:$((120 + RANDOM % 60))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5

"$program" >/dev/null 2>&1 &
app=$!

find_window() {
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1) || true
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "window '$1' did not appear" >&2
    return 1
}

# The screen position of a point given in twips of a window's client area,
# which fills the bottom of the window (below the menu bar, if any).
screen_point() {
    local id=$1 left=$2 top=$3 client_height=$4 info
    info=$(xwininfo -id "$id")
    local x y height
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    height=$(sed -n 's/.*Height: *//p' <<<"$info")
    echo "$((x + left / 15)) $((y + height - client_height + top / 15))"
}

# Moves the real pointer there and clicks, as a hand on the mouse would.
click_at() {
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool click 1
}

start=$(find_window "Vielnis 1.2")
sleep 0.5
read -r x y < <(screen_point "$start" 787 1567 280) # the periodic table entry
click_at "$x" "$y"

table=$(find_window "Ķīmisko elementu periodiskā tabula")
sleep 0.5
read -r x y < <(screen_point "$table" 607 1447 498) # hydrogen
click_at "$x" "$y"
sleep 0.5

read -r x y < <(screen_point "$table" 7620 6560 498) # oxide cell 2, beside its letter
xwd -root -silent | convert xwd:- "$scratch/screen.png"
colour=$(convert "$scratch/screen.png" -format "%[hex:p{$x,$y}]" info:)
if [ "${colour:0:6}" != "FFFF00" ]; then
    echo "oxide cell 2 at ($x, $y) shows #$colour, not yellow" >&2
    cp "$scratch/screen.png" /tmp/e2e-failure.png 2>/dev/null || true
    kill $app
    exit 1
fi

xdotool key ctrl+q # to the focused table window, as typed
status=0
wait $app || status=$?
if [ $status -ne 0 ]; then
    echo "the program ended with status $status" >&2
    exit 1
fi
echo "end-to-end passed"
