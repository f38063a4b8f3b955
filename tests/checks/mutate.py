#!/usr/bin/env python3
"""Mutation run of the native unit tests over the platform-free core.

Applies one single-point change at a time to a core source (a comparison turned strict or
loose, == and != swapped, + and - swapped, && and || swapped, true and false flipped, an
integer constant moved by one, a ! deleted), rebuilds the unit tests incrementally in a
build folder of its own (no sanitizers, so a mutant costs one compile and one link), runs
them under a timeout and reports each mutant as killed, survived or build-failed (a change
that does not compile; a change that only warns is built and tested), with the
score killed / (killed + survived). The sample is drawn with a fixed seed, so the same
arguments give the same mutants; survivors are listed file:line with the change, for a
reader to judge which of them no test could tell apart.

It is slow (seconds per mutant) and is run by hand, not by scripts/test:

    python3 tests/checks/mutate.py --count 100 --seed 16
    python3 tests/checks/mutate.py --files 'src/tools/*.cpp' --count 30
    python3 tests/checks/mutate.py --list --files src/platform/placement.cpp

The core is every source under src/ whose name does not end in _win.cpp/_win.h, outside
src/win/, except main.cpp; a header takes part when it holds statements (inline rules).
The sources are restored after every mutant and on exit, whatever happens.
"""
import argparse
import atexit
import fnmatch
import os
import pathlib
import random
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]

# Pairs that swap into each other; comparisons and arithmetic only where they stand between
# spaces (the sources' style for binary operators), so template brackets, ->, ++, << and
# unary minus are left alone.
SWAPS = [
    (re.compile(r"(?<= )<(?= )"), "<", "<="),
    (re.compile(r"(?<= )<=(?= )"), "<=", "<"),
    (re.compile(r"(?<= )>(?= )"), ">", ">="),
    (re.compile(r"(?<= )>=(?= )"), ">=", ">"),
    (re.compile(r"(?<= )==(?= )"), "==", "!="),
    (re.compile(r"(?<= )!=(?= )"), "!=", "=="),
    (re.compile(r"(?<= )\+(?= )"), "+", "-"),
    (re.compile(r"(?<= )-(?= )"), "-", "+"),
    (re.compile(r"(?<= )\+=(?= )"), "+=", "-="),
    (re.compile(r"(?<= )-=(?= )"), "-=", "+="),
    (re.compile(r"(?<= )&&(?= )"), "&&", "||"),
    (re.compile(r"(?<= )\|\|(?= )"), "||", "&&"),
    (re.compile(r"\btrue\b"), "true", "false"),
    (re.compile(r"\bfalse\b"), "false", "true"),
    (re.compile(r"!(?!=)"), "!", ""),
]
# A decimal integer that is not part of a name, a hexadecimal or a floating-point number.
INTEGER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
STATEMENT = re.compile(r"^\s*(if|for|while|return)\b", re.M)


def mask(text):
    """The text with comments, string and character literals and preprocessor lines blanked
    (same length, newlines kept), so sites are only found in code."""
    out = list(text)
    i, n = 0, len(text)

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "

    line_start = True
    while i < n:
        c = text[i]
        if line_start and text[i:].lstrip(" \t").startswith("#"):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
            continue
        line_start = c == "\n"
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            blank(i, j)
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            blank(i, j)
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            blank(i, min(j + 1, n))
            i = j + 1
        else:
            i += 1
    return "".join(out)


def core_files(patterns):
    files = []
    for path in sorted((ROOT / "src").rglob("*")):
        rel = path.relative_to(ROOT).as_posix()
        if path.suffix not in (".cpp", ".h") or rel.startswith("src/win/"):
            continue
        if path.stem.endswith("_win") or path.name == "main.cpp":
            continue
        if patterns:
            if not any(fnmatch.fnmatch(rel, p) or fnmatch.fnmatch(path.name, p) for p in patterns):
                continue
        elif path.suffix == ".h" and not STATEMENT.search(mask(path.read_text())):
            continue
        files.append(rel)
    return files


def sites(rel):
    """Every single-point change of one file: (file, offset, old, new, "line:column")."""
    text = (ROOT / rel).read_text()
    code = mask(text)
    found = []
    for rx, old, new in SWAPS:
        for m in rx.finditer(code):
            found.append((m.start(), old, new))
    for m in INTEGER.finditer(code):
        # One change per constant, up or down by the place it stands at (0 only goes up).
        value = int(m.group(1))
        step = 1 if value == 0 or m.start() % 2 == 0 else -1
        found.append((m.start(), m.group(1), str(value + step)))
    found.sort()
    return [(rel, off, old, new, f"{text.count(chr(10), 0, off) + 1}:{off - text.rfind(chr(10), 0, off)}")
            for off, old, new in found]


class Sources:
    """Keeps the original text of every file touched and puts it back."""

    def __init__(self):
        self.saved = {}

    def write(self, rel, text):
        path = ROOT / rel
        if rel not in self.saved:
            self.saved[rel] = path.read_text()
        path.write_text(text)

    def restore(self, rel=None):
        for name in [rel] if rel else list(self.saved):
            if name in self.saved:
                (ROOT / name).write_text(self.saved.pop(name))


def run(cmd, timeout, cwd=ROOT):
    try:
        p = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout,
                           start_new_session=True)
        return p.returncode, p.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired as e:
        return None, (e.stdout or b"").decode(errors="replace")


def configure(build):
    # Run every time: a folder configured otherwise before is brought to these settings.
    env_launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    rc, out = run(["cmake", "-S", str(ROOT), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                   "-DCMAKE_C_COMPILER=clang", "-DCMAKE_CXX_COMPILER=clang++", "-DCALYX_SANITIZE=OFF",
                   "-DCALYX_FUZZ=OFF", "-DCALYX_BENCH=OFF", "-DCALYX_WARNINGS_AS_ERRORS=OFF"] + env_launcher, 600)
    if rc != 0:
        sys.exit("configure failed:\n" + out)


def build_tests(build, jobs):
    return run(["cmake", "--build", str(build), "--target", "unit_tests", "-j", str(jobs)], 900)


def test(build, timeout):
    rc, out = run([str(build / "tests" / "unit_tests"), "--gtest_brief=1"], timeout, cwd=build)
    return rc, out


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--count", type=int, default=100, help="mutants to draw (default 100)")
    ap.add_argument("--seed", type=int, default=16, help="seed of the draw (default 16)")
    ap.add_argument("--files", action="append", default=[],
                    help="glob of core files, relative to the repository or a bare name (repeatable)")
    ap.add_argument("--build", default="build/mutate", help="build folder (default build/mutate)")
    ap.add_argument("--timeout", type=float, default=60, help="seconds the tests may run per mutant")
    ap.add_argument("-j", "--jobs", type=int, default=2)
    ap.add_argument("--list", action="store_true", help="list the drawn mutants and stop")
    args = ap.parse_args()

    files = core_files(args.files)
    if not files:
        sys.exit("no core file matches")
    every = [s for f in files for s in sites(f)]
    drawn = random.Random(args.seed).sample(every, min(args.count, len(every)))
    drawn.sort(key=lambda s: (s[0], s[1], s[3]))
    print(f"{len(drawn)} of {len(every)} possible mutants in {len(files)} files, seed {args.seed}")
    if args.list:
        for rel, off, old, new, line in drawn:
            print(f"  {rel}:{line}: {old!r} -> {new!r}")
        return 0

    build = (ROOT / args.build).resolve()
    sources = Sources()
    atexit.register(sources.restore)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    configure(build)
    rc, out = build_tests(build, args.jobs)
    if rc != 0:
        sys.exit("the unmutated tests do not build:\n" + out)
    rc, out = test(build, args.timeout)
    if rc != 0:
        sys.exit("the unmutated tests fail:\n" + out)

    results = {"killed": [], "survived": [], "build-failed": []}
    start = time.monotonic()
    for i, (rel, off, old, new, line) in enumerate(drawn, 1):
        original = sources.saved.get(rel) or (ROOT / rel).read_text()
        for other in [f for f in sources.saved if f != rel]:
            sources.restore(other)
        sources.write(rel, original[:off] + new + original[off + len(old):])
        rc, out = build_tests(build, args.jobs)
        if rc != 0:
            verdict = "build-failed"
        else:
            rc, out = test(build, args.timeout)
            verdict = "survived" if rc == 0 else "killed"
        what = f"{rel}:{line}: {old!r} -> {new!r}"
        results[verdict].append(what)
        print(f"[{i}/{len(drawn)}] {verdict:12} {what}", flush=True)
    sources.restore()

    killed, survived = len(results["killed"]), len(results["survived"])
    print(f"\nkilled {killed}, survived {survived}, build-failed {len(results['build-failed'])}"
          f" in {time.monotonic() - start:.0f} s")
    if killed + survived:
        print(f"score {killed}/{killed + survived} = {100.0 * killed / (killed + survived):.1f} %")
    if results["survived"]:
        print("survivors:")
        for what in results["survived"]:
            print("  " + what)
    return 0


if __name__ == "__main__":
    sys.exit(main())
