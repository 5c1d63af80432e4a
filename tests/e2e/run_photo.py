"""One assessment measured on a photo with the real program: `rula figure.jpg` opens the
drawn figure in the Photo window beside the introduction; the facing and five points are
clicked and the knuckle placed with the arrow keys and Enter, all with real input; Use
These Angles chooses the postures, and the five posture screens are read as a screen
reader reads them. The wrist twist and the frequency and
force screen are answered by hand, and the final score is the one worked by hand.

Usage: run_photo.py path/to/rula   (inside dbus-run-session)
"""

import math
import os
import re
import subprocess
import sys

import pyatspi

from desktop import (Desktop, check, check_equal, has_state, key, run_test, showing, wait_for,
                     xdotool)

PHOTO = (1400, 1400)
HIP = (700, 760)
SCALE = 1.6
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


def figure_points():
    """The six points of a side-view stick figure facing right, in the photo's pixels
    (x to the right, y down), from the drawn angles."""
    def turn(v, degrees):
        r = math.radians(degrees)
        return (v[0] * math.cos(r) - v[1] * math.sin(r), v[0] * math.sin(r) + v[1] * math.cos(r))

    def along(start, direction, length):
        return (start[0] + direction[0] * length, start[1] + direction[1] * length)

    trunk = turn((0, 1), -DRAWN["trunk"])  # x forward, y up
    neck = turn(trunk, -DRAWN["neck"])
    upper_arm = turn((-trunk[0], -trunk[1]), DRAWN["upper_arm"])
    forearm = turn(upper_arm, DRAWN["lower_arm"])
    hand = turn(forearm, DRAWN["wrist"])
    hip = (0, 0)
    shoulder = along(hip, trunk, 200)
    ear = along(shoulder, neck, 80)
    elbow = along(shoulder, upper_arm, 120)
    wrist = along(elbow, forearm, 110)
    knuckle = along(wrist, hand, 40)
    return [(HIP[0] + x * SCALE, HIP[1] - y * SCALE)
            for x, y in (hip, shoulder, ear, elbow, wrist, knuckle)]


def draw_figure(path):
    points = figure_points()
    segments = [(0, 1), (1, 2), (1, 3), (3, 4), (4, 5)]
    draw = " ".join(f"line {points[a][0]:.1f},{points[a][1]:.1f} {points[b][0]:.1f},{points[b][1]:.1f}"
                    for a, b in segments)
    subprocess.run(["convert", "-size", f"{PHOTO[0]}x{PHOTO[1]}", "xc:#d8d0c0", "-stroke", "#302820",
                    "-strokewidth", "5", "-draw", draw, "-quality", "92", path], check=True)
    return points


def photo_window(program):
    def probe():
        for window in program.showing_windows():
            if window.name == "Photo - Rula":
                return window
        return None
    return wait_for("the Photo window", probe, 15)


def window_origin(name):
    """The client area's origin on the display, from the window system."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                           capture_output=True, text=True).stdout.split()
    check(found, f"no window {name!r}")
    info = subprocess.run(["xwininfo", "-id", found[0]], capture_output=True, text=True,
                          check=True).stdout
    field = lambda label: int(info.split(label + ":")[1].split()[0])
    return field("Absolute upper-left X"), field("Absolute upper-left Y")


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def showing_nodes(node):
    """Every showing accessible under `node`, depth first."""
    for child in node:
        if child is not None:
            if showing(child):
                yield child
            yield from showing_nodes(child)


def find(window, name, role):
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


def labels(window):
    return [c.name for c in showing_nodes(window) if c.getRole() == pyatspi.ROLE_LABEL]


def click_at(x, y):
    xdotool("mousemove", "--sync", str(x), str(y), "click", "1")


def click_control(window, control):
    origin = window_origin(window.name)
    wx, wy, _, _ = extents(window)
    x, y, width, height = extents(control)
    click_at(origin[0] + x - wx + width // 2, origin[1] + y - wy + height // 2)


def body(binary):
    with Desktop() as desktop:
        photo = os.path.join(desktop.tmp, "figure.jpg")
        points = draw_figure(photo)
        program = desktop.launch(binary, args=[photo])
        window = photo_window(program)
        # The photo decodes on a worker thread; the facing is offered once it shows.
        facing = find(window, "Facing right", None)
        wait_for("the photo to show", lambda: has_state(facing, pyatspi.STATE_SENSITIVE), 10)
        click_control(window, facing)

        # The photo fitted whole and centred in the view named "Photo".
        view = find(window, "Photo", None)
        origin, (wx, wy, _, _), (vx, vy, vw, vh) = settled(window, view)
        scale = min(vw / PHOTO[0], vh / PHOTO[1])
        left = origin[0] + vx - wx + (vw - PHOTO[0] * scale) / 2
        top = origin[1] + vy - wy + (vh - PHOTO[1] * scale) / 2
        clicks = [(round(left + x * scale), round(top + y * scale)) for x, y in points]
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
        click_control(window, find(window, "Use These Angles", pyatspi.ROLE_PUSH_BUTTON))
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
