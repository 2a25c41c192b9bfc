"""The pointing hand cursor, drawn pixel by pixel, and its .cur file."""

import struct

from .formats import bih, icon_file


# ---------------------------------------------------------------------------
# Pointing hand cursor, drawn pixel by pixel.
# '#' black, 'o' white, '.' transparent.  Hot spot is the fingertip (12,1).
# ---------------------------------------------------------------------------

HAND_HOT = (12, 1)


def hand_rows():
    def row(*spans):
        r = ["."] * 32
        for a, b, ch in spans:
            for i in range(a, b + 1):
                r[i] = ch
        return "".join(r)
    R = [row()]
    R.append(row((11, 13, "#")))
    for _ in range(5):
        R.append(row((10, 10, "#"), (11, 13, "o"), (14, 14, "#")))
    R.append(row((10, 10, "#"), (11, 13, "o"), (14, 17, "#")))
    R.append(row((10, 10, "#"), (11, 13, "o"), (14, 14, "#"), (15, 17, "o"),
                 (18, 21, "#")))
    R.append(row((10, 10, "#"), (11, 13, "o"), (14, 14, "#"), (15, 17, "o"),
                 (18, 18, "#"), (19, 21, "o"), (22, 24, "#")))
    R.append(row((10, 10, "#"), (11, 13, "o"), (14, 14, "#"), (15, 17, "o"),
                 (18, 18, "#"), (19, 21, "o"), (22, 22, "#"), (23, 24, "o"),
                 (25, 25, "#")))
    R.append(row((6, 8, "#"), (10, 10, "#"), (11, 13, "o"), (14, 14, "#"),
                 (15, 17, "o"), (18, 18, "#"), (19, 21, "o"), (22, 22, "#"),
                 (23, 24, "o"), (25, 25, "#")))
    R.append(row((5, 5, "#"), (6, 8, "o"), (9, 10, "#"), (11, 13, "o"),
                 (14, 14, "o"), (15, 17, "o"), (18, 18, "o"), (19, 21, "o"),
                 (22, 22, "o"), (23, 24, "o"), (25, 25, "#")))
    R.append(row((5, 5, "#"), (6, 9, "o"), (10, 10, "#"), (11, 24, "o"),
                 (25, 25, "#")))
    for _ in range(3):
        R.append(row((5, 5, "#"), (6, 24, "o"), (25, 25, "#")))
    R.append(row((6, 6, "#"), (7, 24, "o"), (25, 25, "#")))
    R.append(row((7, 7, "#"), (8, 23, "o"), (24, 24, "#")))
    R.append(row((8, 8, "#"), (9, 23, "o"), (24, 24, "#")))
    R.append(row((9, 9, "#"), (10, 22, "o"), (23, 23, "#")))
    R.append(row((9, 9, "#"), (10, 22, "o"), (23, 23, "#")))
    R.append(row((9, 23, "#")))
    while len(R) < 32:
        R.append(row())
    assert len(R) == 32 and all(len(r) == 32 for r in R)
    return R


def make_cursor():
    rows = hand_rows()
    w = h = 32
    xor = bytearray()
    andm = bytearray()
    for y in range(h - 1, -1, -1):
        xr = bytearray(4)
        ar = bytearray(4)
        for x in range(w):
            ch = rows[y][x]
            bit = 0x80 >> (x & 7)
            if ch == "o":
                xr[x >> 3] |= bit
            elif ch == ".":
                ar[x >> 3] |= bit
        xor += xr
        andm += ar
    pal = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    dib = bih(w, 2 * h, 1, len(xor) + len(andm), 2) + pal + xor + andm
    return icon_file([(32, 32, 2, HAND_HOT[0], HAND_HOT[1], dib)], kind=2)
