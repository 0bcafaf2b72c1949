#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-debian.sh --tests
cmake --preset debug
cmake --build --preset debug
ctest --preset debug
