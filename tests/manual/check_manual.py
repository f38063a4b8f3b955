#!/usr/bin/env python3
"""Checks the user manual (docs/manual.html) the program carries and opens for Help:

- it stands alone (no script, style sheet or page it would have to load; its one picture, the
  ruler with its parts named, is inside it, the very PNG scripts/screenshots made);
- it has its sections on what the program needs, removing it, the version history (with the
  version of res/version.h) and the license (the text of LICENSE), and spells the menu words
  as the menus do ("Color", "Centimeter");
- every in-page link and every section the program opens (the topics its code hands to
  ShowHelpTopic, and those the sizing tool's dialogs use) has its anchor, and no id is doubled;
- its table of keys lists exactly the keys of the accelerator table in res/calyx.rc;
- a real browser (headless Chromium) renders it without a console message and with every
  section in place, and takes screenshots of its first screen and of the whole page to look at.

Usage: check_manual.py SOURCE_DIR OUTPUT_DIR"""
import base64
import html.parser
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

# Sections that dialogs built elsewhere open (the sizing tool and its hot key dialog).
ALWAYS_USED = {"sizing-tool", "hot-keys"}
TOPIC_CALL = re.compile(r'ShowHelpTopic\(\s*[^,()]+,\s*"([^"]*)"\s*\)')
# A topic named once as a constant: const char kHelpTopic[] = "sizing-tool";
TOPIC_CONSTANT = re.compile(r'kHelpTopic\w*\s*\[\]\s*=\s*"([^"]*)"')
ACCEL_LINE = re.compile(r'^\s*("(.)"|VK_\w+)\s*,\s*(\w+)\s*,\s*VIRTKEY((?:\s*,\s*\w+)*)\s*$')
# Sections a reader must find besides those linked or opened by the program.
REQUIRED = {"requirements", "ruler-parts", "removing", "history", "license"}
PICTURE = "ruler-parts-picture"
PNG_DATA = "data:image/png;base64,"
# The menus' spelling; the manual must not hide a menu word from a reader's search.
OTHER_SPELLING = re.compile(r"\b(colours?|centimetres?|millimetres?)\b", re.I)
KEY_NAMES = {"VK_HOME": "Home", "VK_F1": "F1", "VK_END": "End", "VK_INSERT": "Insert", "VK_DELETE": "Delete"}


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids = []
        self.links = []
        self.loads = []
        self.accel_keys = []
        self.pictures = {}
        self.license = ""
        self._in_accel = False
        self._in_license = False
        self._accel_text = ""

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            self.ids.append(a["id"])
        if tag == "a" and "href" in a:
            self.links.append(a["href"])
        if tag in ("script", "iframe", "object", "embed", "video", "audio"):
            self.loads.append(f"<{tag}>")
        if tag == "link":
            self.loads.append(f"<link href={a.get('href')}>")
        if tag == "img" and a.get("src", "").startswith(PNG_DATA):
            self.pictures[a.get("id")] = a
        elif "src" in a or tag == "img":
            self.loads.append(f"<{tag} src={a.get('src', '')[:80]}>")
        style = a.get("style", "")
        if "url(" in style:
            self.loads.append(f"style={style}")
        if tag == "kbd" and "accel" in (a.get("class") or "").split():
            self._in_accel = True
            self._accel_text = ""
        self._in_license = self._in_license or a.get("id") == "license-text"

    def handle_endtag(self, tag):
        if tag == "kbd" and self._in_accel:
            self._in_accel = False
            self.accel_keys.append(self._accel_text.strip())
        if tag == "pre":
            self._in_license = False

    def handle_data(self, data):
        if self._in_accel:
            self._accel_text += data
        if self._in_license:
            self.license += data


def parse(text):
    page = Page()
    page.feed(text)
    page.close()
    return page


def program_topics(src):
    topics = set()
    for path in sorted(pathlib.Path(src, "src").rglob("*.cpp")):
        text = path.read_text(encoding="utf-8", errors="replace")
        topics.update(TOPIC_CALL.findall(text))
        topics.update(TOPIC_CONSTANT.findall(text))
    return topics


def accelerator_keys(rc_text):
    block = re.search(r"ACCELERATORS\s*\n\s*BEGIN\s*\n(.*?)\n\s*END", rc_text, re.S)
    keys = []
    for line in block.group(1).splitlines():
        m = ACCEL_LINE.match(line)
        if not m:
            if line.strip():
                keys.append(f"?unreadable: {line.strip()}")
            continue
        key = m.group(2) or KEY_NAMES.get(m.group(1), m.group(1))
        mods = {x.strip() for x in m.group(4).split(",") if x.strip()}
        names = [n for flag, n in (("CONTROL", "Ctrl"), ("ALT", "Alt"), ("SHIFT", "Shift")) if flag in mods]
        keys.append("+".join(names + [key]))
    return keys


def product_version(src):
    m = re.search(r'#define\s+CALYX_VERSION_TEXT\s+"([^"]*)"', pathlib.Path(src, "res", "version.h").read_text())
    return m.group(1) if m else "?"


def png_size(data):
    """Width and height of a PNG from its header; None when it is no PNG."""
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    return int.from_bytes(data[16:20], "big"), int.from_bytes(data[20:24], "big")


def check_contents(src, text, page):
    """The sections a new reader needs, the picture, the license and the spelling."""
    faults = []
    ids = set(page.ids)
    for section in sorted(REQUIRED - ids):
        faults.append(f"the manual has no section '{section}'")
    version = product_version(src)
    if f"v{version}" not in ids:
        faults.append(f"the version history has no entry 'v{version}' for the program's version")
    license_text = pathlib.Path(src, "LICENSE").read_text(encoding="utf-8")
    if page.license.strip() != license_text.strip():
        faults.append("the manual's license text is not that of LICENSE")
    for m in OTHER_SPELLING.finditer(re.sub(r"<style>.*?</style>", "", text, flags=re.S)):
        faults.append(f"'{m.group(0)}' where the menus spell it otherwise")
    picture = page.pictures.get(PICTURE)
    if not picture:
        faults.append(f"no picture <img id=\"{PICTURE}\"> carried inside the manual")
        return faults
    if set(page.pictures) != {PICTURE}:
        faults.append(f"pictures other than the ruler's: {sorted(page.pictures, key=str)}")
    data = base64.b64decode(picture["src"][len(PNG_DATA):], validate=True)
    size = png_size(data)
    attrs = (int(picture.get("width", 0)), int(picture.get("height", 0)))
    if size != attrs:
        faults.append(f"the picture is {size}, its width and height say {attrs}")
    if not picture.get("alt"):
        faults.append("the picture has no alt text")
    shot = pathlib.Path(src, "docs", "screenshots", "ruler-parts.png")
    if not shot.is_file() or shot.read_bytes() != data:
        faults.append("the picture is not docs/screenshots/ruler-parts.png (run scripts/screenshots)")
    return faults


def chromium():
    for name in ("chromium", "chromium-browser", "google-chrome"):
        path = shutil.which(name)
        if path:
            return path
    return None


def run_browser(browser, profile, args, url):
    cmd = [browser, "--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
           "--disable-component-update", "--disable-sync", "--no-first-run", "--enable-logging=stderr",
           "--v=0", f"--user-data-dir={profile}"] + args + [url]
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, timeout=90,
                          stdin=subprocess.DEVNULL)


def image_varies(png):
    """Whether a screenshot shows something (not one flat colour), by ImageMagick when present."""
    if not os.path.exists(png) or os.path.getsize(png) < 2000:
        return False
    if not shutil.which("convert"):
        return True
    out = subprocess.run(["convert", png, "-format", "%[fx:standard_deviation]", "info:"],
                         stdout=subprocess.PIPE, text=True, timeout=60).stdout.strip()
    try:
        return float(out) > 0.02
    except ValueError:
        return False


def main(src, out):
    faults = []
    manual = pathlib.Path(src, "docs", "manual.html")
    text = manual.read_text(encoding="utf-8")
    page = parse(text)

    doubled = sorted({i for i in page.ids if page.ids.count(i) > 1})
    if doubled:
        faults.append(f"ids used twice: {doubled}")
    ids = set(page.ids)
    for href in page.links:
        if not href.startswith("#"):
            faults.append(f"a link leaves the page (the manual is opened alone): {href}")
        elif href[1:] not in ids:
            faults.append(f"in-page link without its anchor: {href}")
    for load in page.loads:
        faults.append(f"the manual would load something it does not carry: {load}")

    faults += check_contents(src, text, page)

    found = program_topics(src)
    if len(found) < 3:
        faults.append(f"found only {sorted(found)} as sections the program opens: is the search still right?")
    for topic in sorted(found | ALWAYS_USED):
        if topic not in ids:
            faults.append(f"the program opens section '{topic}', which the manual lacks")

    accels = accelerator_keys(pathlib.Path(src, "res", "calyx.rc").read_text(encoding="utf-8"))
    if sorted(accels) != sorted(page.accel_keys):
        missing = sorted(set(accels) - set(page.accel_keys))
        extra = sorted(set(page.accel_keys) - set(accels))
        faults.append(f"the key table differs from the accelerator table: missing {missing}, "
                      f"not in the program {extra}, {len(page.accel_keys)} listed for {len(accels)} keys")

    browser = chromium()
    if not browser:
        print("no Chromium to render the manual with (scripts/test installs it)")
        for f in faults:
            print("FAIL:", f)
        return 1 if faults else 77
    os.makedirs(out, exist_ok=True)
    url = manual.resolve().as_uri()
    with tempfile.TemporaryDirectory() as profile:
        dom = run_browser(browser, profile, ["--dump-dom"], url)
        if dom.returncode != 0:
            faults.append(f"Chromium ended with {dom.returncode} rendering the manual")
        rendered = parse(dom.stdout)
        lost = sorted(ids - set(rendered.ids))
        if not rendered.ids or lost:
            faults.append(f"sections missing from the rendered page: {lost or 'all'}")
        console = [line for line in dom.stderr.splitlines() if "CONSOLE" in line]
        if console:
            faults.append("the browser reported: " + " | ".join(console))
        # The first screen, and the whole page in one tall window (to read it through).
        for name, size in (("manual", "1100,1500"), ("manual-full", "1000,14000")):
            png = os.path.join(out, name + ".png")
            if os.path.exists(png):
                os.remove(png)
            shot = run_browser(browser, profile, [f"--screenshot={png}", f"--window-size={size}",
                                                  "--hide-scrollbars"], url)
            if shot.returncode != 0 or not image_varies(png):
                faults.append(f"no useful screenshot {png} (Chromium ended with {shot.returncode})")
            else:
                print(f"screenshot: {png}")

    for f in faults:
        print("FAIL:", f)
    print(f"{len(ids)} sections, {len(page.links)} in-page links, {len(found | ALWAYS_USED)} sections the "
          f"program opens, {len(accels)} keys: {'all good' if not faults else str(len(faults)) + ' faults'}")
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
