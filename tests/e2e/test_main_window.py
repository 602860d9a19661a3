#!/usr/bin/env python3
"""The real Velmora.exe under Wine: the main window lists a fixture theme,
sorts by name on a header click, and a right click on the theme's row opens
the context menu sized for that theme's name. Screenshots are kept."""
import os
import subprocess
import sys
import tempfile
import time
import unittest

CLIENT_W, CLIENT_H = 429, 408
FIXTURE = "velmora-e2e-fixture.theme"
# Sorts first by name ("!" comes before letters and CJK) and makes the
# menu's captions long.
FIXTURE_NAME = "!! Velmora 端到端测试主题 with a rather long name"


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


def colour_count(png, crop=None):
    args = ["convert", png]
    if crop:
        args += ["-crop", crop, "+repage"]
    return int(run(*args, "-format", "%k", "info:"))


class MainWindowTest(unittest.TestCase):
    def setUp(self):
        self.exe = os.environ["VELMORA_EXE"]
        self.shots = os.environ.get("VELMORA_SCREENSHOTS") or tempfile.mkdtemp()
        os.makedirs(self.shots, exist_ok=True)
        prefix = os.environ["WINEPREFIX"]
        self.themes = os.path.join(prefix, "drive_c", "windows", "Resources", "Themes")
        os.makedirs(self.themes, exist_ok=True)
        self.fixture = os.path.join(self.themes, FIXTURE)
        text = "[Theme]\r\nDisplayName=%s\r\n" % FIXTURE_NAME
        with open(self.fixture, "wb") as f:
            f.write(b"\xff\xfe" + text.encode("utf-16-le"))
        self.addCleanup(os.remove, self.fixture)
        self.app = subprocess.Popen(["wine", self.exe], stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
        self.addCleanup(self.stop_app)

    def stop_app(self):
        subprocess.run(["xdotool", "key", "Escape"], capture_output=True)
        self.app.kill()
        self.app.wait(timeout=30)

    def shot(self, name, window="root"):
        path = os.path.join(self.shots, name)
        run("import", "-window", window, path)
        return path

    def test_right_click_opens_the_menu_of_the_theme(self):
        window = find_window("^Velmora$")
        self.assertIsNotNone(window, "the main window did not appear")
        # Rest the pointer on the caption: over the list it would raise the
        # list's hint, which covers part of the window in the screenshot.
        run("xdotool", "mousemove", "--window", window, "200", "8")
        time.sleep(1.5)
        main_png = self.shot("main-window.png", window)
        g = geometry(window)
        # Client size fixed by the stored form; the frame lies around it.
        border = (g["WIDTH"] - CLIENT_W) // 2
        self.assertGreaterEqual(border, 0)
        top = g["HEIGHT"] - CLIENT_H - border
        self.assertGreater(top, border, "no caption above the client area")
        self.assertGreater(colour_count(main_png), 20, "the window looks blank")

        def client_point(x, y):
            return str(border + x), str(top + y)

        # The list sits at (17, 24) in the client area; its header is the
        # first row. Sort by "名称" ascending: the fixture comes first.
        run("xdotool", "mousemove", "--window", window, *client_point(120, 33), "click", "1")
        time.sleep(0.8)
        before = visible_windows()
        run("xdotool", "mousemove", "--window", window, *client_point(120, 55), "click", "3")
        menu = None
        for _ in range(40):
            new = visible_windows() - before
            if new:
                menu = sorted(new)[0]
                break
            time.sleep(0.1)
        self.assertIsNotNone(menu, "no context menu appeared")
        time.sleep(0.5)
        root_png = self.shot("main-window-menu.png")
        m = geometry(menu)
        # "查看: <name> 壁纸" with the fixture's long name is far wider than a
        # menu for any short name.
        self.assertGreater(m["WIDTH"], 300, "the menu is too narrow for the theme's name")
        self.assertGreater(m["HEIGHT"], 60)
        crop = "%dx%d+%d+%d" % (m["WIDTH"], m["HEIGHT"], m["X"], m["Y"])
        self.assertGreater(colour_count(root_png, crop), 2, "the menu shows no text")
        run("convert", root_png, "-crop", crop, "+repage",
            os.path.join(self.shots, "context-menu.png"))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
