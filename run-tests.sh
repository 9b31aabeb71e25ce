#!/usr/bin/env bash
# Sets everything up (packages, build, game data) and runs the whole test suite.
# Tests that need a real window run on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DQUELLOW_WERROR=ON >/dev/null
cmake --build build -j"$(nproc)"
cd build
xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure -j"$(nproc)" "$@"
