#!/usr/bin/env python3
"""Writes the hand-made example crosswords in examples/ (code page 1252, CR LF).

The files are committed; run this only to remake them. Every number is written exactly as
the drawing program writes it, so loading and saving an example keeps every byte.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "examples")


def real(v):
    return "%#g" % v


def default_layout():
    return {
        "h": [45.0] * 10,
        "ws": [0] * 10,
        "wr": [0.36] * 10,
        "r": [0.0] + [-0.1] * 9,
    }


def reset_lines(size, width, base, line):
    lay = default_layout()
    for i in range(10):
        s, w, b = (size, width, base) if line == 0 or i == line - 1 else (10, 0, 50)
        lay["h"][i] = s * 100.0 / b
        lay["ws"][i] = 1 if w else 0
        lay["wr"][i] = w / s if w else 0.36
    lay["r"] = [0.0] * 10
    return lay


def clue_record(text, lay):
    out = "\r\n\tLEDEORD\t\"" + text.replace("\n", "\r\n") + "\""
    for i in range(10):
        out += "\t%s\t%d\t%s\t%s" % (real(lay["h"][i]), lay["ws"][i], real(lay["wr"][i]),
                                     real(lay["r"][i]))
    return out


def letter_record(letter, lay=None, reserved=0.0):
    lay = lay or default_layout()
    return "\r\n\tBOGSTAV\t\"%s\"\t%s\t%d\t%s\t%s\t%s" % (
        letter, real(lay["h"][0]), lay["ws"][0], real(lay["wr"][0]), real(lay["r"][0]),
        real(reserved))


# '.' is a clue square, '-' an empty letter square (byte 0), '_' an empty one (a space).
ROWS = [
    ".S.K.Å.BÆR.ØL",
    "HEST.LØVE.SOL",
    ".N.O.R.I.HAV.",
    "ÆBLE.GÅS.RØD.",
    ".K.SKIB.TAG.A",
    "FISK.S.MÅNE.N",
    ".R.Y.BRO.S.ÅD",
    "HUS.KAT.ØRN.-",
    ".S.Ø.G.HAV.#A",
    "BY.DAG._AT.IS",
]

# Clue texts in the order the clue squares are met, row by row. '|' and line feeds break
# lines; the first character of a line may be one of the drawing marks.
CLUES = [
    "Hest|^", "Frugt|_|Farve", "[Sol", ">Hav", "½Is", "<By", "@Nat|Dag", "]Båd",
    "{Fisk", "}Øst", "¤Vest", "#Nord", "!Syd", "£Rum|og tid", "~Op", "Stor|by i|Danmark",
    "__Lang|streg", "Dyr\nmed\nhorn", "Ø i|Østersøen", "Kort|^", "Rød|frugt", "Bær", "Tal",
    "Gud", "Mål", "Kål|sort", "Ven", "Øl", "Tå", "Ja",
]


def layout_for(n):
    # A few squares carry their own per-line sizes, widths and raises.
    if n % 5 == 1:
        return reset_lines(38, 0, 100, 0)
    if n % 5 == 2:
        return reset_lines(50, 20, 100, 3)
    if n % 5 == 3:
        lay = default_layout()
        lay["h"][1] = 30.0
        lay["r"][1] = 0.05
        lay["ws"][2] = 1
        lay["wr"][2] = 0.42
        return lay
    return default_layout()


def sample13x10():
    out = "13\t10"
    n = 0
    for r, row in enumerate(ROWS):
        out += "\r\nBEGIN\t%d" % r
        for c, ch in enumerate(row):
            if ch == ".":
                record = clue_record(CLUES[n % len(CLUES)], layout_for(n))
                n += 1
            elif ch == "-":
                record = letter_record("\0")
            elif ch == "_":
                record = letter_record(" ")
            elif ch == "Æ" and r == 3:
                lay = default_layout()
                lay["h"][0] = 60.0
                record = letter_record(ch, lay, 0.25)
            else:
                record = letter_record(ch)
            right, bottom = 1, 1
            if (r, c) == (1, 3):
                right = 0  # the cleared separator between HEST and the clue beside it
            if (r, c) == (5, 0):
                bottom = 0
            out += record + "\t%d\t%d" % (right, bottom)
        out += "\r\nEND\t%d" % r
    for code, col, row in [(7, 2, 1), (12, 13, 10)]:
        out += "\r\nKODEFELT\t%s\t%d\t%s\t%s\t%s\t%d\t%d\t%d" % (
            real(45.0), 0, real(0.36), real(0.0), real(0.0), code, col, row)
    bmp = heart_bmp()
    out += "\r\nIMAGES\r\n\r\n%d\t%d\t%d\t%s\t%s\t%s\t%s\r\n%s\r\n-" % (
        len(bmp) - 14, 11, 8, real(1.0), real(1.0), real(0.0), real(0.0), "heart.bmp")
    return out.encode("cp1252")


def heart_bmp(size=16):
    """A red heart on white, 24 bits per pixel, bottom-up."""
    row_bytes = size * 3
    pixels = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            u = (x - size / 2 + 0.5) / (size / 2.4)
            v = (size / 2 - y - 0.5) / (size / 2.4) + 0.3
            inside = (u * u + v * v - 1) ** 3 - u * u * v ** 3 <= 0
            pixels += bytes((0x20, 0x20, 0xE0) if inside else (0xFF, 0xFF, 0xFF))
        pixels += bytes((4 - row_bytes % 4) % 4)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


def plaingrid():
    # The generator's plain grid: '+' is Ø, '#' a clue square, letters as they are.
    rows = ["#H#K#Å#", "HEST#L+", "#N#Ø#RE", "+BLE#G#", "#KAT#ÅS"]
    return ("7 5\r\n" + "\r\n".join(rows) + "\r\n").encode("cp1252")


def main():
    files = {
        "sample13x10.kzt": sample13x10(),
        "heart.bmp": heart_bmp(),
        "plaingrid.txt": plaingrid(),
    }
    for name, data in files.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
