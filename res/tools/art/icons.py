"""The icon files of the program and of the Recycle Bin, and the preview's
Recycle Bin pictures for each display scale."""

from .basket import render_icon
from .draw import SCALES, scaled
from .formats import dib_32bpp, dib_8bpp, icon_file, png_rgba


# Every size a shell view asks for, at 32-bit colour with alpha; 256 is
# PNG-compressed.  The 32x32 256-colour image comes first, for old systems.
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64)


# The program icon lives inside the executable, whose size is budgeted: there
# the sizes that Windows XP never asks for (it reads bitmaps only, at 16, 32
# and 48 pixels) are PNG-compressed like the 256-pixel one, the same pixels
# in a third of the bytes.
PNG_IN_PROGRAM = (20, 24, 40, 64)


def make_icon(kind, png_sizes=()):
    imgs = [(32, 32, 0, 1, 8, dib_8bpp(render_icon(kind, 32)))]
    for sz in ICON_SIZES:
        c = render_icon(kind, sz)
        data = png_rgba(c, True) if sz in png_sizes else dib_32bpp(c)
        imgs.append((sz, sz, 0, 1, 32, data))
    imgs.append((0, 0, 0, 1, 32, png_rgba(render_icon(kind, 256), True)))
    return icon_file(imgs)


# The sizes of the preview's Recycle Bin pictures (40 pixels at 100 %).
PREVIEW_SIZE = 40


def make_preview_ico(kind):
    """The icon the program shows in its preview: the 32x32 256-colour image
    it stretches at 100 %, and a PNG image drawn at the picture's exact size
    for each larger scale (the program loads the one its DPI needs)."""
    imgs = [(32, 32, 0, 1, 8, dib_8bpp(render_icon(kind, 32)))]
    for pct in SCALES[1:]:
        sz = scaled(PREVIEW_SIZE, pct)
        imgs.append((sz, sz, 0, 1, 32, png_rgba(render_icon(kind, sz), True)))
    return icon_file(imgs)
