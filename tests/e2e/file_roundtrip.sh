#!/usr/bin/env bash
# The real window under a virtual X display, driven with the pointer and keyboard: File > Save
# writes the drawing under a typed name, File > New empties the canvas, File > Open of the saved
# file brings the drawing back, and EXIT ends the program.
# Usage: file_roundtrip.sh path/to/tova path/to/Tova.ini
set -euo pipefail
tova=$(realpath "$1")
sample=$(realpath "$2")
for tool in Xvfb xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
display=":$((200 + RANDOM % 500))"
trap 'kill ${app:-} ${xvfb:-} 2>/dev/null; rm -rf "$work"' EXIT
Xvfb "$display" -noreset -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

cp "$sample" "$work/Tova.ini"
cd "$work"
# A real window, whatever the tests around use, away from the user's recovery copies.
XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb "$tova" >/dev/null 2>&1 & app=$!
timeout 10 xdotool search --sync --onlyvisible --name Tova >/dev/null || { echo "FAILED: no window"; exit 1; }
sleep 0.5
# Screen positions: the window sits at the top left; the menu bar is 17 pixels high.
menu_item() {  # File menu item 1 New, 2 Save, 3 Open
  xdotool mousemove 18 7 click 1; sleep 0.4
  xdotool mousemove 48 $((5 + 22 * $1)) click 1; sleep 0.6
}
canvas() { import -window root -crop 449x433+0+17 "$1"; }
fail() { echo "FAILED: $*"; exit 1; }

canvas drawn.png
menu_item 2
xdotool key Return; sleep 0.6                 # "Do You SAVE This File ?"  OK
xdotool type --delay 20 'saved.KRT'           # replaces the offered TOVA1.KRT
xdotool key Return; sleep 0.6
cmp -s saved.KRT Tova.ini || fail "the saved document is not the drawing"

menu_item 1
xdotool key Return; sleep 0.6                 # "Do You STRART A New File ?"  OK
canvas empty.png
[[ $(compare -metric AE drawn.png empty.png /dev/null 2>&1 || true) != 0 ]] || fail "New left the drawing"

menu_item 3
xdotool key Return; sleep 1                   # "Do You OPEN A File ?"  OK
xdotool type --delay 20 'saved.KRT'
xdotool key Return; sleep 0.8
canvas opened.png
[[ $(compare -metric AE drawn.png opened.png /dev/null 2>&1 || true) == 0 ]] || fail "Open did not bring the drawing back"

xdotool mousemove 596 245 click 1; sleep 0.6  # EXIT
xdotool key Escape; sleep 0.4                 # no saving
xdotool key Return; sleep 0.4                 # yes, leave
xdotool key Return                            # the farewell
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "EXIT did not end the program"
app=
echo "1 passed, 0 failed"
