#!/usr/bin/env python3
"""Writes the pages of the cargo tank inspection window that are data:

- "Road Trailer Identification Chart.htm": every cargo tank specification
  family with its picture, the regulation section that defines it and what
  tells it apart at the roadside; each tank name is a link whose target is
  the tank's name, which chooses it in the inspection window;
- "407 Road Trailer Identification Chart.htm" and "412 ...": the choice
  between the plain and the vacuum-loaded tank (target "<name> Vacuum");
- Reference/<n>.htm: the reference table of MC/TC 306, 307, 312, 331 and
  DOT/TC 406, 412: materials, records, the inspections and retests of
  49 CFR 180.407(c) with their intervals, what to look at and common
  violations.

Every section number is a regulation link ("quarvel cite=49cfr<section>").
The facts come from 49 CFR 178.337-178.348, 180.405, 180.407, 180.413,
180.415 and 180.417 (see program/resources/cti/PROVENANCE.md).

Run from the repository root:  python3 tools/cti/make_tank_pages.py
"""
import html
import os
import re

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
OUT = os.path.join(ROOT, "program", "resources", "cti")
HEADER, GROUP, SHADE = "91aedf", "bbccdd", "eeeeee"


def cite(section, shown=None):
    return "<A HREF=\"quarvel cite=49cfr%s\">%s</A>" % (section, shown or section)


def cites(text):
    """Marks every section number written as {178.345-14} into a link."""
    return re.sub(r"\{([0-9][0-9.\-()a-z]*)\}", lambda m: cite(m.group(1)), text)


def write(name, text):
    path = os.path.join(OUT, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


# --- the chart -------------------------------------------------------------

FAMILIES = [
    ("306", ["DOT/TC 406", "MC/TC 306", "MC 305", "MC 303", "MC 302", "MC 301", "MC 300"], "178.346",
     "Atmospheric tank (MAWP 2.65 to 4 psig, {178.346-1}): oval or \"elliptical\" cross-section, usually aluminium, "
     "several compartments each with its own manhole and vent on top, overturn rails, no exterior rings. "
     "Gasoline, diesel fuel and other petroleum distillates. MC 300-305 and MC 306 are no longer built "
     "({180.405(c)})."),
    ("307", ["DOT/TC 407", "MC/TC 307", "MC 304"], "178.347",
     "Low-pressure chemical tank (MAWP at least 25 psig, circular cross-section, {178.347-1}): exterior "
     "circumferential rings unless insulated (an insulated tank has a smooth jacket, often horseshoe-shaped), "
     "one or two manholes in a top spill box, a single bottom outlet. Flammable, corrosive and poisonous "
     "liquids."),
    ("312", ["DOT/TC 412", "MC/TC 312", "MC 311", "MC 310"], "178.348",
     "Corrosive-liquid tank (MAWP at least 5 psig, circular above 15 psig, {178.348-1}): small diameter with "
     "heavy, closely spaced exterior rings, top fittings and manhole inside an overturn guard, often a rear or "
     "bottom outlet. Acids, caustics and other dense liquids."),
    ("331", ["MC/TC 331", "MC/TC 330"], "178.337",
     "Pressure vessel for compressed gases (design pressure 100 to 500 psig, {178.337-1}): rounded heads, no "
     "rings, painted white or aluminium, relief valves on top, internal valves and remote shut-off at the "
     "bottom ({178.337-11}). Propane, LPG, anhydrous ammonia."),
    ("338", ["MC/TC 338"], "178.338",
     "Insulated cryogenic tank ({178.338-1}): inner vessel in a smooth vacuum jacket, piping and controls in a "
     "rear cabinet, vent stack. Refrigerated liquefied gases (nitrogen, oxygen, argon, carbon dioxide)."),
    ("", ["Non-Spec Cargo Tank"], "",
     "A cargo tank not built to a DOT specification: allowed only where the hazardous materials table and "
     "part 173 permit a non-specification bulk packaging (for example {173.241}, {173.242})."),
]


def chart_page(title, rows):
    lines = ["<HTML><HEAD><TITLE>%s</TITLE></HEAD>" % html.escape(title), "<BODY>",
             "<TABLE WIDTH=\"100%\" CELLPADDING=4 CELLSPACING=0>",
             "<CAPTION ALIGN=\"CENTER\"><B><BIG><BIG>%s</BIG></BIG></B></CAPTION>" % html.escape(title),
             "<TR BGCOLOR=%s><TH ALIGN=\"LEFT\">Tank</TH><TH ALIGN=\"LEFT\">Specification</TH>"
             "<TH ALIGN=\"LEFT\">How to recognise it</TH></TR>" % HEADER]
    for i, (picture, names, section, text) in enumerate(rows):
        shade = "" if i % 2 == 0 else " BGCOLOR=%s" % SHADE
        links = "<BR>".join("<A HREF=\"%s\">%s</A>" % (target, shown) for target, shown in names)
        pic = "<IMG SRC=\"Tanks/%ss.svg\"><BR>" % picture if picture else ""
        lines.append("<TR%s><TD VALIGN=\"TOP\" NOWRAP>%s%s</TD><TD VALIGN=\"TOP\">%s</TD><TD VALIGN=\"TOP\">%s</TD></TR>"
                     % (shade, pic, links, cite(section) if section else "", cites(text)))
    lines += ["</TABLE>",
              "<P>Click a tank name to inspect that tank. The specification plate ({178.345-14}, {178.337-17}, "
              "{178.338-18}) names the specification; the chart helps when the plate is missing or "
              "unreadable.</P>".replace("{178.345-14}", cite("178.345-14")).replace("{178.337-17}", cite("178.337-17"))
              .replace("{178.338-18}", cite("178.338-18")),
              "</BODY></HTML>", ""]
    return "\n".join(lines)


def charts():
    rows = [(p, [(n, n) for n in names], s, t) for p, names, s, t in FAMILIES]
    write("Road Trailer Identification Chart.htm", chart_page("Motor Cargo Tank Identification Chart", rows))
    for spec, section in (("407", "178.347"), ("412", "178.348")):
        name = "DOT/TC " + spec
        rows = [
            ("307" if spec == "407" else "312", [(name, name)], section,
             "Loaded by pump or gravity: no vacuum pump, rear head welded shut. Answer the first question No."),
            ("407", [(name + " Vacuum", name + " (vacuum loaded)")], section + "-1",
             "Designed to be loaded by vacuum: vacuum pump, full-opening rear head on hinges with clamps, "
             "sight glasses, hose tubes; MAWP at least 25 psig internal and 15 psig external "
             "({%s}). The external visual inspection is due every 6 months and the pressure test every 2 years "
             "when the rear head opens fully ({180.407(c)})." % (section + "-1")),
        ]
        write("%s Road Trailer Identification Chart.htm" % spec,
              chart_page("%s: vacuum loaded or not?" % name, rows))


# --- the reference tables ----------------------------------------------------

OTHER_RECORDS = {
    "default": ["Repair records (welding on the cargo tank wall) from a repair facility holding a National Board "
                "\"R\" stamp or a registered cargo tank manufacturer, for repairs after 1990 ({180.413(b)}).",
                "Modification, stretching or rebarrelling records ({180.413(d)})."],
    "331": ["Repair records (welding on the cargo tank wall) from a repair facility holding a National Board "
            "\"R\" stamp ({180.413(b)}).",
            "Modification, stretching or rebarrelling records ({180.413(d)})."],
}
NBIC = "Repairs of ASME code vessels are made in accordance with the National Board Inspection Code (NBIC) ({180.413(a)})."


def intervals(vacuum_note, k_every_year=True, insulated=True, lined=True, thickness=True, mc331=False):
    rows = [("External visual inspection (V)", "1 year" + vacuum_note, "180.407(d)")]
    if mc331:
        rows += [("Leakage test (K)", "1 year (2 years in chlorine service)", "180.407(h)"),
                 ("Internal visual inspection (I), tanks with a manhole or inspection opening",
                  "5 years (10 years for small NQT SA-612 propane tanks)", "180.407(e)"),
                 ("Pressure test (P); QT tanks and tanks in ammonia service also need the wet fluorescent "
                  "magnetic particle test ({180.407(g)(3)})", "5 years (2 years in chlorine service)", "180.407(g)")]
        return rows
    rows.append(("Internal visual inspection (I)" + (" - insulated, or carrying lading corrosive to the tank"
                                                     if insulated else ""), "1 year; otherwise 5 years", "180.407(e)"))
    if lined:
        rows.append(("Lining inspection (L), lined tanks carrying lading corrosive to the tank", "1 year", "180.407(f)"))
    rows.append(("Leakage test (K)", "1 year", "180.407(h)"))
    rows.append(("Pressure test (P)", "5 years (1 year when insulated with no manhole; 2 years for vacuum-loaded "
                 "tanks with a full-opening rear head)", "180.407(g)"))
    if thickness:
        rows.append(("Thickness test (T), unlined tanks carrying material corrosive to the tank", "2 years",
                     "180.407(i)"))
    return rows


TABLES = {
    "306": dict(
        tank="MC/TC 306",
        intro="Specification MC 306 cargo tanks may no longer be built, but stay in service under {180.405(c)} "
              "when inspected and tested as {180.407} requires. New tanks of this service are DOT 406 "
              "({178.346}).",
        records="The carrier should keep the certificate of compliance and the current inspection and test "
                "reports for each cargo tank. A tank marked or certified before December 31, 1990 must carry "
                "manhole assemblies that meet {180.405(g)}.",
        materials="Gasoline, diesel fuel, fuel oil and other petroleum distillates.",
        required=[("Certificate of compliance (manufacturer's certificate)", "180.417(a)"),
                  ("Current retest or inspection reports", "180.417(b)")],
        tests=intervals(""),
        characteristics="Oval cross-section, aluminium or steel, design pressure up to 3 psig; a manhole and "
                        "vent for each compartment; internal self-closing stop valves with a remote means of "
                        "closure and a fusible element; overturn protection around top fittings; the "
                        "specification plate on the left side near the front; test markings ({180.415(b)}) "
                        "near the specification plate.",
        violations=["Inspection or test overdue, or the test date marking missing ({180.415(b)}, {180.407(c)}).",
                    "Specification plate missing or unreadable ({180.405(b)}).",
                    "Manhole assembly not meeting the requirements ({180.405(g)}).",
                    "Leaking valves, manhole covers or fittings ({173.24(b)}).",
                    "Pressure relief vent missing or not working ({180.405(h)}).",
                    "Identification number or placards missing ({172.328}, {172.504})."]),
    "406": dict(
        tank="DOT/TC 406",
        intro="DOT 406 cargo tanks are built to the general rules of {178.345} and the specification of "
              "{178.346}; their certification follows {178.345-15} and their pressure relief {178.346-3}.",
        records="The carrier should keep the manufacturer's certificate and the current inspection and test "
                "reports for each cargo tank.",
        materials="Gasoline, diesel fuel, fuel oil and other petroleum distillates.",
        required=[("Certificate of compliance", "178.345-15"),
                  ("Current retest or inspection reports", "180.417(b)")],
        tests=intervals(""),
        characteristics="MAWP 2.65 to 4 psig ({178.346-1}); oval or circular cross-section; manhole assemblies "
                        "to {178.345-5}; internal self-closing stop valves ({178.345-11}); accident damage "
                        "protection for top fittings and the rear ({178.345-8}); specification and name plates "
                        "({178.345-14}).",
        violations=["Inspection or test overdue, or the test date marking missing ({180.415(b)}, {180.407(c)}).",
                    "Specification or name plate missing or unreadable ({178.345-14}).",
                    "Leaking valves, manhole covers or fittings ({173.24(b)}).",
                    "Internal self-closing stop valve or its remote closure not working ({178.345-11}).",
                    "Overturn or rear-end protection damaged ({178.345-8}).",
                    "Identification number or placards missing ({172.328}, {172.504})."]),
    "307": dict(
        tank="MC/TC 307",
        intro="Specification MC 307 cargo tanks may no longer be built, but stay in service under {180.405(c)} "
              "when inspected and tested as {180.407} requires. New tanks of this service are DOT 407 "
              "({178.347}).",
        records="The carrier should keep the certificate of compliance and the current inspection and test "
                "reports for each cargo tank; tanks built as ASME vessels also carry the manufacturer's data report.",
        materials="General chemicals: flammable, combustible, corrosive and poisonous liquids.",
        required=[("Certificate of compliance", "180.417(a)"), ("Current retest or inspection reports", "180.417(b)")],
        tests=intervals(""),
        characteristics="Circular cross-section, design pressure at least 25 psig; exterior rings or an "
                        "insulation jacket; one or two manholes in a spill box; pressure relief valves to "
                        "{180.405(h)}; test markings ({180.415(b)}).",
        violations=["Inspection or test overdue, or the test date marking missing ({180.415(b)}, {180.407(c)}).",
                    "Specification plate missing or unreadable ({180.405(b)}).",
                    "Manhole assembly not meeting the requirements ({180.405(g)}).",
                    "Leaking valves, manhole covers or fittings ({173.24(b)}).",
                    "Pressure relief device missing or not working ({180.405(h)}).",
                    "Identification number or placards missing ({172.328}, {172.504})."]),
    "312": dict(
        tank="MC/TC 312",
        intro="Specification MC 312 cargo tanks may no longer be built, but stay in service under {180.405(c)} "
              "when inspected and tested as {180.407} requires. Corrosive materials in these tanks follow "
              "{173.242(b)} and {173.243(b)}. New tanks of this service are DOT 412 ({178.348}).",
        records="The carrier should keep the certificate of compliance, the ASME manufacturer's data report and "
                "the current inspection and test reports for each cargo tank.",
        materials="Wastes, acids and alkalis, general chemicals.",
        required=[("Certificate of compliance and ASME data report", "180.417(a)"),
                  ("Current retest or inspection reports", "180.417(b)")],
        tests=intervals(""),
        characteristics="Small diameter, heavy exterior rings; top fittings and manhole inside an overturn "
                        "guard; lining or thickness tests for lading corrosive to the tank ({180.407(f)}, "
                        "{180.407(i)}); test markings ({180.415(b)}).",
        violations=["Inspection or test overdue, or the test date marking missing ({180.415(b)}, {180.407(c)}).",
                    "Thickness test overdue on an unlined tank in corrosive service ({180.407(i)}).",
                    "Specification plate missing or unreadable ({180.405(b)}).",
                    "Leaking valves, manhole covers or fittings ({173.24(b)}).",
                    "Overturn protection of the top fittings damaged ({180.405(g)}).",
                    "Identification number or placards missing ({172.328}, {172.504})."]),
    "412": dict(
        tank="DOT/TC 412",
        intro="DOT 412 cargo tanks are built to the general rules of {178.345} and the specification of "
              "{178.348}; {178.348-1} sets the pressure, {178.345-14} the plates, {178.345-15} the "
              "certification, {178.348-5} the pressure relief and {178.345-13} the pressure and leakage tests.",
        records="The carrier should keep the certificate, the ASME manufacturer's data report and the current "
                "inspection and test reports for each cargo tank.",
        materials="Wastes, acids and alkalis, general chemicals.",
        required=[("Certificate of compliance and ASME data report", "178.345-15"),
                  ("Current retest or inspection reports", "180.417(b)")],
        tests=intervals("; 6 months for a vacuum-loaded tank with a full-opening rear head"),
        characteristics="MAWP at least 5 psig, circular when above 15 psig ({178.348-1}); vacuum-loaded tanks "
                        "at least 25 psig internal and 15 psig external; heavy rings ({178.345-7}); a "
                        "full-opening rear head on vacuum tanks; plates to {178.345-14}.",
        violations=["Inspection or test overdue, or the test date marking missing ({180.415(b)}, {180.407(c)}).",
                    "Specification or name plate missing or unreadable ({178.345-14}).",
                    "Leaking valves, manhole covers, rear head seal or fittings ({173.24(b)}).",
                    "Pressure relief device missing or not working ({178.348-5}).",
                    "Thickness test overdue on an unlined tank in corrosive service ({180.407(i)}).",
                    "Identification number or placards missing ({172.328}, {172.504})."]),
    "331": dict(
        tank="MC/TC 331",
        intro="MC 331 cargo tanks are built to {178.337}; {178.337-16} sets their testing, {178.337-17} their "
              "marking and {178.337-18} their certification.",
        records="The carrier should keep the certificate of compliance, the ASME manufacturer's data report and "
                "the current inspection and test reports, with the additional reports of {180.417(c)}.",
        materials="Liquefied petroleum gas (propane), anhydrous ammonia and other compressed gases.",
        required=[("Certificate of compliance", "178.337-18"), ("Current retest or inspection reports", "180.417(b)")],
        tests=intervals("", mc331=True),
        characteristics="Design pressure 100 to 500 psig ({178.337-1}); rounded heads, no rings; internal "
                        "self-closing stop valves with remote and thermal means of closure ({178.337-11}); "
                        "relief valves on top ({178.337-9}); plates to {178.337-17}.",
        violations=["Inspection or test overdue, or the test date marking missing ({180.415(b)}, {180.407(c)}).",
                    "Emergency discharge control missing or not working ({178.337-11}, {180.405(m)}).",
                    "Specification plate missing or unreadable ({178.337-17}).",
                    "Leaking valves or fittings ({173.24(b)}).",
                    "Hose or piping damaged or not tested ({180.416}).",
                    "Pressure relief valve missing or damaged ({178.337-9}).",
                    "Identification number or placards missing ({172.328}, {172.504})."]),
}


def reference_table(t, base):
    rows = ["<TABLE BORDER=\"0\" CELLPADDING=\"2\" CELLSPACING=\"0\" WIDTH=\"100%\">",
            "<TR><TD COLSPAN=2>%s</TD></TR>" % cites(t["intro"]),
            "<TR><TD COLSPAN=2>%s</TD></TR>" % cites(t["records"])]

    def section(title, second=None):
        rows.append("<TR><TD COLSPAN=2>&nbsp;</TD></TR>")
        if second:
            rows.append("<TR BGCOLOR=%s><TD><B><BIG>%s</BIG></B></TD><TD><B><BIG>%s</BIG></B></TD></TR>"
                        % (GROUP, title, second))
        else:
            rows.append("<TR BGCOLOR=%s><TD COLSPAN=2><B><BIG>%s</BIG></B></TD></TR>" % (GROUP, title))

    section("MATERIALS TYPICALLY TRANSPORTED:")
    rows.append("<TR><TD COLSPAN=2>%s</TD></TR>" % t["materials"])
    section("REQUIRED RECORDS", "SECTION NUMBER")
    for text, sec in t["required"]:
        rows.append("<TR><TD>%s</TD><TD>%s</TD></TR>" % (text, cite(sec)))
    section("OTHER RECORDS POSSIBLY ON FILE")
    others = list(OTHER_RECORDS.get(base, OTHER_RECORDS["default"]))
    if base in ("307", "312", "412"):
        others.append(NBIC)
    for text in others:
        rows.append("<TR><TD COLSPAN=2>%s</TD></TR>" % cites(text))
    section("INSPECTIONS &amp; RETESTS", "FREQUENCY")
    for i, (text, every, sec) in enumerate(t["tests"]):
        shade = " BGCOLOR=%s" % SHADE if i % 2 else ""
        rows.append("<TR%s><TD>%s (%s)</TD><TD>%s</TD></TR>" % (shade, cites(text), cite(sec), every))
    rows.append("<TR><TD COLSPAN=2 ALIGN=\"CENTER\"><B>See the table in %s for the specific test requirements "
                "and exceptions.</B></TD></TR>" % cite("180.407(c)"))
    section("INSPECTION CHARACTERISTICS")
    rows.append("<TR><TD COLSPAN=2>%s</TD></TR>" % cites(t["characteristics"]))
    section("COMMON INSPECTION VIOLATIONS")
    for text in t["violations"]:
        rows.append("<TR><TD COLSPAN=2>&bull; %s</TD></TR>" % cites(text))
    rows.append("</TABLE>")
    return "\n".join(rows) + "\n"


def main():
    charts()
    for base, table in sorted(TABLES.items()):
        write(os.path.join("Reference", base + ".htm"), reference_table(table, base))


if __name__ == "__main__":
    main()
