#!/usr/bin/env python3
"""The README's pictures of the real program: a prepared history of a few
months, the program started on it under Wine, driven like a user with the
end-to-end driver, and parts of the screen saved as small palette PNGs.
Runs inside a session of scripts/wine-session (scripts/screenshots)."""

import argparse
import datetime
import os
import random
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

from driver import dayfiles, desktop, poll, tray  # noqa: E402
from driver.case import Case  # noqa: E402

MONTHS = 4  # the current month and the three before it


def working_day(date, until=dayfiles.MINUTES):
    """A day at the desk, the same for the same date: stretches of typing,
    of pointing and of pauses between a morning start and an evening end,
    with a lunch break; weekends are mostly empty."""
    rng = random.Random(date.toordinal())
    records = {}
    if date.weekday() >= 5:
        if rng.random() < 0.6:
            return records
        start, end = 14 * 60 + rng.randint(0, 90), 16 * 60 + rng.randint(0, 60)
    else:
        start, end = 8 * 60 + rng.randint(15, 75), 17 * 60 + rng.randint(0, 75)
    lunch = 12 * 60 + rng.randint(0, 45)
    minute = start
    while minute < min(end, until):
        length = rng.randint(5, 35)
        kind = rng.choices(["typing", "pointing", "pause"], [5, 3, 2])[0]
        strength = rng.uniform(0.4, 1.0)
        for m in range(minute, min(minute + length, end, until)):
            if lunch <= m < lunch + 40 or kind == "pause":
                continue
            if kind == "typing":
                records[m] = (int(strength * rng.randint(40, 160)), rng.randint(0, 4), 0)
            else:
                records[m] = (rng.randint(0, 12), int(strength * rng.randint(8, 40)), 0)
        minute += length
    return records


def prepare(folder, today, now_minute, settings=True):
    first = today.replace(day=1)
    for _ in range(MONTHS - 1):
        first = (first - datetime.timedelta(days=1)).replace(day=1)
    date = first
    while date <= today:
        until = now_minute if date == today else dayfiles.MINUTES
        folder.write("history/" + dayfiles.name(date), dayfiles.day(working_day(date, until)))
        date += datetime.timedelta(days=1)
    # A window a little larger than designed, opened centred.
    if settings:
        folder.write("options.ini",
                     "[PosSize]\r\nWidth=880\r\nHeight=440\r\nTreeWidth=170\r\n")


def union(*rects, margin=0):
    return (min(r[0] for r in rects) - margin, min(r[1] for r in rects) - margin,
            max(r[2] for r in rects) + margin, max(r[3] for r in rects) + margin)


def save(rect, path):
    """That part of the screen as an 8-bit palette PNG."""
    width, height = desktop.screen_size()
    left, top = max(rect[0], 0), max(rect[1], 0)
    right, bottom = min(rect[2], width), min(rect[3], height)
    subprocess.run(["import", "-window", "root", "-crop",
                    f"{right - left}x{bottom - top}+{left}+{top}", "+repage",
                    "+dither", "-colors", "256", "PNG8:" + path], check=True, timeout=60)
    print(f"{path}: {right - left} x {bottom - top}")


def client_area(program, window):
    """The window without its frame, which Wine leaves black when no window
    manager draws it: the children fill the client area."""
    children = [w["rect"] for w in program.windows()
                if w["parent"] == window["hwnd"] and w["visible"]]
    return union(*children)


def item(program, text):
    found = [i for i in program.tree() if i["text"] == text]
    assert found, f"no tree item {text}"
    return found[0]


def no_hint(program):
    poll.until(lambda: not any(t["visible"] for t in program.probe.tooltips(program.pid)),
               timeout=15, what="no hint on the screen")


def hint(program):
    def shown():
        tips = [t for t in program.probe.tooltips(program.pid) if t["visible"] and t["current"]]
        return tips[0] if tips else None
    return poll.until(shown, timeout=10, what="the hint")


def away(program):
    """The pointer where it touches nothing of the program."""
    width, height = desktop.screen_size()
    desktop.move(width - 2, height - 2)
    no_hint(program)


def readout(program, chart):
    """The pointer over the day's areas in the late morning, where the
    caption under the chart reads the value under it."""
    left, top, right, bottom = chart["rect"]
    for x_share in (0.45, 0.42, 0.48, 0.39, 0.51):
        for y_up in (45, 60, 35, 80, 25):
            desktop.move(int(left + x_share * (right - left)), bottom - y_up)
            try:
                return program.settled(
                    lambda: program.caption_of(chart).startswith(("Keys", "Mouse"))
                    and program.caption_of(chart), timeout=2, what="a readout")
            except poll.Timeout:
                continue
    raise poll.Timeout("no readout anywhere over the day's areas")


def show_month(program, last_month):
    """Last month, a whole one, chosen in the tree and opened."""
    month_label = dayfiles.month_label(last_month)
    desktop.click(*desktop.centre(item(program, month_label)["rect"]), repeat=2)
    program.settled(lambda: item(program, month_label)["selected"]
                    and item(program, month_label)["expanded"], what="the month shown")
    return month_label


def show_day(program, last_month):
    """A working day of that month, with the readout of the minute under the
    pointer; returns the readout."""
    day = last_month.replace(day=1)
    while day.weekday() != 1:  # its first Tuesday
        day += datetime.timedelta(days=1)
    desktop.click(*desktop.centre(item(program, dayfiles.day_label(day))["rect"]))
    program.settled(lambda: program.charts()[0]["visible"], what="the day chart")
    text = readout(program, program.charts()[0])
    no_hint(program)
    return text


def scaled(args, today, now, last_month):
    """The day view at the scale the Wine server was started with (150 %),
    in the designed size made larger: no settings."""
    c = Case(os.path.abspath(args.build), "screenshots-scaled")
    try:
        folder = c.folder()
        prepare(folder, today, dayfiles.minute_of(now), settings=False)
        program = c.start(folder)
        program.wait_for_main_window()
        away(program)
        window = client_area(program, program.main_window())
        show_month(program, last_month)
        away(program)
        text = show_day(program, last_month)
        save(window, os.path.join(args.out, "day-view-150.png"))
        print("  readout:", text)
    finally:
        c.close()
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--scaled", action="store_true",
                        help="only the day view at the screen's scale (150 %%)")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    now = datetime.datetime.now()
    today = now.date()
    last_month = today.replace(day=1) - datetime.timedelta(days=1)
    if args.scaled:
        return scaled(args, today, now, last_month)

    c = Case(os.path.abspath(args.build), "screenshots")
    try:
        folder = c.folder()
        prepare(folder, today, dayfiles.minute_of(now))
        program = c.start(folder)
        program.wait_for_main_window()
        away(program)

        # The month view: last month, a whole one, chosen in the tree.
        month_label = show_month(program, last_month)
        away(program)
        window = client_area(program, program.main_window())
        save(window, os.path.join(args.out, "month-view.png"))

        # The tree's hint on that month: its totals.
        desktop.move(*desktop.centre(item(program, month_label)["rect"]))
        tip = hint(program)
        save(union(window, tip["rect"]),
             os.path.join(args.out, "tree-hint.png"))
        print("  hint:", tip["current"])
        away(program)

        # A day view: a working day of that month, with the readout of the
        # minute under the pointer.
        text = show_day(program, last_month)
        save(window, os.path.join(args.out, "day-view.png"))
        print("  readout:", text)
        away(program)

        # The tray menu, opened on the icon with the right button.
        tray.open_menu(program)
        menu = program.probe.menus(program.pid)[0]
        tray_window = tray.tray_window(program.probe)
        save(union(menu["rect"], tray_window["rect"], margin=8),
             os.path.join(args.out, "tray-menu.png"))
        desktop.key("Escape")
    finally:
        c.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
