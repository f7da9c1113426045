#!/usr/bin/python3
"""The accessible tree over AT-SPI, window by window, opened from the keyboard:
names, roles, states, no decoration; what a screen reader is told of a change
it would not read out by itself (Orca speaks a notification that shows);
Ctrl+Q ends Zorvexa; then the in-process announcement check where Qt's bridge
is live. ctest runs it in dbus-run-session.
    tst_atspi.py <zorvexa> <tst_accessibility>"""
import atexit, os, subprocess, sys, time
import pyatspi
from gi.repository import GLib

xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        stdout=subprocess.PIPE)
atexit.register(lambda: (xvfb.terminate(), xvfb.wait()))
os.environ["DISPLAY"] = ":" + xvfb.stdout.readline().decode().strip()
os.environ.pop("XAUTHORITY", None)
ENV = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LC_ALL="C.UTF-8")
problems = []


def check(ok, what):
    if not ok:
        problems.append(what)


def pump(seconds):
    """Waits, handing the listeners their events meanwhile."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def wait(find, what):
    for _ in range(300):  # a minute: a loaded machine starts the bridge slowly
        try:
            if found := find():
                return found
        except Exception:  # an object can vanish while it is read
            pass
        pump(0.2)
    sys.exit(f"tst_atspi: never came: {what}; so far: {problems}")


heard = []  # the notifications shown, as a screen reader gets them


def shown(event):
    if event.detail1 and event.source.getRoleName() == "notification":
        heard.append(event.source.name)


pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing")


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def has(node, state):
    return node.getState().contains(state)


def window(title):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Zorvexa":
            return next((w for w in app if w is not None and w.name == title and has(w, pyatspi.STATE_SHOWING)), None)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "100", *names], check=True)
    pump(0.5)


def told(names, expected):
    """Presses the keys; checks what the notifications said meanwhile. One key
    at a time: a notification's words are read when its event is handled."""
    heard.clear()
    for name in names.split():
        keys(name)
    if len(heard) < len(expected):
        wait(lambda: len(heard) >= len(expected), f"told {expected} after {names}")
    pump(0.3)  # and nothing more
    check(heard == expected, f"{names}: told {heard}, not {expected}")


def audit(title, role, decorated=True):
    """Checks a window; returns it and its named objects by name."""
    w = wait(lambda: window(title), title)
    check(w.getRoleName() == role, f"{title}: a {w.getRoleName()}, not a {role}")
    pairs = set()
    for n in nodes(w):
        check(not decorated or n == w or n.getRoleName() != "frame", f"{title}: a decorative line in the tree")
        if has(n, pyatspi.STATE_FOCUSABLE) and has(n, pyatspi.STATE_SHOWING):
            check(n.name.strip(), f"{title}: a {n.getRoleName()} without a name")
            check((n.name, n.getRoleName()) not in pairs, f"{title}: two {n.getRoleName()}s '{n.name}'")
            pairs.add((n.name, n.getRoleName()))
    return w, {n.name: n for n in nodes(w) if n.name}


app = subprocess.Popen([sys.argv[1]], env=ENV)
stand, named = audit("Zorvexa - EGYSZERŰ", "frame")
words = {"Összeadás", "Kivonás", "Szorzás", "Osztás", "Egyenlő", "Törlés", "Előjelváltás", "Tizedespont",
         "Memóriába írás", "Memória kiolvasása", "Memória törlése"}
check(words <= named.keys(), f"standard keys not named: {sorted(words - named.keys())}")
memory = named.get("Memória")
check(memory and memory.description == "üres", "the memory indicator does not say it is empty")
display = named["Kijelző"]
# Keys pressed by their shortcuts echo nothing on their own: the value and the
# memory are told. Digits typed into the display Orca echoes itself.
told("ctrl+5", ["5"])
told("ctrl+p", ["Memória: tárol értéket"])
check(memory and memory.description == "tárol értéket", "memory lit")
told("ctrl+l", ["Memória: üres"])
told("Escape ctrl+1 F8 ctrl+0", ["Kijelző: üres", "1", "Kijelző: üres", "0"])  # "/" empties it
told("ctrl+Return", ["Nullával nem lehet osztani!"])
check(display.description == "Nullával nem lehet osztani!", "the lock told on the display")
usable = [n.name for n in nodes(stand) if n.getRoleName() == "push button" and has(n, pyatspi.STATE_SENSITIVE)]
check(usable == ["Törlés"], f"usable while locked: {usable}")
told("Escape 7 2", [])  # the refusal emptied the display
# Tab to the first key (7), Space: the keyboard goes back to the display with the new value.
told("Tab", [])
told("space", ["727"])
check(has(display, pyatspi.STATE_FOCUSED), "Space on a key: the keyboard not back on the display")
told("ctrl+3", ["7273"])
told("KP_Add 2", ["Kijelző: üres"])  # the keypad's + is the rules', typed digits are echoed
told("Return", ["7275"])
keys("Escape", "alt+n", "i")
_, named = audit("Zorvexa - INFORMATIKAI", "frame")
check({"Számjegy C", "Törlés", "16-os számrendszer"} <= named.keys(), "hexadecimal C, clear or base 16 not named")
keys("alt+n", "b")
_, named = audit("Zorvexa - BŐVÍTETT", "frame")
keys("Escape")
told("ctrl+9 ctrl+i", ["9", "Inverz be"])
check("Inverz" in named and has(named["Inverz"], pyatspi.STATE_CHECKED), "Inv does not tell it is on")
told("Escape", ["Kijelző: üres, Inverz ki"])  # C leaves Inv
keys("ctrl+shift+q")
audit("Másodfokú egyenlet-megoldás", "dialog")
keys("Escape", "ctrl+shift+x")
audit("Egyenletrendszer-megoldás", "dialog")
keys("Escape", "F1")
help, named = audit("Zorvexa súgó", "frame", decorated=False)
page = named.get("Súgóoldal")
check(page and page.getRoleName() == "document frame", f"the help page is a {page and page.getRoleName()}")
check(page and "magyar nyelvű asztali számológép" in page.queryText().getText(0, -1), "the help page's text")
check(page and has(page, pyatspi.STATE_MULTI_LINE) and has(page, pyatspi.STATE_READ_ONLY)
      and not has(page, pyatspi.STATE_EDITABLE), "the help page is no read-only document of many lines")
keys("ctrl+Tab")  # the search
arrows = sorted((n for n in nodes(help) if n.getRoleName() == "push button" and n.name.endswith("találati oldal")
                 and has(n, pyatspi.STATE_SHOWING)), key=lambda n: n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x)
pager = [n.name for n in arrows]
check(pager == ["Első találati oldal", "Előző találati oldal", "Következő találati oldal", "Utolsó találati oldal"],
      f"the result pages' arrows, left to right: {pager}")
words = next((n for n in nodes(help) if n.name == "Keresett szavak" and n.getRoleName() == "text"), None)
clear = [n.name for n in nodes(words) if n.getRoleName() == "push button"] if words else []
check(clear == ["Keresett szavak törlése"], f"the search words' clear key: {clear}")
keys("Escape")  # and with no window manager, the keyboard back by hand
subprocess.run(["xdotool", "search", "--name", "BŐVÍTETT", "windowfocus"], check=True)
keys("alt+s", "n")
_, named = audit("Névjegy", "dialog")
mail = named.get("E-Mail: zorvexa@example.org")
check(mail and has(mail, pyatspi.STATE_FOCUSABLE) and mail.getRoleName() == "push button", "mail link")
keys("Escape", "alt+n", "l")
audit("Beállítások", "dialog")
keys("Return", "ctrl+q")  # OK gives the calculator the keyboard again
try:
    check(app.wait(10) == 0, "Ctrl+Q: exit status")
except subprocess.TimeoutExpired:
    app.kill()
    check(False, "Ctrl+Q did not end Zorvexa")

run = subprocess.run([sys.argv[2], "changesAreAnnounced"], env=ENV, capture_output=True, text=True)
check(run.returncode == 0 and "PASS   : TestAccessibility::changesAreAnnounced(Inv)" in run.stdout,
      run.stdout[-1500:])
print("\n".join(problems) or "tst_atspi: every window passed")
sys.exit(1 if problems else 0)
