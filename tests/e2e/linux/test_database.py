"""The database engine entry in a real X server, with the registry keys and
the Windows version in a throw-away Wine prefix written by the test: which
questions appear, and where each answer leads."""

import os
import unittest

import xsession as xs

ASK = "询问"
REINSTALL = "系统已经安装过MSDE或SQL Server 2005数据库,是否重新安装?"
WIDTH = "请确认您的当前操作系统是32位或者64位,<是>32位 <否>64位!"
KEY1 = "Software\\Microsoft\\Microsoft SQL Server\\90\\Tools"
KEY2 = "SOFTWARE\\Microsoft\\Microsoft SQL Server 2005 Redist\\SQL Native Client"


setUpModule = xs.start_display
tearDownModule = xs.stop_display


class DatabaseTest(unittest.TestCase):
    def start(self, version, keys=(), **disc):
        """The menu from a disc whose Wine prefix has the Windows version
        and registry keys given."""
        self.disc, self.menu = xs.start_menu(self, version=version, keys=list(keys), **disc)

    def answer(self, text, button):
        box = xs.wait_for_dialog(self.menu, ASK)
        self.assertEqual(box.texts(), [text])
        self.assertEqual(set(box.buttons()), {"Yes", "No"})
        self.assertTrue(box.has_icon())
        box.press(button)
        xs.wait_for("the question to close", lambda: all(d.node != box.node for d in xs.dialogs(self.menu)))

    def expect_setup(self, folder):
        setup = xs.wait_for(f"the {folder} setup", self.disc.setups)
        self.assertEqual(len(setup), 1)
        setup = setup[0]
        self.assertEqual(setup["component"], folder)
        self.assertEqual(setup["cwd"], os.path.join(self.disc.root, folder))
        return setup["args"]

    def settings(self, folder):
        return ["/settings", os.path.join(self.disc.root, folder, "setup.ini")]

    def test_where_each_case_leads(self):
        express32, express64 = xs.ENGINE_FOLDERS[1], xs.ENGINE_FOLDERS[2]
        cases = [
            # version, keys, [(question, answer)], setup folder or None
            ("winxp", [], [], "MSDE"),
            ("win7", [], [(WIDTH, "Yes")], express32),
            ("win10", [], [(WIDTH, "No")], express64),
            ("winxp", [KEY1], [(REINSTALL, "No")], None),
            ("winxp", [KEY2], [(REINSTALL, "Yes")], "MSDE"),
            ("vista", [KEY1, KEY2], [(REINSTALL, "Yes"), (WIDTH, "Yes")], express32),
            # No prefix setting: the Windows of a new Wine prefix, 7.
            (None, [], [(WIDTH, "No")], express64),
        ]
        for version, keys, questions, folder in cases:
            with self.subTest(version=version, keys=keys, questions=questions):
                self.start(version, keys)
                try:
                    xs.click_entry(2)
                    for text, button in questions:
                        self.answer(text, button)
                    if folder is None:
                        xs.stays(xs.pictures.lit(2), "no setup and no message")
                        self.assertEqual(self.disc.setups(), [])
                    else:
                        args = self.expect_setup(folder)
                        self.assertEqual(args, self.settings(folder) if "Express" in folder else [])
                    self.assertEqual(xs.dialogs(self.menu), [])
                finally:
                    self.doCleanups()

    def test_the_menu_stays_usable_inside_an_open_question(self):
        self.start("win7")
        xs.click_entry(2)
        xs.wait_for_dialog(self.menu, ASK)
        xs.move_dialog_away(ASK)
        # A click on a lit entry runs at once, inside the open question.
        xs.click_entry(3)
        self.assertEqual(self.expect_setup("KVServer"), [])
        # The request that asked resumes with its own paths.
        self.answer(WIDTH, "Yes")
        setups = xs.wait_for("the second setup", lambda: len(self.disc.setups()) == 2 and self.disc.setups())
        self.assertEqual(setups[1]["component"], xs.ENGINE_FOLDERS[1])
        self.assertEqual(setups[1]["args"], self.settings(xs.ENGINE_FOLDERS[1]))

    def test_pipes_for_registry_files_count_as_no_keys_and_block_nothing(self):
        self.disc, self.menu = xs.start_menu(self, registry_pipes=True)  # the window appears
        xs.click_entry(2)
        # No keys, and the Windows of a new Wine prefix, 7.
        self.answer(WIDTH, "No")
        self.assertEqual(self.expect_setup(xs.ENGINE_FOLDERS[2]), self.settings(xs.ENGINE_FOLDERS[2]))

    def test_a_missing_engine_folder_shows_the_folder_message(self):
        self.start("winxp", folders=["KVServer"])
        xs.click_entry(2)
        box = xs.wait_for_dialog(self.menu, "Quendra安装程序")
        self.assertEqual(box.texts(), [f"文件夹 '{self.disc.root}/MSDE/' 不存在！"])
        box.press("OK")
        xs.wait_no_dialog(self.menu)


if __name__ == "__main__":
    unittest.main()
