"""One end-to-end case: its probe, its program folders and everything it
started, which goes at the end whatever happened."""

import os
import subprocess

from . import desktop, poll
from .probe import HeldFile, Probe
from .program import Program, ProgramFolder
from .winpath import windows_path


class Notepad:
    """Wine's own notepad: another program to type into."""

    def __init__(self, probe):
        self.probe = probe
        before = set(probe.pids("notepad.exe"))
        self.process = subprocess.Popen(
            ["wine", "notepad"], stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        )
        self.pid = poll.until(lambda: (set(probe.pids("notepad.exe")) - before or {None}).pop(),
                              timeout=20, what="notepad's process")
        self.window = poll.until(self._window, timeout=20, what="notepad's window")

    def _window(self):
        for w in self.probe.windows(self.pid):
            if w["parent"] == 0 and w["class"] == "Notepad" and w["visible"]:
                return w
        return None

    def edit(self):
        edits = [w for w in self.probe.windows(self.pid) if w["class"] == "Edit"]
        return edits[0] if edits else None

    def text(self):
        edit = self.edit()
        return edit["text"] if edit else None

    def focus(self, at=None):
        """Notepad in front with the keyboard focus: a click into its text
        (at a given point of it, or its middle)."""
        if self.probe.foreground()["pid"] != self.pid:
            desktop.click(*(at or desktop.centre(self.edit()["rect"])))
        xid = poll.until(lambda: desktop.x_window(self.process.pid, "Notepad"), timeout=10,
                         what="notepad's X window")
        desktop.focus(xid)
        poll.until(lambda: self.probe.foreground()["pid"] == self.pid, timeout=10,
                   what="notepad in front")

    def stop(self):
        if self.process.poll() is None:
            self.probe.kill(self.pid)
            self.process.wait(timeout=10)


class Case:
    def __init__(self, build, name):
        self.build = build
        self.name = name
        self.probe_exe = os.path.join(build, "tests", "e2e", "probe.exe")
        self.probe = Probe(self.probe_exe)
        self._started = []
        self._at_end = []

    def at_end(self, undo):
        """Something the case changed outside its folders (the registry), to
        put back when the case ends, however it ends."""
        self._at_end.append(undo)

    def folder(self, suffix="", **options):
        return ProgramFolder(self.build, self.name + suffix, **options)

    def start(self, folder):
        program = Program(folder, self.probe)
        self._started.append(program)
        return program

    def notepad(self):
        notepad = Notepad(self.probe)
        self._started.append(notepad)
        return notepad

    def hold(self, path):
        held = HeldFile(self.probe_exe, windows_path(path))
        self._started.append(held)
        return held

    def close(self):
        for undo in reversed(self._at_end):
            try:
                undo()
            except Exception as error:
                print(f"undoing {undo}: {error}")
        for thing in reversed(self._started):
            try:
                thing.release() if isinstance(thing, HeldFile) else thing.stop()
            except Exception as error:  # the case's own failure counts, not this
                print(f"cleaning up {thing}: {error}")
        # Nothing held down is left to the tests after this one.
        self.probe.release_keys()
        self.probe.close()
