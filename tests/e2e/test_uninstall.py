#!/usr/bin/env python3
"""The real Velmora.exe under Wine uninstalls a theme into the desktop's
trash folder: the theme file, its wallpaper and its style folder arrive there
with their original paths recorded, and the list no longer shows the theme.
Screenshots are kept."""
import os
import sys
import time
import unittest
import urllib.parse

from e2e_support import (ProgramTest, SkinFrame, find_new_window, find_window, geometry,
                         open_first_rows_menu, run, visible_windows)

NAME = "undo"  # the fixture's file, wallpaper and style folder are named after it
THEME = "[Theme]\r\nDisplayName=! 可撤销的卸载\r\n" \
        "[Control Panel\\Desktop]\r\nWallpaper=%%windir%%\\Web\\Wallpaper\\velmora-e2e-%s.bmp\r\n" \
        "[VisualStyles]\r\nPath=C:\\Program Files\\Velmora\\VelmoraE2E%s\\VelmoraE2E%s.msstyles\r\n" \
        % (NAME, NAME, NAME)


class UninstallTest(ProgramTest):
    def add_fixtures(self, themes):
        windows = os.path.dirname(os.path.dirname(themes))
        wallpapers = os.path.join(windows, "Web", "Wallpaper")
        os.makedirs(wallpapers, exist_ok=True)
        style = os.path.join(themes, "VelmoraE2E" + NAME)
        os.makedirs(style, exist_ok=True)
        # What the uninstall removes, with the bytes each must keep in the trash.
        self.removed = {
            os.path.join(themes, "velmora-e2e-%s.theme" % NAME):
                b"\xff\xfe" + THEME.encode("utf-16-le"),
            os.path.join(wallpapers, "velmora-e2e-%s.bmp" % NAME): b"BM-velmora-e2e",
            style: None,
        }
        self.style_file = os.path.join(style, "VelmoraE2E%s.msstyles" % NAME)
        for path, data in self.removed.items():
            if data is not None:
                with open(path, "wb") as f:
                    f.write(data)
        with open(self.style_file, "wb") as f:
            f.write(b"style")
        self.addCleanup(self.remove_leftovers)

    def remove_leftovers(self):
        for path in [self.style_file] + list(self.removed):
            if os.path.isfile(path):
                os.remove(path)
            elif os.path.isdir(path):
                os.rmdir(path)

    def trash_records(self):
        """Original path -> path in the trash, from the trash's records."""
        trash = os.path.join(self.data_home, "Trash")
        records = {}
        for info in os.listdir(os.path.join(trash, "info")) if os.path.isdir(trash) else []:
            with open(os.path.join(trash, "info", info), encoding="utf-8") as f:
                for line in f:
                    if line.startswith("Path="):
                        original = urllib.parse.unquote(line[5:].strip())
                        records[os.path.realpath(original)] = os.path.join(
                            trash, "files", info[:-len(".trashinfo")])
        return records

    def first_rows_menu_width(self, window, client_point):
        """Sorts by 名称 and opens the first row's menu; its width, then closes it."""
        _, menu = open_first_rows_menu(window, client_point)
        self.assertIsNotNone(menu, "no context menu appeared")
        width = geometry(menu)["WIDTH"]
        run("xdotool", "key", "Escape")
        time.sleep(0.5)
        return width

    def test_an_uninstalled_theme_goes_to_the_trash(self):
        window = find_window("^Velmora$")
        self.assertIsNotNone(window, "the main window did not appear")
        # The program starts in the yellow skin; the list sits at (17, 24) in
        # the client area, its header the first row.
        frame = SkinFrame("yellow")
        border, top = frame.left, frame.top

        def client_point(x, y):
            return str(border + x), str(top + y)

        # "! 可撤销的卸载" sorts first, before the long-named fixture.
        self.assertLess(self.first_rows_menu_width(window, client_point), 300,
                        "the theme to uninstall is not the first row")
        run("xdotool", "mousemove", "--window", window, *client_point(120, 55), "click", "1")
        time.sleep(0.3)
        before = visible_windows()
        run("xdotool", "key", "--window", window, "Delete")
        box = find_new_window("^提示$", before)
        self.assertIsNotNone(box, "Delete asked nothing")
        self.shot("uninstall-question.png")
        # No is the default: Shift+Tab reaches Yes.
        run("xdotool", "key", "shift+Tab", "space")
        deadline = time.time() + 10
        while time.time() < deadline and any(os.path.exists(p) for p in self.removed):
            time.sleep(0.2)
        for path in self.removed:
            self.assertFalse(os.path.exists(path), "still there: " + path)

        records = self.trash_records()
        for path, data in self.removed.items():
            now = records.get(os.path.realpath(path))
            self.assertIsNotNone(now, "not in the trash: %s (records: %s)" % (path, records))
            if data is not None:
                with open(now, "rb") as f:
                    self.assertEqual(f.read(), data, path)
        style_now = records[os.path.realpath(os.path.dirname(self.style_file))]
        with open(os.path.join(style_now, os.path.basename(self.style_file)), "rb") as f:
            self.assertEqual(f.read(), b"style")

        # The list no longer shows the theme: the long-named fixture is first.
        time.sleep(0.5)
        self.shot("after-uninstall.png", window)
        self.assertGreater(self.first_rows_menu_width(window, client_point), 300,
                           "the uninstalled theme is still listed first")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
