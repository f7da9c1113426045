#!/usr/bin/python3
"""Every window centred on the screen, frame included, as a window manager
shows it: the real program started again and again under openbox in Xvfb, at
scale 1 and at scale 2 (QT_SCALE_FACTOR and the desktop's Xft.dpi), each
window's position read from the X server with its frame (_NET_FRAME_EXTENTS).
Some starts are driven further: a view switch, the solvers, the about box,
the settings and the help, each window checked as it comes and again as the
calculator comes back (moved away first, so a return has to centre it).
    tst_centring.py <zorvexa> [--starts N] [--drives N] [--scales 1,2,dpi]"""
import argparse, atexit, os, subprocess, sys, tempfile, time

SCREEN = (1280, 1024)
TOLERANCE = 2  # pixels: logical coordinates round at scale 2
SCALES = {
    "1": ({}, None),
    "2": ({"QT_SCALE_FACTOR": "2"}, None),
    "dpi": ({}, "Xft.dpi:\t192\n"),
}
STAND, EXTEND, INFOS = "Zorvexa - EGYSZERŰ", "Zorvexa - BŐVÍTETT", "Zorvexa - INFORMATIKAI"
QUADRATIC, LINEAR = "Másodfokú egyenlet-megoldás", "Egyenletrendszer-megoldás"
ABOUT, OPTIONS, HELP = "Névjegy", "Beállítások", "Zorvexa súgó"

# Openbox's own placement of a new window, every other start: in the middle
# of the free area (its default, which hides a window the program leaves
# alone), or at the top left (where such a window shows).
OPENBOX_RC = """<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <placement><policy>Smart</policy><center>%s</center></placement>
</openbox_config>
"""
rc = tempfile.NamedTemporaryFile("w", suffix=".xml", delete=False)
rc.close()
atexit.register(os.unlink, rc.name)


def run(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout.strip()


def place_new_windows(centred):
    with open(rc.name, "w") as file:
        file.write(OPENBOX_RC % ("yes" if centred else "no"))
    if os.environ.get("DISPLAY"):
        run("openbox", "--reconfigure")
        time.sleep(0.2)


def start_display():
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "%dx%dx24" % SCREEN, "-nolisten", "tcp"],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    atexit.register(lambda: (xvfb.terminate(), xvfb.wait()))
    os.environ["DISPLAY"] = ":" + xvfb.stdout.readline().decode().strip()
    os.environ.pop("XAUTHORITY", None)
    place_new_windows(False)
    openbox = subprocess.Popen(["openbox", "--sm-disable", "--config-file", rc.name], stderr=subprocess.DEVNULL)
    atexit.register(lambda: (openbox.terminate(), openbox.wait()))
    for _ in range(100):  # openbox announces itself on the root window
        if "_NET_SUPPORTING_WM_CHECK(WINDOW)" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"):
            return
        time.sleep(0.05)
    sys.exit("tst_centring: openbox did not start")


def set_desktop_dpi(resources):
    if resources:
        run("xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER", resources)
    else:
        run("xprop", "-root", "-remove", "RESOURCE_MANAGER")


def active():
    """The active window's id and title."""
    window = run("xdotool", "getactivewindow")
    return (window, run("xdotool", "getwindowname", window)) if window else (None, None)


def frame(window):
    """The window's outer rectangle (x, y, width, height), frame included."""
    info = run("xwininfo", "-id", window)
    values = dict(line.strip().split(": ", 1) for line in info.splitlines() if ": " in line)
    x, y = int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"])
    width, height = int(values["Width"]), int(values["Height"])
    extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS")
    if "=" not in extents:
        return None  # not framed yet
    left, right, top, bottom = (int(v) for v in extents.split("=")[1].split(","))
    return x - left, y - top, width + left + right, height + top + bottom


def off_centre(rect):
    """How far the rectangle is from the screen's centre, or None if centred."""
    x, y, width, height = rect
    dx, dy = x - (SCREEN[0] - width) // 2, y - (SCREEN[1] - height) // 2
    return None if abs(dx) <= TOLERANCE and abs(dy) <= TOLERANCE else (dx, dy)


def fits(rect):
    x, y, width, height = rect
    return x >= 0 and y >= 0 and x + width <= SCREEN[0] and y + height <= SCREEN[1]


def await_centred(title, appear=4.0, settle=3.0):
    """Waits for `title` to be the active window, then for it to be centred
    (three times in a row, so a window passing through the centre does not
    count); returns a problem or None."""
    deadline, seen, hits = time.time() + appear, None, 0
    while time.time() < deadline:
        window, name = active()
        if name != title:
            seen = name
            time.sleep(0.1)
            continue
        if deadline - time.time() > settle:
            deadline = time.time() + settle
        rect = seen = frame(window)
        hits = hits + 1 if rect and not off_centre(rect) else 0
        if hits == 3:
            return None if fits(rect) else f"{title}: frame {rect} larger than the screen"
        time.sleep(0.1)
    if not isinstance(seen, tuple):
        return f"{title}: never active ({seen!r} was)"
    return f"{title}: frame {seen}, off the centre by {off_centre(seen)}"


def keys(*names):
    run("xdotool", "key", "--delay", "80", *names)


def move_away():
    """Moves the active window to the top left, as a user would; returns a
    problem or None."""
    window, title = active()
    run("xdotool", "windowmove", window, "3", "3")
    for _ in range(30):
        rect = frame(window)
        if rect and off_centre(rect):
            return None
        time.sleep(0.1)
    return f"{title}: could not be moved away from the centre"


# A drive: keys, then the window that must come, active and centred;
# "move" first moves the active window away, so its return must centre it.
DRIVE = [
    (["alt+n", "b"], EXTEND),
    ("move", None), (["ctrl+shift+q"], QUADRATIC), (["Escape"], EXTEND),
    ("move", None), (["ctrl+shift+x"], LINEAR), (["Escape"], EXTEND),
    ("move", None), (["alt+s", "n"], ABOUT), (["Escape"], EXTEND),
    ("move", None), (["alt+n", "l"], OPTIONS), (["Escape"], EXTEND),
    (["alt+n", "i"], INFOS),
    (["alt+n", "e"], STAND),
    (["F1"], HELP), (["Escape"], STAND),
]


def one_start(program, env, drive):
    """Starts the program; returns its problems."""
    app = subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)
    problems = []
    try:
        problem = await_centred(STAND, appear=10.0)
        if problem:
            problems.append("start: " + problem)
        if drive and "never active" not in (problem or ""):
            for step, title in DRIVE:
                if step == "move":
                    problem = move_away()
                    if problem:
                        problems.append(problem)
                    continue
                keys(*step)
                problem = await_centred(title)
                if problem:
                    problems.append(f"after {'+'.join(step)}: {problem}")
                    if "never active" in problem:
                        break
        keys("ctrl+q")
        app.wait(10)
    except subprocess.TimeoutExpired:
        problems.append("Ctrl+Q did not end Zorvexa")
    finally:
        if app.poll() is None:
            app.kill()
            app.wait()
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--starts", type=int, default=10)
    parser.add_argument("--drives", type=int, default=2, help="how many of the starts are driven further")
    parser.add_argument("--scales", default="1,2,dpi")
    args = parser.parse_args()
    start_display()
    failed = False
    for scale in args.scales.split(","):
        variables, resources = SCALES[scale]
        set_desktop_dpi(resources)
        env = {k: v for k, v in os.environ.items() if not k.startswith("QT_")}
        env.update(QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8", **variables)
        bad = 0
        for i in range(args.starts):
            place_new_windows(i % 2 == 1)
            problems = one_start(args.program, env, i < args.drives)
            if problems:
                bad += 1
                print(f"scale {scale}, start {i + 1}: " + "; ".join(problems), flush=True)
        print(f"tst_centring: scale {scale}: {args.starts - bad} of {args.starts} starts with every window centred "
              f"({min(args.drives, args.starts)} driven through the switches, the solvers, the about box, "
              "the settings and the help)", flush=True)
        failed = failed or bad > 0
    sys.exit(1 if failed else 0)


main()
