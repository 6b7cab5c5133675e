"""options.ini as the program writes it."""

import configparser


def read(path):
    parser = configparser.ConfigParser(interpolation=None)
    with open(path, "rb") as f:
        parser.read_string(f.read().decode("latin-1"))
    return {key.lower(): value for key, value in parser["PosSize"].items()}


def text(**values):
    return "[PosSize]\r\n" + "".join(f"{k}={v}\r\n" for k, v in values.items())
