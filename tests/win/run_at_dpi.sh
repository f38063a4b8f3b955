#!/usr/bin/env bash
# Runs one Windows test program at another system scale: the display density (LogPixels) of
# the current user is set before the program starts (Wine reads it when a process starts) and
# put back afterwards, whatever happens.
#   run_at_dpi.sh 144 win_test_dialog_layout_win.exe [arguments]
set -uo pipefail
dpi=${1:?pixels per inch}
shift
key='HKCU\Control Panel\Desktop'
old=$(wine reg query "$key" /v LogPixels </dev/null 2>/dev/null | tr -d '\r' | awk '$1 == "LogPixels" { print $3 }')
restore() {
  if [ -n "$old" ]; then
    wine reg add "$key" /v LogPixels /t REG_DWORD /d $((old)) /f
  else
    wine reg delete "$key" /v LogPixels /f
  fi </dev/null >/dev/null 2>&1
}
trap restore EXIT
wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1 || { echo "could not set LogPixels"; exit 1; }
CALYX_EXPECT_DPI=$dpi wine "$@"
