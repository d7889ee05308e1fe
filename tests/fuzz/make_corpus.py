#!/usr/bin/env python3
"""Writes the fuzzers' seed corpus: real project files in every string form, and damaged ones.

Run from this folder; the files in corpus/ are committed.
"""
import os
import struct

def string8(text: bytes) -> bytes:
    n = len(text)
    if n < 255:
        return bytes([n]) + text
    if n < 65534:
        return b"\xff" + struct.pack("<H", n) + text
    return b"\xff\xff\xff" + struct.pack("<I", n) + text

def string16(text: str) -> bytes:
    units = text.encode("utf-16-le")
    n = len(units) // 2
    prefix = bytes([n]) if n < 255 else b"\xff" + struct.pack("<H", n)
    return b"\xff\xfe\xff" + prefix + units

def project(final=b"", auto=1, repeat=0, effects=(), count=None, wide_final=None):
    out = string16(wide_final) if wide_final is not None else string8(final)
    out += struct.pack("<iii", auto, repeat, len(effects) if count is None else count)
    for text, effect, speed, loops in effects:
        out += (text if text.startswith(b"\xff\xfe\xff") else string8(text))
        out += struct.pack("<iii", effect, speed, loops)
    return out

seeds = {
    "new-with-default": project(effects=[(b"Enter your Status Bar text here", 0, 10, 1)]),
    "every-effect": project(b"Thanks", 1, 3, [(b"Effect %d text" % i, i, 1 + i, 1 + i % 3) for i in range(12)]),
    "prefix-254": project(effects=[(b"a" * 254, 0, 20, 1)]),
    "prefix-255": project(effects=[(b"b" * 255, 7, 20, 1)]),
    "prefix-65534": project(effects=[(b"c" * 65534, 11, 20, 1)]),
    "wide-strings": project(wide_final="caf\u00e9 \u20ac", effects=[(string16("Hi you"), 10, 20, 2)]),
    "empty-file": b"",
    "negative-count": project(b"end", 0, 2, count=-5),
    "huge-count": project(count=0x7FFFFFFF),
    "huge-length": b"\xff\xff\xff\xff\xff\xff\xff" + b"\0" * 12,
    "effect-12": project(effects=[(b"x", 12, 10, 1)]),
    "odd-numbers": project(b"", 2, 5000, [(b"", 9, 0, 0), (b"q", 8, 21, -5), (b"", 1, 2147483647, 10)]),
    "trailing-garbage": project(effects=[(b"ok", 4, 10, 1)]) + b"garbage",
}
# Cut inside every field: every byte of the one-effect project, and a spread over a long one.
small = seeds["new-with-default"]
for cut in range(1, len(small)):
    seeds[f"truncated-small-{cut:02d}"] = small[:cut]
full = seeds["every-effect"]
for cut in range(1, len(full), max(1, len(full) // 40)):
    seeds[f"truncated-{cut:04d}"] = full[:cut]

os.makedirs("corpus", exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join("corpus", name + ".gwk"), "wb") as f:
        f.write(data)
print(len(seeds), "seeds")
