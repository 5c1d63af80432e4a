"""Three whole assessments on the real program, one after the other in one run: two with
the mouse, the third with the keyboard alone (Tab, arrow keys, Space, Enter, Alt+letter).
Each result is read value by value on the final score screen, added to the chart, and
the chart is read row by row; the task of each row is typed at once into its task field,
which has the focus after adding. Alt+O then puts the chart on the X clipboard, read back
as HTML and as text. Then the chart is filled to its tenth row, which disables "Add to
chart". Clear Chart asks first: Alt+C twice, and Alt+C then Enter, leave the rows; its
clearing button empties the chart and enables "Add to chart" again.

Usage: run_assessments.py path/to/rula   (inside dbus-run-session)
"""

import html.parser
import subprocess
import sys

import pyatspi

from desktop import (CHART_HEADINGS, Desktop, answer_screen, check, check_equal, expect_equal,
                     has_state, key, name_task, run_test, wait_for)

# An assessment: per screen, the option buttons to choose, as (accessible name, which
# one from the top), and the check boxes with the state they must end in.
# The expected values are worked by hand from the RULA Tables A, B and C.
ASSESSMENTS = [
    {
        "how": "mouse",
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
        "Form8": ([("Activity is mainly static (held longer than 1 minute)", 0),
                   ("Load is 5-25 lbs. ( 2-10 kg ); intermittent", 0),
                   ("Moderate posture, not static, not lightly repetitive", 1),
                   ("Load < 5 lbs. ( 2 kg ); intermittent", 1)], {}),
        # Upper arm 2+1, lower arm 2+1, wrist 2+1, twist 2: Table A row 9, column 6 = 4;
        # C = 4+1+1. Neck 2+1, trunk 2+1, legs 2: Table B row 3, column 6 = 5; D = 5.
        # Table C row 6, column 5 = 6.
        "expected": ["3", "3", "3", "2", "4", "1", "1", "6",
                     "3", "3", "2", "5", "0", "0", "5", "6"],
    },
    {
        "how": "mouse, on the drawings",
        "Form2": ([("Upper arm 20° back to 20° forward", 0)],
                  {"Shoulder is raised": False, "Upper arm is abducted": False,
                   "Leaning or supporting the weight of the arm": True}),
        "Form3": ([("Lower arm 60° to 100° of elbow flexion", 0)],
                  {"Working across the mid-line or out to the side of body": False}),
        "Form4": ([("Wrist neutral, 0°", 0)], {"Wrist is bent away from the mid-line": False}),
        "Form5": ([("Mainly in mid-range of twist", 0)], {}),
        "Form6": ([("Neck 0° to 10° forward", 0)],
                  {"Neck is twisting": False, "Neck is side-bending": True}),
        "Form7": ([("Trunk over 60° forward", 0)],
                  {"Trunk is twisting": True, "Trunk is side-bending": False,
                   "Trunk is well supported while seated": True,
                   "Are legs and feet supported and balanced": True}),
        "Form8": ([("Moderate posture, not static, not lightly repetitive", 0),
                   ("Load < 5 lbs. ( 2 kg ); intermittent", 0),
                   ("Activity is repeated more than 4 times/minute", 1),
                   ("Load is 5-25 lbs. ( 2-10 kg ); static or repeated", 1)], {}),
        # Upper arm 1-1 counts as 1; lower arm, wrist and twist 1: Table A = 1, C = 1.
        # Neck 1+1; trunk supported while seated scores 1, +1 twisting; legs 1:
        # Table B row 2, column 3 = 2; D = 2+1+2 = 5. Table C row 1, column 5 = 4.
        "expected": ["1", "1", "1", "1", "1", "0", "0", "1",
                     "2", "2", "1", "2", "1", "2", "5", "4"],
    },
    {
        "how": "keyboard",
        "Form2": ([("Upper arm over 90° forward", 0)],
                  {"Shoulder is raised": True, "Upper arm is abducted": True,
                   "Leaning or supporting the weight of the arm": True}),
        "Form3": ([("Lower arm 60° to 100° of elbow flexion", 0)],
                  {"Working across the mid-line or out to the side of body": True}),
        "Form4": ([("Wrist bent more than 15°", 0)],
                  {"Wrist is bent away from the mid-line": False}),
        "Form5": ([("At or near the end of twisting range", 0)], {}),
        "Form6": ([("Neck in extension", 0)],
                  {"Neck is twisting": True, "Neck is side-bending": True}),
        "Form7": ([("Trunk 20° to 60° forward", 0)],
                  {"Trunk is twisting": True, "Trunk is side-bending": False,
                   "Trunk is well supported while seated": False,
                   "Are legs and feet supported and balanced": False}),
        "Form8": ([("Activity is repeated more than 4 times/minute", 0),
                   ("Load > 25 lbs. ( 10 kg ); repeated or shocks", 0),
                   ("Activity is mainly static (held longer than 1 minute)", 1),
                   ("Load is 5-25 lbs. ( 2-10 kg ); intermittent", 1)], {}),
        # Upper arm 4+1+1-1, lower arm 1+1, wrist 3, twist 2: Table A row 14, column 6
        # = 7; C = 7+1+3. Neck 4+1+1, trunk 3+1, legs 2: Table B row 6, column 8 = 9;
        # D = 9+1+1. Table C: C 8 or more, D 7 or more = 7.
        "expected": ["5", "2", "3", "2", "7", "1", "3", "11",
                     "6", "4", "2", "9", "1", "1", "11", "7"],
    },
]

POSTURE_SCREENS = ["Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8"]

TASKS = ["Packing, left arm", "Packing, right arm", "Palletising <B> & C"]


def back_to_upper_arm(program, by_keyboard):
    """From the chart back through every screen to the upper arm screen."""
    for form in ["Form10", "Form9", "Form8", "Form7", "Form6", "Form5", "Form4", "Form3"]:
        screen = program.wait_screen(form)
        if by_keyboard:
            key("alt+b")
        else:
            screen.click(screen.button("Back"))
    program.wait_screen("Form2")


def tasks(chart):
    fields = [chart.find(f"Task, row {row}") for row in range(1, 11)]
    return [(field.queryText().getText(0, -1), has_state(field, pyatspi.STATE_SENSITIVE))
            for field in fields]


class Table(html.parser.HTMLParser):
    """The tables of an HTML text, as lists of rows of cell texts."""

    def __init__(self, text):
        super().__init__()
        self.tables, self.cell = [], None
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        if tag == "table":
            self.tables.append([])
        elif tag == "tr" and self.tables:
            self.tables[-1].append([])
        elif tag in ("td", "th"):
            self.cell = ""

    def handle_endtag(self, tag):
        if tag in ("td", "th") and self.tables and self.tables[-1]:
            self.tables[-1][-1].append(self.cell)
            self.cell = None

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data


def clipboard(target):
    """What the clipboard holds in that form; empty while nothing offers it."""
    return subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", target],
                          capture_output=True, timeout=5).stdout.decode()


def copied_chart(rows):
    """Alt+O, then the X clipboard must hold the chart as one HTML table and as CRLF
    lines of tab-separated text."""
    heading = ["Row"] + CHART_HEADINGS + ["Side", "Task", "Notes"]
    expected = [heading] + [[str(n)] + row for n, row in enumerate(rows, 1)]
    key("alt+o")
    text = wait_for("the chart on the clipboard",
                    lambda: (t := clipboard("text/html")) and "<table" in t and t, 5)
    tables = Table(text).tables
    expect_equal(tables, [expected], "the chart copied as HTML")
    plain = clipboard("text/plain")
    expect_equal(plain, "".join("\t".join(line) + "\r\n" for line in expected),
                 "the chart copied as text")
    print(f"copied {len(rows)} rows: {len(text)} bytes of HTML, {len(plain)} of text")


def clear_chart_question(program):
    """Waits for Clear Chart's question and returns its text."""
    alert = program.wait_alert()
    texts = [label.name for label in pyatspi.findAllDescendants(
        alert, lambda a: a.getRole() == pyatspi.ROLE_LABEL) if label.name]
    return alert, texts


def question_closes(program, what):
    wait_for(f"the question to close after {what}", lambda: not any(
        w.getRole() == pyatspi.ROLE_ALERT for w in program.showing_windows()))


def main():
    binary = sys.argv[1]
    with Desktop() as desktop:
        program = desktop.launch(binary)
        first = program.wait_screen("Form1")
        first.click(first.button("Continue"))
        rows = []
        for number, assessment in enumerate(ASSESSMENTS, 1):
            how = assessment["how"]
            if number > 1:
                back_to_upper_arm(program, how == "keyboard")
            for form in POSTURE_SCREENS:
                answer_screen(program, form, assessment[form], how)
            final = program.wait_screen("Form9")
            expect_equal(final.final_scores(), assessment["expected"],
                         f"assessment {number} ({how}): the final score screen")
            if how == "keyboard":
                key("alt+a")
            else:
                final.click(final.button("Add to chart"))
            rows.append(assessment["expected"])
            chart = program.wait_screen("Form10")
            shown = chart.chart()
            for row in range(10):
                expect_equal(shown[row], rows[row] if row < len(rows) else [""] * 16,
                             f"after assessment {number}: chart row {row + 1}")
            name_task(chart, number, TASKS[number - 1])
        expect_equal(tasks(chart), [(task, True) for task in TASKS] + [("", False)] * 7,
                     "the tasks, and which fields can be edited")
        copied_chart([row + ["", task, ""] for row, task in zip(rows, TASKS)])
        # The last assessment again, row after row, until the chart is full.
        while len(rows) < 10:
            key("alt+b")
            program.wait_screen("Form9")
            key("alt+a")
            rows.append(rows[-1])
            chart = program.wait_screen("Form10")
        expect_equal(chart.chart(), rows, "the full chart")
        # Alt+C, pressed out of habit, twice; then Alt+C and Enter: the rows stay.
        for answer in ("alt+c", "Return"):
            key("alt+c")
            _, texts = clear_chart_question(program)
            expect_equal(texts, ["Clear all 10 rows of the chart? They cannot be brought back."],
                         "Clear Chart's question")
            key(answer)
            question_closes(program, answer)
            chart = program.wait_screen("Form10")
            expect_equal(chart.chart(), rows, f"the chart after Alt+C and {answer}")
        expect_equal(tasks(chart)[0], (TASKS[0], True), "row 1's task after the answers")
        chart.click(chart.button("Back"))
        final = program.wait_screen("Form9")
        add = final.button("Add to chart")
        expect_equal(has_state(add, pyatspi.STATE_SENSITIVE), False, "Add to chart, chart full")
        final.click(final.button("Goto Chart"))
        chart = program.wait_screen("Form10")
        chart.click(chart.button("Clear Chart"))
        alert, _ = clear_chart_question(program)
        clear = [b for b in pyatspi.findAllDescendants(
            alert, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON) if b.name == "Clear All Rows"]
        check(len(clear) == 1, "Clear Chart's question has no button 'Clear All Rows'")
        clear[0].queryAction().doAction(0)
        question_closes(program, "Clear All Rows")
        chart = program.wait_screen("Form10")
        wait_for("the chart to be cleared", lambda: chart.chart()[0][0] == "")
        expect_equal(chart.chart(), [[""] * 16] * 10, "the chart after Clear Chart")
        expect_equal(tasks(chart), [("", False)] * 10, "the tasks after Clear Chart")
        chart.click(chart.button("Back"))
        final = program.wait_screen("Form9")
        add = final.button("Add to chart")
        expect_equal(has_state(add, pyatspi.STATE_SENSITIVE), True, "Add to chart, chart cleared")
        final.click(add)
        chart = program.wait_screen("Form10")
        expect_equal(chart.chart()[:2], [rows[-1], [""] * 16], "rows 1 and 2 after clearing")
        # The row is not saved: Exit asks first; Close Without Saving ends the program.
        chart.click(chart.button("Exit"))
        _, texts = clear_chart_question(program)
        expect_equal(texts, ["Save the changes to the chart before closing?"],
                     "the closing question")
        key("alt+w")
        check_equal(program.wait_exit(2), 0, "exit status")


if __name__ == "__main__":
    sys.exit(run_test(main))
