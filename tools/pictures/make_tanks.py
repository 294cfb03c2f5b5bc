#!/usr/bin/env python3
"""Writes the cargo tank pictures of the inspection window as SVG.

One schematic per specification family, drawn from the construction rules
of 49 CFR 178.337-178.348 and the retired MC 300-312 series (180.405):

  306  MC 306 / DOT 406 (178.346): oval cross-section, aluminium shell,
       several compartments each with a manhole and vent on top (178.345-5),
       overturn rails along the top (178.345-8(c)), an internal self-closing
       valve under each compartment (178.345-11), no exterior rings.
  307  MC 307 / DOT 407 (178.347): circular cross-section, exterior
       circumferential rings (178.345-7), one manhole in a top spill box,
       one bottom outlet.
  407  DOT 407 / 412 vacuum loaded (178.347-1(d), 178.348-1(e)): circular
       shell with heavy rings, vacuum pump at the front, full-opening rear
       head on hinges, hose tubes, sight glasses.
  312  MC 312 / DOT 412 (178.348): small-diameter circular shell, closely
       spaced heavy rings, one manhole and top fittings inside an overturn
       guard, a single bottom or rear outlet.
  331  MC 331 (178.337): pressure vessel with hemispherical heads, no rings,
       relief valves on top (178.337-9), internal valves at the bottom with
       remote shut-off (178.337-11), manhole in the rear head.
  338  MC 338 (178.338): insulated cryogenic tank: inner vessel in a smooth
       vacuum jacket, piping and controls in a rear cabinet, vent stack.

Each picture shows the trailer from the side and the tank's cross-section.
"<base>.svg" is the large picture (Details tab), "<base>s.svg" the small
one (Selected Tank panel).

Run from the repository root:  python3 tools/pictures/make_tanks.py
The output is committed under program/resources/cti/Tanks.
"""
import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
OUT = os.path.join(ROOT, "program", "resources", "cti", "Tanks")
FONT = "font-family=\"Liberation Sans, Arial, sans-serif\""

SHELL = "#dfe4ea"       # bare aluminium / stainless
WHITE_SHELL = "#f7f7f4"  # pressure vessels are painted white (173.315(i) reflectivity)
LINE = "#1d2733"
DARK = "#4a5563"
VALVE = "#c0392b"
W, H = 480, 210


def svg(width, height, body):
    return ("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n"
            "<rect width=\"%d\" height=\"%d\" fill=\"#ffffff\"/>\n%s</svg>\n"
            % (width, height, W, H, W, H, body))


def chassis(x0=40, x1=400, y=150):
    """Frame rail, tandem axle at the rear, landing gear and kingpin at the front."""
    parts = ["<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"6\" fill=\"%s\"/>" % (x0, y, x1 - x0, DARK)]
    for cx in (x1 - 70, x1 - 30):
        parts.append("<circle cx=\"%d\" cy=\"%d\" r=\"17\" fill=\"#222\"/>"
                     "<circle cx=\"%d\" cy=\"%d\" r=\"7\" fill=\"#999\"/>" % (cx, y + 20, cx, y + 20))
    parts.append("<rect x=\"%d\" y=\"%d\" width=\"5\" height=\"26\" fill=\"%s\"/>"
                 "<rect x=\"%d\" y=\"%d\" width=\"14\" height=\"4\" fill=\"%s\"/>"
                 % (x0 + 60, y + 6, DARK, x0 + 56, y + 32, DARK))
    # rear bumper (178.345-8(d))
    parts.append("<rect x=\"%d\" y=\"%d\" width=\"8\" height=\"22\" fill=\"%s\"/>" % (x1 + 2, y + 4, DARK))
    return "\n".join(parts) + "\n"


def label(text, sub):
    return ("<text x=\"12\" y=\"22\" font-size=\"16\" font-weight=\"bold\" %s fill=\"%s\">%s</text>\n"
            "<text x=\"12\" y=\"204\" font-size=\"11\" %s fill=\"%s\">%s</text>\n"
            % (FONT, LINE, text, FONT, DARK, sub))


def section_box(inner):
    """The cross-section inset at the top right."""
    return ("<g transform=\"translate(405,8)\">"
            "<rect width=\"70\" height=\"78\" fill=\"#f4f6f8\" stroke=\"#b0b8c0\"/>"
            "<text x=\"35\" y=\"74\" font-size=\"8\" text-anchor=\"middle\" %s fill=\"%s\">cross-section</text>"
            "%s</g>\n" % (FONT, DARK, inner))


def valve(x, y):
    return ("<rect x=\"%d\" y=\"%d\" width=\"8\" height=\"10\" fill=\"%s\" stroke=\"%s\" stroke-width=\"0.8\"/>"
            % (x - 4, y, VALVE, LINE))


def manhole(x, y, w=16):
    return ("<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"6\" rx=\"2\" fill=\"%s\" stroke=\"%s\" stroke-width=\"0.8\"/>"
            % (x - w // 2, y - 6, w, DARK, LINE))


def tank_306():
    body = label("MC 306 / DOT 406", "Atmospheric, oval, compartmented (49 CFR 178.346)")
    # oval ("elliptical") shell, flat ends
    body += ("<path d=\"M70 66 Q70 56 84 56 L386 56 Q400 56 400 66 L400 136 Q400 146 386 146 L84 146 "
             "Q70 146 70 136 Z\" fill=\"%s\" stroke=\"%s\" stroke-width=\"2\"/>\n" % (SHELL, LINE))
    # overturn rails along the top, manholes and vents per compartment
    body += "<rect x=\"84\" y=\"46\" width=\"302\" height=\"5\" fill=\"none\" stroke=\"%s\" stroke-width=\"1.5\"/>\n" % LINE
    for i, x in enumerate((120, 190, 260, 330)):
        body += manhole(x, 56) + "\n"
        body += "<rect x=\"%d\" y=\"44\" width=\"4\" height=\"6\" fill=\"%s\"/>\n" % (x + 12, DARK)
        if i:
            # compartment bulkhead
            body += "<line x1=\"%d\" y1=\"58\" x2=\"%d\" y2=\"144\" stroke=\"#9aa4ae\" stroke-dasharray=\"3,3\"/>\n" % (x - 35, x - 35)
        body += valve(x, 146) + "\n"
    # bottom-loading / unloading manifold in front of the rear axle
    body += "<rect x=\"300\" y=\"156\" width=\"60\" height=\"5\" fill=\"%s\"/>\n" % VALVE
    body += chassis()
    body += section_box("<ellipse cx=\"35\" cy=\"34\" rx=\"30\" ry=\"22\" fill=\"%s\" stroke=\"%s\" stroke-width=\"2\"/>"
                        "<rect x=\"22\" y=\"6\" width=\"26\" height=\"6\" fill=\"none\" stroke=\"%s\"/>" % (SHELL, LINE, LINE))
    return body


def rings(x0, x1, y0, y1, count, width=3):
    step = (x1 - x0) / (count + 1)
    return "".join("<rect x=\"%.0f\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"%s\"/>\n"
                   % (x0 + step * (i + 1) - width / 2, y0, width, y1 - y0, DARK) for i in range(count))


def round_shell(x0, x1, y0, y1, fill=SHELL, heads=8):
    """A shell with dished heads: straight sides, each head a shallow curve."""
    mid = (y0 + y1) // 2
    return ("<path d=\"M%d %d L%d %d Q%d %d %d %d L%d %d Q%d %d %d %d Z\" "
            "fill=\"%s\" stroke=\"%s\" stroke-width=\"2\"/>\n"
            % (x0 + heads, y0, x1 - heads, y0, x1 + heads, mid, x1 - heads, y1,
               x0 + heads, y1, x0 - heads, mid, x0 + heads, y0, fill, LINE))


def tank_307():
    body = label("MC 307 / DOT 407", "Low pressure, circular, exterior rings (49 CFR 178.347)")
    body += round_shell(72, 398, 50, 146)
    body += rings(80, 390, 50, 146, 6)
    # single manhole in a spill box with the pressure relief vent
    body += "<rect x=\"210\" y=\"38\" width=\"50\" height=\"12\" fill=\"none\" stroke=\"%s\" stroke-width=\"1.5\"/>\n" % LINE
    body += manhole(226, 50) + "\n<rect x=\"244\" y=\"40\" width=\"5\" height=\"10\" fill=\"%s\"/>\n" % VALVE
    body += valve(235, 146) + "\n"
    body += chassis()
    body += section_box("<circle cx=\"35\" cy=\"34\" r=\"27\" fill=\"%s\" stroke=\"%s\" stroke-width=\"2\"/>"
                        "<circle cx=\"35\" cy=\"34\" r=\"30\" fill=\"none\" stroke=\"%s\" stroke-width=\"3\"/>"
                        % (SHELL, LINE, DARK))
    return body


def tank_407_vacuum():
    body = label("DOT 407 / 412 vacuum loaded", "Vacuum pump, full-opening rear head (49 CFR 178.347, 178.348)")
    body += round_shell(92, 390, 50, 146)
    body += rings(100, 382, 50, 146, 5, width=5)
    # vacuum pump and its piping at the front
    body += "<rect x=\"44\" y=\"86\" width=\"34\" height=\"30\" rx=\"4\" fill=\"%s\" stroke=\"%s\"/>\n" % (VALVE, LINE)
    body += "<path d=\"M61 86 L61 40 L130 40 L130 50\" fill=\"none\" stroke=\"%s\" stroke-width=\"3\"/>\n" % LINE
    # full opening rear head: hinge at the top, clamps around
    body += "<rect x=\"392\" y=\"50\" width=\"10\" height=\"96\" fill=\"%s\" stroke=\"%s\"/>\n" % (SHELL, LINE)
    body += "<circle cx=\"396\" cy=\"48\" r=\"5\" fill=\"%s\"/>\n" % DARK
    for y in (70, 98, 126):
        body += "<rect x=\"388\" y=\"%d\" width=\"14\" height=\"4\" fill=\"%s\"/>\n" % (y, DARK)
    # hose tube along the side, sight glasses, top manhole with relief valve
    body += "<rect x=\"130\" y=\"132\" width=\"220\" height=\"9\" rx=\"4\" fill=\"#c7ccd2\" stroke=\"%s\"/>\n" % LINE
    for x in (300, 330, 360):
        body += "<circle cx=\"%d\" cy=\"%d\" r=\"4\" fill=\"#7fb3d5\" stroke=\"%s\"/>\n" % (x, 80, LINE)
    body += manhole(230, 50) + "\n<rect x=\"252\" y=\"40\" width=\"5\" height=\"10\" fill=\"%s\"/>\n" % VALVE
    body += valve(380, 146) + "\n"
    body += chassis()
    body += section_box("<circle cx=\"35\" cy=\"34\" r=\"27\" fill=\"%s\" stroke=\"%s\" stroke-width=\"2\"/>"
                        "<circle cx=\"35\" cy=\"34\" r=\"31\" fill=\"none\" stroke=\"%s\" stroke-width=\"4\"/>"
                        % (SHELL, LINE, DARK))
    return body


def tank_312():
    body = label("MC 312 / DOT 412", "Corrosives, small diameter, heavy rings (49 CFR 178.348)")
    body += round_shell(80, 396, 70, 146)
    body += rings(88, 388, 66, 146, 9, width=4)
    # top fittings and manhole inside an overturn guard
    body += "<rect x=\"200\" y=\"54\" width=\"70\" height=\"16\" fill=\"none\" stroke=\"%s\" stroke-width=\"2\"/>\n" % LINE
    body += manhole(220, 70) + "\n" + valve(250, 58) + "\n"
    # splash guard band and a single rear outlet
    body += "<rect x=\"396\" y=\"130\" width=\"10\" height=\"6\" fill=\"%s\"/>\n" % VALVE
    body += chassis()
    body += section_box("<circle cx=\"35\" cy=\"36\" r=\"22\" fill=\"%s\" stroke=\"%s\" stroke-width=\"2\"/>"
                        "<circle cx=\"35\" cy=\"36\" r=\"26\" fill=\"none\" stroke=\"%s\" stroke-width=\"4\"/>"
                        "<rect x=\"24\" y=\"4\" width=\"22\" height=\"7\" fill=\"none\" stroke=\"%s\"/>"
                        % (SHELL, LINE, DARK, LINE))
    return body


def tank_331():
    body = label("MC 331", "Pressure vessel for compressed gases (49 CFR 178.337)")
    body += ("<path d=\"M110 52 L360 52 A48 48 0 0 1 360 148 L110 148 A48 48 0 0 1 110 52 Z\" "
             "fill=\"%s\" stroke=\"%s\" stroke-width=\"2\"/>\n" % (WHITE_SHELL, LINE))
    # relief valves on top, internal valves with the remote shut-off below
    for x in (220, 250):
        body += "<rect x=\"%d\" y=\"42\" width=\"6\" height=\"10\" fill=\"%s\"/>\n" % (x, VALVE)
    body += valve(235, 148) + "\n" + valve(255, 148) + "\n"
    body += "<line x1=\"255\" y1=\"158\" x2=\"380\" y2=\"158\" stroke=\"%s\" stroke-dasharray=\"4,2\"/>\n" % VALVE
    # manhole in the rear head
    body += "<circle cx=\"398\" cy=\"100\" r=\"9\" fill=\"%s\" stroke=\"%s\"/>\n" % (DARK, LINE)
    body += chassis()
    body += section_box("<circle cx=\"35\" cy=\"34\" r=\"28\" fill=\"%s\" stroke=\"%s\" stroke-width=\"3\"/>"
                        % (WHITE_SHELL, LINE))
    return body


def tank_338():
    body = label("MC 338", "Insulated cryogenic tank (49 CFR 178.338)")
    body += round_shell(70, 370, 50, 146, fill=WHITE_SHELL, heads=12)
    # inner vessel, seen through the vacuum jacket
    body += round_shell(84, 356, 60, 136, fill="none", heads=10).replace("stroke-width=\"2\"", "stroke-width=\"1\" stroke-dasharray=\"4,3\"")
    # rear cabinet with piping and controls, vent stack
    body += "<rect x=\"372\" y=\"70\" width=\"30\" height=\"74\" fill=\"%s\" stroke=\"%s\"/>\n" % (SHELL, LINE)
    body += valve(387, 96) + "\n" + valve(387, 118) + "\n"
    body += "<rect x=\"384\" y=\"26\" width=\"5\" height=\"44\" fill=\"%s\"/>\n" % DARK
    body += chassis()
    body += section_box("<circle cx=\"35\" cy=\"34\" r=\"29\" fill=\"%s\" stroke=\"%s\" stroke-width=\"2\"/>"
                        "<circle cx=\"35\" cy=\"34\" r=\"20\" fill=\"none\" stroke=\"%s\" stroke-dasharray=\"3,2\"/>"
                        % (WHITE_SHELL, LINE, LINE))
    return body


PICTURES = {"306": tank_306, "307": tank_307, "407": tank_407_vacuum, "312": tank_312, "331": tank_331,
            "338": tank_338}


def main():
    os.makedirs(OUT, exist_ok=True)
    for base, draw in sorted(PICTURES.items()):
        body = draw()
        for name, scale in ((base + ".svg", 1.0), (base + "s.svg", 0.5)):
            with open(os.path.join(OUT, name), "w", encoding="utf-8", newline="\n") as f:
                f.write(svg(int(W * scale), int(H * scale), body))


if __name__ == "__main__":
    main()
