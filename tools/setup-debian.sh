#!/usr/bin/env bash
# Installs what building, testing and running the program needs on Debian 12.
# Safe to run again: packages already present are left as they are. With --tests it adds
# what only the tests need (pdftotext reads back the exported PDF).
set -euo pipefail

packages=(
    build-essential cmake ninja-build clang
    qt6-base-dev qt6-base-dev-tools libgl-dev libqt6svg6
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    fonts-dejavu-core fonts-lohit-deva tzdata
    xvfb xauth xdotool x11-utils dbus imagemagick time
    desktop-file-utils appstream file
    shared-mime-info xdg-utils libfile-mimeinfo-perl
)
if [ "${1:-}" = "--tests" ]; then
    packages+=(poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
