#!/usr/bin/env bash
# A monkey run: the editor built with AddressSanitizer and UndefinedBehaviorSanitizer, on a
# virtual screen of its own with a window manager (openbox), driven for a few minutes by random
# input from a seed printed at the start: tools chosen on the palette, clicks and drags on the
# canvas with every button and with Ctrl, Alt and Shift, typing (ASCII, Chinese, Enter, arrows,
# Esc), shortcuts, the clipboard filled from outside, menus opened and closed by mouse and by
# Alt+letter, the toolbar, the wheel, and the dialogs opened, used a little and dismissed.
# It fails when the program is gone, when a sanitizer reports, or when the program stops
# answering. At the end it saves the drawing through Save As, starts the program again on that
# file, saves it again through Save As and compares the two files byte for byte.
#
# Nothing is written outside its own work folder: HOME, the XDG folders and the temporary folder
# are in it, the program runs from a copy in it (the brush chooser saves beside the program),
# file dialogs are only ever answered with paths in it, and the system's programs for addresses
# and mail are stand-ins that only write down what they were asked. The seed picks every action;
# the same seed gives the same actions as long as the program answers as it did.
#
# Usage: scripts/monkey.sh [--seed N] [--minutes M] [--actions N] [--build DIR] [--keep] [--hold S]
#   --seed N     the random generator's seed (default: a new one, printed)
#   --minutes M  how long to drive the program (default 3; decimals allowed)
#   --actions N  stop after N actions, even before the time is up
#   --build DIR  the sanitizer build tree (default build-asan/, built or reused)
#   --hold S     on a failure, leave the screen and the program S seconds for a look
#   --keep       keep the work folder (it is always kept when the run fails)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

usage() { sed -n 's/^# \{0,1\}//; /^Usage:/,/--keep /p' "${BASH_SOURCE[0]}"; }
seed=""
minutes=3
max_actions=0
sanitized="${RUNEBOARD_SANITIZE_BUILD_DIR:-$ROOT/build-asan}"
keep=0
hold=0
while [ $# -gt 0 ]; do
    case "$1" in
    --seed) seed="${2:?--seed needs a number}"; shift 2 ;;
    --minutes) minutes="${2:?--minutes needs a number}"; shift 2 ;;
    --actions) max_actions="${2:?--actions needs a number}"; shift 2 ;;
    --build) sanitized="${2:?--build needs a folder}"; shift 2 ;;
    --keep) keep=1; shift ;;
    --hold) hold="${2:?--hold needs a number of seconds}"; shift 2 ;;
    -h | --help) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
    esac
done
[ -n "$seed" ] || seed=$(($(od -An -N4 -tu4 /dev/urandom) % 1000000))
[[ "$seed" =~ ^[0-9]+$ ]] || { echo "monkey: the seed must be a whole number" >&2; exit 2; }
[[ "$hold" =~ ^[0-9]+$ ]] || { echo "monkey: --hold must be a whole number of seconds" >&2; exit 2; }
[[ "$max_actions" =~ ^[0-9]+$ ]] || { echo "monkey: --actions must be a whole number" >&2; exit 2; }
seconds=$(awk -v m="$minutes" 'BEGIN { if (m !~ /^[0-9]*\.?[0-9]+$/) exit 1; printf "%d", m * 60 }') ||
    { echo "monkey: --minutes must be a number" >&2; exit 2; }

# The window manager's own rules and the small X client live beside the tests.
MONKEY="$ROOT/tests/monkey"
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" gcc libxcb1-dev
if [ ! -f "$sanitized/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$sanitized" -DCMAKE_BUILD_TYPE=Debug -DRUNEBOARD_SANITIZE=ON -DRUNEBOARD_BENCH=OFF
fi
grep -q '^RUNEBOARD_SANITIZE:BOOL=ON' "$sanitized/CMakeCache.txt" ||
    { echo "monkey: $sanitized is not a sanitizer build (RUNEBOARD_SANITIZE=ON)" >&2; exit 2; }
cmake --build "$sanitized" -j "$(nproc)" --target runeboard-editor

# From here on the run checks each step itself: a failing xdotool is part of a monkey's life.
set +e +o pipefail

work="$(mktemp -d "${TMPDIR:-/tmp}/runeboard-monkey.XXXXXX")"
app=""
wm=""
xvfb=""
actions=0
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    if [ "$keep" = 1 ]; then echo "The work folder is kept: $work" >&2; else rm -rf "$work"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM
# A report file that holds only the list of suppressions used is no report.
found_reports() { grep -lE 'ERROR: |runtime error:|SUMMARY: ' "$work"/sanitizer/* "$work/program.log" 2>/dev/null; }
replay="scripts/monkey.sh --seed $seed --minutes $minutes"
fail() {
    echo "FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -display "$DISPLAY" -window root "$work/failure.png" 2>/dev/null
    if [ -s "$work/actions.log" ]; then
        echo "The last actions (all of them in $work/actions.log):" >&2
        tail -n 15 "$work/actions.log" >&2
    fi
    for report in $(found_reports); do cat "$report" >&2; done
    echo "Monkey seed $seed: $actions actions: FAILED ($*). Again: $replay" >&2
    keep=1
    if [ "$hold" -gt 0 ]; then
        echo "The screen stays for $hold s: DISPLAY=$DISPLAY, the program's process $app" >&2
        sleep "$hold"
    fi
    exit 1
}
log() { echo "$actions $*" >>"$work/actions.log"; }

# The random generator: a 31-bit linear congruential one in the shell itself, so that a seed
# gives the same actions wherever bash runs. `pick N` sets R to 0..N-1.
rng=$((seed % 2147483648))
pick() {
    rng=$(((rng * 1103515245 + 12345) % 2147483648))
    R=$(((rng >> 8) % $1))
}
# choose WORD...: sets C to one of the words.
choose() {
    local words=("$@")
    pick ${#words[@]}
    C="${words[$R]}"
}

# --- The work folder: a home, folders and files for the dialogs, the program's copy -----------
mkdir -p "$work"/{home/.config,home/.local/share,home/.cache,run,tmp,files,saved,sanitizer,stub,program}
chmod 700 "$work/run"
cat "$ROOT/tests/lsan.supp" "$MONKEY/lsan.supp" >"$work/lsan.supp"
cc -O2 -o "$work/xprobe" "$MONKEY/xprobe.c" -lxcb || fail "the X probe did not build"
xprobe() { "$work/xprobe" "$@"; }
cp "$sanitized/bin/runeboard-editor" "$sanitized/bin/pentext.txt" "$work/program/" &&
    cp -r "$sanitized/bin/help" "$work/program/" || fail "the program could not be copied"
for stub in xdg-open xdg-email sensible-browser x-www-browser; do
    printf '#!/bin/sh\necho "%s $*" >>"%s/opened.log"\n' "$stub" "$work" >"$work/stub/$stub"
    chmod +x "$work/stub/$stub"
done
# Files the open and picture dialogs are answered with: pictures of every kind the program reads,
# a broken one, and text in GBK and UTF-8, larger than a drawing, empty and binary.
(
    cd "$work/files" || exit 1
    convert -size 320x240 gradient:navy-yellow -swirl 120 photo.jpg &&
        convert -size 64x48 xc:white -fill black -draw 'circle 32,24 32,6' logo.png &&
        convert -size 40x30 xc:red xc:blue -loop 0 anim.gif &&
        convert -size 3x2 xc:gray50 tiny.bmp &&
        convert -size 32x32 gradient:white-black icon.ico &&
        convert -size 1200x8 gradient:black-white wide.png || exit 1
    head -c 700 photo.jpg >broken.jpg
    printf '<svg xmlns="http://www.w3.org/2000/svg" width="80" height="60"><circle cx="40" cy="30" r="25"/></svg>\n' >shape.svg
    printf '\xbb\xad\xbb\xad ab\r\n  \xb7\xfb\xd5\xf3\r\n\xa1\xa1x\r\n' >gbk.txt
    printf '\xef\xbb\xbf\xe4\xbd\xa0\xe5\xa5\xbd world\n\xe2\x82\xac\xf0\x9f\x98\x80 \xe7\x94\xbb\n' >utf8.txt
    for ((i = 0; i < 120; i++)); do printf '%0250d\r\n' "$i"; done >big.txt
    : >empty.txt
    head -c 3000 photo.jpg >binary.txt
) || fail "the files for the dialogs could not be made"
text_files=(gbk.txt utf8.txt big.txt empty.txt binary.txt missing.txt)
picture_files=(photo.jpg logo.png anim.gif tiny.bmp icon.ico wide.png broken.jpg shape.svg gbk.txt)

# --- The screen, the window manager and the program --------------------------------------------
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp"
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8 NO_AT_BRIDGE=1
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
# Xvfb picks a free display itself. It keeps going without resetting when its last client
# leaves (a reset then could refuse the next one, and forgets the mark). Servers started by other
# tests at the same moment may still get in each other's way: a screen or window manager that does
# not come up is started again, and the screen is marked so that it is known to be this run's.
screen_answers() {
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
ours() { xprobe marked "$work"; }
start_screen() {
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >>"$work/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || return 1
    export DISPLAY=":$(head -n 1 "$work/display")"
    screen_answers || return 1
    xprobe mark "$work" || return 1
    openbox --config-file "$MONKEY/openbox-rc.xml" >>"$work/openbox.log" 2>&1 &
    wm=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && ours
}
for attempt in 1 2 3 4 5; do
    start_screen && break
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    wm=""
    xvfb=""
    echo "monkey: the virtual screen or its window manager did not start; again" >&2
    sleep 1
done
[ -n "$wm" ] || fail "the virtual screen or its window manager did not start"

hang=30 # seconds without an answer that make a hang
main=""
start_program() {
    (
        cd "$work/files" || exit 1 # the print dialog's file goes to the current folder
        export PATH="$work/stub:$PATH" BROWSER="$work/stub/xdg-open"
        # Without strict_string_checks: with it, libxkbcommon-x11 (Qt's keyboard on X) is reported
        # at start-up for a strndup of a name the X server does not end with a zero.
        export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:disable_coredump=1:log_path=$work/sanitizer/report"
        export LSAN_OPTIONS="suppressions=$work/lsan.supp"
        export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$work/sanitizer/report"
        exec "$work/program/runeboard-editor" "$@"
    ) >>"$work/program.log" 2>&1 &
    app=$!
    main=""
    local w
    for _ in $(seq 120); do
        alive
        w=$(xdotool search --onlyvisible --name '^Runeboard' 2>/dev/null | head -n 1)
        [ -n "$w" ] && [ "$(xdotool getwindowname "$w" 2>/dev/null)" != "Runeboard" ] && main=$w && break
        sleep 0.5
    done
    [ -n "$main" ] || fail "the main window did not show"
    answered
    sleep 0.5
}

# --- What the program does: still there, answering, no sanitizer report -----------------------
alive() {
    local state=""
    [ -r "/proc/$app/stat" ] && read -r _ _ state _ <"/proc/$app/stat"
    if [ -z "$state" ] || [ "$state" = Z ]; then
        wait "$app"
        local status=$?
        app=""
        fail "the program is gone (exit status $status)"
    fi
}
reports() {
    [ -z "$(found_reports)" ] || fail "a sanitizer reported"
}
# Answers to a ping come from the program's event loop once it has handled all the input sent
# before: this both waits for the program and tells a hang.
answered() {
    xprobe ping "$main" $((hang * 1000)) && return 0
    alive
    fail "the program has not answered for $hang seconds"
}
xdo() { timeout 20 xdotool "$@" >/dev/null 2>&1; }

# --- Where things are ---------------------------------------------------------------------------
X=0 Y=0 W=0 H=0
where() {
    local g
    g=$(xprobe where "$1") || return 1
    read -r X Y W H <<<"$g"
}
# Menus open now (tooltips do not count): "id x y width height type" lines.
menus_open() { xprobe popups | grep -v ' TOOLTIP$'; }
close_menus() {
    for _ in 1 2 3 4 5; do
        [ -z "$(menus_open)" ] && return 0
        xdo key Escape
        answered
        sleep 0.05
    done
}
# The active window and what it is: main, file (a file dialog), help, dialog (one of the
# program's own, or a message box), other (any other window of the program: Escape only) or
# none (no window of the program has the focus).
active=""
kind=""
classify() {
    active=$(xdotool getactivewindow 2>/dev/null)
    title=""
    if [ -z "$active" ]; then
        kind=none
        return
    fi
    if [ "$active" = "$main" ]; then
        kind=main
        return
    fi
    if ! xprop -id "$active" _NET_WM_PID 2>/dev/null | grep -q "= $app\$"; then
        kind=none
        return
    fi
    title=$(xdotool getwindowname "$active" 2>/dev/null)
    case "$title" in
    保存 | 打开 | 打开图片) kind=file ;;
    "符阵画板 帮助") kind=help ;;
    新建 | 关于 | 导入图片 | 画笔选择 | 文字 | 高级设置 | 开关值设置 | 导出图片 | "预览 - "* | "?" | 请确认 | Runeboard) kind=dialog ;;
    *) kind=other ;;
    esac
}

# --- Actions in the main window (positions from the inside's top left corner) -------------------
palette_top=54 # below the menu bar and the toolbar; the monkey may hide the toolbar, and so be off
click_in() { # x y button [count]
    xdo mousemove $((X + $1)) $((Y + $2)) click --repeat "${4:-1}" --delay 80 "$3"
}
random_button() {
    pick 20
    if [ "$R" -lt 12 ]; then B=1; elif [ "$R" -lt 17 ]; then B=3; else B=2; fi
}
random_modifiers() {
    choose "" "" "" "" "" "" ctrl shift alt "ctrl shift" "ctrl alt" "shift alt" "ctrl shift alt"
    MODS=($C)
}
canvas_point() { # sets PX PY in the drawing windows' area, mostly where a new drawing shows
    local w=$((W > 120 ? W - 110 : 10)) h=$((H > palette_top + 70 ? H - palette_top - 60 : 10))
    pick 10
    if [ "$R" -lt 7 ]; then
        ((w > 520)) && w=520
        ((h > 330)) && h=330
    fi
    pick "$w"
    PX=$((82 + R))
    pick "$h"
    PY=$((palette_top + 26 + R))
}

act_tool() {
    pick 17
    local col=$((R % 2)) row=$((R / 2))
    log "tool $R"
    click_in $((3 + 32 * col + 15)) $((palette_top + 2 + 32 * row + 15)) 1
}
act_brush() {
    log "brush button"
    click_in 34 $((palette_top + 312)) 1
}
act_canvas() {
    random_button
    random_modifiers
    canvas_point
    local args=(mousemove $((X + PX)) $((Y + PY))) m what
    for m in "${MODS[@]}"; do args+=(keydown "$m"); done
    pick 20
    if [ "$R" -lt 6 ]; then
        what="click"
        args+=(click "$B")
    elif [ "$R" -lt 8 ]; then
        what="double click"
        args+=(click --repeat 2 --delay 60 "$B")
    else
        local kind_of_drag=$R moves
        pick 8
        moves=$((R + 1))
        what="drag of $moves moves"
        args+=(mousedown "$B")
        local i x=$PX y=$PY midkey="" holds=0
        # A key on the way: a modifier held to the end, or a command while the button is down.
        if [ "$kind_of_drag" -ge 16 ]; then
            choose alt ctrl shift alt Escape ctrl+z ctrl+z Delete ctrl+v ctrl+x ctrl+a F4 ctrl+F4 ctrl+Tab Return
            midkey=$C
            case "$midkey" in alt | ctrl | shift) holds=1 ;; esac
        fi
        for ((i = 0; i < moves; i++)); do
            pick 241
            x=$((x + R - 120))
            pick 161
            y=$((y + R - 80))
            ((x < 2)) && x=2
            ((y < 2)) && y=2
            args+=(mousemove $((X + x)) $((Y + y)) sleep 0.03)
            if [ -n "$midkey" ] && [ "$i" = 0 ]; then
                what+=" with $midkey pressed on the way"
                if [ "$holds" = 1 ]; then args+=(keydown "$midkey"); else args+=(key "$midkey" sleep 0.05); fi
            fi
        done
        args+=(mouseup "$B")
        [ "$holds" = 1 ] && args+=(keyup "$midkey")
    fi
    for m in "${MODS[@]}"; do args+=(keyup "$m"); done
    log "canvas $what, button $B${MODS[*]:+ with ${MODS[*]}} at $PX,$PY"
    xdo "${args[@]}"
}
# Typed text never holds an x: with the menu bar taking the keys, f then x would be File, Exit.
ascii_text() {
    local chars='abcdefghijklmnopqrstuvwyzABCDEFGHIJKLMNOPQRSTUVWYZ0123456789 .,;:!?-_+=*/#@%()[]{}<>~^&|' s=""
    pick 6
    local n=$((R + 1)) i
    for ((i = 0; i < n; i++)); do
        pick ${#chars}
        s+="${chars:$R:1}"
    done
    T=$s
}
chinese_text() {
    choose 画 笔 符阵 你好 中文 "画 画" ａ 。 € é 😀 ㄅ 〇 "画ab"
    T=$C
}
act_type() {
    pick 10
    if [ "$R" -lt 4 ]; then
        ascii_text
        log "type '$T'"
        xdo type --delay 15 -- "$T"
    elif [ "$R" -lt 6 ]; then
        chinese_text
        log "type '$T'"
        xdo type --delay 40 -- "$T"
    else
        pick 4
        local n=$((R + 1)) keys=() i
        for ((i = 0; i < n; i++)); do
            choose Return Escape Left Right Up Down BackSpace Tab space Home End Delete Prior Next
            keys+=("$C")
        done
        log "keys ${keys[*]}"
        xdo key --delay 30 "${keys[@]}"
    fi
}
act_shortcut() {
    choose ctrl+z ctrl+z ctrl+x ctrl+c ctrl+v ctrl+v ctrl+a ctrl+n ctrl+s ctrl+o ctrl+p F4 F4 Delete \
        ctrl+F4 ctrl+Tab ctrl+shift+Tab ctrl+Insert shift+Insert shift+Delete ctrl+shift+z ctrl+y F1 F10 Menu
    log "shortcut $C"
    xdo key "$C"
}
# The clipboard filled by another program, as a user copying from elsewhere would.
act_clipboard() {
    local text="" lines i
    pick 6
    case "$R" in
    0) text="" ;;
    1) ascii_text; text=$T ;;
    2)
        pick 12
        lines=$((R + 1))
        for ((i = 0; i < lines; i++)); do
            chinese_text
            ascii_text
            text+="$T$C"$'\n'
        done
        ;;
    3) text=$'a\tb\r\nc\r\n\r\n画\t\t画' ;;
    4) text=$(printf '%0300d\n' $(seq 150)) ;; # more than a drawing holds
    5) text=$'\xe9\xbe\x98\xf0\x9f\x98\x80\xe2\x82\xac ok' ;;
    esac
    log "clipboard set to ${#text} characters"
    printf '%s' "$text" | timeout 5 xclip -selection clipboard -i >/dev/null 2>&1
}
# Letters that choose a menu's item without a dialog ending the program: never File, Exit (x).
menu_letters() {
    case "$1" in
    f) choose n o d s a r e p ;;
    e) choose u r t c p d a n l ;;
    v) choose s t z ;;
    w) choose c h v a m ;;
    h) choose a h w e ;;
    esac
}
act_menu() {
    pick 4
    local how=$R menu
    choose f e v w h
    menu=$C
    if [ "$how" = 0 ]; then
        menu_letters "$menu"
        log "menu alt+$menu, item $C"
        xdo key "alt+$menu"
        answered
        xdo key "$C"
    elif [ "$how" = 1 ]; then
        pick 5
        local n=$R keys=() i
        for ((i = 0; i < n; i++)); do
            choose Down Down Up
            keys+=("$C")
        done
        # Up from the top of File reaches Exit: File only ever closes again.
        if [ "$menu" = f ]; then keys+=(Escape); else choose Return Escape; keys+=("$C"); fi
        log "menu alt+$menu, keys ${keys[*]}"
        xdo key "alt+$menu"
        answered
        [ "${#keys[@]}" -gt 0 ] && xdo key --delay 40 "${keys[@]}"
    elif [ "$how" = 2 ]; then
        # The menu bar with the mouse; in File's popup only its upper three quarters are clicked,
        # well above Exit at its bottom.
        pick 265
        local mx=$((5 + R)) popup
        log "menu by mouse at $mx"
        click_in "$mx" 10 1
        answered
        pick 3
        popup=$(menus_open | sort -k5 -n | tail -n 1)
        if [ "$R" -lt 2 ] && [ -n "$popup" ]; then
            local px py pw ph
            read -r _ px py pw ph _ <<<"$popup"
            pick $((pw > 10 ? pw - 10 : 1))
            local cx=$((px + 5 + R))
            pick $((ph * 3 / 4 > 8 ? ph * 3 / 4 - 6 : 1))
            local cy=$((py + 4 + R))
            log "  menu item clicked at $((cx - X)),$((cy - Y))"
            xdo mousemove "$cx" "$cy" sleep 0.2 click 1
        fi
    else
        # Export has no letter: four times Up from New, past Exit, Print and Printer setup.
        log "menu File, Export picture"
        xdo key alt+f
        answered
        xdo key --delay 40 Up Up Up Up Return
    fi
    answered
    close_menus
}
act_toolbar() {
    pick 350
    log "toolbar at $((10 + R))"
    click_in $((10 + R)) 38 1
}
act_wheel() {
    canvas_point
    choose "" "" shift ctrl
    local mod=$C
    choose 4 5 4 5 6 7
    local b=$C
    pick 5
    log "wheel $b x$((R + 1))${mod:+ with $mod}"
    if [ -n "$mod" ]; then
        xdo mousemove $((X + PX)) $((Y + PY)) keydown "$mod" click --repeat $((R + 1)) "$b" keyup "$mod"
    else
        xdo mousemove $((X + PX)) $((Y + PY)) click --repeat $((R + 1)) "$b"
    fi
}
act_anywhere() {
    random_button
    pick "$W"
    local x=$R
    pick "$H"
    local y=$R
    pick 4
    log "click $B at $x,$y$([ "$R" = 0 ] && echo ' twice')"
    click_in "$x" "$y" "$B" $([ "$R" = 0 ] && echo 2)
}
act_resize() {
    pick 700
    local w=$((500 + R))
    pick 560
    local h=$((400 + R))
    log "main window to ${w}x$h"
    xdo windowsize "$main" "$w" "$h"
    sleep 0.2
}
act_dialog() {
    choose import brush banner about help saveas open new export
    log "open dialog $C"
    case "$C" in
    import) xdo key alt+f; answered; xdo key d ;;
    brush) click_in 34 $((palette_top + 312)) 1 ;;
    banner)
        click_in 17 $((palette_top + 2 + 32 * 7 + 15)) 1
        canvas_point
        click_in "$PX" "$PY" 1
        ;;
    about) xdo key alt+h; answered; xdo key a ;;
    help) xdo key alt+h; answered; xdo key h ;;
    saveas) xdo key alt+f; answered; xdo key a ;;
    open) xdo key ctrl+o ;;
    new) xdo key ctrl+n ;;
    export) xdo key alt+f; answered; xdo key --delay 40 Up Up Up Up Return ;;
    esac
}
main_action() {
    # A menu left open would take the next keys and clicks as its own.
    close_menus
    where "$main" || return
    pick 100
    if ((R < 10)); then act_tool
    elif ((R < 12)); then act_brush
    elif ((R < 46)); then act_canvas
    elif ((R < 56)); then act_type
    elif ((R < 68)); then act_shortcut
    elif ((R < 70)); then act_clipboard
    elif ((R < 79)); then act_menu
    elif ((R < 83)); then act_toolbar
    elif ((R < 87)); then act_wheel
    elif ((R < 92)); then act_anywhere
    elif ((R < 93)); then act_resize
    else act_dialog
    fi
}

# --- Actions in other windows --------------------------------------------------------------------
saves=0
file_action() {
    pick 2
    if [ "$R" = 0 ]; then
        log "$title: Escape"
        xdo key Escape
        return
    fi
    local path
    case "$title" in
    保存)
        saves=$((saves + 1))
        choose txt txt png
        path="$work/files/s$saves.$C"
        pick 4
        [ "$R" = 0 ] && path="$work/files/gbk.txt" # an existing file: the program asks
        ;;
    打开) choose "${text_files[@]}"; path="$work/files/$C" ;;
    *) choose "${picture_files[@]}"; path="$work/files/$C" ;;
    esac
    log "$title: $path"
    xdo key ctrl+a
    xdo type --delay 8 -- "$path"
    xdo key Return
}
help_action() {
    pick 3
    if [ "$R" = 0 ]; then
        log "help window closed"
        xprobe close "$active"
    elif [ "$R" = 1 ]; then
        where "$active" || return
        random_button
        pick "$W"
        local x=$R
        pick "$H"
        log "help window: click $B at $x,$R"
        click_in "$x" "$R" "$B"
    else
        log "main window activated"
        xdo windowactivate "$main"
    fi
}
dialog_action() {
    where "$active" || return
    pick 100
    if ((R < 30)); then
        log "$title: Escape"
        xdo key Escape
    elif ((R < 42)); then
        log "$title: Return"
        xdo key Return
    elif ((R < 54)); then
        choose Tab Tab shift+Tab space Up Down Left Right Home End
        log "$title: key $C"
        xdo key "$C"
    elif ((R < 79)); then
        random_button
        [ "$B" = 2 ] && B=1
        pick "$W"
        local x=$R
        pick "$H"
        local y=$R
        pick 5
        log "$title: click $B at $x,$y$([ "$R" = 0 ] && echo ' twice')"
        click_in "$x" "$y" "$B" $([ "$R" = 0 ] && echo 2)
    elif ((R < 89)); then
        pick 4
        case "$R" in
        0) ascii_text ;;
        1) chinese_text ;;
        2) choose 0 1 -5 100 101 9999999999 2147483648 "" 50; T=$C ;;
        3) T=$(printf '%0120d' 7) ;;
        esac
        log "$title: select all, type '$T'"
        xdo key ctrl+a
        [ -n "$T" ] && xdo type --delay 15 -- "$T"
    elif ((R < 94)); then
        choose a b c d f g h i j k l m n o p r s t u v w y z
        log "$title: alt+$C"
        xdo key "alt+$C"
    else
        pick "$W"
        local x=$R
        pick "$H"
        local y=$R
        pick "$W"
        local x2=$R
        pick "$H"
        log "$title: drag from $x,$y to $x2,$R"
        xdo mousemove $((X + x)) $((Y + y)) mousedown 1 mousemove $((X + (x + x2) / 2)) $((Y + (y + R) / 2)) \
            sleep 0.05 mousemove $((X + x2)) $((Y + R)) mouseup 1
    fi
}

# A popup left open (a context menu, a list, a drawing window's own menu) gets a click or Escape.
# Menus of the menu bar are never left open, but were one left, its lower part (File, Exit) is not
# clicked. Nothing else happens while one is open: activating another window under a popup leaves
# the keyboard with the window that opened it.
popup_action() {
    local px py pw ph
    read -r _ px py pw ph _ <<<"$(menus_open | sort -k5 -n | tail -n 1)"
    pick 2
    if [ "$R" = 0 ] || [ -z "$ph" ]; then
        log "popup: Escape"
        xdo key Escape
        return
    fi
    pick $((pw > 4 ? pw - 4 : 1))
    local cx=$((px + 2 + R))
    pick $((ph * 3 / 4 > 4 ? ph * 3 / 4 - 2 : 1))
    local cy=$((py + 2 + R))
    log "popup: click at $cx,$cy"
    xdo mousemove "$cx" "$cy" sleep 0.1 click 1
}

# One step: an open popup, or else whatever window has the focus, gets an action of its kind.
same_window=0
last_window=""
step() {
    if [ -n "$(menus_open)" ]; then
        popup_action
        return
    fi
    classify
    if [ "$kind" != main ] && [ "$active" = "$last_window" ]; then
        same_window=$((same_window + 1))
    else
        same_window=0
    fi
    last_window=$active
    # A window that 60 actions in a row did not close is closed as its close button would.
    if [ "$same_window" -ge 60 ]; then
        log "'$title' closed by the window manager after $same_window actions"
        xprobe close "$active"
        same_window=0
        return
    fi
    case "$kind" in
    main) main_action ;;
    file) file_action ;;
    help) help_action ;;
    dialog) dialog_action ;;
    other) log "'$title': Escape"; xdo key Escape ;;
    none) log "main window activated"; xdo windowactivate "$main" ;;
    esac
}

# --- The end: save, start again on the file, save again, compare --------------------------------
# Closes every menu and dialog until the main window has the focus.
settle() {
    local i
    for i in $(seq 80); do
        alive
        close_menus
        classify
        case "$kind" in
        main) return 0 ;;
        help) xprobe close "$active" ;;
        none) xdo windowactivate "$main" ;;
        *) xdo key Escape ;;
        esac
        answered
        sleep 0.2
    done
    fail "the program's windows would not close for the end"
}
# wait_for TITLE: until the active window is titled so (10 s).
wait_for() {
    local i
    for i in $(seq 50); do
        classify
        [ "$kind" != main ] && [ "$kind" != none ] && [ "$title" = "$1" ] && return 0
        sleep 0.2
    done
    return 1
}
# save_as PATH: Save As through its dialog; the questions it may ask are answered Yes.
save_as() {
    local path="$1" i
    settle
    xdo key alt+f
    answered
    xdo key a
    answered
    if ! wait_for 保存; then
        settle
        return 1
    fi
    xdo key ctrl+a
    xdo type --delay 8 -- "$path"
    xdo key Return
    for i in $(seq 100); do
        alive
        answered
        classify
        if [ "$kind" = main ] && [ -s "$path" ]; then
            sleep 0.5
            return 0
        fi
        case "$kind:$title" in
        dialog:请确认) xdo key y ;;
        dialog:Runeboard) fail "saving $path was refused" ;;
        esac
        sleep 0.2
    done
    fail "Save As did not write $path"
}
# quit: File, Exit; the save questions are answered No; the program must end well.
quit() {
    local i
    settle
    xdo key alt+f
    answered
    xdo key x
    for i in $(seq 150); do
        local state=""
        [ -r "/proc/$app/stat" ] && read -r _ _ state _ <"/proc/$app/stat"
        [ -z "$state" ] || [ "$state" = Z ] && break
        classify
        case "$kind:$title" in
        "dialog:?") xdo key n ;;
        main:*) ((i % 25 == 24)) && { xdo key alt+f; sleep 0.3; xdo key x; } ;;
        esac
        sleep 0.2
    done
    local state=""
    [ -r "/proc/$app/stat" ] && read -r _ _ state _ <"/proc/$app/stat"
    [ -z "$state" ] || [ "$state" = Z ] || fail "File, Exit did not end the program"
    wait "$app"
    local status=$?
    app=""
    reports
    [ "$status" = 0 ] || fail "the program ended with status $status"
}

# --- The run -------------------------------------------------------------------------------------
echo "Monkey seed $seed: ${minutes} minutes on display $DISPLAY, work folder $work"
start_program
# Room for the drawing: the frame larger, and the first drawing tiled to fill it.
xdo windowmove "$main" 10 10
xdo windowsize "$main" 1000 760
answered
xdo key alt+w
answered
xdo key v
answered
sleep 0.5
started=$SECONDS
while [ $((SECONDS - started)) -lt "$seconds" ]; do
    [ "$max_actions" -gt 0 ] && [ "$actions" -ge "$max_actions" ] && break
    actions=$((actions + 1))
    step
    alive
    answered
    reports
    sleep 0.05
done
ran=$((SECONDS - started))
echo "Drove the program with $actions actions in $ran s; now Save As, start again on the file, Save As again."

first="$work/saved/first.txt"
second="$work/saved/second.txt"
if ! save_as "$first"; then
    # No drawing was open: a new one, with a rectangle on it.
    log "end: a new drawing"
    xdo key ctrl+n
    wait_for 新建 || fail "Ctrl+N showed no New dialog"
    xdo key Return
    settle
    where "$main"
    click_in 17 $((palette_top + 2 + 32 * 2 + 15)) 1
    xdo mousemove $((X + 120)) $((Y + 150)) mousedown 1 mousemove $((X + 260)) $((Y + 250)) sleep 0.1 mouseup 1
    answered
    save_as "$first" || fail "Save As showed no dialog"
fi
quit
start_program "$first"
settle
save_as "$second" || fail "Save As showed no dialog for the reopened drawing"
quit
if ! cmp -s "$first" "$second"; then
    cmp "$first" "$second" >&2
    fail "the reopened drawing saved other bytes than it was read from ($first, $second)"
fi
echo "Monkey seed $seed: $actions actions in $ran s: PASSED (no crash, no sanitizer report, no hang; saved, reopened and saved again alike, $(stat -c %s "$first") bytes)"
