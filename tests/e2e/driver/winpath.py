"""Unix paths as the program under Wine sees them (drive Z: is the root)."""

import os


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")
