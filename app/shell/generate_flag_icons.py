#!/usr/bin/env python3
"""Draws the language selector's four flag pictures as Windows icon files.

Usage: generate_flag_icons.py OUTPUT_FOLDER

Writes german.ico, english.ico, spain.ico and slovakia.ico, each with a 16 and
a 32 pixel picture (32-bit, with transparency). The flags are simplified: the
Spanish one has no coat of arms and the Slovak one a plain shield with the
double cross. Only the standard library is needed.
"""

import math
import os
import struct
import sys

SUPERSAMPLING = 4


def german(u, v):
    if v < 1 / 3:
        return (0, 0, 0)
    if v < 2 / 3:
        return (221, 0, 0)
    return (255, 206, 0)


def english(u, v):
    width, height = 3.0, 2.0
    x, y = u * width, v * height
    slope = height / width
    norm = math.sqrt(1 + slope * slope)
    to_diagonal = min(abs(y - x * slope), abs(y - (height - x * slope))) / norm
    to_cross = min(abs(x - width / 2), abs(y - height / 2))
    if to_cross < height * 0.1:
        return (200, 16, 46)
    if to_cross < height * 0.167:
        return (255, 255, 255)
    if to_diagonal < height * 0.035:
        return (200, 16, 46)
    if to_diagonal < height * 0.1:
        return (255, 255, 255)
    return (1, 33, 105)


def spain(u, v):
    if 0.25 <= v < 0.75:
        return (255, 196, 0)
    return (198, 11, 30)


def slovakia(u, v):
    colour = (255, 255, 255) if v < 1 / 3 else (11, 78, 162) if v < 2 / 3 else (238, 28, 37)
    # Shield: straight sides, round bottom; white rim, red field, white cross.
    left, right, top, bottom = 0.17, 0.43, 0.2, 0.8
    centre = (left + right) / 2
    half_width = (right - left) / 2
    round_from = bottom - half_width * 1.5

    def in_shield(margin):
        if u < left + margin or u > right - margin or v < top + margin * 1.5:
            return False
        if v <= round_from:
            return True
        dx = (u - centre) / (half_width - margin)
        dy = (v - round_from) / (bottom - round_from - margin * 1.5)
        return dx * dx + dy * dy <= 1.0

    if not in_shield(0.0):
        return colour
    if not in_shield(0.025):
        return (255, 255, 255)
    on_bar = abs(u - centre) < 0.025 and 0.28 < v < 0.68
    on_arm = (abs(v - 0.37) < 0.03 and abs(u - centre) < 0.07) or (
        abs(v - 0.48) < 0.03 and abs(u - centre) < 0.09
    )
    if on_bar or on_arm:
        return (255, 255, 255)
    return (238, 28, 37)


def render(flag, size):
    """Rows top to bottom of (r, g, b, a); the flag is 3:2, centred vertically."""
    flag_height = round(size * 2 / 3)
    top = (size - flag_height) // 2
    rows = []
    for row in range(size):
        pixels = []
        for column in range(size):
            if row < top or row >= top + flag_height:
                pixels.append((0, 0, 0, 0))
                continue
            total = [0, 0, 0]
            for sy in range(SUPERSAMPLING):
                for sx in range(SUPERSAMPLING):
                    u = (column + (sx + 0.5) / SUPERSAMPLING) / size
                    v = (row - top + (sy + 0.5) / SUPERSAMPLING) / flag_height
                    for i, channel in enumerate(flag(u, v)):
                        total[i] += channel
            samples = SUPERSAMPLING * SUPERSAMPLING
            pixels.append(tuple(round(t / samples) for t in total) + (255,))
        rows.append(pixels)
    return rows


def bitmap_entry(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for column, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[column // 8] |= 0x80 >> (column % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def icon_file(flag):
    images = [(size, bitmap_entry(render(flag, size))) for size in (16, 32)]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in images:
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for _, image in images:
        data += image
    return data


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: generate_flag_icons.py OUTPUT_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, flag in (
        ("german.ico", german),
        ("english.ico", english),
        ("spain.ico", spain),
        ("slovakia.ico", slovakia),
    ):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(icon_file(flag))


if __name__ == "__main__":
    main()
