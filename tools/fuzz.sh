#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS (default 60).
#   tools/fuzz.sh [target...]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
FUZZ_DIR="${FUZZ_DIR:-$ROOT/build-fuzz}"
SECONDS_EACH="${FUZZ_SECONDS:-60}"

CLANG="$(command -v clang++-14 || command -v clang++ || true)"
CLANG_C="$(command -v clang-14 || command -v clang || true)"
[[ -n $CLANG && -n $CLANG_C ]] || { echo "fuzz: clang is not installed" >&2; exit 1; }

cmake -S "$ROOT" -B "$FUZZ_DIR" -G Ninja -DCMAKE_CXX_COMPILER="$CLANG" -DCMAKE_C_COMPILER="$CLANG_C" \
  -DVSKOCI_FUZZ=ON -DVSKOCI_BUILD_TESTS=OFF -DVSKOCI_BUILD_EXAMPLES=OFF >/dev/null
cmake --build "$FUZZ_DIR" >/dev/null

targets=("$@")
if ((${#targets[@]} == 0)); then
  for f in "$ROOT"/tests/fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
for t in "${targets[@]}"; do
  echo "-- $t (${SECONDS_EACH}s)"
  corpus="$FUZZ_DIR/corpus-$t"
  log="$FUZZ_DIR/$t.log"
  mkdir -p "$corpus"
  # Seeds kept in the tree are read, never written.
  seeds=()
  [[ -d $ROOT/tests/fuzz/corpus/$t ]] && seeds=("$ROOT/tests/fuzz/corpus/$t")
  rc=0
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$FUZZ_DIR/tests/fuzz/$t" -max_total_time="$SECONDS_EACH" -print_final_stats=1 -close_fd_mask=1 -artifact_prefix="$FUZZ_DIR/" "$corpus" \
    ${seeds[@]+"${seeds[@]}"} \
    >"$log" 2>&1 || rc=$?
  tail -n 40 "$log"
  ((rc == 0)) || { echo "fuzz: $t found a failure (log: $log)" >&2; exit 1; }
done
