#!/usr/bin/env python3
"""Writes the download animation images/keys/Loading.gif: a 136 x 10 bar on
which an orange block runs from left to right, looping forever.

  tools/loadinggif/make_loading_gif.py [OUTPUT]

The image data is stored with LZW codes that never grow past 9 bits (a clear
code every 254 pixels), which every GIF reader accepts; the file is tiny anyway.
"""
import os
import struct
import sys

WIDTH, HEIGHT, FRAMES, DELAY_CS = 136, 10, 12, 8
PALETTE = [(26, 27, 49), (46, 47, 80), (255, 143, 31), (140, 80, 25)]


def frame_pixels(n):
    block = 34
    start = (n * (WIDTH + block)) // FRAMES - block
    rows = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            if y < 3 or y > 6:
                row.append(0)
            elif start <= x < start + block:
                edge = x - start < 4 or start + block - x <= 4
                row.append(3 if edge else 2)
            else:
                row.append(1)
        rows.append(row)
    return [p for row in rows for p in row]


def lzw_bytes(pixels):
    clear, end, width = 256, 257, 9
    codes = []
    for i, p in enumerate(pixels):
        if i % 254 == 0:
            codes.append(clear)
        codes.append(p)
    codes.append(end)
    bits, nbits, out = 0, 0, bytearray()
    for c in codes:
        bits |= c << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        out.append(bits & 0xFF)
    blocks = bytearray([8])
    for i in range(0, len(out), 255):
        chunk = out[i:i + 255]
        blocks += bytes([len(chunk)]) + chunk
    return blocks + b"\x00"


def main():
    top = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(top, "images", "keys", "Loading.gif")
    palette = bytearray()
    for i in range(256):
        palette += bytes(PALETTE[i] if i < len(PALETTE) else (0, 0, 0))
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", WIDTH, HEIGHT, 0xF7, 0, 0) + palette
    data += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"  # loop forever
    for n in range(FRAMES):
        data += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x04, DELAY_CS, 0, 0)
        data += struct.pack("<BHHHHB", 0x2C, 0, 0, WIDTH, HEIGHT, 0) + lzw_bytes(frame_pixels(n))
    data += b"\x3B"
    with open(target, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
