#!/usr/bin/env bash
# Builds the Debian package and checks what it holds, what it depends on, and what Debian's checker says of it.
set -euo pipefail
BUILD=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$BUILD/CPackConfig.cmake" >cpack.log 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/*.deb)
dpkg -c "$deb" >"$work/contents"
for file in usr/games/surabe usr/games/surabe-launcher usr/share/applications/org.surabe.Surabe.desktop \
    usr/share/metainfo/org.surabe.Surabe.metainfo.xml usr/share/surabe/auto.bmp \
    usr/share/icons/hicolor/scalable/apps/surabe.svg usr/share/icons/hicolor/256x256/apps/surabe.png \
    usr/share/man/man6/surabe.6.gz usr/share/man/man6/surabe-launcher.6.gz \
    usr/share/man/ja/man6/surabe.6.gz usr/share/man/ja/man6/surabe-launcher.6.gz \
    usr/share/doc/surabe/copyright usr/share/doc/surabe/changelog.gz; do
    grep -q " \./$file\$" "$work/contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-noto-cjk; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ] || fail "the package does not recommend qt6-wayland"
grep -q '^License: MIT$' <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/surabe/copyright) || fail "copyright: no MIT licence"

# Debian's checker: no error and no warning.
lintian --allow-root --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
if grep -E '^[EW]: ' "$work/lintian.log"; then fail "lintian reports errors or warnings"; fi
grep -q -E 'Traceback|^internal error|fatal' "$work/lintian.log" && fail "lintian did not run"
echo "1 passed, 0 failed"
