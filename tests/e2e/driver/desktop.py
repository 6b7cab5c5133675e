"""The user's hands: xdotool on the test session's X display."""

import subprocess


def xdotool(*args):
    result = subprocess.run(
        ["xdotool", *[str(a) for a in args]], capture_output=True, text=True, timeout=30
    )
    if result.returncode != 0:
        raise AssertionError(f"xdotool {args}: {result.stderr.strip()}")
    return result.stdout


def move(x, y):
    # --sync waits for the pointer to arrive, and would wait forever for a
    # move to where it already is.
    if pointer() != (x, y):
        xdotool("mousemove", "--sync", x, y)


def click(x, y, button=1, repeat=1):
    move(x, y)
    xdotool("click", "--repeat", repeat, button)


def key(*names):
    """Key strokes by X key name, e.g. key("ctrl+q") or key("Escape")."""
    xdotool("key", "--clearmodifiers", *names)


def type_text(text, delay_ms=12):
    xdotool("type", "--delay", delay_ms, text)


def pointer():
    out = xdotool("getmouselocation", "--shell")
    values = dict(line.split("=", 1) for line in out.split())
    return int(values["X"]), int(values["Y"])


def centre(rect):
    left, top, right, bottom = rect
    return (left + right) // 2, (top + bottom) // 2


def x_window(unix_pid, name_pattern):
    """The X window of a Wine window, by the unix process and its caption."""
    out = subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--pid", str(unix_pid), "--name", name_pattern],
        capture_output=True, text=True, timeout=30,
    ).stdout.split()
    return out[0] if out else None


def focus(x_window_id):
    """Gives the X keyboard focus to a window. With no window manager the
    display's focus otherwise follows the pointer, and keys typed while the
    pointer is over no window of Wine's are lost. (Wine then hands the keys
    to the window in front, which a click makes; the X focus alone does not
    bring a window to the front without a window manager.)"""
    xdotool("windowfocus", "--sync", x_window_id)


def screen_size():
    width, height = xdotool("getdisplaygeometry").split()
    return int(width), int(height)
