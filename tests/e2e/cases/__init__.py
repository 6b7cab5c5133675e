"""The cases by name. A case is a function of a driver.case.Case; a table of
cases that share a shape registers one function per row."""

CASES = {}


def case(name):
    def register(function):
        if name in CASES:
            raise ValueError(f"two cases named {name}")
        CASES[name] = function
        return function
    return register


def load():
    from . import faults, minute, settings, start  # noqa: F401  (they register)
    return CASES
