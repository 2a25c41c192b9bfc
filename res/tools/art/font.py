"""The tiny bitmap font the bitmaps' labels are written in, at 100 % and
at larger display scales."""

from .draw import fill_rect


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
