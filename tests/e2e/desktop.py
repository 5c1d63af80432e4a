"""Runs the real rula binary on a private X server under openbox, drives it with real
input (XTEST events through xdotool) and reads it the way a screen reader does (AT-SPI).

Every test script runs inside `dbus-run-session`, so the accessibility bus it starts
is its own. Each Desktop starts its own Xvfb on a free display number, so test scripts
can run in parallel.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

import pyatspi
from gi.repository import Atspi

SKIPPED = 77  # the test's SKIP_RETURN_CODE


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise Failure(f"{what}: expected {expected!r}, got {actual!r}")


def wait_for(what, probe, timeout=5.0):
    """Polls probe() until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.05)


def run_test(body):
    """Runs body() and turns its outcome into the exit status CTest expects."""
    started = time.monotonic()
    try:
        body()
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    except Exception:
        traceback.print_exc()
        return 1
    print(f"passed in {time.monotonic() - started:.1f} s")
    return 0


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def key(*keys):
    """Presses keys on the keyboard, e.g. key("Tab"), key("alt+c")."""
    xdotool("key", "--delay", "30", *keys)


# What tells the screens apart: caption, client size in pixels, and a text that only
# that screen shows.
SCREENS = {
    "Form1": ("Rula", (489, 147), "Introduction"),
    "Form2": ("Posture - Group A (Arms and Wrists)", (441, 386), "Upper Arm Posture"),
    "Form3": ("Posture - Group A (Arms and Wrists)", (449, 290), "Lower Arm Posture"),
    "Form4": ("Posture - Group A (Arms and Wrists)", (389, 330), "Wrist Posture"),
    "Form5": ("Posture - Group A (Arms and Wrists)", (298, 201), "Wrist Twist Posture"),
    "Form6": ("Posture - Group B (Neck, Trunk, and Legs)", (337, 345), "Neck Posture"),
    "Form7": ("Posture - Group B (Neck, Trunk, and Legs)", (417, 409), "Trunk Posture"),
    "Form8": ("Frequency and Force", (425, 513), "Group A (Arm, Wrist)"),
    "Form9": ("Rula - Final", (369, 514), "Complete: A. Arm and Wrist Analysis"),
    "Form10": ("Rula", (792, 449), "Clear Chart"),
}

# The captions beside the value boxes of the final score screen, in field order. The
# muscle use and force/load captions appear twice: group A above group B.
FINAL_FIELDS = [
    "Final Upper Arm Score =", "Final Lower Arm Score =", "Final Wrist Score =",
    "Wrist Twist Score =", "Posture A Score =", "Muscle Use Score =", "Force/load Score =",
    "Final Wrist and Arm Score =", "Final Neck Score =", "Final Trunk Score =",
    "Final Legs Score =", "Posture B Score =", "Muscle Use Score =", "Force/load Score =",
    "Final Neck, Trunk and Leg Score =", "Final Score",
]

CHART_HEADINGS = [
    "Upper Arm", "Lower Arm", "Wrist", "Wrist Twist", "Posture A", "Muscle Use A",
    "Force/ Load A", "Final A", "Neck", "Trunk", "Legs", "Posture B", "Muscle Use B",
    "Force/ Load B", "Final B", "Final Score",
]


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def has_state(accessible, state):
    return accessible.getState().contains(state)


def descendants(accessible):
    for child in accessible:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


class Desktop:
    """A private X server with openbox and an accessibility bus; a context manager."""

    def __enter__(self):
        self.tmp = tempfile.mkdtemp(prefix="rula-e2e-")
        self._processes = []
        self._start_xvfb()
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self._spawn(["openbox", "--sm-disable"])
        wait_for("openbox to manage the display",
                 lambda: subprocess.run(["wmctrl", "-m"], capture_output=True).returncode == 0)
        return self

    def __exit__(self, *exc):
        for process in reversed(self._processes):
            stop(process)
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def _spawn(self, argv, **kwargs):
        log = open(os.path.join(self.tmp, os.path.basename(argv[0]) + ".log"), "ab")
        process = subprocess.Popen(argv, stdout=log, stderr=subprocess.STDOUT, **kwargs)
        self._processes.append(process)
        return process

    def _start_xvfb(self):
        # Xvfb picks a free display number itself and writes it to the pipe.
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1600x1200x24",
                     "-dpi", "96", "-nolisten", "tcp"], pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            check(chunk, "Xvfb did not start")
            number += chunk
        os.close(read_end)
        os.environ["DISPLAY"] = ":" + number.decode().strip()

    def launch(self, binary, env=None):
        return Program(self, binary, env or {})


def stop(process, timeout=3):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class Program:
    """The running program, seen through its windows and its accessibility tree."""

    def __init__(self, desktop, binary, env):
        home = tempfile.mkdtemp(prefix="home-", dir=desktop.tmp)
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_QPA_PLATFORM="xcb", HOME=home, **env)
        self.process = desktop._spawn([binary], env=environment)
        self.app = wait_for("the program on the accessibility bus", self._find_app, 15)
        # Read every property afresh: a cached value could hide a change.
        Atspi.Accessible.set_cache_mask(self.app, Atspi.Cache.NONE)

    def _find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program was still running {timeout} s later")

    def visible_windows(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                str(self.process.pid)], capture_output=True, text=True)
        return [int(line) for line in found.stdout.split()]

    def showing_windows(self):
        return [window for window in self.app if window is not None and showing(window)]

    def screen(self):
        """The one screen on view; fails unless exactly one window is visible."""
        xids = self.visible_windows()
        windows = self.showing_windows()
        check(len(xids) == 1 and len(windows) == 1,
              f"expected exactly one visible window, found {len(xids)} X windows "
              f"and {len(windows)} showing ({[w.name for w in windows]})")
        return Screen(xids[0], windows[0])

    def wait_screen(self, form, timeout=5.0):
        """Waits until `form` (e.g. "Form3") alone is on view and active; returns it."""
        marker = SCREENS[form][2]

        def probe():
            windows = self.showing_windows()
            if len(windows) != 1 or len(self.visible_windows()) != 1:
                return None
            window = windows[0]
            if not has_state(window, pyatspi.STATE_ACTIVE):
                return None
            if not any(d.name == marker for d in descendants(window) if showing(d)):
                return None
            screen = self.screen()
            return screen if screen.framed() else None

        return wait_for(f"{form} to be the one screen on view", probe, timeout)

    def wait_alert(self, timeout=5.0):
        """Waits for a message box and returns its accessible window."""
        def probe():
            for window in self.showing_windows():
                if window.getRole() == pyatspi.ROLE_ALERT:
                    return window
            return None
        return wait_for("a message box", probe, timeout)


class Screen:
    """One top-level window: its X window and its accessible."""

    def __init__(self, xid, window):
        self.xid = xid
        self.window = window

    def framed(self):
        """True once the window manager has put its frame around the window."""
        prop = subprocess.run(["xprop", "-id", str(self.xid), "_NET_FRAME_EXTENTS"],
                              capture_output=True, text=True).stdout
        return "=" in prop

    def frame_extents(self):
        prop = subprocess.run(["xprop", "-id", str(self.xid), "_NET_FRAME_EXTENTS"],
                              capture_output=True, text=True, check=True).stdout
        return tuple(int(n) for n in prop.split("=")[1].split(","))  # left, right, top, bottom

    def geometry(self):
        """The client area's true origin and size: (x, y, width, height)."""
        info = subprocess.run(["xwininfo", "-id", str(self.xid)], capture_output=True,
                              text=True, check=True).stdout

        def field(label):
            return int(re.search(rf"{label}:\s+(-?\d+)", info).group(1))

        return (field("Absolute upper-left X"), field("Absolute upper-left Y"),
                field("Width"), field("Height"))

    def caption(self):
        return subprocess.run(["xdotool", "getwindowname", str(self.xid)], capture_output=True,
                              text=True, check=True).stdout.rstrip("\n")

    def all(self, name=None, role=None, description=None):
        """Showing controls that match, from the top of the window down."""
        found = [d for d in descendants(self.window)
                 if (name is None or d.name == name)
                 and (role is None or d.getRole() == role)
                 and (description is None or d.description == description)
                 and showing(d)]
        return sorted(found, key=lambda d: extents(d)[1::-1])

    def find(self, name, role=None, nth=0):
        """The nth showing control of that name (counted from the top of the window)."""
        found = self.all(name, role)
        check(len(found) > nth, f"no control {name!r} (#{nth}) on {self.window.name!r}")
        return found[nth]

    def button(self, name):
        return self.find(name, pyatspi.ROLE_PUSH_BUTTON)

    def click(self, control):
        """Clicks the centre of a control with the mouse."""
        wx, wy, _, _ = extents(self.window)
        x, y, width, height = extents(control)
        check(width > 0 and height > 0, f"{control.name!r} has no area on the screen")
        left, top, _, _ = self.geometry()
        xdotool("mousemove", "--sync", str(left + x - wx + width // 2),
                str(top + y - wy + height // 2), "click", "1")

    def click_named(self, name, role=None, nth=0):
        self.click(self.find(name, role, nth))

    def focused(self):
        for d in descendants(self.window):
            if has_state(d, pyatspi.STATE_FOCUSED) and d.getRole() != pyatspi.ROLE_FILLER:
                return d
        return None

    def final_scores(self):
        """The sixteen value boxes of the final score screen, in field order."""
        boxes = {}
        for box in self.all(role=pyatspi.ROLE_LABEL):
            if box.description:
                boxes.setdefault(box.description, []).append(box.name)
        values = []
        for caption in FINAL_FIELDS:
            check(boxes.get(caption), f"no value box described {caption!r}")
            values.append(boxes[caption].pop(0))
        check(not any(boxes.values()), f"unexpected value boxes: {boxes}")
        return values

    def chart(self):
        """The chart's ten rows of sixteen cell texts."""
        cells = {}
        for cell in self.all(role=pyatspi.ROLE_LABEL):
            match = re.fullmatch(r"Row (\d+), (.+)", cell.description)
            if match:
                cells[(int(match.group(1)), match.group(2))] = cell.name
        check(len(cells) == 160, f"the chart shows {len(cells)} cells, not 160")
        return [[cells[(row, heading)] for heading in CHART_HEADINGS] for row in range(1, 11)]
