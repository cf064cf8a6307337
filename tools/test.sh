#!/usr/bin/env bash
# Sets up and builds, then runs every test:
#  1. the whole CTest suite (unit, header and integration tests against a private server);
#  2. the unit and integration tests built with AddressSanitizer and UndefinedBehaviorSanitizer;
#  3. the multi-threaded tests and a 30-second soak run built with ThreadSanitizer;
#  4. the unit and integration tests under valgrind;
#  5. the fuzz targets, 30 seconds each (FUZZ_SECONDS).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
SAN_DIR="${SAN_DIR:-$ROOT/build-sanitize}"
TSAN_DIR="${TSAN_DIR:-$ROOT/build-tsan}"
JOBS="$(nproc)"

echo "== build"
"$ROOT/tools/setup.sh"
echo "== ctest"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$JOBS"

echo "== sanitizers"
BUILD_DIR="$SAN_DIR" "$ROOT/tools/setup.sh" -DVSKOCI_SANITIZE=ON -DVSKOCI_BUILD_EXAMPLES=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$SAN_DIR" --output-on-failure -j "$JOBS" -L 'unit|integration'

echo "== thread sanitizer"
# Only the tests that run the library from several threads at once.
cmake -S "$ROOT" -B "$TSAN_DIR" -G Ninja -DVSKOCI_TSAN=ON -DVSKOCI_BUILD_EXAMPLES=OFF -DVSKOCI_BUILD_BENCH=ON >/dev/null
ninja -C "$TSAN_DIR" vsk_statement_threads_test vsk_session_pool_threads_test vsk_call_timeout_test vskoci_thread_tests \
  vsk_soak
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir "$TSAN_DIR" --output-on-failure -R 'statement_threads|session_pool_threads|call_timeout|ThreadPackage'
# A short soak with its own private server: any failed call, wrong value or race fails it.
TSAN_OPTIONS=halt_on_error=1 SOAK_BIN="$TSAN_DIR/bench/vsk_soak" "$ROOT/tools/soak.sh" \
  --seconds 30 --own-threads 4 --pool-threads 4 --pool-size 2

echo "== valgrind"
VALGRIND=(valgrind --quiet --error-exitcode=1 --suppressions="$ROOT/tools/valgrind.supp" --leak-check=full
  --errors-for-leak-kinds=definite,indirect)
"${VALGRIND[@]}" "$BUILD_DIR/tests/unit/vskoci_unit_tests" --gtest_brief=1
"${VALGRIND[@]}" "$BUILD_DIR/tests/threads/vskoci_thread_tests" --gtest_brief=1

# The integration tests need their private server for the valgrind run as well.
PG_DIR="$(mktemp -d "${TMPDIR:-/tmp}/vsk-valgrind-pg.XXXXXX")"
trap '"$ROOT/tools/pg_cluster" stop "$PG_DIR"' EXIT
"$ROOT/tools/pg_cluster" start "$PG_DIR"
# The allocation-fault test runs each flow once per allocation; under valgrind a sample
# of them (VSK_FAULT_RUNS per flow) is enough.
for t in "$BUILD_DIR"/tests/integration/vsk_*_test; do
  echo "-- $(basename "$t")"
  VSK_TEST_PGENV="$PG_DIR/conninfo" VSK_PG_TOOL="$ROOT/tools/pg_cluster" VSK_PG_DIR="$PG_DIR" VSK_FAULT_RUNS=30 \
    "${VALGRIND[@]}" "$t" --gtest_brief=1
done

echo "== fuzz"
FUZZ_SECONDS="${FUZZ_SECONDS:-30}" "$ROOT/tools/fuzz.sh"
echo "== all tests passed"
