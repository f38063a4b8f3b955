#!/usr/bin/env bash
# A user changes the ruler with its keys and its tray icon: the unit, the scale and a caption
# item from the keyboard (the ruler repaints, the registry holds them after exit), the three
# copies to the clipboard, V hides the ruler and the tray icon brings it back where it was,
# and Move to Cursor refuses to leave the ruler above the work area.
source "$(dirname "$0")/lib.sh"

title_has() { [[ "$(name "$WID")" == *"$1"* ]]; }
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
clipboard_is() { [ "$(clipboard)" == "$1" ]; }
clipboard_matches() { [[ "$(clipboard)" =~ $1 ]]; }
clipboard_has_bitmap() { timeout 5 xclip -o -selection clipboard -t TARGETS 2>/dev/null | grep -qx 'image/bmp'; }
visible_is() { [ "$(probe find | field VISIBLE)" == "$1" ]; }
# Presses a key and waits until the caption line has a text in it.
press() { xdotool key "$1"; wait_until 5 title_has "$2"; check "$1 shows $2" 0 $?; }

reset_settings
xdotool mousemove 640 900
start_ruler_window
read -r X Y W H <<<"$(geometry "$WID")"
timeout 5 xdotool windowfocus --sync "$WID" || check "focus the ruler" 0 1

# Keys change the unit, the scale and the caption items; the graduations are drawn anew.
SCALE="$((W - 2 * 8 - H))x$((H / 2 - 8))+$((X + 8))+$((Y + H / 2))"
wait_until 5 title_has "[U: px]"
shot px
press m "[U: cm]"
press ctrl+i "[S: 110%]"
press 6 "[A: "
wait_until 5 eval '[ "$(shot cm; region_sum cm "$SCALE")" != "$(region_sum px "$SCALE")" ]'
check "the graduations were repainted in cm" 0 $?

# The copies: the caption line as it stands, the colour without its suffix, the magnified
# area as a bitmap.
xdotool key ctrl+alt+c
wait_until 5 eval 'clipboard_is "$(name "$WID")"'
check "Ctrl+Alt+C copies the caption line" "$(name "$WID")" "$(clipboard)"
xdotool key ctrl+shift+c
wait_until 5 clipboard_matches '^[0-9]{1,3}, [0-9]{1,3}, [0-9]{1,3}$'
check "Ctrl+Shift+C copies the colour, no suffix" 0 $?
xdotool key ctrl+c
wait_until 5 clipboard_has_bitmap
check "Ctrl+C copies a bitmap" 0 $?

# Move to Cursor with the pointer at the work area's top-left corner would put a horizontal
# ruler above the work area: refused. The next key's effect shows that U has been handled.
# Each key waits until the caption shows the pointer's new place: Wine answers GetCursorPos
# from its own copy of the position for up to 100 ms after it last changed, so a key pressed
# right after a move over the bare desktop can still see the old place.
press 3 "[XY: "
BEFORE=$(geometry "$WID")
xdotool mousemove 0 0
wait_until 5 title_has "[XY: 0, 0 px]"
check "the ruler sees the pointer at 0, 0" 0 $?
xdotool key u
press 2 "Calyx [U: cm] [XY: 0, 0 px] [P:"
check "Move to Cursor at the top-left corner is refused" "$BEFORE" "$(geometry "$WID")"
xdotool mousemove 700 700
wait_until 5 title_has "[XY: 700, 700 px]"
check "the ruler sees the pointer at 700, 700" 0 $?
xdotool key u
AFTER=$(wait_change "$BEFORE" geometry "$WID")
check "Move to Cursor elsewhere moves the ruler" 1 "$([ "$AFTER" != "$BEFORE" ] && echo 1 || echo 0)"
read -r X Y W H <<<"$AFTER"

# V hides the ruler; a double-click on the tray icon brings it back at the same place.
xdotool key v
wait_until 5 visible_is 0
check "V hides the ruler" 0 $?
POINT=$(tray_icon_point)
check "the tray icon is there" 1 "$([ -n "$POINT" ] && echo 1 || echo 0)"
read -r IX IY <<<"$POINT"
xdotool mousemove "$IX" "$IY" click --repeat 2 --delay 50 1
wait_until 5 visible_is 1
check "a double-click on the tray icon shows it" 0 $?
check "back at the same place" "$X $Y $W $H" "$(geometry "$WID")"

stop_calyx
view=$(reg_dump View)
for kv in Unit=32 Scale=110 Caption=101 Visible=1; do
  check "View\\${kv%%=*} after exit" "$kv" "$(echo "$view" | grep "^${kv%%=*}=")"
done
finish
