#!/usr/bin/python3
"""The glossary names only code that exists: every name in a Code column of
docs/glossary.md must be a definition in src/ (as Universal Ctags reads it,
qualified names included), and every path it names must be there."""
import pathlib, re, subprocess, sys

root = pathlib.Path(__file__).resolve().parent.parent
glossary = (root / 'docs' / 'glossary.md').read_text(encoding='utf-8')
listing = subprocess.run(['ctags', '-R', '--languages=C++', '--extras=+q', '-x', '--_xformat=%N', 'src'],
                         cwd=root, capture_output=True, text=True, check=True).stdout
defined = set(listing.split())

missing = []
code_column = None
for line in glossary.splitlines():
    cells = [cell.strip() for cell in line.strip().strip('|').split('|')] if line.startswith('|') else None
    if cells is None:
        code_column = None
        for path in re.findall(r'`((?:src|tests|docs)/[\w./]+|\w+/\w+\.(?:cpp|h|py))`', line):
            if not (root / path).exists() and not (root / 'src' / path).exists():
                missing.append(path)
        continue
    if 'Code' in cells:
        code_column = cells.index('Code')
        continue
    if code_column is None or set(line) <= set('|- '):
        continue
    for name in re.findall(r'`([^`]+)`', cells[code_column]):
        if re.fullmatch(r'[\w:]+', name) and name not in defined:
            missing.append(name)

if missing:
    sys.exit('docs/glossary.md names code that does not exist: ' + ', '.join(missing))
print(f'glossary: every name of its Code columns is defined in src/ ({len(defined)} definitions read)')
