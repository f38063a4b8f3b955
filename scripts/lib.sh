# Shared by scripts/run, scripts/test and scripts/wine-run: package installation, the X
# server, the Wine prefix, and stopping what we started. Source it; do not run it.

CALYX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
CALYX_PACKAGES=(cmake ninja-build clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64 mingw-w64-tools
  wine wine64 fonts-wine xvfb xdotool x11-utils x11-xkb-utils xclip imagemagick python3 procps
  chromium xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils)
# 32-bit Wine, for the i686 program; installed only where the kernel runs 32-bit programs.
CALYX_PACKAGES_I386=(wine32:i386)
CALYX_PIDS=()

say() { printf '== %s\n' "$*" >&2; }

# A stage's result: said, and kept in $CALYX_RESULTS (a file) when that is set, for the
# summary at the end of scripts/test.
calyx_result() {
  say "result: $*"
  [ -n "${CALYX_RESULTS:-}" ] && printf '%s\n' "$*" >>"$CALYX_RESULTS"
  return 0
}

# What ctest's last summary line in LOG says: "passed, 32 of 32" or "FAILED: 2 of 32 failed".
calyx_ctest_outcome() {
  awk '/tests passed, [0-9]+ tests? failed out of [0-9]+/ { failed = $4; total = $NF; seen = 1 }
       END { if (!seen) print "FAILED: ctest reported no result";
             else if (failed == 0) printf "passed, %d of %d\n", total, total;
             else printf "FAILED: %d of %d failed\n", failed, total }' "$1"
}

# The test cases that skipped, from the XML files Google Test wrote into DIR: "N test cases
# skipped (REASON)", or nothing when none did.
calyx_gtest_skips() {
  cat "$1"/*.xml 2>/dev/null | python3 -c '
import html, re, sys
reasons = [html.unescape(r) for r in re.findall(r"<skipped message=\"([^\"]*)\"", sys.stdin.read())]
if reasons:
    first = re.sub(r"^.*?\n", "", reasons[0]).strip() or reasons[0]
    plural = "s" if len(reasons) > 1 else ""
    print(f"{len(reasons)} test case{plural} skipped ({first})")'
}

# Whether this kernel runs 32-bit x86 programs: a 93-byte i386 program that only exits with
# 0. Some kernels are built without 32-bit support; there 32-bit Wine cannot start, and with
# it installed Debian's `wine` command tries it first and fails for every program.
calyx_kernel_runs_i386() {
  local probe rc
  mkdir -p "$CALYX_ROOT/build"
  probe=$(mktemp "$CALYX_ROOT/build/.i386-probe.XXXXXX") || return 1
  printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00'\
'\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00'\
'\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00'\
'\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null
  rc=$?
  rm -f "$probe"
  return $rc
}

# Whether 32-bit Wine is installed (the i686 program's tests run only then).
calyx_has_wine32() {
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'
}

# Installs the Debian packages that are missing (apt-get update only when needed). The i686
# program runs under 32-bit Wine, which Debian installs beside the 64-bit one from the i386
# architecture.
calyx_install_packages() {
  local missing=() wanted=("${CALYX_PACKAGES[@]}") sudo="" p
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  if calyx_kernel_runs_i386; then
    wanted+=("${CALYX_PACKAGES_I386[@]}")
  elif calyx_has_wine32; then
    say "32-bit Wine is installed, but this kernel cannot run 32-bit programs: every wine command"
    say "fails until it is removed (apt-get remove wine32:i386)"
    return 1
  fi
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    say "adding the i386 architecture (32-bit Wine)"
    $sudo dpkg --add-architecture i386 || return 1
  fi
  say "installing: ${missing[*]}"
  $sudo apt-get update -qq </dev/null || return 1
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null >/dev/null
}

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Starts Xvfb on display :$1 unless one answers there already; exports DISPLAY.
calyx_start_x() {
  local n=$1
  export DISPLAY=":$n"
  if ! xdpyinfo >/dev/null 2>&1; then
    calyx_try_x "$n" || { say "Xvfb did not start on :$n"; return 1; }
  fi
  calyx_x_options
}

# Starts an X server of this run's own on a display nobody uses and exports DISPLAY. Two runs
# that start together may pick the same free number: only the one whose Xvfb holds the display
# keeps it, the other moves on to the next number.
calyx_start_own_x() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    if calyx_try_x "$n"; then
      export DISPLAY=":$n"
      calyx_x_options
      return 0
    fi
  done
  say "no free display for Xvfb between :90 and :140"
  return 1
}

# Starts Xvfb on :$1 and waits until it answers; fails when it exits or another server holds
# the display (the lock file names the server's process).
calyx_try_x() {
  local pid
  Xvfb ":$1" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 </dev/null &
  pid=$!
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; return 1; }
    if DISPLAY=":$1" xdpyinfo >/dev/null 2>&1; then
      [ "$(tr -d ' ' <"/tmp/.X$1-lock" 2>/dev/null)" == "$pid" ] && { CALYX_PIDS+=("$pid"); return 0; }
      break
    fi
    sleep 0.1
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  return 1
}

# Starts Xorg with the dummy video driver and two monitors on a display nobody uses (from
# :$CALYX_XORG_DISPLAY, else from :141) and exports DISPLAY. Xvfb shows Wine one monitor
# only; this server shows it a 1280 x 1024 primary monitor and a 1600 x 900 one left of it,
# which Wine places at -1600, 0 (the space under the lower monitor is on neither). Its
# configuration and log go to the directory $1. Fails when no server answers within 10 s on
# any of five displays.
calyx_start_own_xorg() {
  local dir=$1 n pid first=${CALYX_XORG_DISPLAY:-141}
  local xorg=/usr/lib/xorg/Xorg
  [ -x "$xorg" ] || { say "Xorg is not installed ($xorg): xserver-xorg-core is missing"; return 1; }
  mkdir -p "$dir"
  calyx_xorg_two_monitors >"$dir/xorg.conf"
  for n in $(seq "$first" $((first + 4))); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    # No virtual terminal of its own: it runs beside whatever console there is, or none.
    "$xorg" ":$n" -noreset -nolisten tcp -keeptty -sharevts -novtswitch -config "$dir/xorg.conf" \
      -logfile "$dir/xorg.log" >"$dir/xorg.out" 2>&1 </dev/null &
    pid=$!
    for _ in $(seq 1 100); do
      kill -0 "$pid" 2>/dev/null || break
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        if [ "$(tr -d ' ' <"/tmp/.X$n-lock" 2>/dev/null)" == "$pid" ]; then
          CALYX_PIDS+=("$pid")
          export DISPLAY=":$n"
          calyx_x_options
          return 0
        fi
        break
      fi
      sleep 0.1
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    say "Xorg did not start on :$n: $(sed -n '/Fatal server error/{n;p;q}' "$dir/xorg.out" 2>/dev/null)"
  done
  return 1
}

# The two-monitor layout for calyx_start_own_xorg. In X the lower monitor is at 0, 0 and the
# primary one right of it; Wine keeps the primary monitor at 0, 0.
calyx_xorg_two_monitors() {
  cat <<'CONF'
Section "ServerFlags"
  Option "DontVTSwitch" "true"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 256000
  Option "Monitor-DUMMY0" "main"
  Option "Monitor-DUMMY1" "left"
EndSection
Section "Monitor"
  Identifier "main"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
  Modeline "1280x1024" 108.00 1280 1328 1440 1688 1024 1025 1028 1066 +hsync +vsync
  Option "PreferredMode" "1280x1024"
  Option "Position" "1600 0"
  Option "Primary" "true"
EndSection
Section "Monitor"
  Identifier "left"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
  Modeline "1600x900" 108.00 1600 1624 1704 1800 900 901 904 1000 +hsync +vsync
  Option "PreferredMode" "1600x900"
  Option "Position" "0 0"
  Option "Enable" "true"
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "main"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 2880 1024
  EndSubSection
EndSection
CONF
}

# Ctrl+Alt+F1..F12 must reach the programs, not switch virtual consoles.
calyx_x_options() { setxkbmap -option srvrkeys:none >/dev/null 2>&1 || true; }

# What a Wine prefix is made for: the Wine version and whether 32-bit Wine was there. A prefix
# made without 32-bit Wine cannot start 32-bit programs ("could not load kernel32.dll").
calyx_prefix_kind() {
  local bits=64
  calyx_has_wine32 && bits=64+32
  printf 'wine %s, %s-bit\n' "$(dpkg-query -W -f='${Version}' wine 2>/dev/null)" "$bits"
}

# Makes and exports the Wine prefix $1 (default build/wineprefix); it is made again when its
# stamp names another Wine than the one installed.
calyx_prefix() {
  export WINEPREFIX=${1:-$CALYX_ROOT/build/wineprefix}
  local stamp=$WINEPREFIX/.calyx-ready kind
  kind=$(calyx_prefix_kind)
  [ -f "$stamp" ] && [ "$(cat "$stamp")" == "$kind" ] && return 0
  say "making the Wine prefix $WINEPREFIX ($kind)"
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
  # Debian's Wine does not find its own fonts unless they are in the prefix.
  cp -f /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # Without a window manager, unmanaged windows keep hides and destroys from blocking.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
  wineserver -w
  echo "$kind" >"$stamp"
}

# Keeps one wineserver for the whole run and one idle Windows program alive, so that each
# program starts fast and the clipboard outlives the program that filled it.
# The Wine session's own processes (services, the desktop) live as long as the wineserver and
# inherit the output of the program that started them: they are started here, by the idle
# keeper program, with none, so that a pipe reading a program's output ends when the program
# does. The keeper's process id is kept in the prefix; a keeper of another session (an older
# prefix of the same name, say) does not count.
calyx_start_wineserver() {
  wineserver -p >/dev/null 2>&1 </dev/null || true
  local keeper=${1:-$CALYX_ROOT/build/win64/tests/win_keepalive.exe}
  local mark=$WINEPREFIX/.calyx-session pid
  if [ ! -f "$keeper" ]; then
    timeout 60 wine cmd /c exit >/dev/null 2>&1 </dev/null || true
    return 0
  fi
  pid=$(cat "$mark" 2>/dev/null || true)
  [ -n "$pid" ] && [ -f "$mark.ready" ] && kill -0 "$pid" 2>/dev/null && return 0
  rm -f "$mark.ready"
  setsid wine "$keeper" "Z:$(tr / '\\' <<<"$mark.ready")" >/dev/null 2>&1 </dev/null &
  echo $! >"$mark"
  CALYX_PIDS+=($!)
  local i
  for i in $(seq 1 600); do [ -f "$mark.ready" ] && return 0; sleep 0.1; done
  say "the Wine session did not start in 60 s"
  return 1
}

# Stops what this script started: Wine programs, the wineserver, the X server.
calyx_stop_all() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
    rm -f "$WINEPREFIX/.calyx-session" "$WINEPREFIX/.calyx-session.ready"
  fi
  local pid
  for pid in "${CALYX_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${CALYX_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  CALYX_PIDS=()
}
