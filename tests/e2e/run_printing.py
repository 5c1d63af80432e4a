"""Printing from the real program through a real print system: a private CUPS scheduler
with cups-pdf queues, the default printer. Print on the upper arm screen and on the
chart, each pressed with a mouse click, must each deliver a one-page PDF that shows the
screen as text and lines at its true size (96 pixels to the inch), dated, the chart
without its buttons; Enter right after leaves the program running. Queues whose default
paper is A4 or Letter (short names) or Legal (a PWG name), and a user's own choice of
paper in ~/.cups/lpoptions, each get a page of their paper, and the job asks for it.

The program reaches the scheduler through a link that the test points at stand-ins, one
fault at a time (the table in main()): a queue that refuses jobs, a link that pauses in
every reply (the page must still print), one that stalls after the job was created (a
message within 15 s, and no job left in the queue), a stopped scheduler and one that
never answers (the screen keeps repainting meanwhile). After each, the chart is as it
was and the focus is on Print. With a message still shown, closing the chart while a
job is being sent ends the program within a second, and so does closing while the
print server's name is being looked up by a resolver that never answers. A copy of the
program without its print module beside it says why it cannot print, and goes on.

The scheduler runs as root (cups-pdf refuses anything else) in a mount namespace of its
own, where a private cups-pdf.conf is bound over /etc/cups/cups-pdf.conf: the PDFs land
in the test's own folder and no file of the machine's printing set-up is touched; the
program that looks up a name gets a private resolv.conf the same way. Where that cannot
be done, the test reports itself skipped.

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

from screen_table import CHART_PAPER_WIDTH
from desktop import (CHART_HEADINGS, Desktop, Failure, Skip, check, check_equal,
                     die_with_parent, expect_equal, has_state, key, run_test, showing, stop,
                     wait_for, xdotool)

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

    def mean(self, left, top, right, bottom):
        """The mean colour value in the rectangle: light paper is near 255."""
        values = b"".join(row[left * 3:right * 3] for row in self.rows[top:bottom])
        return sum(values) / max(1, len(values))

    def count(self, colour, tolerance=24):
        """How many pixels are of the colour, or nearly."""
        return sum(1 for row in self.rows for x in range(0, len(row), 3)
                   if all(abs(row[x + i] - colour[i]) <= tolerance for i in range(3)))

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


# The highlight colour of paper, which frames the chosen drawing.
PAPER_HIGHLIGHT = (0x00, 0x55, 0xb3)


def check_page(scheduler, job, screen, what, texts, framed=0, heading=False, paper_width=None):
    """Checks print job number `job`: the document the program sent is one page showing
    the screen as words and lines at its true size (96 pixels to the inch) on light paper,
    with the date line under it (and with `heading`, a line of words above it), and
    `framed` drawings framed; it came out of the PDF printer as one page without a bitmap.
    Returns the page's text. `paper_width`: a screen that draws itself narrower on paper
    than on screen."""
    printed = scheduler.wait_pdf(job)
    sent = scheduler.path("spool", f"d{job:05d}-001")
    width, height = screen.geometry()[2:]
    width = paper_width or width
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
            # Light paper whatever the desktop's colours.
            mean = page.mean(left, top, left + width, top + height)
            expect_equal(mean > 200, True, f"{what}: mean colour value {mean:.0f} on paper")
            # A frame 4 pixels wide round a picture box of at least 50 x 50 pixels.
            frames = page.count(PAPER_HIGHLIGHT)
            expect_equal(frames >= 700 * framed and (framed or frames == 0), True,
                         f"{what}: {frames} pixels of frame for {framed} chosen drawing(s)")
        elif (drawn_width > drawn_height) != (width > height):
            drawn_width, drawn_height = drawn_height, drawn_width  # across the paper
        above = 24 if heading else 0
        expect_equal(abs(drawn_width - width) <= 2 and
                     height + above < drawn_height < height + above + 24, True,
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


def failed_print(program, chart, what, expected, meanwhile=lambda: None, dismiss=True):
    """Clicks Print, runs `meanwhile` and waits for the message, which must read "Nothing
    was printed: " and then match the pattern `expected`; returns how long it took to
    appear."""
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
    check(any(re.fullmatch("Nothing was printed: " + expected, text) for text in texts),
          f"{what}: the message does not say {expected!r}: {texts}")
    expect_equal(took < 15, True, f"{what}: the message came after {took:.2f} s")
    if dismiss:
        key("Return")
        wait_for("the message to close", lambda: not any(
            w.getRole() == pyatspi.ROLE_ALERT for w in program.showing_windows()))
    return took


class SilentServer:
    """A print system that accepts connections and never answers."""

    def __init__(self, path):
        self.path = path
        self.server = socket.socket(socket.AF_UNIX)
        self.server.bind(path)
        self.server.listen()
        self.held = []
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while True:
            self.held.append(self.server.accept()[0])


class Front:
    """The socket path the program knows the print system by: a link to the scheduler's
    socket, or to a stand-in in front of it."""

    def __init__(self, scheduler):
        self.path = scheduler.path("front.sock")
        self.to(scheduler.socket)

    def to(self, target):
        link = self.path + ".new"
        os.symlink(target, link)
        os.replace(link, self.path)


class Proxy:
    """A link to the scheduler that is slow or stalls. With `pause`, every part of a reply
    (its header, then pieces of at most 16 KiB) comes that many seconds after the one
    before. With `stall`, a connection stops after a Create-Job request: at "answer" the
    scheduler's answer to it never reaches the program; at "after" the answer does, but
    nothing more the program sends reaches the scheduler."""

    CREATE_JOB = re.compile(rb"\r\n\r\n(?:[0-9a-fA-F]+\r\n)?[\x01\x02][\x00\x01]\x00\x05")

    def __init__(self, path, target, pause=0.0, stall=None):
        self.target, self.pause, self.stall = target, pause, stall
        self.server = socket.socket(socket.AF_UNIX)
        self.server.bind(path)
        self.server.listen()
        self.path = path
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while True:
            client = self.server.accept()[0]
            threading.Thread(target=self._requests, args=(client,), daemon=True).start()

    def _requests(self, client):
        upstream = socket.socket(socket.AF_UNIX)
        upstream.connect(self.target)
        link = {"create_job": False, "stalled": False}
        threading.Thread(target=self._replies, args=(upstream, client, link),
                         daemon=True).start()
        seen = b""
        try:
            while data := client.recv(65536):
                if link["stalled"]:
                    continue
                seen = (seen + data)[-4096:]
                link["create_job"] |= bool(self.stall and self.CREATE_JOB.search(seen))
                upstream.sendall(data)
        except OSError:
            pass
        upstream.close()

    def _replies(self, upstream, client, link):
        try:
            while data := upstream.recv(65536):
                if link["create_job"] and self.stall == "answer":
                    continue
                link["stalled"] = link["create_job"]
                header = data.find(b"\r\n\r\n") + 4 if data.startswith(b"HTTP/") else 0
                parts = [data[:header]] + [data[i:i + 16384]
                                           for i in range(header, len(data), 16384)]
                for part in filter(None, parts):
                    time.sleep(self.pause)
                    client.sendall(part)
        except OSError:
            pass
        client.close()


class SilentResolver:
    """A name server that never answers, and the resolv.conf that names it."""

    ADDRESS = "127.0.0.77"

    def __init__(self, folder):
        self.asked = threading.Event()
        self.server = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.server.bind((self.ADDRESS, 53))
        self.conf = os.path.join(folder, "resolv.conf")
        with open(self.conf, "w") as conf:
            conf.write(f"nameserver {self.ADDRESS}\noptions timeout:5 attempts:2\n")
        threading.Thread(target=self._listen, daemon=True).start()

    def _listen(self):
        while self.server.recv(4096):
            self.asked.set()

    def wrapper(self):
        """Runs a program in a mount namespace of its own that has this resolv.conf."""
        return ["unshare", "--mount", "--propagation", "private", "sh", "-c",
                'mount --bind "$0" /etc/resolv.conf && exec "$@"', self.conf]


def repaints(chart):
    """True if the chart paints its task column again after the window manager has
    narrowed the window to cut it off and widened it back (an X server keeps nothing it
    has cut off). The tasks' words start 856 pixels in."""
    width, height = chart.geometry()[2:]
    xdotool("windowsize", "--sync", str(chart.xid), "840", str(height))
    xdotool("windowsize", "--sync", str(chart.xid), str(width), str(height))

    def painted():
        shot = subprocess.run(["import", "-window", str(chart.xid), "-depth", "8", "ppm:-"],
                              capture_output=True, check=True).stdout
        return Picture(shot, "chart").darkest(860, 60, 1000, 380) < 128
    try:
        return wait_for("the chart's right-hand columns to be painted again", painted, 3)
    except Failure:
        return False


# Queues and the paper each must get: (queue, its set-up, the user's lpoptions line, the
# page size sent in points, the media of the job as page_log shows it). A paper that no
# one knows by its name is not asked for (the job keeps the printer's default), and the
# page is A4 (the program runs in a locale that measures in metres).
PAPERS = [
    ("A4", ["-o", "media-default=A4", "-o", "PageSize=A4"], None, (595, 842),
     "iso_a4_210x297mm"),
    ("Letter", ["-o", "media-default=Letter", "-o", "PageSize=Letter"], None, (612, 792),
     "na_letter_8.5x11in"),
    ("Legal", ["-o", "media-default=na_legal_8.5x14in"], None, (612, 1008),
     "na_legal_8.5x14in"),
    ("A4", [], "Default A4 media=Letter", (612, 792), "na_letter_8.5x11in"),
    ("Tray", ["-o", "media-default=Tray9"], None, (595, 842), "Tray9"),
]


def check_paper(scheduler, job, what, size, media):
    """Job number `job` came out; the page sent was of `size` and the job asked for `media`."""
    scheduler.wait_pdf(job)
    sent = scheduler.path("spool", f"d{job:05d}-001")
    info = subprocess.run(["pdfinfo", sent], capture_output=True, text=True, check=True).stdout
    width, height = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", info).groups()
    expect_equal((round(float(width)), round(float(height))), size, f"{what}: the page sent")

    def logged():
        with open(scheduler.path("log", "page_log")) as log:
            for line in log:
                fields = line.split()
                if fields[2] == str(job):
                    return fields[-2]  # the media, before the sides
        return None
    expect_equal(wait_for(f"job {job} in page_log", logged), media, f"{what}: the job's media")
    keep = os.environ.get("RULA_KEEP_PRINTS")
    if keep:
        shutil.copy(sent, os.path.join(keep, f"job{job}-sent.pdf"))
    print(f"{what}: a page of {width} x {height} pt, media {media}")


def closes_at_once(program, window, what, unsaved=False):
    """Closes `window` with its close box; the program must end within a second, once the
    question about an `unsaved` chart is answered with Close Without Saving."""
    started = time.monotonic()
    subprocess.run(["wmctrl", "-i", "-c", str(window)], check=True)
    if unsaved:
        wait_for("the closing question", lambda: any(
            button.name == "Close Without Saving" and showing(button)
            for alert in program.showing_windows() if alert.getRole() == pyatspi.ROLE_ALERT
            for button in pyatspi.findAllDescendants(
                alert, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)))
        started = time.monotonic()
        key("alt+w")
    check_equal(program.wait_exit(5), 0, f"{what}: exit status")
    took = time.monotonic() - started
    print(f"{what}: ended after {took:.2f} s")
    expect_equal(took <= 1.0, True, f"{what}: ended after {took:.2f} s")


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
        front = Front(scheduler)
        for queue, options, _, _, _ in PAPERS:
            if options:
                scheduler.lp("lpadmin", "-p", queue, "-v", "cups-pdf:/", "-E", "-P", PPD,
                             *options)
        with Desktop() as desktop:
            # On a dark desktop, as many users have it: the pages are light all the same.
            program = desktop.launch(binary, {"CUPS_SERVER": front.path, "TMPDIR": temp,
                                              "XDG_RUNTIME_DIR": runtime, "LC_ALL": "C.UTF-8",
                                              "QT_QPA_PLATFORMTHEME": "gtk3",
                                              "GTK_THEME": "Adwaita:dark"})
            first = program.wait_screen("Form1")
            first.click(first.button("Continue"))
            upper_arm = program.wait_screen("Form2")
            upper_arm.choose_by_mouse(upper_arm.find("Upper arm 45° to 90° forward",
                                                     pyatspi.ROLE_RADIO_BUTTON))
            upper_arm.click(upper_arm.button("Print"))
            check_page(scheduler, 1, upper_arm, "Form2 printout",
                       ["Upper Arm Posture", "Continue", "Rula posture assessment"], framed=1)
            focus = program.wait_screen("Form2").focused()
            expect_equal(focus and focus.name, "Print", "Form2: the focus after printing")

            job = 1
            lpoptions = os.path.join(program.home, ".cups", "lpoptions")
            os.makedirs(os.path.dirname(lpoptions))
            for queue, _, choice, size, media in PAPERS:
                scheduler.lp("lpadmin", "-d", queue)
                with open(lpoptions, "w") as file:
                    file.write(choice + "\n" if choice else "")
                upper_arm.click(upper_arm.button("Print"))
                job += 1
                check_paper(scheduler, job, f"queue {queue}, {choice or 'its own default'}",
                            size, media)
            os.unlink(lpoptions)
            scheduler.lp("lpadmin", "-d", "PDF")

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
            job += 1
            today = time.strftime("%Y-%m-%d")
            text = check_page(scheduler, job, chart, "chart printout",
                              ["Upper", "Muscle", "Score", "Rula posture assessment",
                               f"Observed: {today}"], heading=True,
                              paper_width=CHART_PAPER_WIDTH)
            lines = [" ".join(line.split()) for line in text.splitlines()]
            for number, row in enumerate(rows, 1):
                words = [str(number)] + [value for value in row if value]
                expect_equal(" ".join(words + ([TASK] if number == 2 else [])) in lines, True,
                             f"chart printout: row {number} as a line of text in {lines}")
            expect_equal("Clear Chart" in text, False, "chart printout: the buttons are printed")
            # Enter right after a mouse Print prints again: it does not reach Exit.
            chart_is_intact(program, rows, "after printing")
            key("Return")
            job += 1
            scheduler.wait_pdf(job)
            chart = chart_is_intact(program, rows, "after Print and Enter")
            # Print Report: the chart's page, then one for each row, through the same queue.
            key("alt+r")
            job += 1
            printed = scheduler.wait_pdf(job)
            # The document as sent holds the words as text; the printer's copy the pages.
            sent = scheduler.path("spool", f"d{job:05d}-001")
            for pdf, name in ((sent, "sent"), (printed, "printed")):
                info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True,
                                      check=True).stdout
                expect_equal(re.search(r"Pages:\s+(\d+)", info).group(1), "3",
                             f"report: {name} pages")
            report = " ".join(subprocess.run(["pdftotext", sent, "-"], capture_output=True,
                                             text=True, check=True).stdout.split())
            for words in ("Page 1 of 3", f"Row 2: {TASK}", "Final score", "Page 3 of 3"):
                expect_equal(words in report, True, f"report: {words!r} in {report}")
            focus = chart.focused()
            expect_equal(focus and focus.name, "Print Report", "the focus after Print Report")
            chart.click(chart.button("Print"))
            job += 1
            scheduler.wait_pdf(job)
            chart = chart_is_intact(program, rows, "after Print Report and Print")

            def repainted():
                check(repaints(chart), "the chart does not repaint while a job is being sent")

            def queue_is_empty():
                expect_equal(scheduler.lp("lpstat", "-o").stdout, "", "jobs left in the queue")

            # What goes wrong; what the user is told (None: the page is printed); what runs
            # while the job is under way, and what must hold afterwards.
            faults = [
                ("queue not accepting jobs", lambda: scheduler.lp("cupsreject", "PDF"),
                 r'Destination "PDF" is not accepting jobs\.', None,
                 lambda: scheduler.lp("cupsaccept", "PDF")),
                ("a link that pauses 0.3 s in every reply", lambda: front.to(
                    Proxy(scheduler.path("slow.sock"), scheduler.socket, pause=0.3).path),
                 None, None, None),
                ("a scheduler that never answers Create-Job", lambda: front.to(
                    Proxy(scheduler.path("mute.sock"), scheduler.socket, stall="answer").path),
                 r"the printer did not answer\.", None, queue_is_empty),
                ("a scheduler that stalls after Create-Job", lambda: front.to(
                    Proxy(scheduler.path("stall.sock"), scheduler.socket, stall="after").path),
                 r"the printer did not answer\.", None, queue_is_empty),
                ("scheduler stopped", lambda: (scheduler.stop(), front.to(scheduler.socket)),
                 r"the print system \(.*\) could not be reached\.", None, None),
                ("silent print system", lambda: front.to(
                    SilentServer(scheduler.path("silent.sock")).path),
                 r"the printer did not answer\.", repainted, None),
            ]
            took = {}
            for what, fault, expected, meanwhile, afterwards in faults:
                fault()
                if expected is None:
                    started = time.monotonic()
                    chart.click(chart.button("Print"))
                    job += 1
                    scheduler.wait_pdf(job)
                    took[what] = time.monotonic() - started
                    print(f"{what}: printed after {took[what]:.2f} s")
                    expect_equal(program.visible_windows(), [chart.xid], f"{what}: windows")
                else:
                    # The last message stays while the chart is closed.
                    took[what] = failed_print(program, chart, what, expected,
                                              meanwhile or (lambda: None),
                                              dismiss=what != faults[-1][0])
                if afterwards:
                    afterwards()
                if what != faults[-1][0]:
                    chart = chart_is_intact(program, rows, f"after: {what}")

            # With the message still shown, Print again and close the chart while the job is
            # being sent: once the question about its unsaved rows is answered, the program
            # ends at once, leaving no file.
            message = [w for w in program.visible_windows() if w != chart.xid]
            check(len(message) == 1, f"the message is not shown: {program.visible_windows()}")
            xdotool("windowmove", "--sync", str(message[0]), "0", "0")
            chart.click(chart.button("Print"))
            time.sleep(0.5)
            closes_at_once(program, chart.xid, "closed while sending, a message shown",
                           unsaved=True)
            expect_equal(os.listdir(temp), [], "files left in the program's temporary folder")
            print("; ".join(f"{what}: {seconds:.2f} s" for what, seconds in took.items()))

            # Closed while the print server's name is being looked up.
            resolver = SilentResolver(scheduler.root)
            program = desktop.launch(binary, {"CUPS_SERVER": "printers.rula.test",
                                              "XDG_RUNTIME_DIR": runtime}, resolver.wrapper())
            first = program.wait_screen("Form1")
            first.click(first.button("Continue"))
            upper_arm = program.wait_screen("Form2")
            upper_arm.click(upper_arm.button("Print"))
            wait_for("the program to look the print server's name up", resolver.asked.is_set)
            closes_at_once(program, upper_arm.xid, "closed during a name look-up")

            # Without its print module the program says why it cannot print, and goes on.
            alone = os.path.join(temp, "rula")
            shutil.copy(binary, alone)
            program = desktop.launch(alone, {"CUPS_SERVER": front.path,
                                             "XDG_RUNTIME_DIR": runtime})
            first = program.wait_screen("Form1")
            first.click(first.button("Continue"))
            upper_arm = program.wait_screen("Form2")
            failed_print(program, upper_arm, "no print module",
                         r"the print module /\S*/rula/plugins/print-cups\.so is missing\.")
            focus = program.wait_screen("Form2").focused()
            expect_equal(focus and focus.name, "Print", "without the module: the focus")
            closes_at_once(program, upper_arm.xid, "closed without the module")
    finally:
        scheduler.cleanup()
        shutil.rmtree(temp, ignore_errors=True)
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(run_test(main))
