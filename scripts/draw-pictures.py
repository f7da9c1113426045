#!/usr/bin/python3
"""Draws the about box's pictures into resources/images/, at 1x and 2x.

The application icon has its own source, resources/icons/zorvexa.svg
(scripts/make-icons.sh renders its PNG sizes).

Run by hand when a picture changes (needs python3-pil); the results are
committed, so building needs nothing of this.
"""
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

ROOT = Path(__file__).resolve().parent.parent / "resources"
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"
SANS = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def calculator(size, scale=1.0, background=(236, 233, 226)):
    """A pocket calculator seen from above: body, display, key grid."""
    w, h = size
    img = Image.new("RGB", size, background)
    d = ImageDraw.Draw(img)
    body = (int(w * 0.08), int(h * 0.04), int(w * 0.92), int(h * 0.96))
    d.rounded_rectangle(body, radius=max(2, int(6 * scale)), fill=(52, 56, 64), outline=(20, 22, 26))
    bx0, by0, bx1, by1 = body
    pad = max(1, int((bx1 - bx0) * 0.08))
    disp = (bx0 + pad, by0 + pad, bx1 - pad, by0 + pad + int((by1 - by0) * 0.22))
    d.rectangle(disp, fill=(176, 196, 150), outline=(30, 30, 30))
    if scale >= 0.6:
        f = ImageFont.truetype(SANS, max(6, int((disp[3] - disp[1]) * 0.7)))
        d.text((disp[2] - 2, (disp[1] + disp[3]) // 2), "1234", font=f, fill=(30, 40, 30), anchor="rm")
    rows, cols = 4, 4
    gx0, gy0, gx1, gy1 = bx0 + pad, disp[3] + pad, bx1 - pad, by1 - pad
    cw, ch = (gx1 - gx0) / cols, (gy1 - gy0) / rows
    for r in range(rows):
        for c in range(cols):
            colour = (214, 92, 64) if c == cols - 1 else (200, 200, 204)
            x0, y0 = gx0 + c * cw + 1, gy0 + r * ch + 1
            d.rectangle((x0, y0, x0 + cw - 2, y0 + ch - 2), fill=colour)
    return img


def banner(scale=1):
    w, h = 150 * scale, 50 * scale
    img = Image.new("RGB", (w, h), (192, 192, 192))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=(128, 128, 128), width=scale)
    f = ImageFont.truetype(FONT, 26 * scale)
    d.text((w // 2, h // 2), "Zorvexa", font=f, fill=(128, 0, 0), anchor="mm")
    if scale == 1:
        img.convert("P", palette=Image.ADAPTIVE, colors=32).save(ROOT / "images" / "banner.gif")
    else:
        img.save(ROOT / "images" / f"banner@{scale}x.png", optimize=True)


def photo(scale=1):
    # A pocket calculator lying slightly turned on a desk.
    desk_colour = (150, 118, 84)
    w, h = 103 * scale, 65 * scale
    desk = Image.new("RGB", (w, h), desk_colour)
    calc = calculator((46 * scale, 62 * scale), scale=0.7 * scale, background=desk_colour)
    calc = calc.rotate(-12, expand=True, resample=Image.BICUBIC, fillcolor=desk_colour)
    calc = calc.resize((int(calc.width * 62 * scale / calc.height), 62 * scale))
    desk.paste(calc, ((w - calc.width) // 2, 2 * scale))
    name = "calculator.jpg" if scale == 1 else f"calculator@{scale}x.jpg"
    desk.save(ROOT / "images" / name, quality=90)


if __name__ == "__main__":
    # Each at the size the about box shows it and at twice that, for dense screens.
    for factor in (1, 2):
        banner(factor)
        photo(factor)
