#!/usr/bin/env bash
# Calibrated units as a user meets them: A opens Calibrate Units on the ruler's monitor, the
# bar on the screen is as long as the dialog says, the keys lengthen it, a bad width is
# refused and kept for mending, a good one is stored for this monitor and mode, and with
# Calibrated Units on the caption's centimetres follow the stored density. A calibration made
# in another mode is not used, and the dialog and the caption say so.
source "$(dirname "$0")/lib.sh"

# ID=... RECT=l,t,r,b TEXT=... of one control of the Calibrate Units dialog.
control() { probe dialog "Calibrate Units" 10 | grep "^ID=$1 "; }
text_of() { control "$1" | sed 's/^[^ ]* [^ ]* TEXT=//'; }
# The bar's length on the screen: the dark pixels in the middle row of the bar control.
bar_on_screen() {
  local l t r b
  IFS=, read -r l t r b <<<"$(control 3400 | field RECT)"
  shot "$1"
  count_color "$1" "$((r - l))x1+$l+$(((t + b) / 2))" "#000000"
}
bar_claimed() { text_of 3401 | sed -n 's/^Bar: \([0-9]*\) pixels.*/\1/p'; }
no_dialog() { ! probe dialog "Calibrate Units" 0 >/dev/null; }
visible_windows() { xdotool search --onlyvisible --name '.*' 2>/dev/null | wc -l; }
more_windows() { [ "$(visible_windows)" -gt "$1" ]; }
open_dialog() {
  xdotool windowfocus --sync "$WID" key a
  wait_until 10 output_is "Calibrate Units" probe foreground || echo "FAIL: no Calibrate Units dialog"
}

reset_settings
reg_set View Unit REG_DWORD 0x20      # centimetres
reg_set View Caption REG_DWORD 0x41   # units and position
start_ruler_window
read -r -a rect <<<"$(echo "$RULER_LINE" | field RECT | tr , ' ')"
read -r -a client <<<"$(echo "$RULER_LINE" | field CLIENT | tr , ' ')"
# Client x 500 of the horizontal ruler.
x=$((rect[0] + (rect[2] - rect[0] - client[0]) / 2 + 500)); y=$((rect[1] + 30))
pointer_to "$x" "$y"
check "logical centimetres" "Calyx [U: cm] [P: 13.25 cm]" "$(wait_change "" name "$WID")"

open_dialog
claimed=$(bar_claimed)
check "the bar on the screen is as long as the dialog says" "$claimed" "$(bar_on_screen dialog)"
cp "$E2E_WORK/dialog.png" "${CALYX_SHOT_DIR:-/tmp}/calibrate-dialog.png" 2>/dev/null
xdotool key Right Right Right shift+Right
wait_until 5 output_is $((claimed + 13)) bar_claimed
check "Right three times and Shift+Right once: 13 pixels longer" $((claimed + 13)) "$(bar_claimed)"
check "and so it is on the screen" $((claimed + 13)) "$(bar_on_screen longer)"
xdotool key Left
wait_until 5 output_is $((claimed + 12)) bar_claimed
check "Left: one shorter" $((claimed + 12)) "$(bar_claimed)"
check "the keys' density is the user's" "calibrated by the user" "$(text_of 3401 | sed -n 's/.*(\(.*\))\.$/\1/p')"

# The visible width, typed: nonsense is refused with a message and stays for mending.
read -r -a w <<<"$(control 3404 | field RECT | tr , ' ')"
xdotool mousemove $(((w[0] + w[2]) / 2)) $(((w[1] + w[3]) / 2)) click 1
xdotool key End $(printf 'BackSpace %.0s' {1..12}) && xdotool type "about 30 cm"
wait_until 5 output_is "about 30 cm" text_of 3404
check "typed into the width" "about 30 cm" "$(text_of 3404)"
xdotool key Return
check "a bad width's message" "Please enter the visible width of the screen in millimeters, for example 527.04." \
  "$(probe msgbox 10)"
probe msgbox-ok
wait_until 5 output_is "Calibrate Units" probe foreground
check "the typed text is kept" "about 30 cm" "$(text_of 3404)"
xdotool key End $(printf 'BackSpace %.0s' {1..12}) && xdotool type "300"
xdotool key Return
wait_until 10 no_dialog || echo "FAIL: the dialog did not close on OK"
stored=$(reg_dump Calibration)
check "one calibration stored, for this mode: 1280 px over 300 mm" "mode=1280x1024;dpi=96;density=108.373;source=user" \
  "$(echo "$stored" | sed 's/^[^=]*=//')"

# Calibrated Units from the menu (Units, then Calibrated Units): the caption follows.
before=$(visible_windows)
xdotool windowfocus --sync "$WID" key shift+F10
wait_until 5 more_windows "$before" || echo "FAIL: no context menu"
before=$(visible_windows)
xdotool key u
wait_until 5 more_windows "$before" || echo "FAIL: no Units menu"
xdotool key t
pointer_to "$((x + 1))" "$y"; pointer_to "$x" "$y"
check "calibrated centimetres" "Calyx [U: cm] [Calibrated: 108.373 dpi] [P: 11.74 cm]" \
  "$(wait_change "Calyx [U: cm] [P: 13.25 cm]" name "$WID")"
stop_calyx
check "Calibrated Units is stored" "CalibratedUnits=1" "$(reg_dump View | grep '^CalibratedUnits=')"

# Made in another mode: not used, and both the caption and the dialog say so.
name=$(echo "$stored" | sed 's/=.*//')
reg_set Calibration "$name" REG_SZ "mode=1920x1080;dpi=96;density=108.373;source=user"
start_ruler_window
pointer_to "$x" "$y"
check "another mode's calibration is not used" "Calyx [U: cm] [Not calibrated: 96 dpi] [P: 13.25 cm]" \
  "$(wait_change "" name "$WID")"
open_dialog
status=$(text_of 3407)
case $status in *"no longer applies"*) check "the dialog says so" 1 1 ;; *) check "the dialog says so" "no longer applies" "$status" ;; esac
xdotool key Escape
stop_calyx
check "Cancel changed nothing" "mode=1920x1080;dpi=96;density=108.373;source=user" \
  "$(reg_dump Calibration | sed 's/^[^=]*=//')"
finish
