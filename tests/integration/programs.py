"""Runs Vireo and Vigilo for real, each test from its own copy of the program folder."""

import json
import os
import shutil
import signal
import subprocess
import tempfile
import time

BIN_DIR = os.environ.get("VIREO_BIN_DIR") or os.path.join(
    os.path.dirname(__file__), "..", "..", "build", "bin")
SERVER_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "server")

WAIT_SECONDS = 30

# Started by Vireo in place of the watchdog: records that it ran, and with which environment.
# The record appears whole (written aside, then renamed), so a test never reads half of it.
STAND_IN_WATCHDOG = """#!/bin/sh
folder="$(dirname "$0")"
env > "$folder/.watchdog-env.$$" && mv "$folder/.watchdog-env.$$" "$folder/watchdog-started.$$"
"""


def wait_for(predicate, timeout=WAIT_SECONDS, what="condition"):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = predicate()
        if result:
            return result
        time.sleep(0.05)
    raise AssertionError(f"timed out after {timeout} s waiting for {what}")


class ProgramFolder:
    """A temporary program folder with its own lock folder (XDG_RUNTIME_DIR).

    watchdog: "stand-in" (default) puts a recording script in place of Vigilo,
    "real" keeps the built one, None leaves it out."""

    def __init__(self, watchdog="stand-in"):
        self.root = tempfile.mkdtemp(prefix="vireo-run-")
        self.path = os.path.join(self.root, "program")
        self.runtime_dir = os.path.join(self.root, "runtime")
        os.mkdir(self.runtime_dir, 0o700)
        shutil.copytree(BIN_DIR, self.path, symlinks=True)
        vigilo = os.path.join(self.path, "Vigilo")
        if watchdog != "real":
            os.remove(vigilo)
        if watchdog == "stand-in":
            with open(vigilo, "w") as script:
                script.write(STAND_IN_WATCHDOG)
            os.chmod(vigilo, 0o755)
        self.processes = []

    def environment(self, headless=True):
        env = dict(os.environ)
        env["XDG_RUNTIME_DIR"] = self.runtime_dir
        env.pop("ComSpec", None)
        if headless:
            env["VIREO_HEADLESS"] = "1"
        else:
            env.pop("VIREO_HEADLESS", None)
        return env

    def start(self, program="Vireo", *args, env=None):
        process = subprocess.Popen(
            [os.path.join(self.path, program), *args], cwd=self.path, env=env or self.environment(),
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.processes.append(process)
        return process

    def run(self, program="Vireo", *args, timeout=WAIT_SECONDS, env=None):
        process = self.start(program, *args, env=env)
        out, err = process.communicate(timeout=timeout)
        return process.returncode, out.decode(errors="replace"), err.decode(errors="replace")

    def dated_folders(self, kind):
        folder = os.path.join(self.path, kind)
        return sorted(os.listdir(folder)) if os.path.isdir(folder) else []

    def log_text(self, program="Vireo"):
        """Every INFO log file of the program, oldest first."""
        texts = []
        for date in self.dated_folders("terminal_log"):
            folder = os.path.join(self.path, "terminal_log", date)
            for name in sorted(os.listdir(folder)):
                if name.startswith(program + ".") and ".log.INFO." in name:
                    with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as log:
                        texts.append(log.read())
        return "".join(texts)

    def wait_for_log(self, text, program="Vireo", occurrences=1):
        return wait_for(lambda: self.log_text(program).count(text) >= occurrences,
                        what=f"log line {text!r}")

    def watchdog_starts(self):
        return sorted(name for name in os.listdir(self.path) if name.startswith("watchdog-started."))

    def close(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
            process.communicate()
        shutil.rmtree(self.root, ignore_errors=True)


def processes_running(executable):
    """Process ids whose program file is `executable`."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            if os.readlink(f"/proc/{entry}/exe") == executable:
                found.append(int(entry))
        except OSError:
            continue
    return found


def end_process(pid):
    try:
        os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


class ReferenceServer:
    """The reference management server on loopback ports of its own."""

    def __init__(self, scenario="school.json"):
        self.folder = tempfile.mkdtemp(prefix="vireo-ref-")
        ports_file = os.path.join(self.folder, "ports.json")
        self.process = subprocess.Popen(
            ["python3", os.path.join(SERVER_DIR, "vireo_server.py"), "--tcp-port", "0", "--web-port", "0",
             "--admin-port", "0", "--scenario", os.path.join(SERVER_DIR, "scenarios", scenario),
             "--ports-file", ports_file], stdout=subprocess.DEVNULL)
        wait_for(lambda: os.path.exists(ports_file), what="the reference server's ports")
        with open(ports_file) as file:
            self.ports = json.load(file)

    @property
    def basic_address(self):
        return f"127.0.0.1:{self.ports['web']}"

    def admin(self, path, body=None):
        import urllib.request
        data = json.dumps(body).encode() if body is not None else None
        request = urllib.request.Request(f"http://127.0.0.1:{self.ports['admin']}{path}", data=data)
        with urllib.request.urlopen(request, timeout=WAIT_SECONDS) as reply:
            return json.loads(reply.read())

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=WAIT_SECONDS)
        shutil.rmtree(self.folder, ignore_errors=True)
