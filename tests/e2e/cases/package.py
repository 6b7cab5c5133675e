"""The release package as a user gets it: scripts/package's zip unzipped into
a fresh folder, started from there, quit with Ctrl+Q."""

import os
import re
import subprocess
import zipfile

from driver import dayfiles, ini

from . import case
from .start import require_no_autostart

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", ".."))
CONTENTS = ["LICENSE.txt", "README.txt", "Tallyvane.exe", "history/", "ostrelle.dll"]
ZIP_BUDGET = 700 * 1024
HOOK_LIBRARY_BUDGET = 30 * 1024
# Windows' own DLLs: the C and C++ runtimes are linked in, and the hook
# library needs no runtime at all.
PROGRAM_IMPORTS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "shell32.dll",
                   "advapi32.dll", "msvcrt.dll"}
HOOK_LIBRARY_IMPORTS = {"kernel32.dll", "user32.dll"}


def version():
    with open(os.path.join(ROOT, "VERSION")) as f:
        return f.readline().strip()


def package_zip():
    path = os.path.join(ROOT, "dist", f"Tallyvane-{version()}-win64.zip")
    assert os.path.isfile(path), f"no {path}: scripts/package makes it (scripts/test does)"
    return path


def wide(text):
    """A pattern for the text as a resource holds it."""
    return re.escape(text.encode("utf-16-le"))


def imports(path):
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", path], check=True,
                          capture_output=True, text=True).stdout
    return {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}


@case("package")
def package(c):
    require_no_autostart()
    zip_path = package_zip()
    assert os.path.getsize(zip_path) <= ZIP_BUDGET, os.path.getsize(zip_path)

    folder = c.folder(history=False, hook_library=False)
    os.remove(folder.exe)  # the package brings its own
    with zipfile.ZipFile(zip_path) as package:
        assert sorted(package.namelist()) == CONTENTS, package.namelist()
        package.extractall(folder.root)
    assert os.listdir(folder.history) == []
    hook_library = os.path.join(folder.root, "ostrelle.dll")
    assert os.path.getsize(hook_library) <= HOOK_LIBRARY_BUDGET, os.path.getsize(hook_library)
    assert imports(hook_library) <= HOOK_LIBRARY_IMPORTS, imports(hook_library)
    assert imports(folder.exe) <= PROGRAM_IMPORTS, imports(folder.exe)
    # The version resource carries the VERSION file's version: its key, the
    # padding to a 32-bit boundary, the value.
    assert re.search(wide("FileVersion") + rb"(\0\0)+" + wide(version()) + rb"\0\0",
                     folder.read("Tallyvane.exe")), "no FileVersion " + version()
    for text in ("README.txt", "LICENSE.txt"):
        lines = folder.read(text).split(b"\r\n")
        assert lines[-1] == b"" and not any(b"\n" in line for line in lines), (
            f"{text} has lines not ended by CR LF")

    started = dayfiles.today()
    program = c.start(folder)
    program.wait_for_main_window()
    assert program.message_boxes() == []
    assert program.quit() == 0

    day = dayfiles.lines(folder.read("history/" + dayfiles.name(started)))
    assert len(day) == dayfiles.MINUTES, len(day)
    assert all(re.fullmatch(r"\d+:\d+:0", line) for line in day), day
    assert set(ini.read(folder.options)) == {"windowstate", "top", "left", "height", "width",
                                             "treewidth"}, ini.read(folder.options)
