"""One running copy per program folder. A second start of a folder whose
copy runs (autostart and a double click) shows that copy's window, as its
tray icon would, and ends at once, writing nothing: two copies would both
rewrite the same day file every minute. Copies in other folders run beside
it, each with its own history."""

import datetime
import os

from driver import dayfiles, ini, poll, tray
from driver.program import start_expecting_end
from driver.winpath import windows_path

from . import case
from .start import require_no_autostart

# A record only the running copy holds, at a minute this case never ticks
# through: a day file written by any other start lacks it.
KEPT = (7, 7, 0)
# The two windows apart, so that a click on one never lands on the other.
FIRST_PLACE = dict(WindowState=1, Top=40, Left=40, Height=360, Width=740)
BESIDE_PLACE = dict(WindowState=1, Top=560, Left=500, Height=360, Width=740)


def hidden_in_tray(program):
    program.keys("Escape")
    program.settled(lambda: not program.main_window()["visible"]
                    and not program.taskbar_button(), what="the window in the tray")


@case("one_copy_per_folder")
def one_copy_per_folder(c):
    require_no_autostart()
    today = "history/" + dayfiles.name(dayfiles.today())
    kept_at = (dayfiles.minute_of(datetime.datetime.now()) + 720) % dayfiles.MINUTES
    folder = c.folder("_first")
    folder.write(today, dayfiles.day({kept_at: KEPT}))
    folder.write("options.ini", ini.text(**FIRST_PLACE))
    beside = c.folder("_beside")
    beside.write("options.ini", ini.text(**BESIDE_PLACE))
    first = c.start(folder)
    first.wait_for_main_window()
    other = c.start(beside)
    other.wait_for_main_window()
    # Copies of two folders run side by side, each with its icon.
    poll.until(lambda: len(tray.icons(c.probe)) == 2, timeout=20, what="an icon for each copy")

    # The first copy's day file goes: a start of its folder that went on
    # would write a new one at once.
    os.remove(folder.day_path(dayfiles.name(dayfiles.today())))
    files_before = folder.files()

    # Started again from its folder, by its own path and by the same path
    # in capitals (the same folder to Windows): the window comes back from
    # the tray, in front, and the start ends at once.
    for path in (folder.exe, windows_path(folder.exe).upper()):
        hidden_in_tray(first)
        assert start_expecting_end(folder, c.probe, path) == 0, path
        first.in_front()
        assert c.probe.pids(windows_path(folder.exe)) == [first.pid], path
        first.settled(lambda: len(tray.icons(c.probe)) == 2, what="still one icon for each copy")
        assert first.message_boxes() == [], first.message_boxes()

    # Nothing written: the settings as they were, and today's file only if
    # the running copy's minute tick wrote it from the day it holds.
    files_after = folder.files()
    assert {name: data for name, data in files_after.items() if name != today} == files_before, (
        sorted(files_after))
    if os.path.exists(folder.day_path(dayfiles.name(dayfiles.today()))):
        lines = dayfiles.lines(folder.read(today))
        assert lines[kept_at] == "%d:%d:%d" % KEPT, lines[kept_at]
    assert other.running() and other.main_window()["visible"]

    # Each copy keeps its own history.
    assert first.quit() == 0
    assert other.quit() == 0
    assert dayfiles.lines(folder.read(today))[kept_at] == "%d:%d:%d" % KEPT
    assert dayfiles.lines(beside.read(today))[kept_at] == "0:0:0"
    assert ini.read(folder.options)["top"] == str(FIRST_PLACE["Top"])
    assert ini.read(beside.options)["top"] == str(BESIDE_PLACE["Top"])
