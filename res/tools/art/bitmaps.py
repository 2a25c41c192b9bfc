"""The dialog's pictures: logo, stock Recycle Bin and arrow, as bitmaps at
100 % and as icons of PNG images for the larger display scales."""

from .basket import (GREY_BIN, KELVORO_BIN, draw_bin, kelvoro_emblem,
                     render_icon, sparkle)
from .draw import SCALES, Canvas, View, scaled, sd_poly
from .font import draw_text, draw_text_scaled, text_width, text_width_bold
from .formats import icon_file, png_rgba


# ---------------------------------------------------------------------------
# The bitmaps.
# ---------------------------------------------------------------------------

def _stamp(dst, src, ox, oy):
    for y in range(src.h):
        for x in range(src.w):
            p = src.px[y * src.w + x]
            if p[3] > 0.0:
                dst.blend(ox + x, oy + y, p, p[3])


def make_logo():
    c = Canvas(64, 66, (255, 255, 255))
    em = Canvas(40, 40)
    draw_bin(View(em, 40 / 32.0), KELVORO_BIN, 40, emblem=kelvoro_emblem)
    sparkle(View(em, 40 / 32.0), 27.6, 3.9, 3.9, 1.0)
    _stamp(c, em, 12, 2)
    name = "Kelvoro"
    draw_text(c, (64 - text_width_bold(name) + 1) // 2, 45, name,
              (20, 36, 64), bold=True)
    ver = "2.1"
    draw_text(c, (64 - text_width(ver)) // 2, 56, ver, (60, 64, 72))
    return c


STOCK_BG = (166, 193, 232)
ARROW_BG = (166, 194, 231)


def make_stock():
    c = Canvas(69, 55, STOCK_BG)
    _stamp(c, render_icon("grey", 32), (69 - 32) // 2, 3)
    label = "Recycle Bin"
    draw_text(c, (69 - text_width(label)) // 2, 39, label, (0, 0, 0))
    return c


def make_arrow():
    return make_arrow_at(100)  # a shape alone: it scales without a change of drawing


# ---------------------------------------------------------------------------
# The same pictures for larger display scales.  Each is drawn afresh at its
# scale (not resampled from the 100 % bitmap), on the same background, and
# is stored as one PNG image of an icon resource per scale: the program
# loads the one for its DPI, and keeps the 100 % bitmap above for 96 dpi.
# (Windows reads only 32-bit RGBA PNG images in icons.)  125 % is left out
# to keep the executable small: it takes the 150 % images, scaled down.
# ---------------------------------------------------------------------------

def make_logo_at(pct):
    k = pct / 100.0
    c = Canvas(scaled(64, pct), scaled(66, pct), (255, 255, 255))
    v = View(c, 40 * k / 32.0, 12 * k, 2 * k)
    draw_bin(v, KELVORO_BIN, 40 * k, emblem=kelvoro_emblem, ow=k)
    sparkle(v, 27.6, 3.9, 3.9, k)
    name = "Kelvoro"
    draw_text_scaled(c, (64 - text_width_bold(name) + 1) // 2, 45, name,
                     (20, 36, 64), k, bold=True)
    ver = "2.1"
    draw_text_scaled(c, (64 - text_width(ver)) // 2, 56, ver, (60, 64, 72), k)
    return c


def make_stock_at(pct):
    k = pct / 100.0
    c = Canvas(scaled(69, pct), scaled(55, pct), STOCK_BG)
    v = View(c, k, (69 - 32) // 2 * k, 3 * k)
    draw_bin(v, GREY_BIN, 32 * k, ribs=5, ow=k)
    label = "Recycle Bin"
    draw_text_scaled(c, (69 - text_width(label)) // 2, 39, label, (0, 0, 0), k)
    return c


def make_arrow_at(pct):
    k = pct / 100.0
    c = Canvas(scaled(49, pct), scaled(29, pct), ARROW_BG)
    v = View(c, k)
    cy = 14.5
    arrow = sd_poly([(5, cy - 3.5), (27, cy - 3.5), (27, cy - 11), (44, cy),
                     (27, cy + 11), (27, cy + 3.5), (5, cy + 3.5)])
    v.paint(arrow, (4, 2, 45, 27), (255, 255, 255))
    return c


def make_scaled_ico(make):
    imgs = []
    for pct in SCALES[1:]:
        c = make(pct)
        imgs.append((c.w, c.h, 0, 1, 32, png_rgba(c, True)))
    return icon_file(imgs)
