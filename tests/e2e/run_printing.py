"""Printing from the real program through a real print system: a private CUPS scheduler
with a cups-pdf queue as the default printer. Print on the upper arm screen and on the
chart, each pressed with a mouse click, must each deliver a one-page PDF that shows the
screen at its true size (96 pixels to the inch); the chart's page must show none of its
buttons. With the scheduler stopped, Print must say that nothing was printed and leave
the chart and its buttons as they were.

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
import subprocess
import sys
import tempfile
import time

import pyatspi

from desktop import (Desktop, Failure, Skip, check, check_equal, die_with_parent,
                     expect_equal, has_state, key, run_test, stop, wait_for)

PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"
BACKEND = "/usr/lib/cups/backend/cups-pdf"
CUPS_PDF_CONF = "/etc/cups/cups-pdf.conf"

CHART_BUTTONS = ["Back", "Print", "Clear Chart", "Exit"]
# Where the chart's buttons sit in its client area: x ranges and y range, in pixels.
CHART_BUTTON_XS = [(192, 329), (344, 481), (496, 633), (648, 785)]
CHART_BUTTON_Y = (400, 433)


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
    for tool in ("cupsd", "lpadmin", "lpstat", "unshare", "mount", "pdfinfo", "pdfimages",
                 "pdftoppm"):
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

    @staticmethod
    def from_file(path):
        with open(path, "rb") as ppm:
            return Picture(ppm.read(), path)

    def darkest(self, left, top, right, bottom):
        """The lowest colour value in the rectangle; 255 for plain white."""
        return min((min(row[left * 3:right * 3], default=255) for row in self.rows[top:bottom]),
                   default=255)

    def differing_pixels(self, other, rows):
        """How many pixels in the given rows are dark in one picture but not in the other.
        (Colours themselves change on the way through the print system.)"""
        return sum(1 for y in rows for x in range(0, self.width * 3, 3)
                   if (min(self.rows[y][x:x + 3]) < 128) != (min(other.rows[y][x:x + 3]) < 128))


class Page(Picture):
    """A PDF page rendered at 96 dots per inch."""

    def __init__(self, pdf, turn=0):
        out = pdf[:-4] + f"-page{turn}"
        subprocess.run(["pdftoppm", "-r", "96", "-singlefile", pdf, out], check=True)
        if turn:
            subprocess.run(["convert", out + ".ppm", "-rotate", str(turn), out + ".ppm"],
                           check=True)
        with open(out + ".ppm", "rb") as ppm:
            super().__init__(ppm.read(), pdf)

    def mismatch(self, shown, rows):
        """Pixels dark on the page's drawn area but not on the screen, or the other way."""
        left, top, _, _ = self.drawn_area()
        count = 0
        for y in rows:
            if top + y >= self.height:
                return len(rows) * shown.width
            page_row, screen_row = self.rows[top + y], shown.rows[y]
            for x in range(0, min(shown.width, self.width - left) * 3, 3):
                page_dark = min(page_row[left * 3 + x:left * 3 + x + 3]) < 128
                count += page_dark != (min(screen_row[x:x + 3]) < 128)
        return count

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


def check_printout(pdf, screen, what, unlike_screen=()):
    """Checks that the PDF is one page showing one image: the screen's client area as it
    is on view, apart from the rows `unlike_screen`, at 96 pixels per inch, i.e. 0.75
    point per pixel. Returns the page rendered at 96 dpi and the image's origin on it."""
    size = screen.geometry()[2:]
    capture = subprocess.run(["import", "-window", str(screen.xid), "-depth", "8", "ppm:-"],
                             capture_output=True, check=True)
    shown = Picture(capture.stdout, f"{what}: screen")
    prefix = pdf[:-4] + "-image"
    subprocess.run(["pdfimages", "-f", "1", "-l", "1", pdf, prefix], check=True)
    printed = Picture.from_file(prefix + "-000.ppm")
    if (printed.width, printed.height) == size:
        rows = [y for y in range(printed.height) if y not in unlike_screen]
        differing = printed.differing_pixels(shown, rows)
        expect_equal(differing < len(rows) * size[0] // 100, True,
                     f"{what}: the printed image shows the screen ({differing} pixels differ)")
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    expect_equal(re.search(r"Pages:\s+(\d+)", info).group(1), "1", f"{what}: pages")
    images = subprocess.run(["pdfimages", "-list", pdf], capture_output=True, text=True,
                            check=True).stdout.splitlines()[2:]
    check(images, f"{what}: the PDF holds no image")
    columns = images[0].split()
    width, height, x_ppi, y_ppi = int(columns[3]), int(columns[4]), columns[12], columns[13]
    expect_equal((len(images), width, height), (1, *size), f"{what}: images, pixel size")
    expect_equal((x_ppi, y_ppi), ("96", "96"), f"{what}: pixels per inch on the page")
    print(f"{what}: {width}x{height} px at {x_ppi}x{y_ppi} ppi = "
          f"{width * 72 / float(x_ppi):.2f}x{height * 72 / float(y_ppi):.2f} pt")
    page = Page(pdf)
    left, top, drawn_width, drawn_height = page.drawn_area()
    if abs(drawn_width - size[1]) <= 1 and abs(drawn_height - size[0]) <= 1:
        # Printed across the page, as a screen wider than the page upright is: turn it back
        # upright, whichever way the print system turned it.
        rows = [y for y in range(size[1]) if y not in unlike_screen]
        page = min((Page(pdf, turn) for turn in (90, -90)), key=lambda p: p.mismatch(shown, rows))
        left, top, drawn_width, drawn_height = page.drawn_area()
        print(f"{what}: printed across the page")
    if abs(drawn_width - size[0]) > 1 or abs(drawn_height - size[1]) > 1:
        expect_equal((drawn_width, drawn_height), size,
                     f"{what}: size of the image on the {page.width}x{page.height} px page "
                     f"rendered at 96 dpi, drawn from {left},{top}")
    return page, left, top


def chart_is_intact(program, row, what):
    chart = program.wait_screen("Form10")
    expect_equal(chart.chart()[0], row, f"{what}: chart row 1")
    for name in CHART_BUTTONS:
        expect_equal(has_state(chart.button(name), pyatspi.STATE_SHOWING), True,
                     f"{what}: button {name!r} on view")
    return chart


def main():
    binary = sys.argv[1]
    reason = skip_reason()
    if reason:
        raise Skip(reason)
    scheduler = PrivateScheduler()
    try:
        scheduler.start()
        with Desktop() as desktop:
            program = desktop.launch(binary, {"CUPS_SERVER": scheduler.socket})
            first = program.wait_screen("Form1")
            first.click(first.button("Continue"))
            upper_arm = program.wait_screen("Form2")
            upper_arm.choose_by_mouse(upper_arm.find("Upper arm 45° to 90° forward",
                                                     pyatspi.ROLE_RADIO_BUTTON))
            upper_arm.click(upper_arm.button("Print"))
            page, left, top = check_printout(scheduler.wait_pdf(1), upper_arm, "Form2 printout")
            # The buttons of the upper arm screen are on its page (column at x 320..417).
            check(page.darkest(left + 322, top + 218, left + 415, top + 239) < 128,
                  "Form2 printout: no Continue button where it belongs")
            program.wait_screen("Form2")

            for form in ("Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8"):
                program.wait_screen(form)
                key("alt+c")
            program.wait_screen("Form9")
            key("alt+a")
            chart = program.wait_screen("Form10")
            row = chart.chart()[0]
            check(row[0] != "", "no row was added to the chart")
            chart.click(chart.button("Print"))
            y0, y1 = CHART_BUTTON_Y
            page, left, top = check_printout(scheduler.wait_pdf(2), chart, "chart printout",
                                             range(y0 - 2, y1 + 2))
            for name, (x0, x1) in zip(CHART_BUTTONS, CHART_BUTTON_XS):
                expect_equal(page.darkest(left + x0 + 2, top + y0 + 2, left + x1 - 2,
                                          top + y1 - 2), 255,
                             f"chart printout: darkest value where {name!r} would be")
            # What must be on the page: the footer's notice and the first row's cells.
            check(page.darkest(left + 8, top + 410, left + 170, top + 445) < 128,
                  "chart printout: the footer's notice is missing")
            check(page.darkest(left + 27, top + 75, left + 46, top + 94) < 128,
                  "chart printout: the text of row 1, column 1 is missing")
            chart_is_intact(program, row, "after printing")

            scheduler.stop()
            chart = program.wait_screen("Form10")
            chart.click(chart.button("Print"))
            alert = program.wait_alert()
            texts = [label.name for label in pyatspi.findAllDescendants(
                alert, lambda a: a.getRole() == pyatspi.ROLE_LABEL)]
            check(any(text.startswith("Nothing was printed.") for text in texts),
                  f"the message does not say that nothing was printed: {texts}")
            print(f"message with the scheduler stopped: {texts}")
            key("Return")
            wait_for("the message to close", lambda: not any(
                w.getRole() == pyatspi.ROLE_ALERT for w in program.showing_windows()))
            chart = chart_is_intact(program, row, "after the failed print")
            chart.click(chart.button("Exit"))
            check_equal(program.wait_exit(2), 0, "exit status")
    finally:
        scheduler.cleanup()


if __name__ == "__main__":
    sys.exit(run_test(main))
