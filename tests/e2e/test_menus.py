#!/usr/bin/env python3
"""Velmora's menus drawn by the skin, in the yellow and the blue skin: the
theme list's context menu with its second item hot, the system menu opened
with Alt+Space and the skin menu opened with Alt+K. The frame of each menu
shows the skin's menu background, and the hot item differs from the others.
Screenshots are kept."""
import os
import sys
import time
import unittest

from e2e_support import (ProgramTest, SkinFrame, bmp_size, colours_in, find_new_menu, geometry,
                         open_first_rows_menu, pixel, run, visible_windows)

SOURCE = os.environ.get("VELMORA_SOURCE_DIR",
                        os.path.join(os.path.dirname(__file__), "..", ".."))


def skin_pixel(skin, image, x, y):
    """(r, g, b) of a pixel of one of a skin's images."""
    path = os.path.join(SOURCE, "skins", skin, image)
    return pixel(path, x, y)


class MenuShots(ProgramTest):
    def wait_closed(self, menu):
        deadline = time.time() + 4
        while time.time() < deadline and menu in visible_windows():
            time.sleep(0.1)
        self.assertNotIn(menu, visible_windows(), "Escape left the menu open")

    def menu_shot(self, menu, name):
        """The screen with `menu` open, and the menu cropped from it."""
        time.sleep(0.6)
        png = self.shot(name + "-screen.png")
        m = geometry(menu)
        out = os.path.join(self.shots, name + ".png")
        run("convert", png, "-crop", "%dx%d+%d+%d" % (m["WIDTH"], m["HEIGHT"], m["X"], m["Y"]),
            "+repage", out)
        return out, m


class MenusTest(MenuShots):
    def assert_skinned_menu(self, png, skin):
        # The top-left corner of the menu background sits unscaled at the
        # menu's corner.
        self.assertEqual(pixel(png, 1, 1), skin_pixel(skin, "menubackground.bmp", 1, 1),
                         "the menu's frame is not the %s skin's" % skin)

    def context_menu(self, window, skin, client_point):
        before, menu = open_first_rows_menu(window, client_point)
        self.assertIsNotNone(menu, "no context menu appeared")
        m = geometry(menu)
        # Five items: four lines of text and a separator; the pointer rests
        # on the second.
        line = (m["HEIGHT"] - 6 - 8) / 4.0
        run("xdotool", "mousemove", str(m["X"] + 60), str(int(m["Y"] + 3 + line * 1.5)))
        png, m = self.menu_shot(menu, "%s-context-menu-hot" % skin)
        self.assert_skinned_menu(png, skin)
        # The hot (second) item against the first at the same column.
        self.assertNotEqual(pixel(png, m["WIDTH"] - 12, int(3 + line * 1.5)),
                            pixel(png, m["WIDTH"] - 12, int(3 + line * 0.5)),
                            "the second item is not drawn hot")
        # The hot item is the fourth (selected) frame of the skin's item
        # strip, its middle stretched.
        fw, fh = bmp_size(os.path.join(SOURCE, "skins", skin, "menuitem.bmp"))
        fw //= 5
        self.assertEqual(pixel(png, m["WIDTH"] - 12, int(3 + line * 1.5)),
                         skin_pixel(skin, "menuitem.bmp", 3 * fw + fw // 2, fh // 2),
                         "the hot item is not the skin's selected item")
        self.assertEqual(visible_windows() - before, {menu},
                         "a window besides the menu (the list's hint) came up over it")
        run("xdotool", "key", "Escape")
        self.wait_closed(menu)

    def keyboard_menu(self, window, keys, name, skin):
        run("xdotool", "mousemove", "--window", window, "200", "8", "click", "1")
        time.sleep(0.3)
        before = visible_windows()
        run("xdotool", "key", "--window", window, keys)
        menu = find_new_menu(window, before)
        self.assertIsNotNone(menu, "%s opened no menu" % keys)
        png, _ = self.menu_shot(menu, "%s-%s" % (skin, name))
        self.assert_skinned_menu(png, skin)
        return menu

    def test_menus_are_drawn_by_the_skin_in_both_skins(self):
        self.addCleanup(self.forget_look)
        window = self.program_window()
        for skin in ("yellow", "blue"):
            frame = SkinFrame(skin)

            def client_point(x, y):
                return str(frame.left + x), str(frame.top + y)

            time.sleep(1.0)
            self.context_menu(window, skin, client_point)
            menu = self.keyboard_menu(window, "alt+space", "system-menu", skin)
            run("xdotool", "key", "Escape")
            self.wait_closed(menu)
            menu = self.keyboard_menu(window, "alt+k", "skin-menu", skin)
            if skin == "yellow":
                # The skin menu's second item is the blue skin.
                run("xdotool", "key", "Down", "Down", "Return")
                time.sleep(2.0)
            else:
                run("xdotool", "key", "Escape")
                self.wait_closed(menu)


def skin_colour(skin, key):
    return tuple(int(v) for v in SkinFrame(skin).ini["Colours"][key].split())


class SystemThemeMenuTest(MenuShots):
    """A theme the system ships (its file is Aero.theme) cannot be
    uninstalled: its context menu shows 卸载 greyed in the skin's disabled
    colour, the other items in the menu text colour."""
    fixture_file = "Aero.theme"

    def test_uninstall_is_greyed_for_a_system_theme(self):
        window = self.program_window()
        frame = SkinFrame("yellow")

        def client_point(x, y):
            return str(frame.left + x), str(frame.top + y)

        time.sleep(1.0)
        before, menu = open_first_rows_menu(window, client_point)
        self.assertIsNotNone(menu, "no context menu appeared")
        png, m = self.menu_shot(menu, "yellow-system-theme-menu")
        line = (m["HEIGHT"] - 6 - 8) / 4.0

        def item_colours(index):
            return colours_in(png, (20, int(3 + line * index) + 2, m["WIDTH"] - 40,
                                    int(line) - 4))

        greyed, enabled = item_colours(0), item_colours(1)
        text, shadow = skin_colour("yellow", "menutext"), skin_colour("yellow", "buttonshadow")
        self.assertIn(shadow, greyed, "卸载 is not drawn in the disabled colour")
        self.assertNotIn(text, greyed, "卸载 is drawn like an enabled item")
        self.assertIn(text, enabled, "使用 is not drawn in the menu text colour")
        run("xdotool", "key", "Escape")
        self.wait_closed(menu)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
