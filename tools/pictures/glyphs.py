"""Text set as outlines, so that a picture looks the same wherever it is drawn.

The letters come from Liberation Sans Bold (Debian package fonts-liberation2,
read with python3-fonttools).  Only the generator reads the font; the SVG
files it writes carry plain paths.
"""
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

FONT_FILE = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"

_font = None


def _load():
    global _font
    if _font is None:
        font = TTFont(FONT_FILE)
        _font = (font, font.getGlyphSet(), font.getBestCmap(), font["head"].unitsPerEm,
                 font["OS/2"].sCapHeight)
    return _font


def advance(text):
    """Width of `text` in font units, kerning left aside."""
    font, _, cmap, _, _ = _load()
    return sum(font["hmtx"][cmap[ord(ch)]][0] for ch in text)


def width(text, cap_height, condense=1.0):
    """Width in drawing units of `text` whose capitals are `cap_height` high."""
    _, _, _, _, cap = _load()
    return advance(text) * cap_height / cap * condense


def outline(text, left, baseline, cap_height, condense=1.0):
    """SVG path data of `text` with its capitals `cap_height` high, the
    baseline at `baseline` and the first advance starting at `left`;
    `condense` narrows the letters (1 = the font's own width)."""
    font, glyphs, cmap, _, cap = _load()
    scale = cap_height / cap
    pen = SVGPathPen(glyphs, ntos=lambda v: ("%.2f" % v).rstrip("0").rstrip("."))
    x = 0.0
    for ch in text:
        name = cmap[ord(ch)]
        if ch != " ":
            glyphs[name].draw(TransformPen(pen, (scale * condense, 0, 0, -scale, left + x, baseline)))
        x += font["hmtx"][name][0] * scale * condense
    return pen.getCommands()
