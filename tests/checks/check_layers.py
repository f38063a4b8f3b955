#!/usr/bin/env python3
"""Reads the #include lines of src/ and fails, naming the file and the include, when one
points against the layering: base <- units, color <- settings <- platform <- tools <- ruler
<- app. A folder may include its own files and any lower layer; units and color are peers
that do not include each other. The framework src/win/ includes base only, and only
platform and the layers above it may include the framework. res/resource.h (numbers of the
program's resources, no windows.h) may be included anywhere."""
import pathlib
import re
import sys

RANK = {"base": 0, "units": 1, "color": 1, "settings": 2, "platform": 3, "tools": 4,
        "ruler": 5, "app": 6}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def allowed(src, dst):
    if src == dst or dst == "base":
        return True
    if src == "win":
        return False
    if dst == "win":
        return RANK[src] >= RANK["platform"]
    return dst in RANK and RANK[dst] < RANK[src]


def main(root):
    src_root = pathlib.Path(root) / "src"
    faults = []
    for path in sorted(src_root.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        folder = path.relative_to(src_root).parts[0]
        if folder not in RANK and folder != "win":
            faults.append(f"{path.relative_to(root)}: folder '{folder}' has no place in the layering")
            continue
        for n, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            target = m.group(1)
            if target == "resource.h":
                continue
            dst = target.split("/")[0] if "/" in target else None
            if dst is None or not (dst in RANK or dst == "win") or not allowed(folder, dst):
                faults.append(f"{path.relative_to(root)}:{n}: includes \"{target}\", "
                              f"which {folder}/ may not depend on")
    for f in faults:
        print(f)
    print(f"layering: {len(faults)} include(s) against the order" if faults else "layering: ok")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2]))
