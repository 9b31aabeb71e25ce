#!/usr/bin/env bash
# Runs the full-screen and window tests on virtual displays of three sizes, each
# without a window manager and with a small one (evilwm), every display a fresh
# X server of its own.  Usage: displays.sh TEST_WINDOW_PROGRAM
set -euo pipefail
program="$1"
if ! command -v xvfb-run >/dev/null || ! command -v evilwm >/dev/null; then
  echo "xvfb-run and evilwm are needed (scripts/install-deps.sh)" >&2
  exit 1
fi
failed=0
# QUELLOW_DISPLAY_SIZES narrows the sizes (the sanitizer build runs one).
for size in ${QUELLOW_DISPLAY_SIZES:-1024x768 1280x1024 1920x1080}; do
  for manager in none evilwm; do
    echo "== display ${size}, window manager: ${manager}"
    if ! xvfb-run -a -s "-screen 0 ${size}x24" env MANAGER="$manager" PROGRAM="$program" bash -c '
        unset SDL_VIDEODRIVER
        if [ "$MANAGER" != none ]; then
          # The virtual display has only its built-in font.
          "$MANAGER" -fn fixed >/dev/null 2>&1 &
          manager_pid=$!
          export QUELLOW_EXPECT_WM=1
        fi
        status=0
        "$PROGRAM" --gtest_filter="DesktopWindow.*" --gtest_brief=1 || status=$?
        if [ -n "${manager_pid:-}" ]; then kill "$manager_pid" 2>/dev/null || true; fi
        exit $status'; then
      echo "== FAILED on display ${size} with window manager ${manager}"
      failed=1
    fi
  done
done
exit $failed
