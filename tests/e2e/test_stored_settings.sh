#!/usr/bin/env bash
# Stored settings at start-up: bounds far off screen come back onto the work area, bounds
# too small to take hold of grow to the smallest ruler, a hidden ruler starts hidden, odd
# values are repaired or ignored, and the stored style is applied.
source "$(dirname "$0")/lib.sh"

# Far off screen (on a monitor that is gone): 32 pixels must lie on the work area in each direction.
reset_settings
reg_set Window Bounds.left REG_DWORD 0xFFFFD8F0   # -10000
reg_set Window Bounds.top REG_DWORD 20000
reg_set Window Bounds.right REG_DWORD 0xFFFFDA80  # -9600
reg_set Window Bounds.bottom REG_DWORD 20056
start_calyx; line=$RULER_LINE
check "off-screen bounds come back" "-368,992,32,1048" "$(echo "$line" | field RECT)"
stop_calyx

# Smaller than the smallest ruler (1 x 10): it grows to 32 x 32 from its corner, kept at exit.
reset_settings
reg_set Window Bounds.left REG_DWORD 300
reg_set Window Bounds.top REG_DWORD 200
reg_set Window Bounds.right REG_DWORD 301
reg_set Window Bounds.bottom REG_DWORD 210
start_calyx; line=$RULER_LINE
check "a 1 x 10 ruler grows to 32 x 32" "300,200,332,232" "$(echo "$line" | field RECT)"
stop_calyx
check "and is stored so" "Bounds.right=332 Bounds.bottom=232" \
  "$(reg_dump Window | grep -E '^Bounds.(right|bottom)=' | LC_ALL=C sort -r | paste -sd' ')"

# Hidden at start, vertical, flipped, borderless, topmost, cm, not in the task bar.
reset_settings
reg_set View Visible REG_DWORD 0
reg_set View Vertical REG_DWORD 1
reg_set View VFlipped REG_DWORD 1
reg_set View Borderless REG_DWORD 1
reg_set View Unit REG_DWORD 0x20
reg_set View NotInTaskBar REG_DWORD 1
reg_set Window "On top" REG_DWORD 1
reg_set Window State REG_DWORD 7
reg_set View Scale REG_SZ 150
start_calyx; line=$RULER_LINE
check "hidden" 0 "$(echo "$line" | field VISIBLE)"
check "style" "0x8000F220" "$(echo "$line" | field STYLE)"
check "tool window, topmost" "0x00000088" "$(echo "$line" | field EXSTYLE)"
stop_calyx
window=$(reg_dump Window); view=$(reg_dump View)
check "State 7 is read as 1" "State=1" "$(echo "$window" | grep '^State=')"
check "a string Scale keeps the default" "Scale=100" "$(echo "$view" | grep '^Scale=')"
check "still hidden after exit" "Visible=0" "$(echo "$view" | grep '^Visible=')"
finish
