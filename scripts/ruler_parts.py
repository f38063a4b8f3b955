#!/usr/bin/env python3
"""Labels a screenshot of a horizontal ruler window (magnifier on, ticks along the bottom)
with the names of its parts, using ImageMagick, and puts the picture into the user manual.

  ruler_parts.py RULER.png X,Y,W,H GUIDE_X OUT.png MANUAL.html

X,Y,W,H is the client area within RULER.png (inside the border); GUIDE_X is the guide
line's client column. The manual's <img id="ruler-parts-picture">
gets the picture as a data: address (the manual travels alone, inside calyx.exe) and its size."""
import base64
import re
import subprocess
import sys

FONT = "DejaVu-Sans"
POINTS = 12
INK = "#1c1c1c"
LEAD = "#b0281e"
PAPER = "#fdfdfb"  # the manual's page colour
PAD_X, PAD_TOP, PAD_BOTTOM = 14, 34, 34
# No date or time chunks: the same screenshot gives the same bytes.
PNG_OPTIONS = ["-depth", "8", "-strip", "-define", "png:exclude-chunks=date,time", "-define", "png:compression-level=9"]


def magick(*args):
    return subprocess.run(["convert", *args], check=True, stdout=subprocess.PIPE, text=True).stdout.strip()


def size_of(png):
    w, h = magick(png, "-format", "%w %h", "info:").split()
    return int(w), int(h)


def text_width(text):
    return int(magick("-font", FONT, "-pointsize", str(POINTS), f"label:{text}", "-format", "%w", "info:"))


def strip_height(png, client):
    """Rows of the caption strip: from the top of the client's second column down to the
    first pixel that differs (the icon box leaves that column in the strip colour)."""
    x, y, _, height = client
    column = magick(png, "-crop", f"1x{height}+{x + 1}+{y}", "+repage", "-depth", "8", "txt:-").splitlines()[1:]
    colours = [line.split()[-1] for line in column]
    for y, c in enumerate(colours):
        if c != colours[0]:
            return y
    return height // 3


def main(ruler, client, guide_x, out, manual):
    fx, fy, w, h = client
    strip = strip_height(ruler, client)
    mag_left = w - h  # the magnifier square, as high as the client, at its right end
    # (label, target x, target y, above the ruler?, label anchored at its left end?)
    parts = [
        ("icon", 10, strip // 2, True, True),
        ("caption strip", mag_left - 60, strip // 2, True, False),  # past the caption text
        ("magnifier", mag_left + h // 2, 2, True, False),
        ("zero point", 0, h - 1, False, True),
        ("guide", guide_x, h - 1, False, False),
        ("tick edge", (mag_left * 3) // 4, h - 1, False, False),
    ]
    rw, rh = size_of(ruler)
    cw, ch = rw + 2 * PAD_X, rh + PAD_TOP + PAD_BOTTOM
    draw = []
    for text, tx, ty, above, left in parts:
        x, y = PAD_X + fx + tx, PAD_TOP + fy + ty
        tw = text_width(text)
        lx = x - 4 if left else x - tw // 2
        lx = max(2, min(cw - tw - 2, lx))
        line_end = PAD_TOP - 14 if above else PAD_TOP + rh + 14
        text_y = 4 if above else ch - POINTS - 8
        draw += ["-stroke", LEAD, "-strokewidth", "1", "-draw", f"line {x},{y} {x},{line_end}",
                 "-stroke", "none", "-fill", LEAD, "-draw", f"circle {x},{y} {x + 2},{y}",
                 "-fill", INK, "-annotate", f"+{lx}+{text_y}", text]
    magick("-size", f"{cw}x{ch}", f"xc:{PAPER}", ruler, "-geometry", f"+{PAD_X}+{PAD_TOP}", "-composite",
           "-font", FONT, "-pointsize", str(POINTS), "-gravity", "NorthWest", *draw, *PNG_OPTIONS, out)

    data = base64.b64encode(open(out, "rb").read()).decode("ascii")
    page = open(manual, encoding="utf-8").read()
    tag = re.compile(r'<img id="ruler-parts-picture"[^>]*>')
    if not tag.search(page):
        sys.exit(f"{manual} has no <img id=\"ruler-parts-picture\">")
    old = tag.search(page).group(0)
    alt = re.search(r'alt="[^"]*"', old)
    alt = alt.group(0) if alt else 'alt=""'
    new = (f'<img id="ruler-parts-picture" width="{cw}" height="{ch}" {alt}\n'
           f'     src="data:image/png;base64,{data}">')
    open(manual, "w", encoding="utf-8").write(page.replace(old, new))


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    main(sys.argv[1], [int(v) for v in sys.argv[2].split(",")], int(sys.argv[3]), sys.argv[4], sys.argv[5])
