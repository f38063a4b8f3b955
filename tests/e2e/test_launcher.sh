#!/usr/bin/env bash
# The sessions follow the ruler, not the process they launched. Started through a launcher
# that runs it as a process of its own (as Debian's 32-bit wine command runs an x86-64
# program), the ruler is still found by its window, the process that owns that window is
# another than the launcher, and Close ends that process.
CALYX_LAUNCH="wine start /wait /unix"
source "$(dirname "$0")/lib.sh"
reset_settings

start_ruler_window
launcher=${E2E_PIDS[0]}
check "the ruler runs in a process other than the launcher" 1 "$([ "$RULER_PID" != "$launcher" ] && echo 1 || echo 0)"
check "that process owns the ruler's window" "$WID" \
  "$(xdotool search --all --pid "$RULER_PID" --name '^Calyx' 2>/dev/null | grep -x "$WID")"
owner=$RULER_PID
stop_calyx
check "Close ends the ruler's process" 0 "$(not_running "$owner"; echo $?)"
check "and the launcher" 0 "$(not_running "$launcher"; echo $?)"
finish
