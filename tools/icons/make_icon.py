#!/usr/bin/env python3
"""Draws Velmora's icon: a hazardous materials placard (a square on its
point, orange with a white border) on a dark blue tile, with a "V" drawn as
a shape so that no font is needed.

    tools/icons/make_icon.py OUT.svg [OUT.svg ...]

Every output gets the same drawing; the PNG sizes of the icon theme are
rendered from it at build time (rsvg-convert, cmake/VelmoraInstall.cmake).
"""
import sys

SIZE = 128
TILE = "#1f3a5f"
PLACARD = "#f26b1d"
BORDER = "#ffffff"


def diamond(cx, cy, r):
    return f"{cx},{cy - r} {cx + r},{cy} {cx},{cy + r} {cx - r},{cy}"


def letter_v(cx, top, height, width, stroke):
    """The outline of a V whose arms are `stroke` wide."""
    half = width / 2
    bottom = top + height
    inner = stroke * 0.9
    points = [
        (cx - half, top), (cx - half + stroke, top), (cx, bottom - stroke * 1.6),
        (cx + half - stroke, top), (cx + half, top), (cx + inner / 2, bottom),
        (cx - inner / 2, bottom),
    ]
    return " ".join(f"{x:g},{y:g}" for x, y in points)


def icon_svg():
    c = SIZE / 2
    return "\n".join([
        f'<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 {SIZE} {SIZE}" width="{SIZE}" height="{SIZE}">',
        f'  <rect x="4" y="4" width="{SIZE - 8}" height="{SIZE - 8}" rx="18" fill="{TILE}"/>',
        f'  <polygon points="{diamond(c, c, 54)}" fill="{BORDER}"/>',
        f'  <polygon points="{diamond(c, c, 47)}" fill="{PLACARD}"/>',
        f'  <polygon points="{diamond(c, c, 42)}" fill="none" stroke="{BORDER}" stroke-width="2"/>',
        f'  <polygon points="{letter_v(c, 42, 44, 44, 11)}" fill="{BORDER}"/>',
        "</svg>",
        "",
    ])


def main(paths):
    if not paths:
        sys.exit(__doc__)
    text = icon_svg()
    for path in paths:
        with open(path, "w", encoding="utf-8") as out:
            out.write(text)


if __name__ == "__main__":
    main(sys.argv[1:])
