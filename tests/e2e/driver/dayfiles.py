"""Day files as the program writes them: 1440 lines keys:mouse:cpu, CR LF."""

import datetime

MINUTES = 1440


def name(date):
    return date.strftime("%y-%m-%d") + ".dat"


def day(records=None):
    """A whole day; `records` maps minute -> (keys, mouse, cpu)."""
    records = records or {}
    return "".join("%d:%d:%d\r\n" % records.get(m, (0, 0, 0)) for m in range(MINUTES)).encode()


def lines(data):
    """The lines of a day file's bytes; every line must end in CR LF."""
    text = data.decode("ascii")
    assert text.endswith("\r\n"), "the last line has no CR LF"
    return text[:-2].split("\r\n")


def minute_of(moment):
    return moment.hour * 60 + moment.minute


def month_label(date):
    return date.strftime("%Y.") + date.strftime("%B")


def day_label(date):
    return date.strftime("%Y-%m-%d")


def today():
    return datetime.date.today()
