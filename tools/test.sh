#!/usr/bin/env bash
# Sets up and builds, then runs every test:
#  1. the whole CTest suite (unit, header and integration tests against a private server);
#  2. the unit tests built with AddressSanitizer and UndefinedBehaviorSanitizer;
#  3. the unit tests under valgrind.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
SAN_DIR="${SAN_DIR:-$ROOT/build-sanitize}"
JOBS="$(nproc)"

echo "== build"
"$ROOT/tools/setup.sh"
echo "== ctest"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS"

echo "== sanitizers"
BUILD_DIR="$SAN_DIR" "$ROOT/tools/setup.sh" -DVSKOCI_SANITIZE=ON -DVSKOCI_BUILD_EXAMPLES=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$SAN_DIR" --output-on-failure -j "$JOBS" -L unit

echo "== valgrind"
valgrind --quiet --error-exitcode=1 --suppressions="$ROOT/tools/valgrind.supp" --leak-check=full --errors-for-leak-kinds=definite,indirect \
  "$BUILD_DIR/tests/unit/vskoci_unit_tests" --gtest_brief=1
echo "== all tests passed"
