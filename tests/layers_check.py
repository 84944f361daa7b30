#!/usr/bin/env python3
"""Checks every #include of the program's sources against the table of parts
in docs/architecture.md.

Each row of the table names a part (its folder, `model/`) and, in its column
"May include", the folders it may include from (`qt/`, ...) and whether Qt is
allowed (the word Qt). A quoted include must name a header of the part itself
or of a part its row allows; a part whose row does not allow Qt includes no
<Q...> header. Each violation is printed as file:line with the reason, and
the run fails.

    layers_check.py [ROOT]         check the tree at ROOT (default: this one)
    layers_check.py --self-test    plant violations in a scratch copy and
                                   check that each one is caught
"""
import os
import re
import sys

import source_check

SOURCE_SUFFIXES = ('.cpp', '.h')
SKIPPED_DIRS = {'node_modules'}


def read_table(root):
    """{part folder: (allowed folders, Qt allowed)} from the table of parts."""
    path = os.path.join(root, 'docs', 'architecture.md')
    with open(path, encoding='utf-8') as f:
        lines = f.read().splitlines()
    parts = {}
    header = None
    for line in lines:
        if not line.startswith('|'):
            if header is not None and parts:
                break
            continue
        cells = [c.strip() for c in line.strip().strip('|').split('|')]
        if header is None:
            if 'May include' in cells:
                header = cells
            continue
        if set(line) <= set('|-: '):
            continue
        part = re.fullmatch(r'`([\w-]+/)`', cells[0])
        if not part:
            continue
        allowed_cell = cells[header.index('May include')]
        allowed = set(re.findall(r'`([\w-]+/)`', allowed_cell))
        qt = re.search(r'\bQt\b', re.sub(r'`[^`]*`', '', allowed_cell)) is not None
        parts[part.group(1)] = (allowed, qt)
    if not parts:
        sys.exit(f'{path}: no table of parts with a column "May include"')
    return parts


def sources(root, part):
    for folder, dirs, files in os.walk(os.path.join(root, part)):
        dirs[:] = sorted(d for d in dirs if d not in SKIPPED_DIRS)
        for name in sorted(files):
            if name.endswith(SOURCE_SUFFIXES):
                yield os.path.join(folder, name)


def violations(root):
    parts = read_table(root)
    # Which part each header belongs to, by its name.
    owner = {}
    for part in parts:
        for path in sources(root, part):
            owner.setdefault(os.path.basename(path), set()).add(part)
    found = []
    include = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
    for part, (allowed, qt) in sorted(parts.items()):
        for path in sources(root, part):
            rel = os.path.relpath(path, root)
            with open(path, encoding='utf-8', errors='replace') as f:
                for number, line in enumerate(f, 1):
                    m = include.match(line)
                    if not m:
                        continue
                    kind, name = m.groups()
                    where = f'{rel}:{number}: #include {kind}{name}{">" if kind == "<" else kind}'
                    if kind == '<':
                        if not qt and re.match(r'Q[A-Za-z]', name):
                            found.append(f'{where}: {part} may not include Qt')
                        continue
                    if os.path.exists(os.path.join(os.path.dirname(path), name)):
                        continue  # beside the including file: its own part
                    homes = owner.get(os.path.basename(name))
                    if not homes:
                        found.append(f'{where}: no part of the table holds this header')
                    elif not homes & (allowed | {part}):
                        found.append(f'{where}: {part} may not include {"/".join(sorted(homes))}'
                                     f' (it may include {", ".join(sorted(allowed)) or "only itself"})')
    return found


def check(root):
    return source_check.report(violations(root), '{} include(s) against the table of parts in docs/architecture.md',
                               'every include keeps to the table of parts')


# Planted faults: (name, file, line added at the top, text the report must hold).
PLANTED = [
    ('output reaches a window', 'output/Printing.cpp', '#include "Mainunit.h"',
     'output/Printing.cpp:1: #include "Mainunit.h": output/ may not include views/'),
    ('the core includes Qt', 'model/NumberText.cpp', '#include <QString>', 'model/ may not include Qt'),
    ('the Qt adapters reach output', 'qt/Dialogs.cpp', '#include "Output.h"', 'qt/ may not include output/'),
    ('an unknown header', 'views/Unit3.cpp', '#include "Nowhere.h"', 'no part of the table holds'),
]


def self_test(root):
    files = [os.path.join('docs', 'architecture.md')]
    files += [os.path.relpath(path, root) for part in read_table(root) for path in sources(root, part)]
    cases = [(name, file, lambda text, line=line: line + '\n' + text,
              lambda run, expected=expected: run.returncode != 0 and expected in run.stdout)
             for name, file, line, expected in PLANTED]
    return source_check.planted_self_test(__file__, root, not violations(root), files, cases)

if __name__ == '__main__':
    source_check.main(check, self_test)
