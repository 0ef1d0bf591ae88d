#!/usr/bin/env python3
"""Rewrites PNG files with the same pixels in fewer bytes.

    pack-png.py FILE...

Each file is read as ImageMagick's convert gives it (8-bit RGBA), then written
back as an indexed PNG with a transparency table when it has at most 256
colours (every RGBA value kept exactly), else as RGBA, with whichever row
filters deflate smallest at level 9; a file that would not shrink is left
as it is. Only IHDR, PLTE, tRNS, IDAT and IEND are
written, so the bytes depend on the pixels alone.
"""
import os
import struct
import subprocess
import sys
import zlib

CONVERT = os.environ.get("CONVERT", "/usr/bin/convert")


def pixels(path):
    size = subprocess.run([CONVERT, path, "-format", "%w %h", "info:"], check=True,
                          capture_output=True, text=True).stdout.split()
    raw = subprocess.run([CONVERT, path, "-depth", "8", "rgba:-"], check=True, capture_output=True).stdout
    width, height = int(size[0]), int(size[1])
    if len(raw) != width * height * 4:
        sys.exit(f"{path}: expected {width}x{height} RGBA pixels")
    return width, height, raw


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def filtered(row, prior, kind, step):
    out = bytearray(len(row))
    for i, x in enumerate(row):
        a = row[i - step] if i >= step else 0
        b = prior[i]
        c = prior[i - step] if i >= step else 0
        predictor = (0, a, b, (a + b) >> 1, paeth(a, b, c))[kind]
        out[i] = (x - predictor) & 0xFF
    return bytes(out)


def smallest_stream(rows, step):
    """Deflates the rows with each fixed filter and with a per-row choice; the smallest wins."""
    zero = bytes(len(rows[0]))
    candidates = []
    for kind in range(5):
        prior, data = zero, bytearray()
        for row in rows:
            data += bytes([kind]) + filtered(row, prior, kind, step)
            prior = row
        candidates.append(bytes(data))
    prior, data = zero, bytearray()
    for row in rows:
        # The usual heuristic: the filter whose output is nearest zero as signed bytes.
        options = [filtered(row, prior, kind, step) for kind in range(5)]
        costs = [sum(v if v < 128 else 256 - v for v in o) for o in options]
        kind = costs.index(min(costs))
        data += bytes([kind]) + options[kind]
        prior = row
    candidates.append(bytes(data))
    return min((zlib.compress(c, 9) for c in candidates), key=len)


def pack(path):
    width, height, raw = pixels(path)
    colours = sorted(set(raw[i:i + 4] for i in range(0, len(raw), 4)), key=lambda c: (c[3], c))
    if len(colours) <= 256:
        # Translucent entries first, so the transparency table stops at the last of them.
        depth = next(d for d in (1, 2, 4, 8) if len(colours) <= 1 << d)
        index = {c: i for i, c in enumerate(colours)}
        rows = []
        for y in range(height):
            bits = 0
            packed = bytearray()
            acc = 0
            for x in range(width):
                acc = (acc << depth) | index[raw[(y * width + x) * 4:(y * width + x) * 4 + 4]]
                bits += depth
                if bits == 8:
                    packed.append(acc)
                    acc = bits = 0
            if bits:
                packed.append(acc << (8 - bits))
            rows.append(bytes(packed))
        header = struct.pack(">IIBBBBB", width, height, depth, 3, 0, 0, 0)
        translucent = [c[3] for c in colours if c[3] < 255]
        extra = chunk(b"PLTE", b"".join(c[:3] for c in colours))
        if translucent:
            extra += chunk(b"tRNS", bytes(translucent))
        stream = smallest_stream(rows, 1)
    else:
        rows = [raw[y * width * 4:(y + 1) * width * 4] for y in range(height)]
        header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
        extra = b""
        stream = smallest_stream(rows, 4)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + extra + chunk(b"IDAT", stream) + chunk(b"IEND", b"")
    if pixels_of(data) != raw:
        sys.exit(f"{path}: the packed picture differs")
    if len(data) >= os.path.getsize(path):
        return
    with open(path, "wb") as out:
        out.write(data)


def pixels_of(data):
    return subprocess.run([CONVERT, "png:-", "-depth", "8", "rgba:-"], input=data, check=True,
                          capture_output=True).stdout


if __name__ == "__main__":
    for name in sys.argv[1:]:
        pack(name)
