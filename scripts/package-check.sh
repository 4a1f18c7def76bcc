#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh), unpacks it into a scratch folder with
# "dpkg -x" (nothing is installed on the system; no root needed) and tries what it holds from
# there: its name, control fields and files, "runeboard --version", conversions through the
# installed programs, and the editor started off screen finding its help page and candidate
# file beside it. Any fault stops the run with a message saying what is wrong.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages "${BUILD_PACKAGES[@]}" imagemagick desktop-file-utils

fail() {
    echo "package-check: $*" >&2
    exit 1
}

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

"$ROOT/scripts/package.sh" | tee "$scratch/package.log"
deb="$(tail -n 1 "$scratch/package.log")"
version="$(sed -n 's/^project(Runeboard VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")"
arch="$(dpkg --print-architecture)"
[ -n "$version" ] || fail "no VERSION found in project() of CMakeLists.txt"

echo "== The package: $deb"
[ "$(basename "$deb")" = "runeboard_${version}_${arch}.deb" ] ||
    fail "the package is named $(basename "$deb"), not runeboard_${version}_${arch}.deb"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = runeboard ] || fail "Package: is '$(field Package)', not runeboard"
[ "$(field Version)" = "$version" ] || fail "Version: is '$(field Version)', not $version (CMakeLists.txt)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: is '$(field Architecture)', not $arch"
depends="$(field Depends)"
echo "Depends: $depends"
# The Qt libraries and libjpeg come from dpkg-shlibdeps, the fonts from the packaging rules.
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6 libjpeg62-turbo \
         fonts-noto-cjk fonts-wqy-microhei fonts-unifont; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends: does not name $p"
done
# Every package it depends on (the first of alternatives) is installed here, so the runs below
# use what it asks for.
for p in $(sed -E 's/ \([^)]*\)//g; s/ \|[^,]*//g; s/,/ /g' <<<"$depends"); do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        fail "Depends: names $p, which is not installed on this system"
done

# Its files, exactly: anything missing or added is a fault of the install rules.
expected="/usr/bin/runeboard
/usr/lib/runeboard/help/index.htm
/usr/lib/runeboard/pentext.txt
/usr/lib/runeboard/runeboard
/usr/lib/runeboard/runeboard-editor
/usr/share/applications/runeboard.desktop
/usr/share/icons/hicolor/scalable/apps/runeboard.svg"
actual="$(dpkg -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./|/|' | sort)"
[ "$actual" = "$expected" ] || fail "the package holds
$actual
instead of
$expected"

root="$scratch/root"
dpkg -x "$deb" "$root"
lib="$root/usr/lib/runeboard"
[ "$(readlink "$root/usr/bin/runeboard")" = ../lib/runeboard/runeboard ] ||
    fail "usr/bin/runeboard links to '$(readlink "$root/usr/bin/runeboard")', not ../lib/runeboard/runeboard"
for f in help/index.htm pentext.txt; do
    cmp -s "$ROOT/resources/$f" "$lib/$f" || fail "usr/lib/runeboard/$f differs from resources/$f"
done
cmp -s "$ROOT/resources/runeboard.desktop" "$root/usr/share/applications/runeboard.desktop" ||
    fail "the desktop entry differs from resources/runeboard.desktop"
cmp -s "$ROOT/resources/icons/runeboard.svg" "$root/usr/share/icons/hicolor/scalable/apps/runeboard.svg" ||
    fail "the icon differs from resources/icons/runeboard.svg"
desktop-file-validate "$root/usr/share/applications/runeboard.desktop" ||
    fail "desktop-file-validate finds fault with the desktop entry"
# The entry starts the program the package puts on the path, with the icon it installs.
grep -qx 'Exec=runeboard %F' "$root/usr/share/applications/runeboard.desktop" ||
    fail "the desktop entry does not start 'runeboard %F'"
grep -qx 'Icon=runeboard' "$root/usr/share/applications/runeboard.desktop" ||
    fail "the desktop entry's icon is not 'runeboard'"
for program in runeboard runeboard-editor; do
    missing="$(ldd "$lib/$program" | grep 'not found' || true)"
    [ -z "$missing" ] || fail "$program misses libraries: $missing"
done

echo "== The installed programs"
# No display, English messages, and settings kept in the scratch folder, not the user's.
mkdir -p "$scratch/home" "$scratch/run" "$scratch/work"
chmod 700 "$scratch/run"
run() {
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=C.UTF-8 \
        HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_RUNTIME_DIR="$scratch/run" \
        timeout 60 "$root/usr/bin/runeboard" "$@" || status=$?
    [ "$status" -ne 124 ] || echo "package-check: runeboard $* did not end within 60 s" >&2
    return "$status"
}
# expect WHAT EXPECTED ACTUAL
expect() {
    [ "$2" = "$3" ] || fail "$1: expected
$2
but got
$3"
}

out="$(run --version)" || fail "runeboard --version failed (exit status $?)"
expect "runeboard --version" "runeboard $version" "$out"

# A picture of 4 x 2 cells of 10 x 10 pixels: black top left and bottom right, white elsewhere.
# The light pixels are the ink. A JPEG is read by runeboard alone; a PNG and an SVG are handed to
# runeboard-editor beside it, which reads them through Qt and its SVG plugin.
cd "$scratch/work"
convert -size 40x20 xc:white -fill black -draw "rectangle 0,0 19,9" -draw "rectangle 20,10 39,19" pic.png
convert pic.png -quality 95 pic.jpg
printf '%s\n' '<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20">' \
    '<rect width="40" height="20" fill="white"/>' \
    '<rect x="0" y="0" width="20" height="10" fill="black"/>' \
    '<rect x="20" y="10" width="20" height="10" fill="black"/>' '</svg>' >pic.svg
out="$(run convert pic.jpg --width 4 --height 2 --brush '##')" || fail "converting a JPEG failed (exit status $?)"
expect "runeboard convert pic.jpg" "$(printf '    ####\n####    ')" "$out"
out="$(run convert pic.png --width 4 --height 2)" || fail "converting a PNG failed (exit status $?)"
expect "runeboard convert pic.png" "$(printf '    画画\n画画    ')" "$out"
out="$(run convert pic.svg --width 4 --height 2 --brush '[]')" || fail "converting an SVG failed (exit status $?)"
expect "runeboard convert pic.svg" "$(printf '    [][]\n[][]    ')" "$out"
# A drawing file as the editor saves it: GBK, ideographic spaces (A1 A1) for blank cells, CR LF.
run convert pic.png --width 4 --height 2 -o art.txt || fail "converting to a drawing file failed (exit status $?)"
expect "the drawing file's bytes" "a1a1a1a1bbadbbad0d0abbadbbada1a1a1a10d0a" "$(od -An -tx1 art.txt | tr -d ' \n')"

echo "== The editor, off screen"
out="$(QT_QPA_PLATFORM=offscreen run --check-install)" || fail "runeboard --check-install failed (exit status $?)"
lines="$(wc -l <"$ROOT/resources/pentext.txt")"
expect "runeboard --check-install" "help page: $lib/help/index.htm
candidate characters: $lib/pentext.txt ($lines lines)
editor: started" "$out"
# Without its help page beside it the check must fail, naming the file: it looks in the
# installed folder, and it can fail.
mv "$lib/help/index.htm" "$scratch/index.htm"
status=0
err="$(QT_QPA_PLATFORM=offscreen run --check-install 2>&1 >/dev/null)" || status=$?
expect "runeboard --check-install without its help page: exit status" 1 "$status"
grep -qxF "runeboard: cannot read the help page $lib/help/index.htm: No such file or directory" <<<"$err" ||
    fail "runeboard --check-install without its help page said:
$err"
mv "$scratch/index.htm" "$lib/help/index.htm"

echo "package-check: $(basename "$deb") ($(stat -c %s "$deb") bytes) passed every check in ${SECONDS} s"
