#!/usr/bin/env python3
"""Hostile settings for the end-to-end test: `make SEED FILE` writes a REGEDIT4 file with a
random registry for Calyx (every value of its record, the Window and CurrentVersion
sections, missing sections and values, wrong types, 10,000-character strings, binary
values of 0 to 8 bytes, DWORD values of the wrong size, INT_MIN and INT_MAX, negative
sizes); `check FILE` reads `wine reg query` output of the four sections (the file holds
them one after another) and prints every value that is not written back valid."""
import random
import re
import sys

KEY = r"HKEY_LOCAL_MACHINE\Software\Orrin\Calyx"
VIEW = ["Visible", "Vertical", "HFlipped", "VFlipped", "Borderless", "NotInTaskBar", "Guide", "Unit", "Base",
        "Scale", "ScalePreview", "Zoom", "ZoomFactor", "ZoomPreview", "ColBk", "ColFg", "Caption", "Color"]
SIZING = ["Width", "Height", "Do Width", "Do Height", "Do Frame", "HK Mode", "HK Get", "HKV Get", "HKM Get",
          "HK Set", "HKV Set", "HKM Set"]
WINDOW = ["On top", "Bounds.left", "Bounds.top", "Bounds.right", "Bounds.bottom", "State"]
CURRENT = ["Path", "Version"]
SECTIONS = {"View": VIEW, "Sizing": SIZING, "Window": WINDOW, "CurrentVersion": CURRENT}
INT_MIN, INT_MAX = -2**31, 2**31 - 1
SCREEN = (1280, 1024)


def dword(v):
    return "dword:%08x" % (v & 0xFFFFFFFF)


def hexbytes(kind, data):
    return "hex(%x):" % kind + ",".join("%02x" % b for b in data)


def value(rng, name):
    pick = rng.random()
    if pick < 0.15:
        return None  # missing
    if pick < 0.55:
        choices = [0, 1, -1, 2, 10, INT_MIN, INT_MAX, rng.randint(INT_MIN, INT_MAX), rng.randint(-5, 2000),
                   rng.choice([0x01, 0x20, 0x21, 0x100, 0xFF, 0x10000, 0x10003, 0xC1, 0x7F, 0x123456])]
        if name.startswith("Bounds"):
            choices += [rng.randint(-40000, 40000), -100000, 100000]
        return dword(rng.choice(choices))
    if pick < 0.65:
        return '"%s"' % rng.choice(["10", "", "x" * 10000, "-1", "0x20"])
    if pick < 0.75:
        return hexbytes(3, bytes(rng.randrange(256) for _ in range(rng.randint(0, 8))))
    if pick < 0.85:
        return hexbytes(4, bytes(rng.randrange(256) for _ in range(rng.choice([0, 1, 2, 3, 5, 8]))))
    if pick < 0.92:
        return hexbytes(0xB, bytes(rng.randrange(256) for _ in range(8)))
    return hexbytes(0, b"")


def make(seed, path):
    rng = random.Random(seed)
    lines = ["REGEDIT4", ""]
    for section, names in SECTIONS.items():
        if rng.random() < 0.1:
            continue  # the whole section missing
        lines.append("[%s\\%s]" % (KEY, section))
        for name in names:
            v = value(rng, name)
            if v is not None:
                lines.append('"%s"=%s' % (name, v))
        lines.append("")
    with open(path, "w", encoding="ascii", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


def read_query(path):
    """name -> (type, data) for every value of the four sections, by section."""
    found = {}
    section = None
    for line in open(path, encoding="latin-1"):
        line = line.rstrip("\r\n")
        m = re.match(r"^HKEY_\w+\\Software\\Orrin\\Calyx\\(\w+)$", line.strip())
        if m:
            section = m.group(1)
            continue
        m = re.match(r"^\s{4}(.+?)\s{4}(REG_\w+)\s{4}(.*)$", line)
        if m and section:
            found[(section, m.group(1))] = (m.group(2), m.group(3))
    return found


def signed(text):
    v = int(text, 16)
    return v - 2**32 if v >= 2**31 else v


def check(path):
    found = read_query(path)
    faults = []
    numbers = {}
    for section, names in SECTIONS.items():
        for name in names:
            if (section, name) not in found:
                faults.append("%s\\%s missing" % (section, name))
                continue
            typ, data = found[(section, name)]
            want = "REG_SZ" if name == "Path" else "REG_DWORD"
            if typ != want:
                faults.append("%s\\%s is %s" % (section, name, typ))
            elif typ == "REG_DWORD":
                numbers[name] = signed(data)
    n = numbers.get
    for name in ("Scale", "ZoomFactor"):
        if name in numbers and not 50 <= n(name) <= 1000:
            faults.append("View\\%s = %d" % (name, n(name)))
    if "Unit" in numbers and (n("Unit") not in (1, 2, 4, 8, 16, 32, 64, 128)):
        faults.append("View\\Unit = %#x" % n("Unit"))
    # Only a notation byte of 0 is repaired; one the program does not know is kept as stored.
    if "Color" in numbers and (n("Color") & 0xFF) == 0:
        faults.append("View\\Color = %#x" % n("Color"))
    if "State" in numbers and n("State") not in (1, 2, 3):
        faults.append("Window\\State = %d" % n("State"))
    for name in ("HKV Get", "HKM Get", "HKV Set", "HKM Set"):
        if name in numbers and not 0 <= n(name) <= 0xFFFF:
            faults.append("Sizing\\%s = %d" % (name, n(name)))
    b = [n("Bounds.left"), n("Bounds.top"), n("Bounds.right"), n("Bounds.bottom")]
    if None not in b:
        if b[2] <= b[0] or b[3] <= b[1]:
            faults.append("Window\\Bounds empty: %s" % b)
        elif min(b[2], SCREEN[0]) - max(b[0], 0) < 32 or min(b[3], SCREEN[1]) - max(b[1], 0) < 32:
            faults.append("Window\\Bounds out of reach: %s" % b)
    for f in faults:
        print(f)
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "make":
        make(int(sys.argv[2]), sys.argv[3])
        sys.exit(0)
    if len(sys.argv) == 3 and sys.argv[1] == "check":
        sys.exit(check(sys.argv[2]))
    print("usage: hostile_registry.py make SEED FILE | check FILE", file=sys.stderr)
    sys.exit(2)
