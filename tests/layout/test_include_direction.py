"""The direction-of-use check on small trees made for each case: what it
lets through, what it reports, and how it finds the file an include names."""

import contextlib
import io
import os
import shutil
import tempfile
import unittest

import include_direction

# The files every tree has, so that each include below names a real file.
FILES = [
    "app/Main.cpp",
    "history/HistoryTree.h",
    "recording/DayLog.h",
    "desktop/HookLibrary.h",
    "chart/Chart.h",
    "chart/demo/DemoCharts.h",
    "toolkit/Handle.h",
    "toolkit/Text.h",
    "hooklib/HookRec.h",
    "tests/support/TempFolder.h",
]

# (the including file, its include line, whether the check lets it through)
CASES = [
    ("app/Main.cpp", '#include "hooklib/HookRec.h"', True),
    ("app/Main.cpp", '#include "history/HistoryTree.h"', True),
    ("history/DayView.cpp", '#include "recording/DayLog.h"', True),
    ("history/DayView.cpp", '#include "chart/Chart.h"', True),
    ("history/DayView.cpp", '#include "desktop/HookLibrary.h"', False),
    ("recording/DayLog.cpp", '#include "chart/Chart.h"', True),
    ("recording/DayLog.cpp", '#include "history/HistoryTree.h"', False),
    ("recording/DayLog.cpp", '#include <history/HistoryTree.h>', False),
    ("recording/DayLog.cpp", '  #  include "history/HistoryTree.h"', False),
    ("desktop/Tray.cpp", '#include "toolkit/Text.h"', True),
    ("desktop/Tray.cpp", '#include "HookLibrary.h"', True),
    ("desktop/Tray.cpp", '#include "chart/Chart.h"', False),
    ("desktop/HookLibrary.cpp", '#include "hooklib/HookRec.h"', False),
    ("desktop/HookLibrary.cpp", '#include "../hooklib/HookRec.h"', False),
    ("desktop/Tray.rc", '#include "app/Main.cpp"', False),
    ("chart/demo/Demo.cpp", '#include "chart/Chart.h"', True),
    ("chart/demo/Demo.cpp", '#include "DemoCharts.h"', True),
    ("chart/demo/Demo.cpp", '#include "app/Main.cpp"', False),
    ("chart/Chart.cpp", '#include "demo/DemoCharts.h"', True),
    ("chart/Chart.cpp", '#include "recording/DayLog.h"', False),
    ("toolkit/Text.cpp", "#include <windows.h>", True),
    ("toolkit/Text.cpp", '#include "Handle.h"', True),
    ("toolkit/Text.cpp", '#include "chart/Chart.h"', False),
    ("toolkit/Text.cpp", '#include "tests/support/TempFolder.h"', False),
    ("hooklib/KeyboardHook.cpp", '#include "HookRec.h"', True),
    ("hooklib/KeyboardHook.cpp", '#include "toolkit/Handle.h"', True),
    ("hooklib/KeyboardHook.cpp", '#include "../toolkit/Handle.h"', True),
    ("hooklib/KeyboardHook.cpp", '#include "toolkit/Text.h"', False),
    ("tests/desktop/LayoutTest.cpp", '#include "hooklib/HookRec.h"', True),
    ("bench/Bench.cpp", '#include "app/Main.cpp"', True),
    # Not a file of the repository: the system's, or one made in the build folder.
    ("recording/DayLog.cpp", '#include "history/Generated.h"', True),
    ("toolkit/Text.cpp", '#include "Version.h"', True),
    # Not an include.
    ("recording/DayLog.cpp", '// #include "history/HistoryTree.h"', True),
]


class Tree:
    """A throwaway source tree with the files above."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="include_direction_")
        for name in FILES:
            self.write(name, "")

    def write(self, name, text):
        path = os.path.join(self.root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write(text)

    def remove(self):
        shutil.rmtree(self.root)


class IncludeDirectionTest(unittest.TestCase):
    def setUp(self):
        self.tree = Tree()
        self.addCleanup(self.tree.remove)

    def test_each_include_is_judged_by_the_including_folder(self):
        for including, line, passes in CASES:
            with self.subTest(including=including, line=line):
                tree = Tree()
                self.addCleanup(tree.remove)
                tree.write(including, "#pragma once\n" + line + "\n")
                _, found = include_direction.violations(tree.root)
                self.assertEqual(found == [], passes, found)

    def test_a_report_names_the_file_the_line_the_include_and_the_rule(self):
        self.tree.write("recording/DayLog.cpp",
                        '#include "DayLog.h"\n\n#include "history/HistoryTree.h"\n')
        self.tree.write("hooklib/KeyboardHook.cpp", "#include <toolkit/Text.h>\n")
        _, found = include_direction.violations(self.tree.root)
        self.assertEqual(found, [
            'recording/DayLog.cpp:3: #include "history/HistoryTree.h": recording may not use '
            "history/HistoryTree.h (recording may use chart, toolkit)",
            "hooklib/KeyboardHook.cpp:1: #include <toolkit/Text.h>: hooklib may not use "
            "toolkit/Text.h (hooklib may use toolkit/Handle.h)",
        ])

    def test_every_include_of_a_file_is_checked(self):
        self.tree.write("toolkit/Text.cpp",
                        '#include "chart/Chart.h"\n#include <string>\n#include "app/Main.cpp"\n')
        _, found = include_direction.violations(self.tree.root)
        self.assertEqual([line.split(": ")[0] for line in found],
                         ["toolkit/Text.cpp:1", "toolkit/Text.cpp:3"])

    def test_the_command_fails_on_a_bad_include_and_passes_a_clean_tree(self):
        def run():
            out = io.StringIO()
            with contextlib.redirect_stdout(out):
                result = include_direction.main(["check", self.tree.root])
            return result, out.getvalue()

        self.assertEqual(run()[0], 0)
        self.tree.write("chart/Chart.cpp", '#include "history/HistoryTree.h"\n')
        result, printed = run()
        self.assertEqual(result, 1)
        self.assertIn('chart/Chart.cpp:1: #include "history/HistoryTree.h"', printed)

    def test_a_root_without_the_program_folders_is_an_error_not_a_pass(self):
        empty = tempfile.mkdtemp(prefix="include_direction_")
        self.addCleanup(shutil.rmtree, empty)
        with contextlib.redirect_stderr(io.StringIO()):
            self.assertEqual(include_direction.main(["check", empty]), 2)


if __name__ == "__main__":
    unittest.main()
