#!/usr/bin/env python3
"""Draws the sizing tool's icons and cursors and writes them beside this script:

  sizing_tool.ico      icon 1006, the dialog's: a window with its title bar, a dashed outline
                       of the size it is to take and a black arrow pulling its corner there
  picker.ico           icon 1020, the picker at rest: a small window whose client area shows a
                       red crosshair target
  picker_empty.ico     icon 1021, the same window without the target (lifted out while dragging)
  picker_hover.cur     cursor 1030, a plain crosshair, hot spot (8, 8)
  picker_tracking.cur  cursor 1032, the crosshair target in a circle, hot spot (8, 8)

Icons come in 16, 32 and 48 (the dialog's) or 16 and 32 pixels, cursors in 32; all 32-bit
colour with a transparent background. Run it again after changing a drawing; the files are
committed. The file format is make_icon.py's.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_icon import write_icon_file  # noqa: E402

CLEAR = (0, 0, 0, 0)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
FRAME = (48, 48, 48, 255)
TITLE = (32, 80, 160, 255)
FACE = (212, 208, 200, 255)
DASH = (90, 90, 90, 255)
RED = (210, 30, 30, 255)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[CLEAR] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the pixels x0..x1-1, y0..y1-1."""
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour, dash=0):
        """The outline of x0..x1-1, y0..y1-1; with dash, `dash` pixels on and off."""
        edge = [(x, y0) for x in range(x0, x1)] + [(x1 - 1, y) for y in range(y0 + 1, y1)]
        edge += [(x, y1 - 1) for x in range(x1 - 2, x0 - 1, -1)] + [(x0, y) for y in range(y1 - 2, y0, -1)]
        for i, (x, y) in enumerate(edge):
            if not dash or (i // dash) % 2 == 0:
                self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1) * 2
        r = (width - 1) / 2.0
        for i in range(steps + 1):
            t = i / steps
            cx, cy = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            for y in range(int(math.floor(cy - r)), int(math.ceil(cy + r)) + 1):
                for x in range(int(math.floor(cx - r)), int(math.ceil(cx + r)) + 1):
                    if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + 0.3:
                        self.put(x, y, colour)

    def ring(self, cx, cy, radius, colour, width=1.0):
        for y in range(self.size):
            for x in range(self.size):
                if abs(math.hypot(x - cx, y - cy) - radius) <= width / 2.0:
                    self.put(x, y, colour)

    def rows(self):
        return self.px


def window(c, x0, y0, x1, y1, title_h):
    """A window: dark outline, blue title bar, white client area; returns the client box."""
    c.fill(x0, y0, x1, y1, WHITE)
    c.fill(x0, y0, x1, y0 + title_h, TITLE)
    c.frame(x0, y0, x1, y1, FRAME)
    return x0 + 1, y0 + title_h, x1 - 1, y1 - 1


def sizing_tool(size):
    c = Canvas(size)
    s = size / 32.0
    far = size - 1 - round(s)
    c.frame(round(2 * s), round(2 * s), far + 1, far + 1, DASH, dash=max(2, round(2 * s)))
    win_r, win_b = round(21 * s), round(19 * s)
    window(c, round(2 * s), round(2 * s), win_r, win_b, max(2, round(5 * s)))
    # The arrow from the window's corner to the outline's, with its head at the far end.
    w = max(1, round(2 * s))
    c.line(win_r - 1, win_b - 1, far - round(2 * s), far - round(2 * s), BLACK, w)
    # The head: the right-angled triangle in the outline's corner.
    head = max(4, round(9 * s))
    for y in range(far - head, far + 1):
        for x in range(far - head, far + 1):
            if x + y >= 2 * far - head:
                c.put(x, y, BLACK)
    return c.rows()


def picker(size, with_target):
    c = Canvas(size)
    s = size / 32.0
    x0, y0, x1, y1 = window(c, 0, round(3 * s), size, size - round(3 * s), max(2, round(5 * s)))
    if with_target:
        cx, cy = (x0 + x1 - 1) / 2.0, (y0 + y1 - 1) / 2.0
        c.ring(cx, cy, 7 * s, RED, max(1.0, 1.6 * s))
        c.ring(cx, cy, 3 * s, RED, max(1.0, 1.2 * s))
        arm = round(10 * s)
        c.line(round(cx) - arm, round(cy), round(cx) + arm, round(cy), BLACK)
        c.line(round(cx), round(cy) - arm, round(cx), round(cy) + arm, BLACK)
    return c.rows()


def crosshair(c, hx, hy, arm):
    """A black crosshair of arms `arm` long around (hx, hy), edged in white for any background."""
    for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1)):
        c.line(hx - arm + dx, hy + dy, hx + arm + dx, hy + dy, WHITE)
        c.line(hx + dx, hy - arm + dy, hx + dx, hy + arm + dy, WHITE)
    c.line(hx - arm, hy, hx + arm, hy, BLACK)
    c.line(hx, hy - arm, hx, hy + arm, BLACK)


def hover_cursor():
    c = Canvas(32)
    crosshair(c, 8, 8, 7)
    return c.rows()


def tracking_cursor():
    c = Canvas(32)
    c.ring(8, 8, 6, WHITE, 3.0)
    crosshair(c, 8, 8, 8)
    c.ring(8, 8, 6, BLACK, 1.2)
    return c.rows()


def main(folder):
    path = lambda name: os.path.join(folder, name)  # noqa: E731
    write_icon_file(path('sizing_tool.ico'), [sizing_tool(s) for s in (16, 32, 48)])
    write_icon_file(path('picker.ico'), [picker(s, True) for s in (16, 32)])
    write_icon_file(path('picker_empty.ico'), [picker(s, False) for s in (16, 32)])
    write_icon_file(path('picker_hover.cur'), [hover_cursor()], hotspot=(8, 8))
    write_icon_file(path('picker_tracking.cur'), [tracking_cursor()], hotspot=(8, 8))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
