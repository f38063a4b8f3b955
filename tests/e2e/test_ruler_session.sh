#!/usr/bin/env bash
# A user's session with the ruler: it appears with its graduations, follows the pointer in
# its caption line and its magnifier, is dragged with the mouse, nudged and resized with the
# arrow keys, and closes with Alt+F4. Every wait is for what the user would see next; the
# only pauses are between input events that must stay apart (see below).
source "$(dirname "$0")/lib.sh"

# The P value of a caption line such as "Calyx [U: px] [P: 123 px]".
position_of() { sed -n 's/.*\[P: \(-\{0,1\}[0-9,]*\) px\].*/\1/p' <<<"$1" | tr -d ,; }
# Moves the pointer and waits until the caption line has followed it.
move_and_wait() {
  local before
  before=$(name "$WID")
  xdotool mousemove "$1" "$2"
  wait_change "$before" name "$WID" >/dev/null
}
# Screenshots until the pixels of one colour in a region reach at least (or at most) N.
shot_until() { # NAME REGION COLOUR ge|le N
  local end=$(( $(date +%s%N) + 5000000000 )) n
  while shot "$1"; n=$(count_color "$1" "$2" "$3"); [ "$(date +%s%N)" -lt "$end" ]; do
    [ "$4" == ge ] && [ "$n" -ge "$5" ] && break
    [ "$4" == le ] && [ "$n" -le "$5" ] && break
    sleep 0.05
  done
  echo "$n"
}

reset_settings
# The pointer starts away from where the ruler will appear.
xdotool mousemove 640 700
start_ruler_window

# The default ruler: a quarter in from the left, an eighth down, half the screen wide, 56 high.
read -r X Y W H <<<"$(geometry "$WID")"
SW=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
SH=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[2] }')
check "default rectangle" "$((SW / 4)) $((SH / 8)) $((SW / 2)) 56" "$X $Y $W $H"

# Graduations: a yellow scale with black ticks and labels under the caption strip. The
# region is the window's lower half, short of the border and the magnifier square.
SCALE="$((W - 2 * 8 - H))x$((H / 2 - 8))+$((X + 8))+$((Y + H / 2))"
AREA=$(((W - 16 - H) * (H / 2 - 8)))
YELLOW=$(shot_until start "$SCALE" '#FFFF00' ge $((AREA / 2)))
BLACK=$(count_color start "$SCALE" '#000000')
check "yellow scale over half the scale area" 1 "$([ "$YELLOW" -gt $((AREA / 2)) ] && echo 1 || echo "0 ($YELLOW of $AREA px)")"
check "black ticks" 1 "$([ "$BLACK" -gt 200 ] && echo 1 || echo "0 ($BLACK px)")"
check "scale background pixel" "srgb(255,255,0)" "$(pixel start $((X + 40)) $((Y + H - 18)))"

# The caption follows the pointer: 200 pixels further right reads 200 pixels more.
move_and_wait $((X + 100)) $((Y + H + 200))
N1=$(name "$WID")
move_and_wait $((X + 300)) $((Y + H + 200))
N2=$(name "$WID")
echo "caption: '$N1' -> '$N2'"
check "caption form" 1 "$([[ "$N1" =~ ^Calyx\ \[U:\ px\]\ \[P:\ -?[0-9,]+\ px\]$ ]] && echo 1 || echo "0 '$N1'")"
check "position follows the pointer" 200 "$(( $(position_of "$N2") - $(position_of "$N1") ))"

# The magnifier square (right end, as high as the client) shows what is under the pointer:
# the black desktop far below the ruler, the yellow scale when over it. The region lies
# inside the square, clear of the scale beside it.
MAG="$((H - 12))x$((H - 12))+$((X + W - H + 4))+$((Y + 6))"
move_and_wait $((X + 200)) $((Y + 400))
DESKYELLOW=$(shot_until desk "$MAG" '#FFFF00' le 0)
move_and_wait $((X + 200)) $((Y + H - 14))
MAGYELLOW=$(shot_until over "$MAG" '#FFFF00' ge 101)
check "magnifier shows the desktop" 0 "$DESKYELLOW"
check "magnifier shows the scale" 1 "$([ "$MAGYELLOW" -gt 100 ] && echo 1 || echo "0 ($MAGYELLOW px)")"
check "magnifier changes with the pointer" 1 "$([ "$(region_sum desk "$MAG")" != "$(region_sum over "$MAG")" ] && echo 1 || echo 0)"

# A drag moves the window with the pointer, keeping the grab offset, partly off the screen
# too. Separate moves need a moment between them, or Wine merges them into one message.
GX=$((X + 200)) GY=$((Y + H - 10))
xdotool mousemove $GX $GY mousedown 1
for step in 1 2 3 4 5; do
  sleep 0.05
  xdotool mousemove $((GX + step * 20)) $((GY + step * 30))
done
wait_until 5 output_is "$((X + 100)) $((Y + 150)) $W $H" geometry "$WID"
check "dragged" "$((X + 100)) $((Y + 150)) $W $H" "$(geometry "$WID")"
sleep 0.05
xdotool mousemove $((GX - X - 200 + 30)) $((GY + 150))
wait_until 5 output_is "-170 $((Y + 150)) $W $H" geometry "$WID"
xdotool mouseup 1
check "dragged partly off the screen" "-170 $((Y + 150)) $W $H" "$(geometry "$WID")"
# Back into view for the keys. Two presses at one spot within the double-click time would
# make a double-click, which opens the sizing tool instead of starting a drag.
sleep 0.6
xdotool mousedown 1
sleep 0.05
xdotool mousemove $((GX - X - 200 + 130)) $((GY + 150))
sleep 0.05
xdotool mousemove 500 $((GY + 150))
wait_until 5 output_is "300 $((Y + 150)) $W $H" geometry "$WID"
xdotool mouseup 1
read -r X Y W H <<<"$(geometry "$WID")"
check "dragged back" "$((500 - 200))" "$X"

# Arrow keys: one pixel per key; with Shift they resize with the top-left corner fixed.
timeout 5 xdotool windowfocus --sync "$WID" || check "focus the ruler" 0 1
G0="$X $Y $W $H"
xdotool key Right
G1=$(wait_change "$G0" geometry "$WID")
check "Right" "$((X + 1)) $Y $W $H" "$G1"
xdotool key Down
G2=$(wait_change "$G1" geometry "$WID")
check "Down" "$((X + 1)) $((Y + 1)) $W $H" "$G2"
# Shift is held as a user holds it: the ruler asks for its state when the arrow arrives.
xdotool keydown shift
xdotool key Left
G3=$(wait_change "$G2" geometry "$WID")
check "Shift+Left" "$((X + 1)) $((Y + 1)) $((W - 1)) $H" "$G3"
xdotool key Down
G4=$(wait_change "$G3" geometry "$WID")
xdotool keyup shift
check "Shift+Down" "$((X + 1)) $((Y + 1)) $((W - 1)) $((H + 1))" "$G4"

# Alt+F4 closes it and the program ends.
xdotool key alt+F4
check "the program ends on Alt+F4" 0 "$(wait_until 10 not_running "$RULER_PID"; echo $?)"
end_processes
finish
