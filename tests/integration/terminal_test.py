"""The real Vireo, headless, from a temporary program folder, against the reference server."""

import os
import time
import unittest

from programs import ProgramFolder, ReferenceServer, wait_for


class RegisteredTerminal(unittest.TestCase):
    def setUp(self):
        self.server = ReferenceServer()
        self.addCleanup(self.server.close)
        # Late in the evening every job of the day is over: the clock page shows.
        evening = time.localtime()
        self.server.admin("/admin/clock", {"fixed": time.mktime(evening[:3] + (23, 0, 0) + evening[6:])})
        self.folder = ProgramFolder(watchdog=None)
        self.addCleanup(self.folder.close)
        self.settings = os.path.join(self.folder.path, "basic.ini")
        with open(self.settings, "w") as settings:
            settings.write(f"[Deploy]\nClientId=7\nBasicAddr={self.server.basic_address}\nFullScreen=0\n"
                           "[Version]\ntype=22\ntray=0\n")

    def test_logs_in_shows_the_clock_and_leaves_when_removed(self):
        terminal = self.folder.start()
        site = f"http://{self.server.basic_address}/"
        self.folder.wait_for_log(f"[cef_freetime_area] 加载:{site}/editor/clock.html")
        logins = [p for p in self.server.admin("/admin/terminals/latest/received") if p["sub_type"] == 3001]
        self.assertEqual(logins[0]["body"], '{"ID":7}')
        self.assertIn("已经注册", self.folder.log_text())

        self.server.admin("/admin/terminals/latest/send", {"main_type": 13, "sub_type": 3007, "body": ""})
        self.assertEqual(terminal.wait(timeout=60), 0)
        with open(self.settings) as settings:
            stored = settings.read()
        self.assertIn("ClientId=0\n", stored)
        self.assertIn("BasicAddr=\n", stored)
        self.assertIn("type=22", stored)
        self.assertIn("程序退出", self.folder.log_text())


if __name__ == "__main__":
    unittest.main()
