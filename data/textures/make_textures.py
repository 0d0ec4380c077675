#!/usr/bin/env python3
"""Writes the texture bitmaps shipped with the program: 64 x 64, 24-bit BMP.

Run from this folder; the output is deterministic, so the committed files
can be regenerated and compared.
"""
import math
import random
import struct

SIZE = 64


def write_bmp(name, pixel):
    row_bytes = SIZE * 3  # already a multiple of 4
    data = bytearray()
    for y in range(SIZE - 1, -1, -1):  # bottom-up rows
        for x in range(SIZE):
            r, g, b = (max(0, min(255, int(c))) for c in pixel(x, y))
            data += bytes((b, g, r))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(name, 'wb') as f:
        f.write(header + info + data)


def noise_table(seed):
    rnd = random.Random(seed)
    return [[rnd.random() for _ in range(SIZE)] for _ in range(SIZE)]


def smooth(table, x, y, scale):
    # Bilinear value noise that wraps, so the tile repeats seamlessly.
    fx, fy = x / scale, y / scale
    x0, y0 = int(fx), int(fy)
    tx, ty = fx - x0, fy - y0
    n = SIZE // scale
    def v(i, j):
        return table[j % n][i % n]
    a = v(x0, y0) * (1 - tx) + v(x0 + 1, y0) * tx
    b = v(x0, y0 + 1) * (1 - tx) + v(x0 + 1, y0 + 1) * tx
    return a * (1 - ty) + b * ty


paper_noise = noise_table(1)
write_bmp('Paper.bmp', lambda x, y: [236 + 14 * paper_noise[y][x] - 7] * 2 + [222 + 14 * paper_noise[y][x] - 7])

wood_noise = noise_table(2)
def wood(x, y):
    ring = math.sin((x + 6 * smooth(wood_noise, x, y, 16)) * 2 * math.pi * 4 / SIZE)
    k = 0.5 + 0.5 * ring
    return (150 + 60 * k, 95 + 40 * k, 45 + 20 * k)
write_bmp('Wood.bmp', wood)

def dots(x, y):
    cx, cy = (x % 16) - 7.5, (y % 16) - 7.5
    return (40, 90, 200) if cx * cx + cy * cy < 16 else (250, 250, 235)
write_bmp('Dots.bmp', dots)

marble_noise = noise_table(3)
def marble(x, y):
    turb = sum(smooth(marble_noise, x, y, s) * s for s in (32, 16, 8, 4)) / 60.0
    v = 0.5 + 0.5 * math.sin((x + y) * 2 * math.pi / SIZE * 2 + turb * 6)
    return (190 + 60 * v, 190 + 60 * v, 200 + 55 * v)
write_bmp('Marble.bmp', marble)
