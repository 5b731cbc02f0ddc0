#!/usr/bin/env bash
# The real program in a real X server: Alt+G S starts a game, a mouse click slides a tile, Alt+G E saves and ends.
set -euo pipefail
SURABE=$(readlink -f "$1")
PICTURE=$(readlink -f "$2")
source "$(dirname "$0")/xsession.sh"

start_x
cp "$PICTURE" "$work/auto.bmp"
# Level 1, block 1200, margins 600: a 3×3 board of 80-pixel tiles, 40 pixels from the corner.
printf '%s\r\n' 120 29999 29999 29999 29999 '"ﾀﾛｳ"' \
    '"？？？？？？？？"' '"？？？？？？？？"' '"？？？？？？？？"' '"？？？？？？？？"' 1200 600 600 1 \
    | iconv -f UTF-8 -t CP932 >"$work/Surabeset.dat"
cp "$work/Surabeset.dat" "$work/expected.dat"

start_game
client_origin
board_top=$((CLIENT_Y + 40))
board_bottom=$((CLIENT_Y + 40 + 240 - 1))
before_game=$(rows_checksum "$board_top" "$board_bottom")
keys alt+g s
started=""
for _ in $(seq 50); do
    [ "$(rows_checksum "$board_top" "$board_bottom")" != "$before_game" ] && { started=yes; break; }
    sleep 0.1
done
[ -n "$started" ] || fail "Alt+G S showed no board"
sleep 0.3

# Click the cells in turn until a tile slides: the blank always has a neighbour.
moved=""
for cell in 1 2 3 4 5 6 7 8 9; do
    column=$(( (cell - 1) % 3 )); row=$(( (cell - 1) / 3 ))
    before=$(rows_checksum "$board_top" "$board_bottom")
    xdotool mousemove $((CLIENT_X + 40 + column * 80 + 40)) $((CLIENT_Y + 40 + row * 80 + 40)) click 1
    sleep 0.3
    if [ "$(rows_checksum "$board_top" "$board_bottom")" != "$before" ]; then
        moved=$cell
        break
    fi
done
[ -n "$moved" ] || fail "no tile moved"
echo "a tile slid from cell $moved"

keys alt+g e
wait_for_exit || fail "the game ended with an error"
cmp "$work/Surabeset.dat" "$work/expected.dat" || fail "Surabeset.dat does not hold the values it was started with"
echo "1 passed, 0 failed"
