#!/usr/bin/python3
"""Draws every picture of the sample product's resources.

Run from anywhere: ``kit/tools/make_images.py``. It rewrites the PNG and GIF files under
kit/resources; the output only depends on this script, offer_texts.json, Pillow with libraqm
and the DejaVu and Noto fonts, so the committed files can be regenerated bit for bit on
Debian 12 (python3-pil, libraqm0, fonts-dejavu-core, fonts-noto-core, fonts-noto-cjk,
optipng).
"""

import json
import math
import os
import re
import shutil
import subprocess

from PIL import Image, ImageDraw, ImageFont

KIT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RESOURCES = os.path.join(KIT, "resources")
SKIN_IMAGES = os.path.join(RESOURCES, "skins", "default", "images")
CONFIG = os.path.join(RESOURCES, "uninstallConfig")
FONT_DIR = "/usr/share/fonts/truetype/dejavu"
SYSTEM_FONTS = "/usr/share/fonts"
OPTIPNG = shutil.which("optipng")  # smaller files, same pixels

SS = 4  # supersampling factor: shapes are drawn large and scaled down for smooth edges

ORANGE = (255, 106, 0)
ORANGE_LIGHT = (255, 146, 64)
ORANGE_DEEP = (232, 74, 0)
BLUE = (47, 128, 237)
GREY_TEXT = (102, 108, 118)
GREY_LINE = (200, 205, 211)
WHITE = (255, 255, 255)

# Offer texts per language (the banner strip and the promotion card), in offer_texts.json.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "offer_texts.json"),
          encoding="utf-8") as texts_file:
    OFFERS = json.load(texts_file)

# The banner's texts stay within this span; the window's Buy button lies beyond it.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "banner_text_area.json"),
          encoding="utf-8") as area_file:
    BANNER_TEXT_AREA = json.load(area_file)

# Languages whose script DejaVu lacks: (regular, bold, face index in the collection), from
# Debian's fonts-noto-core and fonts-noto-cjk. Urdu in Naskh: Nastaliq's tall lines do not fit
# the 70 pixels of the banner at a readable size.
NOTO_CJK = ("opentype/noto/NotoSansCJK-Regular.ttc", "opentype/noto/NotoSansCJK-Bold.ttc")
NOTO_NASKH = ("truetype/noto/NotoNaskhArabic-Regular.ttf", "truetype/noto/NotoNaskhArabic-Bold.ttf")
SCRIPT_FONTS = {
    "ja": NOTO_CJK + (0,),
    "ko": NOTO_CJK + (1,),
    "zh_CN": NOTO_CJK + (2,),
    "zh_TW": NOTO_CJK + (3,),
    "ar": ("truetype/noto/NotoSansArabic-Regular.ttf", "truetype/noto/NotoSansArabic-Bold.ttf", 0),
    "ur": NOTO_NASKH + (0,),
}
RIGHT_TO_LEFT = {"ar", "ur"}

# Icons of the recommended applications (file name, colours, glyph).
APP_ICONS = [
    ("photo-editor.png", (47, 128, 237), (28, 94, 196), "photo"),
    ("video-converter.png", (142, 68, 220), (104, 40, 176), "play"),
    ("data-recovery.png", (39, 174, 96), (22, 130, 70), "recover"),
    ("pdf-workshop.png", (235, 72, 64), (190, 40, 36), "pdf"),
    ("screen-recorder.png", (0, 164, 170), (0, 120, 128), "record"),
]

# Tile backgrounds of the carousel: accent colour of the card's header band.
TILE_ACCENTS = [(255, 236, 222), (226, 238, 255), (224, 246, 233), (239, 230, 252)]


def font(size, bold=False):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


# 2 while the skin's copies for high-DPI screens are drawn: "name@2x.png", which Qt picks itself.
OUTPUT_SCALE = 1


def save(image, *parts):
    path = os.path.join(*parts)
    if OUTPUT_SCALE != 1:
        root, extension = os.path.splitext(path)
        path = "%s@%dx%s" % (root, OUTPUT_SCALE, extension)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    image.save(path, optimize=True)
    if OPTIPNG:
        subprocess.run([OPTIPNG, "-quiet", "-o2", path], check=True)
    print(os.path.relpath(path, KIT))


def canvas(width, height, colour=(0, 0, 0, 0)):
    image = Image.new("RGBA", (width * SS, height * SS), colour)
    return image, ImageDraw.Draw(image)


def finish(image, width, height):
    return image.resize((width * OUTPUT_SCALE, height * OUTPUT_SCALE), Image.LANCZOS)


def s(value):
    return int(round(value * SS))


def box(x0, y0, x1, y1):
    return [s(x0), s(y0), s(x1), s(y1)]


def vertical_gradient(width, height, top, bottom):
    image = Image.new("RGBA", (width, height))
    draw = ImageDraw.Draw(image)
    for y in range(height):
        t = y / max(1, height - 1)
        colour = tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom))
        draw.line([(0, y), (width, y)], fill=colour + (255,))
    return image


def horizontal_gradient(width, height, left, right):
    image = Image.new("RGBA", (width, height))
    draw = ImageDraw.Draw(image)
    for x in range(width):
        t = x / max(1, width - 1)
        colour = tuple(int(round(a + (b - a) * t)) for a, b in zip(left, right))
        draw.line([(x, 0), (x, height)], fill=colour + (255,))
    return image


def rounded_mask(width, height, radius):
    mask = Image.new("L", (width, height), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, width - 1, height - 1], radius, fill=255)
    return mask


def translucent_circles(image, circles):
    """Blends white circles (centre x, centre y, radius, alpha) onto an opaque image."""
    layer = Image.new("RGBA", image.size, (0, 0, 0, 0))
    draw = ImageDraw.Draw(layer)
    for cx, cy, r, alpha in circles:
        draw.ellipse(box(cx - r, cy - r, cx + r, cy + r), fill=(255, 255, 255, alpha))
    return Image.alpha_composite(image, layer)


def text_width(draw, text, face):
    left, _, right, _ = draw.textbbox((0, 0), text, font=face)
    return right - left


def centred_text(draw, centre_x, top, text, face, fill):
    draw.text((centre_x - text_width(draw, text, face) / 2, top), text, font=face, fill=fill)


def fitted_font(draw, text, size, max_width, bold=False):
    face = font(size, bold)
    while size > 8 and text_width(draw, text, face) > max_width:
        size -= 1
        face = font(size, bold)
    return face


def check_mark(draw, x, y, size, width, fill):
    points = [(x + size * 0.22, y + size * 0.52), (x + size * 0.42, y + size * 0.72),
              (x + size * 0.78, y + size * 0.30)]
    draw.line([(s(px), s(py)) for px, py in points], fill=fill, width=s(width), joint="curve")


# --- application icon --------------------------------------------------------------------


def application_icon(size):
    image = vertical_gradient(size * SS, size * SS, ORANGE_LIGHT, ORANGE_DEEP)
    image.putalpha(rounded_mask(size * SS, size * SS, s(size * 0.22)))
    draw = ImageDraw.Draw(image)
    # three stacked panels: a "suite" of tools
    unit = size / 256
    for i, alpha in enumerate((110, 170, 255)):
        x0 = 58 + i * 22
        y0 = 56 + i * 30
        draw.rounded_rectangle(box(x0 * unit, y0 * unit, (x0 + 118) * unit, (y0 + 86) * unit),
                               s(14 * unit), fill=(255, 255, 255, alpha))
    face = font(s(52 * unit), bold=True)
    draw.text((s(114 * unit), s(138 * unit)), "DS", font=face, fill=ORANGE_DEEP + (255,))
    return finish(image, size, size)


# --- skin pictures -------------------------------------------------------------------------


def close_glyph(colour):
    image, draw = canvas(16, 16)
    draw.line([(s(3.5), s(3.5)), (s(12.5), s(12.5))], fill=colour, width=s(1.6))
    draw.line([(s(12.5), s(3.5)), (s(3.5), s(12.5))], fill=colour, width=s(1.6))
    return finish(image, 16, 16)


def check_box(border, fill, checked):
    image, draw = canvas(16, 16)
    draw.rounded_rectangle(box(0.5, 0.5, 15.5, 15.5), s(3), fill=fill, outline=border,
                           width=s(1.2))
    if checked:
        check_mark(draw, 0, 0, 16, 2.0, WHITE)
    return finish(image, 16, 16)


def chevron(direction, colour, background):
    image, draw = canvas(28, 28)
    draw.ellipse(box(1, 1, 27, 27), fill=background, outline=GREY_LINE, width=s(1))
    if direction == "left":
        points = [(16, 8.5), (10.5, 14), (16, 19.5)]
    else:
        points = [(12, 8.5), (17.5, 14), (12, 19.5)]
    draw.line([(s(x), s(y)) for x, y in points], fill=colour, width=s(2.2), joint="curve")
    return finish(image, 28, 28)


def combo_arrow():
    image, draw = canvas(10, 6)
    draw.line([(s(1), s(1)), (s(5), s(5)), (s(9), s(1))], fill=GREY_TEXT, width=s(1.5),
              joint="curve")
    return finish(image, 10, 6)


def survey_picture():
    width, height = 200, 150
    image, draw = canvas(width, height)
    draw.ellipse(box(30, 5, 170, 145), fill=(255, 231, 214))
    # clipboard with a short questionnaire
    draw.rounded_rectangle(box(62, 24, 138, 128), s(8), fill=WHITE, outline=(255, 190, 140),
                           width=s(2))
    draw.rounded_rectangle(box(84, 16, 116, 30), s(5), fill=ORANGE)
    for i in range(3):
        y = 46 + i * 26
        checked = i == 1
        draw.rounded_rectangle(box(72, y, 84, y + 12), s(2.5),
                               fill=ORANGE if checked else WHITE, outline=ORANGE, width=s(1.5))
        if checked:
            check_mark(draw, 72, y, 12, 1.8, WHITE)
        draw.rounded_rectangle(box(90, y + 3, 128 - i * 8, y + 9), s(3), fill=(220, 224, 230))
    # speech bubble with a question mark
    draw.ellipse(box(128, 20, 164, 56), fill=BLUE)
    draw.polygon([(s(134), s(49)), (s(130), s(62)), (s(144), s(54))], fill=BLUE)
    centred_text(draw, s(146), s(22), "?", font(s(26), bold=True), WHITE)
    return finish(image, width, height)


def upgrade_picture():
    width, height = 200, 150
    image, draw = canvas(width, height)
    draw.ellipse(box(30, 5, 170, 145), fill=(226, 238, 255))
    # a window of the program with an arrow rising out of it
    draw.rounded_rectangle(box(50, 48, 150, 122), s(8), fill=WHITE, outline=(160, 196, 245),
                           width=s(2))
    draw.rounded_rectangle(box(50, 48, 150, 62), s(8), fill=(160, 196, 245))
    draw.rectangle(box(50, 56, 150, 62), fill=(160, 196, 245))
    for i in range(3):
        draw.ellipse(box(56 + i * 8, 52, 61 + i * 8, 57), fill=WHITE)
    for i in range(3):
        draw.rounded_rectangle(box(60, 72 + i * 14, 104 - i * 10, 78 + i * 14), s(3),
                               fill=(220, 228, 240))
    draw.ellipse(box(104, 22, 156, 74), fill=ORANGE)
    draw.polygon([(s(130), s(31)), (s(145), s(48)), (s(136), s(48)), (s(136), s(64)),
                  (s(124), s(64)), (s(124), s(48)), (s(115), s(48))], fill=WHITE)
    return finish(image, width, height)


def upgrade_badge():
    size = 72
    image, draw = canvas(size, size)
    shield = [(36, 6), (62, 16), (60, 40), (36, 66), (12, 40), (10, 16)]
    draw.polygon([(s(x), s(y)) for x, y in shield], fill=(39, 174, 96))
    inner = [(36, 12), (56, 20), (54, 39), (36, 59), (18, 39), (16, 20)]
    draw.polygon([(s(x), s(y)) for x, y in inner], fill=(46, 196, 110))
    check_mark(draw, 18, 16, 36, 4.5, WHITE)
    return finish(image, size, size)


def warning_picture():
    size = 64
    image, draw = canvas(size, size)
    draw.ellipse(box(2, 2, 62, 62), fill=(255, 240, 228))
    triangle = [(32, 12), (54, 50), (10, 50)]
    draw.polygon([(s(x), s(y)) for x, y in triangle], fill=ORANGE)
    draw.line([(s(32), s(24)), (s(32), s(38))], fill=WHITE, width=s(4.5))
    draw.ellipse(box(29.6, 41.5, 34.4, 46.3), fill=WHITE)
    return finish(image, size, size)


def tile_background(accent):
    # drawn at twice the tile's size: the carousel shows it at half size
    width, height = 240, 300
    image = Image.new("RGBA", (width * SS // 2, height * SS // 2), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    scale = SS // 2
    radius = 16 * scale
    w, h = width * scale, height * scale
    draw.rounded_rectangle([0, 0, w - 1, h - 1], radius, fill=(226, 230, 235))
    draw.rounded_rectangle([2 * scale, 2 * scale, w - 1 - 2 * scale, h - 1 - 2 * scale],
                           radius - 2 * scale, fill=WHITE)
    draw.rounded_rectangle([2 * scale, 2 * scale, w - 1 - 2 * scale, 120 * scale],
                           radius - 2 * scale, fill=accent)
    draw.rectangle([2 * scale, 90 * scale, w - 1 - 2 * scale, 120 * scale], fill=accent)
    return finish(image, width, height)


def loading_frames():
    size, dots = 48, 12
    frames = []
    for frame in range(dots):
        image, draw = canvas(size, size, WHITE + (255,))
        for i in range(dots):
            age = (frame - i) % dots
            strength = max(0.18, 1.0 - age / (dots * 0.75))
            colour = tuple(int(round(255 + (c - 255) * strength)) for c in ORANGE)
            angle = 2 * math.pi * i / dots - math.pi / 2
            cx = 24 + 17 * math.cos(angle)
            cy = 24 + 17 * math.sin(angle)
            r = 2.2 + 1.6 * strength
            draw.ellipse(box(cx - r, cy - r, cx + r, cy + r), fill=colour)
        frames.append(finish(image, size, size).convert("RGB").convert(
            "P", palette=Image.ADAPTIVE, colors=32))
    return frames


# --- offer images --------------------------------------------------------------------------


class Writer:
    """Draws one language's texts in its script's font; right to left where the language is."""

    LATIN_RUN = re.compile(r"[A-Za-z0-9][A-Za-z0-9 .%+-]*[A-Za-z0-9%]|[A-Za-z0-9]")

    def __init__(self, language):
        self.fonts = SCRIPT_FONTS.get(language)
        self.rtl = language in RIGHT_TO_LEFT

    def face(self, size, bold=False):
        regular, heavy, index = self.fonts
        return ImageFont.truetype(os.path.join(SYSTEM_FONTS, heavy if bold else regular), size,
                                  index=index, layout_engine=ImageFont.Layout.RAQM)

    def runs(self, text, size, bold):
        """(text, font, direction) in reading order; the Arabic fonts have no Latin letters."""
        if not self.rtl:
            return [(text, self.face(size, bold), None)]
        runs, position = [], 0
        for match in self.LATIN_RUN.finditer(text):
            if match.start() > position:
                runs.append((text[position:match.start()], self.face(size, bold), "rtl"))
            runs.append((match.group(0), font(size, bold), None))
            position = match.end()
        if position < len(text):
            runs.append((text[position:], self.face(size, bold), "rtl"))
        return runs

    def width(self, draw, text, size, bold=False):
        if not self.fonts:
            return text_width(draw, text, font(size, bold))
        return sum(face.getlength(part, direction=direction)
                   for part, face, direction in self.runs(text, size, bold))

    def fitted_size(self, draw, text, size, max_width, bold=False):
        while size > 8 and self.width(draw, text, size, bold) > max_width:
            size -= 1
        return size

    def place(self, draw, start, canvas_width, text, size, bold=False):
        """Left edge of a text that begins `start` from the side where reading begins."""
        return canvas_width - start - self.width(draw, text, size, bold) if self.rtl else start

    def text(self, draw, left, top, text, size, fill, bold=False):
        if not self.fonts:
            draw.text((left, top), text, font=font(size, bold), fill=fill)
            return
        # Every script sits on the baseline that the Latin text of this size would have.
        baseline = top + font(size, bold).getmetrics()[0]
        runs = self.runs(text, size, bold)
        for part, face, direction in reversed(runs) if self.rtl else runs:
            draw.text((left, baseline), part, font=face, fill=fill, anchor="ls",
                      direction=direction)
            left += face.getlength(part, direction=direction)


def discount_badge(draw, cx, cy, radius, text, face):
    draw.ellipse([cx - radius, cy - radius, cx + radius, cy + radius], fill=WHITE)
    draw.ellipse([cx - radius + s(3), cy - radius + s(3), cx + radius - s(3), cy + radius - s(3)],
                 outline=(255, 200, 160), width=s(1.5))
    left, top, right, bottom = draw.textbbox((0, 0), text, font=face)
    draw.text((cx - (right - left) / 2 - left, cy - (bottom - top) / 2 - top), text, font=face,
              fill=ORANGE_DEEP)


def banner(texts, writer):
    width, height = 857, 70
    image = horizontal_gradient(width * SS, height * SS, (255, 122, 26), (242, 64, 40))
    image = translucent_circles(image, [(640, -10, 70, 28), (720, 80, 46, 22), (560, 70, 30, 18),
                                        (20, 64, 40, 20)])
    draw = ImageDraw.Draw(image)
    badge_x = width - 56 if writer.rtl else 56
    discount_badge(draw, s(badge_x), s(35), s(28), "-50%", font(s(15), bold=True))
    title, sub = texts["banner_title"], texts["banner_sub"]
    start, room = BANNER_TEXT_AREA["start"], BANNER_TEXT_AREA["end"] - BANNER_TEXT_AREA["start"]
    size = writer.fitted_size(draw, title, s(20), s(room), bold=True)
    writer.text(draw, writer.place(draw, s(start), s(width), title, size, True), s(12), title,
                size, WHITE, bold=True)
    sub_size = writer.fitted_size(draw, sub, s(12), s(room))
    writer.text(draw, writer.place(draw, s(start), s(width), sub, sub_size), s(42), sub, sub_size,
                (255, 236, 222))
    return finish(image, width, height).convert("RGB")


def promotion(texts, writer):
    width, height = 420, 250
    image = vertical_gradient(width * SS, height * SS, (255, 138, 50), (236, 70, 30))
    image = translucent_circles(image, [(365, 45, 115, 30), (15, 245, 75, 24)])
    image.putalpha(rounded_mask(width * SS, height * SS, s(14)))
    draw = ImageDraw.Draw(image)

    def mirrored(x0, x1):
        return (width - x1, width - x0) if writer.rtl else (x0, x1)

    # ribbon in the corner where reading starts
    badge = texts["promo_badge"]
    badge_width = writer.width(draw, badge, s(13), True) / SS + 22
    x0, x1 = mirrored(24, 24 + badge_width)
    draw.rounded_rectangle(box(x0, 22, x1, 46), s(12), fill=WHITE)
    writer.text(draw, writer.place(draw, s(35), s(width), badge, s(13), True), s(26), badge, s(13),
                ORANGE_DEEP, bold=True)
    # the headline
    headline = font(s(76), bold=True)
    headline_left = s(22)
    if writer.rtl:
        headline_left = s(width - 22) - text_width(draw, "-50%", headline)
    draw.text((headline_left, s(52)), "-50%", font=headline, fill=WHITE)
    title = texts["promo_title"]
    size = writer.fitted_size(draw, title, s(21), s(376), bold=True)
    writer.text(draw, writer.place(draw, s(26), s(width), title, size, True), s(146), title, size,
                WHITE, bold=True)
    for i, line in enumerate(texts["promo_lines"]):
        y = 180 + i * 22
        x0, x1 = mirrored(28, 40)
        draw.ellipse(box(x0, y + 3, x1, y + 15), fill=WHITE)
        check_mark(draw, x0, y + 3, 12, 1.8, ORANGE_DEEP)
        writer.text(draw, writer.place(draw, s(48), s(width), line, s(14)), s(y), line, s(14),
                    WHITE)
    foot = texts["promo_foot"]
    foot_left = s(26) if writer.rtl else s(394) - writer.width(draw, foot, s(12), True)
    writer.text(draw, foot_left, s(30), foot, s(12), (255, 236, 222), bold=True)
    return finish(image, width, height)


# --- recommended application icons -------------------------------------------------------


def app_icon(top, bottom, glyph):
    size = 96
    image = vertical_gradient(size * SS, size * SS, top, bottom)
    image.putalpha(rounded_mask(size * SS, size * SS, s(22)))
    draw = ImageDraw.Draw(image)
    white = (255, 255, 255, 255)
    if glyph == "photo":
        draw.rounded_rectangle(box(22, 28, 74, 68), s(6), outline=white, width=s(4))
        draw.polygon([(s(26), s(64)), (s(42), s(44)), (s(54), s(58)), (s(60), s(50)),
                      (s(70), s(64))], fill=white)
        draw.ellipse(box(56, 34, 66, 44), fill=white)
    elif glyph == "play":
        draw.rounded_rectangle(box(20, 26, 76, 70), s(8), outline=white, width=s(4))
        draw.polygon([(s(42), s(36)), (s(60), s(48)), (s(42), s(60))], fill=white)
    elif glyph == "recover":
        draw.arc(box(24, 24, 72, 72), 200, 500, fill=white, width=s(6))
        draw.polygon([(s(20), s(36)), (s(38), s(30)), (s(26), s(48))], fill=white)
        draw.ellipse(box(42, 42, 54, 54), fill=white)
    elif glyph == "pdf":
        page = [(30, 18), (58, 18), (70, 30), (70, 78), (30, 78)]
        draw.polygon([(s(x), s(y)) for x, y in page], fill=white)
        draw.polygon([(s(58), s(18)), (s(58), s(30)), (s(70), s(30))], fill=(255, 200, 196))
        centred_text(draw, s(50), s(48), "PDF", font(s(14), bold=True), bottom)
    elif glyph == "record":
        draw.ellipse(box(22, 22, 74, 74), outline=white, width=s(5))
        draw.ellipse(box(36, 36, 60, 60), fill=(255, 90, 90))
    return finish(image, size, size)


def skin_pictures():
    save(application_icon(96).resize((24 * OUTPUT_SCALE, 24 * OUTPUT_SCALE), Image.LANCZOS),
         SKIN_IMAGES, "logo.png")
    save(close_glyph((110, 116, 126)), SKIN_IMAGES, "close.png")
    save(close_glyph(WHITE), SKIN_IMAGES, "close_hover.png")
    save(check_box((176, 182, 190), WHITE, False), SKIN_IMAGES, "check_off.png")
    save(check_box(ORANGE, WHITE, False), SKIN_IMAGES, "check_off_hover.png")
    save(check_box(ORANGE, ORANGE, True), SKIN_IMAGES, "check_on.png")
    save(check_box(ORANGE_DEEP, ORANGE_DEEP, True), SKIN_IMAGES, "check_on_hover.png")
    save(check_box((214, 218, 224), (242, 243, 245), False), SKIN_IMAGES, "check_disabled.png")
    save(chevron("left", GREY_TEXT, WHITE), SKIN_IMAGES, "arrow_left.png")
    save(chevron("right", GREY_TEXT, WHITE), SKIN_IMAGES, "arrow_right.png")
    save(chevron("left", WHITE, ORANGE), SKIN_IMAGES, "arrow_left_hover.png")
    save(chevron("right", WHITE, ORANGE), SKIN_IMAGES, "arrow_right_hover.png")
    save(combo_arrow(), SKIN_IMAGES, "combo_arrow.png")
    save(survey_picture(), SKIN_IMAGES, "hint.png")
    save(upgrade_picture(), SKIN_IMAGES, "update.png")
    save(upgrade_badge(), SKIN_IMAGES, "update_tip.png")
    save(warning_picture(), SKIN_IMAGES, "check_close.png")


def main():
    global OUTPUT_SCALE
    save(application_icon(256), RESOURCES, "icon.png")
    skin_pictures()
    OUTPUT_SCALE = 2
    skin_pictures()
    OUTPUT_SCALE = 1
    # drawn at twice their size already
    for index, accent in enumerate(TILE_ACCENTS, start=1):
        save(tile_background(accent), SKIN_IMAGES, "tile_%d.png" % index)

    frames = loading_frames()
    path = os.path.join(SKIN_IMAGES, "loading.gif")
    frames[0].save(path, save_all=True, append_images=frames[1:], duration=80, loop=0,
                   optimize=False, disposal=1)
    print(os.path.relpath(path, KIT))

    for scale in (1, 2):
        OUTPUT_SCALE = scale
        for language, texts in OFFERS.items():
            writer = Writer(language)
            save(banner(texts, writer), CONFIG, "banner_pic", language + ".png")
            save(promotion(texts, writer), CONFIG, "promotion_pic", language + ".png")
    OUTPUT_SCALE = 1
    for name, top, bottom, glyph in APP_ICONS:
        save(app_icon(top, bottom, glyph), CONFIG, "recAppIcon", name)


if __name__ == "__main__":
    main()
