#!/usr/bin/env python3
"""The real Velmora.exe under Wine: the main window lists a fixture theme,
sorts by name on a header click, and a right click on the theme's row opens
the context menu sized for that theme's name; the look chosen from the
keyboard's skin menu comes back at the next start. Screenshots are kept."""
import os
import sys
import time
import unittest

from e2e_support import (ProgramTest, SkinFrame, colour_count, find_new_menu, geometry,
                         open_first_rows_menu, pixel, run, visible_windows)

CLIENT_W, CLIENT_H = 429, 408


class MainWindowTest(ProgramTest):
    def test_right_click_opens_the_menu_of_the_theme(self):
        window = self.program_window()
        # Rest the pointer on the caption: over the list it would raise the
        # list's hint, which covers part of the window in the screenshot.
        run("xdotool", "mousemove", "--window", window, "200", "8")
        time.sleep(1.5)
        main_png = self.shot("main-window.png", window)
        g = geometry(window)
        # The program starts in the yellow skin: its frame lies around the
        # client size fixed by the stored form.
        frame = SkinFrame("yellow")
        self.assertEqual((g["WIDTH"], g["HEIGHT"]),
                         (CLIENT_W + frame.left + frame.right,
                          CLIENT_H + frame.top + frame.bottom))
        border, top = frame.left, frame.top
        self.assertGreater(colour_count(main_png), 20, "the window looks blank")

        def client_point(x, y):
            return str(border + x), str(top + y)

        # The list sits at (17, 24) in the client area; its header is the
        # first row. Sort by "名称" ascending: the fixture comes first.
        before, menu = open_first_rows_menu(window, client_point)
        self.assertIsNotNone(menu, "no context menu appeared")
        # The pointer rests over the list longer than the hint's delay: the
        # list's hint must not come up over the open menu.
        time.sleep(2.0)
        root_png = self.shot("main-window-menu.png")
        self.assertEqual(visible_windows() - before, {menu},
                         "a window besides the menu (the list's hint) came up over it")
        m = geometry(menu)
        # "查看: <name> 壁纸" with the fixture's long name is far wider than a
        # menu for any short name.
        self.assertGreater(m["WIDTH"], 300, "the menu is too narrow for the theme's name")
        self.assertGreater(m["HEIGHT"], 60)
        crop = "%dx%d+%d+%d" % (m["WIDTH"], m["HEIGHT"], m["X"], m["Y"])
        self.assertGreater(colour_count(root_png, crop), 2, "the menu shows no text")
        run("convert", root_png, "-crop", crop, "+repage",
            os.path.join(self.shots, "context-menu.png"))
        # The open menu has the keyboard: Escape closes it, and the program
        # can be closed by its window again.
        run("xdotool", "key", "Escape")
        deadline = time.time() + 4
        while time.time() < deadline and menu in visible_windows():
            time.sleep(0.1)
        self.assertNotIn(menu, visible_windows(), "Escape left the menu open")

    def wait_for_frame(self, window, name, timeout=8.0):
        """The window's geometry once it wears the named skin's frame."""
        frame = SkinFrame(name)
        size = (CLIENT_W + frame.left + frame.right, CLIENT_H + frame.top + frame.bottom)
        deadline = time.time() + timeout
        while time.time() < deadline:
            g = geometry(window)
            if (g["WIDTH"], g["HEIGHT"]) == size:
                break
            time.sleep(0.1)
        time.sleep(0.5)
        return g

    def assert_blue_caption(self, window, shot_name):
        g = self.wait_for_frame(window, "blue")
        run("xdotool", "mousemove", "--window", window, "150", "12")
        time.sleep(0.4)
        png = self.shot(shot_name)
        row = 6
        self.assertIn(pixel(png, g["X"] + g["WIDTH"] // 2, g["Y"] + row),
                      SkinFrame("blue").caption_colours(row), "the caption is not blue")

    def test_the_chosen_look_comes_back_at_the_next_start(self):
        self.addCleanup(self.forget_look)
        window = self.program_window()
        self.wait_for_frame(window, "yellow")
        # Alt+K opens the skin menu; its second item is the blue skin.
        run("xdotool", "mousemove", "--window", window, "200", "8", "click", "1")
        before = visible_windows()
        run("xdotool", "key", "--window", window, "alt+k")
        self.assertIsNotNone(find_new_menu(window, before), "Alt+K opened no skin menu")
        run("xdotool", "key", "Down", "Down", "Return")
        self.assert_blue_caption(window, "look-chosen-blue.png")

        self.stop_app()
        self.start_app()
        window = self.program_window()
        self.assert_blue_caption(window, "look-blue-after-restart.png")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
