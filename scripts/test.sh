#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole suite in a
# release build, then the headless suites again under AddressSanitizer and UBSan, then each
# fuzz target for a bounded time (WENDAX_FUZZ_SECONDS each, 50 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

bash scripts/build.sh build/release
ctest --test-dir build/release --output-on-failure -j2

bash scripts/build.sh build/sanitize -DWENDAX_SANITIZE=ON -DWENDAX_WITH_QT=OFF
ctest --test-dir build/sanitize --output-on-failure -j2

bash scripts/build.sh build/fuzz -DWENDAX_FUZZ=ON -DWENDAX_WITH_QT=OFF -DCMAKE_CXX_COMPILER=clang++-14
ctest --test-dir build/fuzz --output-on-failure -j2
