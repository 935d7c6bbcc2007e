#!/usr/bin/env python3
"""Draws the Velbrin program icon.

A maroon resistor lies diagonally from lower left to upper right, with four
rings (lime, fuchsia, yellow, olive from the lower left) and grey leads bent
down at both ends.  One geometry, in units of the 32 px grid, feeds every
output:

  velbrin-32.png             the window icon: 4-bit paletted, colours of the
                             16-colour VGA palette only, one transparent entry
  velbrin-48/64/128.png      the same shapes at larger sizes, anti-aliased RGBA
  velbrin.svg                the same shapes as vectors (hicolor/scalable)

Standard library only, so anyone can regenerate the committed files:
    python3 resources/icons/make-icons.py [OUTDIR]
"""

import math
import struct
import sys
import zlib
from pathlib import Path

# The standard 16-colour VGA / Windows palette, in its usual order.
VGA = [
    ("black", 0x000000), ("maroon", 0x800000), ("green", 0x008000),
    ("olive", 0x808000), ("navy", 0x000080), ("purple", 0x800080),
    ("teal", 0x008080), ("silver", 0xC0C0C0), ("gray", 0x808080),
    ("red", 0xFF0000), ("lime", 0x00FF00), ("yellow", 0xFFFF00),
    ("blue", 0x0000FF), ("fuchsia", 0xFF00FF), ("aqua", 0x00FFFF),
    ("white", 0xFFFFFF),
]
RGB = dict(VGA)

# A 4-bit PNG has room for 16 entries and one must be the transparent key,
# so one VGA colour the picture never uses gives up its place.
DROPPED = "teal"
PALETTE = [None] + [name for name, _ in VGA if name != DROPPED]

SIZE = 32.0            # the grid every coordinate below is measured in
CENTRE = (15.5, 15.5)  # the body's centre
HALF_LEN = 8.5         # body half length along its axis (u)
HALF_WID = 4.0         # body half width across its axis (v)
CORNER = 2.0           # corner radius of the body
OUTLINE = 1.0          # black outline around the body
LEAD_AXIS = 15.5       # how far along the axis each lead runs before bending
LEAD_BOTTOM = 32.0     # the bent leads run off the bottom edge
LEAD_HALF = 1.0        # half thickness of a lead
# Ring centres along the axis, from the lower-left end, and their colours.
RINGS = [(-5.0, "lime"), (-2.0, "fuchsia"), (1.0, "yellow"), (5.0, "olive")]
RING_HALF = 1.0

S2 = math.sqrt(0.5)


def to_axis(x, y):
    """Grid point to (u along the body towards upper right, v towards lower right)."""
    dx, dy = x - CENTRE[0], y - CENTRE[1]
    return (dx - dy) * S2, (dx + dy) * S2


def from_axis(u, v):
    return CENTRE[0] + (u + v) * S2, CENTRE[1] + (v - u) * S2


def rounded_box(u, v, hu, hv, r):
    """Signed distance to a rounded rectangle centred on the axis origin."""
    qx, qy = abs(u) - (hu - r), abs(v) - (hv - r)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def segment_distance(p, a, b):
    ax, ay = a
    bx, by = b
    px, py = p
    ex, ey = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * ex + (py - ay) * ey) / (ex * ex + ey * ey)))
    return math.hypot(px - (ax + t * ex), py - (ay + t * ey))


def lead_paths():
    """Each lead: from inside the body end, along the axis, then straight down."""
    paths = []
    for sign in (-1.0, 1.0):
        start = from_axis(sign * (HALF_LEN - 1.0), 0.0)
        bend = from_axis(sign * LEAD_AXIS, 0.0)
        paths.append([start, bend, (bend[0], LEAD_BOTTOM)])
    return paths


LEADS = lead_paths()


def colour_at(x, y):
    """Colour name of the picture at grid point (x, y), or None for transparent."""
    u, v = to_axis(x, y)
    body = rounded_box(u, v, HALF_LEN, HALF_WID, CORNER)
    if body <= 0.0:
        for centre, name in RINGS:
            if abs(u - centre) <= RING_HALF:
                return name
        return "maroon"
    if body <= OUTLINE:
        return "black"
    for path in LEADS:
        for a, b in zip(path, path[1:]):
            if segment_distance((x, y), a, b) <= LEAD_HALF:
                return "gray"
    return None


# --- PNG writing -----------------------------------------------------------

def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(width, height, colour_type, bit_depth, rows, extra=()):
    header = struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + b"".join(extra)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def icon_32():
    n = int(SIZE)
    rows = []
    for y in range(n):
        idx = [PALETTE.index(colour_at(x + 0.5, y + 0.5)) for x in range(n)]
        rows.append(bytes((idx[i] << 4) | idx[i + 1] for i in range(0, n, 2)))
    plte = b"".join(struct.pack(">I", RGB[name] if name else 0)[1:] for name in PALETTE)
    trns = bytes([0 if name is None else 255 for name in PALETTE])
    return png(n, n, 3, 4, rows, [chunk(b"PLTE", plte), chunk(b"tRNS", trns)])


def icon_rgba(size, samples=4):
    scale = SIZE / size
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    name = colour_at((px + (sx + 0.5) / samples) * scale,
                                     (py + (sy + 0.5) / samples) * scale)
                    if name:
                        c = RGB[name]
                        r += c >> 16
                        g += (c >> 8) & 0xFF
                        b += c & 0xFF
                        a += 1
            if a:
                row += bytes((round(r / a), round(g / a), round(b / a),
                              round(255 * a / samples ** 2)))
            else:
                row += b"\x00\x00\x00\x00"
        rows.append(bytes(row))
    return png(size, size, 6, 8, rows)


# --- SVG -------------------------------------------------------------------

def svg():
    def f(value):
        return f"{value:.3f}".rstrip("0").rstrip(".")

    def hexc(name):
        return f"#{RGB[name]:06x}"

    angle = -45
    cx, cy = CENTRE
    inner = (f'x="{f(-HALF_LEN)}" y="{f(-HALF_WID)}" width="{f(2 * HALF_LEN)}" '
             f'height="{f(2 * HALF_WID)}" rx="{f(CORNER)}"')
    o = OUTLINE / 2
    outer = (f'x="{f(-HALF_LEN - o)}" y="{f(-HALF_WID - o)}" '
             f'width="{f(2 * (HALF_LEN + o))}" height="{f(2 * (HALF_WID + o))}" '
             f'rx="{f(CORNER + o)}"')
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
        '  <title>Velbrin</title>',
        '  <defs>',
        f'    <clipPath id="body"><rect {inner}/></clipPath>',
        '  </defs>',
    ]
    for path in LEADS:
        points = " ".join(f"{f(x)},{f(y)}" for x, y in path)
        lines.append(f'  <polyline points="{points}" fill="none" stroke="{hexc("gray")}" '
                     f'stroke-width="{f(2 * LEAD_HALF)}" stroke-linejoin="round"/>')
    # SVG's y runs downward, so the axis frame's v maps to y unchanged.
    lines.append(f'  <g transform="translate({f(cx)} {f(cy)}) rotate({angle})">')
    lines.append(f'    <rect {outer} fill="{hexc("maroon")}" stroke="{hexc("black")}" '
                 f'stroke-width="{f(OUTLINE)}"/>')
    lines.append('    <g clip-path="url(#body)">')
    for centre, name in RINGS:
        lines.append(f'      <rect x="{f(centre - RING_HALF)}" y="{f(-HALF_WID - 1)}" '
                     f'width="{f(2 * RING_HALF)}" height="{f(2 * HALF_WID + 2)}" '
                     f'fill="{hexc(name)}"/>')
    lines += ['    </g>', '  </g>', '</svg>', '']
    return "\n".join(lines)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent
    out.mkdir(parents=True, exist_ok=True)
    (out / "velbrin-32.png").write_bytes(icon_32())
    for size in (48, 64, 128):
        (out / f"velbrin-{size}.png").write_bytes(icon_rgba(size))
    (out / "velbrin.svg").write_text(svg(), encoding="utf-8")


if __name__ == "__main__":
    main()
