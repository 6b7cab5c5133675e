"""Waiting for a state with a deadline, never with a fixed long sleep."""

import time


class Timeout(AssertionError):
    pass


def until(condition, timeout=10.0, interval=0.05, what="the state"):
    """Calls condition() until it returns something true and returns that;
    raises Timeout after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise Timeout(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)
