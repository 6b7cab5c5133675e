"""A program folder of its own per case and the program running from it."""

import os
import shutil
import subprocess
import time

from . import desktop, poll
from .winpath import windows_path

MAIN_CAPTION = "Tallyvane"
STEADY = 0.3
APPLICATION_TITLE = "Ostrelle"


class ProgramFolder:
    """A fresh folder with Tallyvane.exe and ostrelle.dll copied in and,
    unless told otherwise, an empty history folder."""

    def __init__(self, build, name, history=True, hook_library=True):
        self.build = build
        self.root = os.path.join(build, "tests", "e2e", "cases", name)
        shutil.rmtree(self.root, ignore_errors=True)
        os.makedirs(self.root)
        app = os.path.join(build, "app")
        shutil.copy2(os.path.join(app, "Tallyvane.exe"), self.root)
        if hook_library:
            shutil.copy2(os.path.join(app, "ostrelle.dll"), self.root)
        self.history = os.path.join(self.root, "history")
        self.options = os.path.join(self.root, "options.ini")
        if history:
            os.makedirs(self.history)

    @property
    def windows_root(self):
        """The folder as the program names it, with its trailing backslash."""
        return windows_path(self.root) + "\\"

    @property
    def exe(self):
        return os.path.join(self.root, "Tallyvane.exe")

    def day_path(self, name):
        return os.path.join(self.history, name)

    def write(self, relative, data):
        path = os.path.join(self.root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data if isinstance(data, bytes) else data.encode("ascii"))
        return path

    def read(self, relative):
        with open(os.path.join(self.root, relative), "rb") as f:
            return f.read()

    def files(self):
        """Every file under the folder (relative path -> bytes), to show
        afterwards that nothing was lost."""
        found = {}
        for folder, _, names in os.walk(self.root):
            for name in names:
                path = os.path.join(folder, name)
                with open(path, "rb") as f:
                    found[os.path.relpath(path, self.root)] = f.read()
        return found


class Program:
    """Tallyvane.exe started under Wine from its folder, known by its
    Windows process id."""

    def __init__(self, folder, probe):
        self.folder = folder
        self.probe = probe
        self.pid = None
        # A program of this folder that has just ended may still be listed
        # for a moment; the new one is the one that was not there before.
        self._earlier = set(probe.pids(windows_path(folder.exe)))
        # The program takes nothing from outside: no stdin, and its output
        # must not keep the driver's pipes open.
        self.process = subprocess.Popen(
            ["wine", folder.exe],
            cwd=folder.root,
            stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        self.pid = poll.until(self._find_pid, timeout=20, what="the program's process")

    def _find_pid(self):
        if self.process.poll() is not None:
            raise AssertionError(f"the program ended at once with code {self.process.returncode}")
        new = set(self.probe.pids(windows_path(self.folder.exe))) - self._earlier
        assert len(new) <= 1, f"more than one new program of this folder: {new}"
        return new.pop() if new else None

    # --- What the user sees ----------------------------------------------

    def windows(self):
        return self.probe.windows(self.pid)

    def top_level(self, caption=None, class_name=None):
        return [
            w
            for w in self.windows()
            if w["parent"] == 0
            and (caption is None or w["text"] == caption)
            and (class_name is None or w["class"] == class_name)
        ]

    def main_window(self):
        found = self.top_level(caption=MAIN_CAPTION, class_name="TallyvaneControl")
        return found[0] if found else None

    def tree_window(self):
        main = self.main_window()
        trees = [w for w in self.windows() if w["class"] == "SysTreeView32"]
        return trees[0] if main and trees else None

    def tree(self):
        tree = self.tree_window()
        return self.probe.tree(tree["hwnd"]) if tree else []

    def message_boxes(self):
        """Open message boxes: caption, text, buttons (text -> hwnd)."""
        boxes = []
        windows = self.windows()
        for box in windows:
            if box["parent"] == 0 and box["class"] == "#32770" and box["visible"]:
                inside = [w for w in windows if w["parent"] == box["hwnd"]]
                texts = [w["text"] for w in inside if w["class"] == "Static" and w["text"]]
                buttons = {w["text"].replace("&", ""): w["hwnd"] for w in inside
                           if w["class"] == "Button"}
                boxes.append({"hwnd": box["hwnd"], "caption": box["text"],
                              "text": "\n".join(texts), "buttons": buttons})
        return boxes

    def wait_for_message_box(self, timeout=15):
        return poll.until(lambda: self.message_boxes(), timeout=timeout,
                          what="a message box")[0]

    def answer(self, box, button="OK"):
        self.probe.press(box["buttons"][button])
        poll.until(lambda: all(b["hwnd"] != box["hwnd"] for b in self.message_boxes()),
                   timeout=10, what="the message box to close")

    def settled(self, condition, timeout=20, what="the state"):
        """condition()'s value once it is true and still is when the program
        has nothing left to handle: a window passes through other states on
        its way, and must not leave the expected one after. Held on every
        poll for STEADY seconds after the program went idle, as the window
        system's own answers (Wine's, to the X server) come a little after
        the program's last step."""
        since = {}

        def held():
            value = condition()
            if not value:
                since.clear()
                return None
            if not since:
                if not self.probe.idle(self.pid):
                    return None
                since["t"] = time.monotonic()
            return value if time.monotonic() - since["t"] >= STEADY else None
        return poll.until(held, timeout=timeout, what=what)

    def wait_for_main_window(self, visible=True, timeout=20, **expected):
        """The main window once it is (in)visible and every expected field
        (rect=..., zoomed=...) has its value, settled."""
        last = {}

        def ready():
            main = self.main_window()
            last["seen"] = main
            if main and main["visible"] == visible and all(
                    main[k] == v for k, v in expected.items()):
                return main
            return None
        try:
            return self.settled(ready, timeout=timeout, what="the main window")
        except poll.Timeout:
            raise poll.Timeout(f"the main window never became visible={visible} {expected}; "
                               f"last seen: {last.get('seen')}")

    def application_window(self):
        """The hidden application window, which carries the taskbar button:
        the button shows while this window is visible."""
        found = self.top_level(caption=APPLICATION_TITLE, class_name="TallyvaneApplication")
        return found[0] if found else None

    def taskbar_button(self):
        return self.application_window()["visible"]

    def in_front(self):
        """The main window shown and in front, settled."""
        main = self.wait_for_main_window()
        self.settled(lambda: self.probe.foreground()["hwnd"] == main["hwnd"], timeout=10,
                     what="the main window in front")
        return main

    def charts(self):
        """The two charts of the main window (day, month): each holds its
        caption, and the day chart its zoom buttons."""
        main = self.main_window()
        windows = self.windows()
        inside = {}
        for w in windows:
            inside.setdefault(w["parent"], []).append(w)
        day = month = None
        for w in windows:
            if w["parent"] != main["hwnd"] or w["class"] != "TallyvaneControl":
                continue
            classes = {child["class"] for child in inside.get(w["hwnd"], [])}
            if "Button" in classes:
                day = w
            elif "Static" in classes:
                month = w
        return day, month

    def caption_of(self, chart):
        """The caption under a chart."""
        return [w["text"] for w in self.windows()
                if w["parent"] == chart["hwnd"] and w["class"] == "Static"][0]

    def top_level_shown(self, caption):
        found = [w for w in self.top_level(caption=caption) if w["visible"]]
        return found[0] if found else None

    def child(self, parent, text, class_name=None):
        found = [w for w in self.windows() if w["parent"] == parent["hwnd"] and w["text"] == text
                 and (class_name is None or w["class"] == class_name)]
        return found[0] if found else None

    # --- The user's hands ------------------------------------------------

    def focus(self):
        """The main window in front with the keyboard focus: a click on the
        caption under the chart on view, where a click does nothing else."""
        main = self.wait_for_main_window()
        if self.probe.foreground()["hwnd"] != main["hwnd"]:
            caption = [w for w in self.windows() if w["class"] == "Static" and w["visible"]
                       and w["text"] and main["rect"][1] <= w["rect"][1] < main["rect"][3]]
            desktop.click(*desktop.centre(caption[0]["rect"]))
        xid = poll.until(lambda: desktop.x_window(self.process.pid, "^%s$" % MAIN_CAPTION),
                         timeout=10, what="the main window's X window")
        desktop.focus(xid)
        poll.until(lambda: self.probe.foreground()["hwnd"] == main["hwnd"], timeout=10,
                   what="the main window in front")
        return main

    def keys(self, *names):
        """Key strokes into the main window."""
        self.focus()
        desktop.key(*names)

    def quit(self, timeout=15):
        """Ctrl+Q, the shortcut that quits with saving; the exit code. The
        program ends on the press, before the releases reach it, so they
        are made good afterwards."""
        self.keys("ctrl+q")
        code = self.wait_exit(timeout)
        self.probe.release_keys()
        return code

    # --- Its end ---------------------------------------------------------

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=15):
        """The exit code once the program has ended by itself."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise poll.Timeout(f"the program did not end within {timeout} s")

    def stop(self):
        """Ends the program by its process id, as a task manager would."""
        if self.running():
            self.probe.kill(self.pid)
            self.process.wait(timeout=10)


def start_expecting_end(folder, probe, path=None, timeout=10):
    """Starts Tallyvane.exe of a folder (or by another path to it, e.g. a
    Windows path in other letters) where it must end by itself at once, as a
    second start of a folder whose copy runs does; its exit code. One that
    has not ended in time is ended by its process id, and fails."""
    before = set(probe.pids(windows_path(folder.exe)))
    process = subprocess.Popen(
        ["wine", path or folder.exe],
        cwd=folder.root,
        stdin=subprocess.DEVNULL,
        stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
    )
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        for pid in set(probe.pids(windows_path(folder.exe))) - before:
            probe.kill(pid)
        process.wait(timeout=10)
        raise poll.Timeout(f"the start did not end within {timeout} s")
