#!/usr/bin/env python3
"""The skinned frame of the real Velmora.exe under Wine: the yellow frame
around the stored client size, the hot look of a caption button, dragging by
the caption, the system menu on a right click, a skinned message box, the
switch to blue and to the system look with the client area kept in place,
minimizing and closing from the skin's buttons. Screenshots are kept."""
import os
import sys
import time
import unittest

from e2e_support import (ProgramTest, SkinFrame, crop, find_new_menu, find_new_window,
                         geometry, is_iconic, pixel, run, same_image, visible_windows)

CLIENT_W, CLIENT_H = 429, 408
# The system look's frame of a sizeable captioned window in a fresh prefix
# (Wine's default metrics): 3 pixels of border, the client 22 below the top.
SYSTEM_BORDER, SYSTEM_CAPTION = 3, 22
ACTION_CLOSE, ACTION_MINIMIZE = 0, 2
# The skin image that opens the skin menu, in client coordinates (inside the
# first group box), and the menu's items from the top.
SKIN_IMAGE = (7 + 196 + 13, 7 + 363 + 12)
SKIN_ITEMS = {"yellow": 1, "blue": 2, "system": 3}
# "批量卸载主题  " in the second group box.
BATCH_BUTTON = (251 + 10 + 75, 44 + 21 + 15)


class SkinnedFrameTest(ProgramTest):
    def setUp(self):
        super().setUp()
        self.window = self.program_window()
        # Skinning starts 250 ms after the first activation.
        self.wait_for_size(CLIENT_W + 8, CLIENT_H + 34)

    def wait_for_size(self, width, height, timeout=5.0):
        deadline = time.time() + timeout
        while time.time() < deadline:
            g = geometry(self.window)
            if (g["WIDTH"], g["HEIGHT"]) == (width, height):
                break
            time.sleep(0.1)
        time.sleep(0.5)
        return geometry(self.window)

    def click_client(self, frame, point, button="1"):
        x, y = point
        run("xdotool", "mousemove", "--window", self.window, str(frame.left + x),
            str(frame.top + y), "click", button)

    def client_origin(self, left, top):
        g = geometry(self.window)
        return g["X"] + left, g["Y"] + top

    def choose_skin(self, frame, name):
        before = visible_windows()
        self.click_client(frame, SKIN_IMAGE)
        self.assertIsNotNone(find_new_menu(self.window, before), "the skin menu did not open")
        for _ in range(SKIN_ITEMS[name]):
            run("xdotool", "key", "Down")
        run("xdotool", "key", "Return")

    def assert_skinned_frame(self, name):
        frame = SkinFrame(name)
        g = self.wait_for_size(CLIENT_W + frame.left + frame.right,
                               CLIENT_H + frame.top + frame.bottom)
        self.assertEqual((g["WIDTH"], g["HEIGHT"]),
                         (CLIENT_W + frame.left + frame.right,
                          CLIENT_H + frame.top + frame.bottom), name)
        run("xdotool", "mousemove", "--window", self.window, "150", "12")
        time.sleep(0.4)
        png = self.shot("frame-%s.png" % name)
        # The region cuts the rounded top corners away: the screen's black
        # shows there, while the caption strip beside it is drawn.
        self.assertEqual(pixel(png, g["X"], g["Y"]), (0, 0, 0), "corner not cut away")
        # Away from the caption text and buttons the strip shows this skin's
        # own caption image (blue and yellow share their frame sizes, so the
        # size alone cannot tell them apart).
        row = frame.top // 2
        self.assertIn(pixel(png, g["X"] + g["WIDTH"] // 2, g["Y"] + row),
                      frame.caption_colours(row), "the caption is not %s's" % name)
        crop(png, (g["X"], g["Y"], g["WIDTH"], g["HEIGHT"]),
             os.path.join(self.shots, "main-window-%s.png" % name))
        return frame, g

    def test_frame_buttons_menu_and_looks(self):
        frame, g = self.assert_skinned_frame("yellow")
        origin = self.client_origin(frame.left, frame.top)

        # Hovering the close button shows its hot frame.
        x, y, w, h = frame.button_rect(ACTION_CLOSE, g["WIDTH"])
        resting = crop(self.shot("close-resting.png"), (g["X"] + x, g["Y"] + y, w, h),
                       os.path.join(self.shots, "close-button-normal.png"))
        run("xdotool", "mousemove", "--window", self.window, str(x + w // 2), str(y + h // 2))
        time.sleep(0.4)
        hot = crop(self.shot("close-hot.png"), (g["X"] + x, g["Y"] + y, w, h),
                   os.path.join(self.shots, "close-button-hot.png"))
        self.assertFalse(same_image(resting, hot), "the close button shows no hot frame")

        # Dragging the caption moves the window.
        run("xdotool", "mousemove", "--window", self.window, "150", "12", "mousedown", "1")
        run("xdotool", "mousemove_relative", "--sync", "40", "30")
        time.sleep(0.2)
        run("xdotool", "mouseup", "1")
        time.sleep(0.4)
        moved = geometry(self.window)
        self.assertEqual((moved["X"], moved["Y"]), (g["X"] + 40, g["Y"] + 30))
        origin = (origin[0] + 40, origin[1] + 30)

        # A right click on the caption opens the system menu.
        before = visible_windows()
        run("xdotool", "mousemove", "--window", self.window, "150", "12", "click", "3")
        menu = find_new_menu(self.window, before)
        self.assertIsNotNone(menu, "no system menu on a right click of the caption")
        time.sleep(0.3)
        self.shot("system-menu.png")
        run("xdotool", "key", "Escape")
        time.sleep(0.4)

        # The batch uninstall asks in a skinned message box ("No" is the
        # default button, so Return leaves every theme in place).
        behind = self.shot("message-box-behind.png")
        before = visible_windows()
        self.click_client(frame, BATCH_BUTTON)
        box = find_new_window("^警告$", before)
        self.assertIsNotNone(box, "no confirmation box")
        time.sleep(1.0)
        b = geometry(box)
        png = self.shot("message-box.png")
        crop(png, (b["X"], b["Y"], b["WIDTH"], b["HEIGHT"]),
             os.path.join(self.shots, "message-box-yellow.png"))
        # The skin's rounded corner lets the main window show through, and
        # its caption shows the skin's caption image.
        self.assertEqual(pixel(png, b["X"], b["Y"]), pixel(behind, b["X"], b["Y"]),
                         "the box has no skinned corner")
        row = frame.top // 2
        self.assertIn(pixel(png, b["X"] + b["WIDTH"] // 2, b["Y"] + row),
                      frame.caption_colours(row), "the box's caption is not the skin's")
        run("xdotool", "key", "Return")
        time.sleep(0.5)
        self.assertTrue(os.path.exists(self.fixture))

        # Blue, the system look and yellow again: the client area stays put.
        self.choose_skin(frame, "blue")
        blue, _ = self.assert_skinned_frame("blue")
        self.assertEqual(self.client_origin(blue.left, blue.top), origin)
        self.choose_skin(blue, "system")
        time.sleep(1.5)
        s = geometry(self.window)
        border, caption = SYSTEM_BORDER, SYSTEM_CAPTION
        self.assertEqual((s["WIDTH"], s["HEIGHT"]),
                         (CLIENT_W + 2 * border, CLIENT_H + caption + border),
                         "not the system frame's size")
        self.assertEqual((s["X"] + border, s["Y"] + caption), origin)
        png = self.shot("frame-system.png")
        crop(png, (s["X"], s["Y"], s["WIDTH"], s["HEIGHT"]),
             os.path.join(self.shots, "main-window-system.png"))
        # The system frame is square: nothing cut from its corner.
        self.assertNotEqual(pixel(png, s["X"], s["Y"]), (0, 0, 0), "the system frame is cut")

        class SystemFrame:
            left, top = border, caption

        self.choose_skin(SystemFrame, "yellow")
        frame, g = self.assert_skinned_frame("yellow")
        self.assertEqual(self.client_origin(frame.left, frame.top), origin)

        # Minimize from the skin's button.
        x, y, w, h = frame.button_rect(ACTION_MINIMIZE, g["WIDTH"])
        run("xdotool", "mousemove", "--window", self.window, str(x + w // 2), str(y + h // 2),
            "click", "1")
        deadline = time.time() + 4
        while time.time() < deadline and not is_iconic(self.window):
            time.sleep(0.1)
        self.assertTrue(is_iconic(self.window), "the window was not minimized")

    def test_close_button_ends_the_program(self):
        frame, g = self.assert_skinned_frame("yellow")
        x, y, w, h = frame.button_rect(ACTION_CLOSE, g["WIDTH"])
        run("xdotool", "mousemove", "--window", self.window, str(x + w // 2), str(y + h // 2),
            "click", "1")
        self.app.wait(timeout=15)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
