#!/usr/bin/env bash
# Installs the build into a scratch prefix, then builds and runs the demo against it
# twice: through pkg-config and through find_package.
#   check_install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
BUILD="$1" SRC="$2"
PREFIX="$(mktemp -d)"
trap 'rm -rf "$PREFIX"' EXIT

cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
LIBDIR="$(dirname "$(find "$PREFIX" -name 'libvskoci.so' | head -1)")"
# Drivers in thick mode load libclntsh.so from the install's lib directory.
[[ $(readlink "$LIBDIR/libclntsh.so") == libvskoci.so.16 ]] || { echo "libclntsh.so link missing" >&2; exit 1; }
export PKG_CONFIG_PATH="$LIBDIR/pkgconfig"
export LD_LIBRARY_PATH="$LIBDIR"

cc -Wall -Werror -o "$PREFIX/demo_pc" "$SRC/examples/demo.c" $(pkg-config --cflags --libs vskoci)
"$PREFIX/demo_pc" | grep -q "client version 16.1.0.1.0"

cmake -S "$SRC/tests/install/consumer" -B "$PREFIX/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$PREFIX" \
  -DDEMO_SOURCE="$SRC/examples/demo.c" >/dev/null
cmake --build "$PREFIX/consumer" >/dev/null
"$PREFIX/consumer/consumer" | grep -q "error 16530: VSK-16530: buffer or length invalid"
echo "install check passed"
