"""options.ini as the program writes it, read the way Windows reads ini
files: lines, [section] headers, key=value, the first of each key counting."""


def read(path, section="PosSize"):
    with open(path, "rb") as f:
        text = f.read().decode("latin-1")
    values, current = {}, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("["):
            current = line[1:].split("]", 1)[0].strip()
        elif current is not None and current.lower() == section.lower() and "=" in line:
            key, value = line.split("=", 1)
            values.setdefault(key.strip().lower(), value.strip())
    return values


def text(**values):
    return "[PosSize]\r\n" + "".join(f"{k}={v}\r\n" for k, v in values.items())
