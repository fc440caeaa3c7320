#!/usr/bin/env python3
"""Writes the feature maps the tile drawing is checked with: for each feature a folder holding the
tile sheets (PNG), the map as Tiled's own TMX (the source) and Map.json, exported from it by the real
Tiled (`tiled --export-map json`). Run from anywhere; needs Debian's tiled package.

    python3 tests/data/tiled/features/make-features.py
"""
import os
import struct
import subprocess
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
TILE = 16
MAGENTA = (255, 0, 255, 255)
GAP = (230, 20, 20, 255)  # between the tiles of a spaced sheet: any wrong cut shows red


def write_png(path, width, height, pixel):
    rows = b"".join(b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(rows, 9)))
        out.write(chunk(b"IEND", b""))


def tile_colour(index):
    return ((index * 67 + 40) % 256, (index * 131 + 90) % 256, (index * 29 + 160) % 256, 255)


def marked(index, x, y, w, h, background=None):
    """A tile that shows which way it is turned: a dark bar along its top, a light one down its left,
    a dot near its bottom-right corner."""
    if y < max(1, h // 8):
        return (20, 20, 30, 255)
    if x < max(1, w // 8):
        return (240, 240, 230, 255)
    if w - 4 <= x < w - 2 and h - 4 <= y < h - 2:
        return (250, 200, 0, 255)
    if background is not None and (x + y) % 5 == 0:
        return background
    return tile_colour(index)


def sheet(path, columns, rows, w, h, margin=0, spacing=0, background=None, base=0):
    width = 2 * margin + columns * w + (columns - 1) * spacing
    height = 2 * margin + rows * h + (rows - 1) * spacing

    def pixel(x, y):
        gx, gy = x - margin, y - margin
        if gx < 0 or gy < 0:
            return GAP
        column, tx = divmod(gx, w + spacing)
        row, ty = divmod(gy, h + spacing)
        if column >= columns or row >= rows or tx >= w or ty >= h:
            return GAP
        return marked(base + row * columns + column, tx, ty, w, h, background)

    write_png(path, width, height, pixel)
    return width, height


def tileset_xml(name, firstgid, image, size, w, h, columns, count, margin=0, spacing=0, extra="", inner=""):
    attrs = f'firstgid="{firstgid}" name="{name}" tilewidth="{w}" tileheight="{h}" tilecount="{count}" columns="{columns}"'
    if margin:
        attrs += f' margin="{margin}"'
    if spacing:
        attrs += f' spacing="{spacing}"'
    trans = f' trans="{extra}"' if extra else ""
    return (f' <tileset {attrs}>\n{inner}  <image source="{image}"{trans} width="{size[0]}" height="{size[1]}"/>\n'
            f' </tileset>\n')


def layer_xml(name, ids, width, height, attrs=""):
    rows = [",".join(str(i) for i in ids[r * width:(r + 1) * width]) for r in range(height)]
    return (f' <layer name="{name}" width="{width}" height="{height}"{attrs}>\n  <data encoding="csv">\n'
            + ",\n".join(rows) + "\n  </data>\n </layer>\n")


def write_map(folder, width, height, tilesets, layers):
    os.makedirs(folder, exist_ok=True)
    tmx = (f'<?xml version="1.0" encoding="UTF-8"?>\n<map version="1.8" tiledversion="1.8.2" orientation="orthogonal" '
           f'renderorder="right-down" width="{width}" height="{height}" tilewidth="{TILE}" tileheight="{TILE}" '
           f'infinite="0" nextlayerid="{len(layers) + 1}" nextobjectid="1">\n' + "".join(tilesets) + "".join(layers) + "</map>\n")
    with open(os.path.join(folder, "Map.tmx"), "w") as out:
        out.write(tmx)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    subprocess.run(["tiled", "--export-map", "json", "Map.tmx", "Map.json"], cwd=folder, env=env, check=True,
                   stderr=subprocess.DEVNULL)


H, V, D = 0x80000000, 0x40000000, 0x20000000
W, R = 10, 8  # every map is 10 x 8 cells of 16 pixels


def plain_cells(folder):
    return sheet(os.path.join(folder, "Cells.png"), 4, 4, TILE, TILE)


def flips():
    folder = os.path.join(HERE, "flips")
    os.makedirs(folder, exist_ok=True)
    size = plain_cells(folder)
    flags = [0, H, V, D, H | V, H | D, V | D, H | V | D]
    ids = [(1 + (i % 16)) | flags[(i // 3) % 8] for i in range(W * R)]
    write_map(folder, W, R, [tileset_xml("Cells", 1, "Cells.png", size, TILE, TILE, 4, 16)],
              [layer_xml("Ground", ids, W, R)])


def margin_spacing():
    folder = os.path.join(HERE, "margin-spacing")
    os.makedirs(folder, exist_ok=True)
    size = sheet(os.path.join(folder, "Spaced.png"), 4, 4, TILE, TILE, margin=2, spacing=3)
    ids = [1 + (i * 5) % 16 for i in range(W * R)]
    write_map(folder, W, R, [tileset_xml("Spaced", 1, "Spaced.png", size, TILE, TILE, 4, 16, margin=2, spacing=3)],
              [layer_xml("Ground", ids, W, R)])


def transparent_colour():
    folder = os.path.join(HERE, "transparent-colour")
    os.makedirs(folder, exist_ok=True)
    ground = plain_cells(folder)
    keyed = sheet(os.path.join(folder, "Keyed.png"), 4, 2, TILE, TILE, background=MAGENTA, base=5)
    below = [1 + (i % 16) for i in range(W * R)]
    above = [17 + (i * 3) % 8 if i % 4 else 0 for i in range(W * R)]
    write_map(folder, W, R, [tileset_xml("Cells", 1, "Cells.png", ground, TILE, TILE, 4, 16),
                             tileset_xml("Keyed", 17, "Keyed.png", keyed, TILE, TILE, 4, 8, extra="ff00ff")],
              [layer_xml("Ground", below, W, R), layer_xml("Over", above, W, R)])


def big_tiles():
    folder = os.path.join(HERE, "big-tiles")
    os.makedirs(folder, exist_ok=True)
    ground = plain_cells(folder)
    big = sheet(os.path.join(folder, "Big.png"), 2, 2, 32, 48, base=3)
    below = [1 + (i % 16) for i in range(W * R)]
    # Trees on every third cell of the lower rows: each stands on its cell's bottom-left corner and
    # reaches up over the cells above and to the right.
    above = [17 + (i % 4) if (i // W) >= 3 and i % 3 == 0 and (i % W) < W - 2 else 0 for i in range(W * R)]
    offset = '  <tileoffset x="2" y="-3"/>\n'
    write_map(folder, W, R, [tileset_xml("Cells", 1, "Cells.png", ground, TILE, TILE, 4, 16),
                             tileset_xml("Big", 17, "Big.png", big, 32, 48, 2, 4, inner=offset)],
              [layer_xml("Ground", below, W, R), layer_xml("Trees", above, W, R)])


def two_tilesets():
    folder = os.path.join(HERE, "two-tilesets")
    os.makedirs(folder, exist_ok=True)
    first = plain_cells(folder)
    second = sheet(os.path.join(folder, "Other.png"), 3, 3, TILE, TILE, base=20)
    ids = [1 + (i % 16) if (i // W) % 2 == 0 else 17 + (i % 9) for i in range(W * R)]
    write_map(folder, W, R, [tileset_xml("Cells", 1, "Cells.png", first, TILE, TILE, 4, 16),
                             tileset_xml("Other", 17, "Other.png", second, TILE, TILE, 3, 9)],
              [layer_xml("Ground", ids, W, R)])


def layer_offset():
    folder = os.path.join(HERE, "layer-offset")
    os.makedirs(folder, exist_ok=True)
    size = plain_cells(folder)
    below = [1 + (i % 16) for i in range(W * R)]
    above = [1 + (i * 7) % 16 if (i % W) < W - 1 and (i // W) < R - 1 else 0 for i in range(W * R)]
    write_map(folder, W, R, [tileset_xml("Cells", 1, "Cells.png", size, TILE, TILE, 4, 16)],
              [layer_xml("Ground", below, W, R),
               layer_xml("Shifted", above, W, R, ' opacity="0.5" offsetx="5" offsety="7"')])


def animation():
    folder = os.path.join(HERE, "animation")
    os.makedirs(folder, exist_ok=True)
    size = plain_cells(folder)
    frames = "".join(f'    <frame tileid="{t}" duration="{d}"/>\n' for t, d in ((4, 250), (5, 250), (6, 500)))
    inner = f'  <tile id="0">\n   <animation>\n{frames}   </animation>\n  </tile>\n'
    ids = [1 if i % 3 == 0 else 9 + (i % 4) for i in range(W * R)]
    write_map(folder, W, R, [tileset_xml("Cells", 1, "Cells.png", size, TILE, TILE, 4, 16, inner=inner)],
              [layer_xml("Ground", ids, W, R)])


if __name__ == "__main__":
    for make in (flips, margin_spacing, transparent_colour, big_tiles, two_tilesets, layer_offset, animation):
        make()
