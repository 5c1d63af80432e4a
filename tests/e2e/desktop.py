"""Runs the real rula binary on a private X server under openbox, drives it with real
input (XTEST events through xdotool) and reads it the way a screen reader does (AT-SPI).

Every test script runs inside `dbus-run-session`, so the accessibility bus it starts
is its own. Each Desktop starts its own Xvfb on a free display number, so test scripts
can run in parallel.
"""

import ctypes
import math
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

import pyatspi
from gi.repository import Atspi

from screen_table import SCREENS

SKIPPED = 77  # the test's SKIP_RETURN_CODE

_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)


def die_with_parent():
    """For Popen's preexec_fn: the child is killed if the test's process dies."""
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


class Failure(AssertionError):
    pass


class Skip(Exception):
    """The test cannot run here; it reports itself skipped."""


def check(condition, message):
    if not condition:
        raise Failure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise Failure(f"{what}: expected {expected!r}, got {actual!r}")


_mismatches = []


def expect_equal(actual, expected, what):
    """Like check_equal, but the test goes on and fails at its end."""
    if actual != expected:
        _mismatches.append(what)
        print(f"MISMATCH {what}: expected {expected!r}, got {actual!r}", file=sys.stderr)


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
    # Clean up (stop every process started) also when CTest stops the test.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)
    started = time.monotonic()
    try:
        body()
    except Skip as skip:
        print(f"SKIPPED: {skip}")
        return SKIPPED
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    except Exception:
        traceback.print_exc()
        return 1
    if _mismatches:
        print(f"FAILED: {len(_mismatches)} mismatches", file=sys.stderr)
        return 1
    print(f"passed in {time.monotonic() - started:.1f} s")
    return 0


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def key(*keys):
    """Presses keys on the keyboard, e.g. key("Tab"), key("alt+c")."""
    xdotool("key", *keys)


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


# The program's words in the language of the run: English, unless the test reads them
# from a translation (use_translation), as the translators' .ts file gives them.
_translation = {}


def use_translation(ts_path):
    """Reads each English text's translation from a .ts file, by context and text."""
    import xml.etree.ElementTree as ElementTree
    for context in ElementTree.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") == "unfinished":
                continue
            text = translation.text or (translation.findtext("numerusform") or "")
            if text:
                source = message.findtext("source")
                _translation[(name, source)] = text
                _translation.setdefault((None, source), text)
                # A button's name, as a screen reader hears it, has no access key marker.
                _translation.setdefault((None, source.replace("&", "")), text.replace("&", ""))


def words(text, context=None):
    """The program's text in the language of the run; `context` where one English text
    has different translations."""
    return _translation.get((context, text)) or _translation.get((None, text), text)


def access_key(caption):
    """The key that Alt goes with for a caption ("&Continue" -> "c")."""
    match = re.search(r"&([^&])", caption.replace("&&", ""))
    check(match, f"{caption!r} has no access key")
    return match.group(1).lower()


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


def identity(accessible):
    """What tells two controls of one window apart."""
    return accessible.getRole(), accessible.name, extents(accessible)


def text_of(control):
    """What a text field holds."""
    return control.queryText().getText(0, -1)


def windows_named(caption):
    """The X windows on view with exactly that caption."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{caption}$"],
                           capture_output=True, text=True).stdout
    return [int(line) for line in found.split()]


class Desktop:
    """A private X server with openbox and an accessibility bus; a context manager."""

    def __enter__(self):
        self.tmp = tempfile.mkdtemp(prefix="rula-e2e-")
        self._processes = []
        try:
            self._start_xvfb()
            self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
            self.spawn(["openbox", "--sm-disable"])
            wait_for("openbox to manage the display", lambda: subprocess.run(
                ["wmctrl", "-m"], capture_output=True).returncode == 0, 10)
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        return self

    def __exit__(self, exc_type, *exc):
        for process in reversed(self._processes):
            if exc_type is not None and process.poll() is not None:
                print(f"{process.args[0]} had ended with status {process.returncode}",
                      file=sys.stderr)
            stop(process)
        if exc_type is not None:
            self._print_logs()
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def _print_logs(self):
        for name in sorted(os.listdir(self.tmp)):
            if name.endswith(".log"):
                with open(os.path.join(self.tmp, name), errors="replace") as log:
                    tail = log.read()[-3000:]
                if tail.strip():
                    print(f"--- {name} ---\n{tail}", file=sys.stderr)

    def spawn(self, argv, **kwargs):
        log = open(os.path.join(self.tmp, os.path.basename(argv[0]) + ".log"), "ab")
        process = subprocess.Popen(argv, stdout=log, stderr=subprocess.STDOUT,
                                   preexec_fn=die_with_parent, **kwargs)
        self._processes.append(process)
        return process

    def _start_xvfb(self):
        # Xvfb picks a free display number itself and writes it to the pipe. Without
        # -noreset it resets whenever its last client leaves, refusing new ones meanwhile.
        read_end, write_end = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1600x1200x24",
                     "-dpi", "96", "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            check(chunk, "Xvfb did not start")
            number += chunk
        os.close(read_end)
        os.environ["DISPLAY"] = ":" + number.decode().strip()

    def launch(self, binary, env=None, wrapper=(), args=()):
        """Starts the program; `wrapper` is a command that runs it in the same process,
        `args` its command line."""
        return Program(self, binary, env or {}, wrapper, args)


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

    def __init__(self, desktop, binary, env, wrapper=(), args=()):
        self.home = home = tempfile.mkdtemp(prefix="home-", dir=desktop.tmp)
        # A process name of its own, so that a `pkill rula` elsewhere on a shared
        # machine leaves the program under test alone.
        alias = os.path.join(home, "rula-under-test")
        os.symlink(os.path.abspath(binary), alias)
        # Recovery copies go into this home too, unless the test names a folder for them.
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb", HOME=home,
                           XDG_STATE_HOME=os.path.join(home, ".local", "state"))
        environment.update(env)
        self.process = desktop.spawn([*wrapper, alias, *args], env=environment)
        self.app = wait_for("the program on the accessibility bus", self._find_app, 15)
        # Read every property afresh: a cached value could hide a change.
        Atspi.Accessible.set_cache_mask(self.app, Atspi.Cache.NONE)

    def _find_app(self):
        # Under the GTK platform theme, GTK registers an application of its own with the
        # same process id and no windows; the program's windows are under the other.
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid and app.childCount:
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

    def wait_screen(self, form, timeout=5.0, beside=None):
        """Waits until `form` (e.g. "Form3") alone is on view and active; returns it.
        `beside`: the caption of a window of the program that may stand beside it (the
        Photo window), which is left out; the keyboard may then be in either."""
        marker = words(SCREENS[form][2])

        def probe():
            windows = [w for w in self.showing_windows() if beside is None or w.name != beside]
            xids = self.visible_windows()
            if beside is not None:
                xids = [x for x in xids if x not in windows_named(beside)]
            if len(windows) != 1 or len(xids) != 1:
                return None
            if beside is None and not has_state(windows[0], pyatspi.STATE_ACTIVE):
                return None
            screen = Screen(xids[0], windows[0])
            if marker not in (control.name for control in screen.controls):
                return None
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
        self.controls = list(descendants(window))  # the controls stay; their state changes

    def framed(self):
        """True once the window manager has put its frame around the window."""
        prop = subprocess.run(["xprop", "-id", str(self.xid), "_NET_FRAME_EXTENTS"],
                              capture_output=True, text=True).stdout
        return "=" in prop

    def frame_extents(self):
        prop = subprocess.run(["xprop", "-id", str(self.xid), "_NET_FRAME_EXTENTS"],
                              capture_output=True, text=True, check=True).stdout
        return tuple(int(n) for n in prop.split("=")[1].split(","))  # left, right, top, bottom

    def icon_sizes(self):
        """The sizes of the icon the window gives the window manager, e.g. [(16, 16)]."""
        prop = subprocess.run(["xprop", "-id", str(self.xid), "_NET_WM_ICON"],
                              capture_output=True, text=True).stdout
        return [tuple(map(int, size)) for size in re.findall(r"Icon \((\d+) x (\d+)\)", prop)]

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

    def all(self, name=None, role=None):
        """Showing controls that match, from the top of the window down."""
        found = [d for d in self.controls
                 if (name is None or d.name == name)
                 and (role is None or d.getRole() == role)
                 and showing(d)]
        return sorted(found, key=lambda d: extents(d)[1::-1])

    def find(self, name, role=None, nth=0):
        """The nth showing control of that name (counted from the top of the window)."""
        found = self.all(name, role)
        check(len(found) > nth, f"no control {name!r} (#{nth}) on {self.window.name!r}")
        return found[nth]

    def button(self, name):
        return self.find(name, pyatspi.ROLE_PUSH_BUTTON)

    def click(self, control, button=1, repeat=1):
        """Clicks the centre of a control with the mouse: `button` 3 is the right one,
        `repeat` 2 a double-click."""
        wx, wy, _, _ = extents(self.window)
        x, y, width, height = extents(control)
        check(width > 0 and height > 0, f"{control.name!r} has no area on the screen")
        left, top, _, _ = self.geometry()
        target = (left + x - wx + width // 2, top + y - wy + height // 2)
        here = subprocess.run(["xdotool", "getmouselocation"], capture_output=True, text=True,
                              check=True).stdout
        clicks = ["click", "--repeat", str(repeat), "--delay", "80", str(button)]
        if re.match(rf"x:{target[0]} y:{target[1]} ", here):
            xdotool(*clicks)  # --sync would wait for a move that never comes
        else:
            xdotool("mousemove", "--sync", str(target[0]), str(target[1]), *clicks)

    def focused(self):
        for d in self.controls:
            if has_state(d, pyatspi.STATE_FOCUSED) and d.getRole() != pyatspi.ROLE_FILLER:
                return d
        return None

    def press_and_wait_focus(self, keys):
        """Presses keys that move the focus; returns the control that then has it."""
        before = self.focused()
        before = before and identity(before)
        key(keys)
        return wait_for(f"the focus to move on {keys}",
                        lambda: (f := self.focused()) and identity(f) != before and f, 2)

    def tab_to(self, accepts, what, limit=40):
        """Presses Tab until a control that `accepts` has the focus; returns it."""
        focus = self.focused()
        for _ in range(limit):
            if focus is not None and accepts(focus):
                return focus
            focus = self.press_and_wait_focus("Tab")
        raise Failure(f"Tab never reached {what} on {self.window.name!r}")

    def choose_by_keys(self, option):
        """Selects an option button with the keyboard: Tab into its group, then the arrow
        keys, then Space."""
        target, group = identity(option), identity(option.parent)
        focus = self.tab_to(lambda f: f.getRole() == pyatspi.ROLE_RADIO_BUTTON
                            and identity(f.parent) == group, f"the group of {option.name!r}")
        for _ in range(8):
            if identity(focus) == target:
                break
            fx, fy, _, _ = extents(focus)
            tx, ty, _, _ = extents(option)
            arrow = ("Down" if ty > fy else "Up") if abs(ty - fy) > 4 else (
                "Right" if tx > fx else "Left")
            focus = self.press_and_wait_focus(arrow)
        check(identity(focus) == target, f"the arrow keys never reached {option.name!r}")
        key("space")
        wait_for(f"{option.name!r} to be selected",
                 lambda: has_state(option, pyatspi.STATE_CHECKED), 2)

    def tick_by_keys(self, box, ticked):
        """Sets a check box with the keyboard: Tab to it, Space if it must change."""
        target = identity(box)
        self.tab_to(lambda f: identity(f) == target, repr(box.name))
        if has_state(box, pyatspi.STATE_CHECKED) != ticked:
            key("space")
            wait_for(f"{box.name!r} to change",
                     lambda: has_state(box, pyatspi.STATE_CHECKED) == ticked, 2)

    def tick_by_mouse(self, box, ticked):
        if has_state(box, pyatspi.STATE_CHECKED) != ticked:
            self.click(box)
            wait_for(f"{box.name!r} to change",
                     lambda: has_state(box, pyatspi.STATE_CHECKED) == ticked, 2)

    def choose_by_mouse(self, option, target=None):
        """Clicks an option button, or `target` (its drawing), and waits for the choice."""
        self.click(target or option)
        wait_for(f"{option.name!r} to be selected",
                 lambda: has_state(option, pyatspi.STATE_CHECKED), 2)

    def final_scores(self):
        """The sixteen value boxes of the final score screen, in field order."""
        boxes = {}
        for box in self.all(role=pyatspi.ROLE_LABEL):
            if box.description:
                boxes.setdefault(box.description, []).append(box.name)
        values = []
        for caption in map(words, FINAL_FIELDS):
            check(boxes.get(caption), f"no value box described {caption!r}")
            values.append(boxes[caption].pop(0))
        check(not any(boxes.values()), f"unexpected value boxes: {boxes}")
        return values

    def chart(self):
        """The chart's ten rows of sixteen cell texts."""
        cells = {}
        described = re.escape(words("Row %1, %2")).replace("%1", r"(\d+)").replace("%2", "(.+)")
        for cell in self.all(role=pyatspi.ROLE_LABEL):
            match = re.fullmatch(described, cell.description)
            if match:
                cells[(int(match.group(1)), match.group(2))] = cell.name
        check(len(cells) == 160, f"the chart shows {len(cells)} cells, not 160")
        return [[cells[(row, words(heading, "rula::Form10"))] for heading in CHART_HEADINGS]
                for row in range(1, 11)]


def alert_text(program, timeout=5.0):
    """Waits for a message box and returns its words."""
    alert = program.wait_alert(timeout)
    return " ".join(label.name for label in pyatspi.findAllDescendants(
        alert, lambda a: a.getRole() == pyatspi.ROLE_LABEL) if label.name)


def through_file_dialog(program, path, open_it):
    """Opens the file dialog with `open_it`, types the path into it and accepts it; for
    a dialog that saves, waits until the file is there."""
    before = len(program.visible_windows())
    open_it()
    wait_for("the file dialog", lambda: len(program.visible_windows()) > before, 5)
    key("ctrl+a")
    xdotool("type", "--delay", "10", path)
    key("Return")
    wait_for(f"{path} to be written", lambda: os.path.exists(path), 10)
    wait_for("the file dialog to close", lambda: len(program.visible_windows()) == before, 5)


def answer_screen(program, form, answers, how, beside=None):
    """Answers one posture screen and presses Continue. `answers`: the option buttons to
    choose, as (accessible name, which one from the top), and the check boxes with the
    state they must end in; `how`: "mouse", "mouse, on the drawings" or "keyboard"."""
    options, boxes = answers
    screen = program.wait_screen(form, beside=beside)
    for name, nth in options:
        option = screen.find(name, pyatspi.ROLE_RADIO_BUTTON, nth)
        if how == "keyboard":
            screen.choose_by_keys(option)
        elif how == "mouse, on the drawings" and form not in ("Form5", "Form8"):
            screen.choose_by_mouse(option, screen.find(name, pyatspi.ROLE_FRAME))
        else:
            screen.choose_by_mouse(option)
    for name, ticked in boxes.items():
        box = screen.find(name, pyatspi.ROLE_CHECK_BOX)
        if how == "keyboard":
            screen.tick_by_keys(box, ticked)
        else:
            screen.tick_by_mouse(box, ticked)
    # Every choice made on this screen is still in place before moving on.
    for name, nth in options:
        check_equal(has_state(screen.find(name, pyatspi.ROLE_RADIO_BUTTON, nth),
                              pyatspi.STATE_CHECKED), True, f"{form}: {name!r} selected")
    if how == "keyboard":
        key("Return")  # the default button, Continue
    else:
        screen.click(screen.button("Continue"))


def name_task(chart, row, task):
    """Types the task into the field that has the focus: the new row's."""
    field = wait_for(f"the focus in the task field of row {row}",
                     lambda: (f := chart.focused()) and f.name == f"Task, row {row}" and f, 3)
    xdotool("type", "--delay", "20", task)
    wait_for(f"{task!r} in row {row}'s task field", lambda: text_of(field) == task, 3)


# A side-view stick figure for the Photo window, drawn from known angles: the photo's size,
# where the hip stands and how many pixels a unit of the figure takes.
FIGURE_PHOTO = (1400, 1400)
FIGURE_HIP = (700, 760)
FIGURE_SCALE = 1.6


def figure_points(drawn):
    """The six points (hip, shoulder, ear, elbow, wrist, knuckle) of a figure facing right,
    in the photo's pixels (x to the right, y down), from the drawn angles: `drawn` holds
    "trunk", "neck", "upper_arm", "lower_arm" (elbow flexion) and "wrist" in degrees."""
    def turn(v, degrees):
        r = math.radians(degrees)
        return (v[0] * math.cos(r) - v[1] * math.sin(r), v[0] * math.sin(r) + v[1] * math.cos(r))

    def along(start, direction, length):
        return (start[0] + direction[0] * length, start[1] + direction[1] * length)

    trunk = turn((0, 1), -drawn["trunk"])  # x forward, y up
    neck = turn(trunk, -drawn["neck"])
    upper_arm = turn((-trunk[0], -trunk[1]), drawn["upper_arm"])
    forearm = turn(upper_arm, drawn["lower_arm"])
    hand = turn(forearm, drawn["wrist"])
    hip = (0, 0)
    shoulder = along(hip, trunk, 200)
    ear = along(shoulder, neck, 80)
    elbow = along(shoulder, upper_arm, 120)
    wrist = along(elbow, forearm, 110)
    knuckle = along(wrist, hand, 40)
    return [(FIGURE_HIP[0] + x * FIGURE_SCALE, FIGURE_HIP[1] - y * FIGURE_SCALE)
            for x, y in (hip, shoulder, ear, elbow, wrist, knuckle)]


def draw_figure(path, drawn):
    """Draws the figure as a JPEG at `path`; returns its six points."""
    points = figure_points(drawn)
    segments = [(0, 1), (1, 2), (1, 3), (3, 4), (4, 5)]
    draw = " ".join(
        f"line {points[a][0]:.1f},{points[a][1]:.1f} {points[b][0]:.1f},{points[b][1]:.1f}"
        for a, b in segments)
    subprocess.run(["convert", "-size", f"{FIGURE_PHOTO[0]}x{FIGURE_PHOTO[1]}", "xc:#d8d0c0",
                    "-stroke", "#302820", "-strokewidth", "5", "-draw", draw, "-quality", "92",
                    path], check=True)
    return points


PHOTO_WINDOW = "Photo - Rula"


def photo_window(program):
    """Waits for the Photo window on view and returns its accessible."""
    def probe():
        for window in program.showing_windows():
            if window.name == PHOTO_WINDOW:
                return window
        return None
    return wait_for("the Photo window", probe, 15)


def window_origin(name):
    """The client area's origin on the display, from the window system."""
    found = windows_named(name)
    check(found, f"no window {name!r}")
    info = subprocess.run(["xwininfo", "-id", str(found[0])], capture_output=True, text=True,
                          check=True).stdout
    field = lambda label: int(info.split(label + ":")[1].split()[0])
    return field("Absolute upper-left X"), field("Absolute upper-left Y")


def showing_nodes(node):
    """Every showing accessible under `node`, depth first."""
    for child in node:
        if child is not None:
            if showing(child):
                yield child
            yield from showing_nodes(child)


def find_showing(window, name, role=None):
    """Waits for a showing control of that name (and role) in `window` and returns it."""
    return wait_for(f"{name!r} in {window.name!r}",
                    lambda: next((c for c in showing_nodes(window) if c.name == name
                                  and role in (None, c.getRole())), None), 5)


def settled(window, view):
    """The window's origin and the window's and view's extents once they stay put: the
    window manager may still be placing the window when it first shows."""
    seen = []

    def probe():
        seen.append((window_origin(window.name), extents(window), extents(view)))
        return len(seen) >= 4 and seen[-1] == seen[-4]
    wait_for("the Photo window to stay put", probe, 5)
    return seen[-1]


def on_display(window, view, points):
    """Where the figure's points lie on the display, the photo fitted whole and centred in
    the view."""
    origin, (wx, wy, _, _), (vx, vy, vw, vh) = settled(window, view)
    scale = min(vw / FIGURE_PHOTO[0], vh / FIGURE_PHOTO[1])
    left = origin[0] + vx - wx + (vw - FIGURE_PHOTO[0] * scale) / 2
    top = origin[1] + vy - wy + (vh - FIGURE_PHOTO[1] * scale) / 2
    return [(round(left + x * scale), round(top + y * scale)) for x, y in points]


def click_at(x, y):
    xdotool("mousemove", "--sync", str(x), str(y), "click", "1")


def choose_facing(window, name="Facing right"):
    """Clicks a facing button of the Photo window once the photo shows: it is offered only
    then, the photo being decoded on a worker thread."""
    facing = find_showing(window, name)
    wait_for("the photo to show", lambda: has_state(facing, pyatspi.STATE_SENSITIVE), 10)
    click_control(window, facing)


def click_control(window, control):
    """Clicks a control of a window that is no screen (the Photo window)."""
    origin = window_origin(window.name)
    wx, wy, _, _ = extents(window)
    x, y, width, height = extents(control)
    click_at(origin[0] + x - wx + width // 2, origin[1] + y - wy + height // 2)
