#!/usr/bin/env bash
# Registers Kelbrin's MIME type for *.abr in the user's shared-mime-info database, so the
# search can find brush files by type. Quiet and idempotent.
set -euo pipefail
src="$(dirname "$0")/../data/kelbrin-abr.xml"
[[ -f "$src" ]] || exit 0
dir="${XDG_DATA_HOME:-$HOME/.local/share}/mime"
mkdir -p "$dir/packages"
if ! cmp -s "$src" "$dir/packages/kelbrin-abr.xml"; then
  cp "$src" "$dir/packages/kelbrin-abr.xml"
  command -v update-mime-database >/dev/null && update-mime-database "$dir" >/dev/null 2>&1 || true
fi
