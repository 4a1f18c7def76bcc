#!/usr/bin/env bash
# The editor as a user meets it: the built program started on a virtual screen and driven
# with the mouse and keyboard. Picks the line tool, draws a line on the canvas, saves it
# through the save dialog (Ctrl+S), selects everything and cuts it (Ctrl+A, Ctrl+X), saves
# again, types a letter into a cell across a menu closed with Esc and saves once more; checks
# the saved bytes and the clipboard, and the titles the window manager is given.
# Usage: editor-e2e.sh PROGRAM
set -euo pipefail
program="$(realpath "${1:?usage: editor-e2e.sh PROGRAM}")"
source "$(dirname "$0")/screen.sh"
start_screen 1024x768x24
"$program" >"$work/program.log" 2>&1 &
app=$!

window=$(xdotool search --sync --onlyvisible --name 'Runeboard' | head -n 1)
sleep 1 # the first drawing window opens just after the main window
# Titles as the window manager reads them (_NET_WM_NAME): the program's own captions, nothing added.
title_is() {
    local got
    got=$(xdotool getwindowname "$1")
    [ "$got" = "$2" ] || fail "a window is titled '$got' instead of '$2'"
}
title_is "$window" 'Runeboard(符阵画板) V2.0 '
eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y
# Where the main window shows its tool palette and the first drawing's canvas.
at() { echo $((X + $1)) $((Y + $2)); }
cell() { at $((77 + $1 * 18 + 9)) $((78 + $2 * 18 + 9)); }

xdotool mousemove $(at 49 100) click 1 # the line tool
sleep 0.3
xdotool mousemove $(cell 1 2) sleep 0.2 mousedown 1
for c in 3 5 7 9 10; do xdotool mousemove $(cell "$c" 2) sleep 0.05; done
xdotool mouseup 1
sleep 0.3

target="$work/line art.txt"
xdotool key ctrl+s
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^保存' | head -n 1) ||
    fail "Ctrl+S showed no save dialog"
title_is "$dialog" '保存'
sleep 0.5
xdotool type --delay 20 "$target"
xdotool key Return
for _ in $(seq 50); do [ -s "$target" ] && break; sleep 0.1; done
[ -s "$target" ] || fail "Ctrl+S and the save dialog wrote no file"

# 50 rows of 50 cells; row 2 holds the line from cell 1 up to the cell released on, which a
# line leaves out. Blank cells are ideographic spaces, 画 is BB AD; every row ends in CR LF.
blank=$(printf '\xA1\xA1')
row() { local s="" i; for ((i = 0; i < $1; i++)); do s+="$2"; done; printf '%s' "$s"; }
expected="$work/expected.txt"
{
    for r in $(seq 0 49); do
        if [ "$r" = 2 ]; then
            printf '%s%s%s\r\n' "$blank" "$(row 9 $'\xBB\xAD')" "$(row 40 "$blank")"
        else
            printf '%s\r\n' "$(row 50 "$blank")"
        fi
    done
} >"$expected"
cmp -s "$expected" "$target" || {
    diff <(xxd "$expected") <(xxd "$target") | head -n 20 >&2
    fail "the saved file is not the line drawn"
}

# Save As over the same file: the program's own question, titled as the program titles it; No.
xdotool mousemove $(cell 20 20) click 1 # the frame takes the keys again
sleep 0.2
xdotool key alt+f
sleep 0.3
xdotool key a
timeout 10 xdotool search --sync --onlyvisible --name '^保存' >/dev/null || fail "Save As showed no dialog"
sleep 0.5
xdotool key Return
question=$(timeout 10 xdotool search --sync --onlyvisible --name '^请确认' | head -n 1) ||
    fail "Save As over the file asked nothing"
title_is "$question" '请确认'
xdotool key Escape
sleep 0.3
cmp -s "$expected" "$target" || fail "answering No to the overwrite question changed the file"

# Everything to the clipboard and out of the drawing.
xdotool mousemove $(cell 20 20) click 1 # the canvas takes the keys
sleep 0.2
xdotool key ctrl+a
sleep 0.2
xdotool key ctrl+x
want="  画画画画画画画画画$(printf '%80s' '')"
for _ in $(seq 50); do
    clip=$(xclip -o -selection clipboard 2>/dev/null | sed -n 3p | tr -d '\r')
    [ "$clip" = "$want" ] && break
    sleep 0.1
done
[ "$clip" = "$want" ] || fail "the clipboard holds '$clip' as its third line"

# Saving again writes the now empty drawing over the same file, without asking.
xdotool key ctrl+s
for _ in $(seq 50); do cmp -s "$target" <(for r in $(seq 50); do printf '%s\r\n' "$(row 50 "$blank")"; done) && break; sleep 0.1; done
cmp -s "$target" <(for r in $(seq 50); do printf '%s\r\n' "$(row 50 "$blank")"; done) ||
    fail "Ctrl+S after the cut did not save the empty drawing"
# Typing into a cell with the modify-text tool: a menu opened and closed with Esc in between
# must not take the keys meant for the cell.
xdotool mousemove $(at 49 68) click 1 # the modify-text tool
sleep 0.3
xdotool mousemove $(cell 0 0) click 1 # the tool acts 10 pixels below its pointer: on cell (0, 1)
sleep 0.3
xdotool key alt+e
sleep 0.5
xdotool key Escape
sleep 0.5
xdotool type w
sleep 0.2
xdotool key Escape Return # a menu the letter may have opened goes; Enter writes the cell
sleep 0.3
xdotool key ctrl+s
second="w$(row 49 "$blank") "
for _ in $(seq 50); do [ "$(sed -n 2p "$target" | tr -d '\r')" = "$second" ] && break; sleep 0.1; done
[ "$(sed -n 2p "$target" | tr -d '\r')" = "$second" ] ||
    fail "the letter typed after a menu closed with Esc did not reach the cell"
kill -0 "$app" 2>/dev/null || fail "the program ended by itself"
echo "The editor drew, saved, cut, typed and saved again as a user would."
