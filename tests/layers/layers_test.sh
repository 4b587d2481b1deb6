#!/usr/bin/env bash
# Each folder of src is a layer: canvas, model, surface and windows include no toolkit (Qt only in
# qt, the Windows API only in win32), and every include goes to the folder's own layer or to one
# below it. (The build proves the rest: the
# toolkit-free libraries have no toolkit on their include path.)
set -euo pipefail
src="$1"
status=0
# What each layer may include, besides itself and the standard library.
declare -A allowed=(
    [canvas]=""
    [model]="canvas"
    [surface]="canvas"
    [windows]="canvas model surface"
    [qt]="canvas surface"
    [headless]="canvas surface"
    [web]="canvas surface windows"
    [win32]="canvas surface windows"
)
for layer in "${!allowed[@]}"; do
    [ -d "$src/$layer" ] || continue
    while IFS= read -r line; do
        file=${line%%:*}
        header=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"${line#*:}")
        top=${header%%/*}
        [ "$top" = "$layer" ] && continue
        [ "$header" = "sorvel_kampyles.h" ] && [ "$layer" = windows ] && continue
        if [[ " ${allowed[$layer]} " != *" $top "* ]]; then
            echo "$file includes $header, outside what $layer may use"
            status=1
        fi
    done < <(grep -rn '#include "' "$src/$layer" | sed -E 's/^([^:]+):[0-9]+:/\1:/')
    if [ "$layer" != qt ] && grep -rnE '#include <(Q[A-Za-z]+|qt[a-z]*/|xcb/)' "$src/$layer"; then
        echo "$layer includes a toolkit header"
        status=1
    fi
    if [ "$layer" != win32 ] && grep -rnE '#include <(windows|commctrl|oleacc|uiautomation[a-z]*)\.h>' "$src/$layer"; then
        echo "$layer includes the Windows API"
        status=1
    fi
done
exit $status
