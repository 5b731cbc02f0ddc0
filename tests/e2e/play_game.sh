#!/usr/bin/env bash
# The real program in a real X server: Alt+G S starts a game, a mouse click slides a tile, Alt+S changes the
# settings, Alt+G E saves and ends.
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

# The settings dialog: each label's access key leads to its box; Enter is "O K".
keys alt+s
dialog=""
for _ in $(seq 50); do
    dialog=$(xdotool search --onlyvisible --name '^動作環境設定$' 2>/dev/null | head -1 || true)
    [ -n "$dialog" ] && break
    sleep 0.1
done
[ -n "$dialog" ] || fail "Alt+S opened no settings dialog"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
for field in "alt+l 300" "alt+t 150" "alt+b 450" "alt+v 3"; do
    set -- $field
    xdotool key "$1" ctrl+a
    xdotool type --delay 50 "$2"
done
xdotool key Return
sleep 0.5
xdotool search --onlyvisible --name '^動作環境設定$' >/dev/null 2>&1 && fail "Enter did not close the settings dialog"

xdotool windowfocus --sync "$WID" 2>/dev/null || true
keys alt+g e
wait_for_exit || fail "the game ended with an error"
printf '%s\r\n' 120 29999 29999 29999 29999 '"ﾀﾛｳ"' \
    '"？？？？？？？？"' '"？？？？？？？？"' '"？？？？？？？？"' '"？？？？？？？？"' 450 300 150 3 \
    | iconv -f UTF-8 -t CP932 >"$work/expected.dat"
cmp "$work/Surabeset.dat" "$work/expected.dat" || fail "Surabeset.dat does not hold the new settings"
echo "1 passed, 0 failed"
