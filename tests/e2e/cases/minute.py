"""The one case that waits for a real minute boundary. Several programs, each
in its own folder, run side by side across the same boundary: they all count
the same keys and pointer travel, and each shows something else at the tick.

  counting   keys typed into notepad and a pointer path of known length
             land under the minute that begins at the boundary;
  locked     today's file is held open without sharing at the boundary: the
             error box, and once the file is released the counts reach it
             (here by the quit, which saves), none of them twice.
"""

import datetime
import time

from driver import dayfiles, desktop, poll
from driver.program import APPLICATION_TITLE

from . import case
from .faults import EARLIER, EARLIER_DAY, today_path, unchanged
from .start import require_no_autostart

TYPED = "tallyvane counts these keys 0123456789"
# A straight path back and forth over the screen; the program samples the
# pointer every 50 ms, so it rests at each turn for a few samples.
START = (40, 600)
TURNS = [(1240, 600), (40, 600), (1240, 600)]
TRAVEL_PIXELS = 3 * 1200
PIXELS_PER_INCH = 96
REST_AT_TURN = 0.25
# What the driving after the decision below needs before the boundary.
ROOM_NEEDED = 7.0


def decimetres(pixels):
    return round(pixels / PIXELS_PER_INCH * 0.254)


def next_boundary(now):
    return now.replace(second=0, microsecond=0) + datetime.timedelta(minutes=1)


def modified(path):
    import os
    return os.stat(path).st_mtime_ns


def walk_pointer():
    desktop.move(*START)
    for point in TURNS:
        desktop.move(*point)
        time.sleep(REST_AT_TURN)


@case("minute_boundary")
def minute_boundary(c):
    require_no_autostart()
    desktop.move(*START)
    folders = {}
    for role in ("counting", "locked"):
        folders[role] = c.folder("_" + role)
        folders[role].write("history/" + dayfiles.name(EARLIER), EARLIER_DAY)
    programs = {role: c.start(folder) for role, folder in folders.items()}
    for program in programs.values():
        program.wait_for_main_window()
    today = {role: folder.day_path(dayfiles.name(dayfiles.today()))
             for role, folder in folders.items()}
    before = {role: folder.files() for role, folder in folders.items()}

    # The keys and the path must fall into one minute: with too little of
    # this one left, its tick passes first.
    boundary = next_boundary(datetime.datetime.now())
    if (boundary - datetime.datetime.now()).total_seconds() < ROOM_NEEDED:
        stamps = {role: modified(path) for role, path in today.items()}
        poll.until(lambda: all(modified(p) != stamps[r] for r, p in today.items()),
                   timeout=ROOM_NEEDED + 10, what="the tick of the minute that was too short")
        boundary += datetime.timedelta(minutes=1)
    minute = dayfiles.minute_of(boundary)

    held = c.hold(today["locked"])
    notepad = c.notepad()
    notepad.focus()
    desktop.type_text(TYPED)
    poll.until(lambda: notepad.text() == TYPED, timeout=10, what="the keys in notepad")
    walk_pointer()
    assert datetime.datetime.now() < boundary, "the driving did not end before the boundary"

    # counting: the record of the minute that begins at the boundary.
    def counted():
        lines = dayfiles.lines(folders["counting"].read(today_path()))
        return lines if lines[minute] != "0:0:0" else None
    lines = poll.until(counted, timeout=(boundary - datetime.datetime.now()).total_seconds()
                       + 15, what=f"the record of minute {minute}")
    keys, mouse, cpu = (int(v) for v in lines[minute].split(":"))
    assert keys == len(TYPED), lines[minute]
    assert abs(mouse - decimetres(TRAVEL_PIXELS)) <= 1 and cpu == 0, lines[minute]
    assert [i for i, line in enumerate(lines) if line != "0:0:0"] == [minute]
    counting_record = lines[minute]
    programs["counting"].stop()
    notepad.stop()

    # locked: the tick could not write, and says so.
    locked = programs["locked"]
    box = locked.wait_for_message_box(timeout=15)
    assert box["caption"] == APPLICATION_TITLE, box
    assert box["text"].startswith('Cannot create file "%shistory\\%s"' % (
        folders["locked"].windows_root, dayfiles.name(dayfiles.today()))), box["text"]
    assert folders["locked"].read(today_path()) == before["locked"][today_path()]
    held.release()
    locked.answer(box)
    assert locked.quit() == 0
    lines = dayfiles.lines(folders["locked"].read(today_path()))
    assert lines[minute] == counting_record, (lines[minute], counting_record)
    assert [i for i, line in enumerate(lines) if line != "0:0:0"] == [minute], "counted twice"
    for role, folder in folders.items():
        unchanged(before[role], folder.files(), today_path())
