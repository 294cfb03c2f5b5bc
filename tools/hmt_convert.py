#!/usr/bin/env python3
"""Converts the public Hazardous Materials Table data (49 CFR 172.101) into
the project's own source data under engine/refdata/data/.

Not part of the build: run by hand when the regulation data is refreshed.

    python3 tools/hmt_convert.py SOURCE_DIR [OUT_DIR]

SOURCE_DIR holds hmt-current.tsv (eCFR in effect 2026-06-01),
hmt-2019-derived.tsv (annual edition of October 1, 2019),
hazardous-substances-302.4.tsv (40 CFR 302.4), erg-guides.tsv (ERG 2024) and
hmt-italics.tsv (the italic words of column 2, from the 2024 annual edition).
OUT_DIR defaults to engine/refdata/data next to this script.

Writes hmt.tsv (one line per packing-group line of every row), pids.tsv (the
permanent PID registry), forbidden.tsv (names the table lists as Forbidden).
An existing pids.tsv is read first: every PID given there keeps its entry, so
a PID once given never changes and is never reused.
"""
import os
import re
import sys

SPLIT_RULESET = 36   # first ruleset of the current edition's rows
MAX_PID = 2607

ASCII_FIX = {'\u2032': "'", '\u2019': "'", '\u2018': "'",
             '\u201c': '"', '\u201d': '"', '\u2013': '-', '\u2014': '-',
             '\u00b0': ' degrees '}


def display_text(s):
    """The text the library shows: UTF-8, the section sign kept as printed
    ("see \u00a7 173.247(h)(4)"); the other typographic characters take
    plain forms."""
    for k, v in ASCII_FIX.items():
        s = s.replace(k, v)
    s = re.sub(r' +', ' ', s).strip()
    if any(ord(c) > 126 and c != '\u00a7' for c in s):
        raise SystemExit('unexpected character left: %r' % s)
    return s


def key_text(s):
    """The key of an entry in pids.tsv and pid-pins.tsv, which must not
    change once written: the text as the library shows it."""
    return display_text(s)


# Label cells the sources garbled: "8.6.1" is labels 8 and 6.1 (hydrogen
# fluoride, anhydrous), "6.1." has a stray full stop.  "Empty" is the EMPTY
# label of 172.450 for empty Class 7 packagings, which is no hazard code.
LABEL_REPAIRS = {'8.6.1': '8 6.1', '6.1.': '6.1', 'Empty': ''}

# Compatibility group K (173.52, toxic chemical agents) is not a hazard code
# of this engine; those entries (ammunition, toxic) are held out of the table
# but keep their PIDs.
HELD_OUT_CLASSES = {'1.2K', '1.3K'}


def zones(sp):
    return sorted(x for x in sp if x in ('1', '2', '3', '4', '5', '6'))


def read_tsv(path):
    with open(path, encoding='utf-8') as f:
        lines = f.read().split('\n')
    head = lines[0].split('\t')
    out = []
    for ln in lines[1:]:
        if not ln:
            continue
        cells = ln.split('\t')
        cells += [''] * (len(head) - len(cells))
        out.append(dict(zip(head, cells)))
    return out


def split_list(cell, seps=','):
    cell = cell.strip()
    if not cell:
        return []
    parts = re.split('[' + re.escape(seps) + ']', cell)
    return [p.strip() for p in parts if p.strip()]


def di_of(symbols):
    return ''.join(s for s in sorted(symbols.split()) if s in ('D', 'I'))


class Line:
    """One printed line of the table that carries an ID number."""

    def __init__(self, r):
        self.symbols = ' '.join(sorted(r['symbols'].split(), key='+ADGIW'.index))
        self.source_name = r['proper_shipping_name']
        self.name = key_text(self.source_name)
        self.text = display_text(self.source_name)
        cls = r['hazard_class'].strip()
        # 172.101(c)(3)... a combustible liquid is printed "Comb liq"; the
        # hazard codes of this system write it "COMB".
        self.hazclass = 'COMB' if cls == 'Comb liq' else cls
        self.printed_class = cls
        self.id = r['id_number'].strip()
        self.pg = r['packing_group'].strip()
        self.labels = []
        for lab in split_list(r['label_codes'], ' ,'):
            lab = LABEL_REPAIRS.get(lab, lab)
            if lab:
                self.labels += lab.split(' ')
        self.sp = split_list(r['special_provisions'])
        self.exc = split_list(r['exceptions'])
        self.nonbulk = [] if r['non_bulk'].strip() == 'None' else split_list(r['non_bulk'])
        self.bulk = [] if r['bulk'].strip() == 'None' else split_list(r['bulk'])
        self.passenger = [key_text(r['passenger_limit'])] if r['passenger_limit'].strip() else []
        self.cargo = [key_text(r['cargo_limit'])] if r['cargo_limit'].strip() else []
        self.stow = [r['vessel_stowage'].strip()] if r['vessel_stowage'].strip() else []
        other = r['vessel_other'].replace(' and ', ',')
        self.other = split_list(other)
        self.key = (self.id, self.name, self.printed_class, di_of(self.symbols))

    def slot_cells(self):
        return [self.labels, self.sp, self.exc, self.nonbulk, self.bulk,
                self.passenger, self.cargo, self.stow, self.other]


def read_duplicates(path):
    """data/duplicate-lines.tsv: for each entry that prints one packing group
    twice with different columns, which line is kept and why."""
    keep = {}
    for r in read_tsv(path):
        keep[(r['edition'], r['id'], r['pg'])] = r
    return keep


def read_edition(path, edition='', duplicates=None):
    """Entries (key -> list of lines) and Forbidden names of one edition."""
    duplicates = duplicates or {}
    entries, order, forbidden = {}, [], set()
    for r in read_tsv(path):
        cls = r['hazard_class'].strip()
        if cls == 'Forbidden':
            forbidden.add(display_text(r['proper_shipping_name']))
            continue
        if not r['id_number'].strip():
            continue   # "see" references and lines without an ID are not rows
        ln = Line(r)
        key = ln.key
        # A packing group printed twice: a second entry when the hazard
        # zone differs (Bromine solutions, zone A and zone B), otherwise a
        # duplicate of the source that is dropped.
        while key in entries and any(o.pg == ln.pg for o in entries[key]):
            first = next(o for o in entries[key] if o.pg == ln.pg)
            if zones(ln.sp) == zones(first.sp):
                if row_signature([ln]) != row_signature([first]):
                    # The same packing group printed twice with different
                    # columns: data/duplicate-lines.tsv says which line
                    # stands and why; an unexplained one stops the run.
                    why = duplicates.get((edition, ln.id, ln.pg))
                    if why is None:
                        raise SystemExit('%s %s PG %s printed twice with different columns: '
                                         'explain it in duplicate-lines.tsv' % (edition, ln.id, ln.pg))
                    if why['keep'] == 'second':
                        entries[key][entries[key].index(first)] = ln
                    elif why['keep'] != 'first':
                        raise SystemExit('duplicate-lines.tsv: keep is first or second')
                    print('%s %s PG %s printed twice: kept the %s line' % (edition, ln.id, ln.pg, why['keep']))
                key = None
                break
            key = key[:3] + (key[3] + '#2',)
        if key is None:
            continue
        ln.key = key
        if key not in entries:
            entries[key] = []
            order.append(key)
        entries[key].append(ln)
    return entries, order, forbidden


def row_signature(lines):
    return [(l.symbols, l.name, l.hazclass, l.id, l.pg, l.slot_cells()) for l in lines]


# --- derived columns --------------------------------------------------------

def state_from_quantity_limits(lines):
    """Liquid or solid from columns 9A and 9B: the table states quantity
    limits in litres for liquids and in kilograms for solids (172.101(j)).
    Gross-mass limits of articles and Forbidden tell nothing."""
    limits = [c for ln in lines for c in ln.passenger + ln.cargo]
    litres = any(re.search(r'\d\s*L\b', c) for c in limits)
    kilos = any(re.search(r'\d\s*kg\b', c) and 'gross' not in c for c in limits)
    if litres and not kilos:
        return 'L'
    if kilos and not litres:
        return 'S'
    return '-'


def property_flags(entry_name, hazclass, lines=()):
    low = entry_name.lower()
    cyan = re.search(r'(?<!ferri)(?<!ferro)cyanides?\b', low) or 'hydrocyanic acid' in low
    acid = re.search(r'\bacids?\b', low) and 'hydrocyanic acid' not in low
    lsa = ''
    if hazclass == '7':
        if re.search(r'\blsa\b', low):
            lsa = 'L'
        elif re.search(r'\bsco\b', low):
            lsa = 'S'
    state = '-'
    if not hazclass.startswith('2'):
        m = re.search(r'\b(liquids?|solids?|molten)\b', low)
        if m:
            state = 'S' if m.group(1).startswith('solid') else 'L'
        else:
            state = state_from_quantity_limits(lines)
    return ('C' if cyan else '-') + ('A' if acid else '-') + (lsa or '-') + state


def record_size(name, head, lines, names, cas):
    def lst(items, empty=1):
        return sum(len(x.encode()) + 1 for x in items) + (1 if items else empty)
    n = 5 + 7 + len(name.encode()) + 1 + lst(names) + len(head.hazclass) + 1
    n += lst(head.symbols.split()) + 5 + lst(cas) + 5 + 6 + lst([l.pg for l in lines if l.pg])
    for l in lines:
        n += sum(lst(c, 2) for c in l.slot_cells())
    return n + 1 + len(names)


# --- roman names and italic descriptions (172.101(c)(1)) ---------------------

def read_italics(path):
    """(edition, ID, full name as printed) -> the italic spans (character
    ranges of the name)."""
    out = {}
    for r in read_tsv(path):
        spans = []
        for part in r['italic_spans'].split(','):
            a, b = part.split('-')
            spans.append((int(a), int(b)))
        out[(r['edition'], r['id_number'], r['proper_shipping_name'])] = spans
    return out


def align_fragments(name, fragments):
    """Spans of the italic fragments of another edition's row found in order,
    on word boundaries, in name; None unless every fragment is found."""
    spans, pos = [], 0
    for frag in fragments:
        m = re.compile(r'(?<![\w-])' + re.escape(frag) + r'(?![\w-])').search(name, pos)
        if not m:
            return None
        spans.append((m.start(), m.end()))
        pos = m.end()
    return spans


def clean_roman(text):
    """Roman words run together once the italic words are taken out."""
    text = re.sub(r'\(\s*[;,\s]*\)', '', text)      # "( ; ; )" held italic isomers
    text = re.sub(r'\s+', ' ', text)
    text = re.sub(r' ([,;.)])', r'\1', text).replace('( ', '(')
    text = re.sub(r',\s*\.$', '', text)
    return text.strip(' ,;')


def italic_form(source_name, spans):
    """The proper shipping name with its italic words marked "<I>...</I>",
    the roman shipping names, and one description per name (172.101(c)(1)).

    The roman words are the name; an italic "or" followed by a capital
    letter separates alternative names; after an italic "see" or "see also"
    the roman words name another entry and are no name of this one.  A
    name's description is the italic words between it and the next name,
    without the linking "or".  Without italics the whole text is the one
    name."""
    if spans is None:
        text = display_text(source_name)
        return text, [text], ['']
    # An italic run starts at a word: the source placed "non-flammable"'s
    # italics after the hyphen.
    fixed = []
    for a, b in spans:
        while a > 0 and (source_name[a - 1].isalnum() or source_name[a - 1] == '-'):
            a -= 1
        fixed.append((a, b))
    spans = fixed
    marked, at = '', 0
    for a, b in spans:
        if b > len(source_name) or source_name[a:b] != source_name[a:b].strip():
            raise SystemExit('italic span %d-%d off the words of %r' % (a, b, source_name))
        marked += source_name[at:a] + '<I>' + source_name[a:b] + '</I>'
        at = b
    marked += source_name[at:]
    names, descs = [''], [[]]
    at = 0
    for a, b in spans + [(len(source_name), len(source_name))]:
        names[-1] += source_name[at:a]
        at = b
        frag = source_name[a:b].strip(' ,;')
        if not frag:
            continue
        if re.match(r'(?i)see\b', frag):
            break                               # a reference to another entry
        rest = source_name[b:].lstrip(' ,')
        if re.search(r'\bor$', frag) and re.match(r'[A-Z]', rest):
            frag = re.sub(r'\s*\bor$', '', frag).strip(' ,;')
            if frag:
                descs[-1].append(frag)
            names.append('')
            descs.append([])
        elif frag == 'or':
            names[-1] += ' or '                 # "with or without": not an alternative
        else:
            names[-1] += ' '
            descs[-1].append(frag)
    names = [display_text(clean_roman(n)) for n in names]
    if '' in names:
        raise SystemExit('empty roman name in %r' % source_name)
    return (display_text(marked), names,
            [display_text('; '.join(d)) if d else '' for d in descs])


# --- CAS numbers from Table 302.4 ------------------------------------------

# Words of the table that give the state or form of the material, not the
# chemical: "Sulfuric acid, fuming" and "Sodium hydroxide solution" name the
# CERCLA substances "Sulfuric acid" and "Sodium hydroxide".
FORM_WORDS = {'anhydrous', 'solid', 'solids', 'liquid', 'liquids', 'molten', 'solution',
              'solutions', 'aqueous', 'stabilized', 'stabilised', 'dry', 'glacial',
              'fuming', 'flammable', 'compressed', 'refrigerated', 'in', 'water'}


def norm_name(s):
    """A name compared without regard to case, punctuation, hyphens and a
    final "s" of each word."""
    out = []
    for w in re.findall(r'[a-z0-9]+', s.lower().replace('\u2032', "'")):
        if len(w) > 3 and w.endswith('s') and not w.endswith('ss'):
            w = w[:-1]
        out.append(w)
    return ' '.join(out)


def chemical_forms(name):
    """The name, and the name without trailing form words."""
    forms = [name]
    parts = re.findall(r"[A-Za-z0-9']+|,", name)
    while parts and (parts[-1] == ',' or parts[-1].lower() in FORM_WORDS):
        parts.pop()
        forms.append(' '.join(p for p in parts if p != ','))
    return [norm_name(f) for f in forms if f]


def substance_forms(name):
    """A Table 302.4 name, and the name without a chemical formula or an
    "(isomers and mixture)" after it ("Sodium cyanide Na(CN)")."""
    forms = [name]
    bare = re.sub(r'\s*\((isomers[^)]*|mixed|all isomers)\)$', '', name)
    bare = re.sub(r'\s+[A-Z][A-Za-z0-9]*\([A-Za-z0-9()]*\)[0-9]*$', '', bare)
    if bare != name:
        forms.append(bare)
    return [norm_name(f) for f in forms]


def words(s):
    return set(re.findall(r'[a-z0-9]+', s.lower()))


def erg_guide(erg_by_id4, idnum, name, hazclass=''):
    # The ERG's yellow index lists explosives without ID numbers: Divisions
    # 1.1, 1.2, 1.3 and 1.5 take Guide 112, Divisions 1.4 and 1.6 Guide 114.
    # NA0027, black powder for small arms reclassed as Division 4.1
    # (173.170), is still black powder, an explosive the ERG indexes
    # under Guide 112.
    if hazclass.startswith('1.'):
        return '114' if hazclass[:3] in ('1.4', '1.6') else '112'
    if idnum == 'NA0027':
        return '112'
    cands = erg_by_id4.get(idnum[2:], [])
    guides = sorted({g for _, g in cands})
    if len(guides) <= 1:
        return guides[0] if guides else ''
    wanted = words(name)
    best, best_score = None, -1
    for n, g in cands:
        if n.lower() == name.lower():
            return g
        score = len(words(n) & wanted) - 0.01 * len(words(n) - wanted)
        if score > best_score:
            best, best_score = g, score
    return best


# --- PID registry -----------------------------------------------------------

def read_registry(path):
    reg = {}
    if os.path.exists(path):
        for r in read_tsv(path):
            reg[(r['id'], r['name'], r['class'], r['di'])] = int(r['pid'])
    return reg


def assign_pids(old_entries, old_order, new_only, pins, registry):
    """PIDs follow the byte order of the ID (then name, class) in the older
    edition, anchored on the pinned PIDs; entries that do not fit before the
    next pin, and entries of the current edition only, are appended."""
    pid_of = dict(registry)
    used = set(pid_of.values())
    for key, pid in pins.items():
        if key in pid_of and pid_of[key] != pid:
            # A pin re-derived after the registry was written: the pinned
            # entry takes its PID and the entry that held it takes the
            # pinned entry's former PID; a former PID no entry takes is
            # retired (kept in `used`, never given again).
            former = pid_of[key]
            holder = next((k for k, p in pid_of.items() if p == pid), None)
            if holder is not None:
                pid_of[holder] = former
                print('PID %d moves to %s %s; %s %s takes %d'
                      % (pid, key[0], key[1], holder[0], holder[1], former))
            else:
                print('PID %d given to %s %s; its former PID %d is retired' % (pid, key[0], key[1], former))
        pid_of[key] = pid
        used.add(pid)
    # Pins in ascending ID order form the anchors of the sequence; pins
    # that sit in the appended range (added to the table later) do not.
    ordered = sorted(old_order, key=lambda k: (k[0].encode(), k[1].encode(), k[2], k[3]))
    anchors = []
    for k in ordered:
        if k in pins and (not anchors or pins[k] > anchors[-1][1]) and pins[k] <= 2331:
            anchors.append((k, pins[k]))
    anchor_keys = {k for k, _ in anchors}
    pending = []
    cursor = 0
    ai = 0
    for k in ordered:
        if k in anchor_keys:
            cursor = pins[k]
            ai += 1
            continue
        if k in pid_of:
            continue
        limit = anchors[ai][1] if ai < len(anchors) else MAX_PID + 1
        nxt = cursor + 1
        while nxt in used:
            nxt += 1
        if nxt < limit and ai < len(anchors):
            pid_of[k] = nxt
            used.add(nxt)
            cursor = nxt
        else:
            pending.append(k)
    pending += sorted((k for k in new_only if k not in pid_of),
                      key=lambda k: (k[0].encode(), k[1].encode(), k[2], k[3]))
    nxt = max([p for p in used if p <= 2331] + [0]) + 1
    for k in pending:
        while nxt in used:
            nxt += 1
        pid_of[k] = nxt
        used.add(nxt)
    return pid_of


def main():
    src = sys.argv[1]
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', 'engine', 'refdata', 'data')
    dups = read_duplicates(os.path.join(out, 'duplicate-lines.tsv'))
    old, old_order, forb_old = read_edition(os.path.join(src, 'hmt-2019-derived.tsv'), '2019', dups)
    new, new_order, forb_new = read_edition(os.path.join(src, 'hmt-current.tsv'), '2026', dups)

    # The 2019 source lost every "+" symbol (172.101(b)(1)); the symbol is
    # carried back from the current edition so that it alone makes no change.
    # Entries renamed between the editions (same ID, class and D/I, one
    # unmatched entry on each side) are the same entry.
    new_keys = set(new_order)
    old_to_new = {}
    for k in old_order:
        if k in new:
            old_to_new[k] = k
    um_old = [k for k in old_order if k not in old_to_new]
    um_new = [k for k in new_order if k not in old_to_new.values()]
    for k in um_old:
        same = [n for n in um_new if (n[0], n[2], n[3]) == (k[0], k[2], k[3])]
        olds = [o for o in um_old if (o[0], o[2], o[3]) == (k[0], k[2], k[3])]
        if len(same) == 1 and len(olds) == 1:
            old_to_new[k] = same[0]
    for k, nk in old_to_new.items():
        plus = '+' in new[nk][0].symbols.split()
        for ln in old[k]:
            if plus and '+' not in ln.symbols.split():
                ln.symbols = ' '.join(sorted(ln.symbols.split() + ['+'], key='+ADGIW'.index))
    matched_new = set(old_to_new.values())
    new_only = [k for k in new_order if k not in matched_new]

    pins = {}
    for r in read_tsv(os.path.join(out, 'pid-pins.tsv')):
        key = (r['id'], key_text(r['name']), r['class'], r['di'])
        if key not in old and key not in new:
            raise SystemExit('pinned entry not in the table: %r' % (key,))
        pins[key] = int(r['pid'])
    registry = read_registry(os.path.join(out, 'pids.tsv'))
    # Registry keys are the older edition's keys where an entry has one.
    pid_of = assign_pids(old, old_order, new_only, pins, registry)
    for k, nk in old_to_new.items():
        pid_of[nk] = pid_of[k]
    if max(pid_of.values()) > MAX_PID:
        raise SystemExit('PIDs exceed %d: raise the bound' % MAX_PID)

    subst = {}
    for r in read_tsv(os.path.join(src, 'hazardous-substances-302.4.tsv')):
        if r['cas'] != 'NA':
            for form in substance_forms(r['name']):
                if r['cas'] not in subst.setdefault(form, []):
                    subst[form].append(r['cas'])
    italics = read_italics(os.path.join(src, 'hmt-italics.tsv'))
    erg = {}
    for r in read_tsv(os.path.join(src, 'erg-guides.tsv')):
        if r['id4']:
            erg.setdefault(r['id4'], []).append((r['name'], r['guide']))

    rows = []   # (pid, first, end, lines, edition)
    for k in old_order:
        if k in old_to_new:
            nk = old_to_new[k]
            if row_signature(old[k]) == row_signature(new[nk]):
                rows.append((pid_of[k], 0, 0, new[nk], '2026'))
            else:
                rows.append((pid_of[k], 0, SPLIT_RULESET, old[k], '2019'))
                rows.append((pid_of[k], SPLIT_RULESET, 0, new[nk], '2026'))
        else:
            rows.append((pid_of[k], 0, SPLIT_RULESET, old[k], '2019'))
    for k in new_only:
        rows.append((pid_of[k], SPLIT_RULESET, 0, new[k], '2026'))
    rows = [r for r in rows if r[3][0].hazclass not in HELD_OUT_CLASSES]
    rows.sort(key=lambda r: (r[3][0].id.encode(), r[0], r[1]))

    hdr = ['pid', 'first', 'end', 'id', 'class', 'symbols', 'name', 'names',
           'descriptions', 'flags', 'cas', 'erg', 'pg', 'labels',
           'special_provisions', 'exceptions', 'non_bulk', 'bulk',
           'passenger_limit', 'cargo_limit', 'vessel_stowage', 'vessel_other']
    with open(os.path.join(out, 'hmt.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('\t'.join(hdr) + '\n')
        for pid, first, end, lines, edition in rows:
            head = lines[0]
            spans = italics.get((edition, head.id, head.source_name))
            if spans is None and edition == '2019':
                # A 2019 row whose text differs slightly from the current
                # one: the current row's italic words, where all of them
                # are found in the 2019 text.
                cur = next((r[3][0] for r in rows if r[0] == pid and r[4] == '2026'), None)
                cur_spans = cur and italics.get(('2026', cur.id, cur.source_name))
                if cur_spans:
                    spans = align_fragments(head.source_name,
                                            [cur.source_name[a:b] for a, b in cur_spans])
            marked, names, descs = italic_form(head.source_name, spans)
            # CAS numbers: Table 302.4 substances named like one of the
            # roman names, compared without case, punctuation and plural
            # "s", with the table's state and form words left out.
            cas = []
            for n in names:
                for form in chemical_forms(n):
                    for c in subst.get(form, []):
                        if c not in cas:
                            cas.append(c)
            if record_size(marked, head, lines, names + descs, cas) > 576:
                # The few entries with many alternative names (PETN,
                # UN0150) keep their italic words unmarked in column 2.
                marked = head.text
                print('%s: italic markup left out to fit the stored record' % head.id)
            if record_size(marked, head, lines, names + descs, cas) > 576:
                # ... and, if need be, their descriptions, which column 2
                # then still shows in full.
                descs = ['' for _ in names]
                print('%s: descriptions left out to fit the stored record' % head.id)
            if record_size(marked, head, lines, names + descs, cas) > 576:
                raise SystemExit('%s %s does not fit a stored record' % (head.id, head.name))
            flags = property_flags(head.name, head.hazclass, lines)
            guide = erg_guide(erg, head.id, head.name, head.hazclass)
            for ln in lines:
                cells = [str(pid), str(first), str(end), ln.id, ln.hazclass,
                         ' '.join(ln.symbols.split()), marked, '|'.join(names),
                         '|'.join(descs), flags, ' '.join(cas), guide, ln.pg]
                cells += [','.join(c) for c in ln.slot_cells()]
                f.write('\t'.join(cells) + '\n')

    with open(os.path.join(out, 'pids.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('pid\tid\tname\tclass\tdi\n')
        keys = {}
        for k, pid in pid_of.items():
            keys.setdefault(pid, k)
        for pid in sorted(keys):
            k = keys[pid]
            f.write('%d\t%s\t%s\t%s\t%s\n' % (pid, k[0], k[1], k[2], k[3]))
    with open(os.path.join(out, 'forbidden.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('name\n')
        for n in sorted(forb_old | forb_new):
            f.write(n + '\n')
    print('entries: %d older, %d current, %d only current; rows %d; max PID %d'
          % (len(old_order), len(new_order), len(new_only), len(rows), max(pid_of.values())))


if __name__ == '__main__':
    main()
