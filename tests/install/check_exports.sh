#!/usr/bin/env bash
# The shared library exports only OCI entry points and its data symbols.
#   check_exports.sh LIBRARY [REQUIRED_NAMES_FILE]
set -euo pipefail
allowed='^(OCI[A-Za-z0-9_]*|xao[A-Za-z0-9_]*|ociep[a-z]+|O2P[A-Za-z]+|clientVersion|oci_debug_mask|oci_debug_log|SQLTTypes|vsk_[a-z_]+|encoding_match_list|oci_wchar_table|VSKOCI_[0-9]+)$'
names="$(nm -D --defined-only "$1" | awk '{print $3}' | sed 's/@.*//')"
[[ -n "$names" ]] || { echo "no exported symbols in $1" >&2; exit 1; }
bad="$(grep -Ev "$allowed" <<<"$names" || true)"
if [[ -n "$bad" ]]; then
  echo "unexpected exported symbols:" >&2
  echo "$bad" >&2
  exit 1
fi
if [[ -n "${2:-}" ]]; then
  missing="$(grep -v '^#' "$2" | grep -vxF -f <(printf '%s\n' "$names") || true)"
  if [[ -n "$missing" ]]; then
    echo "entry points not exported:" >&2
    echo "$missing" >&2
    exit 1
  fi
fi
readelf -d "$1" | grep -q 'SONAME.*libvskoci.so.16' || { echo "missing versioned SONAME" >&2; exit 1; }
echo "$(wc -l <<<"$names") exported symbols, all allowed"
