"""The cases by name. A case is a function of a driver.case.Case, registered
with @case("name"); ctest runs it as the test e2e_<name>. A table of cases
that share a shape registers one function per row.

A case makes its folders (c.folder(), with today's and earlier day files as
it needs), starts the program (c.start(folder)), acts as a user would
(program.keys(...), driver.desktop), reads what the user sees through the
probe (program.windows(), .tree(), .message_boxes(), c.probe.menus(),
c.probe.tooltips()) and the files, and waits for states with driver.poll,
never with a fixed sleep. Whatever it started ends with the case."""

CASES = {}
# Cases that must run with no other test at the same time (ctest RUN_SERIAL):
# the end of the Windows session reaches every program of the prefix.
SERIAL = set()


def case(name, serial=False):
    def register(function):
        if name in CASES:
            raise ValueError(f"two cases named {name}")
        CASES[name] = function
        if serial:
            SERIAL.add(name)
        return function
    return register


def load():
    from . import browsing, copies, dragging, faults, minute, package, settings, start, tray  # noqa: F401
    return CASES
