#!/usr/bin/python3
"""Plants one-line faults in src/, one at a time, runs the fast suite (every
test but the sanitizer pass, the event driver with fixed seeds) and says
which faults it caught.

Two sets of faults: the hand list tests/mutants.txt, and a seeded random draw
of standard faults (an operator swapped, a condition negated, a constant
moved by one, a statement deleted, two arguments swapped, a default returned)
on lines drawn from src/ in proportion to their code. A drawn fault listed in
tests/mutants-equivalent.txt, with the reason it changes nothing a user can
see, is left out of the draw's count.

    tests/mutants.py                 both sets (make mutants)
    tests/mutants.py --draw 160 --seed 7 --no-list
    tests/mutants.py --list FILE --no-draw
    tests/mutants.py --part 2/3      the second of three shares, for three checkouts at once
    tests/mutants.py --files '^src/ui/'   the faults of some files only
    tests/mutants.py --show-draw     the drawn faults, without building
"""
import argparse, collections, os, pathlib, random, re, signal, subprocess, sys

root = pathlib.Path(__file__).resolve().parent.parent
build = root / 'build-mutants'
env = dict(os.environ, QT_QPA_PLATFORM='offscreen', LC_ALL='C.UTF-8')


def run(*command, cwd=root, timeout=900):
    try:
        result = subprocess.run(command, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                timeout=timeout, text=True)
    except subprocess.TimeoutExpired:  # a fault that hangs is caught too
        return False, ''
    return result.returncode == 0, result.stdout


# The start loop under a window manager takes a minute: it judges only the
# faults of the code it is there for.
SLOW = {'tst_centring': 'src/ui/centring.cpp'}


# Tests left out (--without): to see whether the others catch what they catch.
WITHOUT = set()


def failing_test(path=''):
    """The first test found failing, '' when none fails, None when the fault
    does not build. The quick tests go first, so most faults end early."""
    if not run('cmake', '--build', str(build), '-j2')[0]:
        return None
    slow = ''.join('|' + test for test, own in SLOW.items() if own != path or test in WITHOUT)
    slow += ''.join('|' + test for test in WITHOUT if test.startswith('tst_'))
    driver = str(build / 'zorvexa-eventdriver')
    if 'eventdriver' not in WITHOUT and not run(driver, '--seed', '1', '--events', '300000', timeout=300)[0]:
        return 'eventdriver rules'
    quick = '|'.join(test for test in ('tst_rules', 'tst_results', 'glossary', 'commandline_.*') if test not in WITHOUT)
    for selection in (['-R', f'^({quick})$'], ['-E', f'eventdriver|commandline|tst_rules|tst_results|glossary{slow}']):
        output = run('ctest', '-j2', '--stop-on-failure', '--timeout', '120', *selection, cwd=build)[1]
        if 'tests failed' in output and ' 0 tests failed' not in output:
            failed = re.findall(r'^\s*\d+ - (\S+) \(', output.split('The following tests FAILED:')[-1], re.M)
            return failed[0] if failed else 'ctest'
    return ''


def plant(path, before, after):
    """Plants the fault, judges it, puts the file back."""
    source = root / path
    text = source.read_text(encoding='utf-8')
    if text.count(before) != 1:
        return f'stands {text.count(before)} times'
    try:
        source.write_text(text.replace(before, after), encoding='utf-8')
        failed = failing_test(path)
    finally:
        source.write_text(text, encoding='utf-8')
    return 'does not build' if failed is None else f'caught by {failed}' if failed else 'let through'


def hand_list(listing):
    faults = []
    for number, line in enumerate(listing.read_text(encoding='utf-8').splitlines(), 1):
        if line.strip() and not line.startswith('#'):
            path, before, after = (part.replace('\\n', '\n') for part in line.split('\t'))
            faults.append((f'line {number}', path, before, after))
    return faults


# The standard one-line faults. Each rule gives the changes it can make to
# one line; binary operators stand between blanks in this code's format, so
# a template's brackets or a pointer's star are not taken for them.
SWAPS = [(' < ', ' <= '), (' <= ', ' < '), (' > ', ' >= '), (' >= ', ' > '), (' == ', ' != '), (' != ', ' == '),
         (' + ', ' - '), (' - ', ' + '), (' * ', ' / '), (' / ', ' * '), (' && ', ' || '), (' || ', ' && '),
         (' += ', ' -= '), (' -= ', ' += '), ('++', '--'), ('true', 'false'), ('false', 'true')]


def split_comment(line):
    """The code of a line and its trailing comment."""
    quoted = False
    for i, c in enumerate(line):
        if c == '"' and line[i - 1:i] != '\\':
            quoted = not quoted
        elif not quoted and line.startswith('//', i):
            return line[:i], line[i:]
    return line, ''


def simple(argument):
    """An argument that is an expression of one word: a name, a literal, a member."""
    return re.fullmatch(r'[\w.:>\-]+(\(\))?|"[^"]*"', argument.strip()) is not None


def changes(full_line, previous='', header=False):
    """Every (kind, faulty line) the standard faults make of one line;
    `previous` is the line of code before it."""
    line, comment = split_comment(full_line)
    if 'virtual ' in line or line.strip().startswith('static_assert'):
        return []
    out = [(kind, faulty + comment if faulty else faulty) for kind, faulty in code_changes(line)]
    # A statement that is the whole body of an if, else or loop cannot go
    # alone, nor a declaration of a header.
    before = split_comment(previous)[0].rstrip()
    if header or before.endswith(')') or before.endswith('else'):
        out = [(kind, faulty) for kind, faulty in out if kind != 'deletion']
    return out


def code_changes(line):
    out = []
    for old, new in SWAPS:
        for match in re.finditer(re.escape(old), line):
            if old in ('true', 'false') and not re.match(r'\b' + old + r'\b', line[match.start():]):
                continue
            if old == '++' and ('"' in line or line[match.start() - 1:match.start()] == '+'):
                continue
            kind = 'operator' if old.strip() not in ('true', 'false') else 'constant'
            out.append((kind, line[:match.start()] + new + line[match.end():]))
    # A condition negated.
    for match in re.finditer(r'\b(if|while) \(', line):
        depth, start = 0, match.end() - 1
        for end in range(start, len(line)):
            depth += {'(': 1, ')': -1}.get(line[end], 0)
            if depth == 0:
                out.append(('negation', line[:start + 1] + '!(' + line[start + 1:end] + ')' + line[end:]))
                break
    # A whole-number constant moved by one.
    for match in re.finditer(r'(?<![\w.\'"])(\d+)(?![\w.\'"])', line):
        if '"' in line[:match.start()] and line[:match.start()].count('"') % 2:
            continue  # inside a string
        value = int(match.group(1))
        for moved in (value + 1, value - 1):
            if moved >= 0:
                out.append(('constant', line[:match.start()] + str(moved) + line[match.end():]))
    # Two arguments swapped: a call of two simple arguments.
    for match in re.finditer(r'(\w\()([^(),]+), ([^(),]+)\)', line):
        if simple(match.group(2)) and simple(match.group(3)) and match.group(2).strip() != match.group(3).strip():
            out.append(('arguments', line[:match.start()] + match.group(1) + match.group(3) + ', ' + match.group(2) +
                        ')' + line[match.end():]))
    stripped = line.strip()
    # A default returned instead.
    match = re.match(r'(\s*)return (.+);$', line)
    if match and match.group(2) not in ('{}', 'true', 'false', 'nullptr', '0', 'QString()', 'std::nullopt', '*this'):
        out.append(('return', f'{match.group(1)}return {{}};'))
    # A statement deleted: a whole statement on its line, not a declaration.
    if (stripped.endswith(';') and not stripped.startswith(('return', 'case ', 'default', 'using ', 'static ', 'const ',
                                                               'constexpr ', 'class ', 'struct ', 'enum ', 'namespace'))
            and re.match(r'[\w:>\-.\[\]*()]+(\(|\s*[-+*/|&]?=\s| \+\+|\+\+|--)', stripped)
            and not re.match(r'[\w:<>,\s*&]+\s+[*&]?\w+\s*(=|;|\{|\()', stripped)):
        out.append(('deletion', ''))
    return out


def code_lines():
    """(path, number, text) of every line of code in src/: no blank lines,
    comments, preprocessor lines or lone braces."""
    lines = []
    for source in sorted((root / 'src').rglob('*')):
        if source.suffix not in ('.cpp', '.h'):
            continue
        path = str(source.relative_to(root))
        previous = ''
        for number, text in enumerate(source.read_text(encoding='utf-8').splitlines(), 1):
            bare = text.strip()
            if bare and not bare.startswith(('//', '#', '*', '/*')) and bare not in ('{', '}', '};', '});'):
                lines.append((path, number, text, previous))
                previous = text
    return lines


def draw(count, seed):
    """`count` faults on lines drawn at random, each line as likely as any
    other; a line is only as unique as its text in its file."""
    rng = random.Random(seed)
    lines = code_lines()
    texts = collections.Counter((path, text) for path, _, text, _ in lines)
    faults, seen = [], set()
    while len(faults) < count:
        path, number, text, previous = rng.choice(lines)
        if texts[(path, text)] != 1:
            continue  # the same text twice in the file: it could not be planted alone
        options = changes(text, previous, path.endswith('.h'))
        if not options:
            continue
        kind, faulty = rng.choice(options)
        if (path, text, faulty) in seen:
            continue
        seen.add((path, text, faulty))
        # Whole lines: the text between two line breaks, so a line is not
        # found again inside a longer one.
        faults.append((f'{path}:{number} {kind}', path, '\n' + text + '\n', '\n' + faulty + '\n' if faulty else '\n'))
    return faults


def equivalents():
    """(path, line, faulty line) -> reason, from tests/mutants-equivalent.txt."""
    listed = {}
    for line in (root / 'tests' / 'mutants-equivalent.txt').read_text(encoding='utf-8').splitlines():
        if line.strip() and not line.startswith('#'):
            path, before, after, reason = line.split('\t')
            listed[(path, before, after)] = reason
    return listed


def judge(name, faults, excused=None):
    outcome = collections.Counter()
    survivors = []
    for label, path, before, after in faults:
        key = (path, before.strip('\n'), after.strip('\n'))
        if excused is not None and key in excused:
            print(f'{label}: equivalent ({excused[key]})', flush=True)
            outcome['equivalent'] += 1
            continue
        verdict = plant(path, before, after)
        word = verdict.split(' ')[0] if verdict.startswith('caught') else verdict
        outcome['not planted' if verdict.startswith('stands') else word] += 1
        print(f'{label}: {verdict}', flush=True)
        if verdict == 'let through':
            survivors.append('\t'.join(key))
    judged = outcome['caught'] + outcome['let through']
    print(f'\n{name}: {outcome["caught"]} of {judged} faults caught ({100 * outcome["caught"] / max(judged, 1):.1f} %); '
          f'{outcome["does not build"]} did not build, {outcome["not planted"]} not planted, '
          f'{outcome["equivalent"]} equivalent\n', flush=True)
    for survivor in survivors:
        print('  let through:\t' + survivor)
    return outcome, judged


def main():
    # Stopped from outside, the planted fault still goes (the `finally` of plant).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit('mutants: stopped'))
    parser = argparse.ArgumentParser()
    parser.add_argument('--list', type=pathlib.Path, default=root / 'tests' / 'mutants.txt')
    parser.add_argument('--no-list', action='store_true')
    parser.add_argument('--draw', type=int, default=int(os.environ.get('MUTANTS_DRAW', '180')))
    parser.add_argument('--seed', type=int, default=int(os.environ.get('MUTANTS_SEED', '20261207')))
    parser.add_argument('--no-draw', action='store_true')
    parser.add_argument('--show-draw', action='store_true')
    parser.add_argument('--without', action='append', default=[], help='a test (or eventdriver) left out')
    parser.add_argument('--files', default='', help='only the faults in files whose path matches this expression')
    parser.add_argument('--part', default='1/1', help='K/N: every Nth fault from the Kth, for N checkouts side by side')
    args = parser.parse_args()
    WITHOUT.update(args.without)

    drawn = [] if args.no_draw else draw(args.draw, args.seed)
    listed = [] if args.no_list else hand_list(args.list)
    drawn = [fault for fault in drawn if re.search(args.files, fault[1])]
    listed = [fault for fault in listed if re.search(args.files, fault[1])]
    part, parts = (int(n) for n in args.part.split('/'))
    drawn, listed = drawn[part - 1::parts], listed[part - 1::parts]
    if args.show_draw:
        for label, path, before, after in drawn:
            print(f'{label}\n  - {before.strip()}\n  + {after.strip() or "(deleted)"}')
        return 0

    # Optimised, linked by gold, the layers as shared libraries that the tests
    # are not relinked against: a fault rebuilds its own library alone.
    run('cmake', '-S', '.', '-B', str(build), '-DCMAKE_BUILD_TYPE=Release', '-DZORVEXA_LIBRARY_TYPE=SHARED',
        '-DCMAKE_LINK_DEPENDS_NO_SHARED=ON', *(f'-DCMAKE_{kind}_LINKER_FLAGS=-fuse-ld=gold' for kind in ('EXE', 'SHARED')))
    if failing_test() != '':
        sys.exit('mutants: the suite fails without any fault planted')

    passed = True
    if listed:
        outcome, judged = judge('hand list', listed)
        passed &= judged > 0 and outcome['caught'] == judged and outcome['not planted'] == 0
    if drawn:
        print(f'random draw: {len(drawn)} faults, seed {args.seed}', flush=True)
        outcome, judged = judge('random draw', drawn, equivalents())
        passed &= judged > 0 and outcome['caught'] * 10 >= judged * 9
    run('cmake', '--build', str(build), '-j2')
    return 0 if passed else 1


if __name__ == '__main__':
    sys.exit(main())
