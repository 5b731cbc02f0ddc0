# Shared by the end-to-end tests: a private X server, the game in a temporary folder, and screen probes.
# Sourced by the test scripts.

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "${KEEP_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/*.log; do echo "--- $log" >&2; cat "$log" >&2; done
    exit 1
}

start_x() {
    local n
    for n in $(seq 91 160); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    export DISPLAY=":$n"
    # -noreset: otherwise the server restarts when its last client leaves and refuses the next one meanwhile.
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    fail "the X server did not start"
}

# Runs a command in the background and waits for the game's window; sets WID and app_pid.
start_window() {
    local attempt
    WID=""
    for attempt in 1 2; do
        "$@" >"$work/app.log" 2>&1 &
        app_pid=$!
        for _ in $(seq 100); do
            WID=$(xdotool search --onlyvisible --name '^Surabe    For Windows$' 2>/dev/null | head -1 || true)
            [ -n "$WID" ] && break
            kill -0 "$app_pid" 2>/dev/null || break
            sleep 0.1
        done
        [ -n "$WID" ] && break
        # One more try, then give up.
        echo "the game did not come up (attempt $attempt):" >&2
        cat "$work/app.log" >&2
    done
    [ -n "$WID" ] || fail "no game window"
    xdotool windowfocus --sync "$WID"
}

# Starts the game in $work.
start_game() {
    start_window sh -c 'cd "$1" && exec "$2"' _ "$work" "$SURABE"
}

stop_window() {
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^Surabe    For Windows$' >/dev/null 2>&1 || return 0
        sleep 0.1
    done
}

keys() { # each argument is one key chord, pressed in turn
    local chord
    for chord in "$@"; do xdotool key --window "$WID" "$chord" 2>/dev/null || xdotool key "$chord"; sleep 0.3; done
}

# Top-left of the client area on the screen (below the menu bar): sets CLIENT_X, CLIENT_Y.
client_origin() {
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    CLIENT_X=$X
    CLIENT_Y=$((Y + HEIGHT - 519))
}

big_endian_at() { # file offset: a 32-bit big-endian number of an xwd header
    local bytes
    bytes=$(od -An -tu1 -j "$2" -N4 "$1")
    set -- $bytes
    echo $(( ($1 << 24) | ($2 << 16) | ($3 << 8) | $4 ))
}

# A checksum of screen rows FROM..TO (inclusive).
rows_checksum() {
    local dump="$work/screen.xwd" header colours per_line
    xwd -root -silent >"$dump"
    header=$(big_endian_at "$dump" 0)
    colours=$(big_endian_at "$dump" 76)
    per_line=$(big_endian_at "$dump" 48)
    dd if="$dump" iflag=skip_bytes,count_bytes bs=64K status=none \
        skip=$((header + colours * 12 + $1 * per_line)) count=$(( ($2 - $1 + 1) * per_line )) | md5sum
}

wait_for_exit() {
    local _
    for _ in $(seq 100); do
        kill -0 "$app_pid" 2>/dev/null || { wait "$app_pid"; return $?; }
        sleep 0.1
    done
    fail "the game did not end"
}
