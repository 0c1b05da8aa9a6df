"""The viewer in the monkey test: its folders, its starts, its windows and
message boxes as the last scan found them, and what is checked when it ends
(a part of Monkey)."""

import glob
import os
import re
import shutil
import subprocess
import sys
import time

from monkey_events import xdotool

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
MAIN, CHART, BOX, DIALOG = "QRV PLOT CURVE", "QRVcalChart", "Mirelda", "Select Calibration Curve File"
WARM_UP_EVENTS = 50
# What each start of the viewer is given, in turn.
START_ARGS = ["strain-car1.CRV", "", "pressure-car2.CRV", "bad-row.CRV"]
SANITIZER_REPORT = re.compile(r"^==[0-9]+==ERROR|^SUMMARY: [A-Za-z]+Sanitizer|runtime error:", re.M)


class Viewer:
    # The viewer's folders: any entry that appears in them is a written file.
    def make_folders(self):
        os.makedirs(os.path.join(self.files, "sub"))
        os.makedirs(self.home)
        os.makedirs(self.scratch)
        for example in glob.glob(os.path.join(ROOT, "examples", "*.CRV")):
            shutil.copy(example, self.files)
        shutil.copy(os.path.join(ROOT, "examples", "strain-car1.CRV"),
                    os.path.join(self.files, "sub", "lower.crv"))
        with open(os.path.join(self.files, "notes.txt"), "w") as f:
            f.write("not a curve file\n")
        self.folders_expected = self.folder_listing()

    def folder_listing(self):
        found = []
        for top in ("home", "files", "tmp"):
            for folder, names, files in os.walk(os.path.join(self.work, top)):
                found += [os.path.relpath(os.path.join(folder, n), self.work) for n in names + files]
        return sorted(found)

    def rss_kb(self):
        try:
            with open(f"/proc/{self.process.pid}/status") as f:
                return int(next(line.split()[1] for line in f if line.startswith("VmRSS:")))
        except (OSError, StopIteration):
            return 0

    def scan(self):
        """The viewer's mapped windows now: main and chart (None when not
        shown), its message boxes and Load dialogs."""
        self.main = self.chart = None
        self.boxes, self.dialogs = [], []
        try:
            windows = self.screen.windows(self.process.pid)
        except Exception:
            windows = []
        for w in windows:
            if w.title == MAIN:
                self.main = w
            elif w.title == CHART:
                self.chart = w
            elif w.title == BOX:
                self.boxes.append(w.id)
            elif w.title == DIALOG:
                self.dialogs.append(w.id)

    def answer_boxes(self):
        """Enter for the program's own boxes, Esc for the Load dialog and its
        warnings. False when some stay open."""
        for _ in range(20):
            self.scan()
            if not self.boxes and not self.dialogs:
                return True
            for w in self.boxes:
                xdotool("windowfocus", w, "key", "Return")
            for w in self.dialogs:
                xdotool("windowfocus", w, "key", "Escape")
            time.sleep(0.1)
        self.fail("a message box or dialog could not be answered")
        return False

    def start_viewer(self):
        arg = START_ARGS[self.runs % len(START_ARGS)]
        self.runs += 1
        self.run_log = os.path.join(self.work, f"run-{self.runs}.log")
        self.process = self.owned.start([self.viewer] + ([arg] if arg else []), log=self.run_log,
                                   cwd=self.files,
                                   env=dict(os.environ, HOME=self.home, TMPDIR=self.scratch))
        self.main = None
        for _ in range(300):
            if self.main or self.process.poll() is not None or not self.answer_boxes():
                break
            if not self.main:
                time.sleep(0.1)
        self.main_id = self.main.id if self.main else None
        self.run_event = self.rss_base = self.rss_high = self.base_event = 0
        self.rss_grew = False
        self.measure_from = WARM_UP_EVENTS
        self.used = set()
        if self.main:
            return
        # Nothing more can be learnt from this seed.
        self.fail(f"the viewer did not start (run {self.runs})")
        self.process.kill()
        self.viewer_ended()
        sys.exit(1)

    def viewer_ended(self):
        """Its status, its sanitizer reports, the files it wrote."""
        status = self.process.wait()
        status = 128 - status if status < 0 else status  # a signal, as a shell says it
        self.process = None
        with open(self.run_log, errors="replace") as f:
            output = f.read()
        if SANITIZER_REPORT.search(output):
            lines = [l for l in output.splitlines()
                     if re.search(r"==ERROR|SUMMARY|runtime error|^ +#[0-9]+ ", l)]
            self.fail(f"sanitizer report in run {self.runs}:", lines[:12])
            shutil.copy(self.run_log, os.path.join(self.work, f"failed-run-{self.runs}.log"))
        elif status != 0:
            self.fail(f"the viewer ended with status {status} in run {self.runs}")
            shutil.copy(self.run_log, os.path.join(self.work, f"failed-run-{self.runs}.log"))
        now = self.folder_listing()
        if now != self.folders_expected:
            self.fail("the viewer wrote files:", sorted(set(now) - set(self.folders_expected)))
            for folder in (self.home, self.scratch):
                shutil.rmtree(folder)
                os.makedirs(folder)
        if self.rss_base > 0:
            self.memory_notes.append(
                f"run {self.runs}: {self.rss_base // 1024} MiB after {self.base_event} events, "
                f"highest {self.rss_high // 1024} MiB")

    def await_end(self, seconds=20):
        """Waits for a viewer that stopped answering to end by itself; a quit
        leaves it checking for leaks for a while."""
        try:
            self.process.wait(seconds)
            return True
        except subprocess.TimeoutExpired:
            return False
