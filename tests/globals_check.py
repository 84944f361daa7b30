#!/usr/bin/env python3
"""Checks that every global of the program is put back by the reset the tests
run before each test (ResetCoreGlobals in model/CoreGlobals.cpp,
ResetViewGlobals in views/ViewGlobals.cpp), so that a global added later
cannot be forgotten.

A global is a variable defined at file scope, or a static one inside a
function, in a source of model/, qt/, output/ or views/. It passes when
- it is const, a reference (a name for a member of CoreGlobals or
  ViewGlobals, which are reset whole) or a pointer to a window (T...*);
- its name is used in a reset function's body; or
- its line or the comment lines just above it say "reset by F" with F called
  in a reset function's body, or "kept for the whole run".

    globals_check.py [ROOT]          check the tree at ROOT
    globals_check.py --self-test     plant globals in a scratch copy
"""
import os
import re
import sys

import source_check

PARTS = ('model', 'qt', 'output', 'views')
RESETS = (('model/CoreGlobals.cpp', 'ResetCoreGlobals'), ('views/ViewGlobals.cpp', 'ResetViewGlobals'))

SKIP = re.compile(r'(const|constexpr|using|typedef|extern|return|namespace|struct|class|enum|template|'
                  r'static\s+const|static\s+constexpr|inline\s+constexpr|friend|public|private|protected)\b')
FILE_SCOPE = re.compile(r'^(?:static\s+)?[A-Za-z_][\w:<>,\s\*&]*?[\w>\*&]\s*?(\**\w+)\s*(?:\[[^\]]*\])?\s*'
                        r'(?:=.*|\{.*\})?;\s*(?://.*)?$')
IN_FUNCTION = re.compile(r'^\s+static\s+(?!const\b|constexpr\b)[\w:<>,\s\*&]*?[\w>\*&]\s*?(\**\w+)\s*'
                         r'(?:\[[^\]]*\])?\s*(?:=.*|\{.*\})?;\s*(?://.*)?$')


def reset_tokens(root):
    tokens = set()
    for file, name in RESETS:
        with open(os.path.join(root, file), encoding='utf-8') as f:
            text = f.read()
        m = re.search(r'^void ' + name + r'\(\) \{\n(.*?)^\}', text, re.S | re.M)
        if not m:
            sys.exit(f'{file}: no function {name}')
        tokens |= set(re.findall(r'\b\w+\b', m.group(1)))
    return tokens


def comment_above(lines, index):
    """The line and the comments of its paragraph above it: a comment may
    speak for a block of globals."""
    notes = [lines[index]]
    i = index - 1
    while i >= 0 and lines[i].strip() and not lines[i].rstrip().endswith(('{', '}')):
        if lines[i].strip().startswith('//'):
            notes.append(lines[i].strip()[2:])
        i -= 1
    return ' '.join(reversed(notes)).lower()


def violations(root):
    tokens = reset_tokens(root)
    lowered = {t.lower() for t in tokens}
    found = []
    for part in PARTS:
        folder = os.path.join(root, part)
        for name in sorted(os.listdir(folder)):
            if not name.endswith('.cpp'):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding='utf-8') as f:
                lines = f.read().splitlines()
            for index, line in enumerate(lines):
                stripped = line.strip()
                m = IN_FUNCTION.match(line) if line[:1].isspace() else FILE_SCOPE.match(line)
                if not m or '(' in line.split('=')[0] or SKIP.match(stripped.removeprefix('static ')):
                    continue
                declarator = line.split('=')[0]
                variable = m.group(1).lstrip('*')
                if '&' in declarator or re.match(r'\s*T\w+\s*\*', declarator):
                    continue
                if variable in tokens:
                    continue
                notes = comment_above(lines, index)
                by = re.search(r'reset by\s+(\w+)', notes)
                if 'kept for the whole run' in notes or (by and by.group(1) in lowered):
                    continue
                found.append(f'{part}/{name}:{index + 1}: {variable}: a global that neither ResetCoreGlobals nor '
                             f'ResetViewGlobals puts back (reset it there, or say "kept for the whole run")')
    return found


def check(root):
    return source_check.report(violations(root), '{} global(s) not reset',
                               'every global is reset before each test or kept for the whole run on purpose')


# Planted globals: (name, file, text added after the includes, must be caught).
PLANTED = [
    ('a new core counter', 'model/Lys_erkl.cpp', 'int32_t NewCounter = 0;', True),
    ('a remembered choice in a function', 'views/SaveView.cpp',
     'void Remember() {\n    static QString lastChoice;\n    lastChoice = "x";\n}', True),
    ('a file-local list', 'output/SaveFile.cpp', 'namespace {\nstd::vector<int> Seen;\n}', True),
    ('a constant', 'model/Lys_erkl.cpp', 'const int32_t Fixed = 3;', False),
    ('a global kept on purpose', 'model/Lys_erkl.cpp', '// kept for the whole run: a cache\nint32_t Cache = 0;', False),
]


def self_test(root):
    files = [os.path.join(part, name) for part in PARTS for name in sorted(os.listdir(os.path.join(root, part)))
             if name.endswith(('.cpp', '.h'))]
    cases = [(name, file, lambda source, text=text: _after_includes(source, text),
              lambda run, caught=caught: (run.returncode != 0) == caught)
             for name, file, text, caught in PLANTED]
    return source_check.planted_self_test(__file__, root, not violations(root), files, cases)


def _after_includes(source, text):
    """text put after the includes, where a global would go."""
    lines = source.split('\n')
    last_include = max(i for i, line in enumerate(lines) if line.startswith('#include'))
    lines.insert(last_include + 1, '\n' + text + '\n')
    return '\n'.join(lines)


if __name__ == '__main__':
    source_check.main(check, self_test)
