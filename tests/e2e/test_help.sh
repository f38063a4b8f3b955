#!/usr/bin/env bash
# Help as the user reaches it, with the real program: F1 on the ruler and F1 in its dialogs
# open the manual in the browser registered for web addresses, at the section that fits; the
# manual is the one the repository has, written out next to the other per-user data; with no
# browser to start, a message says where the file is. The "browser" is the probe, registered
# for http addresses for this session only; Wine's own launcher is given no browser to find.
source "$(dirname "$0")/lib.sh"

MANUAL=$(cd "$(dirname "$0")/../../docs" && pwd)/manual.html
URLS=$E2E_WORK/urls.txt
HTTP_KEY='HKCU\Software\Classes\http'
WINEBROWSER_KEY='HKCU\Software\Wine\WineBrowser'

cleanup() {
  e2e_cleanup
  timeout 30 wine reg delete "$HTTP_KEY" /f "$REG_VIEW" </dev/null >/dev/null 2>&1
  timeout 30 wine reg delete "$WINEBROWSER_KEY" /f "$REG_VIEW" </dev/null >/dev/null 2>&1
}
trap cleanup EXIT

set_browser() {
  timeout 30 wine reg add "$HTTP_KEY\\shell\\open\\command" /ve /d "$1" /f "$REG_VIEW" </dev/null >/dev/null 2>&1
}
lines() { [ -f "$URLS" ] && wc -l <"$URLS" | tr -d ' ' || echo 0; }
has_lines() { [ "$(lines)" -ge "$1" ]; }
dialog() { xdotool search --all --onlyvisible --pid "$RULER_PID" --name "^$1\$" 2>/dev/null | head -n 1; }
dialog_shown() { [ -n "$(dialog "$1")" ]; }
dialog_gone() { [ -z "$(dialog "$1")" ]; }
foreground_is() { [[ "$(probe foreground)" == $1 ]]; }
# The browser takes the keyboard, as a real one would: the user clicks the window to go on
# (on the title bar of a dialog, on the ruler's caption strip past its icon box).
activate() { # WINDOW TITLE-PATTERN
  local x y w h
  read -r x y w h <<<"$(geometry "$1")"
  xdotool mousemove $((x + w / 2)) $((y + 6)) click 1
  wait_until 5 foreground_is "$2" || echo "FAIL: could not activate $2 (clicked at $((x + w / 2)),$((y + 6)) of $x $y $w $h; foreground: '$(probe foreground)')"
  sleep 0.6  # the next click must not make a double-click with this one
}

WIN_URLS=$(winepath -w "$URLS" 2>/dev/null)
WIN_PROBE=$(winepath -w "$CALYX_PROBE" 2>/dev/null)
set_browser "\"$WIN_PROBE\" browser \"$WIN_URLS\" \"%1\""
timeout 30 wine reg add "$WINEBROWSER_KEY" /v Browsers /d calyx-no-browser /f "$REG_VIEW" </dev/null >/dev/null 2>&1

reset_settings
start_ruler_window

# F1 on the ruler: the manual at its start.
xdotool windowfocus --sync "$WID"
xdotool key F1
wait_until 10 has_lines 1
URL=$(sed -n 1p "$URLS" | tr -d '\r')
echo "F1: $URL"
check "F1 opens the manual at its start" 1 "$([[ "$URL" =~ ^file:///[A-Za-z]:/.*/Orrin/Calyx/Calyx\.html$ ]] && echo 1 || echo "0 ($URL)")"
FILE=$(winepath -u "$(sed -e 's|^file:///||' -e 's|#.*||' -e 's|%20| |g' <<<"$URL")" 2>/dev/null)
check "the written manual is docs/manual.html" 1 "$(cmp -s "$FILE" "$MANUAL" && echo 1 || echo "0 ($FILE)")"

# F1 in the dialogs: their sections.
n=1
for d in "ctrl+s:Ruler Custom Scale:custom-scale" "l:Colors:window-colors"; do
  IFS=: read -r key caption section <<<"$d"
  activate "$WID" 'Calyx*'
  xdotool key "$key"
  if wait_until 10 dialog_shown "$caption"; then
    xdotool windowfocus --sync "$(dialog "$caption")"
    xdotool key F1
    n=$((n + 1))
    wait_until 10 has_lines "$n"
    check "F1 in $caption opens #$section" "#$section" "$(sed -n "${n}p" "$URLS" | tr -d '\r' | sed -n 's/.*\(#.*\)/\1/p')"
    activate "$(dialog "$caption")" "$caption"
    xdotool key Escape
    wait_until 10 dialog_gone "$caption" || echo "FAIL: $caption did not close on Escape"
  else
    check "$caption opens" 1 0
  fi
done

# No browser at all: the launcher registered for web addresses fails at once, and Wine's own
# launcher for the file finds none either. The message names the file.
set_browser "\"$WIN_PROBE\" no-browser \"%1\""
activate "$WID" 'Calyx*'
xdotool key F1
BOX=$(probe msgbox 15)
echo "message: $BOX"
check "no browser: the message says so" 1 "$(grep -q 'could not start a web browser' <<<"$BOX" && echo 1 || echo 0)"
check "no browser: the message names the file" 1 "$(grep -qi 'Orrin\\Calyx\\Calyx.html' <<<"$BOX" && echo 1 || echo 0)"
probe msgbox-ok >/dev/null
check "nothing more was opened" "$n" "$(lines)"

stop_calyx
finish
