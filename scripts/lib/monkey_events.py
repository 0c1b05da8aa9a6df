"""The events of the monkey test: what each draw of random numbers sends to
the viewer's windows, as a user's pointer and keyboard would."""

import os
import subprocess
import time

KEYS = ["Tab", "shift+Tab", "Left", "Right", "Up", "Down", "space", "shift+space", "Return",
        "Home", "End", "Prior", "Next", "ctrl+a", "ctrl+c", "ctrl+v", "shift+Insert",
        "BackSpace", "Delete"]
WORDS = ["a", "Success", "42", "line two", "%=V", "  "]


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


class Events:
    """Sends one event to the windows of the last scan (a part of Monkey)."""

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
