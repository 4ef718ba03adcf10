#!/usr/bin/python3
"""Drives the real program on a virtual X display (Xvfb) with real key presses.

  xsession.py demo PROGRAM OUTDIR [SCALE]
        scan, draw the graph, save screenshots of both windows; with SCALE (1.5, 2, ...) on a
        screen scaled by that factor
  xsession.py check PROGRAM SCAN_TOOL
        the same, then check pixels of the chart, that Ctrl+C puts it on the clipboard, that
        the chart on screens scaled by 1.5 and 2 is the scan tool's picture at that scale, and
        that the program ends with 0 when its main window closes

Every wait is on a condition (a window mapped, the focus, a pixel, the exit), bounded in time.
When a check fails, the last lines the program wrote to its error output are shown with it.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image
from Xlib import X, display as xdisplay, protocol

MAIN_TITLE = " Häufigkeit von Primzahlen"
GRAPH_TITLE = " Graphische Darstellung und Tabelle"
# Where the picture lies in the graph window's client area.
PICTURE_LEFT, PICTURE_TOP = 16, 8
NAVY = (0, 0, 128)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
# How many of the last lines of the program's error output a failure shows.
ERROR_LINES = 40
# The end of the error output of every program started so far, as (what, lines): kept past the
# session, whose folder goes when it ends, for the failure message.
error_outputs = []


class Failure(Exception):
    pass


def wait_for(what, condition, timeout=20.0):
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.02)


class Session:
    def __init__(self, program, scale=None):
        self.program = program
        self.scale = scale
        self.tmp = tempfile.mkdtemp(prefix="primzeilen-x-")
        self.xvfb = None
        self.app = None
        self.env = None
        self.stderr = None

    def __enter__(self):
        # -displayfd lets Xvfb pick a free display and tell us once it accepts clients.
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             "2560x1600x24" if self.scale else "1280x1024x24",
             "-noreset", "-dpi", "96", "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number, QT_QPA_PLATFORM="xcb",
                        QT_ENABLE_HIGHDPI_SCALING="0", XDG_RUNTIME_DIR=self.tmp)
        self.env.pop("QT_SCALE_FACTOR", None)
        if self.scale:
            self.env["QT_SCALE_FACTOR"] = str(self.scale)
            self.env.pop("QT_ENABLE_HIGHDPI_SCALING")
        self.x = xdisplay.Display(self.env["DISPLAY"])
        return self

    def __exit__(self, *exc):
        if self.app and self.app.poll() is None:
            self.app.kill()
            self.app.wait()
        if self.stderr:
            self.stderr.close()
            with open(self.stderr.name, encoding="utf-8", errors="replace") as text:
                lines = text.read().splitlines()
            what = "the program" + (" at scale %s" % self.scale if self.scale else "")
            error_outputs.append((what, lines[-ERROR_LINES:]))
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()
        shutil.rmtree(self.tmp, ignore_errors=True)

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True,
                              capture_output=True, text=True).stdout.strip()

    def start(self):
        started = time.monotonic()
        # To a file, not a pipe: nobody reads it while the program runs, and a full pipe would
        # stop the program.
        self.stderr = open(os.path.join(self.tmp, "stderr.txt"), "wb")
        self.app = subprocess.Popen([self.program], env=self.env, stdout=subprocess.DEVNULL,
                                    stderr=self.stderr)
        self.main = self.window(MAIN_TITLE)
        self.graph = self.window(GRAPH_TITLE)
        return time.monotonic() - started

    def window(self, title):
        def find():
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"],
                                   env=self.env, capture_output=True, text=True).stdout.split()
            return found[0] if found else None
        return wait_for("the window " + title.strip(), find)

    def focus(self, window):
        # Without a window manager windowactivate fails; raising and focusing works.
        self.xdotool("windowraise", window)
        self.xdotool("windowfocus", "--sync", window)
        wait_for("the focus", lambda: self.xdotool("getwindowfocus") == window)

    def key(self, window, *keys):
        self.focus(window)
        self.xdotool("key", "--clearmodifiers", *keys)

    def screenshot(self, window, path):
        # A covered window gives garbage: raise it first.
        self.xdotool("windowraise", window)
        self.x.sync()
        subprocess.run(["import", "-window", window, path], env=self.env, check=True,
                       capture_output=True)
        return Image.open(path).convert("RGB")

    def picture(self, path):
        """The picture as the screen shows it, in device pixels."""
        shot = self.screenshot(self.graph, path)
        s = float(self.scale or 1)
        left, top = int(PICTURE_LEFT * s), int(PICTURE_TOP * s)
        return shot.crop((left, top, min(shot.width, left + int(769 * s + 0.5)),
                          min(shot.height, top + int(377 * s + 0.5))))

    def at(self, x):
        """The first device pixel of a logical one."""
        return int(x * float(self.scale or 1))

    def clipboard(self, target, binary=False):
        result = subprocess.run(["xclip", "-selection", "clipboard", "-t", target, "-o"],
                                env=self.env, capture_output=True)
        if result.returncode != 0:
            return b"" if binary else ""
        return result.stdout if binary else result.stdout.decode()

    def close(self, window):
        """Asks the window to close, as its close box does."""
        target = self.x.create_resource_object("window", int(window))
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=target, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        target.send_event(event, event_mask=X.NoEventMask)
        self.x.sync()

    def exit_code(self, timeout=10.0):
        return wait_for("the program to end", lambda: self.app.poll() is not None and [self.app.returncode],
                        timeout)[0]


def print_error_outputs():
    """What the programs started so far wrote to their error output, the last lines of each."""
    for what, lines in error_outputs:
        if not lines:
            print("%s wrote nothing to its error output" % what)
            continue
        print("last %d lines of the error output of %s:" % (len(lines), what))
        for line in lines:
            print("  " + line)


def same_pixels(expected, shown):
    """Whether the shown picture has the expected pixels, where both reach (a screen scaled by
    1.5 may round the last half pixel of the picture away)."""
    expected = expected.convert("RGB")
    shown = shown.convert("RGB")
    width, height = min(expected.width, shown.width), min(expected.height, shown.height)
    if abs(expected.width - shown.width) > 1 or abs(expected.height - shown.height) > 1:
        return False
    box = (0, 0, width, height)
    return expected.crop(box).tobytes() == shown.crop(box).tobytes()


def scan_and_draw(session, workdir):
    """The start-up scan with Enter, then the graph with Alt+G, until the chart is on screen."""
    session.key(session.main, "Return")
    session.key(session.main, "alt+g")
    shot = os.path.join(workdir, "graph.png")
    # The axes end at x 729 on line 329 of the picture; they are there once the graph is drawn.
    wait_for("the chart",
             lambda: session.picture(shot).getpixel((session.at(729), session.at(329))) == BLACK)
    return shot


def demo(program, outdir, scale=None):
    os.makedirs(outdir, exist_ok=True)
    with Session(program, scale) as session:
        session.start()
        scan_and_draw(session, session.tmp)
        paths = [os.path.join(outdir, "hauptfenster.png"), os.path.join(outdir, "graphfenster.png")]
        session.screenshot(session.main, paths[0])
        session.screenshot(session.graph, paths[1])
        session.key(session.main, "alt+s")
        code = session.exit_code()
    for path in paths:
        print(path)
    return code


def check(program, scan_tool):
    failures = []

    def expect(what, actual, expected):
        if actual != expected:
            failures.append("%s: expected %s, got %s" % (what, expected, actual))

    with Session(program) as session:
        startup = session.start()
        print("start-up until both windows are shown: %.0f ms" % (startup * 1000))
        wait_for("the main window to have the focus",
                 lambda: session.xdotool("getwindowfocus") == session.main)
        shot = scan_and_draw(session, session.tmp)
        picture = session.picture(shot)
        expect("picture size", picture.size, (769, 377))
        for x in (400, 700, 729):  # left of 66 the tops of empty bars lie on the axis
            expect("x axis at (%d, 329)" % x, picture.getpixel((x, 329)), BLACK)
        for y in (20, 200, 347):
            expect("y axis at (48, %d)" % y, picture.getpixel((48, y)), BLACK)
        for point in ((721, 326), (721, 332), (51, 28), (45, 28)):
            expect("arrow head at %s" % (point,), picture.getpixel(point), BLACK)
        for y in (259, 189, 119, 49):
            expect("y tick at (45, %d)" % y, picture.getpixel((45, y)), BLACK)
        # h(9) = 0.1944 of the start-up scan: a navy stick from the axis up to y 193.
        expect("stick of h(9) at its top", picture.getpixel((363, 193)), NAVY)
        expect("stick of h(9) half way", picture.getpixel((363, 260)), NAVY)
        expect("above the stick of h(9)", picture.getpixel((363, 192)), WHITE)
        expect("the picture's frame", picture.getpixel((0, 0)), BLACK)
        # Ctrl+C in the graph window: the picture on the clipboard, as PNG and as SVG.
        session.key(session.graph, "ctrl+c")
        targets = wait_for("the clipboard", lambda: session.clipboard("TARGETS").split())
        for target in ("image/png", "image/svg+xml"):
            expect("clipboard offers " + target, target in targets, True)
        copied = os.path.join(session.tmp, "copied.png")
        with open(copied, "wb") as out:
            out.write(session.clipboard("image/png", binary=True))
        expect("clipboard image", same_pixels(Image.open(copied), picture), True)
        # Ctrl+A and Ctrl+C in the list (reached with Alt+L): every line, as listed.
        session.key(session.main, "alt+l")
        session.key(session.main, "ctrl+a")
        session.key(session.main, "ctrl+c")
        listing = wait_for("the listing on the clipboard",
                           lambda: session.clipboard("UTF8_STRING").endswith(
                               "Primzahlen gesamt:     4675\n") and session.clipboard("UTF8_STRING"))
        lines = listing.split("\n")
        expect("copied lines", len(lines), 500 + 27 + 1)
        expect("first copied line", lines[0][:10], "     1  +O")
        expect("a summary line", lines[500 + 1], "Primz/Zeile: Anzahl, relative Häufigkeit")
        session.close(session.main)
        expect("exit code when the main window closes", session.exit_code(), 0)
    # On scaled screens the chart is the one the scan tool draws at that scale: every line
    # round(s) device pixels wide, the texts drawn anew at that size.
    for scale in ("1.5", "2"):
        expected = os.path.join(tempfile.mkdtemp(prefix="primzeilen-scale-"), "bild.png")
        scanned = subprocess.run(
            [scan_tool, "1", "45000", "90", "--graph", expected, "--scale", scale],
            capture_output=True, env=dict(os.environ, LC_ALL="C.UTF-8"))
        if scanned.returncode != 0:
            said = scanned.stderr.decode(errors="replace").splitlines()[-ERROR_LINES:]
            raise Failure("the scan tool ended with %d at scale %s; its error output:\n%s"
                          % (scanned.returncode, scale, "\n".join("  " + line for line in said)))
        with Session(program, scale) as session:
            session.env["LC_ALL"] = "C.UTF-8"
            session.start()
            shot = scan_and_draw(session, session.tmp)
            shown = session.picture(shot)
            expect("chart at scale %s" % scale,
                   same_pixels(Image.open(expected), shown), True)
        shutil.rmtree(os.path.dirname(expected), ignore_errors=True)
    for failure in failures:
        print("FAIL " + failure)
    if failures:
        print_error_outputs()
    else:
        print("end-to-end: all checks passed")
    return 1 if failures else 0


def main(argv):
    try:
        if len(argv) in (4, 5) and argv[1] == "demo":
            return demo(argv[2], argv[3], argv[4] if len(argv) == 5 else None)
        if len(argv) == 4 and argv[1] == "check":
            return check(argv[2], argv[3])
    except Failure as failure:
        print("FAIL " + str(failure))
        print_error_outputs()
        return 1
    except Exception:
        # A tool that failed on the way, such as xdotool on a window that went with a crashed
        # program: what the program said, then the traceback.
        print_error_outputs()
        raise
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
