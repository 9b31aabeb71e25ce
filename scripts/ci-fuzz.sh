#!/usr/bin/env bash
# Runs every fuzz target (tests/fuzz/*_fuzz.cpp) for a bounded time on the seeds
# the tests made, after anything found in earlier runs. A crash, a hang (an input
# taking longer than QUELLOW_FUZZ_TIMEOUT seconds), a leak or a sanitizer report
# fails; the input that caused it is kept in <build>/fuzz-artifacts/.
#
#   QUELLOW_FUZZ_SECONDS    time for all targets together (default 120), shared
#                           evenly, at least 10 seconds each
#   QUELLOW_FUZZ_TIMEOUT    seconds one input may take (default 10)
#   QUELLOW_SANITIZE_BUILD  build folder shared with scripts/ci-sanitize.sh
#   QUELLOW_JOBS            parallel compile jobs (default 2)
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${QUELLOW_SANITIZE_BUILD:-build-sanitize}
JOBS=${QUELLOW_JOBS:-2}
TOTAL=${QUELLOW_FUZZ_SECONDS:-120}
TIMEOUT=${QUELLOW_FUZZ_TIMEOUT:-10}

cmake -S . -B "$BUILD" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DQUELLOW_SANITIZE=ON -DQUELLOW_FUZZ=ON -DQUELLOW_DATA=OFF -DQUELLOW_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target fuzzers -j "$JOBS"

SEEDS="$PWD/$BUILD/fuzz-seeds"
if [ ! -d "$SEEDS" ]; then
  # The seeds are the valid files the tests write; make them when the sanitizer
  # run has not (a failing test is that run's business, not this one's).
  echo "Making fuzz seeds with the test suite..."
  mapfile -t TESTS < <(cmake --build "$BUILD" --target help | grep -oE '\btest_[A-Za-z0-9_]+' | sort -u)
  cmake --build "$BUILD" -j "$JOBS" --target "${TESTS[@]}"
  QUELLOW_FUZZ_SEEDS="$SEEDS" ctest --test-dir "$BUILD" -j "$JOBS" --timeout 900 -LE window -Q || true
fi

mapfile -t TARGETS < <(find "$BUILD/fuzz" -maxdepth 1 -type f -name '*_fuzz' -perm -u+x -printf '%f\n' | sort)
if [ ${#TARGETS[@]} -eq 0 ]; then
  echo "No fuzz targets found in $BUILD/fuzz" >&2
  exit 1
fi
PER=$(( TOTAL / ${#TARGETS[@]} ))
[ "$PER" -lt 10 ] && PER=10

CORPUS="$BUILD/fuzz-corpus"
ARTIFACTS="$BUILD/fuzz-artifacts"
LOGS="$BUILD/fuzz-logs"
mkdir -p "$CORPUS" "$ARTIFACTS" "$LOGS"

failed=0
printf '%-28s %12s %8s  %s\n' "target" "executions" "seconds" "result"
for target in "${TARGETS[@]}"; do
  name=${target%_fuzz}
  mkdir -p "$CORPUS/$name"
  dirs=("$CORPUS/$name")
  [ -d "$SEEDS/$name" ] && dirs+=("$SEEDS/$name")
  log="$LOGS/$name.log"
  status=0
  # The outer limit only guards against the fuzzer itself never finishing.
  timeout $(( PER + 120 )) "$BUILD/fuzz/$target" "${dirs[@]}" \
    -max_total_time="$PER" -timeout="$TIMEOUT" -rss_limit_mb=2048 -detect_leaks=1 \
    -print_final_stats=1 -artifact_prefix="$ARTIFACTS/$name-" >"$log" 2>&1 || status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1 || true)
  if [ "$status" -eq 0 ]; then
    result="ok"
  else
    result="FAILED (exit $status, see $log)"
    failed=1
  fi
  printf '%-28s %12s %8s  %s\n' "$target" "${runs:-?}" "$PER" "$result"
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" | sed 's/^/    /'
  fi
done
exit $failed
