"""Verifies that every generated picture exists with its size, format, depth and key corners."""
import os
import struct

from PIL import Image

from catalogue import DATA, EMBEDDED


def _bmp_bits(path):
    with open(path, "rb") as f:
        head = f.read(30)
    return struct.unpack("<H", head[28:30])[0] if len(head) >= 30 and head[:2] == b"BM" else None


def _problem(path, spec):
    w, h, fmt, bits, key = spec
    if not os.path.isfile(path):
        return "missing"
    try:
        with Image.open(path) as img:
            img.load()
            if img.format != fmt:
                return "format %s, expected %s" % (img.format, fmt)
            if img.size != (w, h):
                return "size %dx%d, expected %dx%d" % (img.size + (w, h))
            rgb = img.convert("RGB")
    except OSError as e:
        return "unreadable (%s)" % e
    if bits is not None and _bmp_bits(path) != bits:
        return "%s-bit BMP, expected %d-bit" % (_bmp_bits(path), bits)
    if key is not None:
        for corner in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
            if rgb.getpixel(corner) != key:
                return "corner %s is %s, expected key colour %s" % (corner, rgb.getpixel(corner), key)
    return None


def check(embed_dir, data_dir):
    """Returns a list of "name: problem" lines; empty when everything is right."""
    problems = []
    for directory, table in ((embed_dir, EMBEDDED), (data_dir, DATA)):
        for name, spec in table.items():
            p = _problem(os.path.join(directory, name), spec)
            if p:
                problems.append("%s: %s" % (os.path.join(directory, name), p))
    return problems
