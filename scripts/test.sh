#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole suite in a
# release build, then the headless suites again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

bash scripts/build.sh build/release
ctest --test-dir build/release --output-on-failure -j2

bash scripts/build.sh build/sanitize -DWENDAX_SANITIZE=ON -DWENDAX_WITH_QT=OFF
ctest --test-dir build/sanitize --output-on-failure -j2
