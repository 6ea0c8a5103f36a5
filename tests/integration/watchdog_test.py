"""Vigilo run for real from a temporary program folder, with a stand-in terminal.

Vigilo acts on every process named "Vireo" on the machine, so these tests run
alone (a ctest resource lock) and kill only what they started."""

import os
import shutil
import subprocess
import threading
import time
import unittest

from programs import ProgramFolder, end_process, processes_running, wait_for

STAND_IN = os.environ["VIREO_STAND_IN"]
FIRST_DELAY = 10
PASS = 5


class Watchdog(unittest.TestCase):
    def setUp(self):
        self.folder = ProgramFolder(watchdog="real")
        self.addCleanup(self.folder.close)
        self.terminal = os.path.join(self.folder.path, "Vireo")
        os.remove(self.terminal)
        self.vigilo = os.path.join(self.folder.path, "Vigilo")
        self.addCleanup(self.end_all)

    def end_all(self):
        for executable in (self.vigilo, self.terminal):
            for pid in processes_running(executable):
                end_process(pid)

    def use_stand_in(self):
        shutil.copy(STAND_IN, self.terminal)

    def start_vigilo(self):
        started = time.monotonic()
        process = self.folder.start("Vigilo")
        return process, started

    def log(self):
        path = os.path.join(self.folder.path, "Vigilo.INFO")
        if not os.path.exists(path):
            return ""
        with open(path, encoding="utf-8", errors="replace") as log:
            return log.read()

    def start_stand_in(self, *args):
        # Not on our output: a helper left behind would hold the test runner's pipe open.
        process = subprocess.Popen([self.terminal, *args], cwd=self.folder.path, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Collect it when the watchdog kills it.
        threading.Thread(target=process.wait, daemon=True).start()
        return process

    def test_starts_the_terminal_after_the_first_delay_and_restarts_it(self):
        self.use_stand_in()
        vigilo, started = self.start_vigilo()
        first = wait_for(lambda: processes_running(self.terminal), timeout=FIRST_DELAY + 3 * PASS,
                         what="the terminal to be started")
        self.assertGreaterEqual(time.monotonic() - started, FIRST_DELAY - 1)
        self.assertEqual(len(first), 1)

        code, _, _ = self.folder.run("Vigilo")
        self.assertEqual(code, 0, "a second watchdog ends at once")
        self.assertIsNone(vigilo.poll())

        zero_lines = self.log().count("进程id:0")
        end_process(first[0])
        second = wait_for(lambda: [p for p in processes_running(self.terminal) if p != first[0]],
                          timeout=3 * PASS, what="the terminal to be started again")
        self.assertEqual(len(second), 1)
        # Exactly one pass found it gone.
        self.assertEqual(self.log().count("进程id:0"), zero_lines + 1)
        self.assertNotIn("进程个数", self.log())

    def test_a_wrong_number_of_terminals_is_killed_with_helpers_and_one_restarted(self):
        self.use_stand_in()
        stand_ins = [self.start_stand_in("--with-helper") for _ in range(2)]
        def helpers_of_stand_ins():
            return [p for p in processes_running(os.path.realpath("/bin/sleep"))
                    if _parent(p) in {s.pid for s in stand_ins}]
        helpers = wait_for(lambda: len(helpers_of_stand_ins()) == 2 and helpers_of_stand_ins(),
                           what="the helpers")
        self.addCleanup(lambda: [end_process(pid) for pid in helpers])

        self.start_vigilo()
        wait_for(lambda: all(s.poll() is not None for s in stand_ins), timeout=FIRST_DELAY + 3 * PASS,
                 what="both terminals to be killed")
        wait_for(lambda: not any(os.path.exists(f"/proc/{pid}") for pid in helpers), what="the helpers to end")
        self.assertIn("进程个数:2", self.log())
        restarted = wait_for(lambda: processes_running(self.terminal), timeout=3 * PASS,
                             what="one terminal to be started")
        self.assertEqual(len(restarted), 1)
        self.assertNotIn(restarted[0], [s.pid for s in stand_ins])

    def test_without_a_terminal_beside_it_it_only_looks(self):
        self.start_vigilo()
        wait_for(lambda: self.log().count("进程id:0") >= 2, timeout=FIRST_DELAY + 3 * PASS,
                 what="two passes")
        self.assertNotIn("进程个数", self.log())
        self.assertEqual(processes_running(self.terminal), [])


def _parent(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return int(stat.read().rsplit(")", 1)[1].split()[1])
    except (OSError, IndexError, ValueError):
        return None


if __name__ == "__main__":
    unittest.main()
