#!/usr/bin/env bash
# Checks an installed QV Vantrel: the menu entry and the AppStream file pass their validators,
# every icon size is in the hicolor theme, the desktop knows ".nak" and ".vantrel" files as
# readings, and the menu entry's command starts the program, shows its main window under a
# virtual X server and is still running three seconds later.
#
# Usage: packaging/check-installed.sh [PREFIX]   (PREFIX defaults to /usr)
# Needs: desktop-file-utils, appstream, shared-mime-info, xdg-utils, libfile-mimeinfo-perl,
# xvfb, xauth, xdotool.
set -euo pipefail

prefix="${1:-/usr}"
readonly AppId=example.qv_vantrel.QVVantrel
readonly MainTitle="QV Vantrel v1.20"
desktop="$prefix/share/applications/qv-vantrel.desktop"
metainfo="$prefix/share/metainfo/$AppId.metainfo.xml"

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
for size in 16 24 32 48 64 128 256; do
    test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/qv-vantrel.png"
done
test -s "$prefix/share/icons/hicolor/scalable/apps/qv-vantrel.svg"

# The file types of readings, as a file manager asks for them.
test -s "$prefix/share/mime/packages/qv-vantrel.xml"
sample="$(mktemp -d)"
printf '\x86\r\n' >"$sample/reading.nak"
printf '{"format": "qv-vantrel-reading", "version": 1}\n' >"$sample/reading.vantrel"
for pair in reading.nak:application/x-qv-vantrel-reading \
    reading.vantrel:application/x-qv-vantrel-reading+json; do
    file="${pair%%:*}"
    type="${pair#*:}"
    grep -q "^MimeType=.*$type;" "$desktop"
    found="$(XDG_DATA_DIRS="$prefix/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" \
        xdg-mime query filetype "$sample/$file")"
    if [ "${found%%;*}" != "$type" ]; then
        echo "check-installed.sh: $file is '$found', not $type" >&2
        rm -rf "$sample"
        exit 1
    fi
    echo "$file is $type"
done
rm -rf "$sample"

# The command a menu would run, without field codes such as %f.
command="$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[fFuUick]//g')"
echo "starting '$command' from the menu entry"

# No session bus: nothing the program starts may outlive the check.
export DBUS_SESSION_BUS_ADDRESS=disabled:
export PATH="$prefix/bin:$PATH"
export MAIN_TITLE="$MainTitle" APP_COMMAND="$command"
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"

# shellcheck disable=SC2016 # the inner script expands its own variables
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
    set -u
    $APP_COMMAND &
    pid=$!
    if ! timeout 30 xdotool search --sync --onlyvisible --name "^${MAIN_TITLE}\$" >/dev/null; then
        echo "check-installed.sh: no window titled \"$MAIN_TITLE\" appeared" >&2
        kill "$pid" 2>/dev/null
        exit 1
    fi
    sleep 3
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        echo "check-installed.sh: the program ended early with status $?" >&2
        exit 1
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null
    echo "the program showed its main window and was still running after 3 s"
    exit 0
'
