#!/usr/bin/env python3
"""Fails, naming the file and the line, when src/ formats or copies text without a bound:
sprintf, vsprintf, strcpy, strcat, wsprintf, lstrcpy, lstrcat and their A/W forms (use
snprintf with the buffer's size, std::string or memcpy with a checked length)."""
import pathlib
import re
import sys

UNBOUNDED = re.compile(r'(?<![\w.>:])(v?sprintf|strcpy|strcat|wsv?printf[AW]?|lstrcpy[AW]?|lstrcat[AW]?|_stprintf)\s*\(')
COMMENT = re.compile(r'//.*$')


def main(root):
    faults = []
    for path in sorted((pathlib.Path(root) / "src").rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        for n, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            for m in UNBOUNDED.finditer(COMMENT.sub("", line)):
                faults.append(f"{path.relative_to(root)}:{n}: {m.group(1)} writes without a bound")
    for f in faults:
        print(f)
    print(f"bounded text: {len(faults)} unbounded call(s)" if faults else "bounded text: ok")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2]))
