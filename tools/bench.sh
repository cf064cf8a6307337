#!/usr/bin/env bash
# Builds the benchmarks and runs them against a private server that lives only as long
# as this script: vsk_statement_bench, vsk_describe_bench, vsk_transaction_bench,
# vsk_array_dml_bench, vsk_pool_bench, vsk_number_bench, vsk_datetime_bench, then
# vsk_lob_bench.
# Extra arguments go to each (e.g. --benchmark_filter; a filter that matches nothing in
# one program skips it).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BENCH_DIR="${BENCH_DIR:-$ROOT/build-bench}"

BUILD_DIR="$BENCH_DIR" "$ROOT/tools/setup.sh" -DVSKOCI_BUILD_BENCH=ON -DVSKOCI_BUILD_TESTS=OFF \
  -DVSKOCI_BUILD_EXAMPLES=OFF -DCMAKE_BUILD_TYPE=Release

# pg_cluster run sets VSK_BENCH_CONNINFO for the programs.
exec "$ROOT/tools/pg_cluster" run "$(mktemp -d "${TMPDIR:-/tmp}/vsk-bench-pg.XXXXXX")" -- bash -c '
  set -e
  dir="$1"
  shift
  for program in vsk_statement_bench vsk_describe_bench vsk_transaction_bench vsk_array_dml_bench \
    vsk_pool_bench vsk_number_bench vsk_datetime_bench vsk_lob_bench; do
    echo "== $program"
    "$dir/bench/$program" "$@"
  done' bench "$BENCH_DIR" "$@"
