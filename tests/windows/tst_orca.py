#!/usr/bin/python3
"""What a real screen reader (Orca) speaks for the changes Zorvexa tells,
read from its debug log, where Orca writes every utterance even with no
speech synthesizer. Under openbox in Xvfb, with a session bus of its own:
ctest runs it in dbus-run-session.
    tst_orca.py <zorvexa>"""
import atexit, os, re, subprocess, sys, tempfile, time
from datetime import datetime

home = tempfile.TemporaryDirectory()
log = os.path.join(home.name, "orca.log")
started = []


def start(command, **options):
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **options)
    started.append(process)
    return process


def stop_all():
    for process in reversed(started):
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()


atexit.register(stop_all)
xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        stdout=subprocess.PIPE)
started.append(xvfb)
os.environ.pop("XAUTHORITY", None)
os.environ.update(DISPLAY=":" + xvfb.stdout.readline().decode().strip(), HOME=home.name,
                  XDG_CONFIG_HOME=os.path.join(home.name, "config"), XDG_DATA_HOME=os.path.join(home.name, "data"),
                  XDG_CACHE_HOME=os.path.join(home.name, "cache"), LANG="hu_HU.UTF-8", LC_ALL="hu_HU.UTF-8")
start(["openbox"])
orca = start(["orca", "--debug-file", log])
time.sleep(4)  # Orca listens before the calculator comes
calculator = start([sys.argv[1]], env=dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
time.sleep(4)

steps = []  # (name, start time, what must be spoken)


def press(*keys, expect=None, pause=1.2):
    if expect is not None:
        steps.append((" ".join(keys), datetime.now().strftime("%H:%M:%S.%f"), expect))
    for key in keys:
        subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(pause)


press("1", "F8", "0")
press("ctrl+Return", expect="Nullával nem lehet osztani!")
press("Escape")
press("ctrl+5", expect="5")
press("ctrl+p", expect="Memória: tárol értéket")
press("ctrl+l", expect="Memória: üres")
press("Escape", "7", "2", "Tab")
press("space", expect="727")
press("ctrl+3", expect="7273")


def open_view_menu():
    """Alt+N until the Nézet menu shows: a busy machine can lose the first."""
    def shown():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(calculator.pid)],
                               capture_output=True, text=True).stdout.split()
        return len(found)
    windows = shown()
    for _ in range(3):
        subprocess.run(["xdotool", "key", "alt+n"], check=True)
        for _ in range(20):
            time.sleep(0.25)
            if shown() > windows:
                return
    sys.exit(f"tst_orca: the Nézet menu did not open ({windows} windows of the calculator before, {shown()} after)")


open_view_menu()
press("b", pause=2)
press("ctrl+i", expect="Inverz be")
press("Escape", expect="Inverz ki")  # C: the display was empty already

orca.terminate()  # Orca writes the rest of its log as it ends
orca.wait(20)
spoken = []
with open(log, encoding="utf-8", errors="replace") as lines:
    for line in lines:
        if said := re.match(r"(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*?)'(?=\s*\{|\s*$| voice=)", line):
            spoken.append(said.groups())
problems = []
for i, (keys, begun, words) in enumerate(steps):
    ended = steps[i + 1][1] if i + 1 < len(steps) else "99"
    heard = [text for when, text in spoken if begun <= when < ended]
    print(f"{keys}: {heard}")
    if not any(words in text for text in heard):
        problems.append(f"{keys}: Orca did not speak '{words}'")
print("\n".join(problems) or "tst_orca: Orca spoke every change")
sys.exit(1 if problems else 0)
