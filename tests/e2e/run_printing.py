"""Printing from the real program through a real print system: a private CUPS scheduler
with a cups-pdf queue as the default printer. Print on the upper arm screen and on the
chart, each pressed with a mouse click, must each deliver a one-page PDF that shows the
screen as text and lines at its true size (96 pixels to the inch), dated, the chart
without its buttons; Enter right after leaves the program running. A queue that refuses
jobs, a stopped scheduler and one that never answers must each bring a message within
15 s, the last while the screen keeps repainting; closing the program while a job is
being sent ends it at once, leaving no file behind. After each, the chart is as it was
and the focus is on Print.

The scheduler runs as root (cups-pdf refuses anything else) in a mount namespace of its
own, where a private cups-pdf.conf is bound over /etc/cups/cups-pdf.conf: the PDFs land
in the test's own folder and no file of the machine's printing set-up is touched. Where
that cannot be done, the test reports itself skipped.

Usage: run_printing.py path/to/rula   (inside dbus-run-session)
"""

import glob
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

import pyatspi

from desktop import (CHART_HEADINGS, Desktop, Failure, Skip, check, check_equal,
                     die_with_parent, expect_equal, has_state, key, run_test, stop, wait_for,
                     xdotool)

PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"
BACKEND = "/usr/lib/cups/backend/cups-pdf"
CUPS_PDF_CONF = "/etc/cups/cups-pdf.conf"

CHART_BUTTONS = ["Back", "Print", "Clear Chart", "Exit", "Copy"]
TASK = "Packing, left arm"


class PrivateScheduler:
    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="rula-cups-")
        os.chmod(self.root, 0o755)  # filters run as lp and read the spool below it
        self.socket = self.path("cups.sock")
        self.pdf_folder = self.path("pdf")
        self.env = dict(os.environ, CUPS_SERVER=self.socket)
        self.process = None

    def path(self, *parts):
        return os.path.join(self.root, *parts)

    def write(self, name, text):
        with open(self.path(name), "w") as file:
            file.write(text)

    def start(self):
        for folder in ("etc", "spool/tmp", "cache", "state", "log", "pdf", "cups-pdf"):
            os.makedirs(self.path(folder), exist_ok=True)
        self.write("cupsd.conf", f"""Listen {self.socket}
LogLevel info
PreserveJobFiles Yes
Browsing No
BrowseLocalProtocols none
DefaultEncryption Never
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
""")
        self.write("cups-files.conf", f"""ServerRoot {self.path('etc')}
RequestRoot {self.path('spool')}
TempDir {self.path('spool/tmp')}
CacheDir {self.path('cache')}
StateDir {self.path('state')}
ErrorLog {self.path('log/error_log')}
AccessLog {self.path('log/access_log')}
PageLog {self.path('log/page_log')}
Printcap {self.path('printcap')}
User lp
Group lp
SystemGroup root
""")
        self.write("cups-pdf.conf", f"""Out {self.pdf_folder}
AnonDirName {self.pdf_folder}
Spool {self.path('cups-pdf')}
Log {self.path('log')}
Grp lp
""")
        self.process = subprocess.Popen(
            ["unshare", "--mount", "--propagation", "private", "sh", "-c",
             'mount --bind "$1" "$2" && exec cupsd -f -c "$3" -s "$4"', "sh",
             self.path("cups-pdf.conf"), CUPS_PDF_CONF, self.path("cupsd.conf"),
             self.path("cups-files.conf")],
            stdout=subprocess.DEVNULL, stderr=open(self.path("log/start_log"), "w"),
            preexec_fn=die_with_parent)
        deadline = time.monotonic() + 10
        while "is running" not in self.lp("lpstat", "-r").stdout:
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise Skip("the private scheduler did not start: " + self.log_tail())
            time.sleep(0.1)
        for command in (["lpadmin", "-p", "PDF", "-v", "cups-pdf:/", "-E", "-P", PPD],
                        ["lpadmin", "-d", "PDF"]):
            done = self.lp(*command)
            check(done.returncode == 0, f"{' '.join(command)}: {done.stderr}")
        check_equal(self.lp("lpstat", "-d").stdout.strip(),
                    "system default destination: PDF", "the private default printer")

    def lp(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True, text=True)

    def log_tail(self):
        text = ""
        for name in ("start_log", "error_log"):
            if os.path.exists(self.path("log", name)):
                with open(self.path("log", name), errors="replace") as log:
                    text += log.read()[-1500:]
        return text

    def stop(self):
        if self.process:
            stop(self.process)

    def cleanup(self):
        self.stop()
        shutil.rmtree(self.root, ignore_errors=True)

    def wait_pdf(self, count):
        """Waits until `count` PDFs have come out and the queue is empty; the newest."""
        def done():
            pdfs = sorted(glob.glob(os.path.join(self.pdf_folder, "*.pdf")), key=os.path.getmtime)
            if len(pdfs) >= count and not self.lp("lpstat", "-o").stdout.strip():
                return pdfs
            return None
        try:
            return wait_for(f"PDF number {count} from the scheduler", done, 60)[-1]
        except Failure as failure:
            raise Failure(f"{failure}\n{self.log_tail()}") from None


def skip_reason():
    if os.geteuid() != 0:
        return "cups-pdf writes PDFs only under a scheduler running as root"
    for tool in ("cupsd", "lpadmin", "lpstat", "cupsreject", "cupsaccept", "unshare", "mount",
                 "pdfinfo", "pdfimages", "pdftoppm", "pdftotext"):
        if not shutil.which(tool):
            return f"{tool} is not installed"
    for path in (PPD, BACKEND, CUPS_PDF_CONF):
        if not os.path.exists(path):
            return f"{path} is missing"
    if subprocess.run(["unshare", "--mount", "--propagation", "private", "true"],
                      capture_output=True).returncode != 0:
        return "a private mount namespace for the scheduler is not allowed here"
    return None


class Picture:
    """An RGB picture read from PPM data, as rows of bytes."""

    def __init__(self, data, what):
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        check(header, f"{what}: not an RGB picture")
        self.what = what
        self.width, self.height = int(header.group(1)), int(header.group(2))
        stride = self.width * 3
        pixels = data[header.end():]
        self.rows = [pixels[y * stride:(y + 1) * stride] for y in range(self.height)]

    def darkest(self, left, top, right, bottom):
        """The lowest colour value in the rectangle; 255 for plain white."""
        return min((min(row[left * 3:right * 3], default=255) for row in self.rows[top:bottom]),
                   default=255)

    def drawn_area(self):
        """(left, top, width, height) of everything that is not white."""
        first = re.compile(rb"[\x00-\xf9]")
        lefts, rights, ys = [], [], []
        for y, row in enumerate(self.rows):
            found = first.search(row)
            if found:
                ys.append(y)
                lefts.append(found.start() // 3)
                rights.append(len(row) // 3 - first.search(row[::-1]).start() // 3)
        check(ys, f"{self.what}: the page is blank")
        return min(lefts), ys[0], max(rights) - min(lefts), ys[-1] + 1 - ys[0]


def render(pdf, dpi, what):
    out = subprocess.run(["pdftoppm", "-r", str(dpi), "-singlefile", pdf], capture_output=True,
                         check=True).stdout
    return Picture(out, what)


def check_page(scheduler, job, screen, what, texts):
    """Checks print job number `job`: the document the program sent is one page showing
    the screen as words and lines at its true size (96 pixels to the inch) with the date
    line under it, and it came out of the PDF printer as one page without a bitmap.
    Returns the page's text."""
    printed = scheduler.wait_pdf(job)
    sent = scheduler.path("spool", f"d{job:05d}-001")
    width, height = screen.geometry()[2:]
    for pdf, name in ((sent, "sent"), (printed, "printed")):
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True,
                              check=True).stdout
        expect_equal(re.search(r"Pages:\s+(\d+)", info).group(1), "1", f"{what}: {name} pages")
        images = subprocess.run(["pdfimages", "-list", pdf], capture_output=True, text=True,
                                check=True).stdout.splitlines()[2:]
        # On its way to the paper a print system may turn a gradient into a small bitmap
        # at the printer's resolution; never a picture of the screen.
        largest = max((int(image.split()[3]) * int(image.split()[4]) for image in images),
                      default=0)
        expect_equal(largest <= (0 if name == "sent" else 400 * 100), True,
                     f"{what}: bitmaps on the {name} page: {images}")
    text = subprocess.run(["pdftotext", "-layout", sent, "-"], capture_output=True, text=True,
                          check=True).stdout
    words = " ".join(text.split())
    for expected in texts:
        expect_equal(expected in words, True, f"{what}: {expected!r} in the text layer {text}")
    # The date line: the caption, the screen's name, the time with its offset from UTC.
    date_line = (re.escape(screen.caption()) + r" · [A-Z][a-z ]+ " +
                 time.strftime("%Y-%m-%d") + r" \d\d:\d\d [+-]\d\d:\d\d")
    expect_equal(bool(re.search(date_line, words)), True, f"{what}: the date line in {text}")
    # The page as sent opens the right way round, with margins of at least 10 mm (38 px)
    # even on a borderless queue; the printer puts it on paper at the same size, turned
    # to run across the paper where it is wider than the paper.
    for pdf, name in ((sent, "sent"), (printed, "printed")):
        page = render(pdf, 96, pdf)
        left, top, drawn_width, drawn_height = page.drawn_area()
        if name == "sent":
            margins = (left, top, page.width - left - drawn_width,
                       page.height - top - drawn_height)
            expect_equal(min(margins) >= 37, True, f"{what}: margins {margins} px at 96 dpi")
        elif (drawn_width > drawn_height) != (width > height):
            drawn_width, drawn_height = drawn_height, drawn_width  # across the paper
        expect_equal(abs(drawn_width - width) <= 2 and height < drawn_height < height + 24, True,
                     f"{what}: {drawn_width}x{drawn_height} px drawn at 96 dpi on the {name} "
                     f"page for a screen of {width}x{height}")
    keep = os.environ.get("RULA_KEEP_PRINTS")  # a folder to keep the pages in, to look at
    if keep:
        for pdf, name in ((sent, "sent"), (printed, "printed")):
            shutil.copy(pdf, os.path.join(keep, f"job{job}-{name}.pdf"))
    print(f"{what}: sent {os.path.getsize(sent)} bytes, printed {os.path.getsize(printed)} "
          f"bytes, {drawn_width}x{drawn_height} px at 96 dpi")
    return text


def chart_is_intact(program, rows, what):
    chart = program.wait_screen("Form10")
    expect_equal(chart.chart()[:2], rows, f"{what}: chart rows 1 and 2")
    for name in CHART_BUTTONS:
        expect_equal(has_state(chart.button(name), pyatspi.STATE_SHOWING), True,
                     f"{what}: button {name!r} on view")
    focus = chart.focused()
    expect_equal(focus and focus.name, "Print", f"{what}: the control with the focus")
    return chart


def failed_print(program, chart, what, expected, meanwhile=lambda: None):
    """Clicks Print, runs `meanwhile` and waits for the message; returns how long it took
    to appear."""
    button = chart.button("Print")
    started = time.monotonic()
    chart.click(button)
    meanwhile()
    wait_for("a message box", lambda: len(program.visible_windows()) == 2, 15)
    took = time.monotonic() - started
    alert = program.wait_alert(30)
    texts = [label.name for label in pyatspi.findAllDescendants(
        alert, lambda a: a.getRole() == pyatspi.ROLE_LABEL)]
    print(f"{what}: after {took:.2f} s: {texts}")
    check(any(text.startswith("Nothing was printed: ") and expected in text for text in texts),
          f"{what}: the message does not say {expected!r}: {texts}")
    key("Return")
    wait_for("the message to close", lambda: not any(
        w.getRole() == pyatspi.ROLE_ALERT for w in program.showing_windows()))
    return took


class SilentServer:
    """A print system that accepts connections and never answers."""

    def __init__(self, path):
        self.server = socket.socket(socket.AF_UNIX)
        self.server.bind(path)
        self.server.listen()
        self.held = []
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while True:
            self.held.append(self.server.accept()[0])


def repaints(chart):
    """True if the chart paints its right-hand columns again after the window manager has
    narrowed the window and widened it back (an X server keeps nothing it has cut off)."""
    width, height = chart.geometry()[2:]
    xdotool("windowsize", "--sync", str(chart.xid), str(width - 120), str(height))
    xdotool("windowsize", "--sync", str(chart.xid), str(width), str(height))

    def painted():
        shot = subprocess.run(["import", "-window", str(chart.xid), "-depth", "8", "ppm:-"],
                              capture_output=True, check=True).stdout
        return Picture(shot, "chart").darkest(width - 110, 60, width - 10, 380) < 128
    try:
        return wait_for("the chart's right-hand columns to be painted again", painted, 3)
    except Failure:
        return False


def main():
    binary = sys.argv[1]
    reason = skip_reason()
    if reason:
        raise Skip(reason)
    scheduler = PrivateScheduler()
    temp = tempfile.mkdtemp(prefix="rula-tmp-")
    runtime = tempfile.mkdtemp(prefix="rula-runtime-")
    try:
        scheduler.start()
        with Desktop() as desktop:
            program = desktop.launch(binary, {"CUPS_SERVER": scheduler.socket, "TMPDIR": temp,
                                              "XDG_RUNTIME_DIR": runtime})
            first = program.wait_screen("Form1")
            first.click(first.button("Continue"))
            upper_arm = program.wait_screen("Form2")
            upper_arm.choose_by_mouse(upper_arm.find("Upper arm 45° to 90° forward",
                                                     pyatspi.ROLE_RADIO_BUTTON))
            upper_arm.click(upper_arm.button("Print"))
            check_page(scheduler, 1, upper_arm, "Form2 printout",
                       ["Upper Arm Posture", "Continue", "Rula posture assessment"])
            focus = program.wait_screen("Form2").focused()
            expect_equal(focus and focus.name, "Print", "Form2: the focus after printing")

            for form in ("Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8"):
                program.wait_screen(form)
                key("alt+c")
            program.wait_screen("Form9")
            key("alt+a")
            program.wait_screen("Form10")
            key("alt+b")
            program.wait_screen("Form9")
            key("alt+a")
            chart = program.wait_screen("Form10")
            xdotool("type", "--delay", "20", TASK)  # into row 2's task field, which has the focus
            rows = chart.chart()[:2]
            check(rows[1][0] != "", "two rows were not added to the chart")
            chart.click(chart.button("Print"))
            text = check_page(scheduler, 2, chart, "chart printout",
                              ["Upper", "Muscle", "Score", "Rula posture assessment"])
            lines = [" ".join(line.split()) for line in text.splitlines()]
            for number, row in enumerate(rows, 1):
                words = [str(number)] + [value for value in row if value]
                expect_equal(" ".join(words + ([TASK] if number == 2 else [])) in lines, True,
                             f"chart printout: row {number} as a line of text in {lines}")
            expect_equal("Clear Chart" in text, False, "chart printout: the buttons are printed")
            # Enter right after a mouse Print prints again: it does not reach Exit.
            chart_is_intact(program, rows, "after printing")
            key("Return")
            scheduler.wait_pdf(3)
            chart = chart_is_intact(program, rows, "after Print and Enter")

            scheduler.lp("cupsreject", "PDF")
            refused = failed_print(program, chart, "queue not accepting jobs", "not accepting")
            chart = chart_is_intact(program, rows, "after the refused print")
            scheduler.lp("cupsaccept", "PDF")

            scheduler.stop()
            gone = failed_print(program, chart, "scheduler stopped", "could not be reached")
            chart = chart_is_intact(program, rows, "after printing with no print system")

            if os.path.exists(scheduler.socket):
                os.unlink(scheduler.socket)
            SilentServer(scheduler.socket)

            def repainted():
                check(repaints(chart), "the chart does not repaint while a job is being sent")

            silent = failed_print(program, chart, "silent print system",
                                  "the printer did not answer.", repainted)
            chart = chart_is_intact(program, rows, "after the print system did not answer")

            # Closing while a job is being sent ends the program at once, leaving no file.
            chart.click(chart.button("Print"))
            time.sleep(0.5)
            started = time.monotonic()
            subprocess.run(["wmctrl", "-c", "Rula"], check=True)
            check_equal(program.wait_exit(2), 0, "exit status")
            print(f"closed while sending: ended after {time.monotonic() - started:.2f} s")
            expect_equal(os.listdir(temp), [], "files left in the program's temporary folder")
            print(f"messages after {refused:.2f} s (refused), {gone:.2f} s (no print system), "
                  f"{silent:.2f} s (silent)")
    finally:
        scheduler.cleanup()
        shutil.rmtree(temp, ignore_errors=True)
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(run_test(main))
