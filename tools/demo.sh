#!/usr/bin/env bash
# Sets up and builds, then runs the demo OCI programs; connect_demo and statement_demo
# talk to a private server that lives only as long as this script.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
export BUILD_DIR

"$ROOT/tools/setup.sh"

PGDIR="$(mktemp -d "${TMPDIR:-/tmp}/vsk-demo-pg.XXXXXX")"
# The demo's status is the script's, whatever the cleanup does.
stop_cluster() {
  local rc=$?
  "$ROOT/tools/pg_cluster" stop "$PGDIR" || true
  exit "$rc"
}
trap stop_cluster EXIT
"$ROOT/tools/pg_cluster" start "$PGDIR"

port=""
while IFS='=' read -r k v; do
  [[ $k == port ]] && port="$v"
done <"$PGDIR/state"
[[ $port =~ ^[0-9]+$ ]] || { echo "demo: no port in $PGDIR/state" >&2; exit 1; }

"$BUILD_DIR/examples/demo"
export VSK_DEMO_HOST=127.0.0.1 VSK_DEMO_PORT="$port" VSK_DEMO_DB=vsk VSK_DEMO_USER=vsk VSK_DEMO_PASSWORD=vsk
"$BUILD_DIR/examples/connect_demo"
"$BUILD_DIR/examples/statement_demo"
