#!/usr/bin/python3
"""Re-create the pictures used by Zel Mayan Animal Sign.

The animal pictures are drawn from the vector drawings of the Noto emoji
(Google's noto-emoji artwork, Apache License 2.0, see LICENSE-Apache-2.0.txt),
kept in animals/vectors/.  Each is drawn twice: at its own size and at twice
that size, the @2x twin Qt shows at 200 %.
The application icon and the pointing-hand mouse pointers are drawn here.

Run with Debian's python3 (python3-pil needed) and rsvg-convert (librsvg2-bin),
from anywhere:

    /usr/bin/python3 resources/make_pictures.py

The vector drawings came from the npm package @iconify-json/noto 1.2.9, the
noto-emoji drawings as one JSON file (Apache License 2.0, like the drawings);
to take them from it again:

    npm pack @iconify-json/noto@1.2.9 && tar xzf iconify-json-noto-1.2.9.tgz
    /usr/bin/python3 resources/make_pictures.py --icon-set package

Everything is written beside this script.  The build uses the finished
pictures (compiled in by CMake) and never runs this script.
"""

import io
import json
import os
import shutil
import struct
import subprocess
import sys

from PIL import Image, ImageChops, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
VECTORS = os.path.join(HERE, "animals", "vectors")
RASTER_SIZE = 1024  # the drawings are rasterised this large, then reduced

# file name, emoji code point, (width, height) of the small picture
ANIMALS = [
    ("01bat.jpg", 0x1F987, (124, 123)),       # bat
    ("02scorpion.jpg", 0x1F982, (118, 103)),  # scorpion
    ("03deer.jpg", 0x1F98C, (124, 106)),      # deer
    ("04owl.jpg", 0x1F989, (116, 116)),       # owl
    ("05peacock.jpg", 0x1F99A, (116, 116)),   # peacock
    ("06lizard.jpg", 0x1F98E, (123, 123)),    # lizard
    ("07monkey.jpg", 0x1F412, (108, 136)),    # monkey
    ("08hawk.jpg", 0x1F985, (137, 103)),      # eagle, standing in for the hawk
    ("09balam.jpg", 0x1F406, (78, 58)),       # leopard, standing in for the jaguar
    ("10dog.jpg", 0x1F415, (121, 121)),       # dog
    ("11snake.jpg", 0x1F40D, (124, 100)),     # snake
    ("12rabbit.jpg", 0x1F407, (134, 121)),    # rabbit
    ("13turtle.jpg", 0x1F422, (122, 105)),    # turtle
]

GREEN = (0, 128, 0)
CREAM_CENTRE = (255, 251, 236)
CREAM_EDGE = (242, 226, 190)


def out_path(*parts):
    path = os.path.join(HERE, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def twin_name(name):
    """Qt's name for the picture twice as large: 01bat@2x.jpg beside 01bat.jpg."""
    stem, suffix = os.path.splitext(name)
    return f"{stem}@2x{suffix}"


# ---------------------------------------------------------------- animals

def vector_path(name):
    return os.path.join(VECTORS, os.path.splitext(name)[0] + ".svg")


def extract_vectors(package):
    """Each animal's drawing, out of the icon set's JSON, as an SVG file of its own."""
    with open(os.path.join(package, "chars.json")) as f:
        names_by_code_point = json.load(f)
    with open(os.path.join(package, "icons.json")) as f:
        icon_set = json.load(f)
    for name, code_point, _ in ANIMALS:
        icon_name = names_by_code_point.get(f"{code_point:x}")
        icon = icon_set["icons"].get(icon_name)
        if icon is None:
            sys.exit(f"the icon set has no drawing for U+{code_point:04X}")
        width = icon.get("width", icon_set.get("width", 16))
        height = icon.get("height", icon_set.get("height", 16))
        svg = (f'<?xml version="1.0" encoding="UTF-8"?>\n'
               f'<svg xmlns="http://www.w3.org/2000/svg" '
               f'xmlns:xlink="http://www.w3.org/1999/xlink" '
               f'viewBox="0 0 {width} {height}">{icon["body"]}</svg>\n')
        target = out_path("animals", "vectors", os.path.basename(vector_path(name)))
        with open(target, "w") as f:
            f.write(svg)
        print(f"animals/vectors/{os.path.basename(target)}: \"{icon_name}\", U+{code_point:04X}")


def vector_glyph(name):
    """The animal's drawing, rasterised large and cropped to its visible pixels."""
    png = subprocess.run(["rsvg-convert", "--width", str(RASTER_SIZE), "--height",
                          str(RASTER_SIZE), "--format", "png", vector_path(name)],
                         check=True, stdout=subprocess.PIPE).stdout
    glyph = Image.open(io.BytesIO(png)).convert("RGBA")
    box = glyph.getchannel("A").getbbox()
    if box is None:
        sys.exit(f"{vector_path(name)} draws nothing")
    return glyph.crop(box)


def radial_background(size):
    """A pale cream background, lighter in the middle, warmer at the edges."""
    width, height = size
    cx, cy = (width - 1) / 2, (height - 1) / 2
    reach = (cx * cx + cy * cy) ** 0.5 or 1.0
    img = Image.new("RGB", size)
    pixels = img.load()
    for y in range(height):
        for x in range(width):
            t = (((x - cx) ** 2 + (y - cy) ** 2) ** 0.5 / reach) ** 1.6
            pixels[x, y] = tuple(round(c + (e - c) * t)
                                 for c, e in zip(CREAM_CENTRE, CREAM_EDGE))
    return img


def draw_animal(glyph, size, fill=0.88):
    """The glyph scaled to fit `size` (aspect ratio kept), centred."""
    width, height = size
    scale = min(width * fill / glyph.width, height * fill / glyph.height)
    scaled = glyph.resize((max(1, round(glyph.width * scale)),
                           max(1, round(glyph.height * scale))),
                          Image.LANCZOS)
    picture = radial_background(size).convert("RGBA")
    picture.alpha_composite(scaled, ((width - scaled.width) // 2,
                                     (height - scaled.height) // 2))
    return picture.convert("RGB")


def save_jpeg(picture, name):
    # Baseline, not progressive: the form every JPEG reader takes.
    picture.save(out_path("animals", name), "JPEG", quality=90,
                 progressive=False, optimize=False)


def make_animals():
    for name, code_point, (width, height) in ANIMALS:
        glyph = vector_glyph(name)
        save_jpeg(draw_animal(glyph, (width, height)), name)
        save_jpeg(draw_animal(glyph, (2 * width, 2 * height)), twin_name(name))
        print(f"animals/{name}: {width}x{height}, {twin_name(name)}: "
              f"{2 * width}x{2 * height}, from U+{code_point:04X}")


# ------------------------------------------------------------------- icon

def draw_icon(size):
    """Crescent moon over a stepped pyramid on a green disc.

    Drawn four times larger than asked for and then reduced, which gives
    smooth edges at every size.
    """
    big = size * 4
    u = big / 32.0  # one pixel of the 32 px icon
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)

    # green disc with a darker rim
    d.ellipse((0.5 * u, 0.5 * u, 31.5 * u, 31.5 * u), fill=(0, 90, 0, 255))
    d.ellipse((1.7 * u, 1.7 * u, 30.3 * u, 30.3 * u), fill=GREEN + (255,))

    # crescent moon: a pale disc with a second disc cut out of it
    moon = Image.new("L", (big, big), 0)
    md = ImageDraw.Draw(moon)
    md.ellipse((5.5 * u, 4.0 * u, 17.5 * u, 16.0 * u), fill=255)
    md.ellipse((9.6 * u, 2.4 * u, 20.6 * u, 13.4 * u), fill=0)
    img.paste((255, 236, 140, 255), (0, 0), moon)

    # stepped pyramid with a small temple on top
    stone = (226, 190, 120, 255)
    shade = (170, 128, 64, 255)
    steps = [(6.0, 26.0, 26.0, 28.4), (8.5, 23.0, 23.5, 26.0),
             (11.0, 20.0, 21.0, 23.0), (13.0, 17.0, 19.0, 20.0)]
    for x0, y0, x1, y1 in steps:
        d.rectangle((x0 * u, y0 * u, x1 * u, y1 * u), fill=stone)
        d.rectangle((x0 * u, (y1 - 0.9) * u, x1 * u, y1 * u), fill=shade)
    d.rectangle((14.2 * u, 14.2 * u, 17.8 * u, 17.0 * u), fill=stone)
    d.rectangle((15.3 * u, 15.3 * u, 16.7 * u, 17.0 * u), fill=(60, 40, 20, 255))
    # the stairway up the middle
    d.rectangle((15.0 * u, 17.0 * u, 17.0 * u, 28.4 * u), fill=(200, 160, 95, 255))
    for y in range(17, 28):
        d.line((15.0 * u, (y + 0.5) * u, 17.0 * u, (y + 0.5) * u),
               fill=shade, width=max(1, round(u * 0.3)))

    # keep everything inside the disc
    disc = Image.new("L", (big, big), 0)
    ImageDraw.Draw(disc).ellipse((0.5 * u, 0.5 * u, 31.5 * u, 31.5 * u), fill=255)
    img.putalpha(ImageChops.multiply(img.getchannel("A"), disc))
    return img.resize((size, size), Image.LANCZOS)


def to_palette(rgba):
    """At most 256 colours, with the transparency kept in the palette."""
    return rgba.quantize(colors=255, method=Image.Quantize.FASTOCTREE)


def write_ico(rgba, path):
    """A one-picture Windows icon: 32-bit BGRA bitmap plus its AND mask."""
    width, height = rgba.size
    pixels = rgba.load()
    xor = bytearray()
    mask = bytearray()
    mask_stride = (width + 31) // 32 * 4
    for y in reversed(range(height)):  # bitmaps are stored bottom-up
        bits = bytearray(mask_stride)
        for x in range(width):
            r, g, b, a = pixels[x, y]
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack(
        "<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + image)


def make_icon():
    for size, name in ((32, "app.png"), (48, "app-48.png"),
                       (64, "app-64.png"), (256, "app-256.png")):
        icon = to_palette(draw_icon(size))
        icon.save(out_path("icon", name), optimize=True)
        if size == 32:
            write_ico(icon.convert("RGBA"), out_path("icon", "app.ico"))
        print(f"icon/{name}: {size}x{size}, {len(icon.getcolors())} colours")
    print("icon/app.ico: 32x32")
    make_bundle_icon()


def make_bundle_icon():
    """The macOS bundle icon from the same pictures (png2icns, Debian package icnsutils).

    The format has no 64 x 64 picture of its own; 32, 48 and 256 go in.
    """
    if not shutil.which("png2icns"):
        print("icon/app.icns: left as it is (png2icns, package icnsutils, is missing)")
        return
    pictures = [out_path("icon", name) for name in ("app.png", "app-48.png", "app-256.png")]
    subprocess.run(["png2icns", out_path("icon", "app.icns"), *pictures], check=True,
                   stdout=subprocess.DEVNULL)
    print("icon/app.icns: 32x32, 48x48, 256x256")


# ----------------------------------------------------------------- pointer

# The hand, one character a pixel: '#' outline, '.' inside, ' ' transparent.
HAND = [
    "",
    "         ###",
    "        #...#",
    "        #...#",
    "        #...#",
    "        #...#",
    "        #...#",
    "        #...####",
    "        #...#...###",
    "        #...#...#..###",
    "        #...#...#..#..#",
    "   ##   #...#...#..#..#",
    "  #..#  #...#...#..#..#",
    "  #...# #.............#",
    "   #...##.............#",
    "   #....#.............#",
    "    #.................#",
    "    #.................#",
    "     #...............#",
    "     #...............#",
    "      #.............#",
    "      #.............#",
    "       #...........#",
    "       #...........#",
    "       #############",
]
HOT_SPOT = (10, 1)  # the middle of the index finger's tip

TRANSPARENT = 0


def hand_cells():
    grid = [row.ljust(32) for row in HAND] + [" " * 32] * (32 - len(HAND))
    return grid[:32]


def make_cursor(palette, colour_of, scale=1):
    """A 32x32 palette picture, each cell of the hand `scale` pixels square; index 0 is fully
    transparent. The hand is pixel art: its twice-as-large twin is the same cells, each two
    pixels wide, which is sharp where a picture scaled up by the system would be blurred."""
    img = Image.new("P", (32 * scale, 32 * scale), TRANSPARENT)
    flat = []
    for rgb in palette:
        flat.extend(rgb)
    img.putpalette(flat)
    grid = hand_cells()
    draw = ImageDraw.Draw(img)
    for y, row in enumerate(grid):
        for x, cell in enumerate(row):
            if cell != " ":
                draw.rectangle((x * scale, y * scale, x * scale + scale - 1,
                                y * scale + scale - 1), fill=colour_of(grid, x, y))
    img.info["transparency"] = TRANSPARENT
    return img


def save_cursor(palette, colour_of, name):
    """The pointer and its twin for 200 %, hand-mono.png and hand-mono@2x.png."""
    for scale, file_name in ((1, name), (2, twin_name(name))):
        make_cursor(palette, colour_of, scale).save(out_path("cursors", file_name),
                                                    transparency=TRANSPARENT)


def make_cursors():
    # monochrome: transparent, black outline, white inside
    save_cursor([(0, 0, 0), (0, 0, 0), (255, 255, 255)],
                lambda g, x, y: 1 if g[y][x] == "#" else 2, "hand-mono.png")

    # coloured: dark brown outline, skin with a highlight on the left
    # and a shadow on the right of every finger and of the palm
    palette = [(0, 0, 0), (58, 34, 20), (246, 208, 170), (255, 234, 210),
               (214, 162, 118)]

    def skin(g, x, y):
        if g[y][x] == "#":
            return 1
        if g[y][x + 1] == "#" or g[y + 1][x] == "#":
            return 4
        if g[y][x - 1] == "#":
            return 3
        return 2

    save_cursor(palette, skin, "hand-16.png")

    note = f"hot spot: x={HOT_SPOT[0]} y={HOT_SPOT[1]}"
    with open(out_path("cursors", "HOTSPOT.txt"), "w") as f:
        f.write(f"hand-mono.png and hand-16.png (32x32), both {note}; their @2x twins "
                f"(64x64) at twice that\n")
    print(f"cursors/hand-mono.png, cursors/hand-16.png: 32x32, {note}; @2x twins 64x64")


if __name__ == "__main__":
    if sys.argv[1:2] == ["--icon-set"] and len(sys.argv) == 3:
        extract_vectors(sys.argv[2])
    elif sys.argv[1:]:
        sys.exit(f"usage: {sys.argv[0]} [--icon-set path/to/package]")
    make_animals()
    make_icon()
    make_cursors()
