"""The monkey test's driver (scripts/monkey builds the viewer and starts it):
  monkey.py VIEWER [SECONDS] [SEED] | monkey.py VIEWER --replay SEED EVENT
See scripts/monkey for what it sends and what it reports."""

import glob
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

from private_display import Owned, Screen, start_window_manager, start_xvfb

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
MAIN, CHART, BOX, DIALOG = "QRV PLOT CURVE", "QRVcalChart", "Mirelda", "Select Calibration Curve File"
WARM_UP_EVENTS = 50
GROWTH_LIMIT_KB = int(os.environ.get("MONKEY_RSS_GROWTH_MIB", "48")) * 1024
# What each start of the viewer is given, in turn.
START_ARGS = ["strain-car1.CRV", "", "pressure-car2.CRV", "bad-row.CRV"]
KEYS = ["Tab", "shift+Tab", "Left", "Right", "Up", "Down", "space", "shift+space", "Return",
        "Home", "End", "Prior", "Next", "ctrl+a", "ctrl+c", "ctrl+v", "shift+Insert",
        "BackSpace", "Delete"]
WORDS = ["a", "Success", "42", "line two", "%=V", "  "]
SANITIZER_REPORT = re.compile(r"^==[0-9]+==ERROR|^SUMMARY: [A-Za-z]+Sanitizer|runtime error:", re.M)


def usage():
    print("usage: scripts/monkey [SECONDS] [SEED] | scripts/monkey --replay SEED EVENT",
          file=sys.stderr)
    sys.exit(2)


def number(text):
    if not re.fullmatch(r"[0-9]+", text):
        usage()
    return int(text)


def xdotool(*args):
    """Input as a user gives it; a window that went meanwhile is no failure."""
    subprocess.run(["xdotool", *map(str, args)], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


class Draw:
    """The seven random numbers every event draws, whatever it does with them,
    so that one seed gives one stream of events however the viewer answers."""

    def __init__(self, rng):
        self.kind = rng.getrandbits(15) % 1000
        self.win, self.x, self.y, self.x2, self.y2, self.aux = (rng.getrandbits(15)
                                                                for _ in range(6))


class Monkey:
    def __init__(self, owned, viewer, seed, work, screen):
        self.owned, self.viewer, self.seed, self.work, self.screen = owned, viewer, seed, work, screen
        self.files, self.home, self.scratch = (os.path.join(work, n) for n in ("files", "home", "tmp"))
        self.events_log = open(os.path.join(work, "events.log"), "w")
        self.event = self.runs = self.restarts = self.loads = self.failures = 0
        self.keep = False
        self.memory_notes = []
        self.process = None
        self.main = self.chart = None
        self.boxes, self.dialogs = [], []
        # Paths typed into the Load dialog: good and bad files, a refused
        # name, a missing file, a folder.
        self.typed_paths = [os.path.join(self.files, n) for n in (
            "strain-car1.CRV", "pressure-car2.CRV", "bad-row.CRV", "ends-early.CRV")]
        self.typed_paths += ["strain-car1.CRV"] + [os.path.join(self.files, n) for n in (
            "sub/lower.crv", "notes.txt", "missing.CRV", "sub")]

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

    def fail(self, what, details=()):
        self.failures += 1
        self.keep = True
        say = lambda line: print(f"monkey: {line}", file=sys.stderr)
        say(f"FAIL at event {self.event} (seed {self.seed}): {what}")
        for line in details:
            say(f"  {line}")
        say(f"  replay with: scripts/monkey --replay {self.seed} {self.event}")
        say("  the last events:")
        self.events_log.flush()
        with open(self.events_log.name) as f:
            for line in f.read().splitlines()[-5:]:
                say(f"    {line}")

    def log(self, what):
        self.events_log.write(f"{self.event}: {what}\n")

    def first_use(self, what):
        """The first use in this run of something the viewer builds once and
        keeps: memory is measured again from 10 events later."""
        if what not in self.used:
            self.used.add(what)
            self.measure_from = max(self.measure_from, self.run_event + 10)

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

    def target(self, r):
        """The window an event goes to: the chart window on odd draws when shown."""
        return self.chart if r.win % 2 and self.chart else self.main

    @staticmethod
    def at(w, fx, fy):
        """A point inside window w for two fractions of 32768."""
        return (w.x + fx * (w.width - 1 if w.width > 1 else 1) // 32768,
                w.y + fy * (w.height - 1 if w.height > 1 else 1) // 32768)

    def focus_main(self):
        xdotool("windowfocus", self.main_id)

    def one_event(self, r):
        if not self.main:
            return
        w = self.target(r)
        b = 1 + r.aux % 3
        px, py = self.at(w, r.x, r.y)
        if r.kind < 150:
            self.log(f"move to {px},{py}")
            xdotool("mousemove", px, py)
        elif r.kind < 370:
            self.log(f"click {b} at {px},{py}")
            xdotool("mousemove", px, py, "click", b)
        elif r.kind < 385:
            self.log(f"press {b} at {px},{py}")
            xdotool("mousemove", px, py, "mousedown", b)
        elif r.kind < 400:
            self.log(f"release {b} at {px},{py}")
            xdotool("mousemove", px, py, "mouseup", b)
        elif r.kind < 480:
            b = b if r.aux % 4 == 0 else 1
            self.log(f"double click {b} at {px},{py}")
            xdotool("mousemove", px, py, "click", "--repeat", 2, "--delay", 60, b)
        elif r.kind < 540:
            x2, y2 = self.at(w, r.x2, r.y2)
            self.log(f"drag {b} from {px},{py} to {x2},{y2}")
            xdotool("mousemove", px, py, "mousedown", b, "mousemove", px + (x2 - px) // 2,
                    py + (y2 - py) // 2, "mousemove", x2, y2, "mouseup", b)
        elif r.kind < 590:
            b, times = 4 + r.aux % 4, 1 + r.x2 % 5
            self.log(f"wheel {b} x{times} at {px},{py}")
            xdotool("mousemove", px, py, "click", "--repeat", times, b)
        elif r.kind < 800:
            xdotool("windowfocus", w.id)
            if r.aux % 5 == 0:
                word = WORDS[r.x2 % len(WORDS)]
                self.log(f"type '{word}'")
                xdotool("type", "--delay", 2, word)
            else:
                key = KEYS[r.x2 % len(KEYS)]
                self.log(f"key {key}")
                if key == "ctrl+c":
                    self.first_use("copy")
                xdotool("key", key)
        elif r.kind < 850:
            self.load_through_dialog(r)
        elif r.kind < 880:
            self.focus_main()
            item = ["Down", "Up", "Return", "Escape", "l", "p"][r.x2 % 6]
            self.first_use("menu")
            self.first_use({"l": "dialog", "p": "print"}.get(item, "menu"))
            self.log(f"alt+f, {item}")
            xdotool("key", "alt+f", "sleep", 0.1, "key", item)
        elif r.kind < 900:
            self.focus_main()
            self.first_use("about")
            answer = "Return" if r.x2 % 2 else "Escape"
            self.log(f"alt+h, {answer}")
            xdotool("key", "alt+h", "sleep", 0.1, "key", answer)
        elif r.kind < 920:
            self.focus_main()
            self.first_use("print")
            self.log("print chart")
            xdotool("key", "alt+f", "sleep", 0.1, "key", "p")
        elif r.kind < 985:
            if not self.chart:
                self.log("resize: no chart")
                return
            # From tiny to the size of the screen, small sizes as often as large.
            width = 1 + r.x * r.x // 32768 * 1280 // 32768
            height = 1 + r.y * r.y // 32768 * 1024 // 32768
            self.log(f"resize chart to {width}x{height}")
            xdotool("windowsize", self.chart.id, width, height)
        elif r.kind < 995:
            self.log("close the chart window")
            if self.chart:
                xdotool("windowfocus", self.chart.id, "key", "alt+F4")
        else:
            self.focus_main()
            key = "Escape" if r.aux % 2 else "ctrl+x"
            self.log(key)
            xdotool("key", key)

    def await_dialogs(self, count):
        for _ in range(40):
            self.scan()
            if (len(self.dialogs) > 0) == (count > 0):
                return
            time.sleep(0.05)

    def load_through_dialog(self, r):
        """Ctrl+L, a typed path, then Return (four times in five) or Esc."""
        self.first_use("dialog")
        path = self.typed_paths[r.aux % len(self.typed_paths)]
        take = r.x2 % 5 != 0
        self.focus_main()
        self.log(f"ctrl+l, type {path}, {'Return' if take else 'Escape'}")
        xdotool("key", "ctrl+l")
        self.await_dialogs(1)
        if len(self.dialogs) != 1:
            return
        xdotool("windowfocus", self.dialogs[0])
        xdotool("type", "--delay", 1, path)
        if not take:
            xdotool("key", "Escape")
            return
        xdotool("key", "Return")
        self.await_dialogs(0)
        path = os.path.join(self.files, path)
        if not self.dialogs and os.path.isfile(path) and path.lower().endswith(".crv"):
            self.loads += 1

    def check_viewer(self):
        """After each event: the viewer still runs and answers, or has ended."""
        if self.process.poll() is None:
            answer = self.screen.ping(self.main_id, 2)
            if answer == "answered":
                return
            if not self.await_end():
                if answer == "late":
                    self.fail(f"the viewer did not answer for 2 s (run {self.runs})")
                else:
                    self.fail(f"the viewer's main window is gone but it does not end (run {self.runs})")
                self.process.send_signal(signal.SIGABRT)
                time.sleep(2)
                self.process.kill()
        self.viewer_ended()
        self.restarts += 1
        self.start_viewer()

    def measure_memory(self):
        """Every 10 events of a run: growth of resident memory since the base."""
        rss = self.rss_kb()
        self.log(f"resident memory {rss // 1024} MiB")
        if self.chart:
            self.first_use("chart")
        if self.measure_from > 0 and self.run_event >= self.measure_from and not self.rss_grew:
            self.rss_base = self.rss_high = rss
            self.base_event, self.measure_from = self.run_event, 0
        elif self.rss_base > 0 and rss > self.rss_high:
            self.rss_high = rss
            if not self.rss_grew and rss - self.rss_base > GROWTH_LIMIT_KB:
                self.rss_grew = True
                self.fail(f"resident memory grew from {self.rss_base // 1024} to "
                          f"{rss // 1024} MiB in run {self.runs}")

    def end_last_run(self):
        """The last run ends as a user ends it, so its exit is checked too. A
        window that opens at the last moment (the chart of a file just read)
        can take the focus before Esc arrives, and Esc first closes an open
        menu: Esc is pressed again while the main window is still shown."""
        for _ in range(5):
            self.answer_boxes()
            if not self.main:
                break
            xdotool("windowfocus", "--sync", self.main_id, "key", "Escape")
            for _ in range(20):
                time.sleep(0.1)
                self.scan()
                if not self.main:
                    break
            if not self.main:
                break
        if not self.await_end():
            self.fail("the viewer did not quit on Esc")
            self.process.kill()
        self.viewer_ended()

    def run(self, seconds, replay_until):
        rng = random.Random(self.seed)
        start = time.monotonic()
        self.start_viewer()
        while (self.event < replay_until if replay_until else time.monotonic() - start < seconds):
            self.event += 1
            self.run_event += 1
            r = Draw(rng)
            self.answer_boxes()
            self.one_event(r)
            self.check_viewer()
            if self.run_event % 10 == 0:
                self.measure_memory()
        elapsed = int(time.monotonic() - start)
        self.end_last_run()
        print(f"monkey: {self.event} events in {elapsed} s, {self.restarts} restarts, "
              f"{self.loads} loads through the dialog")
        for note in self.memory_notes:
            print(f"monkey:   resident memory, {note}")


def main(args):
    if len(args) < 1:
        usage()
    viewer, args = args[0], args[1:]
    replay_until = 0
    if args[:1] == ["--replay"]:
        if len(args) != 3:
            usage()
        seed, replay_until, seconds = number(args[1]), number(args[2]), 0
    else:
        if len(args) > 2:
            usage()
        seconds = number(args[0]) if args else 60
        seed = number(args[1]) if len(args) > 1 else time.time_ns() // 1000 % 1000000000
    print(f"monkey: seed {seed}", flush=True)

    owned = Owned()
    monkey = None
    work = owned.folder("monkey", keep=lambda: monkey is not None and monkey.keep)
    try:
        start_xvfb(work, owned=owned)
        screen = Screen()
        start_window_manager(owned, work, screen)
    except RuntimeError as problem:
        print(f"monkey: {problem}", file=sys.stderr)
        return 1
    os.environ["QT_QPA_PLATFORM"] = "xcb"
    # The runtime folder Qt needs, the one place the viewer may touch.
    os.environ["XDG_RUNTIME_DIR"] = os.path.join(work, "runtime")
    os.makedirs(os.environ["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
    os.environ.pop("DBUS_SESSION_BUS_ADDRESS", None)
    # Freed memory waits in AddressSanitizer's quarantine (256 MiB by default)
    # before it is used again, which would look like growth; a smaller one
    # still catches a use shortly after a free.
    os.environ["ASAN_OPTIONS"] = os.environ.get("ASAN_OPTIONS", "") + ":quarantine_size_mb=16"
    monkey = Monkey(owned, viewer, seed, work, screen)
    monkey.make_folders()
    monkey.run(seconds, replay_until)
    if replay_until:
        monkey.keep = True
    if monkey.failures:
        print(f"monkey: FAIL, {monkey.failures} findings (seed {seed})", file=sys.stderr)
        return 1
    print(f"monkey: OK (seed {seed})")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
