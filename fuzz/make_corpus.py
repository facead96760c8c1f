#!/usr/bin/env python3
"""Writes the fuzzer's seed drawings (fuzz/corpus/) and the drawings with
hostile field values that the tests load and paint (tests/data/damaged/).

Run once from anywhere; the files are committed. The bytes are put together
here by hand, independently of the program's writer, so that a fault in the
writer cannot hide in its own seeds.
"""
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "fuzz", "corpus")
DAMAGED = os.path.join(ROOT, "tests", "data", "damaged")

# Each class with the fields its record carries after the five of the
# figure base: 'x'/'y' coordinates, 's' the string field, others int32.
CLASSES = [
    ("CLine", ["width", "pen"]),
    ("CRectangle", ["width", "centre", "pen"]),
    ("CRectRound", ["width", "centre", "pen"]),
    ("CCircle", ["width", "centre", "pen"]),
    ("CRectFill", ["fill", "centre"]),
    ("CRectRoundFill", ["fill", "centre"]),
    ("CCircleFill", ["fill", "centre"]),
    ("CArc", ["x", "y", "x", "y", "width", "centre", "pen"]),
    ("CChord", ["x", "y", "x", "y", "width", "centre", "pen"]),
    ("CPie", ["x", "y", "x", "y", "width", "centre", "pen"]),
    ("CChordFill", ["x", "y", "x", "y", "fill", "centre"]),
    ("CPieFill", ["x", "y", "x", "y", "fill", "centre"]),
    ("CBezier", ["x", "y", "x", "y", "width", "centre", "pen"]),
    ("CMeasure", ["s", "width"]),
    ("CPolygon", ["x", "y", "width", "pen", "mode"]),
    ("CTrigon", ["pitch", "vertical"]),
    ("CText", ["s"]),
    ("CFloodFill", ["fill", "color"]),
]
SCHEMA = 3
INT_MAX = 0x7FFFFFFF
INT_MIN = -0x80000000

# Field values of a sound drawing on the canvas (y is negative there).
SOUND = {"x": 9000, "y": -7000, "width": 2, "pen": 0, "centre": 0, "fill": 3,
         "mode": 1, "pitch": 4, "vertical": 0, "color": 0x00FF0000}
SOUND_BASE = [2000, -3000, 12000, -9000, 0x000000FF]

# Hostile field values: every int at an end of its range, and values just
# outside what the tools ever store.
HOSTILE = {
    "max": ([INT_MAX] * 4 + [0xFFFFFFFF],
            dict.fromkeys(SOUND, INT_MAX)),
    "min": ([INT_MIN] * 4 + [0],
            dict.fromkeys(SOUND, INT_MIN)),
    "wild": ([-2000000000, 2000000000, 2000000000, -2000000000, 0xFFFFFFFF],
             {"x": INT_MIN, "y": INT_MAX, "width": 2000000000, "pen": 7, "centre": 2,
              "fill": 15, "mode": 5, "pitch": 1, "vertical": -1, "color": 0xFFFFFFFF}),
    "low": ([-5, 5, -5, 5, 0x00ABCDEF],
            {"x": -1, "y": 1, "width": -5, "pen": -1, "centre": -1, "fill": 0,
             "mode": 0, "pitch": -3, "vertical": 1, "color": 0}),
    "flat": ([100, -100, 100, -100, 0],
             {"x": 100, "y": -100, "width": 0, "pen": 4, "centre": 1, "fill": 14,
              "mode": 4, "pitch": 0, "vertical": 0, "color": 0x00FFFFFF}),
}


def u8(n):
    return struct.pack("<B", n)


def u16(n):
    return struct.pack("<H", n)


def u32(n):
    return struct.pack("<I", n & 0xFFFFFFFF)


def string_field(text, wide=False):
    """The string field: ANSI with a 1-, 3- or 7-byte length, or UTF-16."""
    if wide:
        data = text.encode("utf-16-le")
        return u8(0xFF) + u16(0xFFFE) + length_prefix(len(text)) + data
    data = text.encode("cp1252")
    return length_prefix(len(data)) + data


def length_prefix(n):
    if n < 0xFF:
        return u8(n)
    if n < 0xFFFE:
        return u8(0xFF) + u16(n)
    return u8(0xFF) + u16(0xFFFF) + u32(n)


def record(fields, base, values, text="M 25", wide=False):
    data = b"".join(u32(v) for v in base)
    for field in fields:
        data += string_field(text, wide) if field == "s" else u32(values[field])
    return data


def class_description(name):
    return u16(0xFFFF) + u16(SCHEMA) + u16(len(name)) + name.encode("ascii")


def count(n):
    return u16(n) if n < 0xFFFF else u16(0xFFFF) + u32(n)


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def sound_record(fields, text="M 25", wide=False):
    return record(fields, SOUND_BASE, SOUND, text, wide)


def write_seeds():
    line_fields = CLASSES[0][1]
    line = sound_record(line_fields)
    # Every class twice: its description, then a reference to it (the class
    # takes index 1, the first figure 2).
    for name, fields in CLASSES:
        data = count(2) + class_description(name) + sound_record(fields)
        data += u16(0x8001) + sound_record(fields)
        write(CORPUS, "class_%s.kvd" % name, data)
    # One drawing of every class, each then referenced once more.
    data = b""
    index = 1
    class_index = {}
    for name, fields in CLASSES:
        data += class_description(name) + sound_record(fields)
        class_index[name] = index
        index += 2
    for name, fields in CLASSES:
        data += u16(0x8000 + class_index[name]) + sound_record(fields)
    write(CORPUS, "all_classes.kvd", count(2 * len(CLASSES)) + data)

    write(CORPUS, "empty.kvd", count(0))
    write(CORPUS, "count_escape.kvd",
          u16(0xFFFF) + u32(2) + class_description("CLine") + line + u16(0x8001) + line)
    write(CORPUS, "class_reference_escape.kvd",
          count(2) + class_description("CLine") + line + u16(0x7FFF) + u32(0x80000001) + line)
    write(CORPUS, "back_reference.kvd",
          count(2) + class_description("CLine") + line + u16(2))
    write(CORPUS, "back_reference_escape.kvd",
          count(2) + class_description("CLine") + line + u16(0x7FFF) + u32(2))
    write(CORPUS, "null_element.kvd",
          count(3) + u16(0) + class_description("CLine") + line + u16(0))
    text_fields = dict(CLASSES)["CText"]
    write(CORPUS, "text_utf16.kvd",
          count(1) + class_description("CText") + sound_record(text_fields, "Ø 12 ±0,1 Ω", wide=True))
    measure_fields = dict(CLASSES)["CMeasure"]
    write(CORPUS, "measure_long_text.kvd",
          count(1) + class_description("CMeasure") + sound_record(measure_fields, "9" * 300))


def write_damaged():
    for name, fields in CLASSES:
        for variant, (base, values) in HOSTILE.items():
            data = count(1) + class_description(name) + record(fields, base, values)
            write(DAMAGED, "%s_%s.kvd" % (name, variant), data)
    for name in ("CText", "CMeasure"):
        fields = dict(CLASSES)[name]
        for label, text in (("empty", ""), ("65535", "W" * 65535)):
            data = count(1) + class_description(name) + sound_record(fields, text)
            write(DAMAGED, "%s_text_%s.kvd" % (name, label), data)


if __name__ == "__main__":
    write_seeds()
    write_damaged()
