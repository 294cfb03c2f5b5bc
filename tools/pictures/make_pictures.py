#!/usr/bin/python3
"""Writes the program's placard, marking and message-icon pictures as SVG.

Placards (placards.py) are drawn to the measurements and colours of 49 CFR
172.519-172.560, with their symbols (symbols.py) and their text set as
outlines (glyphs.py).  The pictures of number-showing placards ("IDB_P_B..")
carry the white number area of 172.332(c) instead of the words; the program
draws the identification number into it.  The identification number forms
(orange panel, white square-on-point) are written beside the markings.
Message icons are 32 x 32, marking pictures 105 x 25 or 100 x 100.

Needs the Debian packages python3-fonttools and fonts-liberation2.
Run from the repository root:  /usr/bin/python3 tools/pictures/make_pictures.py
The output is committed under program/resources/{placards,markings,segicons}.
"""
import os

import placards

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
RES = os.path.join(ROOT, "program", "resources")
FONT = "font-family=\"Liberation Sans, Arial, sans-serif\" font-weight=\"bold\""

P_SUFFIXES = ["10", "11", "12", "13", "14", "15", "16", "21", "22", "22O", "23", "30", "30C", "30F", "30G",
              "41", "42", "43", "51", "52", "52O", "61", "61A", "61T", "61W", "610", "62", "70", "80", "90"]
S_SUFFIXES = ["00D", "10", "14", "15", "16", "21", "22", "22O", "23", "30", "30C", "30F", "30G", "41", "42", "43",
              "51", "52", "52O", "61", "61A", "61T", "61W", "62", "70", "80", "90"]
B_SUFFIXES = ["21", "22", "22O", "23", "30", "30C", "41", "42", "43", "51", "52", "52O", "61", "61A", "61W", "80",
              "90"]
BLACK = "#000000"
WHITE = "#ffffff"


def svg(w, h, body):
    return ("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n%s</svg>\n"
            % (w, h, w, h, body))


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="ascii") as f:
        f.write(text)


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
        # a plain placard outline: the panel shows the placard of any class
        "IDI_CPD_PLACARD": icon("<polygon points=\"16,1 31,16 16,31 1,16\" fill=\"#ffffff\" stroke=\"#000000\"/>\n"
                                "<polygon points=\"16,4.5 27.5,16 16,27.5 4.5,16\" fill=\"none\" stroke=\"#000000\"/>\n"),
        "IDI_CPD_MESSAGE": glyph("!", "#ffd600", BLACK, "triangle"),
        "IDI_CPD_MARKING": icon("<rect x=\"1\" y=\"9\" width=\"30\" height=\"14\" fill=\"#ff7f00\" stroke=\"#000000\"/>\n"
                                "<text x=\"16\" y=\"20\" font-size=\"9\" text-anchor=\"middle\" %s fill=\"#000000\">1203</text>\n" % FONT),
    }
    for name, text in icons.items():
        write(os.path.join(out, name + ".svg"), text)


def main():
    out = os.path.join(RES, "placards")
    for s in P_SUFFIXES:
        write(os.path.join(out, "IDB_P_P%s.svg" % s), placards.placard(s, False))
    for s in S_SUFFIXES:
        write(os.path.join(out, "IDB_P_S%s.svg" % s), placards.placard(s, False))
    for s in B_SUFFIXES:
        write(os.path.join(out, "IDB_P_B%s.svg" % s), placards.placard(s, True))
    write(os.path.join(RES, "markings", "IDB_ORANGE_PANEL.svg"), placards.orange_panel())
    write(os.path.join(RES, "markings", "IDB_ID_SQUARE_ON_POINT.svg"), placards.id_square_on_point())
    make_markings()
    make_icons()


if __name__ == "__main__":
    main()
