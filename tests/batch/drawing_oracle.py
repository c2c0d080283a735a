# SPDX-License-Identifier: EUPL-1.2
"""Compares lines of a sheet, as poppler draws them, with the same texts drawn by pango
(HarfBuzz and cairo) in the faces the sheet embeds, apart from the writer's own shaping:

  drawing_oracle.py SHEET.pdf SIZE BOX PRINTED DRAWN [BOX PRINTED DRAWN]...

Each BOX, "left,top,right,bottom" in points from the page's top-left corner, holds the one
line PRINTED in SIZE points; pango draws DRAWN, the same text but in the oracle's own tests.
Prints a line for each: "même dessin", "autre dessin (...)" with what differs, or "standard"
when PRINTED is a text that Windows-1252 holds, which the reader draws in its own substitute
for the standard font, out of the writer's hands.
"""

import os
import re
import subprocess
import sys
import tempfile

import numpy
from PIL import Image

DPI = 300
INK = 128  # a pixel darker than this is ink
# The two layouts may give a space a pixel more or less (the writer takes it from the run's
# face, pango from the word's): each tile of TILE columns of one drawing is laid on the other
# moved by at most SHIFT pixels across and 2 down or up, wherever it fits best.
TILE = 24
SHIFT = 6
# Ink of a tile farther than a pixel from the other drawing's ink: the two rasterisers'
# antialiasing and a fraction of a pixel's placement leave none; a wrong accent or letter
# leaves from 18 pixels up.
APART = 4


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def embedded_families(sheet):
    """The families of the embedded subsets, Liberation first as the writer picks it first."""
    families = []
    for line in run("pdffonts", sheet).splitlines()[2:]:
        match = re.match(r"[A-Z]{6}\+(\S+)", line)
        if not match:
            continue
        family = run("fc-list", ":postscriptname=" + match.group(1), "family").split("\n")[0]
        family = family.split(",")[0].strip()
        if family and family not in families:
            families.append(family)
    return sorted(families, key=lambda f: not f.startswith("Liberation"))


def trimmed(pixels):
    """The part of `pixels` that holds ink, None without any."""
    rows, columns = numpy.nonzero(pixels)
    if rows.size == 0:
        return None
    return pixels[rows.min() : rows.max() + 1, columns.min() : columns.max() + 1]


def sheet_part(sheet, box, folder):
    """The grey levels of the page's part in `box`, in pixels."""
    left, top, right, bottom = box
    prefix = os.path.join(folder, "sheet")
    run("pdftoppm", "-r", str(DPI), "-gray", "-png", "-singlefile", "-f", "1", "-l", "1",
        "-x", str(left), "-y", str(top), "-W", str(right - left), "-H", str(bottom - top),
        sheet, prefix)
    return numpy.asarray(Image.open(prefix + ".png").convert("L"))


def pango_line(text, font, folder):
    output = os.path.join(folder, "pango.png")
    # The sheet's runs start left to right whatever their letters, as the writer orders them.
    run("pango-view", "-q", "--no-auto-dir", "--font", font, "--dpi", str(DPI), "--margin", "0",
        "--foreground", "black", "--background", "white", "--hinting", "none",
        "--hint-metrics", "off", "--subpixel-positions", "--antialias", "gray", "-t", text,
        "-o", output)
    return trimmed(numpy.asarray(Image.open(output).convert("L")) < INK)


def near(pixels):
    """The pixels within one pixel of ink."""
    padded = numpy.pad(pixels, 1)
    grown = numpy.zeros_like(pixels)
    height, width = pixels.shape
    for dy in range(3):
        for dx in range(3):
            grown |= padded[dy : dy + height, dx : dx + width]
    return grown


def lone_ink(a, b):
    """Ink of a farther than a pixel from b's, b moved on its own under each tile of a."""
    height, width = a.shape
    margin = SHIFT + 2
    grown = numpy.pad(near(b), margin)
    lone = 0
    for x in range(0, width, TILE):
        tile = a[:, x : x + TILE]
        lone += min(
            int((tile & ~grown[margin + dy : margin + dy + height,
                               margin + x + dx : margin + x + dx + tile.shape[1]]).sum())
            for dy in range(-2, 3)
            for dx in range(-SHIFT, SHIFT + 1)
        )
    return lone


def verdict(drawn, expected):
    if drawn is None or expected is None:
        return "autre dessin (pas d'encre)"
    (h1, w1), (h2, w2) = drawn.shape, expected.shape
    if abs(h1 - h2) > 2 or abs(w1 - w2) > max(3, w2 // 50):
        return f"autre dessin ({w1}×{h1} au lieu de {w2}×{h2} pixels)"
    height, width = max(h1, h2), max(w1, w2)
    ours = numpy.pad(drawn, ((0, height - h1), (0, width - w1)))
    theirs = numpy.pad(expected, ((0, height - h2), (0, width - w2)))
    pixels = lone_ink(ours, theirs) + lone_ink(theirs, ours)
    if pixels > APART:
        return f"autre dessin ({pixels} pixels à part)"
    return "même dessin"


def in_pixels(box):
    return [round(float(v) * DPI / 72) for v in box.split(",")]


def fits_windows_1252(text):
    try:
        text.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def main():
    sheet, size, lines = sys.argv[1], sys.argv[2], sys.argv[3:]
    boxes = [in_pixels(box) for box in lines[0::3]]
    whole = [min(b[0] for b in boxes), min(b[1] for b in boxes)]
    whole += [max(b[2] for b in boxes), max(b[3] for b in boxes)]
    font = ",".join(embedded_families(sheet)) + " " + size
    with tempfile.TemporaryDirectory() as folder:
        page = sheet_part(sheet, whole, folder)
        for (left, top, right, bottom), printed, drawn in zip(boxes, lines[1::3], lines[2::3]):
            if fits_windows_1252(printed):
                print("standard")
                continue
            part = page[top - whole[1] : bottom - whole[1], left - whole[0] : right - whole[0]]
            print(verdict(trimmed(part < INK), pango_line(drawn, font, folder)))


if __name__ == "__main__":
    main()
