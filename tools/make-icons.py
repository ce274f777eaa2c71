#!/usr/bin/env python3
"""Draw Pellora's icons and the target cursor.

Writes resources/icons/<id>.ico (32x32, 24x24 and 16x16, 32 bpp BGRA DIB
entries with AND masks -- no PNG entries, so every loader can read them) and
resources/cursors/191.cur (32x32 monochrome crosshair, hot spot 15,15).

Each size is drawn separately on an 8x supersampled canvas whose coordinates
are target pixels, so straight edges can be put on pixel boundaries and stay
sharp at 16x16; the canvas is then box-filtered down (premultiplied alpha).
"""
import math
import os
import struct
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SS = 8
SIZES = (32, 24, 16)
BOLD_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


# ---------------------------------------------------------------- canvas

class Canvas:
    """RGBA canvas addressed in target pixels (floats), drawn at SS x."""

    def __init__(self, size):
        self.s = size
        self.img = Image.new("RGBA", (size * SS, size * SS), (0, 0, 0, 0))

    # -- shape masks -------------------------------------------------
    def _mask(self):
        return Image.new("L", self.img.size, 0)

    @staticmethod
    def _box(b):
        x0, y0, x1, y1 = b
        return [x0 * SS, y0 * SS, x1 * SS - 1, y1 * SS - 1]

    def m_rect(self, b, r=0):
        m = self._mask()
        d = ImageDraw.Draw(m)
        if r:
            d.rounded_rectangle(self._box(b), radius=r * SS, fill=255)
        else:
            d.rectangle(self._box(b), fill=255)
        return m

    def m_ellipse(self, b):
        m = self._mask()
        ImageDraw.Draw(m).ellipse(self._box(b), fill=255)
        return m

    def m_poly(self, pts):
        m = self._mask()
        ImageDraw.Draw(m).polygon([(x * SS, y * SS) for x, y in pts], fill=255)
        return m

    def m_line(self, pts, w, round_caps=False):
        m = self._mask()
        d = ImageDraw.Draw(m)
        p = [(x * SS, y * SS) for x, y in pts]
        d.line(p, fill=255, width=max(1, int(round(w * SS))), joint="curve")
        if round_caps:
            r = w * SS / 2
            for x, y in (p[0], p[-1]):
                d.ellipse([x - r, y - r, x + r, y + r], fill=255)
        return m

    def m_ring(self, b, w):
        outer = self.m_ellipse(b)
        x0, y0, x1, y1 = b
        inner = self.m_ellipse((x0 + w, y0 + w, x1 - w, y1 - w))
        return ImageChops.subtract(outer, inner)

    # -- painting ----------------------------------------------------
    def grad(self, b, c0, c1, vertical=True):
        """Full-canvas image holding a linear gradient across box b."""
        w, h = self.img.size
        x0, y0, x1, y1 = [v * SS for v in b]
        lo, hi = (y0, y1) if vertical else (x0, x1)
        n = h if vertical else w
        strip = Image.new("RGBA", (1, n) if vertical else (n, 1))
        px = strip.load()
        for i in range(n):
            t = min(1.0, max(0.0, (i + 0.5 - lo) / max(1.0, hi - lo)))
            c = tuple(int(round(a + (bb - a) * t)) for a, bb in zip(_rgba(c0), _rgba(c1)))
            px[(0, i) if vertical else (i, 0)] = c
        return strip.resize((w, h), Image.NEAREST)

    def paint(self, mask, fill, opacity=1.0):
        if isinstance(fill, Image.Image):
            src = fill.copy()
        else:
            src = Image.new("RGBA", self.img.size, _rgba(fill))
        a = ImageChops.multiply(src.getchannel("A"), mask)
        if opacity != 1.0:
            a = a.point(lambda v: int(round(v * opacity)))
        src.putalpha(a)
        self.img = Image.alpha_composite(self.img, src)

    def erase(self, mask):
        """Cut mask out of everything drawn so far (clear gap)."""
        a = ImageChops.subtract(self.img.getchannel("A"), mask)
        self.img.putalpha(a)

    def rect(self, b, fill, r=0):
        self.paint(self.m_rect(b, r), fill)

    def frame(self, b, fill, w=1, r=0):
        x0, y0, x1, y1 = b
        m = ImageChops.subtract(self.m_rect(b, r),
                                self.m_rect((x0 + w, y0 + w, x1 - w, y1 - w), max(0, r - w)))
        self.paint(m, fill)

    def shadow(self, mask, dx=1, dy=1, blur=0.8, opacity=0.35):
        m = mask.transform(mask.size, Image.AFFINE, (1, 0, -dx * SS, 0, 1, -dy * SS))
        m = m.filter(ImageFilter.GaussianBlur(blur * SS))
        self.paint(m, (0, 0, 0), opacity)

    def render(self):
        im = self.img.convert("RGBa").resize((self.s, self.s), Image.BOX)
        return im.convert("RGBA")


def glyph_mask(ch, px):
    """Large grey-scale mask of one bold glyph, on a roomy canvas."""
    f = ImageFont.truetype(BOLD_FONT, px)
    m = Image.new("L", (px * 2, px * 2), 0)
    ImageDraw.Draw(m).text((px // 2, px // 4), ch, font=f, fill=255)
    return m


def _rgba(c):
    if isinstance(c, str):
        c = c.lstrip("#")
        return tuple(int(c[i:i + 2], 16) for i in (0, 2, 4)) + (255,)
    return tuple(c) + (255,) * (4 - len(c))


# ---------------------------------------------------------------- parts

BLUE_D = "#1d4f9c"
BLUE_1 = "#2f6fd6"
BLUE_2 = "#6aa8f0"
FRAME_GREY = "#5a6270"


def window(c, b, active=True, title=None, client="#ffffff", shadow=True):
    """A window: 1px dark border, title bar, client area. Returns client box."""
    s = c.s
    x0, y0, x1, y1 = b
    if title is None:
        title = {16: 3, 24: 4, 32: 5}[s]
    if shadow:
        c.shadow(c.m_rect(b), 1 if s < 32 else 1.5, 1 if s < 32 else 1.5, 0.6, 0.30)
    border = BLUE_D if active else "#58657a"
    c.rect(b, border)
    tb = (x0 + 1, y0 + 1, x1 - 1, y0 + 1 + title)
    if active:
        c.paint(c.m_rect(tb), c.grad(tb, BLUE_1, BLUE_2, vertical=False))
    else:
        c.paint(c.m_rect(tb), c.grad(tb, "#8d9bb0", "#b9c4d3", vertical=False))
    cl = (x0 + 1, y0 + 1 + title, x1 - 1, y1 - 1)
    c.paint(c.m_rect(cl), c.grad(cl, client, "#e4e9f0") if client == "#ffffff" else client)
    if s >= 24:
        # close box in the title bar
        bx1 = x1 - 2
        bs = title - 2
        cb = (bx1 - bs, y0 + 2, bx1, y0 + 2 + bs)
        c.rect(cb, "#e0533f" if active else "#d8dde5")
    return cl


def star(c, cx, cy, r_out, r_in, points=4, fill="#ffc21a", rot=0.0):
    pts = []
    for i in range(points * 2):
        a = rot + math.pi * i / points - math.pi / 2
        r = r_out if i % 2 == 0 else r_in
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return c.m_poly(pts)


def pointer(c, x, y, h):
    """Classic arrow pointer, tip at (x,y), height h; white with dark outline."""
    k = h / 16.0
    shape = [(0, 0), (0, 13), (3, 10), (5.6, 15.6), (8, 14.6), (5.5, 9.3), (9.6, 9.3)]
    pts = [(x + px * k, y + py * k) for px, py in shape]
    outline = c.m_poly(pts)
    c.shadow(outline, 0.8, 0.8, 0.5, 0.3)
    # grow the outline a little: the white fill sits inside a dark edge
    c.paint(outline.filter(ImageFilter.MaxFilter(2 * int(0.5 * SS) + 1)), "#101418")
    c.paint(outline, "#ffffff")


# ---------------------------------------------------------------- icons

def icon_app(c):
    s = c.s
    if s == 16:
        back, front = (0, 1, 11, 10), (4, 5, 16, 15)
    elif s == 24:
        back, front = (1, 1, 16, 14), (6, 7, 23, 22)
    else:
        back, front = (1, 2, 21, 18), (8, 10, 31, 29)
    window(c, back, active=False)
    cl = window(c, front)
    # orange selection brackets on the front window's client area
    x0, y0, x1, y1 = cl
    w = 1 if s == 16 else 2
    arm = {16: 3, 24: 4, 32: 6}[s]
    inset = {16: 1, 24: 2, 32: 2}[s]
    x0 += inset; y0 += inset; x1 -= inset; y1 -= inset
    col = "#f08a10"
    for (ax, ay, sx, sy) in ((x0, y0, 1, 1), (x1, y1, -1, -1), (x1, y0, -1, 1), (x0, y1, 1, -1)):
        hx = (ax, ay - (w if sy < 0 else 0), ax + sx * arm, ay + (w if sy > 0 else 0))
        vy = (ax - (w if sx < 0 else 0), ay, ax + (w if sx > 0 else 0), ay + sy * arm)
        for bx in (hx, vy):
            bx0, by0, bx1, by1 = bx
            c.rect((min(bx0, bx1), min(by0, by1), max(bx0, bx1), max(by0, by1)), col)


def icon_info(c):
    s = c.s
    w = {16: 2, 24: 3, 32: 4}[s]
    cx = s / 2 if w % 2 == 0 else s / 2 - 0.5
    r = s / 2 - (0.5 if s == 16 else 1)
    b = (cx - r, cx - r, cx + r, cx + r)
    c.shadow(c.m_ellipse(b), 0.6, 0.8, 0.6, 0.3)
    c.paint(c.m_ellipse(b), "#1a56b8")
    inner = (b[0] + 1, b[1] + 1, b[2] - 1, b[3] - 1)
    c.paint(c.m_ellipse(inner), c.grad(inner, "#5fa2f2", "#1f63c9"))
    # white letter i: dot and stem, the stem with a small foot
    x0 = cx - w / 2
    dot_y = {16: 3, 24: 5, 32: 6}[s]
    if s == 16:
        c.rect((x0, dot_y, x0 + w, dot_y + w), "#ffffff")
    else:
        d = w * 1.15
        c.paint(c.m_ellipse((cx - d / 2, dot_y + w / 2 - d / 2, cx + d / 2, dot_y + w / 2 + d / 2)),
                "#ffffff")
    top = dot_y + w + (1 if s == 16 else 2)
    bot = {16: 13, 24: 19, 32: 26}[s]
    c.rect((x0, top, x0 + w, bot), "#ffffff")
    if s >= 24:
        f = 1 if s == 24 else 2
        c.rect((x0 - f, bot - (1 if s == 24 else 2), x0 + w + f, bot), "#ffffff")
        c.rect((x0 - f, top, x0, top + 1 if s == 24 else top + 2), "#ffffff")


def icon_letter(c):
    s = c.s
    # the letter's box, its bottom edge is the mirror line
    box = {16: (3, 0, 13, 10), 24: (5, 0, 19, 15), 32: (6, 1, 25, 20)}[s]
    x0, y0, x1, base = box
    big = glyph_mask("P", 400)         # oversized glyph, then fitted to the box
    g = big.crop(big.getbbox()).resize(((x1 - x0) * SS, (base - y0) * SS), Image.LANCZOS)
    m = c._mask()
    m.paste(g, (x0 * SS, y0 * SS))
    c.paint(m.filter(ImageFilter.MaxFilter(2 * int(0.35 * SS) + 1)), "#17701f")
    c.paint(m, c.grad((0, y0, s, base), "#6be065", "#1f9a2c"))
    # reflection: mirrored about the base line, paler and fading out
    refl = m.transpose(Image.FLIP_TOP_BOTTOM)
    gap = 0 if s == 16 else 1
    refl = refl.transform(refl.size, Image.AFFINE,
                          (1, 0, 0, 0, 1, (s - 2 * base - gap) * SS))
    fade = c.grad((0, base + gap, s, base + gap + (s - base) * 1.1),
                  (95, 200, 100, 150), (95, 200, 100, 0))
    c.paint(refl, fade)


def icon_close(c):
    s = c.s
    m = 0 if s == 16 else 1
    b = (m, m, s - m, s - m)
    r = {16: 3, 24: 4, 32: 5}[s]
    c.shadow(c.m_rect(b, r), 0.6, 0.8, 0.6, 0.3)
    c.paint(c.m_rect(b, r), "#9e1a12")
    inner = (b[0] + 1, b[1] + 1, b[2] - 1, b[3] - 1)
    c.paint(c.m_rect(inner, r - 1), c.grad(inner, "#ff7a63", "#d0281b"))
    w = {16: 2.2, 24: 3.2, 32: 4.2}[s]
    a = {16: 4.5, 24: 6.8, 32: 9}[s]
    c.paint(c.m_line([(a, a), (s - a, s - a)], w), "#ffffff")
    c.paint(c.m_line([(s - a, a), (a, s - a)], w), "#ffffff")


def icon_menu(c):
    s = c.s
    if s == 16:
        panel, rows = (0, 0, 11, 13), 4
    elif s == 24:
        panel, rows = (1, 1, 17, 20), 4
    else:
        panel, rows = (1, 1, 22, 26), 5
    c.shadow(c.m_rect(panel), 1, 1, 0.7, 0.35)
    c.rect(panel, "#6b7380")
    x0, y0, x1, y1 = panel
    c.rect((x0 + 1, y0 + 1, x1 - 1, y1 - 1), "#f7f8fa")
    pad = 1 if s == 16 else 2
    top = y0 + pad
    step = {16: 3, 24: 4, 32: 5}[s]
    lh = 1 if s < 32 else 2
    for i in range(rows):
        ry = top + i * step
        if i == 1:
            c.rect((x0 + 1, ry, x1 - 1, ry + step - (0 if s == 16 else 1)), "#3b7be0")
            col = "#ffffff"
        else:
            col = "#8a929e"
        ly = ry + (step - lh) // 2 if s != 16 else ry + 1
        length = (x1 - x0) - 2 * pad - (2 if i % 2 else 0) - pad
        c.rect((x0 + pad + 1, ly, x0 + pad + 1 + length - (1 if s == 16 else 2), ly + lh), col)
    # mouse pointer in the lower right
    if s == 16:
        pointer(c, 8, 5.5, 10.5)
    elif s == 24:
        pointer(c, 12, 8, 15.5)
    else:
        pointer(c, 16, 10.5, 21)


def icon_floppy(c):
    s = c.s
    m = 0 if s == 16 else 1
    x0, y0, x1, y1 = m, m, s - m, s - m
    cut = {16: 3, 24: 4, 32: 5}[s]
    body = [(x0, y0), (x1 - cut, y0), (x1, y0 + cut), (x1, y1), (x0, y1)]
    c.shadow(c.m_poly(body), 0.7, 0.8, 0.6, 0.3)
    c.paint(c.m_poly(body), "#12295a")
    ib = [(x0 + 1, y0 + 1), (x1 - cut - 0.4, y0 + 1), (x1 - 1, y0 + cut + 0.4),
          (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)]
    c.paint(c.m_poly(ib), c.grad((x0, y0, x1, y1), "#3f6fc6", "#22489a"))
    # metal shutter at the top, with its slot
    sw = {16: (4, 11), 24: (6, 16), 32: (8, 22)}[s]
    sh = {16: 5, 24: 8, 32: 10}[s]
    c.rect((sw[0], y0 + 1, sw[1], y0 + 1 + sh), "#c9d0da")
    c.rect((sw[0], y0 + 1 + sh - 1, sw[1], y0 + 1 + sh), "#8d97a6")
    slot = {16: (8, 10), 24: (12, 14), 32: (16, 19)}[s]
    c.rect((slot[0], y0 + 2, slot[1], y0 + sh - 1), "#2a3446")
    # white label with writing lines
    ly = {16: 8, 24: 12, 32: 16}[s]
    lab = (x0 + (2 if s == 16 else 3), ly, x1 - (2 if s == 16 else 3), y1 - 1)
    c.rect(lab, "#ffffff")
    c.rect((lab[0], lab[1], lab[2], lab[1] + (1 if s < 32 else 2)), "#e0533f")
    step = 2 if s == 16 else 3
    y = lab[1] + (2 if s == 16 else 4)
    while y + 1 <= lab[3] - 1:
        c.rect((lab[0] + 1, y, lab[2] - 1, y + 1), "#b7c0cc")
        y += step


def arc_pts(cx, cy, r, a0, a1, n=40):
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def icon_shortcut(c):
    s = c.s
    k = s / 32.0
    # white overlay box
    box = (1 * k if s > 16 else 0, 5 * k, 27 * k if s > 16 else 13, 31 * k if s > 16 else 16)
    box = tuple(round(v) for v in box)
    c.shadow(c.m_rect(box, 1), 0.6, 0.7, 0.6, 0.3)
    c.rect(box, "#59606b")
    c.rect((box[0] + 1, box[1] + 1, box[2] - 1, box[3] - 1), "#ffffff")
    # curved arrow: a thick arc from the bottom left, bending up and to the right
    w = {16: 2.6, 24: 3.6, 32: 4.6}[s]
    bx0, by0, bx1, by1 = box
    cx, cy = bx1 + 0.5 * k, by1 - 0.5 * k
    r = (bx1 - bx0) * 0.62
    pts = arc_pts(cx, cy, r, 180, 262)
    shaft = c.m_line(pts, w)
    ex, ey = pts[-1]
    head = {16: 4.2, 24: 6.2, 32: 8.0}[s]
    ang = math.radians(262 + 90)   # tangent direction at the end
    tx, ty = math.cos(ang), math.sin(ang)
    nx, ny = -ty, tx
    tip = (ex + tx * head * 0.9, ey + ty * head * 0.9)
    hp = [tip, (ex + nx * head * 0.75 - tx * 0.2, ey + ny * head * 0.75 - ty * 0.2),
          (ex - nx * head * 0.75 - tx * 0.2, ey - ny * head * 0.75 - ty * 0.2)]
    arrow = ImageChops.lighter(shaft, c.m_poly(hp))
    c.paint(arrow.filter(ImageFilter.MaxFilter(2 * int(0.45 * SS) + 1)), "#0d3a85")
    c.paint(arrow, c.grad(box, "#4d9bf5", "#1f5fcc"))
    # spark in the top right corner
    sx, sy = s - 6.5 * k, 6.5 * k
    ro = {16: 4.2, 24: 6.0, 32: 7.0}[s]
    m = star(c, sx, sy, ro, ro * 0.3, 4)
    c.paint(m.filter(ImageFilter.MaxFilter(2 * int(0.5 * SS) + 1)), "#b8720a")
    c.paint(m, "#ffd23a")
    if s >= 24:
        c.paint(star(c, sx, sy, ro * 0.55, ro * 0.2, 4, rot=math.pi / 4), "#fff6c8")


def icon_power(c):
    s = c.s
    cx = s / 2
    r = s / 2 - (0 if s == 16 else 1)
    b = (cx - r, cx - r, cx + r, cx + r)
    c.shadow(c.m_ellipse(b), 0.6, 0.8, 0.6, 0.3)
    c.paint(c.m_ellipse(b), "#8c140c")
    inner = (b[0] + 1, b[1] + 1, b[2] - 1, b[3] - 1)
    c.paint(c.m_ellipse(inner), c.grad(inner, "#ff6a55", "#c21e12"))
    # power symbol: an open ring and a bar through the gap
    w = {16: 1.6, 24: 2.4, 32: 3.0}[s]
    rr = {16: 4.2, 24: 6.2, 32: 8.2}[s]
    cy = cx + {16: 0.6, 24: 0.8, 32: 1.0}[s]
    ring = c.m_ring((cx - rr - w / 2, cy - rr - w / 2, cx + rr + w / 2, cy + rr + w / 2), w)
    gap = c.m_poly([(cx, cy), (cx - rr * 1.3, cy - rr * 1.6), (cx + rr * 1.3, cy - rr * 1.6)])
    ring = ImageChops.subtract(ring, gap)
    bw = {16: 2, 24: 2.4, 32: 3}[s]
    tail = {16: 0.25, 24: 0.5, 32: 0.75}[s]
    bar = c.m_rect((cx - bw / 2, cy - rr - w * 1.2, cx + bw / 2, cy + tail), r=bw / 2)
    c.paint(ImageChops.lighter(ring, bar), "#ffffff")


def icon_window(c):
    b = {16: (0, 1, 16, 15), 24: (1, 2, 23, 22), 32: (1, 3, 31, 29)}[c.s]
    window(c, b)


def icon_window_target(c):
    s = c.s
    b = {16: (0, 1, 16, 15), 24: (1, 2, 23, 22), 32: (1, 3, 31, 29)}[c.s]
    x0, y0, x1, y1 = window(c, b)
    # crosshair target in the client area, centred on a pixel
    cx = (x0 + x1) // 2 + 0.5
    cy = (y0 + y1) // 2 + 0.5
    red = "#d42a1c"
    if s == 16:
        r, lw, gap, arm = 3.5, 1, 1, 5
    elif s == 24:
        r, lw, gap, arm = 5.5, 1, 1.5, 7
    else:
        r, lw, gap, arm = 7.0, 1.6, 2, 9
    c.paint(c.m_ring((cx - r - lw / 2, cy - r - lw / 2, cx + r + lw / 2, cy + r + lw / 2), lw), red)
    hw = 0.5 if lw == 1 else 1
    for sx, sy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        a0, a1 = gap + 0.5, arm
        if sx:
            xs = sorted((cx + sx * a0, cx + sx * a1))
            c.rect((math.floor(xs[0]), cy - hw, math.ceil(xs[1]), cy + hw), red)
        else:
            ys = sorted((cy + sy * a0, cy + sy * a1))
            c.rect((cx - hw, math.floor(ys[0]), cx + hw, math.ceil(ys[1])), red)


def page(c, b, fold):
    x0, y0, x1, y1 = b
    outline = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
    c.shadow(c.m_poly(outline), 0.7, 0.7, 0.6, 0.3)
    c.paint(c.m_poly(outline), "#6a7280")
    inner = [(x0 + 1, y0 + 1), (x1 - fold - 0.4, y0 + 1), (x1 - 1, y0 + fold + 0.4),
             (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)]
    c.paint(c.m_poly(inner), c.grad(b, "#ffffff", "#e8edf3"))
    c.paint(c.m_poly([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), "#c4ccd8")
    # text lines
    s = c.s
    step = 2 if s == 16 else 3
    lw = 1
    y = y0 + (3 if s == 16 else fold + 2)
    i = 0
    while y + lw <= y1 - 2:
        right = x1 - 2 - (2 if i % 3 == 2 else 0)
        if y < y0 + fold + 1:
            right = min(right, x1 - fold - 1)
        c.rect((x0 + 2, y, right, y + lw), "#7d8da3" if i % 2 == 0 else "#9aa7b8")
        y += step
        i += 1


def icon_copy(c):
    s = c.s
    if s == 16:
        a, b, f = (0, 0, 10, 12), (5, 4, 15, 16), 3
    elif s == 24:
        a, b, f = (1, 1, 15, 18), (8, 6, 22, 23), 4
    else:
        a, b, f = (2, 1, 20, 23), (11, 8, 29, 30), 5
    page(c, a, f)
    page(c, b, f)


ICONS = {
    101: icon_app,
    102: icon_app,
    135: icon_info,
    140: icon_letter,
    141: icon_close,
    144: icon_menu,
    146: icon_floppy,
    176: icon_shortcut,
    177: icon_power,
    182: icon_window,
    183: icon_window_target,
    192: icon_copy,
}


def draw(icon_id, size):
    c = Canvas(size)
    ICONS[icon_id](c)
    return c.render()


# ---------------------------------------------------------------- .ico

def dib32(im):
    """BITMAPINFOHEADER + bottom-up BGRA + 1 bpp AND mask for one image."""
    w, h = im.size
    px = im.load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            if a == 0:
                r = g = b = 0
            xor += bytes((b, g, r, a))
    stride = ((w + 31) // 32) * 4
    andm = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if px[x, y][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        andm += row
    hdr = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0,
                      len(xor) + len(andm), 0, 0, 0, 0)
    return hdr + bytes(xor) + bytes(andm)


def ico_bytes(images):
    n = len(images)
    out = struct.pack("<HHH", 0, 1, n)
    blobs = [dib32(im) for im in images]
    off = 6 + 16 * n
    for im, blob in zip(images, blobs):
        w, h = im.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), off)
        off += len(blob)
    return out + b"".join(blobs)


# ---------------------------------------------------------------- cursor

CUR_SIZE = 32
HOT = (15, 15)


def circle_pixels(cx, cy, r):
    """Midpoint circle: a one-pixel ring without doubled corners."""
    pts = set()
    x, y, err = r, 0, 1 - r
    while x >= y:
        for dx, dy in ((x, y), (y, x)):
            for sx in (1, -1):
                for sy in (1, -1):
                    pts.add((cx + sx * dx, cy + sy * dy))
        y += 1
        if err < 0:
            err += 2 * y + 1
        else:
            x -= 1
            err += 2 * (y - x) + 1
    return pts


def cursor_planes():
    """(black, white) pixel sets of the crosshair target cursor."""
    cx, cy = HOT
    black = set(circle_pixels(cx, cy, 9))
    gap, end = 3, 14
    for d in range(gap, end + 1):
        black |= {(cx + d, cy), (cx - d, cy), (cx, cy + d), (cx, cy - d)}
    black = {(x, y) for x, y in black if 0 <= x < CUR_SIZE and 0 <= y < CUR_SIZE}
    white = set()
    for x, y in black:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                if abs(dx) + abs(dy) == 1:
                    p = (x + dx, y + dy)
                    if p not in black and 0 <= p[0] < CUR_SIZE and 0 <= p[1] < CUR_SIZE:
                        white.add(p)
    return black, white


def cur_bytes():
    black, white = cursor_planes()
    n = CUR_SIZE
    stride = 4
    xor = bytearray()
    andm = bytearray()
    for y in range(n - 1, -1, -1):
        xr = bytearray(stride)
        ar = bytearray(stride)
        for x in range(n):
            bit = 0x80 >> (x % 8)
            if (x, y) in white:
                xr[x // 8] |= bit          # AND 0, XOR 1: white
            elif (x, y) not in black:
                ar[x // 8] |= bit          # AND 1, XOR 0: transparent
        xor += xr
        andm += ar
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    hdr = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 1, 0, len(xor) + len(andm), 0, 0, 0, 0)
    blob = hdr + palette + bytes(xor) + bytes(andm)
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", n, n, 2, 0, HOT[0], HOT[1], len(blob), 6 + 16)
    return out + blob


def cursor_image():
    """RGBA picture of the cursor (for previews)."""
    black, white = cursor_planes()
    im = Image.new("RGBA", (CUR_SIZE, CUR_SIZE), (0, 0, 0, 0))
    for p in black:
        im.putpixel(p, (0, 0, 0, 255))
    for p in white:
        im.putpixel(p, (255, 255, 255, 255))
    return im


# ---------------------------------------------------------------- main

def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    res = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources")
    icons = os.path.join(res, "icons")
    cursors = os.path.join(res, "cursors")
    os.makedirs(icons, exist_ok=True)
    os.makedirs(cursors, exist_ok=True)
    for iid in sorted(ICONS):
        path = os.path.join(icons, "%d.ico" % iid)
        with open(path, "wb") as f:
            f.write(ico_bytes([draw(iid, s) for s in SIZES]))
        print("wrote", path)
    path = os.path.join(cursors, "191.cur")
    with open(path, "wb") as f:
        f.write(cur_bytes())
    print("wrote", path)


if __name__ == "__main__":
    main()
