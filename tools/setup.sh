#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only those missing),
# then configures and builds into BUILD_DIR (default: build).
#   tools/setup.sh [extra cmake arguments]
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

PACKAGES=(
  cmake ninja-build g++ pkg-config make
  libpq-dev postgresql
  libgtest-dev libgmock-dev libbenchmark-dev libmpfr-dev
  valgrind clang
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

# Empty when neither root nor sudo is at hand.
SUDO=""
CAN_INSTALL=1
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null; then SUDO="sudo"; else CAN_INSTALL=0; fi
fi
export DEBIAN_FRONTEND=noninteractive
APT_UPDATED=0
apt_update() {
  ((APT_UPDATED)) && return 0
  $SUDO apt-get update -qq
  APT_UPDATED=1
}

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  ((CAN_INSTALL)) || { echo "setup: need root or sudo to install ${missing[*]}" >&2; exit 1; }
  apt_update
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

# Prints the version apt would install, nothing when the package is unknown or has none.
candidate() {
  apt-cache policy "$1" 2>/dev/null | awk '$1 == "Candidate:" && $2 != "(none)" { print $2 }'
}

# orafce supplies dual and the Oracle functions; the library works without it, so it is
# installed only where the distribution has a build for the server's major version (the
# newest installed one, as tools/pg_cluster picks).
pg_major=""
for d in $(compgen -G '/usr/lib/postgresql/*/bin/postgres' | sort -V); do
  pg_major="${d#/usr/lib/postgresql/}"
  pg_major="${pg_major%%/*}"
done
OPTIONAL=()
[[ -n $pg_major ]] && OPTIONAL+=("postgresql-$pg_major-orafce")

for p in "${OPTIONAL[@]}"; do
  installed "$p" && continue
  # Never-fetched package lists know no package at all; fetch them once before giving up.
  if [[ -z $(candidate "$p") ]] && ((CAN_INSTALL)) && ! compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null; then
    apt_update || true
  fi
  if [[ -z $(candidate "$p") ]]; then
    echo "setup: optional package $p is not available; skipping it"
    continue
  fi
  if ((!CAN_INSTALL)); then
    echo "setup: optional package $p needs root or sudo; skipping it"
    continue
  fi
  echo "setup: installing optional $p"
  $SUDO apt-get install -y -qq --no-install-recommends "$p" ||
    echo "setup: could not install optional $p; going on without it" >&2
done

# The driver tests (tests/drivers) run node-oracledb in thick mode: Node.js from the
# distribution when the machine has none, and the drivers from the npm registry into the
# build tree (never globally). Without them the driver tests are skipped.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  if ((CAN_INSTALL)); then
    echo "setup: installing nodejs npm"
    apt_update || true
    $SUDO apt-get install -y -qq --no-install-recommends nodejs npm ||
      echo "setup: could not install Node.js; the driver tests will be skipped" >&2
  else
    echo "setup: Node.js needs root or sudo; the driver tests will be skipped"
  fi
fi
install_driver() {  # directory under BUILD_DIR/drivers, npm package spec
  local dir="$BUILD_DIR/drivers/$1"
  [[ -f $dir/node_modules/oracledb/package.json ]] && return 0
  mkdir -p "$dir"
  echo "setup: installing $2 into $dir"
  # The package carries its prebuilt binaries; its install script only prints a notice.
  npm install --prefix "$dir" --no-save --ignore-scripts --no-audit --no-fund --loglevel=error "$2" >/dev/null ||
    echo "setup: could not install $2; its driver test will be skipped" >&2
}
if command -v npm >/dev/null; then
  install_driver oracledb6 "oracledb@6"
  install_driver oracledb-latest "oracledb@latest"
fi

cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja "$@" >/dev/null
cmake --build "$BUILD_DIR"
