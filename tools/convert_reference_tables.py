#!/usr/bin/env python3
"""Converts the public regulatory data into the source data of the four
reference tables in engine/refdata/data/:

  substances.tsv         hazardous substances with reportable quantities
  marine-pollutants.tsv  49 CFR 172.101 Appendix B, keyed where a key can be stated
  violation-codes.tsv    roadside-inspection violation codes (ten stored fields)
  links.tsv              regulation links for HMT column values

Usage: convert_reference_tables.py REGULATORY_DIR CFR_DIR OUT_DIR

REGULATORY_DIR holds hazardous-substances-302.4.tsv, marine-pollutants.tsv,
violation-codes.tsv, hmt-current.tsv and hmt-2019-derived.tsv; OUT_DIR
must already hold hmt.tsv and pids.tsv (tools/hmt_convert.py), whose
entries the marine pollutants are keyed to; CFR_DIR
holds the regulation text one section a file (172.101.md is read for the
vessel stowage categories of 172.101(k)).  Not part of
the build: run it by hand when the public data changes and commit its output.
Python 3, standard library only.  Output is UTF-8 (ASCII but for the
section sign), LF, tab-separated with a header line and no quoting.
"""

import csv
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from hmt_convert import chemical_forms, substance_forms  # noqa: E402

# Stored record widths; a record holds its fields each followed by NUL.
SUBSTANCE_WIDTH = 194
MARINE_WIDTH = 170

# Characters of the public text that are not ASCII, and their ASCII form.
ASCII_FORM = {
    "\u2014": "-",      # em dash (waste stream "F001-The following ...")
    "\u2013": "-",      # en dash
    "\u2032": "'",      # prime (1,1'-biphenyl)
    "\u03b1": "alpha",
    "\u03b2": "beta",
    "\u00b0": "deg",
}


def ascii_text(text):
    """The text with plain forms of the typographic characters; the section
    sign stays as the regulation prints it."""
    out = []
    for ch in text:
        if ord(ch) < 128 or ch == "\u00a7":
            out.append(ch)
        elif ch in ASCII_FORM:
            out.append(ASCII_FORM[ch])
        else:
            raise SystemExit("no ASCII form for %r in %r" % (ch, text))
    return re.sub(r" +", " ", "".join(out)).strip()


def read_tsv(path):
    with open(path, encoding="utf-8", newline="") as fh:
        return list(csv.DictReader(fh, delimiter="\t", quoting=csv.QUOTE_NONE))


def write_tsv(path, header, rows):
    with open(path, "w", encoding="utf-8", newline="\n") as fh:
        fh.write("\t".join(header) + "\n")
        for row in rows:
            for cell in row:
                if "\t" in cell or "\n" in cell:
                    raise SystemExit("tab or line break in %r" % (cell,))
            fh.write("\t".join(row) + "\n")


def shorten(text, room):
    """Cuts text at a word boundary so that it fits room bytes, ending '...'."""
    if len(text.encode()) <= room:
        return text, False
    cut = text[: room - 3]
    while len(cut.encode()) > room - 3:   # the section sign takes two bytes
        cut = cut[:-1]
    blank = cut.rfind(" ")
    if blank > room // 2:
        cut = cut[:blank]
    return cut.rstrip(" ,;:") + "...", True


# ---------------------------------------------------------------- substances

def convert_substances(reg_dir, out_dir):
    rows = []
    shortened = 0
    for r in read_tsv(os.path.join(reg_dir, "hazardous-substances-302.4.tsv")):
        cas = r["cas"].strip()
        rq = r["rq_pounds"].strip()
        if rq not in ("1", "10", "100", "1000", "5000"):
            raise SystemExit("unexpected RQ %r" % rq)
        name = ascii_text(r["name"])
        room = SUBSTANCE_WIDTH - (len(cas) + 1) - (len(rq) + 1) - 1
        name, cut = shorten(name, room)
        shortened += cut
        rows.append((cas, name, rq))
    # Ordered by CAS number, then name, in byte order ("NA" sorts after the
    # digits, so the substances without a CAS number come last).
    rows.sort(key=lambda t: (t[0].encode(), t[1].encode()))
    write_tsv(os.path.join(out_dir, "substances.tsv"), ("cas", "name", "rq_pounds"), rows)
    print("substances: %d records, %d without CAS, %d names shortened"
          % (len(rows), sum(1 for t in rows if t[0] == "NA"), shortened))
    return rows


# --------------------------------------------------------- marine pollutants

def convert_marine_pollutants(reg_dir, out_dir):
    """Keys each Appendix B record so that an item can reach it: the CAS
    number of the Table 302.4 substance of that name where a table entry
    carries that number, else the PID of every table entry named like it,
    else the CAS number alone, else nothing.  Names are compared without
    case, punctuation, hyphens and a final "s", and table entries by their
    roman names with the state and form words left out (hmt_convert)."""
    cas_by_form = {}
    for r in read_tsv(os.path.join(reg_dir, "hazardous-substances-302.4.tsv")):
        if r["cas"] != "NA":
            for form in substance_forms(r["name"]):
                if r["cas"] not in cas_by_form.setdefault(form, []):
                    cas_by_form[form].append(r["cas"])
    registry = {r["pid"]: (r["id"], r["name"]) for r in read_tsv(os.path.join(out_dir, "pids.tsv"))}
    pids_by_form, carried = {}, set()
    for r in read_tsv(os.path.join(out_dir, "hmt.tsv")):
        carried.update(r["cas"].split())
        for n in r["names"].split("|"):
            for form in chemical_forms(n):
                if r["pid"] not in pids_by_form.setdefault(form, []):
                    pids_by_form[form].append(r["pid"])
    rows = []
    by_cas = by_hmt = cas_only = unkeyed = 0
    for r in read_tsv(os.path.join(reg_dir, "marine-pollutants.tsv")):
        name = ascii_text(r["name"])
        severe = "1" if r["severe"].strip() == "PP" else "0"
        forms = substance_forms(r["name"]) + chemical_forms(r["name"])
        cas = []
        for form in forms:
            for c in cas_by_form.get(form, []):
                if c not in cas:
                    cas.append(c)
        pids = []
        for form in forms:
            for p in pids_by_form.get(form, []):
                if p not in pids:
                    pids.append(p)
        reachable = [c for c in cas if c in carried]
        if reachable:
            for c in reachable:
                rows.append((c, "", "", name, severe))
            by_cas += 1
        elif pids:
            for p in pids:
                ident, psn = registry[p]
                rows.append(("", ident, psn, name, severe))
            by_hmt += 1
        elif cas:
            for c in cas:
                rows.append((c, "", "", name, severe))
            cas_only += 1
        else:
            rows.append(("", "", "", name, severe))
            unkeyed += 1
    for cas, _ident, _psn, name, _severe in rows:
        # key (CAS, or a PID of at most 4 digits) + name + type, NUL after each
        key_bytes = len(cas) if cas else 4
        if key_bytes + 1 + len(name.encode()) + 1 + 2 > MARINE_WIDTH:
            raise SystemExit("marine pollutant name too long: %r" % name)
    write_tsv(os.path.join(out_dir, "marine-pollutants.tsv"),
              ("cas", "hmt_id", "hmt_name", "name", "severe"), rows)
    total = by_cas + by_hmt + cas_only + unkeyed
    print("marine pollutants: %d Appendix B names in %d records: %d reachable by a CAS number a "
          "table entry carries, %d by the PID of a table entry, %d by a CAS number no entry "
          "carries, %d unkeyed; %d severe"
          % (total, len(rows), by_cas, by_hmt, cas_only, unkeyed,
             sum(1 for t in rows if t[4] == "1")))


# ----------------------------------------------------------- violation codes

# Stored value of the out-of-service field when no public source gives it.
OOS_UNKNOWN = "U"


def convert_violations(reg_dir, out_dir):
    rows = []
    for r in read_tsv(os.path.join(reg_dir, "violation-codes.tsv")):
        oos = r["oos"].strip()
        if oos not in ("", "Y", "N", "P"):
            raise SystemExit("unexpected out-of-service value %r" % oos)
        rows.append((
            r["code"].strip(),
            ascii_text(r["description"]),
            r["group_number"].strip(),  # empty: no public per-code group
            r["part"].strip(),
            "",                         # N/X/B indicator: no public source
            oos or OOS_UNKNOWN,
            r["citation"].strip(),
            "",                         # Y/N indicator: no public source
            ascii_text(r["group_name"]),
            r["category"].strip(),
        ))
    rows.sort(key=lambda t: t[0].encode())
    codes = [t[0] for t in rows]
    if len(set(codes)) != len(codes):
        raise SystemExit("duplicate violation code")
    write_tsv(os.path.join(out_dir, "violation-codes.tsv"),
              ("code", "description", "group_number", "part", "indicator",
               "oos", "citation", "yn_indicator", "group_name", "category"), rows)
    print("violation codes: %d records, %d distinct citations"
          % (len(rows), len(set(t[6] for t in rows))))


# --------------------------------------------------------------------- links

# 49 CFR 172.101(b)(1)-(6): the six symbols of column 1.
SYMBOL_PARAGRAPH = {"+": 1, "A": 2, "D": 3, "G": 4, "I": 5, "W": 6}

# 49 CFR 172.400(b) table: the label section for each label code of column 6.
def label_section(code):
    if re.fullmatch(r"1(\.[1-6][A-S]?)?", code):
        return "172.411"
    return {
        "2.1": "172.417", "2.2": "172.415", "2.3": "172.416", "3": "172.419",
        "4.1": "172.420", "4.2": "172.422", "4.3": "172.423", "5.1": "172.426",
        "5.2": "172.427", "6.1": "172.430", "6.2": "172.432",
        "7": "172.403", "8": "172.442", "9": "172.446",
    }.get(code)


def stowage_paragraphs(cfr_dir):
    """172.101(k)(n): 'Stowage category "X" means ...' gives X -> n."""
    path = os.path.join(cfr_dir, "172.101.md")
    found = {}
    with open(path, encoding="utf-8") as fh:
        for line in fh:
            m = re.match(r"\((\d+)\) Stowage category \u201c(\w+)\u201d", line)
            if m:
                found[m.group(2)] = int(m.group(1))
    return found


def link_rows(reg_dir, cfr_dir):
    stowage = stowage_paragraphs(cfr_dir)
    values = {c: set() for c in (0, 5, 6, 7, 8, 9, 10, 11, 12, 13)}
    for name in ("hmt-current.tsv", "hmt-2019-derived.tsv"):
        for r in read_tsv(os.path.join(reg_dir, name)):
            values[0].update(r["symbols"].split())
            values[5].update(r["label_codes"].split())
            for column, field in ((6, "special_provisions"), (7, "exceptions"),
                                  (8, "non_bulk"), (9, "bulk"), (10, "passenger_limit"),
                                  (11, "cargo_limit"), (12, "vessel_stowage"),
                                  (13, "vessel_other")):
                for v in r[field].split(","):
                    if v.strip():
                        values[column].add(v.strip())
    rows = []
    skipped = []
    for column in sorted(values):
        for v in sorted(values[column]):
            target = None
            if column == 0:
                if v in SYMBOL_PARAGRAPH:
                    target = "172.101(b)(%d)" % SYMBOL_PARAGRAPH[v]
            elif column == 5:
                target = label_section(v)
            elif column == 6:
                # 49 CFR 172.102: every special provision is cited by its code.
                if re.fullmatch(r"[A-Z]{0,2}\d+", v):
                    target = "172.102(%s)" % v
            elif column in (7, 8, 9):
                # 172.101(i): "173." precedes the number in columns 8A-8C.
                if re.fullmatch(r"\d+[a-z]?", v):
                    target = "173." + v
                elif re.fullmatch(r"\d+\([a-z]\)", v):
                    target = "173." + v
            elif column in (10, 11):
                if v == "Forbidden":
                    target = "172.101(j)(1)"
            elif column == 12:
                if v in stowage:
                    target = "172.101(k)(%d)" % stowage[v]
            elif column == 13:
                # 176.84(b): the table of the column 10B codes.
                if re.fullmatch(r"\d+", v):
                    target = "176.84(b)"
            if target is None:
                skipped.append((column, v))
            else:
                rows.append(("%02d" % column, v, "49cfr" + target))
    return rows, skipped


def convert_links(reg_dir, cfr_dir, out_dir):
    rows, skipped = link_rows(reg_dir, cfr_dir)
    write_tsv(os.path.join(out_dir, "links.tsv"), ("column", "value", "target"), rows)
    per = {}
    for column, _v, _t in rows:
        per[column] = per.get(column, 0) + 1
    print("links: %d records (%s)" % (len(rows), ", ".join("%s: %d" % kv for kv in sorted(per.items()))))
    print("links: values without a link: %s" % ", ".join("%02d %r" % s for s in skipped
                                                         if s[0] not in (10, 11)))


def main(argv):
    if len(argv) != 4:
        raise SystemExit(__doc__)
    reg_dir, cfr_dir, out_dir = argv[1], argv[2], argv[3]
    convert_substances(reg_dir, out_dir)
    convert_marine_pollutants(reg_dir, out_dir)
    convert_violations(reg_dir, out_dir)
    convert_links(reg_dir, cfr_dir, out_dir)


if __name__ == "__main__":
    main(sys.argv)
