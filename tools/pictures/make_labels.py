#!/usr/bin/env python3
"""Writes the label pictures and the package-marking pictures of the auditors as SVG.

Labels follow 49 CFR 172.407 and the label sections 172.411-172.450:
a square-on-point 100 mm on each side (drawn in millimetres, 141.4 mm
across its diagonals) with a solid inner border 5 mm inside the edge, the
background colours of each label section, the symbol in the upper half,
the text across the middle and the class or division number in the lower
corner (172.402(b)).  Colours approximate the PANTONE references of
172.407(d)(5).  Symbol, text, numbers and border are black (172.407(d)(2)),
except the white text and number of the CORROSIVE label and the white
symbol on the black upper diamond of the POISON GAS and POISON INHALATION
HAZARD labels; the colour of the CORROSIVE, RADIOACTIVE YELLOW-II and
YELLOW-III labels stops at the inner border (172.407(d)(7)).  A subsidiary
label is the same picture as the primary one: it too shows the class number.

The marking pictures are the marks the package-marking auditor names:
limited quantity (172.315), marine pollutant (172.322), orientation arrows
(172.312), INHALATION HAZARD (172.313), HOT and MOLTEN (172.325), sour crude
oil (172.327), KEEP AWAY FROM HEAT (172.317), FUMIGANT (173.9), lithium
battery mark (173.185(c)(3)), excepted quantity (173.4a(g)) and UN3373
(173.199(a)(5)).

A picture is named as the scripts and the program name it ("3flmliq.jpg");
the file is that name with the extension ".svg".

Run from the repository root:  python3 tools/pictures/make_labels.py
The output is committed under program/resources/auditors/{LABELS,Markings}.
"""
import math
import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
OUT = os.path.join(ROOT, "program", "resources", "auditors")
FONT = "font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\" font-weight=\"bold\""

# 172.407(d)(5): PANTONE 186 U, 151 U, 109 U, 335 U, 285 U, as sRGB.
RED, ORANGE, YELLOW, GREEN, BLUE = "#d22630", "#ff8200", "#ffd100", "#007b5f", "#0072ce"
WHITE, BLACK = "#ffffff", "#000000"

D = 100 * math.sqrt(2)   # diagonal of a 100 mm square-on-point
C = D / 2                # centre
INSET = 5 * math.sqrt(2) # 5 mm border inset, measured along the diagonals
PX = 150                 # size of a label picture on screen

OUTER = "%.2f,0 %.2f,%.2f %.2f,%.2f 0,%.2f" % (C, D, C, C, D, C)
INNER = "%.2f,%.2f %.2f,%.2f %.2f,%.2f %.2f,%.2f" % (C, INSET, D - INSET, C, C, D - INSET, INSET, C)


def svg(w, h, body, px_w=None, px_h=None):
    return ("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %.2f %.2f\">\n%s</svg>\n"
            % (px_w or w, px_h or h, w, h, body))


def text(x, y, s, size, fill=BLACK, anchor="middle", weight_font=FONT):
    return "<text x=\"%.2f\" y=\"%.2f\" font-size=\"%.2f\" text-anchor=\"%s\" %s fill=\"%s\">%s</text>\n" % (
        x, y, size, anchor, weight_font, fill, s)


# The program draws SVG with a renderer that has no clip paths and no
# patterns, so every coloured area is cut to its shape here.
def diamond(inset):
    return [(C, inset), (D - inset, C), (C, D - inset), (inset, C)]


def clip(poly, convex):
    """Sutherland-Hodgman: the part of `poly` inside the convex polygon `convex` (clockwise on screen)."""
    def inside(p, a, b):
        return (b[0] - a[0]) * (p[1] - a[1]) - (b[1] - a[1]) * (p[0] - a[0]) >= 0

    def cross(p, q, a, b):
        x1, y1, x2, y2 = p[0], p[1], q[0], q[1]
        x3, y3, x4, y4 = a[0], a[1], b[0], b[1]
        den = (x1 - x2) * (y3 - y4) - (y1 - y2) * (x3 - x4)
        t = ((x1 - x3) * (y3 - y4) - (y1 - y3) * (x3 - x4)) / den
        return (x1 + t * (x2 - x1), y1 + t * (y2 - y1))

    out = poly
    for i in range(len(convex)):
        a, b = convex[i], convex[(i + 1) % len(convex)]
        src, out = out, []
        for j in range(len(src)):
            p, q = src[j], src[(j + 1) % len(src)]
            if inside(q, a, b):
                if not inside(p, a, b):
                    out.append(cross(p, q, a, b))
                out.append(q)
            elif inside(p, a, b):
                out.append(cross(p, q, a, b))
        if not out:
            break
    return out


def polygon(points, fill):
    if len(points) < 3:
        return ""
    return "<polygon points=\"%s\" fill=\"%s\"/>\n" % (" ".join("%.2f,%.2f" % p for p in points), fill)


def rect_points(x, y, w, h):
    return [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]


def upper(fill, where="outer"):
    return polygon(clip(rect_points(0, 0, D, C), diamond(INSET if where == "inner" else 0)), fill)


def lower(fill, where="outer"):
    return polygon(clip(rect_points(0, C, D, C), diamond(INSET if where == "inner" else 0)), fill)


# --- symbols, in a box of about 40 mm centred on (0, 0) ---------------------
def flame(c):
    return ("<path d=\"M0,-21 C-3,-13 -13,-8 -13,3 C-13,11 -7,16 0,16 C7,16 13,11 13,3 C13,-4 9,-8 7,-14 "
            "C6,-8 4,-6 2,-4 C3,-11 2,-16 0,-21 Z M-3,15 C-7,12 -7,6 -3,1 C-2,6 1,7 2,3 C6,8 6,13 3,15 Z\" "
            "fill=\"%s\" fill-rule=\"evenodd\"/>\n"
            "<rect x=\"-15\" y=\"18\" width=\"30\" height=\"2.6\" fill=\"%s\"/>\n" % (c, c))


def flame_over_circle(c):
    return ("<g transform=\"translate(0,-6) scale(0.72)\">"
            "<path d=\"M0,-21 C-3,-13 -13,-8 -13,3 C-13,11 -7,16 0,16 C7,16 13,11 13,3 C13,-4 9,-8 7,-14 "
            "C6,-8 4,-6 2,-4 C3,-11 2,-16 0,-21 Z\" fill=\"%s\"/></g>\n"
            "<circle cx=\"0\" cy=\"11\" r=\"7.5\" fill=\"none\" stroke=\"%s\" stroke-width=\"3\"/>\n"
            "<rect x=\"-15\" y=\"20\" width=\"30\" height=\"2.6\" fill=\"%s\"/>\n" % (c, c, c))


def bomb(c):
    pts = []
    for i in range(18):
        r = 17 if i % 2 == 0 else 8
        a = math.pi * 2 * i / 18 - math.pi / 2
        pts.append("%.2f,%.2f" % (6 + r * math.cos(a), -6 + r * math.sin(a)))
    shards = "".join("<rect x=\"%.1f\" y=\"%.1f\" width=\"2.4\" height=\"2.4\" fill=\"%s\" transform=\"rotate(%d %.1f %.1f)\"/>"
                     % (x, y, c, r, x, y) for x, y, r in ((-14, -18, 20), (22, -20, 40), (26, 2, 10), (-16, 4, 30)))
    return ("<polygon points=\"%s\" fill=\"%s\"/>\n%s\n"
            "<circle cx=\"-6\" cy=\"9\" r=\"10\" fill=\"%s\"/>\n" % (" ".join(pts), c, shards, c))


def cylinder(c):
    return ("<path d=\"M-7,-10 C-7,-16 7,-16 7,-10 L7,20 L-7,20 Z\" fill=\"%s\"/>\n"
            "<rect x=\"-3\" y=\"-20\" width=\"6\" height=\"5\" fill=\"%s\"/>\n"
            "<rect x=\"-6\" y=\"-22\" width=\"12\" height=\"2.2\" fill=\"%s\"/>\n" % (c, c, c))


def skull(c, bg):
    return ("<rect x=\"-18\" y=\"6\" width=\"36\" height=\"5\" rx=\"2.5\" fill=\"%s\" transform=\"rotate(28)\"/>\n"
            "<rect x=\"-18\" y=\"6\" width=\"36\" height=\"5\" rx=\"2.5\" fill=\"%s\" transform=\"rotate(-28)\"/>\n"
            "<circle cx=\"0\" cy=\"-8\" r=\"11\" fill=\"%s\"/>\n"
            "<rect x=\"-6\" y=\"0\" width=\"12\" height=\"8\" rx=\"1.5\" fill=\"%s\"/>\n"
            "<circle cx=\"-4.2\" cy=\"-8\" r=\"3\" fill=\"%s\"/><circle cx=\"4.2\" cy=\"-8\" r=\"3\" fill=\"%s\"/>\n"
            "<polygon points=\"0,-4 -1.6,-0.5 1.6,-0.5\" fill=\"%s\"/>\n"
            "<rect x=\"-3.8\" y=\"3.5\" width=\"1.4\" height=\"4.5\" fill=\"%s\"/><rect x=\"-0.7\" y=\"3.5\" width=\"1.4\" "
            "height=\"4.5\" fill=\"%s\"/><rect x=\"2.4\" y=\"3.5\" width=\"1.4\" height=\"4.5\" fill=\"%s\"/>\n"
            % (c, c, c, c, bg, bg, bg, bg, bg, bg))


def trefoil(c):
    # Appendix B to part 172: a central circle of radius X, blades from 1.5X to 5X, each 60 degrees.
    x = 3.4
    body = "<circle cx=\"0\" cy=\"0\" r=\"%.2f\" fill=\"%s\"/>\n" % (x, c)
    for k in range(3):
        a0 = math.radians(-90 - 30 + 120 * k + 60)
        a1 = a0 + math.radians(60)
        r0, r1 = 1.5 * x, 5 * x
        p = (r0 * math.cos(a0), r0 * math.sin(a0), r1 * math.cos(a0), r1 * math.sin(a0),
             r1 * math.cos(a1), r1 * math.sin(a1), r0 * math.cos(a1), r0 * math.sin(a1))
        body += ("<path d=\"M%.2f,%.2f L%.2f,%.2f A%.2f,%.2f 0 0 1 %.2f,%.2f L%.2f,%.2f A%.2f,%.2f 0 0 0 %.2f,%.2f Z\" "
                 "fill=\"%s\"/>\n" % (p[0], p[1], p[2], p[3], r1, r1, p[4], p[5], p[6], p[7], r0, r0, p[0], p[1], c))
    return body


def biohazard(c, bg):
    body = ""
    for k in range(3):
        a = math.radians(-90 + 120 * k)
        body += "<circle cx=\"%.2f\" cy=\"%.2f\" r=\"9.5\" fill=\"%s\"/>\n" % (7.5 * math.cos(a), 7.5 * math.sin(a), c)
    for k in range(3):
        a = math.radians(-90 + 120 * k)
        body += "<circle cx=\"%.2f\" cy=\"%.2f\" r=\"6.8\" fill=\"%s\"/>\n" % (10 * math.cos(a), 10 * math.sin(a), bg)
    body += "<circle cx=\"0\" cy=\"0\" r=\"7.5\" fill=\"none\" stroke=\"%s\" stroke-width=\"2.2\"/>\n" % c
    body += "<circle cx=\"0\" cy=\"0\" r=\"2.8\" fill=\"%s\"/>\n" % bg
    for k in range(3):
        a = math.radians(90 + 120 * k)
        body += "<line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\" stroke=\"%s\" stroke-width=\"1.6\"/>\n" % (
            2.8 * math.cos(a), 2.8 * math.sin(a), 8 * math.cos(a), 8 * math.sin(a), bg)
    return body


def corrosive(c):
    # Two test tubes pouring onto a hand and onto a bar of metal.
    return ("<rect x=\"-17\" y=\"-22\" width=\"6\" height=\"17\" rx=\"2\" fill=\"%s\" transform=\"rotate(-40 -14 -13)\"/>\n"
            "<rect x=\"11\" y=\"-22\" width=\"6\" height=\"17\" rx=\"2\" fill=\"%s\" transform=\"rotate(40 14 -13)\"/>\n"
            "<circle cx=\"-11\" cy=\"-2\" r=\"1.4\" fill=\"%s\"/><circle cx=\"-11\" cy=\"3\" r=\"1.4\" fill=\"%s\"/>\n"
            "<circle cx=\"11\" cy=\"-2\" r=\"1.4\" fill=\"%s\"/><circle cx=\"11\" cy=\"3\" r=\"1.4\" fill=\"%s\"/>\n"
            "<path d=\"M-24,12 L-6,12 L-6,9 L-4,9 L-4,16 L-24,16 Z\" fill=\"%s\"/>\n"
            "<path d=\"M-13,8 C-12,10 -10,10 -9,8 L-9,12 L-13,12 Z\" fill=\"%s\"/>\n"
            "<path d=\"M4,9 L26,9 L26,16 L4,16 Z M9,9 C10,12 13,12 14,9 Z\" fill=\"%s\" fill-rule=\"evenodd\"/>\n"
            % (c, c, c, c, c, c, c, c, c))


def battery_group(c):
    # Batteries, one broken and emitting flame (172.447).
    return ("<rect x=\"-20\" y=\"-2\" width=\"11\" height=\"18\" fill=\"none\" stroke=\"%s\" stroke-width=\"1.6\"/>\n"
            "<rect x=\"-16.5\" y=\"-4.5\" width=\"4\" height=\"2.5\" fill=\"%s\"/>\n"
            "<rect x=\"-6\" y=\"-2\" width=\"11\" height=\"18\" fill=\"none\" stroke=\"%s\" stroke-width=\"1.6\"/>\n"
            "<rect x=\"-2.5\" y=\"-4.5\" width=\"4\" height=\"2.5\" fill=\"%s\"/>\n"
            "<path d=\"M8,16 L8,4 L11,1 L13,5 L16,2 L19,4 L19,16 Z\" fill=\"none\" stroke=\"%s\" stroke-width=\"1.6\"/>\n"
            "<path d=\"M14,-1 C12,-5 13,-8 15,-11 C15,-8 17,-7 17,-9 C19,-6 19,-3 17,-1 Z\" fill=\"%s\"/>\n"
            % (c, c, c, c, c, c))


def aircraft(c):
    return ("<path d=\"M0,-20 C2,-20 2.5,-17 2.5,-14 L2.5,-5 L20,4 L20,7 L2.5,2 L2.5,12 L8,16 L8,18 L0,16 L-8,18 L-8,16 "
            "L-2.5,12 L-2.5,2 L-20,7 L-20,4 L-2.5,-5 L-2.5,-14 C-2.5,-17 -2,-20 0,-20 Z\" fill=\"%s\"/>\n" % c)


def place(symbol, x=C, y=36, scale=1.0):
    return "<g transform=\"translate(%.2f,%.2f) scale(%.2f)\">\n%s</g>\n" % (x, y, scale, symbol)


def vertical_stripes(color, count, top_only, where="inner"):
    """Stripes across the label, spaced so that they look as wide as the spaces between them."""
    bands = count * 2 - 1
    # The stripes fill the width of the upper half between the side corners of the inner border.
    left, width = INSET, D - 2 * INSET
    w = width / bands
    height = C if top_only else D
    body = ""
    for i in range(0, bands, 2):
        body += polygon(clip(rect_points(left + i * w, 0, w, height), diamond(INSET if where == "inner" else 0)), color)
    return body


def label(name, bg_upper, bg_lower, symbol, words, number, fg=BLACK, number_fg=None, words_fg=None,
          colour_to_inner=False, extra="", word_size=9.0, number_size=12.0):
    """A diamond label: backgrounds, inner border, symbol, words, class number."""
    where = "inner" if colour_to_inner else "outer"
    body = "<polygon points=\"%s\" fill=\"%s\"/>\n" % (OUTER, WHITE)
    body += upper(bg_upper, where) + lower(bg_lower, where)
    body += extra
    body += "<polygon points=\"%s\" fill=\"none\" stroke=\"%s\" stroke-width=\"1.3\"/>\n" % (INNER, fg)
    body += symbol
    wf = words_fg or fg
    y = 86 if len(words) == 1 else 80
    for i, w in enumerate(words):
        body += text(C, y + i * (word_size + 1.5), w, word_size, wf)
    if number:
        size = number_size if len(number) == 1 else 10.0
        body += text(C, 126.5, number, size, number_fg or fg)
    # A thin outline of the edge, so that a white label shows on a white page.
    body += "<polygon points=\"%s\" fill=\"none\" stroke=\"#9a9a9a\" stroke-width=\"0.4\"/>\n" % OUTER
    return name, svg(D, D, body, PX, PX)


def explosive(division, letter):
    d = "1.%s" % division
    if division in "123":
        # 172.411(a): the bomb, EXPLOSIVES, and the division number with the compatibility letter.
        sym = place(bomb(BLACK), y=44, scale=0.8)
        words = ["EXPLOSIVES"]
        extra = text(C, 103, d + letter, 10.5)
        return label("1_%s%s" % (division, letter), ORANGE, ORANGE, sym, words, "1", extra=extra)
    # 172.411(c): the division number at least 30 mm high, the word and the compatibility letter.
    sym = text(C, 60, d, 30)
    words = ["BLASTING AGENT"] if division == "5" else ["EXPLOSIVE"]
    extra = text(C, 103, letter, 10.5) if letter else ""
    return label("1_%s%s" % (division, letter), ORANGE, ORANGE, sym, words, "1", extra=extra, word_size=8.5)


def radioactive(name, roman, yellow):
    # 172.436-172.440: the trefoil, RADIOACTIVE, the red bars of the category, the
    # CONTENTS and ACTIVITY lines and, on the yellow labels, the TRANSPORT INDEX box.
    bars = "".join("<rect x=\"%.2f\" y=\"84\" width=\"2.6\" height=\"10\" fill=\"%s\"/>\n"
                   % (C - 4.2 * (len(roman) - 1) / 2 + 4.2 * i - 1.3, RED) for i in range(len(roman)))
    lines = (text(C, 100, "CONTENTS __________", 3.6) + text(C, 105, "ACTIVITY __________", 3.6))
    if yellow:
        lines += ("<rect x=\"%.2f\" y=\"107.5\" width=\"16\" height=\"8\" fill=\"none\" stroke=\"%s\" "
                  "stroke-width=\"0.7\"/>\n" % (C - 8, BLACK)) + text(C, 110.8, "TRANSPORT", 2.3) + text(C, 114, "INDEX", 2.3)
    sym = place(trefoil(BLACK), y=40)
    return label(name, YELLOW if yellow else WHITE, WHITE, sym, [], "7",
                 colour_to_inner=yellow, extra=bars + lines + text(C, 80, "RADIOACTIVE", 9.0))


def poison_with_black_top(name, words, number):
    """172.416 / 172.429: white label with a black upper diamond, its lower point 14 mm above the centre line."""
    bottom = C - 14
    top = INSET
    half = (bottom - top) / 2
    diamond = "<polygon points=\"%.2f,%.2f %.2f,%.2f %.2f,%.2f %.2f,%.2f\" fill=\"%s\"/>\n" % (
        C, top, C + half, top + half, C, bottom, C - half, top + half, BLACK)
    sym = place(skull(WHITE, BLACK), y=top + half, scale=0.85)
    return label(name, WHITE, WHITE, sym, words, number, extra=diamond, word_size=7.6)


def labels():
    out = []
    compat = {"1": "ABCDEFGJL", "2": "BCDEFGHJKL", "3": "CFGHJKL", "4": "BCDEFGS", "5": "D", "6": "N"}
    for division, letters in compat.items():
        out.append(explosive(division, ""))
        for letter in letters:
            out.append(explosive(division, letter))
    # 172.411(e): the EXPLOSIVE subsidiary label, the bomb and the class number.
    out.append(label("1sub", ORANGE, ORANGE, place(bomb(BLACK), y=52, scale=1.0), [], "1"))
    out.append(label("2flam", RED, RED, place(flame(BLACK)), ["FLAMMABLE GAS"], "2"))
    out.append(label("2nonflam", GREEN, GREEN, place(cylinder(BLACK)), ["NON-FLAMMABLE", "GAS"], "2", word_size=8.5))
    out.append(poison_with_black_top("2poison", ["POISON GAS"], "2"))
    # 172.405(b): the OXIDIZER label with OXYGEN and the class number 2.
    out.append(label("oxygen", YELLOW, YELLOW, place(flame_over_circle(BLACK)), ["OXYGEN"], "2"))
    out.append(label("3flmliq", RED, RED, place(flame(BLACK)), ["FLAMMABLE LIQUID"], "3", word_size=8.5))
    out.append(label("4flmsol", WHITE, WHITE, place(flame(BLACK)), [], "4",
                     extra=vertical_stripes(RED, 7, False, "outer")
                     + "<rect x=\"%.2f\" y=\"79\" width=\"84\" height=\"12\" fill=\"%s\"/>\n" % (C - 42, WHITE)
                     + text(C, 88, "FLAMMABLE SOLID", 8.0)))
    out.append(label("4spont", WHITE, RED, place(flame(BLACK)), ["SPONTANEOUSLY", "COMBUSTIBLE"], "4", word_size=7.6))
    out.append(label("4dwet", BLUE, BLUE, place(flame(BLACK)), ["DANGEROUS", "WHEN WET"], "4", word_size=8.5))
    out.append(label("5oxid", YELLOW, YELLOW, place(flame_over_circle(BLACK)), ["OXIDIZER"], "5.1"))
    out.append(label("5orgper", RED, YELLOW, place(flame(BLACK)), ["ORGANIC", "PEROXIDE"], "5.2", word_size=8.5))
    out.append(poison_with_black_top("6pih", ["POISON", "INHALATION HAZARD"], "6"))
    out.append(label("6POISN", WHITE, WHITE, place(skull(BLACK, WHITE)), ["POISON"], "6"))
    # 172.405(c): PG III in place of POISON below the mid line.
    out.append(label("6pgiii", WHITE, WHITE, place(skull(BLACK, WHITE)), ["PG III"], "6"))
    out.append(label("6infect", WHITE, WHITE, place(biohazard(BLACK, WHITE), y=34), ["INFECTIOUS", "SUBSTANCE"], "6",
                     word_size=7.6,
                     extra=text(C, 100, "IN CASE OF DAMAGE OR LEAKAGE", 2.7)
                     + text(C, 104, "IMMEDIATELY NOTIFY", 2.7) + text(C, 108, "PUBLIC HEALTH AUTHORITY", 2.7)))
    out.append(radioactive("7white", "I", False))
    out.append(radioactive("7yellow2", "II", True))
    out.append(radioactive("7yellow3", "III", True))
    out.append(label("7fissile", WHITE, WHITE, text(C, 44, "FISSILE", 11), [], "7",
                     extra=("<rect x=\"%.2f\" y=\"72\" width=\"50\" height=\"20\" fill=\"none\" stroke=\"%s\" "
                            "stroke-width=\"0.9\"/>\n" % (C - 25, BLACK))
                     + text(C, 79, "CRITICALITY", 4.2) + text(C, 84, "SAFETY INDEX", 4.2)))
    out.append(label("7empty", WHITE, WHITE, text(C, 80, "EMPTY", 20), [], "7"))
    out.append(label("8corrv", WHITE, BLACK, place(corrosive(BLACK)), ["CORROSIVE"], "8", number_fg=WHITE,
                     words_fg=WHITE, colour_to_inner=True))
    underline = "<rect x=\"%.2f\" y=\"130\" width=\"9\" height=\"1.3\" fill=\"%s\"/>\n" % (C - 4.5, BLACK)
    out.append(label("9misc", WHITE, WHITE, "", [], "9", extra=vertical_stripes(BLACK, 7, True) + underline))
    out.append(label("9lithbat", WHITE, WHITE, place(battery_group(BLACK), y=96, scale=0.9), [], "9",
                     extra=vertical_stripes(BLACK, 7, True) + underline))
    return out


def cargo_aircraft_only():
    # 172.407(c)(2), 172.448: a rectangle 120 mm wide and 110 mm high, black on orange.
    w, h = 120, 110
    body = "<rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\" fill=\"%s\"/>\n" % (w, h, ORANGE)
    body += "<rect x=\"4\" y=\"4\" width=\"%d\" height=\"%d\" fill=\"none\" stroke=\"%s\" stroke-width=\"1.5\"/>\n" % (
        w - 8, h - 8, BLACK)
    body += text(w / 2, 18, "DANGER", 9)
    body += place(aircraft(BLACK), x=w / 2, y=44, scale=1.0)
    body += text(w / 2, 78, "CARGO AIRCRAFT", 9.5) + text(w / 2, 90, "ONLY", 9.5)
    body += text(w / 2, 100, "FORBIDDEN IN PASSENGER AIRCRAFT", 4.6)
    return "cao", svg(w, h, body, 136, 125)


def text_mark(name, lines, w, h, size, px_w, px_h, border=1.2):
    body = "<rect x=\"0.6\" y=\"0.6\" width=\"%.1f\" height=\"%.1f\" fill=\"%s\" stroke=\"%s\" stroke-width=\"%.1f\"/>\n" % (
        w - 1.2, h - 1.2, WHITE, BLACK, border)
    y0 = h / 2 + size * 0.36 - (len(lines) - 1) * size * 1.2 / 2
    for i, line in enumerate(lines):
        body += text(w / 2, y0 + i * size * 1.2, line, size)
    return name, svg(w, h, body, px_w, px_h)


def square_on_point(name, inner, side=100, px=120, border=2.0, stroke=BLACK):
    d = side * math.sqrt(2)
    c = d / 2
    body = "<polygon points=\"%.2f,%.2f %.2f,%.2f %.2f,%.2f %.2f,%.2f\" fill=\"%s\" stroke=\"%s\" stroke-width=\"%.1f\"/>\n" % (
        c, border, d - border, c, c, d - border, border, c, WHITE, stroke, border * 2)
    return name, svg(d, d, body + inner(c, d), px, px)


def markings():
    out = []
    # 172.315(a)(1): top and bottom black, centre white, inside a black border.
    def ltd(c, d):
        shape = [(c, 0), (d, c), (c, d), (0, c)]
        band = d * 0.22
        return (polygon(clip(rect_points(0, 0, d, c - band), shape), BLACK)
                + polygon(clip(rect_points(0, c + band, d, c - band), shape), BLACK))
    out.append(square_on_point("LTD_QTY", ltd))

    # 172.322(e): a dead fish and a dead tree, black on white, in a square-on-point.
    def fish(c, d):
        return ("<g transform=\"translate(%.2f,%.2f)\">" % (c, c)
                + "<rect x=\"-16\" y=\"-34\" width=\"4\" height=\"30\" fill=\"#000\"/>"
                "<path d=\"M-14,-26 L-28,-38 M-14,-20 L-2,-34 M-14,-14 L-26,-22 M-8,-28 L-4,-36 M-22,-31 L-24,-40\" "
                "stroke=\"#000\" stroke-width=\"2.5\" fill=\"none\"/>"
                "<path d=\"M-30,-4 C-16,-8 12,-8 30,-4\" stroke=\"#000\" stroke-width=\"2\" fill=\"none\"/>"
                "<path d=\"M-22,14 C-10,2 14,2 22,12 L34,4 L32,22 L22,16 C12,26 -10,26 -22,14 Z\" fill=\"#000\"/>"
                "<path d=\"M-17,10 L-13,14 M-13,10 L-17,14\" stroke=\"#fff\" stroke-width=\"1.5\"/>"
                "</g>\n")
    out.append(square_on_point("FISH", fish))

    # 173.199(a)(5): UN3373 in a square-on-point at least 50 mm on each side.
    out.append(square_on_point("UN3373", lambda c, d: text(c, c + 5, "UN3373", 14), side=60, px=100))

    # 172.327: the sour crude oil mark, a black-bordered square-on-point with the hazard words.
    def sour(c, d):
        return (place(skull(BLACK, WHITE), x=c, y=c - 30, scale=0.8) + text(c, c + 2, "DANGER", 11)
                + text(c, c + 13, "POSSIBLE HYDROGEN", 6.5) + text(c, c + 21, "SULFIDE INHALATION", 6.5)
                + text(c, c + 29, "HAZARD", 6.5))
    out.append(square_on_point("sourcrude", sour))

    # 172.312(a)(2): two arrows on a bar, pointing upright, in a rectangular border.
    arrows = ("<rect x=\"1\" y=\"1\" width=\"68\" height=\"98\" fill=\"#fff\" stroke=\"#000\" stroke-width=\"1.5\"/>\n"
              "<rect x=\"12\" y=\"82\" width=\"46\" height=\"6\" fill=\"#000\"/>\n")
    for x in (24, 46):
        arrows += "<path d=\"M%d,16 L%d,36 L%d,36 L%d,82 L%d,82 L%d,36 L%d,36 Z\" fill=\"#000\"/>\n" % (
            x, x - 9, x - 3.5, x - 3.5, x + 3.5, x + 3.5, x + 9)
    out.append(("ARROWS", svg(70, 100, arrows, 84, 120)))

    # 172.313(a): the words INHALATION HAZARD.
    out.append(text_mark("INHALHAZ", ["INHALATION HAZARD"], 150, 30, 12, 150, 30))
    # 172.325: HOT, MOLTEN ALUMINUM, MOLTEN SULFUR.
    out.append(text_mark("HOT", ["HOT"], 100, 100, 40, 100, 100))
    out.append(text_mark("MOLTENAL", ["MOLTEN", "ALUMINUM"], 100, 100, 15, 100, 100))
    out.append(text_mark("MOLTENSULFUR", ["MOLTEN", "SULFUR"], 100, 100, 17, 100, 100))

    # 172.317(b): KEEP AWAY FROM HEAT, a rectangle at least 74 mm wide and 105 mm high, red border.
    keep = ("<rect x=\"1.5\" y=\"1.5\" width=\"71\" height=\"102\" fill=\"#fff\" stroke=\"%s\" stroke-width=\"3\"/>\n" % RED
            + "<circle cx=\"37\" cy=\"24\" r=\"8\" fill=\"%s\"/>\n" % RED)
    for k in range(12):
        a = math.radians(30 * k)
        keep += "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"%s\" stroke-width=\"1.6\"/>\n" % (
            37 + 10 * math.cos(a), 24 + 10 * math.sin(a), 37 + 15 * math.cos(a), 24 + 15 * math.sin(a), RED)
    keep += ("<rect x=\"22\" y=\"44\" width=\"30\" height=\"22\" fill=\"#000\"/>\n"
             "<path d=\"M16,42 L58,42\" stroke=\"#000\" stroke-width=\"2\"/>\n"
             "<path d=\"M14,36 L22,44 M60,36 L52,44\" stroke=\"#000\" stroke-width=\"2\"/>\n")
    keep += text(37, 80, "KEEP AWAY", 8) + text(37, 91, "FROM HEAT", 8)
    out.append(("KEEPAWAY", svg(74, 105, keep, 74, 105)))

    # 173.9(e): the FUMIGANT marking, black on white, at least 400 mm wide and 300 mm high.
    fum = "<rect x=\"2\" y=\"2\" width=\"396\" height=\"296\" fill=\"#fff\" stroke=\"#000\" stroke-width=\"4\"/>\n"
    fum += text(200, 50, "DANGER", 40)
    fum += place(skull(BLACK, WHITE), x=200, y=100, scale=1.3)
    for i, line in enumerate(["THIS UNIT IS UNDER FUMIGATION", "WITH ______________ APPLIED ON",
                              "DATE ____________ TIME _______", "DO NOT ENTER"]):
        fum += text(200, 160 + 30 * i, line, 19)
    out.append(("FUMIGANT", svg(400, 300, fum, 200, 150)))

    # 173.185(c)(3)(i): the lithium battery mark, a rectangle with red hatched edging at least 5 mm wide.
    def hatched(w, h, hatch, colour):
        # Diagonal bars, cut to the frame of the mark, then the white middle on top.
        body = "<rect x=\"0\" y=\"0\" width=\"%d\" height=\"%d\" fill=\"#fff\"/>\n" % (w, h)
        frame = rect_points(0, 0, w, h)
        step = 6.0
        k = -h
        while k < w:
            bar = [(k, h), (k + h, 0), (k + h + step / 2, 0), (k + step / 2, h)]
            body += polygon(clip(bar, frame), colour)
            k += step
        body += "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"#fff\"/>\n" % (hatch, hatch, w - 2 * hatch, h - 2 * hatch)
        return body
    lith = hatched(100, 100, 6, RED)
    lith += place(battery_group(BLACK), x=50, y=36, scale=1.0)
    lith += text(50, 70, "UN * * * *", 10)
    lith += text(50, 84, "** phone number **", 5.5)
    out.append(("lithiumcells", svg(100, 100, lith, 110, 110)))

    # 173.4a(g): the excepted quantity mark, hatched edging, "*" class number, "**" name.
    eq = hatched(100, 100, 8, RED)
    eq += text(50, 36, "*", 26) + text(50, 76, "**", 20)
    out.append(("EQ", svg(100, 100, eq, 110, 110)))
    return out


def label_folder_markings():
    # 173.25(a)(4): OVERPACK, letters at least 12 mm high.
    return [text_mark("overpack", ["OVERPACK"], 110, 40, 14, 150, 55),
            # 173.170(d): black powder for small arms reclassed as Division 4.1.
            text_mark("na0027", ["NA 0027"], 110, 40, 16, 150, 55),
            text_mark("bkpdr", ["BLACK POWDER", "FOR SMALL ARMS"], 110, 40, 9, 150, 55)]


def write(folder, name, body):
    path = os.path.join(OUT, folder, name + ".svg")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(body)


def main():
    for name, body in labels() + [cargo_aircraft_only()] + label_folder_markings():
        write("LABELS", name, body)
    for name, body in markings():
        write("Markings", name, body)


if __name__ == "__main__":
    main()
