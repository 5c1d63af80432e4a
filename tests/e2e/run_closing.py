"""Ending the real program: the close box of each of the ten screens, and the Exit
button of each screen that has one, end the whole program with exit status 0 within a
second, whatever was done before on that screen. Started without a display, or with one
that is not running, it says so in one line and ends with status 1.

Usage: run_closing.py path/to/rula   (inside dbus-run-session)
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi

from desktop import Desktop, expect_equal, key, run_test

ORDER = ["Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9",
         "Form10"]


def choose_first_option(screen):
    options = screen.all(role=pyatspi.ROLE_RADIO_BUTTON)
    screen.choose_by_mouse(options[0])


def tick_first_box(screen):
    screen.tick_by_mouse(screen.all(role=pyatspi.ROLE_CHECK_BOX)[0], True)


# Something done on a screen before it is closed, so that screens are closed in different
# states: fresh, with choices made, after Back (Form4), with a row in the chart (Form10).
PREPARE = {
    "Form2": lambda screen: (choose_first_option(screen), tick_first_box(screen)),
    "Form3": tick_first_box,
    "Form5": choose_first_option,
    "Form6": choose_first_option,
    "Form7": tick_first_box,
    "Form8": choose_first_option,
}


def open_screen(program, form):
    """Goes forward from the introduction to `form` with the access keys."""
    for current in ORDER[:ORDER.index(form)]:
        program.wait_screen(current)
        if current == "Form9":
            key("alt+a")  # the chart then holds a row
        else:
            key("alt+c")
    if form == "Form4":  # on to the wrist twist screen and Back again
        program.wait_screen("Form4")
        key("alt+c")
        program.wait_screen("Form5")
        key("alt+b")
    screen = program.wait_screen(form)
    PREPARE.get(form, lambda screen: None)(screen)
    return screen


def click_close_box(screen):
    """Clicks the close button at the right end of openbox's title bar."""
    left, top, width, _ = screen.geometry()
    _, right, title, _ = screen.frame_extents()
    subprocess.run(["xdotool", "mousemove", "--sync", str(left + width + right - 11),
                    str(top - title // 2), "click", "1"], check=True)


def ends_cleanly(program, what, action):
    """Does `action`; the program must then end with status 0 within a second."""
    started = time.monotonic()
    action()
    try:
        status = program.process.wait(max(0.0, started + 1.0 - time.monotonic()))
    except subprocess.TimeoutExpired:
        program.process.kill()
        program.process.wait()
        expect_equal("still running after 1 s", "ended", what)
        return
    expect_equal(status, 0, f"{what}: exit status")
    print(f"{what}: ended in {time.monotonic() - started:.2f} s")


def without_a_display(binary):
    """One line naming DISPLAY and WAYLAND_DISPLAY, status 1: no abort, no core file."""
    dead = next(f":{n}" for n in range(900, 1000) if not os.path.exists(f"/tmp/.X11-unix/X{n}")
                and not os.path.exists(f"/tmp/.X{n}-lock"))
    unset = ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE")
    environment = {name: value for name, value in os.environ.items() if name not in unset}
    for what, env in (("no display", environment),
                      (f"display {dead}, not running", dict(environment, DISPLAY=dead))):
        with tempfile.TemporaryDirectory() as folder:
            result = subprocess.run([binary], env=env, cwd=folder, capture_output=True,
                                    text=True, timeout=10)
            expect_equal(result.returncode, 1, f"{what}: exit status")
            lines = result.stderr.splitlines()
            expect_equal(len(lines), 1, f"{what}: lines on stderr {lines}")
            expect_equal(all(name in result.stderr for name in ("DISPLAY", "WAYLAND_DISPLAY")),
                         True, f"{what}: the message names DISPLAY and WAYLAND_DISPLAY")
            expect_equal(os.listdir(folder), [], f"{what}: files left behind")
            print(f"{what}: status {result.returncode}: {result.stderr.strip()}")


def main():
    binary = sys.argv[1]
    without_a_display(binary)
    with Desktop() as desktop:
        for number, form in enumerate(ORDER):
            program = desktop.launch(binary)
            screen = open_screen(program, form)
            if number % 2:
                ends_cleanly(program, f"{form}: click on the close box",
                             lambda: click_close_box(screen))
            else:
                ends_cleanly(program, f"{form}: close box (wmctrl -c)", lambda: subprocess.run(
                    ["wmctrl", "-i", "-c", str(screen.xid)], check=True))
        for number, form in enumerate(ORDER[1:]):
            program = desktop.launch(binary)
            screen = open_screen(program, form)
            if number % 2:
                ends_cleanly(program, f"{form}: Alt+X", lambda: key("alt+x"))
            else:
                exit_button = screen.button("Exit")
                ends_cleanly(program, f"{form}: click on Exit", lambda: screen.click(exit_button))


if __name__ == "__main__":
    sys.exit(run_test(main))
