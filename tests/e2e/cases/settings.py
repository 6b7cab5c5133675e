"""Settings across starts: how the window was left at a quit decides how the
next start opens it."""

from driver import desktop, ini, poll, tray

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
    return program.wait_for_main_window(zoomed=True, timeout=10)


def move_by_keys(program, left_steps, up_steps):
    """The window menu's Move with the arrow keys, as a user without a mouse
    moves a window."""
    before = program.main_window()["rect"]
    program.keys("alt+space")
    program.keys("m")
    desktop.key(*(["Left"] * left_steps + ["Up"] * up_steps + ["Return"]))
    dx, dy = -left_steps * MOVE_STEP, -up_steps * MOVE_STEP
    expected = [before[0] + dx, before[1] + dy, before[2] + dx, before[3] + dy]
    return program.wait_for_main_window(rect=expected, timeout=10)


def bounds(rect):
    return {"left": str(rect[0]), "top": str(rect[1]), "width": str(rect[2] - rect[0]),
            "height": str(rect[3] - rect[1])}


STORED = dict(WindowState=1, Top=120, Left=200, Height=400, Width=800, TreeWidth=170)


def quit_from_tray(program):
    """The tray menu's Close, the way to quit while the window is hidden."""
    items = tray.open_menu(program)
    tray.choose(program, items["Close"])
    return program.wait_exit()


def hide(program):
    """The tray menu's Hide statistic window."""
    main = program.main_window()
    items = tray.open_menu(program)
    tray.choose(program, items["Hide statistic window"])
    program.settled(lambda: not program.main_window()["visible"] and not program.taskbar_button(),
                    what="the window and its taskbar button hidden")
    return main


class Row:
    def __init__(self, stored, opened, act, quit, written, reopened):
        self.stored = stored  # options.ini before the first start, or None
        self.opened = opened  # () -> how the first start shows the window
        self.act = act  # program -> the window as the quit finds it
        self.quit = quit
        self.written = written  # the window as left -> options.ini after the quit
        self.reopened = reopened  # (program, the window as left): the next start's check


ROWS = {
    "settings_quit_maximised": Row(
        STORED, lambda: dict(rect=[200, 120, 1000, 520]), maximise, lambda p: p.quit(),
        # The bounds stay as they were: the next normal start uses them.
        lambda left: {"windowstate": "2", "top": "120", "left": "200", "height": "400",
                      "width": "800", "treewidth": "170"},
        lambda program, left: program.wait_for_main_window(zoomed=True)),
    "settings_quit_moved": Row(
        None, lambda: dict(rect=centred(DESIGNED_SIZE), zoomed=False),
        lambda p: move_by_keys(p, 5, 3),
        lambda p: p.quit(),
        lambda left: {"windowstate": "1", **bounds(left["rect"]), "treewidth": "150"},
        lambda program, left: program.wait_for_main_window(rect=left["rect"], zoomed=False)),
    "settings_quit_hidden": Row(
        None, lambda: dict(rect=centred(DESIGNED_SIZE)), hide, quit_from_tray,
        lambda left: {"windowstate": "0", **bounds(left["rect"]), "treewidth": "150"},
        lambda program, left: tray.only_the_icon(program)),
}


def across_starts(c, row):
    require_no_autostart()
    folder = c.folder()
    if row.stored:
        folder.write("options.ini", ini.text(**row.stored))
    program = c.start(folder)
    program.wait_for_main_window(**row.opened())
    left = row.act(program)
    assert row.quit(program) == 0
    stored = ini.read(folder.options)
    assert stored == row.written(left), stored
    row.reopened(c.start(folder), left)


for _name, _row in ROWS.items():
    case(_name)(lambda c, row=_row: across_starts(c, row))
