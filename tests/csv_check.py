#!/usr/bin/env python3
"""Reads every CSV file the program saved as a Danish spreadsheet would
(";" between fields, decimal comma, UTF-8 with a byte-order mark, CRLF) and
checks its figures against the table saved beside it as text (NAME.csv and
NAME.txt, the text being the table's lines as printed).

    csv_check.py FOLDER     exit 0 when every pair agrees, else 1 with the faults
"""
import csv
import io
import pathlib
import re
import sys

NUMBER = re.compile(r'^-?\d+(,\d+)?$')


def danish(field):
    """A figure as a Danish spreadsheet reads it; None for text."""
    return float(field.replace(',', '.')) if NUMBER.match(field) else None


def read_csv(path, faults):
    raw = path.read_bytes()
    if not raw.startswith(b'\xef\xbb\xbf'):
        faults.append('no byte-order mark')
    lines = raw[3:].split(b'\r\n')
    if lines[-1] != b'' or any(b'\n' in line for line in lines):
        faults.append('a row not ended by CRLF')
    rows = list(csv.reader(io.StringIO(raw.decode('utf-8-sig'), newline=''), delimiter=';'))
    if len({len(r) for r in rows}) != 1:
        faults.append('rows of %s fields' % sorted({len(r) for r in rows}))
    for r in rows:
        for f in r:
            if re.match(r'^-?\d+\.\d+$', f):
                faults.append('a decimal point in %r' % f)
    return rows


def numbers(text):
    return [float(x) for x in re.findall(r'\d+(?:\.\d+)?', text)]


def check_groups(rows, lines, faults):
    """A projection or census: the groups and the "I alt" row as the table shows them."""
    table = {}
    for line in lines:
        m = re.match(r'^\s*(\d+)-\s*(\d+):\s*(\d+)\s+(\d+)', line)
        if m:
            table[int(m.group(1))] = (float(m.group(3)), float(m.group(4)))
        m = re.match(r'^I alt:\s*(\d+)\s+(\d+) =\s*(\d+) indb\.', line)
        if m:
            table['I alt'] = tuple(float(x) for x in m.groups())
    start = [r[0] for r in rows].index('Aldersgruppe') + 1
    seen = 0
    for r in rows[start:]:
        if r[0] == 'I alt':
            if tuple(danish(f) for f in r[1:4]) != table.get('I alt'):
                faults.append('I alt %s against %s' % (r, table.get('I alt')))
            seen += 1
            continue
        low = int(r[0].split('-')[0])
        men, women, both = (danish(f) for f in r[1:4])
        if (men, women) != table.get(low) or both != men + women:
            faults.append('group %s against %s' % (r, table.get(low)))
        seen += 1
    if seen != len(table) or rows[-1][0] != 'I alt':
        faults.append('%d rows for %d table lines, the last %s' % (seen, len(table), rows[-1]))
    text = '\n'.join(lines)
    inputs = {r[0]: r[1] for r in rows[:start]}
    for label, pattern in [('Basisår', r'Basisår: (\d+)'), ('Prognose for året', r'for året (\d+)'),
                           ('Børnetal pr. familie', r'familie:\s*(\d+\.\d+)'),
                           ('Pensionsalder (år)', r'Pensionsalder:\s*(\d+)'),
                           ('Folketælling år', r'Folketælling år: (\d+)')]:
        m = re.search(pattern, text)
        if (label in inputs) != bool(m) or (m and danish(inputs[label]) != float(m.group(1))):
            faults.append('%s: %s against %s' % (label, inputs.get(label), m and m.group(1)))


def check_year_lines(rows, lines, faults):
    """A historical table: each line that starts with a year is a row."""
    want = []
    for line in lines:
        words = re.sub(r'[():]', ' ', line).split()
        if words and re.match(r'^\d{4}', words[0]):
            want.append(words)
    got = [[f for f in r if f] for r in rows[1:]]
    for w, g in zip(want, got):
        if w[0] != g[0] or [float(x) for x in w[1:]] != [danish(x) for x in g[1:]]:
            faults.append('%s against %s' % (g, w))
    if len(want) != len(got):
        faults.append('%d rows for %d year lines' % (len(got), len(want)))


def check_lifetime(rows, lines, faults):
    """Every age and chance of the grid, the medians and the outlive chance."""
    two = rows[0][1] == 'A'
    text = '\n'.join(lines)
    table = set()
    if two:
        for m in re.finditer(r'\*? *(\d+) +\*? *(\d+) +(\d+\.\d)% +(\d+\.\d)%', text):
            table.add((int(m.group(1)), int(m.group(2)), float(m.group(3)), float(m.group(4))))
        start = [r[0] for r in rows].index('År frem') + 1
        got = {(int(r[1]), int(r[3]), danish(r[2]), danish(r[4])) for r in rows[start:] if r[1] and r[3]}
        medians = re.findall(r'Medianlevetid: (\d+) år', text)
        if [r for r in rows if r[0] == 'Medianlevetid (år)'][0][1:3] != medians:
            faults.append('medians against %s' % medians)
        outlive = re.search(r'overlever B :\s*(\d+\.\d) %', text)
        if danish([r for r in rows if r[0].startswith('Chance for at A')][0][1]) != float(outlive.group(1)):
            faults.append('outlive chance against %s' % outlive.group(1))
    else:
        for m in re.finditer(r'\*? *(\d+) +(\d+\.\d)%', text):
            table.add((int(m.group(1)), float(m.group(2))))
        start = [r[0] for r in rows].index('Alder') + 1
        got = {(int(r[0]), danish(r[1])) for r in rows[start:]}
        median = re.search(r'Medianlevetid: (\d+) år', text).group(1)
        if [r for r in rows if r[0] == 'Medianlevetid (år)'][0][1] != median:
            faults.append('median against %s' % median)
    if not table or not got <= table:
        faults.append('rows not in the table: %s' % sorted(got - table)[:5])


def check(folder):
    all_faults = []
    files = sorted(pathlib.Path(folder).glob('*.csv'))
    for path in files:
        faults = []
        rows = read_csv(path, faults)
        lines = path.with_suffix('.txt').read_text(encoding='utf-8').splitlines()
        first = rows[0][0]
        if first in ('Basisår', 'Folketælling år'):
            check_groups(rows, lines, faults)
        elif first in ('Periode', 'År'):
            check_year_lines(rows, lines, faults)
        elif first in ('Køn', ''):
            check_lifetime(rows, lines, faults)
        else:
            faults.append('an unknown table starting %r' % first)
        all_faults += ['%s: %s' % (path.name, f) for f in faults]
    if not files:
        all_faults.append('no CSV file in ' + str(folder))
    return all_faults


if __name__ == '__main__':
    faults = check(sys.argv[1])
    for fault in faults:
        print(fault)
    print('%d CSV files checked' % len(list(pathlib.Path(sys.argv[1]).glob('*.csv'))))
    sys.exit(1 if faults else 0)
