#!/usr/bin/env bash
# Installs what is missing, builds the editor and launches it with any files given.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build/release
exec build/release/app/wendax "$@"
