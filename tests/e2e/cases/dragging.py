"""The day chart under the pointer: a quiet day's two spikes on the screen
at the designed size, and a right drag that ends with the button going up
outside the window, after which the readout follows the pointer again."""

import datetime
import os

from driver import dayfiles, desktop, screen

from . import case
from .browsing import KEYS_COLOUR, MOUSE_COLOUR, item, readout_over
from .start import require_no_autostart

DAY = datetime.date(dayfiles.today().year - 1, 3, 10)
RECORDS = {480: (5, 0, 0), 1020: (0, 3, 0)}  # 08:00 and 17:00


def spike_columns(picture, colour, row):
    return [x for x in range(picture.width) if picture.pixel(x, row) == colour]


@case("right_drag_released_outside")
def right_drag_released_outside(c):
    require_no_autostart()
    folder = c.folder()
    folder.write("history/" + dayfiles.name(DAY), dayfiles.day(RECORDS))
    program = c.start(folder)
    main = program.wait_for_main_window()

    month = dayfiles.month_label(DAY)
    desktop.click(*desktop.centre(item(program, month)["rect"]), repeat=2)
    program.settled(lambda: item(program, month)["expanded"], what="the month open")
    desktop.click(*desktop.centre(item(program, dayfiles.day_label(DAY))["rect"]))
    program.settled(lambda: program.charts()[0]["visible"]
                    and program.caption_of(program.charts()[0]) == "Hours [from 08:00 to 17:00]",
                    what="the day's chart with its span")
    chart = program.charts()[0]

    # A right drag from the middle of the chart to beyond the window's top
    # left corner (a way the day's limits do not let the view go), where
    # the button comes up over no window of the program.
    left, top, right, bottom = chart["rect"]
    desktop.move((left + right) // 2, (top + bottom) // 2)
    desktop.xdotool("mousedown", 3)
    desktop.move(main["rect"][0] - 40, main["rect"][1] - 40)
    desktop.xdotool("mouseup", 3)

    # Both spikes are on the screen, a few rows above the plot's bottom,
    # each one pixel column wide or more.
    desktop.move(main["rect"][0] - 40, main["rect"][1] - 40)
    picture = screen.capture(c.probe, chart, os.path.join(folder.root, "day.bmp"))
    row = picture.height * 3 // 4
    keys = spike_columns(picture, KEYS_COLOUR, row)
    mouse = spike_columns(picture, MOUSE_COLOUR, row)
    assert keys and mouse and keys[-1] < mouse[0], f"spikes in row {row}: {keys}, {mouse}"

    readout_over(program, chart, (keys[0], row), "Keys pressed, count per minute [08:00 - 5]")
    readout_over(program, chart, (mouse[0], row), "Mouse distance, dm per minute [17:00 - 3]")
