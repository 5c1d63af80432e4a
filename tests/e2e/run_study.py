"""A study on the real program: `rula study.rula` (its name no UTF-8) starts on the chart
with the study's rows, tasks and details (read through the accessibility bus); a detail
typed marks the caption;
Save As through the real file dialog (Ctrl+Shift+S, the path typed, Enter) writes the
documented file; Export writes a PDF whose text layer holds the tasks and the title, and a
CSV that Python's csv module reads back as the chart's cells. On a full disk (a small tmpfs,
as root) Ctrl+S says what failed and leaves the earlier file byte for byte as it was, the
caption still marked. Saved again elsewhere, Exit then ends the program at once. A study
that is not one is refused with a message naming it, over the introduction.

Usage: run_study.py path/to/rula   (inside dbus-run-session)
"""

import csv
import io
import json
import os
import shutil
import subprocess
import sys

from desktop import (CHART_HEADINGS, Desktop, alert_text, check, check_equal, expect_equal, key,
                     run_test, text_of, through_file_dialog, wait_for, xdotool)

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


def full_disk(desktop, program, chart):
    """Saves onto a small tmpfs, fills it, then saves a change there."""
    full = os.path.join(desktop.tmp, "full")
    os.mkdir(full)
    subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", full], check=True)
    try:
        study = os.path.join(full, "full.rula")
        through_file_dialog(program, study, lambda: key("ctrl+shift+s"))
        with open(study, "rb") as file:
            before = file.read()
        subprocess.run(["dd", "if=/dev/zero", f"of={full}/filler", "bs=1k", "count=200"],
                       capture_output=True)
        chart.click(chart.find("Site"))
        key("End")
        xdotool("type", "--delay", "10", ", east")
        wait_for("the changed-mark", lambda: chart.caption() == "full.rula* - Rula")
        key("ctrl+s")
        said = alert_text(program)
        expect_equal(study in said, True, f"the full disk's file named in {said!r}")
        key("Return")
        with open(study, "rb") as file:
            expect_equal(file.read() == before, True, "the earlier file after a failed save")
        program.wait_screen("Form10")
        expect_equal(chart.caption(), "full.rula* - Rula", "the caption after a failed save")
    finally:
        subprocess.run(["umount", full], check=True)


def main():
    binary = sys.argv[1]
    with Desktop() as desktop:
        folder = os.path.join(desktop.tmp, "studies")
        os.mkdir(folder)
        # A name that is no UTF-8 (Latin-1 "é"): opened by its bytes, shown with U+FFFD.
        study = os.path.join(os.fsencode(folder), b"caf\xe9.rula")
        with open(study, "w", encoding="utf-8") as out:
            json.dump(study_json(), out)

        program = desktop.launch(binary, args=[study])
        chart = program.wait_screen("Form10")
        shown = chart.chart()
        expect_equal(shown[:3], [cells(scores) for scores, _ in ROWS], "the study's rows")
        expect_equal(shown[3:], [[""] * 16] * 7, "the empty rows")
        expect_equal([text_of(chart.find(f"Task, row {n}")) for n in range(1, 4)],
                     [task for _, task in ROWS], "the study's tasks")
        expect_equal([text_of(chart.find(name)) for name in ("Title", "Site", "Assessed by")],
                     [TITLE, "Hall B", "A. Nowak"], "the study's details")
        check_equal(chart.caption(), "caf\ufffd.rula - Rula", "the caption of an opened study")

        # A detail typed: the caption shows the changed-mark.
        chart.click(chart.find("Assessed by"))
        key("End")
        xdotool("type", "--delay", "10", " (day shift)")
        wait_for("the changed-mark in the caption",
                 lambda: chart.caption() == "caf\ufffd.rula* - Rula")

        saved = os.path.join(folder, "saved.rula")
        through_file_dialog(program, saved, lambda: key("ctrl+shift+s"))
        with open(saved, encoding="utf-8") as file:
            written = json.load(file)
        # The version 1 study opened is saved as version 2: its rows have no side, notes,
        # answers or photo.
        expected = study_json()
        expected["version"] = 2
        for row in expected["rows"]:
            row.update(side=None, notes="", answers=None, measurement=None)
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
        expect_equal(lines[5:], [["Row"] + CHART_HEADINGS + ["Side", "Task", "Notes"]] + [
            [str(n)] + cells(scores) + ["", guarded(task), ""]
            for n, (scores, task) in enumerate(ROWS, 1)],
            "the CSV's table")
        check_equal(chart.caption(), "saved.rula - Rula", "the caption after exporting")

        if os.geteuid() == 0 and shutil.which("mount"):
            full_disk(desktop, program, chart)
            through_file_dialog(program, os.path.join(folder, "again.rula"),
                                lambda: key("ctrl+shift+s"))
            wait_for("the saved study's caption", lambda: chart.caption() == "again.rula - Rula")
        else:
            print("not root: the full disk is left out")

        # Saved and exported: Exit ends the program at once.
        chart.click(chart.button("Exit"))
        check_equal(program.wait_exit(2), 0, "exit status")

        # Not a study: its message over the introduction.
        broken = os.path.join(folder, "broken.rula")
        with open(broken, "w") as out:
            out.write('{"format": "rula-study", "version": 1, "rows": [')
        program = desktop.launch(binary, args=[broken])
        said = alert_text(program)
        expect_equal(broken in said, True, f"the file named in {said!r}")
        key("Return")
        program.wait_screen("Form1")


if __name__ == "__main__":
    sys.exit(run_test(main))
