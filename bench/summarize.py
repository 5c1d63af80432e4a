#!/usr/bin/python3
"""Prints the benchmark's medians, the ratios program/baseline and each target's verdict.

Usage: summarize.py WORKDIR [--strict]
WORKDIR holds startup.json and drive.json (desktop_bench.py), scoring.csv,
screens.csv and continue.csv (Qt Test's csv output), photo.json and photo_progressive.json
(bench_photo) and photo_window.csv (bench_photo_window). With --strict the exit status
is 3 when a target is missed.
"""

import csv
import json
import os
import sys


def qtest_results(path):
    """{(function, tag): milliseconds per iteration} from Qt Test's csv output."""
    results = {}
    with open(path, newline="") as f:
        for row in csv.reader(f):
            if len(row) >= 4:
                results[(row[0], row[1])] = float(row[3])
    return results


def main():
    work = sys.argv[1]
    strict = "--strict" in sys.argv[2:]
    with open(os.path.join(work, "startup.json")) as f:
        startup = json.load(f)
    with open(os.path.join(work, "drive.json")) as f:
        drive = json.load(f)
    scoring = qtest_results(os.path.join(work, "scoring.csv"))
    screens = qtest_results(os.path.join(work, "screens.csv"))
    screens.update(qtest_results(os.path.join(work, "continue.csv")))
    window_csv = os.path.join(work, "photo_window.csv")
    window = qtest_results(window_csv) if os.path.exists(window_csv) else {}

    verdicts = []

    def target(name, value, limit, unit, detail, under=False):
        # "within" a ratio allows the limit itself; "under" a time does not.
        met = value < limit if under else value <= limit
        verdicts.append(met)
        bound = f"{'under' if under else 'within'} {limit:g}{unit}"
        verdict = "MET " if met else "MISS"
        print(f"  {verdict}  {name}: {value:.3g}{unit} (target: {bound}) {detail}")

    su = startup["startup_ms"]
    idle = startup["idle_hwm_kib"]
    sp, sb = su["program"]["median"], su["baseline"]["median"]
    ip, ib = idle["program"]["median"], idle["baseline"]["median"]
    dp = drive["program_ten_rows_hwm_kib"]["median"]
    db = drive["baseline_hwm_kib"]["median"]
    n_start = len(su["program"]["runs"])
    n_drive = len(drive["program_ten_rows_hwm_kib"]["runs"])
    score_ms = scoring[("scoreAssessment", "")]
    pair_painted = screens[("form8Continue", "continue+back, painted")]
    pair_handlers = screens[("form8Continue", "continue+back, handlers")]
    alone = screens[("form8ContinueAlone", "")]

    # The baseline showing the introduction's text, where it was measured.
    floor = "text floor" if "text floor" in su else None
    # The program on a German desktop, its translation loaded, where it was measured.
    german = "German" if "German" in su else None
    german_floor = "German text floor" if "German text floor" in su else None
    starters = (["baseline"] + ([floor] if floor else []) + ["program"] +
                [who for who in (german, german_floor) if who])
    libs = startup.get("shared_libraries", {})

    print("Medians")
    print(f"  start-up to the first painted window ({n_start} starts each, alternating,")
    print("  no window manager)")
    for who in starters:
        s = su[who]
        print(f"    {who:18s} {s['median']:7.1f} ms   (min {s['min']:.1f}, max {s['max']:.1f})")
    cpu = startup.get("startup_cpu_ms")
    if cpu:
        print("  on-CPU time of the process until its first window was painted (same starts)")
        for who in starters:
            print(f"    {who:18s} {cpu[who]['median']:7.1f} ms")
    if libs:
        print("  shared libraries mapped when the first window was painted")
        for who in starters:
            print(f"    {who:18s} {libs[who]['median']:5.0f}")
    print("  peak resident memory, VmHWM")
    print(f"    baseline, window shown          {ib / 1024:6.1f} MiB")
    if floor:
        print(f"    text floor, window shown        {idle[floor]['median'] / 1024:6.1f} MiB")
    print(f"    program, introduction shown     {ip / 1024:6.1f} MiB")
    if german:
        print(f"    in German, introduction shown   {idle[german]['median'] / 1024:6.1f} MiB")
    print(f"    baseline, under openbox         {db / 1024:6.1f} MiB   ({n_drive} runs)")
    print("    (the ten rows are driven under openbox too)")
    print(f"    program, after ten chart rows   {dp / 1024:6.1f} MiB   ({n_drive} runs)")
    print("  Qt Test benchmarks (QBENCHMARK, median of the repeats)")
    print(f"    scoring one assessment            {score_ms * 1e6:8.0f} ns")
    print(f"    Form8 Continue + Form9 Back, handlers only        {pair_handlers:7.3f} ms")
    print(f"    Form8 Continue + Form9 Back, both screens painted {pair_painted:7.3f} ms")
    print(f"    Form8 Continue alone, Form9 painted (median click) {alone:6.3f} ms")
    if window:
        print(f"    Photo window, 24 MP JPEG opened to painted        {window[('openToPainted', '')]:7.1f} ms")
        print(f"    Photo window, a point dragged (median move)       {window[('dragPoint', '')]:7.2f} ms")
    print("Ratios program/baseline")
    print(f"  start-up                          {sp / sb:5.2f}")
    if cpu:
        cp, cb = cpu["program"]["median"], cpu["baseline"]["median"]
        print(f"  on-CPU time until painted         {cp / cb:5.2f}")
    print(f"  peak memory, introduction shown   {ip / ib:5.2f}")
    print(f"  peak memory after ten chart rows  {dp / db:5.2f}")
    if floor:
        sf, fm = su[floor]["median"], idle[floor]["median"]
        print("Ratios program/text floor")
        print(f"  start-up                          {sp / sf:5.2f}")
        print(f"  peak memory, introduction shown   {ip / fm:5.2f}")
    print("Targets")
    target("start-up ratio", sp / sb, 1.10, "x", f"({sp:.1f} ms / {sb:.1f} ms)")
    if floor:
        target("start-up ratio to the text floor", sp / sf, 1.10, "x",
               f"({sp:.1f} ms / {sf:.1f} ms)")
        target("peak memory ratio to the text floor", ip / fm, 1.10, "x", f"({ip} KiB / {fm} KiB)")
        if german:
            sg, gm = su[german]["median"], idle[german]["median"]
            target("start-up ratio to the text floor, in German", sg / sf, 1.10, "x",
                   f"({sg:.1f} ms / {sf:.1f} ms)")
            target("peak memory ratio to the text floor, in German", gm / fm, 1.10, "x",
                   f"({gm} KiB / {fm} KiB)")
        if german and german_floor:
            gf, gfm = su[german_floor]["median"], idle[german_floor]["median"]
            target("start-up ratio to the German text floor, in German", sg / gf, 1.10, "x",
                   f"({sg:.1f} ms / {gf:.1f} ms)")
            target("peak memory ratio to the German text floor, in German", gm / gfm, 1.10, "x",
                   f"({gm} KiB / {gfm} KiB)")
        if libs:
            extra = libs["program"]["median"] - libs[floor]["median"]
            target("shared libraries beyond the text floor's", extra, 1, "", "")
    target("peak memory ratio after ten rows", dp / db, 1.30, "x", f"({dp} KiB / {db} KiB)")
    # Continue: recompute, show Form9 and paint it; the Back that returns to Form8 for the
    # next click is not part of it.
    target("Form8 Continue", alone, 2.0, " ms", "(median click, Form9 painted)", under=True)
    target("scoring one assessment", score_ms * 1000.0, 1.0, " us", "", under=True)
    photo_json = os.path.join(work, "photo.json")
    if os.path.exists(photo_json):
        with open(photo_json) as f:
            photo = json.load(f)
        ours, djpeg = photo["decode_ms"]["median"], photo["djpeg_ms"]["median"]
        target("24-megapixel JPEG opened to fit, to djpeg -scale 1/4", ours / djpeg, 1.5, "x",
               f"({ours:.1f} ms / {djpeg:.1f} ms)")
        # The first photo: the decoder module's libraries are mapped then too.
        added = photo["first_open_added_kib"] / 1024
        target("peak memory added by the first photo", added, 25, " MiB", "(module loaded)")
        target("decoder libraries mapped before the first photo", len(photo["mapped_before"]),
               0, "", "")
    progressive_json = os.path.join(work, "photo_progressive.json")
    if os.path.exists(progressive_json):
        with open(progressive_json) as f:
            progressive = json.load(f)
        added = progressive["first_open_added_kib"] / 1024
        ours, djpeg = progressive["decode_ms"]["median"], progressive["djpeg_ms"]["median"]
        target("peak memory added by the first photo, progressive", added, 25, " MiB",
               f"(module loaded; djpeg -scale 1/4 peaks at "
               f"{progressive['djpeg_peak_kib']['median'] / 1024:.1f} MiB; opened to fit in "
               f"{ours:.1f} ms, djpeg {djpeg:.1f} ms)")
    if window:
        move = window[("dragPoint", "")]
        dragging = 1000.0 / move >= 120
        verdicts.append(dragging)
        print(f"  {'MET ' if dragging else 'MISS'}  dragging a point over a 24 MP photo: "
              f"{1000.0 / move:.0f} moves/s (target: 120 or more) ({move:.2f} ms a painted move)")
    met = sum(verdicts)
    print(f"{met} of {len(verdicts)} targets met")
    return 3 if strict and met < len(verdicts) else 0


if __name__ == "__main__":
    sys.exit(main())
