#!/usr/bin/env python3
"""Finds the tray icon in a strip of a panel and measures how it stands out.

Usage: contrast.py STRIP.ppm
Reads a binary PPM of the panel's strip; the background is the colour of its left end, where
the panel has nothing but its background. Prints "X Y W H RATIO BACKGROUND": the bounding box
of the pixels that differ from the background, the largest WCAG contrast ratio between one of
them and the background, and the background's relative luminance.
"""
import sys


def read_ppm(path):
    with open(path, "rb") as source:
        data = source.read()
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position)
            continue
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    assert fields[0] == b"P6" and int(fields[3]) == 255, "an 8-bit binary PPM"
    width, height = int(fields[1]), int(fields[2])
    pixels = data[position + 1:]
    return width, height, pixels


def luminance(rgb):
    def channel(value):
        value /= 255
        return value / 12.92 if value <= 0.03928 else ((value + 0.055) / 1.055) ** 2.4
    red, green, blue = rgb
    return 0.2126 * channel(red) + 0.7152 * channel(green) + 0.0722 * channel(blue)


def contrast(first, second):
    lighter, darker = max(first, second), min(first, second)
    return (lighter + 0.05) / (darker + 0.05)


def main():
    width, height, pixels = read_ppm(sys.argv[1])
    def pixel(x, y):
        offset = 3 * (y * width + x)
        return tuple(pixels[offset:offset + 3])
    background = pixel(2, height // 2)
    background_luminance = luminance(background)
    box = None
    best = 1.0
    for y in range(height):
        for x in range(width):
            colour = pixel(x, y)
            if max(abs(a - b) for a, b in zip(colour, background)) <= 12:
                continue
            box = (x, y, x, y) if box is None else (min(box[0], x), min(box[1], y), max(box[2], x), max(box[3], y))
            best = max(best, contrast(luminance(colour), background_luminance))
    if box is None:
        print(f"0 0 0 0 1.0 {background_luminance:.3f}")
        return
    print(box[0], box[1], box[2] - box[0] + 1, box[3] - box[1] + 1, f"{best:.2f}", f"{background_luminance:.3f}")


main()
