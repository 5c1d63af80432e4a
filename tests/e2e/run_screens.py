"""The ten screens of the real program: a walk forward through all of them with nothing
chosen and back again. Checks each screen's caption, client size and window icon, that
exactly one window is on view at a time, that each screen is a window of its own (a hidden
screen gives up its window and gets a new one when shown again), that Esc does nothing
anywhere, that two access keys pressed at once on the lower arm screen leave one screen on view,
and that Enter on the final score screen goes to the chart without adding a row.

Usage: run_screens.py path/to/rula   (inside dbus-run-session)
"""

import subprocess
import sys
import time

from desktop import (SCREENS, Desktop, Failure, check, check_equal, expect_equal, key,
                     run_test, wait_for, xdotool)

FORWARD = ["Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9"]

# Nothing chosen: every segment passes "0" (the legs "2", not supported), so no table
# finds a cell and the posture scores, C, D and the final score stay empty.
NOTHING_CHOSEN = ["0", "0", "0", "0", "", "0", "0", "", "0", "0", "2", "", "0", "0", "", ""]


def look_at(program, form, windows, escape=True):
    """Checks the screen on view and, unless told not to, that Esc leaves it alone."""
    screen = program.wait_screen(form)
    caption, size, _ = SCREENS[form]
    expect_equal(screen.caption(), caption, f"{form}: caption")
    expect_equal(screen.geometry()[2:], size, f"{form}: client size")
    # The icon comes once the first screen has been painted; later screens have it at once.
    icons = wait_for(f"{form}'s window icon", screen.icon_sizes)
    expect_equal(icons, [(16, 16), (32, 32), (48, 48), (64, 64)], f"{form}: icon sizes")
    previous = windows.get("on view")
    check(previous is None or previous[1] != screen.xid or previous[0] == form,
          f"{form} shows in {previous and previous[0]}'s window")
    windows["on view"] = (form, screen.xid)
    if escape:
        key("Escape")
        try:
            # Tab after Esc: once the focus has moved, the Esc has been handled too.
            screen.press_and_wait_focus("Tab")
        except Failure:
            raise Failure(f"{form} stopped taking keys after Esc") from None
        check(program.running(), f"Esc on {form} ended the program")
        program.wait_screen(form)
    return screen


def two_access_keys_at_once(program, windows):
    """On the lower arm screen, Alt+B and Alt+C faster than a button shows its click
    (about 100 ms): Back moves on to the upper arm screen, and the lower arm screen, hidden
    by then, does nothing with its Continue. Returns to the lower arm screen."""
    xdotool("key", "--delay", "0", "alt+b", "alt+c")
    program.wait_screen("Form2")
    time.sleep(0.5)  # well after both clicks
    check_equal(len(program.visible_windows()), 1, "windows on view after Alt+B Alt+C")
    upper_arm = program.wait_screen("Form2")
    upper_arm.click(upper_arm.button("Continue"))
    return look_at(program, "Form3", windows, escape=False)


def main():
    binary = sys.argv[1]
    with Desktop() as desktop:
        program = desktop.launch(binary)
        windows = {}
        for form in FORWARD[:-1]:
            screen = look_at(program, form, windows)
            if form == "Form3":
                screen = two_access_keys_at_once(program, windows)
            screen.click(screen.button("Continue"))
        final = look_at(program, "Form9", windows, escape=False)
        expect_equal(final.final_scores(), NOTHING_CHOSEN, "final score screen, nothing chosen")
        key("Return")  # as the final score screen opens: Goto Chart
        chart = look_at(program, "Form10", windows)
        expect_equal(chart.chart(), [[""] * 16] * 10, "chart after Enter on the final screen")

        current = "Form10"
        for form in reversed(FORWARD):
            screen = program.wait_screen(current)
            screen.click(screen.button("Back"))
            screen = look_at(program, form, windows)
            if form == "Form9":
                expect_equal(screen.final_scores(), NOTHING_CHOSEN, "final score screen, again")
            current = form
        subprocess.run(["wmctrl", "-i", "-c", str(screen.xid)], check=True)
        check_equal(program.wait_exit(2), 0, "exit status")


if __name__ == "__main__":
    sys.exit(run_test(main))
