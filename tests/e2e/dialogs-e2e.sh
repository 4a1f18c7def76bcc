#!/usr/bin/env bash
# Dialogs on a desktop with a window manager (openbox), which frames windows and can place a
# window's frame where its inside was: each of the program's dialogs opens where it opened the
# time before, the second and third times too, and where the user moved it.
# Usage: dialogs-e2e.sh PROGRAM
set -euo pipefail
program="$(realpath "${1:?usage: dialogs-e2e.sh PROGRAM}")"
source "$(dirname "$0")/screen.sh"
start_screen 1280x900x24
start_window_manager
"$program" >"$work/program.log" 2>&1 &
app=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Runeboard' | head -n 1) ||
    fail "the main window did not show"
sleep 1
# Where a window's inside is on the screen, as the X server has it, once the window manager has
# finished placing and framing it.
# The same place three reads running: a busy machine may take a while to frame and move it.
place() {
    local a b same=0
    b=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x "," y}')
    for _ in $(seq 50); do
        sleep 0.2
        a=$b
        b=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x "," y}')
        if [ "$a" = "$b" ]; then same=$((same + 1)); else same=0; fi
        [ "$same" -ge 2 ] && break
    done
    echo "$b"
}
main=$(place "$window")
at() { echo $((${main%,*} + $1)) $((${main#*,} + $2)); }
# Opens a dialog with `open` (a function) and waits for the window titled $1; moves it to $3 if
# given; closes it with Escape. Sets `p` to where its inside was.
shown() {
    local title="$1" open="$2" w
    "$open"
    w=$(timeout 10 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1) || true
    [ -n "$w" ] || fail "no window titled $title"
    if [ -n "${3:-}" ]; then
        place "$w" >/dev/null
        xdotool windowmove "$w" "${3%,*}" "${3#*,}"
    fi
    p=$(place "$w")
    xdotool key Escape
    for _ in $(seq 50); do xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 || break; sleep 0.1; done
}
import_picture() { xdotool mousemove $(at 200 200) click 1 sleep 0.2 key alt+f sleep 0.3 key d; }
brush() { xdotool mousemove $(at 34 364) click 1; }

for dialog in "导入图片 import_picture" "画笔选择 brush"; do
    set -- $dialog
    shown "$1" "$2"
    first=$p
    for n in second third; do
        shown "$1" "$2"
        [ "$p" = "$first" ] || fail "$1 opened at $first, then at $p the $n time"
    done
    shown "$1" "$2" 100,120
    moved=$p
    shown "$1" "$2"
    [ "$p" = "$moved" ] || fail "$1, moved to $moved, opened again at $p"
done
kill -0 "$app" 2>/dev/null || fail "the program ended by itself"
echo "The dialogs opened where they were, time after time."
