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

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do
    wine "$CALYX_PROBE" close 3 >/dev/null 2>&1 </dev/null || true
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  E2E_PIDS=()
}
trap e2e_cleanup EXIT

probe() { timeout 30 wine "$CALYX_PROBE" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

# Removes the settings from both roots, so the next start is a first run.
reset_settings() {
  wine reg delete "$CALYX_KEY" /f >/dev/null 2>&1 </dev/null || true
  wine reg delete "$CALYX_USER_KEY" /f >/dev/null 2>&1 </dev/null || true
}

# reg_set SECTION NAME TYPE DATA
reg_set() { wine reg add "$CALYX_KEY\\$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 </dev/null; }

# Prints "NAME=VALUE" lines of a section (numbers in decimal, strings as they are).
reg_dump() {
  wine reg query "$CALYX_KEY\\$1" </dev/null 2>/dev/null | tr -d '\r' | python3 -c '
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

# Starts calyx.exe and waits for its window (it may be hidden); prints the probe's line.
start_calyx() {
  wine "$CALYX_EXE" >/dev/null 2>&1 </dev/null &
  E2E_PIDS+=($!)
  probe wait 20
}

# Closes the ruler with its Close command and waits for the process to end.
stop_calyx() {
  probe close 15 >/dev/null || true
  local pid
  for pid in "${E2E_PIDS[@]}"; do
    for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  E2E_PIDS=()
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
