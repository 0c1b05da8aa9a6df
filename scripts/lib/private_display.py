"""What the scripts that drive the viewer from outside share: a private
virtual display (Xvfb) with its own access cookie, the windows on it and
what a window manager says about them (x_windows.py), and the clean-up of
every process and folder a script started or made.

Also a command line for the shell scripts:
  private_display.py start WORK [WxH]   starts Xvfb (left running), prints
                                        "DISPLAY PID"; XAUTHORITY is WORK/Xauthority
  private_display.py usable             exits 0 when $DISPLAY answers
  private_display.py window TITLE       the id of the mapped window with that title
  private_display.py windows PID        "ID X Y WIDTH HEIGHT TITLE" for each of its windows
  private_display.py ping WINDOW MS     exits 0 when the window's client answers in time,
                                        1 when not, 2 when the window is gone
  private_display.py screenshot FILE    the whole screen as a PNG image
"""

import atexit
import os
import random
import re
import secrets
import select
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time

from Xlib import error as xerror

from x_windows import Screen


class Owned:
    """The processes and folders a script started or made: ended and removed,
    last first, when the script exits in any way (SIGTERM included)."""

    def __init__(self):
        self._steps = []
        atexit.register(self.close)
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    def at_exit(self, step):
        self._steps.append(step)

    def start(self, args, log=None, **kwargs):
        """Starts args with stdin from /dev/null and output to the file log."""
        out = open(log, "wb") if log else subprocess.DEVNULL
        process = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=out,
                                   stderr=subprocess.STDOUT, **kwargs)
        if log:
            out.close()
        self.at_exit(lambda: end(process))
        return process

    def folder(self, name, keep=lambda: False):
        """A new folder under $TMPDIR, removed at exit unless keep() says so."""
        path = tempfile.mkdtemp(prefix=f"mirelda-{name}.")

        def remove():
            if keep():
                print(f"{name}: logs kept in {path}", file=sys.stderr)
            else:
                shutil.rmtree(path, ignore_errors=True)

        self.at_exit(remove)
        return path

    def close(self):
        while self._steps:
            try:
                self._steps.pop()()
            except Exception as problem:  # clean-up goes on whatever one step does
                print(f"clean-up: {problem}", file=sys.stderr)


def end(process, grace=5):
    """Ends a process: asked first, killed when it does not end in grace seconds."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def write_cookie(path):
    """An access file with a fresh cookie for any display of this host: the
    server takes it from the file, clients match it by host name."""
    def counted(data):
        return struct.pack(">H", len(data)) + data

    family_local = 256
    entry = (struct.pack(">H", family_local) + counted(socket.gethostname().encode())
             + counted(b"") + counted(b"MIT-MAGIC-COOKIE-1") + counted(secrets.token_bytes(16)))
    with open(path, "wb") as f:
        f.write(entry)
    os.chmod(path, 0o600)


def display_in_use(n):
    """Servers of other users may see other lock files (another /tmp) and still
    share the abstract socket names, which clients try first."""
    if os.path.exists(f"/tmp/.X{n}-lock") or os.path.exists(f"/tmp/.X11-unix/X{n}"):
        return True
    try:
        with open("/proc/net/unix") as f:
            return any(line.rstrip().endswith(f"@/tmp/.X11-unix/X{n}") for line in f)
    except OSError:
        return False


def read_line(fd, wait):
    """A whole line from fd within wait seconds ("" when none): the server
    writes its number and the line's end apart, and dies if the pipe is
    closed between them."""
    line, deadline = b"", time.monotonic() + wait
    while not line.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            return ""
        more = os.read(fd, 16)
        if not more:
            return ""
        line += more
    return line.decode().strip()


def start_xvfb(work, size="1280x1024", owned=None, wait=30):
    """Starts Xvfb with a WxH screen on a display number no other server uses,
    drawn at random far above the low ones servers take first; exports DISPLAY
    and XAUTHORITY (and XDG_RUNTIME_DIR when none is set). Returns the process,
    ended with what owned ends, or left running without owned. Raises
    RuntimeError with Xvfb's log when it does not start or answer."""
    auth = os.path.join(work, "Xauthority")
    log = os.path.join(work, "xvfb.log")
    write_cookie(auth)
    for _ in range(20):
        n = random.randrange(1000, 31000)
        if display_in_use(n):
            continue
        ready, told = os.pipe()
        # -noreset: the server would start over whenever its last client
        # leaves, refusing whoever connects meanwhile.
        with open(log, "wb") as out:
            xvfb = subprocess.Popen(
                ["Xvfb", f":{n}", "-displayfd", str(told), "-auth", auth, "-nolisten", "tcp",
                 "-noreset", "-screen", "0", f"{size}x24"],
                stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT, pass_fds=[told])
        os.close(told)
        answered = read_line(ready, wait)
        os.close(ready)
        if answered:
            break
        end(xvfb)
    else:
        raise RuntimeError("Xvfb did not start:\n" + open(log, errors="replace").read())
    os.environ.update(DISPLAY=f":{n}", XAUTHORITY=auth)
    try:
        with Screen() as screen:
            if screen.size() != tuple(int(v) for v in size.split("x")):
                raise xerror.DisplayError(f":{n}")
    except (xerror.DisplayError, xerror.ConnectionClosedError):
        end(xvfb)
        raise RuntimeError(f"Xvfb on :{n} does not answer:\n" + open(log, errors="replace").read())
    if not os.environ.get("XDG_RUNTIME_DIR"):
        runtime = os.path.join(work, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        os.environ["XDG_RUNTIME_DIR"] = runtime
    if owned:
        owned.at_exit(lambda: end(xvfb))
    return xvfb


def start_window_manager(owned, work, screen, wait=40):
    """Starts openbox for this display alone and waits until it manages it.
    Its bindings on the screen's background are left out: a click or wheel
    turn that misses the viewer's windows (gone a moment before) would open
    its menus, which take the keyboard from every window, or switch to
    another desktop, away from the viewer's windows."""
    with open("/etc/xdg/openbox/rc.xml") as f:
        config = re.sub(r'<context name="(Root|Desktop)">.*?</context>', "", f.read(), flags=re.S)
    config_file = os.path.join(work, "openbox.xml")
    with open(config_file, "w") as f:
        f.write(config)
    manager = owned.start(["openbox", "--sm-disable", "--config-file", config_file],
                          log=os.path.join(work, "wm.log"), env=dict(os.environ, HOME=work))
    deadline = time.monotonic() + wait
    while not screen.window_manager_running():
        if manager.poll() is not None or time.monotonic() > deadline:
            raise RuntimeError("openbox did not start: " + open(os.path.join(work, "wm.log")).read())
        time.sleep(0.1)
    return manager


def main(args):
    command = args[0] if args else ""
    if command == "start" and len(args) in (2, 3):
        xvfb = start_xvfb(args[1], *args[2:])
        print(os.environ["DISPLAY"], xvfb.pid)
        return 0
    if command == "usable" and len(args) == 1:
        try:
            with Screen():
                return 0
        except (xerror.DisplayError, xerror.ConnectionClosedError):
            return 1
    with Screen() as screen:
        if command == "window" and len(args) == 2:
            window = screen.window(args[1])
            print(window.id if window else "")
            return 0
        if command == "windows" and len(args) == 2:
            for w in screen.windows(int(args[1])):
                print(w.id, w.x, w.y, w.width, w.height, w.title)
            return 0
        if command == "ping" and len(args) == 3:
            return {"answered": 0, "late": 1, "gone": 2}[screen.ping(int(args[1], 0),
                                                                   int(args[2]) / 1000)]
        if command == "screenshot" and len(args) == 2:
            screen.screenshot(args[1])
            return 0
    print(__doc__, file=sys.stderr)
    return 3


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
