#!/usr/bin/env bash
# Takes the README's screenshots of the main window under a virtual X server: the input
# panel filled in by keyboard with a place chosen in the place finder, the reading that the
# calculate command then shows, and the same reading after Language > Hindi.
#
# Usage: tools/screenshots.sh [PROGRAM]
#   PROGRAM defaults to build/release/shell/qv-vantrel; the script builds nothing.
# Writes docs/screenshots/main-input.png, main-result.png and main-result.hi.png.
# Needs: xvfb, xdotool, imagemagick (import), dbus (dbus-run-session).
#
# The program runs with its own empty home folder, so no settings of the user are read or
# written, and inside its own session bus, so no helper process outlives the script.
set -euo pipefail

cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/shell/qv-vantrel}")
outDir=docs/screenshots
readonly Title="QV Vantrel v1.20"

if [[ ! -x "$program" ]]; then
    echo "no program at $program; build it first (cmake --build --preset release)" >&2
    exit 1
fi
for tool in Xvfb xdotool import dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done

if [[ "${VANTREL_SCREENSHOT_INNER:-}" != 1 ]]; then
    export VANTREL_SCREENSHOT_INNER=1
    exec dbus-run-session -- "$0" "$program"
fi

work=$(mktemp -d)
xvfbPid=""
programPid=""
cleanup() {
    local status=$?
    set +e
    for pid in $programPid $xvfbPid; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

# A free display number: the first without a lock file.
display=99
while [[ -e "/tmp/.X${display}-lock" ]]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfbPid=$!
export DISPLAY=":$display"
for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
# The pictures show the window at scale 1, whatever scaling the caller's environment asks for.
unset QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_FONT_DPI QT_USE_PHYSICAL_DPI
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
    LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 "$program" >"$work/program.log" 2>&1 &
programPid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name "^${Title}\$" | head -n 1)
xdotool windowmove --sync "$window" 0 0
xdotool windowfocus --sync "$window"
sleep 0.5

# Typing goes to the focused control; Tab follows the window's keyboard order from the name:
# month, day, year, Now, hour, minute, second, longitude (degrees, minutes, East/West),
# latitude (degrees, minutes, North/South), city.
key() { xdotool key --clearmodifiers "$@"; sleep 0.15; }
typeText() { xdotool type --delay 40 "$1"; sleep 0.3; }
tab() { key Tab; }

xdotool mousemove --window "$window" 5 5 click 1 # makes sure the window has the keyboard
key ctrl+a
typeText "Meera"; tab                     # name
typeText "Jul"; tab                       # month: keyboard search picks July
typeText "4"; tab                         # day
typeText "2015"; tab                      # year
tab                                   # Now
typeText "21"; tab                        # hour
typeText "0"; tab                         # minute
for _ in 1 2 3 4 5 6 7; do tab; done  # seconds stay 0; on past the coordinates to City
typeText "New York"                       # the place finder suggests New York City first
key Down; key Return                  # choosing it fills the place, its zone and DST
sleep 0.5

mkdir -p "$outDir"
import -window "$window" "$outDir/main-input.png"

key alt+g                             # "&Get My Vantrel Reading"
sleep 1
import -window "$window" "$outDir/main-result.png"

key alt+l; key Down; key Return       # Language > Hindi
sleep 1
import -window "$window" "$outDir/main-result.hi.png"

echo "wrote $outDir/main-input.png, $outDir/main-result.png and $outDir/main-result.hi.png"
