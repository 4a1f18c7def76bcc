#!/usr/bin/env bash
# Writes the fuzz targets' small seed corpora into DIR/<target>/, made here from
# nothing but printf and ImageMagick, so no file comes from elsewhere.
# Usage: fuzz/make-seeds.sh DIR
set -euo pipefail
out="${1:?usage: make-seeds.sh DIR}"
for t in textfile paste session gbk article picture cli; do mkdir -p "$out/$t"; done

# GBK text: 中文 is D6 D0 CE C4, the ideographic space A1 A1.
zhong=$'\xD6\xD0'; wen=$'\xCE\xC4'; isp=$'\xA1\xA1'
texts=(
    "ab${zhong}cd\r\n${zhong}${wen}  \r\n${isp}${zhong}ab\r\n"   # a block, CR LF
    "a\nlonger line ${zhong}\n\n${wen}x\n"                        # flowed, LF
    "one\rtwo\r\rthree"                                           # lone CRs, no final end
    "ab\x00cd\r\nef\r\n"                                          # a zero byte ends the text
    "x${zhong:0:1}\r\n${isp}${isp}\r\n\x81\x30\xFF\r\n"           # a split character, bad bytes
    "$(printf 'ab%.0s' {1..130})\r\n$(printf '%s%.0s' "$zhong" {1..60})\r\n"
)
i=0
for t in "${texts[@]}"; do
    printf '%b' "$t" >"$out/textfile/$i.txt"
    printf '%b' "$t" >"$out/article/$i.txt"
    printf '%b' "$t" >"$out/gbk/$i.bin"
    # paste: grid width, height, how, drags; then the text as UTF-8 (how even) ...
    printf '\x31\x1D\x02\x02\x05\x03\x40\x10' >"$out/paste/$i.utf8"
    printf '%b' "$t" | iconv -f GBK -t UTF-8 -c >>"$out/paste/$i.utf8"
    # ... or as UTF-16 (how odd)
    printf '\x63\x63\x0D\x01\x00\x00' >"$out/paste/$i.utf16"
    printf '%b' "$t" | iconv -f GBK -t UTF-16LE -c >>"$out/paste/$i.utf16"
    i=$((i + 1))
done
printf '\x02\x61\x00\xD8\x62\x00\x3D\xD8\x00\xDE' >"$out/gbk/surrogates.bin"

# Sessions: width, height, painting, the cells, then steps (a byte picks each, and its own
# bytes follow): a line drawn and undone, a block lifted and dropped, a paste, right clicks.
sessions=(
    '\x05\x04\x00\x00\x01\x02\x03\x00\x01\x02\x03\x00\x01\x02\x03\x00\x01\x02\x03\x01\x00\x02\x01\x0a\x01\x01\x00\x00\x03\x02\x00\x04\x01\x00\x00\x01\x08'
    '\x07\x05\x30\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x10\x01\x01\x04\x03\x05\x02\x00\x02\x01\x02\x01\x03\x00'
    '\x03\x03\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x01\x07\x0cab\r\ncd\xe4\xb8\xad\r\n\x01\x06\x00\x01\x08\x01\x09'
)
i=0
for s in "${sessions[@]}"; do printf "$s" >"$out/session/$i.bin"; i=$((i + 1)); done

# Command lines: the first byte picks convert (odd) or banner (even); zero bytes separate arguments.
args=(
    '\x01photo.jpg\x00--width\x0040\x00--threshold\x00128\x00--invert\x00-o\x00out.txt'
    '\x01-\x00--height\x0030\x00--auto\x00mode\x00--brush\x00ab\x00--encoding\x00gbk'
    '\x01p.png\x00--gradient\x00--article\x00a.txt'
    '\x00Hello\x00--font\x00DejaVu Sans\x00--size\x0024\x00--bold\x00--italic\x00--underline'
    '\x00\xE4\xBD\xA0\xE5\xA5\xBD\x00--width\x00100\x00--brush\x00\xE7\x94\xBB'
    '\x01a.jpg\x00--width\x00-3\x00--unknown'
)
i=0
for a in "${args[@]}"; do printf "$a" >"$out/cli/$i.args"; i=$((i + 1)); done

# Pictures: the first two bytes are the stretch's width and height, then the file.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
magick=(convert)
"${magick[@]}" -size 23x17 gradient:white-black -fill black -draw 'circle 11,8 11,3' "$work/base.png"
"${magick[@]}" -size 6x5 xc:white -fill black -draw 'point 1,1 point 4,3' "$work/tiny.png"
pictures=(
    "jpg:$work/p.jpg:-quality 80"
    "jpg:$work/progressive.jpg:-interlace JPEG"
    "jpg:$work/grey.jpg:-colorspace Gray"
    "jpg:$work/cmyk.jpg:-colorspace CMYK"
    "jpg:$work/sub.jpg:-sampling-factor 2x2"
    "bmp:$work/p.bmp:"
    "bmp:$work/p8.bmp:-type Palette -colors 16"
    "bmp:$work/rle.bmp:-type Palette -colors 8 -compress RLE"
    "ico:$work/p.ico:"
    "png:$work/p.png:"
    "png:$work/alpha.png:-alpha set -channel A -evaluate set 50%"
    "png:$work/grey16.png:-colorspace Gray -depth 16"
    "gif:$work/p.gif:"
)
for entry in "${pictures[@]}"; do
    IFS=: read -r _ file options <<<"$entry"
    # shellcheck disable=SC2086
    "${magick[@]}" "$work/base.png" $options "$file"
done
# A palette PNG through the PNG8 writer (the palette type option aborts some ImageMagick versions).
"${magick[@]}" "$work/base.png" -colors 4 "PNG8:$work/palette.png"
"${magick[@]}" "$work/tiny.png" "$work/tiny.jpg"
"${magick[@]}" "$work/tiny.png" -compress None "$work/tiny.bmp"
cat >"$work/p.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20" viewBox="0 0 40 20">
  <rect x="2" y="2" width="16" height="16" fill="black"/>
  <circle cx="30" cy="10" r="8" fill="none" stroke="black" stroke-width="2"/>
  <text x="4" y="18" font-size="8">字</text>
</svg>
SVG
printf '<?xml version="1.0"?>\n<svg xmlns="http://www.w3.org/2000/svg" width="99999" height="99999"/>\n' >"$work/huge.svg"
i=0
for f in "$work"/*.jpg "$work"/*.bmp "$work"/*.ico "$work"/*.png "$work"/*.gif "$work"/*.svg; do
    { printf '\x2D\x14'; cat "$f"; } >"$out/picture/$i.${f##*.}"
    i=$((i + 1))
done
# A header announcing a picture far beyond the limits: a PNG of 40000 x 40000.
{ printf '\x10\x10\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\x9c\x40\x00\x00\x9c\x40\x08\x02\x00\x00\x00'; } \
    >"$out/picture/huge-header.png"
