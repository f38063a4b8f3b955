#!/usr/bin/env bash
# The ruler on a desk of two monitors: a 1280 x 1024 primary one and a 1600 x 900 one left of
# it, at negative coordinates (scripts/lib.sh, calyx_start_own_xorg; Xvfb shows Wine one
# monitor only, so this session runs under Xorg's dummy driver, in a stage of its own). The
# caption reads the pointer's screen position and colour on both monitors, Move to Cursor
# takes the ruler onto the left monitor and refuses the gap under it, Reset Window and the
# magnifier work there, the ruler is placed there again at the next start, and when that
# monitor is gone it comes back onto the primary one (32 pixels of it, as any bounds off every
# monitor).
#   two_monitors.sh CALYX.EXE PROBE.EXE   ($CALYX_SHOT_DIR, when set, keeps a screenshot)
source "$(dirname "$0")/lib.sh"

title_has() { [[ "$(name "$WID")" == *"$1"* ]]; }
ruler_rect() { probe find | field RECT; }
monitor_count() { probe monitors | grep -c '^MONITOR='; }

# Wine places the primary monitor at 0, 0: X's root window starts XOFF pixels left of that.
read -r -d '' WANT_MONITORS <<'EOF'
MONITOR=-1600,0,0,900 WORK=-1600,0,0,900 PRIMARY=0
MONITOR=0,0,1280,1024 WORK=0,0,1280,1024 PRIMARY=1
EOF
check "Wine sees two monitors, one at negative coordinates" "$WANT_MONITORS" \
  "$(probe monitors | grep '^MONITOR=' | LC_ALL=C sort)"
probe monitors | grep '^DESKTOP='  # the desktop window: the primary monitor on Windows
[ "$E2E_FAILS" -eq 0 ] || { finish; exit 1; }
XOFF=1600

# pointer_at X Y: the pointer to the Windows screen point (X, Y); waits until Wine sees it.
pointer_at() {
  xdotool mousemove $(($1 + XOFF)) "$2"
  wait_until 5 output_is "$1 $2" probe cursor ||
    { echo "FAIL: Wine does not see the pointer at $1 $2 ($(probe cursor))"; E2E_FAILS=$((E2E_FAILS + 1)); }
}
# rect_of LEFT,TOP,RIGHT,BOTTOM -> "LEFT TOP RIGHT BOTTOM"
rect_of() { tr ',' ' ' <<<"$1"; }

# A first run: the default ruler on the primary monitor, with the caption showing the
# pointer's screen position and colour (no guide line: it would invert the pixel).
reset_settings
reg_set View Caption REG_DWORD 0x28
reg_set View Guide REG_DWORD 0
pointer_at 600 700
start_ruler_window
check "first run: the default rectangle on the primary monitor" "320,128,960,184" "$(ruler_rect)"
timeout 5 xdotool windowfocus --sync "$WID" || check "focus the ruler" 0 1

# The caption against the pointer, on both monitors and across the seam: the position as
# Windows numbers it, the colour that of the pixel the screen shows there.
# (The system tray's window lies at the primary monitor's top-left corner: not Wine's to show.)
for point in "700 600" "-700 450" "-1234 300" "-1 899" "0 500" "-1600 0"; do
  read -r px py <<<"$point"
  pointer_at "$px" "$py"
  want_xy=$(python3 -c "print(f'[XY: {$px:,}, {$py:,} px]')")
  wait_until 5 title_has "$want_xy"
  caption=$(name "$WID")
  check "caption at $px,$py reads the screen position" "$want_xy" "$(grep -o '\[XY: [^]]*\]' <<<"$caption")"
  shot at
  want_color=$(pixel at $((px + XOFF)) "$py" | sed -n 's/^s\{0,1\}rgb(\([0-9]*\),\([0-9]*\),\([0-9]*\))$/\1, \2, \3/p')
  check "caption at $px,$py reads the colour under the pointer" "[C: $want_color rgb]" \
    "$(grep -o '\[C: [^]]*\]' <<<"$caption")"
done

# Move to Cursor onto the left monitor: the zero point (the client area's bottom-left corner
# of a horizontal ruler) lands on the pointer.
read -r l t r b <<<"$(rect_of "$(ruler_rect)")"
frame=$(( (r - l - $(probe find | field CLIENT | cut -d, -f1)) / 2 ))
pointer_at -1200 500
old=$(ruler_rect)
xdotool key u
moved=$(wait_change "$old" ruler_rect)
dx=$((-1200 - (l + frame))) dy=$((500 - (b - frame)))
check "Move to Cursor onto the left monitor" "$((l + dx)),$((t + dy)),$((r + dx)),$((b + dy))" "$moved"

# Under the shorter left monitor lies no monitor: a ruler moved there would be out of reach.
# With its graduations on top the ruler lies below its zero point, so Move to Cursor from the
# monitor's last row would put it wholly into that gap.
xdotool key s
flipped=$(wait_change "$moved" ruler_rect)
pointer_at -800 899
xdotool key u
xdotool key 3   # a key with a visible effect: U has been handled once it shows
wait_until 5 eval '! title_has "[XY: "'
check "Move to Cursor into the gap under the left monitor is refused" "$flipped" "$(ruler_rect)"
xdotool key 3 s
wait_until 5 title_has "[XY: "
check "graduations back below" "$moved" "$(wait_change "$flipped" ruler_rect)"

# Reset Window: the default rectangle, on the monitor the ruler is on.
xdotool key Home
check "Reset Window on the left monitor" "-1200,113,-400,169" "$(wait_change "$moved" ruler_rect)"

# The magnifier at the left monitor's lower edge: the rows of its source that lie under that
# monitor (on no monitor at all) show the desktop colour.
read -r l t r b <<<"$(rect_of "$(ruler_rect)")"
IFS=, read -r cw ch <<<"$(probe find | field CLIENT)"
frame=$(( (r - l - cw) / 2 ))
img_left=$((r - frame - ch + 2 + XOFF)) img_top=$((t + frame + 2)) side=$((ch - 4))
src=$((side * 100 / 400)) py=897
pointer_at -800 "$py"
wait_until 5 title_has "[XY: -800, 897 px]"
gap_rows=$((py - src / 2 + src - 900))
band=$((gap_rows * side / src))
desktop=$(probe desktop-color)
gap_band="${side}x${band}+${img_left}+$((img_top + side - band))"
wait_until 5 eval 'shot magnifier; [ "$(count_color magnifier "$gap_band" "$desktop")" == $((side * band)) ]'
check "magnifier: the rows under the left monitor show the desktop colour" $((side * band)) \
  "$(count_color magnifier "$gap_band" "$desktop")"
# (The row where the two meet may be either, as the stretch rounds.)
check "magnifier: the rows on the monitor do not" 0 \
  "$(count_color magnifier "${side}x$(((src - gap_rows) * side / src))+${img_left}+${img_top}" "$desktop")"
if [ -n "${CALYX_SHOT_DIR:-}" ]; then
  mkdir -p "$CALYX_SHOT_DIR" && cp "$E2E_WORK/magnifier.png" "$CALYX_SHOT_DIR/two-monitors.png"
fi

# The ruler is stored on the left monitor and placed there again.
stored=$(ruler_rect)
stop_calyx
start_ruler_window
check "a ruler stored on the left monitor starts there" "$stored" "$(ruler_rect)"
stop_calyx

# The left monitor is gone: the ruler comes back with 32 pixels on the primary one.
xrandr --output DUMMY1 --off >/dev/null 2>&1
wait_until 10 output_is 1 monitor_count
check "Wine sees the left monitor gone" 1 "$(monitor_count)"
start_ruler_window
check "a ruler stored on a monitor that is gone comes onto the primary one" "-768,113,32,169" "$(ruler_rect)"
stop_calyx
finish
