#!/usr/bin/env bash
# A ruler that is hidden and has no task bar button is reached only through its tray icon.
# When the task bar restarts it forgets every icon and tells all windows it is back
# ("TaskbarCreated"); the ruler must put its icon there again, and a double-click on the
# icon must bring the ruler back. (Wine cannot restart its own task bar within a session,
# so the probe does what a restart does to the shell: forgets the icon, then broadcasts.)
source "$(dirname "$0")/lib.sh"

tray_has() { probe tray-has >/dev/null; }
tray_lacks() { ! probe tray-has >/dev/null; }
visible_is() { [ "$(probe find | field VISIBLE)" == "$1" ]; }

reset_settings
reg_set View Visible REG_DWORD 0
reg_set View NotInTaskBar REG_DWORD 1
start_calyx
check "hidden, no task bar button" "0 0x00000080" "$(echo "$RULER_LINE" | field VISIBLE) $(echo "$RULER_LINE" | field EXSTYLE)"
check "the icon is in the tray" 0 "$(wait_until 5 tray_has; echo $?)"

probe tray-forget >/dev/null
check "a restarted task bar has forgotten it" 0 "$(tray_lacks; echo $?)"
probe taskbar-created >/dev/null
check "the icon comes back when the task bar announces itself" 0 "$(wait_until 10 tray_has; echo $?)"

POINT=$(wait_until 5 tray_icon_point >/dev/null; tray_icon_point)
check "the icon is drawn in the tray" 1 "$([ -n "$POINT" ] && echo 1 || echo 0)"
read -r IX IY <<<"$POINT"
xdotool mousemove "$IX" "$IY" click --repeat 2 --delay 50 1
check "a double-click on it shows the ruler" 0 "$(wait_until 5 visible_is 1; echo $?)"
stop_calyx
finish
