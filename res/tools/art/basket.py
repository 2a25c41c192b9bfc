"""The wastebasket in its colour schemes, with paper, note and sparkle, and
the icon pictures drawn from it."""

import math

from .draw import (Canvas, View, clamp01, lerp, mix, sd_above, sd_below,
                   sd_capsule, sd_circle, sd_ellipse, sd_inter, sd_poly,
                   sd_sub, sd_union)


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
    t = clamp01((y - ty) / (by - ty))
    return lerp(thw, bhw, t)


def _body_shade(g, sch):
    base, hi, lo = sch["body"], sch["body_hi"], sch["body_lo"]
    cx = g["rim"][0]

    def f(x, y):
        u = (x - cx) / _body_halfwidth(g, y)
        # Light from the upper left: a soft glint left of centre, falling
        # off into shadow toward the right-hand side.
        gl = math.exp(-((u + 0.42) / 0.28) ** 2)
        c = mix(base, hi, gl)
        if u > 0.0:
            c = mix(c, lo, min(1.0, u) ** 1.6)
        elif u < -0.75:
            c = mix(c, lo, min(1.0, (-u - 0.75) * 1.6))
        return c
    return f


def _rim_shade(g, sch):
    cx, cy, rx, ry = g["rim"]

    def f(x, y):
        u = (x - cx) / rx
        t = clamp01(0.5 - u * 0.7 - (y - cy) / ry * 0.25)
        return mix(sch["rim"], sch["rim_hi"], t * t)
    return f


def _inside_shade(g, sch):
    icy, _, iry = g["opening"]

    def f(x, y):
        t = clamp01((icy + iry - y) / (2 * iry))
        return mix(sch["inside"], sch["inside_back"], t)
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
                t = clamp01(((x - bx) * 0.6 + (y - by) * 0.8) / br * 0.7
                             + 0.3)
                return mix(paper_col, shade_col, t)
            v.paint(ball, bb, ball_fill, edge, ow, clip=clip)
            for (p, q) in cr:
                v.paint(sd_capsule(p[0], p[1], q[0], q[1], 0.3), bb,
                        crease, clip=sd_inter(clip, ball))
    return heap if small else f


def kelvoro_emblem(v, ow):
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


def sparkle(v, cx, cy, r, ow):
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
        draw_bin(v, KELVORO_BIN, size, emblem=kelvoro_emblem)
        sparkle(v, 27.6, 3.9, 3.9, 1.0)
    else:
        raise ValueError(kind)
    return c
