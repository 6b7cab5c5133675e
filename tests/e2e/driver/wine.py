"""Windows tools of the test session's prefix, run from outside."""

import subprocess

# The program writes its autostart value to the machine-wide Run key, or
# where that is refused (never under Wine as root) to the user's.
MACHINE_RUN_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run"
USER_RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
AUTOSTART_VALUE = "User Ostrelle"


def _reg(*args):
    return subprocess.run(["wine", "reg", *args], capture_output=True, text=True,
                          stdin=subprocess.DEVNULL, timeout=60)


def reg_query(key, value):
    """The data of a string value, or None when it is not there."""
    result = _reg("query", key, "/v", value)
    if result.returncode != 0:
        return None
    for line in result.stdout.splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[0] == value.split()[0]:
            # "User Ostrelle    REG_SZ    data": the name itself has a blank.
            rest = line.strip()[len(value):].split(None, 1)
            return rest[1] if len(rest) > 1 else ""
    return None


def reg_delete(key, value):
    """Removes a value; a value that is not there is no error."""
    if reg_query(key, value) is None:
        return
    result = _reg("delete", key, "/v", value, "/f")
    if result.returncode != 0:
        raise AssertionError(f"reg delete {key} /v {value}: {result.stdout}{result.stderr}")


def autostart_value(key=MACHINE_RUN_KEY):
    return reg_query(key, AUTOSTART_VALUE)


def autostart_values():
    """The autostart value of each Run key that holds one."""
    return {key: value for key in (MACHINE_RUN_KEY, USER_RUN_KEY)
            if (value := autostart_value(key)) is not None}


def remove_autostart():
    for key in (MACHINE_RUN_KEY, USER_RUN_KEY):
        reg_delete(key, AUTOSTART_VALUE)


def end_session():
    """The end of the Windows session, as at a log-off: every top-level
    window of the prefix is asked and told (WM_QUERYENDSESSION, then
    WM_ENDSESSION); the programs must end by themselves."""
    result = subprocess.run(["wineboot", "--end-session"], capture_output=True, text=True,
                            stdin=subprocess.DEVNULL, timeout=60)
    if result.returncode != 0:
        raise AssertionError(f"wineboot --end-session: {result.returncode} {result.stderr}")
