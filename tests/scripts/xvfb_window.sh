#!/usr/bin/env bash
# Runs the real game in a real window under Xvfb and drives it with xdotool: the window must appear
# with its title at 800 x 600, take mouse and keys, and leave cleanly on Escape.
# Arguments: <build dir> <source dir> <data dir>
set -uo pipefail
build=$1
data=$3
game="$build/tessaro"

for tool in xvfb-run xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 0
    fi
done

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" TESSARO_DATA="$data"
unset SDL_VIDEODRIVER
export SDL_RENDER_DRIVER=opengl # the hardware-style path, on Mesa's software OpenGL under Xvfb
export SDL_AUDIODRIVER=dummy
# System graphics libraries keep allocations until exit; leaks are checked by the unit tests.
export ASAN_OPTIONS=detect_leaks=0

xvfb-run -a -s "-screen 0 1024x768x24" bash -s "$game" <<'SCRIPT'
set -u
game=$1
"$game" >"$HOME/game.log" 2>&1 &
pid=$!
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --name '^Tessaro Puzzle Game$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.2
done
if [ -z "$window" ]; then
    echo "FAIL: no window titled 'Tessaro Puzzle Game' appeared"
    cat "$HOME/game.log"
    kill "$pid" 2>/dev/null
    exit 1
fi
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
echo "window $window geometry $geometry"
if [ "$geometry" != "800x600" ]; then
    echo "FAIL: expected an 800x600 window"
    kill "$pid" 2>/dev/null
    exit 1
fi
sleep 1
xdotool mousemove --window "$window" 400 300 click 1
sleep 0.5
xdotool key --window "$window" Escape
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the game did not leave after Escape"
    kill "$pid"
    exit 1
fi
wait "$pid"
status=$?
cat "$HOME/game.log"
if [ "$status" -ne 0 ]; then
    echo "FAIL: the game ended with status $status"
    exit 1
fi
[ -d "$HOME/Library/Preferences/.tessaroPuzzleGame/data" ] || { echo "FAIL: no per-user folder"; exit 1; }
echo "PASS"
SCRIPT
