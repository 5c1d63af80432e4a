#!/usr/bin/python3
"""Start-up time and peak memory of the program against the baseline, on a real X server.

Measured from outside, the same way for both programs, by a small X client:

- start-up: wall time from just before the process is started until its first top-level
  window is mapped AND its whole client area has been painted. The root window is filled
  with a colour that no screen uses; Qt's windows have no background of their own, so a
  freshly mapped window shows that colour until the program has drawn into it. The X
  DAMAGE extension tells this client whenever the window is drawn into, and after each
  report the window's pixels are read back; the first read-back with no pixel of the root
  colour left ends the measurement.
- on-CPU time: the scheduler's run time of all the process's threads at that moment,
  those that have already ended included (less disturbed than wall time when other work
  shares the machine).
- shared libraries: how many distinct shared objects /proc/PID/maps shows at that moment.
- peak memory: VmHWM of /proc/PID/status, read just before the window is closed (by
  WM_DELETE_WINDOW, as the close box does), with the resident memory split by kind of
  mapping from /proc/PID/smaps. The exit status must be 0.
- for the program, also VmHWM after a whole assessment and ten chart rows, driven with
  xdotool (real XTEST input) under a window manager; the chart is read back afterwards to
  check that all ten rows show text.

Usage: desktop_bench.py startup --program CMD --baseline CMD [--runs N] --json OUT
       desktop_bench.py drive --program CMD --baseline CMD [--runs N] --json OUT
--compare LABEL=CMD (repeatable) measures another program in turn with the two: another
build, to check a change, or the baseline showing text ("text floor"). A CMD may be a wrapper command line (env VAR=1 path, heaptrack path).
The DISPLAY environment variable names the X server. Needs python3-xlib and xdotool.
"""

import argparse
import json
import os
import select
import shlex
import statistics
import subprocess
import sys
import time

from Xlib import X, Xatom, display, error
from Xlib.ext import damage

# The screens' captions and sizes, as the end-to-end tests know them.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import screen_table  # noqa: E402

# A colour no screen paints: the root window is filled with it.
SENTINEL = (1, 254, 3)
SENTINEL_PIXEL = (SENTINEL[0] << 16) | (SENTINEL[1] << 8) | SENTINEL[2]
# In a 32-bit ZPixmap on a little-endian server: blue, green, red, pad.
SENTINEL_BYTES = bytes((SENTINEL[2], SENTINEL[1], SENTINEL[0]))

TIMEOUT_S = 20.0


class Failure(Exception):
    pass


def descends_from(pid, ancestor):
    """Whether pid is the ancestor or one of its descendants (a wrapper such as a profiler
    may start the program as its child)."""
    while pid > 1:
        if pid == ancestor:
            return True
        try:
            with open(f"/proc/{pid}/stat") as f:
                pid = int(f.read().rsplit(")", 1)[1].split()[1])
        except (OSError, ValueError, IndexError):
            return False
    return False


class Watcher:
    """One connection to the X server that follows the top-level windows of one process."""

    def __init__(self):
        self.d = display.Display()
        # Windows of a program come and go while this client follows them; requests on
        # one that has just gone fail harmlessly.
        self.d.set_error_handler(lambda err, req=None: None)
        if not self.d.has_extension("DAMAGE"):
            raise Failure("the X server has no DAMAGE extension")
        self.d.damage_query_version()
        self.root = self.d.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.atom_pid = self.d.intern_atom("_NET_WM_PID")
        self.atom_name = self.d.intern_atom("_NET_WM_NAME")
        self.atom_utf8 = self.d.intern_atom("UTF8_STRING")
        self.atom_protocols = self.d.intern_atom("WM_PROTOCOLS")
        self.atom_delete = self.d.intern_atom("WM_DELETE_WINDOW")
        self.damage_event = self.d.extension_event.DamageNotify
        self.reset(None)
        self.d.sync()

    def paint_root(self):
        self.root.change_attributes(background_pixel=SENTINEL_PIXEL)
        self.root.clear_area()
        self.d.sync()

    def reset(self, pid):
        self.pid = pid  # the process started
        self.app_pid = None  # the process that owns its windows: the same, or a child
        self.cpu_ms = None  # its on-CPU time when its first window was painted
        self.libraries = None  # shared objects it had mapped then
        self.known = {}  # window id -> Window, every window created since reset
        self.damages = {}  # window id -> damage id
        self.mapped = set()  # window ids of this process's mapped top-level windows
        self.first_mapped = None
        self.dirty = set()  # windows drawn into since they were last read back

    # --- events -----------------------------------------------------------------------

    def _track(self, wid):
        if wid in self.known:
            return
        w = self.d.create_resource_object("window", wid)
        self.known[wid] = w
        try:
            w.change_attributes(event_mask=X.StructureNotifyMask)
            self.damages[wid] = w.damage_create(damage.DamageReportNonEmpty)
            # A window mapped before this client asked to hear of it counts as well.
            if w.get_attributes().map_state != X.IsUnmapped:
                self._mapped(wid)
        except error.XError:
            pass

    def _pid_of(self, wid):
        try:
            prop = self.known[wid].get_full_property(self.atom_pid, Xatom.CARDINAL)
        except error.XError:
            return None
        return prop.value[0] if prop and len(prop.value) else None

    def _handle(self, ev):
        if ev.type == X.CreateNotify and ev.parent == self.root:
            self._track(ev.window.id)
        elif ev.type == X.MapNotify:
            self._track(ev.window.id)
            self._mapped(ev.window.id)
        elif ev.type == X.UnmapNotify:
            self.mapped.discard(ev.window.id)
        elif ev.type == X.DestroyNotify:
            self.mapped.discard(ev.window.id)
        elif ev.type == self.damage_event:
            wid = ev.drawable.id
            dmg = self.damages.get(wid)
            if dmg is not None:
                self.d.damage_subtract(dmg)
                self.dirty.add(wid)

    def _mapped(self, wid):
        owner = self._pid_of(wid) if self.pid is not None else None
        if owner is None or not descends_from(owner, self.pid):
            return
        self.app_pid = owner
        try:
            if self.known[wid].get_attributes().override_redirect:
                return
        except error.XError:
            return
        self.mapped.add(wid)
        self.dirty.add(wid)
        if self.first_mapped is None:
            self.first_mapped = wid

    def pump(self, timeout):
        """Handles the events that arrive within `timeout` seconds (at least one wait)."""
        self.d.flush()
        if not self.d.pending_events():
            select.select([self.d.fileno()], [], [], timeout)
        while self.d.pending_events():
            self._handle(self.d.next_event())

    def wait(self, predicate, what, timeout=TIMEOUT_S, proc=None):
        end = time.monotonic() + timeout
        while True:
            result = predicate()
            if result:
                return result
            if proc is not None and proc.poll() is not None:
                raise Failure(f"the process ended (status {proc.returncode}) before {what}")
            left = end - time.monotonic()
            if left <= 0:
                raise Failure(f"timed out waiting for {what}")
            self.pump(min(left, 0.05))

    # --- windows ----------------------------------------------------------------------

    def image(self, wid):
        w = self.known[wid]
        g = w.get_geometry()
        img = w.get_image(0, 0, g.width, g.height, X.ZPixmap, 0xFFFFFFFF)
        return g.width, g.height, img.data

    def fully_painted(self, wid):
        """Whether no pixel of the window still shows the root colour."""
        try:
            _, _, data = self.image(wid)
        except error.XError:
            return False
        start = 0
        while True:
            i = data.find(SENTINEL_BYTES, start)
            if i < 0:
                return True
            if i % 4 == 0:
                return False
            start = i + 1

    def title(self, wid):
        w = self.known[wid]
        try:
            p = w.get_full_property(self.atom_name, self.atom_utf8)
            if p and p.value:
                v = p.value
                return v.decode("utf-8") if isinstance(v, bytes) else str(v)
            v = w.get_wm_name()
            return v.decode("latin-1") if isinstance(v, bytes) else (v or "")
        except error.XError:
            return ""

    def size(self, wid):
        g = self.known[wid].get_geometry()
        return g.width, g.height

    def close(self, wid):
        """Asks the window to close, as its close box does."""
        from Xlib.protocol import event as xevent

        w = self.known[wid]
        msg = xevent.ClientMessage(
            window=w,
            client_type=self.atom_protocols,
            data=(32, [self.atom_delete, X.CurrentTime, 0, 0, 0]),
        )
        w.send_event(msg, event_mask=X.NoEventMask)
        self.d.flush()

    def has_focus(self, wid):
        focus = self.d.get_input_focus().focus
        if isinstance(focus, int):
            return False
        # The focus may sit on the window or on one of its children.
        while focus is not None and focus.id not in (0, self.root.id):
            if focus.id == wid:
                return True
            try:
                focus = focus.query_tree().parent
            except error.XError:
                return False
        return False


def cpu_ms(pid):
    """On-CPU time of the whole process so far, in ms, threads that have already ended
    included: its process CPU-time clock (clock_getcpuclockid), which another process may
    read."""
    clock = ((~pid) << 3) | 2  # the kernel's encoding of the process clock, scheduler-timed
    return time.clock_gettime(clock) * 1e3


def shared_libraries(pid):
    """The distinct shared objects mapped into the process."""
    with open(f"/proc/{pid}/maps") as f:
        paths = {line.split()[5] for line in f if len(line.split()) > 5}
    return sorted(path for path in paths if path.endswith(".so") or ".so." in path)


def vm_hwm_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise Failure("no VmHWM")


def memory_breakdown(pid):
    """Resident KiB of the process by kind of mapping, from /proc/PID/smaps."""
    kinds = {}
    kind = None
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            parts = line.split()
            if "-" in parts[0] and len(parts) >= 5 and ":" in parts[3]:
                path = parts[5] if len(parts) > 5 else ""
                if path == "[heap]":
                    kind = "heap (malloc)"
                elif path.startswith("/SYSV") or "(deleted)" in line and "shm" in line:
                    kind = "shared memory (X image buffers)"
                elif path.startswith("/memfd:") or path.startswith("/dev/shm"):
                    kind = "shared memory (X image buffers)"
                elif path.startswith("/var/cache/fontconfig") or "/fonts/" in path:
                    kind = "font files and caches"
                elif path.endswith(".so") or ".so." in path:
                    kind = "code and data of libraries"
                elif path.startswith("["):
                    kind = path
                elif path == "":
                    kind = "anonymous (malloc arenas, mmap)"
                else:
                    kind = "other files: " + os.path.basename(path)
            elif parts[0] == "Rss:":
                kinds[kind] = kinds.get(kind, 0) + int(parts[1])
    return dict(sorted(kinds.items(), key=lambda kv: -kv[1]))


def end_process(proc, watcher, wid, then=None):
    watcher.close(wid)
    if then:
        then()
    try:
        status = proc.wait(timeout=TIMEOUT_S)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
        raise Failure("the program did not end after its window was closed")
    if status != 0:
        raise Failure(f"exit status {status}")


def start(watcher, program):
    """Starts the program; returns (process, first window, start-up time in ms)."""
    env = dict(os.environ)
    env.pop("QT_QPA_PLATFORM", None)
    watcher.pump(0)  # nothing stale
    t0 = time.perf_counter()
    proc = subprocess.Popen(shlex.split(program), env=env, stdin=subprocess.DEVNULL)
    watcher.reset(proc.pid)
    try:
        wid = watcher.wait(lambda: watcher.first_mapped, "a mapped window", proc=proc)

        def painted():
            if wid in watcher.dirty:
                watcher.dirty.discard(wid)
                return watcher.fully_painted(wid)
            return False

        watcher.wait(painted, "the window to be painted", proc=proc)
        ms = (time.perf_counter() - t0) * 1000.0
        watcher.cpu_ms = cpu_ms(watcher.app_pid)
        watcher.libraries = shared_libraries(watcher.app_pid)
    except BaseException:
        proc.kill()
        proc.wait()
        raise
    return proc, wid, ms


def run_idle(watcher, program, settle_s):
    """One start: time to the first painted window, the shared libraries mapped then, and
    VmHWM after `settle_s` idle."""
    proc, wid, ms = start(watcher, program)
    cpu, libraries = watcher.cpu_ms, watcher.libraries
    time.sleep(settle_s)
    hwm = vm_hwm_kib(watcher.app_pid)
    parts = memory_breakdown(watcher.app_pid)
    end_process(proc, watcher, wid)
    return ms, cpu, hwm, parts, libraries


# --- driving the program through ten assessments -----------------------------------------

# (title, client width, client height) of each screen at 96 dpi, by its number.
SCREENS = {int(form[len("Form"):]): (caption, *size)
           for form, (caption, size, _) in screen_table.SCREENS.items()}


class Driver:
    def __init__(self, watcher, proc):
        self.w = watcher
        self.proc = proc
        self.env = dict(os.environ)

    def visible_screen(self):
        """The one mapped screen's number, or 0."""
        if len(self.w.mapped) != 1:
            return 0
        wid = next(iter(self.w.mapped))
        try:
            key = (self.w.title(wid), *self.w.size(wid))
        except error.XError:  # gone, and this client has not yet heard
            return 0
        for n, look in SCREENS.items():
            if look == key:
                return n
        return 0

    def expect(self, n):
        """Waits until screen n is the one visible screen and has the keyboard focus."""

        def ready():
            if self.visible_screen() != n:
                return None
            wid = next(iter(self.w.mapped))
            return wid if self.w.has_focus(wid) else None

        return self.w.wait(ready, f"Form{n} shown and focused", proc=self.proc)

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def key(self, *keys):
        self.xdotool("key", "--delay", "20", *keys)

    def click(self, wid, x, y):
        t = self.w.root.translate_coords(self.w.known[wid], x, y)
        self.xdotool("mousemove", "--sync", str(t.x), str(t.y), "click", "1")

    def forward(self, row):
        """From Form2 to the chart: one choice on each screen, Continue, then Add to chart."""
        for n in range(2, 9):
            self.expect(n)
            # Space selects or ticks the focused control; on Form2 later rows move on to
            # the next posture with an arrow key, so the ten rows differ.
            self.key("Right" if n == 2 and row > 1 else "space", "alt+c")
        self.expect(9)
        self.key("alt+a")
        return self.expect(10)

    def close_without_saving(self, chart):
        """Closing a chart with unsaved rows asks first: Close Without Saving."""

        def asked():
            others = [w for w in self.w.mapped if w != chart]
            return others[0] if others and self.w.has_focus(others[0]) else None

        self.w.wait(asked, "the closing question shown and focused", proc=self.proc)
        self.key("alt+w")

    def back_to_form2(self):
        self.key("alt+b")  # the chart's Back
        for n in range(9, 2, -1):
            self.expect(n)
            self.key("alt+b")


def rows_filled(watcher, wid):
    """The chart rows whose first and last cells show text, read from the window's pixels."""
    width, height, data = watcher.image(wid)
    filled = []
    for row in range(1, 11):
        top = (1080 + 480 * (row - 1)) // 15
        cells = []
        for left_twips in (360, 11400):  # the first and the last column
            left = left_twips // 15
            dark = 0
            for y in range(top + 4, top + 21):
                for x in range(left + 4, left + 21):
                    o = (y * width + x) * 4
                    b, g, r = data[o], data[o + 1], data[o + 2]
                    if r + g + b < 3 * 128:
                        dark += 1
            cells.append(dark)
        if all(c >= 5 for c in cells):
            filled.append(row)
    return filled


def run_drive(watcher, program, screenshot=None):
    proc, wid, _ = start(watcher, program)
    try:
        drv = Driver(watcher, proc)
        drv.expect(1)
        drv.click(wid, 244, 116)  # Continue
        for row in range(1, 11):
            chart = drv.forward(row)
            if row < 10:
                drv.back_to_form2()
        # Every row must be filled; give the chart a moment to paint.
        filled = watcher.wait(
            lambda: (lambda f: f if len(f) == 10 else None)(rows_filled(watcher, chart)),
            "ten filled chart rows",
            timeout=5,
            proc=proc,
        )
        hwm = vm_hwm_kib(watcher.app_pid)
        parts = memory_breakdown(watcher.app_pid)
        if screenshot:
            subprocess.run(["import", "-window", "root", screenshot], check=True)
        end_process(proc, watcher, chart, then=lambda: drv.close_without_saving(chart))
    except BaseException:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
        raise
    return hwm, filled, parts


# --- main --------------------------------------------------------------------------------


def summary(values):
    return {
        "median": statistics.median(values),
        "min": min(values),
        "max": max(values),
        "runs": values,
    }


def print_breakdown(title, parts):
    print(f"  {title}:")
    for kind, kib in parts.items():
        if kib >= 256:
            print(f"    {kib:7d} KiB  {kind}")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("mode", choices=["startup", "drive"])
    ap.add_argument("--program", required=True)
    ap.add_argument("--baseline", required=True)
    ap.add_argument(
        "--compare",
        action="append",
        default=[],
        metavar="LABEL=COMMAND",
        help="another build of the program, measured in turn with the two (to check a change)",
    )
    ap.add_argument("--runs", type=int, default=20)
    ap.add_argument("--warmup", type=int, default=2)
    ap.add_argument("--settle", type=float, default=0.5)
    ap.add_argument("--json", required=True)
    ap.add_argument("--screenshot", help="drive: a PNG of the screen with the last chart")
    a = ap.parse_args()

    others = [tuple(c.split("=", 1)) for c in a.compare]
    watcher = Watcher()
    watcher.paint_root()
    out = {}
    if a.mode == "startup":
        subjects = [("baseline", a.baseline), ("program", a.program), *others]
        ms = {name: [] for name, _ in subjects}
        cpu = {name: [] for name, _ in subjects}
        hwm = {name: [] for name, _ in subjects}
        libs = {name: [] for name, _ in subjects}
        parts = {}
        mapped = {}
        for i in range(a.warmup + a.runs):
            for name, command in subjects:
                t, c, m, parts[name], mapped[name] = run_idle(watcher, command, a.settle)
                if i >= a.warmup:
                    ms[name].append(round(t, 2))
                    cpu[name].append(round(c, 2))
                    hwm[name].append(m)
                    libs[name].append(len(mapped[name]))
            if i >= a.warmup:
                line = " | ".join(
                    f"{name} {ms[name][-1]:6.1f} ms (cpu {cpu[name][-1]:5.1f})"
                    f" {hwm[name][-1]:6d} KiB {libs[name][-1]} libraries"
                    for name, _ in subjects
                )
                print(f"  start {i - a.warmup + 1:2d}: {line}", flush=True)
        for name, _ in subjects:
            print_breakdown(f"resident memory of the last {name} start", parts[name])
        baseline = set(mapped["baseline"])
        for name, _ in subjects[1:]:
            extra = [os.path.basename(path) for path in mapped[name] if path not in baseline]
            print(f"  shared libraries of the last {name} start beyond the baseline's:"
                  f" {' '.join(extra) or 'none'}")
        out = {
            "startup_ms": {k: summary(v) for k, v in ms.items()},
            "startup_cpu_ms": {k: summary(v) for k, v in cpu.items()},
            "idle_hwm_kib": {k: summary(v) for k, v in hwm.items()},
            "shared_libraries": {k: summary(v) for k, v in libs.items()},
        }
    else:
        subjects = [("program", a.program), *others]
        base = []
        hwm = {name: [] for name, _ in subjects}
        parts = {}
        for i in range(a.runs):
            _, _, m, base_parts, _ = run_idle(watcher, a.baseline, a.settle)
            base.append(m)
            line = f"baseline {m:6d} KiB"
            for name, command in subjects:
                shot = a.screenshot if i == a.runs - 1 and name == "program" else None
                m, filled, parts[name] = run_drive(watcher, command, shot)
                hwm[name].append(m)
                line += f" | {name} after ten rows {m:6d} KiB ({len(filled)} chart rows shown)"
            print(f"  drive {i + 1:2d}: {line}", flush=True)
        print_breakdown("resident memory of the last baseline", base_parts)
        for name, _ in subjects:
            print_breakdown(f"resident memory of the {name} after ten rows", parts[name])
        out = {"baseline_hwm_kib": summary(base)}
        out.update({f"{k}_ten_rows_hwm_kib": summary(v) for k, v in hwm.items()})
    with open(a.json, "w") as f:
        json.dump(out, f, indent=1)


if __name__ == "__main__":
    try:
        main()
    except Failure as e:
        print(f"desktop_bench: {e}", file=sys.stderr)
        sys.exit(1)
