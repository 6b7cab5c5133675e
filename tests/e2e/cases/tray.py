"""The notification area: the window's close button sends the program there,
the icon brings it back, and the icon's menu holds the program's commands."""

import os

from driver import dayfiles, desktop, ini, poll, tray, wine
from driver.winpath import windows_path

from . import case
from .settings import bounds, window_menu
from .start import require_no_autostart

MENU_SHOWN = ["About...", "Hide statistic window (default)", "Start automatically with Windows",
              "Close"]
MENU_HIDDEN = ["About...", "Show statistic window (default)",
               "Start automatically with Windows [checked]", "Close"]
TODAY_RECORDS = {480: (57, 12, 0), 1020: (3, 4, 5)}


def close_button(program):
    """The close command the title bar's close button gives. Without a
    window manager there is no title bar; the window menu's Close (its
    default item, as on every window) sends the same command, and is clicked
    as a user would."""
    items = window_menu(program)
    assert items["Close"]["default"], items
    desktop.click(*desktop.centre(items["Close"]["rect"]))


@case("tray_icon_and_menu")
def tray_icon_and_menu(c):
    require_no_autostart()
    folder = c.folder()
    today = "history/" + dayfiles.name(dayfiles.today())
    folder.write(today, dayfiles.day(TODAY_RECORDS))
    program = c.start(folder)
    program.wait_for_main_window()
    tray.icon(c.probe)

    # The close button hides the window and its taskbar button; the icon
    # stays, and nothing is saved.
    close_button(program)
    program.settled(lambda: not program.main_window()["visible"] and not program.taskbar_button(),
                    what="the window and its taskbar button hidden")
    tray.icon(c.probe)
    assert program.running() and not os.path.exists(folder.options)

    # A left click on the icon brings both back, the window in front.
    tray.click(c.probe)
    main = program.in_front()
    assert program.taskbar_button()

    # The right button's menu, with Hide as the default item while the
    # window shows; About... shows the dialog in front, its Close closes it.
    items = tray.open_menu(program)
    assert tray.menu_lines(items) == MENU_SHOWN, tray.menu_lines(items)
    tray.choose(program, items["About..."])
    about = poll.until(lambda: program.top_level_shown("About program"), timeout=10,
                       what="the About dialog")
    program.settled(lambda: program.probe.foreground()["hwnd"] == about["hwnd"],
                    what="the About dialog in front")
    assert program.child(about, "Current version:") and program.child(about, "1.0"), about
    desktop.click(*desktop.centre(program.child(about, "Close", "Button")["rect"]))
    program.settled(lambda: not program.top_level_shown("About program"),
                    what="the About dialog closed")

    # Close quits, and saves: today's day file (removed meanwhile, so that
    # only the quit can have written it again) and the settings.
    os.remove(folder.day_path(dayfiles.name(dayfiles.today())))
    items = tray.open_menu(program)
    tray.choose(program, items["Close"])
    assert program.wait_exit() == 0
    lines = dayfiles.lines(folder.read(today))
    assert len(lines) == dayfiles.MINUTES and lines[480] == "57:12:0" and lines[1020] == "3:4:5"
    assert ini.read(folder.options) == {"windowstate": "1", **bounds(main["rect"]),
                                        "treewidth": "150"}, ini.read(folder.options)


@case("tray_autostart")
def tray_autostart(c):
    require_no_autostart()
    c.at_end(wine.remove_autostart)  # every other start needs it absent
    # A blank in the folder's name: Windows would read an unquoted value as
    # the program "...\tray_autostart" with an argument.
    folder = c.folder(" copy")
    program = c.start(folder)
    program.wait_for_main_window()

    items = tray.open_menu(program)
    tray.choose(program, items["Start automatically with Windows"])
    box = program.wait_for_message_box()
    assert (box["caption"], box["text"], list(box["buttons"])) == (
        "Tallyvane", "Program successfully added to startup", ["OK"]), box
    assert wine.autostart_values() == {wine.MACHINE_RUN_KEY: '"%s"' % windows_path(folder.exe)}, (
        wine.autostart_values())
    program.answer(box)
    items = tray.open_menu(program)
    assert items["Start automatically with Windows"]["checked"], tray.menu_lines(items)
    tray.choose(program, items["Close"])
    assert program.wait_exit() == 0
    assert ini.read(folder.options)["windowstate"] == "1"

    # With the value present, a start shows only the icon, whatever the
    # settings say; the menu offers to show the window.
    program = c.start(folder)
    tray.only_the_icon(program)
    items = tray.open_menu(program)
    assert tray.menu_lines(items) == MENU_HIDDEN, tray.menu_lines(items)
    tray.choose(program, items["Show statistic window"])
    program.in_front()
    assert program.quit() == 0
