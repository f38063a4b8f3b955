#!/usr/bin/env bash
# Two instances with the same hot keys: the second shows the system error once and keeps
# running without them; the first keeps both.
source "$(dirname "$0")/lib.sh"
reset_settings
store_ctrl_alt_f9_f10

start_calyx
check "first instance shows no message" 1 "$(probe msgbox 2 >/dev/null && echo 0 || echo 1)"
launch "$CALYX_EXE"
text=$(probe msgbox 20)
check "the error names code 1409" "Error #1409: " "${text:0:13}"
probe msgbox-ok >/dev/null
no_msgbox() { ! probe msgbox 0 >/dev/null; }
check "the message closes on OK" 0 "$(wait_until 10 no_msgbox; echo $?)"
check "no second message (hot key 2 not tried)" 1 "$(probe msgbox 2 >/dev/null && echo 0 || echo 1)"
check "both rulers run" 2 "$(probe count)"
stop_calyx
finish
