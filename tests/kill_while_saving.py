#!/usr/bin/env python3
"""Kills a program that saves studies in a loop with SIGKILL at random moments, many times,
and checks after every kill that the file is whole: one of the two studies it saves,
never a mixture, a part or nothing. Reports what temporary files are left beside it.

    kill_while_saving.py SAVER [KILLS] [SEED]
"""
import os
import random
import signal
import subprocess
import sys
import tempfile
import time


def main():
    saver = sys.argv[1]
    kills = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
    with tempfile.TemporaryDirectory(prefix="rula-kill-") as folder:
        path = os.path.join(folder, "study.rula")
        seen = {"A": 0, "B": 0}
        for kill in range(1, kills + 1):
            process = subprocess.Popen([saver, path], stdout=subprocess.PIPE)
            # The first save must be complete before a kill can be judged.
            deadline = time.monotonic() + 10
            while not os.path.exists(path):
                if process.poll() is not None or time.monotonic() > deadline:
                    print(f"kill {kill}: the saver stopped or never saved:",
                          process.stdout.read().decode(errors="replace"))
                    return 1
                time.sleep(0.001)
            time.sleep(rng.uniform(0, 0.08))
            os.kill(process.pid, signal.SIGKILL)
            process.wait()
            if process.returncode != -signal.SIGKILL:
                print(f"kill {kill}: the saver ended by itself with {process.returncode}:",
                      process.stdout.read().decode(errors="replace"))
                return 1
            process.stdout.close()
            check = subprocess.run([saver, "--check", path], capture_output=True, text=True)
            if check.returncode != 0:
                print(f"kill {kill}: the file is not whole: {check.stdout.strip()}")
                return 1
            seen[check.stdout.strip()] += 1
            others = sorted(set(os.listdir(folder)) - {"study.rula"})
            # Each kill can leave at most the one temporary file it interrupted.
            if len(others) > kill:
                print(f"kill {kill}: {len(others)} files left beside the study: {others}")
                return 1
        print(f"{kills} kills: the file was A {seen['A']} times and B {seen['B']} times;",
              f"left beside it: {others if others else 'nothing'}")
        return 0 if seen["A"] and seen["B"] else 1


if __name__ == "__main__":
    sys.exit(main())
