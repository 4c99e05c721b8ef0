#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh DIR [cmake options...]
# Uses ccache when it is installed; paths below the checkout are hashed relative to it and
# the build folder is not hashed, so several checkouts of the tree share one cache (debug
# information may then name another checkout's build folder).
set -euo pipefail
dir=$1
shift
top=$(cd "$(dirname "$0")/.." && pwd)
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR=$top CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir"
