#!/usr/bin/env python3
"""A skin author tries a skin file in the gallery without rebuilding it:
`VelmoraGallery --skin FILE` wears a good file at once, and a refused file is
reported in a message box while the stored (yellow) skin stays."""
import os
import shutil
import subprocess
import tempfile
import time
import unittest

from e2e_support import (GalleryProgramTest, SOURCE_DIR, SkinFrame, close_window, crop, find_window,
                         geometry, pixel, wine_command, windows_path)


class GallerySkinFileTest(GalleryProgramTest):

    def skin_file(self, folder):
        """The skin file to try, written into `folder`."""
        raise NotImplementedError

    def setUp(self):
        self.skins = tempfile.mkdtemp(prefix="velmora-e2e-skin-")
        self.addCleanup(shutil.rmtree, self.skins, True)
        self.skin = self.skin_file(self.skins)
        super().setUp()

    def start_app(self):
        command = ["set", "windir=%s&&" % windows_path(self.windows), windows_path(self.exe),
                   "--skin", windows_path(self.skin)]
        env = dict(os.environ, XDG_DATA_HOME=self.data_home)
        self.app = subprocess.Popen(wine_command("cmd", "/c", *command),
                                    stdout=subprocess.DEVNULL, stderr=self.wine_log,
                                    start_new_session=True, env=env)

    def assert_caption_of(self, name, shot):
        window = self.program_window()
        time.sleep(1.0)
        g = geometry(window)
        png = self.shot("screen-" + shot)
        frame = SkinFrame(name)
        row = frame.top // 2
        self.assertIn(pixel(png, g["X"] + g["WIDTH"] // 2, g["Y"] + row),
                      frame.caption_colours(row), "the caption is not %s's" % name)
        crop(png, (g["X"], g["Y"], g["WIDTH"], g["HEIGHT"]), os.path.join(self.shots, shot))


class GoodSkinFileTest(GallerySkinFileTest):
    def skin_file(self, folder):
        path = os.path.join(folder, "blue.skn")
        subprocess.run([os.environ["VELMORA_SKINTOOL"], "pack",
                        os.path.join(SOURCE_DIR, "skins", "blue"), path],
                       check=True, capture_output=True)
        return path

    def test_the_gallery_wears_the_skin_file(self):
        self.assertIsNone(find_window("^Velmora Gallery$", timeout=3.0),
                          "a good skin file was refused")
        self.assert_caption_of("blue", "gallery-skin-file-blue.png")


class RefusedSkinFileTest(GallerySkinFileTest):
    def skin_file(self, folder):
        path = os.path.join(folder, "cut.skn")
        with open(os.path.join(SOURCE_DIR, "skins", "blue", "frametop.bmp"), "rb") as f:
            f.read(4)  # a BMP is no skin file: its first bytes promise an impossible size
            data = f.read(200)
        with open(path, "wb") as f:
            f.write(b"BM\x00\x7f" + data)
        return path

    def test_a_refused_file_is_reported_and_the_stored_skin_stays(self):
        box = find_window("^Velmora Gallery$", timeout=40.0)
        self.assertIsNotNone(box, "no message box reported the refused file")
        self.shot("gallery-skin-file-refused.png")
        close_window(box)
        self.assert_caption_of("yellow", "gallery-skin-file-kept-yellow.png")


if __name__ == "__main__":
    unittest.main()
