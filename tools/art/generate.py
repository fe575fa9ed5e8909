#!/usr/bin/python3
"""Draws every bitmap and icon of Tessaly.

Usage: tools/art/generate.py [RES_DIR]   (default: the repository's res/ folder)

Writes RES_DIR/bitmaps/<ID>.png and <ID>@2x.png, RES_DIR/icons/<ID>/<size>.png, and the icon theme's
sizes of the application icon as RES_DIR/icons/hicolor/<size>.png.
The output is deterministic: the same script gives the same bytes, so the committed
images can be checked against a fresh run.

Each picture is drawn at four times its final resolution and reduced with a box
filter, which gives clean anti-aliased edges. Pixels that the program treats as a
colour key (skin corners, thumb corners) are set afterwards at the final resolution,
so they are never blended with anything.
"""

import math
import random
import sys
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SUPERSAMPLE = 4
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

KEY = (252, 0, 255)
THUMB_ACTIVE_KEY = (0, 255, 255)
FIELD = (206, 210, 214)  # control strip, settings body, button field
BLACK = (0, 0, 0)
OUTLINE = (18, 19, 22)
METAL_TOP = (66, 70, 76)
METAL_BOTTOM = (40, 42, 46)
CAPTION_TOP = (236, 238, 241)
CAPTION_BOTTOM = (198, 202, 207)
INK = (48, 52, 58)
LED = (60, 255, 120)
LED_GHOST = (3, 16, 8)
ORANGE_TOP = (255, 190, 92)
ORANGE_BOTTOM = (236, 112, 8)
RED = (222, 36, 36)
ON_AIR = (255, 72, 48)  # the tray icon's mast while transmitting
NOT_TAKEN = (255, 184, 0)  # the tray icon's mast and mark when the transmitter did not take a change

SKIN_SIZE = (475, 298)
SKIN_RADIUS = 10
CAPTION_HEIGHT = 28
FRAME = 8
STRIP_TOP = 224
DISPLAY_BLACK = (92, 97, 389, 218)  # left, top, right, bottom (exclusive)
DISPLAY_BEZEL = 3


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def caption_colour(y):
    return mix(CAPTION_TOP, CAPTION_BOTTOM, y / (CAPTION_HEIGHT - 1))


class Canvas:
    """An RGB picture addressed in logical pixels, drawn at supersampled resolution."""

    def __init__(self, size, scale, background):
        self.size = size
        self.scale = scale
        self.f = scale * SUPERSAMPLE
        self.image = Image.new("RGB", (round(size[0] * self.f), round(size[1] * self.f)), background)

    def box(self, x0, y0, x1, y1):
        """Logical edges to the inclusive device-pixel box that PIL wants."""
        f = self.f
        return [round(x0 * f), round(y0 * f), round(x1 * f) - 1, round(y1 * f) - 1]

    def points(self, pts):
        return [(x * self.f, y * self.f) for x, y in pts]

    def mask(self):
        return Image.new("L", self.image.size, 0)

    def paint(self, fill, mask):
        """Paints fill (a colour or an image of the canvas size) through mask."""
        if isinstance(fill, tuple):
            fill = Image.new("RGB", self.image.size, fill)
        self.image.paste(fill, (0, 0), mask)

    def vgradient(self, top, bottom, y0=0, y1=None):
        """A canvas-sized image whose rows run from top at y0 to bottom at y1."""
        y1 = self.size[1] if y1 is None else y1
        h = self.image.size[1]
        column = Image.new("RGB", (1, h))
        for y in range(h):
            t = (y / self.f - y0) / max(y1 - y0, 1e-6)
            column.putpixel((0, y), mix(top, bottom, min(max(t, 0.0), 1.0)))
        return column.resize(self.image.size, Image.NEAREST)

    def rounded(self, mask, x0, y0, x1, y1, r, value=255):
        ImageDraw.Draw(mask).rounded_rectangle(self.box(x0, y0, x1, y1), radius=r * self.f, fill=value)

    def ellipse(self, mask, cx, cy, r, value=255, width=None):
        d = ImageDraw.Draw(mask)
        bbox = self.box(cx - r, cy - r, cx + r, cy + r)
        if width is None:
            d.ellipse(bbox, fill=value)
        else:
            d.ellipse(bbox, outline=value, width=round(width * self.f))

    def polygon(self, mask, pts, value=255):
        ImageDraw.Draw(mask).polygon(self.points(pts), fill=value)

    def line(self, mask, pts, width, value=255):
        d = ImageDraw.Draw(mask)
        d.line(self.points(pts), fill=value, width=round(width * self.f))
        r = width * self.f / 2
        for x, y in self.points(pts):
            d.ellipse([x - r, y - r, x + r, y + r], fill=value)

    def arc(self, mask, cx, cy, r, start, end, width, value=255):
        ImageDraw.Draw(mask).arc(self.box(cx - r, cy - r, cx + r, cy + r), start, end, fill=value,
                                 width=round(width * self.f))

    def text_mask(self, text, x, y, size, anchor="la", spacing=0.0):
        """Mask of text at logical (x, y); spacing adds logical pixels between letters."""
        mask = self.mask()
        d = ImageDraw.Draw(mask)
        font = ImageFont.truetype(FONT_BOLD, round(size * self.f))
        if spacing == 0:
            d.text((x * self.f, y * self.f), text, font=font, fill=255, anchor=anchor)
            return mask
        widths = [font.getlength(c) for c in text]
        total = sum(widths) + spacing * self.f * (len(text) - 1)
        cx = x * self.f - (total / 2 if anchor[0] == "m" else 0)
        for c, w in zip(text, widths):
            d.text((cx, y * self.f), c, font=font, fill=255, anchor="l" + anchor[1])
            cx += w + spacing * self.f
        return mask

    def frame(self, colour, width=1):
        """Paints the outer width logical pixels in colour, so that tiles join without a seam."""
        w, h = self.size
        edge = Image.new("L", self.image.size, 255)
        ImageDraw.Draw(edge).rectangle(self.box(width, width, w - width, h - width), fill=0)
        self.paint(colour, edge)

    def result(self):
        return self.image.reduce(SUPERSAMPLE)


def brushed(size, scale, top, bottom, seed, strength=14):
    """Brushed metal at final resolution: long horizontal streaks over a vertical gradient."""
    w, h = size[0] * scale, size[1] * scale
    rng = random.Random(seed)
    streaks = Image.frombytes("L", (max(w // 24, 2), h), rng.randbytes(max(w // 24, 2) * h))
    streaks = streaks.resize((w, h), Image.BILINEAR)
    grain = Image.frombytes("L", (w, h), rng.randbytes(w * h))
    noise = Image.blend(streaks, grain, 0.25)
    noise = noise.point(lambda v: 128 + round((v - 128) * strength / 128))
    column = Image.new("RGB", (1, h))
    for y in range(h):
        column.putpixel((0, y), mix(top, bottom, y / max(h - 1, 1)))
    base = column.resize((w, h), Image.NEAREST)
    return ImageChops.add(base, Image.merge("RGB", (noise, noise, noise)), 1.0, -128)


def upsample(image):
    return image.resize((image.size[0] * SUPERSAMPLE, image.size[1] * SUPERSAMPLE), Image.NEAREST)


def key_corners(image, scale, radius):
    """Sets every pixel outside the rounded outline to the key colour, exactly."""
    w, h = image.size
    r = radius * scale
    px = image.load()
    for y in range(h):
        for x in range(w):
            dx = max(r - (x + 0.5), (x + 0.5) - (w - r), 0)
            dy = max(r - (y + 0.5), (y + 0.5) - (h - r), 0)
            if dx > 0 and dy > 0 and dx * dx + dy * dy > r * r:
                px[x, y] = KEY
    return image


# ---------------------------------------------------------------- emblem and mast


def draw_mast(c, mask, cx, base, top, half_width, stroke, waves, wave_gap, braces=(0.45, 0.75)):
    """A lattice mast standing on (cx, base) up to (cx, top), with waves round its tip."""
    c.line(mask, [(cx - half_width, base), (cx, top), (cx + half_width, base)], stroke)
    for t in braces:
        y = top + (base - top) * t
        dx = half_width * t
        c.line(mask, [(cx - dx, y), (cx + dx, y)], stroke * 0.8)
    c.ellipse(mask, cx, top, stroke * 1.1)
    for i in range(1, waves + 1):
        r = i * wave_gap
        c.arc(mask, cx, top, r, -45, 45, stroke)
        c.arc(mask, cx, top, r, 135, 225, stroke)


def emblem(scale):
    c = Canvas((28, 18), scale, FIELD)
    c.paint(c.vgradient(caption_colour(5), caption_colour(22)), Image.new("L", c.image.size, 255))
    badge = c.mask()
    c.rounded(badge, 0, 0, 28, 18, 4)
    c.paint(OUTLINE, badge)
    inner = c.mask()
    c.rounded(inner, 1, 1, 27, 17, 3)
    c.paint(c.vgradient((22, 26, 24), BLACK), inner)
    glyph = c.mask()
    draw_mast(c, glyph, 14, 15.5, 5, 4, 1.3, 2, 3.6)
    c.paint(LED, glyph)
    return c.result()


# ---------------------------------------------------------------- seven-segment read-out

SEGMENTS = {  # which of a, b, c, d, e, f, g are lit
    0: "abcdef", 1: "bc", 2: "abdeg", 3: "abcdg", 4: "bcfg",
    5: "acdfg", 6: "acdefg", 7: "abc", 8: "abcdefg", 9: "abcdfg",
}
DIGIT_IMAGES = {0: 196, 1: 197, 2: 198, 3: 199, 4: 200, 5: 201, 6: 202, 7: 204, 8: 203, 9: 205}
SKEW = 0.06  # digits lean to the right like a classic LED display


def segment_polygons():
    """The seven segments of a 32 x 62 cell as hexagons, before the lean."""
    left, right, top, mid, bottom, t = 7.5, 24.5, 6, 31, 56, 5.6
    h = t / 2
    g = 1.0  # gap between neighbouring segments

    def horizontal(y):
        return [(left + g, y), (left + g + h, y - h), (right - g - h, y - h), (right - g, y),
                (right - g - h, y + h), (left + g + h, y + h)]

    def vertical(x, y0, y1):
        return [(x, y0 + g), (x + h, y0 + g + h), (x + h, y1 - g - h), (x, y1 - g),
                (x - h, y1 - g - h), (x - h, y0 + g + h)]

    return {
        "a": horizontal(top), "g": horizontal(mid), "d": horizontal(bottom),
        "f": vertical(left, top, mid), "b": vertical(right, top, mid),
        "e": vertical(left, mid, bottom), "c": vertical(right, mid, bottom),
    }


def lean(pts, height=62):
    return [(x + (height / 2 - y) * SKEW, y) for x, y in pts]


def glow(c, mask, colour):
    """Lights mask in colour with a soft halo, on the canvas's black."""
    halo = mask.filter(ImageFilter.GaussianBlur(2.2 * c.f)).point(lambda v: v * 0.45)
    c.paint(mix(BLACK, colour, 0.9), halo)
    c.paint(colour, mask)
    core = mask.filter(ImageFilter.MinFilter(2 * (c.f // 2) + 1))
    c.paint(mix(colour, (235, 255, 240), 0.25), core)


def digit(value, scale):
    c = Canvas((32, 62), scale, BLACK)
    lit, ghost = c.mask(), c.mask()
    for name, pts in segment_polygons().items():
        c.polygon(lit if value is not None and name in SEGMENTS[value] else ghost, lean(pts))
    c.paint(LED_GHOST, ghost)
    glow(c, lit, LED)
    c.frame(BLACK)
    return c.result()


def decimal_point(scale):
    c = Canvas((32, 62), scale, BLACK)
    dot = c.mask()
    c.ellipse(dot, *lean([(16, 55)])[0], 3.2)
    glow(c, dot, LED)
    c.frame(BLACK)
    return c.result()


def mhz_label(scale):
    c = Canvas((67, 62), scale, BLACK)
    text = c.text_mask("MHz", 4, 57, 24, anchor="ls")
    shear = (1, SKEW, -31 * SKEW * c.f, 0, 1, 0)
    text = text.transform(text.size, Image.AFFINE, shear, resample=Image.BILINEAR)
    glow(c, text, LED)
    c.frame(BLACK)
    return c.result()


def idle_image(scale):
    c = Canvas((102, 99), scale, BLACK)
    cx, cy = 51, 49.5
    ring, bars = c.mask(), c.mask()
    c.ellipse(ring, cx, cy, 38, width=5)
    c.ellipse(ring, cx, cy, 31, value=40)
    c.rounded(bars, cx - 13, cy - 17, cx - 4, cy + 17, 2)
    c.rounded(bars, cx + 4, cy - 17, cx + 13, cy + 17, 2)
    c.paint(LED_GHOST, ImageChops.multiply(ring.point(lambda v: 255 if v == 40 else 0), ring))
    glow(c, ring.point(lambda v: 255 if v == 255 else 0), LED)
    glow(c, bars, LED)
    c.frame(BLACK)
    return c.result()


def display_line(size, text, font_size, scale, colour, lit, spacing=0.0):
    """A line of text on the display's black, leaning like the digits; a lit line glows as they do."""
    c = Canvas(size, scale, BLACK)
    text = c.text_mask(text, size[0] / 2, size[1] / 2, font_size, anchor="mm", spacing=spacing)
    shear = (1, SKEW, -size[1] / 2 * SKEW * c.f, 0, 1, 0)
    text = text.transform(text.size, Image.AFFINE, shear, resample=Image.BILINEAR)
    if lit:
        glow(c, text, colour)
    else:
        c.paint(colour, text)
    c.frame(BLACK)
    return c.result()


# ---------------------------------------------------------------- panel buttons


def glyph_pause(c, m):
    c.rounded(m, 11.5, 10, 15.5, 24, 1)
    c.rounded(m, 18.5, 10, 22.5, 24, 1)


def glyph_play(c, m):
    c.polygon(m, [(12.5, 9.5), (12.5, 24.5), (25, 17)])


def speaker(c, m, dx=0.0):
    c.polygon(m, [(8 + dx, 13.5), (12 + dx, 13.5), (17 + dx, 9), (17 + dx, 25), (12 + dx, 20.5),
                  (8 + dx, 20.5)])


def glyph_speaker(c, m):
    speaker(c, m, -1)
    c.arc(m, 15, 17, 5, -50, 50, 1.8)
    c.arc(m, 15, 17, 9, -50, 50, 1.8)


def glyph_muted(c, m):
    speaker(c, m, 1.5)


def glyph_left(c, m):
    c.polygon(m, [(8, 17), (17, 8.5), (17, 13.5), (26, 13.5), (26, 20.5), (17, 20.5), (17, 25.5)])


def glyph_right(c, m):
    c.polygon(m, [(34 - x, y) for x, y in
                  [(8, 17), (17, 8.5), (17, 13.5), (26, 13.5), (26, 20.5), (17, 20.5), (17, 25.5)]])


def glyph_gear(c, m):
    cx = cy = 17
    teeth = 8
    pts = []
    for i in range(teeth * 4):
        a = 2 * math.pi * (i - 0.5) / (teeth * 4)
        r = 9.5 if (i % 4) in (1, 2) else 7
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    c.polygon(m, pts)
    c.ellipse(m, cx, cy, 3, value=0)


def prohibition(c, m):
    c.ellipse(m, 17, 17, 10.5, width=2.4)
    k = 10.5 * math.cos(math.pi / 4) - 0.6
    c.line(m, [(17 - k, 17 - k), (17 + k, 17 + k)], 2.4)


LOOKS = {  # face top, face bottom, rim, glyph
    "normal": ((232, 235, 238), (168, 173, 179), (92, 97, 104), INK),
    "hover": ((252, 253, 254), (208, 212, 217), (112, 117, 124), INK),
    "pressed": (ORANGE_TOP, ORANGE_BOTTOM, (150, 70, 0), (255, 255, 255)),
}


def panel_button(glyph, look, scale, muted=False):
    top, bottom, rim, ink = LOOKS[look]
    c = Canvas((34, 34), scale, FIELD)
    shadow = c.mask()
    c.ellipse(shadow, 17, 17.8, 16.2, value=90)
    c.paint(mix(FIELD, BLACK, 0.35), shadow.filter(ImageFilter.GaussianBlur(0.6 * c.f)))
    outer = c.mask()
    c.ellipse(outer, 17, 17, 15.6)
    c.paint(rim, outer)
    face = c.mask()
    c.ellipse(face, 17, 17, 14.6)
    if look == "pressed":
        c.paint(c.vgradient(bottom, top, 2.4, 31.6), face)
    else:
        c.paint(c.vgradient(top, bottom, 2.4, 31.6), face)
    sheen = c.mask()
    c.ellipse(sheen, 17, 11, 11, value=70)
    c.paint((255, 255, 255), ImageChops.multiply(sheen, face))
    g = c.mask()
    glyph(c, g)
    c.paint(ink, g)
    if muted:
        sign = c.mask()
        prohibition(c, sign)
        edge = sign.filter(ImageFilter.MaxFilter(2 * (c.f // 2) + 1))
        c.paint((255, 255, 255), ImageChops.multiply(edge, face))
        c.paint(RED, sign)
    return c.result()


PANEL_BUTTONS = {  # glyph, normal, hover, pressed
    "pause": (glyph_pause, 172, 220, 173),
    "play": (glyph_play, 168, 218, 169),
    "speaker": (glyph_speaker, 166, 217, 167),
    "muted": (glyph_muted, 165, 216, 180),
    "left": (glyph_left, 174, 221, 181),
    "right": (glyph_right, 182, 222, 183),
    "gear": (glyph_gear, 170, 219, 171),
}


# ---------------------------------------------------------------- caption buttons

CAPTION_FACES = {  # face top, face bottom, rim, sign
    "light": ((250, 251, 252), (214, 218, 222), (112, 117, 124), (40, 44, 50)),
    "dark": ((74, 78, 84), (34, 36, 40), (16, 17, 19), (240, 242, 244)),
    "grey": ((214, 217, 221), (184, 188, 193), (132, 137, 144), (118, 123, 130)),
}


def sign_minimize(c, m):
    c.line(m, [(10, 11.5), (19, 11.5)], 2)


def sign_max(c, m):
    ImageDraw.Draw(m).rectangle(c.box(12, 4, 20, 10), outline=255, width=round(1.4 * c.f))
    ImageDraw.Draw(m).rectangle(c.box(9, 7, 17, 13), fill=255)
    ImageDraw.Draw(m).rectangle(c.box(10.4, 8.8, 15.6, 11.6), fill=0)


def sign_close(c, m):
    c.line(m, [(10.5, 4.5), (18.5, 12.5)], 1.9)
    c.line(m, [(18.5, 4.5), (10.5, 12.5)], 1.9)


def caption_button(sign, face, scale):
    top, bottom, rim, ink = CAPTION_FACES[face]
    c = Canvas((29, 17), scale, FIELD)
    c.paint(c.vgradient(caption_colour(5), caption_colour(21)), Image.new("L", c.image.size, 255))
    outer = c.mask()
    c.rounded(outer, 0, 0, 29, 17, 3.5)
    c.paint(rim, outer)
    inner = c.mask()
    c.rounded(inner, 1, 1, 28, 16, 2.5)
    c.paint(c.vgradient(top, bottom, 1, 16), inner)
    g = c.mask()
    sign(c, g)
    c.paint(ink, g)
    return c.result()


CAPTION_BUTTONS = {
    214: (sign_minimize, "light"), 186: (sign_minimize, "dark"), 187: (sign_minimize, "grey"),
    191: (sign_max, "grey"), 190: (sign_max, "dark"), 213: (sign_max, "light"),
    212: (sign_close, "light"), 184: (sign_close, "dark"),
}


# ---------------------------------------------------------------- sliders


def channel(width, filled, scale):
    c = Canvas((width, 15), scale, FIELD)
    groove = c.mask()
    c.rounded(groove, 0, 4, width, 11, 3.5)
    c.paint((120, 125, 132), groove)
    well = c.mask()
    c.rounded(well, 1, 5, width - 1, 10, 2.5)
    if filled:
        c.paint(c.vgradient((40, 150, 72), (110, 240, 150), 5, 10), well)
    else:
        c.paint(c.vgradient((150, 155, 161), (226, 229, 232), 5, 10), well)
    lip = c.mask()
    c.rounded(lip, 0, 11, width, 12, 0.5)
    c.paint((244, 246, 248), lip)
    return c.result()


def thumb(cap, key, scale):
    c = Canvas((8, 15), scale, OUTLINE)
    body = c.mask()
    ImageDraw.Draw(body).rectangle(c.box(1, 1, 7, 14), fill=255)
    c.paint(c.vgradient((246, 247, 249), (164, 169, 176), 1, 14), body)
    top = c.mask()
    ImageDraw.Draw(top).rectangle(c.box(1, 1, 7, 6), fill=255)
    c.paint(c.vgradient(mix(cap, (255, 255, 255), 0.35), cap, 1, 6), top)
    grip = c.mask()
    for y in (8.5, 10.5, 12.5):
        ImageDraw.Draw(grip).rectangle(c.box(2, y, 6, y + 0.8), fill=255)
    c.paint((112, 117, 124), grip)
    image = c.result()
    n = scale  # the cut corner is one logical pixel
    w, h = image.size
    for x0, y0 in ((0, 0), (w - n, 0), (0, h - n), (w - n, h - n)):
        for y in range(y0, y0 + n):
            for x in range(x0, x0 + n):
                image.putpixel((x, y), key)
    return image


# ---------------------------------------------------------------- labels and DONE


def engraved_label(size, text, font_size, scale, x, y, anchor="ls", spacing=0.0):
    c = Canvas(size, scale, FIELD)
    c.paint((250, 251, 252), c.text_mask(text, x, y + 1 / scale, font_size, anchor, spacing))
    c.paint(INK, c.text_mask(text, x, y, font_size, anchor, spacing))
    return c.result()


def done_button(green, scale):
    c = Canvas((57, 25), scale, FIELD)
    outer = c.mask()
    c.rounded(outer, 0, 0, 57, 25, 6)
    c.paint((30, 110, 52) if green else (92, 97, 104), outer)
    inner = c.mask()
    c.rounded(inner, 1, 1, 56, 24, 5)
    if green:
        c.paint(c.vgradient((70, 200, 110), (24, 130, 60), 1, 24), inner)
        ink = (255, 255, 255)
    else:
        c.paint(c.vgradient((240, 242, 244), (172, 177, 183), 1, 24), inner)
        ink = INK
    c.paint(ink, c.text_mask("DONE", 28.5, 12.5, 11, anchor="mm", spacing=0.8))
    return c.result()


# ---------------------------------------------------------------- skins


def skin_base(scale, seed):
    """Outline, dark brushed-metal body and the light caption band shared by both skins."""
    w, h = SKIN_SIZE
    c = Canvas(SKIN_SIZE, scale, OUTLINE)
    metal = upsample(brushed(SKIN_SIZE, scale, METAL_TOP, METAL_BOTTOM, seed))
    body = c.mask()
    c.rounded(body, 1, 1, w - 1, h - 1, SKIN_RADIUS - 1)
    c.paint(metal, body)
    caption = c.mask()
    c.rounded(caption, 1, 1, w - 1, CAPTION_HEIGHT + SKIN_RADIUS, SKIN_RADIUS - 1)
    ImageDraw.Draw(caption).rectangle(c.box(0, CAPTION_HEIGHT, w, h), fill=0)
    band = Image.new("RGB", c.image.size, CAPTION_BOTTOM)
    band.paste(upsample(brushed((w, CAPTION_HEIGHT), scale, CAPTION_TOP, CAPTION_BOTTOM, seed + 1, 6)))
    c.paint(band, caption)
    edge = c.mask()
    ImageDraw.Draw(edge).rectangle(c.box(1, CAPTION_HEIGHT, w - 1, CAPTION_HEIGHT + 1), fill=255)
    c.paint(OUTLINE, edge)
    shine = c.mask()
    ImageDraw.Draw(shine).rectangle(c.box(SKIN_RADIUS, 1, w - SKIN_RADIUS, 2), fill=255)
    c.paint((255, 255, 255), shine)
    return c


def inset_panel(c, x0, y0, x1, y1, fill):
    """A recessed light panel: dark edge above and left, light edge below and right."""
    shade = c.mask()
    ImageDraw.Draw(shade).rectangle(c.box(x0 - 1, y0 - 1, x1, y1), fill=255)
    c.paint((22, 24, 27), shade)
    light = c.mask()
    ImageDraw.Draw(light).rectangle(c.box(x0, y0, x1 + 1, y1 + 1), fill=255)
    c.paint((112, 117, 124), light)
    inner = c.mask()
    ImageDraw.Draw(inner).rectangle(c.box(x0, y0, x1, y1), fill=255)
    c.paint(fill, inner)
    soft = c.mask()
    ImageDraw.Draw(soft).rectangle(c.box(x0, y0, x1, y0 + 1), fill=255)
    c.paint(mix(fill, BLACK, 0.18), soft)


def screw(c, x, y):
    head = c.mask()
    c.ellipse(head, x, y, 3.5)
    c.paint((20, 21, 24), head)
    face = c.mask()
    c.ellipse(face, x, y, 2.8)
    c.paint(c.vgradient((150, 155, 162), (70, 74, 80), y - 3, y + 3), face)
    slot = c.mask()
    c.line(slot, [(x - 1.9, y + 1.9), (x + 1.9, y - 1.9)], 0.9)
    c.paint((30, 32, 36), slot)


def grille(c, x0, x1, y0, y1):
    y = y0
    while y + 3 <= y1:
        hole = c.mask()
        c.line(hole, [(x0, y + 1.5), (x1, y + 1.5)], 3)
        c.paint((10, 11, 13), hole)
        lip = c.mask()
        c.line(lip, [(x0, y + 3.4), (x1, y + 3.4)], 0.8)
        c.paint((92, 97, 104), lip)
        y += 8


def main_skin(scale):
    w, h = SKIN_SIZE
    c = skin_base(scale, 141)
    x0, y0, x1, y1 = DISPLAY_BLACK
    b = DISPLAY_BEZEL
    bezel = c.mask()
    c.rounded(bezel, x0 - b - 1, y0 - b - 1, x1 + b + 1, y1 + b + 1, 7)
    c.paint((14, 15, 17), bezel)
    ring = c.mask()
    c.rounded(ring, x0 - b, y0 - b, x1 + b + 1, y1 + b + 1, 6)
    c.paint(c.vgradient((20, 21, 24), (118, 123, 130), y0 - b, y1 + b), ring)
    glass = c.mask()
    c.rounded(glass, x0, y0, x1, y1, 4)
    c.paint(BLACK, glass)

    brand = c.text_mask("TESSALY", w / 2 + 2, 59, 15, anchor="ms", spacing=5)
    c.paint((12, 13, 15), ImageChops.offset(brand, 0, -c.f))
    c.paint((206, 210, 216), brand)
    c.paint((132, 138, 146), c.text_mask("FM STEREO TRANSMITTER", w / 2 + 2, 78, 8.5, anchor="ms",
                                         spacing=2.2))
    grille(c, 24, 66, y0 + 4, y1 - 4)
    grille(c, w - 66, w - 24, y0 + 4, y1 - 4)
    for x, y in ((16, 40), (w - 16, 40)):
        screw(c, x, y)

    inset_panel(c, FRAME, STRIP_TOP, w - FRAME, h - FRAME, FIELD)
    label = c.text_mask("PA-VALUE", 325, 234.5, 8.5, anchor="ls", spacing=1.2)
    c.paint((250, 251, 252), ImageChops.offset(label, 0, round(c.f / scale)))
    c.paint(INK, label)
    ticks = c.mask()
    for i in range(10):
        x = 329 + round(i * (130 - 8) / 9)
        ImageDraw.Draw(ticks).rectangle(c.box(x, 255, x + 1, 258 if i % 3 else 260), fill=255)
    c.paint((120, 125, 132), ticks)
    return key_corners(c.result(), scale, SKIN_RADIUS)


def settings_skin(scale):
    w, h = SKIN_SIZE
    c = skin_base(scale, 207)
    inset_panel(c, FRAME, CAPTION_HEIGHT + 5, w - FRAME, h - FRAME, FIELD)
    for x, y in ((FRAME / 2 + 0.5, 60), (w - FRAME / 2 - 0.5, 60), (FRAME / 2 + 0.5, h - 30),
                 (w - FRAME / 2 - 0.5, h - 30)):
        rivet = c.mask()
        c.ellipse(rivet, x, y, 1.6)
        c.paint((120, 125, 132), rivet)
    return key_corners(c.result(), scale, SKIN_RADIUS)


# ---------------------------------------------------------------- icons


def icon(size, rich, mast_colour=LED, warning=False):
    """Application icons: the emblem's mast on a rounded badge, with a transparent surround. With warning,
    a triangle with an exclamation mark in the lower right corner, so that it tells itself from the others
    by its shape too, not by its colour alone."""
    c = Canvas((32, 32), size / 32, OUTLINE)
    shape = c.mask()
    c.rounded(shape, 0.5, 0.5, 31.5, 31.5, 7)
    inner = c.mask()
    if rich:
        c.rounded(inner, 1.5, 1.5, 30.5, 30.5, 6)
        c.paint(c.vgradient((150, 156, 164), (52, 56, 62), 1.5, 30.5), inner)
        glass = c.mask()
        c.rounded(glass, 4, 4, 28, 28, 4)
        c.paint(c.vgradient((26, 34, 30), BLACK, 4, 28), glass)
        inner = glass
    else:
        c.rounded(inner, 1.5, 1.5, 30.5, 30.5, 6)
        c.paint(c.vgradient((58, 62, 68), (24, 26, 29), 1.5, 30.5), inner)
    mast = c.mask()
    if size <= 16:
        draw_mast(c, mast, 16, 27, 11, 6, 2.4, 2, 6.5, braces=(0.6,))
    else:
        draw_mast(c, mast, 16, 25.5, 10, 6, 1.9, 2, 5)
    c.paint(mast_colour, ImageChops.multiply(mast, inner))
    if rich:
        tip = c.mask()
        c.ellipse(tip, 16, 10, 1.8)
        c.paint(ORANGE_BOTTOM, tip)
    if warning:
        triangle = c.mask()
        c.polygon(triangle, [(16, 31), (31, 31), (23.5, 16)])
        c.paint(NOT_TAKEN, triangle)
        mark = c.mask()
        c.line(mark, [(23.5, 21), (23.5, 26)], 2.2)
        c.ellipse(mark, 23.5, 28.6, 1.2)
        c.paint(BLACK, mark)
    image = c.result()
    image.putalpha(shape.reduce(SUPERSAMPLE))
    return image


THEME_ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def theme_icon(size):
    """The application icon for the desktop's icon theme: the design of icons 128 and 192 redrawn for
    each size in whole pixels, so edges and the mast's cross-bars fall on pixel boundaries. Below 32
    pixels it keeps the plain badge and one wave on each side; from 32 up it has the metal rim, the
    glass and the orange tip."""
    rich = size >= 32
    unit = size / 32  # one pixel of the 32-pixel design

    def snap(v):
        return max(1, round(v * unit))

    c = Canvas((size, size), 1, OUTLINE)
    shape = c.mask()
    radius = snap(7)
    c.rounded(shape, 0, 0, size, size, radius)
    rim = snap(1)
    inner = c.mask()
    c.rounded(inner, rim, rim, size - rim, size - rim, radius - rim)
    if rich:
        c.paint(c.vgradient((150, 156, 164), (52, 56, 62), rim, size - rim), inner)
        inset = snap(4)
        inner = c.mask()
        c.rounded(inner, inset, inset, size - inset, size - inset, snap(4))
        c.paint(c.vgradient((26, 34, 30), BLACK, inset, size - inset), inner)
    else:
        c.paint(c.vgradient((58, 62, 68), (24, 26, 29), rim, size - rim), inner)

    # Legs and waves are slanted or curved and always blended; the cross-bars are whole pixels thick and
    # start on a pixel row, so they stay sharp.
    stroke = 1.9 * unit if rich else max(1.2, 2.2 * unit)
    bar = max(1, round(stroke))
    centre = size / 2
    top = round((10 if rich else 11) * unit)
    base = size - snap(6.5 if rich else 5)
    half_width = 6 * unit
    mast = c.mask()
    c.line(mast, [(centre - half_width, base), (centre, top), (centre + half_width, base)], stroke)
    for t in (0.45, 0.75) if rich else (0.6,):
        y = round(top + (base - top) * t - bar / 2) + bar / 2
        dx = half_width * (y - top) / (base - top)
        c.line(mast, [(centre - dx, y), (centre + dx, y)], bar)
    c.ellipse(mast, centre, top, stroke)
    for radius in (5 * unit, 10 * unit) if rich else (10 * unit,):
        c.arc(mast, centre, top, radius, -45, 45, stroke)
        c.arc(mast, centre, top, radius, 135, 225, stroke)
    c.paint(LED, ImageChops.multiply(mast, inner))
    if rich:
        tip = c.mask()
        c.ellipse(tip, centre, top, 1.8 * unit)
        c.paint(ORANGE_BOTTOM, tip)
    image = c.result()
    image.putalpha(shape.reduce(SUPERSAMPLE))
    return image


# ---------------------------------------------------------------- output


def bitmaps(scale):
    yield 141, main_skin(scale)
    yield 207, settings_skin(scale)
    for glyph, normal, hover, pressed in PANEL_BUTTONS.values():
        muted = glyph is glyph_muted
        yield normal, panel_button(glyph, "normal", scale, muted)
        yield hover, panel_button(glyph, "hover", scale, muted)
        yield pressed, panel_button(glyph, "pressed", scale, muted)
    for image_id, (sign, face) in CAPTION_BUTTONS.items():
        yield image_id, caption_button(sign, face, scale)
    yield 189, emblem(scale)
    yield 176, channel(130, False, scale)
    yield 177, channel(130, True, scale)
    yield 208, channel(301, False, scale)
    yield 209, channel(301, True, scale)
    yield 178, thumb((40, 200, 90), KEY, scale)
    yield 179, thumb((230, 40, 40), THUMB_ACTIVE_KEY, scale)
    yield 194, idle_image(scale)
    for value, image_id in DIGIT_IMAGES.items():
        yield image_id, digit(value, scale)
    yield 206, decimal_point(scale)
    yield 195, mhz_label(scale)
    yield 210, done_button(False, scale)
    yield 211, done_button(True, scale)
    yield 215, engraved_label((81, 28), "TX-GAIN", 12, scale, 2, 19, spacing=1.0)
    yield 223, display_line((240, 24), "NO TRANSMITTER", 15, scale, LED, True, spacing=2.0)
    yield 224, display_line((240, 24), "NO PERMISSION", 15, scale, LED, True, spacing=2.0)
    yield 225, display_line((290, 16), "install 70-tessaly.rules, then replug", 10, scale,
                            mix(BLACK, LED, 0.75), False)


def save(image, path):
    path.parent.mkdir(parents=True, exist_ok=True)
    # No text chunks, no time stamp, fixed compression: the bytes depend on the pixels only.
    image.save(path, format="PNG", optimize=False, compress_level=9)


def main():
    res = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "res"
    for scale, suffix in ((1, ""), (2, "@2x")):
        for image_id, image in bitmaps(scale):
            save(image, res / "bitmaps" / f"{image_id}{suffix}.png")
    save(icon(16, False), res / "icons" / "128" / "16.png")
    save(icon(32, False), res / "icons" / "128" / "32.png")
    save(icon(32, True), res / "icons" / "192" / "32.png")
    save(icon(16, False, ON_AIR), res / "icons" / "130" / "16.png")
    save(icon(32, False, ON_AIR), res / "icons" / "130" / "32.png")
    save(icon(16, False, NOT_TAKEN, warning=True), res / "icons" / "131" / "16.png")
    save(icon(32, False, NOT_TAKEN, warning=True), res / "icons" / "131" / "32.png")
    for size in THEME_ICON_SIZES:
        save(theme_icon(size), res / "icons" / "hicolor" / f"{size}.png")


if __name__ == "__main__":
    main()
