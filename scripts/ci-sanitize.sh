#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang) in its own build folder and runs it: any sanitizer report, leak included,
# fails. The same folder holds the fuzz targets (scripts/ci-fuzz.sh), and the tests
# leave their valid files there as the fuzzers' seeds. The data tools and the
# benchmarks are not built; the checks of the generated data run in the normal build.
#
#   QUELLOW_SANITIZE_BUILD  build folder (default build-sanitize)
#   QUELLOW_JOBS            parallel compile and test jobs (default 2)
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${QUELLOW_SANITIZE_BUILD:-build-sanitize}
JOBS=${QUELLOW_JOBS:-2}

cmake -S . -B "$BUILD" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DQUELLOW_SANITIZE=ON -DQUELLOW_FUZZ=ON -DQUELLOW_DATA=OFF -DQUELLOW_BENCH=OFF
cmake --build "$BUILD" -j "$JOBS"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1:check_initialization_order=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QUELLOW_FUZZ_SEEDS="$PWD/$BUILD/fuzz-seeds"
rm -rf "$QUELLOW_FUZZ_SEEDS"
ctest --test-dir "$BUILD" --output-on-failure -j "$JOBS" --timeout 900
