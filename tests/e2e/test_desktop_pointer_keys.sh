#!/usr/bin/env bash
# Under Wine, beside programs that are not Wine's: the caption follows the pointer over the
# bare desktop (no raw input comes for those moves) after the ruler has rested where raw input
# does come, and after Show in Task Bar the keys still reach the ruler.
source "$(dirname "$0")/lib.sh"

title_has() { [[ "$(name "$WID")" == *"$1"* ]]; }
style_bit() { (( $(probe find | field STYLE) & $1 )) && echo on || echo off; }
exstyle_has() { (( $(probe find | field EXSTYLE) & $1 )); }
has_keyboard() { [ "$(timeout 5 xdotool getwindowfocus 2>/dev/null)" == "$WID" ]; }
# Moves the pointer and checks that the caption shows its screen coordinates.
follows() {
  xdotool mousemove "$1" "$2"
  wait_until 3 title_has "[XY: $1, $2 px]"
  check "the caption follows the pointer to $1, $2 ($3)" "[XY: $1, $2 px]" "$(name "$WID" | grep -o '\[XY: [^]]*\]')"
}

reset_settings
reg_set View Caption REG_DWORD 0x20   # the screen coordinates alone
xdotool mousemove 640 900
start_ruler_window
timeout 5 xdotool windowfocus --sync "$WID" || check "focus the ruler" 0 1
read -r X Y W H <<<"$(geometry "$WID")"

# Over the ruler raw input comes: once the pointer has rested there and moved, the resting
# ruler trusts it; then it rests again and sleeps.
follows $((X + 60)) $((Y + H / 2)) "over the ruler"
sleep 0.5
follows $((X + 64)) $((Y + H / 2)) "over the ruler, after a rest"
sleep 0.6
follows 100 500 "over the desktop, after the ruler slept"
follows 900 600 "over the desktop"
sleep 0.6
follows 700 $((Y + H + 300)) "over the desktop, after a rest"

# Show in Task Bar hides and shows the ruler; the keys go on reaching it.
G0=$(style_bit 0x4000) M0=$(style_bit 0x8000)
xdotool key k
wait_until 5 exstyle_has 0x80
check "K takes the ruler out of the task bar" 0 $?
wait_until 5 has_keyboard
check "the ruler keeps the keyboard after K" 0 $?
xdotool key g r
wait_until 5 eval '[ "$(style_bit 0x4000)" != "$G0" ] && [ "$(style_bit 0x8000)" != "$M0" ]'
check "G and R after K change the guide and the magnifier" 0 $?

stop_calyx
finish
