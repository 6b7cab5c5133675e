"""The program's icon in the notification area. Without a desktop tray on
the display, Wine's explorer shows the icons in a small window of its own,
"Wine System Tray", each icon a child window of it; the icon's tooltip tool
holds its hint, which tells the program's icon from any other."""

import time

from . import desktop, poll

HINT = "User Ostrelle"
TRAY_CLASS = "__winex11_standalone_tray"
ICON_CLASS = "__winex11_tray_icon"
STEADY = 0.3


def _explorer_windows(probe):
    for pid in probe.pids("explorer.exe"):
        yield pid, probe.windows(pid)


def icons(probe, hint=HINT):
    """The visible tray icons with this hint: their screen rectangles."""
    found = []
    for pid, windows in _explorer_windows(probe):
        tips = {tool["window"]: tool["text"]
                for tip in probe.tooltips(pid) for tool in tip["tools"]}
        found += [w["rect"] for w in windows
                  if w["class"] == ICON_CLASS and w["visible"] and tips.get(w["hwnd"]) == hint]
    return found


def icon(probe, timeout=20):
    """The rectangle of the program's icon once it is in the tray; exactly
    one program of ours may have one."""
    def one():
        found = icons(probe)
        assert len(found) <= 1, f"more than one icon with the hint {HINT}: {found}"
        return found[0] if found else None
    return poll.until(one, timeout=timeout, what="the program's tray icon")


def tray_window(probe):
    for _, windows in _explorer_windows(probe):
        for w in windows:
            if w["class"] == TRAY_CLASS and w["visible"]:
                return w
    return None


def _activate_tray(probe):
    """The tray window in front, as a click on its empty end makes it.

    Wine's tray window is an ordinary window: the first click on it while
    another program is in front activates it, and the X focus event that
    follows reaches explorer a moment later and takes the foreground back
    from whatever the program did on that click (a menu it opened closes at
    once). On the desktop's own tray a click activates nothing, so the tray
    window is brought in front first, and the click on the icon then acts
    as it would there."""
    tray = poll.until(lambda: tray_window(probe), timeout=20, what="Wine's tray window")
    left, top, right, bottom = tray["rect"]
    since = {}

    def in_front():
        if probe.foreground()["hwnd"] != tray["hwnd"]:
            since.clear()
            return False
        since.setdefault("t", time.monotonic())
        return time.monotonic() - since["t"] >= STEADY
    if probe.foreground()["hwnd"] != tray["hwnd"]:
        icon_rect = icon(probe)
        desktop.click(right - 6, (icon_rect[1] + icon_rect[3]) // 2)
    poll.until(in_front, timeout=10, what="Wine's tray window in front")


def click(probe, button=1):
    """A click on the program's icon: 1 the left button, 3 the right."""
    _activate_tray(probe)
    desktop.click(*desktop.centre(icon(probe)), button=button)


def open_menu(program):
    """A right click on the icon: the menu's items by text, once it is open."""
    click(program.probe, button=3)
    # Settled: the menu's window is listed before the display has it on
    # the screen, and a click that comes first falls through to what is below.
    menu = program.settled(lambda: program.probe.menus(program.pid), timeout=10,
                           what="the tray menu")[0]
    return {item["text"]: item for item in menu["items"] if not item["separator"]}


def choose(program, item):
    """A click on an item of the open menu."""
    desktop.click(*desktop.centre(item["rect"]))
    last = {}

    def closed():
        last["menus"] = program.probe.menus(program.pid)
        return not last["menus"]
    try:
        poll.until(closed, timeout=10, what="the tray menu to close")
    except poll.Timeout:
        raise poll.Timeout(f"the menu stayed open after a click on {item}: {last}; "
                           f"in front: {program.probe.foreground()}")


def menu_lines(items):
    """The menu as lines: text, (default), [checked]."""
    return [text + (" (default)" if item["default"] else "") + (" [checked]" if item["checked"]
                                                                  else "")
            for text, item in items.items()]


def only_the_icon(program):
    """Start-up has run to its end (the tree is built) and the program shows
    nothing but its icon: neither the window nor its taskbar button."""
    poll.until(program.tree, timeout=20, what="the tree")
    icon(program.probe)
    program.settled(lambda: program.main_window() and not program.main_window()["visible"]
                    and not program.taskbar_button(), timeout=10,
                    what="the window and its taskbar button hidden")
