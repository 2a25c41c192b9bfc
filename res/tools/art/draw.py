"""Drawing primitives: the RGBA canvas, signed-distance shapes, the view that
maps the 32-unit design grid onto pixels, and the display scales."""

import math


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


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return (lerp(c1[0], c2[0], t), lerp(c1[1], c2[1], t),
            lerp(c1[2], c2[2], t))


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
        t = clamp01((wx * ex + wy * ey) / ee) if ee else 0.0
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
            t = clamp01((wx * ex + wy * ey) / ee) if ee else 0.0
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
                cov = clamp01(0.5 - d)
                if cov <= 0.0:
                    continue
                if clip is not None:
                    cov *= clamp01(0.5 - clip(ux, uy) * s)
                    if cov <= 0.0:
                        continue
                col = fill(ux, uy) if callable(fill) else fill
                if stroke is not None:
                    col = mix(stroke, col, clamp01(0.5 - (d + sw)))
                self.c.blend(px, py, col, cov * alpha)


# Display scales in per cent (100 % is 96 dpi).
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
