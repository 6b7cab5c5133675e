#!/usr/bin/env python3
"""Runs a test program under Wine at other screen scales.

Wine takes the scale (LogPixels) from the registry when its server starts,
and the test session keeps one server for its prefix for the whole run, at
96. So the program runs here in a prefix of its own, made once in the build
folder, under a server of its own for each scale: the scale is written, the
server that wrote it is stopped, a new one starts and the program runs under
it, then that server is stopped too. The program learns the scale it should
find from TALLYVANE_SCREEN_PPI.

    run_at_scales.py --prefix DIR --ppi 120 144 192 -- program.exe [args]
    run_at_scales.py --prefix DIR --ppi 144 --host -- command [args]

With --host the command is a program of this machine that drives Windows
programs itself (scripts/screenshots.py): it runs with the prefix's
environment, so its Wine processes meet the server at that scale.
"""

import argparse
import os
import subprocess
import sys
import time

SCALE_KEYS = [r"HKCU\Control Panel\Desktop", r"HKCC\Software\Fonts"]


def environment(prefix):
    env = dict(os.environ)
    env.update(WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    return env


def quiet(args, env, timeout=120):
    """A Wine tool whose output nobody reads. Its output goes nowhere: the
    services the first Windows process of a server starts would hold a pipe
    open as long as the server lives."""
    return subprocess.run(args, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, timeout=timeout).returncode


def stop_server(env):
    quiet(["wineserver", "-k"], env)
    quiet(["wineserver", "-w"], env)


def make_prefix(prefix, env):
    if os.path.exists(os.path.join(prefix, "system.reg")):
        return
    os.makedirs(prefix, exist_ok=True)
    started = time.monotonic()
    # Made by a server of its own, which ends with the making (as the test
    # session makes its prefix).
    quiet(["wineboot", "-i"], env, timeout=300)
    quiet(["wineserver", "-w"], env)
    print(f"made the prefix {prefix} in {time.monotonic() - started:.0f} s", flush=True)


def set_scale(ppi, env):
    for key in SCALE_KEYS:
        if quiet(["wine", "reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(ppi),
                  "/f"], env) != 0:
            raise RuntimeError(f"could not write LogPixels under {key}")
    stop_server(env)


def run_at(ppi, program, env, timeout, host=False):
    set_scale(ppi, env)
    server = subprocess.Popen(["wineserver", "-f", "-p"], env=env, stdin=subprocess.DEVNULL,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        quiet(["wineboot"], env)  # the services, away from the program's output
        print(f"--- at {ppi} pixels per inch", flush=True)
        command = program if host else ["wine", *program]
        return subprocess.run(command, env=dict(env, TALLYVANE_SCREEN_PPI=str(ppi)),
                              stdin=subprocess.DEVNULL, timeout=timeout).returncode
    finally:
        stop_server(env)
        server.wait(timeout=60)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--ppi", type=int, nargs="+", required=True)
    parser.add_argument("--timeout", type=int, default=240, help="seconds for each scale")
    parser.add_argument("--host", action="store_true",
                        help="the command runs on this machine, not under Wine")
    parser.add_argument("program", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    program = args.program[1:] if args.program[:1] == ["--"] else args.program
    if not program:
        parser.error("no program to run")
    prefix = os.path.abspath(args.prefix)
    env = environment(prefix)
    make_prefix(prefix, env)
    failed = [ppi for ppi in args.ppi if run_at(ppi, program, env, args.timeout, args.host) != 0]
    if failed:
        print("failed at " + ", ".join(map(str, failed)) + " pixels per inch", flush=True)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
