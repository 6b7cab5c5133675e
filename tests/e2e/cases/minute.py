"""The one case that waits for a real minute boundary. Several programs, each
in its own folder, run side by side across the same boundary: they all count
the same keys and pointer travel, and each shows something else at the tick.

  counting   keys typed into notepad and a pointer path of known length
             land under the minute that begins at the boundary; meanwhile
             its day chart of today shows the running counts in its left
             axis title, read off the screen;
  locked     today's file is held open without sharing at the boundary: the
             error box, and the minute stays in memory only; once the file
             is released, the end of the Windows session saves it (none of
             the counts twice) and the settings, and the program ends;
  starting   started (into the tray) just before the keys are typed, with
             years of history to list: its start-up keeps it busy while the
             keys come, and still every one of them is counted; it ends
             with the session too, hidden as it is.

The end of the session reaches every window of the prefix, so this case runs
alone.
"""

import datetime
import math
import os
import time

from driver import dayfiles, desktop, ini, poll, screen, wine
from driver.program import APPLICATION_TITLE

from . import case
from .faults import EARLIER, EARLIER_DAY, today_path, unchanged
from .settings import bounds
from .start import require_no_autostart

TYPED = "tallyvane counts these keys 0123456789"
# A straight path back and forth over the screen, below notepad's text.
START = (40, 600)
TURNS = [(1240, 600), (40, 600), (1240, 600)]
PIXELS_PER_INCH = 96
# The programs look at the pointer every 50 ms: it rests at each place long
# enough for them to see it there, so that every stretch of the way counts.
REST = 0.25
# What starting the programs and the driving need before the boundary.
ROOM_NEEDED = 12.0
YEARS_OF_DAYS = 1000  # about a second of start-up
# Where the counting program's window is (740 x 360), below notepad's
# window (0, 0, 972, 729), so that its day chart's left axis title is on
# the screen while notepad is in front; the locked one's above it.
COUNTING_PLACE = dict(Top=660, Left=520)
LOCKED_PLACE = dict(Top=270, Left=520)
# The left axis title of the day chart: the chart's default font, turned
# to run upwards.
TITLE_FONT = dict(font="Tahoma", height=-11, angle=90, colour=0)


def decimetres(pixels):
    return round(pixels / PIXELS_PER_INCH * 0.254)


def next_boundary(now):
    return now.replace(second=0, microsecond=0) + datetime.timedelta(minutes=1)


class PointerPath:
    """The pointer's way as the programs count it: each step from one place
    to the next, rounded to whole pixels."""

    def __init__(self, start):
        self.at = start
        self.pixels = 0
        desktop.move(*start)

    def to(self, point):
        if point != self.at:
            self.pixels += round(math.dist(self.at, point))
            self.at = point
            desktop.move(*point)
            time.sleep(REST)

    def click(self, point):
        self.to(point)
        desktop.xdotool("click", 1)


def title_shown(program, chart, text):
    found, _ = screen.find_text(program.probe, chart, text, **TITLE_FONT)
    return len(found) == 1


@case("minute_boundary", serial=True)
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
    folders["counting"].write("options.ini", ini.text(**COUNTING_PLACE))
    folders["locked"].write("options.ini", ini.text(**LOCKED_PLACE))
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

    driving = time.monotonic()
    path = PointerPath(START)
    programs = {role: c.start(folders[role]) for role in ("counting", "locked")}
    shown = {role: program.wait_for_main_window() for role, program in programs.items()}
    # Today's day chart on view in the counting program: from then on its
    # left axis title shows the running counts, and after each stretch of
    # the way the case waits until it shows the way so far, exactly.
    counting = programs["counting"]
    today_item = [i for i in counting.tree() if i["text"] == dayfiles.day_label(dayfiles.today())]
    path.click(desktop.centre(today_item[0]["rect"]))
    day_chart = counting.settled(lambda: (lambda day, month: day["visible"] and day)(
        *counting.charts()), what="today's day chart")

    def title_shows(keys):
        title = "Activity [%d : %d]" % (keys, decimetres(path.pixels))
        try:
            poll.until(lambda: title_shown(counting, day_chart, title), timeout=10,
                       what=f"the day chart's title {title!r}")
        except poll.Timeout:
            screen.capture(c.probe, day_chart, os.path.join(folders["counting"].root, "day.bmp"))
            raise
    title_shows(0)
    held = c.hold(today["locked"])
    path.to(START)
    title_shows(0)
    notepad.focus(at=START)  # the pointer is there: the click adds no travel
    programs["starting"] = c.start(folders["starting"])
    # Today's file is made after the form (and its keyboard hook) is up,
    # and before the long listing of the history.
    poll.until(lambda: os.path.exists(today["starting"]), timeout=20,
               what="the starting program's day file")
    desktop.type_text(TYPED)
    poll.until(lambda: notepad.text() == TYPED, timeout=20, what="the keys in notepad")
    for turn in TURNS:
        path.to(turn)
        title_shows(len(TYPED))
    # Exactly: one key more is not what it shows.
    assert not title_shown(counting, day_chart,
                           "Activity [%d : %d]" % (len(TYPED) + 1, decimetres(path.pixels)))
    poll.until(programs["starting"].tree, timeout=20, what="the starting program's tree")
    print(f"the driving took {time.monotonic() - driving:.1f} s of the {ROOM_NEEDED:g} s it may")
    assert datetime.datetime.now() < boundary, "the driving did not end before the boundary"

    # counting: the record of the minute that begins at the boundary.
    def counted():
        lines = dayfiles.lines(folders["counting"].read(today_path()))
        return lines if lines[minute] != "0:0:0" else None
    lines = poll.until(counted, timeout=(boundary - datetime.datetime.now()).total_seconds()
                       + 15, what=f"the record of minute {minute}")
    keys, mouse, cpu = (int(v) for v in lines[minute].split(":"))
    assert keys == len(TYPED), lines[minute]
    assert abs(mouse - decimetres(path.pixels)) <= 1 and cpu == 0, lines[minute]
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
    starting_record = lines[minute]

    # locked: the tick could not write, and says so; the minute is in memory
    # only.
    locked = programs["locked"]
    box = locked.wait_for_message_box(timeout=15)
    assert box["caption"] == APPLICATION_TITLE, box
    assert box["text"].startswith('Cannot create file "%shistory\\%s"' % (
        folders["locked"].windows_root, dayfiles.name(dayfiles.today()))), box["text"]
    assert folders["locked"].read(today_path()) == dayfiles.day(), "written while held"
    held.release()
    locked.answer(box)

    # The end of the session: both programs save and end by themselves.
    wine.end_session()
    assert locked.wait_exit(timeout=30) == 0
    assert programs["starting"].wait_exit(timeout=30) == 0
    lines = dayfiles.lines(folders["locked"].read(today_path()))
    assert lines[minute] == counting_record, (lines[minute], counting_record)
    assert [i for i, line in enumerate(lines) if line != "0:0:0"] == [minute], "counted twice"
    assert ini.read(folders["locked"].options) == {
        "windowstate": "1", **bounds(shown["locked"]["rect"]), "treewidth": "150"}, (
        ini.read(folders["locked"].options))
    lines = dayfiles.lines(folders["starting"].read(today_path()))
    assert lines[minute] == starting_record
    assert ini.read(folders["starting"].options)["windowstate"] == "0"
    for role, folder in folders.items():
        unchanged(before[role], folder.files(), today_path(), "options.ini")
