#!/usr/bin/env python3
"""Regenerates Kelvoro's art: icons, cursor and dialog bitmaps.

Everything is drawn from code here (signed-distance shapes plus a tiny
bitmap font), so the output is identical on every run and needs nothing
but a stock Python 3.  Run it from anywhere:

    python3 res/tools/make_art.py

It writes into res/ (the parent of this script's folder) and then reads
every file back to make sure the headers are what the program expects.
The drawing and the file formats live in the art/ package beside it.
"""

import os
import sys

from art.bitmaps import (ARROW_BG, STOCK_BG, make_arrow, make_arrow_at,
                         make_logo, make_logo_at, make_scaled_ico, make_stock,
                         make_stock_at)
from art.checks import check_bmp, check_icon, check_scaled
from art.cursor import HAND_HOT, hand_rows, make_cursor
from art.draw import SCALES, scaled
from art.formats import bmp24, bmp8
from art.icons import (ICON_SIZES, PNG_IN_PROGRAM, PREVIEW_SIZE, make_icon,
                       make_preview_ico)

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.dirname(HERE)


def main():
    os.makedirs(RES, exist_ok=True)
    out = {
        "kelvoro.ico": make_icon("kelvoro", PNG_IN_PROGRAM),
        "black.ico": make_icon("black"),
        "white.ico": make_icon("white"),
        "black-preview.ico": make_preview_ico("black"),
        "white-preview.ico": make_preview_ico("white"),
        "hand.cur": make_cursor(),
        "logo.bmp": bmp24(make_logo()),
        "stock.bmp": bmp8(make_stock()),
        "arrow.bmp": bmp8(make_arrow()),
        "logo-scales.ico": make_scaled_ico(make_logo_at),
        "stock-scales.ico": make_scaled_ico(make_stock_at),
        "arrow-scales.ico": make_scaled_ico(make_arrow_at),
    }
    for name, data in out.items():
        with open(os.path.join(RES, name), "wb") as f:
            f.write(data)

    j = lambda n: os.path.join(RES, n)
    icon = [(32, 8)] + [(sz, 32) for sz in ICON_SIZES] + [(256, 32)]
    preview = [(32, 8)] + [(scaled(PREVIEW_SIZE, p), 32) for p in SCALES[1:]]
    at = lambda w, h: [(scaled(w, p), scaled(h, p)) for p in SCALES[1:]]
    sizes = {
        "kelvoro.ico": check_icon(j("kelvoro.ico"), icon),
        "black.ico": check_icon(j("black.ico"), icon),
        "white.ico": check_icon(j("white.ico"), icon),
        "black-preview.ico": check_icon(j("black-preview.ico"), preview),
        "white-preview.ico": check_icon(j("white-preview.ico"), preview),
        "hand.cur": check_icon(j("hand.cur"), [(32, 1)], kind=2,
                               hot=HAND_HOT),
        "logo.bmp": check_bmp(j("logo.bmp"), 64, 66, (255, 255, 255)),
        "stock.bmp": check_bmp(j("stock.bmp"), 69, 55, STOCK_BG, 8),
        "arrow.bmp": check_bmp(j("arrow.bmp"), 49, 29, ARROW_BG, 8),
        "logo-scales.ico": check_scaled(j("logo-scales.ico"), at(64, 66)),
        "stock-scales.ico": check_scaled(j("stock-scales.ico"), at(69, 55)),
        "arrow-scales.ico": check_scaled(j("arrow-scales.ico"), at(49, 29)),
    }
    rows = hand_rows()
    assert rows[HAND_HOT[1]][HAND_HOT[0]] == "#"
    assert all(ch == "." for ch in rows[HAND_HOT[1] - 1])
    for name in sorted(sizes):
        print("%-18s %7d bytes  ok" % (name, sizes[name]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
