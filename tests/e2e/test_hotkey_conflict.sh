#!/usr/bin/env bash
# Hot keys another program holds. A ruler registers each stored hot key on its own: one that
# is taken is reported and shown disabled, the other still works, and the stored choice is
# kept for the next start. A cancelled end of the session leaves the keys alive. Two
# instances with the same keys: the second reports the refusal once and keeps running.
source "$(dirname "$0")/lib.sh"
held() { ! probe hotkey-free 3 "$1" >/dev/null; }
no_msgbox() { ! probe msgbox 0 >/dev/null; }

# The first ruler holds Get size's key (Ctrl+Alt+F9) only; the second wants both.
reset_settings
store_ctrl_alt_f9_f10
reg_set Sizing "HK Set" REG_DWORD 0
start_calyx
check "first instance shows no message" 1 "$(probe msgbox 2 >/dev/null && echo 0 || echo 1)"
reg_set Sizing "HK Set" REG_DWORD 1
wine "$CALYX_EXE" >/dev/null 2>&1 </dev/null &
E2E_PIDS+=($!)
text=$(probe msgbox 20)
check "the refusal of Get size's key names code 1409" "Error #1409: " "${text:0:13}"
probe msgbox-ok >/dev/null
check "the message closes on OK" 0 "$(wait_until 10 no_msgbox; echo $?)"
check "no second message: Set size's key was free" 1 "$(probe msgbox 2 >/dev/null && echo 0 || echo 1)"
check "Set size's key is registered all the same" 0 "$(held 0x79; echo $?)"
probe endsession-cancelled >/dev/null
check "after a cancelled end of the session Get size's key is still held" 0 "$(held 0x78; echo $?)"
check "and so is Set size's" 0 "$(held 0x79; echo $?)"
stop_calyx
check "the refused key stays enabled in the settings" "HK Get=1" "$(reg_dump Sizing | grep -E '^HK Get=')"

# Both keys held by the first instance: the second reports the one reason once.
start_calyx
wine "$CALYX_EXE" >/dev/null 2>&1 </dev/null &
E2E_PIDS+=($!)
text=$(probe msgbox 20)
check "the error names code 1409" "Error #1409: " "${text:0:13}"
probe msgbox-ok >/dev/null
check "the message closes on OK" 0 "$(wait_until 10 no_msgbox; echo $?)"
check "one message for the two refusals" 1 "$(probe msgbox 2 >/dev/null && echo 0 || echo 1)"
check "both rulers run" 2 "$(probe count)"
stop_calyx
finish
