#!/usr/bin/env bash
# Fails when a source of a lower layer includes a header of a higher one. The layers, lowest
# first: base/, the platform interface (platform/*.h and platform/headless/), engine/,
# control/, platform/qt/, then app/ and demo/.
cd "$1" || exit 2

layer_of() {
    case $1 in
        base/*) echo 0 ;;
        platform/qt/*) echo 4 ;;
        platform/*) echo 1 ;;
        engine/*) echo 2 ;;
        control/*) echo 3 ;;
        app/* | demo/*) echo 5 ;;
        *) echo -1 ;;
    esac
}

status=0
while IFS=: read -r file line include; do
    target=$(sed -E 's/^\s*#\s*include\s*"([^"]+)".*/\1/' <<<"$include")
    from=$(layer_of "$file")
    to=$(layer_of "$target")
    if ((to > from)); then
        echo "$file:$line includes $target, which belongs to a higher layer"
        status=1
    fi
done < <(grep -rnE '^\s*#\s*include\s*"' base platform engine control app demo)
exit $status
