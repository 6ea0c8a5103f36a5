import os
import signal
import time
import unittest

from programs import ProgramFolder, end_process, processes_running, wait_for

READY = "进入消息循环"


class TerminalStartup(unittest.TestCase):
    def setUp(self):
        self.folder = ProgramFolder()
        self.addCleanup(self.folder.close)

    def start_terminal(self):
        started_on = time.strftime("%Y%m%d")
        ready_before = self.folder.log_text().count(READY)
        process = self.folder.start()
        self.folder.wait_for_log(READY, occurrences=ready_before + 1)
        return process, started_on

    def test_start_creates_dated_folders_and_sigterm_ends_in_order(self):
        process, started_on = self.start_terminal()
        for kind in ("terminal_log", "crash", "Temp"):
            dates = self.folder.dated_folders(kind)
            self.assertEqual(len(dates), 1, kind)
            self.assertRegex(dates[0], r"^\d{8}$")
            self.assertLessEqual(started_on, dates[0])
        date = self.folder.dated_folders("Temp")[0]
        log_files = os.listdir(os.path.join(self.folder.path, "terminal_log", date))
        self.assertIn("Vireo.INFO", log_files)
        self.assertTrue(any(name.startswith("Vireo.") and ".log.INFO." in name for name in log_files))

        with open(os.path.join(self.folder.path, "Temp", date, "scratch"), "w") as scratch:
            scratch.write("left behind by a page")
        process.send_signal(signal.SIGTERM)
        self.assertEqual(process.wait(timeout=30), 0)
        self.assertFalse(os.path.exists(os.path.join(self.folder.path, "Temp", date)))
        self.assertEqual(self.folder.dated_folders("terminal_log"), [date])
        self.assertEqual(self.folder.dated_folders("crash"), [date])
        self.assertEqual(process.stderr.read().decode(), "")

    def test_sigint_is_an_orderly_end_too(self):
        process, _ = self.start_terminal()
        process.send_signal(signal.SIGINT)
        self.assertEqual(process.wait(timeout=30), 0)
        self.assertEqual(self.folder.dated_folders("Temp"), [])
        self.assertIn("消息循环结束，退出码:0", self.folder.log_text())

    def test_sigkill_leaves_the_temporary_folder(self):
        process, _ = self.start_terminal()
        date = self.folder.dated_folders("Temp")[0]
        process.kill()
        process.wait(timeout=30)
        self.assertTrue(os.path.isdir(os.path.join(self.folder.path, "Temp", date)))

    def test_second_start_on_the_same_day_is_quiet(self):
        for _ in range(2):
            process, _ = self.start_terminal()
            process.terminate()
            self.assertEqual(process.wait(timeout=30), 0)
            self.assertNotIn("创建文件夹失败", process.stderr.read().decode())

    def test_second_terminal_exits_at_once_while_the_first_runs(self):
        first, _ = self.start_terminal()
        wait_for(lambda: len(self.folder.watchdog_starts()) == 1, what="the watchdog start")
        log_before = self.folder.log_text()

        code, _, _ = self.folder.run()
        self.assertEqual(code, 0)
        self.assertIsNone(first.poll())
        self.assertEqual(len(self.folder.watchdog_starts()), 1)
        self.assertEqual(self.folder.log_text(), log_before)
        # The first terminal's temporary folder is its own: the second must leave it.
        self.assertEqual(len(self.folder.dated_folders("Temp")), 1)

    def test_helper_roles_return_at_once_without_lock_watchdog_or_log(self):
        for role in ("--type=renderer", "--type=gpu-process"):
            code, _, _ = self.folder.run("Vireo", role)
            self.assertEqual(code, 0, role)
        self.assertEqual(os.listdir(self.folder.runtime_dir), [])
        self.assertEqual(self.folder.watchdog_starts(), [])
        self.assertEqual(self.folder.log_text(), "")
        # Like every process started from the program file, helpers make the working
        # folders; only the terminal itself removes the temporary one.
        self.assertEqual(len(self.folder.dated_folders("Temp")), 1)

    def test_watchdog_is_started_with_comspec_in_its_environment(self):
        self.start_terminal()
        started = wait_for(self.folder.watchdog_starts, what="the watchdog start")
        with open(os.path.join(self.folder.path, started[0])) as env:
            variables = dict(line.split("=", 1) for line in env.read().splitlines() if "=" in line)
        self.assertEqual(variables.get("ComSpec"), os.path.join(self.folder.path, "cmd.exe"))

    def test_without_a_display_it_ends_unless_headless(self):
        env = self.folder.environment(headless=False)
        for variable in ("DISPLAY", "WAYLAND_DISPLAY"):
            env.pop(variable, None)
        code, _, _ = self.folder.run(env=env)
        self.assertNotEqual(code, 0)
        self.assertIn("无法打开显示", self.folder.log_text())
        self.assertEqual(self.folder.watchdog_starts(), [])

    def test_a_crash_signal_is_recorded_in_the_crash_folder(self):
        process, _ = self.start_terminal()
        date = self.folder.dated_folders("crash")[0]
        process.send_signal(signal.SIGSEGV)
        self.assertLess(process.wait(timeout=30), 0)
        crash_folder = os.path.join(self.folder.path, "crash", date)
        records = [name for name in os.listdir(crash_folder)
                   if not os.path.islink(os.path.join(crash_folder, name))]
        self.assertEqual(len(records), 1)
        with open(os.path.join(crash_folder, records[0]), errors="replace") as record:
            self.assertRegex(record.read(), r"\nF\d{8} .*SIGSEGV|\nF\d{8} .*Aborted at")
        self.assertTrue(os.path.isdir(os.path.join(self.folder.path, "Temp", date)))


class RealWatchdog(unittest.TestCase):
    def setUp(self):
        self.folder = ProgramFolder(watchdog="real")
        self.addCleanup(self.folder.close)
        self.vigilo = os.path.join(self.folder.path, "Vigilo")
        self.addCleanup(lambda: [end_process(pid) for pid in processes_running(self.vigilo)])

    def test_terminal_starts_the_watchdog_which_keeps_a_single_instance(self):
        terminal = self.folder.start()
        self.folder.wait_for_log(READY)
        pids = wait_for(lambda: processes_running(self.vigilo), what="Vigilo to run")
        wait_for(lambda: os.path.exists(os.path.join(self.folder.path, "Vigilo.INFO")),
                 what="the watchdog's log in its own folder")

        code, _, _ = self.folder.run("Vigilo")
        self.assertEqual(code, 0)
        self.assertEqual(processes_running(self.vigilo), pids)

        # The watchdog outlives the terminal's orderly end: it is a program of its own.
        terminal.terminate()
        self.assertEqual(terminal.wait(timeout=30), 0)
        self.assertEqual(processes_running(self.vigilo), pids)


if __name__ == "__main__":
    unittest.main()
