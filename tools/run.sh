#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-debian.sh
cmake --preset release
cmake --build --preset release
exec ./build/release/shell/qv-vantrel "$@"
