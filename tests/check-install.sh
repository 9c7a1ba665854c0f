#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file lands where the
# desktop looks for it, that the desktop entry and metainfo validate, and that the
# installed program starts.
set -euo pipefail
build=$1
source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null
for file in bin/quillet share/applications/quillet.desktop share/metainfo/quillet.metainfo.xml \
    share/icons/hicolor/scalable/apps/quillet.svg; do
  [ -e "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
for size in 16 22 24 32 48 64 128 256; do
  [ -e "$prefix/share/icons/hicolor/${size}x${size}/apps/quillet.png" ] ||
    { echo "missing: ${size}x${size} icon"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/quillet.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/quillet.metainfo.xml" > /dev/null
grep -q '^Exec=quillet$' "$prefix/share/applications/quillet.desktop"

# The installed program starts and keeps running until stopped; it writes nothing next
# to itself.
home=$(mktemp -d)
status=0
(cd "$home" && HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen \
  timeout 5 "$prefix/bin/quillet" > /dev/null 2>&1) || status=$?
rm -rf "$home"
[ "$status" -eq 124 ] || { echo "the installed program did not keep running (status $status)"; exit 1; }
[ "$(ls "$prefix/bin")" = "quillet" ] || { echo "files written next to the program"; exit 1; }
echo "install check passed"
