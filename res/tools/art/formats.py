"""File formats: icon images (256-colour and 32-bit DIBs, PNG), the icon and
cursor file, and 8- and 24-bit BMP files."""

import struct
import zlib


def bih(w, h, bpp, size_image, clr_used=0):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, size_image,
                       0, 0, clr_used, 0)


def _mask_bytes(c, w, h, transparent):
    """1bpp AND mask, bottom-up, rows padded to 32 bits."""
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if transparent(x, y):
                row[x >> 3] |= 0x80 >> (x & 7)
        out += row
    return bytes(out)


def _median_cut(colors, limit):
    """colors: dict rgb -> count.  Returns at most `limit` palette entries."""
    boxes = [sorted(colors.items())]
    while len(boxes) < limit:
        best, best_range, best_ch = -1, 0, 0
        for i, b in enumerate(boxes):
            if len(b) < 2:
                continue
            for ch in range(3):
                vals = [c[0][ch] for c in b]
                r = max(vals) - min(vals)
                if r > best_range:
                    best, best_range, best_ch = i, r, ch
        if best < 0:
            break
        b = sorted(boxes[best], key=lambda e: (e[0][best_ch], e[0]))
        total = sum(n for _, n in b)
        acc, cut = 0, 1
        for k, (_, n) in enumerate(b):
            acc += n
            if acc * 2 >= total:
                cut = max(1, min(len(b) - 1, k + 1))
                break
        boxes[best:best + 1] = [b[:cut], b[cut:]]
    pal = []
    for b in boxes:
        total = sum(n for _, n in b)
        pal.append(tuple(int(sum(c[ch] * n for c, n in b) / total + 0.5)
                         for ch in range(3)))
    return pal


def dib_8bpp(c):
    """Classic 256-colour icon image: BITMAPINFOHEADER, palette, XOR, AND.
    Palette index 0 is black and is used under transparent pixels."""
    w, h = c.w, c.h
    opaque = lambda x, y: c.px[y * w + x][3] >= 0.5
    counts = {}
    for y in range(h):
        for x in range(w):
            if opaque(x, y):
                rgb = c.rgba8(x, y)[:3]
                counts[rgb] = counts.get(rgb, 0) + 1
    if len(counts) <= 255:
        pal = sorted(counts)
    else:
        pal = _median_cut(counts, 255)
    pal = [(0, 0, 0)] + pal
    cache = {}

    def index(rgb):
        if rgb in cache:
            return cache[rgb]
        best, bd = 1, None
        for i in range(1, len(pal)):
            p = pal[i]
            d = ((p[0] - rgb[0]) ** 2 * 3 + (p[1] - rgb[1]) ** 2 * 4
                 + (p[2] - rgb[2]) ** 2 * 2)
            if bd is None or d < bd:
                best, bd = i, d
        cache[rgb] = best
        return best

    stride = (w + 3) & ~3
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if opaque(x, y):
                row[x] = index(c.rgba8(x, y)[:3])
        xor += row
    mask = _mask_bytes(c, w, h, lambda x, y: not opaque(x, y))
    palbytes = b"".join(struct.pack("<BBBB", p[2], p[1], p[0], 0)
                        for p in pal)
    palbytes += b"\0" * (1024 - len(palbytes))
    return (bih(w, 2 * h, 8, len(xor) + len(mask)) + palbytes
            + bytes(xor) + mask)


def dib_32bpp(c):
    w, h = c.w, c.h
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = c.rgba8(x, y)
            if a == 0:
                r = g = b = 0
            xor += bytes((b, g, r, a))
    mask = _mask_bytes(c, w, h, lambda x, y: c.rgba8(x, y)[3] < 128)
    return bih(w, 2 * h, 32, len(xor) + len(mask)) + bytes(xor) + mask


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def _filter(row, prev, bpp, ft):
    """`row` with PNG filter `ft` (none, sub, up, average, Paeth), its type byte first."""
    f = bytearray((ft,))
    for i, x in enumerate(row):
        a = row[i - bpp] if i >= bpp else 0
        b = prev[i]
        c = prev[i - bpp] if i >= bpp else 0
        pred = (0, a, b, (a + b) >> 1, _paeth(a, b, c))[ft]
        f.append((x - pred) & 0xFF)
    return bytes(f)


def _deflate(raw, mem_level, strategy):
    z = zlib.compressobj(9, zlib.DEFLATED, 15, mem_level, strategy)
    return z.compress(raw) + z.flush()


def _smallest_idat(rows, bpp):
    """The image data of `rows` in the fewest bytes: of each row's filters, the one that adds
    the fewest bytes to the stream so far (a copy of the compressor finished with it), or the one
    that leaves the smallest residue, or one filter for every row; each stream deflated at level 9
    with both memory levels and both strategies that suit images."""
    prev, options = bytes(len(rows[0])), []
    for row in rows:
        options.append([_filter(row, prev, bpp, ft) for ft in range(5)])
        prev = row
    residue = lambda f: sum(v if v < 128 else 256 - v for v in f[1:])
    streams = [b"".join(min(o, key=residue) for o in options)]
    streams += [b"".join(o[ft] for o in options) for ft in range(5)]
    for mem_level in (8, 9):
        z, chosen = zlib.compressobj(9, zlib.DEFLATED, 15, mem_level), []

        def added(f):
            trial = z.copy()
            return len(trial.compress(f) + trial.flush())
        for o in options:
            chosen.append(min(o, key=added))
            z.compress(chosen[-1])
        streams.append(b"".join(chosen))
    return min((_deflate(raw, m, st) for raw in streams for m in (8, 9)
                for st in (zlib.Z_DEFAULT_STRATEGY, zlib.Z_FILTERED)), key=len)


def png_rgba(c, filtered=False):
    """A 32-bit RGBA PNG of the canvas; `filtered`: in the fewest bytes this encoder finds."""
    rows = []
    for y in range(c.h):
        row = bytearray()
        for x in range(c.w):
            r, g, b, a = c.rgba8(x, y)
            if a == 0:
                r = g = b = 0
            row += bytes((r, g, b, a))
        rows.append(bytes(row))
    if filtered:
        idat = _smallest_idat(rows, 4)
    else:
        idat = zlib.compress(b"".join(b"\0" + r for r in rows), 9)

    def chunk(tag, data):
        return (struct.pack(">I", len(data)) + tag + data
                + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))
    ihdr = struct.pack(">IIBBBBB", c.w, c.h, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", idat)
            + chunk(b"IEND", b""))


def icon_file(images, kind=1):
    """images: list of (width, height, colour_count, planes_or_hotx,
    bpp_or_hoty, data).  kind 1 = icon, 2 = cursor."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for w, h, cc, p, b, data in images:
        out += struct.pack("<BBBBHHII", w & 0xFF, h & 0xFF, cc, 0, p, b,
                           len(data), offset)
        offset += len(data)
    for img in images:
        out += img[5]
    return out



def bmp8(c):
    """A 256-colour bitmap of a canvas that has 256 colours at most: the same
    pixels as bmp24 in a third of the bytes."""
    w, h = c.w, c.h
    colours = sorted({c.rgba8(x, y)[:3] for y in range(h) for x in range(w)})
    assert len(colours) <= 256, len(colours)
    index = {rgb: i for i, rgb in enumerate(colours)}
    stride = (w + 3) & ~3
    pix = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(index[c.rgba8(x, y)[:3]] for x in range(w))
        pix += row + b"\0" * (stride - w)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    off = 14 + 40 + len(pal)
    hdr = struct.pack("<2sIHHI", b"BM", off + len(pix), 0, 0, off)
    bih = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(pix),
                      2835, 2835, len(colours), 0)
    return hdr + bih + pal + bytes(pix)


def bmp24(c):
    w, h = c.w, c.h
    stride = (w * 3 + 3) & ~3
    pix = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b, _ = c.rgba8(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        pix += row
    hdr = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pix), 0, 0, 54)
    bih = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pix),
                      2835, 2835, 0, 0)
    return hdr + bih + bytes(pix)
