"""What the screen shows of a window, as the probe reads it back."""

import os
import struct

from .winpath import windows_path


class Picture:
    """A 24-bit BMP as the probe writes it: pixels as (r, g, b)."""

    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        offset = struct.unpack_from("<I", data, 10)[0]
        self.width, height = struct.unpack_from("<ii", data, 18)
        self.height = abs(height)
        stride = (self.width * 3 + 3) & ~3
        self._rows = []
        for y in range(self.height):
            row = self.height - 1 - y if height > 0 else y
            start = offset + row * stride
            self._rows.append(data[start:start + self.width * 3])

    def pixel(self, x, y):
        b, g, r = self._rows[y][3 * x:3 * x + 3]
        return r, g, b

    def dark(self, x, y):
        return sum(self.pixel(x, y)) < 200

    def rows_with(self, colour, at_least):
        """The rows where at least `at_least` pixels have this colour."""
        return [y for y in range(self.height)
                if sum(1 for x in range(self.width) if self.pixel(x, y) == colour) >= at_least]


def capture(probe, window, path):
    """The window's client area as the screen shows it, saved beside the
    case (where it can be looked at after a failure) and read back."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    probe.ask("capture", window["hwnd"], windows_path(path))
    return Picture(path)


def find_text(probe, window, text, font="Tahoma", height=-11, angle=0, colour=0):
    """Where the window shows this text, drawn in this font: the top-left
    corners of the text's box in client pixels, and the box's size."""
    answer = probe.ask("findtext", window["hwnd"], font, height, angle, colour, text)
    return answer["found"], answer["size"]
