#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks it as a desktop would: a valid menu entry
# that names an executable and an icon that exist, valid AppStream metadata, and a manual page
# that renders without warnings.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

entry=$prefix/share/applications/org.sorvel.Sorvel.desktop
desktop-file-validate "$entry"
appstreamcli validate --no-net "$prefix/share/metainfo/org.sorvel.Sorvel.metainfo.xml"
grep -qx 'Categories=Education;Science;Physics;' "$entry"

program=$(sed -n 's/^Exec=//p' "$entry")
[ -x "$prefix/bin/$program" ] || { echo "the entry starts $program, which is not installed"; exit 1; }

icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || { echo "no scalable icon named $icon"; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || { echo "$png is not ${size}x${size}"; exit 1; }
done

manual=$prefix/share/man/man1/sorvel.1.gz
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l --warnings=all "$manual" 2>&1 >/dev/null || true)
[ -z "$warnings" ] || { echo "the manual page renders with warnings:"; echo "$warnings"; exit 1; }
LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$manual" | grep -q 'QT_SCALE_FACTOR'

for doc in README.md LICENSE; do
    [ -f "$prefix/share/doc/sorvel/$doc" ] || { echo "no $doc in share/doc/sorvel"; exit 1; }
done
echo "installed tree is a valid desktop application"
