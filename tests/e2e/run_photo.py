"""One assessment measured on a photo with the real program: `rula figure.jpg` opens the
drawn figure in the Photo window beside the introduction; the facing and five points are
clicked and the knuckle placed with the arrow keys and Enter, all with real input; Use
These Angles chooses the postures, and the five posture screens are read as a screen
reader reads them. The wrist twist and the frequency and
force screen are answered by hand, and the final score is the one worked by hand.

Usage: run_photo.py path/to/rula   (inside dbus-run-session)
"""

import os
import re
import subprocess
import sys

import pyatspi

from desktop import (Desktop, check, check_equal, choose_facing, click_at, click_control,
                     draw_figure, find_showing, has_state, key, on_display, photo_window,
                     run_test, showing_nodes, wait_for, xdotool)

# Trunk, neck, upper arm, lower arm (elbow flexion) and wrist, each well inside its band.
DRAWN = {"trunk": 40, "neck": 15, "upper_arm": 65, "lower_arm": 80, "wrist": 30}

# What the angles choose, as each screen names the option.
CHOSEN = {
    "Form2": "Upper arm 45° to 90° forward",
    "Form3": "Lower arm 60° to 100° of elbow flexion",
    "Form4": "Wrist bent more than 15°",
    "Form6": "Neck 10° to 20° forward",
    "Form7": "Trunk 20° to 60° forward",
}
# Worked by hand: upper arm 3, lower arm 1, wrist 3, twist 1: Table A row 7, column 5 = 4;
# C = 4 + 1 (static) + 0. Neck 2, trunk 3, legs 1: Table B row 2, column 5 = 4; D = 4.
# Table C row 5, column 4 = 5.
EXPECTED = ["3", "1", "3", "1", "4", "1", "0", "5", "2", "3", "1", "4", "0", "0", "4", "5"]


def labels(window):
    return [c.name for c in showing_nodes(window) if c.getRole() == pyatspi.ROLE_LABEL]


def body(binary):
    with Desktop() as desktop:
        photo = os.path.join(desktop.tmp, "figure.jpg")
        points = draw_figure(photo, DRAWN)
        program = desktop.launch(binary, args=[photo])
        window = photo_window(program)
        choose_facing(window)

        # The photo fitted whole and centred in the view named "Photo".
        view = find_showing(window, "Photo")
        clicks = on_display(window, view, points)
        for x, y in clicks[:5]:
            click_at(x, y)
        # The knuckle from the keyboard: Esc lets go of the wrist just placed, and the cross
        # takes the arrow keys from where the wrist was clicked, a pixel a press.
        key("Escape")
        wait_for("the view asking for the knuckle",
                 lambda: view.description.startswith("Asks for the knuckle"), 5)
        for delta, forward, back in ((clicks[5][0] - clicks[4][0], "Right", "Left"),
                                     (clicks[5][1] - clicks[4][1], "Down", "Up")):
            if delta:
                xdotool("key", "--delay", "5", "--repeat", str(abs(delta)),
                        forward if delta > 0 else back)
        key("Return")

        # The list as a screen reader reads it. A click lands on a whole pixel, so a value
        # may be a degree or two from the drawn one.
        listed = [text for text in labels(window) if ": " in text and "°" in text]
        print("\n".join(listed))
        for segment, degrees, direction in (
                ("Trunk", DRAWN["trunk"], "flexion"), ("Neck", DRAWN["neck"], "flexion"),
                ("Upper arm", DRAWN["upper_arm"], "raised forward"),
                ("Lower arm", DRAWN["lower_arm"], "flexion"),
                ("Wrist", DRAWN["wrist"], "flexion or extension")):
            line = next((t for t in listed if t.startswith(segment + ": ")), "")
            # Near a band's edge the value has tenths.
            found = re.match(rf"{segment}: {direction} (\d+(?:\.\d)?)° ", line)
            check(found and abs(float(found.group(1)) - degrees) <= 3,
                  f"listed {line!r}, drawn {degrees}° {direction}")
        click_control(window, find_showing(window, "Use These Angles", pyatspi.ROLE_PUSH_BUTTON))
        if os.environ.get("RULA_PHOTO_SHOT"):
            subprocess.run(["import", "-window", "root", os.environ["RULA_PHOTO_SHOT"]])

        # The Photo window steps aside; the screens are answered as always.
        subprocess.run(["wmctrl", "-c", "Photo - Rula"], check=True)
        screen = program.wait_screen("Form1")
        screen.click(screen.button("Continue"))
        for form in ("Form2", "Form3", "Form4", "Form5", "Form6", "Form7"):
            screen = program.wait_screen(form)
            if form in CHOSEN:
                check_equal(has_state(screen.find(CHOSEN[form], pyatspi.ROLE_RADIO_BUTTON),
                                      pyatspi.STATE_CHECKED), True, f"{form}: {CHOSEN[form]!r}")
            if form == "Form5":
                screen.choose_by_mouse(screen.find("Mainly in mid-range of twist",
                                                   pyatspi.ROLE_RADIO_BUTTON))
            if form == "Form7":
                screen.tick_by_mouse(screen.find("Are legs and feet supported and balanced",
                                                 pyatspi.ROLE_CHECK_BOX), True)
            screen.click(screen.button("Continue"))
        screen = program.wait_screen("Form8")
        for name, nth in (("Activity is mainly static (held longer than 1 minute)", 0),
                          ("Load < 5 lbs. ( 2 kg ); intermittent", 0),
                          ("Moderate posture, not static, not lightly repetitive", 1),
                          ("Load < 5 lbs. ( 2 kg ); intermittent", 1)):
            screen.choose_by_mouse(screen.find(name, pyatspi.ROLE_RADIO_BUTTON, nth))
        screen.click(screen.button("Continue"))
        final = program.wait_screen("Form9")
        check_equal(final.final_scores(), EXPECTED, "the final score screen")


if __name__ == "__main__":
    sys.exit(run_test(lambda: body(sys.argv[1])))
