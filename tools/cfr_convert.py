#!/usr/bin/env python3
"""Converts the per-section 49 CFR text (Markdown, one file per section, with
an INDEX.tsv) into the program's own regulation data: one compact UTF-8 file
that the regulations viewer reads at run time.

Not part of the build: run by hand when the regulation text is refreshed.

    python3 tools/cfr_convert.py SOURCE_DIR [OUT_FILE]

SOURCE_DIR holds INDEX.tsv and the <section>.md files.  OUT_FILE defaults to
program/resources/regulations/cfr-sections.txt next to this script.

Output format (line based, UTF-8, LF):
  - lines starting with "#" before the first section are comments;
  - a section starts with a header line
        "§ " section TAB heading TAB part TAB subpart TAB edition TAB fidelity
  - every following non-empty line is one paragraph, one table row ("|"
    lines), a note ("*[...]*"), a block quote ("> ") or a sub-heading, as in
    the source; paragraph designations (a), (1), (i), (A) start their line.
Sections are in part order, then in section-number order.
"""
import csv
import os
import re
import sys

HEADER = """# 49 CFR section text for the Velmora regulations viewer.
# Written by tools/cfr_convert.py; see PROVENANCE.md in this folder.
# Section header: "§ " section TAB heading TAB part TAB subpart TAB edition TAB fidelity;
# then one paragraph (or table row, note) per line until the next header.
"""


def section_key(number):
    """Sort key: part, section, suffix ("178.337-1" after "178.337")."""
    # A reserved range such as "178.340-178.343" sorts by its first section.
    number = re.sub(r'-\d+\.\d+$', '', number)
    m = re.match(r'^(\d+)\.(\d+)([a-zA-Z]*)(?:-(\d+))?([a-zA-Z]*)$', number)
    if not m:
        raise ValueError('unexpected section number %r' % number)
    return (int(m.group(1)), int(m.group(2)), m.group(3), int(m.group(4) or 0), m.group(5))


def read_index(source):
    with open(os.path.join(source, 'INDEX.tsv'), encoding='utf-8', newline='') as f:
        return list(csv.DictReader(f, delimiter='\t', quoting=csv.QUOTE_NONE))


def body_lines(path, number):
    """The paragraphs of one section file, without its heading and comment."""
    with open(path, encoding='utf-8') as f:
        lines = f.read().split('\n')
    if not lines or not lines[0].startswith('# § ' + number):
        raise ValueError('%s: heading line does not name section %s' % (path, number))
    out = []
    for line in lines[1:]:
        if line.startswith('<!--') and line.endswith('-->'):
            continue
        line = line.rstrip()
        if not line.strip():
            continue
        if '\t' in line:
            line = line.replace('\t', ' ')
        out.append(line)
    return out


def main(argv):
    if len(argv) < 2:
        sys.stderr.write(__doc__)
        return 2
    source = argv[1]
    here = os.path.dirname(os.path.abspath(__file__))
    out_file = argv[2] if len(argv) > 2 else os.path.join(
        here, '..', 'program', 'resources', 'regulations', 'cfr-sections.txt')
    rows = read_index(source)
    rows.sort(key=lambda r: section_key(r['section']))
    seen = set()
    parts = []
    for r in rows:
        number = r['section']
        if number in seen:
            raise ValueError('section %s listed twice' % number)
        seen.add(number)
        heading = r['heading'].strip() or '[No heading]'
        fields = [number, heading, r['part'], r['subpart'], r['edition_date'], r['fidelity']]
        if any('\t' in x or '\n' in x for x in fields):
            raise ValueError('section %s: tab or line break in an index field' % number)
        body = body_lines(os.path.join(source, r['file']), number)
        parts.append('§ ' + '\t'.join(fields) + '\n' + ''.join(l + '\n' for l in body))
    os.makedirs(os.path.dirname(os.path.abspath(out_file)), exist_ok=True)
    with open(out_file, 'w', encoding='utf-8', newline='\n') as f:
        f.write(HEADER)
        f.write(''.join(parts))
    sys.stderr.write('%d sections written to %s\n' % (len(parts), out_file))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
