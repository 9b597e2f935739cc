#!/usr/bin/env python3
"""Checks that every include under src/ keeps to the layer order of src/layers.txt.

A file may include files of its own folder and of the folders on lower lines; an include that
runs upward, or across to a folder on the same line, fails the check, naming the file, the line
and the include. Since every include then leads strictly downward or stays in its folder, no two
folders can depend on each other, directly or through others.

Usage: check-layers.py [SRC]   (SRC defaults to the src/ beside this script's folder)
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def read_layers(path):
    levels = {}
    for level, line in enumerate(l for l in path.read_text().splitlines()
                                 if l.strip() and not l.lstrip().startswith('#')):
        for folder in line.split():
            levels[folder] = level
    return levels


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1
                       else pathlib.Path(__file__).resolve().parent.parent / 'src')
    layers_file = src / 'layers.txt'
    levels = read_layers(layers_file)
    shown = f'{src.name}/layers.txt'  # as the messages name it
    faults = []
    for path in sorted(src.rglob('*')):
        if path.suffix not in ('.h', '.cpp'):
            continue
        name = path.relative_to(src)
        folder = name.parent.as_posix()
        if folder not in levels:
            faults.append(f'{shown}: src/{folder}/ holds {name.name} but has no line')
            continue
        for number, text in enumerate(path.read_text(errors='replace').splitlines(), 1):
            match = INCLUDE.match(text)
            if not match:
                continue
            included = match.group(1)
            beside = (path.parent / included).resolve()  # a path relative to the including file
            if beside.is_file() and beside.is_relative_to(src.resolve()):
                target = beside.relative_to(src.resolve())
            elif (src / included).is_file():
                target = pathlib.PurePosixPath(included)
            else:
                continue  # not one of ours
            to = target.parent.as_posix()
            if to == folder:
                continue
            where = f'{shown}: src/{name}:{number} includes "{included}"'
            if to not in levels:
                faults.append(f'{where}, from src/{to}/, which has no line')
            elif levels[to] > levels[folder]:
                faults.append(f'{where}: {folder} may not include {to}, which lies above it')
            elif levels[to] == levels[folder]:
                faults.append(f'{where}: {folder} and {to} sit side by side and include none of '
                              'each other')
    for fault in faults:
        print(fault, file=sys.stderr)
    if faults:
        print(f'{len(faults)} place(s) against the layer order of {shown}', file=sys.stderr)
        return 1
    print(f'every include keeps to the {len(set(levels.values()))} layers of {shown}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
