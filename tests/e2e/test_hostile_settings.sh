#!/usr/bin/env bash
# The real program against random hostile registries (tests/e2e/hostile_registry.py): it
# starts, its ruler lies reachable on the work area (at least 32 pixels each way), it ends
# on Close, and every value is written back valid. A fixed seed in the suite; a long run of
# 200 starts (seeds 1 to 200) goes in runs of 20, each within the test's time limit:
#   for k in $(seq 0 9); do HOSTILE_STARTS=20 HOSTILE_SEED=$((20 * k)) \
#     scripts/test-wine --only win64 -- -R e2e_test_hostile -V || break; done
source "$(dirname "$0")/lib.sh"
HOSTILE=$(dirname "$0")/hostile_registry.py
STARTS=${HOSTILE_STARTS:-6}
SEED=${HOSTILE_SEED:-20261208}

# Overlap of the probe's RECT with the 1280 x 1024 work area, "dx dy".
overlap() {
  IFS=, read -r l t r b <<<"$1"
  echo "$(( (r < 1280 ? r : 1280) - (l > 0 ? l : 0) )) $(( (b < 1024 ? b : 1024) - (t > 0 ? t : 0) ))"
}

for i in $(seq 1 "$STARTS"); do
  seed=$((SEED + i))
  reset_settings
  python3 "$HOSTILE" make "$seed" "$E2E_WORK/hostile.reg"
  timeout 30 wine reg import "Z:$(tr / '\\' <<<"$E2E_WORK/hostile.reg")" "$REG_VIEW" >/dev/null 2>&1 </dev/null
  start_calyx
  # Stored hot keys the system refuses are reported in a message box: the user answers it.
  for _ in 1 2 3; do probe msgbox 0.5 >/dev/null || break; probe msgbox-ok >/dev/null; done
  check "seed $seed: the ruler appears" 1 "$([ -n "$RULER_LINE" ] && echo 1 || echo 0)"
  read -r dx dy <<<"$(overlap "$(echo "$RULER_LINE" | field RECT)")"
  check "seed $seed: reachable on the work area" 1 "$([ "${dx:-0}" -ge 32 ] && [ "${dy:-0}" -ge 32 ] && echo 1 || echo "0 ($dx x $dy)")"
  stop_calyx
  : >"$E2E_WORK/after.txt"
  for section in View Sizing Window CurrentVersion; do
    out=$(timeout 30 wine reg query "$CALYX_KEY\\$section" "$REG_VIEW" </dev/null 2>"$E2E_WORK/reg.err" | tr -d '\r')
    # A query that does not even name its key is a fault of the query, not of the program:
    # say so, with what reg said and what a second query finds (the check below still fails).
    grep -q "Calyx.$section\$" <<<"$out" ||
      echo "seed $seed: reg query of $section printed no key (stderr: $(head -c 300 "$E2E_WORK/reg.err"));" \
        "a second query: $(reg query "$CALYX_KEY\\$section" | head -n 3 | paste -sd' ')"
    echo "$out" >>"$E2E_WORK/after.txt"
  done
  faults=$(python3 "$HOSTILE" check "$E2E_WORK/after.txt")
  check "seed $seed: every value written back valid" "" "$faults"
done
finish
