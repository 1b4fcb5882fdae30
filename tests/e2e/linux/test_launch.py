"""Clicks on the component entries in a real X server: the stand-in setup
starts from its own folder with the right arguments and outlives the menu;
a missing folder or file shows the modal message box."""

import os
import shutil
import subprocess
import tempfile
import types
import unittest

import xsession as xs

TITLE = "Quendra安装程序"


setUpModule = xs.start_display
tearDownModule = xs.stop_display



class LaunchTest(unittest.TestCase):
    def start(self, **disc):
        self.disc, self.menu = xs.start_menu(self, **disc)

    def test_each_component_starts_from_its_own_folder_with_no_arguments(self):
        self.start()
        for count, (tag, folder) in enumerate(xs.FOLDERS.items(), start=1):
            with self.subTest(tag=tag):
                xs.click_entry(tag)
                setups = xs.wait_for(f"setup {folder}", lambda: len(self.disc.setups()) >= count and self.disc.setups())
                setup = setups[count - 1]
                self.assertEqual(setup["component"], folder)
                self.assertEqual(setup["cwd"], os.path.join(self.disc.root, folder))
                self.assertEqual(setup["args"], [])
                # The menu stays open, lit entry and all, back in its own folder.
                self.assertTrue(self.menu.running())
                xs.wait_for_window(xs.pictures.lit(tag), "the menu still shown")
                self.assertEqual(self.menu.cwd(), self.disc.root)

    def test_a_disc_folder_whose_name_is_not_utf8_is_found(self):
        # 光盘 in GBK: a disc written on a Chinese Windows.
        self.start(folders=["KVServer"], within=b"\xb9\xe2\xc5\xcc")
        xs.click_entry(3)
        setup = xs.wait_for("the server setup", self.disc.setups)[0]
        self.assertEqual(setup["cwd"], os.path.join(self.disc.root, "KVServer"))
        self.assertEqual(self.menu.cwd(), self.disc.root)

    def test_a_folder_deeper_than_path_max_is_said_plainly(self):
        # Folders nested past PATH_MAX (4096), made one step at a time: no
        # path that long can be named at once.
        base = tempfile.mkdtemp(prefix="menu-deep-")
        self.addCleanup(shutil.rmtree, base, True)
        steps = ["d" * 200] * 25
        fd = os.open(base, os.O_RDONLY)
        for step in steps:
            os.mkdir(step, dir_fd=fd)
            inner = os.open(step, os.O_RDONLY, dir_fd=fd)
            os.close(fd)
            fd = inner
        with open(xs.MENU, "rb") as src:
            out = os.open("menu", os.O_WRONLY | os.O_CREAT, 0o755, dir_fd=fd)
            os.write(out, src.read())
            os.close(out)
        os.close(fd)

        def enter():
            os.chdir(base)
            for step in steps:
                os.chdir(step)
        env = dict(os.environ, LC_ALL="C.UTF-8", GDK_BACKEND="x11")
        menu = types.SimpleNamespace(process=subprocess.Popen(["./menu"], env=env, preexec_fn=enter))
        self.addCleanup(lambda: menu.process.poll() is None and menu.process.kill())
        box = xs.wait_for_dialog(menu, "安装QuendraTalvex SaaS")
        self.assertEqual(box.texts(), ["无法确定菜单程序所在的文件夹，无法启动任何安装程序。"])
        box.press("OK")
        self.assertEqual(menu.process.wait(timeout=xs.DEADLINE), 0)

    def test_the_setup_runs_in_its_own_session_and_outlives_the_menu(self):
        self.start()
        xs.click_entry(3)
        setup = xs.wait_for("the server setup", self.disc.setups)[0]
        self.assertEqual(setup["sid"], setup["pid"])
        xs.xdotool("key", "alt+F4")
        self.assertEqual(self.menu.wait_exit(), 0)
        with open(f"/proc/{setup['pid']}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        self.assertNotEqual(fields[0], "Z")  # state: still running
        self.assertNotEqual(int(fields[1]), self.menu.process.pid)  # parent: not the menu

    def check_modal_message(self, tag, text):
        xs.click_entry(tag)
        box = xs.wait_for_dialog(self.menu, TITLE)
        self.assertEqual(box.texts(), [text])
        self.assertEqual(set(box.buttons()), {"OK"})
        self.assertFalse(box.has_icon())
        xs.move_dialog_away(TITLE)
        # The menu window takes no input while the box is shown: the pointer
        # lights nothing and a click starts nothing.
        xs.move_to_client(100, 100)
        xs.wait_for_window(xs.pictures.lit(tag), "the lit entry under the box")
        xs.move_to_client(500, 370)
        xs.stays(xs.pictures.lit(tag), "pointer over the exit entry while the box is shown")
        xs.click()
        xs.stays(xs.pictures.lit(tag), "click on the exit entry while the box is shown")
        self.assertTrue(self.menu.running())
        box.press("OK")
        xs.wait_no_dialog(self.menu)
        # Activation goes back to the menu window, which works on.
        xs.wait_for("focus back on the menu", lambda: xs.xdotool("getwindowfocus") == self.menu.window)
        xs.move_to_client(100, 100)
        xs.wait_for_window(xs.pictures.background(), "background after the box")
        self.assertEqual(self.disc.setups(), [])
        self.assertEqual(self.menu.cwd(), self.disc.root)

    def test_missing_folder_shows_the_folder_message(self):
        self.start(folders=["KVClient"])
        self.check_modal_message(3, f"文件夹 '{self.disc.root}/KVServer/' 不存在！")

    def test_missing_file_shows_the_file_message(self):
        self.start(folders=["KVServer"], without_file=["KVServer"])
        self.check_modal_message(3, f"文件 '{self.disc.root}/KVServer/Setup.exe' 不存在！")

    def test_a_folder_where_the_setup_should_be_shows_the_file_message(self):
        self.start(folders=["KVPos"], without_file=["KVPos"])
        os.mkdir(os.path.join(self.disc.root, "KVPos", "Setup.exe"))
        self.check_modal_message(5, f"文件 '{self.disc.root}/KVPos/Setup.exe' 不存在！")


if __name__ == "__main__":
    unittest.main()
