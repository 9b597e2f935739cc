#!/usr/bin/env bash
# Takes a screenshot of the Tova window on the sample drawing under a virtual X display.
# Usage: scripts/screenshot.sh path/to/tova out.png
set -euo pipefail
tova=$(realpath "$1")
out=$(realpath -m "$2")
display=:97
Xvfb "$display" -noreset -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
data=$(mktemp -d)  # no recovery copy of the user's to ask about
trap 'kill "$tova_pid" "$xvfb" 2>/dev/null || true; rm -rf "$data"' EXIT
sleep 1
cd "$(dirname "$0")/../samples"
XDG_DATA_HOME=$data DISPLAY=$display "$tova" >/dev/null 2>&1 &
tova_pid=$!
sleep 2
window=$(DISPLAY=$display xdotool search --onlyvisible --name 'Tova' | head -n 1)
DISPLAY=$display import -window "$window" "$out"
echo "wrote $out"
