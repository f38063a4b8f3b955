#!/usr/bin/env bash
# The sizing tool as a user works it, on the windows of another program: both hot keys on
# the foreground window and on the window under the pointer (a button inside that program's
# window), the dialog opened afterwards showing what the hot key read, the Get size picker
# dragged across windows (outlined as it goes, nothing left on the screen afterwards), the
# Set size picker cancelled with the right button and then dropped, and hot key 1 redefined
# in the Define Hot Key dialog: the old combination does nothing, the new one works.
source "$(dirname "$0")/lib.sh"

RES="Sizing target: resizable"
FIXED="Sizing target: fixed"
POPUP="Sizing target: popup"
DLG="Calyx Sizing Tool"

width_of() { target_rect "$@" | awk '{ print $3 - $1 }'; }
size_text() { target_rect "$DLG" 3001 | cut -d' ' -f6-; }
# The centre of a window (or of its control) on the screen.
centre_of() { target_rect "$@" | awk '{ printf "%d %d", ($1 + $3) / 2, ($2 + $4) / 2 }'; }
# Screen pixels along the top edge of a window, just inside it.
edge_sum() { region_sum "$1" "$(target_rect "$2" | awk '{ printf "%dx2+%d+%d", $3 - $1 - 40, $1 + 20, $2 + 1 }')"; }
no_dialog() { ! target_rect "$DLG" >/dev/null; }
foreground_is() { [[ "$(probe foreground)" == $1 ]]; }
# Clicks a window of another program and waits until it is Wine's foreground window: the
# click is handled by that program while a hot key is handled by Calyx, in either order.
activate() {
  xdotool mousemove "$1" "$2" click 1
  wait_until 5 foreground_is "$3"
  check "a click makes $3 the foreground window" 0 $?
}
# A short pause between separate pointer moves, which Wine would otherwise merge.
step_to() { sleep 0.05; xdotool mousemove "$1" "$2"; }

reset_settings
store_ctrl_alt_f9_f10
# The ruler (and so the dialog it owns) in the lower right, clear of the target windows.
reg_set Window "Bounds.left" REG_DWORD 880
reg_set Window "Bounds.top" REG_DWORD 700
reg_set Window "Bounds.right" REG_DWORD 1180
reg_set Window "Bounds.bottom" REG_DWORD 756

start_targets
xdotool mousemove 1270 1010
start_calyx
check "no message at start (both hot keys free)" 1 "$(probe msgbox 1 >/dev/null && echo 0 || echo 1)"
FX=$(probe metrics | field FRAME | cut -d, -f1)

# Foreground mode: Get size on the other program's window (400 wide), then Set size on its
# pop-up (300 wide) gives the pop-up the width just read.
read -r X Y <<<"$(target_rect "$RES" | awk '{ print $1 + 50, $4 - 50 }')"
activate "$X" "$Y" "$RES"
xdotool key ctrl+alt+F9
read -r X Y <<<"$(centre_of "$POPUP")"
activate "$X" "$Y" "$POPUP"
xdotool key ctrl+alt+F10
wait_until 5 output_is 400 width_of "$POPUP"
check "hot keys 1 then 2 on the foreground windows" 400 "$(width_of "$POPUP")"
check "the hot key did not open the dialog" 0 "$(no_dialog; echo $?)"

# The dialog, opened now, shows the size hot key 1 read.
# A click on the ruler's scale gives it the keyboard (focusing its X window alone does not
# make it Wine's active window again once another program's window was clicked).
activate 1030 745 "Calyx*"
xdotool key z
wait_until 10 target_rect "$DLG" >/dev/null
check "the dialog shows the size read" "$((400 - 2 * FX)) x 480" "$(size_text)"
read -r DL DT DR DB _ <<<"$(target_rect "$DLG")"
check "the dialog is clear of the targets" 1 "$([ "$DL" -ge 760 ] && [ "$DT" -ge 600 ] && echo 1 || echo "0 ($DL,$DT)")"
shot rest

# Under the cursor: a size typed in the dialog, hot key 2 with the pointer over a button
# inside the other program's window resizes that window; hot key 1 over the pop-up reads it.
read -r X Y <<<"$(centre_of "$DLG" 3051)"
xdotool mousemove "$X" "$Y" click 1
read -r X Y <<<"$(target_rect "$DLG" 3001 | awk '{ print $1 + 10, ($2 + $4) / 2 }')"
xdotool mousemove "$X" "$Y" click 1
xdotool key End $(printf 'BackSpace %.0s' $(seq 16))
xdotool type "500 x 300"
wait_until 5 output_is "500 x 300" size_text
read -r X Y <<<"$(centre_of "$RES" 101)"
pointer_to "$X" "$Y"
xdotool key ctrl+alt+F10
wait_until 5 output_is $((500 + 2 * FX)) width_of "$RES"
check "hot key 2 over a button acts on its window" $((500 + 2 * FX)) "$(width_of "$RES")"
read -r X Y <<<"$(centre_of "$POPUP")"
pointer_to "$X" "$Y"
xdotool key ctrl+alt+F9
wait_until 5 output_is "$((400 - 2 * FX)) x 300" size_text
check "hot key 1 under the cursor" "$((400 - 2 * FX)) x 300" "$(size_text)"

# The Get size picker dragged over the fixed window (outlined while the pointer is there)
# and dropped on the button: the window's size; nothing stays drawn on the screen.
shot before
read -r PX PY <<<"$(centre_of "$DLG" 3003)"
xdotool mousemove "$PX" "$PY" mousedown 1
read -r X Y <<<"$(centre_of "$FIXED")"
for f in 0.25 0.5 0.75 1; do
  step_to "$(awk -v a="$PX" -v b="$X" -v f="$f" 'BEGIN { printf "%d", a + (b - a) * f }')" \
    "$(awk -v a="$PY" -v b="$Y" -v f="$f" 'BEGIN { printf "%d", a + (b - a) * f }')"
done
outlined() { shot during; [ "$(edge_sum during "$FIXED")" != "$(edge_sum before "$FIXED")" ]; }
check "the window under the drag is outlined" 0 "$(wait_until 5 outlined; echo $?)"
read -r X Y <<<"$(centre_of "$RES" 101)"
step_to "$X" "$Y"
step_to $((X + 1)) "$Y"
xdotool mouseup 1
wait_until 5 output_is "500 x 300" size_text
check "the Get size picker reads the window it was dropped on" "500 x 300" "$(size_text)"
restored() { shot after; [ "$(edge_sum after "$FIXED")" == "$(edge_sum before "$FIXED")" ]; }
check "no outline is left on the screen" 0 "$(wait_until 5 restored; echo $?)"

# The Set size picker: the right button cancels the drag (the icon comes back, nothing is
# resized); a second drag dropped on the pop-up resizes it.
read -r PX PY <<<"$(centre_of "$DLG" 3002)"
PICKER="$((32))x$((32))+$((PX - 16))+$((PY - 16))"
xdotool mousemove "$PX" "$PY" mousedown 1
step_to $((PX - 100)) $((PY - 100))
read -r X Y <<<"$(centre_of "$RES" 101)"
step_to "$X" "$Y"
lifted() { shot lifted; [ "$(region_sum lifted "$PICKER")" != "$(region_sum rest "$PICKER")" ]; }
check "the target is lifted out of the picker" 0 "$(wait_until 5 lifted; echo $?)"
xdotool click 3
back() { shot back; [ "$(region_sum back "$PICKER")" == "$(region_sum rest "$PICKER")" ]; }
check "the right button puts the target back" 0 "$(wait_until 5 back; echo $?)"
xdotool mouseup 1
sleep 0.6 # the next press on the picker must not make a double-click
xdotool mousemove "$PX" "$PY" mousedown 1
read -r X Y <<<"$(centre_of "$POPUP")"
step_to $((PX - 100)) $((PY - 100))
step_to "$X" "$Y"
xdotool mouseup 1
wait_until 5 output_is $((500 + 2 * FX)) width_of "$POPUP"
check "the Set size picker resizes the pop-up" $((500 + 2 * FX)) "$(width_of "$POPUP")"
check "the cancelled drag resized nothing" $((500 + 2 * FX)) "$(width_of "$RES")"

# Hot key 1 redefined as Ctrl+Alt+F11 in the Define Hot Key dialog.
read -r X Y <<<"$(centre_of "$DLG" 3055)"
xdotool mousemove "$X" "$Y" click 1
wait_until 10 target_rect "Define Hot Key" >/dev/null
check "the Define Hot Key dialog opens" 0 "$?"
xdotool key ctrl+alt+F11
sleep 0.1 # the combination and Enter are separate key presses
xdotool key Return
gone() { ! target_rect "Define Hot Key" >/dev/null; }
check "the new key is accepted" 0 "$(wait_until 10 gone; echo $?)"
# Hot keys reach Wine only while one of its windows has the X keyboard focus, which went with
# the closed dialog: a click on the sizing tool's caption gives it back.
activate $((DL + 120)) $((DT + 8)) "$DLG"
# The old combination over the fixed-size window would be refused with a message; the new
# one over the borderless window (200 wide, its left part now under the widened pop-up)
# reads it.
read -r X Y <<<"$(centre_of "$FIXED")"
pointer_to "$X" "$Y"
xdotool key ctrl+alt+F9
read -r X Y <<<"$(target_rect "Sizing target: borderless" | awk '{ print $3 - 20, ($2 + $4) / 2 }')"
pointer_to "$X" "$Y"
xdotool key ctrl+alt+F11
wait_until 5 output_is "$((200 - 2 * FX)) x 300" size_text
check "the new combination works" "$((200 - 2 * FX)) x 300" "$(size_text)"
check "the old combination does nothing" 1 "$(probe msgbox 0 >/dev/null && echo 0 || echo 1)"

stop_targets
stop_calyx
DUMP=$(reg_dump Sizing)
check "hot key 1 stored" "HKV Get=122 HKM Get=3 HK Get=1" \
  "$(grep -E '^HKV Get=|^HKM Get=|^HK Get=' <<<"$DUMP" | LC_ALL=C sort -r | paste -sd' ')"
check "the target mode stored" "HK Mode=1" "$(grep '^HK Mode=' <<<"$DUMP")"
finish
