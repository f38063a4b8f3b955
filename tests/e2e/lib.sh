# Shared by the end-to-end sessions: start the real calyx.exe under Wine (the environment
# comes from scripts/test: DISPLAY, WINEPREFIX, a running wineserver), look at it with the
# probe, read the registry, and always stop what was started. Every wait is bounded.
set -uo pipefail

CALYX_EXE=${1:?calyx.exe path}
CALYX_PROBE=${2:?calyx_probe.exe path}
CALYX_KEY='HKLM\Software\Orrin\Calyx'
CALYX_USER_KEY='HKCU\Software\Orrin\Calyx'
E2E_PIDS=()
E2E_FAILS=0
E2E_PASSES=0

E2E_WORK=$(mktemp -d)

e2e_cleanup() {
  # Never leave a key or button held on a display others use.
  xdotool keyup shift keyup ctrl keyup alt mouseup 1 mouseup 3 >/dev/null 2>&1
  local pid
  if [ ${#E2E_PIDS[@]} -gt 0 ]; then
    wine "$CALYX_PROBE" close 3 >/dev/null 2>&1 </dev/null || true
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${E2E_PIDS[@]}"; do
      wait_until 5 not_running "$pid"
      wait "$pid" 2>/dev/null || true
    done
  fi
  E2E_PIDS=()
  rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

probe() { timeout 30 wine "$CALYX_PROBE" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
RULER_LINE=""
RULER_PID=""

# The registry view of the program under test: the x86-64 program keeps its machine-wide
# settings in the 64-bit view; an i686 one would keep them in the 32-bit view.
REG_VIEW=${CALYX_REG_VIEW:-/reg:64}
reg() { timeout 30 wine reg "$@" "$REG_VIEW" </dev/null 2>/dev/null | tr -d '\r'; }

# Removes the settings from both roots, so the next start is a first run; fails when a key
# is still there after 10 s of trying. Once in a full run a key was seen still there right
# after reg's delete (cause not found); a key that needed another
# delete is named on the output, so it shows without failing the session.
key_gone() {
  timeout 30 wine reg delete "$1" /f "$REG_VIEW" >/dev/null 2>&1 </dev/null
  ! timeout 30 wine reg query "$1" "$REG_VIEW" >/dev/null 2>&1 </dev/null
}
reset_settings() {
  local key
  for key in "$CALYX_KEY" "$CALYX_USER_KEY"; do
    key_gone "$key" && continue
    echo "note: $key was still there after a delete; deleting it again"
    wait_until 10 key_gone "$key" && continue
    echo "FAIL: could not remove $key" >&2
    E2E_FAILS=$((E2E_FAILS + 1))
    return 1
  done
}

# reg_set SECTION NAME TYPE DATA: writes a value and reads it back (a number by its value).
reg_set() {
  local want=$4 got
  [ "$3" == REG_DWORD ] && want=$(( $4 >= 2**31 ? $4 - 2**32 : $4 ))
  local rc
  timeout 30 wine reg add "$CALYX_KEY\\$1" /v "$2" /t "$3" /d "$4" /f "$REG_VIEW" >/dev/null 2>"$E2E_WORK/reg-add.err" </dev/null
  rc=$?
  got=$(reg_dump "$1" | grep -F -x -- "$2=$want")
  if [ -z "$got" ] && { [ "$3" == REG_DWORD ] || [ "$3" == REG_SZ ]; }; then
    echo "FAIL: could not write $1\\$2 = $4 (reg add: exit $rc, $(head -c 300 "$E2E_WORK/reg-add.err");" \
      "the section now: $(reg_dump "$1" | paste -sd' ' | head -c 300))" >&2
    E2E_FAILS=$((E2E_FAILS + 1))
    return 1
  fi
}

# Both sizing hot keys stored enabled: Ctrl+Alt+F9 (Get size) and Ctrl+Alt+F10 (Set size).
store_ctrl_alt_f9_f10() {
  reg_set Sizing "HK Get" REG_DWORD 1
  reg_set Sizing "HKV Get" REG_DWORD 0x78   # F9
  reg_set Sizing "HKM Get" REG_DWORD 3      # Ctrl+Alt
  reg_set Sizing "HK Set" REG_DWORD 1
  reg_set Sizing "HKV Set" REG_DWORD 0x79   # F10
  reg_set Sizing "HKM Set" REG_DWORD 3
}

# Prints "NAME=VALUE" lines of a section (numbers in decimal, strings as they are).
reg_dump() {
  reg query "$CALYX_KEY\\$1" | python3 -c '
import sys, re
for line in sys.stdin:
    m = re.match(r"^\s{4}(.+?)\s{4}(REG_\w+)\s{4}(.*)$", line)
    if not m:
        continue
    name, typ, data = m.groups()
    if typ == "REG_DWORD":
        v = int(data, 16)
        if v >= 2**31: v -= 2**32
        data = str(v)
    print(f"{name}={data}")'
}

# How a program is started: plain `wine` unless CALYX_LAUNCH names another launcher (such as
# "wine start /wait /unix", which runs the program as a process of its own, the way the 32-bit
# loader runs an x86-64 program). Nothing here assumes that the process started is the
# program's: the ruler is found by its window, and followed by the process that owns it.
read -r -a E2E_LAUNCH <<<"${CALYX_LAUNCH:-wine}"
launch() { "${E2E_LAUNCH[@]}" "$@" >/dev/null 2>&1 </dev/null & E2E_PIDS+=($!); }

# Starts calyx.exe and waits until a ruler window that was not there before exists and has
# been placed (it may be hidden). Sets RULER_LINE to the probe's report of it (empty when none
# appeared), WID to its X window and RULER_PID to the process that owns that window.
start_calyx() {
  local before
  before=$(probe xwins)
  launch "$CALYX_EXE"
  # shellcheck disable=SC2086  # the X windows of the rulers already running, one argument each
  RULER_LINE=$(probe wait 20 $before)
  WID=$(echo "$RULER_LINE" | field XWIN)
  [ "$WID" == 0 ] && WID=""
  RULER_PID=""
  [ -n "$WID" ] && RULER_PID=$(xdotool getwindowpid "$WID" 2>/dev/null)
  [ -n "$RULER_PID" ] && E2E_PIDS+=("$RULER_PID")
}

# start_calyx, then ends the session when no ruler window appeared.
start_ruler_window() {
  start_calyx
  [ -n "$WID" ] && [ -n "$RULER_PID" ] || { echo "FAIL: no ruler window appeared"; exit 1; }
}

# Closes every ruler with its Close command and waits until their processes have ended, so
# that their settings are written before anything reads or changes the registry.
stop_calyx() {
  probe close 20 >/dev/null || { echo "FAIL: a ruler did not end on Close" >&2; E2E_FAILS=$((E2E_FAILS + 1)); }
  end_processes
}

# Waits (at most 10 s each) until the processes started or followed have ended, then forgets
# them; one that is still there is killed.
end_processes() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do
    wait_until 10 not_running "$pid" || kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
  done
  E2E_PIDS=()
}

not_running() { ! kill -0 "$1" 2>/dev/null; }

# wait_until SECONDS COMMAND...: runs the command until it succeeds, at most SECONDS long.
wait_until() {
  local limit=$1 end
  shift
  end=$(( $(date +%s%N) + limit * 1000000000 ))
  until "$@"; do
    [ "$(date +%s%N)" -lt "$end" ] || return 1
    sleep 0.05
  done
}

# wait_change OLD COMMAND...: runs the command until its output differs from OLD (at most
# 5 s); prints the last output.
wait_change() {
  local old=$1 now end
  shift
  end=$(( $(date +%s%N) + 5000000000 ))
  while now=$("$@"); [ "$now" == "$old" ] && [ "$(date +%s%N)" -lt "$end" ]; do sleep 0.02; done
  echo "$now"
}

# pointer_to X Y: moves the pointer and waits until Windows programs see it there. Wine
# answers GetCursorPos from its own copy for up to 100 ms after the copy last changed, so a
# hot key or Move to Cursor right after a move could otherwise act on the old place.
pointer_to() {
  xdotool mousemove "$1" "$2"
  wait_until 5 output_is "$1 $2" probe cursor ||
    { echo "FAIL: Wine does not see the pointer at $1 $2 ($(probe cursor))"; E2E_FAILS=$((E2E_FAILS + 1)); }
}

# output_is WANT COMMAND...: whether the command prints exactly WANT (for wait_until).
output_is() { local want=$1; shift; [ "$("$@")" == "$want" ]; }

# "x y w h" of a window, from xdotool's geometry report.
geometry() {
  timeout 5 xdotool getwindowgeometry "$1" 2>/dev/null |
    awk '/Position:/ { split($2, p, ","); x = p[1]; y = p[2] }
         /Geometry:/ { split($2, g, "x"); print x, y, g[1], g[2] }'
}
name() { timeout 5 xdotool getwindowname "$1" 2>/dev/null; }

# Screenshots of the whole screen, by name, and what is in them.
shot() { import -window root "$E2E_WORK/$1.png"; }
pixel() { convert "$E2E_WORK/$1.png" -format "%[pixel:p{$2,$3}]" info:; }
# Number of pixels of one exact colour (#RRGGBB) in a region WxH+X+Y of a screenshot.
count_color() {
  convert "$E2E_WORK/$1.png" -crop "$2" +repage -format %c histogram:info:- |
    awk -v c="$3" 'toupper($0) ~ c { n += $1 } END { print n + 0 }'
}
# A checksum of a region's pixels.
region_sum() { convert "$E2E_WORK/$1.png" -crop "$2" +repage -format '%#' info:; }

# Where the ruler's tray icon is: the middle of its yellow in Wine's system tray window.
tray_icon_point() {
  local tray
  tray=$(xdotool search --name '^Wine System Tray$' 2>/dev/null | head -n 1)
  [ -n "$tray" ] || return 1
  local tx ty tw th
  read -r tx ty tw th <<<"$(geometry "$tray")"
  shot tray
  convert "$E2E_WORK/tray.png" -crop "${tw}x${th}+${tx}+${ty}" +repage txt:- |
    awk -v x0="$tx" -v y0="$ty" -F'[,: ]+' '/#FFD600/ { sx += $1; sy += $2; n++ }
      END { if (n) printf "%d %d\n", x0 + sx / n, y0 + sy / n; else exit 1 }'
}

field() { sed -n "s/^\(.* \)\{0,1\}$1=\([^ ]*\).*/\2/p" | head -n 1; }

check() {  # check DESCRIPTION WANT GOT
  if [ "$2" == "$3" ]; then
    E2E_PASSES=$((E2E_PASSES + 1))
  else
    E2E_FAILS=$((E2E_FAILS + 1))
    printf 'FAIL: %s: want [%s] got [%s]\n' "$1" "$2" "$3"
  fi
}

finish() {
  printf '%d passed, %d failed\n' "$E2E_PASSES" "$E2E_FAILS"
  [ "$E2E_FAILS" -eq 0 ]
}

# The sizing tool's target windows, another program's (tests/win/helpers/sizing_target.cpp).
CALYX_TARGET=$(dirname "$CALYX_PROBE")/win_sizing_target.exe
TARGET_PID=""
# "left top right bottom style text" of a top-level window by title, or of its control by id.
target_rect() { timeout 30 wine "$CALYX_TARGET" rect "$@" </dev/null 2>/dev/null | tr -d '\r'; }
TARGET_LAUNCHER=""
start_targets() {
  launch "$CALYX_TARGET" show
  TARGET_LAUNCHER=${E2E_PIDS[-1]}
  wait_until 20 target_rect "Sizing target: borderless" >/dev/null ||
    { echo "FAIL: the target windows did not appear" >&2; E2E_FAILS=$((E2E_FAILS + 1)); }
  local w
  w=$(xdotool search --all --name '^Sizing target: resizable$' 2>/dev/null | head -n 1)
  TARGET_PID=$([ -n "$w" ] && xdotool getwindowpid "$w" 2>/dev/null)
  [ -n "$TARGET_PID" ] && E2E_PIDS+=("$TARGET_PID")
}
stop_targets() {
  local pid kept=()
  for pid in $TARGET_PID $TARGET_LAUNCHER; do
    kill "$pid" 2>/dev/null
    wait_until 10 not_running "$pid"
    wait "$pid" 2>/dev/null
  done
  for pid in "${E2E_PIDS[@]}"; do [ "$pid" == "$TARGET_PID" ] || [ "$pid" == "$TARGET_LAUNCHER" ] || kept+=("$pid"); done
  E2E_PIDS=("${kept[@]}")
}
