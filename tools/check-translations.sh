#!/usr/bin/env bash
# Checks that every text of the program has its translation: runs lupdate over the sources
# into a copy of each translations/*.ts (the files themselves stay as they are) and fails,
# naming the texts, when a message is unfinished or has no translation.
# After adding texts, bring a .ts up to date and translate what it marks unfinished:
#   lupdate -locations none platform aids ui shell -ts translations/qv-vantrel_hi.ts
# Usage: tools/check-translations.sh
# Needs: qt6-l10n-tools (lupdate), python3.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=/usr/lib/qt6/bin/lupdate
if [ ! -x "$lupdate" ]; then
    lupdate="$(command -v lupdate6 || command -v lupdate)"
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

status=0
for ts in translations/*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none -no-obsolete platform aids ui shell -ts "$copy"
    # Lists every message that is unfinished or has an empty translation.
    if ! python3 - "$copy" "$ts" <<'PY'; then
import sys
import xml.etree.ElementTree as ET

copy, name = sys.argv[1], sys.argv[2]
missing = []
for context in ET.parse(copy).getroot().iter("context"):
    context_name = context.findtext("name")
    for message in context.iter("message"):
        translation = message.find("translation")
        unfinished = translation is None or translation.get("type") == "unfinished"
        empty = translation is None or not "".join(translation.itertext()).strip()
        if unfinished or empty:
            missing.append(f"{context_name}: {message.findtext('source')!r}")
if missing:
    print(f"{name}: {len(missing)} text(s) without a finished translation:")
    for line in missing:
        print("  " + line)
    sys.exit(1)
PY
        status=1
    else
        echo "$ts: every text translated"
    fi
done
exit "$status"
