# Shared by the end-to-end tests, sourced after PROGRAM is known: a work folder removed at the
# end (kept, with a screenshot, when something fails), a virtual screen of the test's own and a
# user without settings, recent files or window places from elsewhere.

work="$(mktemp -d)"
app=""
wm=""
xvfb=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    if [ "${keep:-0}" = 1 ]; then echo "Kept for a look: $work" >&2; else rm -rf "$work"; fi
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -display "$DISPLAY" -window root "$work/failure.png" 2>/dev/null || true
    keep=1
    exit 1
}

# start_screen GEOMETRY: Xvfb on a display number it picks itself, so that tests running side by
# side (or in two clones at once) never take the same one.
start_screen() {
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || fail "the virtual screen did not start"
    export DISPLAY=":$(head -n 1 "$work/display")"
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
    xdotool getdisplaygeometry >/dev/null 2>&1 || fail "the virtual screen did not answer"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
}

# start_window_manager: openbox, which frames and places windows as a desktop does. A busy
# machine may keep it from taking the screen at once: it is given time, and a second start.
start_window_manager() {
    local try
    for try in 1 2 3; do
        openbox >>"$work/openbox.log" 2>&1 &
        wm=$!
        for _ in $(seq 100); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
            kill -0 "$wm" 2>/dev/null || break
            sleep 0.1
        done
        kill "$wm" 2>/dev/null || true
        kill -0 "$xvfb" 2>/dev/null || fail "the virtual screen ended by itself"
        sleep 1
    done
    fail "the window manager did not start"
}
