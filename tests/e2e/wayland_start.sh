#!/usr/bin/env bash
# The game on Wayland: a headless weston of its own, the real binary starting as a native Wayland
# client with no warning, then every dialog, a game and the exit in that compositor.
# Usage: wayland_start.sh SURABE PICTURE SESSION_TEST. Exits 77 (skipped) where weston cannot start.
set -euo pipefail
SURABE=$(readlink -f "$1") PICTURE=$(readlink -f "$2") SESSION_TEST=$(readlink -f "$3")
work=$(mktemp -d)
weston_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/*.log; do echo "--- $log" >&2; tail -n 60 "$log" >&2; done
    exit 1
}

command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY="surabe-test"
# The backend's module name changed over weston's releases; the headless one needs no GPU.
for backend in headless-backend.so headless; do
    weston --backend="$backend" --socket="$WAYLAND_DISPLAY" --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
    weston_pid=$!
    for _ in $(seq 50); do
        [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break 2
        kill -0 "$weston_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$weston_pid" 2>/dev/null || true
    weston_pid=""
done
if [ -z "$weston_pid" ]; then
    echo "SKIP: the headless Wayland compositor did not start:"
    cat "$work/weston.log"
    exit 77
fi
unset DISPLAY # nothing may fall back to X
export QT_QPA_PLATFORM=wayland

# The real binary: a native Wayland window with its title, and not a word on its error output.
mkdir "$work/game"
cp "$PICTURE" "$work/game/auto.bmp"
(cd "$work/game" && WAYLAND_DEBUG=1 exec "$SURABE") >"$work/app-out.log" 2>"$work/app.log" &
app_pid=$!
for _ in $(seq 100); do
    grep -q 'xdg_toplevel@[0-9]*\.set_title("Surabe    For Windows")' "$work/app.log" &&
        grep -q 'wl_surface@[0-9]*\.attach' "$work/app.log" && break
    kill -0 "$app_pid" 2>/dev/null || fail "the game ended at start-up"
    sleep 0.1
done
grep -q 'set_title("Surabe    For Windows")' "$work/app.log" || fail "no Wayland window titled as the game"
grep -q 'set_app_id("org.surabe.Surabe")' "$work/app.log" || fail "the window does not name the desktop entry"
sleep 1
kill -0 "$app_pid" 2>/dev/null || fail "the game ended after start-up"
# Everything but the protocol trace (lines of WAYLAND_DEBUG start with a time stamp in brackets).
if grep -v -E '^\[ *[0-9]+\.[0-9]+\] |^ *$' "$work/app.log" "$work/app-out.log"; then
    fail "the game printed warnings on Wayland"
fi
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""

# Then the dialogs, a game and the exit, driven inside the game's own process. A headless weston
# has no seat, and Qt 6.4's Wayland text-input context dereferences the missing seat as soon as a
# text box draws its cursor; every desktop has a seat, so the test takes the plain compose
# input context that desktops without an input method use.
QT_IM_MODULE=compose "$SESSION_TEST" >"$work/session.log" 2>&1 || fail "the session on Wayland"
cat "$work/session.log"
echo "1 passed, 0 failed"
