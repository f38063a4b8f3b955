#!/usr/bin/env python3
"""Fails when our i686 code computes with the x87 unit.

MinGW's start-up code leaves the x87 unit at extended precision, so arithmetic done there
rounds differently from the SSE2 arithmetic of the x86-64 build (HLS lightness 127 instead of
128 for pure red). The i686 toolchain asks for SSE2 arithmetic; this check reads the
disassembly of our own libraries and names every function that still adds, subtracts,
multiplies, divides or takes roots on the x87 stack. Loads and stores (doubles are returned in
st(0) by the 32-bit calling convention) and integer conversions are exact and allowed.

  check_x87_arithmetic.py OBJDUMP LIBRARY...
"""
import re
import subprocess
import sys

# x87 instructions that round their result; AT&T suffixes (s, l, t, p, ...) are stripped.
ROUNDING = re.compile(r"^fi?(add|sub|subr|mul|div|divr)[pslt]*$|^f(sqrt|prem1?|rndint|scale|sin|cos|sincos|"
                      r"ptan|patan|2xm1|yl2x|yl2xp1)$")


def main():
    if len(sys.argv) < 3:
        print(__doc__.strip().splitlines()[-1].strip(), file=sys.stderr)
        return 2
    objdump, libraries = sys.argv[1], sys.argv[2:]
    found = {}
    for library in libraries:
        out = subprocess.run([objdump, "-d", "--no-show-raw-insn", "-C", library], check=True,
                             capture_output=True, text=True).stdout
        function = "?"
        for line in out.splitlines():
            m = re.match(r"^[0-9a-f]+ <(.*)>:$", line)
            if m:
                function = m.group(1)
                continue
            parts = line.split("\t")
            if len(parts) < 2:
                continue
            mnemonic = parts[1].split(" ")[0].strip()
            if ROUNDING.match(mnemonic):
                found.setdefault(function, set()).add(mnemonic)
    for function, mnemonics in sorted(found.items()):
        print(f"x87 arithmetic in {function}: {', '.join(sorted(mnemonics))}")
    if found:
        print(f"{len(found)} function(s) compute on the x87 unit: build with -msse2 -mfpmath=sse")
        return 1
    print(f"no x87 arithmetic in {len(libraries)} librar{'y' if len(libraries) == 1 else 'ies'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
