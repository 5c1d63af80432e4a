"""A study on the real program: `rula study.rula` starts on the chart with the study's rows,
tasks and details (read through the accessibility bus); a detail typed marks the caption;
Save As through the real file dialog (Ctrl+Shift+S, the path typed, Enter) writes the
documented file; Export writes a PDF whose text layer holds the tasks and the title, and a
CSV that Python's csv module reads back as the chart's cells; Exit then ends the program at
once. A study that is not one is refused with a message naming it, over the introduction.

Usage: run_study.py path/to/rula   (inside dbus-run-session)
"""

import csv
import io
import json
import os
import subprocess
import sys

import pyatspi

from desktop import (CHART_HEADINGS, Desktop, check, check_equal, expect_equal, key, run_test,
                     wait_for, xdotool)

FIELDS = ["UpperArmScore", "LowerArmScore", "WristScore", "WristTwistScore", "PostureScoreA",
          "MuscleUseScoreA", "ForceLoadScoreA", "WristArmScore", "NeckScore", "TrunkScore",
          "LegsScore", "PostureScoreB", "MuscleUseScoreB", "ForceLoadScoreB",
          "NeckTrunkLegScore", "FinalScore"]
ROWS = [
    ([2, 1, 2, 1, 2, 0, 0, 2, 2, 2, 1, 2, 0, 0, 2, 3], "Packing, left arm"),
    ([3, 2, 2, 1, 4, 1, 0, 5, 3, 2, 1, 4, 1, 1, 6, 6], 'Palletising "heavy" boxes'),
    ([1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 0, 0, 1, None], "=Labels, right hand"),
]
TITLE = "Line 3, packing"


def study_json():
    return {"format": "rula-study", "version": 1, "title": TITLE, "site": "Hall B",
            "assessor": "A. Nowak", "observed": "2026-12-09",
            "rows": [{"task": task, "scores": dict(zip(FIELDS, scores))}
                     for scores, task in ROWS]}


def cells(scores):
    return ["" if value is None else str(value) for value in scores]


def text_of(control):
    return control.queryText().getText(0, -1)


def through_file_dialog(program, path, open_it):
    """Opens the file dialog with `open_it`, types the path into it and accepts it."""
    before = len(program.visible_windows())
    open_it()
    wait_for("the file dialog", lambda: len(program.visible_windows()) > before, 5)
    key("ctrl+a")
    xdotool("type", "--delay", "10", path)
    key("Return")
    wait_for(f"{path} to be written", lambda: os.path.exists(path), 10)
    wait_for("the file dialog to close", lambda: len(program.visible_windows()) == before, 5)


def main():
    binary = sys.argv[1]
    with Desktop() as desktop:
        folder = os.path.join(desktop.tmp, "studies")
        os.mkdir(folder)
        study = os.path.join(folder, "study.rula")
        with open(study, "w", encoding="utf-8") as out:
            json.dump(study_json(), out)

        program = desktop.launch(binary, args=[study])
        chart = program.wait_screen("Form10")
        shown = chart.chart()
        expect_equal(shown[:3], [cells(scores) for scores, _ in ROWS], "the study's rows")
        expect_equal(shown[3:], [[""] * 16] * 7, "the empty rows")
        expect_equal([text_of(chart.find(f"Task, row {n}")) for n in range(1, 4)],
                     [task for _, task in ROWS], "the study's tasks")
        expect_equal([text_of(chart.find(name)) for name in ("Title", "Site", "Assessor")],
                     [TITLE, "Hall B", "A. Nowak"], "the study's details")
        check_equal(chart.caption(), "study.rula - Rula", "the caption of an opened study")

        # A detail typed: the caption shows the changed-mark.
        chart.click(chart.find("Assessor"))
        key("End")
        xdotool("type", "--delay", "10", " (day shift)")
        wait_for("the changed-mark in the caption", lambda: chart.caption() == "study.rula* - Rula")

        saved = os.path.join(folder, "saved.rula")
        through_file_dialog(program, saved, lambda: key("ctrl+shift+s"))
        with open(saved, encoding="utf-8") as file:
            written = json.load(file)
        expected = study_json()
        expected["assessor"] = "A. Nowak (day shift)"
        expect_equal(written, expected, "the study saved as")
        wait_for("the saved study's caption", lambda: chart.caption() == "saved.rula - Rula")

        pdf = os.path.join(folder, "chart.pdf")
        through_file_dialog(program, pdf, lambda: chart.click(chart.button("Export…")))
        text = " ".join(subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                                       text=True, check=True).stdout.split())
        for words in [f"Title: {TITLE}", "Assessor: A. Nowak (day shift)"] + [
                task for _, task in ROWS]:
            expect_equal(words in text, True, f"{words!r} in the exported PDF's text {text}")

        table = os.path.join(folder, "chart.csv")
        through_file_dialog(program, table, lambda: chart.click(chart.button("Export…")))
        with open(table, newline="", encoding="utf-8") as file:
            raw = file.read()
        check(raw.startswith("\ufeff"), "the CSV starts with a byte-order mark")
        lines = list(csv.reader(io.StringIO(raw[1:], newline="")))
        expect_equal(lines[:5], [["Title", TITLE], ["Site", "Hall B"],
                                 ["Assessor", "A. Nowak (day shift)"],
                                 ["Observed", "2026-12-09"], []], "the CSV's details")
        guarded = lambda task: "'" + task if task[0] in "=+-@" else task
        expect_equal(lines[5:], [["Row"] + CHART_HEADINGS + ["Task"]] + [
            [str(n)] + cells(scores) + [guarded(task)] for n, (scores, task) in enumerate(ROWS, 1)],
            "the CSV's table")
        check_equal(chart.caption(), "saved.rula - Rula", "the caption after exporting")

        # Saved and exported: Exit ends the program at once.
        chart.click(chart.button("Exit"))
        check_equal(program.wait_exit(2), 0, "exit status")

        # Not a study: its message over the introduction.
        broken = os.path.join(folder, "broken.rula")
        with open(broken, "w") as out:
            out.write('{"format": "rula-study", "version": 1, "rows": [')
        program = desktop.launch(binary, args=[broken])
        alert = program.wait_alert()
        said = " ".join(label.name for label in pyatspi.findAllDescendants(
            alert, lambda a: a.getRole() == pyatspi.ROLE_LABEL) if label.name)
        expect_equal(broken in said, True, f"the file named in {said!r}")
        key("Return")
        program.wait_screen("Form1")


if __name__ == "__main__":
    sys.exit(run_test(main))
