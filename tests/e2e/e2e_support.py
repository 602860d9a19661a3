"""Shared pieces of the end-to-end tests: the X tools that drive the real
programs under Wine, screenshots, and what the stored skins say about the
frame they draw."""
import configparser
import ctypes
import os
import shutil
import struct
import subprocess
import tempfile
import time
import unittest

SOURCE_DIR = os.environ.get("VELMORA_SOURCE_DIR",
                            os.path.join(os.path.dirname(__file__), "..", ".."))

# The gallery's client size, as its form file gives it.
GALLERY_CLIENT_W, GALLERY_CLIENT_H = 1060, 560


def wine_command(program, *args):
    """The command line that starts a program of this build under Wine: the
    project's one launcher, which knows the architecture's loader and prefix."""
    launcher = os.path.join(SOURCE_DIR, "scripts", "wine-exec")
    return [launcher, os.environ.get("VELMORA_WINE_ARCH", "win32"), program, *args]


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def find_window(name, timeout=40.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                             capture_output=True, text=True).stdout.split()
        if out:
            return out[0]
        time.sleep(0.2)
    return None


def geometry(window):
    values = {}
    for line in run("xdotool", "getwindowgeometry", "--shell", window).splitlines():
        key, _, value = line.partition("=")
        values[key] = int(value) if value.lstrip("-").isdigit() else value
    return values


def visible_windows():
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", ""],
                         capture_output=True, text=True).stdout.split()
    return set(out)


def find_new_window(name, before, timeout=4.0):
    """A visible window titled `name` (a regular expression) that was not
    among `before`."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                             capture_output=True, text=True).stdout.split()
        new = sorted(set(out) - before)
        if new:
            return new[0]
        time.sleep(0.1)
    return None


def transient_for(window):
    """The X window that Wine says `window` belongs to (its Windows owner's),
    or None."""
    out = subprocess.run(["xprop", "-id", window, "WM_TRANSIENT_FOR"],
                         capture_output=True, text=True).stdout
    return int(out.split("#")[1], 16) if "#" in out else None


def find_new_menu(owner, before, timeout=4.0):
    """A popup menu that the program of window `owner` opened since `before`:
    a new untitled window of that program taller than a line of text. Menus
    have no title to be found by; what else comes up untitled beside the
    pointer is a one-line hint."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        for window in sorted(visible_windows() - before):
            if (transient_for(window) == int(owner) and
                    run("xdotool", "getwindowname", window).strip() == "" and
                    geometry(window)["HEIGHT"] >= 40):
                return window
        time.sleep(0.1)
    return None


class _ClientMessage(ctypes.Structure):
    """XClientMessageEvent, padded to the size of an XEvent."""
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 24)]


def close_window(window):
    """Asks a window to close as a window manager's close button does
    (WM_DELETE_WINDOW, which Wine hands the window as SC_CLOSE): no key goes
    to whatever else has the focus."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        return
    event = _ClientMessage(type=33, send_event=1, display=display, window=int(window), format=32)
    event.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(display, int(window), 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)


def windows_path(path):
    """A Unix path as Wine's programs see it (drive Z: is the Unix root)."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def is_iconic(window):
    """True once Wine has told X that the window is minimized. (Without a
    window manager on the test display the X window stays mapped.)"""
    return "Iconic State" in run("xprop", "-id", window, "WM_HINTS")


def colour_count(png, crop=None):
    args = ["convert", png]
    if crop:
        args += ["-crop", crop, "+repage"]
    return int(run(*args, "-format", "%k", "info:"))


def pixel(png, x, y):
    """(r, g, b) of one pixel of a screenshot."""
    data = subprocess.run(["convert", png, "-crop", "1x1+%d+%d" % (x, y), "+repage",
                           "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    return tuple(data[:3])


def colours_in(png, rect):
    """The set of (r, g, b) colours inside rect (x, y, w, h) of an image."""
    x, y, w, h = rect
    data = subprocess.run(["convert", png, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                           "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    return {tuple(data[i:i + 3]) for i in range(0, len(data) - 2, 3)}


def crop(png, rect, out):
    x, y, w, h = rect
    run("convert", png, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", out)
    return out


def same_image(a, b):
    """True when two images of one size have identical pixels."""
    result = subprocess.run(["compare", "-metric", "AE", a, b, "null:"],
                            capture_output=True, text=True)
    return result.stderr.strip().split()[0] == "0"


def screenshot(directory, name, window="root"):
    path = os.path.join(directory, name)
    run("import", "-window", window, path)
    return path


def bmp_size(path):
    with open(path, "rb") as f:
        header = f.read(26)
    width, height = struct.unpack("<ii", header[18:26])
    return width, abs(height)


class SkinFrame:
    """The frame a stored skin draws: border widths (image size divided by
    its frame count) and the caption buttons by action."""

    def __init__(self, name):
        self.folder = os.path.join(SOURCE_DIR, "skins", name)
        ini = configparser.ConfigParser(strict=False, interpolation=None)
        ini.optionxform = str.lower
        ini.read(os.path.join(self.folder, "skin.ini"), encoding="utf-8")
        self.ini = ini
        p = ini["Personality"]

        def part(key, axis):
            size = bmp_size(os.path.join(self.folder, p[key.lower()]))
            return size[axis] // max(1, int(p.get(key.lower() + "frame", "1")))

        self.left = part("Left", 0)
        self.right = part("Right", 0)
        self.top = part("Top", 1)
        self.bottom = part("Bottom", 1)

    def caption_colours(self, row):
        """The colours of one row of the caption image's first (active)
        frame: what any caption pixel of that row, away from text, buttons
        and icon, must show."""
        return self.row_colours("top", row)

    def row_colours(self, part, row):
        """The colours of one row of a border image ("top", "bottom"; their
        frames are stacked, so rows of the first frame are the active look)."""
        path = os.path.join(self.folder, self.ini["Personality"][part])
        width, _ = bmp_size(path)
        data = subprocess.run(["convert", path, "-crop", "%dx1+0+%d" % (width, row), "+repage",
                               "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
        return {tuple(data[i:i + 3]) for i in range(0, len(data) - 2, 3)}

    def button(self, action):
        """(align, x, y, width, height) of the first button with `action`."""
        for section in self.ini.sections():
            s = self.ini[section]
            if section.lower().startswith("button") and int(s.get("action", "-99")) == action:
                image = s.get("buttonimage")
                if not image:
                    continue
                w, h = bmp_size(os.path.join(self.folder, image))
                frames = max(1, int(s.get("frame", "1")))
                return (int(s.get("align", "0")), int(s.get("xcoord", "0")),
                        int(s.get("ycoord", "0")), w // frames, h)
        return None

    def button_rect(self, action, window_width):
        """The button's rectangle in window coordinates (right-aligned or
        absolute placements only)."""
        align, x, y, w, h = self.button(action)
        left = window_width - x if align == 1 else x
        return left, y, w, h


def open_first_rows_menu(window, client_point):
    """Sorts Velmora's list by 名称 (ascending) with a click on its header and
    right-clicks the first row; returns the windows visible before the menu
    and the menu (None when none came). `client_point(x, y)` maps client
    coordinates to the window's; the list sits at (17, 24) in the client area,
    its header the first row."""
    run("xdotool", "mousemove", "--window", window, *client_point(120, 33), "click", "1")
    time.sleep(0.8)
    before = visible_windows()
    run("xdotool", "mousemove", "--window", window, *client_point(120, 55), "click", "3")
    return before, find_new_menu(window, before)


class ProgramTest(unittest.TestCase):
    """Starts one Windows program of the build under Wine for each test, with
    a theme folder of its own that holds one fixture theme (the program finds
    the folder through "windir", which only this start of it sees: the
    shared prefix's real theme folder is never written) and a desktop trash
    folder of its own (what the program recycles lands there, never in the
    user's trash); screenshots go to VELMORA_SCREENSHOTS."""

    program_variable = "VELMORA_EXE"
    window_title = "^Velmora$"
    fixture_file = "velmora-e2e-fixture.theme"
    # Sorts first by name ("!" comes before letters and CJK) and makes menu
    # captions long.
    fixture_name = "!! Velmora 端到端测试主题 with a rather long name"

    def setUp(self):
        self.exe = os.environ[self.program_variable]
        self.shots = os.environ.get("VELMORA_SCREENSHOTS") or tempfile.mkdtemp()
        os.makedirs(self.shots, exist_ok=True)
        self.windows = tempfile.mkdtemp(prefix="velmora-e2e-")
        self.addCleanup(shutil.rmtree, self.windows, True)
        themes = os.path.join(self.windows, "Resources", "Themes")
        os.makedirs(themes)
        self.fixture = os.path.join(themes, self.fixture_file)
        text = "[Theme]\r\nDisplayName=%s\r\n" % self.fixture_name
        with open(self.fixture, "wb") as f:
            f.write(b"\xff\xfe" + text.encode("utf-16-le"))
        # What Wine says (a crash report, a missing DLL) is kept beside the
        # screenshots.
        self.wine_log = open(os.path.join(self.shots, self.id().split(".")[-1] + ".wine.log"),
                             "wb")
        self.addCleanup(self.wine_log.close)
        # Every test starts from the stored look, whatever a run that was
        # stopped half-way left chosen.
        self.forget_look()
        self.add_fixtures(themes)
        # Wine's Recycle Bin is $XDG_DATA_HOME/Trash.
        self.data_home = tempfile.mkdtemp(prefix="velmora-e2e-data-")
        self.addCleanup(shutil.rmtree, self.data_home, True)
        self.start_app()
        self.addCleanup(self.stop_app)

    def forget_look(self):
        subprocess.run(wine_command("reg", "delete", r"HKCU\Software\Velmora", "/v", "Skin", "/f"),
                       capture_output=True)

    def add_fixtures(self, themes):
        """More fixture files, written before the program starts."""

    def start_app(self):
        # One word each: Wine quotes a word with spaces for cmd, but escapes
        # quotes inside a word in a way cmd does not read. The program runs in
        # cmd's process group (Wine starts it from there), which makes the
        # two one group to end.
        command = ["set", "windir=%s&&" % windows_path(self.windows), windows_path(self.exe)]
        env = dict(os.environ, XDG_DATA_HOME=self.data_home)
        self.app = subprocess.Popen(wine_command("cmd", "/c", *command),
                                    stdout=subprocess.DEVNULL, stderr=self.wine_log,
                                    start_new_session=True, env=env)

    def program_window(self, timeout=40.0):
        """The program's window, found by its title; when it does not appear,
        the failure says whether the program is still running."""
        window = find_window(self.window_title, timeout)
        if window is None:
            state = ("is still running" if self.app.poll() is None else
                     "ended with status %d" % self.app.returncode)
            self.fail("no window titled %s appeared; the program %s" % (self.window_title, state))
        return window

    def stop_app(self, timeout=15.0):
        """Closes the program by its window, as a user would; a program that
        does not go in time (a box is up, or it hangs) is killed with its
        launcher."""
        if self.app.poll() is not None:
            return
        window = find_window(self.window_title, timeout=2.0)
        if window:
            close_window(window)
        try:
            self.app.wait(timeout=timeout if window else 0.1)
            return
        except subprocess.TimeoutExpired:
            pass
        try:
            os.killpg(self.app.pid, 9)
        except ProcessLookupError:
            pass
        self.app.wait(timeout=30)

    def shot(self, name, window="root"):
        return screenshot(self.shots, name, window)

    def shot_until(self, name, condition, timeout=10.0):
        """A screenshot on which `condition(png)` holds, or the last one taken
        when it never does within `timeout` seconds: a busy machine may paint
        late, and the caller's own assertion then says what was seen."""
        deadline = time.time() + timeout
        while True:
            png = self.shot(name)
            if condition(png) or time.time() > deadline:
                return png
            time.sleep(0.3)


class GalleryProgramTest(ProgramTest):
    """ProgramTest on the gallery instead of Velmora itself."""
    program_variable = "VELMORA_GALLERY"
    window_title = "皮肤样例"
