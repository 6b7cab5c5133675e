"""The first start in an empty folder, and the tree a start builds."""

from driver import dayfiles, desktop, wine
from driver.program import MAIN_CAPTION

from . import case

DESIGNED_SIZE = (740, 360)


def centred(size):
    width, height = desktop.screen_size()
    left, top = (width - size[0]) // 2, (height - size[1]) // 2
    return [left, top, left + size[0], top + size[1]]


def tree_lines(program):
    """The tree as lines: indent, label, image, + expanded, * selected."""
    return ["  " * item["level"] + item["text"] + " %d" % item["image"]
            + (" +" if item["expanded"] else "") + (" *" if item["selected"] else "")
            for item in program.tree()]


def visible_captions(program):
    """The static texts under the charts that are on view."""
    return [w["text"] for w in program.windows()
            if w["class"] == "Static" and w["visible"]
            and (w["text"] in ("Days", "Hours") or w["text"].startswith("Hours ["))]


def require_no_autostart():
    assert not wine.autostart_values(), (
        f"the prefix holds the autostart value ({wine.autostart_values()}), so no start would "
        "show the window")


@case("first_start")
def first_start(c):
    require_no_autostart()
    folder = c.folder()
    program = c.start(folder)
    main = program.wait_for_main_window(rect=centred(DESIGNED_SIZE), zoomed=False)
    today = dayfiles.today()

    assert main["text"] == MAIN_CAPTION and not main["iconic"]
    assert tree_lines(program) == [
        dayfiles.month_label(today) + " 0 + *",
        "  " + dayfiles.day_label(today) + " 2",
    ], tree_lines(program)
    assert visible_captions(program) == ["Days"], visible_captions(program)
    hints = {tool["text"] for tip in program.probe.tooltips(program.pid) for tool in tip["tools"]}
    assert {"Zoom in", "Zoom out", "Undo zoom"} <= hints, hints
    assert program.message_boxes() == []

    assert sorted(folder.files()) == ["Tallyvane.exe", "history/" + dayfiles.name(today),
                                      "ostrelle.dll"], sorted(folder.files())
    assert folder.read("history/" + dayfiles.name(today)) == dayfiles.day()
