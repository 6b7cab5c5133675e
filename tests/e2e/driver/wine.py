"""Windows tools of the test session's prefix, run from outside."""

import subprocess

RUN_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run"
AUTOSTART_VALUE = "User Ostrelle"


def reg_query(key, value):
    """The data of a string value, or None when it is not there."""
    result = subprocess.run(
        ["wine", "reg", "query", key, "/v", value],
        capture_output=True, text=True, stdin=subprocess.DEVNULL, timeout=60,
    )
    if result.returncode != 0:
        return None
    for line in result.stdout.splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[0] == value.split()[0]:
            # "User Ostrelle    REG_SZ    data": the name itself has a blank.
            rest = line.strip()[len(value):].split(None, 1)
            return rest[1] if len(rest) > 1 else ""
    return None


def autostart_value():
    return reg_query(RUN_KEY, AUTOSTART_VALUE)
