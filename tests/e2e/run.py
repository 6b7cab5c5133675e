#!/usr/bin/env python3
"""Runs one end-to-end case by name (ctest runs each case this way), or
lists them: run.py --build BUILD (--list | CASE). The list names each case,
followed by ":serial" for one that must run alone."""

import argparse
import os
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from cases import SERIAL, load  # noqa: E402
from driver.case import Case  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--list", action="store_true")
    parser.add_argument("case", nargs="?")
    args = parser.parse_args()
    cases = load()
    if args.list:
        print(";".join(name + (":serial" if name in SERIAL else "") for name in sorted(cases)))
        return 0
    if args.case not in cases:
        print(f"no case {args.case}; the cases: {', '.join(sorted(cases))}")
        return 2
    for needed in ("DISPLAY", "WINEPREFIX"):
        if not os.environ.get(needed):
            print(f"{needed} is not set: run inside the test session (scripts/wine-session)")
            return 2
    started = time.monotonic()
    c = Case(os.path.abspath(args.build), args.case)
    try:
        cases[args.case](c)
        failed = False
    except Exception:
        traceback.print_exc()
        failed = True
    finally:
        c.close()
    print(f"{args.case}: {'failed' if failed else 'passed'} in {time.monotonic() - started:.1f} s")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
