#!/usr/bin/env bash
# Runs the real program once from start to exit on a virtual X display: opens the sample
# reading through the open-file dialog, answers the update reminder, looks at the about box,
# closes the main window and leaves the refer-a-friend window. Screenshots of the about box
# and the refer-a-friend window go to docs/screenshots/.
#
#   tools/run-through.sh [build folder]     (default: build/run-through, configured here)
#
# Needs Xvfb, xdotool and ImageMagick's import (tools/setup-debian.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-build/run-through}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTREL_BUILD_BENCH=OFF
fi
cmake --build "$build" --target qv-vantrel reminder_seed -j2

work=$(mktemp -d)
display=":$((90 + RANDOM % 100))"
xvfb_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A user of its own: settings, instance locks and the reading stay inside $work.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$work/readings"
chmod 700 "$XDG_RUNTIME_DIR"
export DISPLAY="$display" DBUS_SESSION_BUS_ADDRESS=disabled QT_QPA_PLATFORM=xcb
export BROWSER=true # a page the program opens goes nowhere
unset QT_QPA_PLATFORMTHEME
# The screenshots show the windows at scale 1, whatever scaling the caller's environment asks for.
export QT_SCALE_FACTOR=1
unset QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_FONT_DPI QT_USE_PHYSICAL_DPI

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb_pid=$!
for _ in $(seq 50); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done

# The sample reading, writable (the dialog refuses read-only files).
cp examples/sample-reading.nak "$work/readings/sample-reading.nak"
chmod u+w "$work/readings/sample-reading.nak"
# A reminder record 30 days old, so that the reminder asks its question.
"$build/tests/shell/reminder_seed" qv-vantrel 30
record="$XDG_CONFIG_HOME/QV Vantrel/qv-vantrel.conf"
aged=$(md5sum "$record")

step() { echo "== $*"; }

# The newest visible window with the title, and keyboard focus on it.
window_titled() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "no window titled '$1'" >&2; exit 1; }
    echo "$id"
}
focus() {
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    sleep 0.3
}
# Waits until a window with the title (more of them than $2) has appeared.
wait_for_windows() {
    for _ in $(seq 100); do
        [ "$(xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l)" -gt "$2" ] && return 0
        sleep 0.1
    done
    echo "window '$1' did not appear" >&2
    exit 1
}
shot() {
    sleep 0.5
    import -window "$1" "$2"
    echo "   screenshot $2"
}

caption='^QV Vantrel v1.20$'
step "start"
"$build/shell/qv-vantrel" &
program_pid=$!
main=$(window_titled "$caption")
focus "$main"

step "open the sample reading through the dialog"
xdotool key alt+o
dialog=$(window_titled '^Select the source file$')
focus "$dialog"
xdotool type --delay 20 "$work/readings/sample-reading.nak"
xdotool key Return

step "answer the update reminder: No"
question=$(window_titled '^QV Vantrel$')
focus "$question"
xdotool key alt+n
sleep 0.5
# Answered: the record now holds today's date.
[ "$(md5sum "$record")" != "$aged" ] || { echo "the reminder did not run" >&2; exit 1; }

step "about box"
# The main window with the reading's result, for a look afterwards.
import -window "$main" "${TMPDIR:-/tmp}/qv-vantrel-main.png"
focus "$main"
xdotool key alt+h
sleep 0.3
xdotool key a
wait_for_windows "$caption" 1
about=$(window_titled "$caption")
mkdir -p docs/screenshots
shot "$about" docs/screenshots/about.png
focus "$about"
xdotool key Escape
sleep 0.5

step "close the main window: File > Exit"
focus "$main"
xdotool key alt+f
sleep 0.3
xdotool key x
sleep 1
refer=$(window_titled "$caption")
shot "$refer" docs/screenshots/refer-friend.png

step "leave the refer-a-friend window: Exit"
focus "$refer"
xdotool key alt+x
for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "the program did not end with its last window" >&2
    exit 1
fi
wait "$program_pid"
status=$?
program_pid=""
step "the program ended with status $status"
[ "$status" -eq 0 ]
echo "run-through passed; screenshots in $root/docs/screenshots"
