#!/usr/bin/env bash
# Sets up and builds, then runs the demo OCI program.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$ROOT/tools/setup.sh"
exec "${BUILD_DIR:-$ROOT/build}/examples/demo"
