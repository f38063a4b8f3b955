#!/usr/bin/env bash
# A user's session with the ruler: it appears with its graduations, follows the pointer in
# its caption line and its magnifier, is dragged with the mouse, nudged and resized with the
# arrow keys, and closes with Alt+F4. Run as: test_ruler_session.sh path/to/calyx.exe
# (DISPLAY and WINEPREFIX come from the test environment).
set -uo pipefail

EXE=${1:?usage: $0 calyx.exe}
: "${DISPLAY:?DISPLAY must be set}"
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

WORK=$(mktemp -d)
PID=""
FAILS=0

cleanup() {
    # Never leave a key or button held on a display others use.
    xdotool keyup shift mouseup 1 2>/dev/null
    if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then
        kill "$PID" 2>/dev/null
        sleep 0.5
        kill -9 "$PID" 2>/dev/null
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; FAILS=$((FAILS + 1)); }
check() { # check DESCRIPTION ACTUAL EXPECTED
    if [ "$2" == "$3" ]; then echo "ok: $1"; else fail "$1: got '$2', expected '$3'"; fi
}

# "x y w h" of a window, from xdotool's geometry report.
geometry() {
    timeout 5 xdotool getwindowgeometry "$1" 2>/dev/null |
        awk '/Position:/ { split($2, p, ","); x = p[1]; y = p[2] }
             /Geometry:/ { split($2, g, "x"); print x, y, g[1], g[2] }'
}

# Runs the command after $1 until its output differs from $1 (bounded); prints the last output.
wait_change() {
    local old=$1 now
    shift
    for _ in $(seq 1 40); do
        now=$("$@")
        [ "$now" != "$old" ] && break
        sleep 0.05
    done
    echo "$now"
}

name() { timeout 5 xdotool getwindowname "$1" 2>/dev/null; }

# The P value of a caption line such as "Calyx [U: px] [P: 123 px]".
position_of() { sed -n 's/.*\[P: \(-\{0,1\}[0-9,]*\) px\].*/\1/p' <<<"$1" | tr -d ,; }

shot() { import -window root "$WORK/$1.png"; }
pixel() { convert "$WORK/$1.png" -format "%[pixel:p{$2,$3}]" info:; }
# Number of pixels of one exact colour (#RRGGBB) in a region WxH+X+Y of a screenshot.
count_color() {
    convert "$WORK/$1.png" -crop "$2" +repage -format %c histogram:info:- |
        awk -v c="$3" 'toupper($0) ~ c { n += $1 } END { print n + 0 }'
}
# A checksum of a region's pixels.
region_sum() { convert "$WORK/$1.png" -crop "$2" +repage -format '%#' info:; }

# A first run: no stored settings anywhere.
for root in HKLM HKCU; do
    timeout 20 wine reg delete "$root\\Software\\Orrin\\Calyx" /f >/dev/null 2>&1 </dev/null
done

# The pointer starts away from where the ruler will appear.
xdotool mousemove 640 700
wine "$EXE" >/dev/null 2>&1 </dev/null &
PID=$!

WID=""
for _ in $(seq 1 100); do
    # By process as well: other Calyx windows may share the display.
    WID=$(xdotool search --all --pid "$PID" --name '^Calyx' 2>/dev/null | head -n 1)
    [ -n "$WID" ] && break
    sleep 0.1
done
[ -n "$WID" ] || { echo "FAIL: no ruler window appeared" >&2; exit 1; }
sleep 0.5

# The default ruler: a quarter in from the left, an eighth down, half the screen wide, 56 high.
read -r X Y W H <<<"$(geometry "$WID")"
SW=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
SH=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[2] }')
check "default rectangle" "$X $Y $W $H" "$((SW / 4)) $((SH / 8)) $((SW / 2)) 56"

# Graduations: a yellow scale with black ticks and labels under the caption strip. The
# region is the window's lower half, short of the border and the magnifier square.
shot start
SCALE="$((W - 2 * 8 - H))x$((H / 2 - 8))+$((X + 8))+$((Y + H / 2))"
YELLOW=$(count_color start "$SCALE" '#FFFF00')
BLACK=$(count_color start "$SCALE" '#000000')
AREA=$(((W - 16 - H) * (H / 2 - 8)))
[ "$YELLOW" -gt $((AREA / 2)) ] && echo "ok: yellow scale ($YELLOW px)" || fail "yellow scale: $YELLOW of $AREA px"
[ "$BLACK" -gt 200 ] && echo "ok: black ticks ($BLACK px)" || fail "black ticks: $BLACK px"
check "scale background pixel" "$(pixel start $((X + 40)) $((Y + H - 18)))" "srgb(255,255,0)"

# The caption follows the pointer: 200 pixels further right reads 200 pixels more.
xdotool mousemove $((X + 100)) $((Y + H + 200))
sleep 0.3
N1=$(name "$WID")
xdotool mousemove $((X + 300)) $((Y + H + 200))
N2=$(wait_change "$N1" name "$WID")
echo "caption: '$N1' -> '$N2'"
[[ "$N1" =~ ^Calyx\ \[U:\ px\]\ \[P:\ -?[0-9,]+\ px\]$ ]] || fail "caption form: '$N1'"
P1=$(position_of "$N1")
P2=$(position_of "$N2")
check "position follows the pointer" "$((P2 - P1))" "200"

# The magnifier square (right end, as high as the client) shows what is under the pointer:
# the black desktop far below the ruler, the yellow scale when over it.
MAG="$((H - 12))x$((H - 12))+$((X + W - H + 2))+$((Y + 6))"
xdotool mousemove $((X + 200)) $((Y + 400))
sleep 0.3
shot desk
xdotool mousemove $((X + 200)) $((Y + H - 14))
sleep 0.3
shot over
[ "$(region_sum desk "$MAG")" != "$(region_sum over "$MAG")" ] && echo "ok: magnifier changes with the pointer" ||
    fail "magnifier did not change"
MAGYELLOW=$(count_color over "$MAG" '#FFFF00')
[ "$MAGYELLOW" -gt 100 ] && echo "ok: magnifier shows the scale ($MAGYELLOW px)" || fail "magnifier yellow: $MAGYELLOW px"

# A drag moves the window with the pointer, keeping the grab offset, partly off the screen too.
GX=$((X + 200)) GY=$((Y + H - 10))
xdotool mousemove $GX $GY
sleep 0.2
xdotool mousedown 1
sleep 0.1
for step in 1 2 3 4 5; do
    xdotool mousemove $((GX + step * 20)) $((GY + step * 30))
    sleep 0.05
done
sleep 0.2
check "dragged" "$(geometry "$WID")" "$((X + 100)) $((Y + 150)) $W $H"
xdotool mousemove $((GX - X - 200 + 30)) $((GY + 150))
sleep 0.3
xdotool mouseup 1
sleep 0.2
check "dragged partly off the screen" "$(geometry "$WID")" "-170 $((Y + 150)) $W $H"
# Back into view for the keys.
xdotool mousemove $((GX - X - 200 + 30)) $((GY + 150))
sleep 0.7
xdotool mousedown 1
sleep 0.1
xdotool mousemove $((GX - X - 200 + 130)) $((GY + 150))
sleep 0.1
xdotool mousemove 500 $((GY + 150))
sleep 0.2
xdotool mouseup 1
sleep 0.2
read -r X Y W H <<<"$(geometry "$WID")"
check "dragged back" "$X" "$((500 - 200))"

# Arrow keys: one pixel per key; with Shift they resize with the top-left corner fixed.
timeout 5 xdotool windowfocus --sync "$WID" || fail "could not focus the ruler"
G0="$X $Y $W $H"
xdotool key Right
G1=$(wait_change "$G0" geometry "$WID")
check "Right" "$G1" "$((X + 1)) $Y $W $H"
xdotool key Down
G2=$(wait_change "$G1" geometry "$WID")
check "Down" "$G2" "$((X + 1)) $((Y + 1)) $W $H"
# Shift is held as a user holds it: the ruler asks for its state when the arrow arrives.
xdotool keydown shift
sleep 0.1
xdotool key Left
G3=$(wait_change "$G2" geometry "$WID")
check "Shift+Left" "$G3" "$((X + 1)) $((Y + 1)) $((W - 1)) $H"
xdotool key Down
G4=$(wait_change "$G3" geometry "$WID")
xdotool keyup shift
check "Shift+Down" "$G4" "$((X + 1)) $((Y + 1)) $((W - 1)) $((H + 1))"

# Alt+F4 closes it and the program ends.
xdotool key alt+F4
for _ in $(seq 1 100); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$PID" 2>/dev/null; then
    fail "the program did not end on Alt+F4"
else
    wait "$PID" 2>/dev/null
    PID=""
    echo "ok: closed"
fi

[ "$FAILS" -eq 0 ] || { echo "$FAILS check(s) failed" >&2; exit 1; }
echo "all checks passed"
