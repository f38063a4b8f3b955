#!/usr/bin/env python3
"""Draws Calyx's ruler icon and writes res/calyx.ico (16, 32 and 48 pixels, 32-bit colour).

The picture: a yellow ruler lying slightly tilted, black graduations along its lower edge
(a long tick every quarter, short ticks between), a dark outline and a transparent
background. Run it again after changing the drawing; the .ico is committed.
"""
import math
import struct
import sys

YELLOW = (255, 214, 0)
EDGE = (120, 90, 0)
TICK = (20, 20, 20)


def draw(size):
    """Returns rows (top first) of (r, g, b, a) pixels."""
    px = [[(0, 0, 0, 0) for _ in range(size)] for _ in range(size)]
    angle = math.radians(-30)
    ca, sa = math.cos(angle), math.sin(angle)
    length, thick = size * 1.05, size * 0.36
    cx = cy = (size - 1) / 2.0
    ticks = 8 if size >= 32 else 4
    for y in range(size):
        for x in range(size):
            # Ruler coordinates: u along, v across (v = 0 at the tick edge).
            dx, dy = x - cx, y - cy
            u = dx * ca - dy * sa + length / 2
            v = dx * sa + dy * ca + thick / 2
            if not (0 <= u < length and 0 <= v < thick):
                continue
            colour = YELLOW
            border = max(1.0, size / 24.0)
            if u < border or u >= length - border or v < border or v >= thick - border:
                colour = EDGE
            else:
                step = length / ticks
                k = round(u / step)
                near = abs(u - k * step) < max(0.5, size / 40.0)
                tick_len = thick * (0.55 if k % 2 == 0 else 0.3)
                if near and 0 < k < ticks and v >= thick - border - tick_len:
                    colour = TICK
            px[y][x] = colour + (255,)
    return px


def dib_entry(rows):
    """One image of an icon or cursor file: a 32-bit DIB (bottom-up, height doubled for the
    mask) and its AND mask, transparent where alpha is 0. `rows` are top first."""
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    and_mask = b''
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        and_mask += bytes(line)
    return header + xor + and_mask


def write_icon_file(path, images, hotspot=None):
    """Writes square images (lists of rows) as an .ico file, or as a .cur file with the
    hot spot (x, y) when one is given."""
    entries = [dib_entry(rows) for rows in images]
    out = struct.pack('<HHH', 0, 1 if hotspot is None else 2, len(images))
    offset = 6 + 16 * len(images)
    for rows, data in zip(images, entries):
        s = len(rows)
        if hotspot is None:
            out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        else:
            out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, hotspot[0], hotspot[1], len(data), offset)
        offset += len(data)
    out += b''.join(entries)
    with open(path, 'wb') as f:
        f.write(out)


def main(path):
    write_icon_file(path, [draw(s) for s in (16, 32, 48)])


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res/calyx.ico')
