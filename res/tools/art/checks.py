"""Read-back checks: the written icons, cursor and bitmaps have the headers
and images the program expects."""

import struct
import zlib


# ---------------------------------------------------------------------------
# Read-back checks.
# ---------------------------------------------------------------------------

def _check_dib(data, w, h, bpp):
    (hs, bw, bh, planes, bb, comp) = struct.unpack_from("<IiiHHI", data, 0)
    assert hs == 40 and bw == w and bh == 2 * h and planes == 1, \
        (hs, bw, bh, planes)
    assert bb == bpp and comp == 0, (bb, comp)
    ncol = (1 << bpp) if bpp <= 8 else 0
    xor = (((w * bpp + 31) // 32) * 4) * h
    andm = (((w + 31) // 32) * 4) * h
    assert len(data) == 40 + 4 * ncol + xor + andm, (len(data), w, bpp)
    # Mask must leave something visible and something transparent.
    m = data[40 + 4 * ncol + xor:]
    ones = sum(bin(b).count("1") for b in m)
    assert 0 < ones < w * h, ("mask", ones)


def check_icon(path, want, kind=1, hot=None):
    data = open(path, "rb").read()
    r, t, n = struct.unpack_from("<HHH", data, 0)
    assert r == 0 and t == kind and n == len(want), (path, r, t, n)
    for i, (w, bpp) in enumerate(want):
        bw, bh, cc, res, p, b, size, off = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i)
        img = data[off:off + size]
        assert len(img) == size
        if img[:8] == b"\x89PNG\r\n\x1a\n":
            iw, ih, depth, ctype = struct.unpack_from(">IIBB", img, 16)
            assert (bw or 256, bh or 256) == (iw, ih) == (w, w), (path, i)
            assert (depth, ctype, b) == (8, 6, 32), (path, i)
            zlib.decompress(img[img.index(b"IDAT") + 4:])
        else:
            assert bw == w and bh == w, (path, i, bw, bh)
            if kind == 2:
                assert (p, b) == hot and cc == 2, (p, b, cc)
            else:
                assert b == bpp and p == 1, (path, i, p, b)
            _check_dib(img, w, w, bpp)
    return len(data)


def check_bmp(path, w, h, corner=None, bpp=24):
    data = open(path, "rb").read()
    sig, size, _, _, off = struct.unpack_from("<2sIHHI", data, 0)
    hs, bw, bh, planes, bits, comp = struct.unpack_from("<IiiHHI", data, 14)
    ncol = struct.unpack_from("<I", data, 46)[0] if bpp == 8 else 0
    assert sig == b"BM" and size == len(data) and off == 54 + 4 * ncol
    assert (hs, bw, bh, planes, bits, comp) == (40, w, h, 1, bpp, 0)
    stride = (w * bpp // 8 + 3) & ~3
    assert len(data) == off + stride * h
    if corner is not None:
        # Top-left pixel lives in the last stored row (bottom-up).
        p = off + stride * (h - 1)
        if bpp == 8:
            p = 54 + 4 * data[p]
        b, g, r = data[p], data[p + 1], data[p + 2]
        assert (r, g, b) == corner, (path, (r, g, b))
    return len(data)


def check_scaled(path, sizes):
    """An icon resource of PNG images only, of exactly these sizes."""
    data = open(path, "rb").read()
    r, t, n = struct.unpack_from("<HHH", data, 0)
    assert (r, t, n) == (0, 1, len(sizes)), (path, r, t, n)
    for i, (w, h) in enumerate(sizes):
        bw, bh, _, _, _, b, size, off = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i)
        img = data[off:off + size]
        assert img[:8] == b"\x89PNG\r\n\x1a\n" and len(img) == size
        assert (bw, bh, b) == (w, h, 32), (path, i, bw, bh, b)
        assert struct.unpack_from(">IIBB", img, 16) == (w, h, 8, 6), (path, i)
    return len(data)
