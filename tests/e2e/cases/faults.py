"""Bad input a user's machine brings, met at start: each case is reported
and loses nothing (original bytes kept, every earlier day's file unchanged)."""

import datetime

from driver import dayfiles, desktop, ini, poll
from driver.program import APPLICATION_TITLE

from . import case
from .start import require_no_autostart, tree_lines

TODAY = dayfiles.today()
EARLIER = TODAY - datetime.timedelta(days=40)
EARLIER_DAY = dayfiles.day({480: (57, 12, 0), 1020: (3, 4, 5)})


def prepared(c, suffix="", history=True):
    folder = c.folder(suffix, history=history)
    if history:
        folder.write("history/" + dayfiles.name(EARLIER), EARLIER_DAY)
    return folder


def unchanged(before, after, *except_names):
    """Files that were there before and must be byte for byte the same."""
    changed = [name for name in before
               if name not in except_names and after.get(name) != before[name]]
    assert not changed, f"changed or lost: {changed}"


def error_box(program, text_check):
    box = program.wait_for_message_box()
    assert box["caption"] == APPLICATION_TITLE, box
    assert text_check(box["text"]), box["text"]
    assert list(box["buttons"]) == ["OK"], box["buttons"]
    program.answer(box)
    return box


def answer_boxes_until_shown(program, timeout=30):
    """Answers every error box of the start-up until the window shows; the
    boxes' texts in order."""
    texts = []

    def shown():
        boxes = program.message_boxes()
        if boxes:
            assert boxes[0]["caption"] == APPLICATION_TITLE, boxes[0]
            texts.append(boxes[0]["text"])
            program.answer(boxes[0])
            return None
        main = program.main_window()
        return main if main and main["visible"] else None
    poll.until(shown, timeout=timeout, what="the window after the start-up's boxes")
    program.wait_for_main_window()
    return texts


def today_path():
    return "history/" + dayfiles.name(TODAY)


# --- A broken file of today's ------------------------------------------------

BROKEN_TODAY = (dayfiles.day({5: (3, 1, 0), 600: (7, 2, 0)}).split(b"\r\n")[:700]
                + [b"12:7", b"9:9:0"])
BROKEN_TODAY = b"\r\n".join(BROKEN_TODAY) + b"\r\n"


@case("fault_broken_today_file")
def broken_today_file(c):
    require_no_autostart()
    folder = prepared(c)
    folder.write(today_path(), BROKEN_TODAY)
    before = folder.files()
    program = c.start(folder)
    # Said once, and the start-up goes on to the current month, whose chart
    # adds up today's file as written again from what could be read.
    texts = answer_boxes_until_shown(program)
    assert texts == ["'' is not a valid integer value"], texts
    day_chart, month_chart = program.charts()
    assert month_chart["visible"] and not day_chart["visible"]
    assert tree_lines(program)[-2:] == [dayfiles.month_label(TODAY) + " 0 + *",
                                        "  " + dayfiles.day_label(TODAY) + " 2"]
    assert program.message_boxes() == []

    # The original bytes are kept beside the day file, whole, before the
    # day file itself is replaced.
    after = folder.files()
    kept = [name for name in after if name.startswith(today_path() + ".broken")]
    assert kept and after[kept[0]] == BROKEN_TODAY, kept
    lines = dayfiles.lines(after[today_path()])
    assert len(lines) == dayfiles.MINUTES
    assert (lines[5], lines[600], lines[700]) == ("3:1:0", "7:2:0", "0:0:0"), (
        lines[5], lines[600], lines[700])
    assert program.quit() == 0
    unchanged(before, folder.files(), today_path())


# --- Stray names, a missing folder, garbage settings ---------------------------

@case("fault_stray_file_name")
def stray_file_name(c):
    require_no_autostart()
    folder = prepared(c)
    folder.write("history/notes.dat", "mine")
    before = folder.files()
    program = c.start(folder)
    error_box(program, lambda text: text == "'notes' is not a valid date")
    program.wait_for_main_window()
    # Every day is still listed, and start-up went on to the current month.
    assert tree_lines(program) == [
        dayfiles.month_label(EARLIER) + " 0",
        "  " + dayfiles.day_label(EARLIER) + " 1",
        dayfiles.month_label(TODAY) + " 0 + *",
        "  " + dayfiles.day_label(TODAY) + " 2",
    ], tree_lines(program)
    assert program.quit() == 0
    unchanged(before, folder.files())


@case("fault_missing_history_folder")
def missing_history_folder(c):
    require_no_autostart()
    folder = prepared(c, history=False)
    program = c.start(folder)
    wanted = f'Cannot create file "{folder.windows_root}history\\{dayfiles.name(TODAY)}"'
    error_box(program, lambda text: text.startswith(wanted))
    program.wait_for_main_window()
    assert program.tree() == []
    # Nothing was made in its place: the folder is the user's to create.
    assert sorted(folder.files()) == ["Tallyvane.exe", "ostrelle.dll"], folder.files()


GARBAGE_OPTIONS = (b"\x00\xff\xfe garbage\r\n[PosSize\r\n[PosSize]\r\nWindowState=maximised\r\n"
                   b"Top=-99999\r\nLeft=abc\r\nWidth=99999999999\r\nHeight=-5\r\n"
                   b"TreeWidth=\r\n=\r\n\x1a\x1a")


@case("fault_garbage_options")
def garbage_options(c):
    require_no_autostart()
    folder = prepared(c)
    folder.write("options.ini", GARBAGE_OPTIONS)
    program = c.start(folder)
    main = program.wait_for_main_window()
    assert program.message_boxes() == []
    # On the screen, whatever the file said.
    width, height = desktop.screen_size()
    left, top, right, bottom = main["rect"]
    assert 0 <= left < right <= width and 0 <= top < bottom <= height, main["rect"]
    assert program.quit() == 0
    stored = ini.read(folder.options)
    assert stored["windowstate"] == "1", stored
    assert folder.read(today_path()) == dayfiles.day()


# --- Years of history -----------------------------------------------------------

YEARS = 10


@case("fault_ten_years_of_files")
def ten_years_of_files(c):
    require_no_autostart()
    folder = c.folder()
    first = TODAY - datetime.timedelta(days=round(365.25 * YEARS))
    days = [first + datetime.timedelta(days=i) for i in range((TODAY - first).days)]
    for i, date in enumerate(days):
        folder.write("history/" + dayfiles.name(date), dayfiles.day({600: (i % 97, i % 13, 0)}))
    before = folder.files()
    program = c.start(folder)
    program.wait_for_main_window(timeout=60)
    assert program.message_boxes() == []

    items = poll.until(program.tree, timeout=30, what="the tree")
    months = [i for i in items if i["level"] == 0]
    day_items = [i for i in items if i["level"] == 1]
    assert len(day_items) == len(days) + 1, (len(day_items), len(days))
    assert len(months) == len({(d.year, d.month) for d in days + [TODAY]}), len(months)
    assert [m["text"] for m in months if m["expanded"] or m["selected"]] == [
        dayfiles.month_label(TODAY)]
    assert day_items[0]["text"] == dayfiles.day_label(first)
    assert day_items[-1]["text"] == dayfiles.day_label(TODAY) and day_items[-1]["image"] == 2
    assert all(i["image"] == 1 for i in day_items[:-1])
    assert program.quit() == 0
    unchanged(before, folder.files())


# --- The hook library ----------------------------------------------------------

NOT_A_LIBRARY = b"MZ this is no library"


def without_hook_library(c, library):
    """The program's folder without its ostrelle.dll (or with a file of
    that name that is no library): the error box, then the program ends
    with a non-zero code, having written nothing."""
    folder = c.folder(hook_library=False)
    if library is not None:
        folder.write("ostrelle.dll", library)
    before = folder.files()
    program = c.start(folder)
    box = program.wait_for_message_box()
    assert (box["caption"], box["text"], list(box["buttons"])) == (
        APPLICATION_TITLE, "Could not find or load ostrelle.dll", ["OK"]), box
    assert program.main_window() is None
    program.answer(box)
    assert program.wait_exit() == 1
    assert folder.files() == before, sorted(folder.files())


case("fault_missing_hook_library")(lambda c: without_hook_library(c, None))
case("fault_broken_hook_library")(lambda c: without_hook_library(c, NOT_A_LIBRARY))
