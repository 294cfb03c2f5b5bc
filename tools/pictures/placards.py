"""The placards of 49 CFR 172.519-172.560, drawn to their measurements.

A placard is a square-on-point 273 mm on a side (172.519(c)(1) asks at least
250 mm; 273 mm is the usual size).  The drawing unit is the millimetre: the
view box is the placard's bounding square, 386.08 mm across, shown as a 100 x
100 picture.  Every placard has

- its background colour, which may run to the edge, except the black of
  CORROSIVE and the yellow of RADIOACTIVE, which stop at the inner border
  (172.519(d)(4));
- the solid inner border line 12.7 mm inside the edge (172.519(c)(1));
- the symbol in the upper half, the hazard text across the middle and the
  class or division number in the lower corner (172.519(b)(4)), numerals and
  letters at least 41 mm high where the room allows (172.519(c)(2)-(3));
- for the pictures of placards that show an identification number, the
  white 100 x 215 mm number area whose top is 40 mm above the horizontal
  centre line (172.332(c)); the program draws the number into it.

Parts are groups with ids, so that tests can check them by element:
"inner-border", the symbol's own name ("flame", "exploding-bomb", ...),
"text", "division", "compatibility" (the place of the compatibility group
letter, 172.522(b)), "class-number" and "number-area".  Groups that are text
carry the text in aria-label.
"""
import math

import glyphs
import symbols

SIDE = 273.0
HALF = SIDE / math.sqrt(2)          # half the diagonal: the centre's x and y
FULL = 2 * HALF
BORDER = 12.7                       # edge to the outside of the inner border line
LINE = 4.0                          # width of the inner border line
CLEAR = BORDER + LINE               # edge to the inside of the inner border line
MARGIN = 5.0                        # room kept between the border and the art
ROOT2 = math.sqrt(2)

# The colours of 172.407(d)(5) (PANTONE 186, 151, 109, 335, 285) in sRGB.
RED, ORANGE, YELLOW, GREEN, BLUE = "#c8102e", "#ff8200", "#ffd100", "#007b5f", "#0072ce"
WHITE, BLACK = "#ffffff", "#000000"

CAP = 41.0                          # height of numerals and letters, 172.519(c)(2)-(3)
NUMBER_BASELINE = FULL - 72.0       # the class number in the lower corner
NUMBER_CAP = 44.0


def _n(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


def diamond(inset):
    """The points of the square-on-point `inset` mm inside the edge."""
    a = inset * ROOT2
    return [(HALF, a), (FULL - a, HALF), (HALF, FULL - a), (a, HALF)]


def points(pts):
    return " ".join("%s,%s" % (_n(x), _n(y)) for x, y in pts)


def half_width(y, inset):
    """Half the width of the square-on-point `inset` mm inside the edge at
    height y (negative above or below it)."""
    return HALF - abs(y - HALF) - inset * ROOT2


def room(top, bottom, inset=CLEAR + MARGIN):
    """The width free for a band from `top` to `bottom`."""
    return 2 * min(half_width(top, inset), half_width(bottom, inset))


def clip_band(x0, x1, y0, y1, inset):
    """The part of the rectangle x0..x1, y0..y1 inside the square-on-point
    `inset` mm in, as a polygon (the band is convex, so is the result)."""
    # Sutherland-Hodgman against the four diamond edges
    poly = [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]
    d = diamond(inset)
    for i in range(4):
        a, b = d[i], d[(i + 1) % 4]
        inside = lambda p: (b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0]) >= 0
        out = []
        for j in range(len(poly)):
            p, q = poly[j], poly[(j + 1) % len(poly)]
            if inside(p):
                out.append(p)
            if inside(p) != inside(q):
                t = ((a[0] - p[0]) * (b[1] - a[1]) - (a[1] - p[1]) * (b[0] - a[0])) / (
                    (q[0] - p[0]) * (b[1] - a[1]) - (q[1] - p[1]) * (b[0] - a[0]))
                out.append((p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1])))
        poly = out
        if not poly:
            return []
    return poly


def text_line(text, cy, cap, colour, free=None, min_condense=0.7):
    """Path data of one centred line whose capitals are centred on cy.
    Narrowed, then made smaller, until it fits the room of its band."""
    if free is None:
        free = room(cy - cap / 2, cy + cap / 2)
    condense = 1.0
    w = glyphs.width(text, cap)
    if w > free:
        condense = max(min_condense, free / w)
        if w * condense > free:
            cap *= free / (w * condense)
    w = glyphs.width(text, cap, condense)
    return glyphs.outline(text, HALF - w / 2, cy + cap / 2, cap, condense)


def text_group(name, lines, colour, centre, cap=None, gap=0.3):
    """Lines of text centred as a block on `centre`; two lines are set a
    little smaller, so that the symbol keeps its room above them."""
    if cap is None:
        cap = CAP if len(lines) == 1 else 36.0
    step = cap * (1 + gap)
    first = centre - step * (len(lines) - 1) / 2
    d = " ".join(text_line(line, first + i * step, cap, colour) for i, line in enumerate(lines))
    return "<path id=\"%s\" aria-label=\"%s\" fill=\"%s\" d=\"%s\"/>\n" % (name, " ".join(lines), colour, d)


def class_number(number, colour, underline=False):
    d = text_line(number, NUMBER_BASELINE - NUMBER_CAP / 2, NUMBER_CAP, colour)
    if underline:   # the CLASS 9 placard's underlined 9
        w = glyphs.width(number, NUMBER_CAP)
        y = NUMBER_BASELINE + 6
        d += " M%s %s H%s V%s H%s Z" % (_n(HALF - w / 2), _n(y), _n(HALF + w / 2), _n(y + 5), _n(HALF - w / 2))
    return "<path id=\"class-number\" aria-label=\"%s\" fill=\"%s\" d=\"%s\"/>\n" % (number, colour, d)


def svg(body):
    return ("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\" viewBox=\"0 0 %s %s\">\n%s</svg>\n"
            % (_n(FULL), _n(FULL), body))


def polygon(pts, fill, extra=""):
    return "<polygon points=\"%s\" fill=\"%s\"%s/>\n" % (points(pts), fill, extra)


def inner_border(colour):
    mid = BORDER + LINE / 2
    return "<polygon id=\"inner-border\" points=\"%s\" fill=\"none\" stroke=\"%s\" stroke-width=\"%s\"/>\n" % (
        points(diamond(mid)), colour, _n(LINE))


def outer_edge():
    """A thin edge line inside the outline, so that a white placard shows its
    size on a white page (172.519(b)(2))."""
    return "<polygon points=\"%s\" fill=\"none\" stroke=\"#404040\" stroke-width=\"1.5\"/>\n" % points(diamond(0.75))


def upper_triangle(base_y, inset):
    """The part of the placard above `base_y`, `inset` mm inside the edge."""
    a = inset * ROOT2
    return [(HALF, a), (HALF + (base_y - a), base_y), (HALF - (base_y - a), base_y)]


def lower_triangle(top_y, inset):
    a = inset * ROOT2
    return [(HALF, FULL - a), (HALF - (FULL - a - top_y), top_y), (HALF + (FULL - a - top_y), top_y)]


def number_area():
    """The white number area of 172.332(c): 215 x 100 mm, its top 40 mm above
    the horizontal centre line."""
    x, y = HALF - 107.5, HALF - 40
    return ("<rect id=\"number-area\" x=\"%s\" y=\"%s\" width=\"215\" height=\"100\" fill=\"%s\" stroke=\"%s\" "
            "stroke-width=\"2\"/>\n" % (_n(x), _n(y), WHITE, BLACK))


def inside(x, y, inset):
    return abs(x - HALF) + abs(y - HALF) <= HALF - inset * ROOT2


def fitted_symbol(draw, colour, size, bottom=None, middle=None, region=None):
    """The symbol `draw` centred across the placard, its lowest point at
    `bottom` (or its middle at `middle`), at `size` or as much smaller as
    keeps every point of it in `region` (by default MARGIN mm inside the inner
    border).  The regions are convex, so a shape whose points and control
    points are in the region lies in it."""
    if region is None:
        region = lambda x, y: inside(x, y, CLEAR + MARGIN)
    probe = symbols.Frame(0, 0, 100)
    draw(probe, colour)
    xs = [x for x, _ in probe.points]
    ys = [y for _, y in probe.points]
    mid_x, low, mid_y = (min(xs) + max(xs)) / 2, max(ys), (min(ys) + max(ys)) / 2
    while True:
        k = size / 100.0
        cy = bottom - low * k if bottom is not None else middle - mid_y * k
        frame = symbols.Frame(HALF - mid_x * k, cy, size)
        svg = draw(frame, colour)
        if all(region(*frame_point(frame, p)) for p in frame.points) or size < 20:
            return svg
        size -= 2


def frame_point(frame, p):
    return frame.cx + p[0] * frame.k, frame.cy + p[1] * frame.k


class Design:
    """What one placard looks like, apart from the number area."""

    def __init__(self, background, colour, words, number, symbol=None, **extras):
        self.background = background   # colour of the whole placard
        self.colour = colour           # symbol, text, numerals and inner border
        self.words = words             # lines of the hazard text
        self.number = number           # class or division number
        self.symbol = symbol           # function(frame, colour) -> svg, or None
        self.extras = extras


def _explosive(division):
    return Design(ORANGE, BLACK, ["EXPLOSIVES"], "1",
                  symbols.exploding_bomb if division in ("", "1", "2", "3") else None, division=division)


DESIGNS = {
    "10": _explosive(""), "11": _explosive("1"), "12": _explosive("2"), "13": _explosive("3"),
    "14": _explosive("4"), "15": _explosive("5"), "16": _explosive("6"),
    "21": Design(RED, WHITE, ["FLAMMABLE GAS"], "2", symbols.flame),
    "22": Design(GREEN, WHITE, ["NON-FLAMMABLE", "GAS"], "2", symbols.cylinder),
    "22O": Design(YELLOW, BLACK, ["OXYGEN"], "2", symbols.flame_over_circle),
    "23": Design(WHITE, BLACK, ["POISON GAS"], "2", symbols.skull_and_crossbones, upper_diamond=True),
    "30": Design(RED, WHITE, ["FLAMMABLE"], "3", symbols.flame),
    "30C": Design(RED, WHITE, ["COMBUSTIBLE"], "3", symbols.flame),
    "30F": Design(RED, WHITE, ["FUEL OIL"], "3", symbols.flame),
    "30G": Design(RED, WHITE, ["GASOLINE"], "3", symbols.flame),
    "41": Design(WHITE, BLACK, ["FLAMMABLE", "SOLID"], "4", symbols.flame, stripes41=True),
    "42": Design(WHITE, BLACK, ["SPONTANEOUSLY", "COMBUSTIBLE"], "4", symbols.flame, lower=RED),
    "43": Design(BLUE, WHITE, ["DANGEROUS", "WHEN WET"], "4", symbols.flame),
    "51": Design(YELLOW, BLACK, ["OXIDIZER"], "5.1", symbols.flame_over_circle),
    "52": Design(RED, BLACK, ["ORGANIC", "PEROXIDE"], "5.2", symbols.flame, lower=YELLOW, symbol_colour=WHITE),
    # the earlier, all-yellow ORGANIC PEROXIDE placard with the oxidizer symbol
    "52O": Design(YELLOW, BLACK, ["ORGANIC", "PEROXIDE"], "5.2", symbols.flame_over_circle),
    "61": Design(WHITE, BLACK, ["POISON"], "6", symbols.skull_and_crossbones),
    "610": Design(WHITE, BLACK, ["TOXIC"], "6", symbols.skull_and_crossbones),
    "61A": Design(WHITE, BLACK, ["INHALATION", "HAZARD"], "6", symbols.skull_and_crossbones, upper_diamond=True),
    "61T": Design(WHITE, BLACK, ["PG III"], "6", symbols.skull_and_crossbones),
    "61W": Design(WHITE, BLACK, ["KEEP AWAY", "FROM FOOD"], "6", symbols.wheat_crossed_out),
    "62": Design(WHITE, BLACK, ["INFECTIOUS", "SUBSTANCE"], "6", symbols.biohazard),
    "70": Design(WHITE, BLACK, ["RADIOACTIVE"], "7", symbols.trefoil, yellow_triangle=True),
    "80": Design(WHITE, WHITE, ["CORROSIVE"], "8", symbols.corrosive, black_lower=True),
    "90": Design(WHITE, BLACK, [], "9", None, stripes9=True),
}


def _stripes(count, width, space, x_centre, top, bottom, inset, colour, name=None):
    total = count * width + (count - 1) * space
    body = ""
    for i in range(count):
        x0 = x_centre - total / 2 + i * (width + space)
        pts = clip_band(x0, x0 + width, top, bottom, inset)
        if pts:
            body += polygon(pts, colour)
    if name:
        return "<g id=\"%s\">\n%s</g>\n" % (name, body)
    return body


def _explosive_parts(design, numbered):
    """The division and compatibility group of an EXPLOSIVES placard: 1.1-1.3
    under the word, with the compatibility group after the division; 1.4-1.6
    in large numerals (at least 64 mm, 172.523-172.525) in place of the
    symbol, with the compatibility group under the word."""
    division = design.extras["division"]
    body = ""
    if not division:
        return body
    text = "1." + division
    letter_w = glyphs.width("W", CAP)   # room for the widest group letter
    if division in ("1", "2", "3"):
        cap, cy = CAP, HALF + 38
        w = glyphs.width(text, cap)
        left = HALF - (w + letter_w + 4) / 2
        d = glyphs.outline(text, left, cy + cap / 2, cap)
        body += "<path id=\"division\" aria-label=\"%s\" fill=\"%s\" d=\"%s\"/>\n" % (text, BLACK, d)
        slot = (left + w + 4, cy - cap / 2, letter_w, cap)
    else:
        cap, cy = 66.0, HALF - 36 - 33
        d = text_line(text, cy, cap, BLACK, min_condense=0.85)
        body += "<path id=\"division\" aria-label=\"%s\" fill=\"%s\" d=\"%s\"/>\n" % (text, BLACK, d)
        slot = (HALF - letter_w / 2, HALF + 38 - CAP / 2, letter_w, CAP)
    if not numbered:
        body += "<rect id=\"compatibility\" x=\"%s\" y=\"%s\" width=\"%s\" height=\"%s\" fill=\"none\"/>\n" % tuple(
            map(_n, slot))
    return body


def placard(suffix, numbered):
    """The SVG of the placard `suffix` ("30", "61A", "00D" ...); `numbered`
    draws the number area in place of the hazard text."""
    if suffix == "00D":
        return dangerous()
    design = DESIGNS[suffix]
    ex = design.extras
    body = polygon(diamond(0), design.background)
    border_colour = design.colour
    if ex.get("lower"):   # lower half in another colour (4.2, 5.2)
        body += polygon([(0, HALF), (FULL, HALF), (HALF, FULL)], ex["lower"])
    if ex.get("stripes41"):   # 4.1: seven 25 mm red stripes, 25 mm apart, one in the centre
        body += _stripes(7, 25.0, 25.0, HALF, 0, FULL, 0, RED)
    if ex.get("upper_diamond"):   # 2.3, 6.1 PIH: black upper diamond, its lower point 65 mm above centre
        bottom = HALF - 65
        a = CLEAR * ROOT2
        mid = (a + bottom) / 2
        body += polygon([(HALF, a), (HALF + (mid - a), mid), (HALF, bottom), (HALF - (mid - a), mid)], BLACK)
    if ex.get("yellow_triangle"):   # 7: yellow upper triangle, its base 29 mm above centre
        body += polygon(upper_triangle(HALF - 29, CLEAR), YELLOW)
    if ex.get("black_lower"):   # 8: black below a white triangle whose base is 38 mm above centre
        a = CLEAR * ROOT2
        y = HALF - 38
        body += polygon([(HALF - (y - a), y), (HALF + (y - a), y), (FULL - a, HALF), (HALF, FULL - a), (a, HALF)],
                        BLACK)
        border_colour = BLACK
    if ex.get("stripes9"):   # 9: seven black stripes from the top to 25.4 mm above centre
        # (above the number area when the picture carries one)
        body += _stripes(7, 22.0, 22.0, HALF, 0, HALF - (46 if numbered else 25.4), CLEAR, BLACK, name="stripes")
    body += inner_border(border_colour)
    if design.background == WHITE or ex.get("black_lower") or ex.get("yellow_triangle"):
        body += outer_edge()

    symbol_colour = ex.get("symbol_colour", design.colour)
    if ex.get("upper_diamond"):
        # white, inside the black upper diamond whose lower point is 65 mm above the centre
        top = CLEAR * ROOT2
        mid, reach = (top + HALF - 65) / 2, (HALF - 65 - top) / 2 - 6 * ROOT2
        body += fitted_symbol(design.symbol, WHITE, 80, middle=mid,
                              region=lambda x, y: abs(x - HALF) + abs(y - mid) <= reach)
    elif ex.get("black_lower"):
        # in the white triangle, over its base 38 mm above the centre
        body += fitted_symbol(design.symbol, BLACK, 110, bottom=HALF - 38 - 8)
    elif ex.get("yellow_triangle"):
        # in the yellow triangle, over its base 29 mm above the centre
        body += fitted_symbol(design.symbol, BLACK, 90, bottom=HALF - 29 - 8)
    elif design.symbol:
        bottom = HALF - 46 if numbered else (HALF - 50 if len(design.words) > 1 else HALF - 32)
        if suffix[0] == "1":
            bottom = HALF - 38
        size = 105 if numbered or len(design.words) > 1 else 120
        body += fitted_symbol(design.symbol, symbol_colour, size, bottom=bottom)
    if suffix[0] == "1":
        body += _explosive_parts(design, numbered)

    if numbered:
        body += number_area()
    elif design.words:
        text_colour = BLACK if ex.get("lower") else design.colour
        if ex.get("stripes41"):   # the words on a white band over the stripes
            step = 36.0 * 1.3
            top, bottom = HALF - step / 2 - 36.0 / 2 - 5, HALF + step / 2 + 36.0 / 2 + 5
            body += polygon(clip_band(0, FULL, top, bottom, CLEAR), WHITE)
        body += text_group("text", design.words, text_colour, HALF - 10 if suffix[0] == "1" and ex.get("division") else HALF)
    number_colour = BLACK if ex.get("lower") else design.colour
    body += class_number(design.number, number_colour, underline=ex.get("stripes9", False))
    return svg(body)


def dangerous():
    """DANGEROUS (172.521): red upper and lower triangles inside a 12.7 mm
    white border, a white centre with the black inscription and a red
    3.2 mm border marker at each end of it."""
    top, bottom = HALF - 42, HALF + 42
    body = polygon(diamond(0), WHITE)
    body += "<g id=\"red-triangles\">\n%s%s</g>\n" % (polygon(upper_triangle(top, BORDER), RED),
                                                      polygon(lower_triangle(bottom, BORDER), RED))
    for side in (-1, 1):   # the red markers: the border line between the triangles
        a = BORDER * ROOT2
        tip = HALF + side * (HALF - a)
        upper = HALF + side * (HALF - a - (HALF - top))
        inner = 3.2 * ROOT2
        body += polygon([(upper, top), (tip, HALF), (upper, bottom), (upper - side * inner, bottom),
                         (tip - side * inner, HALF), (upper - side * inner, top)], RED)
    body += outer_edge()
    body += text_group("text", ["DANGEROUS"], BLACK, HALF)
    return svg(body)


def id_square_on_point():
    """The plain white square-on-point that carries an identification number
    where placards may not (172.336(b)): a placard's size, the number area
    placed as on a placard."""
    return svg(polygon(diamond(0), WHITE) + outer_edge() + number_area())


def orange_panel():
    """The orange panel of 172.332(b): 400 x 160 mm with a 15 mm black border;
    the program writes the number into its "number-area"."""
    return ("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"40\" viewBox=\"0 0 400 160\">\n"
            "<rect x=\"0\" y=\"0\" width=\"400\" height=\"160\" fill=\"%s\"/>\n"
            "<rect x=\"7.5\" y=\"7.5\" width=\"385\" height=\"145\" fill=\"none\" stroke=\"%s\" stroke-width=\"15\"/>\n"
            "<rect id=\"number-area\" x=\"15\" y=\"15\" width=\"370\" height=\"130\" fill=\"none\"/>\n</svg>\n"
            % (ORANGE, BLACK))
