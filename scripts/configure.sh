#!/usr/bin/env bash
# Configures a preset once; later runs leave an existing build tree to cmake's own
# re-run logic so that an unchanged tree builds in seconds.
set -euo pipefail
preset=$1
build_dir=${BUILD_DIR:-build}/$preset
if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
  cmake --preset "$preset" >/dev/null
fi
