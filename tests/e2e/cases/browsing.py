"""Browsing the history: a prepared month of known totals, read through the
tree's hint, the month chart's readout, a past day's chart, and a day whose
file went away while the program ran."""

import datetime
import os
import re

from driver import dayfiles, desktop, poll, screen
from driver.program import APPLICATION_TITLE

from . import case
from .start import require_no_autostart

# January of last year: 31 days, each with the same records, so that every
# day's point of a line lies on one row of the month chart.
YEAR = dayfiles.today().year - 1
DAYS = [datetime.date(YEAR, 1, d) for d in range(1, 32)]
RECORDS = {480: (1234000, 0, 0), 1020: (567, 12345, 0)}  # 1 234 567 keys, 1234.5 m
KEYS_COLOUR = (0xFF, 0xCC, 0x00)
MOUSE_COLOUR = (0xA1, 0xCF, 0x15)
WEEKDAYS = ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]  # the locale's, English here


def hint_shown(program, text):
    """The tree's hint on the screen with this text, after the pointer has
    rested on a node."""
    def shown():
        return any(tip["visible"] and tip["current"] == text
                   for tip in program.probe.tooltips(program.pid))
    poll.until(shown, timeout=10, what=f"the hint {text!r}")


def rest_on(item):
    desktop.move(*desktop.centre(item["rect"]))


def item(program, text):
    found = [i for i in program.tree() if i["text"] == text]
    assert found, f"no tree item {text}"
    return found[0]


def dark_runs(picture, y):
    """The centres of the runs of dark pixels in a row."""
    runs, start = [], None
    for x in range(picture.width + 1):
        dark = x < picture.width and picture.dark(x, y)
        if dark and start is None:
            start = x
        elif not dark and start is not None:
            runs.append((start + x - 1) // 2)
            start = None
    return runs


def points(picture, colour):
    """Where the points of a flat line of this colour are, left to right:
    the row of the line, and the centre of each point's circle (radius 3).
    Above or below the line, where the line's pen no longer reaches, each
    circle's outline shows as one short dark run in a row of its own (the
    other side may be cut by the edge of the plot)."""
    rows = picture.rows_with(colour, at_least=picture.width // 4)
    assert rows and rows[-1] - rows[0] <= 3, f"the line of {colour}: rows {rows}"
    near = [y for d in range(4, 0, -1) for y in (rows[0] - d, rows[-1] + d)
            if 0 <= y < picture.height]
    found = [dark_runs(picture, y) for y in near]
    whole = [runs for runs in found if len(runs) == len(DAYS)]
    return rows[0], whole[0] if whole else max(found, key=len, default=[])


def readout_at(program, chart, picture, colour, day, expected):
    row, centres = points(picture, colour)
    assert len(centres) == len(DAYS), f"{len(centres)} points of {colour}: {centres}"
    readout_over(program, chart, (centres[day - 1], row), expected)


def readout_over(program, chart, client, expected):
    """The pointer over a client point of a chart, and the caption under the
    chart reading `expected` after it."""
    at = (chart["rect"][0] + client[0], chart["rect"][1] + client[1])
    desktop.move(*at)
    try:
        poll.until(lambda: program.caption_of(chart) == expected, timeout=10,
                   what=f"the readout {expected!r}")
    except poll.Timeout as timeout:
        raise poll.Timeout(f"{timeout} at {at}; it reads {program.caption_of(chart)!r}")


@case("browsing")
def browsing(c):
    require_no_autostart()
    folder = c.folder()
    for date in DAYS:
        folder.write("history/" + dayfiles.name(date), dayfiles.day(RECORDS))
    program = c.start(folder)
    program.wait_for_main_window()
    month_label = dayfiles.month_label(DAYS[0])

    # The hint of a month node: every file of the month added up.
    rest_on(item(program, month_label))
    hint_shown(program, "Total keys pressed: 38 271 577; Total mouse: 38269.50 m")

    # Its month chart, and the readout following the pointer over its points.
    desktop.click(*desktop.centre(item(program, month_label)["rect"]), repeat=2)
    program.settled(lambda: item(program, month_label)["selected"]
                    and item(program, month_label)["expanded"], what="January shown")
    day_chart, month_chart = program.charts()
    assert month_chart["visible"] and not day_chart["visible"]
    # Off the points, and with no hint on the screen, what the chart shows.
    desktop.move(month_chart["rect"][2] - 5, month_chart["rect"][3] - 5)
    poll.until(lambda: not any(tip["visible"] for tip in c.probe.tooltips(program.pid)),
               timeout=15, what="the hint gone")
    picture = screen.capture(c.probe, month_chart, os.path.join(folder.root, "month.bmp"))
    for day, colour, title, value in ((15, KEYS_COLOUR, "Keys pressed, count per day", "1 234 567"),
                                      (31, MOUSE_COLOUR, "Mouse distance, m per day", "1 234")):
        date = DAYS[day - 1]
        readout_at(program, month_chart, picture, colour, day,
                   f"{title} [{date:%Y.%m.%d} ({WEEKDAYS[date.weekday()]}) - {value}]")

    # The hint of a day node, and the day's own chart with its span.
    day_label = dayfiles.day_label(DAYS[14])
    rest_on(item(program, day_label))
    hint_shown(program, "Total keys pressed: 1 234 567; Total mouse: 1234.50 m")
    desktop.click(*desktop.centre(item(program, day_label)["rect"]))
    program.settled(lambda: program.charts()[0]["visible"]
                    and program.caption_of(program.charts()[0]) == "Hours [from 08:00 to 17:00]",
                    what="the day's chart with its span")

    # A day whose file was removed after the start.
    gone = DAYS[19]
    os.remove(folder.day_path(dayfiles.name(gone)))
    desktop.click(*desktop.centre(item(program, dayfiles.day_label(gone))["rect"]))
    box = program.wait_for_message_box()
    assert (box["caption"], box["text"]) == (
        APPLICATION_TITLE,
        f"File not found: {folder.windows_root}history\\{gone:%y-%m-%d}"), box
    program.answer(box)
    # Today's records stand in for the missing day, under today's caption.
    caption = program.caption_of(program.charts()[0])
    assert re.fullmatch(r"Hours( \[from \d\d:\d\d to \d\d:\d\d\])?", caption), caption
    assert caption != "Hours [from 08:00 to 17:00]"
