#!/usr/bin/env python3
"""Regenerates Kelvoro's art: icons, cursor and dialog bitmaps.

Everything is drawn from code here (signed-distance shapes plus a tiny
bitmap font), so the output is identical on every run and needs nothing
but a stock Python 3.  Run it from anywhere:

    python3 res/tools/make_art.py

It writes into res/ (the parent of this script's folder) and then reads
every file back to make sure the headers are what the program expects.
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.dirname(HERE)


# ---------------------------------------------------------------------------
# Small raster canvas.  Pixels are straight (non-premultiplied) RGBA with
# colour in 0..255 and alpha in 0..1.
# ---------------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h, bg=None):
        self.w = w
        self.h = h
        if bg is None:
            self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]
        else:
            self.px = [[float(bg[0]), float(bg[1]), float(bg[2]), 1.0]
                       for _ in range(w * h)]

    def blend(self, x, y, rgb, a):
        if a <= 0.0 or x < 0 or y < 0 or x >= self.w or y >= self.h:
            return
        p = self.px[y * self.w + x]
        da = p[3]
        oa = a + da * (1.0 - a)
        if oa <= 0.0:
            return
        k = da * (1.0 - a)
        p[0] = (rgb[0] * a + p[0] * k) / oa
        p[1] = (rgb[1] * a + p[1] * k) / oa
        p[2] = (rgb[2] * a + p[2] * k) / oa
        p[3] = oa

    def set(self, x, y, rgb):
        self.px[y * self.w + x] = [float(rgb[0]), float(rgb[1]),
                                   float(rgb[2]), 1.0]

    def rgba8(self, x, y):
        p = self.px[y * self.w + x]
        return (_b(p[0]), _b(p[1]), _b(p[2]), _b(p[3] * 255.0))


def _b(v):
    v = int(math.floor(v + 0.5))
    return 0 if v < 0 else 255 if v > 255 else v


def _clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def _lerp(a, b, t):
    return a + (b - a) * t


def _mix(c1, c2, t):
    return (_lerp(c1[0], c2[0], t), _lerp(c1[1], c2[1], t),
            _lerp(c1[2], c2[2], t))


# ---------------------------------------------------------------------------
# Signed distance shapes, in "design units".  All the icon art is laid out
# on a 32x32 unit grid and a View maps that grid onto real pixels, so each
# icon size is rendered on its own instead of being resampled.
# ---------------------------------------------------------------------------

def sd_circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def sd_ellipse(cx, cy, rx, ry, rot=0.0):
    c, s = math.cos(rot), math.sin(rot)

    def f(x, y):
        dx, dy = x - cx, y - cy
        px, py = dx * c + dy * s, -dx * s + dy * c
        k0 = math.hypot(px / rx, py / ry)
        k1 = math.hypot(px / (rx * rx), py / (ry * ry))
        if k1 == 0.0:
            return -min(rx, ry)
        return k0 * (k0 - 1.0) / k1
    return f


def sd_capsule(ax, ay, bx, by, r):
    ex, ey = bx - ax, by - ay
    ee = ex * ex + ey * ey

    def f(x, y):
        wx, wy = x - ax, y - ay
        t = _clamp01((wx * ex + wy * ey) / ee) if ee else 0.0
        return math.hypot(wx - ex * t, wy - ey * t) - r
    return f


def sd_poly(pts):
    pts = [(float(a), float(b)) for a, b in pts]
    n = len(pts)

    def f(x, y):
        d = (x - pts[0][0]) ** 2 + (y - pts[0][1]) ** 2
        s = 1.0
        j = n - 1
        for i in range(n):
            vix, viy = pts[i]
            vjx, vjy = pts[j]
            ex, ey = vjx - vix, vjy - viy
            wx, wy = x - vix, y - viy
            ee = ex * ex + ey * ey
            t = _clamp01((wx * ex + wy * ey) / ee) if ee else 0.0
            bx, by = wx - ex * t, wy - ey * t
            dd = bx * bx + by * by
            if dd < d:
                d = dd
            c1 = y >= viy
            c2 = y < vjy
            c3 = ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                s = -s
            j = i
        return s * math.sqrt(d)
    return f


def sd_union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def sd_inter(*fs):
    return lambda x, y: max(f(x, y) for f in fs)


def sd_sub(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def sd_below(y0):
    """Half plane y > y0 (screen y grows downwards)."""
    return lambda x, y: y0 - y


def sd_above(y0):
    return lambda x, y: y - y0


class View:
    """Maps design units onto a canvas: pixel = offset + unit * scale."""

    def __init__(self, canvas, scale, ox=0.0, oy=0.0):
        self.c = canvas
        self.s = scale
        self.ox = ox
        self.oy = oy

    def paint(self, sdf, bbox, fill, stroke=None, sw=1.0, alpha=1.0,
              clip=None):
        """Fill a shape, optionally with an inner outline sw pixels wide.

        fill may be an (r,g,b) tuple or a function (x, y) -> (r,g,b) taking
        design units.  clip is another shape that only limits coverage.
        """
        s = self.s
        pad = 2.0 + sw
        x0 = max(0, int(math.floor(self.ox + bbox[0] * s - pad)))
        y0 = max(0, int(math.floor(self.oy + bbox[1] * s - pad)))
        x1 = min(self.c.w, int(math.ceil(self.ox + bbox[2] * s + pad)))
        y1 = min(self.c.h, int(math.ceil(self.oy + bbox[3] * s + pad)))
        for py in range(y0, y1):
            uy = (py + 0.5 - self.oy) / s
            for px in range(x0, x1):
                ux = (px + 0.5 - self.ox) / s
                d = sdf(ux, uy) * s
                cov = _clamp01(0.5 - d)
                if cov <= 0.0:
                    continue
                if clip is not None:
                    cov *= _clamp01(0.5 - clip(ux, uy) * s)
                    if cov <= 0.0:
                        continue
                col = fill(ux, uy) if callable(fill) else fill
                if stroke is not None:
                    col = _mix(stroke, col, _clamp01(0.5 - (d + sw)))
                self.c.blend(px, py, col, cov * alpha)


# ---------------------------------------------------------------------------
# The wastebasket.  One drawing, several colour schemes.
# ---------------------------------------------------------------------------

BLACK_BIN = {
    "outline": (0, 0, 0),
    "body": (40, 42, 47),
    "body_hi": (112, 116, 124),
    "body_lo": (12, 12, 14),
    "rib": (74, 77, 84),
    "rib_alpha": 0.9,
    "rim": (92, 96, 104),
    "rim_hi": (150, 154, 162),
    "inside": (6, 6, 8),
    "inside_back": (26, 27, 30),
}

WHITE_BIN = {
    "outline": (44, 48, 56),
    "body": (232, 235, 239),
    "body_hi": (255, 255, 255),
    "body_lo": (176, 181, 190),
    "rib": (178, 184, 194),
    "rib_alpha": 1.0,
    "rim": (246, 247, 249),
    "rim_hi": (255, 255, 255),
    "inside": (104, 110, 120),
    "inside_back": (150, 156, 166),
}

GREY_BIN = {
    "outline": (64, 64, 64),
    "body": (192, 192, 192),
    "body_hi": (236, 236, 236),
    "body_lo": (132, 132, 132),
    "rib": (140, 140, 140),
    "rib_alpha": 1.0,
    "rim": (212, 212, 212),
    "rim_hi": (244, 244, 244),
    "inside": (72, 72, 72),
    "inside_back": (108, 108, 108),
}

KELVORO_BIN = {
    "outline": (14, 38, 72),
    "body": (44, 112, 190),
    "body_hi": (122, 182, 240),
    "body_lo": (22, 62, 120),
    "rib": (30, 84, 150),
    "rib_alpha": 0.0,
    "rim": (96, 160, 226),
    "rim_hi": (170, 210, 250),
    "inside": (10, 26, 52),
    "inside_back": (30, 58, 98),
}

# Geometry on the 32-unit grid.  The 16x16 image gets its own, chunkier
# layout: at that size the regular proportions turn into mush.
GEOM = {
    "rim": (16.0, 8.0, 12.0, 3.4),      # cx, cy, rx, ry
    "opening": (8.2, 10.1, 2.35),       # cy, rx, ry
    "top": (8.0, 10.9),                 # y, half width
    "bottom": (28.8, 7.4, 1.9),         # y, half width, curve
    "ribs": (12.6, 26.6, 0.42),         # y0, y1, radius
    "rib_x": None,                      # spread evenly
    "open_line": True,
}

GEOM_SMALL = {
    "rim": (16.0, 8.0, 15.0, 4.0),
    "opening": (8.2, 11.0, 1.9),
    "top": (8.0, 13.0),
    "bottom": (29.0, 9.0, 1.6),
    "ribs": (14.0, 26.0, 1.0),
    "rib_x": [(11.0, 11.0), (21.0, 21.0)],
    "open_line": False,
}


def _body_halfwidth(g, y):
    ty, thw = g["top"]
    by, bhw, _ = g["bottom"]
    t = _clamp01((y - ty) / (by - ty))
    return _lerp(thw, bhw, t)


def _body_shade(g, sch):
    base, hi, lo = sch["body"], sch["body_hi"], sch["body_lo"]
    cx = g["rim"][0]

    def f(x, y):
        u = (x - cx) / _body_halfwidth(g, y)
        # Light from the upper left: a soft glint left of centre, falling
        # off into shadow toward the right-hand side.
        gl = math.exp(-((u + 0.42) / 0.28) ** 2)
        c = _mix(base, hi, gl)
        if u > 0.0:
            c = _mix(c, lo, min(1.0, u) ** 1.6)
        elif u < -0.75:
            c = _mix(c, lo, min(1.0, (-u - 0.75) * 1.6))
        return c
    return f


def _rim_shade(g, sch):
    cx, cy, rx, ry = g["rim"]

    def f(x, y):
        u = (x - cx) / rx
        t = _clamp01(0.5 - u * 0.7 - (y - cy) / ry * 0.25)
        return _mix(sch["rim"], sch["rim_hi"], t * t)
    return f


def _inside_shade(g, sch):
    icy, _, iry = g["opening"]

    def f(x, y):
        t = _clamp01((icy + iry - y) / (2 * iry))
        return _mix(sch["inside"], sch["inside_back"], t)
    return f


def draw_bin(v, sch, px_size, paper=None, ribs=4, emblem=None, ow=None):
    """Draw the wastebasket.  px_size is the rendered icon size in pixels,
    used to pick the layout and keep outlines a sensible width; ow, when
    given, is the outline width in pixels (a picture drawn larger than its
    design size keeps its proportions)."""
    g = GEOM_SMALL if px_size <= 16 else GEOM
    if ow is None:
        ow = 1.0 if px_size <= 32 else max(1.0, px_size / 32.0 * 0.55)
    cx, cy, rx, ry = g["rim"]
    ty, thw = g["top"]
    by, bhw, bry = g["bottom"]
    body = sd_union(
        sd_poly([(cx - thw, ty), (cx + thw, ty),
                 (cx + bhw, by), (cx - bhw, by)]),
        sd_ellipse(cx, by, bhw, bry))
    v.paint(body, (cx - thw, ty - 1, cx + thw, by + bry),
            _body_shade(g, sch), sch["outline"], ow)

    # Vertical ribs pressed into the side of the basket.
    if ribs and sch["rib_alpha"] > 0.0:
        ry0, ry1, rr = g["ribs"]
        xs = g["rib_x"]
        if xs is None:
            xs = []
            for i in range(ribs):
                t = ((i + 0.5) / ribs * 2.0 - 1.0) * 0.74
                xs.append((cx + t * (_body_halfwidth(g, ry0) - 0.3),
                           cx + t * (_body_halfwidth(g, ry1) - 0.3)))
        for ax, bx in xs:
            v.paint(sd_capsule(ax, ry0, bx, ry1, rr),
                    (min(ax, bx) - 1, ry0 - 1, max(ax, bx) + 1, ry1 + 1),
                    sch["rib"], alpha=sch["rib_alpha"])

    if emblem is not None:
        emblem(v, ow)

    rim = sd_ellipse(cx, cy, rx, ry)
    rim_box = (cx - rx, cy - ry, cx + rx, cy + ry)
    v.paint(rim, rim_box, _rim_shade(g, sch), sch["outline"], ow)
    icy, irx, iry = g["opening"]
    inner = sd_ellipse(cx, icy, irx, iry)
    if g["open_line"]:
        v.paint(inner, rim_box, _inside_shade(g, sch), sch["outline"],
                max(1.0, ow * 0.7))
    else:
        v.paint(inner, rim_box, _inside_shade(g, sch))

    if paper is not None:
        # Paper shows above the rim line and through the opening; the front
        # lip of the rim is painted again on top so it tucks in.
        clip = sd_union(sd_above(icy), inner)
        paper(v, ow, clip)
        lip = sd_sub(rim, inner)
        v.paint(lip, rim_box, _rim_shade(g, sch), sch["outline"], ow,
                clip=sd_below(icy - 0.2))


# Hand-tuned jagged outlines for the crumpled paper balls.
_BALL_A = [1.00, 0.82, 1.05, 0.90, 1.08, 0.80, 0.98, 1.06, 0.86, 1.02, 0.90]
_BALL_B = [0.95, 1.08, 0.84, 1.02, 0.92, 1.06, 0.82, 1.00, 1.04, 0.88]
_BALL_S = [1.0, 0.9, 1.05, 0.92, 1.0, 0.94]


def _ball(cx, cy, r, radii, turn):
    n = len(radii)
    pts = []
    for i, k in enumerate(radii):
        a = turn + 2 * math.pi * i / n
        pts.append((cx + math.cos(a) * r * k, cy + math.sin(a) * r * k))
    return pts

PAPER = {
    # sheet: cx, cy, half w, half h, tilt (degrees)
    "sheet": (18.6, 5.2, 3.3, 4.4, -16),
    "balls": [
        (10.4, 5.6, 4.3, _BALL_A, 0.3,
         [((8.2, 4.6), (10.6, 5.9)), ((10.6, 5.9), (12.0, 3.7)),
          ((10.6, 5.9), (11.2, 8.6))]),
        (22.4, 6.4, 3.7, _BALL_B, 0.9,
         [((20.6, 5.2), (22.6, 6.8)), ((22.6, 6.8), (24.4, 5.4))]),
    ],
}

# At 16x16 separate pieces just blur together, so the paper becomes one
# lumpy heap with a single outline and a couple of crease pixels.
PAPER_SMALL = {
    "heap": [(9.6, 6.4, 4.4), (16.4, 4.9, 4.6), (23.0, 6.6, 4.0)],
    "creases": [((9.0, 5.0), (11.0, 8.0)), ((17.0, 4.0), (19.0, 7.0))],
}


def _paper(small):
    paper_col = (253, 253, 250)
    shade_col = (214, 216, 222)
    crease = (150, 154, 164)
    line_col = (120, 160, 215)
    edge = (44, 48, 56)
    P = PAPER_SMALL if small else PAPER

    def heap(v, ow, clip):
        parts = [sd_circle(x, y, r) for x, y, r in P["heap"]]
        box = (4, -2, 28, 11)
        v.paint(sd_union(*parts), box, paper_col, edge, ow, clip=clip)
        for (p, q) in P["creases"]:
            v.paint(sd_capsule(p[0], p[1], q[0], q[1], 0.6), box,
                    shade_col, clip=clip)

    def f(v, ow, clip):
        # A flat sheet standing up at the back, a little tilted.
        cx, cy, hw, hh, tilt = P["sheet"]
        a = math.radians(tilt)
        ca, sa = math.cos(a), math.sin(a)

        def rot(x, y):
            return (cx + x * ca - y * sa, cy + x * sa + y * ca)
        box = (cx - 7, cy - 7, cx + 7, cy + 7)
        corner = min(hw, hh) * 0.55
        sheet_pts = [rot(-hw, -hh), rot(hw - corner, -hh),
                     rot(hw, -hh + corner), rot(hw, hh), rot(-hw, hh)]
        v.paint(sd_poly(sheet_pts), box, paper_col, edge, ow, clip=clip)
        for k in range(3):
            y = -hh + 2.4 + k * 1.7
            p, q = rot(-hw + 1.1, y), rot(hw - 1.2, y)
            v.paint(sd_capsule(p[0], p[1], q[0], q[1], 0.32), box,
                    line_col, clip=clip)
        fold = sd_poly([rot(hw - corner, -hh),
                        rot(hw - corner, -hh + corner),
                        rot(hw, -hh + corner)])
        v.paint(fold, box, shade_col, edge, max(1.0, ow * 0.7),
                clip=clip)

        # Crumpled balls in front of it.
        for (bx, by, br, radii, turn, cr) in P["balls"]:
            ball = sd_poly(_ball(bx, by, br, radii, turn))
            bb = (bx - br * 1.2, by - br * 1.2, bx + br * 1.2, by + br * 1.2)

            def ball_fill(x, y, bx=bx, by=by, br=br):
                t = _clamp01(((x - bx) * 0.6 + (y - by) * 0.8) / br * 0.7
                             + 0.3)
                return _mix(paper_col, shade_col, t)
            v.paint(ball, bb, ball_fill, edge, ow, clip=clip)
            for (p, q) in cr:
                v.paint(sd_capsule(p[0], p[1], q[0], q[1], 0.3), bb,
                        crease, clip=sd_inter(clip, ball))
    return heap if small else f


def _kelvoro_emblem(v, ow):
    """White beamed note on the front of the program's blue basket."""
    heads = [(12.4, 23.2), (19.4, 21.6)]
    parts = []
    for hx, hy in heads:
        parts.append(sd_ellipse(hx, hy, 2.7, 1.95, math.radians(-22)))
        parts.append(sd_capsule(hx + 2.05, hy - 0.7, hx + 2.05, hy - 8.6,
                                0.6))
    (ax, ay), (bx, by) = heads
    parts.append(sd_poly([(ax + 1.45, ay - 9.6), (bx + 2.65, by - 10.8),
                          (bx + 2.65, by - 8.2), (ax + 1.45, ay - 7.0)]))
    note = sd_union(*parts)
    v.paint(note, (8, 9, 24, 27), (255, 255, 255), (14, 38, 72), ow)


def _sparkle(v, cx, cy, r, ow):
    pts = []
    for i in range(8):
        a = math.pi / 4 * i - math.pi / 2
        rr = r if i % 2 == 0 else r * 0.36
        pts.append((cx + math.cos(a) * rr, cy + math.sin(a) * rr))
    v.paint(sd_poly(pts), (cx - r, cy - r, cx + r, cy + r),
            (255, 226, 72), (150, 92, 0), ow)


def render_icon(kind, size):
    c = Canvas(size, size)
    v = View(c, size / 32.0)
    if kind == "black":
        draw_bin(v, BLACK_BIN, size, ribs=4 if size >= 32 else 3)
    elif kind == "white":
        draw_bin(v, WHITE_BIN, size, paper=_paper(size < 32),
                 ribs=4 if size >= 32 else 3)
    elif kind == "grey":
        draw_bin(v, GREY_BIN, size, ribs=5 if size >= 32 else 3)
    elif kind == "kelvoro":
        draw_bin(v, KELVORO_BIN, size, emblem=_kelvoro_emblem)
        _sparkle(v, 27.6, 3.9, 3.9, 1.0)
    else:
        raise ValueError(kind)
    return c


# ---------------------------------------------------------------------------
# Tiny proportional bitmap font (cap height 7, two descender rows).
# ---------------------------------------------------------------------------

FONT = {
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "l": ["##.", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "v": [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "c": [".....", ".....", ".###.", "#...#", "#....", "#...#", ".###."],
    "y": [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#",
          "....#", ".###."],
    "i": ["#", ".", "#", "#", "#", "#", "#"],
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "1": [".#.", "##.", ".#.", ".#.", ".#.", ".#.", "###"],
    ".": [".", ".", ".", ".", ".", ".", "#"],
    " ": ["...", "...", "...", "...", "...", "...", "..."],
}


def text_width(s):
    return sum(len(FONT[ch][0]) for ch in s) + max(0, len(s) - 1)


def draw_text(c, x, y, s, rgb, bold=False):
    """Draw s with its cap line at row y."""
    for ch in s:
        g = FONT[ch]
        for gy, row in enumerate(g):
            for gx, bit in enumerate(row):
                if bit == "#":
                    c.set(x + gx, y + gy, rgb)
                    if bold:
                        c.set(x + gx + 1, y + gy, rgb)
        x += len(g[0]) + 1 + (1 if bold else 0)


def text_width_bold(s):
    return text_width(s) + len(s)


# ---------------------------------------------------------------------------
# Pointing hand cursor, drawn pixel by pixel.
# '#' black, 'o' white, '.' transparent.  Hot spot is the fingertip (12,1).
# ---------------------------------------------------------------------------

HAND_HOT = (12, 1)


def _hand_rows():
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


# ---------------------------------------------------------------------------
# File writers.
# ---------------------------------------------------------------------------

def _bih(w, h, bpp, size_image, clr_used=0):
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
    return (_bih(w, 2 * h, 8, len(xor) + len(mask)) + palbytes
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
    return _bih(w, 2 * h, 32, len(xor) + len(mask)) + bytes(xor) + mask


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def _filtered_rows(rows, bpp):
    """Each row with the PNG filter that leaves the smallest residue."""
    out = bytearray()
    prev = bytes(len(rows[0]))
    for row in rows:
        best = None
        for ft in range(5):
            f = bytearray(len(row))
            for i, x in enumerate(row):
                a = row[i - bpp] if i >= bpp else 0
                b = prev[i]
                c = prev[i - bpp] if i >= bpp else 0
                pred = (0, a, b, (a + b) >> 1, _paeth(a, b, c))[ft]
                f[i] = (x - pred) & 0xFF
            cost = sum(v if v < 128 else 256 - v for v in f)
            if best is None or cost < best[0]:
                best = (cost, ft, f)
        out.append(best[1])
        out += best[2]
        prev = row
    return bytes(out)


def png_rgba(c, filtered=False):
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
        raw = _filtered_rows(rows, 4)
    else:
        raw = b"".join(b"\0" + r for r in rows)

    def chunk(tag, data):
        return (struct.pack(">I", len(data)) + tag + data
                + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))
    ihdr = struct.pack(">IIBBBBB", c.w, c.h, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(raw, 9))
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


def make_cursor():
    rows = _hand_rows()
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
    dib = _bih(w, 2 * h, 1, len(xor) + len(andm), 2) + pal + xor + andm
    return icon_file([(32, 32, 2, HAND_HOT[0], HAND_HOT[1], dib)], kind=2)


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
    draw_bin(View(em, 40 / 32.0), KELVORO_BIN, 40, emblem=_kelvoro_emblem)
    _sparkle(View(em, 40 / 32.0), 27.6, 3.9, 3.9, 1.0)
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

SCALES = (100, 150, 200, 250)


def scaled(n, pct):
    """n pixels at pct per cent, rounded half up as MulDiv rounds."""
    return (n * pct + 50) // 100


def fill_rect(c, x0, y0, x1, y1, rgb):
    """Fills a rectangle in pixel units, each pixel by the area it covers."""
    for py in range(max(0, int(math.floor(y0))), min(c.h, int(math.ceil(y1)))):
        cy = min(py + 1.0, y1) - max(float(py), y0)
        for px in range(max(0, int(math.floor(x0))),
                        min(c.w, int(math.ceil(x1)))):
            cx = min(px + 1.0, x1) - max(float(px), x0)
            c.blend(px, py, rgb, cx * cy)


def draw_text_scaled(c, x, y, s, rgb, k, bold=False):
    """draw_text at k times the size: each font pixel becomes a k x k
    square at k times its 100 % position."""
    for ch in s:
        g = FONT[ch]
        for gy, row in enumerate(g):
            for gx, bit in enumerate(row):
                if bit == "#":
                    w = 2 if bold else 1
                    fill_rect(c, (x + gx) * k, (y + gy) * k,
                              (x + gx + w) * k, (y + gy + 1) * k, rgb)
        x += len(g[0]) + 1 + (1 if bold else 0)


def make_logo_at(pct):
    k = pct / 100.0
    c = Canvas(scaled(64, pct), scaled(66, pct), (255, 255, 255))
    v = View(c, 40 * k / 32.0, 12 * k, 2 * k)
    draw_bin(v, KELVORO_BIN, 40 * k, emblem=_kelvoro_emblem, ow=k)
    _sparkle(v, 27.6, 3.9, 3.9, k)
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
    rows = _hand_rows()
    assert rows[HAND_HOT[1]][HAND_HOT[0]] == "#"
    assert all(ch == "." for ch in rows[HAND_HOT[1] - 1])
    for name in sorted(sizes):
        print("%-18s %7d bytes  ok" % (name, sizes[name]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
