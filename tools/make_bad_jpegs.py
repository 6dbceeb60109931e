#!/usr/bin/python3
"""Writes the JPEG test pictures, good and deliberately broken, to
tests/fixtures/jpeg. Run it again after changing it and commit the results."""

import io
import random
import struct
from pathlib import Path

from PIL import Image

OUT = Path(__file__).resolve().parent.parent / "tests" / "fixtures" / "jpeg"

RED, GREEN, BLUE, WHITE = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)


def quadrants():
    """64 x 48: red, green / blue, white quadrants of 32 x 24."""
    image = Image.new("RGB", (64, 48))
    for (x, y), colour in {(0, 0): RED, (32, 0): GREEN, (0, 24): BLUE, (32, 24): WHITE}.items():
        image.paste(colour, (x, y, x + 32, y + 24))
    return image


def halves(mode, left, right, size=(64, 48)):
    image = Image.new(mode, size, left)
    image.paste(right, (size[0] // 2, 0, size[0], size[1]))
    return image


def jpeg(image, **options):
    buffer = io.BytesIO()
    image.save(buffer, "JPEG", quality=95, **options)
    return buffer.getvalue()


def segments(data):
    """(marker, offset of the marker, offset after the segment) up to and including SOS."""
    pos = 2
    while pos < len(data):
        marker = data[pos + 1]
        length = struct.unpack(">H", data[pos + 2:pos + 4])[0]
        yield marker, pos, pos + 2 + length
        if marker == 0xDA:
            return
        pos += 2 + length


def with_size(data, width, height):
    """The same file with another width and height in its frame header."""
    for marker, start, _ in segments(data):
        if marker in (0xC0, 0xC1, 0xC2):
            patched = bytearray(data)
            patched[start + 5:start + 9] = struct.pack(">HH", height, width)
            return bytes(patched)
    raise ValueError("no frame header")


def sos_end(data):
    return [end for marker, _, end in segments(data) if marker == 0xDA][0]


def with_marker_inside_scan(data):
    """An RST marker in the middle of the entropy-coded data, where none may be."""
    pos = (sos_end(data) + len(data)) // 2
    while data[pos - 1] == 0xFF:
        pos += 1
    return data[:pos] + b"\xff\xd0" + data[pos:]


def with_garbage_before_scan(data):
    sos = [start for marker, start, _ in segments(data) if marker == 0xDA][0]
    return data[:sos] + b"\x55" * 16 + data[sos:]


def with_garbage_before_end(data):
    """Damage after the last row: only reading on to the end marker sees it."""
    assert data.endswith(b"\xff\xd9")
    return data[:-2] + b"\x55" * 16 + data[-2:]


def segment(marker, payload):
    return bytes([0xFF, marker]) + struct.pack(">H", len(payload) + 2) + payload


def many_scans():
    """A valid 8 x 8 three-component progressive picture (mid grey) with 190
    scans: one DC scan, then each AC coefficient of each component on its own.
    Every block is coded with one-bit codes: DC difference 0, then end of block."""
    one_code = bytes([1] + [0] * 15) + b"\x00"  # a single code of length 1 for symbol 0
    out = b"\xff\xd8"
    out += segment(0xDB, b"\x00" + b"\x01" * 64)
    out += segment(0xC2, struct.pack(">BHHB", 8, 8, 8, 3) + b"".join(bytes([c, 0x11, 0]) for c in (1, 2, 3)))
    out += segment(0xC4, b"\x00" + one_code + b"\x10" + one_code)
    out += segment(0xDA, bytes([3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 0, 0])) + b"\x1f"  # bits 000, padded with ones
    for component in (1, 2, 3):
        for k in range(1, 64):
            out += segment(0xDA, bytes([1, component, 0x00, k, k, 0])) + b"\x7f"  # bit 0, padded
    return out + b"\xff\xd9"


def png():
    buffer = io.BytesIO()
    Image.new("RGB", (8, 8), RED).save(buffer, "PNG")
    return buffer.getvalue()


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    baseline = jpeg(quadrants(), subsampling="4:2:0")
    files = {
        "quadrants_baseline.jpg": baseline,
        "quadrants_progressive.jpg": jpeg(quadrants(), subsampling="4:4:4", progressive=True),
        "gray.jpg": jpeg(halves("L", 40, 200)),
        "cmyk.jpg": jpeg(halves("CMYK", (0, 255, 255, 0), (255, 255, 0, 0))),
        "odd_100x75.jpg": jpeg(Image.new("RGB", (100, 75), GREEN)),
        "empty.jpg": b"",
        "not_jpeg.png": png(),
        "random.bin": bytes([0x5A]) + random.Random(1).randbytes(511),
        "truncated.jpg": baseline[: len(baseline) * 6 // 10],
        "marker_inside_scan.jpg": with_marker_inside_scan(baseline),
        "garbage_before_scan.jpg": with_garbage_before_scan(baseline),
        "garbage_before_end.jpg": with_garbage_before_end(baseline),
        "huge_60000x60000.jpg": with_size(baseline, 60000, 60000),
        "wide_60000x1.jpg": with_size(baseline, 60000, 1),
        "tall_1x60000.jpg": with_size(baseline, 1, 60000),
        "many_scans.jpg": many_scans(),
    }
    for name, data in files.items():
        (OUT / name).write_bytes(data)


if __name__ == "__main__":
    main()
