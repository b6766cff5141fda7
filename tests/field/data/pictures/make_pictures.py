#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Regenerates the picture fixtures of the loader tests.

Bitmaps are written here byte by byte; PNG, GIF and JPEG files come from the netpbm
converters (pnmtopng, pamtogif, pnmtojpeg). The test computes the same patterns
(PatternColor and BlockColor in picture_loader_test.cpp), so keep the two in step.
"""
import os
import struct
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))

# 13 by 7: odd width, so every bitmap row carries padding.
PW, PH = 13, 7


def pattern(x, y):
    return ((x * 40 + y * 3) % 256, (y * 50 + x * 7) % 256, (x * y * 9 + 60) % 256)


# 64 by 32 of flat 16 by 16 blocks (whole colour-subsampled units), which a JPEG
# encoder keeps almost exactly.
BW, BH = 64, 32


def block(x, y):
    bx, by = x // 16, y // 16
    return ((bx * 70 + 20) % 256, (by * 120 + 40) % 256, ((bx + by) * 50 + 30) % 256)


def ppm(width, height, color):
    rows = bytearray()
    for y in range(height):
        for x in range(width):
            rows += bytes(color(x, y))
    return b"P6\n%d %d\n255\n" % (width, height) + bytes(rows)


def pgm(width, height, value):
    rows = bytes(value(x, y) for y in range(height) for x in range(width))
    return b"P5\n%d %d\n255\n" % (width, height) + rows


def run(args, data, out):
    result = subprocess.run(args, input=data, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                            check=True)
    with open(os.path.join(HERE, out), "wb") as f:
        f.write(result.stdout)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def bmp(bits, top_down=False, bitfields=False, core=False):
    width, height = PW, PH
    colors = sorted({pattern(x, y) for y in range(height) for x in range(width)})
    palette = []
    index = {}
    if bits <= 8:
        if bits < 8:
            # Few colours: a greyscale palette of 2**bits entries; pixels use index % size.
            palette = [(i * 255 // ((1 << bits) - 1),) * 3 for i in range(1 << bits)]
        else:
            palette = colors
            index = {c: i for i, c in enumerate(colors)}
    row_bytes = (width * bits + 31) // 32 * 4
    rows = []
    for y in range(height):
        row = bytearray()
        if bits == 24:
            for x in range(width):
                r, g, b = pattern(x, y)
                row += bytes((b, g, r))
        elif bits == 32:
            for x in range(width):
                r, g, b = pattern(x, y)
                row += bytes((b, g, r, 0x5A))  # unused byte must be ignored
        elif bits == 16:
            for x in range(width):
                r, g, b = pattern(x, y)
                row += struct.pack("<H", ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3))
        elif bits == 8:
            row += bytes(index[pattern(x, y)] for x in range(width))
        else:
            per = 8 // bits
            values = [(x + y) % (1 << bits) for x in range(width)]
            for i in range(0, width, per):
                byte = 0
                for j in range(per):
                    v = values[i + j] if i + j < width else 0
                    byte |= v << (8 - bits * (j + 1))
                row.append(byte)
        row += b"\0" * (row_bytes - len(row))
        rows.append(bytes(row))
    if not top_down:
        rows.reverse()
    pixels = b"".join(rows)
    if core:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
        pal = b"".join(bytes((b, g, r)) for r, g, b in palette)
    else:
        compression = 3 if bitfields else 0
        info = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, bits,
                           compression, len(pixels), 2835, 2835, len(palette), 0)
        if bitfields:
            info += struct.pack("<III", 0x00FF0000, 0x0000FF00, 0x000000FF)
        pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + len(info) + len(pal)
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return header + info + pal + pixels


def main():
    image = ppm(PW, PH, pattern)
    # pnmtopng picks a palette when the colours allow; -force keeps the true-colour form.
    run(["pnmtopng"], image, "palette.png")
    run(["pnmtopng", "-force"], image, "rgb.png")
    run(["pnmtopng", "-force", "-interlace"], image, "interlaced.png")
    run(["pamtogif"], image, "plain.gif")
    run(["pamtogif", "-interlace"], image, "interlaced.gif")
    # The colour of (0, 0) becomes transparent.
    r, g, b = pattern(0, 0)
    run(["pamtogif", "-transparent=rgb:%02x/%02x/%02x" % (r, g, b)], image, "transparent.gif")

    # 16 bits per channel: the high byte is the pattern, the low byte noise to be dropped.
    rows = bytearray()
    for y in range(PH):
        for x in range(PW):
            for c in pattern(x, y):
                rows += struct.pack(">H", c * 256 + (x * 31 + y) % 256)
    run(["pnmtopng", "-force"], b"P6\n%d %d\n65535\n" % (PW, PH) + bytes(rows), "deep.png")

    # Grey ramp with an alpha ramp: the loader blends it over white.
    grey = pgm(PW, PH, lambda x, y: (x * 20) % 256)
    alpha = pgm(PW, PH, lambda x, y: (y * 40) % 256)
    write("alpha_grey.pgm.tmp", grey)
    write("alpha_mask.pgm.tmp", alpha)
    for name, force in (("grey_alpha.png", ["-force"]), ("palette_alpha.png", [])):
        run(["pnmtopng"] + force + ["-alpha=" + os.path.join(HERE, "alpha_mask.pgm.tmp"),
                                    os.path.join(HERE, "alpha_grey.pgm.tmp")], None, name)
    os.remove(os.path.join(HERE, "alpha_grey.pgm.tmp"))
    os.remove(os.path.join(HERE, "alpha_mask.pgm.tmp"))

    blocks = ppm(BW, BH, block)
    run(["pnmtojpeg", "-quality=100"], blocks, "baseline.jpg")
    run(["pnmtojpeg", "-quality=100", "-progressive"], blocks, "progressive.jpg")
    run(["pnmtojpeg", "-quality=100"], pgm(BW, BH, lambda x, y: block(x, y)[1]), "grey.jpg")

    write("bits24.bmp", bmp(24))
    write("bits24_topdown.bmp", bmp(24, top_down=True))
    write("bits32.bmp", bmp(32))
    write("bits32_bitfields_topdown.bmp", bmp(32, top_down=True, bitfields=True))
    write("bits16.bmp", bmp(16))
    write("bits8.bmp", bmp(8))
    write("bits8_topdown.bmp", bmp(8, top_down=True))
    write("bits4.bmp", bmp(4))
    write("bits1.bmp", bmp(1))
    write("bits24_core.bmp", bmp(24, core=True))


if __name__ == "__main__":
    main()
