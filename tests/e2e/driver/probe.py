"""The probe (tests/e2e/probe), a Windows program that reads the program's
native controls from another process. One probe serves a case: commands go
to it line by line and each answer is one line of JSON."""

import json
import subprocess


class ProbeError(AssertionError):
    pass


class Probe:
    def __init__(self, exe):
        self.exe = exe
        self.process = subprocess.Popen(
            ["wine", exe, "serve"],
            stdin=subprocess.PIPE,
            stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL,
            text=True,
            encoding="utf-8",
        )

    def close(self):
        if self.process.poll() is None:
            self.process.stdin.close()
            self.process.wait(timeout=10)

    def ask(self, *args):
        self.process.stdin.write("\t".join(str(a) for a in args) + "\n")
        self.process.stdin.flush()
        line = self.process.stdout.readline()
        if not line:
            raise ProbeError(f"the probe ended while asked {args}")
        answer = json.loads(line)
        if isinstance(answer, dict) and "error" in answer:
            raise ProbeError(f"probe {args}: {answer['error']}")
        return answer

    # --- Reading --------------------------------------------------------

    def windows(self, pid):
        """Every window of the process: top-level windows, each followed by
        its descendants."""
        return self.ask("windows", pid)

    def tree(self, hwnd):
        return self.ask("tree", hwnd)

    def tooltips(self, pid):
        return self.ask("tooltips", pid)

    def menus(self, pid=0):
        return self.ask("menus", pid)

    def foreground(self):
        return self.ask("foreground")

    def pids(self, image):
        return self.ask("pids", image)

    # --- Acting ---------------------------------------------------------

    def press(self, hwnd):
        return self.ask("press", hwnd)

    def release_keys(self):
        """Lets go of every key the desktop still takes for held down."""
        return self.ask("release")

    def wait(self, pid, milliseconds):
        return self.ask("wait", pid, int(milliseconds))

    def idle(self, pid, milliseconds=10000):
        return self.ask("idle", pid, int(milliseconds))["idle"]

    def kill(self, pid):
        return self.ask("kill", pid)


class HeldFile:
    """A file held open without sharing by a probe of its own, until
    release() (or the end of the `with` block)."""

    def __init__(self, probe_exe, windows_path):
        self.process = subprocess.Popen(
            ["wine", probe_exe, "hold", windows_path],
            stdin=subprocess.PIPE,
            stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL,
            text=True,
        )
        answer = json.loads(self.process.stdout.readline() or '{"error": "no answer"}')
        if not answer.get("held"):
            self.process.kill()
            raise ProbeError(f"could not hold {windows_path}: {answer}")

    def release(self):
        if self.process.poll() is None:
            self.process.stdin.write("\n")
            self.process.stdin.flush()
            answer = json.loads(self.process.stdout.readline() or "{}")
            self.process.wait(timeout=10)
            if not answer.get("released"):
                raise ProbeError(f"the file was not released: {answer}")

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.release()
