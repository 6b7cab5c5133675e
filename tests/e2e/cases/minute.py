"""The one case that waits for a real minute boundary. Several programs, each
in its own folder, run side by side across the same boundary: they all count
the same keys and pointer travel, and each shows something else at the tick.

  counting   keys typed into notepad and a pointer path of known length
             land under the minute that begins at the boundary;
  locked     today's file is held open without sharing at the boundary: the
             error box, and once the file is released the counts reach it
             (here by the quit, which saves), none of them twice;
  starting   started (into the tray) just before the keys are typed, with
             years of history to list: its start-up keeps it busy while the
             keys come, and still every one of them is counted.
"""

import datetime
import os
import time

from driver import dayfiles, desktop, ini, poll
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
REST_AT_TURN = 0.15
# What starting the programs and the driving need before the boundary.
ROOM_NEEDED = 8.0
YEARS_OF_DAYS = 1000  # about a second of start-up


def decimetres(pixels):
    return round(pixels / PIXELS_PER_INCH * 0.254)


def next_boundary(now):
    return now.replace(second=0, microsecond=0) + datetime.timedelta(minutes=1)


def walk_pointer():
    desktop.move(*START)
    for point in TURNS:
        desktop.move(*point)
        time.sleep(REST_AT_TURN)


@case("minute_boundary")
def minute_boundary(c):
    require_no_autostart()
    folders = {}
    for role in ("counting", "locked", "starting"):
        folders[role] = c.folder("_" + role)
        folders[role].write("history/" + dayfiles.name(EARLIER), EARLIER_DAY)
    for i in range(2, YEARS_OF_DAYS):
        date = dayfiles.today() - datetime.timedelta(days=i)
        if date != EARLIER:
            folders["starting"].write("history/" + dayfiles.name(date), dayfiles.day())
    # Started in the tray, as at log-on, so that its window does not take
    # the keys typed into notepad when it shows.
    folders["starting"].write("options.ini", ini.text(WindowState=0))
    before = {role: folder.files() for role, folder in folders.items()}
    today = {role: folder.day_path(dayfiles.name(dayfiles.today()))
             for role, folder in folders.items()}

    # Notepad first: it also brings up Wine's desktop if nothing had it up,
    # which takes seconds that must not fall into the minute used.
    notepad = c.notepad()
    edit = notepad.edit()["rect"]
    assert edit[0] < START[0] < edit[2] and edit[1] < START[1] < edit[3], (
        f"the pointer's start {START} is not in notepad's text {edit}")

    # The programs' start and the driving must fall into one minute: with
    # too little of this one left, it passes first.
    boundary = next_boundary(datetime.datetime.now())
    if (boundary - datetime.datetime.now()).total_seconds() < ROOM_NEEDED:
        poll.until(lambda: datetime.datetime.now() >= boundary, timeout=ROOM_NEEDED + 1,
                   interval=0.2, what="the end of a minute too short to use")
        boundary += datetime.timedelta(minutes=1)
    minute = dayfiles.minute_of(boundary)

    desktop.move(*START)
    programs = {role: c.start(folders[role]) for role in ("counting", "locked")}
    for program in programs.values():
        program.wait_for_main_window()
    held = c.hold(today["locked"])
    notepad.focus(at=START)  # the pointer is there: the click adds no travel
    programs["starting"] = c.start(folders["starting"])
    # Today's file is made after the form (and its keyboard hook) is up,
    # and before the long listing of the history.
    poll.until(lambda: os.path.exists(today["starting"]), timeout=20,
               what="the starting program's day file")
    desktop.type_text(TYPED)
    poll.until(lambda: notepad.text() == TYPED, timeout=20, what="the keys in notepad")
    walk_pointer()
    poll.until(programs["starting"].tree, timeout=20, what="the starting program's tree")
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

    # starting: every key, also those typed while it was busy starting (the
    # pointer moved while it could not look, so only the keys are compared).
    lines = poll.until(lambda: (lambda l: l if l[minute] != "0:0:0" else None)(
        dayfiles.lines(folders["starting"].read(today_path()))), timeout=15,
        what="the starting program's record")
    assert lines[minute].split(":")[0] == str(len(TYPED)), lines[minute]
    programs["starting"].stop()

    # locked: the tick could not write, and says so.
    locked = programs["locked"]
    box = locked.wait_for_message_box(timeout=15)
    assert box["caption"] == APPLICATION_TITLE, box
    assert box["text"].startswith('Cannot create file "%shistory\\%s"' % (
        folders["locked"].windows_root, dayfiles.name(dayfiles.today()))), box["text"]
    assert folders["locked"].read(today_path()) == dayfiles.day(), "written while held"
    held.release()
    locked.answer(box)
    assert locked.quit() == 0
    lines = dayfiles.lines(folders["locked"].read(today_path()))
    assert lines[minute] == counting_record, (lines[minute], counting_record)
    assert [i for i, line in enumerate(lines) if line != "0:0:0"] == [minute], "counted twice"
    for role, folder in folders.items():
        unchanged(before[role], folder.files(), today_path())
