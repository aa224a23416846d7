"""A real X desktop (Xvfb and a window manager) for the game, seen and driven from outside: xprop, xwininfo,
Xvfb's frame buffer, xdotool, XFixes. Everything waits on conditions with bounded timeouts."""
import ctypes
import os
import re
import shutil
import struct
import subprocess
import tempfile
import time


# What the address, leak and undefined-behaviour sanitizers write when a sanitized build finds a fault.
SANITIZER_REPORT = re.compile(r"ERROR: \w+Sanitizer|: runtime error: ")
QUIET = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}


class Timeout(AssertionError):
    pass


def start_logged(command, env, folder):
    """Starts a program with its standard error in a file of the folder (an unread pipe could fill and stall it)."""
    with tempfile.NamedTemporaryFile(prefix="stderr-", dir=folder, delete=False) as log:
        proc = subprocess.Popen(command, env=env, cwd=folder, stdout=subprocess.DEVNULL, stderr=log)
    proc.error_log = log.name
    return proc


def stop(proc, patience=5):
    """Ends a program that is still running: asked first, then killed."""
    if proc and proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(patience)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def errors_of(proc):
    """What a program started with start_logged wrote to standard error."""
    with open(proc.error_log, encoding="utf-8", errors="replace") as log:
        return log.read()


def wait_for(condition, what, timeout=10.0, interval=0.03):
    """Polls `condition` until it returns something truthy; returns that."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Timeout("timed out waiting for " + what)
        time.sleep(interval)


class Screenshot:
    """Pixels of a screen image in XWD form, ZPixmap at 24 or 32 bits."""

    def __init__(self, data):
        header = struct.unpack(">25I", data[:100])
        self.little = header[7] == 0  # the byte order
        self.bits_per_pixel, self.bytes_per_line = header[11], header[12]
        self.pixels = data[header[0] + 12 * header[19]:]  # after the header and the colour map
        self.raw = data

    def pixel(self, x, y):
        step = self.bits_per_pixel // 8
        offset = y * self.bytes_per_line + x * step
        chunk = self.pixels[offset:offset + 4 if step == 4 else offset + 3]
        value = int.from_bytes(chunk.ljust(4, b"\0"), "little" if self.little else "big")
        return (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF

    def mean(self, x, y, radius=2):
        square = range(-radius, radius + 1)
        pixels = [self.pixel(x + dx, y + dy) for dy in square for dx in square]
        return tuple(sum(channel) / len(pixels) for channel in zip(*pixels))


class XfixesCursor(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.c_void_p),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


class XRectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort)]


class Desktop:
    """Xvfb, 1024 x 768 at 24 bits, with a window manager: openbox unless another (or None) is named."""

    WIDTH, HEIGHT = 1024, 768
    BACKGROUND = (255, 0, 255)  # root colour, so uncovered pixels are known

    def __init__(self, artefacts, window_manager="openbox"):
        self.procs, self.wm, self.xvfb, self.connection = [], None, None, None
        try:
            self._start(artefacts, window_manager)
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    def _start(self, artefacts, window_manager):
        self.artefacts = artefacts
        os.makedirs(artefacts, exist_ok=True)
        self.home = tempfile.mkdtemp(prefix="kmq-desktop-")
        read_end, write_end = os.pipe()
        screen = "%dx%dx24" % (self.WIDTH, self.HEIGHT)
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp",
                                      "-noreset", "-fbdir", self.home], pass_fds=(write_end,), **QUIET)
        os.close(write_end)
        with os.fdopen(read_end, "rb") as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode()
        self.env = dict(os.environ, DISPLAY=self.display, HOME=self.home,
                        XDG_RUNTIME_DIR=self.home, QT_QPA_PLATFORM="xcb")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.run("xsetroot", "-solid", "#%02x%02x%02x" % self.BACKGROUND)

        if window_manager == "openbox":
            # openbox announces itself before it manages windows, and a window mapped in that gap may never be
            # shown; its start-up command runs after.
            ready = os.path.join(self.home, "openbox-ready")
            self.wm = subprocess.Popen(["openbox", "--startup", "touch " + ready], env=self.env, **QUIET)
            wait_for(lambda: os.path.exists(ready), "the window manager", timeout=20)
        elif window_manager:
            self.wm = subprocess.Popen([window_manager], env=self.env, **QUIET)
            wait_for(lambda: "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False),
                     "the window manager", timeout=20)

        self.xlib, self.xfixes, self.xext = map(ctypes.CDLL, ("libX11.so.6", "libXfixes.so.3", "libXext.so.6"))
        self.xlib.XOpenDisplay.restype = ctypes.c_void_p
        self.xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xlib.XFree.argtypes = [ctypes.c_void_p]
        self.xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(XfixesCursor)
        self.xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
        self.xext.XShapeGetRectangles.restype = ctypes.POINTER(XRectangle)
        self.xext.XShapeGetRectangles.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int,
                                                  ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
        self.connection = self.xlib.XOpenDisplay(self.display.encode())

    def close(self):
        if self.connection:
            self.xlib.XCloseDisplay(self.connection)
            self.connection = None
        for proc in self.procs + [self.wm, self.xvfb]:
            stop(proc)
        if getattr(self, "home", None):
            shutil.rmtree(self.home, ignore_errors=True)

    # -- commands ----------------------------------------------------------
    def run(self, *args, check=True):
        result = subprocess.run(args, env=self.env, capture_output=True, timeout=20)
        if check and result.returncode != 0:
            raise RuntimeError("%s failed: %s" % (args[0], result.stderr.decode(errors="replace")))
        return result.stdout.decode(errors="replace")

    def start(self, program, *arguments, **env):
        """Starts a program on the desktop: a path, or one found on PATH."""
        program = program if os.sep in program else shutil.which(program)
        proc = start_logged([os.path.abspath(program), *arguments], dict(self.env, **env), self.home)
        self.procs.append(proc)
        return proc

    # -- windows -----------------------------------------------------------
    def windows(self, title):
        out = self.run("xdotool", "search", "--onlyvisible", "--name", "^" + re.escape(title) + "$", check=False)
        return [int(w) for w in out.split()]

    def info(self, window):
        out = self.run("xwininfo", "-id", str(window), check=False)
        def field(name):
            m = re.search(name + r":\s+(-?\d+)", out)
            return int(m.group(1)) if m else None
        return {"x": field("Absolute upper-left X"), "y": field("Absolute upper-left Y"), "width": field("Width"),
                "height": field("Height"), "viewable": "IsViewable" in out}

    def prop(self, window, name):
        return self.run("xprop", "-id", str(window), name, check=False).strip()

    def net_wm_state(self, window):
        return self.prop(window, "_NET_WM_STATE")

    def is_above(self, window):
        return "_NET_WM_STATE_ABOVE" in self.net_wm_state(window)

    def dialogs(self, title):
        """Visible windows with that title that are not the board."""
        return [w for w in self.windows(title) if "_NET_WM_WINDOW_TYPE_DIALOG" in self.prop(w, "_NET_WM_WINDOW_TYPE")]

    def popups(self, pid):
        """Mapped override-redirect windows of a process: its open menus."""
        tree = self.run("xwininfo", "-root", "-children", check=False)
        found = []
        for window in re.findall(r"^\s+(0x[0-9a-f]+)", tree, re.M):
            attributes = self.run("xwininfo", "-id", window, check=False)
            if "IsViewable" in attributes and "Override Redirect State: yes" in attributes \
                    and ("= %d" % pid) in self.prop(window, "_NET_WM_PID"):
                found.append(int(window, 16))
        return found

    # -- pixels and pointer ------------------------------------------------
    def screenshot(self):
        """The screen as shown: Xvfb's own frame buffer (XGetImage on the root leaves out parts of Qt's windows)."""
        with open(os.path.join(self.home, "Xvfb_screen0"), "rb") as frame_buffer:
            return Screenshot(frame_buffer.read())

    def keep(self, name):
        """Saves the screen as a test artefact."""
        path = os.path.join(self.artefacts, name + ".xwd")
        with open(path, "wb") as out:
            out.write(self.screenshot().raw)
        if shutil.which("convert"):
            subprocess.run(["convert", "xwd:" + path, path[:-4] + ".png"], capture_output=True)
        return path

    def shape(self, window):
        """The pixels of a window's bounding shape, from the SHAPE extension."""
        count, ordering = ctypes.c_int(), ctypes.c_int()
        rects = self.xext.XShapeGetRectangles(self.connection, window, 0, ctypes.byref(count),
                                              ctypes.byref(ordering))
        pixels = set()
        for i in range(count.value):
            r = rects[i]
            pixels.update((x, y) for x in range(r.x, r.x + r.width) for y in range(r.y, r.y + r.height))
        if rects:
            self.xlib.XFree(rects)
        return pixels

    def cursor(self):
        """The pointer's (width, height, hot x, hot y)."""
        image = self.cursor_image()
        return image[0] if image else None

    def cursor_image(self):
        """The pointer's shape and its rows of ARGB pixels."""
        image = self.xfixes.XFixesGetCursorImage(self.connection)
        if not image:
            return None
        c = image.contents
        shape = (c.width, c.height, c.xhot, c.yhot)
        # Xlib hands the pixels out as longs, one 32-bit ARGB value each.
        pixels = ctypes.cast(c.pixels, ctypes.POINTER(ctypes.c_ulong))
        rows = [[pixels[y * c.width + x] & 0xFFFFFFFF for x in range(c.width)] for y in range(c.height)]
        self.xlib.XFree(image)
        return shape, rows

    def active_window(self):
        return self.run("xdotool", "getactivewindow", check=False).strip()

    def client_pixels(self, window):
        """The pixels of a window's client area, as they show, row by row."""
        info, shot = self.info(window), self.screenshot()
        return [[shot.pixel(info["x"] + x, info["y"] + y) for x in range(info["width"])]
                for y in range(info["height"])]

    def pointer(self):
        out = self.run("xdotool", "getmouselocation", "--shell")
        values = dict(line.split("=") for line in out.split())
        return int(values["X"]), int(values["Y"])

    def move(self, x, y):
        self.run("xdotool", "mousemove", str(x), str(y))

    def down(self, button=1):
        self.run("xdotool", "mousedown", str(button))

    def up(self, button=1):
        self.run("xdotool", "mouseup", str(button))

    def click(self, x, y, button=1):
        self.run("xdotool", "mousemove", str(x), str(y), "click", str(button))

    def drag(self, start, end, steps=4, button=1):
        self.move(*start)
        self.down(button)
        for i in range(1, steps + 1):
            self.move(start[0] + (end[0] - start[0]) * i // steps, start[1] + (end[1] - start[1]) * i // steps)
        self.up(button)

    def key(self, *keys):
        self.run("xdotool", "key", *keys)

    def clear_clipboard(self):
        """Empties the clipboard: xclip holds it, empty, until another program copies something."""
        subprocess.run(["xclip", "-selection", "clipboard", "-i", "/dev/null"], env=self.env, timeout=20, check=True,
                       **QUIET)

    def type(self, text):
        self.run("xdotool", "type", "--delay", "20", text)
