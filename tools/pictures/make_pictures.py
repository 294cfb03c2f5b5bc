#!/usr/bin/env python3
"""Writes the program's placard, marking and message-icon pictures as SVG.

Placards are 100 x 100 diamonds in the colours of 49 CFR 172.519-172.560:
background, symbol, hazard word and class number at the bottom corner.
The pictures of number-showing placards ("IDB_P_B..") carry the white
rectangular number area of 172.332(b) instead of the word; the program
draws the identification number into it.  Message icons are 32 x 32,
marking pictures 105 x 25 or 100 x 100.

Run from the repository root:  python3 tools/pictures/make_pictures.py
The output is committed under program/resources/{placards,markings,segicons}.
"""
import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
RES = os.path.join(ROOT, "program", "resources")
FONT = "font-family=\"Liberation Sans, Arial, sans-serif\" font-weight=\"bold\""

RED, GREEN, YELLOW, BLUE, ORANGE = "#e3001b", "#00873e", "#ffd600", "#005bbb", "#f08a00"
WHITE, BLACK = "#ffffff", "#000000"
DIAMOND = "50,0 100,50 50,100 0,50"
INNER = "50,5 95,50 50,95 5,50"


def svg(w, h, body):
    return ("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n%s</svg>\n"
            % (w, h, w, h, body))


# --- symbols, drawn around the upper corner of the diamond (y 12-42) ---
def flame(c):
    return ("<path d=\"M50 14 C44 22 41 28 44 34 C41 32 40 29 41 26 C36 31 36 39 42 42 L58 42 "
            "C64 39 64 31 59 26 C60 30 58 33 56 34 C59 27 55 20 50 14 Z\" fill=\"%s\"/>\n"
            "<rect x=\"40\" y=\"43\" width=\"20\" height=\"2\" fill=\"%s\"/>\n" % (c, c))


def flame_over_circle(c, bg):
    return ("<path d=\"M50 12 C45 19 43 24 45 28 C42 27 41 24 42 22 C38 26 38 32 42 34 L58 34 "
            "C62 32 62 26 58 22 C59 25 58 27 55 28 C57 23 54 17 50 12 Z\" fill=\"%s\"/>\n"
            "<circle cx=\"50\" cy=\"38\" r=\"6\" fill=\"none\" stroke=\"%s\" stroke-width=\"3\"/>\n"
            "<rect x=\"40\" y=\"45\" width=\"20\" height=\"2\" fill=\"%s\"/>\n" % (c, c, c))


def bomb(c):
    pts = []
    import math
    for i in range(16):
        r = 13 if i % 2 == 0 else 6
        a = math.pi * 2 * i / 16
        pts.append("%.1f,%.1f" % (50 + r * math.cos(a), 30 + r * math.sin(a)))
    return ("<polygon points=\"%s\" fill=\"%s\"/>\n<circle cx=\"57\" cy=\"36\" r=\"4\" fill=\"%s\"/>\n"
            % (" ".join(pts), c, c))


def cylinder(c):
    return ("<rect x=\"44\" y=\"18\" width=\"12\" height=\"24\" rx=\"5\" fill=\"%s\"/>\n"
            "<rect x=\"47\" y=\"13\" width=\"6\" height=\"6\" fill=\"%s\"/>\n" % (c, c))


def skull(c, bg):
    return ("<circle cx=\"50\" cy=\"25\" r=\"8\" fill=\"%s\"/>\n"
            "<circle cx=\"47\" cy=\"24\" r=\"2\" fill=\"%s\"/><circle cx=\"53\" cy=\"24\" r=\"2\" fill=\"%s\"/>\n"
            "<rect x=\"46\" y=\"31\" width=\"8\" height=\"4\" fill=\"%s\"/>\n"
            "<line x1=\"40\" y1=\"36\" x2=\"60\" y2=\"44\" stroke=\"%s\" stroke-width=\"3\"/>\n"
            "<line x1=\"60\" y1=\"36\" x2=\"40\" y2=\"44\" stroke=\"%s\" stroke-width=\"3\"/>\n"
            % (c, bg, bg, c, c, c))


def trefoil(c):
    return ("<circle cx=\"50\" cy=\"30\" r=\"3\" fill=\"%s\"/>\n"
            "<path d=\"M50 30 L44 18 A13 13 0 0 1 56 18 Z\" fill=\"%s\"/>\n"
            "<path d=\"M50 30 L62 32 A13 13 0 0 1 56 42 Z\" fill=\"%s\"/>\n"
            "<path d=\"M50 30 L44 42 A13 13 0 0 1 38 32 Z\" fill=\"%s\"/>\n" % (c, c, c, c))


def test_tubes(c):
    return ("<rect x=\"38\" y=\"16\" width=\"6\" height=\"14\" fill=\"%s\" transform=\"rotate(-30 41 23)\"/>\n"
            "<rect x=\"56\" y=\"16\" width=\"6\" height=\"14\" fill=\"%s\" transform=\"rotate(30 59 23)\"/>\n"
            "<circle cx=\"45\" cy=\"36\" r=\"2.5\" fill=\"%s\"/><circle cx=\"55\" cy=\"36\" r=\"2.5\" fill=\"%s\"/>\n"
            "<rect x=\"36\" y=\"41\" width=\"28\" height=\"4\" fill=\"%s\"/>\n" % (c, c, c, c, c))


def cross(c):
    return ("<circle cx=\"50\" cy=\"28\" r=\"4\" fill=\"none\" stroke=\"%s\" stroke-width=\"2\"/>\n"
            "<circle cx=\"44\" cy=\"34\" r=\"4\" fill=\"none\" stroke=\"%s\" stroke-width=\"2\"/>\n"
            "<circle cx=\"56\" cy=\"34\" r=\"4\" fill=\"none\" stroke=\"%s\" stroke-width=\"2\"/>\n" % (c, c, c))


def stripe(a, b):
    """A vertical stripe from x = a to x = b cut to the diamond's edges."""
    top = [(a, abs(a - 50))] + ([(50, 0)] if a < 50 < b else []) + [(b, abs(b - 50))]
    bottom = [(b, 100 - abs(b - 50))] + ([(50, 100)] if a < 50 < b else []) + [(a, 100 - abs(a - 50))]
    return " ".join("%g,%g" % p for p in top + bottom)


# --- one placard: background, symbol, word or number area, class number ---
def placard(bg, fg, symbol, words, number, bulk, lower=None, stripes=False, dangerous=False):
    body = "<polygon points=\"%s\" fill=\"%s\"/>\n" % (DIAMOND, bg)
    if lower:   # a lower half in another colour (4.2, 5.2, 7, 8)
        body += "<polygon points=\"0,50 100,50 50,100\" fill=\"%s\"/>\n" % lower
    if stripes:   # 4.1: seven vertical red stripes on white
        for i in range(7):
            body += "<polygon points=\"%s\" fill=\"%s\"/>\n" % (stripe(8 + i * 13, 15 + i * 13), RED)
    if dangerous:   # DANGEROUS: red triangles top and bottom, 172.558
        body += "<polygon points=\"50,0 80,30 20,30\" fill=\"%s\"/><polygon points=\"50,100 80,70 20,70\" fill=\"%s\"/>\n" % (RED, RED)
    body += "<polygon points=\"%s\" fill=\"none\" stroke=\"%s\" stroke-width=\"1.5\"/>\n" % (INNER, fg if not lower else BLACK)
    body += "<polygon points=\"%s\" fill=\"none\" stroke=\"#000000\" stroke-width=\"1\"/>\n" % DIAMOND
    body += symbol
    if bulk:   # white number area, 172.332(b)
        body += "<rect x=\"22\" y=\"39\" width=\"56\" height=\"24\" fill=\"#ffffff\" stroke=\"#000000\" stroke-width=\"1\"/>\n"
    else:
        lines = words.split("|")
        y0 = 56 - 4 * (len(lines) - 1)
        if stripes and lines:   # keep the words legible over the stripes
            body += "<rect x=\"18\" y=\"%d\" width=\"64\" height=\"%d\" fill=\"#ffffff\"/>\n" % (y0 - 8, 8 * len(lines) + 3)
        for i, line in enumerate(lines):
            size = 9 if len(line) <= 11 else (7 if len(line) <= 15 else 6)
            colour = fg
            if lower and y0 + i * 8 > 50:
                colour = WHITE if lower == BLACK else BLACK
            body += "<text x=\"50\" y=\"%d\" font-size=\"%d\" text-anchor=\"middle\" %s fill=\"%s\">%s</text>\n" % (
                y0 + i * 8, size, FONT, colour, line)
    ncol = fg
    if lower:
        ncol = WHITE if lower == BLACK else BLACK
    body += "<text x=\"50\" y=\"90\" font-size=\"11\" text-anchor=\"middle\" %s fill=\"%s\">%s</text>\n" % (FONT, ncol, number)
    return svg(100, 100, body)


# kind-independent art: suffix -> (bg, fg, symbol, words, number, extras)
def art(suffix):
    cls = suffix[0]
    if cls == "1":
        div = suffix[1] if len(suffix) > 1 and suffix[1] != "0" else ""
        num = "1" if not div else "1." + div
        words = "BLASTING|AGENTS" if div == "5" else "EXPLOSIVES"
        if div in ("4", "5", "6"):
            sym = "<text x=\"50\" y=\"38\" font-size=\"20\" text-anchor=\"middle\" %s fill=\"#000000\">%s</text>\n" % (FONT, num)
        else:
            sym = bomb(BLACK)
        return dict(bg=ORANGE, fg=BLACK, symbol=sym, words=words, number="1")
    table = {
        "21": dict(bg=RED, fg=WHITE, symbol=flame(WHITE), words="FLAMMABLE|GAS", number="2"),
        "22": dict(bg=GREEN, fg=WHITE, symbol=cylinder(WHITE), words="NON-FLAMMABLE|GAS", number="2"),
        "22O": dict(bg=YELLOW, fg=BLACK, symbol=flame_over_circle(BLACK, YELLOW), words="OXYGEN", number="2"),
        "23": dict(bg=WHITE, fg=BLACK, symbol=skull(BLACK, WHITE), words="POISON GAS", number="2"),
        "30": dict(bg=RED, fg=WHITE, symbol=flame(WHITE), words="FLAMMABLE", number="3"),
        "30C": dict(bg=RED, fg=WHITE, symbol=flame(WHITE), words="COMBUSTIBLE", number="3"),
        "30F": dict(bg=RED, fg=WHITE, symbol=flame(WHITE), words="FUEL OIL", number="3"),
        "30G": dict(bg=RED, fg=WHITE, symbol=flame(WHITE), words="GASOLINE", number="3"),
        "41": dict(bg=WHITE, fg=BLACK, symbol=flame(BLACK), words="FLAMMABLE|SOLID", number="4", stripes=True),
        "42": dict(bg=WHITE, fg=BLACK, symbol=flame(BLACK), words="SPONTANEOUSLY|COMBUSTIBLE", number="4", lower=RED),
        "43": dict(bg=BLUE, fg=WHITE, symbol=flame(WHITE), words="DANGEROUS|WHEN WET", number="4"),
        "51": dict(bg=YELLOW, fg=BLACK, symbol=flame_over_circle(BLACK, YELLOW), words="OXIDIZER", number="5.1"),
        "52": dict(bg=RED, fg=WHITE, symbol=flame(WHITE), words="ORGANIC|PEROXIDE", number="5.2", lower=YELLOW),
        "52O": dict(bg=YELLOW, fg=BLACK, symbol=flame_over_circle(BLACK, YELLOW), words="ORGANIC|PEROXIDE", number="5.2"),
        "61": dict(bg=WHITE, fg=BLACK, symbol=skull(BLACK, WHITE), words="POISON", number="6"),
        "61A": dict(bg=WHITE, fg=BLACK, symbol=skull(BLACK, WHITE), words="INHALATION|HAZARD", number="6"),
        "61T": dict(bg=WHITE, fg=BLACK, symbol="", words="PG III", number="6"),
        "61W": dict(bg=WHITE, fg=BLACK, symbol=cross(BLACK), words="KEEP AWAY|FROM FOOD", number="6"),
        "610": dict(bg=WHITE, fg=BLACK, symbol=skull(BLACK, WHITE), words="TOXIC", number="6"),
        "62": dict(bg=WHITE, fg=BLACK, symbol=cross(BLACK), words="INFECTIOUS|SUBSTANCE", number="6"),
        "70": dict(bg=YELLOW, fg=BLACK, symbol=trefoil(BLACK), words="RADIOACTIVE", number="7", lower=WHITE),
        "80": dict(bg=WHITE, fg=BLACK, symbol=test_tubes(BLACK), words="CORROSIVE", number="8", lower=BLACK),
        "90": dict(bg=WHITE, fg=BLACK, symbol="", words="", number="9", stripes9=True),
        "00D": dict(bg=WHITE, fg=BLACK, symbol="", words="DANGEROUS", number="", dangerous=True),
    }
    return table[suffix]


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="ascii") as f:
        f.write(text)


P_SUFFIXES = ["10", "11", "12", "13", "14", "15", "16", "21", "22", "22O", "23", "30", "30C", "30F", "30G",
              "41", "42", "43", "51", "52", "52O", "61", "61A", "61T", "61W", "610", "62", "70", "80", "90"]
S_SUFFIXES = ["00D", "10", "14", "15", "16", "21", "22", "22O", "23", "30", "30C", "30F", "30G", "41", "42", "43",
              "51", "52", "52O", "61", "61A", "61T", "61W", "62", "70", "80", "90"]
B_SUFFIXES = ["21", "22", "22O", "23", "30", "30C", "41", "42", "43", "51", "52", "52O", "61", "61A", "61W", "80",
              "90"]


def make_placard(suffix, bulk):
    a = art(suffix)
    symbol = a["symbol"]
    if a.get("stripes9"):   # class 9: seven black stripes on the upper half, 172.560
        symbol = ""
        for i in range(7):
            x = 31 + i * 6
            top = abs(x + 1.5 - 50) + 8   # stay inside the diamond's upper edges
            symbol += "<rect x=\"%d\" y=\"%g\" width=\"3\" height=\"%g\" fill=\"#000000\"/>\n" % (x, top, 46 - top)
    return placard(a["bg"], a["fg"], symbol, a["words"], a["number"], bulk,
                   lower=a.get("lower"), stripes=a.get("stripes", False), dangerous=a.get("dangerous", False))


def text_box(w, h, lines, size, fg=BLACK, bg=WHITE):
    body = "<rect x=\"0.5\" y=\"0.5\" width=\"%g\" height=\"%g\" fill=\"%s\" stroke=\"#000000\" stroke-width=\"1\"/>\n" % (
        w - 1, h - 1, bg)
    y0 = h / 2 + size / 3 - (len(lines) - 1) * (size + 2) / 2
    for i, line in enumerate(lines):
        body += "<text x=\"%g\" y=\"%g\" font-size=\"%d\" text-anchor=\"middle\" %s fill=\"%s\">%s</text>\n" % (
            w / 2, y0 + i * (size + 2), size, FONT, fg, line)
    return svg(w, h, body)


def make_markings():
    out = os.path.join(RES, "markings")
    write(os.path.join(out, "IDB_FUEL_OIL_MARKING.svg"), text_box(105, 25, ["FUEL OIL"], 13))
    write(os.path.join(out, "IDB_GASOLINE_MARKING.svg"), text_box(105, 25, ["GASOLINE"], 13))
    write(os.path.join(out, "IDB_INHAL_HAZ_MARKING.svg"), text_box(105, 25, ["INHALATION HAZARD"], 9))
    write(os.path.join(out, "IDB_NON_ODORIZED_MARKING.svg"), text_box(105, 25, ["NON-ODORIZED"], 11))
    write(os.path.join(out, "IDB_MOLTEN_SULFUR.svg"), text_box(100, 100, ["MOLTEN", "SULFUR"], 15))
    write(os.path.join(out, "IDB_MOLTEN_ALUMINUM.svg"), text_box(100, 100, ["MOLTEN", "ALUMINUM"], 14))
    write(os.path.join(out, "IDB_SOUR_CRUDE_MARKING.svg"),
          text_box(100, 100, ["DANGER", "SOUR CRUDE", "OIL MAY", "CONTAIN H2S"], 10))
    # HOT: black letters on white, 172.325(a).
    write(os.path.join(out, "IDB_HOT_MARKING.svg"), text_box(100, 100, ["HOT"], 36))
    # Marine pollutant: fish and tree in a black-bordered square-on-point, 172.322(e).
    body = "<polygon points=\"%s\" fill=\"#ffffff\" stroke=\"#000000\" stroke-width=\"4\"/>\n" % "50,2 98,50 50,98 2,50"
    body += ("<path d=\"M30 66 C40 54 54 54 64 64 L72 58 L72 72 L64 66 C54 76 40 76 30 66 Z\" fill=\"#000000\"/>\n"
             "<circle cx=\"38\" cy=\"64\" r=\"2\" fill=\"#ffffff\"/>\n"
             "<line x1=\"48\" y1=\"54\" x2=\"48\" y2=\"32\" stroke=\"#000000\" stroke-width=\"3\"/>\n"
             "<polygon points=\"48,22 58,40 38,40\" fill=\"#000000\"/>\n"
             "<line x1=\"28\" y1=\"78\" x2=\"72\" y2=\"78\" stroke=\"#000000\" stroke-width=\"2\"/>\n")
    write(os.path.join(out, "IDB_MARPOL_MARKING.svg"), svg(100, 100, body))


def icon(body, bg="none"):
    return svg(32, 32, ("<rect x=\"0\" y=\"0\" width=\"32\" height=\"32\" fill=\"%s\"/>\n" % bg if bg != "none" else "") + body)


def glyph(ch, fill, fg="#ffffff", shape="circle", size=18):
    if shape == "circle":
        s = "<circle cx=\"16\" cy=\"16\" r=\"14\" fill=\"%s\" stroke=\"#000000\" stroke-width=\"1\"/>\n" % fill
    elif shape == "triangle":
        s = "<polygon points=\"16,2 30,29 2,29\" fill=\"%s\" stroke=\"#000000\" stroke-width=\"1\"/>\n" % fill
    else:
        s = "<rect x=\"4\" y=\"2\" width=\"24\" height=\"28\" fill=\"%s\" stroke=\"#000000\" stroke-width=\"1\"/>\n" % fill
    y = 22 if shape != "triangle" else 26
    s += "<text x=\"16\" y=\"%d\" font-size=\"%d\" text-anchor=\"middle\" %s fill=\"%s\">%s</text>\n" % (
        y, size, FONT, fg, ch)
    return icon(s)


def make_icons():
    out = os.path.join(RES, "segicons")
    rad = ("<circle cx=\"16\" cy=\"16\" r=\"14\" fill=\"#ffd600\" stroke=\"#000000\" stroke-width=\"1\"/>\n"
           "<circle cx=\"16\" cy=\"16\" r=\"2.5\" fill=\"#000000\"/>\n"
           "<path d=\"M16 16 L11 7 A10 10 0 0 1 21 7 Z\" fill=\"#000000\"/>\n"
           "<path d=\"M16 16 L26 17 A10 10 0 0 1 21 25 Z\" fill=\"#000000\"/>\n"
           "<path d=\"M16 16 L11 25 A10 10 0 0 1 6 17 Z\" fill=\"#000000\"/>\n")
    icons = {
        "IDI_SEG_RADIATION": icon(rad),
        "IDI_SEG_DONOTLOAD": icon("<circle cx=\"16\" cy=\"16\" r=\"13\" fill=\"#ffffff\" stroke=\"#d00000\" stroke-width=\"4\"/>\n"
                                  "<line x1=\"7\" y1=\"7\" x2=\"25\" y2=\"25\" stroke=\"#d00000\" stroke-width=\"4\"/>\n"),
        "IDI_SEG_SEGREGATION": icon("<rect x=\"2\" y=\"10\" width=\"10\" height=\"12\" fill=\"#f08a00\" stroke=\"#000000\"/>\n"
                                    "<rect x=\"20\" y=\"10\" width=\"10\" height=\"12\" fill=\"#005bbb\" stroke=\"#000000\"/>\n"
                                    "<line x1=\"14\" y1=\"16\" x2=\"18\" y2=\"16\" stroke=\"#000000\" stroke-width=\"2\"/>\n"
                                    "<line x1=\"16\" y1=\"4\" x2=\"16\" y2=\"28\" stroke=\"#d00000\" stroke-width=\"2\"/>\n"),
        "IDI_SEG_NOTSURE": glyph("?", "#ffd600", BLACK, "triangle"),
        "IDI_SEG_DETONATORS": glyph("1.1", "#f08a00", BLACK, "triangle", 10),
        "IDI_SEG_GROUP_G": glyph("G", "#f08a00", BLACK, "triangle"),
        "IDI_SEG_SAMECLASS_DIFSUBS": glyph("=?", "#ffd600", BLACK, "triangle", 12),
        "IDI_SEG_CYANIDES_MAYBE": glyph("CN", "#ffffff", BLACK, "triangle", 10),
        "IDI_SEG_UNKNOWN_EXPLOSIVE": glyph("1?", "#f08a00", BLACK, "triangle", 12),
        "IDI_SEG_MESSAGE": glyph("i", "#005bbb"),
        "IDI_SEG_PERMIT": glyph("P", "#00873e", "#ffffff", "page"),
        "IDI_SEG_POSSPERMIT": glyph("P?", "#ffffff", "#00873e", "page", 14),
        "IDI_CPD_PLACARD": icon("<polygon points=\"16,1 31,16 16,31 1,16\" fill=\"#e3001b\" stroke=\"#000000\"/>\n"
                                "<text x=\"16\" y=\"26\" font-size=\"7\" text-anchor=\"middle\" %s fill=\"#ffffff\">3</text>\n" % FONT),
        "IDI_CPD_MESSAGE": glyph("!", "#ffd600", BLACK, "triangle"),
        "IDI_CPD_MARKING": icon("<rect x=\"1\" y=\"9\" width=\"30\" height=\"14\" fill=\"#ff7f00\" stroke=\"#000000\"/>\n"
                                "<text x=\"16\" y=\"20\" font-size=\"9\" text-anchor=\"middle\" %s fill=\"#000000\">1203</text>\n" % FONT),
    }
    for name, text in icons.items():
        write(os.path.join(out, name + ".svg"), text)


def main():
    out = os.path.join(RES, "placards")
    for s in P_SUFFIXES:
        write(os.path.join(out, "IDB_P_P%s.svg" % s), make_placard(s, False))
    for s in S_SUFFIXES:
        write(os.path.join(out, "IDB_P_S%s.svg" % s), make_placard(s, False))
    for s in B_SUFFIXES:
        write(os.path.join(out, "IDB_P_B%s.svg" % s), make_placard(s, True))
    make_markings()
    make_icons()


if __name__ == "__main__":
    main()
