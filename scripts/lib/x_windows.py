"""The windows on an X display as a script that drives the viewer sees them:
the top-level windows with their titles, owners, client areas and frames, the
window manager's stacking order, whether a window's client answers, and a
screenshot of the whole screen."""

import select
import struct
import time
import zlib

from Xlib import X, Xatom, display as xdisplay, error as xerror
from Xlib.protocol import event as xevent

class Window:
    """A top-level window as the X server shows it now."""

    def __init__(self, wid, pid, title, x, y, width, height, frame):
        self.id, self.pid, self.title = wid, pid, title
        self.x, self.y, self.width, self.height = x, y, width, height
        left, right, top, bottom = frame
        # The frame a window manager draws around it (none on a bare display).
        self.frame = (x - left, y - top, width + left + right, height + top + bottom)


class Screen:
    """A connection to $DISPLAY."""

    def __init__(self):
        self.d = xdisplay.Display()
        self.root = self.d.screen().root
        self._atoms = {}

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.d.close()

    def atom(self, name):
        if name not in self._atoms:
            self._atoms[name] = self.d.intern_atom(name)
        return self._atoms[name]

    def size(self):
        geometry = self.root.get_geometry()
        return geometry.width, geometry.height

    def _property(self, window, name, kind=X.AnyPropertyType):
        reply = window.get_full_property(self.atom(name), kind)
        return reply.value if reply else None

    def window_manager_running(self):
        return self._property(self.root, "_NET_SUPPORTING_WM_CHECK") is not None

    def windows(self, pid=None):
        """The mapped top-level windows (of process pid): as the window manager
        lists them, or the root's children when there is none."""
        listed = self._property(self.root, "_NET_CLIENT_LIST")
        ids = list(listed) if listed is not None and len(listed) else None
        if ids is None:
            ids = [w.id for w in self.root.query_tree().children]
        found = []
        for wid in ids:
            window = self.d.create_resource_object("window", wid)
            try:  # a window may go at any moment
                owner = self._property(window, "_NET_WM_PID", Xatom.CARDINAL)
                owner = owner[0] if owner is not None and len(owner) else None
                if pid is not None and owner != pid:
                    continue
                if window.get_attributes().map_state != X.IsViewable:
                    continue
                geometry = window.get_geometry()
                where = self.root.translate_coords(window, 0, 0)
                name = self._property(window, "_NET_WM_NAME")
                if name is None:
                    name = self._property(window, "WM_NAME") or b""
                extents = self._property(window, "_NET_FRAME_EXTENTS", Xatom.CARDINAL)
            except (xerror.BadWindow, xerror.BadDrawable, xerror.BadMatch):
                continue
            title = name.decode("utf-8", "replace") if isinstance(name, bytes) else str(name)
            frame = tuple(extents) if extents is not None and len(extents) == 4 else (0, 0, 0, 0)
            found.append(Window(wid, owner, title, where.x, where.y, geometry.width,
                                geometry.height, frame))
        return found

    def stacking(self):
        """The ids of the windows a window manager manages, from the bottom up."""
        return list(self._property(self.root, "_NET_CLIENT_LIST_STACKING") or [])

    def window(self, title, pid=None):
        """The first mapped window with exactly that title, or None."""
        return next((w for w in self.windows(pid) if w.title == title), None)

    def ping(self, wid, timeout):
        """Sends the window the window manager's ping (_NET_WM_PING) and waits
        for its client to send it back, as a client that handles its events
        does at once; its queue is handled in order, so an answer also means
        that every input sent to it before has been handled. Returns "answered",
        "late" or "gone"."""
        window = self.d.create_resource_object("window", wid)
        try:
            window.get_attributes()
        except xerror.BadWindow:
            return "gone"
        # The answer goes to the root window as a structure event.
        self.root.change_attributes(event_mask=X.StructureNotifyMask)
        stamp = int(time.monotonic() * 1000) & 0x7FFFFFFF  # ours, not another's ping
        protocols, ping = self.atom("WM_PROTOCOLS"), self.atom("_NET_WM_PING")
        gone = []
        window.send_event(
            xevent.ClientMessage(window=window, client_type=protocols,
                                 data=(32, [ping, stamp, wid, 0, 0])),
            event_mask=X.NoEventMask, onerror=lambda *_: gone.append(1))
        self.d.flush()
        deadline = time.monotonic() + timeout
        while True:
            while self.d.pending_events():
                e = self.d.next_event()
                if (e.type == X.ClientMessage and e.client_type == protocols
                        and list(e.data[1][:3]) == [ping, stamp, wid]):
                    return "answered"
            if gone:
                return "gone"
            left = deadline - time.monotonic()
            if left <= 0:
                return "late"
            select.select([self.d], [], [], left)

    def screenshot(self, path):
        """The whole screen as an 8-bit RGB PNG image."""
        width, height = self.size()
        image = self.root.get_image(0, 0, width, height, X.ZPixmap, 0xFFFFFFFF)
        data = image.data
        if len(data) != width * height * 4 or self.d.display.info.image_byte_order != X.LSBFirst:
            raise RuntimeError("screenshot: only 32-bit pixels in LSB-first order are read")
        rgb = bytearray(width * height * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = data[2::4], data[1::4], data[0::4]
        rows = b"".join(b"\0" + rgb[r * width * 3:(r + 1) * width * 3] for r in range(height))

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body
                    + struct.pack(">I", zlib.crc32(kind + body)))

        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n"
                    + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                    + chunk(b"IDAT", zlib.compress(bytes(rows), 6)) + chunk(b"IEND", b""))
