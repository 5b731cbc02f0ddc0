#!/usr/bin/env bash
# Builds the Debian package and checks what it holds and what it depends on.
set -euo pipefail
BUILD=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$BUILD/CPackConfig.cmake" >cpack.log 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/*.deb)
dpkg -c "$deb" >"$work/contents"
for file in usr/bin/surabe usr/bin/surabe-launcher usr/share/applications/org.surabe.Surabe.desktop \
    usr/share/metainfo/org.surabe.Surabe.metainfo.xml usr/share/surabe/auto.bmp \
    usr/share/icons/hicolor/scalable/apps/surabe.svg usr/share/icons/hicolor/256x256/apps/surabe.png; do
    grep -q " \./$file\$" "$work/contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-noto-cjk; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done
echo "1 passed, 0 failed"
