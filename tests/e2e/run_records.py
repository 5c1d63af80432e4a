"""Every assessment a record, on the real program: an assessment added to the chart with
a task and notes; the screens moved on, then Review brings the row's answers and scores
back; the wrist corrected and "Update Row 1" writes the new scores in place, keeping the
task and notes. "Assess the Other Side" asks which side row 1 shows, starts on the upper
arm screen with the neck, trunk and legs answers kept, and the row it adds has the same
task, the same Final B and the other side. Saved through the file dialog, the program
closes at once; `rula study.rula` shows the rows again, and a double-click on row 2's
number reviews it. A photo measured in the Photo window beside the final score screen
holds back "Add to chart" and "Update Row 2" until the frequency and force screen's
Continue scores the new answers. The chart's "New Assessment" leaves the upper arm screen
empty. All with real input, read through the accessibility bus.

Usage: run_records.py path/to/rula   (inside dbus-run-session)
RULA_RECORDS_SHOTS=folder keeps a screenshot of each step there.
"""

import os
import subprocess
import sys
import time

import pyatspi

from desktop import (PHOTO_WINDOW, Desktop, alert_text, answer_screen, check, check_equal,
                     choose_facing, click_at, click_control, draw_figure, expect_equal, extents,
                     find_showing, has_state, key, name_task, on_display, photo_window,
                     run_test, showing_nodes, text_of, through_file_dialog, wait_for, xdotool)

POSTURE_SCREENS = ["Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8"]

# Row 1, by the mouse: per screen the options to choose, as (accessible name, which one
# from the top), and the check boxes with the state they must end in.
STATIC = "Activity is mainly static (held longer than 1 minute)"
MODERATE = "Moderate posture, not static, not lightly repetitive"
LIGHT_LOAD = "Load < 5 lbs. ( 2 kg ); intermittent"
ROW1 = {
    "Form2": ([("Upper arm 20° to 45° forward", 0)],
              {"Shoulder is raised": True, "Upper arm is abducted": False,
               "Leaning or supporting the weight of the arm": False}),
    "Form3": ([("Lower arm below 60° or beyond 100°", 0)],
              {"Working across the mid-line or out to the side of body": True}),
    "Form4": ([("Wrist bent up to 15°", 0)], {"Wrist is bent away from the mid-line": True}),
    "Form5": ([("At or near the end of twisting range", 0)], {}),
    "Form6": ([("Neck 10° to 20° forward", 0)],
              {"Neck is twisting": True, "Neck is side-bending": False}),
    "Form7": ([("Trunk 0° to 20° forward", 0)],
              {"Trunk is twisting": False, "Trunk is side-bending": True,
               "Trunk is well supported while seated": False,
               "Are legs and feet supported and balanced": False}),
    "Form8": ([(STATIC, 0), ("Load is 5-25 lbs. ( 2-10 kg ); intermittent", 0),
               (MODERATE, 1), (LIGHT_LOAD, 1)], {}),
}
# Worked by hand from Tables A, B and C. Upper arm 2+1, lower arm 2+1, wrist 2+1, twist 2:
# Table A row 9, column 6 = 4; C = 4+1+1. Neck 2+1, trunk 2+1, legs 2: Table B row 3,
# column 6 = 5; D = 5. Table C row 6, column 5 = 6.
ROW1_SCORES = ["3", "3", "3", "2", "4", "1", "1", "6", "3", "3", "2", "5", "0", "0", "5", "6"]
# The wrist corrected: bent more than 15°, still away from the mid-line, 3+1. Table A row
# 9, column 8 = 5; C = 5+1+1 = 7. Table C row 7, column 5 = 7.
CORRECTED_WRIST = "Wrist bent more than 15°"
ROW1_CORRECTED = ["3", "3", "4", "2", "5", "1", "1", "7", "3", "3", "2", "5", "0", "0", "5", "7"]

# The other arm: group A answered afresh, group B left as it comes.
OTHER_ARM = {
    "Form2": ([("Upper arm 20° back to 20° forward", 0)], {}),
    "Form3": ([("Lower arm 60° to 100° of elbow flexion", 0)], {}),
    "Form4": ([("Wrist neutral, 0°", 0)], {}),
    "Form5": ([("Mainly in mid-range of twist", 0)], {}),
    "Form8": ([(MODERATE, 0), (LIGHT_LOAD, 0)], {}),
}
# Upper arm, lower arm, wrist and twist 1: Table A = 1; C = 1. Group B as row 1: D = 5.
# Table C row 1, column 5 = 4.
ROW2_SCORES = ["1", "1", "1", "1", "1", "0", "0", "1", "3", "3", "2", "5", "0", "0", "5", "4"]

# A figure measured on a photo while row 2 is reviewed: the upper arm 65°, lower arm 80°,
# wrist 30°, neck 15° and trunk 40° choose upper arm 3, lower arm 1, wrist 3, neck 2, trunk
# 3; the boxes stay as row 2 has them. Table A row 7, column 5 = 4; C = 4. Neck 2+1, trunk
# 3+1, legs 2: Table B row 3, column 8 = 6; D = 6. Table C row 4, column 6 = 6.
DRAWN = {"trunk": 40, "neck": 15, "upper_arm": 65, "lower_arm": 80, "wrist": 30}
MEASURED_SCORES = ["3", "1", "3", "1", "4", "0", "0", "4", "3", "4", "2", "6", "0", "0", "6", "6"]

TASK = "Packing at line 3"
NOTES = "Reaches over the bin's edge.\nRaise the bin by 20 cm."
OUT_OF_DATE = ("The answers changed after these scores: press Continue on the frequency and "
               "force screen again")


def shot(name):
    """Keeps a screenshot of the display when RULA_RECORDS_SHOTS names a folder."""
    folder = os.environ.get("RULA_RECORDS_SHOTS")
    if folder:
        subprocess.run(["import", "-window", "root", os.path.join(folder, name + ".png")],
                       check=True)


def checked(screen, name, nth=0, role=pyatspi.ROLE_RADIO_BUTTON):
    return has_state(screen.find(name, role, nth), pyatspi.STATE_CHECKED)


def chosen(screen):
    """The options and boxes of a screen that are on."""
    return [c.name for c in screen.all() if c.getRole() in (
        pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX)
        and has_state(c, pyatspi.STATE_CHECKED)]


def side(chart, row):
    """The letter in the row's Side list as a screen reader hears it: the list is named by
    its letter once a side is chosen, by "Side, row N" while none is; its description
    names the row."""
    fields = chart.all(role=pyatspi.ROLE_COMBO_BOX)
    found = [f for f in fields if f.description == f"Row {row}, Side"]
    check(len(found) == 1, f"{len(found)} side lists described as row {row}'s")
    return "" if found[0].name == f"Side, row {row}" else found[0].name


def rows_and_tasks(chart, count):
    """The chart's filled rows as (scores, side, task), and whether every row below them is
    empty."""
    cells = chart.chart()
    filled = [(cells[row - 1], side(chart, row), text_of(chart.find(f"Task, row {row}")))
              for row in range(1, count + 1)]
    return filled, all(cells[row] == [""] * 16 for row in range(count, 10))


def row_number(chart, row):
    """The row's number left of its cells."""
    numbers = [label for label in chart.all(str(row), pyatspi.ROLE_LABEL)
               if not label.description]  # the cells are described by row and column
    check(numbers, f"no number of row {row} on the chart")
    return min(numbers, key=lambda label: extents(label)[0])


def notes_of(chart, row):
    return text_of(wait_for(f"the notes box of row {row}",
                            lambda: next(iter(chart.all(f"Notes, row {row}")), None)))


def button_state(screen, name):
    """Whether a button is on view and can be pressed: (showing, sensitive)."""
    found = [b for b in screen.controls
             if b.name == name and b.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    check(len(found) == 1, f"{len(found)} buttons {name!r} on {screen.window.name!r}")
    return (has_state(found[0], pyatspi.STATE_SHOWING),
            has_state(found[0], pyatspi.STATE_SENSITIVE))


def back_to(program, here, there, beside=None):
    """Presses Back from screen number `here` down to screen number `there`."""
    for n in range(here, there, -1):
        screen = program.wait_screen(f"Form{n}", beside=beside)
        screen.click(screen.button("Back"))
    return program.wait_screen(f"Form{there}", beside=beside)


def continue_to_final(program, first, beside=None):
    """Presses Continue from screen number `first` through the frequency and force screen."""
    for n in range(first, 9):
        screen = program.wait_screen(f"Form{n}", beside=beside)
        screen.click(screen.button("Continue"))
    return program.wait_screen("Form9", beside=beside)


def first_run(desktop, binary, study):
    program = desktop.launch(binary)
    screen = program.wait_screen("Form1")
    screen.click(screen.button("Continue"))

    # 1. Row 1, with its task and notes.
    for form in POSTURE_SCREENS:
        answer_screen(program, form, ROW1[form], "mouse")
    final = program.wait_screen("Form9")
    expect_equal(final.final_scores(), ROW1_SCORES, "the final score screen")
    expect_equal(button_state(final, "Update Row 1")[0], False, "Update Row before any review")
    final.click(final.button("Add to chart"))
    chart = program.wait_screen("Form10")
    name_task(chart, 1, TASK)
    notes = chart.find("Notes, row 1")
    chart.click(notes)
    for number, line in enumerate(NOTES.split("\n")):
        if number:
            key("Return")
        xdotool("type", "--delay", "10", line)
    wait_for("the notes typed", lambda: text_of(notes) == NOTES, 3)

    # The screens move on to another muscle use and are scored, not added.
    chart.click(chart.button("Back"))
    back_to(program, 9, 8)
    answer_screen(program, "Form8", ([(MODERATE, 0)], {}), "mouse")
    final = program.wait_screen("Form9")
    expect_equal(final.final_scores()[5], "0", "the muscle use changed on the screens")
    final.click(final.button("Goto Chart"))

    # 2. Review row 1, the selected row: its scores and answers come back.
    chart = program.wait_screen("Form10")
    chart.click(chart.button("Review"))
    final = program.wait_screen("Form9")
    shot("1-reviewed")
    expect_equal(final.final_scores(), ROW1_SCORES, "row 1 reviewed: the final score screen")
    expect_equal(button_state(final, "Update Row 1"), (True, True), "Update Row 1 on review")
    screen = back_to(program, 9, 8)
    expect_equal(checked(screen, STATIC, 0), True, "row 1 reviewed: its muscle use")
    screen = back_to(program, 8, 4)
    expect_equal(checked(screen, "Wrist bent up to 15°"), True, "row 1 reviewed: its wrist")
    expect_equal(checked(screen, "Wrist is bent away from the mid-line", 0, pyatspi.ROLE_CHECK_BOX),
                 True, "row 1 reviewed: its wrist's box")
    # The wrist was wrong.
    screen.choose_by_mouse(screen.find(CORRECTED_WRIST, pyatspi.ROLE_RADIO_BUTTON))
    final = continue_to_final(program, 4)
    expect_equal(final.final_scores(), ROW1_CORRECTED, "row 1 corrected: the final score screen")
    shot("2-corrected")
    final.click(final.button("Update Row 1"))
    chart = program.wait_screen("Form10")
    filled, empty_below = rows_and_tasks(chart, 1)
    expect_equal(filled, [(ROW1_CORRECTED, "", TASK)], "row 1 updated: scores, side, task")
    expect_equal(empty_below, True, "row 1 updated: the rows below it empty")
    expect_equal(notes_of(chart, 1), NOTES, "row 1 updated: its notes")
    shot("3-updated")

    # 3. The other side of row 1, from the final score screen: row 1's side is not said.
    chart.click(chart.button("Back"))
    final = program.wait_screen("Form9")
    final.click(final.button("Assess the Other Side"))
    expect_equal(alert_text(program), "Which side does row 1 show?", "the side question")
    alert = program.wait_alert()
    expect_equal(sorted(b.name for b in pyatspi.findAllDescendants(
        alert, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)), ["Cancel", "Left", "Right"],
        "the side question's buttons")
    shot("4-which-side")
    # A click on the final score screen's Back behind the question does nothing: the
    # question keeps the screen and the keyboard (Alt+R answers it).
    final.click(final.button("Back"))
    wait_for("the question to have the keyboard again",
             lambda: has_state(alert, pyatspi.STATE_ACTIVE), 3)
    time.sleep(0.5)  # time enough for Back to show the frequency and force screen
    expect_equal(sorted(w.name for w in program.showing_windows()), ["Rula", "Rula - Final"],
                 "the windows on view after a click behind the side question")
    key("alt+r")
    screen = program.wait_screen("Form2")
    expect_equal(chosen(screen), [], "the other side: the upper arm screen")
    for form in ("Form2", "Form3", "Form4", "Form5"):
        answer_screen(program, form, OTHER_ARM[form], "mouse")
    # Group B as row 1 has it.
    for form in ("Form6", "Form7"):
        screen = program.wait_screen(form)
        options, boxes = ROW1[form]
        expect_equal(chosen(screen), [name for name, _ in options] + [
            name for name, ticked in boxes.items() if ticked], f"the other side: {form}")
        screen.click(screen.button("Continue"))
    screen = program.wait_screen("Form8")
    expect_equal(chosen(screen), [MODERATE, LIGHT_LOAD],
                 "the other side: group B's muscle use and force kept, group A's empty")
    answer_screen(program, "Form8", OTHER_ARM["Form8"], "mouse")
    final = program.wait_screen("Form9")
    expect_equal(final.final_scores(), ROW2_SCORES, "the other side: the final score screen")
    final.click(final.button("Add to chart"))
    chart = program.wait_screen("Form10")
    filled, empty_below = rows_and_tasks(chart, 2)
    expect_equal(filled, [(ROW1_CORRECTED, "R", TASK), (ROW2_SCORES, "L", TASK)],
                 "the other side added: scores, side, task")
    expect_equal(empty_below, True, "the other side added: the rows below empty")
    shot("5-other-side")

    # 4. Saved through the file dialog; then Exit ends the program at once.
    through_file_dialog(program, study, lambda: key("ctrl+shift+s"))
    wait_for("the saved study's caption", lambda: chart.caption() == "records.rula - Rula")
    chart.click(chart.button("Exit"))
    check_equal(program.wait_exit(3), 0, "exit status after saving")


def second_run(desktop, binary, study, photo, points):
    program = desktop.launch(binary, args=[study])
    chart = program.wait_screen("Form10")
    filled, empty_below = rows_and_tasks(chart, 2)
    expect_equal(filled, [(ROW1_CORRECTED, "R", TASK), (ROW2_SCORES, "L", TASK)],
                 "the study opened: scores, side, task")
    expect_equal(empty_below, True, "the study opened: the rows below empty")
    chart.click(chart.find("Task, row 1"))
    expect_equal(notes_of(chart, 1), NOTES, "the study opened: row 1's notes")

    # Row 2 reviewed by a double-click on its number.
    chart.click(row_number(chart, 2), repeat=2)
    final = program.wait_screen("Form9")
    expect_equal(final.final_scores(), ROW2_SCORES, "row 2 reviewed: the final score screen")
    expect_equal(button_state(final, "Update Row 2"), (True, True), "Update Row 2 on review")
    screen = back_to(program, 9, 8)
    expect_equal([checked(screen, MODERATE, 0), checked(screen, LIGHT_LOAD, 0)], [True, True],
                 "row 2 reviewed: group A's muscle use and load")
    screen = back_to(program, 8, 7)
    expect_equal([checked(screen, "Trunk 0° to 20° forward"),
                  checked(screen, "Trunk is side-bending", 0, pyatspi.ROLE_CHECK_BOX)],
                 [True, True], "row 2 reviewed: its trunk")

    # 6. A photo measured beside the final score screen changes the answers after scoring.
    key("ctrl+shift+p")
    window = photo_window(program)
    through_file_dialog(program, photo, lambda: key("ctrl+o"))
    choose_facing(window)
    for x, y in on_display(window, find_showing(window, "Photo"), points):
        click_at(x, y)
    use = find_showing(window, "Use These Angles", pyatspi.ROLE_PUSH_BUTTON)
    wait_for("Use These Angles to be enabled", lambda: has_state(use, pyatspi.STATE_SENSITIVE), 5)
    final = continue_to_final(program, 7, PHOTO_WINDOW)
    expect_equal(final.final_scores(), ROW2_SCORES, "row 2 scored again")
    expect_equal(button_state(final, "Add to chart"), (True, True), "Add to chart, scored")
    click_control(window, use)
    wait_for("Add to chart to be disabled",
             lambda: not has_state(final.button("Add to chart"), pyatspi.STATE_SENSITIVE), 5)
    shot("6-out-of-date")
    expect_equal(button_state(final, "Update Row 2"), (True, False),
                 "Update Row 2 after Use These Angles")
    expect_equal(any(c.name == OUT_OF_DATE for c in showing_nodes(final.window)), True,
                 "the final score screen says the answers changed")
    expect_equal(final.final_scores(), ROW2_SCORES, "the scores before Continue")
    back_to(program, 9, 8, PHOTO_WINDOW)
    final = continue_to_final(program, 8, PHOTO_WINDOW)
    expect_equal(final.final_scores(), MEASURED_SCORES, "the measured postures scored")
    expect_equal([button_state(final, name) for name in ("Add to chart", "Update Row 2")],
                 [(True, True)] * 2, "Add to chart and Update Row 2 after Continue")
    shot("7-scored-again")

    # 5. New Assessment from the chart (Alt+W): nothing chosen on the upper arm screen.
    final.click(final.button("Goto Chart"))
    chart = program.wait_screen("Form10", beside=PHOTO_WINDOW)
    key("alt+w")
    screen = program.wait_screen("Form2", beside=PHOTO_WINDOW)
    expect_equal(chosen(screen), [], "New Assessment: the upper arm screen")
    shot("8-new-assessment")
    # Reviewing changed nothing in the chart: Exit ends the program at once.
    screen.click(screen.button("Exit"))
    check_equal(program.wait_exit(3), 0, "exit status of the second run")


def main():
    binary = sys.argv[1]
    with Desktop() as desktop:
        folder = os.path.join(desktop.tmp, "studies")
        os.mkdir(folder)
        study = os.path.join(folder, "records.rula")
        photo = os.path.join(folder, "figure.jpg")
        points = draw_figure(photo, DRAWN)
        first_run(desktop, binary, study)
        second_run(desktop, binary, study, photo, points)


if __name__ == "__main__":
    sys.exit(run_test(main))
