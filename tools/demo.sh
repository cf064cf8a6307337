#!/usr/bin/env bash
# Sets up and builds, then runs the demo OCI programs; connect_demo and statement_demo
# talk to a private server that lives only as long as this script.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
export BUILD_DIR

"$ROOT/tools/setup.sh"

"$BUILD_DIR/examples/demo"
# pg_cluster run gives the server's port in VSK_PG_PORT.
exec "$ROOT/tools/pg_cluster" run "$(mktemp -d "${TMPDIR:-/tmp}/vsk-demo-pg.XXXXXX")" -- bash -c '
  set -e
  export VSK_DEMO_HOST=127.0.0.1 VSK_DEMO_PORT="$VSK_PG_PORT" VSK_DEMO_DB=vsk VSK_DEMO_USER=vsk VSK_DEMO_PASSWORD=vsk
  "$BUILD_DIR/examples/connect_demo"
  "$BUILD_DIR/examples/statement_demo"'
