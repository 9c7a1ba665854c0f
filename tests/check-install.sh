#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file lands where the
# desktop looks for it, that the desktop entry and metainfo validate, that the installed
# program starts without the web engine, and that the installed browser module loads.
set -euo pipefail
build=$1
source=$2
browser_probe=$3
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

# The installed program finds its core library, maps no web engine until a browser opens
# and no Qt Network until a picture is fetched,
# and keeps running until stopped; it writes nothing next to itself.
ldd "$prefix/bin/quillet" | grep -q "libquillet_core.so => $prefix/" ||
  { echo "the installed program does not find its core library"; exit 1; }
if ldd "$prefix/bin/quillet" | grep -qi webengine; then echo "the program links the web engine"; exit 1; fi
home=$(mktemp -d)
(cd "$home" && HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen \
  exec "$prefix/bin/quillet" > /dev/null 2>&1) &
program=$!
sleep 5
kill -0 "$program" 2> /dev/null || { echo "the installed program did not keep running"; exit 1; }
mapped=$(grep -ci "webengine\|libQt6Network" "/proc/$program/maps" || true)
kill "$program"
wait "$program" 2> /dev/null || true
rm -rf "$home"
[ "$mapped" -eq 0 ] || { echo "the idle program maps the web engine or Qt Network"; exit 1; }

# The browser module lies beside the installed core library, and a browser window opens
# from it when that library is the one in use.
libraries=$(dirname "$(find "$prefix" -name libquillet_core.so)")
module=$(LD_LIBRARY_PATH="$libraries" QT_QPA_PLATFORM=offscreen \
  QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu "$browser_probe" 2> /dev/null) || true
[ "$module" = "$libraries/libquillet_browsers.so" ] ||
  { echo "the installed browser module did not load (${module:-nothing})"; exit 1; }
# Without it the user is told why, and nothing else happens.
rm "$libraries/libquillet_browsers.so"
status=0
message=$(LD_LIBRARY_PATH="$libraries" QT_QPA_PLATFORM=offscreen "$browser_probe" 2>&1) || status=$?
[ "$status" -eq 2 ] && grep -q "Quillet: The web browser could not be started" <<< "$message" ||
  { echo "no clear message without the browser module (status $status)"; exit 1; }
[ "$(ls "$prefix/bin")" = "quillet" ] || { echo "files written next to the program"; exit 1; }
echo "install check passed"
