#!/usr/bin/env bash
# Fails when a source of the editor library or of the headless platform includes Qt.
cd "$1" || exit 2
hits=$(grep -rnE '^\s*#\s*include\s*[<"]Q' base engine control platform/*.h platform/*.cpp platform/headless 2>/dev/null)
if [[ -n "$hits" ]]; then
    echo "Qt includes in the standard C++ part:"
    echo "$hits"
    exit 1
fi
