#!/usr/bin/env bash
# A first run: defaults, the default rectangle, the style, and the whole record at exit.
source "$(dirname "$0")/lib.sh"
reset_settings

start_calyx; line=$RULER_LINE
check "ruler window appears" 1 "$([ -n "$line" ] && echo 1 || echo 0)"
metrics=$(probe metrics)
W=$(echo "$metrics" | sed -n 's/.*SCREEN=\([0-9]*\),.*/\1/p')
H=$(echo "$metrics" | sed -n 's/.*SCREEN=[0-9]*,\([0-9]*\).*/\1/p')
left=$(( (W + 2) / 4 )); top=$(( (H + 4) / 8 )); width=$(( (W + 1) / 2 ))
check "style" "0x8004C101" "$(echo "$line" | field STYLE)"
check "extended style" "0x00000000" "$(echo "$line" | field EXSTYLE)"
check "visible" 1 "$(echo "$line" | field VISIBLE)"
check "not topmost" 0 "$(echo "$line" | field TOPMOST)"
check "default rectangle" "$left,$top,$((left + width)),$((top + 56))" "$(echo "$line" | field RECT)"
title=$(echo "$line" | sed -n 's/^TITLE=//p')
check "caption starts with the name" "Calyx" "${title:0:5}"

stop_calyx
view=$(reg_dump View); sizing=$(reg_dump Sizing); window=$(reg_dump Window); cv=$(reg_dump CurrentVersion)
check "30 View and Sizing values" 30 "$(( $(echo "$view" | grep -c =) + $(echo "$sizing" | grep -c =) ))"
for kv in Visible=1 Vertical=0 HFlipped=0 VFlipped=0 Borderless=0 NotInTaskBar=0 Guide=1 Unit=1 Base=2 Scale=100 \
          ScalePreview=0 Zoom=1 ZoomFactor=400 ZoomPreview=0 ColBk=65535 ColFg=0 Caption=193 Color=4; do
  check "View\\${kv%%=*}" "$kv" "$(echo "$view" | grep "^${kv%%=*}=")"
done
for kv in "Width=640" "Height=480" "Do Width=1" "Do Height=0" "Do Frame=0" "HK Mode=0" "HK Get=0" "HKV Get=0" \
          "HKM Get=0" "HK Set=0" "HKV Set=0" "HKM Set=0"; do
  check "Sizing\\${kv%%=*}" "$kv" "$(echo "$sizing" | grep "^${kv%%=*}=")"
done
for kv in "On top=0" "Bounds.left=$left" "Bounds.top=$top" "Bounds.right=$((left + width))" \
          "Bounds.bottom=$((top + 56))" "State=1"; do
  check "Window\\${kv%%=*}" "$kv" "$(echo "$window" | grep "^${kv%%=*}=")"
done
check "CurrentVersion\\Version" "Version=65536" "$(echo "$cv" | grep '^Version=')"
check "CurrentVersion\\Path names calyx.exe" 1 "$(echo "$cv" | grep -ci '^Path=.*calyx.exe$')"
finish
