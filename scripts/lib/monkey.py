"""The monkey test's driver (scripts/monkey builds the viewer and starts it):
  monkey.py VIEWER [SECONDS] [SEED] | monkey.py VIEWER --replay SEED EVENT
See scripts/monkey for what it sends and what it reports."""

import os
import random
import re
import signal
import sys
import time

from monkey_events import Draw, Events, xdotool
from monkey_viewer import Viewer
from private_display import Owned, Screen, start_window_manager, start_xvfb

GROWTH_LIMIT_KB = int(os.environ.get("MONKEY_RSS_GROWTH_MIB", "48")) * 1024

def usage():
    print("usage: scripts/monkey [SECONDS] [SEED] | scripts/monkey --replay SEED EVENT",
          file=sys.stderr)
    sys.exit(2)


def number(text):
    if not re.fullmatch(r"[0-9]+", text):
        usage()
    return int(text)


class Monkey(Events, Viewer):
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
