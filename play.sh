#!/usr/bin/env bash
# Sets everything up (packages, build, game data) and starts Quellow.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target quellow gamedata
exec build/game/quellow
