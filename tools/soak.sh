#!/usr/bin/env bash
# Builds the soak program (Release) and runs it against a private server that lives only
# as long as this script. Arguments go to the program; the default run is 10 minutes with
# 16 threads with a session each and 16 sharing a pool of 8:
#   tools/soak.sh [--seconds N] [--own-threads N] [--pool-threads N] [--pool-size N]
# SOAK_BIN runs that build of vsk_soak instead (e.g. a ThreadSanitizer one) without building.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BENCH_DIR="${BENCH_DIR:-$ROOT/build-bench}"

if [[ -z ${SOAK_BIN:-} ]]; then
  cmake -S "$ROOT" -B "$BENCH_DIR" -G Ninja -DVSKOCI_BUILD_BENCH=ON -DVSKOCI_BUILD_TESTS=OFF \
    -DVSKOCI_BUILD_EXAMPLES=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
  ninja -C "$BENCH_DIR" vsk_soak
  SOAK_BIN="$BENCH_DIR/bench/vsk_soak"
fi

exec "$ROOT/tools/pg_cluster" run "$(mktemp -d "${TMPDIR:-/tmp}/vsk-soak-pg.XXXXXX")" -- "$SOAK_BIN" "$@"
