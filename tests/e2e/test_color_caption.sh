#!/usr/bin/env bash
# The colour under the pointer as the caption line reports it, in HLS and HSV, over the
# ruler's own scale painted in a chosen colour: the values both the x86-64 and the i686
# program must show (pure red is 0, 128, 255 in HLS, not 0, 127, 255).
source "$(dirname "$0")/lib.sh"

# caption_over_scale COLORREF NOTATION WANT: starts a ruler whose scale has that colour and
# whose caption shows the colour item alone in that notation (1 HLS, 2 HSV), puts the pointer
# on the scale, and prints the caption once it reads WANT (or what it reads after 5 s).
caption_over_scale() {
  reset_settings
  reg_set View ColBk REG_DWORD "$1"
  reg_set View Caption REG_DWORD 8
  reg_set View Color REG_DWORD "$2"
  # No guide line: it would invert the pixel under the pointer.
  reg_set View Guide REG_DWORD 0
  xdotool mousemove 640 960
  start_calyx
  local wid=$WID x y w h
  if [ -z "$wid" ]; then
    echo "no ruler window"
  else
    read -r x y w h <<<"$(geometry "$wid")"
    xdotool mousemove $((x + 40)) $((y + h - 18))
    wait_until 5 output_is "$3" name "$wid"
    name "$wid"
  fi
  stop_calyx
}

# Colour (COLORREF, 0x00BBGGRR), notation, what the colour item must read.
cases=(
  "0x000000FF 1 0, 128, 255 hls"
  "0x000000FF 2 0, 255, 255 hsv"
  "0x00996633 1 149, 102, 127 hls"
  "0x00996633 2 149, 170, 153 hsv"
)
for c in "${cases[@]}"; do
  read -r colorref notation want <<<"$c"
  check "caption colour of $colorref (notation $notation)" "Calyx [C: $want]" \
    "$(caption_over_scale "$colorref" "$notation" "Calyx [C: $want]")"
done
finish
