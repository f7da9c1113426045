#!/usr/bin/python3
"""Plants each one-line fault of tests/mutants.txt in turn, runs the fast
suite (every test but the sanitizer pass, the event driver with fixed seeds)
and says which faults it caught.  make mutants runs it; a list of its own
may follow: tests/mutants.py [LIST]."""
import collections, os, pathlib, subprocess, sys

root = pathlib.Path(__file__).resolve().parent.parent
build = root / 'build-mutants'
listing = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / 'tests' / 'mutants.txt'
env = dict(os.environ, QT_QPA_PLATFORM='offscreen', LC_ALL='C.UTF-8')


def run(*command, cwd=root, timeout=900):
    try:
        result = subprocess.run(command, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                timeout=timeout, text=True)
    except subprocess.TimeoutExpired:  # a fault that hangs is caught too
        return False, ''
    return result.returncode == 0, result.stdout


# The start loop under a window manager takes a minute: it judges only the
# faults in the placement code.
PLACEMENT = 'src/ui/centring.cpp'


def failing_tests(path=PLACEMENT):
    """The tests that fail, or None when the fault does not build."""
    if not run('cmake', '--build', str(build), '-j2')[0]:
        return None  # the fault does not build: no test could judge it
    failed = set()
    left_out = 'eventdriver|commandline' + ('' if path == PLACEMENT else '|tst_centring')
    output = run('ctest', '-j2', '-E', left_out, cwd=build)[1]
    # ctest ends with "The following tests FAILED:" and lines "  12 - tst_rules (Failed)".
    for line in output.split('The following tests FAILED:')[-1].splitlines() if 'FAILED' in output else []:
        if ' - ' in line:
            failed.add(line.split(' - ', 1)[1].rsplit(' (', 1)[0].strip())
    driver = str(build / 'zorvexa-eventdriver')
    if not run(driver, '--seed', '1', '--events', '300000')[0]:
        failed.add('eventdriver rules')
    if not run(driver, '--seed', '2', '--windows', '1500')[0]:
        failed.add('eventdriver windows')
    return failed


faults = []
for number, line in enumerate(listing.read_text(encoding='utf-8').splitlines(), 1):
    if line.strip() and not line.startswith('#'):
        path, before, after = (part.replace('\\n', '\n') for part in line.split('\t'))
        faults.append((number, path, before, after))

# Optimised, linked by gold, the layers as shared libraries that the tests
# are not relinked against: a fault rebuilds its own library alone.
run('cmake', '-S', '.', '-B', str(build), '-DCMAKE_BUILD_TYPE=Release', '-DZORVEXA_LIBRARY_TYPE=SHARED',
    '-DCMAKE_LINK_DEPENDS_NO_SHARED=ON', *(f'-DCMAKE_{kind}_LINKER_FLAGS=-fuse-ld=gold' for kind in ('EXE', 'SHARED')))
if failing_tests() != set():
    sys.exit('mutants: the suite fails without any fault planted')

caught, outcome, only = collections.Counter(), collections.Counter(), collections.Counter()
for number, path, before, after in faults:
    source = root / path
    text = source.read_text(encoding='utf-8')
    module = pathlib.Path(path).stem
    if text.count(before) != 1:
        print(f'line {number}: "{before}" stands {text.count(before)} times in {path}: not planted')
        outcome['not planted'] += 1
        continue
    try:
        source.write_text(text.replace(before, after), encoding='utf-8')
        failed = failing_tests(path)
    finally:
        source.write_text(text, encoding='utf-8')
    verdict = 'does not build' if failed is None else 'caught' if failed else 'let through'
    outcome[verdict] += 1
    caught[(module, verdict)] += 1
    if failed and len(failed) == 1:
        only[next(iter(failed))] += 1
    print(f'line {number}: {path}: {verdict} {sorted(failed or [])}', flush=True)

run('cmake', '--build', str(build), '-j2')
modules = sorted({module for module, _ in caught})
print('\nby module (caught / planted):')
for module in modules:
    planted = caught[(module, 'caught')] + caught[(module, 'let through')]
    print(f'  {module:24} {caught[(module, "caught")]} / {planted}')
print('\nfaults caught by one test alone:', dict(only))
judged = outcome['caught'] + outcome['let through']
print(f'\n{outcome["caught"]} of {judged} faults caught ({100 * outcome["caught"] // max(judged, 1)} %); '
      f'{outcome["does not build"]} did not build, {outcome["not planted"]} not planted')
sys.exit(0 if judged and outcome['caught'] * 10 >= judged * 9 else 1)
