#!/usr/bin/env python3
"""The file work of scripts/package: the version, the zips and what can be checked without
running the program.

  package.py version SOURCE_DIR
      prints the product version that res/version.h gives the version resource
  package.py zip OUT.zip EPOCH VERSION SOURCE_DIR EXE
      writes a release zip: calyx.exe, manual.html, README.txt and LICENSE.txt, in that order,
      each stamped with EPOCH (seconds, UTC), so that the same inputs give the same bytes
  package.py check ZIP ARCH VERSION SOURCE_DIR UNPACK_DIR
      unpacks ZIP into UNPACK_DIR and checks it: the four files, the manual and the licence as
      in the sources, an exe for ARCH (win64 or win32) with no link time in its header and a
      version resource that says VERSION"""
import pathlib
import re
import struct
import sys
import time
import zipfile

MACHINES = {"win64": 0x8664, "win32": 0x014C}
FILES = ("calyx.exe", "manual.html", "README.txt", "LICENSE.txt")


def product_version(src):
    text = pathlib.Path(src, "res", "version.h").read_text(encoding="utf-8")
    fields = dict(re.findall(r"#define\s+CALYX_VERSION_(\w+)\s+(\S+)", text))
    version = fields.get("TEXT", "").strip('"')
    parts = ".".join(fields.get(k, "?") for k in ("MAJOR", "MINOR", "BUILD"))
    if not version or version != parts:
        sys.exit(f"res/version.h: the version text {version!r} is not MAJOR.MINOR.BUILD ({parts})")
    return version


def crlf(text):
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def contents(version, src, exe):
    """The zip's files in their order, as bytes: the text files with Windows line ends."""
    src = pathlib.Path(src)
    readme = (src / "docs" / "user-readme.txt").read_text(encoding="utf-8").replace("@VERSION@", version)
    return [
        ("calyx.exe", pathlib.Path(exe).read_bytes()),
        ("manual.html", (src / "docs" / "manual.html").read_bytes()),
        ("README.txt", crlf(readme)),
        ("LICENSE.txt", crlf((src / "LICENSE").read_text(encoding="utf-8"))),
    ]


def make_zip(out, epoch, version, src, exe):
    stamp = time.gmtime(max(int(epoch), 315532800))[:6]  # a zip's clock starts in 1980
    with zipfile.ZipFile(out, "w") as z:
        for name, data in contents(version, src, exe):
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3  # the permissions below are Unix ones
            info.external_attr = (0o755 if name.endswith(".exe") else 0o644) << 16
            z.writestr(info, data, compresslevel=9)


def pe_header(exe):
    """(machine, link time) of a PE file."""
    (pe,) = struct.unpack_from("<I", exe, 0x3C)
    if exe[:2] != b"MZ" or exe[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    machine, _, stamp = struct.unpack_from("<HHI", exe, pe + 4)
    return machine, stamp


def version_node(buf, off):
    """One node of a version resource: (key, value bytes, children), and where it ends."""
    length, value_length, kind = struct.unpack_from("<HHH", buf, off)
    end = off + length
    p = off + 6
    key_end = p
    while buf[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = buf[p:key_end].decode("utf-16-le")
    p = (key_end + 2 + 3) & ~3
    size = value_length * 2 if kind == 1 else value_length
    value = buf[p:p + size]
    p = (p + size + 3) & ~3
    children = []
    while p + 6 <= end:
        child, p = version_node(buf, p)
        children.append(child)
        p = (p + 3) & ~3
    return (key, value, children), end


def version_resource(exe):
    """The fixed product version (four numbers) and the strings of a PE file's version resource."""
    at = exe.find("VS_VERSION_INFO".encode("utf-16-le"))
    if at < 6:
        raise ValueError("no version resource")
    (_, fixed, children), _ = version_node(exe, at - 6)
    signature, _, _, _, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if signature != 0xFEEF04BD:
        raise ValueError("the version resource has no fixed part")
    numbers = (product_ms >> 16, product_ms & 0xFFFF, product_ls >> 16, product_ls & 0xFFFF)
    strings = {}
    for key, _, tables in children:
        if key == "StringFileInfo":
            for _, _, entries in tables:
                for name, value, _ in entries:
                    strings[name] = value.decode("utf-16-le").split("\0")[0]
    return numbers, strings


def check(zip_path, arch, version, src, unpack):
    faults = []
    with zipfile.ZipFile(zip_path) as z:
        bad = z.testzip()
        if bad:
            return [f"{bad} is damaged in the zip"]
        names = z.namelist()
        if names != list(FILES):
            faults.append(f"the zip holds {names}, not {list(FILES)}")
        z.extractall(unpack)
    unpack = pathlib.Path(unpack)
    expected = dict(contents(version, src, unpack / "calyx.exe"))
    for name in ("manual.html", "README.txt", "LICENSE.txt"):
        path = unpack / name
        if not path.is_file() or path.read_bytes() != expected[name]:
            faults.append(f"{name} unpacked is not the one the sources make")
    exe = (unpack / "calyx.exe").read_bytes()
    try:
        machine, stamp = pe_header(exe)
        if machine != MACHINES[arch]:
            faults.append(f"calyx.exe is for machine 0x{machine:04X}, not {arch} (0x{MACHINES[arch]:04X})")
        if stamp != 0:
            faults.append(f"calyx.exe carries a link time ({stamp}): two builds would differ")
        numbers, strings = version_resource(exe)
        want = tuple(int(n) for n in version.split(".")) + (0,)
        if numbers != want:
            faults.append(f"the version resource's product version is {numbers}, not {want}")
        for name in ("ProductVersion", "FileVersion"):
            if strings.get(name) != version:
                faults.append(f"the version resource's {name} is {strings.get(name)!r}, not {version!r}")
    except (ValueError, struct.error) as e:
        faults.append(f"calyx.exe: {e}")
    return faults


def main(argv):
    if len(argv) >= 3 and argv[1] == "version":
        print(product_version(argv[2]))
    elif len(argv) == 7 and argv[1] == "zip":
        make_zip(*argv[2:])
    elif len(argv) == 7 and argv[1] == "check":
        faults = check(*argv[2:])
        for f in faults:
            print("FAIL:", f)
        return 1 if faults else 0
    else:
        print(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
