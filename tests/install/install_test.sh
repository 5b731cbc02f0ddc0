#!/usr/bin/env bash
# Installs into a temporary prefix, checks the files and their metadata, and starts the installed launcher twice.
set -euo pipefail
BUILD=$(readlink -f "$1")
source "$(dirname "$0")/../e2e/xsession.sh"

prefix="$work/prefix"
cmake --install "$BUILD" --prefix "$prefix" >"$work/install.log"
expected=(
    games/surabe
    games/surabe-launcher
    share/man/man6/surabe.6.gz
    share/man/ja/man6/surabe.6.gz
    share/applications/org.surabe.Surabe.desktop
    share/metainfo/org.surabe.Surabe.metainfo.xml
    share/surabe/auto.bmp
    share/icons/hicolor/scalable/apps/surabe.svg
)
for side in 16 32 48 64 128 256; do expected+=("share/icons/hicolor/${side}x${side}/apps/surabe.png"); done
for file in "${expected[@]}"; do [ -f "$prefix/$file" ] || fail "not installed: $file"; done
[ -x "$prefix/games/surabe-launcher" ] || fail "the launcher is not executable"
for side in 16 32 48 64 128 256; do
    file "$prefix/share/icons/hicolor/${side}x${side}/apps/surabe.png" | grep -q "PNG image data, $side x $side" \
        || fail "icon $side is not a $side-pixel PNG"
done
desktop-file-validate "$prefix/share/applications/org.surabe.Surabe.desktop" || fail "desktop entry"
grep -q '^Exec=surabe-launcher$' "$prefix/share/applications/org.surabe.Surabe.desktop" || fail "the entry does not run the launcher"
grep -q '^Categories=Game;LogicGame;$' "$prefix/share/applications/org.surabe.Surabe.desktop" || fail "categories"
# The project has no public homepage yet: that warning is the one complaint allowed (AppStream
# 1.0 then fails the validation, so its exit status alone cannot tell).
appstreamcli validate --no-net "$prefix/share/metainfo/org.surabe.Surabe.metainfo.xml" >"$work/appstream.log" 2>&1 || true
cat "$work/appstream.log"
if grep -E '^[EW]: ' "$work/appstream.log" | grep -v -E '^W: [^ ]+ url-homepage-missing$'; then
    fail "metainfo does not validate"
fi
grep -q -E '^W: [^ ]+ url-homepage-missing$|Validation was successful' "$work/appstream.log" || fail "metainfo: no verdict"
grep -q '<project_license>MIT</project_license>' "$prefix/share/metainfo/org.surabe.Surabe.metainfo.xml" || fail "metainfo licence"
# The manual pages format without a complaint.
for page in man6/surabe.6.gz man6/surabe-launcher.6.gz ja/man6/surabe.6.gz ja/man6/surabe-launcher.6.gz; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/$page" >/dev/null 2>"$work/man.log" || fail "man $page"
    grep -v -E "can't break line|cannot adjust line" "$work/man.log" && fail "man $page: $(cat "$work/man.log")"
done

# The launcher makes the game folder and puts the shipped picture there ...
start_x
export XDG_DATA_HOME="$work/data"
start_window "$prefix/games/surabe-launcher"
[ -f "$XDG_DATA_HOME/surabe/auto.bmp" ] || fail "no auto.bmp in the game folder"
cmp -s "$XDG_DATA_HOME/surabe/auto.bmp" "$prefix/share/surabe/auto.bmp" || fail "auto.bmp is not the shipped picture"
stop_window

# ... but never replaces the player's own.
printf 'my own picture' >"$XDG_DATA_HOME/surabe/auto.bmp"
start_window "$prefix/games/surabe-launcher"
stop_window
[ "$(cat "$XDG_DATA_HOME/surabe/auto.bmp")" = "my own picture" ] || fail "the launcher replaced the player's auto.bmp"

# Without XDG_DATA_HOME the folder is ~/.local/share/surabe.
unset XDG_DATA_HOME
export HOME="$work/home"
start_window "$prefix/games/surabe-launcher"
stop_window
[ -f "$HOME/.local/share/surabe/auto.bmp" ] || fail "no game folder under ~/.local/share"
echo "1 passed, 0 failed"
