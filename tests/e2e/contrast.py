# SPDX-License-Identifier: GPL-3.0-or-later
"""contrast.py SHOT.ppm NAME=X,Y,W,H ...: the WCAG contrast of each area of a screenshot, between its
most frequent colour (the background) and the pixel most unlike it in luminance (the text). Ends with
status 1 when any area falls below 4.5:1, naming it."""
import re
import sys
from collections import Counter


def luminance(rgb):
    c = [v / 255 / 12.92 if v <= 10 else ((v / 255 + 0.055) / 1.055) ** 2.4 for v in rgb]
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]


data = open(sys.argv[1], "rb").read()
header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
width, height, pixels = int(header[1]), int(header[2]), data[header.end():]
low = []
for area in sys.argv[2:]:
    name, _, numbers = area.partition("=")
    x, y, w, h = (int(n) for n in numbers.split(","))
    if w <= 0 or h <= 0 or x < 0 or y < 0 or x + w > width or y + h > height:
        sys.exit(f"{name}: area {numbers} lies outside the {width}x{height} screenshot")
    colours = Counter()
    for row in range(y, y + h):
        line = pixels[3 * (row * width + x):3 * (row * width + x + w)]
        colours.update(line[i:i + 3] for i in range(0, len(line), 3))
    back = colours.most_common(1)[0][0]
    text = max(colours, key=lambda c: abs(luminance(c) - luminance(back)))
    lb, lt = luminance(back), luminance(text)
    ratio = (max(lb, lt) + 0.05) / (min(lb, lt) + 0.05)
    print(f"{name}: {ratio:.2f}:1 (text #{text.hex()} on #{back.hex()})")
    if ratio < 4.5:
        low.append(f"{name} {ratio:.2f}:1")
if low:
    print("below 4.5:1: " + ", ".join(low))
sys.exit(1 if low else 0)
