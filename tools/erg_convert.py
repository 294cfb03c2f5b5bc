#!/usr/bin/env python3
"""Converts the Emergency Response Guidebook 2024 (orange guide pages, the
yellow ID index and the green TIH tables) into the program's own data under
program/resources/EMERRESP/.

Not part of the build: run by hand when the guidebook is refreshed.  Reads
the PDF pages with pdftotext (Debian package poppler-utils); the converted
files are committed, so neither the build nor the program needs it.

    python3 tools/erg_convert.py ERG_DIR INDEX_TSV [OUT_DIR]

ERG_DIR holds ERG_Guide_Section.pdf, TIH_Table1.pdf and TIH_Table2.pdf;
INDEX_TSV is the yellow index already read from the guidebook (columns
id_number, id4, name, guide, guide_number, polymerization, tih,
water_reactive_tih, edition).

Writes:
  erg2024-guides.txt  the guides 111-174 and the general first aid page:
                      "@guide" NNN TAB title, "@section" name, "@heading"
                      name, "@sub" name, "* " bullet, "- " sub-bullet, or a
                      plain paragraph line.
  erg2024-index.tsv   id4, name, guide, tih (Y/N), water_reactive_tih (Y/N).
  erg2024-tih.tsv     green Table 1 rows: id4, guide, name, then the small
                      spill isolation, day and night distances and the large
                      spill ones, as printed ("30 m (100 ft)", "0.2 km (0.1
                      mi)", "Refer to Table 3").
  erg2024-water.tsv   green Table 2 rows: id4, guide, name, TIH gases.
"""
import csv
import os
import re
import subprocess
import sys

SECTIONS = ('POTENTIAL HAZARDS', 'PUBLIC SAFETY', 'EMERGENCY RESPONSE')
HEADINGS = ('FIRE OR EXPLOSION', 'HEALTH', 'PROTECTIVE CLOTHING', 'EVACUATION', 'FIRE',
            'SPILL OR LEAK', 'FIRST AID')
QUOTES = {'\u201c': '"', '\u201d': '"', '\u2018': "'", '\u2019': "'", '\u2013': '-', '\u2014': '-',
          '\ufb01': 'fi', '\ufb02': 'fl'}


def pdf_pages(path, first=None, last=None):
    args = ['pdftotext', '-layout']
    if first:
        args += ['-f', str(first)]
    if last:
        args += ['-l', str(last)]
    out = subprocess.run(args + [path, '-'], check=True, capture_output=True).stdout.decode('utf-8')
    return out.split('\f')


def clean(text):
    for a, b in QUOTES.items():
        text = text.replace(a, b)
    # Control characters the PDF carries (a BEL before a drop capital).
    return re.sub(r'[\x00-\x08\x0b-\x1f\x7f]', '', text)


def indent(line):
    return len(line) - len(line.lstrip(' '))


def is_footer(s):
    return re.fullmatch(r'(Page \d+\s+ERG 2024|ERG 2024\s+Page \d+)', s) is not None


def guide_page(page):
    """(number, title, body lines) of one orange page, or None."""
    lines = [clean(l.rstrip()) for l in page.split('\n')]
    lines = [l for l in lines if l.strip() and not is_footer(l.strip())
             and l.strip() != 'Guides (orange section)']
    number = None
    title = []
    body_start = 0
    # The header: "GUIDE", the number and the title (which may wrap and
    # share its second line with the number), before the first section.
    for i, l in enumerate(lines[:4]):
        if l.strip() in SECTIONS:
            break
        for token in re.split(r'\s{2,}', l.strip()):
            if re.fullmatch(r'\d{3}', token):
                number = token
            elif token != 'GUIDE' and token:
                title.append(token)
        body_start = i + 1
    title = ' '.join(title)
    if number is None:
        return None
    return number, title, lines[body_start:]


def parse_body(lines):
    """The records of a guide page body."""
    out = []
    marker_col = 0
    for l in lines:
        s = l.strip()
        col = indent(l)
        if s in SECTIONS:
            out.append('@section ' + s)
            continue
        if s in HEADINGS:
            out.append('@heading ' + s)
            continue
        m = re.match(r'^(•|––|–)\s*(.*)$', s)
        if m:
            out.append(('* ' if m.group(1) == '•' else '- ') + m.group(2))
            marker_col = col
            continue
        if out and col > marker_col and not out[-1].startswith('@'):
            out[-1] += ' ' + s
            continue
        # A line that goes on in lower case continues the one before (the
        # explosives guides' footnote "* For information on ... letters," /
        # "refer to the Glossary section.").
        if out and s[:1].islower() and not out[-1].startswith(('@section', '@heading')):
            was_sub = out[-1].startswith('@sub ')
            previous = out[-1][5:] if was_sub else out[-1]
            # A drop capital ("*S" / "ome substances") joins without a blank.
            joined = previous + s if re.fullmatch(r'\*?[A-Z]', previous) else previous + ' ' + s
            # A footnote marked "*" stays text, not a bullet.
            if was_sub and joined.startswith('* '):
                joined = '*' + joined[2:]
            out[-1] = joined
            continue
        marker_col = col
        if s.startswith('CAUTION') or s.endswith('.') or len(s) > 60:
            out.append(s)
        else:
            out.append('@sub ' + s)
    return out


def convert_guides(pdf):
    pages = pdf_pages(pdf)
    guides = {}
    order = []
    first_aid = None
    for page in pages:
        if 'GENERAL FIRST AID' in page and first_aid is None:
            body = [clean(l.rstrip()) for l in page.split('\n')]
            body = [l for l in body if l.strip() and not is_footer(l.strip())
                    and l.strip() != 'GENERAL FIRST AID']
            first_aid = parse_body(body)
            continue
        g = guide_page(page)
        if not g:
            continue
        number, title, body = g
        if any('Intentionally left blank' in l for l in body):
            body = []   # a guide no material refers to (121 in this edition)
            title = 'Intentionally left blank: no material refers to this guide'

        if number not in guides:
            guides[number] = (title, [])
            order.append(number)
        guides[number][1].extend(parse_body(body))
    text = ['# Emergency Response Guidebook 2024, orange guides.  Written by tools/erg_convert.py;',
            '# see PROVENANCE.md in this folder.']
    if first_aid:
        text.append('@guide FA\tGeneral First Aid')
        text.extend(first_aid)
    for number in order:
        title, records = guides[number]
        text.append('@guide %s\t%s' % (number, title))
        text.extend(records)
    numbers = [int(n) for n in order]
    if numbers != list(range(111, 175)):
        raise ValueError('guides found: %s' % order)
    for number in order:
        sections = [r for r in guides[number][1] if r.startswith('@section')]
        if not guides[number][1]:
            continue
        if sections != ['@section ' + s for s in SECTIONS]:
            raise ValueError('guide %s has sections %s' % (number, sections))
    return '\n'.join(text) + '\n'


DIST = r'(\d+(?:\.\d+)?\+?\s*(?:m|km)\s*\(\s*\d+(?:\.\d+)?\+?\s*(?:ft|mi)\s*\))'
ROW = re.compile(r'^\s*(\d{4})\s+(\d{3}P?)\s+(.*)$')


def split_distances(text):
    """(name part, list of distances or None, 'Refer to Table 3' flag)."""
    found = re.findall(DIST, text)
    table3 = 'Refer to Table 3' in text
    first = re.search(DIST, text)
    name = text[:first.start()] if first else text.replace('Refer to Table 3', '')
    norm = [re.sub(r'\s+', ' ', re.sub(r'\(\s*', '(', d)) for d in found]
    return name.strip(), norm, table3


def convert_table1(pdf):
    """Rows of green Table 1: a group of lines of one ID shares the distance
    line printed nearest to each name line (the distances of a group are
    printed between or beside its name lines)."""
    lines = []
    for page in pdf_pages(pdf):
        for l in page.split('\n'):
            l = clean(l.rstrip())
            s = l.strip()
            if not s or s.startswith('Page ') or 'TABLE 1' in s or 'SPILLS' in s or 'From a ' in s:
                continue
            if re.match(r'^(First|ISOLATE|in all|ID|No\.|DAY|"\+" means)', s):
                continue
            lines.append(l)
    entries = []     # [id4, guide, name, line index]
    distances = []   # [line index, 6 texts]
    for i, l in enumerate(lines):
        m = ROW.match(l)
        if m:
            name, dist, table3 = split_distances(m.group(3))
            entries.append([m.group(1), m.group(2), name, i])
        else:
            name, dist, table3 = split_distances(l)
            if name and entries and not dist and not table3:
                entries[-1][2] += ' ' + name   # wrapped name
                continue
            if name and entries and (dist or table3):
                entries[-1][2] += ' ' + name
        if dist or table3:
            if len(dist) == 6:
                values = dist
            elif len(dist) == 3 and table3:
                values = dist + ['Refer to Table 3'] * 3
            else:
                raise ValueError('line %d: cannot read distances: %r' % (i, l))
            distances.append((i, values))
    # Blocks: consecutive entries of one ID, up to the next ID's first line.
    rows = []
    for n, (id4, guide, name, at) in enumerate(entries):
        lo = n
        while lo > 0 and entries[lo - 1][0] == id4:
            lo -= 1
        hi = n
        while hi + 1 < len(entries) and entries[hi + 1][0] == id4:
            hi += 1
        first = entries[lo][3]
        last = entries[hi + 1][3] - 1 if hi + 1 < len(entries) else len(lines)
        best = None
        for i, values in distances:
            if not first <= i <= last:
                continue
            # Ties go to the following line: a group's distances are printed
            # in its middle or after its first name line.
            key = (abs(i - at), 0 if i >= at else 1)
            if best is None or key < best[0]:
                best = (key, values)
        if best is None:
            raise ValueError('no distances for %s %s' % (id4, name))
        rows.append([id4, guide, re.sub(r'\s+', ' ', name)] + best[1])
    return rows


def convert_table2(pdf):
    rows = []
    for page in pdf_pages(pdf):
        for l in page.split('\n'):
            l = clean(l.rstrip())
            m = re.match(r'^\s*(\d{4})\s+(\d{3}P?)\s+(.*?)\s{2,}([A-Z][A-Za-z0-9 ]*)$', l)
            if not m:
                m = re.match(r'^\s*(\d{4})\s+(\d{3}P?)\s+(.*?)\s((?:[A-Z][a-z]?\d?\d?\s?){1,4})$', l)
            if m:
                gases = ' '.join(re.sub(r'\s+', ' ', m.group(4)).split())
                rows.append([m.group(1), m.group(2), m.group(3).strip(), gases])
    return rows


def main(argv):
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    erg_dir, index_tsv = argv[1], argv[2]
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[3] if len(argv) > 3 else os.path.join(here, '..', 'program', 'resources', 'EMERRESP')
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, 'erg2024-guides.txt'), 'w', encoding='utf-8', newline='\n') as f:
        f.write(convert_guides(os.path.join(erg_dir, 'ERG_Guide_Section.pdf')))
    with open(index_tsv, encoding='utf-8', newline='') as f:
        index = list(csv.DictReader(f, delimiter='\t', quoting=csv.QUOTE_NONE))
    with open(os.path.join(out, 'erg2024-index.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('id4\tname\tguide\ttih\twater_reactive_tih\n')
        for r in index:
            f.write('\t'.join([r['id4'], clean(r['name']), r['guide'], r['tih'], r['water_reactive_tih']]) + '\n')
    t1 = convert_table1(os.path.join(erg_dir, 'TIH_Table1.pdf'))
    with open(os.path.join(out, 'erg2024-tih.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('id4\tguide\tname\tsmall_isolate\tsmall_day\tsmall_night\tlarge_isolate\tlarge_day\tlarge_night\n')
        for r in t1:
            f.write('\t'.join(r) + '\n')
    t2 = convert_table2(os.path.join(erg_dir, 'TIH_Table2.pdf'))
    with open(os.path.join(out, 'erg2024-water.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('id4\tguide\tname\tgases\n')
        for r in t2:
            f.write('\t'.join(r) + '\n')
    sys.stderr.write('guides written; Table 1: %d rows over %d IDs; Table 2: %d rows\n'
                     % (len(t1), len({r[0] for r in t1}), len(t2)))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
