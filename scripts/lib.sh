# Shared by scripts/run, scripts/test and scripts/wine-run: package installation, the X
# server, the Wine prefix, and stopping what we started. Source it; do not run it.

CALYX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
CALYX_PACKAGES=(cmake ninja-build clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64 mingw-w64-tools
  wine wine64 fonts-wine xvfb xdotool x11-utils x11-xkb-utils xclip imagemagick python3 procps
  chromium)
CALYX_PIDS=()

say() { printf '== %s\n' "$*" >&2; }

# Installs the Debian packages that are missing (apt-get update only when needed).
calyx_install_packages() {
  local missing=()
  for p in "${CALYX_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq </dev/null
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
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 </dev/null &
    CALYX_PIDS+=($!)
    for _ in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    xdpyinfo >/dev/null 2>&1 || { say "Xvfb did not start on :$n"; return 1; }
  fi
  # Ctrl+Alt+F1..F12 must reach the programs, not switch virtual consoles.
  setxkbmap -option srvrkeys:none >/dev/null 2>&1 || true
}

# A display number with no X server on it.
calyx_free_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { echo "$n"; return; }
  done
  echo 141
}

# Makes (once) and exports the Wine prefix $1 (default build/wineprefix).
calyx_prefix() {
  export WINEPREFIX=${1:-$CALYX_ROOT/build/wineprefix}
  local stamp=$WINEPREFIX/.calyx-ready
  [ -f "$stamp" ] && return 0
  say "making the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
  # Debian's Wine does not find its own fonts unless they are in the prefix.
  cp -f /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # Without a window manager, unmanaged windows keep hides and destroys from blocking.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
  wineserver -w
  touch "$stamp"
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
