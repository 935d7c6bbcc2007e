#!/usr/bin/env python3
"""Checks the committed icons: the window icon keeps to the 16-colour VGA
palette with a transparency mask, every file has its size, and the files are
what the generator draws today.

    check_icons.py ICON_DIR SCRATCH_DIR
"""

import shutil
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET
import zlib
from pathlib import Path

VGA = {
    0x000000: "black", 0x800000: "maroon", 0x008000: "green", 0x808000: "olive",
    0x000080: "navy", 0x800080: "purple", 0x008080: "teal", 0xC0C0C0: "silver",
    0x808080: "gray", 0xFF0000: "red", 0x00FF00: "lime", 0xFFFF00: "yellow",
    0x0000FF: "blue", 0xFF00FF: "fuchsia", 0x00FFFF: "aqua", 0xFFFFFF: "white",
}
# The body, its four rings and the leads.
PICTURE_COLOURS = {"maroon", "lime", "fuchsia", "yellow", "olive", "gray"}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def read_png(path):
    """(width, height, bit depth, colour type, palette, alphas, rows of RGBA tuples)."""
    data = path.read_bytes()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path.name}: not a PNG")
    pos, chunks, idat = 8, {}, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IDAT":
            idat += body
        else:
            chunks[kind] = body
        pos += 12 + length
    width, height, depth, ctype, _, _, interlace = struct.unpack(">IIBBBBB", chunks[b"IHDR"])
    if interlace:
        raise ValueError(f"{path.name}: interlaced")
    palette = [tuple(chunks.get(b"PLTE", b"")[i:i + 3])
               for i in range(0, len(chunks.get(b"PLTE", b"")), 3)]
    alphas = list(chunks.get(b"tRNS", b"")) + [255] * (len(palette) - len(chunks.get(b"tRNS", b"")))
    channels = {3: 1, 6: 4, 2: 3, 0: 1, 4: 2}[ctype]
    bits = depth * channels
    stride = (width * bits + 7) // 8
    step = max(1, bits // 8)
    raw = zlib.decompress(idat)
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - step] if i >= step else 0
            up = previous[i]
            corner = previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                pred = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + pred) & 0xFF
        previous = line
        if ctype == 3:
            per_byte = 8 // depth
            indexes = [(line[x // per_byte] >> (8 - depth * (x % per_byte + 1))) & ((1 << depth) - 1)
                       for x in range(width)]
            rows.append([palette[i] + (alphas[i],) for i in indexes])
        elif ctype == 6 and depth == 8:
            rows.append([tuple(line[x * 4:x * 4 + 4]) for x in range(width)])
        else:
            raise ValueError(f"{path.name}: colour type {ctype}, depth {depth} not expected")
    return width, height, depth, ctype, palette, alphas, rows


def check_window_icon(path):
    width, height, depth, ctype, palette, alphas, rows = read_png(path)
    check((width, height) == (32, 32), f"{path.name}: {width}x{height}, not 32x32")
    check((ctype, depth) == (3, 4), f"{path.name}: not a 4-bit paletted PNG")
    check(all(a in (0, 255) for a in alphas), f"{path.name}: partial transparency in a mask icon")
    check(0 in alphas, f"{path.name}: no transparent entry")
    used = set()
    for row in rows:
        for r, g, b, a in row:
            if a:
                rgb = (r << 16) | (g << 8) | b
                if check(rgb in VGA, f"{path.name}: colour #{rgb:06x} is not in the VGA palette"):
                    used.add(VGA[rgb])
    missing = PICTURE_COLOURS - used
    check(not missing, f"{path.name}: the picture lacks {sorted(missing)}")
    corners = [rows[0][0], rows[0][-1], rows[-1][0], rows[-1][-1]]
    check(all(p[3] == 0 for p in corners), f"{path.name}: its corners are not transparent")


def check_sizes(directory):
    for size in (48, 64, 128):
        path = directory / f"velbrin-{size}.png"
        width, height, *_ = read_png(path)
        check((width, height) == (size, size), f"{path.name}: {width}x{height}")
    root = ET.parse(directory / "velbrin.svg").getroot()
    check(root.tag == "{http://www.w3.org/2000/svg}svg", "velbrin.svg: root is not svg")
    check(root.get("viewBox") == "0 0 32 32", "velbrin.svg: no square viewBox")


def check_regenerated(directory, scratch):
    shutil.rmtree(scratch, ignore_errors=True)
    subprocess.run([sys.executable, str(directory / "make-icons.py"), str(scratch)], check=True)
    for name in ["velbrin-32.png", "velbrin-48.png", "velbrin-64.png", "velbrin-128.png"]:
        # Pixels, not bytes: another zlib may pack the same picture differently.
        check(read_png(directory / name) == read_png(scratch / name),
              f"{name}: differs from what make-icons.py draws; run it and commit")
    check((directory / "velbrin.svg").read_text() == (scratch / "velbrin.svg").read_text(),
          "velbrin.svg: differs from what make-icons.py draws; run it and commit")


def main():
    directory, scratch = Path(sys.argv[1]), Path(sys.argv[2])
    check_window_icon(directory / "velbrin-32.png")
    check_sizes(directory)
    check_regenerated(directory, scratch)
    for message in failures:
        print(message)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
