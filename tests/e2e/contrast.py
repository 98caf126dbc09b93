#!/usr/bin/env python3
"""Contrast of the text in screen areas, measured from a screenshot.

    contrast.py SHOT.ppm NAME=X,Y,W,H ...

For each area the background is its most frequent colour and the text the pixel that differs most
from it in luminance; the contrast is the WCAG ratio of the two. Prints one line per area and ends
with status 1 when any area falls below 4.5:1, naming it.
"""
import sys
from collections import Counter

MINIMUM = 4.5


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:  # magic, width, height, maximum, separated by white space and comments
        while data[pos : pos + 1].isspace():
            pos += 1
        if data[pos : pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end : end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        sys.exit(f"{path}: not an 8-bit P6 picture")
    return int(fields[1]), int(fields[2]), data[pos + 1 :]


def luminance(rgb):
    def linear(c):
        c /= 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(area, width, pixels):
    x, y, w, h = area
    colours = Counter()
    for row in range(y, y + h):
        start = 3 * (row * width + x)
        line = pixels[start : start + 3 * w]
        colours.update(line[i : i + 3] for i in range(0, len(line), 3))
    back = colours.most_common(1)[0][0]
    lb = luminance(back)
    text = max(colours, key=lambda c: abs(luminance(c) - lb))
    lt = luminance(text)
    return (max(lb, lt) + 0.05) / (min(lb, lt) + 0.05), back, text


def main():
    width, height, pixels = read_ppm(sys.argv[1])
    low = []
    for spec in sys.argv[2:]:
        name, _, numbers = spec.partition("=")
        x, y, w, h = (int(n) for n in numbers.split(","))
        if w <= 0 or h <= 0 or x < 0 or y < 0 or x + w > width or y + h > height:
            sys.exit(f"{name}: area {numbers} lies outside the {width}x{height} screenshot")
        ratio, back, text = contrast((x, y, w, h), width, pixels)
        print(f"{name}: {ratio:.2f}:1 (text #{text.hex()} on #{back.hex()})")
        if ratio < MINIMUM:
            low.append(f"{name} {ratio:.2f}:1")
    if low:
        print(f"below {MINIMUM}:1: " + ", ".join(low))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
