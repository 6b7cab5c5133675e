"""Settings across starts: how the window was left at a quit decides how the
next start opens it."""

from driver import desktop, ini, poll

from . import case
from .start import DESIGNED_SIZE, centred, require_no_autostart

MOVE_STEP = 8  # pixels per arrow key in the window menu's Move


def window_menu(program):
    """Alt+Space: the window menu's items, by text without the & marks."""
    program.keys("alt+space")
    menu = poll.until(lambda: program.probe.menus(program.pid), timeout=10,
                      what="the window menu")[0]
    return {item["text"].replace("&", "").split("\t")[0]: item for item in menu["items"]}


def maximise(program):
    items = window_menu(program)
    assert not items["Maximize"]["disabled"] and items["Close"]["default"], items
    program.keys("x")
    return poll.until(lambda: program.main_window()["zoomed"] and program.main_window(),
                      timeout=10, what="the window maximised")


def move_by_keys(program, left_steps, up_steps):
    """The window menu's Move with the arrow keys, as a user without a mouse
    moves a window."""
    before = program.main_window()["rect"]
    program.keys("alt+space")
    program.keys("m")
    desktop.key(*(["Left"] * left_steps + ["Up"] * up_steps + ["Return"]))
    dx, dy = -left_steps * MOVE_STEP, -up_steps * MOVE_STEP
    expected = [before[0] + dx, before[1] + dy, before[2] + dx, before[3] + dy]
    return poll.until(lambda: program.main_window()["rect"] == expected and expected,
                      timeout=10, what=f"the window moved to {expected}")


def bounds(rect):
    return {"left": str(rect[0]), "top": str(rect[1]), "width": str(rect[2] - rect[0]),
            "height": str(rect[3] - rect[1])}


STORED = dict(WindowState=1, Top=120, Left=200, Height=400, Width=800, TreeWidth=170)


@case("settings_quit_maximised")
def quit_maximised(c):
    require_no_autostart()
    folder = c.folder()
    folder.write("options.ini", ini.text(**STORED))
    program = c.start(folder)
    program.wait_for_main_window(rect=[200, 120, 1000, 520])
    maximise(program)
    assert program.quit() == 0
    assert ini.read(folder.options) == {
        "windowstate": "2", "top": "120", "left": "200", "height": "400", "width": "800",
        "treewidth": "170"}, ini.read(folder.options)

    c.start(folder).wait_for_main_window(zoomed=True)


@case("settings_quit_moved")
def quit_moved(c):
    require_no_autostart()
    folder = c.folder()
    program = c.start(folder)
    program.wait_for_main_window(rect=centred(DESIGNED_SIZE))
    moved = move_by_keys(program, 5, 3)
    assert program.quit() == 0
    stored = ini.read(folder.options)
    assert stored == {"windowstate": "1", **bounds(moved), "treewidth": "150"}, stored

    c.start(folder).wait_for_main_window(rect=moved, zoomed=False)


@case("settings_start_hidden")
def start_hidden(c):
    folder = c.folder()
    folder.write("options.ini", ini.text(**{**STORED, "WindowState": 0}))
    program = c.start(folder)
    # Start-up has run to its end (the tree is built) with the window kept
    # hidden.
    poll.until(lambda: program.tree(), timeout=20, what="the tree")
    main = program.main_window()
    assert not main["visible"], main
