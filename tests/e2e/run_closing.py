"""Ending the real program: the close box of each of the ten screens, and the Exit
button of each screen that has one, end the whole program with exit status 0 within a
second, whatever was done before on that screen, while the chart holds nothing unsaved.
With a row in the chart, closing asks first: from the close box of another screen than
the chart, Cancel and Esc keep every screen as it was, also after a click on the screen
behind the question (and so do the chart's own questions); Close Without Saving ends with
status 0; Save asks for a file through the file dialog, which keeps the keyboard the
same way, and ends once the study is written. Started without a display, or with one
that is not running, it says so in one line, in the user's language, and ends with
status 1. Ended by SIGTERM, SIGHUP or SIGINT right after a change, by the X server
dropping its connection, or by SIGKILL two seconds after a change, the next
start offers the unsaved chart: Recover shows it, unsaved, under its file's name, and
Discard removes the copy; a saved chart leaves none.

Usage: run_closing.py path/to/rula   (inside dbus-run-session)
"""

import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

from desktop import Desktop, check, expect_equal, key, run_test, wait_for, xdotool

ORDER = ["Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9",
         "Form10"]


def choose_first_option(screen):
    options = screen.all(role=pyatspi.ROLE_RADIO_BUTTON)
    screen.choose_by_mouse(options[0])


def tick_first_box(screen):
    screen.tick_by_mouse(screen.all(role=pyatspi.ROLE_CHECK_BOX)[0], True)


# Something done on a screen before it is closed, so that screens are closed in different
# states: fresh, with choices made, after Back (Form4), the chart reached from the final
# score screen (Form10).
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
            key("alt+g")
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


QUESTION = "Save the changes to the chart before closing?"


def active_window():
    found = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True)
    return int(found.stdout.strip() or 0)


def wait_window(program, what, *known):
    """Waits for a window of the program other than `known` to have the keyboard."""
    window = wait_for(what, lambda: next(
        (w for w in program.visible_windows() if w not in known), None))
    wait_for(f"{what} to have the keyboard", lambda: active_window() == window)
    return window


def wait_question(program, screen):
    """Waits for the closing question over `screen`, active; returns its X window."""
    alert = program.wait_alert()
    texts = [label.name for label in pyatspi.findAllDescendants(
        alert, lambda a: a.getRole() == pyatspi.ROLE_LABEL)]
    check(QUESTION in texts, f"the question says {texts}")
    buttons = sorted(button.name for button in pyatspi.findAllDescendants(
        alert, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON))
    expect_equal(buttons, ["Cancel", "Close Without Saving", "Save"], "the question's buttons")
    return wait_window(program, "the question", screen.xid)


def click_behind(screen, question):
    """A click on the screen behind the question, near its bottom right corner, away from
    the question: the keyboard comes back to the question."""
    left, top, width, height = screen.geometry()
    xdotool("mousemove", "--sync", str(left + width - 12), str(top + height - 8), "click", "1")
    wait_for("the keyboard back on the question after a click behind it",
             lambda: active_window() == question)


def kept_as_it_was(program, form, option):
    """Nothing closed: `form` alone is on view, with the option chosen before."""
    screen = program.wait_screen(form)
    expect_equal(program.running(), True, f"{form}: still running after Cancel")
    check(pyatspi.STATE_CHECKED in option.getState().getStates(), f"{form}: the choice was lost")
    return screen


def unsaved_chart(desktop, binary, env=None):
    """A program whose chart holds a row, with the frequency and force screen on view and
    its first option chosen; returns the program, that screen, the option and the row."""
    program = desktop.launch(binary, env)
    open_screen(program, "Form9")
    key("alt+a")
    row = program.wait_screen("Form10").chart()[0]
    check(any(row), "no row was added to the chart")
    key("alt+b")
    program.wait_screen("Form9")
    key("alt+b")
    screen = program.wait_screen("Form8")
    option = screen.all(role=pyatspi.ROLE_RADIO_BUTTON)[0]
    screen.choose_by_mouse(option)
    return program, screen, option, row


def closing_asks_first(desktop, binary, folder):
    program, screen, option, row = unsaved_chart(desktop, binary)
    # Cancel by Esc, and by Esc after a click on the screen behind the question.
    for what, behind in (("Esc", False), ("a click behind, then Esc", True)):
        click_close_box(screen)
        question = wait_question(program, screen)
        if behind:
            click_behind(screen, question)
        key("Escape")
        wait_for(f"{what}: the question to go", lambda: len(program.visible_windows()) == 1)
        screen = kept_as_it_was(program, "Form8", option)
        print(f"Form8 close box, {what}: kept")
    # The chart still holds its row; Alt+F4 on it, then Close Without Saving, ends the program.
    key("alt+c")
    program.wait_screen("Form9")
    key("alt+g")
    chart = program.wait_screen("Form10")
    expect_equal(chart.chart()[0], row, "the chart's row after Cancel")
    # The chart's own questions keep the keyboard the same way: Esc after a click behind
    # each keeps the row.
    for what, keys in (("Clear Chart's question", "alt+c"),
                       ("the question before opening a study", "ctrl+o")):
        key(keys)
        asking = wait_window(program, what, chart.xid)
        click_behind(chart, asking)
        key("Escape")
        wait_for(f"{what} to go", lambda: len(program.visible_windows()) == 1)
        chart = program.wait_screen("Form10")
        expect_equal(chart.chart()[0], row, f"the chart's row after Esc on {what}")
    key("alt+F4")
    wait_question(program, chart)
    ends_cleanly(program, "chart: Alt+F4, Close Without Saving", lambda: key("alt+w"))

    # Save asks for a file; a click behind the file dialog gives it the keyboard back; the
    # program ends once the study is written.
    program, screen, option, row = unsaved_chart(desktop, binary)
    xdotool("mousemove", "0", "0")
    subprocess.run(["wmctrl", "-i", "-c", str(screen.xid)], check=True)
    question = wait_question(program, screen)
    key("alt+s")
    dialog = wait_window(program, "the file dialog", screen.xid, question)
    click_behind(screen, dialog)
    path = os.path.join(folder, "kept.rula")
    key("ctrl+a")
    xdotool("type", path)
    ends_cleanly(program, "Form8: Save through the file dialog", lambda: key("Return"))
    with open(path, encoding="utf-8") as study:
        saved = json.load(study)
    expect_equal(saved.get("format"), "rula-study", "the saved study's format")
    expect_equal(len(saved.get("rows", [])), 1, "the saved study's rows")


# Ended by a signal with the chart unsaved: (signal, the chart saved first, a task typed
# last, the answer at the next start). The task is typed just before the signal, before
# the copy kept within a second of a change is due, so only the copy the signal writes
# holds it; SIGKILL, which cannot be caught, comes two seconds after it.
RECOVERY = [
    ("TERM", False, True, "Recover"),
    ("HUP", True, True, "Recover"),
    ("INT", False, True, "Discard"),
    ("KILL", False, True, "Recover"),
    ("TERM", True, False, None),
    # The X server breaks the program's connection, as when the display goes away.
    ("display lost", False, True, "Recover"),
]
TASK = "Packing"


def copies(state):
    folder = os.path.join(state, "rula")
    return sorted(name for name in os.listdir(folder) if name.endswith(".rula")) \
        if os.path.isdir(folder) else []


def save_through_dialog(program, chart, path):
    key("ctrl+s")
    wait_window(program, "the file dialog", chart.xid)
    key("ctrl+a")
    xdotool("type", "--delay", "10", path)
    key("Return")
    wait_for(f"{path} to be written", lambda: os.path.exists(path), 10)
    wait_for("the chart alone on view", lambda: len(program.visible_windows()) == 1)


def recovery_after_signals(desktop, binary, folder):
    """The chart's unsaved rows outlive a signal: the next start offers them."""
    state = os.path.join(folder, "state")
    env = {"XDG_STATE_HOME": state}
    for number, (name, saved, typed, answer) in enumerate(RECOVERY):
        what = (f"{'SIG' if name.isupper() else ''}{name}, {'saved' if saved else 'unsaved'}"
                f"{', a task typed' if typed else ''}")
        program, screen, option, row = unsaved_chart(desktop, binary, env)
        key("alt+c")
        program.wait_screen("Form9")
        key("alt+g")
        chart = program.wait_screen("Form10")
        caption = "Rula"
        if saved:
            save_through_dialog(program, chart, os.path.join(folder, f"study{number}.rula"))
            caption = f"study{number}.rula* - Rula"
        task = chart.find("Task, row 1")
        if typed:
            chart.click(task)
            xdotool("type", "--delay", "10", TASK)
            wait_for("the task typed", lambda: text_of(task) == TASK)
        if name == "KILL":
            time.sleep(2)
        if name == "display lost":
            xdotool("mousemove", "0", "0")
            subprocess.run(["xkill", "-id", str(chart.xid)], check=True, capture_output=True)
            expect_equal(program.wait_exit(5), 1, f"{what}: exit status")
        else:
            program.process.send_signal(getattr(signal, f"SIG{name}"))
            expect_equal(program.wait_exit(5), -getattr(signal, f"SIG{name}"),
                         f"{what}: ended by")
        expect_equal(len(copies(state)), int(typed), f"{what}: copies kept")

        program = desktop.launch(binary, env)
        if answer is None:
            program.wait_screen("Form1")
            key("alt+F4")
        else:
            said = wait_question_text(program)
            check(re.fullmatch(r"Rula closed with unsaved changes at \d?\d:\d\d( [AP]M)?\. "
                               r"Recover them\?", said), f"{what}: the offer says {said!r}")
            key("alt+" + answer[0].lower())
        if answer == "Discard":
            program.wait_screen("Form1")
            wait_for(f"{what}: the copy removed", lambda: not copies(state))
            key("alt+F4")
        elif answer == "Recover":
            chart = program.wait_screen("Form10")
            expect_equal(chart.chart()[0], row, f"{what}: the row recovered")
            expect_equal(text_of(chart.find("Task, row 1")), TASK, f"{what}: the task recovered")
            expect_equal(chart.caption(), caption, f"{what}: the caption of the recovered chart")
            # Its own copy at once, in place of the one it recovered.
            expect_equal(copies(state), [f"{program.process.pid}.rula"], f"{what}: copies")
            key("alt+F4")
            wait_question(program, chart)
            key("alt+w")
        expect_equal(program.wait_exit(2), 0, f"{what}: exit status of the next start")
        expect_equal(copies(state), [], f"{what}: copies left after closing")
        print(f"{what}: {answer or 'nothing to recover'}")


def text_of(control):
    return control.queryText().getText(0, -1)


def wait_question_text(program):
    alert = program.wait_alert(10)
    return " ".join(label.name for label in pyatspi.findAllDescendants(
        alert, lambda a: a.getRole() == pyatspi.ROLE_LABEL) if label.name)


def without_a_display(binary):
    """One line naming DISPLAY and WAYLAND_DISPLAY, in the user's language, status 1: no
    abort, no core file."""
    dead = next(f":{n}" for n in range(900, 1000) if not os.path.exists(f"/tmp/.X11-unix/X{n}")
                and not os.path.exists(f"/tmp/.X{n}-lock"))
    unset = ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE")
    environment = {name: value for name, value in os.environ.items() if name not in unset}
    german = dict(environment, LANGUAGE="", LC_ALL="", LANG="de_DE.UTF-8")
    for what, env, words in (
            ("no display", environment, "no display is set"),
            (f"display {dead}, not running", dict(environment, DISPLAY=dead),
             f"cannot open the display (DISPLAY={dead})"),
            ("no display, German", german, "keine Anzeige festgelegt"),
            (f"display {dead}, not running, German", dict(german, DISPLAY=dead),
             f"die Anzeige lässt sich nicht öffnen (DISPLAY={dead})")):
        with tempfile.TemporaryDirectory() as folder:
            result = subprocess.run([binary], env=env, cwd=folder, capture_output=True,
                                    text=True, timeout=10)
            expect_equal(result.returncode, 1, f"{what}: exit status")
            lines = result.stderr.splitlines()
            expect_equal(len(lines), 1, f"{what}: lines on stderr {lines}")
            expect_equal(all(name in result.stderr for name in ("DISPLAY", "WAYLAND_DISPLAY")),
                         True, f"{what}: the message names DISPLAY and WAYLAND_DISPLAY")
            expect_equal(words in result.stderr, True, f"{what}: the message says {words!r}")
            expect_equal(os.listdir(folder), [], f"{what}: files left behind")
            print(f"{what}: status {result.returncode}: {result.stderr.strip()}")


def main():
    binary = sys.argv[1]
    without_a_display(binary)
    with Desktop() as desktop, tempfile.TemporaryDirectory() as folder:
        recovery_after_signals(desktop, binary, folder)
        closing_asks_first(desktop, binary, folder)
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
