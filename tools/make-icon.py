#!/usr/bin/env python3
"""Draws the program's icon, a ZENTA handset as the product picture shows it, and writes
it as one .ico with the sizes Windows asks for, 16 to 256 pixels:

    python3 tools/make-icon.py OUTPUT.ico

The build runs it (cmake/WindowsResources.cmake); Python's standard library is all it
needs. The shapes lie on a grid of 32 units and are drawn with 4 x 4 samples per pixel, so
that every size has smooth edges and a real alpha channel. The 256-pixel and 128-pixel
images are stored as PNG, which Windows reads since Vista (and keeps the file
small); the smaller ones as 32-bit bitmaps with their mask, as every reader of icons takes.
"""
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 64, 128, 256)
SAMPLES = 4

ORANGE = (0xF2, 0x8C, 0x28)
ORANGE_EDGE = (0xB8, 0x62, 0x12)
BODY = (0x2B, 0x2F, 0x36)
BODY_EDGE = (0x12, 0x14, 0x18)
BODY_LIGHT = (0x48, 0x4F, 0x5A)
GREEN = (0x3C, 0xD0, 0x70)

# Rounded rectangles on the 32-unit grid, back to front: left, top, right, bottom, corner
# radius, colour. The edge of the body is the darker shape just behind it.
SHAPES = (
    (18, 0, 22, 8, 1.5, BODY_EDGE),  # the antenna
    (5.5, 11.5, 9.5, 21.5, 1, ORANGE_EDGE),  # the PTT key on the side
    (6, 12, 9, 21, 0.8, ORANGE),
    (7.5, 4.5, 25.5, 32, 4.5, BODY_EDGE),  # the body
    (8.2, 5.2, 24.8, 31.3, 3.8, BODY),
    (11, 9, 22, 19, 2, BODY_LIGHT),  # the display and speaker face
    (11, 22, 22, 27, 1.5, ORANGE),  # the emergency key
    (15, 6.2, 18, 7.8, 0.8, GREEN),  # the status light
)


def inside(x, y, shape):
    left, top, right, bottom, radius, _ = shape
    if x < left or x > right or y < top or y > bottom:
        return False
    dx = max(left + radius - x, 0, x - (right - radius))
    dy = max(top + radius - y, 0, y - (bottom - radius))
    return dx * dx + dy * dy <= radius * radius


def draw(size):
    """Rows of (r, g, b, a), top row first."""
    scale = 32 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            red = green = blue = alpha = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    colour = None
                    for shape in SHAPES:
                        if inside(x, y, shape):
                            colour = shape[5]
                    if colour:
                        red += colour[0]
                        green += colour[1]
                        blue += colour[2]
                        alpha += 1
            if alpha:
                row.append((red // alpha, green // alpha, blue // alpha, alpha * 255 // (SAMPLES * SAMPLES)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def bitmap(rows):
    """BITMAPINFOHEADER (height doubled for the mask), BGRA rows bottom-up, then the mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = (size + 31) // 32 * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def main():
    images = [png(draw(size)) if size >= 128 else bitmap(draw(size)) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(sys.argv[1], "wb") as output:
        output.write(directory + b"".join(images))


if __name__ == "__main__":
    main()
