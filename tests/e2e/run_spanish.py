"""A whole assessment on the real program on a Spanish desktop (LANG=es_ES.UTF-8), with the
keyboard alone: each screen's option buttons by Tab, the arrow keys and Space, found by
their Spanish names, and every button by the access key of its Spanish caption, as the
translation gives them. The final score screen and the chart must show what they show in
English for the same answers; the closing question speaks Spanish too.

Usage: run_spanish.py path/to/rula path/to/rula_es.ts   (inside dbus-run-session)
"""

import sys

import pyatspi

from desktop import (Desktop, access_key, check, check_equal, expect_equal, key, run_test,
                     use_translation, words)
from run_assessments import ASSESSMENTS, POSTURE_SCREENS

SHELL = "rula::ScreenShell"


def press(caption, context):
    """Alt and the access key of a caption in the language of the run."""
    key(f"alt+{access_key(words(caption, context))}")


def answer_by_keys(program, form, answers):
    options, boxes = answers
    screen = program.wait_screen(form)
    for name, nth in options:
        screen.choose_by_keys(screen.find(words(name), pyatspi.ROLE_RADIO_BUTTON, nth))
    for name, ticked in boxes.items():
        screen.tick_by_keys(screen.find(words(name), pyatspi.ROLE_CHECK_BOX), ticked)
    press("&Continue", SHELL)


def main():
    binary, translation = sys.argv[1:3]
    use_translation(translation)
    # The assessment the English test answers with the keyboard.
    assessment = next(a for a in ASSESSMENTS if a["how"] == "keyboard")
    with Desktop() as desktop:
        program = desktop.launch(binary, env={"LC_ALL": "", "LANGUAGE": "",
                                              "LANG": "es_ES.UTF-8"})
        program.wait_screen("Form1")
        check(words("Introduction") != "Introduction", "the translation has no Spanish words")
        press("&Continue", "rula::Form1")
        for form in POSTURE_SCREENS:
            answer_by_keys(program, form, assessment[form])
        final = program.wait_screen("Form9")
        expect_equal(final.caption(), words("Rula - Final"), "the final score screen's caption")
        expect_equal(final.final_scores(), assessment["expected"], "the final score screen")
        press("&Add to chart", "rula::Form9")
        chart = program.wait_screen("Form10")
        expect_equal(chart.chart(), [assessment["expected"]] + [[""] * 16] * 9, "the chart")
        # The row is not saved: Exit asks first, in Spanish; its Close Without Saving ends
        # the program.
        press("E&xit", "rula::Form10")
        alert = program.wait_alert()
        texts = [label.name for label in pyatspi.findAllDescendants(
            alert, lambda a: a.getRole() == pyatspi.ROLE_LABEL) if label.name]
        expect_equal(texts, [words("Save the changes to the chart before closing?")],
                     "the closing question")
        press("Close &Without Saving", SHELL)
        check_equal(program.wait_exit(2), 0, "exit status")


if __name__ == "__main__":
    sys.exit(run_test(main))
