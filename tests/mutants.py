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
    return subprocess.run(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          timeout=timeout).returncode == 0


def suite_passes():
    if not run('cmake', '--build', str(build), '-j2'):
        return None  # the fault does not build: no test could judge it
    driver = str(build / 'zorvexa-eventdriver')
    return (run('ctest', '-j2', '-E', 'eventdriver|commandline', cwd=build)
            and run(driver, '--seed', '1', '--events', '300000') and run(driver, '--seed', '2', '--windows', '1500'))


faults = []
for number, line in enumerate(listing.read_text(encoding='utf-8').splitlines(), 1):
    if line.strip() and not line.startswith('#'):
        path, before, after = (part.replace('\\n', '\n') for part in line.split('\t'))
        faults.append((number, path, before, after))

run('cmake', '-S', '.', '-B', str(build), '-DCMAKE_BUILD_TYPE=RelWithDebInfo')
if not suite_passes():
    sys.exit('mutants: the suite fails without any fault planted')

caught, outcome = collections.Counter(), collections.Counter()
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
        passes = suite_passes()
    finally:
        source.write_text(text, encoding='utf-8')
    verdict = 'does not build' if passes is None else 'let through' if passes else 'caught'
    outcome[verdict] += 1
    caught[(module, verdict)] += 1
    print(f'line {number}: {path}: {verdict}', flush=True)

run('cmake', '--build', str(build), '-j2')
modules = sorted({module for module, _ in caught})
print('\nby module (caught / planted):')
for module in modules:
    planted = caught[(module, 'caught')] + caught[(module, 'let through')]
    print(f'  {module:24} {caught[(module, "caught")]} / {planted}')
judged = outcome['caught'] + outcome['let through']
print(f'\n{outcome["caught"]} of {judged} faults caught ({100 * outcome["caught"] // max(judged, 1)} %); '
      f'{outcome["does not build"]} did not build, {outcome["not planted"]} not planted')
sys.exit(0 if judged and outcome['caught'] * 10 >= judged * 9 else 1)
