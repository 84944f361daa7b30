"""What the source checks (layers_check.py, globals_check.py) share: the
report of a check, a scratch copy with a fault planted, the command line."""
import contextlib
import os
import shutil
import subprocess
import sys
import tempfile


def report(found, summary, clean):
    """Prints each violation, then summary (or clean when there are none);
    the exit code."""
    for v in found:
        print(v)
    print(summary.format(len(found)) if found else clean)
    return 1 if found else 0


@contextlib.contextmanager
def planted_copy(root, files, target, plant):
    """A scratch copy of files (paths relative to root) in which target's text
    is replaced by plant(text)."""
    with tempfile.TemporaryDirectory() as scratch:
        for rel in files:
            copy = os.path.join(scratch, rel)
            os.makedirs(os.path.dirname(copy), exist_ok=True)
            shutil.copyfile(os.path.join(root, rel), copy)
        path = os.path.join(scratch, target)
        with open(path, encoding='utf-8') as f:
            text = f.read()
        with open(path, 'w', encoding='utf-8') as f:
            f.write(plant(text))
        yield scratch


def run(script, root):
    return subprocess.run([sys.executable, script, root], capture_output=True, text=True)


def planted_self_test(script, root, clean, files, cases):
    """Runs script on scratch copies of files (paths relative to root), each
    with one case planted: (name, target file, plant(text) -> text,
    right(run) -> bool). Nothing is planted unless the tree itself is clean.
    The exit code."""
    if not clean:
        print('the tree itself fails the check; fix it first')
        return 1
    failed = 0
    for name, target, plant, right in cases:
        with planted_copy(root, files, target, plant) as scratch:
            result = run(script, scratch)
        if right(result):
            print(f'right: {name}')
        else:
            print(f'wrong answer: {name}\n{result.stdout}')
            failed += 1
    return 1 if failed else 0


def main(check, self_test):
    """script [ROOT] checks the tree at ROOT (default: this one);
    script --self-test [ROOT] plants faults in scratch copies of it."""
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    args = sys.argv[1:]
    if args and args[0] == '--self-test':
        sys.exit(self_test(args[1] if len(args) > 1 else here))
    sys.exit(check(args[0] if args else here))
